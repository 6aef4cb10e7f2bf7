#include "trainer/frmTrainer.h"

#include "app/frmOne.h"
#include "app/placement.h"
#include "diagrams/areanotes.h"
#include "runtime/notes.h"
#include "trainer/frmProgress.h"
#include "trainer/measuringview.h"
#include "trainer/setpicture.h"
#include "trainer/store.h"

#include <QRandomGenerator>
#include <QTimer>
#include <QWhatsThis>

using namespace fw;
using namespace trainer;

namespace {
// Where the measuring view and the set's screen sit, in twips.
constexpr QRect kView{120, 120, 11760, 8220};
constexpr QRect kScreen{12000, 120, 2760, 2070};

QString noSet()
{
    return QStringLiteral("No set on the bench: press New set.");
}
} // namespace

frmTrainer::frmTrainer()
    : Form(QStringLiteral("frmTrainer"), QStringLiteral("Fault-Finding Trainer"), QSize(14880, 10440))
{}

Design frmTrainer::design() const
{
    static const Design table = [] {
        QStringList faultNames{QStringLiteral("Any fault, chosen at random")};
        for (const Fault& fault : faults())
            faultNames << faultName(fault);
        QStringList stageNames;
        for (const QString& stage : stages())
            stageNames << stageTitle(stage);
        return Design{
            combo("cboFault", "", 6000, 8400, 5880, 345).items(faultNames).says("Fault to hide"),
            command("cmdNew", "New set", 12000, 5340, 1320, 375).bold(8.25),
            command("cmdProgress", "Progress", 13440, 5340, 1320, 375).bold(8.25),
            label("lblSymptom", "", 12000, 2280, 2760, 1260).says("What the set shows and sounds like"),
            label("lblSet", "", 12000, 3600, 2760, 540).bold(8.25).says("The set's power supply"),
            frame("fraIsolation", "Isolation transformer", 12000, 4200, 2760, 1020).bold(8.25),
            option("optIsolationOut", "Out of circuit", 180, 300, 2400, 285).in("fraIsolation"),
            option("optIsolationIn", "Switched in", 180, 630, 2400, 285).in("fraIsolation"),
            combo("cboStage", "Choose the faulty stage", 6000, 8820, 4320, 345)
                .items(stageNames)
                .says("Faulty stage"),
            command("cmdStage", "Name stage", 10440, 8805, 1440, 375),
            combo("cboPart", "Name the stage first", 6000, 9240, 4320, 345).says("Suspect part"),
            command("cmdCheck", "Check part", 10440, 9225, 1440, 375),
            command("cmdPart", "Name part", 10440, 9645, 1440, 375),
            label("lblStore", "", 6000, 9660, 4320, 675).fore(colors::darkRed).says("History"),
            label("Label2", "Readings, in the order taken", 120, 8400, 5760, 255).bold(8.25),
            textArea("txtReadings", "", 120, 8655, 5760, 1680)
                .readOnly()
                .says("Readings, in the order taken"),
            label("lblResult", "", 12000, 5820, 2760, 4080).says("Result"),
            command("cmdNote", "Bench note", 12000, 9960, 1320, 375).hidden(),
            command("cmdReturn", "Return", 13440, 9960, 1320, 375).bold(8.25),
        };
    }();
    return table;
}

SetScreen* frmTrainer::picScreen()
{
    Load();
    return m_screen;
}

MeasuringView* frmTrainer::view()
{
    Load();
    return m_view;
}

void frmTrainer::wire()
{
    auto* screen = new SetScreen(window());
    screen->setObjectName(QStringLiteral("picScreen"));
    screen->setAccessibleName(QStringLiteral("The set's screen"));
    screen->setGeometry(toPixels(kScreen.left()), toPixels(kScreen.top()), toPixels(kScreen.width()),
                        toPixels(kScreen.height()));
    screen->show();
    m_screen = screen;
    m_view = new MeasuringView(stages(), window());
    m_view->setGeometry(toPixels(kView.left()), toPixels(kView.top()), toPixels(kView.width()),
                        toPixels(kView.height()));
    m_view->show();
    connect(m_view, &MeasuringView::measureRequested, this, &frmTrainer::Stage_Measure);
    for (Label* text : {lblSymptom(), lblSet(), lblResult(), lblStore()}) {
        text->setWordWrap(true);
        text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    connect(cmdNew(), &CommandButton::Click, this, &frmTrainer::cmdNew_Click);
    connect(optIsolationIn(), &OptionButton::Click, this, &frmTrainer::Isolation_Click);
    connect(optIsolationOut(), &OptionButton::Click, this, &frmTrainer::Isolation_Click);
    connect(cmdStage(), &CommandButton::Click, this, &frmTrainer::cmdStage_Click);
    connect(cmdCheck(), &CommandButton::Click, this, &frmTrainer::cmdCheck_Click);
    connect(cmdPart(), &CommandButton::Click, this, &frmTrainer::cmdPart_Click);
    connect(cmdNote(), &CommandButton::Click, this, &frmTrainer::cmdNote_Click);
    connect(cmdProgress(), &CommandButton::Click, this, &frmTrainer::cmdProgress_Click);
    connect(cmdReturn(), &CommandButton::Click, this, &frmTrainer::cmdReturn_Click);
}

void frmTrainer::Form_Load()
{
    place(*this);
    m_exercise.reset();
    cboFault()->setListIndex(0);
    openStore();
    showSet();
}

// The history opens with the trainer, never at start-up; its line says how it stands, as it changes.
void frmTrainer::openStore()
{
    connect(&history(), &Store::changed, window(), [this] {
        if (isLoaded()) // not a window on its way out
            showStore();
    });
    showStore();
}

void frmTrainer::showStore()
{
    const QString line = history().problem();
    Label* label = lblStore();
    label->setText(line);
    label->setToolTip(line);
    // A long sentence (a path in it) is set smaller until its last line clears the window's bottom edge.
    QFont font = window()->font();
    label->setFont(font);
    const int room = window()->height() - label->y();
    while (font.pointSizeF() > 6 && label->heightForWidth(label->width()) > room) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        label->setFont(font);
    }
    label->resize(label->width(), std::min(room, std::max(label->height(), label->heightForWidth(label->width()))));
    if (!line.isEmpty() && isShown())
        history().noticeSeen();
}

void frmTrainer::cmdNew_Click()
{
    const int chosen = cboFault()->ListIndex();
    const Fault* fault = chosen > 0 ? &faults()[static_cast<size_t>(chosen - 1)] : nullptr;
    m_exercise = Exercise::drawn(*QRandomGenerator::global(), fault, QDateTime::currentDateTimeUtc());
    m_chosen = fault ? Chosen::ByInstructor : Chosen::AtRandom;
    // The student at the bench must not read the instructor's choice off the list.
    cboFault()->setListIndex(0);
    showSet();
}

// The bench as the exercise stands: the set, its supply, the isolation transformer out, no readings yet.
void frmTrainer::showSet()
{
    txtReadings()->clear();
    cboStage()->setListIndex(-1);
    cboPart()->clear();
    lblResult()->clear();
    cmdNote()->hide();
    optIsolationOut()->setValue(true);
    if (!m_exercise) {
        m_screen->setAppearance(Appearance{.power = Power::Dead});
        m_screen->setAccessibleDescription(noSet());
        lblSymptom()->setText(noSet());
        lblSet()->clear();
    } else {
        const Appearance shown = m_exercise->set().appearance();
        m_screen->setAppearance(shown);
        lblSymptom()->setText(describe(shown));
        lblSet()->setText(m_exercise->lineConnected()
                              ? QStringLiteral("This set has no mains transformer: its chassis is live.")
                              : QStringLiteral("This set has a mains transformer: its chassis is isolated."));
    }
    showNaming();
}

// Naming goes stage first, then part: each control is offered only while it can act.
void frmTrainer::showNaming()
{
    const Exercise::Step step = m_exercise ? m_exercise->step() : Exercise::Step::Finished;
    cboStage()->setEnabled(step == Exercise::Step::Measuring);
    cmdStage()->setEnabled(step == Exercise::Step::Measuring);
    for (QWidget* w : std::initializer_list<QWidget*>{cboPart(), cmdCheck(), cmdPart()})
        w->setEnabled(step == Exercise::Step::NamingPart);
}

void frmTrainer::Isolation_Click()
{
    if (m_exercise)
        m_exercise->setIsolated(optIsolationIn()->Value());
}

void frmTrainer::Stage_Measure(const QString& stage)
{
    if (!m_exercise) {
        lblResult()->setText(noSet());
        return;
    }
    if (m_exercise->step() != Exercise::Step::Measuring) // the stage is named: the diagrams only show now
        return;
    const Measurement taken = m_exercise->measure(stage);
    txtReadings()->appendPlainText(taken.reading ? readingText(*taken.reading)
                                                 : stageTitle(stage) + QStringLiteral(": ") + taken.refusal);
}

void frmTrainer::cmdStage_Click()
{
    if (!m_exercise || m_exercise->step() != Exercise::Step::Measuring)
        return;
    const int chosen = cboStage()->ListIndex();
    if (chosen < 0) {
        lblResult()->setText(QStringLiteral("Choose the faulty stage first."));
        return;
    }
    m_exercise->nameStage(stages().at(chosen), QDateTime::currentDateTimeUtc());
    if (m_exercise->step() == Exercise::Step::Finished) {
        showResult();
        return;
    }
    cboPart()->clear();
    cboPart()->addItems(m_exercise->suspectParts());
    cboPart()->setListIndex(0);
    lblResult()->setText(
        QStringLiteral("That is the stage. Check its suspect parts out of circuit, power off, "
                       "then name the failed part."));
    showNaming();
    cboPart()->setFocus(Qt::OtherFocusReason);
}

void frmTrainer::cmdCheck_Click()
{
    if (!m_exercise || cboPart()->ListIndex() < 0)
        return;
    const PartCheck check = m_exercise->checkPart(cboPart()->currentText());
    txtReadings()->appendPlainText(
        QStringLiteral("%1, out of circuit, power off: %2 %3.")
            .arg(stageTitle(m_exercise->record().stageNamed), check.part, check.finding));
}

void frmTrainer::cmdPart_Click()
{
    if (!m_exercise || m_exercise->step() != Exercise::Step::NamingPart || cboPart()->ListIndex() < 0)
        return;
    m_exercise->namePart(cboPart()->currentText(), QDateTime::currentDateTimeUtc());
    showResult();
}

// The answer is given: the result, the note of the faulty stage, and the exercise kept in the history.
void frmTrainer::showResult()
{
    ExerciseRecord record = m_exercise->record();
    record.id = QUuid::createUuid();
    record.chosen = m_chosen;
    lblResult()->setText(resultText(record, m_exercise->fault()));
    if (const std::optional<areanotes::Note> note = areanotes::note(record.faultStage)) {
        attachNote(cmdNote(), areanotes::summary(*note), note->text);
        cmdNote()->show();
    }
    showNaming();
    // Written on the history's own thread: the answer never waits for the disk.
    history().record(record);
}

void frmTrainer::cmdNote_Click()
{
    QWhatsThis::showText(cmdNote()->mapToGlobal(cmdNote()->rect().center()), cmdNote()->whatsThis(),
                         cmdNote());
}

void frmTrainer::cmdProgress_Click()
{
    frmProgress::get().Show();
    Hide();
}

void frmTrainer::cmdReturn_Click()
{
    frmOne::get().Show();
    Unload();
}
