// The trainer agrees with the rest of the program: for every fault of its catalogue, the road a technician
// takes for the symptom it shows, driven through the real symptom screens as a user drives them, ends on a
// diagram whose red problem areas include the faulty stage.

#include "app/frmOne.h"
#include "app/module1.h"
#include "diagrams/areanotes.h"
#include "support/program.h"
#include "trainer/setmodel.h"

#include <QTest>

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

FW_TEST_MAIN(tst_trainerroads)
#include "tst_trainerroads.moc"
