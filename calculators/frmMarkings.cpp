#include "calculators/frmMarkings.h"

#include "app/frmOne.h"
#include "app/placement.h"

#include <QPainter>

#include <algorithm>

using namespace fw;
using namespace markings;

namespace {
constexpr int kMostBands = 6;

// The drawn resistor: body, bands and the captions under them, in twips.
constexpr int kBodyLeft = 2400, kBodyTop = 840, kBodyWidth = 4800, kBodyHeight = 840;
constexpr int kBandWidth = 330, kBandMargin = 420;
// Three lines: the colour, and a meaning such as "no tolerance" that wraps at its space. Wide enough for a
// coefficient such as "100 ppm/K" on one line, wider than the bands of a 6-band part stand apart: a caption's
// text is centred, so that neighbours' texts still stand clear of each other.
constexpr int kCaptionWidth = 840, kCaptionTop = kBodyTop + kBodyHeight + 60, kCaptionHeight = 720;

constexpr int kSwatchLeft = 240, kSwatchStep = 705, kSwatchTop = 2520;

QString bandName(int i)
{
    return QStringLiteral("Band%1").arg(i + 1);
}

QString captionName(int i)
{
    return QStringLiteral("lblBand%1").arg(i + 1);
}

QString swatchName(Color color)
{
    return QStringLiteral("Color%1").arg(static_cast<int>(color) + 1);
}

QColor paint(Color color)
{
    const Rgb rgb = bandColor(color).rgb;
    return QColor(rgb.red, rgb.green, rgb.blue);
}

QString nameOf(Color color)
{
    return QString::fromLatin1(bandColor(color).name);
}

// The left edge of band i of `count` on the body: evenly spaced, a lone band in the middle.
int bandLeft(int i, int count)
{
    if (count == 1)
        return kBodyLeft + (kBodyWidth - kBandWidth) / 2;
    return kBodyLeft + kBandMargin + i * ((kBodyWidth - 2 * kBandMargin - kBandWidth) / (count - 1));
}

// A fresh screen shows a 4-band part with no band chosen: the design draws it, so that opening costs nothing
// more.
constexpr int kFreshCount = 4;

// The band the next colour goes to has a heavy outline, a chosen one a thin one, the others none. The outline
// is black on a light band and white on a dark one, so that it shows on every colour.
void markCurrent(Label* band, bool current, bool chosen, const QColor& fill)
{
    band->setFrameStyle(current || chosen ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    band->setLineWidth(current ? 3 : 1);
    const bool light = !chosen || qGray(fill.rgb()) >= 128;
    setForeColor(band, light ? QColor(Qt::black) : QColor(Qt::white));
}

// The ring round a colour swatch that has the keyboard focus: black outside, white inside, so that it shows
// on every colour. It lies over the swatch, which keeps its clicks and keys.
class FocusRing : public QWidget
{
public:
    explicit FocusRing(QWidget* swatch) : QWidget(swatch)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        resize(swatch->size());
        swatch->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize)
            resize(parentWidget()->size());
        return QWidget::eventFilter(watched, event);
    }

    void paintEvent(QPaintEvent*) override
    {
        if (!parentWidget()->hasFocus())
            return;
        constexpr int kLine = 2;
        QPainter painter(this);
        const QRect outer = rect();
        const QRect inner = outer.adjusted(kLine, kLine, -kLine, -kLine);
        const QRegion outerRing = QRegion(outer).subtracted(inner);
        const QRegion innerRing = QRegion(inner).subtracted(inner.adjusted(kLine, kLine, -kLine, -kLine));
        for (const QRect& r : outerRing)
            painter.fillRect(r, Qt::black);
        for (const QRect& r : innerRing)
            painter.fillRect(r, Qt::white);
    }
};

// A result is read out as what it says; an empty one as what it is for, the name the design gives it.
constexpr char kRole[] = "resultRole";
void showResult(Label* label, const QString& text)
{
    label->setText(text);
    label->setAccessibleName(text.isEmpty() ? label->property(kRole).toString() : text);
}

int figuresOf(int count)
{
    return count >= 5 ? 3 : 2;
}

// What band `i` of `count` stands for, written under it: a digit, a multiplier, a tolerance, a coefficient.
QString meaning(Color color, int i, int count)
{
    const BandColor& c = bandColor(color);
    if (count == 1)
        return QStringLiteral("0 \u03A9 link");
    const int figures = figuresOf(count);
    if (i < figures)
        return c.digit ? QString::number(*c.digit) : QStringLiteral("no digit");
    if (i == figures) {
        const QString ohms = ohmsText(Decimal::of(1, c.multiplierExponent));
        return u'\u00D7' + ohms.left(ohms.size() - 1).remove(u' '); // "×1k", "×0.01"
    }
    if (i == figures + 1)
        return c.tolerance ? percentText(*c.tolerance) : QStringLiteral("no tolerance");
    return c.temperatureCoefficient ? QStringLiteral("%1 ppm/K").arg(*c.temperatureCoefficient)
                                    : QStringLiteral("no coefficient");
}

QString joined(const QStringList& items)
{
    if (items.size() < 2)
        return items.join(QString());
    return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") + items.back();
}
} // namespace

frmMarkings::frmMarkings()
    : Form(QStringLiteral("frmMarkings"), QStringLiteral("Component Markings"), QSize(9600, 7260))
{}

Design frmMarkings::design() const
{
    // The table never changes: it is made once, and each load takes a copy that shares its texts.
    static const Design table = [] {
        Design d{
            option("Option1", "3 bands", 240, 330, 960, 315),
            option("Option2", "4 bands", 1200, 330, 960, 315),
            option("Option3", "5 bands", 2160, 330, 960, 315),
            option("Option4", "6 bands", 3120, 330, 960, 315),
            label("Label1", "Value or bands, e.g. 4k7", 4200, 60, 3600, 255),
            textBox("txtValue", "", 4200, 330, 3600, 345).says("Value or bands").size(9.75),
            command("cmdClear", "Clear", 7920, 315, 1095, 375).bold(8.25),
            picture("picResistor", ":/assets/resistor-body.svg", 600, kBodyTop, 8400, kBodyHeight)
                .says("A resistor with two wire leads, its bands drawn on its body"),
        };
        for (int i = 0; i < kMostBands; ++i) {
            Ctl band = label(bandName(i), "", bandLeft(i, kFreshCount), kBodyTop, kBandWidth, kBodyHeight)
                           .says(QStringLiteral("Band %1").arg(i + 1));
            d.push_back(i < kFreshCount ? band : band.hidden());
        }
        for (int i = 0; i < kMostBands; ++i) {
            Ctl caption =
                label(captionName(i), "", bandLeft(i, kFreshCount) + kBandWidth / 2 - kCaptionWidth / 2,
                      kCaptionTop, kCaptionWidth, kCaptionHeight)
                    .centred()
                    .says(QStringLiteral("What band %1 stands for").arg(i + 1));
            d.push_back(i < kFreshCount ? caption : caption.hidden());
        }
        // The named colours are one picture; a clear box over each one takes its clicks and keys.
        d.push_back(picture("picColours", ":/assets/band-colours.svg", kSwatchLeft, kSwatchTop, 9120, 495)
                        .says("The thirteen band colours, each named"));
        for (const BandColor& c : bandColors())
            d.push_back(label(swatchName(c.color), "", kSwatchLeft + static_cast<int>(c.color) * kSwatchStep,
                              kSwatchTop, 660, 495)
                            .says(QString::fromLatin1(c.name)));
        d.insert(d.end(),
                 {
                     label("lblValue", "", 240, 3120, 4440, 420).bold(14).says("Reading"),
                     label("lblSeries", "", 240, 3600, 9120, 480).says("E-series"),
                     label("lblReverse", "", 240, 4080, 9120, 480).says("Read from the other end"),
                     label("lblMessage", "", 240, 4560, 9120, 480)
                         .bold(8.25)
                         .fore(colors::darkRed)
                         .says("Message"),
                     label("Label5", "SMD code", 240, 5130, 1320, 255).bold(8.25),
                     textBox("txtSmd", "", 1560, 5070, 1680, 345).says("SMD resistor code").bold(9.75),
                     label("lblSmd", "", 3360, 5100, 6000, 480).says("SMD code reading"),
                     label("lblSmdCodes", "", 240, 5640, 9120, 300).says("SMD codes of the value"),
                     label("Label6", "Capacitor code", 240, 6090, 1320, 255).bold(8.25),
                     textBox("txtCap", "", 1560, 6030, 1680, 345).says("Capacitor code").bold(9.75),
                     label("lblCap", "", 3360, 6060, 6000, 480).says("Capacitor code reading"),
                     command("cmdReturn", "Return", 4260, 6720, 1095, 375).bold(8.25),
                 });
        return d;
    }();
    return table;
}

Label* frmMarkings::band(int i)
{
    return control<Label>(bandName(i));
}

Label* frmMarkings::bandCaption(int i)
{
    return control<Label>(captionName(i));
}

Label* frmMarkings::swatch(Color color)
{
    return control<Label>(swatchName(color));
}

void frmMarkings::wire()
{
    OptionButton* options[] = {Option1(), Option2(), Option3(), Option4()};
    for (int i = 0; i < 4; ++i)
        connect(options[i], &OptionButton::Click, this, [this, i] { Option_Click(i + 3); });
    connect(txtValue(), &QLineEdit::textEdited, this, &frmMarkings::txtValue_Change);
    connect(cmdClear(), &CommandButton::Click, this, &frmMarkings::cmdClear_Click);
    for (int i = 0; i < kMostBands; ++i)
        connect(band(i), &Label::Click, this, [this, i] { Band_Click(i); });
    for (const BandColor& c : bandColors()) {
        const Color color = c.color;
        connect(swatch(color), &Label::Click, this, [this, color] { Swatch_Click(color); });
        new FocusRing(swatch(color));
    }
    connect(txtSmd(), &QLineEdit::textEdited, this, &frmMarkings::txtSmd_Change);
    connect(txtCap(), &QLineEdit::textEdited, this, &frmMarkings::txtCap_Change);
    connect(cmdReturn(), &CommandButton::Click, this, &frmMarkings::cmdReturn_Click);
    for (Label* text : {lblSeries(), lblReverse(), lblMessage(), lblSmd(), lblCap()})
        text->setWordWrap(true);
    for (Label* result :
         {lblValue(), lblSeries(), lblReverse(), lblMessage(), lblSmd(), lblSmdCodes(), lblCap()})
        result->setProperty(kRole, result->accessibleName());
}

void frmMarkings::Form_Load()
{
    place(*this);
    m_note.clear();
    m_part = Part{};
    m_fromValue = false;
    setCount(kFreshCount); // as the design draws it
    keepAsTypedFrom();
    markCurrent(band(0), true, false, {});
}

void frmMarkings::setCount(int count)
{
    m_part.count = count;
    OptionButton* options[] = {Option1(), Option2(), Option3(), Option4()};
    for (int i = 0; i < 4; ++i)
        options[i]->setValue(i + 3 == count);
    emptyPart();
}

void frmMarkings::emptyPart()
{
    m_bands.assign(static_cast<std::size_t>(m_part.count), std::nullopt);
    m_current = 0;
}

void frmMarkings::keepAsTypedFrom()
{
    m_typedFrom = m_part;
}

void frmMarkings::Option_Click(int count)
{
    m_note.clear();
    setCount(count);
    if (m_fromValue)
        writeBands();
    keepAsTypedFrom();
    showBands(!m_fromValue);
}

void frmMarkings::Band_Click(int i)
{
    m_current = i;
    showBands(false);
}

void frmMarkings::Swatch_Click(Color color)
{
    if (m_bands.size() == 1) // a zero-ohm link gives way to a fresh part
        emptyPart();
    // A tolerance or coefficient chosen for a typed value keeps the value; any other band makes a new part.
    const int figures = figuresOf(m_part.count);
    const BandColor& c = bandColor(color);
    const bool tolerance = m_current == figures + 1 && c.tolerance;
    const bool coefficient = m_current == figures + 2 && c.temperatureCoefficient;
    if (tolerance)
        m_part.tolerance = color;
    if (coefficient)
        m_part.coefficient = color;
    m_fromValue = m_fromValue && (tolerance || coefficient);
    m_note.clear();
    m_bands[static_cast<std::size_t>(m_current)] = color;
    m_current = (m_current + 1) % static_cast<int>(m_bands.size());
    if (m_fromValue)
        writeBands();
    keepAsTypedFrom();
    showBands(!m_fromValue);
}

void frmMarkings::cmdClear_Click()
{
    m_note.clear();
    m_fromValue = false;
    m_part.tolerance.reset();
    m_part.coefficient.reset();
    emptyPart();
    keepAsTypedFrom();
    showBands(true);
}

void frmMarkings::txtValue_Change()
{
    // The box is read afresh from where typing began, so that a refused entry changes nothing.
    m_note.clear();
    m_part = m_typedFrom;
    setCount(m_part.count);
    const QString typed = txtValue()->text().trimmed();
    const Result<TypedValue> value = parseValue(typed);
    m_fromValue = bool(value);
    if (value) {
        const auto colors = bandColors();
        const auto typedBand = std::find_if(colors.begin(), colors.end(), [&](const BandColor& c) {
            return value->tolerance && c.tolerance == value->tolerance;
        });
        if (typedBand != colors.end())
            m_part.tolerance = typedBand->color;
        writeBands();
        showBands(false);
        return;
    }
    if (typed.isEmpty()) {
        showBands(false);
        return;
    }
    // Not a value: the bands as words, "yellow violet red gold".
    const QStringList words = typed.split(u' ', Qt::SkipEmptyParts);
    std::vector<std::optional<Color>> bands;
    for (const QString& word : words)
        bands.push_back(colorNamed(word));
    const auto unknown = std::find(bands.begin(), bands.end(), std::nullopt);
    const bool wordy =
        std::any_of(bands.begin(), bands.end(), [](const auto& b) { return b.has_value(); }) ||
        std::all_of(typed.begin(), typed.end(), [](QChar ch) { return ch.isLetter() || ch == u' '; });
    if (!wordy)
        m_note = value.reason;
    else if (unknown != bands.end())
        m_note = QStringLiteral(
                     "\u201C%1\u201D is no band colour: black, brown, red, orange, yellow, green, blue, "
                     "violet, grey, white, gold, silver or pink.")
                     .arg(words[unknown - bands.begin()]);
    else if (bands.size() == 2 || bands.size() > kMostBands)
        m_note =
            QStringLiteral("A resistor has 3, 4, 5 or 6 bands, or the one black band of a zero-ohm link.");
    else if (bands.size() == 1 && bands[0] != Color::Black)
        m_note = readBands(std::vector{*bands[0]}).reason;
    if (!m_note.isEmpty()) {
        // Nothing is drawn that could be mistaken for the marking typed.
        showBands(false);
        return;
    }
    if (bands.size() > 1)
        setCount(static_cast<int>(bands.size()));
    m_bands = bands;
    const int figures = figuresOf(static_cast<int>(bands.size()));
    if (bands.size() >= 4 && bandColor(*bands[static_cast<std::size_t>(figures + 1)]).tolerance)
        m_part.tolerance = bands[static_cast<std::size_t>(figures + 1)];
    if (bands.size() == kMostBands && bandColor(*bands.back()).temperatureCoefficient)
        m_part.coefficient = bands.back();
    showBands(false);
}

void frmMarkings::writeBands()
{
    const Result<TypedValue> value = parseValue(txtValue()->text());
    if (!value)
        return;
    const int count = m_part.count;
    // The tolerance and coefficient typed or last chosen on their bands; gold on 4 bands, brown on more,
    // until then, and the screen says which it took.
    const Color tolerance = m_part.tolerance.value_or(count == 4 ? Color::Gold : Color::Brown);
    const Color coefficient = m_part.coefficient.value_or(Color::Brown);
    const Result<BandMarking> marking = bandsFor(value->ohms, count, *bandColor(tolerance).tolerance,
                                                 *bandColor(coefficient).temperatureCoefficient);
    emptyPart();
    if (!marking) {
        // Nothing is drawn that could be mistaken for the value's marking.
        m_note = marking.reason;
        return;
    }
    QStringList notes;
    if (!marking->exact)
        notes << QStringLiteral("%1 has more figures than %2 bands carry: they mark the nearest, %3.")
                     .arg(ohmsText(value->ohms), QString::number(count), ohmsText(marking->ohms));
    const bool zero = marking->bands.size() == 1;
    if (!zero && count == 3 && value->tolerance)
        notes << QStringLiteral("Three bands carry no tolerance: they mean %1.")
                     .arg(percentText(kNoBandTolerance));
    if (!zero && count >= 4 && !m_part.tolerance)
        notes << QStringLiteral("No tolerance typed: %1 (%2) assumed.")
                     .arg(nameOf(tolerance), percentText(*bandColor(tolerance).tolerance));
    if (!zero && count == kMostBands && !m_part.coefficient)
        notes << QStringLiteral("No coefficient chosen: %1 (%2 ppm/K) assumed.")
                     .arg(nameOf(coefficient))
                     .arg(*bandColor(coefficient).temperatureCoefficient);
    m_note = notes.join(u' ');
    m_bands.assign(marking->bands.begin(), marking->bands.end());
}

void frmMarkings::showBands(bool rewriteWords)
{
    const int count = static_cast<int>(m_bands.size());
    if (rewriteWords) {
        QStringList names;
        for (const auto& b : m_bands)
            names << (b ? nameOf(*b) : QStringLiteral("?"));
        const bool none =
            std::none_of(m_bands.begin(), m_bands.end(), [](const auto& b) { return b.has_value(); });
        txtValue()->setText(none ? QString() : names.join(u' '));
    }
    for (int i = 0; i < kMostBands; ++i) {
        Label* b = band(i);
        Label* caption = bandCaption(i);
        const bool shown = i < count;
        b->setVisible(shown);
        caption->setVisible(shown);
        if (!shown)
            continue;
        const int left = bandLeft(i, count);
        b->setGeometry(toPixels(left), toPixels(kBodyTop), toPixels(kBandWidth), toPixels(kBodyHeight));
        caption->setGeometry(toPixels(left + kBandWidth / 2 - kCaptionWidth / 2), toPixels(kCaptionTop),
                             toPixels(kCaptionWidth), toPixels(kCaptionHeight));
        const auto& color = m_bands[static_cast<std::size_t>(i)];
        // A band not chosen yet is an outline on the body.
        if (color)
            setBackColor(b, paint(*color));
        else
            b->setAutoFillBackground(false);
        markCurrent(b, i == m_current, color.has_value(), color ? paint(*color) : QColor());
        caption->setText(color ? nameOf(*color) + u'\n' + meaning(*color, i, count) : QString());
        const QString spoken =
            color ? nameOf(*color) + u' ' + meaning(*color, i, count) : QStringLiteral("not chosen");
        b->setAccessibleName(QStringLiteral("Band %1: %2").arg(i + 1).arg(spoken));
        caption->setAccessibleName(QStringLiteral("Band %1: %2").arg(i + 1).arg(spoken));
    }
    showReading();
}

void frmMarkings::showReading()
{
    for (Label* text : {lblValue(), lblSeries(), lblReverse(), lblSmdCodes()})
        showResult(text, {});
    showResult(lblMessage(), m_note);
    const auto unset = std::find(m_bands.begin(), m_bands.end(), std::nullopt);
    if (unset != m_bands.end()) {
        // Once a part is begun, the next band to choose; a fresh screen has its heading to go by.
        const bool begun =
            std::any_of(m_bands.begin(), m_bands.end(), [](const auto& b) { return b.has_value(); });
        if (m_note.isEmpty() && begun)
            showResult(lblMessage(),
                       QStringLiteral("Click a colour for band %1.").arg(unset - m_bands.begin() + 1));
        return;
    }
    std::vector<Color> bands;
    for (const auto& b : m_bands)
        bands.push_back(*b);
    const Result<BandReading> reading = readBands(bands);
    const std::optional<BandReading> reversed = readReversed(bands);
    if (!reading) {
        QString why = reading.reason;
        if (reversed)
            why += QStringLiteral(" Read from the other end they mark %1.").arg(ohmsText(reversed->ohms));
        showResult(lblMessage(), m_note.isEmpty() ? why : m_note);
        return;
    }
    if (reading->zeroOhm) {
        showResult(lblValue(), QStringLiteral("0 \u03A9, a zero-ohm link"));
        return;
    }
    showResult(lblValue(), ohmsText(reading->ohms) + u' ' + percentText(*reading->tolerance));
    const auto [least, most] = toleranceRange(reading->ohms, *reading->tolerance);
    QString range = QStringLiteral("From %1 to %2").arg(ohmsText(least), ohmsText(most));
    if (reading->temperatureCoefficient)
        range += QStringLiteral(", %1 ppm/K").arg(*reading->temperatureCoefficient);

    QStringList in;
    for (Series s : kAllSeries)
        if (inSeries(reading->ohms, s))
            in << seriesName(s);
    const Series own = seriesForTolerance(*reading->tolerance);
    const auto [below, above] = neighbours(reading->ohms, own);
    showResult(
        lblSeries(),
        range + QStringLiteral(". ") +
            (in.isEmpty() ? QStringLiteral("In no E-series.") : QStringLiteral("In %1.").arg(joined(in))) +
            QStringLiteral(" Nearest in %1 (%2): %3 below, %4 above.")
                .arg(seriesName(own), percentText(*reading->tolerance), ohmsText(below), ohmsText(above)));

    if (const std::optional<Ends> ends = compareEnds(bands)) {
        const QString forward = ohmsText(reading->ohms), backward = ohmsText(reversed->ohms);
        const bool both = ends->forwardStandard && ends->reversedStandard;
        QString which;
        switch (ends->favoured) {
        case End::Neither:
            which = QStringLiteral("Neither is a standard value.");
            break;
        case End::Either:
            which = QStringLiteral("Both are standard values: the tolerance band is the one set apart.");
            break;
        case End::Forward:
        case End::Reversed: {
            const QString favoured = ends->favoured == End::Forward ? forward : backward;
            which = both ? QStringLiteral("Both are standard values; the tolerance colour favours %1.")
                               .arg(favoured)
                         : QStringLiteral("%1 is the standard value.").arg(favoured);
        }
        }
        showResult(lblReverse(), QStringLiteral("Read from the other end: %1 %2. %3")
                                     .arg(backward, percentText(*reversed->tolerance), which));
    }

    QStringList codes;
    for (SmdFamily family : {SmdFamily::ThreeDigit, SmdFamily::FourDigit, SmdFamily::Eia96}) {
        const auto code = smdCode(reading->ohms, family);
        codes << familyName(family) + u' ' + (code ? *code : QStringLiteral("none"));
    }
    showResult(lblSmdCodes(), QStringLiteral("As SMD codes: ") + codes.join(QStringLiteral(", ")) + u'.');
}

void frmMarkings::txtSmd_Change()
{
    const QString code = txtSmd()->text();
    if (code.trimmed().isEmpty()) {
        showResult(lblSmd(), {});
        return;
    }
    const auto readings = readSmd(code);
    if (!readings) {
        showResult(lblSmd(), readings.reason);
        return;
    }
    QStringList said;
    for (const SmdReading& r : *readings)
        said << QStringLiteral("%1 (%2)").arg(ohmsText(r.ohms), familyName(r.family));
    showResult(lblSmd(), said.join(QStringLiteral("; or ")) + u'.');
}

void frmMarkings::txtCap_Change()
{
    const QString code = txtCap()->text();
    if (code.trimmed().isEmpty()) {
        showResult(lblCap(), {});
        return;
    }
    const auto readings = readCapacitor(code);
    if (!readings) {
        showResult(lblCap(), readings.reason);
        return;
    }
    // Every reading in full; how it was read where the marking leaves a doubt or the unit unwritten.
    QStringList said;
    for (const CapacitorMarking& marking : *readings) {
        const Decimal pf = marking.picofarads;
        QString text =
            QStringLiteral("%1 = %2 = %3")
                .arg(decimalText(pf, 0, QStringLiteral("pF")), decimalText(pf, 3, QStringLiteral("nF")),
                     decimalText(pf, 6, QStringLiteral("\u00B5F")));
        if (readings->size() > 1 || marking.notation == CapacitorNotation::Microfarads)
            text += QStringLiteral(" (%1)").arg(notationName(marking.notation));
        if (marking.toleranceLetter)
            text += QStringLiteral(", %1 (%2)").arg(marking.tolerance, *marking.toleranceLetter);
        if (marking.volts) {
            const bool kilovolts = *marking.volts >= Decimal::of(1, 3);
            text += QStringLiteral(", rated %1")
                        .arg(decimalText(*marking.volts, kilovolts ? 3 : 0,
                                         kilovolts ? QStringLiteral("kV") : QStringLiteral("V")));
        }
        said << text;
    }
    showResult(lblCap(), said.join(QStringLiteral("; or ")) + u'.');
}

void frmMarkings::cmdReturn_Click()
{
    frmOne::get().Show();
    Unload();
}
