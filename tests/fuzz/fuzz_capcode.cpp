// Capacitor markings of any text, in any locale: readings or a reason; every reading has a value above zero
// and what the marking carries besides, and a second reading is the code's figures written out.
#include "calculators/markings.h"
#include "fuzzing.h"

using namespace markings;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const QLocale locale = fuzzing::locale(data);
    const QString code = fuzzing::text(data, 32);
    const auto readings = readCapacitor(code, locale);
    fuzzing::require(readings.value.has_value() != !readings.reason.isEmpty(), "readings or a reason", code);
    if (!readings)
        return 0;
    fuzzing::require(readings->size() == 1 || readings->size() == 2, "one reading, or two", code);
    const CapacitorMarking& first = readings->front();
    if (readings->size() == 2) {
        const CapacitorMarking& second = readings->back();
        fuzzing::require(first.notation == CapacitorNotation::Code &&
                             second.notation == CapacitorNotation::Picofarads,
                         "the code first, then written out", code);
        fuzzing::require(second.picofarads ==
                             Decimal::of(first.picofarads.digits, first.picofarads.exponent + 1),
                         "written out is ten times the code", code);
        fuzzing::require(second.tolerance == first.tolerance && second.volts == first.volts,
                         "both readings carry the same tolerance and voltage", code);
    }
    for (const CapacitorMarking& marking : *readings) {
        fuzzing::require(marking.picofarads.digits > 0, "a value above zero", code);
        fuzzing::require(!marking.volts || marking.volts->digits > 0, "a voltage above zero", code);
        fuzzing::require(marking.toleranceLetter.has_value() != marking.tolerance.isEmpty(),
                         "a tolerance letter is told", code);
        for (int scale : {0, 3, 6})
            decimalText(marking.picofarads, scale, QStringLiteral("F"), locale);
        notationName(marking.notation);
    }
    return 0;
}
