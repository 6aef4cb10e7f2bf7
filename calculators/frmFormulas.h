#pragma once

#include "calculators/formulas.h"
#include "runtime/screen.h"

#include <array>
#include <vector>

// Electronic formulas: Ohm's law, power, resonance, reactance, and parallel resistors or series capacitors,
// each in its own frame. The first four fill in the missing value from any two entered with Enter; the
// fifth totals the values entered one by one.
class frmFormulas : public fw::Form<frmFormulas>
{
public:
    frmFormulas();

    FW_CONTROL(TextBox, Text1)
    FW_CONTROL(TextBox, Text2)
    FW_CONTROL(TextBox, Text3)
    FW_CONTROL(CommandButton, Command1)
    FW_CONTROL(TextBox, Text4)
    FW_CONTROL(TextBox, Text5)
    FW_CONTROL(TextBox, Text6)
    FW_CONTROL(CommandButton, cmdClear)
    FW_CONTROL(TextBox, Text7)
    FW_CONTROL(TextBox, Text8)
    FW_CONTROL(TextBox, Text9)
    FW_CONTROL(TextBox, Text10)
    FW_CONTROL(CommandButton, Command2)
    FW_CONTROL(OptionButton, Option1)
    FW_CONTROL(OptionButton, Option2)
    FW_CONTROL(TextBox, Text11)
    FW_CONTROL(TextBox, Text12)
    FW_CONTROL(TextBox, Text13)
    FW_CONTROL(CommandButton, Command3)
    FW_CONTROL(Label, Label18)
    FW_CONTROL(CommandButton, Command4)
    FW_CONTROL(OptionButton, Option3)
    FW_CONTROL(OptionButton, Option4)
    FW_CONTROL(TextBox, Text14)
    FW_CONTROL(TextBox, Text15)
    FW_CONTROL(TextBox, Text16)
    FW_CONTROL(CommandButton, Command5)

protected:
    fw::Design design() const override;
    void wire() override;
    void Form_Load() override;

private:
    void Text1_KeyPress(int keyAscii);
    void Text2_KeyPress(int keyAscii);
    void Text3_KeyPress(int keyAscii);
    void Text4_KeyPress(int keyAscii);
    void Text5_KeyPress(int keyAscii);
    void Text6_KeyPress(int keyAscii);
    void Text7_KeyPress(int keyAscii);
    void Text8_KeyPress(int keyAscii);
    void Text9_KeyPress(int keyAscii);
    void Text10_KeyPress(int keyAscii);
    void Text11_KeyPress(int keyAscii);
    void Text12_KeyPress(int keyAscii);
    void Text13_KeyPress(int keyAscii);
    void Text14_KeyPress(int keyAscii);
    void Text15_KeyPress(int keyAscii);
    void Command1_Click();
    void cmdClear_Click();
    void Command2_Click();
    void Command3_Click();
    void Command5_Click();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Command4_Click();

    // The groups' procedures: each takes the entry of the box of quantity `entered` and runs its rules.
    void calc(int entered);
    void calc1(int entered);
    void calc2(int entered);
    void calc3(int entered);
    // A group's stored values, and what its boxes showed of each when it was stored: a refused entry puts
    // that back, so that a box never shows a number the calculation does not hold.
    struct Group
    {
        fw::formulas::Values values{};
        std::array<QString, 4> shown;
    };
    void enter(Group& group, const fw::formulas::Rules& rules, const std::vector<fw::TextBox*>& boxes,
               int entered);
    void refuse(const QString& message, fw::TextBox* box, const QString& held);
    void clear(Group& group, const std::vector<fw::TextBox*>& boxes);
    QString remainingText() const;

    std::vector<fw::TextBox*> ohmBoxes() { return {Text1(), Text2(), Text3()}; }
    std::vector<fw::TextBox*> powerBoxes() { return {Text4(), Text5(), Text6()}; }
    std::vector<fw::TextBox*> resonanceBoxes() { return {Text7(), Text8(), Text9(), Text10()}; }
    std::vector<fw::TextBox*> reactanceBoxes() { return {Text11(), Text12(), Text13()}; }

    // Stored values of each group, lost when the screen is unloaded.
    Group m_ohm;
    Group m_power;
    Group m_resonance;
    Group m_reactance;
    fw::formulas::Reciprocal m_series;
    QString m_suffix; // " Ohms" or " MFD", by the last kind chosen
};
