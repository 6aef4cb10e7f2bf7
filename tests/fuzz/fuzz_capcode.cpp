// Capacitor codes of any text, in any locale: a marking or a reason, with a value and a voltage above zero.
#include "calculators/markings.h"
#include "fuzzing.h"

using namespace markings;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const QLocale locale = fuzzing::locale(data);
    const QString code = fuzzing::text(data, 32);
    const auto marking = readCapacitor(code, locale);
    fuzzing::require(marking.value.has_value() != !marking.reason.isEmpty(), "a marking or a reason", code);
    if (!marking)
        return 0;
    fuzzing::require(marking->picofarads.digits > 0, "a value above zero", code);
    fuzzing::require(!marking->volts || marking->volts->digits > 0, "a voltage above zero", code);
    fuzzing::require(marking->toleranceLetter.has_value() != marking->tolerance.isEmpty(),
                     "a tolerance letter is told", code);
    for (int scale : {0, 3, 6})
        decimalText(marking->picofarads, scale, QStringLiteral("F"), locale);
    return 0;
}
