#include "diagrams/areanotetexts.h"

namespace areanotes {

namespace {

// One note per area, in plain words for a technician starting out. The first sentence is the note's
// summary; a blank line separates paragraphs; a hazardous area's note ends with its safety line.
constexpr NoteText kTexts[] = {
    {"ac-mains-input",
     "The AC mains input brings the wall supply into the set through the plug, power cord, on/off switch "
     "and fuse, and on many sets a surge resistor or thermistor. It delivers the mains, about 120 V AC in "
     "North America (typical 110 to 125 V), to the low voltage power supply. An open cord, switch, fuse or "
     "surge resistor leaves the set completely dead: no sound, no raster, no standby light. It cannot cause "
     "a picture or color fault in a set that plays. A fuse that blows again at once points to a short "
     "further on, usually a rectifier diode, a filter capacitor or the horizontal output transistor, not "
     "to the fuse. With the set unplugged, check the cord, switch and fuse with an ohmmeter: each should "
     "read close to zero ohms.\n\n"
     "Safety: mains voltage can kill. Unplug the set before opening the back, and treat the chassis of a "
     "set without a mains transformer as live."},
};

} // namespace

std::span<const NoteText> noteTexts()
{
    return kTexts;
}

} // namespace areanotes
