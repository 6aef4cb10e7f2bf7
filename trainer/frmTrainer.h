#pragma once

#include "runtime/screen.h"
#include "trainer/exercise.h"

#include <QPointer>

#include <optional>

class MeasuringView;
namespace trainer {
class SetScreen;
}

// The fault-finding trainer: "New set" puts a colour set with one hidden fault on the bench (chosen at
// random, or by an instructor from the list). The student sees and hears it, measures it stage by stage on
// the program's block diagrams (with the isolation transformer switched in where the set has no mains
// transformer), names the faulty stage, checks its suspect parts and names the failed one, and gets the
// result with the fault explained. Each finished exercise goes to the history, when there is one.
class frmTrainer : public fw::Form<frmTrainer>
{
public:
    frmTrainer();

    FW_CONTROL(ComboBox, cboFault)
    FW_CONTROL(CommandButton, cmdNew)
    FW_CONTROL(Label, lblSymptom)
    FW_CONTROL(Label, lblSet)
    FW_CONTROL(OptionButton, optIsolationIn)
    FW_CONTROL(OptionButton, optIsolationOut)
    FW_CONTROL(TextArea, txtReadings) // one reading to a line, in the order taken
    FW_CONTROL(ComboBox, cboStage)
    FW_CONTROL(CommandButton, cmdStage)
    FW_CONTROL(ComboBox, cboPart)
    FW_CONTROL(CommandButton, cmdCheck)
    FW_CONTROL(CommandButton, cmdPart)
    FW_CONTROL(Label, lblResult)
    FW_CONTROL(CommandButton, cmdNote)
    FW_CONTROL(Label, lblStore)
    FW_CONTROL(CommandButton, cmdProgress)
    FW_CONTROL(CommandButton, cmdReturn)

    // The set's screen, showing what the set on the bench shows.
    trainer::SetScreen* picScreen();
    // The block diagrams to measure on.
    MeasuringView* view();
    // The exercise under way; nothing before the first "New set".
    const trainer::Exercise* exercise() const { return m_exercise ? &*m_exercise : nullptr; }

protected:
    fw::Design design() const override;
    void wire() override;
    void Form_Load() override;

private:
    void cmdNew_Click();
    void Isolation_Click();
    void Stage_Measure(const QString& stage);
    void cmdStage_Click();
    void cmdCheck_Click();
    void cmdPart_Click();
    void cmdNote_Click();
    void cmdProgress_Click();
    void cmdReturn_Click();

    void openStore();
    void showStore();
    void showSet();
    void showNaming();
    void showResult();

    std::optional<trainer::Exercise> m_exercise;
    trainer::Chosen m_chosen = trainer::Chosen::AtRandom; // who chose the fault on the bench
    QPointer<MeasuringView> m_view;
    QPointer<trainer::SetScreen> m_screen;
};
