#include "runtime/textbox.h"

#include <QKeyEvent>
#include <QMetaMethod>

namespace fw {

void TextArea::connectNotify(const QMetaMethod& signal)
{
    offerToKeyboard(this, signal, QMetaMethod::fromSignal(&TextArea::Click));
}

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {}

void TextBox::keyPressEvent(QKeyEvent* event)
{
    const int ascii = keyAscii(event);
    if (ascii != 0)
        emit KeyPress(ascii);
    if (ascii != 13)
        QLineEdit::keyPressEvent(event);
}

void TextBox::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    m_click.press(event);
}

void TextBox::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (m_click.release(event, rect()))
        emit Click();
}

TextArea::TextArea(QWidget* parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    document()->setDocumentMargin(2);
}

void TextArea::keyPressEvent(QKeyEvent* event)
{
    const int ascii = keyAscii(event);
    if (ascii != 0)
        emit KeyPress(ascii);
    // A read-only box is reading matter: Enter or Space on it acts as a click, as on a label.
    if (isReadOnly() && isActivationKey(event))
        emit Click();
    else
        QPlainTextEdit::keyPressEvent(event);
}

// The mouse acts on the box's page, and the events come here in the page's coordinates.
void TextArea::mousePressEvent(QMouseEvent* event)
{
    QPlainTextEdit::mousePressEvent(event);
    m_click.press(event);
}

void TextArea::mouseReleaseEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    if (m_click.release(event, viewport()->rect()))
        emit Click();
}

} // namespace fw
