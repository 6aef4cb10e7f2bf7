#include "runtime/accessible.h"

#include "runtime/controls.h"

#include <QAccessibleWidget>

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

QAccessibleInterface* describe(const QString& className, QObject* object)
{
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

void installAccessibility()
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(describe);
    installed = true;
}

} // namespace fw
