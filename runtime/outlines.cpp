#include "runtime/outlines.h"

#include "runtime/colors.h"
#include "runtime/controlcolors.h"
#include "runtime/picturebox.h"
#include "runtime/shapes.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>

namespace fw {

namespace {
// What a container draws just outside some of its controls, under them: the heavier outline of a problem
// area, and the focus frame of a control that does not show its focus itself, in the desktop's focus
// colour over the outline. The control keeps its own border, its room for text and the place of its
// picture, so that neither moves anything.
class Outlines : public QObject
{
public:
    static constexpr int kWidth = 2;

    // The outlines of the control's container; made on first use when `make` is true.
    static Outlines* of(const QWidget* control, bool make)
    {
        QWidget* container = control->parentWidget();
        if (!container)
            return nullptr;
        for (QObject* child : container->children())
            if (auto* outlines = dynamic_cast<Outlines*>(child))
                return outlines;
        if (!make)
            return nullptr;
        auto* outlines = new Outlines(container);
        container->installEventFilter(outlines);
        return outlines;
    }

    void mark(QWidget* control)
    {
        m_marked.append(control);
        container()->update(around(control));
    }

    void frame(QWidget* control)
    {
        if (frames(control))
            return;
        m_framed.append(control);
        control->installEventFilter(this);
    }

    bool frames(const QWidget* control) const
    {
        return std::any_of(m_framed.cbegin(), m_framed.cend(),
                           [control](const QPointer<QWidget>& framed) { return framed == control; });
    }

protected:
    // On the container: runs before it paints itself, after its background, so its controls are drawn on
    // top. On a framed control: its frame comes and goes with the focus.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == container() && event->type() == QEvent::Paint) {
            QPainter painter(container());
            for (const QPointer<QWidget>& control : std::as_const(m_marked))
                if (control && !control->isHidden())
                    painter.fillRect(around(control), colors::black);
            const QColor focus = container()->palette().color(QPalette::Active, QPalette::Highlight);
            for (const QPointer<QWidget>& control : std::as_const(m_framed))
                if (control && !control->isHidden() && control->hasFocus()) {
                    painter.setClipRegion(QRegion(around(control)) - QRegion(control->geometry()));
                    painter.fillRect(around(control), focus);
                }
        } else if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
            container()->update(around(static_cast<QWidget*>(watched)));
        }
        return false;
    }

private:
    using QObject::QObject;

    QWidget* container() const { return static_cast<QWidget*>(parent()); }

    static QRect around(const QWidget* control)
    {
        return control->geometry().adjusted(-kWidth, -kWidth, kWidth, kWidth);
    }

    QList<QPointer<QWidget>> m_marked;
    QList<QPointer<QWidget>> m_framed;
};
} // namespace

void frameFocus(QWidget* control)
{
    if (Outlines* outlines = Outlines::of(control, true))
        outlines->frame(control);
}

bool hasFocusFrame(const QWidget* control)
{
    const Outlines* outlines = Outlines::of(control, false);
    return outlines && outlines->frames(control);
}

void highlight(QWidget* control)
{
    // A picture keeps saying what it shows, and adds that it is a problem area.
    const QString mark = QStringLiteral("problem area");
    const QString said = control->accessibleDescription();
    if (said.isEmpty())
        control->setAccessibleDescription(mark);
    else if (!said.endsWith(mark))
        control->setAccessibleDescription(said + QStringLiteral("; ") + mark);
    if (auto* shape = qobject_cast<Shape*>(control)) {
        shape->setFillColor(colors::red); // a knob also draws a heavier ring when red
        return;
    }
    setBackColor(control, colors::red);
    if (!qobject_cast<PictureBox*>(control))
        setForeColor(control, colors::white);
    // A heavier outline, so that a problem area stands out without telling red from grey. (Not round a
    // label, which is a caption, not a box.)
    if (!qobject_cast<QLabel*>(control))
        if (Outlines* outlines = Outlines::of(control, true))
            outlines->mark(control);
}

} // namespace fw
