// The exercise without a window: the isolation transformer and the safety slips, the readings in order,
// naming the stage then the part, the time, and the record it ends as.

#include "diagrams/areanotes.h"
#include "trainer/exercise/exercise.h"
#include "trainer/exercise/halfsplit.h"

#include <QRandomGenerator>
#include <QTest>

using namespace trainer;

namespace {
const QDateTime kStart(QDate(2026, 3, 2), QTime(9, 0), Qt::UTC);

const Fault& someFault()
{
    return faults().front();
}

// A stage of the set whose reading is taken with the set switched on.
QString poweredStage(const Set& set)
{
    for (const QString& stage : stages())
        if (const std::optional<Reading> reading = set.measure(stage); reading && reading->powered)
            return stage;
    return {};
}

// A stage other than the faulty one.
QString otherStage(const Fault& fault)
{
    for (const QString& stage : stages())
        if (stage != QLatin1String(fault.stage))
            return stage;
    return {};
}
} // namespace

class tst_trainerexercise : public QObject
{
    Q_OBJECT
private slots:
    void poweredMeasurementWaitsForIsolation_data();
    void poweredMeasurementWaitsForIsolation();
    void readingsKeepTheirOrder();
    void unpluggedMeansUnplugged_data();
    void unpluggedMeansUnplugged();
    void aSettingIsJudgedRunning_data();
    void aSettingIsJudgedRunning();
    void theResultNamesEachSlip();
    void naming_data();
    void naming();
    void namingTwiceChangesNothing();
    void drawnKeepsTheInstructorsFault();
    void readingSaysWhatAndWhere_data();
    void readingSaysWhatAndWhere();
    void resultSaysHowItWent_data();
    void resultSaysHowItWent();
    void wrongStageOnAControlSaysWhatItFeeds_data();
    void wrongStageOnAControlSaysWhatItFeeds();
    void benchNoteCarriesTheLiveChassisRuleOnlyForSuchASet_data();
    void benchNoteCarriesTheLiveChassisRuleOnlyForSuchASet();
    void halfSplitSequenceFindsTheStageWithinTheFigure();
    void aReadingThatToldLittleIsNamed();
    void theSameShortCountsForEitherStage_data();
    void theSameShortCountsForEitherStage();
    void aTestPointSplitsWithinItsStage();
    void suspectsAreWhatTheSymptomAllows_data();
    void suspectsAreWhatTheSymptomAllows();
    void theTextbooksFirstReadingIsCredited_data();
    void theTextbooksFirstReadingIsCredited();
};

void tst_trainerexercise::poweredMeasurementWaitsForIsolation_data()
{
    QTest::addColumn<bool>("lineConnected");
    QTest::addColumn<bool>("isolated");
    QTest::addColumn<bool>("refused");
    QTest::newRow("live chassis, no isolation: refused") << true << false << true;
    QTest::newRow("live chassis, isolated") << true << true << false;
    QTest::newRow("mains transformer, no isolation") << false << false << false;
    QTest::newRow("mains transformer, isolated") << false << true << false;
}

void tst_trainerexercise::poweredMeasurementWaitsForIsolation()
{
    QFETCH(bool, lineConnected);
    QFETCH(bool, isolated);
    QFETCH(bool, refused);
    Exercise exercise(someFault(), lineConnected, kStart);
    exercise.setIsolated(isolated);
    const QString stage = poweredStage(exercise.set());
    QVERIFY(!stage.isEmpty());
    const Measurement taken = exercise.measure(stage);
    QCOMPARE(taken.reading.has_value(), !refused);
    QCOMPARE(taken.refusal.isEmpty(), !refused);
    QCOMPARE(exercise.record().safetySlips, refused ? 1 : 0);
    QCOMPARE(exercise.record().measurements, refused ? 0 : 1);
    QCOMPARE(exercise.record().readings.size(), size_t(1));
    QCOMPARE(exercise.record().readings[0].refused, refused);
}

void tst_trainerexercise::readingsKeepTheirOrder()
{
    Exercise exercise(someFault(), true, kStart);
    const QStringList all = stages();
    QVERIFY(all.size() >= 3);
    exercise.measure(all[2]); // refused: not yet isolated
    exercise.setIsolated(true);
    exercise.measure(all[0]);
    exercise.measure(all[1]);
    exercise.measure(all[2]);
    const std::vector<RecordedReading>& readings = exercise.record().readings;
    QCOMPARE(readings.size(), size_t(4));
    const QStringList expected{all[2], all[0], all[1], all[2]};
    for (size_t i = 0; i < readings.size(); ++i)
        QCOMPARE(readings[i].stage, expected[static_cast<qsizetype>(i)]);
    QCOMPARE(readings[3].text, readingText(*exercise.set().measure(all[2])));
    QVERIFY(readings[0].refused);
    QVERIFY(!readings[3].refused);
}

// Unplugged and discharged, the set gives no powered reading: refused with the reason, neither kept nor
// counted, until it is plugged in again; plugged in, a part check needs a fresh discharge.
void tst_trainerexercise::unpluggedMeansUnplugged_data()
{
    QTest::addColumn<bool>("lineConnected");
    QTest::newRow("live chassis, isolated") << true;
    QTest::newRow("mains transformer") << false;
}

void tst_trainerexercise::unpluggedMeansUnplugged()
{
    QFETCH(bool, lineConnected);
    for (const Fault& fault : faults()) {
        Exercise exercise(fault, lineConnected, kStart);
        exercise.setIsolated(true);
        exercise.setDischarged(true);
        const QString stage = poweredStage(exercise.set());
        const Measurement taken = exercise.measure(stage);
        QVERIFY2(!taken.reading, fault.id);
        QCOMPARE(taken.refusal, unpluggedRefusalText());
        QCOMPARE(exercise.record().measurements, 0);
        QCOMPARE(exercise.record().safetySlips, 0);
        QVERIFY(exercise.record().readings.empty());
        exercise.setDischarged(false); // plugged in again
        QVERIFY(exercise.measure(stage).reading);
        exercise.nameStage(QString::fromLatin1(fault.stage), kStart.addSecs(9));
        const QStringList parts = exercise.suspectParts();
        const auto part = std::ranges::find_if(parts, [](const QString& p) { return !isSetting(p); });
        QVERIFY2(exercise.needsDischarge() == (part != parts.end()), fault.id);
        if (part == parts.end())
            continue;
        QVERIFY(!exercise.checkPart(*part).refusal.isEmpty()); // plugged in: a fresh discharge first
        QCOMPARE(exercise.record().safetySlips, 1);
    }
}

void tst_trainerexercise::aSettingIsJudgedRunning_data()
{
    QTest::addColumn<QString>("faultId");
    QTest::addColumn<bool>("discharged");
    QTest::addColumn<bool>("refused");
    QTest::newRow("vertical linearity, running") << "vertical-linearity-misadjusted" << false << false;
    QTest::newRow("vertical linearity, unplugged") << "vertical-linearity-misadjusted" << true << true;
    QTest::newRow("tint, running") << "tint-misadjusted" << false << false;
    QTest::newRow("horizontal hold, unplugged") << "horizontal-hold-misadjusted" << true << true;
}

// A control's setting is judged with the set running and the picture in view: no discharge, and no slip
// either way; unplugged, it waits for the set to be plugged in.
void tst_trainerexercise::aSettingIsJudgedRunning()
{
    QFETCH(QString, faultId);
    QFETCH(bool, discharged);
    QFETCH(bool, refused);
    const Fault* fault = findFault(faultId);
    QVERIFY(fault);
    Exercise exercise(*fault, false, kStart);
    exercise.nameStage(QString::fromLatin1(fault->stage), kStart.addSecs(5));
    exercise.setDischarged(discharged);
    const PartCheck check = exercise.checkPart(QStringLiteral("setting"));
    QCOMPARE(exercise.record().safetySlips, 0);
    QCOMPARE(check.refusal.isEmpty(), !refused);
    if (refused) {
        QCOMPARE(check.refusal, unpluggedRefusalText());
        return;
    }
    QVERIFY(check.failed);
    const QString said = checkText(QString::fromLatin1(fault->stage), check);
    QVERIFY2(said.contains(QStringLiteral("set running, the picture in view: setting found misadjusted")),
             qPrintable(said));
    QVERIFY2(!said.contains(QStringLiteral("power off")), qPrintable(said));
}

// Each slip is named in the result; a part's plural agrees with its finding.
void tst_trainerexercise::theResultNamesEachSlip()
{
    const Fault* fault = findFault("sync-separator-coupling");
    if (!fault)
        fault = &someFault();
    Exercise exercise(*fault, true, kStart);
    exercise.measure(poweredStage(exercise.set())); // a live chassis without the isolation transformer
    exercise.setIsolated(true);
    exercise.nameStage(QString::fromLatin1(fault->stage), kStart.addSecs(5));
    const QStringList parts = exercise.suspectParts();
    const auto part = std::ranges::find_if(parts, [](const QString& p) { return !isSetting(p); });
    QVERIFY(part != parts.end());
    exercise.checkPart(*part); // before discharging
    exercise.namePart(*part, kStart.addSecs(60));
    QCOMPARE(slipsText(exercise.record()),
             QStringLiteral("2 safety slips: a live chassis measured without the isolation transformer; a part "
                            "checked before discharging"));
    QVERIFY(resultText(exercise.record(), *fault).contains(slipsText(exercise.record())));
    ExerciseRecord none;
    QCOMPARE(slipsText(none), QStringLiteral("0 safety slips"));
    // Plural parts agree with what the check found.
    for (const Fault& each : faults()) {
        Exercise e(each, false, kStart);
        e.nameStage(QString::fromLatin1(each.stage), kStart);
        e.setDischarged(true);
        for (const QString& p : e.suspectParts())
            if (p.endsWith(QLatin1String("capacitors")) && p != QString::fromUtf8(each.part)) {
                // A good part's check gives its figures, never a verdict for either number to agree with.
                const QString finding = e.checkPart(p).finding;
                QVERIFY2(!finding.contains(QLatin1String("good")) || finding.contains(QLatin1String("a good one")),
                         qPrintable(finding));
                return;
            }
    }
    QFAIL("no plural part to check");
}

void tst_trainerexercise::naming_data()
{
    QTest::addColumn<bool>("rightStage");
    QTest::addColumn<bool>("rightPart"); // when the stage is right
    QTest::addColumn<bool>("right");
    QTest::newRow("stage and part right") << true << true << true;
    QTest::newRow("stage right, part wrong") << true << false << false;
    QTest::newRow("stage wrong") << false << false << false;
}

void tst_trainerexercise::naming()
{
    QFETCH(bool, rightStage);
    QFETCH(bool, rightPart);
    QFETCH(bool, right);
    for (const Fault& fault : faults()) {
        Exercise exercise(fault, false, kStart);
        const QString stage = rightStage ? QString::fromLatin1(fault.stage) : otherStage(fault);
        exercise.nameStage(stage, kStart.addSecs(30));
        QCOMPARE(exercise.step(), rightStage ? Exercise::Step::NamingPart : Exercise::Step::Finished);
        QString part;
        if (rightStage) {
            const QStringList parts = exercise.suspectParts();
            QVERIFY2(parts.contains(QString::fromUtf8(fault.part)), fault.id);
            for (const QString& p : parts)
                if ((p == QString::fromUtf8(fault.part)) == rightPart)
                    part = p;
            if (part.isEmpty()) // a stage with one suspect part has no wrong one to name
                continue;
            if (isSetting(part)) { // judged running: no discharge, no slip
                QCOMPARE(exercise.checkPart(part).failed, rightPart);
                QCOMPARE(exercise.record().safetySlips, 0);
            } else {
                QCOMPARE(exercise.checkPart(part).failed, false); // refused: the set is not discharged
                QCOMPARE(exercise.record().safetySlips, 1);
                exercise.setDischarged(true);
                QCOMPARE(exercise.checkPart(part).failed, rightPart);
            }
            QCOMPARE(exercise.record().checks.size(), size_t(1));
            exercise.namePart(part, kStart.addSecs(95));
        }
        const ExerciseRecord& record = exercise.record();
        QCOMPARE(exercise.step(), Exercise::Step::Finished);
        QCOMPARE(record.right, right);
        QCOMPARE(record.stageNamed, stage);
        QCOMPARE(record.partNamed, part);
        QCOMPARE(record.faultId, QString::fromLatin1(fault.id));
        QCOMPARE(record.faultStage, QString::fromLatin1(fault.stage));
        QCOMPARE(record.seconds, rightStage ? 95 : 30);
        QCOMPARE(record.optimum, static_cast<int>(halfSplitSequence(fault).size()));
        QCOMPARE(record.finished.timeSpec(), Qt::UTC);
    }
}

// Once the answer is given, nothing more counts: no second answer, no more readings.
void tst_trainerexercise::namingTwiceChangesNothing()
{
    const Fault& fault = someFault();
    Exercise exercise(fault, false, kStart);
    exercise.nameStage(otherStage(fault), kStart.addSecs(10));
    exercise.nameStage(QString::fromLatin1(fault.stage), kStart.addSecs(20));
    exercise.namePart(QString::fromUtf8(fault.part), kStart.addSecs(30));
    QVERIFY(!exercise.measure(QString::fromLatin1(fault.stage)).reading);
    QVERIFY(!exercise.record().right);
    QCOMPARE(exercise.record().seconds, 10);
    QVERIFY(exercise.record().readings.empty());
}

void tst_trainerexercise::drawnKeepsTheInstructorsFault()
{
    QRandomGenerator random(7);
    const Fault& chosen = faults().back();
    bool live = false, isolatedSupply = false;
    for (int i = 0; i < 64; ++i) {
        const Exercise exercise = Exercise::drawn(random, &chosen, kStart);
        QCOMPARE(exercise.record().faultId, QString::fromLatin1(chosen.id));
        (exercise.lineConnected() ? live : isolatedSupply) = true;
    }
    QVERIFY(live && isolatedSupply); // both kinds of set come to the bench
}

void tst_trainerexercise::readingSaysWhatAndWhere_data()
{
    QTest::addColumn<QString>("now");
    QTest::addColumn<QString>("typical");
    QTest::addColumn<QString>("says");
    QTest::newRow("as a working set") << "12 V DC"
                                      << "12 V DC"
                                      << "Reads 12 V DC, as a working set does.";
    QTest::newRow("unlike a working set") << "0 V"
                                          << "12 V DC"
                                          << "Reads 0 V; a working set: 12 V DC.";
}

void tst_trainerexercise::readingSaysWhatAndWhere()
{
    QFETCH(QString, now);
    QFETCH(QString, typical);
    QFETCH(QString, says);
    Reading reading;
    reading.stage = QString::fromLatin1(someFault().stage);
    reading.quantity = QStringLiteral("Supply rail");
    reading.instrument = QStringLiteral("meter, DC volts");
    reading.where = QStringLiteral("pin 4");
    reading.now = now;
    reading.typical = typical;
    reading.normal = now == typical;
    const QString text = readingText(reading);
    QCOMPARE(text,
             stageTitle(reading.stage) + QStringLiteral(": Supply rail; meter, DC volts, pin 4. ") + says);
}

void tst_trainerexercise::resultSaysHowItWent_data()
{
    QTest::addColumn<bool>("right");
    QTest::addColumn<int>("measurements");
    QTest::addColumn<int>("slips");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QStringList>("says");
    QTest::newRow("right, one slip") << true << 5 << 1 << 125
                                     << QStringList{"Right", "you took 5;", "1 safety slip", "2 min 05 s"};
    QTest::newRow("wrong, no slip") << false << 1 << 0 << 42
                                    << QStringList{"Wrong", "you took 1;", "0 safety slips", "42 s"};
}

void tst_trainerexercise::resultSaysHowItWent()
{
    QFETCH(bool, right);
    QFETCH(int, measurements);
    QFETCH(int, slips);
    QFETCH(int, seconds);
    QFETCH(QStringList, says);
    const Fault& fault = someFault();
    ExerciseRecord record;
    record.faultStage = QString::fromLatin1(fault.stage);
    record.stageNamed = right ? record.faultStage : otherStage(fault);
    record.partNamed = right ? QString::fromUtf8(fault.part) : QString();
    record.right = right;
    record.measurements = measurements;
    record.safetySlips = slips;
    record.seconds = seconds;
    record.optimum = 3;
    const QString text = resultText(record, fault);
    for (const QString& words : says)
        QVERIFY2(text.contains(words), qPrintable(text));
    // Compared with this set's own search, after what the symptom proved.
    const QString own = QStringLiteral("On this set %1 would have found it")
                            .arg(halfSplitSequence(fault).size() == 1 ? QStringLiteral("1 measurement")
                                                                      : QStringLiteral("%1 measurements")
                                                                            .arg(halfSplitSequence(fault).size()));
    QVERIFY2(text.contains(provedText(fault) + QLatin1Char(' ') + own), qPrintable(text));
    QVERIFY2(text.contains(faultName(fault)), qPrintable(text));
    QVERIFY2(text.contains(QString::fromUtf8(fault.explanation)), qPrintable(text));
}

void tst_trainerexercise::wrongStageOnAControlSaysWhatItFeeds_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("control");
    QTest::newRow("tint") << "tint-misadjusted" << true;
    QTest::newRow("vertical hold") << "vertical-hold-misadjusted" << true;
    QTest::newRow("vertical size") << "vertical-size-low" << true;
    QTest::newRow("a part, not a control") << "vertical-output-dead" << false;
}

// Named: a stage the control feeds, which read wrong because of it.
void tst_trainerexercise::wrongStageOnAControlSaysWhatItFeeds()
{
    QFETCH(QString, fault);
    QFETCH(bool, control);
    const Fault* f = findFault(fault);
    QVERIFY(f);
    const QString stage = QString::fromLatin1(f->stage);
    QString fed;
    for (const QString& s : stages())
        if (needs(s).contains(stage))
            fed = s;
    QVERIFY2(!fed.isEmpty(), qPrintable(stage));
    ExerciseRecord record;
    record.faultStage = stage;
    record.stageNamed = fed;
    const QString text = resultText(record, *f);
    const QString why = QStringLiteral("The %1 read wrong because the %2").arg(stageTitle(fed), stageTitle(stage));
    QCOMPARE(text.contains(why), control);
    QCOMPARE(text.contains(QStringLiteral("before any of its parts")), control);
}

void tst_trainerexercise::benchNoteCarriesTheLiveChassisRuleOnlyForSuchASet_data()
{
    QTest::addColumn<bool>("lineConnected");
    QTest::newRow("no mains transformer") << true;
    QTest::newRow("mains transformer") << false;
}

void tst_trainerexercise::benchNoteCarriesTheLiveChassisRuleOnlyForSuchASet()
{
    QFETCH(bool, lineConnected);
    const std::optional<areanotes::Note> note = areanotes::note("horizontal-output");
    QVERIFY(note && note->text.contains(QStringLiteral("Line-connected chassis")));
    const QString bench = benchNote(*note, lineConnected);
    QCOMPARE(bench.contains(QStringLiteral("Line-connected chassis")), lineConnected);
    QVERIFY(bench.startsWith(note->body));
    QVERIFY(bench.contains(QStringLiteral("Safety:"))); // its other rules stay
}

// From every fault's symptom, the search ends on the faulty stage, in no more steps than the figure, each
// step as good as any measurement could be.
void tst_trainerexercise::halfSplitSequenceFindsTheStageWithinTheFigure()
{
    for (const Fault& fault : faults()) {
        const std::vector<SearchStep> sequence = halfSplitSequence(fault);
        const QString where = QString::fromLatin1(fault.id);
        QVERIFY2(static_cast<int>(sequence.size()) <= halfSplitOptimum(fault), qPrintable(where));
        QStringList taken;
        for (const SearchStep& s : sequence) {
            // Each step splits as well as any reading could, but the last, which sees the one suspect left
            // read wrong.
            QVERIFY2(s.confirms ? s.before == 1 && &s == &sequence.back()
                                : s.after < s.before && s.after == s.bestAfter,
                     qPrintable(where + QLatin1Char(' ') + s.stage));
            taken << s.stage;
        }
        if (!sequence.empty() && sequence.back().after == 1)
            QVERIFY2(sequence.back().readsWrong && pointStage(sequence.back().stage) == QLatin1String(fault.stage),
                     qPrintable(where));
        if (!sequence.empty() && sequence.back().after > 1) { // stages that read alike: no reading parts them
            const std::vector<SearchStep> further = followReadings(fault, taken + stages());
            QVERIFY2(further.back().after == sequence.back().after, qPrintable(where));
        }
        const QString text = resultText(ExerciseRecord{}, fault);
        QVERIFY2(text.contains(QStringLiteral("half-split figure, %1,").arg(halfSplitOptimum(fault))),
                 qPrintable(text));
        if (!sequence.empty())
            QVERIFY2(text.contains(QStringLiteral("1. ") + stageTitle(sequence.front().stage) + QStringLiteral(" (reads")),
                     qPrintable(text));
    }
}

// The same stage measured again tells nothing new; the search's own first step is not faulted.
void tst_trainerexercise::aReadingThatToldLittleIsNamed()
{
    const Fault* f = findFault("vertical-yoke-open");
    QVERIFY(f);
    const std::vector<SearchStep> best = halfSplitSequence(*f);
    QVERIFY(!best.empty());
    const QString first = best.front().stage;
    const std::vector<SearchStep> followed = followReadings(*f, {first, first});
    QCOMPARE(followed.size(), size_t(2));
    QCOMPARE(followed.front().after, best.front().after);
    QCOMPARE(followed.back().after, followed.back().before);
    const QString text = halfSplitText(*f, {first, first});
    QVERIFY2(text.contains(stageTitle(first) + QStringLiteral(" told nothing new")), qPrintable(text));
    QVERIFY2(!halfSplitText(*f, {first}).contains(QStringLiteral("Of your readings")),
             qPrintable(halfSplitText(*f, {first})));
}


void tst_trainerexercise::theSameShortCountsForEitherStage_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("named");
    QTest::addColumn<bool>("stageRight");
    QTest::addColumn<QString>("part");
    QTest::newRow("output transistor's short, the damper named")
        << "horizontal-output-shorted" << "damper" << true << "output transistor";
    QTest::newRow("damper's short, the output stage named")
        << "damper-shorted" << "horizontal-output" << true << "damper diode";
    QTest::newRow("the damper's own stage") << "damper-shorted" << "damper" << true << "damper diode";
    QTest::newRow("a driver that reads otherwise")
        << "horizontal-output-shorted" << "horizontal-driver" << false << "";
    QTest::newRow("a hold-down that reads otherwise") << "damper-shorted" << "hv-hold-down" << false << "";
}

// One short across the same points reads the same on the bench: naming either stage is right, the parts of
// both are offered, and the check out of circuit finds the one that failed.
void tst_trainerexercise::theSameShortCountsForEitherStage()
{
    QFETCH(QString, fault);
    QFETCH(QString, named);
    QFETCH(bool, stageRight);
    QFETCH(QString, part);
    const Fault* f = findFault(fault);
    QVERIFY(f);
    Exercise e(*f, false, kStart);
    e.nameStage(named, kStart.addSecs(60));
    QCOMPARE(e.step() == Exercise::Step::NamingPart, stageRight);
    QCOMPARE(namesFaultyStage(named, *f), stageRight);
    if (!stageRight) {
        QVERIFY(resultText(e.record(), *f).startsWith(QStringLiteral("Wrong stage")));
        return;
    }
    const QStringList parts = e.suspectParts();
    QVERIFY2(parts.contains(part), qPrintable(parts.join(QStringLiteral(", "))));
    e.setDischarged(true);
    for (const QString& suspect : parts)
        QCOMPARE(e.checkPart(suspect).failed, suspect == part);
    e.namePart(parts.front() == part ? parts.back() : parts.front(), kStart.addSecs(90));
    QVERIFY(!e.record().right);
    const QString text = resultText(e.record(), *f);
    QVERIFY2(text.startsWith(QStringLiteral("Right stage, wrong part")), qPrintable(text));
    QCOMPARE(text.contains(QStringLiteral("one short across the same points")), named != QLatin1String(f->stage));
    if (named != QLatin1String(f->stage))
        QVERIFY2(text.contains(QStringLiteral("first check that tells them apart")), qPrintable(text));
}

// A good reading at a test point within a stage clears what feeds it, but not the stage, whose parts beyond
// the point may still fail; a wrong one keeps the stage and what feeds it.
void tst_trainerexercise::aTestPointSplitsWithinItsStage()
{
    const QString point = testPoints(QStringLiteral("vertical-amplifier")).value(0);
    QVERIFY(!point.isEmpty());
    const QStringList left{QStringLiteral("vertical-oscillator"), QStringLiteral("vertical-amplifier"),
                           QStringLiteral("vertical-yoke")};
    const SuspectSplit s = splitSuspects(left, point);
    QCOMPARE(s.good, (QStringList{QStringLiteral("vertical-amplifier"), QStringLiteral("vertical-yoke")}));
    QVERIFY(s.wrong.contains(QStringLiteral("vertical-oscillator")));
    QVERIFY(s.wrong.contains(QStringLiteral("vertical-amplifier")));
}

// Every fault: the suspects are what the symptom allows. They hold the fault's stage and every stage with a
// fault of the catalogue that looks the same; they leave out every stage whose failures all change whether
// the set is dead, its standby light or whether it sounds. Where the symptom names the first reading a
// technician takes, the search takes it first.
void tst_trainerexercise::suspectsAreWhatTheSymptomAllows_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QStringList>("firstReading"); // any of these; empty where the symptom names none
    const QStringList bPlus{"low-voltage-supply", "voltage-regulator", "damper"};
    const QHash<QString, QStringList> first{
        {"ac-mains-fuse", {"ac-mains-input"}},               // dead, standby light off: the mains side
        {"red-driver-open", {"rgb-drivers", "red-driver"}},  // one primary missing: the drivers
        {"green-driver-open", {"rgb-drivers", "green-driver"}},
        {"blue-driver-open", {"rgb-drivers", "blue-driver"}},
        {"low-voltage-fusible", bPlus},                       // dead, standby on, a fusible resistor open: the B+
        {"horizontal-output-shorted", bPlus},
        {"damper-shorted", bPlus},
    };
    for (const Fault& f : faults())
        QTest::newRow(f.id) << QString::fromLatin1(f.id) << first.value(QString::fromLatin1(f.id));
}

void tst_trainerexercise::suspectsAreWhatTheSymptomAllows()
{
    QFETCH(QString, id);
    QFETCH(QStringList, firstReading);
    const Fault& fault = *findFault(id);
    const Appearance seen = Set(&fault).appearance();
    const QStringList left = suspects(fault);
    QVERIFY2(left.contains(QString::fromLatin1(fault.stage)), qPrintable(left.join(' ')));
    for (const Fault& other : faults())
        if (Set(&other).appearance() == seen)
            QVERIFY2(left.contains(QString::fromLatin1(other.stage)), other.id);
    const auto supplySigns = [](const Appearance& a) {
        return std::tuple{a.power, a.standbyLight, a.sound == Sound::None, a.sound == Sound::Chirp};
    };
    for (const QString& stage : stages()) {
        const QByteArray stageId = stage.toLatin1();
        std::vector<Fault> failures{Fault{"", stageId.constData(), "", "open", Output::Missing, "", {}},
                                    Fault{"", stageId.constData(), "", "weak", Output::Weak, "", {}}};
        for (const Fault& other : faults())
            if (stage == QLatin1String(other.stage))
                failures.push_back(other);
        const bool keepsSigns = std::ranges::any_of(failures, [&](const Fault& f) {
            return supplySigns(Set(&f).appearance()) == supplySigns(seen);
        });
        if (!keepsSigns)
            QVERIFY2(!left.contains(stage), qPrintable(stage));
    }
    const std::vector<SearchStep> sequence = halfSplitSequence(fault);
    if (!firstReading.isEmpty()) {
        QVERIFY(!sequence.empty());
        QVERIFY2(firstReading.contains(sequence.front().stage), qPrintable(sequence.front().stage));
    }
}

// The first reading a textbook teaches for a symptom is credited, and so is a reading that shows the fault's
// effect; once the faulty stage is singled out, later readings are not counted against the student.
void tst_trainerexercise::theTextbooksFirstReadingIsCredited_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QStringList>("readings");
    QTest::addColumn<QList<int>>("told");
    const auto told = [](std::initializer_list<Told> t) {
        QList<int> all;
        for (const Told one : t)
            all << static_cast<int>(one);
        return all;
    };
    QTest::newRow("dead, standby off: the mains input")
        << "ac-mains-fuse" << QStringList{"ac-mains-input"} << told({Told::Confirmed});
    QTest::newRow("shorted output transistor: the raw B+, then the regulated B+")
        << "horizontal-output-shorted" << QStringList{"low-voltage-supply", "voltage-regulator"}
        << told({Told::SupplyFirst, Told::SupplyFirst});
    QTest::newRow("cyan raster: the red driver's collector, then anything")
        << "red-driver-open" << QStringList{"red-driver", "vertical-amplifier", "red-driver"}
        << told({Told::Confirmed, Told::AfterFound, Told::AfterFound});
    QTest::newRow("open tripler: the anode")
        << "tripler-open" << QStringList{"hv-rectifier"} << told({Told::Confirmed});
    QTest::newRow("vertical linearity: both amplifiers show the bent sawtooth")
        << "vertical-linearity-misadjusted" << QStringList{"vertical-amplifier-1", "vertical-amplifier"}
        << told({Told::Localised, Told::Localised});
    QTest::newRow("cyan raster: a stage the symptom clears")
        << "red-driver-open" << QStringList{"sound-detector"} << told({Told::NothingNew});
}

void tst_trainerexercise::theTextbooksFirstReadingIsCredited()
{
    QFETCH(QString, id);
    QFETCH(QStringList, readings);
    QFETCH(QList<int>, told);
    const Fault& fault = *findFault(id);
    const SearchResult r = searchResult(fault, readings);
    QCOMPARE(r.yours.size(), size_t(told.size()));
    for (size_t i = 0; i < r.yours.size(); ++i)
        QCOMPARE(static_cast<int>(r.yours[i].told), told[static_cast<qsizetype>(i)]);
    const QString text = halfSplitText(fault, readings);
    const bool credited = !told.contains(static_cast<int>(Told::NothingNew)) && !told.contains(static_cast<int>(Told::Little));
    QCOMPARE(text.contains(QStringLiteral("Of your readings")), !credited);
    QVERIFY2(!text.contains(QStringLiteral("kept all 1 ")), qPrintable(text));
    QVERIFY2(!r.proved.isEmpty() && resultText(ExerciseRecord{}, fault).contains(r.proved), qPrintable(r.proved));
}

QTEST_GUILESS_MAIN(tst_trainerexercise)
#include "tst_trainerexercise.moc"
