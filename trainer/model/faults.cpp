// The fault catalogue: one failed part per row, each in a stage that a road of the symptom screens marks in
// red, with the road a technician would take for what the set then shows.
//
// Stages that no road of the symptom screens marks in red have no fault here, since a student who meets
// their symptom could not be led to them: the linear, switching and scan-derived supplies (their boxes open
// reference pages and are never marked), the noise cancelling amplifier, the horizontal deflection yoke,
// the antenna and signal, the AFT, the video amplifier, the AGC and the delayed AGC (the roads mark the AGC
// control knob, not the boxes) and the retrace blanking box of the front end.
//
// The horizontal AFC has no fault either, though the raster roads mark it: what its failures show on most
// sets (a picture that will not lock sideways, bends or sits shifted, while the raster and high voltage
// stay) is a torn picture, and the roads of a torn picture mark the oscillator and the hold control, never
// the AFC.
// A fault there would teach a road that disagrees with its picture.
//
// The high-voltage regulator has none for the same reason: the raster roads mark it, but on the set modelled
// here (a regulator that loads the flyback) its failure gives a dim picture that swells on bright scenes,
// which no road leads from; the designs whose regulator failure trips the hold-down would need the trainer
// to tell a tripped hold-down from a leaky one, which its readings cannot yet do.

#include "diagrams/areanotes.h"
#include "trainer/model/setmodel.h"

#include <algorithm>

namespace trainer {

namespace {

using enum Output;

// The roads, as the symptom screens offer them.
constexpr Road kDead{"Option1", nullptr, nullptr};
constexpr Road kSoundOnly{"Option2", "opt1", nullptr};       // "Picture O.K."
constexpr Road kSoundAndPicture{"Option2", "Opt2", nullptr}; // "Poor or no picture"
constexpr Road kNoRaster{"Option3", "Option1", nullptr};
constexpr Road kHorizontalLine{"Option3", "Option2", nullptr};
constexpr Road kVerticalLine{"Option3", "Option3", nullptr};
constexpr Road kPincushion{"Option3", "Option4", nullptr};

constexpr Road picture(const char* option, const char* item = nullptr)
{
    return {"Option4", option, item};
}

constexpr Road colour(const char* option, const char* item = nullptr)
{
    return {"Option5", option, item};
}

// clang-format off
constexpr Fault kFaults[] = {
    // Low voltage power supply and deflection
    {"ac-mains-fuse", "ac-mains-input", "fuse", "open", Missing,
     "The mains fuse has opened, so nothing reaches the supply: no raster, no sound, no standby light. A "
     "fuse seldom fails on its own; on many sets a shorted rectifier diode or horizontal output transistor "
     "blew it, so look for the short before fitting a new fuse.", kDead},
    {"low-voltage-fusible", "low-voltage-supply", "fusible resistor", "open", Missing,
     "The supply's fusible resistor has opened, so the filter capacitor never charges and there is no raw "
     "B+. Nothing after it can run. Find why it opened, often a shorted diode or output stage, before "
     "replacing it with the exact safety part.", kDead},
    {"low-voltage-filter", "low-voltage-supply", "filter capacitors", "dried", Distorted,
     "Dried filter capacitors no longer smooth the rectified mains, and the raw B+ carries volts of "
     "ripple at twice the mains frequency. The regulators take most of it out of their rails, but enough "
     "reaches the picture and sound to show as dark bars drifting slowly up the screen and as hum.",
     picture("Option8"), {.humBars = true, .sound = Sound::Hum}},
    {"regulator-pass-open", "voltage-regulator", "switching transistor", "open", Missing,
     "The open switching transistor chops nothing through the regulator's transformer, so there is no "
     "regulated B+ and the horizontal driver and output never start. With them go the high voltage and the "
     "scan-derived supplies that run the sound: the set is dead and silent although the raw B+ is there.",
     kDead},
    {"regulator-startup-resistor-open", "voltage-regulator", "start-up resistor", "open", Missing,
     "The start-up resistor that gives the switch-mode regulator's control IC its first supply from the raw "
     "B+ has opened, so the regulator never starts: no switching, no chirp, no regulated B+, and the "
     "horizontal stage and everything it supplies stay dead. The standby supply is a separate one on this "
     "set, so the standby light stays lit. The raw B+ is there across the main filter capacitor while the "
     "regulated B+ reads 0 V. Start-up resistors are high in value and run hot, and they open with age; "
     "on many sets a dried small electrolytic capacitor on the control IC's supply does the same. With "
     "the set unplugged and discharged, read the resistor out of circuit against its marked value.", kDead},
    {"regulator-secondary-diode-shorted", "voltage-regulator", "secondary diode", "shorted", Missing,
     "On this set the B+ comes from a switch-mode regulator, and the rectifier diode on its secondary has "
     "shorted. The overload trips the regulator's current limit: it stops switching, starts again and "
     "trips again, over and over, so the set chirps or ticks while the B+ never builds up, and the "
     "horizontal stage and all it supplies stay dead. The standby supply is a separate one, so the "
     "standby light stays lit. A chirp most often means an overloaded secondary: with the set unplugged "
     "and discharged, check the secondary diodes and the B+ load for a short (near 0 ohm both ways "
     "round). With the B+ load disconnected and a 60 to 100 W lamp on the B+ output, a supply that still "
     "chirps has the short in itself.", kDead, {.sound = Sound::Chirp}},
    {"sync-coupling-leaky", "sync-separator", "coupling capacitors", "leaky", Distorted,
     "A leaky coupling capacitor shifts the separator's bias, so that it clips the sync pulses and lets "
     "picture through with them. Neither oscillator gets clean sync: the picture rolls and tears at once, "
     "and the hold controls catch it only for a moment.",
     picture("Option5", "Check sync seperator"),
     {.vertical = Vertical::Roll, .horizontal = Horizontal::Tearing}},
    {"vertical-oscillator-stopped", "vertical-oscillator", "oscillator transistor", "open", Missing,
     "With its transistor open the vertical oscillator stops, and the amplifiers have nothing to drive the "
     "yoke with. The beam is no longer swept up and down: a single bright horizontal line. Turn the "
     "brightness down while it shows.", kHorizontalLine},
    {"vertical-oscillator-timing", "vertical-oscillator", "timing capacitors", "drifted", Distorted,
     "A timing capacitor that has drifted moves the oscillator's free-running rate so far that the sync can "
     "no longer pull it into step. The picture rolls, and the vertical hold control cannot stop it.",
     picture("Option4", "Check vertical deflection oscillator circuits"), {.vertical = Vertical::Roll}},
    {"vertical-hold-misadjusted", "vertical-hold", "setting", "misadjusted", Distorted,
     "The vertical hold control is set too far from the oscillator's proper rate for the sync to lock it, so "
     "the picture rolls. Set it in the middle of the range where the picture locks.",
     picture("Option4", "Adjust vertical hold control"), {.vertical = Vertical::Roll}},
    {"vertical-output-dead", "vertical-amplifier", "output IC", "dead", Missing,
     "The vertical output IC has failed and no current flows in the yoke: a single bright horizontal line. "
     "On many sets its supply's fusible resistor opens with it.", kHorizontalLine},
    {"vertical-feedback-dried", "vertical-amplifier", "feedback capacitor", "dried", Distorted,
     "A dried feedback capacitor bends the sawtooth the amplifier delivers: the scan runs fast at the top "
     "and slows toward the bottom, stretching the top of the picture and cramping the bottom. The linearity "
     "control cannot put it right.",
     picture("Option10", "Vertical deflection amplifier"), {.vertical = Vertical::CrampedBottom}},
    {"vertical-coupling-dried", "vertical-amplifier", "coupling capacitor", "dried", Distorted,
     "A dried coupling capacitor no longer passes the low frequencies of the field-rate ramp: the scan is "
     "short and bent, fast at its start and slowing toward its end, so the top of the picture is stretched "
     "and the bottom cramped.",
     picture("Option11", "Vertical deflection amplifier"), {.vertical = Vertical::NonLinear}},
    {"vertical-boost-capacitor-dried", "vertical-amplifier", "retrace boost capacitor", "dried", Distorted,
     "The retrace boost capacitor, which raises the output stage's supply during retrace, has dried: the "
     "beam cannot be brought back to the top in time, so the first lines of each field fold over on "
     "themselves in a bright band at the top. A low supply or an open boost diode does the same.",
     picture("Option10", "Vertical deflection amplifier"), {.vertical = Vertical::FoldTop}},
    {"vertical-linearity-misadjusted", "vertical-linearity", "setting", "misadjusted", Distorted,
     "The vertical linearity control is set too far one way: the top of the picture is stretched and the "
     "bottom cramped. Set it in turns with the size control on a test pattern.",
     picture("Option10", "Adjust vertical linearity control"), {.vertical = Vertical::CrampedBottom}},
    {"vertical-size-low", "vertical-size", "setting", "low", Weak,
     "The vertical size control is set too low: on this set it sets the charging of the sawtooth, so the "
     "scan is short and bent, its lines spread out toward the bottom. Set it, in turns with the linearity "
     "control, so that the picture just fills the screen.",
     picture("Option11", "Adjust vertical height control"), {.vertical = Vertical::NonLinear}},
    {"vertical-yoke-open", "vertical-yoke", "winding", "open", Missing,
     "The yoke's vertical winding is open, so no deflection current flows however well the output stage "
     "drives it: a single bright horizontal line. The yoke seldom fails, so prove the output stage first.",
     kHorizontalLine},
    {"horizontal-oscillator-timing", "horizontal-oscillator", "timing capacitors", "drifted", Distorted,
     "A drifted timing capacitor moves the oscillator so far off 15,734 Hz that the AFC cannot pull it back: "
     "the picture breaks into diagonal bars that the hold control cannot cure.",
     picture("Option3", "Check horizontal oscillator circuits"), {.horizontal = Horizontal::Tearing}},
    {"horizontal-hold-misadjusted", "horizontal-hold", "setting", "misadjusted", Distorted,
     "The horizontal hold control is set too far from the line rate for the AFC to lock the oscillator: the "
     "picture tears into diagonal bars. Set it as the service data describe.",
     picture("Option3", "Adjust horizontal hold control"), {.horizontal = Horizontal::Tearing}},
    {"horizontal-driver-open", "horizontal-driver", "driver transistor", "open", Missing,
     "The driver transistor is open and the output transistor gets no drive. No flyback pulses means no high "
     "voltage and no scan-derived supplies, so the sound goes too and the set looks dead.", kDead},
    {"horizontal-output-shorted", "horizontal-output", "output transistor", "shorted", Missing,
     "The output transistor is shorted from collector to emitter, straight across the B+ that the flyback's "
     "primary brings to it. The B+ fusible resistor in that feed opens (on other sets the regulator "
     "limits or the mains fuse opens): no scan, no high voltage, no scan-derived supplies, a dead set with "
     "the standby light on. The first check, set unplugged and discharged: collector to "
     "emitter reads near 0 ohm both ways round. Find why it failed before fitting a new one.", kDead},
    {"flyback-shorted-turns", "horizontal-output", "flyback", "shorted", Missing,
     "Shorted turns in the flyback load the output stage on every line: the B+ is pulled down, the output "
     "transistor runs hot, and on this set the B+ fusible resistor in the flyback's feed opens, so the set is "
     "dead with the standby light on, as with a shorted output transistor. Out of circuit the output "
     "transistor checks good and the flyback's windings read normal on an ohmmeter, since a turn or two "
     "shorted barely changes their resistance: a ring tester on the primary finds them (a good winding "
     "rings for many cycles, a shorted one hardly at all). On many sets the output transistor fails again "
     "soon after it is replaced when the flyback is the cause.", kDead},
    {"s-correction-open", "horizontal-output", "S-correction capacitor", "open", Distorted,
     "The S-correction capacitor in series with the horizontal yoke has opened, so no sweep current flows in "
     "the yoke: the beam is not moved sideways and the whole field is drawn down one column, a single bright "
     "vertical line. Turn the brightness down at once: the line burns the phosphor. The output stage still "
     "runs and makes its high voltage and scan-derived supplies, so the sound plays. An open yoke plug or a "
     "cracked joint at the yoke's leads does the same; with the set unplugged and discharged, check the "
     "capacitor's capacitance and the yoke circuit's continuity.", kVerticalLine,
     {.horizontal = Horizontal::Line}},
    {"damper-shorted", "damper", "damper diode", "shorted", Missing,
     "The damper sits across the output transistor, so a shorted damper is the same short across the B+: "
     "the B+ fusible resistor opens, and the set is dead with the standby light on. "
     "Every reading is as for a shorted output transistor; the collector to emitter check (near 0 ohm both "
     "ways round) finds the short, and lifting one end of the damper, or the transistor, tells which it "
     "is. Many output transistors carry the damper inside them.", kDead},
    {"hold-down-scr-leaky", "hv-hold-down", "SCR", "leaky", Missing,
     "A leaky SCR fires the hold-down as though the high voltage were dangerously high, and it holds the "
     "horizontal stage off: the set stays dead. Never disable the hold-down to make a set play; measure the "
     "B+ and the anode voltage first.", kDead},
    {"tripler-open", "hv-rectifier", "tripler", "open", Missing,
     "The open tripler turns the flyback's pulses into no anode voltage, so the tube cannot light although "
     "the horizontal stage runs and the sound plays.", kNoRaster},
    {"pincushion-transformer-shorted", "pincushion", "correction transformer", "shorted", Missing,
     "This set corrects pincushion with a saturable reactor: the vertical scan's current in its control "
     "winding varies the line scan's width down the field. With the control winding shorted the line scan "
     "is no longer bent at the field rate, and the sides of the raster bow inward; the raster itself stays. "
     "On a set with a diode modulator a shorted east-west part loads the horizontal output instead: a "
     "narrow picture, a hot output transistor, a sagging B+.", kPincushion},
    {"tube-heater-open", "picture-tube", "heater", "open", Missing,
     "The tube's heater is open: the cathodes stay cold and emit no beam, so the screen stays dark although "
     "the high voltage and screen voltage are there and the sound plays. Look for the heater's glow at the "
     "neck: on many sets the heater runs from a flyback winding at 15.7 kHz, which a meter misreads, so "
     "judge it by the glow or as the service data say, and check its continuity cold.",
     kNoRaster},
    {"tube-red-gun-low-emission", "picture-tube", "cathodes", "low emission", Distorted,
     "The red gun's cathode has worn and can no longer give the beam current asked of it: reds come out "
     "dim and smeared, trailing to the right, and the bright parts of the picture, short of red, turn "
     "cyan. Turned up, the brightness makes it worse, since the other two guns still follow. The drive "
     "reaching the red cathode is as it should be. On many tubes the red gun wears first, as it runs the "
     "most current. A tube tester reads that gun's emission well below the other two; on many sets a "
     "brightener or a rejuvenation buys some time, a new tube is the cure.", colour("Option7"),
     {.colour = Colour::WeakRedGun}},
    {"tube-red-gun-heater-short", "picture-tube", "cathodes", "shorted", Distorted,
     "The heater inside the red gun has shorted to its cathode, which sits near the heater's potential and "
     "no longer follows its driver: the gun runs full on, the screen is flooded with red, and since its "
     "retrace blanking no longer reaches it, red retrace lines show across it. The brightness control "
     "hardly changes it. The red cathode's voltage at the socket reads far too low although its driver is "
     "good; lifted from the socket, the driver's collector comes back to its proper voltage. A tube tester, "
     "or an ohmmeter from heater to cathode with the set unplugged, shows the short. On many sets a heater "
     "fed from its own isolated winding gets the picture back.", colour("Option7"),
     {.colour = Colour::RedFlood}},
    // Front end
    {"uhf-mixer-open", "uhf-tuner", "mixer diode", "open", Missing,
     "The UHF tuner's mixer diode is open, so no IF leaves the tuner on UHF: the VHF tuner and the IF "
     "amplifiers, at full gain with nothing to hold them down, show their own noise as snow with no "
     "picture under it, and the sound is a hiss (silence on sets that mute without a signal). VHF "
     "stations would still play.", kSoundAndPicture, {.content = Content::SnowOnly, .sound = Sound::Hiss}},
    {"vhf-rf-weak", "vhf-tuner", "mixer transistor", "weak", Weak,
     "On UHF the VHF tuner's RF stage is switched off on many tuners and its mixer works as an IF amplifier "
     "for the UHF tuner's output. A weak mixer transistor passes too little of it: a snowy picture with no "
     "colour, since the killer cuts the colour first, and the sound under a hiss. The delayed AGC has "
     "already turned the tuner's gain up all the way, so nothing makes up the loss.",
     kSoundAndPicture, {.content = Content::Snow, .sound = Sound::Hiss}},
    {"first-if-preamplifier-open", "first-video-if", "preamplifier transistor", "open", Missing,
     "The preamplifier ahead of the SAW filter is open, so no IF signal goes on: a lit raster with no "
     "picture and no sound on every channel.", kSoundAndPicture},
    {"if-ic-weak", "video-if-amplifiers", "IF IC", "weak", Weak,
     "The IF IC gives too little gain: a faint picture without colour, the killer having cut it, and the "
     "sound under a hiss on every channel, since the sound IF is taken from the same amplifiers.",
     kSoundAndPicture},
    {"video-detector-coil-mistuned", "video-detector", "detector coil", "mistuned", Distorted,
     "The synchronous detector's coil is out of tune: the detected video is weak and the 4.5 MHz sound beats "
     "into it as fine bars, while the sound buzzes with the picture.", picture("Option7"),
     {.content = Content::SoundBars, .sound = Sound::Buzz}},
    {"agc-control-high", "agc-control", "setting", "high", Distorted,
     "The AGC control is set too high, so the IF amplifiers run at too much gain and strong stations "
     "overload them: a dark, harsh picture going negative, the sync crushed so that the top of the picture "
     "bends, colour beats, and a buzz in the sound. Set it just below the point where the picture "
     "overloads.",
     picture("Option2"), {.content = Content::Overloaded, .sound = Sound::Buzz}},
    {"agc-control-low", "agc-control", "setting", "low", Weak,
     "The AGC control is set too low and holds the IF gain down on every station; the delayed AGC then cuts "
     "the tuner's RF gain too, so the tuner's own noise shows: a weak, snowy picture without colour even "
     "from a strong station, and the sound under a hiss.", picture("Option1", "Excessive AGC"),
     {.content = Content::Snow, .sound = Sound::Hiss}},
    {"sound-takeoff-open", "sound-if-detector", "takeoff coil", "open", Missing,
     "The 4.5 MHz takeoff coil is open, so no sound carrier reaches the sound IF amplifier: no sound, with a "
     "good picture.", kSoundOnly},
    {"sound-if-ic-dead", "sound-if-amplifier", "sound IF IC", "dead", Missing,
     "The sound IF IC has failed: the sound carrier is not amplified or limited and the set is silent while "
     "the picture is good.", kSoundOnly},
    {"sound-detector-mistuned", "sound-detector", "detector coil", "mistuned", Distorted,
     "The quadrature coil is out of tune, so the detector turns the picture's buzz into audio along with the "
     "sound: a strong buzz that changes with the picture.", kSoundOnly, {.sound = Sound::Buzz}},
    {"audio-ic-dead", "audio-amplifier", "output IC", "dead", Missing,
     "The audio output IC has failed and nothing drives the speaker: no sound, a good picture. On many sets "
     "its fusible resistor opens with it.", kSoundOnly},
    {"speaker-voice-coil-open", "loudspeaker", "voice coil", "open", Missing,
     "The speaker's voice coil is open: the audio reaches its terminals but no sound comes out.", kSoundOnly},
    {"speaker-cone-torn", "loudspeaker", "cone", "torn", Distorted,
     "A torn cone rattles and buzzes on loud passages although the audio at its terminals is clean.",
     kSoundOnly, {.sound = Sound::Distorted}},
    // Video and colour circuits
    {"comb-amplifier-open", "comb-filter", "amplifier transistor", "open", Missing,
     "The 2nd video amplifier's transistor is open, so no luminance goes on to the delay line, while the "
     "chroma, taken off ahead of it, still reaches the demodulators: the colours show as soft blotches "
     "with none of the picture's detail, the sound unharmed.",
     picture("Option1", "Comb filter & 2nd video amplifier")},
    {"contrast-low", "contrast-control", "setting", "low", Weak,
     "The Contrast control is set too low: the luminance amplifier's gain is small and the picture looks "
     "flat and faint, though without snow, since the signal is as strong as ever. Turned up to make up for "
     "it, the brightness lifts the blacks until the retrace lines show as slanting white lines.",
     picture("Option9", "Contrast control too low"),
     {.raster = Raster::TooBright, .content = Content::Faint}},
    {"delay-line-termination-open", "delay-line", "terminating resistors", "open", Distorted,
     "An open terminating resistor leaves the delay line unmatched: the signal reflects from its far end "
     "and comes back, so a ghost or ringing edge stands close beside each outline.",
     picture("Option1", "Delay line"), {.content = Content::Ghost}},
    {"third-video-open", "third-video-amplifier", "amplifier transistor", "open", Missing,
     "The 3rd video amplifier's transistor is open, so the drivers get no luminance: the colours show as "
     "soft blotches without detail, and since the stage is DC-coupled to the drivers their bias moves and "
     "the whole screen turns brighter or darker.", picture("Option1", "3rd video amplifier & brightness control"),
     {.brightnessShifted = true}},
    {"brightness-high", "brightness-control", "setting", "high", Distorted,
     "The Brightness control is set too high: blacks turn gray, the picture is washed out and the retrace "
     "lines "
     "show. Set it where the blacks just stop glowing.", picture("Option9", "Brightness control too high"),
     {.raster = Raster::TooBright}},
    {"chroma-ic-dead", "chroma-amplifiers", "chroma IC", "dead", Missing,
     "The chroma IC has failed and no colour reaches the demodulators: a good black and white picture with "
     "no "
     "colour.", colour("Option1", "1st or 2nd chroma amplifiers")},
    {"color-control-low", "color-control", "setting", "low", Weak,
     "The Color control is turned right down: the colour is so weak that the picture looks black and white.",
     colour("Option1", "Adjust color control"), {.colour = Colour::None}},
    {"acc-diodes-open", "acc", "detector diodes", "open", Missing,
     "Open ACC detector diodes leave the 1st chroma amplifier's gain set wrong, and on many sets the colour "
     "is "
     "lost altogether.", colour("Option1", "ACC circuit")},
    {"acc-control-low", "acc-control", "setting", "low", Weak,
     "The ACC control is set far too low: the colour is too weak to see with the Color control at mid-range.",
     colour("Option1", "Adjust ACC control"), {.colour = Colour::None}},
    {"killer-transistor-leaky", "color-killer", "killer transistor", "leaky", Missing,
     "A leaky killer transistor holds the 2nd chroma amplifier off as though no burst came in: no colour on "
     "any "
     "station although the colour circuits are good.", colour("Option1", "Color killer circuit")},
    {"killer-control-misadjusted", "color-killer-control", "setting", "misadjusted", Distorted,
     "The color killer control is set too far toward kill, so the killer cuts the colour even on good colour "
     "stations.", colour("Option1", "Adjust color killer circuit"), {.colour = Colour::None}},
    {"burst-transformer-detuned", "burst-gate", "burst transformer", "detuned", Distorted,
     "The burst amplifier's tuned transformer has drifted off 3.58 MHz, so the gate passes only a small "
     "burst, shifted in phase. That is too little for the phase detector to hold the oscillator: the "
     "colours drift through the picture in slanting bands, worst on weak stations, where the killer may "
     "cut the colour altogether. With no burst at all, as from an open gate transistor or a lost keying "
     "pulse, most sets show black and white instead, since the killer sees no burst.",
     colour("Option5", "Burst gate"), {.colour = Colour::Unlocked}},
    {"phase-detector-diodes-leaky", "color-phase-detector", "detector diodes", "leaky", Distorted,
     "Leaky detector diodes give a correction voltage that no longer follows the burst: the oscillator "
     "drifts "
     "and the colours float in diagonal bands.", colour("Option5", "Phase detector & oscillator control"),
     {.colour = Colour::Unlocked}},
    {"oscillator-crystal-dead", "color-oscillator", "crystal", "dead", Missing,
     "The 3.58 MHz crystal has failed and the oscillator stops, so the demodulators have no reference: no "
     "colour at all.", colour("Option1", "3.58 mhz oscillator")},
    {"oscillator-trimmer-drifted", "color-oscillator", "trimmer capacitor", "drifted", Distorted,
     "A drifted trimmer moves the oscillator too far from 3.579545 MHz for the phase detector to hold: the "
     "colours float in diagonal rainbow bands.", colour("Option5", "3.58 mhz oscillator"),
     {.colour = Colour::Unlocked}},
    {"tint-misadjusted", "tint-control", "setting", "misadjusted", Distorted,
     "The Tint control is set far off: every colour is turned around the colour wheel and faces look green "
     "or purple, while grey stays grey. Only the Tint control turns every hue, and within its range of about "
     "30 to 45 degrees.", colour("Option6"), {.colour = Colour::WrongHues}},
    {"phase-shift-feed-open", "phase-shift-network", "reference coupling capacitor", "open", Missing,
     "The capacitor that couples the oscillator's reference into the phase shift network is open, so neither "
     "demodulator gets its 3.58 MHz reference: the picture is black and white although the burst, the "
     "oscillator and the killer all work. On the scope the oscillator's sine is there and the network's "
     "output is flat.", colour("Option1", "Phase shift network")},
    {"demodulator-ic-dead", "color-demodulators", "demodulator IC", "dead", Missing,
     "The demodulator IC has failed: no colour difference signals reach the drivers and the picture is black "
     "and white.", colour("Option1", "Color demodulators")},
    {"r-y-demodulator-dead", "color-demodulators", "demodulator IC", "dead R-Y section in the", Missing,
     "The R-Y section inside the demodulator IC gives no output, so the red gun gets the luminance alone and the G-Y "
     "matrix loses its share of R-Y. White and the grey scale stay right, but reds lose their red and turn a "
     "dark olive brown, skin tones go greenish: a loss of red in the picture. "
     "A dead R-Y stage stuck at a wrong DC level would tint the whole screen instead. The section is no part "
     "of its own: the IC is judged in circuit and replaced whole.", colour("Option10"),
     {.colour = Colour::PaleReds}},
    {"g-y-matrix-dead", "color-demodulators", "demodulator IC", "dead G-Y matrix in the", Missing,
     "No G-Y reaches the green drive, so the green gun gets the luminance alone: white stays white, but "
     "greens come out dark and magentas pale, a loss of green in the picture. Most sets make G-Y by matrixing R-Y and B-Y, so "
     "with those two good the fault is in the IC's matrix, and the IC is replaced whole.", colour("Option11"), {.colour = Colour::PaleGreens}},
    {"b-y-demodulator-dead", "color-demodulators", "demodulator IC", "dead B-Y section in the", Missing,
     "The B-Y section inside the demodulator IC gives no output, so the blue gun gets the luminance alone. White and the grey "
     "scale stay right, but blues turn almost black and yellows pale, nearly white: a loss of blue in the "
     "picture. The IC is the part: judged in circuit and replaced whole.",
     colour("Option12"), {.colour = Colour::PaleBlues}},
    {"red-driver-open", "rgb-drivers", "red driver transistor", "open", Missing,
     "The red driver has stopped conducting, so the red gun is cut off: the screen has no red and looks "
     "cyan.",
     colour("Option7"), {.colour = Colour::NoRed}},
    {"green-driver-open", "rgb-drivers", "green driver transistor", "open", Missing,
     "The green driver has stopped conducting, so the green gun is cut off: the screen has no green and "
     "looks "
     "magenta.", colour("Option8"), {.colour = Colour::NoGreen}},
    {"blue-driver-open", "rgb-drivers", "blue driver transistor", "open", Missing,
     "The blue driver has stopped conducting, so the blue gun is cut off: the screen has no blue and looks "
     "yellow.", colour("Option9"), {.colour = Colour::NoBlue}},
};
// clang-format on

} // namespace

std::span<const Fault> faults()
{
    return kFaults;
}

const Fault* findFault(QAnyStringView id)
{
    const auto found =
        std::ranges::find_if(kFaults, [id](const Fault& f) { return id == QAnyStringView(f.id); });
    return found == std::end(kFaults) ? nullptr : &*found;
}

QString faultName(const Fault& fault)
{
    const areanotes::Area* area = areanotes::findArea(fault.stage);
    const QString stage = area ? QString::fromUtf8(area->title) : QString::fromLatin1(fault.stage);
    return QStringLiteral("%1: %2 %3")
        .arg(stage, QString::fromUtf8(fault.failure), QString::fromUtf8(fault.part));
}

} // namespace trainer
