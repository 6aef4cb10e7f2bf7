#include "diagrams/frmNotes.h"

#include "diagrams/areanotes.h"
#include "runtime/mainmenu.h"
#include "runtime/placement.h"
#include "runtime/services.h"

#include <QShortcut>
#include <QTextDocument>

#include <algorithm>

using namespace fw;

namespace {
bool marked(const QWidget* control)
{
    if (auto* knob = qobject_cast<const Shape*>(control))
        return knob->highlighted();
    return BackColor(control) == colors::red;
}

const char* const kMarkedHeading = QT_TRANSLATE_NOOP("frmNotes", "Marked in red on the diagram");
const char* const kOthersHeading = QT_TRANSLATE_NOOP("frmNotes", "The other areas of the diagram");
const char* const kSafetyHeading = QT_TRANSLATE_NOOP("frmNotes", "Safety first");
} // namespace

frmNotes::frmNotes() : Form(QStringLiteral("frmNotes"), QT_TR_NOOP("Circuit Notes"), QSize(10110, 7920)) {}

Design frmNotes::design() const
{
    return {
        command("cmdPrint", QT_TR_NOOP("Print"), 6960, 180, 1230, 390).bold(9.75),
        command("cmdReturn", QT_TR_NOOP("Return"), 8430, 180, 1230, 390).bold(9.75),
        textArea("Text1", "", 285, 735, 9375, 6960)
            .says(QT_TR_NOOP("Circuit notes"))
            .size(11)
            .fore(colors::black)
            .back(colors::white)
            .readOnly(),
        label("Label1", QT_TR_NOOP("Circuit Notes"), 285, 165, 6000, 555).bold(24).fore(colors::blue),
    };
}

// The reader starts in the text, so that the page keys scroll it and Return cannot print by accident.
QStringList frmNotes::tabOrder() const
{
    return {QStringLiteral("Text1"), QStringLiteral("cmdPrint"), QStringLiteral("cmdReturn")};
}

void frmNotes::offerOn(Screen& diagram)
{
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), diagram.window());
    connect(help, &QShortcut::activated, &diagram, [&diagram] { get().open(diagram); });
}

void frmNotes::open(Screen& diagram)
{
    m_diagram = &diagram;
    Unload(); // read afresh from the diagram as it stands
    Show();
    diagram.Hide();
    Text1()->setFocus(Qt::OtherFocusReason);
}

std::vector<frmNotes::Entry> frmNotes::notesOf(Screen& diagram)
{
    QList<QWidget*> controls = diagram.controls();
    QWidget* window = diagram.window();
    std::ranges::sort(controls, [window](QWidget* a, QWidget* b) {
        const QPoint pa = a->mapTo(window, QPoint()), pb = b->mapTo(window, QPoint());
        return std::pair(pa.y(), pa.x()) < std::pair(pb.y(), pb.x());
    });
    std::vector<Entry> entries;
    QStringList ids;
    for (QWidget* control : std::as_const(controls)) {
        const QString id = areanotes::areaAt(diagram.name(), control->objectName());
        const std::optional<areanotes::Note> note = id.isEmpty() ? std::nullopt : areanotes::note(id);
        if (!note)
            continue;
        if (const qsizetype seen = ids.indexOf(id); seen >= 0) {
            entries[std::size_t(seen)].marked |= marked(control);
            continue;
        }
        ids << id;
        entries.push_back({note->title, note->body, note->rules, marked(control)});
    }
    std::ranges::stable_partition(entries, &Entry::marked);
    return entries;
}

std::vector<const areanotes::Rule*> frmNotes::rulesOf(const std::vector<Entry>& entries)
{
    std::vector<const areanotes::Rule*> carried;
    for (const areanotes::Rule& rule : areanotes::rules())
        if (std::ranges::any_of(entries,
                                [&rule](const Entry& e) { return std::ranges::count(e.rules, &rule) > 0; }))
            carried.push_back(&rule);
    return carried;
}

void frmNotes::wire()
{
    connect(cmdPrint(), &CommandButton::Click, this, &frmNotes::cmdPrint_Click);
    connect(cmdReturn(), &CommandButton::Click, this, &frmNotes::cmdReturn_Click);
    auto* print = new QShortcut(QKeySequence::Print, window());
    connect(print, &QShortcut::activated, this, &frmNotes::cmdPrint_Click);
}

void frmNotes::Form_Load()
{
    place(*this);
    TextArea* text = Text1();
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text->document()->setDocumentMargin(8);
    m_entries = m_diagram && m_diagram->isLoaded() ? notesOf(*m_diagram) : std::vector<Entry>{};
    // The box shows the lines as paragraphs with a blank line after each.
    for (const QString& line : sheet()) {
        text->appendHtml(line);
        text->appendPlainText(QString());
    }
    text->moveCursor(QTextCursor::Start);
}

// One paragraph of HTML a line: the diagram's caption, the safety rules its areas carry, then under their
// headings each area's title (dark red for a marked one), the paragraphs of its note and the rules it carries
// by their titles.
QStringList frmNotes::sheet() const
{
    const auto html = [](const char* text) { return QString::fromUtf8(text).toHtmlEscaped(); };
    QStringList lines;
    if (m_diagram)
        lines << QStringLiteral("<h2>%1</h2>").arg(m_diagram->caption().toHtmlEscaped());
    if (const auto rules = rulesOf(m_entries); !rules.empty()) {
        lines << QStringLiteral("<h3>%1</h3>").arg(tr(kSafetyHeading));
        for (const areanotes::Rule* rule : rules)
            lines << QStringLiteral("<p><b>%1.</b> %2</p>").arg(html(rule->title), html(rule->text));
    }
    std::optional<bool> group; // whether the entries under the last heading are marked
    for (const Entry& entry : m_entries) {
        if (group != entry.marked) {
            lines << QStringLiteral("<h3>%1</h3>").arg(tr(entry.marked ? kMarkedHeading : kOthersHeading));
            group = entry.marked;
        }
        lines << QStringLiteral("<p><b><font color=\"%1\">%2</font></b></p>")
                     .arg((entry.marked ? colors::darkRed : colors::black).name(),
                          entry.title.toHtmlEscaped());
        for (const QString& paragraph : entry.note.split(QStringLiteral("\n\n"), Qt::SkipEmptyParts))
            lines << QStringLiteral("<p>%1</p>").arg(paragraph.toHtmlEscaped());
        QStringList titles;
        for (const areanotes::Rule* rule : entry.rules)
            titles << html(rule->title);
        if (!titles.isEmpty())
            lines << QStringLiteral("<p><i>%1</i></p>")
                         .arg(tr("Safety: %1 (above).", "the titles of the safety rules listed above")
                                  .arg(titles.join(QStringLiteral("; "))));
    }
    return lines;
}

// The notes print as a document of their own, over as many pages as they take; a failure is told and the
// sheet stays as it was.
void frmNotes::cmdPrint_Click()
{
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("Liberation Sans"), 10));
    document.setHtml(sheet().join(QLatin1Char('\n')));
    document.setMetaInformation(QTextDocument::DocumentTitle, caption()); // after the HTML, which has none
    const PrintResult printed = services().PrintDocument(document);
    if (!printed.ok)
        services().MsgBox(printed.reason, tr("Error"));
}

void frmNotes::cmdReturn_Click()
{
    Screen* back = m_diagram;
    if (back)
        back->Show();
    else
        fw::showMainMenu();
    Unload();
}
