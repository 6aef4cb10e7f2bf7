#include "runtime/accessible.h"

#include "runtime/controls.h"

#include <QAccessibleWidget>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace fw {

namespace {
// An option button. Qt describes a checkable button that is not auto-exclusive as a check box, and offers
// only a toggle that selects it without a click; the runtime keeps the group's rules itself, so the button
// is described here: a radio button whose press (or toggle) clicks it, running its handler.
class AccessibleOption : public QAccessibleWidget
{
public:
    explicit AccessibleOption(OptionButton* option) : QAccessibleWidget(option, QAccessible::RadioButton) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = option()->isChecked();
        return s;
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction(), toggleAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction() || action == toggleAction())
            option()->click(); // does nothing when the option is disabled
        else
            QAccessibleWidget::doAction(action);
    }

private:
    OptionButton* option() const { return static_cast<OptionButton*>(widget()); }
};

constexpr char kPress[] = "fwPress";

// A label, read with the text it shows, so that no name given once can hide what the program puts there
// later; the name it was given, or the design's description, says what it is. A label (or box, text box or
// picture) offered as pressable is a push button whose press clicks it.
class AccessibleText : public QAccessibleWidget
{
public:
    AccessibleText(QWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}

    QAccessible::Role role() const override
    {
        return pressable() ? QAccessible::Button : QAccessibleWidget::role();
    }

    QString text(QAccessible::Text t) const override
    {
        const QString given = widget()->accessibleName();
        if (t == QAccessible::Name) {
            const QString shown = shownText();
            return shown.isEmpty() ? (given.isEmpty() ? widget()->accessibleDescription() : given) : shown;
        }
        if (t == QAccessible::Description) {
            const QString described = widget()->accessibleDescription();
            return described.isEmpty() && given != shownText() ? given : described;
        }
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        if (!pressable())
            return QAccessibleWidget::actionNames();
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction() && pressable() && widget()->isEnabled())
            QMetaObject::invokeMethod(widget(), "Click");
        else
            QAccessibleWidget::doAction(action);
    }

private:
    bool pressable() const { return widget()->property(kPress).toBool(); }

    QString shownText() const
    {
        auto* label = qobject_cast<QLabel*>(widget());
        if (!label)
            return {};
        QString text = label->text();
        if (label->textFormat() == Qt::RichText ||
            (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text)))
            text = QTextDocumentFragment::fromHtml(text).toPlainText();
        return text.simplified();
    }
};

QAccessibleInterface* describe(const QString& className, QObject* object)
{
    const bool pressable = object->property(kPress).toBool();
    if (className == QLatin1String("fw::Label"))
        return new AccessibleText(static_cast<QWidget*>(object),
                                  pressable ? QAccessible::Button : QAccessible::StaticText);
    if (pressable)
        return new AccessibleText(static_cast<QWidget*>(object), QAccessible::Button);
    if (className == QLatin1String("fw::OptionButton"))
        return new AccessibleOption(static_cast<OptionButton*>(object));
    // A picture is an image (Qt takes its frame for a border, which a screen reader calls a frame too).
    if (className == QLatin1String("fw::PictureBox"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    // A screen's window is a plain top-level widget (not a popup): a frame, named by its caption (Qt would
    // say filler).
    if (className == QLatin1String("QWidget") && object->isWidgetType() &&
        static_cast<QWidget*>(object)->windowType() == Qt::Window)
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}
} // namespace

void offerPress(QWidget* control)
{
    control->setProperty(kPress, true);
    // An interface made before, as Qt's own, is made again by describe().
    if (QAccessible::isActive())
        if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(control);
            made && !dynamic_cast<AccessibleText*>(made))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void installAccessibility()
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(describe);
    installed = true;
}

} // namespace fw
