#pragma once
// The colours of any control, read and set on the palette role it paints with.
#include <QColor>
#include <QWidget>

namespace fw {

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

} // namespace fw
