#include "trainer/exercise/halfsplit.h"

#include "trainer/exercise/exercise.h"

#include <algorithm>

namespace trainer {

namespace {
// Whether a stage's output, or a test point of its own, reads wrong on the set.
bool readsWrong(const Set& set, const QString& point)
{
    if (pointStage(point) == point)
        return set.output(point) != Output::Good;
    const std::optional<Reading> reading = set.measure(point);
    return reading && !reading->normal;
}

// What a reading at `point` leaves of `left` on the set, counted against the best reading there.
SearchStep step(const Set& set, QStringList& left, const QString& point)
{
    SearchStep taken{point, readsWrong(set, point), static_cast<int>(left.size()), 0, 0};
    const BestReading best = bestReading(left);
    taken.bestAfter = static_cast<int>(best.stage.isEmpty() ? left.size() : [&] {
        const SuspectSplit s = splitSuspects(left, best.stage);
        return readsWrong(set, best.stage) ? s.wrong.size() : s.good.size();
    }());
    const SuspectSplit s = splitSuspects(left, point);
    left = taken.readsWrong ? s.wrong : s.good;
    taken.after = static_cast<int>(left.size());
    return taken;
}

// Whether the reading singled out `left`'s one stage and showed it wrong.
bool confirmed(const SearchStep& s, const QStringList& left)
{
    return left.size() == 1 && s.readsWrong && pointStage(s.stage) == left.front();
}
} // namespace

std::vector<SearchStep> halfSplitSequence(const Fault& fault)
{
    const Set set(&fault);
    QStringList left = suspects(fault);
    std::vector<SearchStep> taken;
    while (left.size() > 1) {
        const BestReading best = bestReading(left);
        if (best.stage.isEmpty())
            return taken;
        taken.push_back(step(set, left, best.stage));
        taken.back().tied = best.tied;
    }
    if (left.size() == 1 && (taken.empty() || !confirmed(taken.back(), left))) {
        SearchStep last = step(set, left, left.front());
        last.confirms = true;
        taken.push_back(last);
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

SearchResult searchResult(const Fault& fault, const QStringList& measured)
{
    SearchResult r{provedText(fault), suspects(fault), halfSplitOptimum(fault), halfSplitSequence(fault), {}};
    const Set set(&fault);
    QStringList left = r.suspects;
    bool found = false;
    for (const QString& point : measured) {
        const QStringList before = left;
        FollowedStep f{step(set, left, point), Told::Split};
        const SearchStep& s = f.step;
        const bool onSuspect = before.contains(pointStage(point));
        if (found || (s.before <= 1 && !(s.readsWrong && onSuspect)))
            f.told = Told::AfterFound;
        else if (s.readsWrong && onSuspect && s.after == 1)
            f.told = Told::Confirmed;
        else if (s.readsWrong && onSuspect)
            f.told = Told::Localised;
        else if (s.after == s.before)
            f.told = Told::NothingNew;
        else if (s.after > s.bestAfter && onSuspect && !s.readsWrong && isSupply(point))
            f.told = Told::SupplyFirst;
        else if (s.after > s.bestAfter)
            f.told = Told::Little;
        found = found || f.told == Told::Confirmed;
        r.yours.push_back(f);
    }
    return r;
}

namespace {
// A quantity's name within a sentence: its first letter small, unless the word is a symbol ("B+").
QString sentenceCase(const QString& name)
{
    if (name.size() > 1 && name.at(1).isLower())
        return name.left(1).toLower() + name.mid(1);
    return name;
}

QString title(const QString& stage)
{
    return stageTitle(stage);
}

// Where the search starts, said by the signs that are wrong.
QString pathOf(const Appearance& seen)
{
    if (seen.power == Power::Dead)
        return seen.standbyLight ? QStringLiteral("in the B+ and the stages it runs")
                                 : QStringLiteral("on the mains side");
    Appearance picture = seen;
    picture.sound = Sound::Normal;
    const bool pictureGood = picture == Appearance{};
    if (pictureGood)
        return QStringLiteral("in the sound's own path");
    if (seen.sound != Sound::Normal)
        return QStringLiteral("where the picture's and the sound's paths meet");
    Appearance rest = picture;
    rest.colour = Colour::Normal;
    if (rest == Appearance{})
        return QStringLiteral("in the colour's own path");
    rest = picture;
    rest.vertical = Vertical::Normal;
    if (rest == Appearance{})
        return QStringLiteral("in the vertical scan's own path");
    rest = picture;
    rest.horizontal = Horizontal::Normal;
    if (rest == Appearance{})
        return QStringLiteral("in the horizontal scan's own path");
    return QStringLiteral("in the picture's own path");
}
} // namespace

QString provedText(const Fault& fault)
{
    const Appearance seen = Set(&fault).appearance();
    QStringList proved;
    if (seen.power == Power::Dead) {
        proved << (seen.standbyLight ? QStringLiteral("The standby light is lit, so the mains reaches the set")
                                     : QStringLiteral("The set is dead and its standby light is off too, so "
                                                      "the mains does not reach the supplies"));
        if (seen.sound == Sound::Chirp)
            proved << QStringLiteral("the supply chirps, so it starts and something trips it");
        else if (seen.standbyLight)
            proved << QStringLiteral("no chirp, so no overload trips the supply");
    } else {
        const bool soundFromFlyback = needs(QStringLiteral("audio-amplifier")).contains(QStringLiteral("scan-derived-supply"));
        if (seen.sound != Sound::None && soundFromFlyback)
            proved << QStringLiteral("Sound is present, so the flyback runs (the sound's supply comes from it)");
        if (seen.raster != Raster::None)
            proved << QStringLiteral("the screen lights, so the high voltage and the tube's supplies are there");
        Appearance picture = seen;
        picture.sound = Sound::Normal;
        Appearance uncoloured = picture;
        uncoloured.colour = Colour::Normal;
        if (picture == Appearance{})
            proved << QStringLiteral("the picture is good, so the tuners, the IF and the video path work");
        else if (uncoloured == Appearance{})
            proved << QStringLiteral("the picture is good but for its colour, so the luminance and the scan work");
        else if (picture.content == Content::Normal && picture.colour == Colour::Normal &&
                 picture.raster == Raster::Normal && !picture.brightnessShifted && !picture.humBars)
            proved << QStringLiteral("the picture and its colour are good, so the signal path works");
        if (!seen.standbyLight)
            proved << QStringLiteral("only the standby light is out");
    }
    if (!proved.isEmpty())
        proved.front()[0] = proved.front()[0].toUpper();
    const std::vector<SearchStep> sequence = halfSplitSequence(fault);
    const QString where = sequence.empty() ? QString()
                                           : QStringLiteral(", at the %1").arg(title(sequence.front().stage));
    return QStringLiteral("%1: the search starts %2%3.")
        .arg(proved.join(QStringLiteral("; ")), pathOf(seen), where);
}

QString halfSplitText(const Fault& fault, const QStringList& measured)
{
    const SearchResult r = searchResult(fault, measured);
    QString text = QStringLiteral("The half-split figure, %1, is the most measurements a search that always "
                                  "splits the suspects in half needs from this symptom to single out the faulty "
                                  "stage and see it read wrong, whichever of its %2 suspect %3 is at fault.")
                       .arg(r.figure)
                       .arg(r.suspects.size())
                       .arg(r.suspects.size() == 1 ? QStringLiteral("stage") : QStringLiteral("stages"));
    QStringList sequence;
    int n = 0;
    for (const SearchStep& s : r.sequence) {
        QString said = QStringLiteral("%1. %2 (reads %3, %4 left)")
                           .arg(++n)
                           .arg(title(s.stage), s.readsWrong ? QStringLiteral("wrong") : QStringLiteral("good"))
                           .arg(s.after);
        if (const std::optional<Reading> reading = Set().measure(s.stage))
            said += QStringLiteral(", measuring the %1").arg(sentenceCase(reading->quantity));
        if (s.confirms)
            said += QStringLiteral(", to see the one suspect left read wrong");
        else if (s.tied)
            said += isSupply(s.stage) ? QStringLiteral(", a supply read before the signal path that splits as well")
                                      : QStringLiteral(", the easier point of those that split as well");
        sequence << said;
    }
    if (!sequence.isEmpty())
        text += QStringLiteral(" On this set it would measure: %1.").arg(sequence.join(QStringLiteral("; ")));
    QStringList little;
    for (const FollowedStep& f : r.yours) {
        const SearchStep& s = f.step;
        if (f.told == Told::NothingNew)
            little << QStringLiteral("%1 told nothing new: it kept all %2 stages still suspect")
                          .arg(title(s.stage))
                          .arg(s.before);
        else if (f.told == Told::Little)
            little << QStringLiteral("%1 left %2 of %3 suspects, where the best reading then left %4")
                          .arg(title(s.stage))
                          .arg(s.after)
                          .arg(s.before)
                          .arg(s.bestAfter);
    }
    if (!little.isEmpty())
        text += QStringLiteral(" Of your readings, %1.").arg(little.join(QStringLiteral("; ")));
    QStringList told;
    for (const FollowedStep& f : r.yours) {
        const QString at = title(f.step.stage);
        if (f.told == Told::Confirmed)
            told << QStringLiteral("%1 singled out the faulty stage").arg(at);
        else if (f.told == Told::Localised)
            told << QStringLiteral("%1 showed the fault's effect, so the fault is there or before it").arg(at);
        else if (f.told == Told::SupplyFirst)
            told << QStringLiteral("%1 read good, a supply checked first as a technician does").arg(at);
    }
    if (!told.isEmpty())
        text += QStringLiteral(" Well taken: %1.").arg(told.join(QStringLiteral("; ")));
    return text;
}

} // namespace trainer
