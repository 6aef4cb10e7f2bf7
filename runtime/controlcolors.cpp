#include "runtime/controlcolors.h"

#include "runtime/shapes.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

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

} // namespace fw
