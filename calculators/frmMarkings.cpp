#include "calculators/frmMarkings.h"

#include "calculators/markingsview.h"
#include "runtime/mainmenu.h"
#include "runtime/placement.h"

#include <algorithm>

using namespace fw;
using namespace markings;
using namespace markingsview;

frmMarkings::frmMarkings()
    : Form(QStringLiteral("frmMarkings"), QT_TR_NOOP("Component Markings"), QSize(9600, 7260))
{}

Design frmMarkings::design() const
{
    // The table never changes: it is made once, and each load takes a copy that shares its texts.
    static const Design table = [] {
        Design d{
            option("Option1", QT_TR_NOOP("3 bands"), 240, 330, 975, 315),
            option("Option2", QT_TR_NOOP("4 bands"), 1215, 330, 975, 315),
            option("Option3", QT_TR_NOOP("5 bands"), 2190, 330, 975, 315),
            option("Option4", QT_TR_NOOP("6 bands"), 3165, 330, 975, 315),
            label("Label1", QT_TR_NOOP("Value or bands, e.g. 4k7"), 4200, 60, 3600, 255),
            textBox("txtValue", "", 4200, 330, 4140, 345).says(QT_TR_NOOP("Value or bands")).size(9.75),
            command("cmdClear", QT_TR_NOOP("Clear"), 8400, 315, 1095, 375).bold(8.25),
            picture("picResistor", ":/assets/resistor-body.svg", 600, kBodyTop, 8400, kBodyHeight)
                .says(QT_TR_NOOP("A resistor with two wire leads, its bands drawn on its body")),
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
                        .says(QT_TR_NOOP("The thirteen band colours, each named")));
        for (const BandColor& c : bandColors())
            d.push_back(label(swatchName(c.color), "", kSwatchLeft + static_cast<int>(c.color) * kSwatchStep,
                              kSwatchTop, 660, 495)
                            .says(QString::fromLatin1(c.name)));
        d.insert(
            d.end(),
            {
                label("lblValue", "", 240, 3120, 4440, 420).bold(14).says(QT_TR_NOOP("Reading")),
                label("lblSeries", "", 240, 3600, 9120, 480).says(QT_TR_NOOP("E-series")),
                label("lblReverse", "", 240, 4080, 9120, 480).says(QT_TR_NOOP("Read from the other end")),
                label("lblMessage", "", 240, 4560, 9120, 480)
                    .bold(8.25)
                    .fore(colors::darkRed)
                    .says(QT_TR_NOOP("Message")),
                label("Label5", QT_TR_NOOP("SMD code"), 240, 5130, 1320, 255).bold(8.25),
                textBox("txtSmd", "", 1560, 5070, 1680, 345).says(QT_TR_NOOP("SMD resistor code")).bold(9.75),
                label("lblSmd", "", 3360, 5100, 6000, 480).says(QT_TR_NOOP("SMD code reading")),
                label("lblSmdCodes", "", 240, 5640, 9120, 300).says(QT_TR_NOOP("SMD codes of the value")),
                label("Label6", QT_TR_NOOP("Capacitor code"), 240, 6090, 1320, 255).bold(8.25),
                textBox("txtCap", "", 1560, 6030, 1680, 345).says(QT_TR_NOOP("Capacitor code")).bold(9.75),
                label("lblCap", "", 3360, 6060, 6000, 480).says(QT_TR_NOOP("Capacitor code reading")),
                command("cmdReturn", QT_TR_NOOP("Return"), 4260, 6720, 1095, 375).bold(8.25),
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
    const int figures = figuresOf(static_cast<std::size_t>(m_part.count));
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
        m_note = tr("A resistor has 3, 4, 5 or 6 bands, or the one black band of a zero-ohm link.");
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
    const int figures = figuresOf(bands.size());
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
        notes << tr("%1 has more figures than %2 bands carry: they mark the nearest, %3.")
                     .arg(ohmsText(value->ohms), QString::number(count), ohmsText(marking->ohms));
    const bool zero = marking->bands.size() == 1;
    if (!zero && count == 3 && value->tolerance)
        notes << tr("Three bands carry no tolerance: they mean %1.").arg(percentText(kNoBandTolerance));
    if (!zero && count >= 4 && !m_part.tolerance)
        notes << tr("No tolerance typed: %1 (%2) assumed.")
                     .arg(nameOf(tolerance), percentText(*bandColor(tolerance).tolerance));
    if (!zero && count == kMostBands && !m_part.coefficient)
        notes << tr("No coefficient chosen: %1 (%2 ppm/K) assumed.")
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
        const QString spoken = color ? nameOf(*color) + u' ' + meaning(*color, i, count) : tr("not chosen");
        b->setAccessibleName(tr("Band %1: %2").arg(i + 1).arg(spoken));
        caption->setAccessibleName(tr("Band %1: %2").arg(i + 1).arg(spoken));
    }
    showReading();
}

void frmMarkings::cmdReturn_Click()
{
    fw::showMainMenu();
    Unload();
}
