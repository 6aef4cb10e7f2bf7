// The safety rules the trainer's readings and answers carry: every reading of every set on the bench, and
// every fault's answer, that names a hazard carries that hazard's rule; the tables name only known points,
// faults and rules; a shorted winding is not said to read as a shorted semiconductor does.

#include "trainer/exercise/exercise.h"
#include "trainer/bench/readinghazards.h"
#include "trainer/model/setmodel.h"

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
    QTest::addColumn<bool>("lineConnected"); // the chassis kind: a set without a mains transformer, or with one
    const auto row = [](const char* name, const char* sends, const char* rule) {
        for (const bool live : {true, false})
            QTest::addRow("%s, %s", name, live ? "live chassis" : "isolated chassis")
                << QString::fromUtf8(sends) << QString::fromLatin1(rule) << live;
    };
    row("the mains itself", "\\bmains at\\b|\\bV AC\\b", "isolation");
    row("filter capacitor charge", "filter capacitor|\\bdischarged\\b", "discharge");
    row("anode", "\\banode\\b|\\bkV\\b", "anode");
    row("pulse peaks", "\\bV peak\\b(?! to peak)|output collector", "pulses");
    row("the neck", "\\bneck\\b", "neck");
    row("the yoke plug beside the line scan's pins", "yoke plug", "pulses");
    row("driver collectors on the tube socket board", "driver's collector|\\bcollectors\\b", "neck");
    row("a switcher on a dummy load: the mains", "\\bW lamp\\b", "isolation");
    row("a switcher on a dummy load: its switch's pulses", "\\bW lamp\\b", "pulses");
    row("a switcher on a dummy load: its safety parts", "\\bW lamp\\b", "parts");
    row("bridge output", "\\bbridge\\b|\\bBTL\\b|speaker lead", "btl");
}

// Every reading at every stage and test point, on a working set and with each fault; then each answer. The
// line-connected chassis rule goes only with a live chassis: a set with a mains transformer never carries it.
void tst_readinghazards::hazardsCarryTheirRules()
{
    QFETCH(QString, sends);
    QFETCH(QString, rule);
    QFETCH(bool, lineConnected);
    const bool holds = lineConnected || rule != QLatin1String("isolation");
    const QRegularExpression trigger(sends, QRegularExpression::CaseInsensitiveOption);
    QStringList points = stages();
    for (const QString& stage : stages())
        points << testPoints(stage);
    int sent = 0;
    for (std::size_t f = 0; f <= faults().size(); ++f) // a working set, then each fault
        for (const QString& point : std::as_const(points)) {
            const auto reading = Set(f ? &faults()[f - 1] : nullptr, lineConnected).measure(point);
            const auto rules = readingRules(point, lineConnected);
            QVERIFY2(lineConnected || !carries(rules, QStringLiteral("isolation")), qPrintable(point));
            if (reading && trigger.match(readingText(*reading)).hasMatch() && ++sent)
                QVERIFY2(carries(rules, rule) == holds, qPrintable(readingText(*reading)));
        }
    for (const Fault& fault : faults()) {
        const auto rules = faultRules(fault.id, lineConnected);
        QVERIFY2(lineConnected || !carries(rules, QStringLiteral("isolation")), fault.id);
        if (trigger.match(QString::fromUtf8(fault.explanation)).hasMatch() && ++sent)
            QVERIFY2(carries(rules, rule) == holds, fault.id);
    }
    QVERIFY2(sent > 0, "no reading or answer names the hazard: the trigger has gone stale");
}

void tst_readinghazards::tablesNameKnownThings()
{
    const auto known = [](const Hazards& h) {
        return std::ranges::all_of(h.rules, [](const char* id) {
            return std::ranges::any_of(areanotes::rules(),
                                       [id](const auto& r) { return !qstrcmp(id, r.id); });
        });
    };
    for (const Hazards& point : readingHazards())
        QVERIFY2(!pointStage(QLatin1String(point.key)).isEmpty() && known(point), point.key);
    for (const Hazards& fault : faultHazards())
        QVERIFY2(findFault(fault.key) && known(fault), fault.key);
}

// Shorted turns leave a winding's resistance all but unchanged: the check says what finds them instead.
void tst_readinghazards::shortedWindingIsNoShortOnTheMeter()
{
    const Fault* fault = findFault("pincushion-transformer-shorted");
    QVERIFY(fault);
    const PartCheck check = Set(fault).check(fault->stage, QString::fromUtf8(fault->part));
    QVERIFY(check.failed && check.shows.meter && check.good.meter);
    QVERIFY(check.shows.meter->value > 0.9 * check.good.meter->value);
    QVERIFY2(!check.finding.contains(u"near 0 Ω") && check.finding.contains(u"ring tester"),
             qPrintable(check.finding));
    // A saturable reactor's control winding loads nothing of the line scan: the raster itself stays.
    QVERIFY2(!check.finding.contains(u"load they put") && check.finding.contains(u"loads nothing"),
             qPrintable(check.finding));
}

QTEST_GUILESS_MAIN(tst_readinghazards)
#include "tst_readinghazards.moc"
