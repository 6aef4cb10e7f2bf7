#include "classwork/classpanel.h"

#include "classwork/client.h"
#include "classwork/frmSignIn.h"
#include "classwork/session.h"
#include "runtime/controls.h"
#include "runtime/screen.h"

#include <QHBoxLayout>

#include <algorithm>

using namespace fw;

namespace classwork {

namespace {
const QString kOwn = QStringLiteral("Practise on my own");
constexpr int kLineTwips = 6000; // the widest the class line grows
} // namespace

ClassPanel::ClassPanel(QWidget* parent)
    : QWidget(parent)
    , m_line(new Label(this))
    , m_assignments(new ComboBox(this))
    , m_signIn(new CommandButton(this))
{
    setObjectName(QStringLiteral("classPanel"));
    m_line->setObjectName(QStringLiteral("lblClass"));
    m_assignments->setObjectName(QStringLiteral("cboAssignment"));
    m_assignments->setAccessibleName(QStringLiteral("Assignment"));
    m_signIn->setObjectName(QStringLiteral("cmdSignIn"));
    m_signIn->setCaption(QStringLiteral("Class"));
    m_signIn->setFont(controlFont(8.25, true));
    m_line->setFont(controlFont(8.25));
    m_line->setWordWrap(false);
    m_line->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_assignments->setFont(controlFont(8.25));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    row->addWidget(m_line);
    m_assignments->setMaximumWidth(toPixels(2700));
    row->addWidget(m_assignments);
    row->addWidget(m_signIn);
    connect(m_signIn, &CommandButton::Click, this, [] { frmSignIn::get().open(Registry::instance().activeScreen()); });
    refresh();
}

ClassPanel::~ClassPanel() = default;

void ClassPanel::setWaiting(int waiting)
{
    m_waiting = waiting;
    // Beside the tabs there is room for how many exercises were set aside; the line names each, and why, in its
    // tooltip and to a screen reader.
    const QString line = statusLine(session(), m_waiting, m_setAside);
    const QString shown = statusLine(session(), m_waiting)
                          + (m_setAside.isEmpty() || !session().signedIn ? QString() : QStringLiteral(" %1 set aside.").arg(m_setAside.size()));
    m_line->setCaption(m_line->fontMetrics().elidedText(shown, Qt::ElideRight, toPixels(kLineTwips)));
    m_line->setToolTip(line == m_line->text() ? QString() : line);
    m_line->setAccessibleDescription(line);
    updateGeometry(); // the tabs' corner widens or narrows with the line
}

void ClassPanel::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    refresh();
}

void ClassPanel::refresh()
{
    const Session& s = session();
    setWaiting(m_waiting);
    m_open.clear();
    m_problem.clear();
    if (!s.signedIn) {
        m_setAside.clear();
        showAssignments();
        return;
    }
    Client* client = studentClient(s.connection);
    showAssignments();
    if (!client)
        return;
    client->startSending(
        this, s.className, [this](int waiting) { setWaiting(waiting); },
        [this](const QStringList& sentences) {
            m_setAside = sentences;
            setWaiting(m_waiting);
        });
    client->openAssignments(this, s.className, [this](const classroom::Result<std::vector<classroom::Assignment>>& r) {
        m_open = r.value;
        m_problem = r.ok() ? QString() : r.error;
        showAssignments();
    });
}

// The list names each assignment by its title and due date, never by its faults.
void ClassPanel::showAssignments()
{
    const QString kept = m_assignments->currentText();
    m_assignments->clear();
    m_assignments->addItem(kOwn);
    for (const classroom::Assignment& a : m_open)
        m_assignments->addItem(a.due.isValid() ? QStringLiteral("%1 (due %2)")
                                                     .arg(a.title, a.due.toLocalTime().toString(QStringLiteral("yyyy-MM-dd")))
                                               : a.title);
    m_assignments->setCurrentIndex(std::max(0, m_assignments->findText(kept)));
    m_assignments->setVisible(session().signedIn);
    updateGeometry();
    m_assignments->setToolTip(m_problem.isEmpty() ? QString()
                                                  : QStringLiteral("The open assignments could not be read: %1").arg(m_problem));
}

std::optional<QString> ClassPanel::nextBench()
{
    m_benchAssignment.clear();
    const int chosen = m_assignments->currentIndex() - 1;
    if (!session().signedIn || chosen < 0 || chosen >= int(m_open.size()))
        return std::nullopt;
    const classroom::Assignment& a = m_open[size_t(chosen)];
    m_benchAssignment = a.id;
    if (a.faultIds.isEmpty())
        return QString();
    return a.remaining.isEmpty() ? a.faultIds.first() : a.remaining.first();
}

void ClassPanel::stamp(trainer::ExerciseRecord& record)
{
    if (!session().signedIn)
        return;
    record.student = session().connection.name;
    if (m_benchAssignment.isEmpty())
        return;
    record.assignment = m_benchAssignment;
    record.chosen = trainer::Chosen::ByAssignment;
    // Done here at once, so that the next New set of the assignment goes on to its next fault before the
    // server has the exercise.
    for (classroom::Assignment& a : m_open)
        if (a.id == m_benchAssignment)
            a.remaining.removeOne(record.faultId);
    m_benchAssignment.clear();
}

} // namespace classwork
