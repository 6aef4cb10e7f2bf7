// The set on the bench: the fault it hides. The stage table, the working out of the states and the readings
// are in files of their own (stages.cpp, setstate.cpp, readings.cpp, faces.cpp).

#include "trainer/model/setmodel.h"

namespace trainer {

Set::Set(const Fault* fault, bool lineConnected) : m_fault(fault), m_lineConnected(lineConnected) {}

bool Set::lineConnected() const
{
    return m_lineConnected;
}

} // namespace trainer
