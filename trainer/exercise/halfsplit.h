#pragma once
// The half-split search shown with the result: what the symptom already proved, the measurements a search
// that always splits the suspects in half takes on the set on the bench, and what each of the student's own
// readings told. Every reading splits the suspects by the one rule of search.h, which halfSplitOptimum
// follows too.
//
// Pure logic: the result as data (searchResult) and as the words the result shows (halfSplitText).

#include "trainer/exercise/search.h"

#include <QStringList>

#include <vector>

namespace trainer {

// One measurement of a search and what it left.
struct SearchStep
{
    QString stage;
    bool readsWrong = false; // on the set with the fault
    int before = 0;          // suspects before the reading
    int after = 0;           // suspects it left
    int bestAfter = 0;       // the fewest any one measurement could have left from the same suspects
    bool tied = false;       // the search's own step: another reading split as well, and is taken later
    bool confirms = false;   // one suspect was left: the reading shows it wrong (or not)
};

// What one of the student's readings told, as the result says it.
enum class Told {
    Split,       // it split the suspects as well as any reading could
    Localised,   // it read wrong on a suspect stage: the fault's effect is there, the fault there or before it
    Confirmed,   // one suspect was left, or it left one: it singled the faulty stage out
    SupplyFirst, // a suspect supply read good: the supplies are checked first, though another reading split more
    Little,      // it left more suspects than the best reading would have
    NothingNew,  // it kept every suspect it found
    AfterFound,  // the faulty stage was already singled out and seen wrong
};

struct FollowedStep
{
    SearchStep step;
    Told told = Told::Split;
};

// The blind half-split search from the fault's symptom, reading the set as it is, until one stage is left
// and seen to read wrong (or no measurement tells the rest apart).
std::vector<SearchStep> halfSplitSequence(const Fault& fault);

// The student's own powered readings, in order, as the same search counts them: what each left of the
// suspects, against the best one measurement could have left.
std::vector<SearchStep> followReadings(const Fault& fault, const QStringList& measured);

// The search of one exercise, as data for the result.
struct SearchResult
{
    QString proved;                   // what the symptom proved, in words, before any reading
    QStringList suspects;             // the stages it leaves suspect
    int figure = 0;                   // the half-split figure: the worst case over the suspects
    std::vector<SearchStep> sequence; // this set's own search
    std::vector<FollowedStep> yours;  // the student's readings, each with what it told
};
SearchResult searchResult(const Fault& fault, const QStringList& measured);

// What the symptom proves, in words: which signs are normal and what each rules out, then where the search
// starts ("Sound is present, so the flyback runs: the search starts in the picture's own path.").
QString provedText(const Fault& fault);

// The paragraph of the result about the search: the half-split figure, the numbered sequence this set's
// own search takes (saying why where readings split alike), and the student's readings that told little.
QString halfSplitText(const Fault& fault, const QStringList& measured);

} // namespace trainer
