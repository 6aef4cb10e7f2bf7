<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>areanotes/ac-mains-input</name>
    <message>
        <source>AC mains input</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The AC mains input brings the wall supply into the set through the plug, cord, power switch and fuse. It delivers the mains, about 120 V AC in North America (typical 110 to 125 V), to the low voltage power supply, often through a surge resistor, and to the degaussing coil through its thermistor (posistor). An open cord, switch, fuse or surge resistor leaves the set dead: no sound, no raster, no standby light. A fuse that blows again at once points to a short further on: a rectifier diode, a filter capacitor, the horizontal output or switching transistor, or a shorted degaussing thermistor. A thermistor that no longer cuts off leaves a wavy picture and hum. With the set unplugged, check the cord, switch and fuse with an ohmmeter: each should read close to zero ohms.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/acc</name>
    <message>
        <source>Automatic color control (ACC)</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ACC holds the color level steady whatever the signal strength, as the AGC does for the picture. It measures the amplitude of the color burst and sends a DC voltage that sets the gain of the 1st chroma amplifier; the same voltage often feeds the color killer. A failing ACC gives color that is weak or too strong, or that changes from station to station and with the fine tuning; a wrong ACC voltage may also make the killer cut the color off. It cannot cause wrong hues. Usual culprits: the ACC detector diodes or transistor, leaky filter capacitors on its line, the chroma IC. Measure the ACC voltage with a meter on a weak and on a strong station: it should differ between them and hold steady on each.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/acc-control</name>
    <message>
        <source>ACC control</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ACC control sets the color level that the ACC holds, around which the Color control works. Misadjusted, colors are too weak with the Color control at mid-range, or overdone, with colored snow on weaker stations. It is an internal adjustment: set it as the service data say, usually by measuring the chroma or burst level with a scope on a color bar signal, or the voltage on the ACC line with a meter. If the control changes nothing, the ACC circuit itself is at fault. A worn or dirty track makes the color level jump. Touch it only after checking the fine tuning, the color killer and the Color control, which give the same symptoms.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/aft</name>
    <message>
        <source>Automatic fine tuning (AFT)</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The automatic fine tuning keeps the tuner&apos;s local oscillator on the right frequency. A discriminator tuned to the 45.75 MHz picture IF carrier gives a DC voltage that swings one way or the other as the carrier drifts, and that voltage pulls the tuner&apos;s oscillator back. Symptoms: stations drift after warm-up, or the tuning pulls away from a station; color fades or the sound buzzes as the tuning moves. An AFT output stuck at one end pulls every station off tune while AFT is on: switch AFT off and retune; if the stations come back, look here. Usual culprits: a discriminator coil out of alignment, the AFT IC, leaky capacitors on its output line. Measure the AFT voltage with a meter while tuning through a station: it should swing smoothly either side of its resting value and settle there at correct tuning.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/agc</name>
    <message>
        <source>AGC and noise gate</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The AGC keeps the picture at the same strength on strong and weak stations by setting the gain of the IF amplifiers. It measures the video level, on most sets at the sync tips, keyed by a flyback pulse, and sends a DC voltage that turns the gain down as the signal grows; the noise gate stops noise spikes from upsetting it. Too much AGC gives a weak, snowy picture even on strong stations; too little gives an overloaded picture: dark, contrasty, washed out or negative, with buzz in the sound and bending or rolling as the sync is crushed. Usual culprits: the keying transistor, the keying pulse, leaky capacitors on the AGC line. Clamp the AGC line at its normal voltage with a bias supply: if the picture recovers, the fault is in the AGC.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/agc-control</name>
    <message>
        <source>AGC control</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The AGC control sets the signal level that the AGC holds the IF amplifiers to. Set too high, strong stations overload: a dark, contrasty or negative picture, buzz in the sound, and a picture that bends, tears or rolls because its sync is crushed. Set too low, the picture is weak and snowy on every station. Unless the service data give a voltage to set on the AGC line, tune the strongest local station, turn the control slowly until the picture just starts to overload, then back it off until the picture is clean; check that weak stations still look right and that changing channels causes no bending. If the control has no clear effect on the picture, the AGC circuit itself is at fault.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/antenna-signal</name>
    <message>
        <source>Antenna and signal</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The antenna, its lead-in and the set&apos;s antenna input bring the station&apos;s signal into the tuner. A weak signal gives a snowy picture, weak or no color (the killer cuts color before the picture goes) and noisy sound. Ghosts are not a sign of weak signal: they come from reflections off buildings or hills, or from a damaged or mismatched lead-in. It cannot cause raster, deflection or single-color faults. Usual culprits are outside the set: a broken or corroded lead-in, a loose connector, a poor splitter, a damaged or misaimed antenna. Compare with a known good antenna, and check the cable&apos;s continuity with a meter. A signal level meter typically shows about 1 mV (0 dBmV) or more across 75 ohms for a clean picture. On a set without a mains transformer, leaky isolation capacitors at the antenna terminals can make the antenna live.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/audio-amplifier</name>
    <message>
        <source>Audio amplifier</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished">Amplificador de audio</translation>
    </message>
    <message>
        <source>The audio amplifier raises the detected audio, through the Volume control, to drive the loudspeaker. It is usually a power IC or a pair of output transistors, fed from the low voltage supply or a scan-derived supply. Symptoms: no sound, weak or distorted sound, hum, or a crackle as the Volume control turns (a dirty or worn track). A shorted output stage can also open a fusible resistor. Usual culprits: the output IC or transistors, the coupling capacitor to the speaker, the fusible resistor, the Volume control. Inject an audio signal at the Volume control: sound means the fault lies before it, silence means here or after. A single-supply output sits at about half the supply; on a bridge (BTL) output IC both speaker leads do, and neither is ground.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/blanking-amplifier</name>
    <message>
        <source>Retrace blanking</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The blanking amplifier darkens the screen while the beams fly back after each line and each field. It forms blanking pulses from the horizontal and vertical flyback and applies them to the video amplifier chain or the tube&apos;s drive, so the retrace stays dark. When it fails, fine diagonal white lines cross the picture, from the vertical retrace, most visible at high brightness, and the picture may look washed out. It cannot cause a loss of sync, but a stage stuck on blanks the whole screen: no raster, with the high voltage present. Usual culprits: the blanking transistor, a diode or capacitor in the pulse path, a weak flyback sample. A Brightness or Screen control set too high also shows retrace lines, so turn them down first. Scope the blanking pulses: clean pulses at the line and field rates.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/brightness-control</name>
    <message>
        <source>Brightness control</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Brightness control sets the picture&apos;s black level: how bright the screen is where the picture is black. It does so by shifting the DC level of the video signal. Set too high, blacks turn gray and retrace lines may show; set too low, dark scenes turn black and the raster may vanish although the high voltage is present. Set it on a picture with black areas: raise it until the blacks just start to glow, then back off slightly. If turning it changes nothing, measure the voltage at its wiper with a meter: if it changes smoothly and the picture does not, look at the 3rd video amplifier, its clamp and the brightness limiter. Do not use the Screen (G2) control as a brightness control: it is a gray-scale set-up adjustment, and turned up it upsets the gray scale and brings up retrace lines.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/burst-gate</name>
    <message>
        <source>Burst gate</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished">Compuerta de burst</translation>
    </message>
    <message>
        <source>The burst gate picks the color burst out of the video for the color sync circuits. The burst is about 9 cycles of 3.58 MHz sent just after each horizontal sync pulse; the gate opens only then, keyed by a pulse from the horizontal flyback, and passes the burst to the phase detector, the ACC and the killer. Without it the color oscillator cannot lock: colors float as rainbow bands across the picture, or the killer cuts the color. A gate keyed at the wrong moment lets part of the picture through: unsteady color. It cannot cause faults in the black and white picture. Usual culprits: the gate transistor, the keying pulse&apos;s path, a coupling capacitor. Scope the keying pulse and the gate&apos;s output: bursts only, one per line.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/chroma-amplifiers</name>
    <message>
        <source>Chroma amplifiers</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chroma amplifiers raise the 3.58 MHz color signal from the comb filter to the level the demodulators need. The ACC sets the gain of the 1st; the 2nd carries the Color control and is turned off by the color killer when no color is received. A fault gives no color or weak color while the black and white picture is good, or too much color; a mistuned chroma bandpass coil gives smeared or weak color. It cannot cause wrong hues or a screen flooded with one color. Usual culprits: the chroma IC or transistors, coupling capacitors, the bandpass coil. First make sure the killer is not turning the stage off: measure the killer voltage with a meter. Then scope the stages: the burst and chroma at 3.58 MHz, growing from input to output.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/color-control</name>
    <message>
        <source>Color control</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Color control sets how strong the colors are, by setting the gain of the 2nd chroma amplifier. Turned too low, the picture is pale or black and white; too high, colors are overdone, faces look sunburnt, strong reds smear past their outlines, and colored snow shows on noisy stations. Set it for natural skin tones on a good station, after setting contrast and brightness. If the color is too strong even at minimum, or the control has no effect, the fault lies elsewhere: the ACC, the chroma amplifiers or the killer. A worn track makes the color flicker or drop out when the control is touched. On later sets it sends a DC control voltage to the chroma IC: check with a meter that it changes smoothly across its travel.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/color-demodulators</name>
    <message>
        <source>Color demodulators</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished">Demoduladores de color</translation>
    </message>
    <message>
        <source>The color demodulators recover the color difference signals from the chroma. Most sets demodulate two of them, R-Y and B-Y (or the X and Z axes), each by comparing the chroma with its 3.58 MHz reference from the phase shift network, and a matrix makes G-Y from those two. Combined with the luminance, the three give the red, green and blue drive for the video drivers. A faulty demodulator loses its color difference signal: one color missing or too strong all over the picture, often with a cast of cyan, magenta or yellow; a missing G-Y with good R-Y and B-Y points to the matrix; a missing reference gives no color at all. Usual culprits: the demodulator IC or transistors, coupling capacitors, a lost reference. Scope the outputs on a color bar signal: each shows its own pattern of bars, a volt or more peak to peak.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/color-killer</name>
    <message>
        <source>Color killer</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished">Supresor de color</translation>
    </message>
    <message>
        <source>The color killer turns the color off when no color burst is received, so black and white pictures show no colored snow. It senses the burst, often through the ACC or the phase detector, and sends a DC bias that switches the 2nd chroma amplifier off. A killer stuck on gives no color on any station although the color circuits are good; stuck off, black and white programs and empty channels show colored confetti. Usual culprits: the killer transistor or diode, a leaky filter capacitor, a drifted bias resistor, or a missing burst from the burst gate or the 3.58 MHz oscillator. Measure the killer&apos;s output with a meter on a color station and on an empty channel: it should switch between two clear levels.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/color-killer-control</name>
    <message>
        <source>Color killer control</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The color killer control sets the signal level below which the killer turns the color off. Set too far toward kill, weak color stations lose their color entirely; too far the other way, black and white programs and empty channels show colored confetti. Set it as the service data say, or tune an empty channel showing only snow, turn the control until colored snow just appears, then back it off until the snow just turns gray; weak color stations should still show color. If the control cannot turn the color on or off at all, the killer circuit itself or a missing burst is at fault. A dirty track makes the color switch on and off when the control is touched.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/color-oscillator</name>
    <message>
        <source>3.58 MHz color oscillator</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The 3.58 MHz oscillator rebuilds the color subcarrier inside the set, as the reference for the demodulators. It is crystal controlled, at 3.579545 MHz, and locked to the burst by the phase detector; the Tint control shifts the phase of its output. If it stops, there is no color at all, and the killer usually turns the chroma off too. Off frequency, colors float in diagonal rainbow bands; a slight error gives hues that drift. Usual culprits: the crystal, its trimmer capacitor, the chroma IC, a leaky coupling capacitor. Scope its output: a steady sine wave at 3.58 MHz, typically from about 1 to a few volts peak to peak. With the lock disabled as the service data say, a well set oscillator lets the colors almost stand still.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/color-phase-detector</name>
    <message>
        <source>Color phase detector and oscillator control</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The phase detector compares the color burst with the 3.58 MHz oscillator and pulls the oscillator into step. Its DC correction passes through a filter to the oscillator&apos;s control element, often a varactor or reactance transistor, locking its frequency and phase to the burst. A fault gives floating colors: color bars drifting diagonally across the picture, color that locks on some stations only, or a constant wrong hue. The killer, sensing no lock, may turn the color off altogether. Usual culprits: the paired detector diodes, the filter&apos;s capacitors and resistors, the chroma IC. Measure the correction voltage with a meter: it should sit steady on a station and move as the oscillator is detuned.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/comb-filter</name>
    <message>
        <source>Comb filter and 2nd video amplifier</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The comb filter splits the video into luminance and chroma; the 2nd video amplifier beside it is a luminance stage. It adds and subtracts the video of successive lines, one line apart, about 63.6 microseconds, which works because the color subcarrier reverses its phase from line to line. The 2nd video amplifier carries the luminance (brightness) on to the delay line, with the Contrast control setting its gain; the chroma (color) goes to the 1st chroma amplifier. A fault gives a weak or missing picture, no color, crawling dots on color edges, or false color on fine detail. Usual culprits: the comb filter IC or its delay line, the amplifier transistor, coupling capacitors. On a station, scope the input, then the luminance and chroma outputs, and compare.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/contrast-control</name>
    <message>
        <source>Contrast control</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Contrast control sets the gain of the luminance amplifier, and so how far the picture swings from black to white. On many sets the color level follows it. Set too low, the picture looks flat, gray and weak, although the raster is bright; set too high, whites bloom and smear and fine detail is lost. Set it to mid-range, with the brightness right, before looking for a fault. If it has little or no effect, measure what it sends on (on later sets a DC control voltage of a few volts to the video IC) with a meter as it turns: it should change smoothly; if it does and the picture does not, the fault lies in the amplifier it controls. A dirty track makes the picture flicker when the control is touched.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/convergence</name>
    <message>
        <source>Convergence</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished">Convergencia</translation>
    </message>
    <message>
        <source>Convergence makes the three beams land together, so that white lines show no colored fringes. Ring magnets on the neck converge the center (static); the yoke&apos;s position, wedges or correction coils the edges (dynamic). Misconvergence shows as colored outlines around black and white objects, worse toward the edges. Work on a crosshatch or dot pattern from a generator, with the set warmed up and degaussed, and mark the rings&apos; and the yoke&apos;s positions first. Purity comes first: with the yoke slid back, center the red raster with the purity rings, then slide the yoke forward until the red is pure. An in-line tube&apos;s yoke bonded or wedged in place was set at the factory: do not loosen it. A sudden change points to a loose magnet or a moved yoke; on sets with a dynamic convergence board, an open coil, pot or diode there also moves the edges.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/damper</name>
    <message>
        <source>Damper</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished">Damper</translation>
    </message>
    <message>
        <source>The damper is the diode across the horizontal output transistor that conducts during the first part of each scan line. It returns the yoke&apos;s energy to the supply and gives the scan a linear start; it is often built into the output transistor. A shorted damper loads B+ and the flyback like a shorted output transistor: a blown fuse or a shut-down supply, and a dead set. An open or weak damper lets the collector pulse ring: bars or a fold at the left of the picture, and overstress that kills the output transistor. Usual culprits: the diode itself, heat-cracked solder joints, the capacitors around it. With the set off and discharged, lift one end and use a meter&apos;s diode test: typically 0.4 to 0.7 V one way, open the other.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/degaussing</name>
    <message>
        <source>Degaussing and purity</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degaussing clears stray magnetism from the picture tube&apos;s mask, which would otherwise stain areas with wrong colors. A coil round the tube receives mains current that a PTC thermistor (posistor) lets die away over a few seconds, once the set has been off long enough, typically tens of minutes, for it to cool. Purity adjustments come only if degaussing does not clear a stain. Symptoms: patches of color, worst at the corners. Usual culprits: an open coil, a magnet or speaker near the set, and the thermistor: shorted, it keeps blowing the mains fuse; no longer cutting off, it leaves a wavy picture and hum. Switch a hand-held coil on away from the screen and circle the face with it; then withdraw it slowly to 1.5 to 2 meters, turn the coil edge-on to the screen, and only then switch it off.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/delay-line</name>
    <message>
        <source>Luminance delay line</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The luminance delay line holds back the brightness signal so that it arrives together with the slower color signal. The narrow color path delays its signal more, so the luminance is held back by typically 0.5 to 1 microsecond, putting the colors exactly over the objects they belong to. An open delay line gives no picture, or a faint, smeared one, while color and sound remain; a damaged or badly terminated one shifts the colors sideways from their outlines or gives ghost-like edges. Usual culprits: an open winding or broken lead of the line itself, its terminating resistors, a cracked solder joint. With the set off, check its winding with a meter: it must show continuity, never open. Scope its input and output.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/delayed-agc</name>
    <message>
        <source>Delayed (tuner) AGC</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The delayed AGC turns down the tuner&apos;s RF gain, but only once the signal is strong. Below that point it leaves the tuner at full gain, for the least snow, and the IF AGC does the work; the Delay control sets the point. Set too early, weak stations look snowy; set too late, strong stations overload the tuner: cross-modulation, a washed-out or negative picture, buzz. Usual culprits: the delay transistor, leaky capacitors on the RF AGC line, a worn Delay control. Measure the RF AGC voltage at the tuner with a meter from no signal up to a strong station: it should stay put on weak signals and start to change on strong ones; its direction and range depend on the tuner. A tuner that ignores a correct voltage is itself at fault.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/first-video-if</name>
    <message>
        <source>1st video IF amplifier and SAW filter</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The 1st video amplifier is an IF stage: it boosts the tuner&apos;s IF signal, and its SAW filter shapes the passband. The SAW (surface acoustic wave) filter passes the channel&apos;s IF band, about 41 to 46 MHz. It loses some 15 to 25 dB, which the preamplifier ahead of it makes up, so the level need not grow through the stage: compare levels with the service data. A dead stage gives a clean raster with no picture and no sound; a weak one, a weak picture with little snow. Snow is noise from the antenna and tuner, which a dead IF does not pass: marked snow points to the antenna or the tuner. A poor SAW filter gives a smeared picture, weak color or buzzing sound. Usual culprits: the preamplifier transistor, the SAW filter, its coupling capacitors. Trace the IF signal with a scope from the tuner&apos;s output.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/horizontal-afc</name>
    <message>
        <source>Horizontal AFC</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished">CAF horizontal</translation>
    </message>
    <message>
        <source>The horizontal AFC keeps the horizontal oscillator locked to the incoming line sync. It compares the sync pulses from the sync separator with a sample of the flyback pulse and makes a DC correction voltage that pulls the oscillator onto frequency and phase. Faults show as a picture torn into diagonal bars, a picture that locks at no hold setting, bending at the top, or a picture shifted sideways. A badly wrong correction voltage can pull the oscillator so far off that the high voltage drops or the hold-down shuts the set off. Usual culprits: the paired phase detector diodes, leaky capacitors in its filter, an open flyback sample lead. Measure the correction voltage with a meter while turning the hold control: it should move smoothly; scope both inputs.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/horizontal-driver</name>
    <message>
        <source>Horizontal driver</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished">Excitador horizontal</translation>
    </message>
    <message>
        <source>The horizontal driver amplifies the oscillator&apos;s pulses to switch the horizontal output transistor on and off. It drives the output through a small driver transformer, and its supply often comes from B+ through a dropping resistor. When it fails, the output transistor receives no drive: no high voltage, no raster, and, where supplies are scan-derived, a dead set. Weak or distorted drive makes the output transistor run hot and fail again and again. Usual culprits: the driver transistor, its supply&apos;s dropping resistor, a dried filter capacitor, cracked solder joints at the driver transformer. Measure its supply with a meter, then scope the driver&apos;s collector: a clean square pulse near 15.7 kHz, typically tens of volts high.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/horizontal-hold</name>
    <message>
        <source>Horizontal hold control</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The horizontal hold control sets the horizontal oscillator&apos;s free-running rate so that the AFC can lock it. Off setting, the picture breaks into diagonal bars or tears sideways. On many sets it is set with the AFC disabled as the service data describe (a jumper or a shorted sync input): adjust until the picture almost stands still, then restore the AFC. A good set then locks at once on every channel and after every channel change. If no setting locks the picture, the control is not at fault: look at the sync separator, the AFC&apos;s diodes and capacitors, or the oscillator&apos;s timing parts. A hold that drifts as the set warms up points to a timing part that changes with heat. Many later sets have no horizontal hold at all.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/horizontal-oscillator</name>
    <message>
        <source>Horizontal oscillator</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished">Oscilador horizontal</translation>
    </message>
    <message>
        <source>The horizontal oscillator makes the line-rate pulses that start every horizontal scan line. It runs at 15,734 Hz on a color set, held there by the AFC&apos;s correction voltage, and feeds the horizontal driver. If it stops, nothing after it runs: no high voltage, no raster and no scan-derived supplies, so the set may seem dead. Off frequency, it gives diagonal bars that the hold control cannot cure. Usual culprits: drifted timing capacitors and resistors, the oscillator coil or transistor, the jungle IC that contains it, its supply. On one-chip (jungle IC) sets the oscillator runs from a ceramic resonator near 500 kHz, 32 times the line rate, divided down; that resonator is a common culprit. Measure its supply first with a meter, then scope its output: a steady pulse or square wave near 15.7 kHz, a few volts peak to peak.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/horizontal-output</name>
    <message>
        <source>Horizontal output amplifier</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished">Amplificador de salida horizontal</translation>
    </message>
    <message>
        <source>The horizontal output amplifier switches the current in the horizontal yoke and flyback at the line rate. It runs from regulated B+; at each retrace it turns off sharply, and the flyback&apos;s pulses make the high voltage, focus and scan-derived supplies. A shorted output transistor is a very common cause of a blown fuse and a dead set; the stage also causes no raster, a narrow picture or a loud squeal. An open S-correction capacitor, yoke plug or yoke joint leaves a single vertical line: turn the brightness down at once, or it burns the phosphor. Usual culprits: the output transistor, the flyback (shorted turns), the retrace and S-correction capacitors, the width and linearity coils, the yoke plug and its joints. Find why a transistor failed before fitting a new one. Measure B+ with a meter at the flyback&apos;s B+ pin or the regulator&apos;s output, not at the collector.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/horizontal-yoke</name>
    <message>
        <source>Horizontal deflection yoke</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished">Yugo de deflexión horizontal</translation>
    </message>
    <message>
        <source>The horizontal yoke winding moves the beams across the screen along each scan line. The horizontal output stage drives a sawtooth current through it at 15,734 Hz, through the S-correction capacitor in series, and it forms part of the output&apos;s resonant circuit with the flyback and the retrace capacitor. An open winding, plug, joint or S-correction capacitor gives a single vertical line (turn the brightness down at once: it burns the phosphor); shorted turns give a narrow picture, a hot output transistor, a blown fuse or a hold-down shutdown. Its faults look like horizontal output faults, so check that stage first. With the set off, the winding reads well under an ohm to a few ohms (typical); a shorted turn does not show on an ohmmeter but does on a ringing tester. Look for burnt spots in its insulation.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/hv-hold-down</name>
    <message>
        <source>High voltage hold-down</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished">Protección de alta tensión</translation>
    </message>
    <message>
        <source>The high voltage hold-down shuts the horizontal stage off if the high voltage rises too high. Excess anode voltage makes the tube give off X-rays, so this circuit senses a pulse or voltage in step with the high voltage, usually from a flyback winding, and fires an SCR or the jungle IC&apos;s shutdown. When it trips, the set starts for a moment and shuts off, or the horizontal stage stops while the rest runs: no raster. It trips either because the high voltage really is too high (high B+, an open retrace capacitor, a regulator fault) or because it is faulty itself: a drifted sense resistor, a leaky capacitor or a faulty SCR. Never disable it to make a set play. Measure B+ first, then the anode voltage with a high voltage probe.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/hv-rectifier</name>
    <message>
        <source>High voltage rectifier (tripler)</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The high voltage rectifier turns the flyback&apos;s pulses into the picture tube&apos;s anode voltage. In many sets a tripler does it, diodes and capacitors stacked to give about three times the pulse&apos;s peak; later flybacks contain the diodes. It also gives the focus voltage, typically a few kilovolts, for a high voltage probe only. The anode voltage goes with screen size: about 20 to 25 kV on small color sets, 25 to 30 kV on large ones. A shorted tripler loads the flyback: the horizontal stage shuts down or fails, and it may squeal or arc; an open one gives no high voltage and no raster. Where there is no separate tripler, the flyback itself fails: an internal HV diode, or its focus and screen divider breaking down, gives arcing, shutdown, poor focus or a drifting screen voltage. Look for burn marks with the set off.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/hv-regulator</name>
    <message>
        <source>High voltage regulator</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished">Regulador de alta tensión</translation>
    </message>
    <message>
        <source>The high voltage regulator keeps the anode voltage steady as the beam current changes with the picture&apos;s brightness. Depending on the set it controls the B+ to the horizontal output, the flyback&apos;s load or the retrace timing. If it lets the high voltage fall, the picture is dim, blooms (grows larger) and loses focus on bright scenes; if it lets it rise, the hold-down shuts the set off or there is no raster. Usual culprits: the regulator transistor or saturable reactor, its control transistor, the divider resistors of its sample. With a high voltage probe, measure the anode voltage at low and at high brightness: a good regulator holds it within a few percent (typical), and the picture size stays the same.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/linear-supply</name>
    <message>
        <source>Linear power supply</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A linear power supply rectifies and filters the mains, then steadies it with a series-pass regulator. Diodes rectify the mains, often after a transformer; a choke or resistor and filter capacitors smooth it; the pass transistor, with a Zener diode as its reference, drops the surplus voltage as heat, so it sits on a heat sink. Faults: a dead set from an open fuse, winding or rectifier; hum bars and hum in the sound from dried filter capacitors; low or unsteady B+ from a failing pass transistor or a drifted Zener. A pass transistor that fails shorted passes the full raw voltage. Measure the raw DC at the filter capacitor and the regulated DC after the regulator with a meter: the output should hold steady while the brightness changes.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/loudspeaker</name>
    <message>
        <source>Loudspeaker</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished">Parlante</translation>
    </message>
    <message>
        <source>The loudspeaker turns the audio amplifier&apos;s output into sound. A speaker fault gives no sound, a buzz or rattle on loud passages (a torn cone or a rubbing voice coil), or weak, tinny sound. Check it on its own: with the set off, it reads a little below its marked impedance, typically 3 to 7 ohms for a 4 to 8 ohm speaker, and a brief touch of a 1.5 V cell gives a click. Open leads, a broken plug or an earphone jack with dirty contacts that cut the speaker off also silence it. A speaker makes no steady hum of its own: a hum comes from the circuits before it. Fit only a shielded replacement near the tube: a strong magnet there stains the colors.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/low-voltage-supply</name>
    <message>
        <source>Low voltage power supply</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished">Fuente de baja tensión</translation>
    </message>
    <message>
        <source>The low voltage power supply turns the mains into the steady DC voltages the set runs on. Diodes rectify the mains, and large electrolytic capacitors filter it into the raw B+, typically 120 to 160 V DC on a set without a mains transformer. Dried-out filter capacitors let ripple through: dark hum bars drifting up the picture, hum in the sound, wavy edges. Usual culprits: filter capacitors, shorted rectifier diodes, open fusible resistors. Measure the DC across the main filter capacitor with a meter. Feeding 0.4 to 1 A, it carries several volts peak to peak of ripple; only after the regulator is the ripple well under a volt. Judge it by its ESR or capacitance, or bridge it with a good one of the same rating: with the set unplugged and discharged, clip it in with the polarity right, then power up; discharge it again before unclipping.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/noise-canceller</name>
    <message>
        <source>Noise cancelling amplifier</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished">Amplificador cancelador de ruido</translation>
    </message>
    <message>
        <source>The noise cancelling amplifier removes noise spikes from the video before they reach the sync separator. Interference from car ignitions or appliances would otherwise trigger false sync. It passes the video and sync, and cancels any pulse reaching beyond the sync tips; the Noise level knob sets that threshold. Set too tight, it clips the real sync and the picture rolls or tears; set too loose, noise bursts make the picture jitter or bend on weak stations. It cannot affect brightness, color or sound. Usual culprits: the canceller transistor, a leaky coupling capacitor, a worn Noise level control. Scope its output: clean sync pulses of the same height as at the input, without the noise spikes.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/phase-shift-network</name>
    <message>
        <source>Phase shift network</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished">Red desfasadora</translation>
    </message>
    <message>
        <source>The phase shift network gives each color demodulator its 3.58 MHz reference at the right phase angle. It takes the oscillator&apos;s output and sets the references apart by fixed angles, for example R-Y and B-Y 90 degrees apart on many sets. A part that has changed value puts one reference at the wrong angle: some colors right and others wrong, such as good skin tones with wrong greens, and no setting of the Tint control corrects them all. An open part loses one color difference signal. Usual culprits: the network&apos;s capacitors, resistors or coil, a cracked solder joint. Compare the references at the demodulator inputs on a dual-trace scope: similar amplitudes, at the angles the service data give.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/picture-tube</name>
    <message>
        <source>Picture tube</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished">Tubo de imagen</translation>
    </message>
    <message>
        <source>The picture tube turns the three color signals into light on its phosphor screen. Each cathode&apos;s beam is varied by its control grid and the video drive; the screen grid (G2), set by the Screen control to several hundred volts, accelerates it; the focus electrode sharpens it; the anode, at about 20 to 30 kV by screen size, draws it to the screen. No heater glow, an open anode lead or a very low screen voltage gives no raster with sound; a worn tube gives a dim, smeared picture; a short inside it floods the screen with one color. A failing flyback divider gives poor focus and a drifting screen voltage. Cathode voltages read well on an ordinary meter; G2 comes from a divider of tens to hundreds of megohms, which a 10 MΩ meter reads low: measure it with a high voltage probe or as the service data say.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/pincushion</name>
    <message>
        <source>Pincushion correction circuit</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pincushion circuit straightens the edges of the raster, which a wide-angle color tube would otherwise bow inward. Side (east-west) correction puts a field-rate parabola into the horizontal yoke current, through a transformer or a diode modulator in series with it; top and bottom correction puts a line-rate waveform into the vertical yoke, and many in-line sets have none. The Phase control centers the correction so that the bend is symmetrical. Faults bow the sides or make the edges wavy. A shorted east-west part, such as a modulator diode, capacitor or transistor, loads the horizontal output: a narrow picture, a failed output transistor or a shutdown. Set amplitude and phase on a crosshatch pattern for straight edges. Scope the correction waveform at its control point: a smooth parabola at the field rate.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/rgb-drivers</name>
    <message>
        <source>Red, green and blue video drivers</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The red, green and blue video drivers amplify the color signals to drive the picture tube&apos;s three cathodes. They typically swing tens of volts, up to about a hundred, from a supply of some 150 to 250 V, on a board at the tube&apos;s neck. The RGB Drive controls set each driver&apos;s gain, and with it the highlights only: gray in low light is set first with the cutoff (bias) and Screen controls, then the drive, and the two are repeated in turn. A driver that stops conducting loses its color; one that conducts hard floods the screen with that color, with retrace lines. Usual culprits: the driver transistors, their load resistors, cracked solder joints at the tube socket. Measure the three collector voltages with a meter: typically close together, about 100 to 200 V; the odd one out points to its driver or to the tube.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/scan-derived-supply</name>
    <message>
        <source>Scan-derived power supply</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A scan-derived supply makes low voltage supplies by rectifying pulses from extra windings on the flyback transformer. Typically it feeds the vertical output, the video drivers, the sound and the small-signal stages. These supplies exist only while the horizontal output runs, so a horizontal fault kills them all and the set looks dead; a short on one of them loads the flyback, and the horizontal stage shuts down or fails. Symptoms: no raster and no sound together, or one function missing, such as a single horizontal line when the vertical supply is lost. Usual culprits: open fusible resistors, shorted rectifier diodes, dried filter capacitors. Measure each rectified output to ground with a meter.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/sound-detector</name>
    <message>
        <source>Sound detector</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished">Detector de sonido</translation>
    </message>
    <message>
        <source>The sound detector turns the frequency swings of the 4.5 MHz sound carrier back into audio. It is a ratio detector, a quadrature detector or a PLL, usually inside the sound IC, with a tuned coil or ceramic resonator. A fault gives no sound, distorted sound or a strong buzz while the picture is good; a mistuned quadrature coil gives buzz that changes with the picture. Usual culprits: the detector coil out of tune, the sound IC, a ratio detector&apos;s diodes or capacitor. Tune the coil on a station, with a plastic tool, for the clearest sound and the least buzz. Scope its output: audio of typically some hundreds of millivolts, the same waveform the speaker should reproduce.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/sound-if-amplifier</name>
    <message>
        <source>Sound IF amplifier</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished">Amplificador de FI de sonido</translation>
    </message>
    <message>
        <source>The sound IF amplifier raises the 4.5 MHz sound carrier and limits it before the FM detector. Limiting clips its amplitude, so that noise and buzz from the picture are removed before detection. A dead stage gives no sound with a good picture; a weak stage or poor limiting gives hiss, buzz or sound that fades in and out. It cannot cause picture faults. Usual culprits: the sound IF IC or transistors, a 4.5 MHz ceramic filter, open decoupling capacitors, misaligned coils. Scope its input and output on a station: the output should be larger and flat-topped; a signal at the input but none at the output points here. Measure its supply with a meter.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/sound-if-detector</name>
    <message>
        <source>Sound IF detector</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished">Detector de FI de sonido</translation>
    </message>
    <message>
        <source>The sound IF detector takes off the 4.5 MHz sound signal from the beat of the picture and sound IF carriers. The 4.5 MHz signal still carries the FM sound, and goes on to the sound IF amplifier. The detector is fed from the video IF amplifiers, so faults there affect picture and sound alike; a fault in this stage leaves a good picture with no sound, or weak, buzzing sound. Usual culprits: the detector diode or IC, its 4.5 MHz takeoff coil or ceramic filter, a cracked coil slug. On a station, scope or signal-trace its output: a 4.5 MHz signal of typically tens to hundreds of millivolts. A 4.5 MHz FM signal injected past it that gives sound proves everything after it.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/sound-trap</name>
    <message>
        <source>Sound trap</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound trap keeps the 4.5 MHz sound carrier out of the picture after the video detector. It is a tuned circuit or ceramic filter set to 4.5 MHz, the spacing between the picture and sound carriers. If it is mistuned or a part fails, the sound beats with the picture: fine moving bars or a herringbone pattern that change with the sound, strongest on loud passages. It has no effect on the sound itself, nor on sync or raster. Some sets also trap the 41.25 MHz sound IF before the detector, or leave the job to the SAW filter. Turn the trap&apos;s coil slug with a plastic alignment tool, on a station, for the least pattern; a ceramic trap has no adjustment and is replaced. Free a stuck slug gently; a cracked one must be replaced.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/switching-supply</name>
    <message>
        <source>Switching power supply</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A switching power supply chops rectified mains at high frequency through a small transformer to make the set&apos;s supplies. The mains is rectified straight to about 150 to 170 V DC (from 120 V mains) and switched at tens of kilohertz; a feedback loop, usually through an optocoupler, holds the outputs steady. Symptoms: a dead set, low outputs, or a chirping supply. A chirp most often means an overloaded secondary: disconnect the B+ load, put a 60 to 100 W lamp on the B+ output and power up; a steady supply and a lit lamp put the fault in the load. Usual culprits: open start-up resistors, dried small electrolytics, the optocoupler, shorted secondary diodes. A shorted switching transistor blows the fuse and often takes the sense resistor, a fusible resistor and the control IC with it: check them all. Measure primary parts against the primary (hot) ground only.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/sync-separator</name>
    <message>
        <source>Sync separator</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sync separator strips the picture from the video and keeps only the sync pulses that time both scans. Horizontal pulses at 15,734 Hz go to the horizontal AFC; vertical pulses at 59.94 Hz, after an integrator, go to the vertical oscillator. When it fails the picture rolls and tears at once, and the hold controls hold it only for a moment. Weak sync shows as bending at the top, rolling on scene changes, or a picture that holds one way but not the other. It cannot cause a loss of raster, but it can cost the color: with the horizontal lock lost, the flyback-keyed burst gate misses the burst and the killer cuts the color. Usual culprits: the separator transistor, leaky coupling capacitors, drifted bias resistors, or weak video from the AGC or IF. Scope its output: clean sync pulses, several volts high, with no picture in them.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/third-video-amplifier</name>
    <message>
        <source>3rd video amplifier and brightness limiter</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished">3er amplif. de video y limitador de brillo</translation>
    </message>
    <message>
        <source>The 3rd video amplifier is a luminance stage: it brings the brightness signal up to the level the video drivers need. It adds the Brightness control&apos;s DC level and the retrace blanking. The brightness limiter beside it senses the tube&apos;s beam current, usually at the flyback&apos;s return, and lowers contrast and brightness when the current grows too high, to protect the tube and the high voltage circuits. Faults: no picture on a lit raster, a picture too bright or too dark that the controls cannot set, retrace lines, or a picture that dims on bright scenes. Usual culprits: the amplifier transistor, a leaky clamp capacitor, the limiter&apos;s sensing resistor or diode. Measure its output DC with a meter as the Brightness control turns: it should change smoothly.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/tint-control</name>
    <message>
        <source>Tint control</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Tint control turns all colors together around the color wheel by shifting the reference&apos;s phase. Turned one way faces go green, the other way purple. Set it for natural skin tones on a good station, after setting the color level. If the right tint falls at one end of the control&apos;s travel, or differs from station to station, the fault is elsewhere: the phase shift network, the phase detector or the oscillator, or the fine tuning. Tint that changes when the control is touched points to a dirty track. On later sets the control sends a DC voltage to the chroma IC: check with a meter that it changes smoothly across its travel.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/tuning-control</name>
    <message>
        <source>Remote tuning system</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The remote tuning system chooses the channel on sets that are tuned electronically. It holds a receiver for the remote control, a control microprocessor or tuning IC, the band switching outputs and the varactor tuning voltage sent to the tuners. Symptoms: channels cannot be changed, the wrong channel appears, stations drift or fade soon after a channel change, or the set ignores the remote while its front keys work. A good tuner fed the right voltages still works, so measure those voltages first. Usual culprits: the tuning voltage supply, often about 30 to 33 V from a regulator, leaky capacitors on the tuning line, the remote receiver, the front keys, and flat batteries in the remote. With a meter, the tuning voltage should change from channel to channel and then hold steady.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/uhf-tuner</name>
    <message>
        <source>UHF tuner</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished">Selector UHF</translation>
    </message>
    <message>
        <source>The UHF tuner selects channels 14 to 83 and converts the chosen one to the set&apos;s intermediate frequency. It covers 470 to 890 MHz with an RF input stage, a local oscillator and a mixer, and passes its IF, 45.75 MHz picture and 41.25 MHz sound carriers, to the VHF tuner, which amplifies it further. Tuning is by a dial capacitor or by a varactor tuning voltage. Symptoms: snow or no signal on UHF channels while VHF is good, or UHF stations that drift. It cannot cause faults on VHF alone or raster faults. Usual culprits: the mixer diode, a weak oscillator transistor, dirty tuning contacts, a missing supply or tuning voltage. Measure the tuner&apos;s supply and, on varactor tuners, its tuning voltage, typically 0 to about 30 V across the band, with a meter.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/vertical-amplifier</name>
    <message>
        <source>Vertical deflection amplifier</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished">Amplificador de deflexión vertical</translation>
    </message>
    <message>
        <source>The vertical deflection amplifiers turn the oscillator&apos;s waveform into the current that drives the vertical yoke. The first stage shapes the sawtooth and carries the size and linearity adjustments; the output stage delivers the yoke current, often from a supply of about 25 to 60 V (typical). A dead stage gives a single horizontal line, or, on the many later sets with vertical protection, a blanked screen or a shutdown; weak drive gives too little height or a cramped top or bottom. Usual culprits: the output transistors or IC, cracked solder joints at the output IC (height that collapses to a line now and then), the retrace boost (flyback) capacitor or diode (fold-over at the top), the supply&apos;s fusible resistor, dried coupling and feedback capacitors. Measure the supply with a meter, then scope the yoke: a sawtooth with a sharp retrace pulse, often tens of volts high.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/vertical-hold</name>
    <message>
        <source>Vertical hold control</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The vertical hold control sets the vertical oscillator&apos;s free-running rate so that the sync can lock it. Turned too far either way, the picture rolls up or down. To set it, turn it slowly until the picture rolls, then back the other way, and leave it in the middle of the range where the picture locks; a healthy set holds firmly over a good part of the travel. If the picture locks only at one end of the travel, or not at all, the control is not at fault: look at the vertical oscillator&apos;s timing parts or at the sync separator. A picture that jumps when the control is touched means a dirty or worn track: clean the control with contact cleaner or replace it.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/vertical-linearity</name>
    <message>
        <source>Vertical linearity control</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The vertical linearity control evens out the speed of the vertical scan from top to bottom. Misadjusted, it stretches the top of the picture and cramps the bottom, or the reverse, so circles turn into eggs. It interacts with the vertical size control: adjust the two in turns on a crosshatch or test pattern, or on a round station logo, setting linearity for equal squares from top to bottom and then height for a picture that just fills the screen. If neither control corrects the stretch, the fault is in the vertical amplifier, most often a dried coupling or feedback capacitor. A worn or dirty track makes the picture&apos;s height jump when the control is touched.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/vertical-oscillator</name>
    <message>
        <source>Vertical deflection oscillator</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished">Oscilador de deflexión vertical</translation>
    </message>
    <message>
        <source>The vertical oscillator sets the rate of the vertical scan, locked to the vertical sync pulses. It runs free a little below 60 Hz, the sync pulses pull it into step, and it sends a sawtooth or pulse to the vertical amplifiers; on later sets it is a countdown circuit in the jungle IC. Symptoms: a picture that rolls and will not hold, or holds only at one end of the hold control. If it stops, older sets show a single bright horizontal line (turn the brightness down, or it burns the phosphor); many later sets have vertical protection that blanks the tube or shuts the set down instead. It cannot cause horizontal tearing. Usual culprits: timing capacitors and resistors that have changed value, leaky coupling capacitors, the oscillator transistor or IC. Scope its output for a steady waveform at the field rate.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/vertical-size</name>
    <message>
        <source>Vertical size (height) control</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The vertical size (height) control sets how far the picture reaches toward the top and bottom of the screen. It sets the amplitude of the vertical scan. Set too low, black bands show at the top and bottom; set too high, the top and bottom of the picture are lost behind the mask. It interacts with the vertical linearity control, so adjust the two in turns on a test pattern. If the picture will not reach full height at any setting, the control is not at fault: suspect a low supply to the vertical output stage, a weak output transistor or IC, or a dried capacitor in the vertical amplifier; height that shrinks as the set warms up points to the same stage. A dirty track makes the height jump when the control is touched.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/vertical-yoke</name>
    <message>
        <source>Vertical deflection yoke</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished">Yugo de deflexión vertical</translation>
    </message>
    <message>
        <source>The vertical yoke winding on the tube&apos;s neck moves the beams up and down the screen. The vertical output stage drives a sawtooth current through it at the field rate. An open winding gives a single bright horizontal line, or a blanked screen or shutdown where the set has vertical protection; shorted turns give reduced height or a keystone-shaped picture, and the output stage may overheat. The yoke itself rarely fails, so check the vertical output stage first. With the set off, measure the winding with a meter: typically a few ohms to a few tens of ohms, equal for both halves where it is split. Look for burnt insulation and loose plugs. Mark the yoke&apos;s position before removing it: moving it upsets purity and convergence.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/vhf-tuner</name>
    <message>
        <source>VHF tuner</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished">Selector VHF</translation>
    </message>
    <message>
        <source>The VHF tuner selects channels 2 to 13 and converts the chosen one to the set&apos;s intermediate frequency. It covers 54 to 216 MHz with an RF amplifier, an oscillator and a mixer, and sends the 45.75 MHz IF on to the video IF amplifiers. The delayed AGC turns its RF gain down on strong stations, and the AFT corrects its oscillator. Symptoms: snow or no picture on VHF channels, channels that come and go when the knob is wiggled, drifting tuning. A fault on both bands can still be here: the UHF tuner&apos;s IF passes through this tuner, and the two share the supply, the AGC and the band switching; only UHF bad with VHF good points to the UHF tuner. Usual culprits: dirty switch contacts, the RF or mixer transistor, a missing supply, the AGC line. Measure the supply, AGC and tuning voltages with a meter.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/video-amplifier</name>
    <message>
        <source>Video amplifier</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished">Amplificador de video</translation>
    </message>
    <message>
        <source>The video amplifier raises the detected video to working level and shares it out to the stages that need it. Its output feeds the luminance and chroma circuits (toward the 2nd video amplifier), the sync separator and the AGC. A failure gives a lit raster with no picture and no sync; low gain gives a weak, washed-out picture and weak sync; a leaky coupling capacitor shifts the black level. In a DC-coupled video chain a DC fault can go further: cut all three guns off (a dark screen with the high voltage present) or drive them to full brightness. Usual culprits: the amplifier transistor, its emitter bypass or coupling capacitors, the dropping resistor of its supply. Scope its input and output on a station: the same picture, larger at the output, typically a few volts peak to peak, with clean sync tips.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/video-detector</name>
    <message>
        <source>Video detector</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished">Detector de video</translation>
    </message>
    <message>
        <source>The video detector recovers the composite video, with its sync and color, from the IF signal. Older sets use a diode; later ones a synchronous detector in the IF IC, which mixes the IF with a carrier rebuilt from a tuned coil, for less distortion. In many sets it also produces the 4.5 MHz sound carrier, which a sound trap keeps out of the picture. A failure gives a lit raster with no picture; a mistuned synchronous detector coil gives a weak, buzzing or distorted picture and sound. It cannot cause raster or deflection faults. Usual culprits: the detector diode, the detector coil, the IF IC. Scope the output on a station: typically 1 to 3 V peak to peak of composite video, with the sync pulses plainly visible.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/video-if-amplifiers</name>
    <message>
        <source>Video IF amplifiers</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished">Amplificadores de FI de video</translation>
    </message>
    <message>
        <source>The front end&apos;s 2nd and 3rd video amplifiers are IF amplifiers, giving most of the set&apos;s gain at about 45 MHz. They raise the tuner&apos;s small signal to the level the video detector needs, with a gain that the AGC voltage sets; the sound IF is taken from their output. On later sets they sit in one IF IC with the synchronous detector. A failure gives a clean raster with no picture and no sound on every channel; low gain gives a weak picture with little snow, since snow is noise from the antenna and tuner (marked snow points there); oscillation gives herringbone patterns or an overloaded picture. Usual culprits: the IF IC or transistors, open decoupling capacitors, misaligned coils. Measure the supply and the AGC voltage with a meter; then inject an IF signal stage by stage to find where it is lost.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>areanotes/voltage-regulator</name>
    <message>
        <source>Voltage regulator</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished">Regulador de tensión</translation>
    </message>
    <message>
        <source>The voltage regulator holds the B+ steady whatever the mains voltage or the brightness of the picture. It turns the raw B+ from the filter capacitors into the regulated B+, typically about 100 to 150 V DC on color sets (the service data give the exact figure), mainly for the horizontal output stage. It may be a series-pass transistor with a Zener reference, an SCR or a switching regulator. A shorted pass element gives high B+, which may trip the hold-down and shut the set off; an open one gives no B+ and a dead set; low B+ gives a narrow, dim picture. Usual culprits: on a series regulator the pass transistor, Zener reference and error amplifier; on a switching one the switching transistor, control IC, optocoupler and a shorted secondary diode, which makes it chirp. Measure input and output DC to chassis ground with a meter.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>calculators::Channels</name>
    <message>
        <source>Video Carrier= </source>
        <translation>Portadora de video= </translation>
    </message>
    <message>
        <source>Color Carrier= </source>
        <translation>Portadora de color= </translation>
    </message>
    <message>
        <source>Sound Carrier= </source>
        <translation>Portadora de sonido= </translation>
    </message>
    <message>
        <source>Center frequency= </source>
        <translation>Frecuencia central= </translation>
    </message>
    <message>
        <source>Oscillator frequency= </source>
        <translation>Frecuencia del oscilador= </translation>
    </message>
    <message>
        <source>Enter a channel number from 2 to 83</source>
        <translation>Escriba un número de canal del 2 al 83</translation>
    </message>
    <message>
        <source>There is no channel 1</source>
        <translation>No existe el canal 1</translation>
    </message>
    <message>
        <source>No TV channels above channel 83</source>
        <translation>No hay canales de TV por encima del 83</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>japonesa</translation>
    </message>
    <message>
        <source>A2 stereo</source>
        <translation>estéreo A2</translation>
    </message>
    <message>
        <source>Australian</source>
        <translation>australiana</translation>
    </message>
    <message>
        <source>US broadcast (M/NTSC)</source>
        <translation>EE. UU., aire (M/NTSC)</translation>
    </message>
    <message>
        <source>2 to 83</source>
        <translation>2 a 83</translation>
    </message>
    <message>
        <source>Channels 70 to 83 were given up in the 1980s, 52 to 69 in 2009 and 38 to 51 in 2020.</source>
        <translation>Los canales 70 a 83 se dejaron en los años 80, los 52 a 69 en 2009 y los 38 a 51 en 2020.</translation>
    </message>
    <message>
        <source>US cable Standard (M/NTSC)</source>
        <translation>EE. UU., cable estándar (M/NTSC)</translation>
    </message>
    <message>
        <source>2 to 158</source>
        <translation>2 a 158</translation>
    </message>
    <message>
        <source>Cable channels 14 to 22 (A to I) and 95 to 99 (A-5 to A-1) lie between broadcast 6 and 7.</source>
        <translation>Los canales de cable 14 a 22 (A a I) y 95 a 99 (A-5 a A-1) quedan entre los canales de aire 6 y 7.</translation>
    </message>
    <message>
        <source>US cable HRC (M/NTSC)</source>
        <translation>EE. UU., cable HRC (M/NTSC)</translation>
    </message>
    <message>
        <source>1 to 158</source>
        <translation>1 a 158</translation>
    </message>
    <message>
        <source>HRC vision carriers lie on multiples of 6 MHz (6.0003 MHz exactly).</source>
        <translation>En HRC las portadoras de video caen en múltiplos de 6 MHz (6,0003 MHz exactos).</translation>
    </message>
    <message>
        <source>US cable IRC (M/NTSC)</source>
        <translation>EE. UU., cable IRC (M/NTSC)</translation>
    </message>
    <message>
        <source>IRC lower edges lie on multiples of 6 MHz; 5 and 6 are 2 MHz above broadcast.</source>
        <translation>En IRC los bordes inferiores caen en múltiplos de 6 MHz; el 5 y el 6 quedan 2 MHz por encima de los de aire.</translation>
    </message>
    <message>
        <source>Japan (M/NTSC)</source>
        <translation>Japón (M/NTSC)</translation>
    </message>
    <message>
        <source>1 to 62</source>
        <translation>1 a 62</translation>
    </message>
    <message>
        <source>Channels 7 and 8 overlap by 2 MHz.</source>
        <translation>Los canales 7 y 8 se solapan 2 MHz.</translation>
    </message>
    <message>
        <source>Western Europe (B/G PAL)</source>
        <translation>Europa occidental (B/G PAL)</translation>
    </message>
    <message>
        <source>E2 to E12, S1 to S41 and 21 to 69</source>
        <translation>E2 a E12, S1 a S41 y 21 a 69</translation>
    </message>
    <message>
        <source>NICAM countries put the second sound carrier 5.85 MHz above vision.</source>
        <translation>Los países con NICAM ponen la segunda portadora de sonido 5,85 MHz por encima de la de video.</translation>
    </message>
    <message>
        <source>United Kingdom and Ireland (I PAL)</source>
        <translation>Reino Unido e Irlanda (I PAL)</translation>
    </message>
    <message>
        <source>21 to 68</source>
        <translation>21 a 68</translation>
    </message>
    <message>
        <source>Band I channels 2 to 4 (L&apos;, sound below vision) are not covered.</source>
        <translation>No se incluyen los canales 2 a 4 de la banda I (L&apos;, sonido por debajo del video).</translation>
    </message>
    <message>
        <source>Italy (B/G PAL)</source>
        <translation>Italia (B/G PAL)</translation>
    </message>
    <message>
        <source>A to H, H1, H2 and 21 to 69</source>
        <translation>A a H, H1, H2 y 21 a 69</translation>
    </message>
    <message>
        <source>Enter a channel of the %1 plan: %2</source>
        <translation>Escriba un canal del plan %1: %2</translation>
    </message>
    <message>
        <source>There is no channel %1 in the %2 plan, which has %3</source>
        <translation>No hay canal %1 en el plan %2, que tiene %3</translation>
    </message>
    <message>
        <source>Enter a frequency in MHz from %1 to %2, such as %3</source>
        <translation>Escriba una frecuencia en MHz de %1 a %2, por ejemplo %3</translation>
    </message>
    <message>
        <source>vision carrier</source>
        <translation>portadora de video</translation>
    </message>
    <message>
        <source>colour subcarrier</source>
        <translation>subportadora de color</translation>
    </message>
    <message>
        <source>second colour subcarrier (Dr)</source>
        <translation>segunda subportadora de color (Dr)</translation>
    </message>
    <message>
        <source>sound carrier</source>
        <translation>portadora de sonido</translation>
    </message>
    <message>
        <source>second sound carrier</source>
        <translation>segunda portadora de sonido</translation>
    </message>
    <message>
        <source>lower edge</source>
        <translation>borde inferior</translation>
    </message>
    <message>
        <source>upper edge</source>
        <translation>borde superior</translation>
    </message>
    <message>
        <source>in the band, %1 MHz below vision</source>
        <translation>dentro de la banda, %1 MHz por debajo del video</translation>
    </message>
    <message>
        <source>in the band, %1 MHz above vision</source>
        <translation>dentro de la banda, %1 MHz por encima del video</translation>
    </message>
    <message>
        <source>oscillator (%1 MHz) of a set tuned to it</source>
        <translation>oscilador (%1 MHz) de un televisor sintonizado en él</translation>
    </message>
    <message>
        <source>image (%1 to %2 MHz) of a set tuned to it</source>
        <translation>imagen (%1 a %2 MHz) de un televisor sintonizado en él</translation>
    </message>
    <message>
        <source>Channel %1, %2: %3 to %4 MHz, vision %5, colour %6</source>
        <translation>Canal %1, %2: %3 a %4 MHz, video %5, color %6</translation>
    </message>
    <message>
        <source> and %1</source>
        <translation> y %1</translation>
    </message>
    <message>
        <source>, sound %1</source>
        <translation>, sonido %1</translation>
    </message>
    <message>
        <source>, second sound %1 (%2)</source>
        <translation>, segundo sonido %1 (%2)</translation>
    </message>
    <message>
        <source>. Oscillator %1 MHz for the %2 vision IF of %3 MHz.</source>
        <translation>. Oscilador en %1 MHz para la FI de video %2 de %3 MHz.</translation>
    </message>
    <message>
        <source>%1, offsets in MHz</source>
        <translation>%1, separaciones en MHz</translation>
    </message>
    <message>
        <source>V vision: lower edge %1</source>
        <translation>V video: borde inferior %1</translation>
    </message>
    <message>
        <source>C colour: V %1, C2: V %2</source>
        <translation>C color: V %1, C2: V %2</translation>
    </message>
    <message>
        <source>C colour: V %1</source>
        <translation>C color: V %1</translation>
    </message>
    <message>
        <source>S sound: V %1</source>
        <translation>S sonido: V %1</translation>
    </message>
    <message>
        <source>S2 %1: V %2</source>
        <translation>S2 %1: V %2</translation>
    </message>
    <message>
        <source>Oscillator: V %1 (%2 IF)</source>
        <translation>Oscilador: V %1 (FI %2)</translation>
    </message>
    <message>
        <source>France (L SECAM, historic)</source>
        <translation>Francia (L SECAM, histórico)</translation>
    </message>
    <message>
        <source>5 to 10 and 21 to 65</source>
        <translation>5 a 10 y 21 a 65</translation>
    </message>
    <message>
        <source>Eastern Europe (D/K SECAM)</source>
        <translation>Europa oriental (D/K SECAM)</translation>
    </message>
    <message>
        <source>R1 to R12 and 21 to 69</source>
        <translation>R1 a R12 y 21 a 69</translation>
    </message>
    <message>
        <source>China (D/K PAL)</source>
        <translation>China (D/K PAL)</translation>
    </message>
    <message>
        <source>DS1 to DS68</source>
        <translation>DS1 a DS68</translation>
    </message>
    <message>
        <source>Australia (B/G PAL)</source>
        <translation>Australia (B/G PAL)</translation>
    </message>
    <message>
        <source>0 to 12, 5A, 9A and 28 to 69</source>
        <translation>0 a 12, 5A, 9A y 28 a 69</translation>
    </message>
    <message>
        <source>Brazil (M/PAL)</source>
        <translation>Brasil (M/PAL)</translation>
    </message>
    <message>
        <source>2 to 69</source>
        <translation>2 a 69</translation>
    </message>
</context>
<context>
    <name>calculators::Colours</name>
    <message>
        <source>black</source>
        <translation>negro</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>marrón</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>naranja</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarillo</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>violet</source>
        <translation>violeta</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>gris</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanco</translation>
    </message>
    <message>
        <source>gold</source>
        <translation>dorado</translation>
    </message>
    <message>
        <source>silver</source>
        <translation>plateado</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rosa</translation>
    </message>
    <message>
        <source>gray</source>
        <translation>gris</translation>
    </message>
    <message>
        <source>Not a 1st color code</source>
        <translation>No es un color de 1.ª cifra</translation>
    </message>
    <message>
        <source>Not a 2nd color code</source>
        <translation>No es un color de 2.ª cifra</translation>
    </message>
    <message>
        <source>%1 volts</source>
        <translation>%1 voltios</translation>
    </message>
</context>
<context>
    <name>calculators::Markings</name>
    <message>
        <source>Choose the bands, starting from the first digit.</source>
        <translation>Elija las bandas, empezando por la primera cifra.</translation>
    </message>
    <message>
        <source>%1 alone is no marking: a single band is black, the zero-ohm link.</source>
        <translation>%1 solo no es ningún código: una única banda es negra, el puente de cero ohmios.</translation>
    </message>
    <message>
        <source>A resistor has 3, 4, 5 or 6 bands.</source>
        <translation>Una resistencia tiene 3, 4, 5 o 6 bandas.</translation>
    </message>
    <message>
        <source>%1 stands for no digit, so it cannot be band %2.</source>
        <translation>%1 no indica ninguna cifra, así que no puede ser la banda %2.</translation>
    </message>
    <message>
        <source>Black cannot be the first band of a value: a marking does not begin with a zero.</source>
        <translation>El negro no puede ser la primera banda de un valor: un código no empieza por cero.</translation>
    </message>
    <message>
        <source>%1 stands for no tolerance, so it cannot be band %2.</source>
        <translation>%1 no indica ninguna tolerancia, así que no puede ser la banda %2.</translation>
    </message>
    <message>
        <source>%1 stands for no temperature coefficient, so it cannot be band 6.</source>
        <translation>%1 no indica ningún coeficiente de temperatura, así que no puede ser la banda 6.</translation>
    </message>
    <message>
        <source>Too small for %1 bands: the smallest they mark is %2.</source>
        <translation>Demasiado pequeño para %1 bandas: el menor que marcan es %2.</translation>
    </message>
    <message>
        <source>Too large for %1 bands: the largest they mark is %2.</source>
        <translation>Demasiado grande para %1 bandas: el mayor que marcan es %2.</translation>
    </message>
    <message>
        <source>No band stands for a tolerance of %1.</source>
        <translation>Ninguna banda indica una tolerancia de %1.</translation>
    </message>
    <message>
        <source>No band stands for %1 ppm/K.</source>
        <translation>Ninguna banda indica %1 ppm/K.</translation>
    </message>
    <message>
        <source>Too many figures for a capacitor marking.</source>
        <translation>Demasiadas cifras para el código de un condensador.</translation>
    </message>
    <message>
        <source>A capacitor marking begins with its value, such as 104, 4R7, 47, 4n7, 47p or .01.</source>
        <translation>El código de un condensador empieza por su valor, como 104, 4R7, 47, 4n7, 47p o .01.</translation>
    </message>
    <message>
        <source>A third figure of 7 multiplies by nothing in a capacitor code.</source>
        <translation>Una tercera cifra 7 no es ningún multiplicador en el código de un condensador.</translation>
    </message>
    <message>
        <source>3-figure code</source>
        <translation>código de 3 cifras</translation>
    </message>
    <message>
        <source>picofarads written out</source>
        <translation>picofaradios escritos</translation>
    </message>
    <message>
        <source>unit given</source>
        <translation>con unidad</translation>
    </message>
    <message>
        <source>a plain decimal: microfarads</source>
        <translation>un decimal sin unidad: microfaradios</translation>
    </message>
    <message>
        <source>Type the marking printed on the capacitor, such as 104K 2A, 4n7 or .047 400V.</source>
        <translation>Escriba el código impreso en el condensador, como 104K 2A, 4n7 o .047 400V.</translation>
    </message>
    <message>
        <source>These figures read 0 pF, which is no capacitor.</source>
        <translation>Estas cifras dan 0 pF, que no es ningún condensador.</translation>
    </message>
    <message>
        <source>%1 is no tolerance letter: they are B, C, D, F, G, J, K, M and Z.</source>
        <translation>%1 no es una letra de tolerancia: son B, C, D, F, G, J, K, M y Z.</translation>
    </message>
    <message>
        <source>No capacitor code carries a voltage that high.</source>
        <translation>Ningún código de condensador lleva una tensión tan alta.</translation>
    </message>
    <message>
        <source>A rated voltage of 0 V is no rating.</source>
        <translation>Una tensión nominal de 0 V no es ninguna tensión nominal.</translation>
    </message>
    <message>
        <source>After the value and tolerance comes the voltage, as a code such as 2A or in volts such as 100V or 2kV.</source>
        <translation>Tras el valor y la tolerancia va la tensión, en código como 2A o en voltios como 100V o 2kV.</translation>
    </message>
    <message>
        <source>“%1” after the voltage means nothing here.</source>
        <translation>«%1» tras la tensión no significa nada aquí.</translation>
    </message>
    <message>
        <source>0 Ω link</source>
        <translation>puente 0 Ω</translation>
    </message>
    <message>
        <source>no digit</source>
        <translation>sin cifra</translation>
    </message>
    <message>
        <source>no tolerance</source>
        <translation>sin tolerancia</translation>
    </message>
    <message>
        <source>%1 ppm/K</source>
        <translation>%1 ppm/K</translation>
    </message>
    <message>
        <source>no coefficient</source>
        <translation>sin coeficiente</translation>
    </message>
    <message>
        <source>Type the code printed on the part, such as 103, 4R7, 1002, 49R9 or 01C.</source>
        <translation>Escriba el código impreso en la pieza, como 103, 4R7, 1002, 49R9 o 01C.</translation>
    </message>
    <message>
        <source>3-digit code</source>
        <translation>código de 3 cifras</translation>
    </message>
    <message>
        <source>4-digit code</source>
        <translation>código de 4 cifras</translation>
    </message>
    <message>
        <source>EIA-96 code</source>
        <translation>código EIA-96</translation>
    </message>
    <message>
        <source>An SMD resistor code has 3 or 4 characters. </source>
        <translation>El código de una resistencia SMD tiene 3 o 4 caracteres. </translation>
    </message>
    <message>
        <source>EIA-96 codes are numbered 01 to 96; %1 is none of them.</source>
        <translation>Los códigos EIA-96 van del 01 al 96; %1 no es ninguno.</translation>
    </message>
    <message>
        <source>“%1” is no SMD resistor code. </source>
        <translation>«%1» no es un código de resistencia SMD. </translation>
    </message>
    <message>
        <source>These figures read zero: the zero-ohm link is marked 0, 000 or 0000.</source>
        <translation>Estas cifras dan cero: el puente de cero ohmios se marca 0, 000 o 0000.</translation>
    </message>
    <message>
        <source>A value needs at least one digit.</source>
        <translation>Un valor necesita al menos una cifra.</translation>
    </message>
    <message>
        <source>Too many figures: fifteen are the most a value carries.</source>
        <translation>Demasiadas cifras: un valor lleva quince como mucho.</translation>
    </message>
    <message>
        <source>Too small: the least value marked here is %1.</source>
        <translation>Demasiado pequeño: el menor valor que se marca aquí es %1.</translation>
    </message>
    <message>
        <source>Too large: the largest value marked here is %1.</source>
        <translation>Demasiado grande: el mayor valor que se marca aquí es %1.</translation>
    </message>
    <message>
        <source>Type a value, such as 4700, 4.7k or 4k7.</source>
        <translation>Escriba un valor, como 4700, 4,7k o 4k7.</translation>
    </message>
    <message>
        <source>A resistance is never negative.</source>
        <translation>Una resistencia nunca es negativa.</translation>
    </message>
    <message>
        <source>A small m means milli: write M for megohms (2M2), or a fraction of an ohm (0.47).</source>
        <translation>Una m minúscula es mili: escriba M para megaohmios (2M2), o una fracción de ohmio (0,47).</translation>
    </message>
    <message>
        <source>Only one of R, k, M or G may stand in a value.</source>
        <translation>En un valor solo puede ir una de R, k, M o G.</translation>
    </message>
    <message>
        <source>“%1” is not a value: write digits, one decimal point and R, k, M or G.</source>
        <translation>«%1» no es un valor: escriba cifras, una coma decimal y R, k, M o G.</translation>
    </message>
    <message>
        <source>%1 is a part without a tolerance band: choose 3 bands and type the value alone.</source>
        <translation>%1 es una pieza sin banda de tolerancia: elija 3 bandas y escriba solo el valor.</translation>
    </message>
    <message>
        <source>No band stands for a tolerance of ±%1 %: they mark 0.01 % to 10 %.</source>
        <translation>Ninguna banda indica una tolerancia de ±%1 %: marcan del 0,01 % al 10 %.</translation>
    </message>
</context>
<context>
    <name>frmBTube</name>
    <message>
        <source>Black &amp; White TV Tube Base Diagram</source>
        <translation>Zócalos de tubos de imagen B y N</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Black and white picture tube base diagrams, seen from the pin side</source>
        <translation>Diagramas de zócalos de tubos de imagen blanco y negro, vistos del lado de las patas</translation>
    </message>
</context>
<context>
    <name>frmCodes</name>
    <message>
        <source>Color Codes</source>
        <translation>Código de colores</translation>
    </message>
    <message>
        <source>A resistor with four color bands, each band explained</source>
        <translation>Un resistor con cuatro bandas de color, cada banda explicada</translation>
    </message>
    <message>
        <source>Capacitor</source>
        <translation>Capacitor</translation>
    </message>
    <message>
        <source>Resistor</source>
        <translation>Resistor</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Voltage Rating</source>
        <translation>Tensión nominal</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Tolerancia</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>Click the color code boxes in sequence. Upon completion, click done for valuse.</source>
        <translation>Pulse las casillas de color en orden. Al terminar, pulse Listo para ver los valores.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>frmColor</name>
    <message>
        <source>Video and Color Circuits</source>
        <translation>Circuitos de video y color</translation>
    </message>
    <message>
        <source>Problem code</source>
        <translation>Código de falla</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Color picture tube</source>
        <translation>Tubo de imagen a color</translation>
    </message>
    <message>
        <source>Delay line</source>
        <translation>Retardo</translation>
    </message>
    <message>
        <source>RGB Drive knob</source>
        <translation>Perilla de excitación RGB</translation>
    </message>
    <message>
        <source>Screen knob</source>
        <translation>Perilla de screen</translation>
    </message>
    <message>
        <source>Tint knob</source>
        <translation>Perilla de matiz</translation>
    </message>
    <message>
        <source>ACC knob</source>
        <translation>Perilla ACC</translation>
    </message>
    <message>
        <source>Color knob</source>
        <translation>Perilla de color</translation>
    </message>
    <message>
        <source>Color killer knob</source>
        <translation>Perilla supresor de color</translation>
    </message>
    <message>
        <source>Brightness knob</source>
        <translation>Perilla de brillo</translation>
    </message>
    <message>
        <source>Contrast knob</source>
        <translation>Perilla de contraste</translation>
    </message>
    <message>
        <source>Color demodulators</source>
        <translation>Demod. de color</translation>
    </message>
    <message>
        <source>Color killer</source>
        <translation>Supresor</translation>
    </message>
    <message>
        <source>2nd chroma amplifier</source>
        <translation>2º amplif. de croma</translation>
    </message>
    <message>
        <source>ACC</source>
        <translation>ACC</translation>
    </message>
    <message>
        <source>1st chroma amplifier</source>
        <translation>1er amplif. de croma</translation>
    </message>
    <message>
        <source>Burst gate</source>
        <translation>Puerta de burst</translation>
    </message>
    <message>
        <source>Phase detector and oscillator control</source>
        <translation>Detector de fase y control del oscilador</translation>
    </message>
    <message>
        <source>3.58 mhz oscillator</source>
        <translation>Oscilador de 3.58 mhz</translation>
    </message>
    <message>
        <source>Phase shift network</source>
        <translation>Red de fase</translation>
    </message>
    <message>
        <source>Blue video driver</source>
        <translation>Driver azul</translation>
    </message>
    <message>
        <source>Green video driver</source>
        <translation>Driver verde</translation>
    </message>
    <message>
        <source>Red video driver</source>
        <translation>Driver rojo</translation>
    </message>
    <message>
        <source>3rd video amplifier and brightness limiter</source>
        <translation>3er amplif. de video y limitador de brillo</translation>
    </message>
    <message>
        <source>Comb filter &amp; 2nd video amplifier</source>
        <translation>Filtro peine y 2º amplif. de video</translation>
    </message>
    <message>
        <source>Click for base diagrams</source>
        <translation>Clic para ver zócalos</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Screen</translation>
    </message>
    <message>
        <source>RGB Drive</source>
        <translation>Drive RGB</translation>
    </message>
    <message>
        <source>Tint</source>
        <translation>Matiz</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>From video amplifier</source>
        <translation>Desde el amplificador de video</translation>
    </message>
</context>
<context>
    <name>frmConverg</name>
    <message>
        <source>Convergence</source>
        <translation>Convergencia</translation>
    </message>
    <message>
        <source>Print Instructions</source>
        <translation>Imprimir instrucciones</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Click for Diagram</source>
        <translation>Ver el diagrama</translation>
    </message>
    <message>
        <source>Convergence instructions</source>
        <translation>Instrucciones de convergencia</translation>
    </message>
    <message>
        <source>1.  Degauss picture tube.</source>
        <translation>1.  Desmagnetice el tubo de imagen.</translation>
    </message>
    <message>
        <source>2.  Turn off blue and green guns.</source>
        <translation>2.  Apague los cañones azul y verde.</translation>
    </message>
    <message>
        <source>3.  Set the purity rings together in a horizontal position.</source>
        <translation>3.  Junte los anillos de pureza en posición horizontal.</translation>
    </message>
    <message>
        <source>4.  Loosen and slide the deflection yoke as far back as possible.</source>
        <translation>4.  Afloje el yugo y deslícelo lo más atrás posible.</translation>
    </message>
    <message>
        <source>5.  Slide the deflection yoke forward until you get a pute red raster.</source>
        <translation>5.  Deslice el yugo hacia adelante hasta obtener un ráster rojo puro.</translation>
    </message>
    <message>
        <source>     Seperate the purity rings until you center the red raster.</source>
        <translation>     Separe los anillos de pureza hasta centrar el ráster rojo.</translation>
    </message>
    <message>
        <source>6.  Turn off the red gun and turn on the blue and green guns alternately</source>
        <translation>6.  Apague el cañón rojo y encienda los cañones azul y verde por turno</translation>
    </message>
    <message>
        <source>      Check for pure blue and green rasters.</source>
        <translation>      Verifique que los rásters azul y verde sean puros.</translation>
    </message>
    <message>
        <source>7.  Tighten the yoke in place.</source>
        <translation>7.  Ajuste el yugo en su lugar.</translation>
    </message>
    <message>
        <source>8.  Turn on all guns.</source>
        <translation>8.  Encienda todos los cañones.</translation>
    </message>
    <message>
        <source>9.  Turn on crosshatch or dot pattern.</source>
        <translation>9.  Ponga el patrón de cuadrícula o de puntos.</translation>
    </message>
    <message>
        <source>10. Green gun is centered and will not move.  You must</source>
        <translation>10. El cañón verde está centrado y no se mueve.  Debe</translation>
    </message>
    <message>
        <source>      first converge the red to the blue and then converge them to the green.</source>
        <translation>      converger primero el rojo al azul y luego ambos al verde.</translation>
    </message>
    <message>
        <source>11. Converge red to blue vertically by seperating rings B.</source>
        <translation>11. Converja rojo con azul en vertical separando los anillos B.</translation>
    </message>
    <message>
        <source>12. Converge red to blue horizontally by rotating rings B.</source>
        <translation>12. Converja rojo con azul en horizontal girando los anillos B.</translation>
    </message>
    <message>
        <source>13. Converge red/blue with green vertically by seperating rings C.</source>
        <translation>13. Converja rojo/azul con verde en vertical separando los anillos C.</translation>
    </message>
    <message>
        <source>14. Converge red/blue with green horizontally by rotating rings C.</source>
        <translation>14. Converja rojo/azul con verde en horizontal girando los anillos C.</translation>
    </message>
    <message>
        <source>15. Repeat steps 10 through 14 as necessary.</source>
        <translation>15. Repita los pasos 10 a 14 según sea necesario.</translation>
    </message>
    <message>
        <source>Convergence Adjustment Procedure</source>
        <translation>Ajuste de convergencia</translation>
    </message>
    <message>
        <source>%1: before you start</source>
        <translation>%1: antes de empezar</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>frmCtube</name>
    <message>
        <source>Color TV Tube Base Diagram</source>
        <translation>Zócalos de tubos a color</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Go to BW Tube Base Diagram</source>
        <translation>Ver zócalos B y N</translation>
    </message>
    <message>
        <source>Color picture tube base diagrams, seen from the pin side</source>
        <translation>Diagramas de zócalos de tubos de imagen a color, vistos del lado de las patas</translation>
    </message>
</context>
<context>
    <name>frmDead</name>
    <message>
        <source>TV Dead</source>
        <translation>Muerto</translation>
    </message>
    <message>
        <source>No step chosen</source>
        <translation>Ningún paso elegido</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Problem areas</source>
        <translation>Zonas con falla</translation>
    </message>
    <message>
        <source>Low voltage power supply</source>
        <translation>Fuente de baja tensión</translation>
    </message>
    <message>
        <source>Voltage regulator</source>
        <translation>Regulador de tensión</translation>
    </message>
    <message>
        <source>Horizontal driver</source>
        <translation>Excitador horizontal</translation>
    </message>
    <message>
        <source>Horizontal output</source>
        <translation>Salida horizontal</translation>
    </message>
    <message>
        <source>Damper</source>
        <translation>Damper</translation>
    </message>
    <message>
        <source>High voltage hold-down circuit</source>
        <translation>Protección de alta tensión</translation>
    </message>
    <message>
        <source>Initial Checks</source>
        <translation>Al comenzar</translation>
    </message>
    <message>
        <source>1. Check to see if TV is plugged in.</source>
        <translation>1. Verifique que el TV esté enchufado.</translation>
    </message>
    <message>
        <source>2. Verify voltage at wall socket with voltmeter.</source>
        <translation>2. Mida la tensión del tomacorriente con el voltímetro.</translation>
    </message>
    <message>
        <source>3. Power switch on?</source>
        <translation>3. ¿Interruptor encendido?</translation>
    </message>
    <message>
        <source>4. Open back cover and check fuse. (TV unplugged!)</source>
        <translation>4. Abra la tapa y revise el fusible. (¡TV desenchufado!)</translation>
    </message>
    <message>
        <source>5. Turn on TV and check voltage at chassis.</source>
        <translation>5. Encienda el TV y mida la tensión en el chasis.</translation>
    </message>
    <message>
        <source>You have isolated the problem to one of the following areas:</source>
        <translation>Ha aislado la falla en una de estas zonas:</translation>
    </message>
    <message>
        <source>Initial checks complete</source>
        <translation>Revisiones iniciales hechas</translation>
    </message>
    <message>
        <source>Return to initial checks</source>
        <translation>Volver a las revisiones iniciales</translation>
    </message>
</context>
<context>
    <name>frmDegauss</name>
    <message>
        <source>Degaussing Procedures</source>
        <translation>Procedimientos de desmagnetización</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Degaussing picture tubes: the set&apos;s own degaussing coil and a hand-held coil</source>
        <translation>Desmagnetización del tubo de imagen: la bobina del propio televisor y una bobina de mano</translation>
    </message>
</context>
<context>
    <name>frmDiag</name>
    <message>
        <source>Convergence Diagram</source>
        <translation>Diagrama de convergencia</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Purity and static convergence ring magnets on the picture tube neck</source>
        <translation>Anillos magnéticos de pureza y convergencia estática en el cuello del tubo de imagen</translation>
    </message>
</context>
<context>
    <name>frmFormulas</name>
    <message>
        <source>Electronic Formulas</source>
        <translation>Fórmulas electrónicas</translation>
    </message>
    <message>
        <source>Ohm&apos;s Law</source>
        <translation>Ley de Ohm</translation>
    </message>
    <message>
        <source>Ohm&apos;s law volts</source>
        <translation>Ley de Ohm: voltios</translation>
    </message>
    <message>
        <source>Ohm&apos;s law amps</source>
        <translation>Ley de Ohm: amperios</translation>
    </message>
    <message>
        <source>Ohm&apos;s law ohms</source>
        <translation>Ley de Ohm: ohmios</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Volts</source>
        <translation>Voltios</translation>
    </message>
    <message>
        <source>Amps</source>
        <translation>Amp.</translation>
    </message>
    <message>
        <source>Ohms</source>
        <translation>Ohmios</translation>
    </message>
    <message>
        <source>Enter any two values</source>
        <translation>Ingrese dos valores</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Potencia</translation>
    </message>
    <message>
        <source>Power volts</source>
        <translation>Potencia: voltios</translation>
    </message>
    <message>
        <source>Power amps</source>
        <translation>Potencia: amperios</translation>
    </message>
    <message>
        <source>Power watts</source>
        <translation>Potencia: vatios</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>Vatios</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Capacitance in picofarads</source>
        <translation>Capacitancia en picofaradios</translation>
    </message>
    <message>
        <source>Inductance in microhenries</source>
        <translation>Inductancia en microhenrios</translation>
    </message>
    <message>
        <source>Resonant frequency in megahertz</source>
        <translation>Frecuencia de resonancia en megahercios</translation>
    </message>
    <message>
        <source>Wavelength in meters</source>
        <translation>Longitud de onda en metros</translation>
    </message>
    <message>
        <source>Pfd.</source>
        <translation>Pfd.</translation>
    </message>
    <message>
        <source>Mhy.</source>
        <translation>Mhy.</translation>
    </message>
    <message>
        <source>Mhz.</source>
        <translation>Mhz.</translation>
    </message>
    <message>
        <source>Enter any two values except Mtrs and Mhz</source>
        <translation>Ingrese dos valores, salvo Mtrs y Mhz</translation>
    </message>
    <message>
        <source>Mtrs.</source>
        <translation>Mtrs.</translation>
    </message>
    <message>
        <source>Reactance</source>
        <translation>Reactancia</translation>
    </message>
    <message>
        <source>Capacitive</source>
        <translation>Capacitiva</translation>
    </message>
    <message>
        <source>Inductive</source>
        <translation>Inductiva</translation>
    </message>
    <message>
        <source>Capacitance or inductance</source>
        <translation>Capacitancia o inductancia</translation>
    </message>
    <message>
        <source>Frequency in megahertz</source>
        <translation>Frecuencia en megahercios</translation>
    </message>
    <message>
        <source>Reactance in ohms</source>
        <translation>Reactancia en ohmios</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Frequency(Mhz)</source>
        <translation>Frecuencia(Mhz)</translation>
    </message>
    <message>
        <source>Reactance (ohms)</source>
        <translation>Reactancia (ohmios)</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Parallel Resistors &amp; Series Capacitors</source>
        <translation>Resistores en paralelo y capacitores en serie</translation>
    </message>
    <message>
        <source>Resistors</source>
        <translation>Resistores</translation>
    </message>
    <message>
        <source>Capacitors</source>
        <translation>Capacitores</translation>
    </message>
    <message>
        <source>Total quantity</source>
        <translation>Cantidad total</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Total Quantity</source>
        <translation>Cantidad total</translation>
    </message>
    <message>
        <source>Enter value for each</source>
        <translation>Ingrese el valor de cada uno</translation>
    </message>
    <message>
        <source>Pfd. - Picofarad -  Capacitance</source>
        <translation>Pfd. - Picofaradio -  Capacitancia</translation>
    </message>
    <message>
        <source>Mhy. - Microhenry - Inductance</source>
        <translation>Mhy. - Microhenrio - Inductancia</translation>
    </message>
    <message>
        <source>Mhz. - Megahertz - Frequency</source>
        <translation>Mhz. - Megahercio - Frecuencia</translation>
    </message>
    <message>
        <source>Mtrs. - Meters - Wavelength</source>
        <translation>Mtrs. - Metros - Longitud de onda</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Capacitance (pfd)</source>
        <translation>Capacidad (pF)</translation>
    </message>
    <message>
        <source>Please enter a number</source>
        <translation>Escriba un número</translation>
    </message>
    <message>
        <source>The result is too large</source>
        <translation>El resultado es demasiado grande</translation>
    </message>
    <message>
        <source>Inductance and capacitance must both be positive</source>
        <translation>La inductancia y la capacidad deben ser positivas</translation>
    </message>
    <message>
        <source>Inductance (mhy)</source>
        <translation>Inductancia (mH)</translation>
    </message>
    <message>
        <source> Ohms</source>
        <translation> ohmios</translation>
    </message>
    <message>
        <source> MFD</source>
        <translation> MFD</translation>
    </message>
    <message>
        <source>Please select either Resistor or Capacitor</source>
        <translation>Elija Resistencias o Condensadores</translation>
    </message>
    <message>
        <source>Select component</source>
        <translation>Elija el componente</translation>
    </message>
    <message>
        <source>Enter how many values, from 1 to 32767</source>
        <translation>Escriba cuántos valores, de 1 a 32767</translation>
    </message>
    <message>
        <source>Enter the total quantity first</source>
        <translation>Escriba primero la cantidad total</translation>
    </message>
    <message>
        <source>Enter a value greater than zero</source>
        <translation>Escriba un valor mayor que cero</translation>
    </message>
</context>
<context>
    <name>frmFreq</name>
    <message>
        <source>Channel?Frequency Convertor</source>
        <translation>Conversor Canal?Frecuencia</translation>
    </message>
    <message>
        <source>Return - UHF</source>
        <translation>Volver - UHF</translation>
    </message>
    <message>
        <source>Return - VHF</source>
        <translation>Volver - VHF</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Channel Number</source>
        <translation>Número de canal</translation>
    </message>
    <message>
        <source>Local oscillator frequency</source>
        <translation>Frecuencia del oscilador local</translation>
    </message>
    <message>
        <source>Upper edge of the channel</source>
        <translation>Borde superior del canal</translation>
    </message>
    <message>
        <source>Lower edge of the channel</source>
        <translation>Borde inferior del canal</translation>
    </message>
    <message>
        <source>Sound carrier</source>
        <translation>Portadora de sonido</translation>
    </message>
    <message>
        <source>Color carrier</source>
        <translation>Portadora de color</translation>
    </message>
    <message>
        <source>Centre frequency</source>
        <translation>Frecuencia central</translation>
    </message>
    <message>
        <source>Video carrier</source>
        <translation>Portadora de video</translation>
    </message>
    <message>
        <source>The spectrum of a TV channel: its edges, video, color and sound carriers</source>
        <translation>El espectro de un canal de TV: sus bordes y las portadoras de video, color y sonido</translation>
    </message>
    <message>
        <source>TV Channel Frequencies</source>
        <translation>Frecuencias de TV</translation>
    </message>
    <message>
        <source>Enter Channel Number</source>
        <translation>Número de canal</translation>
    </message>
    <message>
        <source>Channel Spectrum</source>
        <translation>Espectro del canal</translation>
    </message>
    <message>
        <source>Channel plan</source>
        <translation>Plan de canales</translation>
    </message>
    <message>
        <source>The chosen plan&apos;s channel, to scale, with its offsets</source>
        <translation>El canal del plan elegido, a escala, con sus desplazamientos</translation>
    </message>
    <message>
        <source>The chosen plan, or the channel converted, in full</source>
        <translation>El plan elegido, o el canal convertido, completo</translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Frecuencia (MHz)</translation>
    </message>
    <message>
        <source>Frequency in MHz</source>
        <translation>Frecuencia en MHz</translation>
    </message>
    <message>
        <source>Channels at that frequency</source>
        <translation>Canales en esa frecuencia</translation>
    </message>
    <message>
        <source>%1: channels %2. %3</source>
        <translation>%1: canales %2. %3</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>No channel of any plan is at %1 MHz</source>
        <translation>Ningún canal de ningún plan está en %1 MHz</translation>
    </message>
</context>
<context>
    <name>frmFront</name>
    <message>
        <source>TV Front End</source>
        <translation>Etapa de entrada del TV</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Leyenda</translation>
    </message>
    <message>
        <source>Click these boxes for additional information</source>
        <translation>Pulse estos bloques para más información</translation>
    </message>
    <message>
        <source>Problem areas</source>
        <translation>Zonas con falla</translation>
    </message>
    <message>
        <source>Colour of clickable boxes</source>
        <translation>Color de los bloques que se pulsan</translation>
    </message>
    <message>
        <source>Colour of problem areas</source>
        <translation>Color de las zonas con falla</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Loudspeaker</source>
        <translation>Parlante</translation>
    </message>
    <message>
        <source>AGC knob</source>
        <translation>Perilla CAG</translation>
    </message>
    <message>
        <source>Delay knob</source>
        <translation>Perilla de retardo</translation>
    </message>
    <message>
        <source>Volume knob</source>
        <translation>Perilla de volumen</translation>
    </message>
    <message>
        <source>Blanking amplifier</source>
        <translation>Amplificador de borrado</translation>
    </message>
    <message>
        <source>AGC &amp; Noise gate</source>
        <translation>CAG y puerta de ruido</translation>
    </message>
    <message>
        <source>Delayed AGC</source>
        <translation>CAG retardado</translation>
    </message>
    <message>
        <source>Audio amplifier</source>
        <translation>Amplif. de audio</translation>
    </message>
    <message>
        <source>Sound detector</source>
        <translation>Detector de sonido</translation>
    </message>
    <message>
        <source>Sound IF amplifier</source>
        <translation>Amplif. FI de sonido</translation>
    </message>
    <message>
        <source>Sound IF detector</source>
        <translation>Detector de FI de sonido</translation>
    </message>
    <message>
        <source>Video amplifier</source>
        <translation>Amplif. de video</translation>
    </message>
    <message>
        <source>Video detector</source>
        <translation>Detector de video</translation>
    </message>
    <message>
        <source>2nd &amp; 3rd video amplifiers</source>
        <translation>2º y 3er amplificadores de video</translation>
    </message>
    <message>
        <source>1st Video amplifier &amp; SAW filter</source>
        <translation>1er amplif. video y filtro SAW</translation>
    </message>
    <message>
        <source>Automatic frequency tuner</source>
        <translation>Sintonía automática de frecuencia</translation>
    </message>
    <message>
        <source>VHF 
Tuner
</source>
        <translation>Selector 
VHF
</translation>
    </message>
    <message>
        <source>UHF 
Tuner
</source>
        <translation>Selector 
UHF
</translation>
    </message>
    <message>
        <source>To Sync seperator</source>
        <translation>Al sep. de sinc.</translation>
    </message>
    <message>
        <source>To 2nd video amplifier</source>
        <translation>Al 2º amplif. de video</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Vol.</translation>
    </message>
    <message>
        <source>AGC</source>
        <translation>CAG</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Retardo</translation>
    </message>
    <message>
        <source>Speaker</source>
        <translation>Parlante</translation>
    </message>
    <message>
        <source>Antennas</source>
        <translation>Antenas</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Program Description</source>
        <translation>Descripción del programa</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Fernwick Program</source>
        <translation>Programa Fernwick</translation>
    </message>
    <message>
        <source>Fernwick is meant to help the beginning television technician or student find quickly the circuit that is causing a set&apos;s problem. It guides you to the general area of the defective component rather than to the component itself: TV circuits vary too much from one maker and model to the next for any program to cover every component.</source>
        <translation>Fernwick ayuda al técnico de televisión que empieza, o al estudiante, a encontrar rápido el circuito que causa la falla de un televisor. Lo lleva a la zona general del componente defectuoso y no al componente mismo: los circuitos de TV varían demasiado de una marca y un modelo a otro para que un programa cubra cada componente.</translation>
    </message>
    <message>
        <source>You enter the symptoms you know, and the program leads you through generic block diagrams of a TV receiver to the circuit area most likely at fault. You then find that area on the set&apos;s own schematic and isolate the defective component there.</source>
        <translation>Usted ingresa los síntomas que conoce y el programa lo guía por diagramas en bloques genéricos de un receptor de TV hasta la zona del circuito con la falla más probable. Luego ubica esa zona en el esquema del propio televisor y allí aísla el componente defectuoso.</translation>
    </message>
    <message>
        <source>To proceed, answer the symptom questions in the order they are presented. Once you have checked a symptom, go on to the next page; where a screen offers a list of problem areas, choose the one that best matches what you see. The areas most likely at fault are highlighted in red on the block diagrams, and some of their boxes open further pages of schematics and procedures. Use the &apos;Return&apos; button to go back a page.</source>
        <translation>Para avanzar, responda las preguntas de síntomas en el orden en que aparecen. Una vez marcado un síntoma, pase a la página siguiente; donde una pantalla ofrezca una lista de zonas con falla, elija la que mejor coincida con lo que ve. Las zonas con falla más probable se marcan en rojo en los diagramas en bloques, y algunos bloques abren más páginas de esquemas y procedimientos. Use el botón &apos;Volver&apos; para regresar una página.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Two&lt;/b&gt; utility programs are also included, each reached from the main menu:</source>
        <translation>Se incluyen además &lt;b&gt;dos&lt;/b&gt; utilidades, a las que se llega desde el menú principal:</translation>
    </message>
    <message>
        <source>Formulas: Ohm&apos;s law, series and parallel components, reactance and resonance.</source>
        <translation>Fórmulas: ley de Ohm, componentes en serie y en paralelo, reactancia y resonancia.</translation>
    </message>
    <message>
        <source>Color Codes: the value, tolerance and voltage rating of resistors and capacitors from their color bands.</source>
        <translation>Código de colores: el valor, la tolerancia y la tensión nominal de resistores y capacitores según sus bandas de color.</translation>
    </message>
    <message>
        <source>The &apos;Quit&apos; button, on the main menu, the symptom screens and the block diagrams, ends the program at any time.</source>
        <translation>El botón &apos;Salir&apos;, en el menú principal, en las pantallas de síntomas y en los diagramas en bloques, cierra el programa en cualquier momento.</translation>
    </message>
</context>
<context>
    <name>frmLVPower</name>
    <message>
        <source>Low voltage Power Supply and Deflection Circuits</source>
        <translation>Fuente de baja tensión y circuitos de deflexión</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Leyenda</translation>
    </message>
    <message>
        <source>Problem areas</source>
        <translation>Zonas con falla</translation>
    </message>
    <message>
        <source>Colour of problem areas</source>
        <translation>Color de las zonas con falla</translation>
    </message>
    <message>
        <source>Colour of clickable boxes</source>
        <translation>Color de los bloques que se pulsan</translation>
    </message>
    <message>
        <source>Click these boxes for additional information.</source>
        <translation>Pulse estos bloques para más información.</translation>
    </message>
    <message>
        <source>Vertical deflection yoke</source>
        <translation>Yugo de deflexión vertical</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Damper</source>
        <translation>Damper</translation>
    </message>
    <message>
        <source>Horizontal deflection yoke</source>
        <translation>Yugo de deflexión horizontal</translation>
    </message>
    <message>
        <source>Color picture tube with its electron guns, yoke and high voltage anode</source>
        <translation>Tubo de imagen a color con sus cañones, yugo y ánodo de alta tensión</translation>
    </message>
    <message>
        <source>Horizontal Hold knob</source>
        <translation>Perilla de sincronía horizontal</translation>
    </message>
    <message>
        <source>Phase knob</source>
        <translation>Perilla de fase</translation>
    </message>
    <message>
        <source>Vertical Size knob</source>
        <translation>Perilla de altura vertical</translation>
    </message>
    <message>
        <source>Vertical Linearity knob</source>
        <translation>Perilla de linealidad vertical</translation>
    </message>
    <message>
        <source>Vertical Hold knob</source>
        <translation>Perilla de sincronía vertical</translation>
    </message>
    <message>
        <source>Noise level knob</source>
        <translation>Perilla de nivel de ruido</translation>
    </message>
    <message>
        <source>To all circuits</source>
        <translation>A cada circuito</translation>
    </message>
    <message>
        <source>High Voltage</source>
        <translation>Alta tensión</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Foco</translation>
    </message>
    <message>
        <source>From video amplifier</source>
        <translation>Del amplif. de video</translation>
    </message>
    <message>
        <source>Voltage regulator</source>
        <translation>Regulador de tensión</translation>
    </message>
    <message>
        <source>Low voltage power supply</source>
        <translation>Fuente de baja tensión</translation>
    </message>
    <message>
        <source>AC Wall plug</source>
        <translation>Enchufe de CA</translation>
    </message>
    <message>
        <source>High voltage hold-down</source>
        <translation>Protección de alta tensión</translation>
    </message>
    <message>
        <source>High voltage regulator</source>
        <translation>Regulador de alta tensión</translation>
    </message>
    <message>
        <source>Horizontal AFC</source>
        <translation>CAF horizontal</translation>
    </message>
    <message>
        <source>Horizontal oscillator</source>
        <translation>Oscilador horizontal</translation>
    </message>
    <message>
        <source>Horizontal Drive</source>
        <translation>Excitación horizontal</translation>
    </message>
    <message>
        <source>Horizontal output amplifier</source>
        <translation>Amplificador de salida horizontal</translation>
    </message>
    <message>
        <source>Pin cushion circuit</source>
        <translation>Circuito de cojín</translation>
    </message>
    <message>
        <source>High voltage tripler</source>
        <translation>Triplicador de alta tensión</translation>
    </message>
    <message>
        <source>2nd Vertical deflection amplifier</source>
        <translation>2º amplif. vertical</translation>
    </message>
    <message>
        <source>1st Vertical deflection amplifier</source>
        <translation>1er amplif. vertical</translation>
    </message>
    <message>
        <source>Vertical deflection oscillator</source>
        <translation>Oscilador de deflexión vertical</translation>
    </message>
    <message>
        <source>Sync seperator</source>
        <translation>Separador de sinc.</translation>
    </message>
    <message>
        <source>Noise cancelling amplifier</source>
        <translation>Amplificador cancelador de ruido</translation>
    </message>
    <message>
        <source>Switching</source>
        <translation>Conmutada</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Lineal</translation>
    </message>
    <message>
        <source>Horizontal Hold</source>
        <translation>Sincronía horizontal</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Vertical Size</source>
        <translation>Altura vertical</translation>
    </message>
    <message>
        <source>Vertical Linearity</source>
        <translation>Linealidad vertical</translation>
    </message>
    <message>
        <source>Vertical Hold</source>
        <translation>Sincronía vertical</translation>
    </message>
    <message>
        <source>Noise level</source>
        <translation>Nivel de ruido</translation>
    </message>
    <message>
        <source>Scan derived Power Supply</source>
        <translation>Fuente derivada del barrido</translation>
    </message>
</context>
<context>
    <name>frmMarkings</name>
    <message>
        <source>Component Markings</source>
        <translation>Marcas de componentes</translation>
    </message>
    <message>
        <source>3 bands</source>
        <translation>3 bandas</translation>
    </message>
    <message>
        <source>4 bands</source>
        <translation>4 bandas</translation>
    </message>
    <message>
        <source>5 bands</source>
        <translation>5 bandas</translation>
    </message>
    <message>
        <source>6 bands</source>
        <translation>6 bandas</translation>
    </message>
    <message>
        <source>Value or bands, e.g. 4k7</source>
        <translation>Valor o bandas, p. ej. 4k7</translation>
    </message>
    <message>
        <source>Value or bands</source>
        <translation>Valor o bandas</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>A resistor with two wire leads, its bands drawn on its body</source>
        <translation>Un resistor con dos terminales, con sus bandas dibujadas en el cuerpo</translation>
    </message>
    <message>
        <source>The thirteen band colours, each named</source>
        <translation>Los trece colores de banda, cada uno con su nombre</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lectura</translation>
    </message>
    <message>
        <source>E-series</source>
        <translation>Serie E</translation>
    </message>
    <message>
        <source>Read from the other end</source>
        <translation>Leer desde el otro extremo</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>SMD code</source>
        <translation>Código SMD</translation>
    </message>
    <message>
        <source>SMD resistor code</source>
        <translation>Código de resistor SMD</translation>
    </message>
    <message>
        <source>SMD code reading</source>
        <translation>Lectura del código SMD</translation>
    </message>
    <message>
        <source>SMD codes of the value</source>
        <translation>Códigos SMD del valor</translation>
    </message>
    <message>
        <source>Capacitor code</source>
        <translation>Cód. capacitor</translation>
    </message>
    <message>
        <source>Capacitor code reading</source>
        <translation>Lectura del código de capacitor</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>A resistor has 3, 4, 5 or 6 bands, or the one black band of a zero-ohm link.</source>
        <translation>Una resistencia tiene 3, 4, 5 o 6 bandas, o la única banda negra de un puente de cero ohmios.</translation>
    </message>
    <message>
        <source>%1 has more figures than %2 bands carry: they mark the nearest, %3.</source>
        <translation>%1 tiene más cifras de las que llevan %2 bandas: marcan el más próximo, %3.</translation>
    </message>
    <message>
        <source>Three bands carry no tolerance: they mean %1.</source>
        <translation>Tres bandas no llevan tolerancia: significan %1.</translation>
    </message>
    <message>
        <source>No tolerance typed: %1 (%2) assumed.</source>
        <translation>Sin tolerancia escrita: se supone %1 (%2).</translation>
    </message>
    <message>
        <source>No coefficient chosen: %1 (%2 ppm/K) assumed.</source>
        <translation>Sin coeficiente elegido: se supone %1 (%2 ppm/K).</translation>
    </message>
    <message>
        <source>not chosen</source>
        <translation>sin elegir</translation>
    </message>
    <message>
        <source>Band %1: %2</source>
        <translation>Banda %1: %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last two of a list</comment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>Click a colour for band %1.</source>
        <translation>Pulse un color para la banda %1.</translation>
    </message>
    <message>
        <source> Read from the other end they mark %1.</source>
        <translation> Leídas desde el otro extremo marcan %1.</translation>
    </message>
    <message>
        <source>0 Ω, a zero-ohm link</source>
        <translation>0 Ω, un puente de cero ohmios</translation>
    </message>
    <message>
        <source>From %1 to %2</source>
        <translation>De %1 a %2</translation>
    </message>
    <message>
        <source>In no E-series.</source>
        <translation>En ninguna serie E.</translation>
    </message>
    <message>
        <source>In %1.</source>
        <translation>En %1.</translation>
    </message>
    <message>
        <source> Nearest in %1 (%2): %3 below, %4 above.</source>
        <translation> Más próximos en %1 (%2): %3 por debajo, %4 por encima.</translation>
    </message>
    <message>
        <source>Neither is a standard value.</source>
        <translation>Ninguno es un valor normalizado.</translation>
    </message>
    <message>
        <source>Both are standard values: the tolerance band is the one set apart.</source>
        <translation>Los dos son valores normalizados: la banda de tolerancia es la que está separada.</translation>
    </message>
    <message>
        <source>Both are standard values; the tolerance colour favours %1.</source>
        <translation>Los dos son valores normalizados; el color de tolerancia apunta a %1.</translation>
    </message>
    <message>
        <source>%1 is the standard value.</source>
        <translation>%1 es el valor normalizado.</translation>
    </message>
    <message>
        <source>Read from the other end: %1 %2. %3</source>
        <translation>Leída desde el otro extremo: %1 %2. %3</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>As SMD codes: </source>
        <translation>Como códigos SMD: </translation>
    </message>
    <message>
        <source>; or </source>
        <translation>; o </translation>
    </message>
    <message>
        <source>, rated %1</source>
        <translation>, nominal %1</translation>
    </message>
</context>
<context>
    <name>frmNotes</name>
    <message>
        <source>Circuit Notes</source>
        <translation>Notas del circuito</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Circuit notes</source>
        <translation>Notas del circuito</translation>
    </message>
    <message>
        <source>Marked in red on the diagram</source>
        <translation>Marcadas en rojo en el diagrama</translation>
    </message>
    <message>
        <source>The other areas of the diagram</source>
        <translation>Las otras zonas del diagrama</translation>
    </message>
    <message>
        <source>Safety first</source>
        <translation>Primero la seguridad</translation>
    </message>
    <message>
        <source>Safety: %1 (above).</source>
        <comment>the titles of the safety rules listed above</comment>
        <translation>Seguridad: %1 (arriba).</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>frmOne</name>
    <message>
        <source>Fernwick</source>
        <translation>Fernwick</translation>
    </message>
    <message>
        <source>Supplementary Info</source>
        <translation>Información adicional</translation>
    </message>
    <message>
        <source>Fault-finding trainer</source>
        <translation>Entrenador de fallas</translation>
    </message>
    <message>
        <source>Component markings</source>
        <translation>Lector de marcas</translation>
    </message>
    <message>
        <source>Electronic Formulas</source>
        <translation>Fórmulas electrónicas</translation>
    </message>
    <message>
        <source>Color codes</source>
        <translation>Código de colores</translation>
    </message>
    <message>
        <source>Program desctiption</source>
        <translation>Sobre el programa</translation>
    </message>
    <message>
        <source>Major Symptom</source>
        <translation>Síntoma principal</translation>
    </message>
    <message>
        <source>Color problems</source>
        <translation>Fallas de color</translation>
    </message>
    <message>
        <source>Picture problems</source>
        <translation>Fallas de imagen</translation>
    </message>
    <message>
        <source>Raster problems</source>
        <translation>Fallas de ráster</translation>
    </message>
    <message>
        <source>Poor or no sound</source>
        <translation>Falla de sonido</translation>
    </message>
    <message>
        <source>TV Dead</source>
        <translation>TV muerto</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>A television set with its antenna</source>
        <translation>Un televisor con su antena</translation>
    </message>
    <message>
        <source>Pick a symptom to find where the fault most likely lies.</source>
        <translation>Elija un síntoma para hallar la falla.</translation>
    </message>
    <message>
        <source>Version 2.0</source>
        <translation>Versión 2.0</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Desktop&apos;s language</source>
        <translation>Idioma del escritorio</translation>
    </message>
</context>
<context>
    <name>frmPSLin</name>
    <message>
        <source>Linear Power Supply</source>
        <translation>Fuente lineal</translation>
    </message>
    <message>
        <source>Schematic of a linear power supply with two outputs</source>
        <translation>Esquema de una fuente lineal con dos salidas</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
</context>
<context>
    <name>frmPSSw</name>
    <message>
        <source>Switching Type Power Supply</source>
        <translation>Fuente conmutada</translation>
    </message>
    <message>
        <source>Schematic of a switching type power supply</source>
        <translation>Esquema de una fuente conmutada</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
</context>
<context>
    <name>frmPicture</name>
    <message>
        <source>Picture Problems</source>
        <translation>Problemas de imagen</translation>
    </message>
    <message>
        <source>Fill A</source>
        <translation>Llenar A</translation>
    </message>
    <message>
        <source>Problem code</source>
        <translation>Código de falla</translation>
    </message>
    <message>
        <source>Problem areas</source>
        <translation>Zonas con falla</translation>
    </message>
    <message>
        <source>Adjust vertical height control</source>
        <translation>Ajuste el control de altura vertical</translation>
    </message>
    <message>
        <source>Vertical deflection oscillator</source>
        <translation>Oscilador de deflexión vertical</translation>
    </message>
    <message>
        <source>Vertical deflection amplifier</source>
        <translation>Amplificador de deflexión vertical</translation>
    </message>
    <message>
        <source>Adjust vertical linearity control</source>
        <translation>Ajuste el control de linealidad vertical</translation>
    </message>
    <message>
        <source>Contrast control too low</source>
        <translation>Control de contraste muy bajo</translation>
    </message>
    <message>
        <source>Brightness control too high</source>
        <translation>Control de brillo muy alto</translation>
    </message>
    <message>
        <source>Insufficient retrace blanking,(video amplifier)</source>
        <translation>Borrado de retrazado insuficiente (amplif. de video)</translation>
    </message>
    <message>
        <source>Check low voltage power supply filter circuits</source>
        <translation>Revise los filtros de la fuente de baja tensión</translation>
    </message>
    <message>
        <source>Adjust sound trap in video detector circuit</source>
        <translation>Ajuste la trampa de sonido del detector de video</translation>
    </message>
    <message>
        <source>Color killer circuit-Adjust color killer control</source>
        <translation>Circuito supresor de color - Ajuste su control</translation>
    </message>
    <message>
        <source>Adjust AGC control</source>
        <translation>Ajuste el control CAG</translation>
    </message>
    <message>
        <source>Check sync seperator</source>
        <translation>Revise el separador de sincronismo</translation>
    </message>
    <message>
        <source>Adjust vertical hold control</source>
        <translation>Ajuste el control de sincronía vertical</translation>
    </message>
    <message>
        <source>Check vertical deflection oscillator circuits</source>
        <translation>Revise los circuitos del oscilador vertical</translation>
    </message>
    <message>
        <source>Adjust horizontal hold control</source>
        <translation>Ajuste el control de sincronía horizontal</translation>
    </message>
    <message>
        <source>Check horizontal oscillator circuits</source>
        <translation>Revise los circuitos del oscilador horizontal</translation>
    </message>
    <message>
        <source>Insufficient AGC</source>
        <translation>CAG insuficiente</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>1st video amplifier</source>
        <translation>1er amplificador de video</translation>
    </message>
    <message>
        <source>3rd video amplifier &amp; brightness control</source>
        <translation>3er amplificador de video y control de brillo</translation>
    </message>
    <message>
        <source>Comb filter &amp; 2nd video amplifier</source>
        <translation>Filtro peine y 2º amplif. de video</translation>
    </message>
    <message>
        <source>Delay line</source>
        <translation>Línea de retardo</translation>
    </message>
    <message>
        <source>Excessive AGC</source>
        <translation>CAG excesivo</translation>
    </message>
    <message>
        <source>Symptoms:</source>
        <translation>Síntomas:</translation>
    </message>
    <message>
        <source>Problem areas:</source>
        <translation>Zonas con falla:</translation>
    </message>
    <message>
        <source>No picture or weak picture</source>
        <translation>Sin imagen o imagen débil</translation>
    </message>
    <message>
        <source>Overloaded or negative picture</source>
        <translation>Imagen saturada o negativa</translation>
    </message>
    <message>
        <source>Picture torn horizontally</source>
        <translation>Imagen rasgada horizontal</translation>
    </message>
    <message>
        <source>Picture rolls vertically</source>
        <translation>La imagen gira vertical</translation>
    </message>
    <message>
        <source> Both horiz. tear/vertical roll</source>
        <translation> Rasgado horiz. y giro vertical</translation>
    </message>
    <message>
        <source>Colored snow in picture</source>
        <translation>Nieve de color en la imagen</translation>
    </message>
    <message>
        <source>Sound bars in picture</source>
        <translation>Barras de sonido en la imagen</translation>
    </message>
    <message>
        <source>Dark line in picture</source>
        <translation>Línea oscura en la imagen</translation>
    </message>
    <message>
        <source>Diagonal white lines across picture</source>
        <translation>Líneas blancas diagonales en la imagen</translation>
    </message>
    <message>
        <source>Top of picture stretched</source>
        <translation>Parte superior estirada</translation>
    </message>
    <message>
        <source>Bottom of picture stretched</source>
        <translation>Parte inferior estirada</translation>
    </message>
    <message>
        <source>Please select one of the symptoms</source>
        <translation>Por favor elija uno de los síntomas</translation>
    </message>
    <message>
        <source>Enter selection</source>
        <translation>Elija una opción</translation>
    </message>
</context>
<context>
    <name>frmProblems</name>
    <message>
        <source>Color Problems</source>
        <translation>Problemas de color</translation>
    </message>
    <message>
        <source>Fill B</source>
        <translation>Llenar B</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Problem code</source>
        <translation>Código de falla</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>B-Y demodulator</source>
        <translation>Demodulador B-Y</translation>
    </message>
    <message>
        <source>G-Y demodulator</source>
        <translation>Demodulador G-Y</translation>
    </message>
    <message>
        <source>R-Y demodulator</source>
        <translation>Demodulador R-Y</translation>
    </message>
    <message>
        <source>Blue amplifier/driver</source>
        <translation>Amplificador/excitador azul</translation>
    </message>
    <message>
        <source>Green amplifier/driver</source>
        <translation>Amplificador/excitador verde</translation>
    </message>
    <message>
        <source>Red amplifier/driver</source>
        <translation>Amplificador/excitador rojo</translation>
    </message>
    <message>
        <source>Adjust tint control</source>
        <translation>Ajuste el control de matiz</translation>
    </message>
    <message>
        <source>Problem areas</source>
        <translation>Zonas con falla</translation>
    </message>
    <message>
        <source>3.58 mhz oscillator</source>
        <translation>Oscilador de 3.58 mhz</translation>
    </message>
    <message>
        <source>Burst gate</source>
        <translation>Compuerta de burst</translation>
    </message>
    <message>
        <source>Phase detector &amp; oscillator control</source>
        <translation>Detector de fase y control del oscilador</translation>
    </message>
    <message>
        <source>Perform convergence adjustments</source>
        <translation>Haga los ajustes de convergencia</translation>
    </message>
    <message>
        <source>Weak signal</source>
        <translation>Señal débil</translation>
    </message>
    <message>
        <source>Color control advanced too high</source>
        <translation>Control de color muy alto</translation>
    </message>
    <message>
        <source>Adjust color killer control</source>
        <translation>Ajuste el control supresor de color</translation>
    </message>
    <message>
        <source>Color killer circuit</source>
        <translation>Circuito supresor de color</translation>
    </message>
    <message>
        <source>Phase detector circuit</source>
        <translation>Circuito detector de fase</translation>
    </message>
    <message>
        <source>Degauss picture tube - Purity adjustments</source>
        <translation>Desmagnetice el tubo - Ajustes de pureza</translation>
    </message>
    <message>
        <source>Adjust color control</source>
        <translation>Ajuste el control de color</translation>
    </message>
    <message>
        <source>Adjust color killer circuit</source>
        <translation>Ajuste el circuito supresor de color</translation>
    </message>
    <message>
        <source>Adjust ACC control</source>
        <translation>Ajuste el control ACC</translation>
    </message>
    <message>
        <source>ACC circuit</source>
        <translation>Circuito ACC</translation>
    </message>
    <message>
        <source>1st or 2nd chroma amplifiers</source>
        <translation>Amplificadores de croma 1º o 2º</translation>
    </message>
    <message>
        <source>Phase shift network</source>
        <translation>Red desfasadora</translation>
    </message>
    <message>
        <source>Color demodulators</source>
        <translation>Demoduladores de color</translation>
    </message>
    <message>
        <source>Symptoms</source>
        <translation>Síntomas</translation>
    </message>
    <message>
        <source>Which color</source>
        <translation>Qué color</translation>
    </message>
    <message>
        <source>Select area to troubleshoot:</source>
        <translation>Elija la zona a revisar:</translation>
    </message>
    <message>
        <source>Problem areas:</source>
        <translation>Zonas con falla:</translation>
    </message>
    <message>
        <source>No color or weak color</source>
        <translation>Sin color o color débil</translation>
    </message>
    <message>
        <source>Areas predominantly one color</source>
        <translation>Zonas de un solo color</translation>
    </message>
    <message>
        <source>Colored confetti on B and W picture</source>
        <translation>Confeti de color en imagen B y N</translation>
    </message>
    <message>
        <source>B and W picture outlined in color</source>
        <translation>Imagen B y N con bordes de color</translation>
    </message>
    <message>
        <source>Colors float - No color sync</source>
        <translation>Colores flotan - sin sincronía de color</translation>
    </message>
    <message>
        <source>Screen predominantly one color</source>
        <translation>Pantalla de un solo color</translation>
    </message>
    <message>
        <source>Cyan raster or red rasted</source>
        <translation>Ráster cian o ráster rojo</translation>
    </message>
    <message>
        <source>Magenta raster or green raster</source>
        <translation>Ráster magenta o ráster verde</translation>
    </message>
    <message>
        <source>Yellow raster or blue raster</source>
        <translation>Ráster amarillo o ráster azul</translation>
    </message>
    <message>
        <source>Loss of red or excessive red</source>
        <translation>Falta o exceso de rojo</translation>
    </message>
    <message>
        <source>Loss of green or excessive green</source>
        <translation>Falta o exceso de verde</translation>
    </message>
    <message>
        <source>Loss of blue or excessive blue</source>
        <translation>Falta o exceso de azul</translation>
    </message>
    <message>
        <source>Please select one of the symptoms</source>
        <translation>Por favor elija uno de los síntomas</translation>
    </message>
    <message>
        <source>Enter selection</source>
        <translation>Elija una opción</translation>
    </message>
</context>
<context>
    <name>frmRaster</name>
    <message>
        <source>Raster</source>
        <translation>Ráster</translation>
    </message>
    <message>
        <source>No symptom chosen</source>
        <translation>Ningún síntoma elegido</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Circuits to check</source>
        <translation>Circuitos a revisar</translation>
    </message>
    <message>
        <source>Pin cushion circuit</source>
        <translation>Circuito de cojín</translation>
    </message>
    <message>
        <source>Vertical deflection oscillator</source>
        <translation>Oscilador vertical</translation>
    </message>
    <message>
        <source>Vertical deflection amplifier</source>
        <translation>Amplificador vertical</translation>
    </message>
    <message>
        <source>Vertical deflection yoke</source>
        <translation>Yugo de deflexión vertical</translation>
    </message>
    <message>
        <source>Sync seperator</source>
        <translation>Separador de sincronismo</translation>
    </message>
    <message>
        <source>Symptoms:</source>
        <translation>Síntomas:</translation>
    </message>
    <message>
        <source>Pincushion distortion</source>
        <translation>Distorsión de cojín</translation>
    </message>
    <message>
        <source>Vertical line only</source>
        <translation>Solo una línea vertical</translation>
    </message>
    <message>
        <source>Horizontal line only</source>
        <translation>Solo una línea horizontal</translation>
    </message>
    <message>
        <source>No raster at all</source>
        <translation>Sin ráster</translation>
    </message>
    <message>
        <source>Check one of the following to narrow diagnosis:</source>
        <translation>Marque uno de estos para acotar el diagnóstico:</translation>
    </message>
    <message>
        <source>Horizontal driver</source>
        <translation>Excitador horizontal</translation>
    </message>
    <message>
        <source>Horizontal output</source>
        <translation>Salida horizontal</translation>
    </message>
    <message>
        <source>High-voltage damper</source>
        <translation>Damper de alta tensión</translation>
    </message>
    <message>
        <source>High-voltage rectifier</source>
        <translation>Rectificador de alta tensión</translation>
    </message>
    <message>
        <source>High-voltage regulator</source>
        <translation>Regulador de alta tensión</translation>
    </message>
    <message>
        <source>Holddown cuircuit</source>
        <translation>Circuito de protección</translation>
    </message>
    <message>
        <source>Horizontal AFC</source>
        <translation>CAF horizontal</translation>
    </message>
    <message>
        <source>Horizontal oscillator</source>
        <translation>Oscilador horizontal</translation>
    </message>
    <message>
        <source>Picture tube</source>
        <translation>Tubo de imagen</translation>
    </message>
</context>
<context>
    <name>frmScan</name>
    <message>
        <source>Scan Derived Power Supply</source>
        <translation>Fuente derivada del barrido</translation>
    </message>
    <message>
        <source>Schematic of a scan derived power supply</source>
        <translation>Esquema de una fuente derivada del barrido</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
</context>
<context>
    <name>frmSound</name>
    <message>
        <source>Sound Problems</source>
        <translation>Problemas de sonido</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Picture circuits to check</source>
        <translation>Circuitos de imagen a revisar</translation>
    </message>
    <message>
        <source>Sound circuits to check</source>
        <translation>Circuitos de sonido a revisar</translation>
    </message>
    <message>
        <source>Symptom</source>
        <translation>Síntoma</translation>
    </message>
    <message>
        <source>Poor or no picture</source>
        <translation>Imagen mala o nula</translation>
    </message>
    <message>
        <source>Picture O.K.</source>
        <translation>Imagen bien</translation>
    </message>
    <message>
        <source>Check the following:</source>
        <translation>Revise lo siguiente:</translation>
    </message>
    <message>
        <source>Your sound problem may be further diagnosed by checking one of the following symptoms:</source>
        <translation>Puede afinar el diagnóstico del sonido marcando uno de estos síntomas:</translation>
    </message>
    <message>
        <source>UHF tuner</source>
        <translation>Selector UHF</translation>
    </message>
    <message>
        <source>VHF tuner</source>
        <translation>Selector VHF</translation>
    </message>
    <message>
        <source>Remote tuning</source>
        <translation>Sintonía remota</translation>
    </message>
    <message>
        <source>Video IF amplifiers</source>
        <translation>Amplif. FI de video</translation>
    </message>
    <message>
        <source>Synchronous detectors</source>
        <translation>Detectores síncronos</translation>
    </message>
    <message>
        <source>Sound IF detector</source>
        <translation>Detector FI sonido</translation>
    </message>
    <message>
        <source>Sound IF amplifier</source>
        <translation>Amplif. FI de sonido</translation>
    </message>
    <message>
        <source>Sound detector</source>
        <translation>Detector de sonido</translation>
    </message>
    <message>
        <source>Audio amplifier</source>
        <translation>Amplificador de audio</translation>
    </message>
    <message>
        <source>Speakers</source>
        <translation>Parlantes</translation>
    </message>
</context>
<context>
    <name>frmSync</name>
    <message>
        <source>Sync Seperator</source>
        <translation>Separador de sincronismo</translation>
    </message>
    <message>
        <source>Block diagram of the sync separator feeding the vertical and horizontal deflection</source>
        <translation>Diagrama en bloques del separador de sincronismo que alimenta la deflexión vertical y horizontal</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
</context>
<context>
    <name>frmUHF</name>
    <message>
        <source>UHF Tuner</source>
        <translation>Selector UHF</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Go to channel/frequency convertor</source>
        <translation>Ir al conversor canal/frecuencia</translation>
    </message>
    <message>
        <source>Oscillator</source>
        <translation>Oscilador</translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation>Mezclador</translation>
    </message>
    <message>
        <source>RF Amplifier</source>
        <translation>Amplificador de RF</translation>
    </message>
    <message>
        <source>AFT and remote tuning</source>
        <translation>AFT y sintonía remota</translation>
    </message>
    <message>
        <source>45.75 mhz picture IF &amp; 41.25 mhz sound IF</source>
        <translation>FI de video 45.75 mhz y FI de sonido 41.25 mhz</translation>
    </message>
</context>
<context>
    <name>frmVHF</name>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Go to channel/frequency convertor</source>
        <translation>Ir al conversor canal/frecuencia</translation>
    </message>
    <message>
        <source>Oscillator</source>
        <translation>Oscilador</translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation>Mezclador</translation>
    </message>
    <message>
        <source>RF Amplifier</source>
        <translation>Amplificador de RF</translation>
    </message>
    <message>
        <source>Balun</source>
        <translation>Balun</translation>
    </message>
    <message>
        <source>AFT &amp;remote tuning</source>
        <translation>AFT y &amp;control remoto</translation>
    </message>
    <message>
        <source>45.75 mhz picture IF &amp; 41.25 mhz sound IF</source>
        <translation>FI de video 45.75 mhz y FI de sonido 41.25 mhz</translation>
    </message>
    <message>
        <source>VHF Antenna</source>
        <translation>Antena VHF</translation>
    </message>
</context>
<context>
    <name>fw::Printing</name>
    <message>
        <source>The instructions could not be printed: no printer is set up.</source>
        <translation>No se pudieron imprimir las instrucciones: no hay impresora configurada.</translation>
    </message>
    <message>
        <source>The instructions could not be printed: the printer is not available.</source>
        <translation>No se pudieron imprimir las instrucciones: la impresora no está disponible.</translation>
    </message>
    <message>
        <source>The instructions could not be printed: the printer refused the job.</source>
        <translation>No se pudieron imprimir las instrucciones: la impresora rechazó el trabajo.</translation>
    </message>
    <message>
        <source>The notes could not be printed: no printer is set up.</source>
        <translation>No se pudieron imprimir las notas: no hay impresora configurada.</translation>
    </message>
    <message>
        <source>The notes could not be printed: the printer is not available.</source>
        <translation>No se pudieron imprimir las notas: la impresora no está disponible.</translation>
    </message>
    <message>
        <source>The notes could not be printed: the printer refused the job.</source>
        <translation>No se pudieron imprimir las notas: la impresora rechazó el trabajo.</translation>
    </message>
</context>
<context>
    <name>fw::Screen</name>
    <message>
        <source>picture</source>
        <translation>imagen</translation>
    </message>
    <message>
        <source>Nothing on this screen has a note.</source>
        <translation>Nada en esta pantalla tiene una nota.</translation>
    </message>
</context>
<context>
    <name>safety/anode</name>
    <message>
        <source>Anode charge</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture tube&apos;s anode holds many kilovolts for days and charges up again by itself after it has been discharged. Clip a lead to the tube&apos;s ground braid first, then touch its other end, on an insulated screwdriver, under the anode cap; discharge several times, or leave the lead on while working. Never put a meter on the anode or on the focus lead, which carries a few kilovolts: measure them only with a high voltage probe.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>safety/btl</name>
    <message>
        <source>Bridge (BTL) speaker output</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A bridge output IC drives the speaker from two amplifiers in opposite phase, so both speaker leads sit at about half the supply with the audio on each, and neither lead is ground: a scope ground clip on either shorts the output and can destroy the IC. Measure each lead to ground, or use a differential probe, or two scope channels shown as A minus B; never clip the ground lead to a speaker lead.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>safety/discharge</name>
    <message>
        <source>Filter capacitor charge</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the supply or the horizontal stage dead, nothing drains the main filter capacitor, and some 160 to 300 V can stay on it for a long time after switch-off. Unplug the set, discharge the capacitor through a resistor of a few kilohms rated for several watts, never with a bare screwdriver, and check with a meter that it reads near zero before touching anything.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>safety/implosion</name>
    <message>
        <source>Implosion</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture tube holds a hard vacuum and can implode. Wear eye protection when handling it, never lift it by the neck, and treat the thin neck gently when moving the yoke or the ring magnets.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>safety/isolation</name>
    <message>
        <source>Line-connected chassis</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mains voltage can kill. On a set without a mains transformer the whole chassis, small-signal stages included, sits at mains potential, and the ground clip of a grounded scope shorts the mains through it. Power such a set through an isolation transformer before any scope or meter work, and clip the scope&apos;s ground to the ground of the stage measured: the hot ground on the supply&apos;s primary side, the chassis ground elsewhere. Never float a scope by defeating its earth pin: its case then takes the voltage of whatever the clip touches. The isolation transformer protects nothing between two points inside the set: keep one hand away from the chassis while the set runs.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>safety/leakage</name>
    <message>
        <source>Leakage check</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After repairing a set without a mains transformer, check it for leakage before it goes back. With the set plugged straight into the mains and switched on, measure from each piece of exposed metal (antenna terminals, screws, socket shields) to a good earth ground across 1.5 kilohms shunted by 0.15 µF, then again with the plug reversed where it fits both ways: more than 0.75 V AC there (0.5 mA) is a leak to find.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>safety/neck</name>
    <message>
        <source>Live work at the neck</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purity and convergence are set with the set running and the hands at the tube&apos;s neck: the yoke terminals carry pulses near 1 kV, the tube socket board several kilovolts of focus voltage, and the neck is the tube&apos;s weakest point. Use insulated tools and keep one hand away from the set; never lever against the neck.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>safety/parts</name>
    <message>
        <source>Exact replacement parts</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace fuses, fusible resistors, the retrace (tuning) capacitor and every safety-marked part only with the exact type and rating: an ordinary resistor or a larger fuse is a fire risk, and a wrong retrace capacitor raises the high voltage and the X-ray output. Do not keep refitting a fuse that blows: bring the set up slowly through a series lamp, or on a variac, while looking for the short. A variac is an autotransformer and isolates nothing: feed it from the isolation transformer.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>safety/pulses</name>
    <message>
        <source>Pulse voltages</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While the set runs, the horizontal output collector carries pulses of 800 to 1500 V, and a switching supply&apos;s transistor 400 to 700 V at its collector or drain: beyond many meters&apos; ratings. Measure DC elsewhere, or with the set off and discharged; scope these points only with a x100 high voltage probe (a x10 probe only where its rating covers the peak), grounded on that stage&apos;s own ground, through an isolation transformer.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>safety/yoke</name>
    <message>
        <source>Yoke connected</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Never power the set with the deflection yoke unplugged: the horizontal output transistor can fail at once, and the high voltage can rise.</source>
        <translatorcomment>Waits until the trainer&apos;s texts settle: translated in a later step.</translatorcomment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
