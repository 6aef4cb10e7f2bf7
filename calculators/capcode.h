#pragma once
// Capacitor markings ("104K 2A", "4n7", ".047 400V"): the value, its tolerance letter and its rated voltage.
// No widgets.

#include "calculators/decimal.h"

#include <QChar>
#include <QLocale>
#include <QString>

#include <optional>
#include <vector>

namespace markings {

// How a capacitor's value was written: a 3-figure code ("104"), picofarads in figures ("47", "4R7"), with a
// unit or a unit letter for its decimal point ("47p", "1000pF", "4n7", "2u2", "10µ"), or a plain decimal,
// which is in microfarads (".01", "0.1").
enum class CapacitorNotation { Code, Picofarads, WithUnit, Microfarads };
QString notationName(CapacitorNotation notation);

struct CapacitorMarking
{
    Decimal picofarads;
    CapacitorNotation notation = CapacitorNotation::Code;
    std::optional<QChar> toleranceLetter;
    QString tolerance; // "±10 %", "±0.25 pF", "+80 % −20 %"
    std::optional<Decimal> volts;
};
// "104", "104K 2A", "223J100V", "4R7", "47J", "4n7", "1000pF", ".047 400V", "102K 2KV": the value, an
// optional tolerance letter and an optional voltage (EIA code such as "2A", or volts written out such as
// "100V" or "2kV"). A marking that can be read two ways has both readings, the usual one first: "470" is
// 47 pF as a code, or 470 pF written out.
Result<std::vector<CapacitorMarking>> readCapacitor(const QString& code, const QLocale& locale = QLocale());

} // namespace markings
