#pragma once

#include "classwork/client.h"
#include "runtime/screen.h"

#include <QPointer>

class QTableWidget;
namespace classwork {
class BarChart;
class RateChart;
} // namespace classwork

// The instructor's class view: per student the exercises done, the success rate, the measurements against
// the half-split optimum, the safety slips and the last exercise; per assignment who has finished it; the
// stages the class most often missed, as bars; the chosen student's success over time, as a line. Export
// writes the class's exercises to CSV. Every figure is asked of the class server off the GUI thread; the
// screen says so while it waits, and what went wrong.
class frmClassView : public fw::Form<frmClassView>
{
public:
    frmClassView();

    FW_CONTROL(Label, lblClass)
    FW_CONTROL(Label, lblStatus)
    FW_CONTROL(CommandButton, cmdRefresh)
    FW_CONTROL(CommandButton, cmdExport)
    FW_CONTROL(CommandButton, cmdReturn)
    QTableWidget* tblStudents();
    QTableWidget* tblAssignments();
    classwork::BarChart* picMissed();
    classwork::RateChart* picSuccess();

    // Shows the view of `className` through the instructor's `client` over `from`, which Return goes back to.
    // The view only borrows the client: once its owner lets it go, the view asks for a new sign-in.
    void open(fw::Screen* from, const std::shared_ptr<classwork::Client>& client, const QString& className);

protected:
    fw::Design design() const override;
    void wire() override;
    void Form_Load() override;

private:
    void cmdRefresh_Click();
    void Student_Click();
    void cmdExport_Click();
    void cmdReturn_Click();
    void say(const QString& sentence);
    void show(const classwork::ClassData& data);

    fw::Screen* m_from = nullptr;
    std::weak_ptr<classwork::Client> m_client;
    QString m_className;
    std::vector<classroom::Assignment> m_given; // as last shown, for the export's titles
    QPointer<QTableWidget> m_students;
    QPointer<QTableWidget> m_assignments;
    QPointer<classwork::BarChart> m_missed;
    QPointer<classwork::RateChart> m_success;
};
