#include "classwork/frmClassView.h"

#include "classwork/charts.h"
#include "classwork/classview.h"
#include "runtime/mainmenu.h"
#include "runtime/placement.h"
#include "runtime/services.h"

#include <QDir>
#include <QHeaderView>
#include <QSaveFile>
#include <QTableWidget>

#include <algorithm>

using namespace fw;
using namespace classwork;
using classroom::Result;

namespace {
// Where the tables and plots sit, in twips.
constexpr QRect kStudents{360, 900, 8520, 3660};
constexpr QRect kAssignments{360, 4920, 8520, 2100};
constexpr QRect kMissed{9120, 900, 4920, 3660};
constexpr QRect kSuccess{9120, 4920, 4920, 2100};

// "1 student", "2 students".
QString counted(qsizetype n, const QString& thing)
{
    return QStringLiteral("%1 %2%3").arg(n).arg(thing, n == 1 ? QString() : QStringLiteral("s"));
}

QRect pixels(const QRect& twips)
{
    return {toPixels(twips.left()), toPixels(twips.top()), toPixels(twips.width()), toPixels(twips.height())};
}

QTableWidget* table(QWidget* parent, const QString& name, const QString& spoken, const QStringList& headings,
                    const QRect& twips)
{
    auto* t = new QTableWidget(0, int(headings.size()), parent);
    t->setObjectName(name);
    t->setAccessibleName(spoken);
    t->setHorizontalHeaderLabels(headings);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(QFontMetrics(controlFont(8.25)).height() + 6);
    t->horizontalHeader()->setStretchLastSection(true);
    t->setFont(controlFont(8.25));
    t->setGeometry(pixels(twips));
    t->show();
    return t;
}

void fill(QTableWidget* t, const std::vector<QStringList>& rows)
{
    t->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r)
        for (int c = 0; c < int(rows[size_t(r)].size()); ++c)
            t->setItem(r, c, new QTableWidgetItem(rows[size_t(r)][c]));
    t->resizeColumnsToContents();
    t->horizontalHeader()->setSectionResizeMode(t->columnCount() - 1, QHeaderView::Stretch);
}
} // namespace

frmClassView::frmClassView()
    : Form(QStringLiteral("frmClassView"), QStringLiteral("Class View"), QSize(14400, 8220))
{}

Design frmClassView::design() const
{
    return {
        label("lblClass", "Class View", 0, 120, 14400, 435).bold(14).fore(colors::darkRed).centred(),
        label("Label1", "Students", 360, 660, 8520, 255).bold(8.25),
        label("Label2", "Assignments: who has finished them", 360, 4680, 8520, 255).bold(8.25),
        label("lblStatus", "", 360, 7140, 8520, 600).says("Class server"),
        command("cmdRefresh", "Refresh", 9120, 7680, 1500, 375).bold(8.25),
        command("cmdExport", "Export to CSV", 10830, 7680, 1500, 375).bold(8.25),
        command("cmdReturn", "Return", 12540, 7680, 1500, 375).bold(8.25),
    };
}

QTableWidget* frmClassView::tblStudents()
{
    Load();
    return m_students;
}

QTableWidget* frmClassView::tblAssignments()
{
    Load();
    return m_assignments;
}

BarChart* frmClassView::picMissed()
{
    Load();
    return m_missed;
}

RateChart* frmClassView::picSuccess()
{
    Load();
    return m_success;
}

void frmClassView::wire()
{
    m_students = table(window(), QStringLiteral("tblStudents"), QStringLiteral("Students"), studentHeadings(), kStudents);
    m_assignments = table(window(), QStringLiteral("tblAssignments"), QStringLiteral("Assignments"),
                          assignmentHeadings(), kAssignments);
    m_missed = new BarChart(window());
    m_missed->setObjectName(QStringLiteral("picMissed"));
    m_missed->setGeometry(pixels(kMissed));
    m_missed->show();
    m_success = new RateChart(window());
    m_success->setObjectName(QStringLiteral("picSuccess"));
    m_success->setGeometry(pixels(kSuccess));
    m_success->show();
    // The tables come first on the keyboard, then the buttons.
    QWidget::setTabOrder(m_students, m_assignments);
    QWidget::setTabOrder(m_assignments, cmdRefresh());
    lblStatus()->setWordWrap(true);
    lblStatus()->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(m_students, &QTableWidget::itemSelectionChanged, this, &frmClassView::Student_Click);
    connect(cmdRefresh(), &CommandButton::Click, this, &frmClassView::cmdRefresh_Click);
    connect(cmdExport(), &CommandButton::Click, this, &frmClassView::cmdExport_Click);
    connect(cmdReturn(), &CommandButton::Click, this, &frmClassView::cmdReturn_Click);
}

void frmClassView::open(Screen* from, const std::shared_ptr<Client>& client, const QString& className)
{
    if (from != this)
        m_from = from;
    m_client = client;
    m_className = className;
    if (isLoaded())
        Form_Load();
    Show();
    if (from && from != this)
        from->Hide();
}

void frmClassView::Form_Load()
{
    place(*this);
    lblClass()->setCaption(m_className.isEmpty() ? QStringLiteral("Class View")
                                                 : QStringLiteral("Class View: %1").arg(m_className));
    m_missed->setBars(QStringLiteral("Stages most often missed"), {});
    m_success->setCurve(QStringLiteral("Success over time"), {});
    cmdRefresh_Click();
}

void frmClassView::say(const QString& sentence)
{
    lblStatus()->setCaption(sentence);
    lblStatus()->setAccessibleDescription(sentence);
}

void frmClassView::cmdRefresh_Click()
{
    const std::shared_ptr<Client> client = m_client.lock();
    if (!client) {
        say(QStringLiteral("Connect to the class server on Class Set-Up first."));
        return;
    }
    say(QStringLiteral("Asking the class server for %1...").arg(m_className));
    client->classData(this, m_className, [this](const Result<ClassData>& r) {
        if (!isLoaded())
            return;
        if (!r.ok()) {
            say(r.error);
            return;
        }
        show(r.value);
    });
}

void frmClassView::show(const ClassData& data)
{
    const QString chosen = m_students->currentRow() >= 0 && m_students->item(m_students->currentRow(), 0)
                               ? m_students->item(m_students->currentRow(), 0)->text()
                               : QString();
    std::vector<QStringList> rows;
    for (const classroom::StudentSummary& s : data.view.students)
        rows.push_back(studentRow(s));
    {
        const QSignalBlocker quiet(m_students);
        fill(m_students, rows);
    }
    rows.clear();
    for (const classroom::AssignmentProgress& a : data.view.assignments)
        rows.push_back(assignmentRow(a));
    fill(m_assignments, rows);
    m_given = data.assignments;
    m_missed->setBars(QStringLiteral("Stages most often missed"), missedBars(data.view.missed));
    int exercises = 0;
    for (const classroom::StudentSummary& s : data.view.students)
        exercises += s.exercises;
    say(QStringLiteral("%1, %2, %3.")
            .arg(counted(qsizetype(data.view.students.size()), QStringLiteral("student")),
                 counted(exercises, QStringLiteral("exercise")),
                 counted(qsizetype(data.view.assignments.size()), QStringLiteral("assignment"))));
    // The student chosen before, or the first, has their success plotted.
    int row = 0;
    for (int r = 0; r < m_students->rowCount(); ++r)
        if (m_students->item(r, 0)->text() == chosen)
            row = r;
    if (m_students->rowCount() > 0)
        m_students->selectRow(row);
}

void frmClassView::Student_Click()
{
    const int row = m_students->currentRow();
    const std::shared_ptr<Client> client = m_client.lock();
    if (row < 0 || !client)
        return;
    const QString student = m_students->item(row, 0)->text();
    client->successOverTime(this, m_className, student, [this, student](const Result<std::vector<classroom::SuccessPoint>>& r) {
        if (!isLoaded())
            return;
        if (!r.ok()) {
            say(r.error);
            return;
        }
        m_success->setCurve(QStringLiteral("Success over time: %1").arg(student), successCurve(r.value));
    });
}

void frmClassView::cmdExport_Click()
{
    const std::shared_ptr<Client> client = m_client.lock();
    if (!client)
        return;
    const QString title = QStringLiteral("Export to CSV");
    const QString file = services().SaveFileName(
        title, QDir::homePath() + QStringLiteral("/class-%1.csv").arg(m_className), QStringLiteral("CSV files (*.csv)"));
    if (file.isEmpty())
        return;
    say(QStringLiteral("Asking the class server for the exercises of %1...").arg(m_className));
    client->exercises(this, m_className, [this, file, title](const auto& r) {
        if (!isLoaded())
            return;
        if (!r.ok()) {
            say(r.error);
            return;
        }
        const std::vector<trainer::ExerciseRecord>& exercises = r.value.first;
        const std::vector<QUuid>& voided = r.value.second;
        QSaveFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(classCsv(exercises, m_given, voided).toUtf8()) < 0 ||
            !out.commit()) {
            services().MsgBox(QStringLiteral("The class could not be exported to %1: %2.")
                                  .arg(QDir::toNativeSeparators(file), out.errorString()),
                              title);
            say(QString());
            return;
        }
        const auto kept = std::count_if(exercises.begin(), exercises.end(), [&](const trainer::ExerciseRecord& e) {
            return std::find(voided.begin(), voided.end(), e.id) == voided.end();
        });
        say(QStringLiteral("%1 exported to %2.")
                .arg(counted(kept, QStringLiteral("exercise")), QDir::toNativeSeparators(file)));
    });
}

void frmClassView::cmdReturn_Click()
{
    if (m_from)
        m_from->Show();
    else
        fw::showMainMenu();
    Unload();
}
