// The trainer agrees with the rest of the program: for every fault of its catalogue, the road a technician
// takes for the symptom it shows, driven through the real symptom screens as a user drives them, ends on a
// diagram whose red problem areas include the faulty stage; and the picture each fault shows is the symptom
// its road starts from.

#include "app/frmOne.h"
#include "app/module1.h"
#include "diagrams/areanotes.h"
#include "support/program.h"
#include "trainer/model/appearance.h"
#include "trainer/model/setmodel.h"

#include <QTest>

#include <algorithm>

using namespace fw;
using fw::test::click;
using fw::test::paintedRed;
using fw::test::ProgramScope;

namespace {
// The areas painted red on a screen.
QStringList redAreas(Screen& screen)
{
    QStringList red;
    for (QWidget* w : screen.controls()) {
        const QString area = areanotes::areaAt(screen.name(), w->objectName());
        if (!area.isEmpty() && w->isVisible() && !red.contains(area) && paintedRed(w))
            red << area;
    }
    return red;
}

QWidget* shownControl(Screen& screen, const char* name)
{
    return screen.control(QString::fromLatin1(name));
}
} // namespace

class tst_trainerroads : public QObject
{
    Q_OBJECT
private slots:
    void everyFaultsRoadLightsItsStage_data();
    void everyFaultsRoadLightsItsStage();
    void everyFaultShowsItsRoadsSymptom_data();
    void everyFaultShowsItsRoadsSymptom();
};

void tst_trainerroads::everyFaultsRoadLightsItsStage_data()
{
    QTest::addColumn<int>("fault");
    for (size_t i = 0; i < trainer::faults().size(); ++i)
        QTest::newRow(trainer::faults()[i].id) << static_cast<int>(i);
}

void tst_trainerroads::everyFaultsRoadLightsItsStage()
{
    QFETCH(int, fault);
    const trainer::Fault& f = trainer::faults()[static_cast<size_t>(fault)];
    ProgramScope program;
    Module1::Main();
    click(shownControl(frmOne::get(), f.road.menuOption));
    Screen* symptoms = Registry::instance().activeScreen();
    QVERIFY(symptoms);
    if (symptoms->name() == QLatin1String("frmDead")) // the initial checks come first
        click(shownControl(*symptoms, "Command1"));
    if (f.road.option) {
        const QString option = QString::fromLatin1(f.road.option);
        // The colour problems screen's second group opens from its Option6.
        if (symptoms->name() == QLatin1String("frmProblems") && option.mid(6).toInt() > 6)
            click(shownControl(*symptoms, "Option6"));
        click(shownControl(*symptoms, f.road.option));
    }
    if (f.road.item) {
        ComboBox* list = nullptr;
        for (QWidget* w : symptoms->controls())
            if (auto* combo = qobject_cast<ComboBox*>(w); combo && combo->isVisible())
                list = combo;
        QVERIFY2(list, "no drop-down list shown");
        const int item = list->findText(QString::fromUtf8(f.road.item));
        QVERIFY2(item >= 0, f.road.item);
        fw::test::choose(list, item);
    }
    click(shownControl(*symptoms, "cmdContinue"));
    fw::test::settle();
    Screen* diagram = Registry::instance().activeScreen();
    QVERIFY(diagram && diagram != symptoms);
    const QStringList red = redAreas(*diagram);
    QVERIFY2(
        red.contains(QLatin1String(f.stage)),
        qPrintable(diagram->name() + QStringLiteral(" shows in red: ") + red.join(QStringLiteral(", "))));
}

namespace {
// What the set must show for a road's symptom: each entry is said, in one of its '|' alternatives.
struct Symptom
{
    const char* menu;
    const char* option;
    QStringList says;
};

const Symptom kSymptoms[] = {
    {"Option1", "", {"set is dead"}},                                // TV Dead
    {"Option2", "opt1", {"normal picture"}},                         // Picture O.K.
    {"Option2", "Opt2", {"snow|no picture|faint", "hiss|no sound"}}, // Poor or no picture
    {"Option3", "Option1", {"screen is dark"}},                      // No raster at all
    {"Option3", "Option2", {"horizontal line"}},                     // Horizontal line only
    {"Option3", "Option3", {"vertical line"}},                       // Vertical line only
    {"Option3", "Option4", {"bow"}},                                 // Pincushion distortion
    {"Option4", "Option1", {"faint|no picture|detail|ghost|snow"}},  // No picture or weak picture
    {"Option4", "Option2", {"negative"}},                            // Overloaded or negative picture
    {"Option4", "Option3", {"torn"}},                                // Picture torn horizontally
    {"Option4", "Option4", {"rolls"}},                               // Picture rolls vertically
    {"Option4", "Option5", {"torn", "rolls"}},                       // Both horiz. tear/vertical roll
    {"Option4", "Option7", {"bars"}},                                // Sound bars in picture
    {"Option4", "Option8", {"hum bars"}},                            // Dark line in picture
    {"Option4", "Option9", {"retrace lines"}},                       // Diagonal white lines
    {"Option4", "Option10", {"top"}},                                // Top of picture stretched
    {"Option4", "Option11", {"unevenly"}},                           // Bottom of picture stretched
    {"Option5", "Option1", {"black and white"}},                     // No color or weak color
    {"Option5", "Option5", {"drift"}},                               // Colors float - No color sync
    {"Option5", "Option6", {"every hue"}},                           // Screen predominantly one color
    {"Option5", "Option7", {"no red|cyan|flooded with red"}}, // Cyan raster or red raster
    {"Option5", "Option8", {"no green"}},
    {"Option5", "Option9", {"no blue"}},
    {"Option5", "Option10", {"reds"}}, // Loss of red or excessive red
    {"Option5", "Option11", {"greens"}},
    {"Option5", "Option12", {"blues"}},
};
} // namespace

void tst_trainerroads::everyFaultShowsItsRoadsSymptom_data()
{
    everyFaultsRoadLightsItsStage_data();
}

void tst_trainerroads::everyFaultShowsItsRoadsSymptom()
{
    QFETCH(int, fault);
    const trainer::Fault& f = trainer::faults()[static_cast<size_t>(fault)];
    const auto symptom = std::ranges::find_if(kSymptoms, [&f](const Symptom& s) {
        return QByteArrayView(s.menu) == f.road.menuOption &&
               QByteArrayView(s.option) == QByteArrayView(f.road.option ? f.road.option : "");
    });
    QVERIFY2(symptom != std::end(kSymptoms), "a road without its symptom's words");
    const QString words = trainer::describe(trainer::Set(&f).appearance());
    for (const QString& said : symptom->says)
        QVERIFY2(std::ranges::any_of(
                     said.split(u'|'),
                     [&words](const QString& w) { return words.contains(w, Qt::CaseInsensitive); }),
                 qPrintable(said + QStringLiteral(" | ") + words));
}

FW_TEST_MAIN(tst_trainerroads)
#include "tst_trainerroads.moc"
