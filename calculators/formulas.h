#pragma once
// The rules of the electronic formulas, apart from any screen.
//
// Four of the groups work by entering any two values: each quantity has a stored value (0 stands for "not
// given"), and an entry runs the group's rules in order; the first rule whose two inputs are both given
// computes the rest and writes it, and the later rules are not tried. Rules are data: a pair of inputs and
// the outputs computed from them, each with the pattern its box shows it in.
//
// The fifth group adds reciprocals: resistors in parallel and capacitors in series both total
// 1 / (1/x1 + 1/x2 + ... + 1/xn), counted down value by value.

#include <QLocale>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace fw::formulas {

// The quantities of each group, as indices into its stored values.
namespace ohm {
enum Quantity { Volts, Amps, Ohms };
}
namespace power {
enum Quantity { Volts, Amps, Watts };
}
namespace resonance {
enum Quantity { Capacitance, Inductance, Frequency, Wavelength }; // pF, µH, MHz, metres
}
namespace reactance {
enum Quantity { Component, Frequency, Reactance }; // pF or µH by the mode, MHz, ohms
}

// A group's stored values by quantity; 0 means not given.
using Values = std::array<double, 4>;

struct Output
{
    int quantity;
    double (*compute)(const Values&); // sees the outputs of the same rule computed before it
    const char16_t* pattern;          // nullptr: plain number text
};

struct Rule
{
    int first, second; // both must be given
    std::vector<Output> outputs;
    bool rootOfProduct = false; // takes the square root of first × second, which must not be negative
};

using Rules = std::vector<Rule>;

const Rules& ohmsLawRules();
const Rules& powerRules();
const Rules& resonanceRules();
const Rules& capacitiveRules();
const Rules& inductiveRules();

enum class Status {
    Nothing,         // no rule had both its inputs given
    Computed,        // a rule computed, stored and wrote its outputs
    TooLarge,        // a result would not fit in a double: nothing stored
    NegativeProduct, // the rule needs the root of a negative product: nothing stored
};

struct Written
{
    int quantity;
    QString text;
};

struct Outcome
{
    Status status = Status::Nothing;
    std::vector<Written> written; // the computed quantities, as their boxes show them
};

// Runs the first rule whose inputs are both given and stores its outputs in `values`.
Outcome calculate(const Rules& rules, Values& values, const QLocale& locale = QLocale());

// Stores `value` as `quantity`, then calculates. When no result can be computed (TooLarge,
// NegativeProduct) the entry is refused: `values` stay as they were.
Outcome enter(const Rules& rules, Values& values, int quantity, double value,
              const QLocale& locale = QLocale());

// Resistors in parallel or capacitors in series, added one value at a time.
struct Reciprocal
{
    std::int16_t remaining = 0; // values still to come
    double sum = 0;             // of 1/x over the values so far
};

// How many values: a whole number from 1 to 32767 once rounded half to even (2.5 is 2).
std::optional<std::int16_t> quantity(QStringView text, const QLocale& locale = QLocale());

enum class Added {
    Counted,     // one fewer to come
    Total,       // that was the last one: the total is ready
    NoQuantity,  // no value is awaited: refused
    NotPositive, // missing, not a number, zero or negative: refused
    TooLarge,    // its reciprocal or the total would not fit in a double: refused
};

struct Addition
{
    Added status;
    double total = 0; // when status is Total
};

// Adds one value and counts it. A refused value leaves `series` as it was.
Addition addValue(Reciprocal& series, std::optional<double> value);

// The total as its box shows it: "#####.0000" and the unit suffix (" Ohms", " MFD" or none).
QString totalText(double total, const QString& suffix, const QLocale& locale = QLocale());

} // namespace fw::formulas
