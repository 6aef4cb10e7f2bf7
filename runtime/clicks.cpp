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

bool PressedInside::release(const QMouseEvent* event, const QRect& area)
{
    if (event->button() != Qt::LeftButton)
        return false;
    const bool click = m_pressed && area.contains(event->position().toPoint());
    m_pressed = false;
    return click;
}

} // namespace fw
