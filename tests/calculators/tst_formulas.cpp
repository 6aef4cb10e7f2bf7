// The formula rules on their own: which rule applies, what is refused, and the reciprocal totals. The
// worked values of every rule are checked through the screen in tst_frmformulas.

#include "calculators/formulas.h"

#include <QTest>

#include <cmath>

using namespace fw::formulas;

Q_DECLARE_METATYPE(fw::formulas::Status)
Q_DECLARE_METATYPE(fw::formulas::Added)

namespace {
const Rules& rulesNamed(const QString& group)
{
    if (group == QLatin1String("ohm"))
        return ohmsLawRules();
    if (group == QLatin1String("power"))
        return powerRules();
    if (group == QLatin1String("resonance"))
        return resonanceRules();
    if (group == QLatin1String("capacitive"))
        return capacitiveRules();
    return inductiveRules();
}

// "1=12" enters 12 as quantity 1.
QPair<int, double> entry(const QString& text)
{
    const QStringList parts = text.split(u'=');
    return {parts[0].toInt(), parts[1].toDouble()};
}

QStringList texts(const Outcome& outcome)
{
    QStringList list;
    for (const Written& written : outcome.written)
        list << QString::number(written.quantity) + u'=' + written.text;
    return list;
}
} // namespace

class tst_formulas : public QObject
{
    Q_OBJECT
private slots:
    void enter_data();
    void enter();
    void refusedEntryKeepsTheValues_data();
    void refusedEntryKeepsTheValues();
    void resultsFollowTheLocale();
    void quantity_data();
    void quantity();
    void addValue_data();
    void addValue();
    void totalText_data();
    void totalText();
};

void tst_formulas::enter_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QStringList>("entries"); // quantity=value, entered in order
    QTest::addColumn<Status>("status");       // of the last entry
    QTest::addColumn<QStringList>("written"); // by the last entry, in the C locale's figures
    // A result with a decimal is written again with the decimal comma of a German desktop.
    const auto row = [](const char* name, const char* group, const QStringList& entries, Status status,
                        const QStringList& written) {
        QTest::newRow(name) << QStringLiteral("C") << QString::fromLatin1(group) << entries << status
                            << written;
        if (written.join(QString()).contains(u'.')) {
            QStringList comma = written;
            comma.replaceInStrings(QStringLiteral("."), QStringLiteral(","));
            QTest::addRow("%s, de_DE", name)
                << QStringLiteral("de_DE") << QString::fromLatin1(group) << entries << status << comma;
        }
    };
    row("one value computes nothing", "ohm", QStringList{"0=12"}, Status::Nothing, QStringList{});
    row("zero is not given", "ohm", QStringList{"0=12", "1=0"}, Status::Nothing, QStringList{});
    row("zero then a real pair", "ohm", QStringList{"1=0", "0=12", "2=4"}, Status::Computed,
        QStringList{"1=3"});
    row("first rule wins over a new resistance", "ohm", QStringList{"0=12", "1=2", "2=4"}, Status::Computed,
        QStringList{"2=6"});
    row("negative values compute", "ohm", QStringList{"0=-12", "1=4"}, Status::Computed, QStringList{"2=-3"});
    row("power from a product too large", "power", QStringList{"0=1e308", "1=10"}, Status::TooLarge,
        QStringList{});
    row("ohms from a quotient too large", "ohm", QStringList{"0=1e308", "1=1e-10"}, Status::TooLarge,
        QStringList{});
    row("F and W form no rule", "resonance", QStringList{"2=5", "3=60"}, Status::Nothing, QStringList{});
    row("negative L x C", "resonance", QStringList{"1=-10", "0=100"}, Status::NegativeProduct, QStringList{});
    row("L and C both negative", "resonance", QStringList{"1=-10", "0=-100"}, Status::Computed,
        QStringList{"2=5.035", "3=59.58"});
    row("L x C too small for the root", "resonance", QStringList{"1=1e-200", "0=1e-200"}, Status::TooLarge,
        QStringList{});
    row("wavelength from a vanishing frequency", "resonance", QStringList{"1=1e200", "0=1e200"},
        Status::TooLarge, QStringList{});
    row("rule 3 writes F then L", "resonance", QStringList{"3=60", "0=100"}, Status::Computed,
        QStringList{"2=5.000", "1=10.132"});
    row("reactance too large", "capacitive", QStringList{"0=1e-300", "1=1e-300"}, Status::TooLarge,
        QStringList{});
    row("inductive, same inputs, other rule", "inductive", QStringList{"0=10", "1=1"}, Status::Computed,
        QStringList{"2=62.8"});
}

void tst_formulas::enter()
{
    QFETCH(QString, locale);
    QFETCH(QString, group);
    QFETCH(QStringList, entries);
    QFETCH(Status, status);
    QFETCH(QStringList, written);
    Values values{};
    Outcome outcome;
    for (const QString& text : entries) {
        const auto [quantity, value] = entry(text);
        outcome = fw::formulas::enter(rulesNamed(group), values, quantity, value, QLocale(locale));
    }
    QCOMPARE(outcome.status, status);
    QCOMPARE(texts(outcome), written);
}

void tst_formulas::refusedEntryKeepsTheValues_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("refused");
    QTest::newRow("overflow") << "power"
                              << "0=1e308"
                              << "1=10";
    QTest::newRow("negative product") << "resonance"
                                      << "1=-10"
                                      << "0=100";
}

void tst_formulas::refusedEntryKeepsTheValues()
{
    QFETCH(QString, group);
    QFETCH(QString, before);
    QFETCH(QString, refused);
    Values values{};
    const auto [first, firstValue] = entry(before);
    fw::formulas::enter(rulesNamed(group), values, first, firstValue, QLocale::c());
    const Values kept = values;
    const auto [second, secondValue] = entry(refused);
    const Outcome outcome = fw::formulas::enter(rulesNamed(group), values, second, secondValue, QLocale::c());
    QVERIFY(outcome.status != Status::Computed);
    QVERIFY(outcome.written.empty());
    QCOMPARE(values, kept);
}

void tst_formulas::resultsFollowTheLocale()
{
    const QLocale german(QLocale::German, QLocale::Germany);
    Values values{};
    fw::formulas::enter(ohmsLawRules(), values, ohm::Volts, 10, german);
    QCOMPARE(texts(fw::formulas::enter(ohmsLawRules(), values, ohm::Amps, 3, german)),
             QStringList{"2=3,33333333333333"});
    values = {};
    fw::formulas::enter(resonanceRules(), values, resonance::Capacitance, 1000, german);
    QCOMPARE(texts(fw::formulas::enter(resonanceRules(), values, resonance::Inductance, 1000, german)),
             (QStringList{"2=,159", "3=1884,00"}));
}

void tst_formulas::quantity_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count"); // 0: refused
    QTest::newRow("whole") << "C"
                           << "3" << 3;
    QTest::newRow("2.5 is 2") << "C"
                              << "2.5" << 2;
    QTest::newRow("3.5 is 4") << "C"
                              << "3.5" << 4;
    QTest::newRow("0.6 is 1") << "C"
                              << "0.6" << 1;
    QTest::newRow("largest") << "C"
                             << "32767" << 32767;
    QTest::newRow("0.5 rounds to 0") << "C"
                                     << "0.5" << 0;
    QTest::newRow("zero") << "C"
                          << "0" << 0;
    QTest::newRow("negative") << "C"
                              << "-3" << 0;
    QTest::newRow("letters") << "C"
                             << "abc" << 0;
    QTest::newRow("beyond 16 bits") << "C"
                                    << "40000" << 0;
    QTest::newRow("empty") << "C"
                           << "" << 0;
    QTest::newRow("German 2,5") << "de_DE"
                                << "2,5" << 2;
}

void tst_formulas::quantity()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(int, count);
    const auto result = fw::formulas::quantity(text, QLocale(locale));
    QCOMPARE(result.has_value(), count != 0);
    if (result)
        QCOMPARE(int(*result), count);
}

void tst_formulas::addValue_data()
{
    QTest::addColumn<int>("remaining");
    QTest::addColumn<double>("sum");
    QTest::addColumn<bool>("given"); // false: the box held no number
    QTest::addColumn<double>("value");
    QTest::addColumn<Added>("status");
    QTest::addColumn<int>("remainingAfter");
    QTest::addColumn<double>("total");
    QTest::newRow("counted") << 2 << 0.0 << true << 100.0 << Added::Counted << 1 << 0.0;
    QTest::newRow("last gives the total") << 1 << 0.01 << true << 100.0 << Added::Total << 0 << 50.0;
    QTest::newRow("nothing awaited") << 0 << 0.0 << true << 100.0 << Added::NoQuantity << 0 << 0.0;
    QTest::newRow("after a total") << 0 << 0.02 << true << 100.0 << Added::NoQuantity << 0 << 0.0;
    QTest::newRow("not a number") << 2 << 0.0 << false << 0.0 << Added::NotPositive << 2 << 0.0;
    QTest::newRow("zero") << 2 << 0.0 << true << 0.0 << Added::NotPositive << 2 << 0.0;
    QTest::newRow("negative") << 2 << 0.0 << true << -5.0 << Added::NotPositive << 2 << 0.0;
    QTest::newRow("reciprocal too large") << 2 << 0.0 << true << 1e-320 << Added::TooLarge << 2 << 0.0;
}

void tst_formulas::addValue()
{
    QFETCH(int, remaining);
    QFETCH(double, sum);
    QFETCH(bool, given);
    QFETCH(double, value);
    QFETCH(Added, status);
    QFETCH(int, remainingAfter);
    QFETCH(double, total);
    Reciprocal series{static_cast<std::int16_t>(remaining), sum};
    const Addition added = fw::formulas::addValue(series, given ? std::optional(value) : std::nullopt);
    QCOMPARE(added.status, status);
    QCOMPARE(int(series.remaining), remainingAfter);
    if (status == Added::Total)
        QCOMPARE(added.total, total);
    if (status != Added::Counted && status != Added::Total)
        QCOMPARE(series.sum, sum); // a refused value adds nothing
}

void tst_formulas::totalText_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("total");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("text");
    QTest::newRow("resistors") << "C" << 50.0 << " Ohms"
                               << "50.0000 Ohms";
    QTest::newRow("below one") << "C" << 0.5 << " MFD"
                               << ".5000 MFD";
    QTest::newRow("no kind chosen") << "C" << 5.0 << ""
                                    << "5.0000";
    QTest::newRow("German") << "de_DE" << 0.5 << " MFD"
                            << ",5000 MFD";
}

void tst_formulas::totalText()
{
    QFETCH(QString, locale);
    QFETCH(double, total);
    QFETCH(QString, suffix);
    QFETCH(QString, text);
    QCOMPARE(fw::formulas::totalText(total, suffix, QLocale(locale)), text);
}

QTEST_GUILESS_MAIN(tst_formulas)
#include "tst_formulas.moc"
