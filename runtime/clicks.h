#pragma once
// How a control takes a click: from the mouse, as a push button does, and from the keyboard.
#include <QtGlobal>

#include <functional>

class QKeyEvent;
class QMetaMethod;
class QMouseEvent;
class QRect;
class QWidget;

namespace fw {

// A control that reacts to a click is offered to the keyboard too: once a handler is connected to its
// Click, Tab reaches it and Enter or Space presses it.
void offerToKeyboard(QWidget* control, const QMetaMethod& connected, const QMetaMethod& click);

// Follows the left button over a control that acts on a click, so that it acts as a push button does: a
// click is the left button pressed and released inside the control.
class PressedInside
{
public:
    void press(const QMouseEvent* event);
    // True when this release ends a click inside `area` (in the event's coordinates).
    bool release(const QMouseEvent* event, const QRect& area);

private:
    bool m_pressed = false;
};

// Makes a control that shows no button take a click as a push button does: the left button pressed and
// released inside it, or Enter, Return or Space while it has the focus; `click` runs for each. The event
// that completes a click goes no further, so nothing touches the control after its click, which may open
// another screen or unload this one. A disabled control takes no click.
void takeClicks(QWidget* control, std::function<void()> click);

// Enter, Return or Space: the keys that press whatever has the focus.
bool isActivationKey(const QKeyEvent* event);
// The key's character code as the screens see it: 13 for Enter, else the typed character (0 for none).
int keyAscii(const QKeyEvent* event);

} // namespace fw
