#pragma once
// Reading a resistor's or a capacitor's colour bands: first digit, second digit, multiplier, tolerance and
// (capacitors) voltage rating, entered one band at a time and read out as the three texts the colour code
// reader shows. No widgets: the screen feeds it clicks and shows what it returns.

#include <QLocale>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace colorcode {

// The twelve colours, in the order of the swatches on the screen.
enum class Color { Black, Brown, Red, Orange, Yellow, Green, Blue, Violet, Gray, White, Gold, Silver };
inline constexpr int kColors = 12;

enum class Part { Resistor, Capacitor };

struct Rgb
{
    int red, green, blue;
};

// What one colour means in each band. An empty field means the colour stores nothing in that band; gold
// and silver have no digit and are refused as band 1 or 2.
struct Swatch
{
    const char* name;
    Rgb rgb;
    std::optional<std::int16_t> digit;       // bands 1 and 2
    double multiplier;                       // band 3
    std::optional<double> resistorTolerance; // band 4 of a resistor, percent (IEC 60062)
    std::optional<std::int16_t> tolerance;   // band 4 of a capacitor, percent
    std::optional<std::int16_t> voltage;     // band 5 of a capacitor, volts
};

const std::array<Swatch, kColors>& swatches();
const Swatch& swatch(Color color);

struct Readout
{
    QString value;
    QString tolerance;
    QString voltage;
};

// The bands entered so far, and the tolerance, which outlives a fresh entry. Band 4 is kept as
// read by both tables, so that the Resistor/Capacitor choice made at Done picks the one it is read with;
// a colour that means nothing in a table leaves that table's tolerance as it was.
class Reader
{
public:
    // Enters `color` as the next band. Returns the message to show when the colour cannot stand in that
    // band (the entry then starts again at band 1). Clicks past the fifth band store nothing.
    std::optional<QString> enterBand(Color color);

    // The three texts for the bands entered, read as `part`; with no part chosen there is no readout.
    // Either way every band is cleared for the next part.
    std::optional<Readout> done(std::optional<Part> part, const QLocale& locale = QLocale());

    // Starts a fresh entry as the screen does when it loads: the tolerance stays as it is, the voltage
    // band of an entry left unfinished goes.
    void restart();

    int bandCount() const { return m_count; }

private:
    std::int16_t m_count = 0; // bands entered since the last reset, never past 6
    std::int16_t m_first = 0;
    std::int16_t m_second = 0;
    double m_multiplier = 0;
    // Empty until first assigned, which an empty tolerance box tells.
    std::optional<double> m_resistorTolerance;
    std::optional<std::int16_t> m_capacitorTolerance;
    std::optional<std::int16_t> m_voltage;
};

} // namespace colorcode
