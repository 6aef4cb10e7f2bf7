#pragma once
// The trainer's class line: whether it works alone or for a class, as whom, how many exercises wait to be
// sent and which the server refused for good (set aside); the student's open assignments, to set the bench for the next exercise of one (its fault is never
// named on screen); and the way to the sign-in. It sits beside the diagrams' tabs. One widget, placed by the trainer in one place.

#include "classroom/classserver.h"

#include <QPointer>
#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

namespace fw {
class ComboBox;
class CommandButton;
class Label;
} // namespace fw

namespace classwork {

class Client;

class ClassPanel : public QWidget
{
    Q_OBJECT
public:
    explicit ClassPanel(QWidget* parent = nullptr);
    ~ClassPanel() override;

    fw::Label* lblClass() const { return m_line; }
    fw::ComboBox* cboAssignment() const { return m_assignments; }
    fw::CommandButton* cmdSignIn() const { return m_signIn; }

    // How many exercises wait to be sent (from the sender); below 0 while not known.
    void setWaiting(int waiting);

    // New set: the fault of the next exercise of the assignment chosen in the list, by id (empty: any fault,
    // drawn at random); nothing when practising on one's own. The assignment is kept for stamp().
    std::optional<QString> nextBench();
    // Marks a finished exercise with the signed-in student and the assignment its bench was set for.
    void stamp(trainer::ExerciseRecord& record);

    // Shows the session as it is now and asks the server for the open assignments.
    void refresh();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showAssignments();

    fw::Label* m_line;
    fw::ComboBox* m_assignments;
    fw::CommandButton* m_signIn;
    std::vector<classroom::Assignment> m_open;
    QString m_benchAssignment; // the assignment of the exercise on the bench; empty when none
    int m_waiting = -1;
    QString m_problem; // why the open assignments could not be read; empty when they were
    QStringList m_setAside; // the exercises the server refused for good, one sentence each
};

} // namespace classwork
