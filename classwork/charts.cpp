#include "classwork/charts.h"

#include "runtime/design.h"

#include <QPainter>

#include <algorithm>

namespace classwork {

namespace {
constexpr int kMargin = 6;
} // namespace

Plot::Plot(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void Plot::setWords(const QString& title, const QStringList& words, const QString& none)
{
    m_title = title;
    setAccessibleName(title);
    setAccessibleDescription(words.isEmpty() ? none : words.join(QStringLiteral("; ")));
    update();
}

std::optional<int> Plot::paintFrame(QPainter& p, bool empty, const QString& emptyText) const
{
    p.fillRect(rect(), Qt::white);
    p.setPen(Qt::gray);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setPen(Qt::black);
    p.setFont(fw::controlFont(8.25, true));
    p.drawText(rect().adjusted(kMargin, kMargin, -kMargin, 0), Qt::AlignLeft | Qt::AlignTop, m_title);
    p.setFont(fw::controlFont(8.25));
    const int top = kMargin + p.fontMetrics().height() + kMargin;
    if (!empty)
        return top;
    p.drawText(rect().adjusted(kMargin, top, -kMargin, -kMargin), Qt::AlignLeft | Qt::AlignTop, emptyText);
    return std::nullopt;
}

void BarChart::setBars(const QString& title, std::vector<Bar> bars)
{
    m_bars = std::move(bars);
    QStringList words;
    for (const Bar& b : m_bars)
        words << QStringLiteral("%1: %2").arg(b.label).arg(b.value);
    setWords(title, words, QStringLiteral("None missed."));
}

void BarChart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const std::optional<int> plotTop = paintFrame(p, m_bars.empty(), QStringLiteral("No stage missed yet."));
    if (!plotTop)
        return;
    const int top = *plotTop;
    const QFontMetrics fm = p.fontMetrics();
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

void RateChart::setCurve(const QString& title, std::vector<RatePoint> curve)
{
    m_curve = std::move(curve);
    QStringList words;
    for (const RatePoint& pt : m_curve)
        words << QStringLiteral("%1: %2% of %3").arg(pt.day.toString(Qt::ISODate)).arg(qRound(pt.rate * 100)).arg(pt.exercises);
    setWords(title, words, QStringLiteral("No exercises yet."));
}

void RateChart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const std::optional<int> plotTop =
        paintFrame(p, m_curve.empty(), QStringLiteral("Choose a student with exercises."));
    if (!plotTop)
        return;
    const int top = *plotTop;
    const QFontMetrics fm = p.fontMetrics();
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
