#include "diagrams/areanotetexts.h"

namespace areanotes {

namespace {

// One note per area, in plain words for a technician starting out. The first sentence is the note's
// summary; a blank line separates paragraphs. A note holds what is particular to its area: the safety rules
// that many areas share are written once, below, and attached to their areas in areanotes.cpp.
constexpr NoteText kTexts[] = {
    {"ac-mains-input",
     QT_TRANSLATE_NOOP("areanotes/ac-mains-input", "The AC mains input brings the wall supply into the set through the plug, cord, power switch "
     "and fuse. It delivers the mains, about 120 V AC in North America (typical 110 to 125 V), to "
     "the low voltage power supply, often through a surge resistor, and to the degaussing coil "
     "through its thermistor (posistor). An open cord, switch, fuse or surge resistor leaves the "
     "set dead: no sound, no raster, no standby light. A fuse that blows again at once points to a "
     "short further on: a rectifier diode, a filter capacitor, the horizontal output or switching "
     "transistor, or a shorted degaussing thermistor. A thermistor that no longer cuts off leaves "
     "a wavy picture and hum. With the set unplugged, check the cord, switch and fuse with an "
     "ohmmeter: each should read close to zero ohms.")},
    {"low-voltage-supply",
     QT_TRANSLATE_NOOP("areanotes/low-voltage-supply", "The low voltage power supply turns the mains into the steady DC voltages the set runs on. Diodes "
     "rectify the mains, and large electrolytic capacitors filter it into the raw B+, typically 120 to "
     "160 V DC on a set without a mains transformer. Dried-out filter capacitors let ripple through: "
     "dark hum bars drifting up the picture, hum in the sound, wavy edges. Usual culprits: filter "
     "capacitors, shorted rectifier diodes, open fusible resistors. Measure the DC across the main "
     "filter capacitor with a meter. Feeding 0.4 to 1 A, it carries several volts peak to peak of "
     "ripple; only after the regulator is the ripple well under a volt. Judge it by its ESR or "
     "capacitance, or bridge it with a good one of the same rating: with the set unplugged and "
     "discharged, clip it in with the polarity right, then power up; discharge it again before "
     "unclipping.")},
    {"voltage-regulator",
     QT_TRANSLATE_NOOP("areanotes/voltage-regulator", "The voltage regulator holds the B+ steady whatever the mains voltage or the brightness of "
     "the picture. It turns the raw B+ from the filter capacitors into the regulated B+, "
     "about 100 to 150 V DC on color sets, mainly for the horizontal "
     "output stage. It may be a series-pass transistor with a Zener reference, an SCR or a "
     "switching regulator. A shorted pass element gives high B+, which may trip the hold-down; "
     "an open one gives no B+ and a dead set; low B+ gives a narrow, dim picture. Usual culprits: "
     "the pass transistor and Zener; on a switcher the switching transistor, control IC, "
     "optocoupler and a shorted secondary diode, which makes it chirp. Measure DC to ground. A "
     "chirping switcher is tried with a 60 to 100 W lamp in place of its B+ load: still chirping, "
     "the fault is in the regulator.")},
    {"linear-supply",
     QT_TRANSLATE_NOOP("areanotes/linear-supply", "A linear power supply rectifies and filters the mains, then steadies it with a series-pass "
     "regulator. Diodes rectify the mains, often after a transformer; a choke or resistor and "
     "filter capacitors smooth it; the pass transistor, with a Zener diode as its reference, drops "
     "the surplus voltage as heat, so it sits on a heat sink. Faults: a dead set from an open "
     "fuse, winding or rectifier; hum bars and hum in the sound from dried filter capacitors; low "
     "or unsteady B+ from a failing pass transistor or a drifted Zener. A pass transistor that "
     "fails shorted passes the full raw voltage. Measure the raw DC at the filter capacitor and "
     "the regulated DC after the regulator with a meter: the output should hold steady while the "
     "brightness changes.")},
    {"switching-supply",
     QT_TRANSLATE_NOOP("areanotes/switching-supply", "A switching power supply chops rectified mains at high frequency through a small transformer to "
     "make the set's supplies. The mains is rectified straight to about 150 to 170 V DC (from 120 V "
     "mains) and switched at tens of kilohertz; a feedback loop, usually through an optocoupler, holds "
     "the outputs steady. Symptoms: a dead set, low outputs, or a chirping supply. A chirp most often "
     "means an overloaded secondary: disconnect the B+ load, put a 60 to 100 W lamp on the B+ output "
     "and power up; a steady supply and a lit lamp put the fault in the load. Usual culprits: open "
     "start-up resistors, dried small electrolytics, the optocoupler, shorted secondary diodes. A "
     "shorted switching transistor blows the fuse and often takes the sense resistor, a fusible "
     "resistor and the control IC with it: check them all. Measure primary parts against the primary "
     "(hot) ground only.")},
    {"scan-derived-supply",
     QT_TRANSLATE_NOOP("areanotes/scan-derived-supply", "A scan-derived supply makes low voltage supplies by rectifying pulses from extra windings on "
     "the flyback transformer. Typically it feeds the vertical output, the video drivers, the "
     "sound and the small-signal stages. These supplies exist only while the horizontal output "
     "runs, so a horizontal fault kills them all and the set looks dead; a short on one of them "
     "loads the flyback, and the horizontal stage shuts down or fails. Symptoms: no raster and no "
     "sound together, or one function missing, such as a single horizontal line when the vertical "
     "supply is lost. Usual culprits: open fusible resistors, shorted rectifier diodes, dried "
     "filter capacitors. Measure each rectified output to ground with a meter.")},
    {"noise-canceller",
     QT_TRANSLATE_NOOP("areanotes/noise-canceller", "The noise cancelling amplifier removes noise spikes from the video before they reach the "
     "sync separator. Interference from car ignitions or appliances would otherwise trigger false "
     "sync. It passes the video and sync, and cancels any pulse reaching beyond the sync tips; the "
     "Noise level knob sets that threshold. Set too tight, it clips the real sync and the picture "
     "rolls or tears; set too loose, noise bursts make the picture jitter or bend on weak "
     "stations. It cannot affect brightness, color or sound. Usual culprits: the canceller "
     "transistor, a leaky coupling capacitor, a worn Noise level control. Scope its output: clean "
     "sync pulses of the same height as at the input, without the noise spikes.")},
    {"sync-separator",
     QT_TRANSLATE_NOOP("areanotes/sync-separator", "The sync separator strips the picture from the video and keeps only the sync pulses that "
     "time both scans. Horizontal pulses at 15,734 Hz go to the horizontal AFC; vertical pulses at "
     "59.94 Hz, after an integrator, go to the vertical oscillator. When it fails the picture "
     "rolls and tears at once, and the hold controls hold it only for a moment. Weak sync shows as "
     "bending at the top, rolling on scene changes, or a picture that holds one way but not the "
     "other. It cannot cause a loss of raster, but it can cost the color: with the horizontal lock "
     "lost, the flyback-keyed burst gate misses the burst and the killer cuts the color. Usual "
     "culprits: the separator transistor, leaky coupling capacitors, drifted bias resistors, or "
     "weak video from the AGC or IF. Scope its output: clean sync pulses, several volts high, with "
     "no picture in them.")},
    {"vertical-oscillator",
     QT_TRANSLATE_NOOP("areanotes/vertical-oscillator", "The vertical oscillator sets the rate of the vertical scan, locked to the vertical sync "
     "pulses. It runs free a little below 60 Hz, the sync pulses pull it into step, and it sends a "
     "sawtooth or pulse to the vertical amplifiers; on later sets it is a countdown circuit in the "
     "jungle IC. Symptoms: a picture that rolls and will not hold, or holds only at one end of the "
     "hold control. If it stops, older sets show a single bright horizontal line (turn the "
     "brightness down, or it burns the phosphor); many later sets have vertical protection that "
     "blanks the tube or shuts the set down instead. It cannot cause horizontal tearing. Usual "
     "culprits: timing capacitors and resistors that have changed value, leaky coupling "
     "capacitors, the oscillator transistor or IC. Scope its output for a steady waveform at the "
     "field rate.")},
    {"vertical-hold",
     QT_TRANSLATE_NOOP("areanotes/vertical-hold", "The vertical hold control sets the vertical oscillator's free-running rate so that the sync "
     "can lock it. Turned too far either way, the picture rolls up or down. To set it, turn it "
     "slowly until the picture rolls, then back the other way, and leave it in the middle of the "
     "range where the picture locks; a healthy set holds firmly over a good part of the travel. If "
     "the picture locks only at one end of the travel, or not at all, the control is not at fault: "
     "look at the vertical oscillator's timing parts or at the sync separator. A picture that "
     "jumps when the control is touched means a dirty or worn track: clean the control with "
     "contact cleaner or replace it.")},
    {"vertical-amplifier",
     QT_TRANSLATE_NOOP("areanotes/vertical-amplifier", "The vertical deflection amplifiers turn the oscillator's waveform into the current that "
     "drives the vertical yoke. The first stage shapes the sawtooth and carries the size and "
     "linearity adjustments; the output stage delivers the yoke current, often from a supply of "
     "about 25 to 60 V (typical). A dead stage gives a single horizontal line, or, on the many "
     "later sets with vertical protection, a blanked screen or a shutdown; weak drive gives too "
     "little height or a cramped top or bottom. Usual culprits: the output transistors or IC, "
     "cracked solder joints at the output IC (height that collapses to a line now and then), the "
     "retrace boost (flyback) capacitor or diode (fold-over at the top), the supply's fusible "
     "resistor, dried coupling and feedback capacitors. Measure the supply with a meter, then "
     "scope the yoke: a sawtooth with a sharp retrace pulse, often tens of volts high.")},
    {"vertical-linearity",
     QT_TRANSLATE_NOOP("areanotes/vertical-linearity", "The vertical linearity control evens out the speed of the vertical scan from top to bottom. "
     "Misadjusted, it stretches the top of the picture and cramps the bottom, or the reverse, so "
     "circles turn into eggs. It interacts with the vertical size control: adjust the two in turns "
     "on a crosshatch or test pattern, or on a round station logo, setting linearity for equal "
     "squares from top to bottom and then height for a picture that just fills the screen. If "
     "neither control corrects the stretch, the fault is in the vertical amplifier, most often a "
     "dried coupling or feedback capacitor. A worn or dirty track makes the picture's height jump "
     "when the control is touched.")},
    {"vertical-size",
     QT_TRANSLATE_NOOP("areanotes/vertical-size", "The vertical size (height) control sets how far the picture reaches toward the top and "
     "bottom of the screen. It sets the amplitude of the vertical scan. Set too low, black bands "
     "show at the top and bottom; set too high, the top and bottom of the picture are lost behind "
     "the mask. It interacts with the vertical linearity control, so adjust the two in turns on a "
     "test pattern. If the picture will not reach full height at any setting, the control is not "
     "at fault: suspect a low supply to the vertical output stage, a weak output transistor or IC, "
     "or a dried capacitor in the vertical amplifier; height that shrinks as the set warms up "
     "points to the same stage. A dirty track makes the height jump when the control is touched.")},
    {"vertical-yoke",
     QT_TRANSLATE_NOOP("areanotes/vertical-yoke", "The vertical yoke winding on the tube's neck moves the beams up and down the screen. The "
     "vertical output stage drives a sawtooth current through it at the field rate. An open "
     "winding gives a single bright horizontal line, or a blanked screen or shutdown where the set "
     "has vertical protection; shorted turns give reduced height or a keystone-shaped picture, and "
     "the output stage may overheat. The yoke itself rarely fails, so check the vertical output "
     "stage first. With the set off, measure the winding with a meter: typically a few ohms to a "
     "few tens of ohms, equal for both halves where it is split. Look for burnt insulation and "
     "loose plugs. Mark the yoke's position before removing it: moving it upsets purity and "
     "convergence.")},
    {"horizontal-afc",
     QT_TRANSLATE_NOOP("areanotes/horizontal-afc", "The horizontal AFC keeps the horizontal oscillator locked to the incoming line sync. It "
     "compares the sync pulses from the sync separator with a sample of the flyback pulse and "
     "makes a DC correction voltage that pulls the oscillator onto frequency and phase. Faults "
     "show as a picture torn into diagonal bars, a picture that locks at no hold setting, bending "
     "at the top, or a picture shifted sideways. A badly wrong correction voltage can pull the "
     "oscillator so far off that the high voltage drops or the hold-down shuts the set off. Usual "
     "culprits: the paired phase detector diodes, leaky capacitors in its filter, an open flyback "
     "sample lead. Measure the correction voltage with a meter while turning the hold control: it "
     "should move smoothly; scope both inputs.")},
    {"horizontal-oscillator",
     QT_TRANSLATE_NOOP("areanotes/horizontal-oscillator", "The horizontal oscillator makes the line-rate pulses that start every horizontal scan line. "
     "It runs at 15,734 Hz on a color set, held there by the AFC's correction voltage, and feeds "
     "the horizontal driver. If it stops, nothing after it runs: no high voltage, no raster and no "
     "scan-derived supplies, so the set may seem dead. Off frequency, it gives diagonal bars that "
     "the hold control cannot cure. Usual culprits: drifted timing capacitors and resistors, the "
     "oscillator coil or transistor, the jungle IC that contains it, its supply. On one-chip "
     "(jungle IC) sets the oscillator runs from a ceramic resonator near 500 kHz, 32 times the "
     "line rate, divided down; that resonator is a common culprit. Measure its supply first with a "
     "meter, then scope its output: a steady pulse or square wave near 15.7 kHz, a few volts peak "
     "to peak.")},
    {"horizontal-hold",
     QT_TRANSLATE_NOOP("areanotes/horizontal-hold", "The horizontal hold control sets the horizontal oscillator's free-running rate so that the "
     "AFC can lock it. Off setting, the picture breaks into diagonal bars or tears sideways. On "
     "many sets it is set with the AFC disabled as the service data describe (a jumper or a "
     "shorted sync input): adjust until the picture almost stands still, then restore the AFC. A "
     "good set then locks at once on every channel and after every channel change. If no setting "
     "locks the picture, the control is not at fault: look at the sync separator, the AFC's diodes "
     "and capacitors, or the oscillator's timing parts. A hold that drifts as the set warms up "
     "points to a timing part that changes with heat. Many later sets have no horizontal hold at "
     "all.")},
    {"horizontal-driver",
     QT_TRANSLATE_NOOP("areanotes/horizontal-driver", "The horizontal driver amplifies the oscillator's pulses to switch the horizontal output "
     "transistor on and off. It drives the output through a small driver transformer, and its "
     "supply often comes from B+ through a dropping resistor. When it fails, the output transistor "
     "receives no drive: no high voltage, no raster, and, where supplies are scan-derived, a dead "
     "set. Weak or distorted drive makes the output transistor run hot and fail again and again. "
     "Usual culprits: the driver transistor, its supply's dropping resistor, a dried filter "
     "capacitor, cracked solder joints at the driver transformer. Measure its supply with a meter, "
     "then scope the driver's collector: a clean square pulse near 15.7 kHz, typically tens of "
     "volts high.")},
    {"horizontal-output",
     QT_TRANSLATE_NOOP("areanotes/horizontal-output", "The horizontal output amplifier switches the current in the horizontal yoke and flyback at the "
     "line rate. It runs from regulated B+; at each retrace it turns off sharply, and the flyback's "
     "pulses make the high voltage, focus and scan-derived supplies. A shorted output transistor is a "
     "very common cause of a blown fuse and a dead set; the stage also causes no raster, a narrow "
     "picture or a loud squeal. An open S-correction capacitor, yoke plug or yoke joint leaves a "
     "single vertical line: turn the brightness down at once, or it burns the phosphor. Usual "
     "culprits: the output transistor, the flyback (shorted turns), the retrace and S-correction "
     "capacitors, the width and linearity coils, the yoke plug and its joints. Find why a transistor "
     "failed before fitting a new one. Measure B+ with a meter at the flyback's B+ pin or the "
     "regulator's output, not at the collector.")},
    {"damper", QT_TRANSLATE_NOOP("areanotes/damper", "The damper is the diode across the horizontal output transistor that conducts during the "
               "first part of each scan line. It returns the yoke's energy to the supply and gives the scan "
               "a linear start; it is often built into the output transistor. A shorted damper loads B+ and "
               "the flyback like a shorted output transistor: a blown fuse or a shut-down supply, and a dead "
               "set. An open or weak damper lets the collector pulse ring: bars or a fold at the left of the "
               "picture, and overstress that kills the output transistor. Usual culprits: the diode itself, "
               "heat-cracked solder joints, the capacitors around it. With the set off and discharged, lift "
               "one end and use a meter's diode test: typically 0.4 to 0.7 V one way, open the other.")},
    {"hv-hold-down",
     QT_TRANSLATE_NOOP("areanotes/hv-hold-down", "The high voltage hold-down shuts the horizontal stage off if the high voltage rises too "
     "high. Excess anode voltage makes the tube give off X-rays, so this circuit senses a pulse or "
     "voltage in step with the high voltage, usually from a flyback winding, and fires an SCR or "
     "the jungle IC's shutdown. When it trips, the set starts for a moment and shuts off, or the "
     "horizontal stage stops while the rest runs: no raster. It trips either because the high "
     "voltage really is too high (high B+, an open retrace capacitor, a regulator fault) or "
     "because it is faulty itself: a drifted sense resistor, a leaky capacitor or a faulty SCR. "
     "Never disable it to make a set play. Measure B+ first, then the anode voltage with a high "
     "voltage probe.")},
    {"hv-regulator",
     QT_TRANSLATE_NOOP("areanotes/hv-regulator", "The high voltage regulator keeps the anode voltage steady as the beam current changes with "
     "the picture's brightness. Depending on the set it controls the B+ to the horizontal output, "
     "the flyback's load or the retrace timing. If it lets the high voltage fall, the picture is "
     "dim, blooms (grows larger) and loses focus on bright scenes; if it lets it rise, the "
     "hold-down shuts the set off or there is no raster. Usual culprits: the regulator transistor "
     "or saturable reactor, its control transistor, the divider resistors of its sample. With a "
     "high voltage probe, measure the anode voltage at low and at high brightness: a good "
     "regulator holds it within a few percent (typical), and the picture size stays the same.")},
    {"hv-rectifier",
     QT_TRANSLATE_NOOP("areanotes/hv-rectifier", "The high voltage rectifier turns the flyback's pulses into the picture tube's anode voltage. In "
     "many sets a tripler does it, diodes and capacitors stacked to give about three times the pulse's "
     "peak; later flybacks contain the diodes. It also gives the focus voltage, typically a few "
     "kilovolts, for a high voltage probe only. The anode voltage goes with screen size: about 20 to "
     "25 kV on small color sets, 25 to 30 kV on large ones. A shorted tripler loads the flyback: the "
     "horizontal stage shuts down or fails, and it may squeal or arc; an open one gives no high "
     "voltage and no raster. Where there is no separate tripler, the flyback itself fails: an internal "
     "HV diode, or its focus and screen divider breaking down, gives arcing, shutdown, poor focus or a "
     "drifting screen voltage. Look for burn marks with the set off.")},
    {"pincushion",
     QT_TRANSLATE_NOOP("areanotes/pincushion", "The pincushion circuit straightens the edges of the raster, which a wide-angle color tube "
     "would otherwise bow inward. Side (east-west) correction puts a field-rate parabola into the "
     "horizontal yoke current, through a transformer or a diode modulator in series with it; top "
     "and bottom correction puts a line-rate waveform into the vertical yoke, and many in-line "
     "sets have none. The Phase control centers the correction so that the bend is symmetrical. "
     "Faults bow the sides or make the edges wavy. A shorted east-west part, such as a modulator "
     "diode, capacitor or transistor, loads the horizontal output: a narrow picture, a failed "
     "output transistor or a shutdown. Set amplitude and phase on a crosshatch pattern for "
     "straight edges. Scope the correction waveform at its control point: a smooth parabola at the "
     "field rate.")},
    {"horizontal-yoke",
     QT_TRANSLATE_NOOP("areanotes/horizontal-yoke", "The horizontal yoke winding moves the beams across the screen along each scan line. The "
     "horizontal output stage drives a sawtooth current through it at 15,734 Hz, through the "
     "S-correction capacitor in series, and it forms part of the output's resonant circuit with the "
     "flyback and the retrace capacitor. An open winding, plug, joint or S-correction capacitor gives "
     "a single vertical line (turn the brightness down at once: it burns the phosphor); shorted turns "
     "give a narrow picture, a hot output transistor, a blown fuse or a hold-down shutdown. Its faults "
     "look like horizontal output faults, so check that stage first. With the set off, the winding "
     "reads well under an ohm to a few ohms (typical); a shorted turn does not show on an ohmmeter but "
     "does on a ringing tester. Look for burnt spots in its insulation.")},
    {"picture-tube",
     QT_TRANSLATE_NOOP("areanotes/picture-tube", "The picture tube turns the three color signals into light on its phosphor screen. Each "
     "cathode's beam is varied by its control grid and the video drive; the screen grid (G2), set "
     "by the Screen control to several hundred volts, accelerates it; the focus electrode sharpens "
     "it; the anode, at about 20 to 30 kV by screen size, draws it to the screen. No heater glow, "
     "an open anode lead or a very low screen voltage gives no raster with sound; a worn tube "
     "gives a dim, smeared picture; a short inside it floods the screen with one color. A failing "
     "flyback divider gives poor focus and a drifting screen voltage. Cathode voltages read well "
     "on an ordinary meter; G2 comes from a divider of tens to hundreds of megohms, which a 10 MΩ "
     "meter reads low: measure it with a high voltage probe or as the service data say.")},
    {"antenna-signal",
     QT_TRANSLATE_NOOP("areanotes/antenna-signal", "The antenna, its lead-in and the set's antenna input bring the station's signal into the "
     "tuner. A weak signal gives a snowy picture, weak or no color (the killer cuts color before "
     "the picture goes) and noisy sound. Ghosts are not a sign of weak signal: they come from "
     "reflections off buildings or hills, or from a damaged or mismatched lead-in. It cannot cause "
     "raster, deflection or single-color faults. Usual culprits are outside the set: a broken or "
     "corroded lead-in, a loose connector, a poor splitter, a damaged or misaimed antenna. Compare "
     "with a known good antenna, and check the cable's continuity with a meter. A signal level "
     "meter typically shows about 1 mV (0 dBmV) or more across 75 ohms for a clean picture. On a "
     "set without a mains transformer, leaky isolation capacitors at the antenna terminals can "
     "make the antenna live.")},
    {"uhf-tuner",
     QT_TRANSLATE_NOOP("areanotes/uhf-tuner", "The UHF tuner selects channels 14 to 83 and converts the chosen one to the set's "
     "intermediate frequency. It covers 470 to 890 MHz with an RF input stage, a local oscillator "
     "and a mixer, and passes its IF, 45.75 MHz picture and 41.25 MHz sound carriers, to the VHF "
     "tuner, which amplifies it further. Tuning is by a dial capacitor or by a varactor tuning "
     "voltage. Symptoms: snow or no signal on UHF channels while VHF is good, or UHF stations that "
     "drift. It cannot cause faults on VHF alone or raster faults. Usual culprits: the mixer "
     "diode, a weak oscillator transistor, dirty tuning contacts, a missing supply or tuning "
     "voltage. Measure the tuner's supply and, on varactor tuners, its tuning voltage, typically 0 "
     "to about 30 V across the band, with a meter.")},
    {"vhf-tuner",
     QT_TRANSLATE_NOOP("areanotes/vhf-tuner", "The VHF tuner selects channels 2 to 13 and converts the chosen one to the set's intermediate "
     "frequency. It covers 54 to 216 MHz with an RF amplifier, an oscillator and a mixer, and sends "
     "the 45.75 MHz IF on to the video IF amplifiers. The delayed AGC turns its RF gain down on strong "
     "stations, and the AFT corrects its oscillator. Symptoms: snow or no picture on VHF channels, "
     "channels that come and go when the knob is wiggled, drifting tuning. A fault on both bands can "
     "still be here: the UHF tuner's IF passes through this tuner, and the two share the supply, the "
     "AGC and the band switching; only UHF bad with VHF good points to the UHF tuner. Usual culprits: "
     "dirty switch contacts, the RF or mixer transistor, a missing supply, the AGC line. Measure the "
     "supply, AGC and tuning voltages with a meter.")},
    {"aft", QT_TRANSLATE_NOOP("areanotes/aft", "The automatic fine tuning keeps the tuner's local oscillator on the right frequency. A "
            "discriminator tuned to the 45.75 MHz picture IF carrier gives a DC voltage that swings one way "
            "or the other as the carrier drifts, and that voltage pulls the tuner's oscillator back. "
            "Symptoms: stations drift after warm-up, or the tuning pulls away from a station; color fades or "
            "the sound buzzes as the tuning moves. An AFT output stuck at one end pulls every station off "
            "tune while AFT is on: switch AFT off and retune; if the stations come back, look here. Usual "
            "culprits: a discriminator coil out of alignment, the AFT IC, leaky capacitors on its output "
            "line. Measure the AFT voltage with a meter while tuning through a station: it should swing "
            "smoothly either side of its resting value and settle there at correct tuning.")},
    {"tuning-control",
     QT_TRANSLATE_NOOP("areanotes/tuning-control", "The remote tuning system chooses the channel on sets that are tuned electronically. It holds "
     "a receiver for the remote control, a control microprocessor or tuning IC, the band switching "
     "outputs and the varactor tuning voltage sent to the tuners. Symptoms: channels cannot be "
     "changed, the wrong channel appears, stations drift or fade soon after a channel change, or "
     "the set ignores the remote while its front keys work. A good tuner fed the right voltages "
     "still works, so measure those voltages first. Usual culprits: the tuning voltage supply, "
     "often about 30 to 33 V from a regulator, leaky capacitors on the tuning line, the remote "
     "receiver, the front keys, and flat batteries in the remote. With a meter, the tuning voltage "
     "should change from channel to channel and then hold steady.")},
    {"first-video-if",
     QT_TRANSLATE_NOOP("areanotes/first-video-if", "The 1st video amplifier is an IF stage: it boosts the tuner's IF signal, and its SAW filter "
     "shapes the passband. The SAW (surface acoustic wave) filter passes the channel's IF band, "
     "about 41 to 46 MHz. It loses some 15 to 25 dB, which the preamplifier ahead of it makes up, "
     "so the level need not grow through the stage: compare levels with the service data. A dead "
     "stage gives a clean raster with no picture and no sound; a weak one, a weak picture with "
     "little snow. Snow is noise from the antenna and tuner, which a dead IF does not pass: marked "
     "snow points to the antenna or the tuner. A poor SAW filter gives a smeared picture, weak "
     "color or buzzing sound. Usual culprits: the preamplifier transistor, the SAW filter, its "
     "coupling capacitors. Trace the IF signal with a scope from the tuner's output.")},
    {"video-if-amplifiers",
     QT_TRANSLATE_NOOP("areanotes/video-if-amplifiers", "The front end's 2nd and 3rd video amplifiers are IF amplifiers, giving most of the set's "
     "gain at about 45 MHz. They raise the tuner's small signal to the level the video detector "
     "needs, with a gain that the AGC voltage sets; the sound IF is taken from their output. On "
     "later sets they sit in one IF IC with the synchronous detector. A failure gives a clean "
     "raster with no picture and no sound on every channel; low gain gives a weak picture with "
     "little snow, since snow is noise from the antenna and tuner (marked snow points there); "
     "oscillation gives herringbone patterns or an overloaded picture. Usual culprits: the IF IC "
     "or transistors, open decoupling capacitors, misaligned coils. Measure the supply and the AGC "
     "voltage with a meter; then inject an IF signal stage by stage to find where it is lost.")},
    {"video-detector",
     QT_TRANSLATE_NOOP("areanotes/video-detector", "The video detector recovers the composite video, with its sync and color, from the IF "
     "signal. Older sets use a diode; later ones a synchronous detector in the IF IC, which mixes "
     "the IF with a carrier rebuilt from a tuned coil, for less distortion. In many sets it also "
     "produces the 4.5 MHz sound carrier, which a sound trap keeps out of the picture. A failure "
     "gives a lit raster with no picture; a mistuned synchronous detector coil gives a weak, "
     "buzzing or distorted picture and sound. It cannot cause raster or deflection faults. Usual "
     "culprits: the detector diode, the detector coil, the IF IC. Scope the output on a station: "
     "typically 1 to 3 V peak to peak of composite video, with the sync pulses plainly visible.")},
    {"sound-trap",
     QT_TRANSLATE_NOOP("areanotes/sound-trap", "The sound trap keeps the 4.5 MHz sound carrier out of the picture after the video detector. "
     "It is a tuned circuit or ceramic filter set to 4.5 MHz, the spacing between the picture and "
     "sound carriers. If it is mistuned or a part fails, the sound beats with the picture: fine "
     "moving bars or a herringbone pattern that change with the sound, strongest on loud passages. "
     "It has no effect on the sound itself, nor on sync or raster. Some sets also trap the 41.25 "
     "MHz sound IF before the detector, or leave the job to the SAW filter. Turn the trap's coil "
     "slug with a plastic alignment tool, on a station, for the least pattern; a ceramic trap has "
     "no adjustment and is replaced. Free a stuck slug gently; a cracked one must be replaced.")},
    {"video-amplifier",
     QT_TRANSLATE_NOOP("areanotes/video-amplifier", "The video amplifier raises the detected video to working level and shares it out to the "
     "stages that need it. Its output feeds the luminance and chroma circuits (toward the 2nd "
     "video amplifier), the sync separator and the AGC. A failure gives a lit raster with no "
     "picture and no sync; low gain gives a weak, washed-out picture and weak sync; a leaky "
     "coupling capacitor shifts the black level. In a DC-coupled video chain a DC fault can go "
     "further: cut all three guns off (a dark screen with the high voltage present) or drive them "
     "to full brightness. Usual culprits: the amplifier transistor, its emitter bypass or coupling "
     "capacitors, the dropping resistor of its supply. Scope its input and output on a station: "
     "the same picture, larger at the output, typically a few volts peak to peak, with clean sync "
     "tips.")},
    {"agc", QT_TRANSLATE_NOOP("areanotes/agc", "The AGC keeps the picture at the same strength on strong and weak stations by setting the "
            "gain of the IF amplifiers. It measures the video level, on most sets at the sync tips, keyed "
            "by a flyback pulse, and sends a DC voltage that turns the gain down as the signal grows; the "
            "noise gate stops noise spikes from upsetting it. Too much AGC gives a weak, snowy picture "
            "even on strong stations; too little gives an overloaded picture: dark, contrasty, washed out "
            "or negative, with buzz in the sound and bending or rolling as the sync is crushed. Usual "
            "culprits: the keying transistor, the keying pulse, leaky capacitors on the AGC line. Clamp "
            "the AGC line at its normal voltage with a bias supply: if the picture recovers, the fault is "
            "in the AGC.")},
    {"agc-control",
     QT_TRANSLATE_NOOP("areanotes/agc-control", "The AGC control sets the signal level that the AGC holds the IF amplifiers to. Set too high, "
     "strong stations overload: a dark, contrasty or negative picture, buzz in the sound, and a "
     "picture that bends, tears or rolls because its sync is crushed. Set too low, the picture is "
     "weak and snowy on every station. Unless the service data give a voltage to set on the AGC "
     "line, tune the strongest local station, turn the control slowly until the picture just "
     "starts to overload, then back it off until the picture is clean; check that weak stations "
     "still look right and that changing channels causes no bending. If the control has no clear "
     "effect on the picture, the AGC circuit itself is at fault.")},
    {"delayed-agc",
     QT_TRANSLATE_NOOP("areanotes/delayed-agc", "The delayed AGC turns down the tuner's RF gain, but only once the signal is strong. Below "
     "that point it leaves the tuner at full gain, for the least snow, and the IF AGC does the "
     "work; the Delay control sets the point. Set too early, weak stations look snowy; set too "
     "late, strong stations overload the tuner: cross-modulation, a washed-out or negative "
     "picture, buzz. Usual culprits: the delay transistor, leaky capacitors on the RF AGC line, a "
     "worn Delay control. Measure the RF AGC voltage at the tuner with a meter from no signal up "
     "to a strong station: it should stay put on weak signals and start to change on strong ones; "
     "its direction and range depend on the tuner. A tuner that ignores a correct voltage is "
     "itself at fault.")},
    {"blanking-amplifier",
     QT_TRANSLATE_NOOP("areanotes/blanking-amplifier", "The blanking amplifier darkens the screen while the beams fly back after each line and each "
     "field. It forms blanking pulses from the horizontal and vertical flyback and applies them to "
     "the video amplifier chain or the tube's drive, so the retrace stays dark. When it fails, "
     "fine diagonal white lines cross the picture, from the vertical retrace, most visible at high "
     "brightness, and the picture may look washed out. It cannot cause a loss of sync, but a stage "
     "stuck on blanks the whole screen: no raster, with the high voltage present. Usual culprits: "
     "the blanking transistor, a diode or capacitor in the pulse path, a weak flyback sample. A "
     "Brightness or Screen control set too high also shows retrace lines, so turn them down first. "
     "Scope the blanking pulses: clean pulses at the line and field rates.")},
    {"sound-if-detector",
     QT_TRANSLATE_NOOP("areanotes/sound-if-detector", "The sound IF detector takes off the 4.5 MHz sound signal from the beat of the picture and "
     "sound IF carriers. The 4.5 MHz signal still carries the FM sound, and goes on to the sound "
     "IF amplifier. The detector is fed from the video IF amplifiers, so faults there affect "
     "picture and sound alike; a fault in this stage leaves a good picture with no sound, or weak, "
     "buzzing sound. Usual culprits: the detector diode or IC, its 4.5 MHz takeoff coil or ceramic "
     "filter, a cracked coil slug. On a station, scope or signal-trace its output: a 4.5 MHz "
     "signal of typically tens to hundreds of millivolts. A 4.5 MHz FM signal injected past it "
     "that gives sound proves everything after it.")},
    {"sound-if-amplifier",
     QT_TRANSLATE_NOOP("areanotes/sound-if-amplifier", "The sound IF amplifier raises the 4.5 MHz sound carrier and limits it before the FM "
     "detector. Limiting clips its amplitude, so that noise and buzz from the picture are removed "
     "before detection. A dead stage gives no sound with a good picture; a weak stage or poor "
     "limiting gives hiss, buzz or sound that fades in and out. It cannot cause picture faults. "
     "Usual culprits: the sound IF IC or transistors, a 4.5 MHz ceramic filter, open decoupling "
     "capacitors, misaligned coils. Scope its input and output on a station: the output should be "
     "larger and flat-topped; a signal at the input but none at the output points here. Measure "
     "its supply with a meter.")},
    {"sound-detector",
     QT_TRANSLATE_NOOP("areanotes/sound-detector", "The sound detector turns the frequency swings of the 4.5 MHz sound carrier back into audio. "
     "It is a ratio detector, a quadrature detector or a PLL, usually inside the sound IC, with a "
     "tuned coil or ceramic resonator. A fault gives no sound, distorted sound or a strong buzz "
     "while the picture is good; a mistuned quadrature coil gives buzz that changes with the "
     "picture. Usual culprits: the detector coil out of tune, the sound IC, a ratio detector's "
     "diodes or capacitor. Tune the coil on a station, with a plastic tool, for the clearest sound "
     "and the least buzz. Scope its output: audio of typically some hundreds of millivolts, the "
     "same waveform the speaker should reproduce.")},
    {"audio-amplifier",
     QT_TRANSLATE_NOOP("areanotes/audio-amplifier", "The audio amplifier raises the detected audio, through the Volume control, to drive the "
     "loudspeaker. It is usually a power IC or a pair of output transistors, fed from the low voltage "
     "supply or a scan-derived supply. Symptoms: no sound, weak or distorted sound, hum, or a crackle "
     "as the Volume control turns (a dirty or worn track). A shorted output stage can also open a "
     "fusible resistor. Usual culprits: the output IC or transistors, the coupling capacitor to the "
     "speaker, the fusible resistor, the Volume control. Inject an audio signal at the Volume control: "
     "sound means the fault lies before it, silence means here or after. A single-supply output sits "
     "at about half the supply; on a bridge (BTL) output IC both speaker leads do, and neither is "
     "ground.")},
    {"loudspeaker",
     QT_TRANSLATE_NOOP("areanotes/loudspeaker", "The loudspeaker turns the audio amplifier's output into sound. A speaker fault gives no "
     "sound, a buzz or rattle on loud passages (a torn cone or a rubbing voice coil), or weak, "
     "tinny sound. Check it on its own: with the set off, it reads a little below its marked "
     "impedance, typically 3 to 7 ohms for a 4 to 8 ohm speaker, and a brief touch of a 1.5 V cell "
     "gives a click. Open leads, a broken plug or an earphone jack with dirty contacts that cut "
     "the speaker off also silence it. A speaker makes no steady hum of its own: a hum comes from "
     "the circuits before it. Fit only a shielded replacement near the tube: a strong magnet there "
     "stains the colors.")},
    {"comb-filter",
     QT_TRANSLATE_NOOP("areanotes/comb-filter", "The comb filter splits the video into luminance and chroma; the 2nd video amplifier beside "
     "it is a luminance stage. It adds and subtracts the video of successive lines, one line "
     "apart, about 63.6 microseconds, which works because the color subcarrier reverses its phase "
     "from line to line. The 2nd video amplifier carries the luminance (brightness) on to the "
     "delay line, with the Contrast control setting its gain; the chroma (color) goes to the 1st "
     "chroma amplifier. A fault gives a weak or missing picture, no color, crawling dots on color "
     "edges, or false color on fine detail. Usual culprits: the comb filter IC or its delay line, "
     "the amplifier transistor, coupling capacitors. On a station, scope the input, then the "
     "luminance and chroma outputs, and compare.")},
    {"contrast-control",
     QT_TRANSLATE_NOOP("areanotes/contrast-control", "The Contrast control sets the gain of the luminance amplifier, and so how far the picture "
     "swings from black to white. On many sets the color level follows it. Set too low, the "
     "picture looks flat, gray and weak, although the raster is bright; set too high, whites bloom "
     "and smear and fine detail is lost. Set it to mid-range, with the brightness right, before "
     "looking for a fault. If it has little or no effect, measure what it sends on (on later sets "
     "a DC control voltage of a few volts to the video IC) with a meter as it turns: it should "
     "change smoothly; if it does and the picture does not, the fault lies in the amplifier it "
     "controls. A dirty track makes the picture flicker when the control is touched.")},
    {"delay-line",
     QT_TRANSLATE_NOOP("areanotes/delay-line", "The luminance delay line holds back the brightness signal so that it arrives together with "
     "the slower color signal. The narrow color path delays its signal more, so the luminance is "
     "held back by typically 0.5 to 1 microsecond, putting the colors exactly over the objects "
     "they belong to. An open delay line gives no picture, or a faint, smeared one, while color "
     "and sound remain; a damaged or badly terminated one shifts the colors sideways from their "
     "outlines or gives ghost-like edges. Usual culprits: an open winding or broken lead of the "
     "line itself, its terminating resistors, a cracked solder joint. With the set off, check its "
     "winding with a meter: it must show continuity, never open. Scope its input and output.")},
    {"third-video-amplifier",
     QT_TRANSLATE_NOOP("areanotes/third-video-amplifier", "The 3rd video amplifier is a luminance stage: it brings the brightness signal up to the "
     "level the video drivers need. It adds the Brightness control's DC level and the retrace "
     "blanking. The brightness limiter beside it senses the tube's beam current, usually at the "
     "flyback's return, and lowers contrast and brightness when the current grows too high, to "
     "protect the tube and the high voltage circuits. Faults: no picture on a lit raster, a "
     "picture too bright or too dark that the controls cannot set, retrace lines, or a picture "
     "that dims on bright scenes. Usual culprits: the amplifier transistor, a leaky clamp "
     "capacitor, the limiter's sensing resistor or diode. Measure its output DC with a meter as "
     "the Brightness control turns: it should change smoothly.")},
    {"brightness-control",
     QT_TRANSLATE_NOOP("areanotes/brightness-control", "The Brightness control sets the picture's black level: how bright the screen is where the "
     "picture is black. It does so by shifting the DC level of the video signal. Set too high, "
     "blacks turn gray and retrace lines may show; set too low, dark scenes turn black and the "
     "raster may vanish although the high voltage is present. Set it on a picture with black "
     "areas: raise it until the blacks just start to glow, then back off slightly. If turning it "
     "changes nothing, measure the voltage at its wiper with a meter: if it changes smoothly and "
     "the picture does not, look at the 3rd video amplifier, its clamp and the brightness limiter. "
     "Do not use the Screen (G2) control as a brightness control: it is a gray-scale set-up "
     "adjustment, and turned up it upsets the gray scale and brings up retrace lines.")},
    {"chroma-amplifiers",
     QT_TRANSLATE_NOOP("areanotes/chroma-amplifiers", "The chroma amplifiers raise the 3.58 MHz color signal from the comb filter to the level the "
     "demodulators need. The ACC sets the gain of the 1st; the 2nd carries the Color control and "
     "is turned off by the color killer when no color is received. A fault gives no color or weak "
     "color while the black and white picture is good, or too much color; a mistuned chroma "
     "bandpass coil gives smeared or weak color. It cannot cause wrong hues or a screen flooded "
     "with one color. Usual culprits: the chroma IC or transistors, coupling capacitors, the "
     "bandpass coil. First make sure the killer is not turning the stage off: measure the killer "
     "voltage with a meter. Then scope the stages: the burst and chroma at 3.58 MHz, growing from "
     "input to output.")},
    {"color-control",
     QT_TRANSLATE_NOOP("areanotes/color-control", "The Color control sets how strong the colors are, by setting the gain of the 2nd chroma "
     "amplifier. Turned too low, the picture is pale or black and white; too high, colors are "
     "overdone, faces look sunburnt, strong reds smear past their outlines, and colored snow shows "
     "on noisy stations. Set it for natural skin tones on a good station, after setting contrast "
     "and brightness. If the color is too strong even at minimum, or the control has no effect, "
     "the fault lies elsewhere: the ACC, the chroma amplifiers or the killer. A worn track makes "
     "the color flicker or drop out when the control is touched. On later sets it sends a DC "
     "control voltage to the chroma IC: check with a meter that it changes smoothly across its "
     "travel.")},
    {"acc", QT_TRANSLATE_NOOP("areanotes/acc", "The ACC holds the color level steady whatever the signal strength, as the AGC does for the "
            "picture. It measures the amplitude of the color burst and sends a DC voltage that sets the "
            "gain of the 1st chroma amplifier; the same voltage often feeds the color killer. A failing "
            "ACC gives color that is weak or too strong, or that changes from station to station and with "
            "the fine tuning; a wrong ACC voltage may also make the killer cut the color off. It cannot "
            "cause wrong hues. Usual culprits: the ACC detector diodes or transistor, leaky filter "
            "capacitors on its line, the chroma IC. Measure the ACC voltage with a meter on a weak and on "
            "a strong station: it should differ between them and hold steady on each.")},
    {"acc-control",
     QT_TRANSLATE_NOOP("areanotes/acc-control", "The ACC control sets the color level that the ACC holds, around which the Color control "
     "works. Misadjusted, colors are too weak with the Color control at mid-range, or overdone, "
     "with colored snow on weaker stations. It is an internal adjustment: set it as the service "
     "data say, usually by measuring the chroma or burst level with a scope on a color bar signal, "
     "or the voltage on the ACC line with a meter. If the control changes nothing, the ACC circuit "
     "itself is at fault. A worn or dirty track makes the color level jump. Touch it only after "
     "checking the fine tuning, the color killer and the Color control, which give the same "
     "symptoms.")},
    {"color-killer",
     QT_TRANSLATE_NOOP("areanotes/color-killer", "The color killer turns the color off when no color burst is received, so black and white "
     "pictures show no colored snow. It senses the burst, often through the ACC or the phase "
     "detector, and sends a DC bias that switches the 2nd chroma amplifier off. A killer stuck on "
     "gives no color on any station although the color circuits are good; stuck off, black and "
     "white programs and empty channels show colored confetti. Usual culprits: the killer "
     "transistor or diode, a leaky filter capacitor, a drifted bias resistor, or a missing burst "
     "from the burst gate or the 3.58 MHz oscillator. Measure the killer's output with a meter on "
     "a color station and on an empty channel: it should switch between two clear levels.")},
    {"color-killer-control",
     QT_TRANSLATE_NOOP("areanotes/color-killer-control", "The color killer control sets the signal level below which the killer turns the color off. "
     "Set too far toward kill, weak color stations lose their color entirely; too far the other "
     "way, black and white programs and empty channels show colored confetti. Set it as the "
     "service data say, or tune an empty channel showing only snow, turn the control until colored "
     "snow just appears, then back it off until the snow just turns gray; weak color stations "
     "should still show color. If the control cannot turn the color on or off at all, the killer "
     "circuit itself or a missing burst is at fault. A dirty track makes the color switch on and "
     "off when the control is touched.")},
    {"burst-gate",
     QT_TRANSLATE_NOOP("areanotes/burst-gate", "The burst gate picks the color burst out of the video for the color sync circuits. The burst "
     "is about 9 cycles of 3.58 MHz sent just after each horizontal sync pulse; the gate opens "
     "only then, keyed by a pulse from the horizontal flyback, and passes the burst to the phase "
     "detector, the ACC and the killer. Without it the color oscillator cannot lock: colors float "
     "as rainbow bands across the picture, or the killer cuts the color. A gate keyed at the wrong "
     "moment lets part of the picture through: unsteady color. It cannot cause faults in the black "
     "and white picture. Usual culprits: the gate transistor, the keying pulse's path, a coupling "
     "capacitor. Scope the keying pulse and the gate's output: bursts only, one per line.")},
    {"color-phase-detector",
     QT_TRANSLATE_NOOP("areanotes/color-phase-detector", "The phase detector compares the color burst with the 3.58 MHz oscillator and pulls the "
     "oscillator into step. Its DC correction passes through a filter to the oscillator's control "
     "element, often a varactor or reactance transistor, locking its frequency and phase to the "
     "burst. A fault gives floating colors: color bars drifting diagonally across the picture, "
     "color that locks on some stations only, or a constant wrong hue. The killer, sensing no "
     "lock, may turn the color off altogether. Usual culprits: the paired detector diodes, the "
     "filter's capacitors and resistors, the chroma IC. Measure the correction voltage with a "
     "meter: it should sit steady on a station and move as the oscillator is detuned.")},
    {"color-oscillator",
     QT_TRANSLATE_NOOP("areanotes/color-oscillator", "The 3.58 MHz oscillator rebuilds the color subcarrier inside the set, as the reference for "
     "the demodulators. It is crystal controlled, at 3.579545 MHz, and locked to the burst by the "
     "phase detector; the Tint control shifts the phase of its output. If it stops, there is no "
     "color at all, and the killer usually turns the chroma off too. Off frequency, colors float "
     "in diagonal rainbow bands; a slight error gives hues that drift. Usual culprits: the "
     "crystal, its trimmer capacitor, the chroma IC, a leaky coupling capacitor. Scope its output: "
     "a steady sine wave at 3.58 MHz, typically from about 1 to a few volts peak to peak. With the "
     "lock disabled as the service data say, a well set oscillator lets the colors almost stand "
     "still.")},
    {"tint-control",
     QT_TRANSLATE_NOOP("areanotes/tint-control", "The Tint control turns all colors together around the color wheel by shifting the "
     "reference's phase. Turned one way faces go green, the other way purple. Set it for natural "
     "skin tones on a good station, after setting the color level. If the right tint falls at one "
     "end of the control's travel, or differs from station to station, the fault is elsewhere: the "
     "phase shift network, the phase detector or the oscillator, or the fine tuning. Tint that "
     "changes when the control is touched points to a dirty track. On later sets the control sends "
     "a DC voltage to the chroma IC: check with a meter that it changes smoothly across its "
     "travel.")},
    {"phase-shift-network",
     QT_TRANSLATE_NOOP("areanotes/phase-shift-network", "The phase shift network gives each color demodulator its 3.58 MHz reference at the right "
     "phase angle. It takes the oscillator's output and sets the references apart by fixed angles, "
     "for example R-Y and B-Y 90 degrees apart on many sets. A part that has changed value puts "
     "one reference at the wrong angle: some colors right and others wrong, such as good skin "
     "tones with wrong greens, and no setting of the Tint control corrects them all. An open part "
     "loses one color difference signal. Usual culprits: the network's capacitors, resistors or "
     "coil, a cracked solder joint. Compare the references at the demodulator inputs on a "
     "dual-trace scope: similar amplitudes, at the angles the service data give.")},
    {"color-demodulators",
     QT_TRANSLATE_NOOP("areanotes/color-demodulators", "The color demodulators recover the color difference signals from the chroma. Most sets "
     "demodulate two of them, R-Y and B-Y (or the X and Z axes), each by comparing the chroma with "
     "its 3.58 MHz reference from the phase shift network, and a matrix makes G-Y from those two. "
     "Combined with the luminance, the three give the red, green and blue drive for the video "
     "drivers. A faulty demodulator loses its color difference signal: one color missing or too "
     "strong all over the picture, often with a cast of cyan, magenta or yellow; a missing G-Y "
     "with good R-Y and B-Y points to the matrix; a missing reference gives no color at all. Usual "
     "culprits: the demodulator IC or transistors, coupling capacitors, a lost reference. Scope "
     "the outputs on a color bar signal: each shows its own pattern of bars, a volt or more peak "
     "to peak.")},
    {"rgb-drivers",
     QT_TRANSLATE_NOOP("areanotes/rgb-drivers", "The red, green and blue video drivers amplify the color signals to drive the picture tube's "
     "three cathodes. They typically swing tens of volts, up to about a hundred, from a supply of "
     "some 150 to 250 V, on a board at the tube's neck. The RGB Drive controls set each driver's "
     "gain, and with it the highlights only: gray in low light is set first with the cutoff (bias) "
     "and Screen controls, then the drive, and the two are repeated in turn. A driver that stops "
     "conducting loses its color; one that conducts hard floods the screen with that color, with "
     "retrace lines. Usual culprits: the driver transistors, their load resistors, cracked solder "
     "joints at the tube socket. Measure the three collector voltages with a meter: typically "
     "close together, about 100 to 200 V; the odd one out points to its driver or to the tube.")},
    {"degaussing",
     QT_TRANSLATE_NOOP("areanotes/degaussing", "Degaussing clears stray magnetism from the picture tube's mask, which would otherwise stain "
     "areas with wrong colors. A coil round the tube receives mains current that a PTC thermistor "
     "(posistor) lets die away over a few seconds, once the set has been off long enough, "
     "typically tens of minutes, for it to cool. Purity adjustments come only if degaussing does "
     "not clear a stain. Symptoms: patches of color, worst at the corners. Usual culprits: an open "
     "coil, a magnet or speaker near the set, and the thermistor: shorted, it keeps blowing the "
     "mains fuse; no longer cutting off, it leaves a wavy picture and hum. Switch a hand-held coil "
     "on away from the screen and circle the face with it; then withdraw it slowly to 1.5 to 2 "
     "meters, turn the coil edge-on to the screen, and only then switch it off.")},
    {"convergence",
     QT_TRANSLATE_NOOP("areanotes/convergence", "Convergence makes the three beams land together, so that white lines show no colored fringes. "
     "Ring magnets on the neck converge the center (static); the yoke's position, wedges or correction "
     "coils the edges (dynamic). Misconvergence shows as colored outlines around black and white "
     "objects, worse toward the edges. Work on a crosshatch or dot pattern from a generator, with the "
     "set warmed up and degaussed, and mark the rings' and the yoke's positions first. Purity comes "
     "first: with the yoke slid back, center the red raster with the purity rings, then slide the yoke "
     "forward until the red is pure. An in-line tube's yoke bonded or wedged in place was set at the "
     "factory: do not loosen it. A sudden change points to a loose magnet or a moved yoke; on sets "
     "with a dynamic convergence board, an open coil, pot or diode there also moves the edges.")},
};

// The safety rules, each written once. A note shows each rule it carries as a paragraph of its own.
constexpr Rule kRules[] = {
    {"isolation", QT_TRANSLATE_NOOP("safety/isolation", "Line-connected chassis"),
     QT_TRANSLATE_NOOP("safety/isolation", "Mains voltage can kill. On a set without a mains transformer the whole chassis, small-signal "
     "stages included, sits at mains potential, and the ground clip of a grounded scope shorts the "
     "mains through it. Power such a set through an isolation transformer before any scope or meter "
     "work, and clip the scope's ground to the ground of the stage measured: the hot ground on the "
     "supply's primary side, the chassis ground elsewhere. Never float a scope by defeating its earth "
     "pin: its case then takes the voltage of whatever the clip touches. The isolation transformer "
     "protects nothing between two points inside the set: keep one hand away from the chassis while "
     "the set runs.")},
    {"discharge", QT_TRANSLATE_NOOP("safety/discharge", "Filter capacitor charge"),
     QT_TRANSLATE_NOOP("safety/discharge", "With the supply or the horizontal stage dead, nothing drains the main filter capacitor, and "
     "some 160 to 300 V can stay on it for a long time after switch-off. Unplug the set, discharge "
     "the capacitor through a resistor of a few kilohms rated for several watts, never with a bare "
     "screwdriver, and check with a meter that it reads near zero before touching anything.")},
    {"anode", QT_TRANSLATE_NOOP("safety/anode", "Anode charge"),
     QT_TRANSLATE_NOOP("safety/anode", "The picture tube's anode holds many kilovolts for days and charges up again by itself after it "
     "has been discharged. Clip a lead to the tube's ground braid first, then touch its other end, on "
     "an insulated screwdriver, under the anode cap; discharge several times, or leave the lead on "
     "while working. Never put a meter on the anode or on the focus lead, which carries a few "
     "kilovolts: measure them only with a high voltage probe.")},
    {"implosion", QT_TRANSLATE_NOOP("safety/implosion", "Implosion"),
     QT_TRANSLATE_NOOP("safety/implosion", "The picture tube holds a hard vacuum and can implode. Wear eye protection when handling it, "
     "never lift it by the neck, and treat the thin neck gently when moving the yoke or the ring "
     "magnets.")},
    {"neck", QT_TRANSLATE_NOOP("safety/neck", "Live work at the neck"),
     QT_TRANSLATE_NOOP("safety/neck", "Purity and convergence are set, and the video drivers' collectors on the tube socket board "
     "measured, with the set running and the hands at the tube's neck: the yoke terminals carry pulses "
     "near 1 kV, the socket board several kilovolts of focus voltage and some hundreds of volts on "
     "grid 2, and the neck is the tube's weakest point. Use insulated tools and keep one hand away "
     "from the set; never lever against the neck.")},
    {"parts", QT_TRANSLATE_NOOP("safety/parts", "Exact replacement parts"),
     QT_TRANSLATE_NOOP("safety/parts", "Replace fuses, fusible resistors, the retrace (tuning) capacitor and every safety-marked part "
     "only with the exact type and rating: an ordinary resistor or a larger fuse is a fire risk, and a "
     "wrong retrace capacitor raises the high voltage and the X-ray output. Do not keep refitting a "
     "fuse that blows: bring the set up slowly through a series lamp, or on a variac, while looking "
     "for the short. A variac is an autotransformer and isolates nothing: feed it from the isolation "
     "transformer.")},
    {"leakage", QT_TRANSLATE_NOOP("safety/leakage", "Leakage check"),
     QT_TRANSLATE_NOOP("safety/leakage", "After repairing a set without a mains transformer, check it for leakage before it goes back. "
     "With the set plugged straight into the mains and switched on, measure from each piece of "
     "exposed metal (antenna terminals, screws, socket shields) to a good earth ground across 1.5 "
     "kilohms shunted by 0.15 µF, then again with the plug reversed where it fits both ways: more "
     "than 0.75 V AC there (0.5 mA) is a leak to find.")},
    {"yoke", QT_TRANSLATE_NOOP("safety/yoke", "Yoke connected"),
     QT_TRANSLATE_NOOP("safety/yoke", "Never power the set with the deflection yoke unplugged: the horizontal output transistor can "
     "fail at once, and the high voltage can rise.")},
    {"pulses", QT_TRANSLATE_NOOP("safety/pulses", "Pulse voltages"),
     QT_TRANSLATE_NOOP("safety/pulses", "While the set runs, the horizontal output collector carries pulses of 800 to 1500 V, the yoke "
     "plug about 1 kV on its horizontal pins beside the vertical ones, and a switching supply's "
     "transistor 400 to 700 V at its collector or drain: beyond many meters' ratings. Measure DC elsewhere, or with the set off and discharged; scope these points only with "
     "a x100 high voltage probe (a x10 probe only where its rating covers the peak), grounded on that "
     "stage's own ground, through an isolation transformer.")},
    {"btl", QT_TRANSLATE_NOOP("safety/btl", "Bridge (BTL) speaker output"),
     QT_TRANSLATE_NOOP("safety/btl", "A bridge output IC drives the speaker from two amplifiers in opposite phase, so both speaker "
     "leads sit at about half the supply with the audio on each, and neither lead is ground: a scope "
     "ground clip on either shorts the output and can destroy the IC. "
     "Measure each lead to ground, or use a differential probe, or two scope channels shown as A "
     "minus B; never clip the ground lead to a speaker lead.")},
};

} // namespace

std::span<const NoteText> noteTexts()
{
    return kTexts;
}

std::span<const Rule> ruleTexts()
{
    return kRules;
}

} // namespace areanotes
