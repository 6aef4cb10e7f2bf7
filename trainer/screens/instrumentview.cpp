#include "trainer/screens/instrumentview.h"

#include "trainer/bench/trace.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace trainer {

namespace {
const QColor kBezel(34, 36, 38);
const QColor kTube(10, 24, 16);
const QColor kGrid(58, 92, 72);
const QColor kWriting(220, 224, 226);
const QColor kLcd(196, 208, 182);
const QColor kDigits(20, 24, 20);

QString meterCaption(MeterKind kind)
{
    switch (kind) {
    case MeterKind::DcVolts:
        return QStringLiteral("Meter, DC volts");
    case MeterKind::AcVolts:
        return QStringLiteral("Meter, AC volts");
    case MeterKind::Kilovolts:
        return QStringLiteral("High-voltage probe");
    case MeterKind::Ohms:
        return QStringLiteral("Ohmmeter, out of circuit");
    case MeterKind::SignalLevel:
        return QStringLiteral("Signal level meter");
    case MeterKind::Capacitance:
        return QStringLiteral("Capacitance meter, out of circuit");
    case MeterKind::DiodeTest:
        return QStringLiteral("Diode test, out of circuit");
    }
    return {};
}

// The tube's face at its device pixels: the graticule ruled at every division, its centre lines marked in
// fifths, and the trace, one pixel column at a time, each column's span widened by the beam's width. Drawn
// pixel by pixel, which is sharp at any scale and many times quicker than a painter's lines.
QImage tubeFace(const ScopeTrace& trace, QSize pixels, double scale, bool dim)
{
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(kTube);
    const int width = pixels.width(), height = pixels.height();
    const double div = double(width) / kDivisionsAcross;
    const QRgb grid = kGrid.rgb();
    // The pixels through one pointer: scanLine() on each would check for a shared copy every time.
    const qsizetype stride = image.bytesPerLine() / qsizetype(sizeof(QRgb));
    QRgb* const bits = reinterpret_cast<QRgb*>(image.bits());
    auto set = [&](int x, int y, QRgb colour) {
        if (x >= 0 && x < width && y >= 0 && y < height)
            bits[y * stride + x] = colour;
    };
    for (int i = 0; i <= kDivisionsAcross; ++i)
        for (int y = 0; y < height; ++y)
            set(std::min(width - 1, static_cast<int>(std::lround(i * div))), y, grid);
    for (int j = 0; j <= kDivisionsUp; ++j) {
        const int y = std::min(height - 1, static_cast<int>(std::lround(j * div)));
        std::fill_n(bits + y * stride, width, grid);
    }
    const int tick = std::max(1, static_cast<int>(div / 8));
    const int cx = width / 2, cy = height / 2;
    for (int i = 0; i <= kDivisionsAcross * 5; ++i)
        for (int d = -tick; d <= tick; ++d)
            set(static_cast<int>(std::lround(i * div / 5)), cy + d, grid);
    for (int j = 0; j <= kDivisionsUp * 5; ++j)
        for (int d = -tick; d <= tick; ++d)
            set(cx + d, static_cast<int>(std::lround(j * div / 5)), grid);

    const QRgb beam = traceColour(dim).rgb();
    const double perDiv = double(height) / kDivisionsUp, half = 0.75 * scale, middle = height / 2.0;
    for (const double start : sweepStarts(trace)) {
        const std::vector<Span> spans = traceColumns(trace, width, start);
        for (int x = 0; x < width; ++x) {
            const Span& span = spans[static_cast<size_t>(x)];
            const int top = std::max(0, static_cast<int>(std::floor(middle - span.high * perDiv - half)));
            const int bottom = std::min(height, static_cast<int>(std::ceil(middle - span.low * perDiv + half)));
            for (int y = top; y < bottom; ++y)
                bits[y * stride + x] = beam;
        }
    }
    return image;
}

// The settings on one line where they fit; else the probe on a line of its own; else each line elided.
QString settingsLines(const ScopeTrace& trace, const QFontMetricsF& metrics, double room)
{
    const QString gap = QStringLiteral("   ");
    const QString one = voltsPerDivText(trace) + gap + timePerDivText(trace) + gap + probeText(trace.probe);
    if (metrics.horizontalAdvance(one) <= room)
        return one;
    const QString first = voltsPerDivText(trace) + gap + timePerDivText(trace);
    return metrics.elidedText(first, Qt::ElideRight, room) + QLatin1Char('\n') +
           metrics.elidedText(probeText(trace.probe), Qt::ElideRight, room);
}

QImage blank(QSize size, qreal scale)
{
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    return image;
}
} // namespace

QColor traceColour(bool dim)
{
    return dim ? QColor(78, 170, 110) : QColor(140, 255, 170);
}

namespace {
QFont settingsFont(const QFont& font)
{
    QFont f = font;
    if (f.pointSizeF() > 0 && f.pointSizeF() < kSmallestSettings)
        f.setPointSizeF(kSmallestSettings);
    return f;
}
} // namespace

QString settingsText(const ScopeTrace& trace, const QFont& font, double room)
{
    return settingsLines(trace, QFontMetricsF(settingsFont(font)), room);
}

QRectF scopeScreen(const QRectF& rect, const QFont& font)
{
    const double line = QFontMetricsF(font).height();
    // Room under the screen for the settings, on two lines where one is too narrow for them all.
    const QString widest = QStringLiteral("500 mV/div   500 µs/div   Probe x100");
    const bool twoLines = QFontMetricsF(settingsFont(font)).horizontalAdvance(widest) > rect.width() - 12;
    const double below = QFontMetricsF(settingsFont(font)).height();
    const QRectF room = rect.adjusted(6, line + 6, -6, -(twoLines ? 2 : 1) * below - 8);
    const double div = std::max(1.0, std::floor(std::min(room.width() / kDivisionsAcross, room.height() / kDivisionsUp)));
    const QSizeF size(div * kDivisionsAcross, div * kDivisionsUp);
    // Caption, screen and settings together in the middle of the rectangle, on whole pixels, so that the
    // rules fall sharp.
    const double spare = room.height() - size.height();
    return QRectF(QPointF(std::round(room.center().x() - size.width() / 2), std::round(room.top() + spare / 2)),
                  size);
}

void paintScope(QPainter& painter, const QRectF& rect, const ScopeTrace& trace, const QString& caption, bool dim)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(rect, kBezel);
    const QRectF screen = scopeScreen(rect, painter.font());
    const qreal scale = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    QImage face = tubeFace(trace, (screen.size() * scale).toSize(), scale, dim);
    face.setDevicePixelRatio(scale);
    painter.drawImage(screen.topLeft(), face);
    painter.setPen(kWriting);
    const double line = QFontMetricsF(painter.font()).height();
    painter.drawText(QRectF(rect.left() + 6, screen.top() - line - 3, rect.width() - 12, line),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     QFontMetricsF(painter.font()).elidedText(caption, Qt::ElideRight, rect.width() - 12));
    const QString settings = settingsText(trace, painter.font(), rect.width() - 12);
    painter.setFont(settingsFont(painter.font()));
    painter.drawText(QRectF(rect.left() + 6, screen.bottom() + 4, rect.width() - 12, rect.bottom() - screen.bottom() - 4),
                     Qt::AlignHCenter | Qt::AlignTop, settings);
    painter.restore();
}

void paintMeter(QPainter& painter, const QRectF& rect, const MeterFace& meter, const QString& caption)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillRect(rect, kBezel);
    const double line = QFontMetricsF(painter.font()).height();
    // The display: the figure large, the unit beside it, and under them a bar for the share of the range;
    // with its caption and range, in the middle of the rectangle.
    const QRectF room = rect.adjusted(8, line + 8, -8, -line - 10);
    const double height = std::min(room.height(), room.width() * 0.42);
    const QRectF lcd(room.left(), std::round(room.top() + (room.height() - height) / 2), room.width(), height);
    painter.setPen(kWriting);
    painter.drawText(QRectF(rect.left() + 6, lcd.top() - line - 5, rect.width() - 12, line),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     QFontMetricsF(painter.font()).elidedText(caption, Qt::ElideRight, rect.width() - 12));
    QPainterPath window;
    window.addRoundedRect(lcd, 4, 4);
    painter.fillPath(window, kLcd);
    QFont big = painter.font();
    big.setPixelSize(std::max(8, static_cast<int>(lcd.height() * 0.5)));
    big.setBold(true);
    QFont small = painter.font();
    small.setPixelSize(std::max(7, static_cast<int>(lcd.height() * 0.2)));
    const QRectF figureRect = lcd.adjusted(lcd.width() * 0.04, lcd.height() * 0.06, -lcd.width() * 0.26, -lcd.height() * 0.3);
    painter.setPen(kDigits);
    // A figure that will not settle is written as the range it moves over, smaller where it must be to fit.
    const QString figure = meterFigure(meter);
    const double wide = QFontMetricsF(big).horizontalAdvance(figure);
    if (wide > figureRect.width())
        big.setPixelSize(std::max(7, static_cast<int>(big.pixelSize() * figureRect.width() / wide)));
    painter.setFont(big);
    painter.drawText(figureRect, Qt::AlignRight | Qt::AlignVCenter, figure);
    painter.setFont(small);
    painter.drawText(QRectF(figureRect.right() + lcd.width() * 0.03, figureRect.top(), lcd.width() * 0.22, figureRect.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, meter.unit);
    const double share = std::isfinite(meter.value) && meter.fullScale > 0
                             ? std::clamp(std::abs(meter.value) / meter.fullScale, 0.0, 1.0)
                             : 1.0;
    const QRectF bar(lcd.left() + lcd.width() * 0.06, lcd.bottom() - lcd.height() * 0.2, lcd.width() * 0.88,
                     lcd.height() * 0.08);
    painter.setPen(QPen(kDigits, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(bar);
    painter.fillRect(QRectF(bar.topLeft(), QSizeF(bar.width() * share, bar.height())), kDigits);
    painter.restore();
    painter.save();
    painter.setPen(kWriting);
    painter.drawText(QRectF(rect.left() + 6, lcd.bottom() + 4, rect.width() - 12, line), Qt::AlignHCenter | Qt::AlignVCenter,
                     QStringLiteral("Range ") + meterRange(meter));
    painter.restore();
}

QImage renderScope(const ScopeTrace& trace, QSize size, qreal devicePixelRatio)
{
    QImage image = blank(size, devicePixelRatio);
    QPainter painter(&image);
    paintScope(painter, QRectF(QPointF(), size), trace, QStringLiteral("This set"));
    return image;
}

QImage renderMeter(const MeterFace& meter, QSize size, qreal devicePixelRatio)
{
    QImage image = blank(size, devicePixelRatio);
    QPainter painter(&image);
    paintMeter(painter, QRectF(QPointF(), size), meter, meterCaption(meter.kind));
    return image;
}

InstrumentView::InstrumentView(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("picInstrument"));
    setAccessibleName(QStringLiteral("Instrument"));
}

void InstrumentView::setInstruments(const Instrument& now, const Instrument& working)
{
    m_now = now;
    m_working = working;
    QStringList said;
    if (now.scope)
        said << QStringLiteral("Scope at ") + voltsPerDivText(*now.scope) + QStringLiteral(", ") +
                    timePerDivText(*now.scope) + QStringLiteral(", ") + probeText(now.scope->probe);
    if (now.meter)
        said << meterCaption(now.meter->kind) + QStringLiteral(" reading ") + meterFigure(*now.meter) +
                    QLatin1Char(' ') + now.meter->unit + QStringLiteral(" on the ") + meterRange(*now.meter) +
                    QStringLiteral(" range");
    setAccessibleDescription(said.join(QStringLiteral("; ")));
    update();
}

// This set's instruments on the left, large; the working set's beside them, smaller. A point read on both
// (a rail's figure and its ripple, a driver's collector) has its meter under its trace on each side.
void InstrumentView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRectF all = rect();
    painter.fillRect(all, palette().window());
    if (isEmpty()) {
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(all.adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                         QStringLiteral("The scope or meter of the reading chosen in the list shows here."));
        return;
    }
    const double gap = 6;
    // Too narrow for two: this set's instruments alone.
    const bool alone = all.width() < 320;
    const QRectF main(0, 0, alone ? all.width() : std::floor(all.width() * 0.62), all.height());
    const QRectF side(main.right() + gap, 0, all.width() - main.width() - gap, all.height());
    const bool both = m_now.scope && m_now.meter;
    auto top = [&](const QRectF& r) {
        return both ? QRectF(r.topLeft(), QSizeF(r.width(), std::floor(r.height() * 0.62))) : r;
    };
    auto bottom = [&](const QRectF& r) {
        const QRectF above = top(r);
        return QRectF(r.left(), above.bottom() + gap, r.width(), r.height() - above.height() - gap);
    };
    const QString thisSet = QStringLiteral("This set"), working = QStringLiteral("Working set");
    auto meterTitle = [](const QString& set, const MeterFace& m) { return set + QStringLiteral(": ") + meterCaption(m.kind); };
    if (m_now.scope)
        paintScope(painter, top(main), *m_now.scope, thisSet);
    if (m_now.meter)
        paintMeter(painter, m_now.scope ? bottom(main) : main, *m_now.meter, meterTitle(thisSet, *m_now.meter));
    if (alone)
        return;
    if (m_now.scope && m_working.scope)
        paintScope(painter, top(side), *m_working.scope, working, true);
    if (m_now.meter && m_working.meter)
        paintMeter(painter, m_now.scope ? bottom(side) : top(side), *m_working.meter,
                   meterTitle(working, *m_working.meter));
}

} // namespace trainer
