#pragma once

#include "runtime/screen.h"

// The convergence adjustment procedure: fifteen steps in one list, a button to print the screen as it
// stands with the page's note, and one to the diagram of the ring magnets. The note (What's This on the
// steps, F1 for its sheet) carries what working live at the neck asks.
class frmConverg : public fw::Form<frmConverg>
{
public:
    frmConverg();

    FW_CONTROL(CommandButton, cmdPrint)
    FW_CONTROL(CommandButton, cmdReturn)
    FW_CONTROL(CommandButton, cmdDiagram)
    FW_CONTROL(ListBox, List1)
    FW_CONTROL(Label, Label1)

protected:
    fw::Design design() const override;
    void wire() override;
    void Form_Load() override;

private:
    void cmdDiagram_Click();
    void cmdPrint_Click();
    void cmdReturn_Click();
};
