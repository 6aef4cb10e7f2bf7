// The safety rules the trainer's readings and answers carry: every reading of every set on the bench, and
// every fault's answer, that names a hazard carries that hazard's rule; the tables name only known points,
// faults and rules; a shorted winding is not said to read as a shorted semiconductor does.

#include "trainer/exercise.h"
#include "trainer/readinghazards.h"
#include "trainer/setmodel.h"

#include <QRegularExpression>
#include <QTest>

#include <algorithm>

using namespace trainer;

namespace {
bool carries(const std::vector<const areanotes::Rule*>& rules, const QString& id)
{
    return std::ranges::any_of(rules, [&id](const areanotes::Rule* r) { return id == QLatin1String(r->id); });
}
} // namespace

class tst_readinghazards : public QObject
{
    Q_OBJECT
private slots:
    void hazardsCarryTheirRules_data();
    void hazardsCarryTheirRules();
    void tablesNameKnownThings();
    void shortedWindingIsNoShortOnTheMeter();
};

void tst_readinghazards::hazardsCarryTheirRules_data()
{
    QTest::addColumn<QString>("sends"); // a reading or an answer whose text matches must carry the rule
    QTest::addColumn<QString>("rule");
    QTest::newRow("the mains itself") << "\\bmains at\\b|\\bV AC\\b"
                                      << "isolation";
    QTest::newRow("filter capacitor charge") << "filter capacitor|\\bdischarged\\b"
                                             << "discharge";
    QTest::newRow("anode") << "\\banode\\b|\\bkV\\b"
                           << "anode";
    QTest::newRow("pulse peaks") << "\\bV peak\\b(?! to peak)|output collector"
                                 << "pulses";
    QTest::newRow("the neck") << "\\bneck\\b"
                              << "neck";
    QTest::newRow("bridge output") << "\\bbridge\\b|\\bBTL\\b|speaker lead"
                                   << "btl";
}

// Every reading at every stage and test point, on a working set and with each fault; then each answer.
void tst_readinghazards::hazardsCarryTheirRules()
{
    QFETCH(QString, sends);
    QFETCH(QString, rule);
    const QRegularExpression trigger(sends, QRegularExpression::CaseInsensitiveOption);
    QStringList points = stages();
    for (const QString& stage : stages())
        points << testPoints(stage);
    std::vector<const Fault*> sets{nullptr};
    for (const Fault& fault : faults())
        sets.push_back(&fault);
    int sent = 0;
    for (const Fault* fault : sets)
        for (const QString& point : std::as_const(points)) {
            const std::optional<Reading> reading = Set(fault).measure(point);
            if (!reading || !trigger.match(readingText(*reading)).hasMatch())
                continue;
            ++sent;
            QVERIFY2(carries(readingRules(point), rule),
                     qPrintable(point + QStringLiteral(": ") + readingText(*reading)));
        }
    for (const Fault& fault : faults())
        if (trigger.match(QString::fromUtf8(fault.explanation)).hasMatch()) {
            ++sent;
            QVERIFY2(carries(faultRules(fault.id), rule), fault.id);
        }
    QVERIFY2(sent > 0, "no reading or answer names the hazard: the trigger has gone stale");
}

void tst_readinghazards::tablesNameKnownThings()
{
    const auto known = [](const char* id) {
        return std::ranges::any_of(areanotes::rules(), [id](const areanotes::Rule& r) {
            return QLatin1String(id) == QLatin1String(r.id);
        });
    };
    for (const Hazards& point : readingHazards()) {
        QVERIFY2(!pointStage(QLatin1String(point.key)).isEmpty(), point.key);
        QVERIFY2(std::ranges::all_of(point.rules, known), point.key);
    }
    for (const Hazards& fault : faultHazards()) {
        QVERIFY2(findFault(fault.key), fault.key);
        QVERIFY2(std::ranges::all_of(fault.rules, known), fault.key);
    }
}

// Shorted turns leave a winding's resistance all but unchanged: the check says what finds them instead.
void tst_readinghazards::shortedWindingIsNoShortOnTheMeter()
{
    const Fault* fault = findFault("pincushion-transformer-shorted");
    QVERIFY(fault);
    const PartCheck check = Set(fault).check(fault->stage, QString::fromUtf8(fault->part));
    QVERIFY(check.failed);
    QVERIFY(!check.ohms);
    QVERIFY2(!check.finding.contains(QStringLiteral("0 Ω")) &&
                 check.finding.contains(QStringLiteral("ring tester")),
             qPrintable(check.finding));
}

QTEST_GUILESS_MAIN(tst_readinghazards)
#include "tst_readinghazards.moc"
