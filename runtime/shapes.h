#pragma once
// The drawn controls of a diagram: lines and knobs.
#include "runtime/colors.h"

#include <QWidget>

namespace fw {

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
