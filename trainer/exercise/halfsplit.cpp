#include "trainer/exercise/halfsplit.h"

#include "trainer/exercise/exercise.h"

#include <algorithm>

namespace trainer {

namespace {
qsizetype larger(const SuspectSplit& s)
{
    return std::max(s.wrong.size(), s.good.size());
}

// The first stage, in the order of the diagrams, whose answer leaves the larger part smallest; empty when
// none tells the suspects apart.
QString bestStage(const QStringList& left)
{
    QString best;
    qsizetype bestLarger = left.size();
    for (const QString& stage : stages())
        if (const qsizetype l = larger(splitSuspects(left, stage)); l < bestLarger) {
            bestLarger = l;
            best = stage;
        }
    return best;
}

// Whether a stage's output, or a test point of its own, reads wrong on the set.
bool readsWrong(const Set& set, const QString& point)
{
    if (pointStage(point) == point)
        return set.output(point) != Output::Good;
    const std::optional<Reading> reading = set.measure(point);
    return reading && !reading->normal;
}

SearchStep step(const Set& set, QStringList& left, const QString& stage)
{
    SearchStep taken{stage, readsWrong(set, stage), static_cast<int>(left.size()), 0, 0};
    const QString best = bestStage(left);
    taken.bestAfter = static_cast<int>(best.isEmpty() ? left.size() : [&] {
        const SuspectSplit s = splitSuspects(left, best);
        return set.output(best) != Output::Good ? s.wrong.size() : s.good.size();
    }());
    const SuspectSplit s = splitSuspects(left, stage);
    left = taken.readsWrong ? s.wrong : s.good;
    taken.after = static_cast<int>(left.size());
    return taken;
}
} // namespace

std::vector<SearchStep> halfSplitSequence(const Fault& fault)
{
    const Set set(&fault);
    QStringList left = suspects(fault);
    std::vector<SearchStep> taken;
    while (left.size() > 1) {
        const QString stage = bestStage(left);
        if (stage.isEmpty())
            break;
        taken.push_back(step(set, left, stage));
    }
    return taken;
}

std::vector<SearchStep> followReadings(const Fault& fault, const QStringList& measured)
{
    const Set set(&fault);
    QStringList left = suspects(fault);
    std::vector<SearchStep> taken;
    for (const QString& stage : measured)
        taken.push_back(step(set, left, stage));
    return taken;
}

QString halfSplitText(const Fault& fault, const QStringList& measured)
{
    const int figure = halfSplitOptimum(fault);
    const auto suspectCount = suspects(fault).size();
    QString text = QStringLiteral("The half-split figure, %1, is the most measurements a search that always "
                                  "splits the suspects in half needs from this symptom, whichever of its %2 "
                                  "suspect stages is at fault.")
                       .arg(figure)
                       .arg(suspectCount);
    QStringList sequence;
    for (const SearchStep& s : halfSplitSequence(fault))
        sequence << QStringLiteral("%1 (reads %2, %3 left)")
                        .arg(stageTitle(s.stage), s.readsWrong ? QStringLiteral("wrong") : QStringLiteral("good"))
                        .arg(s.after);
    if (!sequence.isEmpty())
        text += QStringLiteral(" On this set it would measure: %1.").arg(sequence.join(QStringLiteral(", ")));
    QStringList little;
    for (const SearchStep& s : followReadings(fault, measured)) {
        if (s.after == s.before)
            little << QStringLiteral("%1 told nothing new: it kept all %2 stages still suspect")
                          .arg(stageTitle(s.stage))
                          .arg(s.before);
        else if (s.after > s.bestAfter)
            little << QStringLiteral("%1 left %2 of %3 suspects, where the best reading then left %4")
                          .arg(stageTitle(s.stage))
                          .arg(s.after)
                          .arg(s.before)
                          .arg(s.bestAfter);
    }
    if (!little.isEmpty())
        text += QStringLiteral(" Of your readings, %1.").arg(little.join(QStringLiteral("; ")));
    return text;
}

} // namespace trainer
