#include "trainer/screens/frmTrainer.h"

#include "classwork/classpanel.h"
#include "classwork/frmClass.h"
#include "classwork/session.h"
#include "diagrams/areanotes.h"
#include "runtime/mainmenu.h"
#include "runtime/notes.h"
#include "runtime/outlines.h"
#include "runtime/placement.h"
#include "runtime/services.h"
#include "trainer/screens/frmProgress.h"
#include "trainer/screens/instrumentview.h"
#include "trainer/screens/measuringview.h"
#include "trainer/bench/readinghazards.h"
#include "trainer/picture/setpicture.h"
#include "trainer/history/store.h"

#include <QEvent>
#include <QTextBrowser>
#include <QShortcut>
#include <QTabBar>
#include <QVBoxLayout>
#include <QRandomGenerator>
#include <QTimer>
#include <QWhatsThis>

#include <algorithm>
#include <cmath>

using namespace fw;
using namespace trainer;

namespace {
// Where the measuring view and the set's screen sit at the design size, in twips: the diagrams on the left,
// the set and its story in the column on the right, the readings and the naming under the diagrams.
constexpr QSize kDesign{14880, 10440};
constexpr QRect kView{120, 120, 11760, 8220};
constexpr QRect kScreen{12000, 120, 2760, 2070};
constexpr int kBand = 8400;   // the top of the band under the diagrams
constexpr int kNaming = 6840; // the left of the instrument in that band, wide enough for the working set's too
constexpr int kResult = 6330; // the top of what naming said in the right column: the naming keeps under it
// The size the trainer opens at where the display has room: a bench to see, not the design's minimum.
constexpr QSizeF kRoomy{19200, 14400};

QString noSet()
{
    return QStringLiteral("No set on the bench: press New set.");
}
} // namespace

frmTrainer::frmTrainer()
    : Form(QStringLiteral("frmTrainer"), QStringLiteral("Fault-Finding Trainer"), kDesign)
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
        // In the order of the work, which Tab follows after the diagrams: the readings, naming the stage, the
        // checks, then the set's story and the bench's buttons.
        return Design{
            label("Label2", "R&eadings, in the order taken", 120, 8400, 6600, 255).bold(8.25),
            listBox("lstReadings", 120, 8655, 6600, 1680).says("Readings, in the order taken"),
            combo("cboStage", "Choose the faulty stage", 12000, 6840, 2760, 345)
                .items(stageNames)
                .says("Faulty stage"),
            command("cmdStage", "Name &stage", 12000, 7230, 1320, 375),
            command("cmdDischarge", "&Discharge", 13440, 7230, 1320, 375)
                .says("Unplug the set, discharge the filter capacitor and the anode, confirm with the meter"),
            command("cmdPlugIn", "P&lug in", 13440, 7230, 1320, 375)
                .says("Plug the set in again, to measure it powered or judge a setting")
                .hidden(),
            combo("cboPart", "Name the stage first", 12000, 7650, 2760, 345).says("Suspect part"),
            command("cmdCheck", "Chec&k part", 12000, 8040, 1320, 375),
            command("cmdPart", "Name p&art", 13440, 8040, 1320, 375),
            label("lblResult", "", 12000, 6330, 2760, 450).says("What naming said"),
            label("lblSymptom", "", 12000, 2280, 2760, 990).says("What the set shows and sounds like"),
            label("lblSet", "", 12000, 3330, 2760, 540).bold(8.25).says("The set's power supply"),
            frame("fraIsolation", "Isolation transformer", 12000, 3930, 2760, 1020).bold(8.25),
            option("optIsolationOut", "&Out of circuit", 180, 300, 2400, 285).in("fraIsolation"),
            option("optIsolationIn", "Switched &in", 180, 630, 2400, 285).in("fraIsolation"),
            command("cmdNew", "&New set", 12000, 5040, 1320, 375).bold(8.25),
            command("cmdProgress", "Pro&gress", 13440, 5040, 1320, 375).bold(8.25),
            label("lblNext", "", 12000, 5490, 2760, 780).bold(8.25).says("What to do next"),
            label("lblStore", "", 12000, 8460, 2760, 1440).fore(colors::darkRed).says("History"),
            command("cmdInstructor", "Ins&tructor", 12000, 9960, 1320, 375)
                .says("Instructor mode: choose the fault to put on the bench"),
            command("cmdReturn", "&Return", 13440, 9960, 1320, 375).bold(8.25),
            // The instructor's page and the result's button, each shown in a tab of the diagrams.
            frame("fraInstructor", "Instructor: the fault New set puts on the bench", 0, 0, 8400, 2400).bold(8.25),
            combo("cboFault", "", 180, 360, 7800, 345).items(faultNames).says("Instructor: fault to hide").in("fraInstructor"),
            label("Label3", "An exercise on a fault chosen here is recorded as the instructor's choice. New set "
                  "ends instructor mode, so that the student at the bench cannot read the fault off this list.",
                  180, 840, 7800, 900).in("fraInstructor"),
            command("cmdNote", "&Bench note", 0, 0, 1320, 375).hidden(),
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

classwork::ClassPanel* frmTrainer::classPanel()
{
    Load();
    return m_class;
}

InstrumentView* frmTrainer::instrument()
{
    Load();
    return m_instrument;
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
    // The class line sits beside the diagrams' tabs; made first, so that Tab reaches it before their stages.
    m_class = new classwork::ClassPanel(window());
    m_view = new MeasuringView(stages(), window());
    m_view->setCornerWidget(m_class, Qt::TopRightCorner);
    m_view->setGeometry(toPixels(kView.left()), toPixels(kView.top()), toPixels(kView.width()),
                        toPixels(kView.height()));
    m_view->show();
    connect(m_view, &MeasuringView::measureRequested, this, &frmTrainer::Stage_Measure);
    m_instrument = new InstrumentView(window());
    m_instrument->show();
    // The result, in one place once the answer is given: a tab of its own beside the diagrams, which only
    // show by then, with the faulty stage's bench note under it.
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("pgResult"));
    auto* column = new QVBoxLayout(page);
    m_result = new QTextBrowser(page);
    m_result->setObjectName(QStringLiteral("txtResult"));
    m_result->setAccessibleName(QStringLiteral("Result"));
    m_result->setOpenLinks(false);
    column->addWidget(m_result);
    column->addWidget(cmdNote(), 0, Qt::AlignLeft);
    m_view->addTab(page, QStringLiteral("Res&ult"));
    m_view->setTabVisible(m_view->indexOf(page), false);
    // The instructor's page, shown only in instructor mode.
    QWidget* instructor = control(QStringLiteral("fraInstructor"));
    m_view->addTab(instructor, QStringLiteral("Ins&tructor"));
    m_view->setTabVisible(m_view->indexOf(instructor), false);
    control<QLabel>(QStringLiteral("Label3"))->setWordWrap(true);
    // Each list has its key: Alt+E the readings (its caption's), Alt+H the stage list, Alt+M the parts list;
    // the readings and the result show the focus framed.
    Label2()->setBuddy(lstReadings());
    for (auto [list, key] : {std::pair<QWidget*, QKeySequence>{cboStage(), QKeySequence(Qt::ALT | Qt::Key_H)},
                             std::pair<QWidget*, QKeySequence>{cboPart(), QKeySequence(Qt::ALT | Qt::Key_M)}}) {
        auto* shortcut = new QShortcut(key, window());
        connect(shortcut, &QShortcut::activated, list, [list] { list->setFocus(Qt::ShortcutFocusReason); });
        list->setToolTip(QStringLiteral("%1 (%2)").arg(list->accessibleName(), key.toString(QKeySequence::NativeText)));
    }
    frameFocus(lstReadings());
    frameFocus(m_result);
    // Each reading on rows of their own, wrapped, told apart by their shading; the list follows the newest.
    lstReadings()->setWordWrap(true);
    lstReadings()->setAlternatingRowColors(true);
    lstReadings()->setTextElideMode(Qt::ElideNone);
    lstReadings()->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    lstReadings()->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(lstReadings(), &QListWidget::currentRowChanged, this, &frmTrainer::lstReadings_Change);
    window()->installEventFilter(this);
    for (Label* text : {lblSymptom(), lblSet(), lblNext(), lblResult(), lblStore()}) {
        text->setWordWrap(true);
        text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    connect(cmdNew(), &CommandButton::Click, this, &frmTrainer::cmdNew_Click);
    connect(optIsolationIn(), &OptionButton::Click, this, &frmTrainer::Isolation_Click);
    connect(optIsolationOut(), &OptionButton::Click, this, &frmTrainer::Isolation_Click);
    connect(cmdStage(), &CommandButton::Click, this, &frmTrainer::cmdStage_Click);
    connect(cmdCheck(), &CommandButton::Click, this, &frmTrainer::cmdCheck_Click);
    connect(cmdDischarge(), &CommandButton::Click, this, &frmTrainer::cmdDischarge_Click);
    connect(cmdPlugIn(), &CommandButton::Click, this, &frmTrainer::cmdPlugIn_Click);
    connect(cmdInstructor(), &CommandButton::Click, this, &frmTrainer::cmdInstructor_Click);
    connect(cmdPart(), &CommandButton::Click, this, &frmTrainer::cmdPart_Click);
    connect(cmdNote(), &CommandButton::Click, this, &frmTrainer::cmdNote_Click);
    connect(cmdProgress(), &CommandButton::Click, this, &frmTrainer::cmdProgress_Click);
    connect(cmdReturn(), &CommandButton::Click, this, &frmTrainer::cmdReturn_Click);
}

void frmTrainer::Form_Load()
{
    const QSizeF display = services().displaySize();
    setWidth(std::clamp(display.width() * 0.9, double(kDesign.width()), kRoomy.width()));
    setHeight(std::clamp(display.height() - 1200, double(kDesign.height()), kRoomy.height()));
    place(*this);
    layOut();
    m_exercise.reset();
    showInstructor(std::nullopt);
    openStore();
    showSet();
    m_view->tabBar()->setFocus(Qt::OtherFocusReason); // the work starts on the diagrams
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

// An exercise under way is lost by leaving it: the user is asked first.
bool frmTrainer::mayLeave()
{
    if (!m_exercise || m_exercise->step() == Exercise::Step::Finished)
        return true;
    const ExerciseRecord& done = m_exercise->record();
    if (done.readings.empty() && done.checks.empty() && m_exercise->step() == Exercise::Step::Measuring &&
        !m_exercise->discharged() && lstReadings()->count() == 0)
        return true; // nothing was done to the set: nothing would be lost
    return services().Ask(QStringLiteral("Leave the exercise under way? The set on the bench and its readings "
                                         "will be lost."),
                          caption());
}

bool frmTrainer::QueryUnload()
{
    return mayLeave();
}

void frmTrainer::cmdNew_Click()
{
    if (!mayLeave())
        return;
    // A fault is chosen from the list only in instructor mode.
    const int chosen = m_instructor ? cboFault()->ListIndex() : 0;
    const Fault* fault = chosen > 0 ? &faults()[static_cast<size_t>(chosen - 1)] : nullptr;
    m_chosen = fault ? *m_instructor : Chosen::AtRandom;
    if (const std::optional<QString> assigned = m_class->nextBench()) // an assignment's next exercise
        fault = findFault(*assigned);
    m_exercise = Exercise::drawn(*QRandomGenerator::global(), fault, QDateTime::currentDateTimeUtc());
    // The student at the bench must not read the instructor's choice off the list: a chosen fault ends
    // instructor mode.
    if (chosen > 0)
        showInstructor(std::nullopt);
    showSet();
}

// The bench as the exercise stands: the set, its supply, the isolation transformer out, no readings yet.
void frmTrainer::showSet()
{
    lstReadings()->clear();
    m_instruments.clear();
    m_instrument->clear();
    cboStage()->setListIndex(-1);
    cboPart()->clear();
    lblResult()->clear();
    m_result->clear();
    m_result->setToolTip({});
    m_result->setAccessibleDescription({});
    m_view->setTabVisible(m_view->indexOf(m_result->parentWidget()), false);
    cmdNote()->hide();
    optIsolationOut()->setValue(true);
    m_view->forgetReadings();
    for (QWidget* w : std::initializer_list<QWidget*>{cmdStage(), cboPart(), cmdCheck()})
        w->setAccessibleDescription(QString());
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

// One line says what to do next, as the exercise goes on.
void frmTrainer::showNext()
{
    QString next;
    if (!m_exercise)
        next = QStringLiteral("Press New set to put a set on the bench.");
    else if (m_exercise->step() == Exercise::Step::Finished)
        next = QStringLiteral("Read the result on the Result tab. New set puts another set on the bench.");
    else if (m_exercise->step() == Exercise::Step::NamingPart && m_exercise->needsDischarge() &&
             !m_exercise->discharged())
        next = QStringLiteral("Press Discharge first: a part is checked out of circuit only with the set unplugged "
                              "and discharged. Then check the suspect parts, choose the failed one and press "
                              "Name part.");
    else if (m_exercise->step() == Exercise::Step::NamingPart)
        next = QStringLiteral("Check the stage's suspect parts (a setting with the set running), then choose the "
                              "failed one and press Name part.");
    else if (m_exercise->lineConnected() && !m_exercise->isolated())
        next = QStringLiteral("This chassis is live: switch in the isolation transformer, then click a stage "
                              "on a diagram to measure it.");
    else if (m_exercise->record().readings.empty())
        next = QStringLiteral("Click a stage on a diagram (or Tab to it and press Enter) to measure it.");
    else
        next = QStringLiteral("Measure another stage, or choose the faulty stage below and press Name stage.");
    lblNext()->setText(next);
}

// Naming goes stage first, then part: each control is offered only while it can act.
void frmTrainer::showNaming()
{
    const Exercise::Step step = m_exercise ? m_exercise->step() : Exercise::Step::Finished;
    cboStage()->setEnabled(step == Exercise::Step::Measuring);
    cmdStage()->setEnabled(step == Exercise::Step::Measuring);
    for (QWidget* w : std::initializer_list<QWidget*>{cboPart(), cmdCheck(), cmdPart()})
        w->setEnabled(step == Exercise::Step::NamingPart);
    // The part list says what it waits for, and nothing once there is no part to name.
    cboPart()->setPlaceholderText(step == Exercise::Step::Measuring && m_exercise ? QStringLiteral("Name the stage first")
                                                                                   : QString());
    // Discharge is offered only while there is a part to check; unplugged, Plug in takes its place.
    const bool unplugged = m_exercise && m_exercise->discharged() && step != Exercise::Step::Finished;
    cmdDischarge()->setVisible(!unplugged);
    cmdDischarge()->setEnabled(m_exercise && m_exercise->needsDischarge());
    cmdPlugIn()->setVisible(unplugged);
    showNext();
}

void frmTrainer::Isolation_Click()
{
    if (m_exercise)
        m_exercise->setIsolated(optIsolationIn()->Value());
    showNext();
}

void frmTrainer::Stage_Measure(const QString& stage)
{
    if (!m_exercise) {
        lblResult()->setText(noSet());
        m_view->tell(stage, noSet());
        return;
    }
    if (m_exercise->step() != Exercise::Step::Measuring) // the stage is named: the diagrams only show now
        return;
    lblResult()->clear(); // a word about naming the stage does not stand for a new reading
    cmdStage()->setAccessibleDescription(QString());
    const Measurement taken = m_exercise->measure(stage);
    // The point's hazards as they hold on this set, with their rules under the reading.
    const auto rules = readingRules(stage, m_exercise->lineConnected());
    const QString text = taken.reading ? withSafety(readingText(*taken.reading), rules)
                                       : stageTitle(stage) + QStringLiteral(": ") + taken.refusal;
    if (taken.reading)
        addReading(text, taken.reading->shows, taken.reading->working, safetyText(rules));
    else
        addReading(text, {}, {});
    // Said at once on the stage measured, which keeps the focus.
    m_view->tell(stage, text);
    showNext();
}

void frmTrainer::cmdStage_Click()
{
    if (!m_exercise || m_exercise->step() != Exercise::Step::Measuring)
        return;
    const int chosen = cboStage()->ListIndex();
    if (chosen < 0) {
        lblResult()->setText(QStringLiteral("Choose the faulty stage first."));
        cmdStage()->setAccessibleDescription(lblResult()->text()); // said where the user is
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
    cboPart()->setAccessibleDescription(lblResult()->text()); // read with the list that takes the focus
    showNaming();
    cboPart()->setFocus(Qt::OtherFocusReason);
}

void frmTrainer::cmdCheck_Click()
{
    if (!m_exercise || cboPart()->ListIndex() < 0)
        return;
    const PartCheck check = m_exercise->checkPart(cboPart()->currentText());
    if (!check.refusal.isEmpty()) {
        addReading(check.refusal, {}, {});
        cmdCheck()->setAccessibleDescription(check.refusal); // said on the button pressed
        showNext();
        return;
    }
    // How the part was checked, and its figure beside a good part's.
    const QString found = checkText(m_exercise->record().stageNamed, check);
    addReading(found, check.shows, check.good);
    cmdCheck()->setAccessibleDescription(found); // said on the button pressed
}

// Unplugs the set and discharges it for the part checks; the set stays so until the next set.
void frmTrainer::cmdDischarge_Click()
{
    if (!m_exercise || m_exercise->discharged())
        return;
    m_exercise->setDischarged(true);
    const QString done =
        QStringLiteral("Unplugged; the main filter capacitor discharged through a resistor, the "
                       "anode by a lead clipped to the tube's ground braid and slid under the "
                       "anode cap; the meter reads near 0 V across the capacitor.");
    addReading(done, {}, {});
    cmdDischarge()->setAccessibleDescription(done);
    cmdPlugIn()->setAccessibleDescription(done);
    showNaming();
    cmdPlugIn()->setFocus(Qt::OtherFocusReason);
}

// Plugs the set in again, a deliberate step that says so: powered again, a part check needs a fresh discharge.
void frmTrainer::cmdPlugIn_Click()
{
    if (!m_exercise || !m_exercise->discharged())
        return;
    m_exercise->setDischarged(false);
    const QString done = QStringLiteral("Plugged in again and switched on: the set is powered; discharge it "
                                        "again before checking a part out of circuit.");
    addReading(done, {}, {});
    cmdDischarge()->setAccessibleDescription(done);
    showNaming();
    cmdDischarge()->setFocus(Qt::OtherFocusReason);
}

// Choosing the fault is the instructor's: signed in to the class as the instructor where there is a class;
// elsewhere in a labelled instructor mode entered with its own confirmation. Pressed again, it ends.
void frmTrainer::cmdInstructor_Click()
{
    if (m_instructor) {
        showInstructor(std::nullopt);
        return;
    }
    if (frmClass::get().client()) { // the instructor signed in to the class in this run
        showInstructor(Chosen::ByInstructor);
        return;
    }
    if (classwork::session().signedIn) {
        services().MsgBox(QStringLiteral("Choosing the fault is for the instructor: sign in to the class as the "
                                         "instructor (Connect), then Return and press Instructor again."),
                          caption());
        frmClass::get().open(this);
        return;
    }
    if (services().Ask(QStringLiteral("Instructor mode shows every fault with its failed part and puts the one "
                                      "chosen on the bench. An exercise on a fault chosen here is recorded as "
                                      "chosen in instructor mode. Switch to instructor mode?"),
                       caption()))
        showInstructor(Chosen::InInstructorMode);
}

// The fault list shows only in instructor mode (`mode`: who chooses there), on a tab of its own, back at a
// random fault.
void frmTrainer::showInstructor(std::optional<Chosen> mode)
{
    m_instructor = mode;
    cboFault()->setListIndex(0);
    QWidget* page = control(QStringLiteral("fraInstructor"));
    const int tab = m_view->indexOf(page);
    m_view->setTabVisible(tab, mode.has_value());
    cmdInstructor()->setCaption(mode ? QStringLiteral("End ins&tructor") : QStringLiteral("Ins&tructor"));
    if (mode) {
        m_view->setCurrentIndex(tab);
        cboFault()->setFocus(Qt::OtherFocusReason);
    } else if (m_view->currentIndex() == tab) {
        m_view->setCurrentIndex(0);
    }
}

void frmTrainer::cmdPart_Click()
{
    if (!m_exercise || m_exercise->step() != Exercise::Step::NamingPart || cboPart()->ListIndex() < 0)
        return;
    m_exercise->namePart(cboPart()->currentText(), QDateTime::currentDateTimeUtc());
    showResult();
}

// The answer is given: the result in its own place, the note of the faulty stage, and the exercise kept in
// the history.
void frmTrainer::showResult()
{
    ExerciseRecord record = m_exercise->record();
    record.id = QUuid::createUuid();
    record.chosen = m_chosen;
    m_class->stamp(record); // the signed-in student, and the assignment the exercise belongs to
    // The checks the answer sends the student to make carry their safety rules, in full where they are read.
    const auto rules = faultRules(QLatin1String(m_exercise->fault().id), m_exercise->lineConnected());
    m_result->setHtml(resultHtml(resultParts(record, m_exercise->fault()), rules));
    m_result->setToolTip(safetyText(rules));
    m_result->setAccessibleDescription(safetyText(rules));
    lblResult()->clear();
    const int tab = m_view->indexOf(m_result->parentWidget());
    m_view->setTabVisible(tab, true);
    m_view->setCurrentIndex(tab);
    if (const std::optional<areanotes::Note> note = areanotes::note(record.faultStage)) {
        attachNote(cmdNote(), areanotes::summary(*note), benchNote(*note, m_exercise->lineConnected()));
        cmdNote()->show();
    }
    showNaming();
    m_result->setFocus(Qt::OtherFocusReason);
    // Written on the history's own thread: the answer never waits for the disk.
    history().record(record);
}

// The result's parts in the order a student reads them, each under its heading; the search as two numbered
// lists side by side.
QString frmTrainer::resultHtml(const ResultParts& parts, const std::vector<const areanotes::Rule*>& rules)
{
    const auto para = [](const QString& text) {
        return QStringLiteral("<p>%1</p>").arg(text.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("</p><p>")));
    };
    const auto list = [](const QStringList& steps) {
        QString items;
        for (const QString& step : steps)
            items += QStringLiteral("<li>%1</li>").arg(step.toHtmlEscaped());
        return steps.isEmpty() ? QStringLiteral("<p>None.</p>") : QStringLiteral("<ol>%1</ol>").arg(items);
    };
    QString html = QStringLiteral("<h2>%1</h2>").arg(parts.verdict.toHtmlEscaped());
    html += QStringLiteral("<h3>What the fault did</h3>") + para(parts.fault);
    html += QStringLiteral("<h3>Safety</h3>") + para(parts.slips);
    for (const areanotes::Rule* rule : rules)
        html += QStringLiteral("<p><b>%1 %2.</b> %3</p>")
                    .arg(QLatin1String(areanotes::kSafety), QString::fromUtf8(rule->title).toHtmlEscaped(),
                         QString::fromUtf8(rule->text).toHtmlEscaped());
    html += QStringLiteral("<h3>The search</h3>") + para(parts.proved) + para(parts.measured);
    html += QStringLiteral("<table width=\"100%\" cellspacing=\"6\"><tr><td width=\"50%\" valign=\"top\"><b>A "
                           "half-split search</b>%1</td><td width=\"50%\" valign=\"top\"><b>Your readings</b>%2</td>"
                           "</tr></table>")
                .arg(list(parts.search), list(parts.yours));
    return html + para(parts.figure);
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
    if (!mayLeave())
        return;
    fw::showMainMenu();
    Unload();
}

// A reading goes in as a row of its own, chosen, so that its instrument shows and the list scrolls to it.
// Its safety rules in full, where there are any, are the row's tooltip and accessible description.
void frmTrainer::addReading(const QString& text, const Instrument& now, const Instrument& working,
                            const QString& safety)
{
    m_instruments.emplace_back(now, working);
    auto* row = new QListWidgetItem(text, lstReadings());
    if (!safety.isEmpty()) {
        row->setToolTip(safety);
        row->setData(Qt::AccessibleDescriptionRole, safety);
    }
    fitReadings();
    lstReadings()->setCurrentItem(row);
    lstReadings()->scrollToItem(row);
}

void frmTrainer::lstReadings_Change(int row)
{
    if (row < 0 || row >= static_cast<int>(m_instruments.size())) {
        m_instrument->clear();
        return;
    }
    const auto& [now, working] = m_instruments[static_cast<size_t>(row)];
    m_instrument->setInstruments(now, working);
}

// Each row as tall as its wrapped sentence, with room around it.
void frmTrainer::fitReadings()
{
    ListBox* list = lstReadings();
    const int width = list->viewport()->width();
    const QFontMetrics metrics(list->font());
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem* row = list->item(i);
        const QRect text =
            metrics.boundingRect(QRect(0, 0, std::max(40, width - 12), 100000), Qt::TextWordWrap, row->text());
        row->setSizeHint(QSize(width, text.height() + 6));
    }
}

// The window grows from its design. The diagrams keep their size; the right column widens, its controls in
// proportion, and the set's screen with it at 4:3, as far as the height allows; what naming said takes the height left over, and the
// naming, the checks and the buttons under it keep to the foot. Under the diagrams the readings list and,
// beside it, the instrument grow down. Controls are placed by where the design puts them, so any control the
// design gains moves with its neighbours; those shown in a tab of the diagrams are the tab's.
void frmTrainer::layOut()
{
    QWidget* w = window();
    const int dw = std::max(0, w->width() - toPixels(kDesign.width()));
    const int dh = std::max(0, w->height() - toPixels(kDesign.height()));
    const int taller = std::min(dw * 3 / 4, dh); // how much the set's screen gains in height
    const QRect column(toPixels(kScreen.left()), 0, toPixels(kScreen.width()) + dw, 0);
    for (const Ctl& c : design()) {
        QWidget* control = this->control(c.name);
        if (!c.container.isEmpty() || control->parentWidget() != w)
            continue;
        QRect r(toPixels(c.rect.left()), toPixels(c.rect.top()), toPixels(c.rect.width()),
                toPixels(c.rect.height()));
        if (c.rect.left() >= kScreen.left()) {
            // Across the column in proportion: a full-width control takes its width, a pair of buttons a half
            // each.
            const double across = double(column.width()) / toPixels(kScreen.width());
            const int left = column.left() + int(std::lround((r.left() - column.left()) * across));
            const int right = column.left() + int(std::lround((r.right() + 1 - column.left()) * across));
            r.setLeft(left);
            r.setRight(right - 1);
            if (c.rect.top() < kResult)
                r.moveTop(r.top() + taller);
            else if (c.rect.top() == kResult)
                r.adjust(0, taller, 0, dh);
            else
                r.moveTop(r.top() + dh);
        } else if (control == lstReadings()) {
            r.setHeight(r.height() + dh);
        }
        control->setGeometry(r);
    }
    const int screenHeight = toPixels(kScreen.height()) + taller;
    m_screen->setGeometry(column.left(), toPixels(kScreen.top()), screenHeight * 4 / 3, screenHeight);
    const QRect list = lstReadings()->geometry();
    m_instrument->setGeometry(toPixels(kNaming), toPixels(kBand), toPixels(kView.right()) - toPixels(kNaming),
                              list.bottom() - toPixels(kBand) + 1);
    fitReadings();
}

bool frmTrainer::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && isLoaded() && watched == window())
        layOut();
    return Form::eventFilter(watched, event);
}
