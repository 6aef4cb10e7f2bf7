#include "trainer/measuringview.h"

#include "diagrams/areanotes.h"
#include "diagrams/frmColor.h"
#include "diagrams/frmFront.h"
#include "diagrams/frmLVPower.h"
#include "runtime/controls.h"
#include "runtime/notes.h"
#include "trainer/setmodel.h"

#include <QSet>
#include <QTextDocument>

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

// Connects whatever kind of control shows a stage to `measure`; false for a kind that takes no click.
template <class F> bool onPointed(QWidget* control, QObject* context, F measure)
{
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
    return kind == Kind::Label || kind == Kind::TextArea || kind == Kind::TextBox || kind == Kind::Picture;
}
} // namespace

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
    // In design order, so that the keyboard meets the stages as the diagram lists them.
    for (const Ctl& c : table) {
        const QString stage = pointAt(screen, c);
        QWidget* control = controls.value(c.name);
        if (!control || m_pageOf.value(stage, -1) != index)
            continue;
        if (!onPointed(control, this, [this, stage] { emit measureRequested(stage); }))
            continue;
        control->setFocusPolicy(Qt::StrongFocus);
        if (!m_controls.contains(stage))
            m_controls.insert(stage, control);
    }
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
    QWidget* target = control(stage);
    if (!target)
        return;
    for (QWidget* w = target; w; w = w->parentWidget())
        if (const int i = indexOf(w); i >= 0)
            setCurrentIndex(i);
    target->setFocus(Qt::TabFocusReason);
}
