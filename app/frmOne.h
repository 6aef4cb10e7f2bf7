#pragma once

#include "runtime/screen.h"

// The main menu: the five major symptoms, the supplementary utilities and Quit.
class frmOne : public fw::Form<frmOne>
{
public:
    frmOne();

    FW_CONTROL(OptionButton, Option1)
    FW_CONTROL(OptionButton, Option2)
    FW_CONTROL(OptionButton, Option3)
    FW_CONTROL(OptionButton, Option4)
    FW_CONTROL(OptionButton, Option5)
    FW_CONTROL(OptionButton, Option6)
    FW_CONTROL(OptionButton, Option7)
    FW_CONTROL(OptionButton, Option8)
    FW_CONTROL(OptionButton, Option9)
    FW_CONTROL(OptionButton, Option10)
    FW_CONTROL(CommandButton, cmdQuit)
    FW_CONTROL(ComboBox, cboLanguage)

protected:
    fw::Design design() const override;
    void wire() override;
    void Form_Load() override;
    void Form_Activate() override;

private:
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
    void Option6_Click();
    void Option7_Click();
    void Option8_Click();
    void Option9_Click();
    void Option10_Click();
    void cboLanguage_Click();
    void cmdQuit_Click();
};
