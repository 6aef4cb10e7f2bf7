#pragma once
// The standard controls a screen is built from. Each is a plain Qt widget with the few properties and
// events the screens use, named as the screens use them (Caption, Text, Value, ListIndex, BackColor,
// ForeColor, FillColor, Click, KeyPress). Events fire on what the user does (mouse or keyboard), never on
// a property set in code.

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

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

// Colours shared by every screen.
namespace colors {
inline const QColor black{0, 0, 0};
inline const QColor white{255, 255, 255};
inline const QColor red{255, 0, 0};
inline const QColor darkRed{192, 0, 0};
inline const QColor blue{0, 0, 255};
inline const QColor darkBlue{0, 0, 192};
inline const QColor lightCyan{192, 255, 255};
inline const QColor pink{255, 192, 192};
} // namespace colors

// Background and text colour of any control, on the palette role the control paints with.
QColor BackColor(const QWidget* control);
void setBackColor(QWidget* control, const QColor& color);
QColor ForeColor(const QWidget* control);
void setForeColor(QWidget* control, const QColor& color);

// A control's own visibility, whether or not its window is on screen.
inline bool Visible(const QWidget* control)
{
    return !control->isHidden();
}

// Marks a diagram box (white on red), a picture (red background) or a knob (red fill) as a problem area.
void highlight(QWidget* control);

// Shows the keyboard focus of a box, picture or knob that does not show it itself: a frame in the desktop's
// focus colour drawn just outside the control, where a problem area's outline lies, so nothing moves.
void frameFocus(QWidget* control);
bool hasFocusFrame(const QWidget* control);

class Label : public QLabel
{
    Q_OBJECT
public:
    explicit Label(QWidget* parent = nullptr);
    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void connectNotify(const QMetaMethod& signal) override;

private:
    PressedInside m_click;
};

class CommandButton : public QPushButton
{
    Q_OBJECT
public:
    explicit CommandButton(QWidget* parent = nullptr);
    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
signals:
    void Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// An option button. The options placed directly in one container form one group: selecting one clears
// the others. Value can be set to false in code, which leaves the group with nothing selected.
//
// From the keyboard a group is one stop, as an exclusive group is on the desktop: Tab and Shift+Tab enter
// it on its selected option, or on its first option in reading order when none is selected, and leave it
// from any of its options. Inside the group the arrow keys move in reading order; they carry the selection
// along when they leave a selected option, and only move the focus otherwise, so that Space chooses.
class OptionButton : public QRadioButton
{
    Q_OBJECT
public:
    explicit OptionButton(QWidget* parent = nullptr);
    bool Value() const { return isChecked(); }
    void setValue(bool value);
    QString Caption() const { return text(); }
signals:
    void Click();

protected:
    bool event(QEvent* event) override;
    void nextCheckState() override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    QList<OptionButton*> group() const;
    void choose();
    void fixTabStop();
};

// A frame's caption is shown as written: an '&' in it is a character, not a keyboard-shortcut mark.
class Frame : public QGroupBox
{
    Q_OBJECT
public:
    explicit Frame(QWidget* parent = nullptr);
    QString Caption() const;
    void setCaption(const QString& caption);
};

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

// A drop-down list; ListIndex is -1 when nothing is chosen, and the placeholder then shows.
class ComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent = nullptr);
    int ListIndex() const { return currentIndex(); }
    void setListIndex(int index) { setCurrentIndex(index); }
signals:
    void Click();
};

class ListBox : public QListWidget
{
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);
    int ListIndex() const { return currentRow(); }
    void setListIndex(int index) { setCurrentRow(index); }
    int ListCount() const { return count(); }
    QString List(int index) const;
signals:
    void Click();
};

// Shows a picture from the resources at its own size in the top-left corner, on the box's background.
// The picture is rendered for the device's pixel ratio when first painted and kept while the box lives.
class PictureBox : public QFrame
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);
    void setPicture(const QString& resource);
    QString picture() const { return m_picture; }
    // Gives the box its picture already drawn, at the ratio the drawing says.
    void setRendered(const QPixmap& rendered) { m_rendered = rendered; }
    QSize pictureSize() const;
signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void connectNotify(const QMetaMethod& signal) override;

private:
    PressedInside m_click;
    QString m_picture;
    QPixmap m_rendered;
};

// A straight line between two points of its container, drawn under every other control.
class Line : public QWidget
{
    Q_OBJECT
public:
    explicit Line(QWidget* parent = nullptr);
    void setEnds(QPoint from, QPoint to, int width); // in pixels of the container
    QPoint from() const { return m_from; }
    QPoint to() const { return m_to; }
    int BorderWidth() const { return m_width; } // in pixels
    QColor BorderColor() const { return m_color; }
    void setBorderColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint m_from, m_to;
    int m_width = 1;
    QColor m_color = colors::black;
};

// A filled circle: the knob that stands for an adjustment control on the diagrams.
class Shape : public QWidget
{
    Q_OBJECT
public:
    explicit Shape(QWidget* parent = nullptr);
    QColor FillColor() const { return m_fill; }
    void setFillColor(const QColor& color);
    QColor BorderColor() const { return m_border; }
    void setBorderColor(const QColor& color);
    bool highlighted() const { return m_fill == colors::red; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_fill = colors::blue;
    QColor m_border = colors::blue;
};

} // namespace fw
