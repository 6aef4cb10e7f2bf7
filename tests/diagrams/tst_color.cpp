// The video and colour circuits diagram, reached as a user reaches it: through the picture and colour
// problems screens. Highlights are read from the pixels painted, not from the colour properties.

#include "app/frmOne.h"
#include "app/module1.h"
#include "diagnosis/frmPicture.h"
#include "diagnosis/frmProblems.h"
#include "diagrams/frmColor.h"
#include "support/program.h"

#include <QFontMetrics>
#include <QLineF>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>

using namespace fw;
using fw::test::choose;
using fw::test::click;
using fw::test::paintedCentre;
using fw::test::paints;
using fw::test::ProgramScope;
using fw::test::shownScreens;

namespace {
// Everything on the diagram that can be marked as a problem area.
QStringList markable()
{
    QStringList names;
    for (int i = 1; i <= 15; ++i)
        names << QStringLiteral("Text%1").arg(i);
    for (int i = 1; i <= 8; ++i)
        names << QStringLiteral("Shape%1").arg(i);
    names << "Picture1"
          << "Text16";
    return names;
}

// The controls painted as problem areas: a knob filled red at its centre, anything else mostly red.
QStringList paintedRed()
{
    QStringList names;
    for (const QString& name : markable()) {
        QWidget* w = frmColor::get().control(name);
        const bool red =
            qobject_cast<Shape*>(w) ? paintedCentre(w) == colors::red : paints(w, colors::red, 0.3);
        if (red)
            names << name;
    }
    names.sort();
    return names;
}

// White letters on a red box: a few pixels are enough, the words being short on a large box.
bool whiteText(QWidget* box)
{
    return ForeColor(box) == colors::white && paints(box, colors::white, 0.001);
}

QStringList sorted(QStringList names)
{
    names.sort();
    return names;
}

// Main menu, "Picture problems", a symptom and (for a list) its problem area, Continue.
void pictureFlow(int symptom, int item)
{
    click(frmOne::get().Option4());
    frmPicture& picture = frmPicture::get();
    click(picture.Option(symptom));
    if (item >= 0) {
        for (ComboBox* combo : picture.window()->findChildren<ComboBox*>())
            if (combo->isVisible())
                choose(combo, item);
    }
    click(picture.cmdContinue());
}

// Main menu, "Color problems", a symptom, a nested symptom (0: none) or a problem area (-1: none), Continue.
void colorFlow(int symptom, int nested, int item)
{
    click(frmOne::get().Option5());
    frmProblems& problems = frmProblems::get();
    click(problems.Option(symptom));
    if (nested)
        click(problems.Option(nested));
    if (item >= 0) {
        for (ComboBox* combo : problems.window()->findChildren<ComboBox*>())
            if (combo->isVisible())
                choose(combo, item);
    }
    click(problems.cmdContinue());
}

// A segment of a line in the coordinates of its window.
QLineF segment(Line* line)
{
    return QLineF(line->from(), line->to());
}

double distance(QPointF p, const QLineF& s)
{
    const QPointF d = s.p2() - s.p1();
    const double length2 = d.x() * d.x() + d.y() * d.y();
    double t = length2 > 0 ? QPointF::dotProduct(p - s.p1(), d) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return QLineF(p, s.p1() + t * d).length();
}

// Whether a straight segment passes through the inside of a rectangle.
bool crosses(const QLineF& s, const QRectF& r)
{
    const int steps = std::max(2, int(s.length()));
    for (int i = 0; i <= steps; ++i)
        if (r.contains(s.pointAt(double(i) / steps)))
            return true;
    return false;
}

// The rectangle a label's words are painted in.
QRect textRect(Label* label)
{
    const QFontMetrics metrics(label->font());
    const QRect r =
        metrics.boundingRect(label->contentsRect(), Qt::TextWordWrap | label->alignment(), label->text());
    return r.translated(label->pos());
}
} // namespace

class tst_color : public QObject
{
    Q_OBJECT
private slots:
    void pictureCodeHighlights_data();
    void pictureCodeHighlights();
    void colorCodeHighlights_data();
    void colorCodeHighlights();
    void laterPictureFlowShowsBothCodes();
    void eachLoadStartsFromTheDesignColours();
    void returnTargets_data();
    void returnTargets();
    void returnBringsTheSymptomScreenBackAsLeft_data();
    void returnBringsTheSymptomScreenBackAsLeft();
    void pictureTubeTakesTheClick();
    void quitEnds();
    void linesCrossNoText();
    void everyLineEndJoins();
    void knobsAndLabelsAreBlue();
};

void tst_color::pictureCodeHighlights_data()
{
    QTest::addColumn<int>("symptom");
    QTest::addColumn<int>("item"); // -1: a fixed problem-area line
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("marked");
    QTest::newRow("3rd video amplifier & brightness control") << 1 << 1 << "2" << QStringList{"Text3"};
    QTest::newRow("Comb filter & 2nd video amplifier") << 1 << 2 << "3" << QStringList{"Text1"};
    QTest::newRow("Delay line") << 1 << 3 << "4" << QStringList{"Text2"};
    QTest::newRow("Colored snow: killer box and knob") << 6 << -1 << "17" << QStringList{"Text15", "Shape3"};
    QTest::newRow("Contrast control too low") << 9 << 0 << "20" << QStringList{"Shape1"};
    QTest::newRow("Brightness control too high") << 9 << 1 << "21" << QStringList{"Shape2"};
    QTest::newRow("Insufficient retrace blanking") << 9 << 2 << "22" << QStringList{"Text3"};
}

void tst_color::pictureCodeHighlights()
{
    QFETCH(int, symptom);
    QFETCH(int, item);
    QFETCH(QString, code);
    QFETCH(QStringList, marked);
    ProgramScope program;
    Module1::Main();
    pictureFlow(symptom, item);
    QCOMPARE(shownScreens(), QStringList{"frmColor"});
    frmColor& color = frmColor::get();
    QCOMPARE(color.window()->windowTitle(), QStringLiteral("Video and Color Circuits"));
    QCOMPARE(frmPicture::get().txtA()->Text(), code);
    QCOMPARE(paintedRed(), sorted(marked));
    for (const QString& name : marked) {
        QWidget* w = color.control(name);
        if (qobject_cast<Shape*>(w)) {
            QCOMPARE(color.control<Shape>(name)->FillColor(), colors::red);
        } else {
            QVERIFY2(whiteText(w), qPrintable(name + " has no white text"));
        }
    }
    QCOMPARE(color.Text16()->Text(), code);
    QVERIFY(program.services.messages.empty());
}

void tst_color::colorCodeHighlights_data()
{
    QTest::addColumn<int>("symptom");
    QTest::addColumn<int>("nested"); // 0: no nested symptom
    QTest::addColumn<int>("item");   // -1: a fixed problem-area line
    QTest::addColumn<QStringList>("marked");
    const QList<QStringList> noColor{{"Shape4"},
                                     {"Shape3"},
                                     {"Shape5"},
                                     {"Text13", "Shape5"},
                                     {"Text12", "Text14"},
                                     {"Text15", "Shape3"},
                                     {"Text9"},
                                     {"Text10"},
                                     {"Text8"},
                                     {"Text4"}};
    for (int item = 0; item < 10; ++item)
        QTest::addRow("code %d: No color, item %d", item + 1, item) << 1 << 0 << item << noColor[item];
    // Confetti item 0 (code 12, weak signal) leads to the front end instead.
    const QList<QStringList> confetti{{"Shape4"}, {"Shape3"}, {"Text15"}, {"Text10"}};
    for (int item = 1; item <= 4; ++item)
        QTest::addRow("code %d: Colored confetti, item %d", item + 12, item)
            << 3 << 0 << item << confetti[item - 1];
    const QList<QStringList> floating{{"Text9"}, {"Text11"}, {"Text10"}};
    for (int item = 0; item < 3; ++item)
        QTest::addRow("code %d: Colors float, item %d", item + 18, item) << 5 << 0 << item << floating[item];
    QTest::newRow("code 21: Screen one color, tint knob") << 6 << 0 << -1 << QStringList{"Shape6"};
    const QList<QStringList> nestedMarks{{"Text5"},          {"Text6"},          {"Text7"},
                                         {"Text4", "Text5"}, {"Text4", "Text6"}, {"Text4", "Text7"}};
    for (int nested = 7; nested <= 12; ++nested)
        QTest::addRow("code %d: Screen one color, nested Option%d", nested + 15, nested)
            << 6 << nested << -1 << nestedMarks[nested - 7];
}

// The picture problems screen was never opened: reading its code creates it hidden with code 0.
void tst_color::colorCodeHighlights()
{
    QFETCH(int, symptom);
    QFETCH(int, nested);
    QFETCH(int, item);
    QFETCH(QStringList, marked);
    ProgramScope program;
    Module1::Main();
    colorFlow(symptom, nested, item);
    QCOMPARE(shownScreens(), QStringList{"frmColor"});
    QCOMPARE(paintedRed(), sorted(marked));
    for (const QString& name : marked)
        if (!name.startsWith("Shape"))
            QVERIFY2(whiteText(frmColor::get().control(name)), qPrintable(name));
    QCOMPARE(frmColor::get().Text16()->Text(), QString());
    QVERIFY(frmPicture::get().isLoaded());
    QVERIFY(!frmPicture::get().isShown());
    QCOMPARE(frmPicture::get().txtA()->Text(), QStringLiteral("0"));
}

// A colour flow ended with Return leaves its code behind; a later picture flow sees both.
void tst_color::laterPictureFlowShowsBothCodes()
{
    ProgramScope program;
    Module1::Main();
    colorFlow(1, 0, 4); // "1st or 2nd chroma amplifiers", code 5
    QCOMPARE(paintedRed(), (QStringList{"Text12", "Text14"}));
    click(frmColor::get().cmdReturn());
    QCOMPARE(shownScreens(), QStringList{"frmProblems"});
    click(frmProblems::get().cmdReturn());
    pictureFlow(6, -1); // "Colored snow in picture", code 17
    QCOMPARE(shownScreens().last(), QStringLiteral("frmColor"));
    QCOMPARE(paintedRed(), (QStringList{"Shape3", "Text12", "Text14", "Text15"}));
    QCOMPARE(frmColor::get().Text16()->Text(), QStringLiteral("17"));

    click(frmColor::get().cmdReturn()); // the picture code is asked first
    QCOMPARE(shownScreens().last(), QStringLiteral("frmPicture"));
    QVERIFY(!frmColor::get().isLoaded());
    QVERIFY(frmPicture::get().Option(6)->Value());
}

// Highlights go with the unload: the next Continue loads the diagram afresh with only its own marks.
void tst_color::eachLoadStartsFromTheDesignColours()
{
    ProgramScope program;
    Module1::Main();
    colorFlow(6, 7, -1); // red driver
    QCOMPARE(paintedRed(), QStringList{"Text5"});
    click(frmColor::get().cmdReturn());
    frmProblems& problems = frmProblems::get();
    click(problems.Option(8)); // green driver
    click(problems.cmdContinue());
    QCOMPARE(shownScreens(), QStringList{"frmColor"});
    QCOMPARE(paintedRed(), QStringList{"Text6"});
    QWidget* red = frmColor::get().Text(5);
    QCOMPARE(ForeColor(red), colors::black);
    QCOMPARE(frmColor::get().Shape(3)->FillColor(), colors::blue);
}

void tst_color::returnTargets_data()
{
    QTest::addColumn<bool>("colorCode");
    QTest::addColumn<bool>("pictureCode");
    QTest::addColumn<QString>("target");
    QTest::newRow("picture code") << false << true << "frmPicture";
    QTest::newRow("colour code") << true << false << "frmProblems";
    QTest::newRow("both: the picture code first") << true << true << "frmPicture";
    QTest::newRow("neither: the main menu") << false << false << "frmOne";
}

void tst_color::returnTargets()
{
    QFETCH(bool, colorCode);
    QFETCH(bool, pictureCode);
    QFETCH(QString, target);
    ProgramScope program;
    Module1::Main();
    if (colorCode) {
        colorFlow(1, 0, 8); // "Phase shift network"
        if (pictureCode) {
            click(frmColor::get().cmdReturn());
            click(frmProblems::get().cmdReturn());
        }
    }
    if (pictureCode)
        pictureFlow(1, 2); // "Comb filter & 2nd video amplifier"
    if (!colorCode && !pictureCode) {
        // No flow gets here with no code; the diagram shown on its own stands in for one.
        frmOne::get().Hide();
        frmColor::get().Show();
        QCOMPARE(shownScreens(), QStringList{"frmColor"});
        QVERIFY(paintedRed().isEmpty());
    }
    QCOMPARE(shownScreens().last(), QStringLiteral("frmColor"));
    click(frmColor::get().cmdReturn());
    QVERIFY(!shownScreens().isEmpty());
    QCOMPARE(shownScreens().last(), target);
    QVERIFY(!frmColor::get().isLoaded());
    QVERIFY(!shownScreens().contains("frmColor"));
}

void tst_color::returnBringsTheSymptomScreenBackAsLeft_data()
{
    QTest::addColumn<bool>("fromColor");
    QTest::newRow("picture problems") << false;
    QTest::newRow("color problems") << true;
}

void tst_color::returnBringsTheSymptomScreenBackAsLeft()
{
    QFETCH(bool, fromColor);
    ProgramScope program;
    Module1::Main();
    if (fromColor) {
        colorFlow(6, 11, -1); // "Loss of green or excessive green", code 26
    } else {
        pictureFlow(1, 3); // "Delay line", code 4
    }
    QCOMPARE(shownScreens(), QStringList{"frmColor"});
    click(frmColor::get().cmdReturn());
    if (fromColor) {
        frmProblems& problems = frmProblems::get();
        QCOMPARE(shownScreens(), QStringList{"frmProblems"});
        QVERIFY(problems.Option(6)->Value());
        QVERIFY(problems.Option(11)->Value());
        QVERIFY(problems.Frame2()->isVisible());
        QVERIFY(problems.Text(8)->isVisible());
        QCOMPARE(problems.txtB()->Text(), QStringLiteral("26"));
    } else {
        frmPicture& picture = frmPicture::get();
        QCOMPARE(shownScreens(), QStringList{"frmPicture"});
        QVERIFY(picture.Option(1)->Value());
        QVERIFY(picture.Combo1()->isVisible());
        QCOMPARE(picture.Combo1()->ListIndex(), 3);
        QCOMPARE(picture.txtA()->Text(), QStringLiteral("4"));
    }
}

// The tube drawing lies uncovered on top of its spot and takes a user's click.
void tst_color::pictureTubeTakesTheClick()
{
    ProgramScope program;
    Module1::Main();
    pictureFlow(6, -1);
    PictureBox* tube = frmColor::get().Picture1();
    QCOMPARE(tube->picture(), QStringLiteral(":/assets/color-tube.svg"));
    QVERIFY(!tube->pictureSize().isEmpty());
    QVERIFY(tube->rect().contains(QRect(QPoint(0, 0), tube->pictureSize())));
    const QPoint centre = tube->geometry().center();
    QCOMPARE(frmColor::get().window()->childAt(centre), tube);
    QSignalSpy clicks(tube, &PictureBox::Click);
    click(tube);
    QCOMPARE(clicks.count(), 1);
}

void tst_color::quitEnds()
{
    ProgramScope program;
    Module1::Main();
    colorFlow(1, 0, 0);
    click(frmColor::get().cmdQuit());
    QCOMPARE(program.services.ends, 1);
}

// No connection runs through a box, a knob, the picture, a button or the words of a label.
void tst_color::linesCrossNoText()
{
    ProgramScope program;
    frmColor& color = frmColor::get();
    color.Show();
    QList<QPair<QString, QRectF>> obstacles;
    for (QWidget* w : color.controls()) {
        if (qobject_cast<Line*>(w))
            continue;
        QRectF area =
            qobject_cast<Label*>(w) ? QRectF(textRect(static_cast<Label*>(w))) : QRectF(w->geometry());
        obstacles.append({w->objectName(), area.adjusted(2, 2, -2, -2)});
    }
    for (int i = 1; i <= 42; ++i) {
        const QLineF s = segment(color.Line(i));
        QVERIFY2(s.length() > 1, qPrintable(QStringLiteral("Line%1 is empty").arg(i)));
        for (const auto& [name, area] : obstacles)
            QVERIFY2(!crosses(s, area), qPrintable(QStringLiteral("Line%1 crosses %2").arg(i).arg(name)));
    }
}

// Every end of every line meets a box, a knob, the picture, another line, or the "From video amplifier"
// words: nothing dangles.
void tst_color::everyLineEndJoins()
{
    ProgramScope program;
    frmColor& color = frmColor::get();
    color.Show();
    QList<QRectF> ends;
    for (QWidget* w : color.controls())
        if (!qobject_cast<Line*>(w) && !qobject_cast<Label*>(w))
            ends.append(QRectF(w->geometry()));
    const QRectF source = QRectF(textRect(color.Label(1))).adjusted(-12, -12, 12, 12);
    for (int i = 1; i <= 42; ++i) {
        const QLineF s = segment(color.Line(i));
        for (const QPointF end : {s.p1(), s.p2()}) {
            bool joined = source.contains(end);
            for (const QRectF& r : ends)
                joined = joined || r.adjusted(-1.5, -1.5, 1.5, 1.5).contains(end);
            for (int j = 1; j <= 42 && !joined; ++j)
                joined = j != i && distance(end, segment(color.Line(j))) <= 1.0;
            QVERIFY2(joined,
                     qPrintable(
                         QStringLiteral("Line%1 ends in the air at %2,%3").arg(i).arg(end.x()).arg(end.y())));
        }
    }
}

// At design: blue knobs, blue labels, the input and the knob stubs blue, the other wires black.
void tst_color::knobsAndLabelsAreBlue()
{
    ProgramScope program;
    frmColor& color = frmColor::get();
    color.Show();
    for (int i = 1; i <= 8; ++i)
        QCOMPARE(paintedCentre(color.Shape(i)), colors::blue);
    for (int i = 1; i <= 10; ++i) {
        QVERIFY(!color.Label(i)->text().isEmpty());
        QVERIFY2(paints(color.Label(i), colors::blue, 0.005), qPrintable(color.Label(i)->text()));
    }
    for (int i = 1; i <= 42; ++i) {
        const bool blue = i == 1 || i >= 36;
        QCOMPARE(color.Line(i)->BorderColor(), blue ? colors::blue : colors::black);
        QVERIFY(paints(color.Line(i), blue ? colors::blue : colors::black, 0.1));
    }
    // Each knob but the RGB Drive has a blue stub touching it.
    for (int k : {1, 2, 3, 4, 5, 6, 7}) {
        const QRectF knob = QRectF(color.Shape(k)->geometry()).adjusted(-1.5, -1.5, 1.5, 1.5);
        bool stub = false;
        for (int i = 36; i <= 42; ++i) {
            const QLineF s = segment(color.Line(i));
            stub = stub || knob.contains(s.p1()) || knob.contains(s.p2());
        }
        QVERIFY2(stub, qPrintable(QStringLiteral("Shape%1 has no stub").arg(k)));
    }
}

FW_TEST_MAIN(tst_color)
#include "tst_color.moc"
