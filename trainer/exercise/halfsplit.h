#pragma once
// The half-split search shown with the result: the measurements a search that always splits the suspects
// in half would take on the set on the bench, and what each of the student's own readings told. Each reading
// splits the suspects by the one rule halfSplitOptimum follows too (splitSuspects); each step measures, in
// the order of the diagrams, the first stage whose answer leaves the larger part smallest.
//
// Pure logic over the set model's public rules.

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
};

// The blind half-split search from the fault's symptom, reading the set as it is, until one stage is left
// (or no measurement tells the rest apart).
std::vector<SearchStep> halfSplitSequence(const Fault& fault);

// The student's own powered readings, in order, as the same search counts them: what each left of the
// suspects, against the best one measurement could have left.
std::vector<SearchStep> followReadings(const Fault& fault, const QStringList& measured);

// The paragraph of the result about the search: the half-split figure, the sequence it would take, and
// the student's readings that told little.
QString halfSplitText(const Fault& fault, const QStringList& measured);

} // namespace trainer
