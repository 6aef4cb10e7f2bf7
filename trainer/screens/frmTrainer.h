#pragma once

#include "runtime/screen.h"
#include "trainer/exercise/exercise.h"

#include <QPointer>
#include <QTextBrowser>

#include <optional>
#include <utility>
#include <vector>

class MeasuringView;
namespace areanotes {
struct Rule;
}
namespace trainer {
class InstrumentView;
class SetScreen;
}
namespace classwork {
class ClassPanel;
}

// The fault-finding trainer: "New set" puts a colour set with one hidden fault on the bench (chosen at
// random, or by the instructor from the list of faults, which shows only in instructor mode). The student
// sees and hears it, measures it stage by stage on
// the program's block diagrams (with the isolation transformer switched in where the set has no mains
// transformer), names the faulty stage, checks its suspect parts and names the failed one, and gets the
// result with the fault explained. Each finished exercise goes to the history, when there is one.
class frmTrainer : public fw::Form<frmTrainer>
{
public:
    frmTrainer();

    FW_CONTROL(CommandButton, cmdInstructor)
    FW_CONTROL(ComboBox, cboFault) // shown in instructor mode only
    FW_CONTROL(CommandButton, cmdNew)
    FW_CONTROL(Label, lblSymptom)
    FW_CONTROL(Label, lblSet)
    FW_CONTROL(OptionButton, optIsolationIn)
    FW_CONTROL(OptionButton, optIsolationOut)
    FW_CONTROL(Label, Label2) // the readings' caption, Alt+E
    FW_CONTROL(ListBox, lstReadings) // one reading to a row, in the order taken; the chosen one's instrument shows
    FW_CONTROL(ComboBox, cboStage)
    FW_CONTROL(CommandButton, cmdStage)
    FW_CONTROL(ComboBox, cboPart)
    FW_CONTROL(CommandButton, cmdCheck)
    FW_CONTROL(CommandButton, cmdDischarge)
    FW_CONTROL(CommandButton, cmdPlugIn)
    FW_CONTROL(CommandButton, cmdPart)
    FW_CONTROL(Label, lblNext) // what to do next
    FW_CONTROL(Label, lblResult) // what naming the stage said
    FW_CONTROL(CommandButton, cmdNote)
    FW_CONTROL(Label, lblStore)
    FW_CONTROL(CommandButton, cmdProgress)
    FW_CONTROL(CommandButton, cmdReturn)

    // The set's screen, showing what the set on the bench shows.
    trainer::SetScreen* picScreen();
    // The block diagrams to measure on.
    MeasuringView* view();
    // The class line: alone or for a class, the open assignments, the sign-in.
    classwork::ClassPanel* classPanel();
    // The scope or meter of the reading chosen in the list, beside the working set's.
    trainer::InstrumentView* instrument();
    // The result, in a tab of its own beside the diagrams once the answer is given.
    QTextBrowser* result()
    {
        Load();
        return m_result;
    }
    // The exercise under way; nothing before the first "New set".
    const trainer::Exercise* exercise() const { return m_exercise ? &*m_exercise : nullptr; }

    // Asks before the close box throws away an exercise under way.
    bool QueryUnload() override;

protected:
    fw::Design design() const override;
    void wire() override;
    void Form_Load() override;
    bool isResizable() const override { return true; }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cmdNew_Click();
    void Isolation_Click();
    void Stage_Measure(const QString& stage);
    void cmdStage_Click();
    void cmdCheck_Click();
    void cmdDischarge_Click();
    void cmdPlugIn_Click();
    void cmdInstructor_Click();
    void showInstructor(std::optional<trainer::Chosen> mode);
    void cmdPart_Click();
    void cmdNote_Click();
    void cmdProgress_Click();
    void cmdReturn_Click();

    void openStore();
    void showStore();
    void showSet();
    void showNaming();
    void showResult();
    static QString resultHtml(const trainer::ResultParts& parts, const std::vector<const areanotes::Rule*>& rules);
    void addReading(const QString& text, const trainer::Instrument& now, const trainer::Instrument& working,
                    const QString& safety = {});
    void lstReadings_Change(int row);
    void fitReadings();
    void layOut();
    void showNext();
    bool mayLeave();

    std::optional<trainer::Exercise> m_exercise;
    trainer::Chosen m_chosen = trainer::Chosen::AtRandom; // who chose the fault on the bench
    std::optional<trainer::Chosen> m_instructor;           // in instructor mode: who chooses there
    QPointer<MeasuringView> m_view;
    QPointer<trainer::SetScreen> m_screen;
    QPointer<classwork::ClassPanel> m_class;
    QPointer<trainer::InstrumentView> m_instrument;
    QPointer<QTextBrowser> m_result;
    // Each row's instruments, now and on a working set, in the list's order.
    std::vector<std::pair<trainer::Instrument, trainer::Instrument>> m_instruments;
};
