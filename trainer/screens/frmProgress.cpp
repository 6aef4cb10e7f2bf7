#include "trainer/screens/frmProgress.h"

#include "diagrams/areanotes.h"
#include "runtime/mainmenu.h"
#include "runtime/placement.h"
#include "runtime/services.h"
#include "trainer/exercise/exercise.h"
#include "trainer/history/store.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>

using namespace fw;

namespace {
constexpr QSize kDesign{11640, 7200}; // the design size, in twips; the window grows from it
const QString kExportTitle = QStringLiteral("Export to CSV");
const QString kExportFolder = QStringLiteral("trainer/exportFolder");

using trainer::stageTitle;

// The folder last exported to, kept in the user's settings.
QString exportFolder()
{
    return QSettings(QSettings::UserScope, QStringLiteral("Fernwick"), QStringLiteral("Fernwick"))
        .value(kExportFolder)
        .toString();
}

void setExportFolder(const QString& folder)
{
    QSettings(QSettings::UserScope, QStringLiteral("Fernwick"), QStringLiteral("Fernwick"))
        .setValue(kExportFolder, folder);
}

// Who chose an exercise's fault, as the list says it.
QString chosen(trainer::Chosen by)
{
    switch (by) {
    case trainer::Chosen::ByInstructor:
        return QStringLiteral("fault chosen by the instructor");
    case trainer::Chosen::ByAssignment:
        return QStringLiteral("fault set by an assignment");
    case trainer::Chosen::InInstructorMode:
        return QStringLiteral("fault chosen in instructor mode");
    case trainer::Chosen::AtRandom:
        break;
    }
    return QStringLiteral("fault drawn at random");
}

QString count(int n, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

// Shows a sentence in a label (which assistive technology reads with the text it shows).
void tell(Label* label, const QString& sentence)
{
    label->setCaption(sentence);
}

// One past exercise as the list shows it.
QString line(const trainer::ExerciseRecord& e)
{
    const QString when = QLocale().toString(e.finished.toLocalTime(), QStringLiteral("yyyy-MM-dd HH:mm"));
    const QString stage = stageTitle(e.faultStage);
    const QString part = trainer::failedPart(e.faultId);
    const QString outcome =
        e.right ? QStringLiteral("%1, %2: found").arg(stage, e.partNamed)
        : trainer::stageFound(e)
            ? (part.isEmpty() ? QStringLiteral("%1: stage found, part missed").arg(stage)
                              : QStringLiteral("%1: stage found, part missed (the %2, not the %3)")
                                    .arg(stage, part, e.partNamed))
            : QStringLiteral("%1: missed, named %2").arg(stage, stageTitle(e.stageNamed));
    // Who did it and who chose the fault are said when it was not this computer's own random draw.
    const QString who = e.student.isEmpty() && e.chosen == trainer::Chosen::AtRandom
                            ? QString()
                            : QStringLiteral("; %1, %2").arg(trainer::studentName(e), chosen(e.chosen));
    return QStringLiteral("%1  %2; %3, %4 would do; %5; %6 min %7 s%8")
        .arg(when, outcome, count(e.measurements, "measurement", "measurements"))
        .arg(e.optimum)
        .arg(count(e.safetySlips, "safety slip", "safety slips"))
        .arg(e.seconds / 60)
        .arg(e.seconds % 60)
        .arg(who);
}
} // namespace

frmProgress::frmProgress()
    : Form(QStringLiteral("frmProgress"), QStringLiteral("Trainer Progress"), kDesign)
{}

Design frmProgress::design() const
{
    return {
        label("Label1", "Trainer Progress", 0, 120, 11400, 495).bold(18).fore(colors::darkRed).centred(),
        label("lblProblem", "", 360, 660, 10920, 495)
            .bold(8.25)
            .fore(colors::darkRed)
            .hidden()
            .says("History"),
        label("Label2", "Exercises done", 360, 1230, 3600, 255).bold(8.25),
        textBox("txtDone", "", 4080, 1200, 7200, 315).says("Exercises done").readOnly(),
        label("Label3", "Success rate", 360, 1650, 3600, 255).bold(8.25),
        textBox("txtRate", "", 4080, 1620, 7200, 315).says("Success rate").readOnly(),
        label("Label4", "Measurements against the optimum", 360, 2070, 3600, 255).bold(8.25),
        textBox("txtMeasurements", "", 4080, 2040, 7200, 315)
            .says("Measurements against the optimum")
            .readOnly(),
        label("Label5", "Safety slips", 360, 2490, 3600, 255).bold(8.25),
        textBox("txtSlips", "", 4080, 2460, 7200, 315).says("Safety slips").readOnly(),
        label("Label6", "Stages and parts most often missed", 360, 2940, 10920, 255).bold(8.25),
        listBox("lstMissed", 360, 3210, 10920, 975).says("Stages and parts most often missed"),
        label("Label7", "Past exercises, the latest first", 360, 4320, 10920, 255).bold(8.25),
        listBox("lstExercises", 360, 4590, 10920, 1680).says("Past exercises"),
        label("lblStatus", "", 360, 6330, 10920, 255).says("Export"),
        command("cmdExport", "&Export to CSV", 3885, 6690, 1695, 375).bold(8.25),
        command("cmdReturn", "&Return", 6060, 6690, 1695, 375).bold(8.25),
    };
}

void frmProgress::wire()
{
    connect(cmdExport(), &CommandButton::Click, this, &frmProgress::cmdExport_Click);
    connect(cmdReturn(), &CommandButton::Click, this, &frmProgress::cmdReturn_Click);
    window()->installEventFilter(this);
}

// Made larger, the lines reach across the window, the past exercises take the height gained, and the
// status and buttons keep to the foot, the buttons in the middle.
void frmProgress::layOut()
{
    const int dw = std::max(0, window()->width() - toPixels(kDesign.width()));
    const int dh = std::max(0, window()->height() - toPixels(kDesign.height()));
    int pastTop = 0;
    for (const Ctl& c : design())
        if (c.name == QLatin1String("lstExercises"))
            pastTop = c.rect.top();
    for (const Ctl& c : design()) {
        if (!c.container.isEmpty())
            continue;
        QRect r(toPixels(c.rect.left()), toPixels(c.rect.top()), toPixels(c.rect.width()), toPixels(c.rect.height()));
        if (c.kind == Kind::Button)
            r.moveLeft(r.left() + dw / 2);
        else if (c.rect.right() >= kDesign.width() - 400)
            r.setWidth(r.width() + dw);
        if (c.rect.top() == pastTop)
            r.setHeight(r.height() + dh);
        else if (c.rect.top() > pastTop)
            r.moveTop(r.top() + dh);
        control(c.name)->setGeometry(r);
    }
}

bool frmProgress::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && isLoaded() && watched == window())
        layOut();
    return Form::eventFilter(watched, event);
}

// Opened from the trainer, the progress takes the trainer's place and size (maximised where it is); else
// it is placed as any screen.
void frmProgress::Form_Load()
{
    Screen* from = nullptr;
    for (Screen* s : Registry::instance().loadedScreens())
        if (s->name() == QLatin1String("frmTrainer"))
            from = s;
    if (from) {
        const QWidget* trainer = from->window();
        setLeft(from->Left());
        setTop(from->Top());
        setWidth(std::max(double(trainer->width()) * 15, double(kDesign.width())));
        setHeight(std::max(double(trainer->height()) * 15, double(kDesign.height())));
        setMaximized(trainer->isMaximized());
    } else {
        place(*this);
    }
    layOut();
    lblProblem()->setWordWrap(true);
    lblProblem()->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (ListBox* list : {lstMissed(), lstExercises()}) {
        list->setWordWrap(true);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setResizeMode(QListView::Adjust);
        list->setSpacing(1);
    }
    connect(&trainer::history(), &trainer::Store::changed, window(), [this] {
        if (isLoaded()) // not a window on its way out
            refresh();
    });
    refresh();
}

void frmProgress::refresh()
{
    trainer::Store& store = trainer::history();
    tell(lblProblem(), store.problem());
    lblProblem()->setVisible(!store.problem().isEmpty());
    if (!store.problem().isEmpty() && isShown())
        store.noticeSeen();

    const std::vector<trainer::ExerciseRecord> exercises = store.exercises();
    const trainer::Progress p = trainer::progress(exercises);
    const QLocale locale;
    txtDone()->setText(QString::number(p.exercises));
    txtSlips()->setText(QString::number(p.safetySlips));
    if (p.exercises == 0) {
        txtRate()->setText(QStringLiteral("no exercises yet"));
        txtMeasurements()->setText(QStringLiteral("no exercises yet"));
    } else {
        txtRate()->setText(QStringLiteral("%1% (%2 of %3 found)")
                               .arg(locale.toString(100.0 * p.right / p.exercises, 'f', 0))
                               .arg(p.right)
                               .arg(p.exercises));
        txtMeasurements()->setText(QStringLiteral("%1 an exercise on average, where %2 would do")
                                       .arg(locale.toString(double(p.measurements) / p.exercises, 'f', 1),
                                            locale.toString(double(p.optimum) / p.exercises, 'f', 1)));
    }
    lstMissed()->clear();
    for (const trainer::Missed& m : p.missed)
        lstMissed()->addItem(m.part.isEmpty()
                                 ? QStringLiteral("%1: missed %2").arg(stageTitle(m.stage), count(m.times, "time", "times"))
                                 : QStringLiteral("%1, the %2: part missed %3")
                                       .arg(stageTitle(m.stage), m.part, count(m.times, "time", "times")));
    lstExercises()->clear();
    for (auto e = exercises.rbegin(); e != exercises.rend(); ++e)
        lstExercises()->addItem(line(*e));
}

void frmProgress::cmdExport_Click()
{
    tell(lblStatus(), QString()); // an earlier export's word does not stand for this one
    const std::vector<trainer::ExerciseRecord> exercises = trainer::history().exercises();
    if (exercises.empty()) {
        tell(lblStatus(), QStringLiteral("There are no exercises to export yet."));
        return;
    }
    QString folder = exportFolder();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString file = services().SaveFileName(kExportTitle, folder + QStringLiteral("/trainer-progress.csv"),
                                                 QStringLiteral("CSV files (*.csv)"));
    if (file.isEmpty())
        return;
    setExportFolder(QFileInfo(file).absolutePath());
    // Written whole to a temporary file first, so that a failed export leaves any file of that name as it
    // was.
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(trainer::toCsv(exercises).toUtf8()) < 0 ||
        !out.commit()) {
        services().MsgBox(QStringLiteral("The progress could not be exported to %1: %2.")
                              .arg(QDir::toNativeSeparators(file), out.errorString()),
                          kExportTitle);
        return;
    }
    tell(lblStatus(),
         QStringLiteral("%1 exported to %2.")
             .arg(count(int(exercises.size()), "exercise", "exercises"), QDir::toNativeSeparators(file)));
}

void frmProgress::cmdReturn_Click()
{
    // Back to the trainer, which opened this screen; the main menu when there is none to go back to.
    Screen* trainerScreen = nullptr;
    for (Screen* s : Registry::instance().screens())
        if (s->name() == QLatin1String("frmTrainer"))
            trainerScreen = s;
    if (trainerScreen)
        trainerScreen->Show();
    else
        fw::showMainMenu();
    Unload();
}
