#pragma once
// The search a technician makes on the set on the bench: the stages the symptom leaves suspect, what one
// reading at a stage keeps of them, and the fewest readings a half-split search needs.
//
// Pure logic over the set's model.

#include "trainer/model/setmodel.h"

#include <QSet>
#include <QString>
#include <QStringList>

namespace trainer {

// What a faulty reading at a stage keeps suspect: the stage, everything it needs, and the loads of each of
// those (a rail read low may be pulled down by its load's short).
QSet<QString> keptByFaultyReading(QAnyStringView stage);

// The rule of the half-split search: what one reading at a stage (or at a test point of its own) leaves of
// the suspects `left`. A reading that is wrong keeps what keptByFaultyReading says; a good one clears the
// stage and the suspects it strictly needs (a test point clears only what it strictly needs: the parts
// beyond it may still fail). Both lists keep the order of `left`.
struct SuspectSplit
{
    QStringList wrong; // kept when the reading is wrong
    QStringList good;  // kept when it is good
};
SuspectSplit splitSuspects(const QStringList& left, QAnyStringView stage);

// The suspects of a symptom: every stage whose failure could give everything the student sees and hears
// before measuring (the picture, the sound, the standby light, the supply's chirp), worked out by comparing
// what the set shows with what each stage's failures make it show: the faults the catalogue keeps there,
// the stage's output lost, shorted or weak, and the looks its parts can give. A stage whose every failure
// would change a sign that is normal is not a suspect. In the order of the diagrams.
QStringList suspects(const Fault& fault);

// The reading a search that always splits the suspects in half takes next among `left`: the one whose
// answer leaves the larger part smallest; of those alike, the one a technician takes first (a supply before
// the signal path, a meter's figure before a scope's trace before a high-voltage probe's). Empty when no
// reading tells them apart.
struct BestReading
{
    QString stage;
    bool tied = false; // another reading would have split them as well, and is taken later
};
BestReading bestReading(const QStringList& left);

// Whether a stage is a supply of another (a rail the technician reads with a meter).
bool isSupply(const QString& stage);

// The fewest measurements the search needs, from the symptom the fault shows, to single out the faulty
// stage and see it read wrong, in the worst case over the suspects: a search that ends on one suspect
// without having read it wrong reads it once more to confirm it.
int halfSplitOptimum(const Fault& fault);

} // namespace trainer
