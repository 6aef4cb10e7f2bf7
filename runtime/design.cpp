#include "runtime/design.h"

#include "runtime/controls.h"

#include <QCoreApplication>
#include <QFont>
#include <QTextDocumentFragment>

#include <cmath>
#include <functional>

namespace fw {

namespace {
Ctl make(Kind kind, const QString& name, const QString& text, int left, int top, int width, int height)
{
    Ctl c{};
    c.kind = kind;
    c.name = name;
    c.text = text;
    c.rect = QRect(left, top, width, height);
    return c;
}

QRect pixelRect(const QRect& twips)
{
    return QRect(toPixels(twips.x()), toPixels(twips.y()), toPixels(twips.width()), toPixels(twips.height()));
}

// A control of the design's type in its design font, set before any text is given, so that no text is ever
// measured in a font it is not drawn with.
template <class W> W* born(const Ctl& c, QWidget* parent)
{
    auto* w = new W(parent);
    w->setFont(controlFont(c.pointSize, c.isBold, c.isItalic, c.isSerif));
    return w;
}

QWidget* create(const Ctl& c, QWidget* parent)
{
    switch (c.kind) {
    case Kind::Label: {
        auto* w = born<Label>(c, parent);
        w->setText(c.text);
        if (c.isCentred)
            w->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        if (c.hasBorder)
            w->setFrameStyle(QFrame::Box | QFrame::Plain);
        return w;
    }
    case Kind::Button: {
        auto* w = born<CommandButton>(c, parent);
        w->setText(c.text);
        return w;
    }
    case Kind::Option: {
        auto* w = born<OptionButton>(c, parent);
        w->setText(c.text);
        return w;
    }
    case Kind::Frame: {
        auto* w = born<Frame>(c, parent);
        w->setCaption(c.text);
        return w;
    }
    case Kind::TextBox: {
        auto* w = born<TextBox>(c, parent);
        w->setText(c.text);
        w->setCursorPosition(0);
        w->setReadOnly(c.isReadOnly);
        if (c.isCentred)
            w->setAlignment(Qt::AlignHCenter);
        return w;
    }
    case Kind::TextArea: {
        auto* w = born<TextArea>(c, parent);
        w->setText(c.text);
        w->setReadOnly(c.isReadOnly);
        return w;
    }
    case Kind::Combo: {
        auto* w = born<ComboBox>(c, parent);
        w->addItems(c.itemList);
        w->setPlaceholderText(c.text);
        w->setCurrentIndex(-1);
        return w;
    }
    case Kind::List: {
        auto* w = born<ListBox>(c, parent);
        w->addItems(c.itemList);
        return w;
    }
    case Kind::Picture: {
        auto* w = born<PictureBox>(c, parent);
        if (c.hasBorder)
            w->setFrameStyle(QFrame::Box | QFrame::Plain);
        w->setPicture(c.text);
        return w;
    }
    case Kind::Line:
        return born<Line>(c, parent);
    case Kind::Shape:
        return born<Shape>(c, parent);
    }
    return nullptr;
}
// A caption as read aloud: "&New set" is "New set", "Tom && Jerry" is "Tom & Jerry".
QString withoutMnemonic(QString caption)
{
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    return caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// Every control gets a name for assistive technology: its caption or text, the prompt of a drop-down list,
// or what the design says it is; a picture also gets a description of what it shows.
void describe(QWidget* w, const Ctl& c)
{
    QString name = c.text;
    if (c.kind == Kind::Picture) {
        name = c.spoken.isEmpty() ? QCoreApplication::translate("fw::Screen", "picture") : c.spoken;
        w->setAccessibleDescription(c.spoken);
    } else if (!c.spoken.isEmpty()) {
        name = c.spoken;
    }
    if (Qt::mightBeRichText(name))
        name = QTextDocumentFragment::fromHtml(name).toPlainText();
    name = name.simplified();
    if (c.kind == Kind::Button || c.kind == Kind::Option)
        name = withoutMnemonic(name);
    if (name.isEmpty())
        name = c.name;
    // A label is read with the text it shows, whatever the program puts there (accessible.cpp); the name
    // the design gives it says what it is, as its description.
    if (c.kind == Kind::Label) {
        w->setAccessibleDescription(c.spoken);
        return;
    }
    w->setAccessibleName(name);
}
} // namespace

Ctl label(const QString& name, const QString& caption, int left, int top, int width, int height)
{
    return make(Kind::Label, name, caption, left, top, width, height);
}
Ctl command(const QString& name, const QString& caption, int left, int top, int width, int height)
{
    return make(Kind::Button, name, caption, left, top, width, height);
}
Ctl option(const QString& name, const QString& caption, int left, int top, int width, int height)
{
    return make(Kind::Option, name, caption, left, top, width, height);
}
Ctl frame(const QString& name, const QString& caption, int left, int top, int width, int height)
{
    return make(Kind::Frame, name, caption, left, top, width, height);
}
Ctl textBox(const QString& name, const QString& text, int left, int top, int width, int height)
{
    return make(Kind::TextBox, name, text, left, top, width, height);
}
Ctl textArea(const QString& name, const QString& text, int left, int top, int width, int height)
{
    return make(Kind::TextArea, name, text, left, top, width, height);
}
Ctl combo(const QString& name, const QString& prompt, int left, int top, int width, int height)
{
    return make(Kind::Combo, name, prompt, left, top, width, height);
}
Ctl listBox(const QString& name, int left, int top, int width, int height)
{
    return make(Kind::List, name, QString(), left, top, width, height);
}
Ctl picture(const QString& name, const QString& resource, int left, int top, int width, int height)
{
    return make(Kind::Picture, name, resource, left, top, width, height);
}
Ctl line(const QString& name, int x1, int y1, int x2, int y2)
{
    Ctl c = make(Kind::Line, name, QString(), 0, 0, 0, 0);
    c.rect = QRect(QPoint(x1, y1), QPoint(x2, y2));
    c.lineWidth = 2;
    return c;
}
Ctl knob(const QString& name, int left, int top, int diameter)
{
    return make(Kind::Shape, name, QString(), left, top, diameter, diameter);
}

int toPixels(double twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

QFont controlFont(double points, bool bold, bool italic, bool serif)
{
    QFont font(serif ? QStringLiteral("Liberation Serif") : QStringLiteral("Liberation Sans"));
    font.setStyleHint(serif ? QFont::Serif : QFont::SansSerif);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

Ctl translated(Ctl c, const char* context)
{
    const auto tr = [context](const QString& text) {
        return text.isEmpty() ? text : QCoreApplication::translate(context, text.toUtf8().constData());
    };
    if (c.kind != Kind::Picture)
        c.text = tr(c.text);
    for (QString& item : c.itemList)
        item = tr(item);
    c.spoken = tr(c.spoken);
    return c;
}

QHash<QString, QWidget*> build(QWidget* client, const Design& source, const QStringList& tabOrder,
                               const char* context)
{
    Design design;
    design.reserve(source.size());
    for (const Ctl& c : source)
        design.push_back(context ? translated(c, context) : c);
    QHash<QString, QWidget*> controls;
    QHash<QString, const Ctl*> byName;
    for (const Ctl& c : design)
        byName.insert(c.name, &c);

    QList<QWidget*> order;
    // Creates a control, and first its container when the table lists the container later.
    std::function<QWidget*(const Ctl&)> ensure = [&](const Ctl& c) -> QWidget* {
        if (QWidget* existing = controls.value(c.name))
            return existing;
        QWidget* parent = client;
        if (!c.container.isEmpty()) {
            const Ctl* holder = byName.value(c.container);
            Q_ASSERT_X(holder, "fw::build", qPrintable(c.container));
            parent = holder ? ensure(*holder) : client;
        }
        QWidget* w = create(c, parent);
        w->setObjectName(c.name);
        if (c.kind == Kind::Line) {
            const QRect& r = c.rect;
            static_cast<Line*>(w)->setEnds(QPoint(toPixels(r.left()), toPixels(r.top())),
                                           QPoint(toPixels(r.right()), toPixels(r.bottom())), c.lineWidth);
        } else {
            w->setGeometry(pixelRect(c.rect));
        }
        if (c.backColor) {
            if (auto* shape = qobject_cast<Shape*>(w))
                shape->setFillColor(*c.backColor);
            else
                setBackColor(w, *c.backColor);
        }
        if (c.foreColor) {
            if (auto* l = qobject_cast<Line*>(w))
                l->setBorderColor(*c.foreColor);
            else if (auto* shape = qobject_cast<Shape*>(w))
                shape->setBorderColor(*c.foreColor);
            else
                setForeColor(w, *c.foreColor);
        } else if (const Ctl* holder = byName.value(c.container); holder && holder->foreColor) {
            // A frame's text colour is its caption's alone: its members keep the window's text colour
            // instead of inheriting the frame's.
            QPalette palette = w->palette();
            palette.setColor(QPalette::WindowText, client->palette().color(QPalette::WindowText));
            w->setPalette(palette);
        }
        if (!c.isVisible)
            w->setVisible(false);
        describe(w, c);
        controls.insert(c.name, w);
        order.append(w);
        return w;
    };
    for (const Ctl& c : design)
        ensure(c);

    // Lines and knobs are drawn on the window's surface, under every other control.
    for (QWidget* w : order)
        if (qobject_cast<Line*>(w) || qobject_cast<Shape*>(w))
            w->lower();

    QList<QWidget*> chain;
    if (tabOrder.isEmpty()) {
        chain = order;
    } else {
        for (const QString& name : tabOrder)
            if (QWidget* w = controls.value(name))
                chain.append(w);
    }
    QWidget* previous = nullptr;
    for (QWidget* w : chain) {
        if (w->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
    return controls;
}

} // namespace fw
