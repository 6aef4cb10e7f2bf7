// The channel/frequency converter, driven as a user drives it.

#include "app/frmOne.h"
#include "calculators/frmFreq.h"
#include "support/program.h"

#include <QScrollBar>
#include <QStyleOptionFrame>
#include <QTest>

using namespace fw;
using fw::test::click;
using fw::test::ProgramScope;
using fw::test::shownScreens;

namespace {
const QString kTitle = QStringLiteral("Channel out of range");

// Makes `locale` the user's locale for the scope's life.
class DefaultLocale
{
public:
    explicit DefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~DefaultLocale() { QLocale::setDefault(m_previous); }
    DefaultLocale(const DefaultLocale&) = delete;
    DefaultLocale& operator=(const DefaultLocale&) = delete;

private:
    QLocale m_previous;
};

frmFreq& showConverter()
{
    frmFreq::get().Show();
    return frmFreq::get();
}

// Types over whatever Text8 holds, as a user who selects it all first; Enter only when asked.
void typeChannel(const QString& text, bool enter = true)
{
    TextBox* box = frmFreq::get().Text8();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
    if (enter)
        QTest::keyClick(box, Qt::Key_Return);
}

// The seven outputs in the order lower edge, upper edge, video, colour and sound carriers, centre,
// oscillator.
QStringList outputs()
{
    frmFreq& f = frmFreq::get();
    return {f.Text5()->Text(), f.Text6()->Text(), f.Text1()->Text(), f.Text3()->Text(),
            f.Text4()->Text(), f.Text2()->Text(), f.Text7()->Text()};
}

QStringList allBoxes()
{
    return outputs() << frmFreq::get().Text8()->Text();
}

const QStringList kEmpty(7);
const QStringList kEightEmpty(8);

QStringList channel2()
{
    return {"54",
            "60",
            "Video Carrier= 55.25",
            "Color Carrier= 58.83",
            "Sound Carrier= 59.75",
            "Center frequency= 57",
            "Oscillator frequency= 101"};
}
QStringList channel14()
{
    return {"470",
            "476",
            "Video Carrier= 471.25",
            "Color Carrier= 474.83",
            "Sound Carrier= 475.75",
            "Center frequency= 473",
            "Oscillator frequency= 517"};
}
QStringList channel83()
{
    return {"884",
            "890",
            "Video Carrier= 885.25",
            "Color Carrier= 888.83",
            "Sound Carrier= 889.75",
            "Center frequency= 887",
            "Oscillator frequency= 931"};
}
} // namespace

class tst_frmfreq : public QObject
{
    Q_OBJECT
private slots:
    void opensCentredWithEmptyBoxes();
    void enterConverts_data();
    void enterConverts();
    void channelOverAnotherReplacesEveryOutput();
    void rejections_data();
    void rejections();
    void clearEmptiesEveryBox();
    void germanDecimalComma();
    void focusReturnsToTheChannelOnActivation();
    void returnButtonsUnload_data();
    void returnButtonsUnload();
    void planControlsDisturbNothing();
    void otherPlanConverts_data();
    void otherPlanConverts();
    void otherPlanRejectsForeignChannel();
    void frequencyListsChannels_data();
    void frequencyListsChannels();
    void resultsReadWhole_data();
    void resultsReadWhole();
    void spectrumFollowsThePlan();
    void showsTheLastChannelWhole_data();
    void showsTheLastChannelWhole();
};

void tst_frmfreq::opensCentredWithEmptyBoxes()
{
    ProgramScope program;
    program.services.display = QSizeF(1280 * 15, 1024 * 15);
    frmFreq& f = showConverter();
    QWidget* window = f.window();
    QCOMPARE(shownScreens(), QStringList{"frmFreq"});
    QCOMPARE(window->windowTitle(), QStringLiteral("Channel?Frequency Convertor"));
    QCOMPARE(window->size(), QSize(653, 674));
    QCOMPARE(window->pos(), QPoint(640 - 326, 20)); // (1280 - 653) / 2 rounded, 300 twips down
    QCOMPARE(allBoxes(), kEightEmpty);
    QCOMPARE(f.Picture1()->pictureSize(), QSize(145, 70));
    QVERIFY(fw::test::paints(f.Label3(), colors::darkBlue, 0.05));
    QCOMPARE(ForeColor(f.Label1()), colors::blue); // too small a text to find a pure blue pixel in
}

void tst_frmfreq::enterConverts_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("2") << "2" << channel2();
    QTest::newRow("83") << "83" << channel83();
    QTest::newRow("13.5 rounds to even") << "13.5" << channel14();
}

void tst_frmfreq::enterConverts()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, expected);
    ProgramScope program;
    frmFreq& f = showConverter();
    typeChannel(typed, false);
    QCOMPARE(f.Text8()->Text(), typed);
    QCOMPARE(outputs(), kEmpty); // nothing is computed before Enter
    QTest::keyClick(f.Text8(), Qt::Key_Return);
    QCOMPARE(outputs(), expected);
    QCOMPARE(f.Text8()->Text(), typed);
    QCOMPARE(f.window()->focusWidget(), f.Text8());
    QVERIFY(program.services.messages.empty());
}

void tst_frmfreq::channelOverAnotherReplacesEveryOutput()
{
    ProgramScope program;
    showConverter();
    typeChannel("83");
    typeChannel("2");
    QCOMPARE(outputs(), channel2());
    typeChannel("14");
    QCOMPARE(outputs(), channel14());
    QCOMPARE(frmFreq::get().storedCentre(), 473);
}

void tst_frmfreq::rejections_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("channel"); // the stored channel number afterwards
    const QString notAChannel = QStringLiteral("Enter a channel number from 2 to 83");
    QTest::newRow("1") << "1"
                       << "There is no channel 1" << 1;
    QTest::newRow("84") << "84"
                        << "No TV channels above channel 83" << 84;
    QTest::newRow("83.5 is 84") << "83.5"
                                << "No TV channels above channel 83" << 84;
    QTest::newRow("0") << "0" << notAChannel << 0;
    QTest::newRow("-5") << "-5" << notAChannel << -5;
    QTest::newRow("empty") << "" << notAChannel << 5;
    QTest::newRow("abc") << "abc" << notAChannel << 5;
    QTest::newRow("99999") << "99999" << notAChannel << 5;
}

// A rejected channel empties all eight boxes and leaves the last centre frequency alone.
void tst_frmfreq::rejections()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(int, channel);
    ProgramScope program;
    frmFreq& f = showConverter();
    typeChannel("5");
    QCOMPARE(f.Text2()->Text(), QStringLiteral("Center frequency= 79"));
    typeChannel(typed);
    QCOMPARE(program.services.messages.size(), size_t(1));
    QCOMPARE(program.services.messages[0].title, kTitle);
    QCOMPARE(program.services.messages[0].text, message);
    QCOMPARE(allBoxes(), kEightEmpty);
    QCOMPARE(f.storedCentre(), 79);
    QCOMPARE(int(f.storedChannel()), channel);
    QCOMPARE(shownScreens(), QStringList{"frmFreq"});
}

void tst_frmfreq::clearEmptiesEveryBox()
{
    ProgramScope program;
    frmFreq& f = showConverter();
    typeChannel("83");
    click(f.cmdClear());
    QCOMPARE(allBoxes(), kEightEmpty);
    QCOMPARE(f.storedCentre(), 887);
    QVERIFY(program.services.messages.empty());
    fw::test::type(f.Text8(), QStringLiteral("2"));
    QTest::keyClick(f.Text8(), Qt::Key_Return);
    QCOMPARE(outputs(), channel2());
}

void tst_frmfreq::germanDecimalComma()
{
    ProgramScope program;
    DefaultLocale german(QLocale(QLocale::German, QLocale::Germany));
    showConverter();
    typeChannel("13,5");
    QCOMPARE(outputs(),
             (QStringList{"470", "476", "Video Carrier= 471,25", "Color Carrier= 474,83",
                          "Sound Carrier= 475,75", "Center frequency= 473", "Oscillator frequency= 517"}));
}

void tst_frmfreq::focusReturnsToTheChannelOnActivation()
{
    ProgramScope program;
    frmFreq& f = showConverter();
    QCOMPARE(f.window()->focusWidget(), f.Text8());
    f.cmdClear()->setFocus();
    QCOMPARE(f.window()->focusWidget(), f.cmdClear());
    frmOne::get().Show(); // another screen on top, then gone again
    frmOne::get().Hide();
    QCOMPARE(shownScreens(), QStringList{"frmFreq"});
    QCOMPARE(f.window()->focusWidget(), f.Text8());
}

void tst_frmfreq::returnButtonsUnload_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Return - VHF") << "cmdQuit"
                                  << "Return - VHF";
    QTest::newRow("Return - UHF") << "Command1"
                                  << "Return - UHF";
}

// The converter forgets its boxes on Return but keeps its own values for the next time it opens.
void tst_frmfreq::returnButtonsUnload()
{
    QFETCH(QString, button);
    QFETCH(QString, caption);
    ProgramScope program;
    frmFreq& f = showConverter();
    typeChannel("7");
    auto* pressed = f.control<CommandButton>(button);
    QCOMPARE(pressed->Caption(), caption);
    click(pressed);
    QVERIFY(!f.isLoaded());
    QVERIFY(!shownScreens().contains("frmFreq"));
    showConverter();
    QCOMPARE(allBoxes(), kEightEmpty);
    QCOMPARE(f.storedCentre(), 177);
    QCOMPARE(f.window()->focusWidget(), f.Text8());
}

namespace {
int planIndex(const QString& name)
{
    return frmFreq::get().cboSystem()->findText(name, Qt::MatchStartsWith);
}

QStringList listed()
{
    QStringList lines;
    ListBox* list = frmFreq::get().lstFound();
    for (int i = 0; i < list->ListCount(); ++i)
        lines << list->List(i);
    return lines;
}
} // namespace

// The plan drop-down and the frequency lookup sit in room the converter left free: no new control covers
// an old one, and all lie in the window.
void tst_frmfreq::planControlsDisturbNothing()
{
    ProgramScope program;
    frmFreq& f = showConverter();
    QCOMPARE(f.cboSystem()->currentText(), QStringLiteral("US broadcast (M/NTSC)"));
    QCOMPARE(f.cboSystem()->count(), 13);
    const QStringList added = {"cboSystem",    "lblSpectrum", "lblFrequency",
                               "txtFrequency", "lstFound",    "lblChannel"};
    QList<QWidget*> old;
    QList<QWidget*> fresh;
    for (QWidget* w : f.window()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (w->objectName().isEmpty() || !w->isVisible() || w->objectName().startsWith("Line"))
            continue;
        (added.contains(w->objectName()) ? fresh : old) << w;
    }
    QCOMPARE(fresh.size(), added.size());
    for (QWidget* n : fresh) {
        QVERIFY2(f.window()->rect().contains(n->geometry()), qPrintable(n->objectName()));
        for (QWidget* o : old)
            QVERIFY2(!n->geometry().intersects(o->geometry()),
                     qPrintable(n->objectName() + " covers " + o->objectName()));
    }
}

void tst_frmfreq::otherPlanConverts_data()
{
    QTest::addColumn<QString>("plan");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("detail"); // part of the sentence under the converter
    QTest::newRow("Australia 36")
        << "Australia"
        << "36"
        << QStringList{"582",
                       "589",
                       "Video Carrier= 583.25",
                       "Color Carrier= 587.684",
                       "Sound Carrier= 588.75",
                       "Center frequency= 585.5",
                       "Oscillator frequency= 620.125"}
        << "second sound 588.992 (A2 stereo). Oscillator 620.125 MHz for the Australian "
           "vision IF of 36.875 MHz.";
    QTest::newRow("HRC 95 by its letter name") << "US cable HRC"
                                               << "a-5"
                                               << QStringList{"88.75",
                                                              "94.75",
                                                              "Video Carrier= 90",
                                                              "Color Carrier= 93.58",
                                                              "Sound Carrier= 94.5",
                                                              "Center frequency= 91.75",
                                                              "Oscillator frequency= 135.75"}
                                               << "Channel 95 (A-5), M/NTSC: 88.75 to 94.75 MHz";
    QTest::newRow("France SECAM") << "France"
                                  << "21"
                                  << QStringList{"470",
                                                 "478",
                                                 "Video Carrier= 471.25",
                                                 "Color Carrier= 475.5",
                                                 "Sound Carrier= 477.75",
                                                 "Center frequency= 474",
                                                 "Oscillator frequency= 510.15"}
                                  << "colour 475.5 and 475.656";
}

void tst_frmfreq::otherPlanConverts()
{
    QFETCH(QString, plan);
    QFETCH(QString, typed);
    QFETCH(QStringList, expected);
    QFETCH(QString, detail);
    ProgramScope program;
    frmFreq& f = showConverter();
    typeChannel("7");
    const QStringList usSeven = outputs();
    fw::test::choose(f.cboSystem(), planIndex(plan));
    QVERIFY(outputs() != usSeven); // channel 7's figures are the new plan's, or none
    typeChannel(typed);
    QCOMPARE(outputs(), expected);
    QVERIFY2(f.lblChannel()->Caption().contains(detail), qPrintable(f.lblChannel()->Caption()));
    QVERIFY(program.services.messages.empty());
}

void tst_frmfreq::otherPlanRejectsForeignChannel()
{
    ProgramScope program;
    frmFreq& f = showConverter();
    fw::test::choose(f.cboSystem(), planIndex("Western Europe"));
    typeChannel("E2");
    QCOMPARE(f.Text1()->Text(), QStringLiteral("Video Carrier= 48.25"));
    typeChannel("14");
    QCOMPARE(program.services.messages.size(), size_t(1));
    QCOMPARE(program.services.messages[0].title, kTitle);
    QCOMPARE(program.services.messages[0].text,
             QStringLiteral(
                 "There is no channel 14 in the Western Europe (B/G PAL) plan, which has E2 to E12, S1 to "
                 "S41 and 21 to 69"));
    QCOMPARE(allBoxes(), kEightEmpty);
}

void tst_frmfreq::frequencyListsChannels_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("among"); // lines the list must hold
    QTest::addColumn<QString>("message");
    QTest::newRow("60 MHz, between US 2 and 3")
        << "60" << QStringList{"2, US broadcast (M/NTSC): upper edge", "3, US broadcast (M/NTSC): lower edge"}
        << "";
    QTest::newRow("nothing at 1900 MHz")
        << "1900" << QStringList{"No channel of any plan is at 1900 MHz"} << "";
    QTest::newRow("not a number") << "sixty" << QStringList{}
                                  << "Enter a frequency in MHz from 1 to 2000, such as 55.25";
}

void tst_frmfreq::frequencyListsChannels()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, among);
    QFETCH(QString, message);
    ProgramScope program;
    frmFreq& f = showConverter();
    fw::test::choose(f.cboSystem(), planIndex("Australia"));
    fw::test::type(f.txtFrequency(), QStringLiteral("583.25"));
    QTest::keyClick(f.txtFrequency(), Qt::Key_Return);
    QCOMPARE(listed().value(0),
             QStringLiteral("36, Australia (B/G PAL): vision carrier")); // the chosen plan first
    QTest::keyClick(f.txtFrequency(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(f.txtFrequency(), typed);
    QTest::keyClick(f.txtFrequency(), Qt::Key_Return);
    const QStringList lines = listed();
    for (const QString& line : among)
        QVERIFY2(lines.contains(line), qPrintable(lines.join('\n')));
    QCOMPARE(lines.isEmpty(), among.isEmpty()); // a rejected frequency leaves no stale list behind
    if (message.isEmpty()) {
        QVERIFY(program.services.messages.empty());
    } else {
        QCOMPARE(program.services.messages.size(), size_t(1));
        QCOMPARE(program.services.messages[0].text, message);
    }
    QCOMPARE(outputs(), kEmpty); // the converter's boxes are not touched
}

// Every line of the results reads whole, never under a horizontal scroll bar; the 23 lines of a UHF vision
// carrier fit without a vertical one.
void tst_frmfreq::resultsReadWhole_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("scrolls");
    QTest::newRow("UHF vision carrier, the longest lines") << "583.25" << false;
    QTest::newRow("VHF vision carrier") << "55.25" << false;
    QTest::newRow("HRC 95, between VHF bands") << "90" << false;
    QTest::newRow("614 MHz, in almost every plan twice") << "614" << true;
}

void tst_frmfreq::resultsReadWhole()
{
    QFETCH(QString, typed);
    QFETCH(bool, scrolls);
    ProgramScope program;
    frmFreq& f = showConverter();
    fw::test::type(f.txtFrequency(), typed);
    QTest::keyClick(f.txtFrequency(), Qt::Key_Return);
    ListBox* list = f.lstFound();
    list->doItemsLayout();
    QVERIFY(list->ListCount() > 5);
    QVERIFY(!list->horizontalScrollBar()->isVisible());
    QCOMPARE(list->verticalScrollBar()->isVisible(), scrolls);
}

// The sketch beside the strip is redrawn for the plan: another system draws another picture.
void tst_frmfreq::spectrumFollowsThePlan()
{
    ProgramScope program;
    frmFreq& f = showConverter();
    const QImage us = f.lblSpectrum()->grab().toImage();
    fw::test::choose(f.cboSystem(), planIndex("United Kingdom"));
    const QImage uk = f.lblSpectrum()->grab().toImage();
    QVERIFY(us != uk);
    fw::test::choose(f.cboSystem(), 0);
    QCOMPARE(f.lblSpectrum()->grab().toImage(), us);
}

namespace {
// The room a single-line box gives its text, as it lays the text out.
int textRoom(const QLineEdit* box)
{
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
    const QRect room = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
    return room.marginsRemoved(box->textMargins()).width() - 2 * 2; // the box's own margins
}
} // namespace

// What shows is the last thing done: a refusal or Clear leaves nothing of the channel before it, another
// plan converts the typed channel or says it has none, and every edge figure reads whole.
void tst_frmfreq::showsTheLastChannelWhole_data()
{
    QTest::addColumn<QString>("plan");     // chosen first
    QTest::addColumn<QString>("typed");    // then entered
    QTest::addColumn<QString>("then");     // "Clear", "plan" and a plan's name, or a channel entered
    QTest::addColumn<QString>("edges");    // the lower and upper edge boxes afterwards
    QTest::addColumn<QString>("sentence"); // how the sentence beside them starts; "" when empty
    QTest::addColumn<bool>("designed");    // the edge boxes have the size they were drawn with
    const QString europe = QStringLiteral("Western Europe");
    QTest::newRow("E99 refused after E5") << europe << "E5"
                                          << "E99"
                                          << ""
                                          << "" << true;
    QTest::newRow("Clear after E5") << europe << "E5"
                                    << "Clear"
                                    << ""
                                    << "" << true;
    QTest::newRow("France 5") << "France"
                              << "5"
                              << ""
                              << "174.75 182.75"
                              << "Channel 5" << false;
    QTest::newRow("HRC 1") << "US cable HRC"
                           << "1"
                           << ""
                           << "70.75 76.75"
                           << "Channel 1" << false;
    QTest::newRow("US 5, then France") << "US broadcast"
                                       << "5"
                                       << "plan France"
                                       << "174.75 182.75"
                                       << "Channel 5" << false;
    QTest::newRow("France 5, back to US") << "France"
                                          << "5"
                                          << "plan US broadcast"
                                          << "76 82"
                                          << "Channel 5" << true;
    QTest::newRow("US 83, then Western Europe")
        << "US broadcast"
        << "83"
        << "plan " + europe << ""
        << "There is no channel 83 in the Western Europe (B/G PAL) plan" << true;
}

void tst_frmfreq::showsTheLastChannelWhole()
{
    QFETCH(QString, plan);
    QFETCH(QString, typed);
    QFETCH(QString, then);
    QFETCH(QString, edges);
    QFETCH(QString, sentence);
    QFETCH(bool, designed);
    ProgramScope program;
    frmFreq& f = showConverter();
    const QRect lowerBox = f.Text5()->geometry();
    const QRect upperBox = f.Text6()->geometry();
    fw::test::type(f.txtFrequency(), QStringLiteral("55.25"));
    QTest::keyClick(f.txtFrequency(), Qt::Key_Return);
    fw::test::choose(f.cboSystem(), planIndex(plan));
    typeChannel(typed);
    if (then == QLatin1String("Clear"))
        click(f.cmdClear());
    else if (then.startsWith(QLatin1String("plan ")))
        fw::test::choose(f.cboSystem(), planIndex(then.mid(5)));
    else if (!then.isEmpty())
        typeChannel(then);
    QCOMPARE((f.Text5()->Text() + u' ' + f.Text6()->Text()).trimmed(), edges);
    const QString said = f.lblChannel()->Caption();
    QVERIFY2(sentence.isEmpty() ? said.isEmpty() : said.startsWith(sentence), qPrintable(said));
    // Clear empties the frequency lookup too; nothing else touches it.
    QCOMPARE(f.txtFrequency()->Text().isEmpty(), then == QLatin1String("Clear"));
    QCOMPARE(listed().isEmpty(), then == QLatin1String("Clear"));
    for (TextBox* edge : {f.Text5(), f.Text6()}) {
        const int advance = edge->fontMetrics().horizontalAdvance(edge->Text());
        QVERIFY2(
            advance <= textRoom(edge),
            qPrintable(
                QStringLiteral("%1 needs %2 px, has %3").arg(edge->Text()).arg(advance).arg(textRoom(edge))));
        for (QWidget* neighbour :
             std::initializer_list<QWidget*>{f.Label1(), f.lblSpectrum(), f.lblChannel()})
            QVERIFY2(!edge->geometry().intersects(neighbour->geometry()),
                     qPrintable(neighbour->objectName()));
    }
    QCOMPARE(f.Text5()->geometry() == lowerBox && f.Text6()->geometry() == upperBox, designed);
}

FW_TEST_MAIN(tst_frmfreq)
#include "tst_frmfreq.moc"
