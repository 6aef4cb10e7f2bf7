#pragma once

#include "calculators/markings.h"
#include "runtime/screen.h"

#include <optional>
#include <vector>

// Component markings: a resistor's colour bands read and written (3 to 6 bands, a drawn resistor naming each
// band), the E-series of its value, SMD resistor codes and capacitor codes. Every click and key shows its
// result at once; bad input gets one sentence on the screen.
class frmMarkings : public fw::Form<frmMarkings>
{
public:
    frmMarkings();

    FW_CONTROL(OptionButton, Option1) // 3 bands
    FW_CONTROL(OptionButton, Option2) // 4 bands
    FW_CONTROL(OptionButton, Option3) // 5 bands
    FW_CONTROL(OptionButton, Option4) // 6 bands
    FW_CONTROL(TextBox, txtValue)
    FW_CONTROL(CommandButton, cmdClear)
    FW_CONTROL(Label, lblValue)
    FW_CONTROL(Label, lblSeries)
    FW_CONTROL(Label, lblReverse)
    FW_CONTROL(Label, lblMessage)
    FW_CONTROL(TextBox, txtSmd)
    FW_CONTROL(Label, lblSmd)
    FW_CONTROL(Label, lblSmdCodes)
    FW_CONTROL(TextBox, txtCap)
    FW_CONTROL(Label, lblCap)
    FW_CONTROL(CommandButton, cmdReturn)

    // The drawn band i (0 the first digit) and the caption under it; the swatch of a colour.
    fw::Label* band(int i);
    fw::Label* bandCaption(int i);
    fw::Label* swatch(markings::Color color);

protected:
    fw::Design design() const override;
    void wire() override;
    void Form_Load() override;

private:
    void Option_Click(int count); // Option1_Click ... Option4_Click
    void Band_Click(int i);
    void Swatch_Click(markings::Color color);
    void txtValue_Change();
    void cmdClear_Click();
    void txtSmd_Change();
    void txtCap_Change();
    void cmdReturn_Click();

    // Writes the bands for the value typed; says why when it cannot.
    void writeBands();
    // The part's band count, which its button shows; the clicks start again at band 1 of an empty part.
    void setCount(int count);
    void emptyPart();
    // What typing in the box starts from: set by every click, so that a refused entry changes nothing.
    void keepAsTypedFrom();
    // Shows the bands (and, unless they were typed as words, their names), their reading and everything that
    // follows from it.
    void showBands(bool rewriteWords = true);
    void showReading();

    struct Part
    {
        int count = 4;                                         // 3 to 6; a zero-ohm link is drawn as one band
        std::optional<markings::Color> tolerance, coefficient; // as last chosen on their bands
    };
    std::vector<std::optional<markings::Color>> m_bands; // as drawn: `count` of them, or the one black band
    int m_current = 0;                                   // the band the next colour goes to
    Part m_part, m_typedFrom;
    bool m_fromValue = false; // the bands are those of the value typed, not of clicks or words
    QString m_note;           // what the typed value or colours gave rise to
};
