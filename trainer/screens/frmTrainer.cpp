#include "trainer/screens/frmTrainer.h"

#include "classwork/classpanel.h"
#include "diagrams/areanotes.h"
#include "runtime/mainmenu.h"
#include "runtime/notes.h"
#include "runtime/placement.h"
#include "runtime/services.h"
#include "trainer/screens/frmProgress.h"
#include "trainer/screens/instrumentview.h"
#include "trainer/screens/measuringview.h"
#include "trainer/bench/readinghazards.h"
#include "trainer/picture/setpicture.h"
#include "trainer/history/store.h"

#include <QEvent>
#include <QRandomGenerator>
#include <QTimer>
#include <QWhatsThis>

#include <algorithm>

using namespace fw;
using namespace trainer;

namespace {
// Where the measuring view and the set's screen sit at the design size, in twips: the diagrams on the left,
// the set and its story in the column on the right, the readings and the naming under the diagrams.
constexpr QSize kDesign{14880, 10440};
constexpr QRect kView{120, 120, 11760, 8220};
constexpr QRect kScreen{12000, 120, 2760, 2070};
constexpr int kBand = 8400;   // the top of the band under the diagrams
constexpr int kNaming = 6000; // the left of the naming controls in that band
constexpr int kResult = 6660; // the top of the result in the right column
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
        return Design{
            combo("cboFault", "", 6000, 8400, 5880, 345).items(faultNames).says("Fault to hide"),
            command("cmdNew", "&New set", 12000, 5340, 1320, 375).bold(8.25),
            command("cmdProgress", "Pro&gress", 13440, 5340, 1320, 375).bold(8.25),
            label("lblSymptom", "", 12000, 2280, 2760, 1260).says("What the set shows and sounds like"),
            label("lblSet", "", 12000, 3600, 2760, 540).bold(8.25).says("The set's power supply"),
            frame("fraIsolation", "Isolation transformer", 12000, 4200, 2760, 1020).bold(8.25),
            option("optIsolationOut", "&Out of circuit", 180, 300, 2400, 285).in("fraIsolation"),
            option("optIsolationIn", "Switched &in", 180, 630, 2400, 285).in("fraIsolation"),
            command("cmdDischarge", "&Discharge", 10440, 10035, 1440, 375)
                .says("Unplug the set, discharge the filter capacitor and the anode, confirm with the meter"),
            combo("cboStage", "Choose the faulty stage", 6000, 8820, 4320, 345)
                .items(stageNames)
                .says("Faulty stage"),
            command("cmdStage", "Name &stage", 10440, 8805, 1440, 375),
            combo("cboPart", "Name the stage first", 6000, 9240, 4320, 345).says("Suspect part"),
            command("cmdCheck", "Chec&k part", 10440, 9225, 1440, 375),
            command("cmdPart", "Name p&art", 10440, 9645, 1440, 375),
            label("lblStore", "", 6000, 9660, 4320, 675).fore(colors::darkRed).says("History"),
            label("Label2", "Readings, in the order taken", 120, 8400, 5760, 255).bold(8.25),
            listBox("lstReadings", 120, 8655, 5760, 1680).says("Readings, in the order taken"),
            label("lblNext", "", 12000, 5820, 2760, 780).bold(8.25).says("What to do next"),
            label("lblResult", "", 12000, 6660, 2760, 3240).says("Result"),
            command("cmdNote", "&Bench note", 12000, 9960, 1320, 375).hidden(),
            command("cmdReturn", "&Return", 13440, 9960, 1320, 375).bold(8.25),
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
    connect(cmdPart(), &CommandButton::Click, this, &frmTrainer::cmdPart_Click);
    connect(cmdNote(), &CommandButton::Click, this, &frmTrainer::cmdNote_Click);
    connect(cmdProgress(), &CommandButton::Click, this, &frmTrainer::cmdProgress_Click);
    connect(cmdReturn(), &CommandButton::Click, this, &frmTrainer::cmdReturn_Click);
    // The result takes the focus when it is given, so that a screen reader reads it.
    lblResult()->setFocusPolicy(Qt::ClickFocus);
    frameFocus(lblResult());
    m_resultSays = lblResult()->accessibleDescription();
}

void frmTrainer::Form_Load()
{
    const QSizeF display = services().displaySize();
    setWidth(std::clamp(display.width() * 0.9, double(kDesign.width()), kRoomy.width()));
    setHeight(std::clamp(display.height() - 1200, double(kDesign.height()), kRoomy.height()));
    place(*this);
    layOut();
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

// An exercise under way is lost by leaving it: the user is asked first.
bool frmTrainer::mayLeave()
{
    if (!m_exercise || m_exercise->step() == Exercise::Step::Finished)
        return true;
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
    const int chosen = cboFault()->ListIndex();
    const Fault* fault = chosen > 0 ? &faults()[static_cast<size_t>(chosen - 1)] : nullptr;
    if (const std::optional<QString> assigned = m_class->nextBench()) // an assignment's next exercise
        fault = findFault(*assigned);
    m_exercise = Exercise::drawn(*QRandomGenerator::global(), fault, QDateTime::currentDateTimeUtc());
    m_chosen = fault ? Chosen::ByInstructor : Chosen::AtRandom;
    // The student at the bench must not read the instructor's choice off the list.
    cboFault()->setListIndex(0);
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
    lblResult()->setToolTip({});
    lblResult()->setAccessibleDescription(m_resultSays); // what the empty result is, for a screen reader
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
        next = QStringLiteral("Read the result below. New set puts another set on the bench.");
    else if (m_exercise->step() == Exercise::Step::NamingPart)
        next = QStringLiteral("Check the stage's suspect parts, then choose the failed one and press Name part.");
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
        return;
    }
    // How the part was checked, and its figure beside a good part's.
    const QString found = QStringLiteral("%1: %2, %3: %4.")
                              .arg(stageTitle(m_exercise->record().stageNamed), check.part, check.how, check.finding);
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
    showNext();
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
    m_class->stamp(record); // the signed-in student, and the assignment the exercise belongs to
    // The half-split search, the result's last paragraph, goes under the readings it speaks of.
    const QString result = resultText(record, m_exercise->fault());
    const qsizetype search = result.lastIndexOf(QLatin1Char('\n'));
    // The checks the answer sends the student to make carry their safety rules, in full where they are read.
    const auto rules = faultRules(QLatin1String(m_exercise->fault().id), m_exercise->lineConnected());
    lblResult()->setText(withSafety(result.left(search), rules));
    lblResult()->setToolTip(safetyText(rules));
    lblResult()->setAccessibleDescription(rules.empty() ? m_resultSays : safetyText(rules));
    addReading(result.mid(search + 1), {}, {});
    if (const std::optional<areanotes::Note> note = areanotes::note(record.faultStage)) {
        attachNote(cmdNote(), areanotes::summary(*note), benchNote(*note, m_exercise->lineConnected()));
        cmdNote()->show();
    }
    showNaming();
    lblResult()->setFocus(Qt::OtherFocusReason);
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
        row->setSizeHint(QSize(width, text.height() + 10));
    }
}

// The window grows from its design. The diagrams keep their size; the right column widens, and the set's
// screen with it at 4:3, as far as the height allows; the result takes the height left over, the buttons
// under it keep to the foot. Under the diagrams the readings list grows down, the naming controls keep to
// the foot, and the instrument takes the room between; at the design size, where there is none, it shares
// the readings' width. Controls are placed by where the design puts them, so any control the design gains
// moves with its neighbours.
void frmTrainer::layOut()
{
    QWidget* w = window();
    const int dw = std::max(0, w->width() - toPixels(kDesign.width()));
    const int dh = std::max(0, w->height() - toPixels(kDesign.height()));
    const int taller = std::min(dw * 3 / 4, dh); // how much the set's screen gains in height
    const QRect column(toPixels(kScreen.left()), 0, toPixels(kScreen.width()) + dw, 0);
    const int band = toPixels(kBand);
    for (const Ctl& c : design()) {
        if (!c.container.isEmpty())
            continue;
        QWidget* control = this->control(c.name);
        QRect r(toPixels(c.rect.left()), toPixels(c.rect.top()), toPixels(c.rect.width()),
                toPixels(c.rect.height()));
        if (c.rect.left() >= kScreen.left()) {
            if (c.rect.left() + c.rect.width() >= kScreen.right() && c.rect.width() >= kScreen.width())
                r.setWidth(column.width());
            else if (c.rect.left() + c.rect.width() >= kScreen.right())
                r.moveLeft(r.left() + dw);
            if (c.rect.top() < kResult)
                r.moveTop(r.top() + taller);
            else if (c.rect.top() == kResult)
                r.adjust(0, taller, 0, dh);
            else
                r.moveTop(r.top() + dh);
        } else if (c.rect.top() >= kBand && c.rect.left() >= kNaming) {
            r.moveTop(r.top() + dh);
        } else if (control == lstReadings()) {
            r.setHeight(r.height() + dh);
        }
        control->setGeometry(r);
    }
    const int screenHeight = toPixels(kScreen.height()) + taller;
    m_screen->setGeometry(column.left(), toPixels(kScreen.top()), screenHeight * 4 / 3, screenHeight);
    const int gap = toPixels(120);
    QRect list = lstReadings()->geometry();
    if (dh >= 160) {
        m_instrument->setGeometry(toPixels(kNaming), band, toPixels(kView.right()) - toPixels(kNaming), dh - gap);
    } else {
        list.setWidth(list.width() / 2 - gap / 2);
        m_instrument->setGeometry(list.right() + gap, list.top(), list.width(), list.height());
    }
    lstReadings()->setGeometry(list);
    fitReadings();
}

bool frmTrainer::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && isLoaded() && watched == window())
        layOut();
    return Form::eventFilter(watched, event);
}
