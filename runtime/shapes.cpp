#include "runtime/shapes.h"

#include <QPainter>

namespace fw {

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
