#pragma once
// Component markings, read and written: resistor colour bands (IEC 60062:2016), the preferred-number
// series E6 to E192 (IEC 60063), SMD resistor codes (3-digit, 4-digit, EIA-96) and capacitor codes
// ("104K 2A"). No widgets. Values are exact decimals, so that 4.7 Ω never turns into 4.699999 Ω; every
// reader returns a value or a sentence saying why there is none, and never throws.
//
// Each subject has a file of its own; this header names them all.

#include "calculators/bands.h"
#include "calculators/capcode.h"
#include "calculators/decimal.h"
#include "calculators/eseries.h"
#include "calculators/reversedreading.h"
#include "calculators/smdcode.h"
#include "calculators/values.h"
