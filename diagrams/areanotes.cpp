#include "diagrams/areanotes.h"

#include "diagrams/areanotetexts.h"

#include <QRegularExpression>

#include <algorithm>

namespace areanotes {

namespace {

// clang-format off
constexpr Area kAreas[] = {
    // Low voltage power supply and deflection
    {"ac-mains-input",        QT_TRANSLATE_NOOP("areanotes/ac-mains-input", "AC mains input"),                  true},
    {"low-voltage-supply",    QT_TRANSLATE_NOOP("areanotes/low-voltage-supply", "Low voltage power supply"),        true},
    {"voltage-regulator",     QT_TRANSLATE_NOOP("areanotes/voltage-regulator", "Voltage regulator"),               true},
    {"linear-supply",         QT_TRANSLATE_NOOP("areanotes/linear-supply", "Linear power supply"),             true},
    {"switching-supply",      QT_TRANSLATE_NOOP("areanotes/switching-supply", "Switching power supply"),          true},
    {"scan-derived-supply",   QT_TRANSLATE_NOOP("areanotes/scan-derived-supply", "Scan-derived power supply"),       true},
    {"noise-canceller",       QT_TRANSLATE_NOOP("areanotes/noise-canceller", "Noise cancelling amplifier"),      false},
    {"sync-separator",        QT_TRANSLATE_NOOP("areanotes/sync-separator", "Sync separator"),                  false},
    {"vertical-oscillator",   QT_TRANSLATE_NOOP("areanotes/vertical-oscillator", "Vertical deflection oscillator"),  false},
    {"vertical-hold",         QT_TRANSLATE_NOOP("areanotes/vertical-hold", "Vertical hold control"),           false},
    {"vertical-amplifier",    QT_TRANSLATE_NOOP("areanotes/vertical-amplifier", "Vertical deflection amplifier"),   false},
    {"vertical-linearity",    QT_TRANSLATE_NOOP("areanotes/vertical-linearity", "Vertical linearity control"),      false},
    {"vertical-size",         QT_TRANSLATE_NOOP("areanotes/vertical-size", "Vertical size (height) control"),  false},
    {"vertical-yoke",         QT_TRANSLATE_NOOP("areanotes/vertical-yoke", "Vertical deflection yoke"),        true},
    {"horizontal-afc",        QT_TRANSLATE_NOOP("areanotes/horizontal-afc", "Horizontal AFC"),                  false},
    {"horizontal-oscillator", QT_TRANSLATE_NOOP("areanotes/horizontal-oscillator", "Horizontal oscillator"),           false},
    {"horizontal-hold",       QT_TRANSLATE_NOOP("areanotes/horizontal-hold", "Horizontal hold control"),         false},
    {"horizontal-driver",     QT_TRANSLATE_NOOP("areanotes/horizontal-driver", "Horizontal driver"),               true},
    {"horizontal-output",     QT_TRANSLATE_NOOP("areanotes/horizontal-output", "Horizontal output amplifier"),     true},
    {"damper",                QT_TRANSLATE_NOOP("areanotes/damper", "Damper"),                          true},
    {"hv-hold-down",          QT_TRANSLATE_NOOP("areanotes/hv-hold-down", "High voltage hold-down"),          true},
    {"hv-regulator",          QT_TRANSLATE_NOOP("areanotes/hv-regulator", "High voltage regulator"),          true},
    {"hv-rectifier",          QT_TRANSLATE_NOOP("areanotes/hv-rectifier", "High voltage rectifier (tripler)"), true},
    {"pincushion",            QT_TRANSLATE_NOOP("areanotes/pincushion", "Pincushion correction circuit"),   true},
    {"horizontal-yoke",       QT_TRANSLATE_NOOP("areanotes/horizontal-yoke", "Horizontal deflection yoke"),      true},
    {"picture-tube",          QT_TRANSLATE_NOOP("areanotes/picture-tube", "Picture tube"),                    true},
    // Front end
    {"antenna-signal",        QT_TRANSLATE_NOOP("areanotes/antenna-signal", "Antenna and signal"),              true},
    {"uhf-tuner",             QT_TRANSLATE_NOOP("areanotes/uhf-tuner", "UHF tuner"),                       false},
    {"vhf-tuner",             QT_TRANSLATE_NOOP("areanotes/vhf-tuner", "VHF tuner"),                       false},
    {"aft",                   QT_TRANSLATE_NOOP("areanotes/aft", "Automatic fine tuning (AFT)"),     false},
    {"tuning-control",        QT_TRANSLATE_NOOP("areanotes/tuning-control", "Remote tuning system"),            false},
    {"first-video-if",        QT_TRANSLATE_NOOP("areanotes/first-video-if", "1st video IF amplifier and SAW filter"), false},
    {"video-if-amplifiers",   QT_TRANSLATE_NOOP("areanotes/video-if-amplifiers", "Video IF amplifiers"),             false},
    {"video-detector",        QT_TRANSLATE_NOOP("areanotes/video-detector", "Video detector"),                  false},
    {"sound-trap",            QT_TRANSLATE_NOOP("areanotes/sound-trap", "Sound trap"),                      false},
    {"video-amplifier",       QT_TRANSLATE_NOOP("areanotes/video-amplifier", "Video amplifier"),                 false},
    {"agc",                   QT_TRANSLATE_NOOP("areanotes/agc", "AGC and noise gate"),              false},
    {"agc-control",           QT_TRANSLATE_NOOP("areanotes/agc-control", "AGC control"),                     false},
    {"delayed-agc",           QT_TRANSLATE_NOOP("areanotes/delayed-agc", "Delayed (tuner) AGC"),             false},
    {"blanking-amplifier",    QT_TRANSLATE_NOOP("areanotes/blanking-amplifier", "Retrace blanking"),                false},
    {"sound-if-detector",     QT_TRANSLATE_NOOP("areanotes/sound-if-detector", "Sound IF detector"),               false},
    {"sound-if-amplifier",    QT_TRANSLATE_NOOP("areanotes/sound-if-amplifier", "Sound IF amplifier"),              false},
    {"sound-detector",        QT_TRANSLATE_NOOP("areanotes/sound-detector", "Sound detector"),                  false},
    {"audio-amplifier",       QT_TRANSLATE_NOOP("areanotes/audio-amplifier", "Audio amplifier"),                 false},
    {"loudspeaker",           QT_TRANSLATE_NOOP("areanotes/loudspeaker", "Loudspeaker"),                     false},
    // Video and colour circuits
    {"comb-filter",           QT_TRANSLATE_NOOP("areanotes/comb-filter", "Comb filter and 2nd video amplifier"), false},
    {"contrast-control",      QT_TRANSLATE_NOOP("areanotes/contrast-control", "Contrast control"),                false},
    {"delay-line",            QT_TRANSLATE_NOOP("areanotes/delay-line", "Luminance delay line"),            false},
    {"third-video-amplifier", QT_TRANSLATE_NOOP("areanotes/third-video-amplifier", "3rd video amplifier and brightness limiter"), false},
    {"brightness-control",    QT_TRANSLATE_NOOP("areanotes/brightness-control", "Brightness control"),              false},
    {"chroma-amplifiers",     QT_TRANSLATE_NOOP("areanotes/chroma-amplifiers", "Chroma amplifiers"),               false},
    {"color-control",         QT_TRANSLATE_NOOP("areanotes/color-control", "Color control"),                   false},
    {"acc",                   QT_TRANSLATE_NOOP("areanotes/acc", "Automatic color control (ACC)"),   false},
    {"acc-control",           QT_TRANSLATE_NOOP("areanotes/acc-control", "ACC control"),                     false},
    {"color-killer",          QT_TRANSLATE_NOOP("areanotes/color-killer", "Color killer"),                    false},
    {"color-killer-control",  QT_TRANSLATE_NOOP("areanotes/color-killer-control", "Color killer control"),            false},
    {"burst-gate",            QT_TRANSLATE_NOOP("areanotes/burst-gate", "Burst gate"),                      false},
    {"color-phase-detector",  QT_TRANSLATE_NOOP("areanotes/color-phase-detector", "Color phase detector and oscillator control"), false},
    {"color-oscillator",      QT_TRANSLATE_NOOP("areanotes/color-oscillator", "3.58 MHz color oscillator"),       false},
    {"tint-control",          QT_TRANSLATE_NOOP("areanotes/tint-control", "Tint control"),                    false},
    {"phase-shift-network",   QT_TRANSLATE_NOOP("areanotes/phase-shift-network", "Phase shift network"),             false},
    {"color-demodulators",    QT_TRANSLATE_NOOP("areanotes/color-demodulators", "Color demodulators"),              false},
    {"rgb-drivers",           QT_TRANSLATE_NOOP("areanotes/rgb-drivers", "Red, green and blue video drivers"), true},
    {"degaussing",            QT_TRANSLATE_NOOP("areanotes/degaussing", "Degaussing and purity"),           true},
    {"convergence",           QT_TRANSLATE_NOOP("areanotes/convergence", "Convergence"),                     true},
};

using enum Kind;

// Where each area shows. The diagrams' boxes, knobs, pictures and knob captions, then the problem-area
// lists of the symptom screens with their items as the screens list them.
constexpr Place kPlaces[] = {
    // Low voltage power supply and deflection circuits
    {"frmLVPower", "Text15",   nullptr, Box,     "ac-mains-input"},
    {"frmLVPower", "Text16",   nullptr, Box,     "low-voltage-supply"},
    {"frmLVPower", "Text17",   nullptr, Box,     "voltage-regulator"},
    {"frmLVPower", "Label12",  nullptr, Page,    "linear-supply"},
    {"frmLVPower", "Label13",  nullptr, Page,    "switching-supply"},
    {"frmLVPower", "Label4",   nullptr, Page,    "scan-derived-supply"},
    {"frmLVPower", "Text1",    nullptr, Box,     "noise-canceller"},
    {"frmLVPower", "Shape1",   nullptr, Knob,    "noise-canceller"},
    {"frmLVPower", "Label6",   nullptr, Caption, "noise-canceller"},
    {"frmLVPower", "Text2",    nullptr, Page,    "sync-separator"},
    {"frmLVPower", "Text3",    nullptr, Box,     "vertical-oscillator"},
    {"frmLVPower", "Shape2",   nullptr, Knob,    "vertical-hold"},
    {"frmLVPower", "Label7",   nullptr, Caption, "vertical-hold"},
    {"frmLVPower", "Text4",    nullptr, Box,     "vertical-amplifier"},
    {"frmLVPower", "Text5",    nullptr, Box,     "vertical-amplifier"},
    {"frmLVPower", "Shape3",   nullptr, Knob,    "vertical-linearity"},
    {"frmLVPower", "Label8",   nullptr, Caption, "vertical-linearity"},
    {"frmLVPower", "Shape4",   nullptr, Knob,    "vertical-size"},
    {"frmLVPower", "Label9",   nullptr, Caption, "vertical-size"},
    {"frmLVPower", "Picture3", nullptr, Picture, "vertical-yoke"},
    {"frmLVPower", "Text11",   nullptr, Box,     "horizontal-afc"},
    {"frmLVPower", "Text10",   nullptr, Box,     "horizontal-oscillator"},
    {"frmLVPower", "Shape6",   nullptr, Knob,    "horizontal-hold"},
    {"frmLVPower", "Label11",  nullptr, Caption, "horizontal-hold"},
    {"frmLVPower", "Text9",    nullptr, Box,     "horizontal-driver"},
    {"frmLVPower", "Text8",    nullptr, Box,     "horizontal-output"},
    {"frmLVPower", "Text13",   nullptr, Box,     "damper"},
    {"frmLVPower", "Text14",   nullptr, Box,     "hv-hold-down"},
    {"frmLVPower", "Text12",   nullptr, Box,     "hv-regulator"},
    {"frmLVPower", "Text6",    nullptr, Box,     "hv-rectifier"},
    {"frmLVPower", "Label3",   nullptr, Caption, "hv-rectifier"},   // "High Voltage", the tripler's output
    {"frmLVPower", "Label2",   nullptr, Caption, "hv-rectifier"},   // "Focus", the tripler's other output
    {"frmLVPower", "Text7",    nullptr, Box,     "pincushion"},
    {"frmLVPower", "Shape5",   nullptr, Knob,    "pincushion"},      // "Phase", the pincushion phase
    {"frmLVPower", "Label10",  nullptr, Caption, "pincushion"},
    {"frmLVPower", "Picture2", nullptr, Picture, "horizontal-yoke"},
    {"frmLVPower", "Picture1", nullptr, Picture, "picture-tube"},

    // TV front end
    {"frmFront", "Label1",   nullptr, Caption, "antenna-signal"},  // "Antennas"
    {"frmFront", "Text1",    nullptr, Page,    "uhf-tuner"},
    {"frmFront", "Text2",    nullptr, Page,    "vhf-tuner"},
    {"frmFront", "Text3",    nullptr, Box,     "aft"},
    {"frmFront", "Text4",    nullptr, Box,     "first-video-if"},
    {"frmFront", "Text5",    nullptr, Box,     "video-if-amplifiers"},
    {"frmFront", "Text6",    nullptr, Box,     "video-detector"},
    {"frmFront", "Text7",    nullptr, Box,     "video-amplifier"},
    {"frmFront", "Text13",   nullptr, Box,     "agc"},
    {"frmFront", "Shape3",   nullptr, Knob,    "agc-control"},
    {"frmFront", "Label4",   nullptr, Caption, "agc-control"},
    {"frmFront", "Text12",   nullptr, Box,     "delayed-agc"},
    {"frmFront", "Shape2",   nullptr, Knob,    "delayed-agc"},     // "Delay"
    {"frmFront", "Label3",   nullptr, Caption, "delayed-agc"},
    {"frmFront", "Text14",   nullptr, Box,     "blanking-amplifier"},
    {"frmFront", "Text8",    nullptr, Box,     "sound-if-detector"},
    {"frmFront", "Text9",    nullptr, Box,     "sound-if-amplifier"},
    {"frmFront", "Text10",   nullptr, Box,     "sound-detector"},
    {"frmFront", "Text11",   nullptr, Box,     "audio-amplifier"},
    {"frmFront", "Shape1",   nullptr, Knob,    "audio-amplifier"}, // "Volume"
    {"frmFront", "Label5",   nullptr, Caption, "audio-amplifier"},
    {"frmFront", "Picture1", nullptr, Picture, "loudspeaker"},
    {"frmFront", "Label2",   nullptr, Caption, "loudspeaker"},

    // Video and color circuits
    {"frmColor", "Text1",    nullptr, Box,     "comb-filter"},
    {"frmColor", "Shape1",   nullptr, Knob,    "contrast-control"},
    {"frmColor", "Label2",   nullptr, Caption, "contrast-control"},
    {"frmColor", "Text2",    nullptr, Box,     "delay-line"},
    {"frmColor", "Text3",    nullptr, Box,     "third-video-amplifier"},
    {"frmColor", "Shape2",   nullptr, Knob,    "brightness-control"},
    {"frmColor", "Label3",   nullptr, Caption, "brightness-control"},
    {"frmColor", "Text12",   nullptr, Box,     "chroma-amplifiers"},
    {"frmColor", "Text14",   nullptr, Box,     "chroma-amplifiers"},
    {"frmColor", "Shape4",   nullptr, Knob,    "color-control"},
    {"frmColor", "Label4",   nullptr, Caption, "color-control"},
    {"frmColor", "Text13",   nullptr, Box,     "acc"},
    {"frmColor", "Shape5",   nullptr, Knob,    "acc-control"},
    {"frmColor", "Label6",   nullptr, Caption, "acc-control"},
    {"frmColor", "Text15",   nullptr, Box,     "color-killer"},
    {"frmColor", "Shape3",   nullptr, Knob,    "color-killer-control"},
    {"frmColor", "Label5",   nullptr, Caption, "color-killer-control"},
    {"frmColor", "Text11",   nullptr, Box,     "burst-gate"},
    {"frmColor", "Text10",   nullptr, Box,     "color-phase-detector"},
    {"frmColor", "Text9",    nullptr, Box,     "color-oscillator"},
    {"frmColor", "Shape6",   nullptr, Knob,    "tint-control"},
    {"frmColor", "Label7",   nullptr, Caption, "tint-control"},
    {"frmColor", "Text8",    nullptr, Box,     "phase-shift-network"},
    {"frmColor", "Text4",    nullptr, Box,     "color-demodulators"},
    {"frmColor", "Text5",    nullptr, Box,     "rgb-drivers"},
    {"frmColor", "Text6",    nullptr, Box,     "rgb-drivers"},
    {"frmColor", "Text7",    nullptr, Box,     "rgb-drivers"},
    {"frmColor", "Shape8",   nullptr, Knob,    "rgb-drivers"},       // "RGB Drive"
    {"frmColor", "Label8",   nullptr, Caption, "rgb-drivers"},
    {"frmColor", "Picture1", nullptr, Page,    "picture-tube"},      // opens the tube base diagrams
    {"frmColor", "Label10",  nullptr, Caption, "picture-tube"},      // "Click for base diagrams"
    {"frmColor", "Shape7",   nullptr, Knob,    "picture-tube"},      // "Screen", the tube's grid 2
    {"frmColor", "Label9",   nullptr, Caption, "picture-tube"},

    // TV Dead: the isolated areas
    {"frmDead", "List2", "Low voltage power supply",       Item, "low-voltage-supply"},
    {"frmDead", "List2", "Voltage regulator",              Item, "voltage-regulator"},
    {"frmDead", "List2", "Horizontal driver",              Item, "horizontal-driver"},
    {"frmDead", "List2", "Horizontal output",              Item, "horizontal-output"},
    {"frmDead", "List2", "Damper",                         Item, "damper"},
    {"frmDead", "List2", "High voltage hold-down circuit", Item, "hv-hold-down"},

    // Sound problems
    {"frmSound", "List1", "Sound IF detector",     Item, "sound-if-detector"},
    {"frmSound", "List1", "Sound IF amplifier",    Item, "sound-if-amplifier"},
    {"frmSound", "List1", "Sound detector",        Item, "sound-detector"},
    {"frmSound", "List1", "Audio amplifier",       Item, "audio-amplifier"},
    {"frmSound", "List1", "Speakers",              Item, "loudspeaker"},
    {"frmSound", "List2", "UHF tuner",             Item, "uhf-tuner"},
    {"frmSound", "List2", "VHF tuner",             Item, "vhf-tuner"},
    {"frmSound", "List2", "Remote tuning",         Item, "tuning-control"},
    {"frmSound", "List2", "Video IF amplifiers",   Item, "video-if-amplifiers"},
    {"frmSound", "List2", "Synchronous detectors", Item, "video-detector"},

    // Raster
    {"frmRaster", "List1", "Horizontal driver",              Item, "horizontal-driver"},
    {"frmRaster", "List1", "Horizontal output",              Item, "horizontal-output"},
    {"frmRaster", "List1", "High-voltage damper",            Item, "damper"},
    {"frmRaster", "List1", "High-voltage rectifier",         Item, "hv-rectifier"},
    {"frmRaster", "List1", "High-voltage regulator",         Item, "hv-regulator"},
    {"frmRaster", "List1", "Holddown cuircuit",              Item, "hv-hold-down"},
    {"frmRaster", "List1", "Horizontal AFC",                 Item, "horizontal-afc"},
    {"frmRaster", "List1", "Horizontal oscillator",          Item, "horizontal-oscillator"},
    {"frmRaster", "List1", "Picture tube",                   Item, "picture-tube"},
    {"frmRaster", "List2", "Vertical deflection oscillator", Item, "vertical-oscillator"},
    {"frmRaster", "List2", "Vertical deflection amplifier",  Item, "vertical-amplifier"},
    {"frmRaster", "List2", "Vertical deflection yoke",       Item, "vertical-yoke"},
    {"frmRaster", "List2", "Sync seperator",                 Item, "sync-separator"},
    {"frmRaster", "List3", "Pin cushion circuit",            Item, "pincushion"},

    // Picture problems
    {"frmPicture", "Combo1", "1st video amplifier",                             Item, "first-video-if"},
    {"frmPicture", "Combo1", "3rd video amplifier & brightness control",        Item, "third-video-amplifier"},
    {"frmPicture", "Combo1", "Comb filter & 2nd video amplifier",               Item, "comb-filter"},
    {"frmPicture", "Combo1", "Delay line",                                      Item, "delay-line"},
    {"frmPicture", "Combo1", "Excessive AGC",                                   Item, "agc"},
    {"frmPicture", "Text1",  nullptr,                                           Line, "agc"},  // "Insufficient AGC"
    {"frmPicture", "Combo2", "Adjust horizontal hold control",                  Item, "horizontal-hold"},
    {"frmPicture", "Combo2", "Adjust AGC control",                              Item, "agc-control"},
    {"frmPicture", "Combo2", "Check horizontal oscillator circuits",            Item, "horizontal-oscillator"},
    {"frmPicture", "Combo2", "Check sync seperator",                            Item, "sync-separator"},
    {"frmPicture", "Combo3", "Adjust vertical hold control",                    Item, "vertical-hold"},
    {"frmPicture", "Combo3", "Adjust AGC control",                              Item, "agc-control"},
    {"frmPicture", "Combo3", "Check vertical deflection oscillator circuits",   Item, "vertical-oscillator"},
    {"frmPicture", "Combo3", "Check sync seperator",                            Item, "sync-separator"},
    {"frmPicture", "Combo4", "Adjust AGC control",                              Item, "agc-control"},
    {"frmPicture", "Combo4", "Check sync seperator",                            Item, "sync-separator"},
    {"frmPicture", "Text2",  nullptr,                                           Line, "color-killer"},
    {"frmPicture", "Text3",  nullptr,                                           Line, "sound-trap"},
    {"frmPicture", "Text4",  nullptr,                                           Line, "low-voltage-supply"},
    {"frmPicture", "Combo5", "Contrast control too low",                        Item, "contrast-control"},
    {"frmPicture", "Combo5", "Brightness control too high",                     Item, "brightness-control"},
    {"frmPicture", "Combo5", "Insufficient retrace blanking,(video amplifier)", Item, "blanking-amplifier"},
    {"frmPicture", "Combo6", "Adjust vertical linearity control",               Item, "vertical-linearity"},
    {"frmPicture", "Combo6", "Vertical deflection oscillator",                  Item, "vertical-oscillator"},
    {"frmPicture", "Combo6", "Vertical deflection amplifier",                   Item, "vertical-amplifier"},
    {"frmPicture", "Combo7", "Adjust vertical height control",                  Item, "vertical-size"},
    {"frmPicture", "Combo7", "Vertical deflection oscillator",                  Item, "vertical-oscillator"},
    {"frmPicture", "Combo7", "Vertical deflection amplifier",                   Item, "vertical-amplifier"},

    // Color problems
    {"frmProblems", "Combo1", "Adjust color control",                Item, "color-control"},
    {"frmProblems", "Combo1", "Adjust color killer circuit",         Item, "color-killer-control"},
    {"frmProblems", "Combo1", "Adjust ACC control",                  Item, "acc-control"},
    {"frmProblems", "Combo1", "ACC circuit",                         Item, "acc"},
    {"frmProblems", "Combo1", "1st or 2nd chroma amplifiers",        Item, "chroma-amplifiers"},
    {"frmProblems", "Combo1", "Color killer circuit",                Item, "color-killer"},
    {"frmProblems", "Combo1", "3.58 mhz oscillator",                 Item, "color-oscillator"},
    {"frmProblems", "Combo1", "Phase detector & oscillator control", Item, "color-phase-detector"},
    {"frmProblems", "Combo1", "Phase shift network",                 Item, "phase-shift-network"},
    {"frmProblems", "Combo1", "Color demodulators",                  Item, "color-demodulators"},
    {"frmProblems", "Text1",  nullptr,                               Line, "degaussing"},
    {"frmProblems", "Combo2", "Weak signal",                         Item, "antenna-signal"},
    {"frmProblems", "Combo2", "Color control advanced too high",     Item, "color-control"},
    {"frmProblems", "Combo2", "Adjust color killer control",         Item, "color-killer-control"},
    {"frmProblems", "Combo2", "Color killer circuit",                Item, "color-killer"},
    {"frmProblems", "Combo2", "Phase detector circuit",              Item, "color-phase-detector"},
    {"frmProblems", "Text2",  nullptr,                               Line, "convergence"},
    {"frmProblems", "Combo3", "3.58 mhz oscillator",                 Item, "color-oscillator"},
    {"frmProblems", "Combo3", "Burst gate",                          Item, "burst-gate"},
    {"frmProblems", "Combo3", "Phase detector & oscillator control", Item, "color-phase-detector"},
    {"frmProblems", "Text3",  nullptr,                               Line, "tint-control"},
    {"frmProblems", "Text4",  nullptr,                               Line, "rgb-drivers"},        // "Red amplifier/driver"
    {"frmProblems", "Text5",  nullptr,                               Line, "rgb-drivers"},        // "Green amplifier/driver"
    {"frmProblems", "Text6",  nullptr,                               Line, "rgb-drivers"},        // "Blue amplifier/driver"
    {"frmProblems", "Text7",  nullptr,                               Line, "color-demodulators"}, // "R-Y demodulator"
    {"frmProblems", "Text8",  nullptr,                               Line, "color-demodulators"}, // "G-Y demodulator"
    {"frmProblems", "Text9",  nullptr,                               Line, "color-demodulators"}, // "B-Y demodulator"

    // The convergence procedure page: its steps are worked live at the tube's neck
    {"frmConverg", "List1", nullptr, Steps, "convergence"},
};

// The shared safety rules each area carries, by rule id. Scope or meter work on a stage that sits at mains
// potential on a set without a mains transformer carries the isolation rule; a stage with a fuse, a fusible
// resistor or a retrace capacitor among its culprits carries the rule on safety parts.
constexpr AreaRules kAreaRules[] = {
    {"ac-mains-input",        {"isolation", "discharge", "parts", "leakage"}},
    {"low-voltage-supply",    {"isolation", "discharge", "parts", "leakage"}},
    {"voltage-regulator",     {"isolation", "discharge", "parts", "pulses"}},
    {"linear-supply",         {"isolation", "discharge", "parts", "leakage"}},
    {"switching-supply",      {"isolation", "discharge", "parts", "leakage", "pulses"}},
    {"scan-derived-supply",   {"isolation", "discharge", "parts"}},
    {"noise-canceller",       {"isolation"}},
    {"sync-separator",        {"isolation"}},
    {"vertical-oscillator",   {"isolation"}},
    {"vertical-amplifier",    {"isolation", "parts"}},
    {"vertical-yoke",         {"isolation", "anode", "implosion", "yoke"}},
    {"horizontal-afc",        {"isolation"}},
    {"horizontal-oscillator", {"isolation"}},
    {"horizontal-hold",       {"isolation"}},
    {"horizontal-driver",     {"isolation", "discharge"}},
    {"horizontal-output",     {"isolation", "discharge", "anode", "parts", "yoke", "pulses"}},
    {"damper",                {"isolation", "discharge", "anode", "parts", "pulses"}},
    {"hv-hold-down",          {"isolation", "anode", "parts"}},
    {"hv-regulator",          {"isolation", "anode"}},
    {"hv-rectifier",          {"isolation", "anode"}},
    {"pincushion",            {"isolation", "pulses"}},
    {"horizontal-yoke",       {"isolation", "anode", "implosion", "parts", "yoke"}},
    {"picture-tube",          {"isolation", "anode", "implosion"}},
    {"antenna-signal",        {"isolation", "leakage"}},
    {"uhf-tuner",             {"isolation"}},
    {"vhf-tuner",             {"isolation"}},
    {"aft",                   {"isolation"}},
    {"tuning-control",        {"isolation"}},
    {"first-video-if",        {"isolation"}},
    {"video-if-amplifiers",   {"isolation"}},
    {"video-detector",        {"isolation"}},
    {"sound-trap",            {"isolation"}},
    {"video-amplifier",       {"isolation"}},
    {"agc",                   {"isolation"}},
    {"agc-control",           {"isolation"}},
    {"delayed-agc",           {"isolation"}},
    {"blanking-amplifier",    {"isolation"}},
    {"sound-if-detector",     {"isolation"}},
    {"sound-if-amplifier",    {"isolation"}},
    {"sound-detector",        {"isolation"}},
    {"audio-amplifier",       {"isolation", "parts", "btl"}},
    {"loudspeaker",           {"isolation", "btl"}},
    {"comb-filter",           {"isolation"}},
    {"contrast-control",      {"isolation"}},
    {"delay-line",            {"isolation"}},
    {"third-video-amplifier", {"isolation"}},
    {"brightness-control",    {"isolation"}},
    {"chroma-amplifiers",     {"isolation"}},
    {"color-control",         {"isolation"}},
    {"acc",                   {"isolation"}},
    {"acc-control",           {"isolation"}},
    {"color-killer",          {"isolation"}},
    {"color-killer-control",  {"isolation"}},
    {"burst-gate",            {"isolation"}},
    {"color-phase-detector",  {"isolation"}},
    {"color-oscillator",      {"isolation"}},
    {"tint-control",          {"isolation"}},
    {"phase-shift-network",   {"isolation"}},
    {"color-demodulators",    {"isolation"}},
    {"rgb-drivers",           {"isolation", "anode", "implosion", "neck"}},
    {"degaussing",            {"isolation", "implosion", "neck", "parts"}},
    {"convergence",           {"isolation", "anode", "implosion", "neck"}},
};
// clang-format on

const NoteText* findText(QAnyStringView id)
{
    const auto all = noteTexts();
    const auto found =
        std::ranges::find_if(all, [id](const NoteText& t) { return id == QAnyStringView(t.id); });
    return found == all.end() ? nullptr : &*found;
}

} // namespace

std::span<const Area> areas()
{
    return kAreas;
}

std::span<const Place> places()
{
    return kPlaces;
}

std::span<const AreaRules> areaRules()
{
    return kAreaRules;
}

std::span<const Rule> rules()
{
    return ruleTexts();
}

std::vector<const Rule*> rulesOf(QAnyStringView id)
{
    std::vector<const Rule*> carried;
    const auto attached =
        std::ranges::find_if(kAreaRules, [id](const AreaRules& a) { return id == QAnyStringView(a.area); });
    if (attached == std::end(kAreaRules))
        return carried;
    for (const Rule& rule : rules())
        if (std::ranges::any_of(attached->rules, [&rule](const char* r) {
                return QAnyStringView(r) == QAnyStringView(rule.id);
            }))
            carried.push_back(&rule);
    return carried;
}

const Area* findArea(QAnyStringView id)
{
    const auto found =
        std::ranges::find_if(kAreas, [id](const Area& a) { return id == QAnyStringView(a.id); });
    return found == std::end(kAreas) ? nullptr : &*found;
}

std::optional<Note> note(QAnyStringView id)
{
    const Area* area = findArea(id);
    const NoteText* text = findText(id);
    if (!area || !text)
        return std::nullopt;
    Note written{QString::fromLatin1(area->id),
                 QString::fromUtf8(area->title),
                 {},
                 QString::fromUtf8(text->text),
                 rulesOf(id)};
    written.text = written.body;
    for (const Rule* rule : written.rules)
        written.text +=
            QStringLiteral("\n\n%1 %2. %3")
                .arg(QLatin1String(kSafety), QString::fromUtf8(rule->title), QString::fromUtf8(rule->text));
    return written;
}

std::vector<Note> notes()
{
    std::vector<Note> all;
    for (const Area& area : kAreas)
        if (std::optional<Note> written = note(area.id))
            all.push_back(*written);
    return all;
}

// A sentence ends at a full stop, question or exclamation mark followed by a space or the end of the text,
// so a figure such as "3.58" does not end it. The notes use no abbreviation with a full stop.
QString summary(const Note& note)
{
    static const QRegularExpression end(QStringLiteral("[.!?](?=\\s|$)"));
    const QRegularExpressionMatch match = end.match(note.text);
    return match.hasMatch() ? note.text.left(match.capturedEnd()) : note.text;
}

QString areaAt(QAnyStringView screen, QAnyStringView control, QAnyStringView item)
{
    for (const Place& place : kPlaces) {
        if (screen != QAnyStringView(place.screen) || control != QAnyStringView(place.control))
            continue;
        const QAnyStringView placeItem(place.item ? place.item : "");
        if (item == placeItem)
            return QString::fromLatin1(place.id);
    }
    return {};
}

} // namespace areanotes
