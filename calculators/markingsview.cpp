#include "calculators/markingsview.h"

#include "calculators/decimal.h"
#include "runtime/controlcolors.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPainter>

using namespace fw;
using namespace markings;

namespace markingsview {

QString bandName(int i)
{
    return QStringLiteral("Band%1").arg(i + 1);
}

QString captionName(int i)
{
    return QStringLiteral("lblBand%1").arg(i + 1);
}

QString swatchName(Color color)
{
    return QStringLiteral("Color%1").arg(static_cast<int>(color) + 1);
}

QColor paint(Color color)
{
    const Rgb rgb = bandColor(color).rgb;
    return QColor(rgb.red, rgb.green, rgb.blue);
}

QString nameOf(Color color)
{
    return QCoreApplication::translate("calculators::Colours", bandColor(color).name);
}

// The left edge of band i of `count` on the body: evenly spaced, a lone band in the middle.
int bandLeft(int i, int count)
{
    if (count == 1)
        return kBodyLeft + (kBodyWidth - kBandWidth) / 2;
    return kBodyLeft + kBandMargin + i * ((kBodyWidth - 2 * kBandMargin - kBandWidth) / (count - 1));
}

// The band the next colour goes to has a heavy outline, a chosen one a thin one, the others none. The outline
// is black on a light band and white on a dark one, so that it shows on every colour.
void markCurrent(Label* band, bool current, bool chosen, const QColor& fill)
{
    band->setFrameStyle(current || chosen ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    band->setLineWidth(current ? 3 : 1);
    const bool light = !chosen || qGray(fill.rgb()) >= 128;
    setForeColor(band, light ? QColor(Qt::black) : QColor(Qt::white));
}

FocusRing::FocusRing(QWidget* swatch) : QWidget(swatch)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    resize(swatch->size());
    swatch->installEventFilter(this);
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize)
        resize(parentWidget()->size());
    return QWidget::eventFilter(watched, event);
}

void FocusRing::paintEvent(QPaintEvent*)
{
    if (!parentWidget()->hasFocus())
        return;
    constexpr int kLine = 2;
    QPainter painter(this);
    const QRect outer = rect();
    const QRect inner = outer.adjusted(kLine, kLine, -kLine, -kLine);
    const QRegion outerRing = QRegion(outer).subtracted(inner);
    const QRegion innerRing = QRegion(inner).subtracted(inner.adjusted(kLine, kLine, -kLine, -kLine));
    for (const QRect& r : outerRing)
        painter.fillRect(r, Qt::black);
    for (const QRect& r : innerRing)
        painter.fillRect(r, Qt::white);
}

void showResult(Label* label, const QString& text)
{
    label->setText(text);
    label->setAccessibleName(text.isEmpty() ? label->property(kRole).toString() : text);
}

// What band `i` of `count` stands for, written under it: a digit, a multiplier, a tolerance, a coefficient.
QString meaning(Color color, int i, int count)
{
    const BandColor& c = bandColor(color);
    if (count == 1)
        return QCoreApplication::translate("calculators::Markings", "0 \u03A9 link");
    const int figures = figuresOf(static_cast<std::size_t>(count));
    if (i < figures)
        return c.digit ? QString::number(*c.digit)
                       : QCoreApplication::translate("calculators::Markings", "no digit");
    if (i == figures) {
        const QString ohms = ohmsText(Decimal::of(1, c.multiplierExponent));
        return u'\u00D7' + ohms.left(ohms.size() - 1).remove(u' '); // "×1k", "×0.01"
    }
    if (i == figures + 1)
        return c.tolerance ? percentText(*c.tolerance)
                           : QCoreApplication::translate("calculators::Markings", "no tolerance");
    return c.temperatureCoefficient ? QCoreApplication::translate("calculators::Markings", "%1 ppm/K")
                                          .arg(*c.temperatureCoefficient)
                                    : QCoreApplication::translate("calculators::Markings", "no coefficient");
}

} // namespace markingsview
