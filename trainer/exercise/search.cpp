// The suspects of a symptom and the one rule that splits them, over the set's stage table.

#include "trainer/exercise/search.h"
#include "trainer/model/stagetable.h"

#include <QHash>

#include <algorithm>
#include <bitset>

namespace trainer {

using namespace model;

namespace {
// What a failure of a stage can show beyond what its output's state shows, where the catalogue has no
// fault to say it, as the set then looks: the picture tube's guns, each of which can lose its colour alone
// (an open cathode, a gun's emission gone), as a driver can.
struct FailureLook
{
    const char* stage;
    Appearance look;
};
constexpr FailureLook kFailureLooks[] = {
    {"picture-tube", {.colour = Colour::NoRed}},
    {"picture-tube", {.colour = Colour::NoGreen}},
    {"picture-tube", {.colour = Colour::NoBlue}},
};

// Every way the set can look with one stage failed: each fault of the catalogue at the stage, the stage's
// output lost or weak (a short also acting back on the rail it loads), and the failure looks above.
// Worked out once, for every stage.
const QHash<QString, QList<Appearance>>& failureAppearances()
{
    static const QHash<QString, QList<Appearance>> all = [] {
        QHash<QString, QList<Appearance>> by;
        const auto add = [&by](const Fault& f) {
            QList<Appearance>& looks = by[QString::fromLatin1(f.stage)];
            const Appearance a = Set(&f).appearance();
            if (!looks.contains(a))
                looks << a;
        };
        for (const Fault& f : faults())
            add(f);
        for (const StageRow& row : stageRows()) {
            add(Fault{"", row.id, "", "open", Output::Missing, "", {}});
            add(Fault{"", row.id, "", "shorted", Output::Missing, "", {}});
            add(Fault{"", row.id, "", "weak", Output::Weak, "", {}});
        }
        for (const FailureLook& extra : kFailureLooks)
            if (QList<Appearance>& looks = by[QString::fromLatin1(extra.stage)]; !looks.contains(extra.look))
                looks << extra.look;
        return by;
    }();
    return all;
}
} // namespace

QStringList suspects(const Fault& fault)
{
    const Appearance seen = Set(&fault).appearance();
    QStringList all;
    for (const QString& stage : stages())
        if (stage == QLatin1String(fault.stage) || failureAppearances().value(stage).contains(seen))
            all << stage;
    return all;
}

namespace {
// A set of stages, by their place in the stage table.
constexpr size_t kMostStages = 128;
using StageSet = std::bitset<kMostStages>;

// What a reading keeps suspect when it is wrong, and what it clears when it is good.
struct SplitRule
{
    StageSet kept;
    StageSet cleared;
    int rank = 0; // among readings that split alike, the lower is taken first
};

// How soon a technician takes a reading, when two split the suspects alike: a supply before the signal
// path, then a meter's figure before a scope's trace before a high-voltage probe's.
int readingRank(const StageRow& row)
{
    const bool supply = std::ranges::any_of(stageRows(), [&row](const StageRow& other) {
        return std::ranges::any_of(other.needs, [&row](const Need& n) {
            const bool rail = n.link == Link::Supply || n.link == Link::Regulated;
            return n.stage && rail && QLatin1StringView(n.stage) == QLatin1StringView(row.id);
        });
    });
    const std::optional<Reading> reading = Set().measure(QLatin1StringView(row.id));
    const QString instrument = reading ? reading->instrument : QString();
    const int effort = instrument.startsWith(QLatin1String("meter")) ? 0
                       : instrument == QLatin1String("scope")       ? 1
                                                                     : 2;
    return (supply ? 0 : 3) + effort;
}

// Each stage's rule, by its place in the stage table, worked out once.
const std::vector<SplitRule>& stageRules()
{
    static const std::vector<SplitRule> rules = [] {
        if (stageRows().size() > kMostStages)
            qFatal("The half-split search counts at most %zu stages", kMostStages);
        std::vector<SplitRule> all;
        for (const StageRow& row : stageRows()) {
            SplitRule rule;
            for (const QString& stage : keptByFaultyReading(QLatin1StringView(row.id)))
                rule.kept.set(static_cast<size_t>(indexOf(findStage(stage))));
            for (const int id : withNeeds(row.id, true))
                rule.cleared.set(static_cast<size_t>(id));
            rule.rank = readingRank(row);
            all.push_back(rule);
        }
        return all;
    }();
    return rules;
}

// The rule of a reading at a stage, or at a test point of its own: a good reading there leaves the stage
// suspect, for the parts beyond the point may still fail. An unknown id keeps and clears nothing.
SplitRule ruleAt(QAnyStringView point)
{
    const StageRow* row = findStage(point);
    const bool own = row != nullptr;
    if (!row)
        row = findStage(pointStage(point));
    if (!row)
        return {};
    SplitRule rule = stageRules()[static_cast<size_t>(indexOf(row))];
    if (!own)
        rule.cleared.reset(static_cast<size_t>(indexOf(row)));
    return rule;
}

// The one rule of the search: what a wrong reading keeps, and what a good one leaves.
std::pair<StageSet, StageSet> split(const StageSet& left, const SplitRule& rule)
{
    return {left & rule.kept, left & ~rule.cleared};
}

struct Best
{
    int stage = -1;   // by its place in the stage table; -1 when no reading tells the suspects apart
    bool tied = false; // another reading split them as well, and came later
};

// The reading whose answer leaves the larger part smallest; of those alike, the one taken first.
Best best(const StageSet& left)
{
    Best found;
    size_t bestLarger = left.count();
    int bestRank = 0;
    const std::vector<SplitRule>& rules = stageRules();
    for (size_t i = 0; i < rules.size(); ++i) {
        const auto [wrong, good] = split(left, rules[i]);
        const size_t larger = std::max(wrong.count(), good.count());
        if (larger < bestLarger || (larger == bestLarger && found.stage >= 0 && rules[i].rank < bestRank)) {
            found.tied = larger == bestLarger;
            bestLarger = larger;
            bestRank = rules[i].rank;
            found.stage = static_cast<int>(i);
        } else if (larger == bestLarger && found.stage >= 0) {
            found.tied = true;
        }
    }
    return found;
}

// The measurements the search needs to single out the faulty stage among `left` and see it read wrong, in
// the worst case. `confirmed` is the stage whose wrong reading left them, if any.
int splits(const StageSet& left, int confirmed = -1)
{
    if (left.none())
        return 0;
    if (left.count() == 1)
        return confirmed >= 0 && left.test(static_cast<size_t>(confirmed)) ? 0 : 1;
    const Best b = best(left);
    if (b.stage < 0)
        return 0; // no measurement tells the rest apart
    const auto [wrong, good] = split(left, stageRules()[static_cast<size_t>(b.stage)]);
    return 1 + std::max(splits(wrong, b.stage), splits(good));
}

StageSet stageSet(const QStringList& stages)
{
    StageSet set;
    for (const QString& stage : stages)
        if (const StageRow* row = findStage(stage))
            set.set(static_cast<size_t>(indexOf(row)));
    return set;
}
} // namespace

SuspectSplit splitSuspects(const QStringList& left, QAnyStringView stage)
{
    const auto [wrong, good] = split(stageSet(left), ruleAt(stage));
    SuspectSplit s;
    for (const QString& suspect : left)
        if (const StageRow* row = findStage(suspect)) {
            if (wrong.test(static_cast<size_t>(indexOf(row))))
                s.wrong << suspect;
            if (good.test(static_cast<size_t>(indexOf(row))))
                s.good << suspect;
        }
    return s;
}

BestReading bestReading(const QStringList& left)
{
    const Best b = best(stageSet(left));
    if (b.stage < 0)
        return {};
    return {QString::fromLatin1(stageRows()[static_cast<size_t>(b.stage)].id), b.tied};
}

bool isSupply(const QString& stage)
{
    const StageRow* row = findStage(stage);
    return row && stageRules()[static_cast<size_t>(indexOf(row))].rank < 3;
}

QSet<QString> keptByFaultyReading(QAnyStringView stage)
{
    QSet<QString> kept;
    const StageRow* row = findStage(stage);
    if (!row)
        return kept;
    const auto add = [&kept](const QSet<int>& ids) {
        for (const int id : ids)
            kept.insert(QString::fromLatin1(stageRows()[static_cast<size_t>(id)].id));
    };
    const QSet<int> up = withNeeds(row->id);
    add(up);
    // A rail read low may be pulled down by a shorted load, and a drive misshapen by its open load.
    for (const int id : up)
        for (const QString& load : loadedBy(QLatin1StringView(stageRows()[static_cast<size_t>(id)].id)))
            kept.insert(load);
    return kept;
}

int halfSplitOptimum(const Fault& fault)
{
    return splits(stageSet(suspects(fault)));
}

} // namespace trainer
