#include "diagrams/areanotetexts.h"

namespace areanotes {

namespace {

// One note per area, in plain words for a technician starting out. The first sentence is the note's
// summary; a blank line separates paragraphs; a hazardous area's note ends with its safety line.
constexpr NoteText kTexts[] = {
    {"ac-mains-input",
     "The AC mains input brings the wall supply into the set through the plug, cord, power switch "
     "and fuse. It delivers the mains, about 120 V AC in North America (typical 110 to 125 V), to "
     "the low voltage power supply, often through a surge resistor or thermistor. An open cord, "
     "switch, fuse or surge resistor leaves the set dead: no sound, no raster, no standby light. It "
     "cannot cause a picture or color fault in a set that plays. A fuse that blows again at once "
     "points to a short further on, usually a rectifier diode, a filter capacitor or the horizontal "
     "output transistor. With the set unplugged, check the cord, switch and fuse with an ohmmeter: "
     "each should read close to zero ohms.\n\n"
     "Safety: mains voltage can kill. Unplug the set before opening the back, and treat the chassis "
     "of a set without a mains transformer as live."},
    {"low-voltage-supply",
     "The low voltage power supply turns the mains into the steady DC voltages the set runs on. "
     "Diodes rectify the mains, straight or through a transformer, and large electrolytic capacitors"
     " filter it into the raw B+, typically 120 to 160 V DC on a set without a mains transformer, "
     "plus lower supplies. A dead supply leaves the set dead. Dried-out filter capacitors let ripple"
     " through: one or two dark horizontal hum bars drifting slowly through the picture, hum in the "
     "sound, or wavy picture edges. Usual culprits: filter capacitors, shorted rectifier diodes, "
     "open fusible resistors. Measure the DC across the main filter capacitor with a meter, then its"
     " ripple with a scope: typically well under a volt peak to peak.\n\n"
     "Safety: use an isolation transformer, and discharge the filter capacitors through a resistor "
     "before touching them."},
    {"voltage-regulator",
     "The voltage regulator holds the B+ steady whatever the mains voltage or the brightness of the "
     "picture. It turns the raw B+ from the filter capacitors into the regulated B+, typically about"
     " 100 to 150 V DC on color sets (the service data give the exact figure), mainly for the "
     "horizontal output stage. It may be a series-pass transistor with a Zener reference, an SCR or "
     "a switching regulator. A shorted pass element gives high B+, which may trip the hold-down and "
     "shut the set off; an open one gives no B+ and a dead set; low B+ gives a narrow, dim picture. "
     "Usual culprits: the pass transistor, the Zener reference, the error amplifier. Measure input "
     "and output DC to chassis ground with a meter.\n\n"
     "Safety: B+ is dangerous; use an isolation transformer and discharge the filter capacitors "
     "first."},
    {"linear-supply",
     "A linear power supply rectifies and filters the mains, then steadies it with a series-pass "
     "regulator. Diodes rectify the mains, often after a transformer; a choke or resistor and filter"
     " capacitors smooth it; the pass transistor, with a Zener diode as its reference, drops the "
     "surplus voltage as heat, so it sits on a heat sink. Faults: a dead set from an open fuse, "
     "winding or rectifier; hum bars and hum in the sound from dried filter capacitors; low or "
     "unsteady B+ from a failing pass transistor or a drifted Zener. A pass transistor that fails "
     "shorted passes the full raw voltage. Measure the raw DC at the filter capacitor and the "
     "regulated DC after the regulator with a meter: the output should hold steady while the "
     "brightness changes.\n\n"
     "Safety: discharge the filter capacitors before touching, and treat a chassis without a mains "
     "transformer as live."},
    {"switching-supply",
     "A switching power supply chops rectified mains at high frequency through a small transformer "
     "to make the set's supplies. The mains is rectified straight to about 150 to 170 V DC (typical,"
     " from 120 V mains) and switched at tens of kilohertz; the secondaries are rectified, and a "
     "feedback loop, usually through an optocoupler, holds them steady. Symptoms: a dead set; a "
     "supply that chirps or ticks as it starts and stops; low outputs; a blown fuse with a shorted "
     "switching transistor. Usual culprits: the switching transistor, open start-up resistors, small"
     " electrolytic capacitors that have dried out (check their ESR), the optocoupler, shorted "
     "secondary diodes. Measure the DC across the main filter capacitor, then the secondaries; scope"
     " the switching transistor to see whether it oscillates.\n\n"
     "Safety: the primary side is hot and its ground is not chassis ground. Use an isolation "
     "transformer; measure primary parts against the primary ground only."},
    {"scan-derived-supply",
     "A scan-derived supply makes low voltage supplies by rectifying pulses from extra windings on "
     "the flyback transformer. Typically it feeds the vertical output, the video drivers, the sound "
     "and the small-signal stages. These supplies exist only while the horizontal output runs, so a "
     "horizontal fault kills them all and the set looks dead; a short on one of them loads the "
     "flyback, and the horizontal stage shuts down or fails. Symptoms: no raster and no sound "
     "together, or one function missing, such as a single horizontal line when the vertical supply "
     "is lost. Usual culprits: open fusible resistors, shorted rectifier diodes, dried filter "
     "capacitors. Measure each rectified output to ground with a meter.\n\n"
     "Safety: the mains is rectified without a transformer, so the chassis ground is hot; use an "
     "isolation transformer, and keep meters off the anode lead."},
    {"noise-canceller",
     "The noise cancelling amplifier removes noise spikes from the video before they reach the sync "
     "separator. Interference from car ignitions or appliances would otherwise trigger false sync. "
     "It passes the video and sync, and cancels any pulse reaching beyond the sync tips; the Noise "
     "level knob sets that threshold. Set too tight, it clips the real sync and the picture rolls or"
     " tears; set too loose, noise bursts make the picture jitter or bend on weak stations. It "
     "cannot affect brightness, color or sound. Usual culprits: the canceller transistor, a leaky "
     "coupling capacitor, a worn Noise level control. Scope its output: clean sync pulses of the "
     "same height as at the input, without the noise spikes."},
    {"sync-separator",
     "The sync separator strips the picture from the video and keeps only the sync pulses that time "
     "both scans. Horizontal pulses at 15,734 Hz go to the horizontal AFC; vertical pulses at 59.94 "
     "Hz, after an integrator, go to the vertical oscillator. When it fails the picture rolls and "
     "tears at once, and the hold controls hold it only for a moment. Weak sync shows as bending at "
     "the top, rolling on scene changes, or a picture that holds one way but not the other. It "
     "cannot cause a loss of raster or of color. Usual culprits: the separator transistor, leaky "
     "coupling capacitors, drifted bias resistors, or weak video from the AGC or IF. Scope its "
     "output: clean sync pulses, typically several volts high, with no picture in them."},
    {"vertical-oscillator",
     "The vertical oscillator sets the rate of the vertical scan, locked to the vertical sync "
     "pulses. It runs free a little below 60 Hz, the sync pulses pull it into step, and it sends a "
     "sawtooth or pulse to the vertical amplifiers; on later sets it is a countdown circuit in the "
     "jungle IC. Symptoms: a picture that rolls up or down and will not hold, a picture that holds "
     "only at one end of the hold control, or, if it stops, a single bright horizontal line. It "
     "cannot cause horizontal tearing or a loss of raster. Usual culprits: timing capacitors and "
     "resistors that have changed value, leaky coupling capacitors, the oscillator transistor or IC."
     " Scope its output for a steady waveform at the field rate. Turn the brightness down while only"
     " a line shows, or it burns the phosphor."},
    {"vertical-hold",
     "The vertical hold control sets the vertical oscillator's free-running rate so that the sync "
     "can lock it. Turned too far either way, the picture rolls up or down. To set it, turn it "
     "slowly until the picture rolls, then back the other way, and leave it in the middle of the "
     "range where the picture locks; a healthy set holds firmly over a good part of the travel. If "
     "the picture locks only at one end of the travel, or not at all, the control is not at fault: "
     "look at the vertical oscillator's timing parts or at the sync separator. A picture that jumps "
     "when the control is touched means a dirty or worn track: clean the control with contact "
     "cleaner or replace it."},
    {"vertical-amplifier",
     "The vertical deflection amplifiers turn the oscillator's waveform into the current that drives"
     " the vertical yoke. The first stage shapes and amplifies the sawtooth, carries the size and "
     "linearity adjustments and takes feedback from the yoke; the second, the output stage, delivers"
     " the yoke current, often from a supply of about 25 to 60 V (typical). A dead stage gives a "
     "single horizontal line or a narrow band; weak or uneven drive gives too little height, a "
     "stretched or cramped top or bottom, or folded lines. Usual culprits: the output transistors or"
     " IC, its supply's fusible resistor, dried coupling and feedback capacitors. Measure the supply"
     " with a meter, then scope the yoke: a sawtooth with a sharp retrace pulse, often tens of volts"
     " high."},
    {"vertical-linearity",
     "The vertical linearity control evens out the speed of the vertical scan from top to bottom. "
     "Misadjusted, it stretches the top of the picture and cramps the bottom, or the reverse, so "
     "circles turn into eggs. It interacts with the vertical size control: adjust the two in turns "
     "on a crosshatch or test pattern, or on a round station logo, setting linearity for equal "
     "squares from top to bottom and then height for a picture that just fills the screen. If "
     "neither control corrects the stretch, the fault is in the vertical amplifier, most often a "
     "dried coupling or feedback capacitor. A worn or dirty track makes the picture's height jump "
     "when the control is touched."},
    {"vertical-size",
     "The vertical size (height) control sets how far the picture reaches toward the top and bottom "
     "of the screen. It sets the amplitude of the vertical scan. Set too low, black bands show at "
     "the top and bottom; set too high, the top and bottom of the picture are lost behind the mask. "
     "It interacts with the vertical linearity control, so adjust the two in turns on a test "
     "pattern. If the picture will not reach full height at any setting, the control is not at "
     "fault: suspect a low supply to the vertical output stage, a weak output transistor or IC, or a"
     " dried capacitor in the vertical amplifier; height that shrinks as the set warms up points to "
     "the same stage. A dirty track makes the height jump when the control is touched."},
    {"vertical-yoke",
     "The vertical yoke winding on the tube's neck moves the beams up and down the screen. The "
     "vertical output stage drives a sawtooth current through it at the field rate. An open winding "
     "gives a single bright horizontal line; shorted turns give reduced height or a keystone-shaped "
     "picture, and the output stage may overheat. The yoke itself rarely fails, so check the "
     "vertical output stage first. With the set off, measure the winding with a meter: typically a "
     "few ohms to a few tens of ohms, equal for both halves where it is split. Look for burnt "
     "insulation and loose plugs. Mark the yoke's position before removing it: moving it upsets "
     "purity and convergence.\n\n"
     "Safety: the yoke sits beside the anode lead; discharge the anode to the ground braid before "
     "handling it, and turn the brightness down while only a line shows."},
};

} // namespace

std::span<const NoteText> noteTexts()
{
    return kTexts;
}

} // namespace areanotes
