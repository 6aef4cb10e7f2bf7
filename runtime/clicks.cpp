#include "runtime/clicks.h"

#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QWidget>

namespace fw {

bool isActivationKey(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space;
}

// The key's character code as the screens see it: 13 for Enter, else the typed character (0 for none).
int keyAscii(const QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return 13;
    const QString text = event->text();
    return text.isEmpty() ? 0 : text.at(0).unicode();
}

void offerToKeyboard(QWidget* control, const QMetaMethod& connected, const QMetaMethod& click)
{
    if (connected == click)
        control->setFocusPolicy(Qt::StrongFocus);
}

void PressedInside::press(const QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
}

namespace {
// Watches the control's own events before the control does; made by takeClicks, owned by the control.
class ClickTaker : public QObject
{
public:
    ClickTaker(QWidget* control, std::function<void()> click) : QObject(control), m_click(std::move(click))
    {
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* control = static_cast<QWidget*>(watched);
        if (!control->isEnabled())
            return false;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: // a widget takes the second press of a double-click as a press
            m_pressed.press(static_cast<QMouseEvent*>(event));
            return false;
        case QEvent::MouseButtonRelease:
            if (!m_pressed.release(static_cast<QMouseEvent*>(event), control->rect()))
                return false;
            break;
        case QEvent::KeyPress:
            if (control->focusPolicy() == Qt::NoFocus || !isActivationKey(static_cast<QKeyEvent*>(event)))
                return false;
            break;
        default:
            return false;
        }
        m_click();
        return true;
    }

private:
    std::function<void()> m_click;
    PressedInside m_pressed;
};
} // namespace

void takeClicks(QWidget* control, std::function<void()> click)
{
    new ClickTaker(control, std::move(click));
}

bool PressedInside::release(const QMouseEvent* event, const QRect& area)
{
    if (event->button() != Qt::LeftButton)
        return false;
    const bool click = m_pressed && area.contains(event->position().toPoint());
    m_pressed = false;
    return click;
}

} // namespace fw
