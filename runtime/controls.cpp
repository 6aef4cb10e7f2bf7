#include "runtime/controls.h"

#include "runtime/pictures.h"

#include <QKeyEvent>
#include <QMetaMethod>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionFocusRect>

#include <algorithm>
#include <utility>

namespace fw {

namespace {
bool isInputWidget(const QWidget* w)
{
    return qobject_cast<const QAbstractScrollArea*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QComboBox*>(w);
}

// Input widgets paint their Base; every other widget fills with its own background role (Button for option
// buttons and command buttons, Window for the rest).
QPalette::ColorRole backRole(const QWidget* w)
{
    if (isInputWidget(w))
        return QPalette::Base;
    return w->backgroundRole();
}

QPalette::ColorRole foreRole(const QWidget* w)
{
    if (isInputWidget(w))
        return QPalette::Text;
    if (qobject_cast<const QPushButton*>(w))
        return QPalette::ButtonText;
    return QPalette::WindowText;
}

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
} // namespace

QColor BackColor(const QWidget* control)
{
    if (auto* shape = qobject_cast<const Shape*>(control))
        return shape->FillColor();
    return control->palette().color(backRole(control));
}

void setBackColor(QWidget* control, const QColor& color)
{
    QPalette palette = control->palette();
    palette.setColor(backRole(control), color);
    control->setPalette(palette);
    // A command button paints its own face from the Button colour; anything else needs filling.
    if (!isInputWidget(control) && !qobject_cast<const QPushButton*>(control))
        control->setAutoFillBackground(true);
}

QColor ForeColor(const QWidget* control)
{
    return control->palette().color(foreRole(control));
}

void setForeColor(QWidget* control, const QColor& color)
{
    QPalette palette = control->palette();
    palette.setColor(foreRole(control), color);
    control->setPalette(palette);
}

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

void offerToKeyboard(QWidget* control, const QMetaMethod& connected, const QMetaMethod& click)
{
    if (connected == click)
        control->setFocusPolicy(Qt::StrongFocus);
}

void Label::connectNotify(const QMetaMethod& signal)
{
    offerToKeyboard(this, signal, QMetaMethod::fromSignal(&Label::Click));
}

void TextArea::connectNotify(const QMetaMethod& signal)
{
    offerToKeyboard(this, signal, QMetaMethod::fromSignal(&TextArea::Click));
}

void PictureBox::connectNotify(const QMetaMethod& signal)
{
    offerToKeyboard(this, signal, QMetaMethod::fromSignal(&PictureBox::Click));
}

Label::Label(QWidget* parent) : QLabel(parent)
{
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
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

CommandButton::CommandButton(QWidget* parent) : QPushButton(parent)
{
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, &CommandButton::Click);
}

void CommandButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        animateClick();
    else
        QPushButton::keyPressEvent(event);
}

OptionButton::OptionButton(QWidget* parent) : QRadioButton(parent)
{
    setAutoExclusive(false);
    connect(this, &QAbstractButton::toggled, this, &OptionButton::fixTabStop);
}

QList<OptionButton*> OptionButton::group() const
{
    if (!parentWidget())
        return {};
    return parentWidget()->findChildren<OptionButton*>(Qt::FindDirectChildrenOnly);
}

namespace {
// The way the eye reads a group: top to bottom, then left to right.
void sortForReading(QList<OptionButton*>& options)
{
    std::stable_sort(options.begin(), options.end(), [](const OptionButton* a, const OptionButton* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
}

// An option the keyboard could reach if its window were on the display.
bool reachable(const OptionButton* option)
{
    return !option->isHidden() && option->isEnabled();
}
} // namespace

// Gives the group's Tab stop to its selected option, or to its first in reading order when none is
// selected; an option that is hidden or disabled cannot hold it. Every other option keeps taking the focus
// from a click and from the arrow keys.
void OptionButton::fixTabStop()
{
    QList<OptionButton*> options = group();
    sortForReading(options);
    OptionButton* stop = nullptr;
    for (OptionButton* option : std::as_const(options)) {
        if (!reachable(option))
            continue;
        if (option->isChecked()) {
            stop = option;
            break;
        }
        if (!stop)
            stop = option;
    }
    for (OptionButton* option : std::as_const(options)) {
        const Qt::FocusPolicy policy = option->focusPolicy();
        option->setFocusPolicy(option == stop ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                              : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
}

bool OptionButton::event(QEvent* event)
{
    const bool handled = QRadioButton::event(event);
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
    case QEvent::EnabledChange:
    case QEvent::Move:
    case QEvent::ParentChange:
        fixTabStop();
        break;
    default:
        break;
    }
    return handled;
}

// Tab leaves the group from whichever of its options has the focus, never landing on another of them.
bool OptionButton::focusNextPrevChild(bool next)
{
    const QList<OptionButton*> options = group();
    for (OptionButton* option : options)
        option->setFocusPolicy(Qt::FocusPolicy(option->focusPolicy() & ~Qt::TabFocus));
    const bool moved = QRadioButton::focusNextPrevChild(next);
    fixTabStop();
    return moved;
}

void OptionButton::setValue(bool value)
{
    if (value) {
        for (OptionButton* other : group())
            if (other != this)
                other->setChecked(false);
    }
    setChecked(value);
}

void OptionButton::choose()
{
    if (Value())
        return;
    setValue(true);
    emit Click();
}

// A click selects; it never clears, as with any option button.
void OptionButton::nextCheckState()
{
    choose();
}

void OptionButton::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool forward = key == Qt::Key_Down || key == Qt::Key_Right;
    const bool backward = key == Qt::Key_Up || key == Qt::Key_Left;
    if (!forward && !backward) {
        QRadioButton::keyPressEvent(event);
        return;
    }
    QList<OptionButton*> options;
    for (OptionButton* option : group())
        if (option->isVisible() && option->isEnabled())
            options.append(option);
    sortForReading(options);
    const qsizetype here = options.indexOf(this);
    if (options.size() < 2 || here < 0)
        return;
    const bool carriesSelection = Value();
    const qsizetype next = (here + (forward ? 1 : options.size() - 1)) % options.size();
    options[next]->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    if (carriesSelection)
        options[next]->choose();
}

Frame::Frame(QWidget* parent) : QGroupBox(parent) {}

QString Frame::Caption() const
{
    return title().replace(QStringLiteral("&&"), QStringLiteral("&"));
}

void Frame::setCaption(const QString& caption)
{
    setTitle(QString(caption).replace(u'&', QStringLiteral("&&")));
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

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent)
{
    connect(this, &QComboBox::activated, this, &ComboBox::Click);
}

ListBox::ListBox(QWidget* parent) : QListWidget(parent)
{
    connect(this, &QListWidget::itemClicked, this, &ListBox::Click);
}

QString ListBox::List(int index) const
{
    const QListWidgetItem* it = item(index);
    return it ? it->text() : QString();
}

PictureBox::PictureBox(QWidget* parent) : QFrame(parent)
{
    setAutoFillBackground(true);
}

void PictureBox::setPicture(const QString& resource)
{
    m_picture = resource;
    m_rendered = {};
    update();
}

QSize PictureBox::pictureSize() const
{
    return m_picture.isEmpty() ? QSize() : fw::pictureSize(m_picture);
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (m_picture.isEmpty())
        return;
    if (m_rendered.isNull() || m_rendered.devicePixelRatio() != devicePixelRatioF())
        m_rendered = picturePixmap(m_picture, devicePixelRatioF());
    QPainter painter(this);
    painter.drawPixmap(contentsRect().topLeft(), m_rendered);
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    QFrame::mousePressEvent(event);
    m_click.press(event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    QFrame::mouseReleaseEvent(event);
    if (m_click.release(event, rect()))
        emit Click();
}

void PictureBox::keyPressEvent(QKeyEvent* event)
{
    if (focusPolicy() != Qt::NoFocus && isActivationKey(event))
        emit Click();
    else
        QFrame::keyPressEvent(event);
}

Line::Line(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::setEnds(QPoint from, QPoint to, int width)
{
    m_from = from;
    m_to = to;
    m_width = width;
    const int margin = width;
    setGeometry(QRect(from, to).normalized().adjusted(-margin, -margin, margin, margin));
    update();
}

void Line::setBorderColor(const QColor& color)
{
    m_color = color;
    update();
}

void Line::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(m_color, m_width, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(m_from - pos(), m_to - pos());
}

// A knob takes the mouse only to show its note on hover: a click on it falls through to the window.
Shape::Shape(QWidget* parent) : QWidget(parent) {}

void Shape::setFillColor(const QColor& color)
{
    m_fill = color;
    update();
}

void Shape::setBorderColor(const QColor& color)
{
    m_border = color;
    update();
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // A problem knob also gets a heavier black ring, so it stands out without telling red from blue.
    const bool marked = highlighted();
    const qreal pen = marked ? 2.0 : 1.0;
    painter.setPen(QPen(marked ? colors::black : m_border, pen));
    painter.setBrush(m_fill);
    painter.drawEllipse(QRectF(rect()).adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2));
}

} // namespace fw
