#include "trainer/measuringview.h"

#include "diagrams/areanotes.h"
#include "diagrams/frmColor.h"
#include "diagrams/frmFront.h"
#include "diagrams/frmLVPower.h"
#include "runtime/controls.h"
#include "runtime/notes.h"

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
} // namespace

MeasuringView::MeasuringView(const QStringList& stages, QWidget* parent) : QTabWidget(parent)
{
    setObjectName(QStringLiteral("tabDiagrams"));
    setAccessibleName(QStringLiteral("Block diagrams to measure on"));
    const QSet<QString> measurable(stages.begin(), stages.end());
    QHash<QString, int> firstSeen;
    for (int i = 0; i < kDiagrams; ++i) {
        const Diagram& d = diagram(i);
        const QString screen = QString::fromLatin1(d.screen);
        Design table;
        for (Ctl& c : d.table())
            if (!d.left.contains(c.name) && !d.left.contains(c.container))
                table.push_back(std::move(c));
        auto* page = new QWidget;
        page->setObjectName(screen);
        page->setAutoFillBackground(true);
        page->setMinimumSize(toPixels(d.client.width()), toPixels(d.client.height()));
        const QHash<QString, QWidget*> controls = build(page, table);
        if (d.drawing) {
            setBackColor(page, colors::white);
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
            const QString stage = areanotes::areaAt(screen, c.name);
            QWidget* control = controls.value(c.name);
            if (stage.isEmpty() || !measurable.contains(stage) || !control)
                continue;
            if (!onPointed(control, this, [this, stage] { emit measureRequested(stage); }))
                continue;
            control->setFocusPolicy(Qt::StrongFocus);
            if (!m_controls.contains(stage))
                m_controls.insert(stage, control);
        }
        addTab(page, QString::fromLatin1(d.tab));
    }
    for (const QString& stage : stages)
        if (m_controls.contains(stage))
            m_order << stage;
}

QWidget* MeasuringView::page(const QString& screen) const
{
    for (int i = 0; i < count(); ++i)
        if (widget(i)->objectName() == screen)
            return widget(i);
    return nullptr;
}

QWidget* MeasuringView::control(const QString& stage) const
{
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
