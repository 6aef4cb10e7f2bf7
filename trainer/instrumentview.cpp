#include "trainer/instrumentview.h"

#include "trainer/trace.h"

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
    }
    return {};
}

// The graticule: every division, the centre lines marked in fifths, as a scope's screen is ruled.
void paintGraticule(QPainter& painter, const QRectF& screen)
{
    painter.fillRect(screen, kTube);
    const double div = screen.width() / kDivisionsAcross;
    QPen pen(kGrid, 0);
    painter.setPen(pen);
    for (int i = 0; i <= kDivisionsAcross; ++i)
        painter.drawLine(QPointF(screen.left() + i * div, screen.top()),
                         QPointF(screen.left() + i * div, screen.bottom()));
    for (int j = 0; j <= kDivisionsUp; ++j)
        painter.drawLine(QPointF(screen.left(), screen.top() + j * div),
                         QPointF(screen.right(), screen.top() + j * div));
    const QPointF centre = screen.center();
    const double tick = div / 8;
    for (int i = 0; i <= kDivisionsAcross * 5; ++i) {
        const double x = screen.left() + i * div / 5;
        painter.drawLine(QPointF(x, centre.y() - tick), QPointF(x, centre.y() + tick));
    }
    for (int j = 0; j <= kDivisionsUp * 5; ++j) {
        const double y = screen.top() + j * div / 5;
        painter.drawLine(QPointF(centre.x() - tick, y), QPointF(centre.x() + tick, y));
    }
}

// The trace, one device pixel column at a time: each column's span widened by the beam's width, filled.
void paintTrace(QPainter& painter, const QRectF& screen, const ScopeTrace& trace, bool dim)
{
    const qreal scale = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QRectF device(screen.topLeft() * scale, screen.size() * scale);
    const int columns = std::max(1, static_cast<int>(std::lround(device.width())));
    const double perDiv = device.height() / kDivisionsUp;
    const double beam = 0.75 * scale; // half the beam's width
    painter.save();
    painter.scale(1 / scale, 1 / scale); // in device pixels from here
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setClipRect(device);
    const QColor colour = traceColour(dim);
    const double middle = device.center().y();
    for (const double start : sweepStarts(trace)) {
        const std::vector<Span> spans = traceColumns(trace, columns, start);
        for (int c = 0; c < columns; ++c) {
            const Span& s = spans[static_cast<size_t>(c)];
            const double top = middle - s.high * perDiv - beam;
            const double bottom = middle - s.low * perDiv + beam;
            painter.fillRect(QRectF(device.left() + c, top, 1, bottom - top), colour);
        }
    }
    painter.restore();
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

QRectF scopeScreen(const QRectF& rect, const QFont& font)
{
    const double line = QFontMetricsF(font).height();
    const QRectF room = rect.adjusted(6, line + 6, -6, -line - 8);
    const double div = std::max(1.0, std::floor(std::min(room.width() / kDivisionsAcross, room.height() / kDivisionsUp)));
    const QSizeF size(div * kDivisionsAcross, div * kDivisionsUp);
    // On whole pixels, so that the rules fall sharp.
    return QRectF(QPointF(std::round(room.center().x() - size.width() / 2), std::round(room.top())), size);
}

void paintScope(QPainter& painter, const QRectF& rect, const ScopeTrace& trace, const QString& caption, bool dim)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(rect, kBezel);
    const QRectF screen = scopeScreen(rect, painter.font());
    paintGraticule(painter, screen);
    paintTrace(painter, screen, trace, dim);
    painter.setPen(kWriting);
    const double line = QFontMetricsF(painter.font()).height();
    painter.drawText(QRectF(rect.left() + 6, rect.top() + 3, rect.width() - 12, line), Qt::AlignLeft | Qt::AlignVCenter,
                     caption);
    const QString settings = voltsPerDivText(trace) + QStringLiteral("   ") + timePerDivText(trace) +
                             QStringLiteral("   ") + probeText(trace.probe);
    // On a small screen the settings are written smaller, never cut.
    const double room = rect.width() - 12, wide = QFontMetricsF(painter.font()).horizontalAdvance(settings);
    if (wide > room) {
        QFont smaller = painter.font();
        smaller.setPointSizeF(std::max(5.0, smaller.pointSizeF() * room / wide));
        painter.setFont(smaller);
    }
    painter.drawText(QRectF(rect.left() + 6, screen.bottom() + 4, rect.width() - 12, line),
                     Qt::AlignHCenter | Qt::AlignVCenter, settings);
    painter.restore();
}

void paintMeter(QPainter& painter, const QRectF& rect, const MeterFace& meter, const QString& caption)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillRect(rect, kBezel);
    const double line = QFontMetricsF(painter.font()).height();
    painter.setPen(kWriting);
    painter.drawText(QRectF(rect.left() + 6, rect.top() + 3, rect.width() - 12, line), Qt::AlignLeft | Qt::AlignVCenter,
                     caption);
    // The display: the figure large, the unit beside it, and under them a bar for the share of the range.
    const QRectF room = rect.adjusted(8, line + 8, -8, -line - 10);
    const QRectF lcd(room.left(), room.top(), room.width(), std::min(room.height(), room.width() * 0.42));
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
    painter.setFont(big);
    painter.drawText(figureRect, Qt::AlignRight | Qt::AlignVCenter, meterFigure(meter));
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

// This set's instrument on the left, large; the working set's beside it, and a rail's meter under its
// reference trace.
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
    const QRectF main(0, 0, std::floor(all.width() * 0.62), all.height());
    const QRectF side(main.right() + gap, 0, all.width() - main.width() - gap, all.height());
    const bool meterBelow = m_now.scope && m_now.meter;
    const QRectF sideTop(side.topLeft(), QSizeF(side.width(), meterBelow ? std::floor(side.height() * 0.58)
                                                                         : side.height()));
    const QRectF sideBottom(side.left(), sideTop.bottom() + gap, side.width(), side.height() - sideTop.height() - gap);
    const QString working = QStringLiteral("Working set");
    if (m_now.scope) {
        paintScope(painter, main, *m_now.scope, QStringLiteral("This set"));
        if (m_working.scope)
            paintScope(painter, sideTop, *m_working.scope, working, true);
        if (m_now.meter)
            paintMeter(painter, sideBottom, *m_now.meter, meterCaption(m_now.meter->kind));
        return;
    }
    paintMeter(painter, main, *m_now.meter, QStringLiteral("This set: ") + meterCaption(m_now.meter->kind));
    if (m_working.meter)
        paintMeter(painter, sideTop, *m_working.meter, working);
}

} // namespace trainer
