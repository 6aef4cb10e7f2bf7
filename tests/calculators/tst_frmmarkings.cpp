// The component markings screen, driven from the main menu as a user drives it: every click and key shows
// its result at once.

#include "app/frmOne.h"
#include "app/module1.h"
#include "calculators/frmMarkings.h"
#include "support/program.h"

#include <QTest>

using namespace fw;
using fw::test::click;
using fw::test::paintedAt;
using fw::test::paintedCentre;
using fw::test::ProgramScope;
using fw::test::shownScreens;
using markings::Color;

namespace {
frmMarkings& openMarkings()
{
    Module1::Main();
    click(frmOne::get().Option9());
    return frmMarkings::get();
}

OptionButton* bandsOption(frmMarkings& m, int count)
{
    return m.control<OptionButton>(QStringLiteral("Option%1").arg(count - 2));
}

QColor painted(Color color)
{
    const markings::Rgb rgb = markings::bandColor(color).rgb;
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// The drawn bands as a user reads them: as many as the part has, each chosen one in its painted colour with
// its name and meaning under it.
void checkDrawn(frmMarkings& m, int count, const QStringList& colours, const QStringList& meanings)
{
    for (int i = 0; i < 6; ++i)
        QCOMPARE(Visible(m.band(i)), i < count);
    for (int i = 0; i < colours.size(); ++i) {
        const Color color = *markings::colorNamed(colours[i]);
        QVERIFY2(fw::test::paints(m.band(i), painted(color), 0.5), qPrintable(colours[i]));
        QCOMPARE(m.bandCaption(i)->text(), colours[i] + u'\n' + meanings[i]);
    }
}
// The names under the drawn bands that are chosen, in order.
QString drawnNames(frmMarkings& m)
{
    QStringList names;
    for (int i = 0; i < 6; ++i)
        if (Visible(m.band(i)) && !m.bandCaption(i)->text().isEmpty())
            names << m.bandCaption(i)->text().section(u'\n', 0, 0);
    return names.join(u' ');
}
} // namespace

class tst_frmmarkings : public QObject
{
    Q_OBJECT
private slots:
    void opensFromTheMenuAndReturnsToAFreshOne();
    void clickedBandsReadAtOnce_data();
    void clickedBandsReadAtOnce();
    void typedValueDrawsItsBands_data();
    void typedValueDrawsItsBands();
    void typedColoursAreDrawn();
    void codesReadAsTyped_data();
    void codesReadAsTyped();
    void benchCases_data();
    void benchCases();
    void markersShowOnEveryColour_data();
    void markersShowOnEveryColour();
};

void tst_frmmarkings::opensFromTheMenuAndReturnsToAFreshOne()
{
    ProgramScope program;
    program.services.display = QSizeF(1280 * 15, 1024 * 15);
    frmMarkings& m = openMarkings();
    QCOMPARE(shownScreens(), QStringList{"frmMarkings"});
    QVERIFY(!frmOne::get().isLoaded());
    QCOMPARE(m.window()->windowTitle(), QStringLiteral("Component Markings"));
    QCOMPARE(m.Top(), 300.0);
    QCOMPARE(m.Left(), (1280 * 15 - m.Width()) / 2.0);
    QVERIFY(m.Option2()->Value()); // 4 bands, none chosen yet
    QVERIFY(m.lblMessage()->text().isEmpty());
    click(m.cmdReturn());
    QCOMPARE(shownScreens(), QStringList{"frmOne"});
    QVERIFY(!m.isLoaded());
    QCOMPARE(frmOne::get().window()->size(), QSize(1280, 1024));
    QVERIFY(!frmOne::get().Option9()->Value());
    click(frmOne::get().Option9()); // and it opens again, afresh
    QCOMPARE(shownScreens(), QStringList{"frmMarkings"});
    QVERIFY(m.lblValue()->text().isEmpty());
    QCOMPARE(program.services.messages.size(), 0);
}

void tst_frmmarkings::clickedBandsReadAtOnce_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<QStringList>("meanings");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("more"); // a text the range, series, reverse or message line shows
    QTest::newRow("4 bands") << 4 << "yellow violet red gold" << QStringList{"4", "7", "×100", "±5 %"}
                             << "4.7 kΩ ±5 %"
                             << "4.465 kΩ to 4.935 kΩ";
    QTest::newRow("3 bands, no tolerance band")
        << 3 << "brown black black" << QStringList{"1", "0", "×1"} << "10 Ω ±20 %"
        << "8 Ω to 12 Ω";
    QTest::newRow("under 10 ohms") << 4 << "yellow violet gold gold" << QStringList{"4", "7", "×0.1", "±5 %"}
                                   << "4.7 Ω ±5 %"
                                   << "In E6, E12, E24 and E192.";
    QTest::newRow("5 bands, reversible")
        << 5 << "brown black black red brown" << QStringList{"1", "0", "0", "×100", "±1 %"} << "10 kΩ ±1 %"
        << "Read from the other end: 120 Ω ±1 %. Both are standard values: the tolerance band is the one set "
           "apart.";
    QTest::newRow("6 bands") << 6 << "brown black black red brown red"
                             << QStringList{"1", "0", "0", "×100", "±1 %", "50 ppm/K"} << "10 kΩ ±1 %"
                             << "9.9 kΩ to 10.1 kΩ, 50 ppm/K";
    QTest::newRow("gold first, read backwards")
        << 4 << "gold red violet yellow" << QStringList{"no digit", "2", "×10M", "±0.02 %"} << ""
        << "Gold stands for no digit, so it cannot be band 1. Read from the other end they mark 4.7 kΩ.";
    QTest::newRow("not done yet") << 4 << "yellow violet red" << QStringList{"4", "7", "×100"} << ""
                                  << "Click a colour for band 4";
}

void tst_frmmarkings::clickedBandsReadAtOnce()
{
    QFETCH(int, count);
    QFETCH(QString, clicks);
    QFETCH(QStringList, meanings);
    QFETCH(QString, value);
    QFETCH(QString, more);
    ProgramScope program;
    frmMarkings& m = openMarkings();
    click(bandsOption(m, count));
    const QStringList colours = clicks.split(u' ');
    for (const QString& name : colours)
        click(m.swatch(*markings::colorNamed(name)));
    checkDrawn(m, count, colours, meanings);
    QCOMPARE(m.lblValue()->text(), value);
    const QString shown =
        QStringList{m.lblSeries()->text(), m.lblReverse()->text(), m.lblMessage()->text()}.join(u'|');
    QVERIFY2(shown.contains(more), qPrintable(shown));
    QStringList words = colours;
    while (words.size() < count)
        words << QStringLiteral("?");
    QCOMPARE(m.txtValue()->text(), words.join(u' ')); // the box says the bands in words
    QCOMPARE(program.services.messages.size(), 0);    // a sentence on the screen, never a box
}

void tst_frmmarkings::typedValueDrawsItsBands_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("bands");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    QTest::newRow("4k7 on 4 bands") << 4 << "4k7"
                                    << "yellow violet red gold"
                                    << "4.7 kΩ ±5 %"
                                    << "";
    QTest::newRow("R47 on 4 bands") << 4 << "R47"
                                    << "yellow violet silver gold"
                                    << "0.47 Ω ±5 %"
                                    << "";
    QTest::newRow("2M2 on 5 bands") << 5 << "2M2 ohm"
                                    << "red red black yellow brown"
                                    << "2.2 MΩ ±1 %"
                                    << "";
    QTest::newRow("three figures on 4 bands") << 4 << "4.75k"
                                              << "yellow grey red gold"
                                              << "4.8 kΩ ±5 %"
                                              << "4.75 kΩ has more figures than 4 bands carry: they mark the "
                                                 "nearest, 4.8 kΩ. No tolerance typed: gold "
                                                 "(±5 %) assumed.";
    QTest::newRow("zero") << 4 << "0"
                          << "black"
                          << "0 Ω, a zero-ohm link"
                          << "";
    QTest::newRow("not a value")
        << 4 << "4k7x"
        << ""
        << ""
        << "\u201C4k7x\u201D is not a value: write digits, one decimal point and R, k, M or "
           "G.";
    QTest::newRow("negative") << 4 << "-10"
                              << ""
                              << ""
                              << "A resistance is never negative.";
}

void tst_frmmarkings::typedValueDrawsItsBands()
{
    QFETCH(int, count);
    QFETCH(QString, typed);
    QFETCH(QString, bands);
    QFETCH(QString, value);
    QFETCH(QString, message);
    ProgramScope program;
    frmMarkings& m = openMarkings();
    click(bandsOption(m, count));
    QTest::keyClicks(m.txtValue(), typed);
    QCOMPARE(drawnNames(m), bands);
    QCOMPARE(m.txtValue()->text(), typed); // what was typed stays as typed
    QCOMPARE(m.lblValue()->text(), value);
    if (!message.isEmpty())
        QCOMPARE(m.lblMessage()->text(), message);
    if (!bands.isEmpty())
        for (int i = 0; i < 6; ++i)
            QCOMPARE(Visible(m.band(i)), i < bands.count(u' ') + 1);
    QCOMPARE(program.services.messages.size(), 0);
}

// Bands typed as words draw the part; a value's tolerance is chosen on its band and kept on another band
// count.
void tst_frmmarkings::typedColoursAreDrawn()
{
    ProgramScope program;
    frmMarkings& m = openMarkings();
    QTest::keyClicks(m.txtValue(), "brown black black red brown brown");
    QVERIFY(m.Option4()->Value());
    QCOMPARE(m.lblValue()->text(), QStringLiteral("10 kΩ ±1 %"));
    QCOMPARE(m.bandCaption(5)->text(), QStringLiteral("brown\n100 ppm/K"));
    QTest::keyClicks(m.txtValue(), " purple");
    QVERIFY(
        m.lblMessage()->text().startsWith(QStringLiteral("\u201Cpurple\u201D is no band colour: black,")));
    QVERIFY(m.lblValue()->text().isEmpty());
    QCOMPARE(drawnNames(m), QString());
    click(m.Option2());
    m.txtValue()->clear();
    QTest::keyClicks(m.txtValue(), "4k7");
    click(m.band(3));
    click(m.swatch(Color::Red));
    QCOMPARE(drawnNames(m), QStringLiteral("yellow violet red red"));
    QCOMPARE(m.lblValue()->text(), QStringLiteral("4.7 kΩ ±2 %"));
    QCOMPARE(m.txtValue()->text(), QStringLiteral("4k7"));
    click(m.Option3());
    QCOMPARE(drawnNames(m), QStringLiteral("yellow violet black brown red"));
    click(m.Option1());
    QCOMPARE(m.lblValue()->text(), QStringLiteral("4.7 kΩ ±20 %"));
    // A digit band clicked makes a new part: the box then says its bands.
    click(m.band(0));
    click(m.swatch(Color::Blue));
    QCOMPARE(m.txtValue()->text(), QStringLiteral("blue violet red"));
    QCOMPARE(m.lblValue()->text(), QStringLiteral("6.7 kΩ ±20 %"));
}

void tst_frmmarkings::codesReadAsTyped_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("reads");
    QTest::newRow("3-digit") << "txtSmd"
                             << "472"
                             << "4.7 kΩ (3-digit code).";
    QTest::newRow("EIA-96") << "txtSmd"
                            << "01C"
                            << "10 kΩ (EIA-96 code).";
    QTest::newRow("both readings") << "txtSmd"
                                   << "47R"
                                   << "47 Ω (3-digit code); or 3.01 Ω (EIA-96 code).";
    QTest::newRow("no code") << "txtSmd"
                             << "98C"
                             << "EIA-96 codes are numbered 01 to 96; 98 is none of them.";
    QTest::newRow("capacitor") << "txtCap"
                               << "104K 2A"
                               << "100000 pF = 100 nF = 0.1 µF, ±10 % (K), rated 100 V.";
    QTest::newRow("capacitor, volts written") << "txtCap"
                                              << "223J100V"
                                              << "22000 pF = 22 nF = 0.022 µF, ±5 % (J), rated 100 V.";
    QTest::newRow("capacitor, x0.1") << "txtCap"
                                     << "479"
                                     << "4.7 pF = 0.0047 nF = 0.0000047 µF.";
    QTest::newRow("capacitor, bad letter")
        << "txtCap"
        << "104Q"
        << "Q is no tolerance letter: they are B, C, D, F, G, J, K, M and Z.";
}

void tst_frmmarkings::codesReadAsTyped()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, reads);
    ProgramScope program;
    frmMarkings& m = openMarkings();
    TextBox* entry = m.control<TextBox>(box);
    Label* result = box == QLatin1String("txtSmd") ? m.lblSmd() : m.lblCap();
    QTest::keyClicks(entry, typed);
    QCOMPARE(result->text(), reads);
    QTest::keyClick(entry, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(entry, Qt::Key_Delete);
    QVERIFY(result->text().isEmpty());
}

namespace {
// Puts back the program's locale when a test that changed it ends, passed or not.
struct LocaleGuard
{
    QLocale saved;
    ~LocaleGuard() { QLocale::setDefault(saved); }
};

// One user action: "5 bands", "click red red black", "band 1", "type 4k7", "cap 4n7", "clear" or "German" (a
// locale writing a decimal comma).
void act(frmMarkings& m, const QString& step)
{
    const QString rest = step.section(u' ', 1);
    if (step.endsWith(QLatin1String(" bands"))) {
        click(bandsOption(m, step.section(u' ', 0, 0).toInt()));
    } else if (step.startsWith(QLatin1String("click "))) {
        for (const QString& name : rest.split(u' '))
            click(m.swatch(*markings::colorNamed(name)));
    } else if (step.startsWith(QLatin1String("band "))) {
        click(m.band(rest.toInt() - 1));
    } else if (step.startsWith(QLatin1String("type ")) || step.startsWith(QLatin1String("cap "))) {
        TextBox* box = step.startsWith(u't') ? m.txtValue() : m.txtCap();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, rest);
    } else if (step == QLatin1String("clear")) {
        click(m.cmdClear());
    } else if (step == QLatin1String("German")) {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    } else {
        QFAIL(qPrintable(QStringLiteral("no such step: ") + step));
    }
}

// The band count the buttons show, 0 when none does; and it must be the count drawn.
int countShown(frmMarkings& m)
{
    int shown = 0;
    for (int count = 3; count <= 6; ++count)
        if (bandsOption(m, count)->Value())
            shown = shown ? -1 : count;
    return shown;
}

// Whether a label's text is laid out whole in it: no line cut off at the bottom, no word wider than it.
bool fits(const QLabel* label)
{
    const QRect room = label->contentsRect();
    const QFontMetrics metrics = label->fontMetrics();
    const QString text = label->text();
    for (const QString& word : QString(text).replace(u'\n', u' ').split(u' '))
        if (metrics.horizontalAdvance(word) > room.width())
            return false;
    return metrics.boundingRect(room, int(label->alignment()) | Qt::TextWordWrap, text).height() <=
           room.height();
}
} // namespace

// Markings as a technician meets them at the bench, each followed by what must show. Expectations: "control:
// text" for a label's or box's whole text, "count: n" for the band-count button chosen (and nothing drawn
// beyond it), "fits: control" for a caption laid out whole, "spoken: control" for a result read out as it
// reads.
void tst_frmmarkings::benchCases_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char* name, const char* steps, const char* expected) {
        QTest::newRow(name) << QString::fromUtf8(steps) << QString::fromUtf8(expected);
    };
    // The reading from the other end names the standard value, or what tells the two apart.
    row("2.2k 1 % both ways standard", "5 bands / click red red black brown brown",
        "lblReverse: Read from the other end: 11 kΩ ±2 %. Both are standard values; the tolerance colour "
        "favours 2.2 kΩ.");
    row("only the other end standard", "click brown violet red red",
        "lblReverse: Read from the other end: 220 MΩ ±1 %. 220 MΩ is the standard value.");
    // Capacitor markings with their units, in microfarads when a plain decimal, in kV, and both ways.
    row("plain decimal", "cap .01", "lblCap: 10000 pF = 10 nF = 0.01 µF (a plain decimal: microfarads).");
    row("kilovolts", "cap 102K 2KV", "lblCap: 1000 pF = 1 nF = 0.001 µF, ±10 % (K), rated 2 kV.");
    row("with its unit", "cap 1000pF", "lblCap: 1000 pF = 1 nF = 0.001 µF.");
    row("code or written out", "cap 470",
        "lblCap: 47 pF = 0.047 nF = 0.000047 µF (3-figure code); or 470 pF = 0.47 nF = 0.00047 µF "
        "(picofarads "
        "written out).");
    // A refused entry changes nothing; a value typed without a tolerance says what it assumed.
    row("seven bands refused", "type brown black red gold brown black red",
        "count: 4 | lblValue:  | lblMessage: A resistor has 3, 4, 5 or 6 bands, or the one black band of a "
        "zero-ohm link.");
    row("value after a refused entry", "type brown black red gold brown black red / type 4k7",
        "count: 4 | lblValue: 4.7 kΩ ±5 % | lblMessage: No tolerance typed: gold (±5 %) assumed.");
    // The buttons always show the count drawn; a new count starts at band 1; Clear empties the part.
    row("zero-ohm start keeps 6 bands", "6 bands / type 0R22", "count: 6 | lblValue: 0.22 Ω ±1 %");
    row("one colour refused", "type brown", "count: 4 | lblValue: ");
    row("zero-ohm link keeps the count", "5 bands / type black", "count: 5 | lblValue: 0 Ω, a zero-ohm link");
    row("new count starts at band 1", "click yellow violet red gold / 5 bands / click brown",
        "count: 5 | txtValue: brown ? ? ? ? | lblMessage: Click a colour for band 2.");
    row("clear", "click yellow violet red gold / clear", "count: 4 | txtValue:  | lblValue:  | lblMessage: ");
    row("clear, then a value", "5 bands / type 4k7 1% / clear / type 1k",
        "count: 5 | lblValue: 1 kΩ ±1 % | lblMessage: No tolerance typed: brown (±1 %) assumed.");
    // Captions of three lines are whole.
    row("no tolerance caption", "click red red black white",
        "lblBand4: white\nno tolerance | fits: lblBand4");
    row("coefficient caption", "6 bands / click brown black black red brown brown",
        "lblBand6: brown\n100 ppm/K | fits: lblBand6");
    row("no coefficient caption", "6 bands / click brown black black red brown white",
        "lblBand6: white\nno coefficient | fits: lblBand6");
    // Bench notation: a decimal comma where the locale writes one, and a tolerance typed.
    row("decimal comma and tolerance", "German / 5 bands / type 4,7k 5%", "lblValue: 4,7 kΩ ±5 %");
    row("tolerance in percent", "5 bands / type 4k7 5%", "lblValue: 4.7 kΩ ±5 % | lblMessage: ");
    row("tolerance letter", "5 bands / type 4k7J", "lblValue: 4.7 kΩ ±5 % | lblBand5: gold\n±5 %");
    row("20 % typed on 5 bands", "5 bands / type 4k7M",
        "count: 5 | lblValue:  | lblMessage: ±20 % is a part without a tolerance band: choose 3 bands and "
        "type the "
        "value alone.");
    row("tolerance on 3 bands", "3 bands / type 4k7 5%",
        "lblValue: 4.7 kΩ ±20 % | lblMessage: Three bands carry no tolerance: they mean ±20 %.");
    // Results are read out by what they say.
    row("reading spoken", "type 4k7J", "spoken: lblValue | spoken: lblSeries | spoken: lblSmdCodes");
    row("capacitor spoken", "cap 104K 2A", "spoken: lblCap");
}

void tst_frmmarkings::benchCases()
{
    QFETCH(QString, steps);
    QFETCH(QString, expected);
    ProgramScope program;
    LocaleGuard locale;
    frmMarkings& m = openMarkings();
    for (const QString& step : steps.split(QStringLiteral(" / ")))
        act(m, step);
    for (const QString& expectation : expected.split(QStringLiteral(" | "))) {
        const QString key = expectation.section(QStringLiteral(": "), 0, 0);
        const QString value = expectation.section(QStringLiteral(": "), 1);
        if (key == QLatin1String("count")) {
            QCOMPARE(countShown(m), value.toInt());
            QVERIFY(value.toInt() == 6 || !Visible(m.band(value.toInt())));
        } else if (key == QLatin1String("fits")) {
            QVERIFY2(fits(m.control<Label>(value)), qPrintable(m.control<Label>(value)->text()));
        } else if (key == QLatin1String("spoken")) {
            const Label* result = m.control<Label>(value);
            QVERIFY(!result->text().isEmpty());
            QCOMPARE(result->accessibleName(), result->text());
        } else if (key.startsWith(QLatin1String("txt"))) {
            QCOMPARE(m.control<TextBox>(key)->text(), value);
        } else {
            QCOMPARE(m.control<Label>(key)->text(), value);
        }
    }
    QCOMPARE(program.services.messages.size(), 0);
}

// The outline of the band the next colour goes to, and the focus ring of a swatch, show on every colour.
void tst_frmmarkings::markersShowOnEveryColour_data()
{
    QTest::addColumn<int>("color");
    for (const markings::BandColor& c : markings::bandColors())
        QTest::newRow(c.name) << int(c.color);
}

void tst_frmmarkings::markersShowOnEveryColour()
{
    QFETCH(int, color);
    ProgramScope program;
    frmMarkings& m = openMarkings();
    Label* swatch = m.swatch(Color(color));
    click(swatch);
    click(m.band(0)); // the coloured band is the next again
    const QPoint edge(1, m.band(0)->height() / 2);
    const int contrast =
        qAbs(qGray(paintedAt(m.band(0), edge).rgb()) - qGray(paintedCentre(m.band(0)).rgb()));
    QVERIFY2(contrast >= 100, qPrintable(QString::number(contrast)));

    const QPoint left(0, swatch->height() / 2);
    QVERIFY(qGray(paintedAt(swatch, left + QPoint(1, 0)).rgb()) > 60 ||
            qGray(paintedAt(swatch, left + QPoint(2, 0)).rgb()) < 195); // no ring without the focus
    swatch->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(swatch->hasFocus());
    QCOMPARE(qGray(paintedAt(swatch, left + QPoint(1, 0)).rgb()) <= 60, true);  // black outside
    QCOMPARE(qGray(paintedAt(swatch, left + QPoint(2, 0)).rgb()) >= 195, true); // white inside
}

FW_TEST_MAIN(tst_frmmarkings)
#include "tst_frmmarkings.moc"
