#include "runtime/label.h"

#include "runtime/outlines.h"

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
    // A label's text holds no links for the label to follow: a click is the label's alone.
    takeClicks(this, [this] { emit Click(); });
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

} // namespace fw
