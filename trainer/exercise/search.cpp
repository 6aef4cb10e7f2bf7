// The suspects of a symptom and the one rule that splits them, over the set's stage table.

#include "trainer/exercise/search.h"
#include "trainer/model/stagetable.h"

#include <algorithm>
#include <bitset>

namespace trainer {

using namespace model;

namespace {
// The stages that deliver each part of the picture and sound to the screen and the loudspeaker.
constexpr const char* kTube = "picture-tube";
constexpr const char* kDrivers = "rgb-drivers";
constexpr const char* kLuminance = "third-video-amplifier";
constexpr const char* kVerticalScan = "vertical-yoke";
constexpr const char* kHorizontalScan = "horizontal-yoke";
constexpr const char* kGeometry = "pincushion";
constexpr const char* kSpeaker = "loudspeaker";
constexpr const char* kRawSupply = "low-voltage-supply";
} // namespace

QStringList suspects(const Fault& fault)
{
    const Appearance a = Set(&fault).appearance();
    QSet<int> all;
    const auto suspect = [&all](bool wrong, std::initializer_list<const char*> ends) {
        if (wrong)
            for (const char* end : ends)
                all.unite(withNeeds(end));
    };
    const bool dead = a.power == Power::Dead;
    suspect(dead, {kTube, kSpeaker});
    suspect(a.raster == Raster::None, {kTube});
    suspect(a.raster != Raster::Normal && a.raster != Raster::None, {kTube, kDrivers});
    suspect(a.content != Content::Normal || a.brightnessShifted, {kLuminance});
    suspect(a.humBars, {kRawSupply});
    suspect(a.vertical != Vertical::Normal, {kVerticalScan});
    suspect(a.horizontal != Horizontal::Normal, {kHorizontalScan, kGeometry});
    suspect(a.colour != Colour::Normal, {kDrivers});
    suspect(a.sound != Sound::Normal, {kSpeaker, kRawSupply});
    // A supply pulled down may be its load's short: the loads of every suspect supply are suspects.
    for (const int stage : QSet<int>(all))
        for (const QString& load : loadedBy(QLatin1StringView(stageRows()[static_cast<size_t>(stage)].id)))
            all.unite(withNeeds(findStage(load)->id));
    QStringList ordered;
    for (const QString& stage : stages())
        if (all.contains(indexOf(findStage(stage))))
            ordered << stage;
    return ordered;
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
};

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

// The measurements the search needs to single out the faulty stage among `left`, in the worst case.
int splits(const StageSet& left)
{
    if (left.count() <= 1)
        return 0;
    size_t bestLarger = left.count();
    std::pair<StageSet, StageSet> best;
    for (const SplitRule& rule : stageRules()) {
        const std::pair<StageSet, StageSet> s = split(left, rule);
        if (const size_t larger = std::max(s.first.count(), s.second.count()); larger < bestLarger) {
            bestLarger = larger;
            best = s;
        }
    }
    if (bestLarger == left.count())
        return 0; // no measurement tells the rest apart
    return 1 + std::max(splits(best.first), splits(best.second));
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
