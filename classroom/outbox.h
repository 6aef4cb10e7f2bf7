#pragma once
// The exercises finished on this computer and not yet on the class server. The local history is the outbox:
// every exercise is written there first, then sent.

#include "trainer/exercise/record.h"

#include <QUuid>

#include <vector>

namespace classroom {

struct Outbox
{
    virtual ~Outbox() = default;
    // Called only on the sender's worker thread, never on the GUI thread.
    virtual std::vector<trainer::ExerciseRecord> unsent() = 0; // oldest first
    virtual void markSent(const QUuid& exercise) = 0;          // the server has it (or had it already)
};

} // namespace classroom
