// What the component markings screen reads out: the bands' value, range, series, other end and SMD codes, and
// the readings of an SMD code and a capacitor marking.

#include "calculators/frmMarkings.h"
#include "calculators/markingsview.h"

#include <QCoreApplication>

#include <algorithm>

using namespace fw;
using namespace markings;
using namespace markingsview;

namespace {
QString joined(const QStringList& items)
{
    if (items.size() < 2)
        return items.join(QString());
    return QCoreApplication::translate("frmMarkings", "%1 and %2", "the last two of a list")
        .arg(items.mid(0, items.size() - 1).join(QStringLiteral(", ")), items.back());
}
} // namespace

void frmMarkings::showReading()
{
    for (Label* text : {lblValue(), lblSeries(), lblReverse(), lblSmdCodes()})
        showResult(text, {});
    showResult(lblMessage(), m_note);
    const auto unset = std::find(m_bands.begin(), m_bands.end(), std::nullopt);
    if (unset != m_bands.end()) {
        // Once a part is begun, the next band to choose; a fresh screen has its heading to go by.
        const bool begun =
            std::any_of(m_bands.begin(), m_bands.end(), [](const auto& b) { return b.has_value(); });
        if (m_note.isEmpty() && begun)
            showResult(lblMessage(), tr("Click a colour for band %1.").arg(unset - m_bands.begin() + 1));
        return;
    }
    std::vector<Color> bands;
    for (const auto& b : m_bands)
        bands.push_back(*b);
    const Result<BandReading> reading = readBands(bands);
    const std::optional<BandReading> reversed = readReversed(bands);
    if (!reading) {
        QString why = reading.reason;
        if (reversed)
            why += tr(" Read from the other end they mark %1.").arg(ohmsText(reversed->ohms));
        showResult(lblMessage(), m_note.isEmpty() ? why : m_note);
        return;
    }
    if (reading->zeroOhm) {
        showResult(lblValue(), tr("0 \u03A9, a zero-ohm link"));
        return;
    }
    showResult(lblValue(), ohmsText(reading->ohms) + u' ' + percentText(*reading->tolerance));
    const auto [least, most] = toleranceRange(reading->ohms, *reading->tolerance);
    QString range = tr("From %1 to %2").arg(ohmsText(least), ohmsText(most));
    if (reading->temperatureCoefficient)
        range += QStringLiteral(", %1 ppm/K").arg(*reading->temperatureCoefficient);

    QStringList in;
    for (Series s : kAllSeries)
        if (inSeries(reading->ohms, s))
            in << seriesName(s);
    const Series own = seriesForTolerance(*reading->tolerance);
    const auto [below, above] = neighbours(reading->ohms, own);
    showResult(lblSeries(), range + QStringLiteral(". ") +
                                (in.isEmpty() ? tr("In no E-series.") : tr("In %1.").arg(joined(in))) +
                                tr(" Nearest in %1 (%2): %3 below, %4 above.")
                                    .arg(seriesName(own), percentText(*reading->tolerance), ohmsText(below),
                                         ohmsText(above)));

    if (const std::optional<Ends> ends = compareEnds(bands)) {
        const QString forward = ohmsText(reading->ohms), backward = ohmsText(reversed->ohms);
        const bool both = ends->forwardStandard && ends->reversedStandard;
        QString which;
        switch (ends->favoured) {
        case End::Neither:
            which = tr("Neither is a standard value.");
            break;
        case End::Either:
            which = tr("Both are standard values: the tolerance band is the one set apart.");
            break;
        case End::Forward:
        case End::Reversed: {
            const QString favoured = ends->favoured == End::Forward ? forward : backward;
            which = both ? tr("Both are standard values; the tolerance colour favours %1.").arg(favoured)
                         : tr("%1 is the standard value.").arg(favoured);
        }
        }
        showResult(
            lblReverse(),
            tr("Read from the other end: %1 %2. %3").arg(backward, percentText(*reversed->tolerance), which));
    }

    QStringList codes;
    for (SmdFamily family : {SmdFamily::ThreeDigit, SmdFamily::FourDigit, SmdFamily::Eia96}) {
        const auto code = smdCode(reading->ohms, family);
        codes << familyName(family) + u' ' + (code ? *code : tr("none"));
    }
    showResult(lblSmdCodes(), tr("As SMD codes: ") + codes.join(QStringLiteral(", ")) + u'.');
}

void frmMarkings::txtSmd_Change()
{
    const QString code = txtSmd()->text();
    if (code.trimmed().isEmpty()) {
        showResult(lblSmd(), {});
        return;
    }
    const auto readings = readSmd(code);
    if (!readings) {
        showResult(lblSmd(), readings.reason);
        return;
    }
    QStringList said;
    for (const SmdReading& r : *readings)
        said << QStringLiteral("%1 (%2)").arg(ohmsText(r.ohms), familyName(r.family));
    showResult(lblSmd(), said.join(tr("; or ")) + u'.');
}

void frmMarkings::txtCap_Change()
{
    const QString code = txtCap()->text();
    if (code.trimmed().isEmpty()) {
        showResult(lblCap(), {});
        return;
    }
    const auto readings = readCapacitor(code);
    if (!readings) {
        showResult(lblCap(), readings.reason);
        return;
    }
    // Every reading in full; how it was read where the marking leaves a doubt or the unit unwritten.
    QStringList said;
    for (const CapacitorMarking& marking : *readings) {
        const Decimal pf = marking.picofarads;
        QString text =
            QStringLiteral("%1 = %2 = %3")
                .arg(decimalText(pf, 0, QStringLiteral("pF")), decimalText(pf, 3, QStringLiteral("nF")),
                     decimalText(pf, 6, QStringLiteral("\u00B5F")));
        if (readings->size() > 1 || marking.notation == CapacitorNotation::Microfarads)
            text += QStringLiteral(" (%1)").arg(notationName(marking.notation));
        if (marking.toleranceLetter)
            text += QStringLiteral(", %1 (%2)").arg(marking.tolerance, *marking.toleranceLetter);
        if (marking.volts) {
            const bool kilovolts = *marking.volts >= Decimal::of(1, 3);
            text += tr(", rated %1")
                        .arg(decimalText(*marking.volts, kilovolts ? 3 : 0,
                                         kilovolts ? QStringLiteral("kV") : QStringLiteral("V")));
        }
        said << text;
    }
    showResult(lblCap(), said.join(tr("; or ")) + u'.');
}
