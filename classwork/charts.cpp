#include "classwork/charts.h"

#include "runtime/design.h"

#include <QPainter>

#include <algorithm>

namespace classwork {

namespace {
constexpr int kMargin = 6;

void frameAndTitle(QPainter& p, const QRect& r, const QString& title)
{
    p.fillRect(r, Qt::white);
    p.setPen(Qt::gray);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.setPen(Qt::black);
    p.setFont(fw::controlFont(8.25, true));
    p.drawText(r.adjusted(kMargin, kMargin, -kMargin, 0), Qt::AlignLeft | Qt::AlignTop, title);
}
} // namespace

BarChart::BarChart(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void BarChart::setBars(const QString& title, std::vector<Bar> bars)
{
    m_title = title;
    m_bars = std::move(bars);
    setAccessibleName(title);
    QStringList words;
    for (const Bar& b : m_bars)
        words << QStringLiteral("%1: %2").arg(b.label).arg(b.value);
    setAccessibleDescription(words.isEmpty() ? QStringLiteral("None missed.") : words.join(QStringLiteral("; ")));
    update();
}

void BarChart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    frameAndTitle(p, rect(), m_title);
    p.setFont(fw::controlFont(8.25));
    const QFontMetrics fm = p.fontMetrics();
    const int top = kMargin + fm.height() + kMargin;
    if (m_bars.empty()) {
        p.drawText(rect().adjusted(kMargin, top, -kMargin, -kMargin), Qt::AlignLeft | Qt::AlignTop,
                   QStringLiteral("No stage missed yet."));
        return;
    }
    const int most = std::max_element(m_bars.begin(), m_bars.end(), [](const Bar& a, const Bar& b) {
                         return a.value < b.value;
                     })->value;
    const int rowHeight = std::min(fm.height() * 2, (height() - top - kMargin) / int(m_bars.size()));
    const int labelWidth = width() * 2 / 5;
    const int barLeft = kMargin + labelWidth + kMargin;
    const int barSpace = width() - barLeft - kMargin - fm.horizontalAdvance(QString::number(most)) - kMargin;
    for (size_t i = 0; i < m_bars.size(); ++i) {
        const int y = top + int(i) * rowHeight;
        const QRect labelRect(kMargin, y, labelWidth, rowHeight);
        p.setPen(Qt::black);
        p.drawText(labelRect, Qt::AlignRight | Qt::AlignVCenter,
                   fm.elidedText(m_bars[i].label, Qt::ElideRight, labelWidth));
        const int length = std::max(1, barSpace * m_bars[i].value / std::max(1, most));
        const QRect bar(barLeft, y + rowHeight / 6, length, rowHeight * 2 / 3);
        p.fillRect(bar, kPlotColor);
        p.drawText(QRect(bar.right() + kMargin, y, width(), rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::number(m_bars[i].value));
    }
}

RateChart::RateChart(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void RateChart::setCurve(const QString& title, std::vector<RatePoint> curve)
{
    m_title = title;
    m_curve = std::move(curve);
    setAccessibleName(title);
    QStringList words;
    for (const RatePoint& pt : m_curve)
        words << QStringLiteral("%1: %2% of %3").arg(pt.day.toString(Qt::ISODate)).arg(qRound(pt.rate * 100)).arg(pt.exercises);
    setAccessibleDescription(words.isEmpty() ? QStringLiteral("No exercises yet.") : words.join(QStringLiteral("; ")));
    update();
}

void RateChart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    frameAndTitle(p, rect(), m_title);
    p.setFont(fw::controlFont(8.25));
    const QFontMetrics fm = p.fontMetrics();
    const int top = kMargin + fm.height() + kMargin;
    if (m_curve.empty()) {
        p.drawText(rect().adjusted(kMargin, top, -kMargin, -kMargin), Qt::AlignLeft | Qt::AlignTop,
                   QStringLiteral("Choose a student with exercises."));
        return;
    }
    // The axes: 0 to 100 % up, the days worked across (evenly, one step a day worked).
    const int left = kMargin + fm.horizontalAdvance(QStringLiteral("100%")) + kMargin;
    const QRect plot(left, top + fm.height() / 2, width() - left - 3 * kMargin,
                     height() - top - fm.height() / 2 - kMargin - fm.height() - kMargin);
    p.setPen(Qt::lightGray);
    for (int percent : {0, 50, 100}) {
        const int y = plot.bottom() - plot.height() * percent / 100;
        p.drawLine(plot.left(), y, plot.right(), y);
        p.setPen(Qt::black);
        p.drawText(QRect(kMargin, y - fm.height() / 2, left - 2 * kMargin, fm.height()), Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("%1%").arg(percent));
        p.setPen(Qt::lightGray);
    }
    const size_t n = m_curve.size();
    auto at = [&](size_t i) {
        const double x = n == 1 ? plot.center().x() : plot.left() + double(plot.width()) * double(i) / double(n - 1);
        return QPointF(x, plot.bottom() - plot.height() * m_curve[i].rate);
    };
    p.setPen(QPen(kPlotColor, 2));
    for (size_t i = 1; i < n; ++i)
        p.drawLine(at(i - 1), at(i));
    p.setBrush(kPlotColor);
    for (size_t i = 0; i < n; ++i)
        p.drawEllipse(at(i), 3, 3);
    p.setPen(Qt::black);
    const QRect days(plot.left(), plot.bottom() + kMargin, plot.width(), fm.height());
    p.drawText(days, Qt::AlignLeft, m_curve.front().day.toString(Qt::ISODate));
    if (n > 1)
        p.drawText(days, Qt::AlignRight, m_curve.back().day.toString(Qt::ISODate));
}

} // namespace classwork
