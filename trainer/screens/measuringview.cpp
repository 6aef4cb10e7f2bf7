#include "trainer/screens/measuringview.h"

#include "diagrams/areanotes.h"
#include "diagrams/frmColor.h"
#include "diagrams/frmFront.h"
#include "diagrams/frmLVPower.h"
#include "runtime/accessible.h"
#include "runtime/controls.h"
#include "runtime/notes.h"
#include "runtime/screen.h"
#include "trainer/model/setmodel.h"

#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QSet>
#include <QTextDocument>

#include <algorithm>
#include <functional>

using namespace fw;

namespace {
struct Diagram
{
    const char* screen;
    const char* tab;
    Design (*table)();
    QSize client; // in twips
    bool drawing; // drawn on white, its blocks' texts set close to their edges (the power diagram)
    // What only makes sense on the diagram itself: its buttons, its legend of red problem areas, the code
    // box, the promise of a reference page.
    QSet<QString> left;
};

const Diagram& diagram(int i)
{
    static const Diagram diagrams[] = {
        {"frmLVPower",
         "&Power and deflection",
         &frmLVPower::table,
         {11580, 7785},
         true,
         {"cmdQuit", "cmdReturn", "Frame1"}},
        {"frmFront",
         "&Front end and sound",
         &frmFront::table,
         {11010, 6450},
         false,
         {"cmdQuit", "cmdReturn", "Frame1"}},
        {"frmColor",
         "&Video and colour",
         &frmColor::table,
         {11580, 7080},
         false,
         {"cmdQuit", "cmdReturn", "Text16", "Label10"}},
    };
    return diagrams[i];
}
constexpr int kDiagrams = 3;

constexpr char kStage[] = "stage";

// A knob's dot, which has no click of its own: a left click released on it.
class DotClick : public QObject
{
public:
    DotClick(QWidget* dot, std::function<void()> clicked) : QObject(dot), m_clicked(std::move(clicked))
    {
        dot->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonRelease) {
            auto* release = static_cast<QMouseEvent*>(event);
            if (release->button() == Qt::LeftButton &&
                static_cast<QWidget*>(watched)->rect().contains(release->position().toPoint()))
                m_clicked();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_clicked;
};

// Connects whatever kind of control shows a stage to `measure`; false for a kind that takes no click.
template <class F> bool onPointed(QWidget* control, QObject* context, F measure)
{
    if (qobject_cast<Shape*>(control)) {
        new DotClick(control, measure);
        return true;
    }
    if (auto* label = qobject_cast<Label*>(control))
        QObject::connect(label, &Label::Click, context, measure);
    else if (auto* area = qobject_cast<TextArea*>(control))
        QObject::connect(area, &TextArea::Click, context, measure);
    else if (auto* picture = qobject_cast<PictureBox*>(control))
        QObject::connect(picture, &PictureBox::Click, context, measure);
    else if (auto* box = qobject_cast<TextBox*>(control)) {
        QObject::connect(box, &TextBox::Click, context, measure);
        QObject::connect(box, &TextBox::KeyPress, context, [measure](int key) {
            if (key == 13 || key == 32)
                measure();
        });
    } else {
        return false;
    }
    return true;
}
// The diagram's design as the view shows it.
Design shownTable(const Diagram& d)
{
    Design table;
    for (Ctl& c : d.table())
        if (!d.left.contains(c.name) && !d.left.contains(c.container))
            table.push_back(std::move(c));
    return table;
}

// What a control measures: a box the set's model knows as a test point of its own within its stage (the box
// text is the point's name, "1st Vertical deflection amplifier") measures that point; every other control
// its area's stage.
QString pointAt(const QString& screen, const Ctl& c)
{
    const QString stage = areanotes::areaAt(screen, c.name);
    for (const QString& point : trainer::testPoints(stage))
        if (QString(c.text).simplified() == trainer::pointTitle(point))
            return point;
    return stage;
}

bool pointable(Kind kind)
{
    return kind == Kind::Label || kind == Kind::TextArea || kind == Kind::TextBox || kind == Kind::Picture ||
           kind == Kind::Shape;
}
} // namespace

namespace {
// The boxes of one stage named together: those that differ only in their first word ("1st chroma amplifier",
// "2nd chroma amplifier") as "1st and 2nd chroma amplifier", others joined by " / ".
QString together(const QStringList& names)
{
    const auto rest = [](const QString& name) { return name.section(QLatin1Char(' '), 1); };
    QStringList firsts;
    for (const QString& name : names) {
        if (names.size() == 1 || rest(name).isEmpty() || rest(name) != rest(names.front()))
            return names.join(QStringLiteral(" / "));
        firsts << name.section(QLatin1Char(' '), 0, 0);
    }
    const QString last = firsts.takeLast();
    return QStringLiteral("%1 and %2 %3").arg(firsts.join(QStringLiteral(", ")), last, rest(names.front()));
}
} // namespace

QHash<QString, QString> MeasuringView::stageNames()
{
    // What each kind of place names, best first: a box (or a box that opens a page), a picture, a knob, the
    // caption beside a knob or picture.
    const auto rank = [](areanotes::Kind kind, bool ownPoint) {
        switch (kind) {
        case areanotes::Kind::Box:
        case areanotes::Kind::Page:
            return ownPoint ? 1 : 0;
        case areanotes::Kind::Picture:
            return 2;
        case areanotes::Kind::Knob:
            return 3;
        case areanotes::Kind::Caption:
            return 4;
        default:
            return 5;
        }
    };
    struct Named
    {
        int rank = 5;
        QStringList names;
    };
    QHash<QString, Named> found;
    for (int i = 0; i < kDiagrams; ++i) {
        const Diagram& d = diagram(i);
        QHash<QString, Ctl> shown;
        for (Ctl& c : shownTable(d))
            shown.insert(c.name, std::move(c));
        for (const areanotes::Place& place : areanotes::places()) {
            const auto c = shown.constFind(QLatin1String(place.control));
            if (QLatin1String(place.screen) != QLatin1String(d.screen) || c == shown.cend())
                continue;
            // A picture or a knob has no words of its own on the diagram: it goes by the name it is given.
            const bool spoken = c->kind == Kind::Picture || c->kind == Kind::Shape;
            const QString name = (spoken ? c->spoken : c->text).simplified();
            Named& named = found[QString::fromLatin1(place.id)];
            // A box that measures a point of its own within the stage names the stage only where no box
            // measures the stage's output (the three video drivers).
            const int r = rank(place.kind, pointAt(QLatin1String(d.screen), *c) != QLatin1String(place.id));
            if (name.isEmpty() || r > named.rank)
                continue;
            if (r < named.rank)
                named = Named{r, {}};
            if (!named.names.contains(name))
                named.names << name;
        }
    }
    QHash<QString, QString> names;
    for (auto n = found.cbegin(); n != found.cend(); ++n) {
        if (n->names.isEmpty())
            continue;
        if (n->rank <= 1)
            names.insert(n.key(), together(n->names));
        else if (n->rank == 2)
            names.insert(n.key(), *std::ranges::min_element(n->names, {}, [](const QString& name) { return name.size(); }));
        else
            names.insert(n.key(), n->names.front());
    }
    // A unit keeps its own case wherever the program names a stage ("3.58 mhz oscillator" on the diagram is
    // the "3.58 MHz oscillator" of the lists and the result, as the notes write it).
    static const QRegularExpression units(QStringLiteral("\\b(\\d+(?:\\.\\d+)?) ?([kmg]?hz)\\b"),
                                          QRegularExpression::CaseInsensitiveOption);
    static const QHash<QString, QString> written{{QStringLiteral("hz"), QStringLiteral("Hz")},
                                                 {QStringLiteral("khz"), QStringLiteral("kHz")},
                                                 {QStringLiteral("mhz"), QStringLiteral("MHz")},
                                                 {QStringLiteral("ghz"), QStringLiteral("GHz")}};
    for (QString& name : names)
        if (const QRegularExpressionMatch m = units.match(name); m.hasMatch())
            name.replace(m.capturedStart(2), m.capturedLength(2), written.value(m.captured(2).toLower()));
    return names;
}

MeasuringView::MeasuringView(const QStringList& stages, QWidget* parent) : QTabWidget(parent)
{
    setObjectName(QStringLiteral("tabDiagrams"));
    setAccessibleName(QStringLiteral("Block diagrams to measure on"));
    const QSet<QString> measurable(stages.begin(), stages.end());
    for (int i = 0; i < kDiagrams; ++i) {
        const Diagram& d = diagram(i);
        const QString screen = QString::fromLatin1(d.screen);
        for (const Ctl& c : shownTable(d))
            if (const QString stage = pointAt(screen, c);
                pointable(c.kind) && measurable.contains(trainer::pointStage(stage)) && !m_pageOf.contains(stage))
                m_pageOf.insert(stage, i);
        auto* page = new QWidget;
        page->setObjectName(screen);
        page->setAutoFillBackground(true);
        page->setMinimumSize(toPixels(d.client.width()), toPixels(d.client.height()));
        if (d.drawing)
            setBackColor(page, colors::white);
        addTab(page, QString::fromLatin1(d.tab));
    }
    for (const QString& stage : stages)
        if (m_pageOf.contains(stage))
            m_order << stage;
    // A diagram is built when it is first shown, so that opening the trainer builds one of the three.
    buildPage(0);
    connect(this, &QTabWidget::currentChanged, this, &MeasuringView::buildPage);
}

void MeasuringView::buildPage(int index)
{
    if (index < 0 || index >= kDiagrams || m_built[index])
        return;
    m_built[index] = true;
    const Diagram& d = diagram(index);
    const QString screen = QString::fromLatin1(d.screen);
    const Design table = shownTable(d);
    QWidget* page = widget(index);
    const QHash<QString, QWidget*> controls = build(page, table);
    if (d.drawing) {
        for (QWidget* control : controls) {
            if (auto* block = qobject_cast<TextArea*>(control)) {
                block->document()->setDocumentMargin(1);
                block->setWordWrapMode(QTextOption::WordWrap);
            } else if (qobject_cast<PictureBox*>(control)) {
                control->setAutoFillBackground(false);
            }
        }
    }
    attachNotes(screen, controls);
    // Every box, picture, knob and knob caption measures its stage; one that is no stage of the set says so.
    // Only the stages take the keyboard, each framed when focused, in reading order.
    QList<QWidget*> stops;
    QSet<QString> firstHere;
    for (const Ctl& c : table) {
        const QString area = pointAt(screen, c);
        QWidget* control = controls.value(c.name);
        if (!control)
            continue;
        control->setFocusPolicy(Qt::NoFocus);
        const bool measurable = m_pageOf.contains(area);
        if (!measurable && c.kind == Kind::Label && area.isEmpty())
            continue; // a title or a caption of nothing
        if (!pointable(c.kind) && c.kind != Kind::Shape)
            continue;
        const QString said = !area.isEmpty() ? area : control->accessibleName();
        if (!onPointed(control, this, [this, control, said] {
                m_pointed = control;
                emit measureRequested(said);
            }))
            continue;
        if (!measurable || c.kind == Kind::Shape) // a dot is measured by keyboard at its caption
            continue;
        control->setProperty(kStage, area);
        offerPress(control);
        control->setFocusPolicy(Qt::StrongFocus);
        frameFocus(control);
        stops << control;
        if (!firstHere.contains(area)) {
            firstHere.insert(area);
            if (m_pageOf.value(area) == index || !m_controls.contains(area))
                m_controls.insert(area, control);
        }
    }
    fw::sortForReading(stops);
    for (qsizetype i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops[i - 1], stops[i]);
    // Made after the view was shown: shown here, as the design has them.
    for (const Ctl& c : table)
        if (QWidget* control = controls.value(c.name); control && c.isVisible)
            control->show();
}

QWidget* MeasuringView::page(const QString& screen) const
{
    for (int i = 0; i < count(); ++i)
        if (widget(i)->objectName() == screen)
            return widget(i);
    return nullptr;
}

QWidget* MeasuringView::control(const QString& stage)
{
    buildPage(m_pageOf.value(stage, -1));
    return m_controls.value(stage);
}

void MeasuringView::focusStage(const QString& stage)
{
    if (QWidget* target = control(stage))
        focusStageControl(target);
}

void MeasuringView::focusStageControl(QWidget* target)
{
    for (QWidget* w = target; w; w = w->parentWidget())
        if (const int i = indexOf(w); i >= 0)
            setCurrentIndex(i);
    target->setFocus(Qt::TabFocusReason);
}

void MeasuringView::tell(const QString& stage, const QString& text)
{
    QWidget* target = m_pointed && m_pointed->property(kStage).toString() == stage ? m_pointed.data() : nullptr;
    if (QWidget* focused = QApplication::focusWidget();
        !target && focused && focused->property(kStage).toString() == stage)
        target = focused;
    if (!target)
        target = control(stage);
    m_pointed = nullptr;
    if (!target)
        return;
    if (!m_notes.contains(target)) {
        m_notes.insert(target, target->accessibleDescription());
        m_told << target;
    }
    const bool same = target->accessibleDescription() == text;
    target->setAccessibleDescription(text);
    if (same) { // said again all the same: the same reading taken twice
        QAccessibleEvent changed(target, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
    if (!target->hasFocus())
        focusStageControl(target);
}

void MeasuringView::forgetReadings()
{
    for (const QPointer<QWidget>& w : std::as_const(m_told))
        if (w)
            w->setAccessibleDescription(m_notes.value(w.data()));
    m_told.clear();
    m_notes.clear();
}
