#include "calculators/colorcode.h"

#include "runtime/convert.h"

#include <QCoreApplication>

namespace colorcode {

namespace {
// Resistor tolerances follow IEC 60062; capacitors read band 4 by the colour's digit and band 5 in
// hundreds of volts.
const std::array<Swatch, kColors> kSwatches{{
    // name, colour, digit, multiplier, resistor tolerance, capacitor tolerance, voltage
    {QT_TRANSLATE_NOOP("calculators::Colours", "black"), {0, 0, 0}, 0, 1, {}, {}, {}},
    {QT_TRANSLATE_NOOP("calculators::Colours", "brown"), {128, 64, 0}, 1, 10, 1, 1, 100},
    {QT_TRANSLATE_NOOP("calculators::Colours", "red"), {255, 0, 0}, 2, 100, 2, 2, 200},
    {QT_TRANSLATE_NOOP("calculators::Colours", "orange"), {255, 128, 0}, 3, 1000, 0.05, 3, 300},
    {QT_TRANSLATE_NOOP("calculators::Colours", "yellow"), {255, 255, 0}, 4, 10000, 0.02, 4, 400},
    {QT_TRANSLATE_NOOP("calculators::Colours", "green"), {0, 192, 0}, 5, 100000, 0.5, 5, 500},
    {QT_TRANSLATE_NOOP("calculators::Colours", "blue"), {0, 0, 255}, 6, 1000000, 0.25, 6, 600},
    {QT_TRANSLATE_NOOP("calculators::Colours", "violet"), {255, 0, 255}, 7, 10000000, 0.1, 7, 700},
    {QT_TRANSLATE_NOOP("calculators::Colours", "gray"), {128, 128, 128}, 8, 100000000, 0.01, 8, 800},
    {QT_TRANSLATE_NOOP("calculators::Colours", "white"), {255, 255, 255}, 9, 1000000000, {}, 9, 900},
    {QT_TRANSLATE_NOOP("calculators::Colours", "gold"), {192, 192, 0}, {}, 0.1, 5, 5, 1000},
    {QT_TRANSLATE_NOOP("calculators::Colours", "silver"), {192, 192, 192}, {}, 0.01, 10, 10, 2000},
}};

// A count of 6 already means "past the last band"; stopping there keeps the 16-bit count from overflowing.
constexpr std::int16_t kPastLastBand = 6;

// The value box's text for a value in ohms or picofarads.
QString valueText(Part part, double value, const QLocale& locale)
{
    auto text = [&](double v, const char* unit) {
        return fw::convert::numberText(v, locale) + QLatin1String(unit);
    };
    if (part == Part::Capacitor)
        return value >= 1000 ? text(value / 1000000, " mfd") : text(value, " pf");
    if (value < 1000)
        return text(value, " ohms");
    value /= 1000;
    if (value < 1000)
        return text(value, " K");
    return text(value / 1000, " Meg");
}
} // namespace

const std::array<Swatch, kColors>& swatches()
{
    return kSwatches;
}

const Swatch& swatch(Color color)
{
    return kSwatches.at(static_cast<std::size_t>(color));
}

std::optional<QString> Reader::enterBand(Color color)
{
    if (m_count < kPastLastBand)
        ++m_count;
    const Swatch& band = swatch(color);
    switch (m_count) {
    case 1:
    case 2:
        if (!band.digit) {
            const bool first = m_count == 1;
            m_count = 0;
            return first ? QCoreApplication::translate("calculators::Colours", "Not a 1st color code")
                         : QCoreApplication::translate("calculators::Colours", "Not a 2nd color code");
        }
        (m_count == 1 ? m_first : m_second) = *band.digit;
        break;
    case 3:
        m_multiplier = band.multiplier;
        break;
    case 4:
        if (band.resistorTolerance)
            m_resistorTolerance = band.resistorTolerance;
        if (band.tolerance)
            m_capacitorTolerance = band.tolerance;
        break;
    case 5:
        if (band.voltage)
            m_voltage = band.voltage;
        break;
    default:
        break;
    }
    return std::nullopt;
}

std::optional<Readout> Reader::done(std::optional<Part> part, const QLocale& locale)
{
    std::optional<Readout> readout;
    if (part) {
        const double value = m_multiplier * (m_second + 10.0 * m_first);
        Readout r;
        r.value = valueText(*part, value, locale);
        if (*part == Part::Resistor) {
            // A resistor without a tolerance band is a 20% part.
            const double tolerance = m_resistorTolerance.value_or(0);
            r.tolerance = tolerance == 0 ? QStringLiteral("20%")
                                         : fw::convert::numberText(tolerance, locale) + QStringLiteral(" %");
        } else {
            const QString tolerance =
                m_capacitorTolerance ? fw::convert::numberText(*m_capacitorTolerance, locale) : QString();
            r.tolerance = tolerance + QStringLiteral(" %");
            // No voltage band: no rating, rather than the last part's.
            if (m_voltage.value_or(0) > 0)
                r.voltage = QCoreApplication::translate("calculators::Colours", "%1 volts")
                                .arg(fw::convert::numberText(*m_voltage, locale));
        }
        readout = r;
    }
    restart();
    m_resistorTolerance = 0;
    m_capacitorTolerance = 0;
    m_voltage = 0;
    return readout;
}

void Reader::restart()
{
    m_count = 0;
    m_first = 0;
    m_second = 0;
    m_multiplier = 0;
    // A voltage band belongs to the part it was entered for: an entry left without Done takes its rating
    // with it, so that the next part without a voltage band shows none.
    m_voltage.reset();
}

} // namespace colorcode
