// The front end diagram and its tuner pages, reached the way a user reaches them: what each way in paints
// as a problem area, where Return leads, the round trip through a tuner page, and a drawing whose wires
// join the blocks they should and cross none.

#include "app/frmOne.h"
#include "app/module1.h"
#include "diagnosis/frmPicture.h"
#include "diagnosis/frmProblems.h"
#include "diagnosis/frmSound.h"
#include "diagrams/frmFront.h"
#include "diagrams/frmUHF.h"
#include "diagrams/frmVHF.h"
#include "support/program.h"

#include <QTest>
#include <QWindow>

#include <map>
#include <numeric>

using namespace fw;
using fw::test::choose;
using fw::test::click;
using fw::test::paintedCentre;
using fw::test::paints;
using fw::test::ProgramScope;
using fw::test::shownScreens;

namespace {
// The ways into the front end diagram.
enum Way { Sound, Picture, Colour };

// From the main menu to the diagram. Sound: `choice` 1 is "Picture O.K.", 2 "Poor or no picture". Picture:
// `choice` is the symptom, `item` the problem area in its list (-1 for a symptom with a fixed line). Colour:
// "Colored confetti on B and W picture" with "Weak signal".
void arrive(int way, int choice, int item)
{
    Module1::Main();
    switch (way) {
    case Sound: {
        click(frmOne::get().Option2());
        frmSound& sound = frmSound::get();
        click(choice == 1 ? sound.opt1() : sound.Opt2());
        click(sound.cmdContinue());
        break;
    }
    case Picture: {
        click(frmOne::get().Option4());
        frmPicture& picture = frmPicture::get();
        click(picture.Option(choice));
        if (item >= 0) {
            for (QWidget* w : picture.controls())
                if (qobject_cast<ComboBox*>(w) && w->isVisible())
                    choose(w, item);
        }
        click(picture.cmdContinue());
        break;
    }
    case Colour:
        click(frmOne::get().Option5());
        click(frmProblems::get().Option(3));
        choose(frmProblems::get().Combo2(), 0);
        click(frmProblems::get().cmdContinue());
        break;
    }
}

const QStringList kMarkable{"Text1",  "Text2",  "Text3",  "Text4",  "Text5",  "Text6",
                            "Text7",  "Text8",  "Text9",  "Text10", "Text11", "Text12",
                            "Text13", "Text14", "Shape1", "Shape2", "Shape3", "Picture1"};

// The boxes, pictures and control circles painted as problem areas, by name in sorted order.
QStringList paintedProblemAreas(frmFront& front)
{
    QStringList marked;
    for (const QString& name : kMarkable) {
        QWidget* w = front.control(name);
        const bool red =
            qobject_cast<Shape*>(w) ? paintedCentre(w) == colors::red : paints(w, colors::red, 0.3);
        if (red)
            marked << name;
    }
    marked.sort();
    return marked;
}

Screen& tunerPage(const QString& box)
{
    if (box == QLatin1String("Text1"))
        return frmUHF::get();
    return frmVHF::get();
}

// A control's rectangle in its window's pixels.
QRectF windowRect(QWidget* w)
{
    return QRectF(w->mapTo(w->window(), QPoint(0, 0)), QSizeF(w->size()));
}

bool near(QPointF a, QPointF b)
{
    return qAbs(a.x() - b.x()) <= 1 && qAbs(a.y() - b.y()) <= 1;
}

// Which controls a wire end meets: it ends on a block's edge, or a little short of a label's text.
bool meets(QWidget* control, QPointF end)
{
    const QRectF r = windowRect(control);
    const double reach = qobject_cast<Label*>(control) ? 5 : 1.5;
    return r.adjusted(-reach, -reach, reach, reach).contains(end) &&
           !r.adjusted(1.5, 1.5, -1.5, -1.5).contains(end);
}
} // namespace

class tst_front : public QObject
{
    Q_OBJECT
private slots:
    void problemAreasAndReturn_data();
    void problemAreasAndReturn();
    void tunerPageBringsBackTheSameHighlights_data();
    void tunerPageBringsBackTheSameHighlights();
    void tunerPages_data();
    void tunerPages();
    void onlyTheTunerBoxesOpenPages();
    void quitEndsAtOnce();

    void wiresJoinTheBlocks();
    void noWireCrossesAControl_data();
    void noWireCrossesAControl();
};

void tst_front::problemAreasAndReturn_data()
{
    QTest::addColumn<int>("way");
    QTest::addColumn<int>("choice");
    QTest::addColumn<int>("item");
    QTest::addColumn<QStringList>("marked");
    QTest::addColumn<QString>("back");
    QTest::addColumn<int>("code"); // the problem code the origin screen still holds after Return

    QTest::newRow("sound, Poor or no picture: tuners and video amplifiers")
        << int(Sound) << 2 << -1 << QStringList{"Text1", "Text2", "Text4", "Text5"} << "frmSound" << 0;
    QTest::newRow("sound, Picture O.K.: sound chain and loudspeaker")
        << int(Sound) << 1 << -1 << QStringList{"Picture1", "Text10", "Text11", "Text8", "Text9"}
        << "frmSound" << 0;
    QTest::newRow("picture code 1, 1st video amplifier")
        << int(Picture) << 1 << 0 << QStringList{"Text4"} << "frmPicture" << 1;
    QTest::newRow("picture code 5, Excessive AGC")
        << int(Picture) << 1 << 4 << QStringList{"Shape3"} << "frmPicture" << 5;
    QTest::newRow("picture code 6, Insufficient AGC")
        << int(Picture) << 2 << -1 << QStringList{"Shape3"} << "frmPicture" << 6;
    QTest::newRow("picture code 8, AGC for a torn picture")
        << int(Picture) << 3 << 1 << QStringList{"Shape3"} << "frmPicture" << 8;
    QTest::newRow("picture code 12, AGC for a rolling picture: only the AGC control")
        << int(Picture) << 4 << 1 << QStringList{"Shape3"} << "frmPicture" << 12;
    QTest::newRow("picture code 15, AGC for tear and roll")
        << int(Picture) << 5 << 0 << QStringList{"Shape3"} << "frmPicture" << 15;
    QTest::newRow("picture code 18, sound trap: only the video detector")
        << int(Picture) << 7 << -1 << QStringList{"Text6"} << "frmPicture" << 18;
    QTest::newRow("colour code 12, Weak signal: nothing")
        << int(Colour) << 0 << 0 << QStringList{} << "frmProblems" << 12;
}

void tst_front::problemAreasAndReturn()
{
    QFETCH(int, way);
    QFETCH(int, choice);
    QFETCH(int, item);
    QFETCH(QStringList, marked);
    QFETCH(QString, back);
    QFETCH(int, code);
    ProgramScope program;
    arrive(way, choice, item);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(shownScreens(), QStringList{"frmFront"});
    frmFront& front = frmFront::get();
    QCOMPARE(paintedProblemAreas(front), marked);

    for (const QString& name : marked)
        if (qobject_cast<TextArea*>(front.control(name)))
            QVERIFY2(paints(front.control(name), colors::white, 0.01),
                     qPrintable(name + " has no white text"));
    // A tuner box marked as a problem area loses its light cyan; otherwise it keeps it.
    for (TextArea* tuner : {front.Text1(), front.Text2()}) {
        const bool isMarked = marked.contains(tuner->objectName());
        QCOMPARE(paints(tuner, colors::lightCyan, isMarked ? 0.01 : 0.5), !isMarked);
    }

    click(front.cmdReturn());
    QCOMPARE(shownScreens(), QStringList{back});
    QVERIFY(!front.isLoaded());
    switch (way) {
    case Sound: // the symptom screen comes back as it was left
        QVERIFY(choice == 1 ? frmSound::get().opt1()->Value() : frmSound::get().Opt2()->Value());
        break;
    case Picture:
        QCOMPARE(frmPicture::get().code(), code);
        QVERIFY(frmPicture::get().Option(choice)->Value());
        break;
    case Colour:
        QCOMPARE(frmProblems::get().code(), code);
        break;
    }
    QVERIFY(program.services.messages.empty());
}

void tst_front::tunerPageBringsBackTheSameHighlights_data()
{
    QTest::addColumn<int>("way");
    QTest::addColumn<int>("choice");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("tuner");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("back");
    QTest::newRow("Poor or no picture, UHF") << int(Sound) << 2 << -1 << "Text1"
                                             << "frmUHF"
                                             << "frmSound";
    QTest::newRow("Picture O.K., VHF") << int(Sound) << 1 << -1 << "Text2"
                                       << "frmVHF"
                                       << "frmSound";
    QTest::newRow("picture code 12, UHF") << int(Picture) << 4 << 1 << "Text1"
                                          << "frmUHF"
                                          << "frmPicture";
    QTest::newRow("picture code 18, VHF") << int(Picture) << 7 << -1 << "Text2"
                                          << "frmVHF"
                                          << "frmPicture";
    QTest::newRow("Weak signal, UHF") << int(Colour) << 0 << 0 << "Text1"
                                      << "frmUHF"
                                      << "frmProblems";
}

void tst_front::tunerPageBringsBackTheSameHighlights()
{
    QFETCH(int, way);
    QFETCH(int, choice);
    QFETCH(int, item);
    QFETCH(QString, tuner);
    QFETCH(QString, page);
    QFETCH(QString, back);
    ProgramScope program;
    arrive(way, choice, item);
    if (QTest::currentTestFailed())
        return;
    frmFront& front = frmFront::get();
    const QStringList before = paintedProblemAreas(front);

    click(front.control<TextArea>(tuner)->viewport());
    QCOMPARE(shownScreens(), QStringList{page});
    QVERIFY(!front.isLoaded());

    Screen& tunerScreen = tunerPage(tuner);
    click(tunerScreen.control("cmdReturn"));
    QCOMPARE(shownScreens(), QStringList{"frmFront"});
    QVERIFY(!tunerScreen.isLoaded());
    QCOMPARE(paintedProblemAreas(front), before);

    click(front.cmdReturn()); // and the diagram still knows where it came from
    QCOMPARE(shownScreens(), QStringList{back});
}

void tst_front::tunerPages_data()
{
    QTest::addColumn<QString>("tuner");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("convert");
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("VHF, no caption") << "Text2"
                                     << ""
                                     << "cmdConvert" << QStringList{"Text1", "Text2", "Text3", "Text4"};
    QTest::newRow("UHF") << "Text1"
                         << "UHF Tuner"
                         << "Command1" << QStringList{"Text1", "Text2", "Text3"};
}

void tst_front::tunerPages()
{
    QFETCH(QString, tuner);
    QFETCH(QString, caption);
    QFETCH(QString, convert);
    QFETCH(QStringList, boxes);
    ProgramScope program;
    arrive(Sound, 2, -1);
    if (QTest::currentTestFailed())
        return;
    click(frmFront::get().control<TextArea>(tuner)->viewport());
    Screen& page = tunerPage(tuner);
    QCOMPARE(page.window()->windowTitle(), caption);
    // What the window system is given: an empty title would be replaced by the program's name.
    const QString titleBar = page.window()->windowHandle()->title();
    QVERIFY(!titleBar.isEmpty());
    QCOMPARE(titleBar.trimmed(), caption);
    QCOMPARE(page.Top(), 300.0);
    for (const QString& box : boxes) {
        click(page.control<TextArea>(box)->viewport());
        QCOMPARE(shownScreens(), QStringList{page.name()});
    }
    QCOMPARE(page.control<CommandButton>(convert)->Caption(),
             QStringLiteral("Go to channel/frequency convertor"));
    // The converter replaces the page; the program never leaves the user without a screen.
    click(page.control(convert));
    const QStringList shown = shownScreens();
    QVERIFY2(shown == QStringList{page.name()} || (shown == QStringList{"frmFreq"} && !page.isLoaded()),
             qPrintable(shown.join(QLatin1Char(' '))));
}

void tst_front::onlyTheTunerBoxesOpenPages()
{
    ProgramScope program;
    arrive(Sound, 1, -1);
    if (QTest::currentTestFailed())
        return;
    frmFront& front = frmFront::get();
    for (int box = 3; box <= 14; ++box) {
        click(front.control<TextArea>(QStringLiteral("Text%1").arg(box))->viewport());
        QCOMPARE(shownScreens(), QStringList{"frmFront"});
    }
    click(front.Picture1());
    click(front.Label6());
    QCOMPARE(shownScreens(), QStringList{"frmFront"});
    QCOMPARE(front.Text3()->Text(), QStringLiteral("Automatic frequency tuner"));
}

void tst_front::quitEndsAtOnce()
{
    ProgramScope program;
    arrive(Picture, 7, -1);
    if (QTest::currentTestFailed())
        return;
    click(frmFront::get().cmdQuit());
    QCOMPARE(program.services.ends, 1);
    QVERIFY(program.services.messages.empty());
}

// Follows the wires of the drawing: segments that meet end to end form one run, and each run's loose
// ends meet the controls it joins. A run that meets one control only is an antenna's.
void tst_front::wiresJoinTheBlocks()
{
    ProgramScope program;
    frmFront& front = frmFront::get();
    QWidget* window = front.window();
    const QList<Line*> lines = window->findChildren<Line*>();
    QList<QWidget*> others;
    for (QWidget* w : front.controls())
        if (!qobject_cast<Line*>(w) && !qobject_cast<Frame*>(w))
            others << w;

    std::vector<int> runOf(lines.size());
    std::iota(runOf.begin(), runOf.end(), 0);
    const auto root = [&](int i) {
        while (runOf[i] != i)
            i = runOf[i];
        return i;
    };
    const auto ends = [](const Line* l) {
        return std::array<QPointF, 2>{QPointF(l->from()), QPointF(l->to())};
    };
    for (int i = 0; i < lines.size(); ++i)
        for (int j = i + 1; j < lines.size(); ++j)
            for (QPointF a : ends(lines[i]))
                for (QPointF b : ends(lines[j]))
                    if (near(a, b))
                        runOf[root(j)] = root(i);

    struct Run
    {
        QStringList met;
        bool blue = true, black = true;
        double left = 1e9;
    };
    std::map<int, Run> runs;
    for (int i = 0; i < lines.size(); ++i) {
        Run& run = runs[root(i)];
        const bool blue = lines[i]->BorderColor() == colors::blue;
        run.blue = run.blue && blue;
        run.black = run.black && lines[i]->BorderColor() == colors::black;
        for (QPointF end : ends(lines[i])) {
            run.left = std::min(run.left, end.x());
            bool loose = true;
            for (int j = 0; j < lines.size(); ++j)
                if (j != i && (near(end, lines[j]->from()) || near(end, lines[j]->to())))
                    loose = false;
            if (!loose)
                continue;
            for (QWidget* w : others)
                if (meets(w, end) && !run.met.contains(w->objectName()))
                    run.met << w->objectName();
        }
    }

    QStringList joins;
    double vhfAntenna = 0, uhfAntenna = 0;
    for (auto& [id, run] : runs) {
        QVERIFY2(run.blue || run.black, "a run of mixed colours");
        run.met.sort();
        QVERIFY2(run.met.size() == 1 || run.met.size() == 2, qPrintable(run.met.join(QLatin1Char(','))));
        if (run.met.size() == 1) {
            (run.met.first() == QLatin1String("Text2") ? vhfAntenna : uhfAntenna) = run.left;
            run.met.prepend(QStringLiteral("antenna"));
        }
        joins << run.met.join(QLatin1Char('-')) + (run.blue ? QStringLiteral(" blue") : QString());
    }
    joins.sort();

    QStringList expected{
        "antenna-Text2",      "antenna-Text1",      "Text1-Text2",        "Text1-Text3",
        "Text2-Text3",        "Text2-Text4",        "Text4-Text5",        "Text3-Text5",
        "Text5-Text8",        "Text8-Text9",        "Text10-Text9",       "Text10-Text11",
        "Picture1-Text11",    "Text5-Text6",        "Text6-Text7",        "Text14-Text7",
        "Text13-Text7",       "Text13-Text4",       "Text12-Text5",       "Text12-Text2",
        "Shape3-Text13 blue", "Shape1-Text11 blue", "Shape2-Text12 blue", "Label6-Text7 blue",
        "Label7-Text7 blue",
    };
    expected.sort();
    QCOMPARE(joins, expected);
    QVERIFY2(vhfAntenna < uhfAntenna, "the VHF antenna is the left one");

    // The loudspeaker picture is drawn at its box's size.
    QCOMPARE(front.Picture1()->pictureSize(), front.Picture1()->size());
}

void tst_front::noWireCrossesAControl_data()
{
    QTest::addColumn<QString>("screen");
    QTest::newRow("front end") << "frmFront";
    QTest::newRow("VHF tuner") << "frmVHF";
    QTest::newRow("UHF tuner") << "frmUHF";
}

// A wire may end on a control's edge but never runs across a box, a label, a button or the legend.
void tst_front::noWireCrossesAControl()
{
    QFETCH(QString, screen);
    ProgramScope program;
    Screen& s = screen == QLatin1String("frmFront") ? static_cast<Screen&>(frmFront::get())
                : screen == QLatin1String("frmVHF") ? static_cast<Screen&>(frmVHF::get())
                                                    : static_cast<Screen&>(frmUHF::get());
    const QList<QWidget*> controls = s.controls();
    int wires = 0;
    for (QWidget* w : controls) {
        auto* wire = qobject_cast<Line*>(w);
        if (!wire)
            continue;
        ++wires;
        const QLineF path(wire->from(), wire->to());
        for (QWidget* other : controls) {
            if (qobject_cast<Line*>(other))
                continue;
            const QRectF inside = windowRect(other).adjusted(1.5, 1.5, -1.5, -1.5);
            for (double t = 0; t <= 1.0; t += 0.5 / std::max(1.0, path.length()))
                QVERIFY2(!inside.contains(path.pointAt(t)),
                         qPrintable(wire->objectName() + " crosses " + other->objectName()));
        }
    }
    QVERIFY(wires >= 11);
}

FW_TEST_MAIN(tst_front)
#include "tst_front.moc"
