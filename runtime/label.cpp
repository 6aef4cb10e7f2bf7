#include "runtime/label.h"

#include "runtime/outlines.h"

#include <QKeyEvent>
#include <QMetaMethod>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace fw {

void Label::connectNotify(const QMetaMethod& signal)
{
    offerToKeyboard(this, signal, QMetaMethod::fromSignal(&Label::Click));
}

Label::Label(QWidget* parent) : QLabel(parent)
{
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Label::mousePressEvent(QMouseEvent* event)
{
    QLabel::mousePressEvent(event);
    m_click.press(event);
}

// A completed click is the label's alone: its text holds no links for the label to follow, and the click may
// open another screen at once.
void Label::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_click.release(event, rect()))
        emit Click();
    else
        QLabel::mouseReleaseEvent(event);
}

// A label that takes the keyboard shows where the focus is, as a button does, unless its frame shows it.
void Label::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus() || hasFocusFrame(this))
        return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(2, 2, -2, -2);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

void Label::keyPressEvent(QKeyEvent* event)
{
    if (focusPolicy() != Qt::NoFocus && isActivationKey(event))
        emit Click();
    else
        QLabel::keyPressEvent(event);
}

} // namespace fw
