#include "runtime/convert.h"

#include <QTest>

#include <limits>

using namespace fw::convert;

class tst_convert : public QObject
{
    Q_OBJECT
private slots:
    void toInt16_data();
    void toInt16();
    void toDouble_data();
    void toDouble();
    void numberText_data();
    void numberText();
    void formatPattern_data();
    void formatPattern();
};

void tst_convert::toInt16_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("value");
    QTest::newRow("whole") << "C"
                           << "42" << true << 42;
    QTest::newRow("blanks around") << "C"
                                   << "  7 " << true << 7;
    QTest::newRow("2.5 rounds down to even") << "C"
                                             << "2.5" << true << 2;
    QTest::newRow("3.5 rounds up to even") << "C"
                                           << "3.5" << true << 4;
    QTest::newRow("13.5 to 14") << "C"
                                << "13.5" << true << 14;
    QTest::newRow("-2.5 to -2") << "C"
                                << "-2.5" << true << -2;
    QTest::newRow("2.51 to 3") << "C"
                               << "2.51" << true << 3;
    QTest::newRow("upper bound") << "C"
                                 << "32767" << true << 32767;
    QTest::newRow("lower bound") << "C"
                                 << "-32768" << true << -32768;
    QTest::newRow("32767.5 overflows") << "C"
                                       << "32767.5" << false << 0;
    QTest::newRow("-32768.5 stays in range") << "C"
                                             << "-32768.5" << true << -32768;
    QTest::newRow("-32769 overflows") << "C"
                                      << "-32769" << false << 0;
    QTest::newRow("99999 overflows") << "C"
                                     << "99999" << false << 0;
    QTest::newRow("letters") << "C"
                             << "abc" << false << 0;
    QTest::newRow("empty") << "C"
                           << "" << false << 0;
    QTest::newRow("blank") << "C"
                           << "   " << false << 0;
    QTest::newRow("trailing junk") << "C"
                                   << "12abc" << false << 0;
    QTest::newRow("huge") << "C"
                          << "1e308" << false << 0;
    QTest::newRow("German comma") << "de_DE"
                                  << "2,5" << true << 2;
    QTest::newRow("German 3,5") << "de_DE"
                                << "3,5" << true << 4;
}

void tst_convert::toInt16()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(int, value);
    const auto result = fw::convert::toInt16(text, QLocale(locale));
    QCOMPARE(result.has_value(), ok);
    if (ok)
        QCOMPARE(int(*result), value);
}

void tst_convert::toDouble_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<double>("value");
    QTest::newRow("decimal") << "C"
                             << "4.7" << true << 4.7;
    QTest::newRow("negative") << "C"
                              << "-0.25" << true << -0.25;
    QTest::newRow("exponent") << "C"
                              << "1e3" << true << 1000.0;
    QTest::newRow("largest") << "C"
                             << "1e308" << true << 1e308;
    QTest::newRow("beyond double") << "C"
                                   << "1e309" << false << 0.0;
    QTest::newRow("infinity word") << "C"
                                   << "inf" << false << 0.0;
    QTest::newRow("not a number word") << "C"
                                       << "nan" << false << 0.0;
    QTest::newRow("empty") << "C"
                           << "" << false << 0.0;
    QTest::newRow("letters") << "C"
                             << "ohm" << false << 0.0;
    QTest::newRow("German decimal comma") << "de_DE"
                                          << "4,7" << true << 4.7;
    // Both decimal marks where the other cannot be a digit group.
    for (const char* locale : {"es_ES", "pt_BR"}) {
        QTest::addRow("%s decimal comma", locale) << locale << "4,7" << true << 4.7;
        QTest::addRow("%s decimal point", locale) << locale << "4.7" << true << 4.7;
        QTest::addRow("%s thousands", locale) << locale << "12.700" << true << 12700.0;
        QTest::addRow("%s both marks", locale) << locale << "12.345,5" << true << 12345.5;
    }
    QTest::newRow("English decimal comma") << "en_US"
                                           << "4,7" << false << 0.0;
    QTest::newRow("English thousands") << "en_US"
                                       << "4,700" << true << 4700.0;
}

void tst_convert::toDouble()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(double, value);
    const auto result = fw::convert::toDouble(text, QLocale(locale));
    QCOMPARE(result.has_value(), ok);
    if (ok)
        QCOMPARE(*result, value);
}

void tst_convert::numberText_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("a third of ten") << "C" << 10.0 / 3 << "3.33333333333333";
    QTest::newRow("whole") << "C" << 6.0 << "6";
    QTest::newRow("zero") << "C" << 0.0 << "0";
    QTest::newRow("negative zero") << "C" << -0.0 << "0";
    QTest::newRow("4.7 has no rounding tail") << "C" << 0.47 * 10 << "4.7";
    QTest::newRow("0.47") << "C" << 47 * 0.01 << "0.47";
    QTest::newRow("0.001") << "C" << 0.001 << "0.001";
    QTest::newRow("negative") << "C" << -2.5 << "-2.5";
    QTest::newRow("no group separator") << "C" << 1234567.0 << "1234567";
    QTest::newRow("fifteen digits") << "C" << 123456789012345.0 << "123456789012345";
    QTest::newRow("exponent when too long") << "C" << 1e15 << "1E+15";
    QTest::newRow("largest double reads back")
        << "C" << std::numeric_limits<double>::max() << "1.79769313486231E+308";
    QTest::newRow("most negative double")
        << "C" << -std::numeric_limits<double>::max() << "-1.79769313486231E+308";
    QTest::newRow("just under the rounding edge") << "C" << 1.7976931348623149e308 << "1.79769313486231E+308";
    QTest::newRow("German comma") << "de_DE" << 4.7 << "4,7";
    QTest::newRow("German, no group dot") << "de_DE" << 47000.0 << "47000";
}

void tst_convert::numberText()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(QString, text);
    const QString written = fw::convert::numberText(value, QLocale(locale));
    QCOMPARE(written, text);
    QVERIFY2(fw::convert::toDouble(written, QLocale(locale)).has_value(), "what is written reads back");
}

void tst_convert::formatPattern_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");
    QTest::newRow("below one starts at the point") << "C" << 0.159 << "#####.000"
                                                   << ".159";
    QTest::newRow("half") << "C" << 0.5 << "#####.000"
                          << ".500";
    QTest::newRow("whole gets fixed decimals") << "C" << 1884.0 << "#####.000"
                                               << "1884.000";
    QTest::newRow("two decimals") << "C" << 1884.0 << "#####.00"
                                  << "1884.00";
    QTest::newRow("rounded") << "C" << 59.5831 << "#####.00"
                             << "59.58";
    QTest::newRow("one decimal") << "C" << 159.2357 << "#####.0"
                                 << "159.2";
    QTest::newRow("digits beyond the pattern") << "C" << 1234567.0 << "###.000"
                                               << "1234567.000";
    QTest::newRow("four decimals") << "C" << 50.0 << "#####.0000"
                                   << "50.0000";
    QTest::newRow("54.5455") << "C" << 600.0 / 11 << "#####.0000"
                             << "54.5455";
    QTest::newRow("zero") << "C" << 0.0 << "#####.000"
                          << ".000";
    QTest::newRow("rounds up into the integer") << "C" << 0.9996 << "#####.000"
                                                << "1.000";
    QTest::newRow("negative") << "C" << -2.25 << "#####.00"
                              << "-2.25";
    QTest::newRow("rounded to zero has no sign") << "C" << -0.0001 << "#####.000"
                                                 << ".000";
    QTest::newRow("German") << "de_DE" << 0.159 << "#####.000"
                            << ",159";
    QTest::newRow("German whole") << "de_DE" << 1884.0 << "#####.00"
                                  << "1884,00";
}

void tst_convert::formatPattern()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QCOMPARE(fw::convert::formatPattern(value, pattern, QLocale(locale)), text);
}

QTEST_GUILESS_MAIN(tst_convert)
#include "tst_convert.moc"
