// The circuit area notes as text: their length, their summary, the shared safety rules each carries, what
// they must and must not say, and that every area a screen shows is a known one.

#include "diagrams/areanotes.h"
#include "diagrams/areanotetexts.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <algorithm>

using namespace areanotes;

class tst_areanotes : public QObject
{
    Q_OBJECT
private slots:
    void note_data();
    void note();
    void rulesReachTheirAreas_data();
    void rulesReachTheirAreas();
    void says_data();
    void says();
    void idsAreUniqueAndKnown();
    void everyAreaShows();
};

void tst_areanotes::note_data()
{
    QTest::addColumn<QString>("id");
    for (const NoteText& text : noteTexts())
        QTest::newRow(text.id) << QString::fromLatin1(text.id);
}

// Between 60 and 150 words of its own; a first sentence short enough for a tooltip; then each rule it carries
// as a paragraph of its own. A hazardous area carries a rule beyond those that any small stage may carry (the
// bridge output's rule guards the set and the scope, not the hands).
void tst_areanotes::note()
{
    QFETCH(QString, id);
    const std::optional<Note> written = areanotes::note(id);
    QVERIFY2(written, "a note for an area that is not listed");
    const qsizetype words =
        written->body.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts).size();
    QVERIFY2(words >= 60 && words <= 150, qPrintable(QStringLiteral("%1 words").arg(words)));

    const QString first = summary(*written);
    QVERIFY2(first.size() <= 120, qPrintable(first));
    QVERIFY2(first.size() < written->body.size(), "the note is one sentence");
    QVERIFY(first.endsWith(QLatin1Char('.')));

    QVERIFY2(!written->body.contains(QLatin1String(kSafety)), "a safety line written into the note itself");
    QStringList paragraphs = written->text.split(QStringLiteral("\n\n"));
    for (const QString& paragraph : std::as_const(paragraphs))
        QVERIFY2(!paragraph.trimmed().isEmpty() && paragraph == paragraph.trimmed(), qPrintable(paragraph));
    QStringList rulesShown;
    while (!paragraphs.isEmpty() && paragraphs.last().startsWith(QLatin1String(kSafety)))
        rulesShown.prepend(paragraphs.takeLast());
    QCOMPARE(paragraphs.join(QStringLiteral("\n\n")), written->body);
    QCOMPARE(rulesShown.size(), qsizetype(written->rules.size()));
    for (std::size_t i = 0; i < written->rules.size(); ++i)
        QVERIFY(rulesShown[qsizetype(i)].endsWith(QString::fromUtf8(written->rules[i]->text)));

    const bool beyondSmallStages = std::ranges::any_of(written->rules, [](const Rule* rule) {
        const QLatin1String carried(rule->id);
        return carried != QLatin1String("isolation") && carried != QLatin1String("parts") &&
               carried != QLatin1String("btl");
    });
    QCOMPARE(beyondSmallStages, findArea(id)->hazard);
}

void tst_areanotes::rulesReachTheirAreas_data()
{
    QTest::addColumn<QString>("rule");
    QTest::addColumn<QString>("sends");     // a note whose own text matches must carry the rule
    QTest::addColumn<QStringList>("areas"); // these must carry it whatever their text says
    QTest::newRow("scope or meter work on a line-connected chassis")
        << "isolation"
        << "\\b(scope|meter|probe)\\b"
        << QStringList{"sync-separator",        "vertical-oscillator", "horizontal-afc",
                       "horizontal-oscillator", "video-if-amplifiers", "video-amplifier",
                       "chroma-amplifiers",     "sound-if-amplifier"};
    QTest::newRow("main filter capacitor left charged")
        << "discharge"
        << ""
        << QStringList{"switching-supply", "scan-derived-supply", "horizontal-output", "horizontal-driver",
                       "damper"};
    QTest::newRow("anode charge") << "anode"
                                  << "\\banode\\b" << QStringList{"picture-tube", "hv-rectifier"};
    QTest::newRow("implosion") << "implosion"
                               << "\\bneck\\b"
                               << QStringList{"picture-tube", "convergence", "vertical-yoke",
                                              "horizontal-yoke"};
    QTest::newRow("fuses, fusible resistors, retrace capacitors")
        << "parts"
        << "\\bfuses?\\b|fusible|retrace capacitor"
        << QStringList{"ac-mains-input", "horizontal-output", "hv-hold-down"};
    QTest::newRow("leakage to exposed metal")
        << "leakage"
        << "antenna terminal" << QStringList{"ac-mains-input", "antenna-signal"};
    QTest::newRow("live work at the neck")
        << "neck"
        << "ring magnets|purity rings" << QStringList{"convergence", "degaussing", "rgb-drivers"};
    QTest::newRow("yoke unplugged") << "yoke"
                                    << ""
                                    << QStringList{"vertical-yoke", "horizontal-yoke", "horizontal-output"};
    QTest::newRow("kilovolt pulses") << "pulses"
                                     << "800 to 1500 V|400 to 700 V"
                                     << QStringList{"horizontal-output", "switching-supply",
                                                    "voltage-regulator"};
    QTest::newRow("scope clip on a bridge output")
        << "btl"
        << "bridge (output|amplifier|\\(BTL\\))|\\bBTL\\b" << QStringList{"audio-amplifier", "loudspeaker"};
}

void tst_areanotes::rulesReachTheirAreas()
{
    QFETCH(QString, rule);
    QFETCH(QString, sends);
    QFETCH(QStringList, areas);
    const auto carries = [&rule](const Note& n) {
        return std::ranges::any_of(n.rules, [&rule](const Rule* r) { return rule == QLatin1String(r->id); });
    };
    const QRegularExpression trigger(sends, QRegularExpression::CaseInsensitiveOption);
    for (const Note& written : notes()) {
        if (!sends.isEmpty() && trigger.match(written.body).hasMatch())
            QVERIFY2(carries(written), qPrintable(written.id));
        if (areas.contains(written.id))
            QVERIFY2(carries(written), qPrintable(written.id));
    }
}

// What a service trainer checks in a note: a plain phrase that must, or must not, be there.
void tst_areanotes::says_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("phrase");
    QTest::addColumn<bool>("said");
    const auto row = [](const char* name, const char* id, const char* phrase, bool said) {
        QTest::newRow(name) << QString::fromLatin1(id) << QString::fromUtf8(phrase) << said;
    };
    row("filter capacitor ripple is volts", "low-voltage-supply", "several volts peak to peak", true);
    row("1st IF fault is no snowy picture", "first-video-if", "snowy", false);
    row("IF amplifier fault is no snowy picture", "video-if-amplifiers", "snowy", false);
    row("dead IF gives a clean raster", "video-if-amplifiers", "clean raster", true);
    row("SAW filter loss", "first-video-if", "15 to 25 dB", true);
    row("G2 not on a plain meter", "picture-tube", "high voltage probe", true);
    row("vertical oscillator protection", "vertical-oscillator", "vertical protection", true);
    row("vertical amplifier protection", "vertical-amplifier", "vertical protection", true);
    row("vertical yoke protection", "vertical-yoke", "vertical protection", true);
    row("DC-coupled video cuts the guns", "video-amplifier", "cut all three guns off", true);
    row("blanking stuck on", "blanking-amplifier", "blanks the whole screen", true);
    row("top and bottom correction", "pincushion", "line-rate waveform into the vertical yoke", true);
    row("shorted east-west part", "pincushion", "loads the horizontal output", true);
    row("degaussing distance", "degaussing", "withdraw it slowly to 1.5 to 2 meters", true);
    row("degaussing edge-on before off", "degaussing", "edge-on to the screen, and only then switch it off",
        true);
    row("degaussing not at arm's length", "degaussing", "arm's length", false);
    row("drive sets highlights only", "rgb-drivers", "highlights only", true);
    row("Screen is no brightness control", "brightness-control", "Do not use the Screen", true);
    row("G-Y from the matrix", "color-demodulators", "points to the matrix", true);
    row("dynamic convergence board", "convergence", "dynamic convergence board", true);
    row("sync loss costs the color", "sync-separator", "killer cuts the color", true);
    row("ghosts from reflections", "antenna-signal", "reflections", true);
    row("speaker buzz", "loudspeaker", "no hum or buzz", false);
    row("B+ not at the collector", "horizontal-output", "not at the collector", true);
    row("anode recharges", "picture-tube", "charges up again", true);
    row("tube implosion", "picture-tube", "eye protection", true);
    row("variac or series lamp", "ac-mains-input", "series lamp", true);
    row("leakage from the antenna terminals", "antenna-signal", "0.5 mA", true);
    row("switching transistor probe", "switching-supply", "x100", true);
    row("posistor blows the fuse", "degaussing", "keeps blowing the mains fuse", true);
    row("posistor at the mains input", "ac-mains-input", "thermistor", true);
    row("switching transistor takes the sense resistor", "switching-supply", "sense resistor", true);
    row("vertical output joints", "vertical-amplifier", "cracked solder joints at the output IC", true);
    row("vertical retrace boost", "vertical-amplifier", "retrace boost", true);
    row("integrated flyback", "hv-rectifier", "focus and screen divider", true);
    row("flyback divider at the tube", "picture-tube", "flyback divider", true);
    row("jungle IC resonator", "horizontal-oscillator", "500 kHz", true);
    row("small set anode voltage", "hv-rectifier", "20 to 25 kV on small color sets", true);
    row("1st video amplifier is IF", "first-video-if", "The 1st video amplifier is an IF stage", true);
    row("front end 2nd and 3rd are IF", "video-if-amplifiers", "2nd and 3rd video amplifiers are IF", true);
    row("colour 2nd video is luminance", "comb-filter", "2nd video amplifier beside it is a luminance", true);
    row("colour 3rd video is luminance", "third-video-amplifier", "3rd video amplifier is a luminance", true);
    row("both bands can be the VHF tuner", "vhf-tuner", "fault on both bands can still be here", true);
    row("both bands not past the tuner", "vhf-tuner", "past the tuner", false);
    row("bridging a filter capacitor", "low-voltage-supply", "unplugged and discharged, clip it in", true);
    row("bridged capacitor discharged again", "low-voltage-supply", "discharge it again", true);
    row("S-correction capacitor", "horizontal-output", "S-correction capacitor", true);
    row("single vertical line burns", "horizontal-yoke", "burns the phosphor", true);
    row("focus by probe only", "hv-rectifier", "focus lead", true);
    row("collector by x100 probe", "horizontal-output", "x100 high voltage probe", true);
    row("no floating scope", "ac-mains-input", "defeating its earth pin", true);
    row("isolation leaves one hand", "sync-separator", "one hand", true);
    row("variac isolates nothing", "ac-mains-input", "isolates nothing", true);
    row("stuck AFT detunes all", "aft", "switch AFT off and retune", true);
    row("stuck AFT can lose stations", "aft", "cannot cause a loss of all stations", false);
    row("chirp: lamp on the B+", "switching-supply", "60 to 100 W lamp", true);
    row("bonded yoke stays", "convergence", "bonded or wedged in place", true);
    row("purity with the yoke back", "convergence", "with the yoke slid back", true);
    row("BTL leads at half supply", "audio-amplifier", "bridge (BTL)", true);
    row("BTL ground clip", "audio-amplifier", "ground clip on either shorts the output", true);
    row("BTL differential", "loudspeaker", "A minus B", true);
}

void tst_areanotes::says()
{
    QFETCH(QString, id);
    QFETCH(QString, phrase);
    QFETCH(bool, said);
    const std::optional<Note> written = areanotes::note(id);
    QVERIFY(written);
    QCOMPARE(written->text.contains(phrase, Qt::CaseInsensitive), said);
}

// A second note or area under one id would hide behind the first; a place, note or rule under an unknown id
// would never show.
void tst_areanotes::idsAreUniqueAndKnown()
{
    QSet<QString> areaIds;
    for (const Area& area : areas()) {
        QVERIFY2(!areaIds.contains(area.id), area.id);
        areaIds.insert(area.id);
    }
    QSet<QString> noteIds;
    for (const NoteText& text : noteTexts()) {
        QVERIFY2(areaIds.contains(text.id), text.id);
        QVERIFY2(!noteIds.contains(text.id), text.id);
        noteIds.insert(text.id);
    }
    QSet<QString> ruleIds;
    for (const Rule& rule : rules())
        ruleIds.insert(rule.id);
    for (const AreaRules& attached : areaRules()) {
        QVERIFY2(areaIds.contains(attached.area), attached.area);
        for (const char* rule : attached.rules)
            QVERIFY2(ruleIds.contains(rule), rule);
    }
    QSet<QString> shown;
    for (const Place& place : places()) {
        QVERIFY2(areaIds.contains(place.id), place.id);
        const QString key =
            QStringLiteral("%1.%2.%3")
                .arg(place.screen, place.control, QLatin1String(place.item ? place.item : ""));
        QVERIFY2(!shown.contains(key), qPrintable(key));
        shown.insert(key);
        QCOMPARE(areaAt(place.screen, place.control, place.item ? place.item : ""),
                 QString::fromLatin1(place.id));
    }
}

// An area that no control shows is a note nobody can reach.
void tst_areanotes::everyAreaShows()
{
    for (const Area& area : areas())
        QVERIFY2(std::ranges::any_of(
                     places(), [&](const Place& p) { return QLatin1String(p.id) == QLatin1String(area.id); }),
                 area.id);
}

QTEST_GUILESS_MAIN(tst_areanotes)
#include "tst_areanotes.moc"
