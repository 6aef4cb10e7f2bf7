// The symptom screens, driven as a user drives them: which symptom reveals what, which code a choice
// gives, and what Continue and Return leave behind.

#include "app/frmOne.h"
#include "app/module1.h"
#include "diagnosis/frmPicture.h"
#include "diagnosis/frmProblems.h"
#include "diagnosis/frmRaster.h"
#include "diagnosis/frmSound.h"
#include "diagrams/frmFront.h"
#include "support/program.h"

#include <QTest>

using namespace fw;
using fw::test::choose;
using fw::test::click;
using fw::test::ProgramScope;
using fw::test::shownScreens;

namespace {
frmPicture& openPicture()
{
    Module1::Main();
    click(frmOne::get().Option4());
    return frmPicture::get();
}

frmProblems& openProblems()
{
    Module1::Main();
    click(frmOne::get().Option5());
    return frmProblems::get();
}

// The problem-area controls of a screen that can be seen.
QStringList revealed(Screen& screen, const QStringList& names)
{
    QStringList shown;
    for (const QString& name : names)
        if (screen.control(name)->isVisible())
            shown << name;
    return shown;
}

const QStringList kPictureAreas{"Combo1", "Combo2", "Combo3", "Combo4", "Combo5", "Combo6",
                                "Combo7", "Text1",  "Text2",  "Text3",  "Text4"};
const QStringList kColorAreas{"Combo1", "Combo2", "Combo3", "Text1", "Text2", "Text3",
                              "Text4",  "Text5",  "Text6",  "Text7", "Text8", "Text9"};
} // namespace

class tst_symptoms : public QObject
{
    Q_OBJECT
private slots:
    void soundListsFollowTheSymptom();
    void soundContinueNeedsASymptom();
    void rasterListsAndFlag_data();
    void rasterListsAndFlag();
    void rasterContinueNeedsASymptom();
    void rasterReturnForgetsTheChoice();

    void pictureCodes_data();
    void pictureCodes();
    void pictureRevealsBesideTheSymptom();
    void pictureSwitchingSymptomClearsTheChoice();
    void pictureContinueWithoutChoiceAsks();
    void pictureReturnStartsFresh();

    void colorCodes_data();
    void colorCodes();
    void colorNestedGroupIsClearedByAnotherSymptom();
    void colorReturnKeepsTheScreenLoaded();
    void colorContinueWithoutChoiceAsks();
};

void tst_symptoms::soundListsFollowTheSymptom()
{
    ProgramScope program;
    Module1::Main();
    click(frmOne::get().Option2());
    frmSound& sound = frmSound::get();
    QCOMPARE(shownScreens(), QStringList{"frmSound"});
    QVERIFY(!sound.List1()->isVisible() && !sound.List2()->isVisible());
    click(sound.opt1());
    QVERIFY(sound.Label2()->isVisible() && sound.List1()->isVisible());
    QVERIFY(!sound.Label3()->isVisible() && !sound.List2()->isVisible());
    click(sound.Opt2());
    QVERIFY(!sound.opt1()->Value());
    QVERIFY(sound.Label3()->isVisible() && sound.List2()->isVisible());
    QVERIFY(!sound.Label2()->isVisible() && !sound.List1()->isVisible());
    QCOMPARE(sound.List2()->List(4), QStringLiteral("Synchronous detectors"));

    click(sound.cmdReturn());
    QCOMPARE(shownScreens(), QStringList{"frmOne"});
    click(frmOne::get().Option2());
    QVERIFY(!sound.opt1()->Value() && !sound.Opt2()->Value());
    QVERIFY(!sound.List1()->isVisible() && !sound.List2()->isVisible());
}

void tst_symptoms::soundContinueNeedsASymptom()
{
    ProgramScope program;
    Module1::Main();
    click(frmOne::get().Option2());
    click(frmSound::get().cmdContinue());
    QCOMPARE(shownScreens(), QStringList{"frmSound"});
    QVERIFY(program.services.messages.empty());
}

void tst_symptoms::rasterListsAndFlag_data()
{
    QTest::addColumn<int>("symptom");
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("items");
    QTest::newRow("No raster at all") << 1 << "List1" << 9;
    QTest::newRow("Horizontal line only") << 2 << "List2" << 4;
    QTest::newRow("Vertical line only: the same nine") << 3 << "List1" << 9;
    QTest::newRow("Pincushion distortion") << 4 << "List3" << 1;
}

void tst_symptoms::rasterListsAndFlag()
{
    QFETCH(int, symptom);
    QFETCH(QString, list);
    QFETCH(int, items);
    ProgramScope program;
    Module1::Main();
    click(frmOne::get().Option3());
    frmRaster& raster = frmRaster::get();
    QVERIFY(!raster.Option5()->Value());
    click(raster.Option4()); // another symptom first: the lists switch, the flag stays up
    click(raster.control(QStringLiteral("Option%1").arg(symptom)));
    QCOMPARE(revealed(raster, {"List1", "List2", "List3"}), QStringList{list});
    QCOMPARE(raster.control<ListBox>(list)->count(), items);
    QVERIFY(raster.Option5()->Value());
    QVERIFY(!raster.Option5()->isVisible());
    QVERIFY(raster.control<OptionButton>(QStringLiteral("Option%1").arg(symptom))->Value());
}

void tst_symptoms::rasterContinueNeedsASymptom()
{
    ProgramScope program;
    Module1::Main();
    click(frmOne::get().Option3());
    click(frmRaster::get().cmdContinue());
    QCOMPARE(shownScreens(), QStringList{"frmRaster"});
    QVERIFY(program.services.messages.empty());
}

void tst_symptoms::rasterReturnForgetsTheChoice()
{
    ProgramScope program;
    Module1::Main();
    click(frmOne::get().Option3());
    click(frmRaster::get().Option2());
    click(frmRaster::get().cmdReturn());
    QCOMPARE(shownScreens(), QStringList{"frmOne"});
    QVERIFY(!frmOne::get().Option3()->Value());
    click(frmOne::get().Option3());
    frmRaster& raster = frmRaster::get();
    QVERIFY(!raster.Option2()->Value());
    QVERIFY(!raster.Option5()->Value());
    QVERIFY(revealed(raster, {"List1", "List2", "List3"}).isEmpty());
}

void tst_symptoms::pictureCodes_data()
{
    QTest::addColumn<int>("symptom");
    QTest::addColumn<int>("item"); // -1: the symptom shows a fixed line, nothing to choose
    QTest::addColumn<int>("code");
    const QList<int> items{5, -1, 4, 4, 2, -1, -1, -1, 3, 3, 3}; // per symptom: items, or -1
    int code = 1;
    for (int symptom = 1; symptom <= 11; ++symptom) {
        const int count = items[symptom - 1];
        if (count < 0) {
            QTest::addRow("symptom %d, fixed line: code %d", symptom, code) << symptom << -1 << code;
            ++code;
        }
        for (int item = 0; item < count; ++item, ++code)
            QTest::addRow("symptom %d, item %d: code %d", symptom, item, code) << symptom << item << code;
    }
}

void tst_symptoms::pictureCodes()
{
    QFETCH(int, symptom);
    QFETCH(int, item);
    QFETCH(int, code);
    ProgramScope program;
    frmPicture& picture = openPicture();
    click(picture.Option(symptom));
    const QStringList shown = revealed(picture, kPictureAreas);
    QCOMPARE(shown.size(), 1);
    if (item >= 0)
        choose(picture.control(shown.first()), item);
    click(picture.cmdContinue());
    QCOMPARE(picture.txtA()->Text(), QString::number(code));
    QCOMPARE(picture.code(), code);
    QVERIFY(program.services.messages.empty());
}

void tst_symptoms::pictureRevealsBesideTheSymptom()
{
    ProgramScope program;
    frmPicture& picture = openPicture();
    QVERIFY(revealed(picture, kPictureAreas).isEmpty());
    QCOMPARE(picture.Option(5)->text(), QStringLiteral(" Both horiz. tear/vertical roll"));
    for (int symptom = 1; symptom <= 11; ++symptom) {
        click(picture.Option(symptom));
        const QStringList shown = revealed(picture, kPictureAreas);
        QCOMPARE(shown.size(), 1);
        QWidget* area = picture.control(shown.first());
        const int symptomRow = picture.Option(symptom)->mapTo(picture.window(), QPoint(0, 0)).y();
        // Level with its symptom: within the height of one symptom row (540 twips) of it.
        QVERIFY2(qAbs(area->y() - symptomRow) < 36, qPrintable(shown.first()));
        if (auto* combo = qobject_cast<ComboBox*>(area)) {
            QCOMPARE(combo->ListIndex(), -1);
            QCOMPARE(combo->currentText(), QString());
            QCOMPARE(combo->placeholderText(), QStringLiteral("Problem areas:"));
        }
    }
    QVERIFY(!picture.txtA()->isVisible());
    QVERIFY(!picture.cmdFillA()->isVisible());
}

void tst_symptoms::pictureSwitchingSymptomClearsTheChoice()
{
    ProgramScope program;
    frmPicture& picture = openPicture();
    click(picture.Option(1));
    choose(picture.Combo1(), 3); // "Delay line"
    QCOMPARE(picture.Combo1()->ListIndex(), 3);
    click(picture.Option(3));
    QVERIFY(!picture.Combo1()->isVisible());
    QCOMPARE(picture.Combo1()->ListIndex(), -1);
    click(picture.cmdContinue()); // nothing chosen in Combo2 yet
    QCOMPARE(program.services.messages.size(), size_t(1));
    QCOMPARE(picture.txtA()->Text(), QStringLiteral("0"));
}

void tst_symptoms::pictureContinueWithoutChoiceAsks()
{
    ProgramScope program;
    frmPicture& picture = openPicture();
    click(picture.cmdContinue());
    click(picture.Option(1));
    click(picture.cmdContinue());
    QCOMPARE(program.services.messages.size(), size_t(2));
    QCOMPARE(program.services.messages[1].title, QStringLiteral("Enter selection"));
    QCOMPARE(program.services.messages[1].text, QStringLiteral("Please select one of the symptoms"));
    QCOMPARE(shownScreens(), QStringList{"frmPicture"});
    QCOMPARE(picture.txtA()->Text(), QStringLiteral("0"));
    QVERIFY(picture.Combo1()->isVisible());
}

void tst_symptoms::pictureReturnStartsFresh()
{
    ProgramScope program;
    frmPicture& picture = openPicture();
    click(picture.Option(2));
    click(picture.cmdContinue());
    QCOMPARE(picture.txtA()->Text(), QStringLiteral("6"));
    QCOMPARE(shownScreens(), QStringList{"frmFront"});
    click(frmFront::get().cmdReturn()); // back from the diagram
    QCOMPARE(shownScreens(), QStringList{"frmPicture"});
    click(picture.cmdReturn());
    QCOMPARE(shownScreens(), QStringList{"frmOne"});
    QVERIFY(!picture.isLoaded());
    click(frmOne::get().Option4());
    QCOMPARE(picture.txtA()->Text(), QStringLiteral("0"));
    QVERIFY(!picture.Option(2)->Value());
    QVERIFY(revealed(picture, kPictureAreas).isEmpty());
}

void tst_symptoms::colorCodes_data()
{
    QTest::addColumn<int>("symptom");
    QTest::addColumn<int>("nested"); // 0: no nested symptom
    QTest::addColumn<int>("item");   // -1: a fixed line
    QTest::addColumn<int>("code");
    int code = 1;
    for (int item = 0; item < 10; ++item, ++code)
        QTest::addRow("No color, item %d", item) << 1 << 0 << item << code;
    QTest::newRow("Areas predominantly one color") << 2 << 0 << -1 << code++;
    for (int item = 0; item < 5; ++item, ++code)
        QTest::addRow("Colored confetti, item %d", item) << 3 << 0 << item << code;
    QTest::newRow("Outlined in color") << 4 << 0 << -1 << code++;
    for (int item = 0; item < 3; ++item, ++code)
        QTest::addRow("Colors float, item %d", item) << 5 << 0 << item << code;
    QTest::newRow("Screen one color, no nested symptom") << 6 << 0 << -1 << code++;
    for (int nested = 7; nested <= 12; ++nested, ++code)
        QTest::addRow("Screen one color, nested Option%d", nested) << 6 << nested << -1 << code;
}

void tst_symptoms::colorCodes()
{
    QFETCH(int, symptom);
    QFETCH(int, nested);
    QFETCH(int, item);
    QFETCH(int, code);
    ProgramScope program;
    frmProblems& problems = openProblems();
    QCOMPARE(problems.txtB()->Text(), QString()); // empty until the first Continue
    click(problems.Option(symptom));
    if (nested)
        click(problems.Option(nested));
    const QStringList shown = revealed(problems, kColorAreas);
    QCOMPARE(shown.size(), 1);
    if (item >= 0)
        choose(problems.control(shown.first()), item);
    QCOMPARE(problems.Option(symptom)->Value(), true); // a nested choice leaves the main symptom selected
    click(problems.cmdContinue());
    QCOMPARE(problems.txtB()->Text(), QString::number(code));
    QVERIFY(program.services.messages.empty());
}

void tst_symptoms::colorNestedGroupIsClearedByAnotherSymptom()
{
    ProgramScope program;
    frmProblems& problems = openProblems();
    QVERIFY(!problems.Frame2()->isVisible());
    click(problems.Option(6));
    QVERIFY(problems.Frame2()->isVisible());
    QVERIFY(problems.Text(3)->isVisible()); // "Adjust tint control"
    click(problems.Option(11));
    QVERIFY(!problems.Text(3)->isVisible());
    QVERIFY(problems.Text(8)->isVisible());
    click(problems.Option(1));
    QVERIFY(!problems.Frame2()->isVisible());
    QVERIFY(!problems.Option(11)->Value());
    click(problems.Option(6));
    for (int nested = 7; nested <= 12; ++nested)
        QVERIFY(!problems.Option(nested)->Value());
    QCOMPARE(revealed(problems, kColorAreas), QStringList{"Text3"});
    QCOMPARE(problems.Option(7)->text(), QStringLiteral("Cyan raster or red rasted"));
}

void tst_symptoms::colorReturnKeepsTheScreenLoaded()
{
    ProgramScope program;
    frmProblems& problems = openProblems();
    click(problems.Option(3));
    choose(problems.Combo2(), 3);
    click(problems.cmdReturn());
    QCOMPARE(shownScreens(), (QStringList{"frmProblems", "frmOne"}));
    QVERIFY(!frmOne::get().Option5()->Value());
    click(frmOne::get().Option5());
    QCOMPARE(shownScreens(), QStringList{"frmProblems"});
    QVERIFY(problems.Option(3)->Value());
    QCOMPARE(problems.Combo2()->ListIndex(), 3);
}

void tst_symptoms::colorContinueWithoutChoiceAsks()
{
    ProgramScope program;
    frmProblems& problems = openProblems();
    click(problems.Option(5));
    click(problems.cmdContinue());
    QCOMPARE(program.services.messages.size(), size_t(1));
    QCOMPARE(program.services.messages[0].title, QStringLiteral("Enter selection"));
    QCOMPARE(problems.txtB()->Text(), QStringLiteral("0"));
    QCOMPARE(shownScreens(), QStringList{"frmProblems"});
}

FW_TEST_MAIN(tst_symptoms)
#include "tst_symptoms.moc"
