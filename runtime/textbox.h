#pragma once
// The text boxes: one line, and many lines.
#include "runtime/clicks.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace fw {

// A single-line text box. Enter is reported as KeyPress(13), every other typed character with its code.
class TextBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);
    QString Text() const { return text(); }
    void setText(const QString& text) { QLineEdit::setText(text); }
signals:
    void KeyPress(int keyAscii);
    void Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    PressedInside m_click;
};

// A multi-line, word-wrapping text box; on the diagrams these are the circuit blocks. When read-only, Enter
// and Space are a Click.
class TextArea : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit TextArea(QWidget* parent = nullptr);
    QString Text() const { return toPlainText(); }
    void setText(const QString& text) { setPlainText(text); }
signals:
    void KeyPress(int keyAscii);
    void Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void connectNotify(const QMetaMethod& signal) override;

private:
    PressedInside m_click;
};

} // namespace fw
