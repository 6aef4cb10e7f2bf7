#include "calculators/frmMarkings.h"

#include "app/frmOne.h"
#include "app/placement.h"

#include <algorithm>

using namespace fw;
using namespace markings;

namespace {
constexpr int kMostBands = 6;

// The drawn resistor: body, bands and the captions under them, in twips.
constexpr int kBodyLeft = 2400, kBodyTop = 1020, kBodyWidth = 4800, kBodyHeight = 840;
constexpr int kBandWidth = 330, kBandMargin = 420;
constexpr int kCaptionWidth = 720, kCaptionTop = kBodyTop + kBodyHeight + 60, kCaptionHeight = 480;
const QColor kBody{222, 196, 150};

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

// Black or white, whichever reads on the colour.
QColor textOn(const QColor& back)
{
    return 0.299 * back.red() + 0.587 * back.green() + 0.114 * back.blue() > 150 ? colors::black
                                                                                 : colors::white;
}

QString nameOf(Color color)
{
    return QString::fromLatin1(bandColor(color).name);
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
    : Form(QStringLiteral("frmMarkings"), QStringLiteral("Component Markings"), QSize(9600, 8220))
{}

Design frmMarkings::design() const
{
    QStringList tolerances, coefficients;
    for (Color c : toleranceColors())
        tolerances << percentText(*bandColor(c).tolerance);
    for (Color c : temperatureColors())
        coefficients << QStringLiteral("%1 ppm/K").arg(*bandColor(c).temperatureCoefficient);
    Design d{
        frame("Frame1", "Bands", 240, 0, 4080, 735).bold(8.25),
        option("Option1", "3 bands", 120, 300, 960, 315).in("Frame1"),
        option("Option2", "4 bands", 1080, 300, 960, 315).in("Frame1"),
        option("Option3", "5 bands", 2040, 300, 960, 315).in("Frame1"),
        option("Option4", "6 bands", 3000, 300, 960, 315).in("Frame1"),
        label("Label1", "Value, e.g. 4k7", 4440, 60, 1800, 255),
        textBox("txtValue", "", 4440, 330, 1800, 345).says("Value").bold(9.75),
        label("Label2", "Tolerance", 6360, 60, 1320, 255),
        combo("cboTolerance", "Tolerance", 6360, 330, 1320, 345).items(tolerances),
        label("Label3", "Temp. coefficient", 7800, 60, 1560, 255),
        combo("cboTempco", "Temperature coefficient", 7800, 330, 1560, 345).items(coefficients),
        line("Line1", 600, kBodyTop + kBodyHeight / 2, kBodyLeft, kBodyTop + kBodyHeight / 2).width(3),
        line("Line2", kBodyLeft + kBodyWidth, kBodyTop + kBodyHeight / 2, 9000, kBodyTop + kBodyHeight / 2)
            .width(3),
    };
    for (int i = 0; i < kMostBands; ++i)
        d.push_back(label(bandName(i), "", kBodyLeft, kBodyTop, kBandWidth, kBodyHeight)
                        .bordered()
                        .centred()
                        .says(QStringLiteral("Band %1").arg(i + 1)));
    d.push_back(label("lblBody", "", kBodyLeft, kBodyTop, kBodyWidth, kBodyHeight)
                    .back(kBody)
                    .bordered()
                    .says("Resistor body"));
    for (int i = 0; i < kMostBands; ++i)
        d.push_back(label(captionName(i), "", kBodyLeft, kCaptionTop, kCaptionWidth, kCaptionHeight)
                        .centred()
                        .says(QStringLiteral("What band %1 stands for").arg(i + 1)));
    for (const BandColor& c : bandColors()) {
        const QColor color = paint(c.color);
        d.push_back(label(swatchName(c.color), QString::fromLatin1(c.name),
                          kSwatchLeft + static_cast<int>(c.color) * kSwatchStep, kSwatchTop, 660, 495)
                        .back(color)
                        .fore(textOn(color))
                        .bordered()
                        .centred());
    }
    d.insert(
        d.end(),
        {
            label("Label4", "Bands as words", 240, 3150, 1560, 255),
            textBox("txtColours", "", 1800, 3090, 7560, 345).says("Bands as words"),
            label("lblValue", "", 240, 3540, 4440, 420).bold(14).says("Reading"),
            label("lblRange", "", 4800, 3600, 4560, 330).bold(8.25).says("Range"),
            label("lblSeries", "", 240, 4020, 9120, 480).says("E-series"),
            label("lblReverse", "", 240, 4500, 9120, 480).says("Read from the other end"),
            label("lblMessage", "", 240, 4980, 9120, 480).bold(8.25).fore(colors::darkRed).says("Message"),
            label("Label5", "SMD resistor code", 240, 5580, 2160, 255).bold(8.25),
            textBox("txtSmd", "", 240, 5850, 2160, 345).says("SMD resistor code").bold(9.75),
            label("lblSmd", "", 2520, 5880, 6840, 480).says("SMD code reading"),
            label("lblSmdCodes", "", 240, 6300, 9120, 300).says("SMD codes of the value"),
            label("Label6", "Capacitor code (104K 2A, 223J100V)", 240, 6720, 3240, 255).bold(8.25),
            textBox("txtCap", "", 240, 6990, 2160, 345).says("Capacitor code").bold(9.75),
            label("lblCap", "", 2520, 7020, 6840, 480).says("Capacitor code reading"),
            command("cmdReturn", "Return", 4260, 7680, 1095, 375).bold(8.25),
        });
    return d;
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
    connect(cboTolerance(), &ComboBox::Click, this, &frmMarkings::cboTolerance_Click);
    connect(cboTempco(), &ComboBox::Click, this, &frmMarkings::cboTempco_Click);
    for (int i = 0; i < kMostBands; ++i)
        connect(band(i), &Label::Click, this, [this, i] { Band_Click(i); });
    for (const BandColor& c : bandColors()) {
        const Color color = c.color;
        connect(swatch(color), &Label::Click, this, [this, color] { Swatch_Click(color); });
    }
    connect(txtColours(), &QLineEdit::textEdited, this, &frmMarkings::txtColours_Change);
    connect(txtSmd(), &QLineEdit::textEdited, this, &frmMarkings::txtSmd_Change);
    connect(txtCap(), &QLineEdit::textEdited, this, &frmMarkings::txtCap_Change);
    connect(cmdReturn(), &CommandButton::Click, this, &frmMarkings::cmdReturn_Click);
    for (Label* text : {lblSeries(), lblReverse(), lblMessage(), lblSmd(), lblCap()})
        text->setWordWrap(true);
    for (const BandColor& c : bandColors())
        swatch(c.color)->setAlignment(Qt::AlignCenter);
    // The body lies under its bands.
    control<Label>(QStringLiteral("lblBody"))->lower();
}

void frmMarkings::Form_Load()
{
    place(*this);
    m_note.clear();
    m_bands.clear();
    setCount(4);
    showBands();
}

void frmMarkings::setCount(int count)
{
    m_bands.resize(static_cast<std::size_t>(count));
    const auto unset = std::find(m_bands.begin(), m_bands.end(), std::nullopt);
    m_current = unset == m_bands.end() ? 0 : static_cast<int>(unset - m_bands.begin());
    OptionButton* options[] = {Option1(), Option2(), Option3(), Option4()};
    for (int i = 0; i < 4; ++i)
        options[i]->setValue(i + 3 == count);
    cboTolerance()->setEnabled(count >= 4);
    cboTempco()->setEnabled(count == 6);
}

void frmMarkings::Option_Click(int count)
{
    setCount(count);
    if (!txtValue()->text().trimmed().isEmpty())
        writeBands();
    showBands();
}

void frmMarkings::Band_Click(int i)
{
    m_current = i;
    showBands();
}

void frmMarkings::Swatch_Click(Color color)
{
    if (m_bands.size() < 3) { // a zero-ohm link gives way to a fresh 4-band part
        m_bands.clear();
        setCount(4);
    }
    m_bands[static_cast<std::size_t>(m_current)] = color;
    m_current = (m_current + 1) % static_cast<int>(m_bands.size());
    txtValue()->clear(); // the bands are no longer those of the typed value
    m_note.clear();
    showBands();
}

void frmMarkings::txtColours_Change()
{
    const QStringList words = txtColours()->text().split(u' ', Qt::SkipEmptyParts);
    txtValue()->clear();
    m_note.clear();
    std::vector<std::optional<Color>> bands;
    for (const QString& word : words) {
        const auto color = colorNamed(word);
        if (!color) {
            m_note = QStringLiteral(
                         "\u201C%1\u201D is no band colour: black, brown, red, orange, yellow, green, blue, "
                         "violet, grey, white, gold, silver or pink.")
                         .arg(word);
            showReading();
            return;
        }
        bands.push_back(color);
    }
    if (bands.size() == 2 || bands.size() > kMostBands) {
        m_note =
            QStringLiteral("A resistor has 3, 4, 5 or 6 bands, or the one black band of a zero-ohm link.");
        showReading();
        return;
    }
    if (!bands.empty()) {
        setCount(static_cast<int>(bands.size()));
        m_bands = bands;
    }
    showBands(false);
}

void frmMarkings::txtValue_Change()
{
    writeBands();
    showBands();
}

void frmMarkings::writeBands()
{
    m_note.clear();
    const QString typed = txtValue()->text();
    if (typed.trimmed().isEmpty())
        return;
    // A value that cannot be marked leaves no bands drawn, so that none are mistaken for its marking.
    const auto refuse = [this](const QString& why) {
        m_note = why;
        std::fill(m_bands.begin(), m_bands.end(), std::nullopt);
        m_current = 0;
    };
    const Result<Decimal> value = parseOhms(typed);
    if (!value) {
        refuse(value.reason);
        return;
    }
    int count = static_cast<int>(m_bands.size());
    if (count < 3)
        count = 4;
    const std::vector<Color> tolerances = toleranceColors(), coefficients = temperatureColors();
    const int t = cboTolerance()->ListIndex(), k = cboTempco()->ListIndex();
    const Decimal tolerance = t >= 0 ? *bandColor(tolerances[static_cast<std::size_t>(t)]).tolerance
                                     : Decimal::of(count == 4 ? 5 : 1);
    const int coefficient =
        k >= 0 ? *bandColor(coefficients[static_cast<std::size_t>(k)]).temperatureCoefficient : 100;
    const Result<BandMarking> marking = bandsFor(*value, count, tolerance, coefficient);
    if (!marking) {
        refuse(marking.reason);
        return;
    }
    if (!marking->exact)
        m_note = QStringLiteral("%1 has more figures than %2 bands carry: they mark the nearest, %3.")
                     .arg(ohmsText(*value), QString::number(count), ohmsText(marking->ohms));
    if (marking->bands.size() == 1)
        setCount(1);
    else
        setCount(count);
    m_bands.assign(marking->bands.begin(), marking->bands.end());
    m_current = 0;
}

void frmMarkings::cboTolerance_Click()
{
    const int figures = figuresOf(static_cast<int>(m_bands.size()));
    if (m_bands.size() >= 4 && cboTolerance()->ListIndex() >= 0)
        m_bands[static_cast<std::size_t>(figures + 1)] =
            toleranceColors()[static_cast<std::size_t>(cboTolerance()->ListIndex())];
    if (!txtValue()->text().trimmed().isEmpty())
        writeBands();
    showBands();
}

void frmMarkings::cboTempco_Click()
{
    if (m_bands.size() == kMostBands && cboTempco()->ListIndex() >= 0)
        m_bands[kMostBands - 1] = temperatureColors()[static_cast<std::size_t>(cboTempco()->ListIndex())];
    showBands();
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
        txtColours()->setText(none ? QString() : names.join(u' '));
    }
    const int step = count > 1 ? (kBodyWidth - 2 * kBandMargin - kBandWidth) / (count - 1) : 0;
    for (int i = 0; i < kMostBands; ++i) {
        Label* b = band(i);
        Label* caption = bandCaption(i);
        const bool shown = i < count;
        b->setVisible(shown);
        caption->setVisible(shown);
        if (!shown)
            continue;
        const int left =
            count == 1 ? kBodyLeft + (kBodyWidth - kBandWidth) / 2 : kBodyLeft + kBandMargin + i * step;
        b->setGeometry(toPixels(left), toPixels(kBodyTop), toPixels(kBandWidth), toPixels(kBodyHeight));
        caption->setGeometry(toPixels(left + kBandWidth / 2 - kCaptionWidth / 2), toPixels(kCaptionTop),
                             toPixels(kCaptionWidth), toPixels(kCaptionHeight));
        const auto& color = m_bands[static_cast<std::size_t>(i)];
        const QColor back = color ? paint(*color) : kBody;
        setBackColor(b, back);
        setForeColor(b, textOn(back));
        b->setText(color ? QString() : QStringLiteral("?"));
        // The band the next colour goes to is drawn with a heavier outline.
        b->setLineWidth(i == m_current ? 3 : 1);
        const QString words = color ? nameOf(*color) + u'\n' + meaning(*color, i, count)
                                    : QStringLiteral("band %1\nchoose").arg(i + 1);
        caption->setText(words);
        const QString spoken = QString(words).replace(u'\n', u' ');
        b->setAccessibleName(QStringLiteral("Band %1: %2").arg(i + 1).arg(spoken));
        caption->setAccessibleName(spoken);
    }
    const int figures = figuresOf(count);
    const auto& tolerance = count >= 4 ? m_bands[static_cast<std::size_t>(figures + 1)] : std::nullopt;
    const std::vector<Color> tolerances = toleranceColors(), coefficients = temperatureColors();
    const auto indexIn = [](const std::vector<Color>& list, const std::optional<Color>& c) {
        const auto at = c ? std::find(list.begin(), list.end(), *c) : list.end();
        return at == list.end() ? -1 : static_cast<int>(at - list.begin());
    };
    cboTolerance()->setListIndex(indexIn(tolerances, tolerance));
    cboTempco()->setListIndex(count == kMostBands ? indexIn(coefficients, m_bands.back()) : -1);
    showReading();
}

void frmMarkings::showReading()
{
    for (Label* text : {lblValue(), lblRange(), lblSeries(), lblReverse(), lblSmdCodes()})
        text->clear();
    lblMessage()->setText(m_note);
    const auto unset = std::find(m_bands.begin(), m_bands.end(), std::nullopt);
    if (unset != m_bands.end()) {
        if (m_note.isEmpty())
            lblMessage()->setText(
                QStringLiteral(
                    "Click a colour for band %1, or type a value: 4700, 4.7k, 4k7, 1R5, R47 or 2M2.")
                    .arg(unset - m_bands.begin() + 1));
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
        lblMessage()->setText(m_note.isEmpty() ? why : m_note);
        return;
    }
    if (reading->zeroOhm) {
        lblValue()->setText(QStringLiteral("0 \u03A9, a zero-ohm link"));
        return;
    }
    lblValue()->setText(ohmsText(reading->ohms) + u' ' + percentText(*reading->tolerance));
    const auto [least, most] = toleranceRange(reading->ohms, *reading->tolerance);
    QString range = QStringLiteral("%1 to %2").arg(ohmsText(least), ohmsText(most));
    if (reading->temperatureCoefficient)
        range += QStringLiteral(", %1 ppm/K").arg(*reading->temperatureCoefficient);
    lblRange()->setText(range);

    QStringList in;
    for (Series s : kAllSeries)
        if (inSeries(reading->ohms, s))
            in << seriesName(s);
    const Series own = seriesForTolerance(*reading->tolerance);
    const auto [below, above] = neighbours(reading->ohms, own);
    lblSeries()->setText(
        (in.isEmpty() ? QStringLiteral("In no E-series.") : QStringLiteral("In %1.").arg(joined(in))) +
        QStringLiteral(" Nearest in %1 (%2): %3 below, %4 above.")
            .arg(seriesName(own), percentText(*reading->tolerance), ohmsText(below), ohmsText(above)));

    if (reversed && !std::equal(bands.begin(), bands.end(), bands.rbegin())) {
        const bool forwardStandard = inSeries(reading->ohms, own);
        const bool backwardStandard = inSeries(reversed->ohms, seriesForTolerance(*reversed->tolerance));
        QString which = QStringLiteral("Neither is a standard value.");
        if (forwardStandard && backwardStandard)
            which = QStringLiteral("Both are standard values: the tolerance band is the one set apart.");
        else if (forwardStandard)
            which = QStringLiteral("%1 is the standard value.").arg(ohmsText(reading->ohms));
        else if (backwardStandard)
            which = QStringLiteral("%1 is the standard value.").arg(ohmsText(reversed->ohms));
        lblReverse()->setText(QStringLiteral("Read from the other end: %1 %2. %3")
                                  .arg(ohmsText(reversed->ohms), percentText(*reversed->tolerance), which));
    }

    QStringList codes;
    for (SmdFamily family : {SmdFamily::ThreeDigit, SmdFamily::FourDigit, SmdFamily::Eia96}) {
        const auto code = smdCode(reading->ohms, family);
        codes << familyName(family) + u' ' + (code ? *code : QStringLiteral("none"));
    }
    lblSmdCodes()->setText(QStringLiteral("As SMD codes: ") + codes.join(QStringLiteral(", ")) + u'.');
}

void frmMarkings::txtSmd_Change()
{
    const QString code = txtSmd()->text();
    if (code.trimmed().isEmpty()) {
        lblSmd()->clear();
        return;
    }
    const auto readings = readSmd(code);
    if (!readings) {
        lblSmd()->setText(readings.reason);
        return;
    }
    QStringList said;
    for (const SmdReading& r : *readings)
        said << QStringLiteral("%1 (%2)").arg(ohmsText(r.ohms), familyName(r.family));
    lblSmd()->setText(said.join(QStringLiteral("; or ")) + u'.');
}

void frmMarkings::txtCap_Change()
{
    const QString code = txtCap()->text();
    if (code.trimmed().isEmpty()) {
        lblCap()->clear();
        return;
    }
    const auto marking = readCapacitor(code);
    if (!marking) {
        lblCap()->setText(marking.reason);
        return;
    }
    const Decimal pf = marking->picofarads;
    QString text =
        QStringLiteral("%1 = %2 = %3")
            .arg(decimalText(pf, 0, QStringLiteral("pF")), decimalText(pf, 3, QStringLiteral("nF")),
                 decimalText(pf, 6, QStringLiteral("\u00B5F")));
    if (marking->toleranceLetter)
        text += QStringLiteral(", %1 (%2)").arg(marking->tolerance, *marking->toleranceLetter);
    if (marking->volts)
        text += QStringLiteral(", rated %1").arg(decimalText(*marking->volts, 0, QStringLiteral("V")));
    lblCap()->setText(text + u'.');
}

void frmMarkings::cmdReturn_Click()
{
    frmOne::get().Show();
    Unload();
}
