#pragma once

#include "runtime/screen.h"

#include <QRect>

#include <utility>
#include <vector>

// The trainer's progress: exercises done, the success rate, the measurements used against the fewest a
// half-split search needs, the safety slips, the stages and parts most often missed and every past
// exercise, read from the history as the screen loads and again whenever the history changes; Export to
// CSV writes the history to a file of the user's choice, the dialog opening in the folder last exported
// to. The window can be resized: the lists take the room it gains. Return goes back to the trainer.
class frmProgress : public fw::Form<frmProgress>
{
public:
    frmProgress();

    FW_CONTROL(Label, lblProblem)
    FW_CONTROL(TextBox, txtDone)
    FW_CONTROL(TextBox, txtRate)
    FW_CONTROL(TextBox, txtMeasurements)
    FW_CONTROL(TextBox, txtSlips)
    FW_CONTROL(ListBox, lstMissed)
    FW_CONTROL(ListBox, lstExercises)
    FW_CONTROL(Label, lblStatus)
    FW_CONTROL(CommandButton, cmdExport)
    FW_CONTROL(CommandButton, cmdReturn)

protected:
    fw::Design design() const override;
    void wire() override;
    void Form_Load() override;
    bool isResizable() const override { return true; }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();
    void layOut();
    void cmdExport_Click();
    void cmdReturn_Click();
};
