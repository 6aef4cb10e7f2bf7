#include "calculators/formulas.h"

#include "runtime/convert.h"

#include <cmath>

namespace fw::formulas {

namespace {
constexpr double kTwoPi = 6.28;      // the rounded 2π every reactance and resonance figure is worked with
constexpr double kLightSpeed = 300;  // metres × MHz: W = 300 / F
constexpr double kResonance = 25330; // 10^6 / (2π)², in pF × µH × MHz²
constexpr double kMega = 1000000;

double square(double x)
{
    return x * x;
}
} // namespace

const Rules& ohmsLawRules()
{
    using namespace ohm;
    static const Rules rules{
        {Volts, Amps, {{Ohms, [](const Values& v) { return v[Volts] / v[Amps]; }, nullptr}}},
        {Volts, Ohms, {{Amps, [](const Values& v) { return v[Volts] / v[Ohms]; }, nullptr}}},
        {Amps, Ohms, {{Volts, [](const Values& v) { return v[Amps] * v[Ohms]; }, nullptr}}},
    };
    return rules;
}

const Rules& powerRules()
{
    using namespace power;
    static const Rules rules{
        {Volts, Amps, {{Watts, [](const Values& v) { return v[Volts] * v[Amps]; }, nullptr}}},
        {Volts, Watts, {{Amps, [](const Values& v) { return v[Watts] / v[Volts]; }, nullptr}}},
        {Amps, Watts, {{Volts, [](const Values& v) { return v[Watts] / v[Amps]; }, nullptr}}},
    };
    return rules;
}

namespace resonant {
using namespace resonance;
double frequency(const Values& v)
{
    return 1000 / (std::sqrt(v[Inductance] * v[Capacitance]) * kTwoPi);
}
double frequencyOfWavelength(const Values& v)
{
    return kLightSpeed / v[Wavelength];
}
double wavelength(const Values& v)
{
    return kLightSpeed / v[Frequency];
}
double inductance(const Values& v)
{
    return kResonance / (v[Capacitance] * square(v[Frequency]));
}
double capacitance(const Values& v)
{
    return kResonance / (v[Inductance] * square(v[Frequency]));
}
} // namespace resonant

const Rules& resonanceRules()
{
    using namespace resonance;
    static const Rules rules{
        {Inductance,
         Capacitance,
         {{Frequency, resonant::frequency, u"#####.000"}, {Wavelength, resonant::wavelength, u"#####.00"}},
         true},
        {Frequency,
         Capacitance,
         {{Inductance, resonant::inductance, u"###.000"}, {Wavelength, resonant::wavelength, u"#####.00"}}},
        {Wavelength,
         Capacitance,
         {{Frequency, resonant::frequencyOfWavelength, u"#####.000"},
          {Inductance, resonant::inductance, u"####.000"}}},
        {Inductance,
         Frequency,
         {{Capacitance, resonant::capacitance, u"####.000"},
          {Wavelength, resonant::wavelength, u"#####.00"}}},
        {Wavelength,
         Inductance,
         {{Frequency, resonant::frequencyOfWavelength, u"#####.000"},
          {Capacitance, resonant::capacitance, u"####.000"}}},
    };
    return rules;
}

const Rules& capacitiveRules()
{
    using namespace reactance;
    static const Rules rules{
        {Component,
         Frequency,
         {{Reactance, [](const Values& v) { return kMega / (kTwoPi * v[Frequency] * v[Component]); },
           u"#####.0"}}},
        {Component,
         Reactance,
         {{Frequency, [](const Values& v) { return kMega / (kTwoPi * v[Reactance] * v[Component]); },
           u"#####.000"}}},
        {Frequency,
         Reactance,
         {{Component, [](const Values& v) { return kMega / (kTwoPi * v[Frequency] * v[Reactance]); },
           u"####.0"}}},
    };
    return rules;
}

const Rules& inductiveRules()
{
    using namespace reactance;
    static const Rules rules{
        {Component,
         Frequency,
         {{Reactance, [](const Values& v) { return kTwoPi * v[Frequency] * v[Component]; }, u"#####.0"}}},
        {Component,
         Reactance,
         {{Frequency, [](const Values& v) { return v[Reactance] / (kTwoPi * v[Component]); }, u"#####.000"}}},
        {Frequency,
         Reactance,
         {{Component, [](const Values& v) { return v[Reactance] / (kTwoPi * v[Frequency]); }, u"####.0"}}},
    };
    return rules;
}

Outcome calculate(const Rules& rules, Values& values, const QLocale& locale)
{
    for (const Rule& rule : rules) {
        if (values[rule.first] == 0 || values[rule.second] == 0)
            continue;
        if (rule.rootOfProduct && values[rule.first] * values[rule.second] < 0)
            return {Status::NegativeProduct, {}};
        Values computed = values;
        Outcome outcome{Status::Computed, {}};
        for (const Output& output : rule.outputs) {
            const double result = output.compute(computed);
            if (!std::isfinite(result))
                return {Status::TooLarge, {}};
            computed[output.quantity] = result;
            outcome.written.push_back(
                {output.quantity, output.pattern ? convert::formatPattern(result, output.pattern, locale)
                                                 : convert::numberText(result, locale)});
        }
        values = computed;
        return outcome;
    }
    return {};
}

Outcome enter(const Rules& rules, Values& values, int quantity, double value, const QLocale& locale)
{
    Values entered = values;
    entered[quantity] = value;
    Outcome outcome = calculate(rules, entered, locale);
    if (outcome.status == Status::Nothing || outcome.status == Status::Computed)
        values = entered;
    return outcome;
}

std::optional<std::int16_t> quantity(QStringView text, const QLocale& locale)
{
    const auto count = convert::toInt16(text, locale);
    if (!count || *count < 1)
        return std::nullopt;
    return count;
}

Addition addValue(Reciprocal& series, std::optional<double> value)
{
    if (series.remaining <= 0)
        return {Added::NoQuantity};
    if (!value || !(*value > 0))
        return {Added::NotPositive};
    const double sum = series.sum + 1 / *value;
    if (!std::isfinite(sum))
        return {Added::TooLarge};
    const auto remaining = static_cast<std::int16_t>(series.remaining - 1);
    if (remaining > 0) {
        series = {remaining, sum};
        return {Added::Counted};
    }
    const double total = 1 / sum;
    if (!std::isfinite(total))
        return {Added::TooLarge};
    series = {remaining, sum};
    return {Added::Total, total};
}

QString totalText(double total, const QString& suffix, const QLocale& locale)
{
    return convert::formatPattern(total, u"#####.0000", locale) + suffix;
}

} // namespace fw::formulas
