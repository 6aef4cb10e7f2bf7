// Component markings without a window: colour bands, values as typed, E-series, SMD and capacitor codes.

#include "calculators/markings.h"

#include <QRegularExpression>
#include <QTest>

using namespace markings;

namespace {
const QLocale c = QLocale::c();

std::vector<Color> colors(const QString& names)
{
    std::vector<Color> bands;
    for (const QString& name : names.split(u' ', Qt::SkipEmptyParts))
        bands.push_back(*colorNamed(name));
    return bands;
}

QString readingText(const BandReading& r, const QLocale& l = c)
{
    QString text = ohmsText(r.ohms, l);
    if (r.tolerance)
        text += u' ' + percentText(*r.tolerance, l);
    if (r.temperatureCoefficient)
        text += QStringLiteral(" %1 ppm/K").arg(*r.temperatureCoefficient);
    return text;
}

// What a marking reads, as one line: the value (all readings of an SMD code) and what else it carries.
QString read(const QString& kind, const QString& marking, const QLocale& l = c)
{
    if (kind == QLatin1String("bands")) {
        const auto r = readBands(colors(marking));
        return r ? readingText(*r, l) : QStringLiteral("refused");
    }
    if (kind == QLatin1String("reversed")) {
        const auto r = readReversed(colors(marking));
        return r ? readingText(*r, l) : QStringLiteral("none");
    }
    if (kind == QLatin1String("smd")) {
        const auto r = readSmd(marking);
        if (!r)
            return QStringLiteral("refused");
        QStringList values;
        for (const SmdReading& s : *r)
            values << ohmsText(s.ohms, l);
        return values.join(QStringLiteral(" | "));
    }
    const auto r = readCapacitor(marking, l);
    if (!r)
        return QStringLiteral("refused");
    QStringList readings;
    for (const CapacitorMarking& m : *r) {
        QString text = decimalText(m.picofarads, 3, QStringLiteral("nF"), l);
        if (m.toleranceLetter)
            text += u' ' + m.tolerance;
        if (m.volts)
            text += u' ' + decimalText(*m.volts, 0, QStringLiteral("V"), l);
        readings << text;
    }
    return readings.join(QStringLiteral(" | "));
}

// Every value of a series from 0.1 ohm to 100 megohms.
std::vector<Decimal> decades(Series series)
{
    std::vector<Decimal> values;
    for (int decade = -3; decade <= 5; ++decade)
        for (int v : seriesValues(series))
            values.push_back(Decimal::of(v, decade));
    values.push_back(Decimal::of(1, 8));
    return values;
}
} // namespace

class tst_markings : public QObject
{
    Q_OBJECT
private slots:
    void knownMarkings_data();
    void knownMarkings();
    void refusalsSayWhy_data();
    void refusalsSayWhy();
    void valuesAsTyped_data();
    void valuesAsTyped();
    void seriesFollowTheStandard();
    void neighboursInTheSeries_data();
    void neighboursInTheSeries();
    void bandsRoundTripEverySeriesValue();
    void smdCodesRoundTripEverySeriesValue();
    void everyEia96CodeWithEveryLetter();
    void bandsForTellWhatTheyCannotMark_data();
    void bandsForTellWhatTheyCannotMark();
    void toleranceRangeIsExact_data();
    void toleranceRangeIsExact();
    void capacitorNotations_data();
    void capacitorNotations();
    void valuesWithTolerance_data();
    void valuesWithTolerance();
    void whichEndIsStandard_data();
    void whichEndIsStandard();
    void everyE24ValueAtOnePercentReadsForward();
};

// Markings as parts carry them, with their readings in the colour code charts, SMD code tables and
// capacitor code tables that makers and schools publish.
void tst_markings::knownMarkings_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("marking");
    QTest::addColumn<QString>("reads");
    // A reading with a decimal is written again with the decimal comma of a German desktop; the marking stays
    // as the maker prints it.
    const auto row = [](const char* kind, const char* marking, const char* reads) {
        QTest::addRow("%s %s", kind, marking) << QStringLiteral("C") << QString::fromLatin1(kind)
                                              << QString::fromUtf8(marking) << QString::fromUtf8(reads);
        const QRegularExpression decimal(QStringLiteral("\\d\\.\\d"));
        if (QString::fromUtf8(reads).contains(decimal))
            QTest::addRow("%s %s, de_DE", kind, marking)
                << QStringLiteral("de_DE") << QString::fromLatin1(kind) << QString::fromUtf8(marking)
                << QString::fromUtf8(reads).replace(u'.', u',');
    };
    row("bands", "yellow violet red gold", "4.7 kΩ ±5 %");
    row("bands", "brown black orange gold", "10 kΩ ±5 %");
    row("bands", "red red brown gold", "220 Ω ±5 %");
    row("bands", "brown black black", "10 Ω ±20 %"); // no tolerance band
    row("bands", "yellow violet brown", "470 Ω ±20 %");
    row("bands", "yellow violet gold gold", "4.7 Ω ±5 %"); // under 10 ohms: gold multiplier
    row("bands", "brown black gold gold", "1 Ω ±5 %");
    row("bands", "red red silver gold", "0.22 Ω ±5 %"); // silver multiplier
    row("bands", "brown black silver silver", "0.1 Ω ±10 %");
    row("bands", "orange orange gold silver", "3.3 Ω ±10 %");
    row("bands", "brown black green gold", "1 MΩ ±5 %");
    row("bands", "blue grey blue silver", "68 MΩ ±10 %");
    row("bands", "brown black white gold", "10 GΩ ±5 %");       // white multiplier
    row("bands", "brown black black brown", "10 Ω ±1 %");       // black multiplier is x1
    row("bands", "brown black black brown brown", "1 kΩ ±1 %"); // the same first colours on 5 bands
    row("bands", "brown black black red", "10 Ω ±2 %");
    row("bands", "brown black black red brown", "10 kΩ ±1 %");
    row("bands", "yellow violet black brown brown", "4.7 kΩ ±1 %");
    row("bands", "red red black black brown", "220 Ω ±1 %");
    row("bands", "orange orange black silver brown", "3.3 Ω ±1 %");
    row("bands", "yellow violet black gold brown", "47 Ω ±1 %");
    row("bands", "brown black black pink violet", "0.1 Ω ±0.1 %");
    row("bands", "white brown brown brown green", "9.11 kΩ ±0.5 %");
    row("bands", "blue grey black brown blue", "6.8 kΩ ±0.25 %");
    row("bands", "brown black black brown brown brown", "1 kΩ ±1 % 100 ppm/K");
    row("bands", "red red black red red red", "22 kΩ ±2 % 50 ppm/K");
    row("bands", "yellow violet black orange violet black", "470 kΩ ±0.1 % 250 ppm/K");
    row("bands", "green blue black black grey yellow", "560 Ω ±0.01 % 25 ppm/K");
    row("bands", "orange white white brown orange orange", "3.99 kΩ ±0.05 % 15 ppm/K");
    row("bands", "black", "0 Ω");
    // Read from the other end: a valid marking too, or none.
    row("reversed", "brown black black red brown", "120 Ω ±1 %"); // brown red black black brown
    row("reversed", "yellow violet red gold", "none");            // gold cannot lead
    row("reversed", "brown black red brown", "12 Ω ±1 %");        // brown red black brown
    row("reversed", "red violet red red", "220 MΩ ±2 %");         // red red violet red
    row("smd", "103", "10 kΩ");
    row("smd", "472", "4.7 kΩ");
    row("smd", "4R7", "4.7 Ω");
    row("smd", "R10", "0.1 Ω");
    row("smd", "000", "0 Ω");
    row("smd", "1002", "10 kΩ");
    row("smd", "49R9", "49.9 Ω");
    row("smd", "R047", "0.047 Ω");
    row("smd", "4991", "4.99 kΩ");
    row("smd", "01C", "10 kΩ");
    row("smd", "68X", "49.9 Ω");
    row("smd", "01Z", "0.1 Ω");
    row("smd", "96F", "97.6 MΩ");
    row("smd", "47R", "47 Ω | 3.01 Ω"); // 3-digit first, and the EIA-96 reading with R for Y
    row("cap", "104", "100 nF");
    row("cap", "104K 2A", "100 nF ±10 % 100 V");
    row("cap", "223J100V", "22 nF ±5 % 100 V");
    row("cap", "473M 1H", "47 nF ±20 % 50 V");
    row("cap", "102", "1 nF");
    row("cap", "229", "0.0022 nF"); // 8 and 9 as third figures: x0.01 and x0.1
    row("cap", "108", "0.0001 nF");
    row("cap", "4R7C", "0.0047 nF ±0.25 pF");
    row("cap", "47J", "0.047 nF ±5 %");
    row("cap", "105Z 1E", "1000 nF +80 % −20 % 25 V");
    row("cap", "1042A", "100 nF 100 V");
    row("cap", "333K 2J", "33 nF ±10 % 630 V");
    row("cap", "152 1V", "1.5 nF 35 V");
    row("cap", "104k 6.3V", "100 nF ±10 % 6.3 V");
}

void tst_markings::knownMarkings()
{
    QFETCH(QString, locale);
    QFETCH(QString, kind);
    QFETCH(QString, marking);
    QFETCH(QString, reads);
    QCOMPARE(read(kind, marking, QLocale(locale)), reads);
}

void tst_markings::refusalsSayWhy_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("marking");
    QTest::addColumn<QString>("because"); // a word the sentence must hold
    QTest::newRow("gold first") << "bands"
                                << "gold red brown"
                                << "Gold";
    QTest::newRow("silver second") << "bands"
                                   << "red silver brown gold"
                                   << "band 2";
    QTest::newRow("pink as a digit") << "bands"
                                     << "red red pink brown gold"
                                     << "band 3";
    QTest::newRow("black first") << "bands"
                                 << "black red brown gold"
                                 << "Black";
    QTest::newRow("white as tolerance") << "bands"
                                        << "red red brown white"
                                        << "tolerance";
    QTest::newRow("gold as coefficient") << "bands"
                                         << "red red black brown brown gold"
                                         << "temperature";
    QTest::newRow("two bands") << "bands"
                               << "red red"
                               << "3, 4, 5 or 6";
    QTest::newRow("seven bands") << "bands"
                                 << "red red red red red red red"
                                 << "3, 4, 5 or 6";
    QTest::newRow("one red band") << "bands"
                                  << "red"
                                  << "zero-ohm";
    QTest::newRow("smd eia 97") << "smd"
                                << "97A"
                                << "01 to 96";
    QTest::newRow("smd five characters") << "smd"
                                         << "10023"
                                         << "3 or 4";
    QTest::newRow("smd reads zero") << "smd"
                                    << "005"
                                    << "zero";
    QTest::newRow("smd letters") << "smd"
                                 << "4K7"
                                 << "no SMD";
    QTest::newRow("smd empty") << "smd"
                               << "  "
                               << "code";
    QTest::newRow("cap third figure 7") << "cap"
                                        << "107"
                                        << "7";
    QTest::newRow("cap zero") << "cap"
                              << "000"
                              << "0 pF";
    QTest::newRow("cap tolerance letter") << "cap"
                                          << "104X"
                                          << "tolerance letter";
    QTest::newRow("cap voltage letter") << "cap"
                                        << "104K 2X"
                                        << "voltage";
    QTest::newRow("cap trailing") << "cap"
                                  << "104K 2A junk"
                                  << "JUNK";
    QTest::newRow("cap no value") << "cap"
                                  << "K"
                                  << "begins";
    QTest::newRow("cap zero volts") << "cap"
                                    << "104 00V"
                                    << "0 V";
}

void tst_markings::refusalsSayWhy()
{
    QFETCH(QString, kind);
    QFETCH(QString, marking);
    QFETCH(QString, because);
    QString reason;
    if (kind == QLatin1String("bands"))
        reason = readBands(colors(marking)).reason;
    else if (kind == QLatin1String("smd"))
        reason = readSmd(marking).reason;
    else
        reason = readCapacitor(marking, c).reason;
    QVERIFY2(reason.contains(because), qPrintable(reason));
    QVERIFY(reason.endsWith(u'.'));
}

void tst_markings::valuesAsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("value"); // or the word the refusal holds, after "refused: "
    QTest::newRow("plain") << "4700"
                           << "C"
                           << "4.7 kΩ";
    QTest::newRow("point and prefix") << "4.7k"
                                      << "C"
                                      << "4.7 kΩ";
    QTest::newRow("letter as point") << "4k7"
                                     << "C"
                                     << "4.7 kΩ";
    QTest::newRow("capital K") << "4K7"
                               << "C"
                               << "4.7 kΩ";
    QTest::newRow("R as point") << "1R5"
                                << "C"
                                << "1.5 Ω";
    QTest::newRow("R first") << "R47"
                             << "C"
                             << "0.47 Ω";
    QTest::newRow("mega") << "2M2"
                          << "C"
                          << "2.2 MΩ";
    QTest::newRow("giga") << "1G"
                          << "C"
                          << "1 GΩ";
    QTest::newRow("ohm sign") << "4.7 kΩ"
                              << "C"
                              << "4.7 kΩ";
    QTest::newRow("ohm word") << "470 ohm"
                              << "C"
                              << "470 Ω";
    QTest::newRow("ohms word") << "10 Ohms"
                               << "C"
                               << "10 Ω";
    QTest::newRow("R after") << "47R"
                             << "C"
                             << "47 Ω";
    QTest::newRow("leading zeros") << "0047"
                                   << "C"
                                   << "47 Ω";
    QTest::newRow("trailing point zeros") << "1.500k"
                                          << "C"
                                          << "1.5 kΩ";
    QTest::newRow("fraction") << "0.1"
                              << "C"
                              << "0.1 Ω";
    QTest::newRow("point first") << ".47"
                                 << "C"
                                 << "0.47 Ω";
    QTest::newRow("zero") << "0"
                          << "C"
                          << "0 Ω";
    QTest::newRow("German comma") << "4,7k"
                                  << "de_DE"
                                  << "4,7 kΩ";
    QTest::newRow("point in German") << "4.7k"
                                     << "de_DE"
                                     << "4,7 kΩ";
    QTest::newRow("comma in C") << "4,700"
                                << "C"
                                << "refused: not a value";
    QTest::newRow("empty") << ""
                           << "C"
                           << "refused: Type";
    QTest::newRow("negative") << "-47"
                              << "C"
                              << "refused: negative";
    QTest::newRow("milli") << "2m2"
                           << "C"
                           << "refused: milli";
    QTest::newRow("two letters") << "4k7M"
                                 << "C"
                                 << "refused: Only one";
    QTest::newRow("point and letter point") << "4.7k2"
                                            << "C"
                                            << "refused: not a value";
    QTest::newRow("two points") << "4.7.1"
                                << "C"
                                << "refused: not a value";
    QTest::newRow("space inside") << "4 700"
                                  << "C"
                                  << "refused: not a value";
    QTest::newRow("letter only") << "k"
                                 << "C"
                                 << "refused: digit";
    QTest::newRow("too large") << "1000G"
                               << "C"
                               << "refused: Too large";
    QTest::newRow("too small") << "0.0001"
                               << "C"
                               << "refused: Too small";
    QTest::newRow("too many figures") << "1.234567890123456k"
                                      << "C"
                                      << "refused: figures";
    QTest::newRow("exponent") << "4.7e3"
                              << "C"
                              << "refused: not a value";
}

void tst_markings::valuesAsTyped()
{
    QFETCH(QString, typed);
    QFETCH(QString, locale);
    QFETCH(QString, value);
    const QLocale l(locale);
    const auto parsed = parseOhms(typed, l);
    if (value.startsWith(QLatin1String("refused: "))) {
        QVERIFY(!parsed);
        QVERIFY2(parsed.reason.contains(value.mid(9)), qPrintable(parsed.reason));
    } else {
        QVERIFY2(parsed, qPrintable(parsed.reason));
        QCOMPARE(ohmsText(*parsed, l), value);
    }
}

void tst_markings::seriesFollowTheStandard()
{
    const struct
    {
        Series series;
        int count;
        int in, out; // a value listed, and one that the rounded rule would give instead
    } cases[] = {
        {Series::E6, 6, 470, 560},     {Series::E12, 12, 560, 510},   {Series::E24, 24, 270, 260},
        {Series::E24, 24, 820, 830},   {Series::E48, 48, 953, 976},   {Series::E96, 96, 976, 920},
        {Series::E192, 192, 920, 919}, {Series::E192, 192, 988, 990},
    };
    for (const auto& s : cases) {
        QCOMPARE(int(seriesValues(s.series).size()), s.count);
        QVERIFY2(inSeries(Decimal::of(s.in, -1), s.series), qPrintable(seriesName(s.series)));
        QVERIFY2(!inSeries(Decimal::of(s.out, 4), s.series), qPrintable(seriesName(s.series)));
    }
    // Each series holds the one before it (E48 does not hold E24).
    for (int i = 1; i < 6; ++i)
        for (int v : seriesValues(kAllSeries[i - 1]))
            if (i != 3) // E48 is not a superset of E24
                QVERIFY(inSeries(Decimal::of(v), kAllSeries[i]));
    QVERIFY(!inSeries(Decimal::of(4701, -1), Series::E192)); // four figures are in no series
    QCOMPARE(seriesForTolerance(Decimal::of(20)), Series::E6);
    QCOMPARE(seriesForTolerance(Decimal::of(5)), Series::E24);
    QCOMPARE(seriesForTolerance(Decimal::of(1)), Series::E96);
    QCOMPARE(seriesForTolerance(Decimal::of(5, -1)), Series::E192);
}

void tst_markings::neighboursInTheSeries_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("series");
    QTest::addColumn<QString>("below");
    QTest::addColumn<QString>("above");
    QTest::newRow("between, E24") << "5k" << int(Series::E24) << "4.7 kΩ"
                                  << "5.1 kΩ";
    QTest::newRow("listed, E12") << "4k7" << int(Series::E12) << "3.9 kΩ"
                                 << "5.6 kΩ";
    QTest::newRow("across the decade, E6") << "9k" << int(Series::E6) << "6.8 kΩ"
                                           << "10 kΩ";
    QTest::newRow("at the decade, E6") << "10k" << int(Series::E6) << "6.8 kΩ"
                                       << "15 kΩ";
    QTest::newRow("E96") << "4k7" << int(Series::E96) << "4.64 kΩ"
                         << "4.75 kΩ";
    QTest::newRow("E192 exception") << "9.195" << int(Series::E192) << "9.09 Ω"
                                    << "9.2 Ω";
}

void tst_markings::neighboursInTheSeries()
{
    QFETCH(QString, value);
    QFETCH(int, series);
    QFETCH(QString, below);
    QFETCH(QString, above);
    const auto [b, a] = neighbours(*parseOhms(value, c), static_cast<Series>(series));
    QCOMPARE(ohmsText(b, c), below);
    QCOMPARE(ohmsText(a, c), above);
}

// Value to bands to value: 4 bands for E6 to E24, 5 and 6 bands for every series.
void tst_markings::bandsRoundTripEverySeriesValue()
{
    for (Series series : kAllSeries)
        for (const Decimal& value : decades(series))
            for (int count : {4, 5, 6}) {
                if (count == 4 && series > Series::E24)
                    continue;
                const auto marking = bandsFor(value, count, Decimal::of(1), 50);
                QVERIFY2(marking && marking->exact, qPrintable(ohmsText(value, c)));
                QCOMPARE(int(marking->bands.size()), count);
                const auto reading = readBands(marking->bands);
                QVERIFY2(reading, qPrintable(reading.reason));
                QCOMPARE(ohmsText(reading->ohms, c), ohmsText(value, c));
                QCOMPARE(reading->tolerance, Decimal::of(1));
                QCOMPARE(reading->temperatureCoefficient, count == 6 ? std::optional(50) : std::nullopt);
            }
}

// Value to SMD code to value, for every family that can write the value: the 3-digit code every E6 to E24
// value, EIA-96 every E48 and E96 value, the 4-digit code them all.
void tst_markings::smdCodesRoundTripEverySeriesValue()
{
    for (Series series : kAllSeries)
        for (const Decimal& value : decades(series)) {
            const bool twoFigures = series <= Series::E24;
            // EIA-96 letters reach 97.6 megohms.
            const bool e96 = (series == Series::E48 || series == Series::E96) && value < Decimal::of(1, 8);
            for (SmdFamily family : {SmdFamily::ThreeDigit, SmdFamily::FourDigit, SmdFamily::Eia96}) {
                const auto code = smdCode(value, family);
                const bool writable =
                    family == SmdFamily::FourDigit || (family == SmdFamily::ThreeDigit ? twoFigures : e96);
                if (!writable && !code)
                    continue;
                QVERIFY2(code, qPrintable(ohmsText(value, c) + u' ' + familyName(family)));
                const auto readings = readSmd(*code);
                QVERIFY2(readings, qPrintable(*code + u' ' + readings.reason));
                QCOMPARE(readings->front().family, family);
                QCOMPARE(ohmsText(readings->front().ohms, c), ohmsText(value, c));
            }
        }
}

void tst_markings::everyEia96CodeWithEveryLetter()
{
    const struct
    {
        char letter;
        int exponent;
    } letters[] = {{'Z', -3}, {'Y', -2}, {'R', -2}, {'X', -1}, {'S', -1}, {'A', 0},
                   {'B', 1},  {'H', 1},  {'C', 2},  {'D', 3},  {'E', 4},  {'F', 5}};
    const auto e96 = seriesValues(Series::E96);
    for (int index = 1; index <= 96; ++index)
        for (const auto& l : letters) {
            const QString code =
                QStringLiteral("%1%2").arg(index, 2, 10, QLatin1Char('0')).arg(QLatin1Char(l.letter));
            const auto readings = readSmd(code);
            QVERIFY2(readings, qPrintable(code));
            const SmdReading& eia = readings->back();
            QCOMPARE(eia.family, SmdFamily::Eia96);
            QCOMPARE(eia.ohms, Decimal::of(e96[static_cast<std::size_t>(index - 1)], l.exponent));
        }
}

void tst_markings::bandsForTellWhatTheyCannotMark_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("bands");
    QTest::addColumn<QString>("colours"); // or the refusal's word
    QTest::addColumn<bool>("exact");
    QTest::newRow("three figures on four bands") << "4.75k" << 4 << "yellow grey red gold" << false;
    QTest::newRow("rounds up across a decade") << "9.96k" << 4 << "brown black orange gold" << false;
    QTest::newRow("exact on five") << "4.75k" << 5 << "yellow violet green brown gold" << true;
    QTest::newRow("three bands") << "47k" << 3 << "yellow violet orange" << true;
    QTest::newRow("zero") << "0" << 5 << "black" << true;
    QTest::newRow("under an ohm on four") << "0.47" << 4 << "yellow violet silver gold" << true;
    QTest::newRow("under 0.1 on four") << "0.047" << 4 << "yellow violet pink gold" << true;
    QTest::newRow("too small") << "0.001" << 5 << "refused: Too small" << true;
    QTest::newRow("too large") << "100G" << 4 << "refused: Too large" << true;
}

void tst_markings::bandsForTellWhatTheyCannotMark()
{
    QFETCH(QString, value);
    QFETCH(int, bands);
    QFETCH(QString, colours);
    QFETCH(bool, exact);
    const auto marking = bandsFor(*parseOhms(value, c), bands, Decimal::of(5));
    if (colours.startsWith(QLatin1String("refused: "))) {
        QVERIFY(!marking);
        QVERIFY2(marking.reason.contains(colours.mid(9)), qPrintable(marking.reason));
        return;
    }
    QVERIFY2(marking, qPrintable(marking.reason));
    QStringList names;
    for (Color color : marking->bands)
        names << QString::fromLatin1(bandColor(color).name);
    QCOMPARE(names.join(u' '), colours);
    QCOMPARE(marking->exact, exact);
}

void tst_markings::toleranceRangeIsExact_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("percent");
    QTest::addColumn<QString>("range");
    QTest::newRow("5 %") << "4k7"
                         << "5"
                         << "4.465 kΩ to 4.935 kΩ";
    QTest::newRow("20 %, small") << "4R7"
                                 << "20"
                                 << "3.76 Ω to 5.64 Ω";
    QTest::newRow("0.01 %") << "976k"
                            << "0.01"
                            << "975.9024 kΩ to 976.0976 kΩ";
}

void tst_markings::toleranceRangeIsExact()
{
    QFETCH(QString, value);
    QFETCH(QString, percent);
    QFETCH(QString, range);
    const auto [least, most] = toleranceRange(*parseOhms(value, c), *parseOhms(percent, c));
    QCOMPARE(ohmsText(least, c) + QStringLiteral(" to ") + ohmsText(most, c), range);
}

// Capacitor values as film, ceramic and line-stage parts carry them, each with the way it is written.
void tst_markings::capacitorNotations_data()
{
    QTest::addColumn<QString>("marking");
    QTest::addColumn<QString>("reads"); // in nF, every reading
    QTest::addColumn<int>("notation");  // of the first reading
    const auto row = [](const char* marking, const char* reads, CapacitorNotation notation) {
        QTest::newRow(marking) << QString::fromUtf8(marking) << QString::fromUtf8(reads) << int(notation);
    };
    row("4n7", "4.7 nF", CapacitorNotation::WithUnit);
    row("2u2", "2200 nF", CapacitorNotation::WithUnit);
    row("p47", "0.00047 nF", CapacitorNotation::WithUnit);
    row("47p", "0.047 nF", CapacitorNotation::WithUnit);
    row("1000pF", "1 nF", CapacitorNotation::WithUnit);
    row("100n", "100 nF", CapacitorNotation::WithUnit);
    row("10µ", "10000 nF", CapacitorNotation::WithUnit);
    row("10μ", "10000 nF", CapacitorNotation::WithUnit); // the Greek letter
    row("10uF 16V", "10000 nF 16 V", CapacitorNotation::WithUnit);
    row("4n7J 1.5kV", "4.7 nF ±5 % 1500 V", CapacitorNotation::WithUnit);
    row(".01", "10 nF", CapacitorNotation::Microfarads);
    row("0.1", "100 nF", CapacitorNotation::Microfarads);
    row("102K 2KV", "1 nF ±10 % 2000 V", CapacitorNotation::Code);
    row("102K 1kV", "1 nF ±10 % 1000 V", CapacitorNotation::Code);
    row("102K 2K", "1 nF ±10 % 800 V", CapacitorNotation::Code); // the EIA voltage code 2K
    row("470", "0.047 nF | 0.47 nF", CapacitorNotation::Code);   // code first, then written out
    row("100K", "0.01 nF ±10 % | 0.1 nF ±10 %", CapacitorNotation::Code);
    row("n", "refused", CapacitorNotation::Code);
    row(".", "refused", CapacitorNotation::Code);
    row("123456789p", "refused", CapacitorNotation::Code);
}

void tst_markings::capacitorNotations()
{
    QFETCH(QString, marking);
    QFETCH(QString, reads);
    QFETCH(int, notation);
    QCOMPARE(read(QStringLiteral("cap"), marking), reads);
    if (const auto r = readCapacitor(marking, c))
        QCOMPARE(int(r->front().notation), notation);
}

void tst_markings::valuesWithTolerance_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("reads"); // or the word the refusal holds, after "refused: "
    QTest::newRow("percent") << "4k7 5%"
                             << "C"
                             << "4.7 kΩ ±5 %";
    QTest::newRow("plus-minus, spaced") << "4k7 ±0.5 %"
                                        << "C"
                                        << "4.7 kΩ ±0.5 %";
    QTest::newRow("letter") << "4k7J"
                            << "C"
                            << "4.7 kΩ ±5 %";
    QTest::newRow("letter, spaced") << "4k7 F"
                                    << "C"
                                    << "4.7 kΩ ±1 %";
    QTest::newRow("K after letter point") << "4k7K"
                                          << "C"
                                          << "4.7 kΩ ±10 %";
    QTest::newRow("K as kilo") << "47K"
                               << "C"
                               << "47 kΩ";
    QTest::newRow("kilo then letter") << "47KJ"
                                      << "C"
                                      << "47 kΩ ±5 %";
    QTest::newRow("decimal comma, percent") << "4,7k 0,5%"
                                            << "de_DE"
                                            << "4,7 kΩ ±0,5 %";
    QTest::newRow("no band for 3 %") << "4k7 3%"
                                     << "C"
                                     << "refused: No band";
    QTest::newRow("no tolerance letter") << "4k7X"
                                         << "C"
                                         << "refused: not a value";
    QTest::newRow("20 % by letter") << "4k7M"
                                    << "C"
                                    << "refused: without a tolerance band";
    QTest::newRow("20 % in percent") << "4k7 20%"
                                     << "C"
                                     << "refused: without a tolerance band";
    QTest::newRow("Z on a resistor") << "4k7Z"
                                     << "C"
                                     << "refused: not a value";
}

void tst_markings::valuesWithTolerance()
{
    QFETCH(QString, typed);
    QFETCH(QString, locale);
    QFETCH(QString, reads);
    const QLocale l(locale);
    const auto parsed = parseValue(typed, l);
    if (reads.startsWith(QLatin1String("refused: "))) {
        QVERIFY(!parsed);
        QVERIFY2(parsed.reason.contains(reads.mid(9)), qPrintable(parsed.reason));
        return;
    }
    QVERIFY2(parsed, qPrintable(parsed.reason));
    QString shown = ohmsText(parsed->ohms, l);
    if (parsed->tolerance)
        shown += u' ' + percentText(*parsed->tolerance, l);
    QCOMPARE(shown, reads);
}

void tst_markings::whichEndIsStandard_data()
{
    QTest::addColumn<QString>("bands");
    QTest::addColumn<QString>("ends"); // forward standard, reversed standard, favoured
    QTest::newRow("2.2k 1 %, 11k 2 %") << "red red black brown brown"
                                       << "yes yes forward";
    QTest::newRow("47k 1 %, 1.2G 0.02 %") << "yellow violet black red brown"
                                          << "yes yes forward";
    QTest::newRow("4.7k 1 % 6 bands, 111 0.1 %") << "yellow violet black brown brown brown"
                                                 << "yes yes forward";
    QTest::newRow("10k 1 %, 120 1 %") << "brown black black red brown"
                                      << "yes yes either";
    QTest::newRow("1.7k 2 %, 220M 1 %") << "brown violet red red"
                                        << "no yes reversed";
    QTest::newRow("1.7k 0.1 %, 720M 1 %") << "brown violet red violet"
                                          << "no no neither";
    QTest::newRow("3 bands, both standard") << "red red brown"
                                            << "yes yes either";
    QTest::newRow("one end only") << "yellow violet red gold"
                                  << "none";
    QTest::newRow("same both ways") << "red red red red"
                                    << "none";
}

void tst_markings::whichEndIsStandard()
{
    QFETCH(QString, bands);
    QFETCH(QString, ends);
    const auto compared = compareEnds(colors(bands));
    if (!compared) {
        QCOMPARE(QStringLiteral("none"), ends);
        return;
    }
    static const char* favoured[] = {"forward", "reversed", "either", "neither"};
    const auto yes = [](bool b) { return QString::fromLatin1(b ? "yes" : "no"); };
    QCOMPARE(yes(compared->forwardStandard) + u' ' + yes(compared->reversedStandard) + u' ' +
                 QString::fromLatin1(favoured[int(compared->favoured)]),
             ends);
}

// 1 % parts are made in the E24 values too: read either way, the forward reading is standard and never
// loses to the other end.
void tst_markings::everyE24ValueAtOnePercentReadsForward()
{
    int reversible = 0;
    for (const Decimal& value : decades(Series::E24)) {
        const auto marking = bandsFor(value, 5, Decimal::of(1));
        QVERIFY(marking);
        QVERIFY2(isStandard(value, Decimal::of(1)), qPrintable(ohmsText(value, c)));
        const auto compared = compareEnds(marking->bands);
        if (!compared)
            continue;
        ++reversible;
        QVERIFY2(compared->forwardStandard, qPrintable(ohmsText(value, c)));
        QVERIFY2(compared->favoured == End::Forward || compared->favoured == End::Either,
                 qPrintable(ohmsText(value, c)));
    }
    QVERIFY(reversible > 100); // most of them read from the other end as well
}

QTEST_GUILESS_MAIN(tst_markings)
#include "tst_markings.moc"
