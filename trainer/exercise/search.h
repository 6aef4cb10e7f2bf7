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

// The suspects of a symptom: every stage that feeds what the set shows wrong. From the appearance of the
// fault, each part of the picture or sound that is not as a working set's (the light, the picture on the
// raster, the vertical or horizontal scan, the colour, the sound; for a dead set the light and the sound)
// names the stage that delivers it to the screen or loudspeaker; the suspects are those stages and every
// stage they need, directly or through others, in the order of the diagrams. This is what a technician
// reasons from: a dark screen with good sound suspects the tube and everything that feeds it, not the
// sound circuits.
QStringList suspects(const Fault& fault);

// The fewest measurements a search that always splits the remaining suspects in half needs, from the
// symptom the fault shows, to be sure of the faulty stage, in the worst case over the suspects. A
// measurement at a stage that reads faulty keeps the suspects it needs (and itself); one that reads good
// clears itself and the suspects it strictly needs. Each step measures, in the order of the diagrams, the
// first stage whose answer leaves the larger part smallest.
int halfSplitOptimum(const Fault& fault);

} // namespace trainer
