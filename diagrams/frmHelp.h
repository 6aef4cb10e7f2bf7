#pragma once

#include "runtime/screen.h"

// The program description: what Fernwick is for and how to use it.
class frmHelp : public fw::Form<frmHelp>
{
public:
    frmHelp();

    FW_CONTROL(CommandButton, Command1)
    FW_CONTROL(Label, Picture1) // the description, as rich text so that it stays sharp and can be read aloud
    FW_CONTROL(Label, Label1)

protected:
    fw::Design design() const override;
    void wire() override;
    void Form_Load() override;

private:
    void Command1_Click();
};
