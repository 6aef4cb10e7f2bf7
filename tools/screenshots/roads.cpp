#include "roads.h"

#include "app/frmOne.h"
#include "app/module1.h"
#include "calculators/frmCodes.h"
#include "calculators/frmFormulas.h"
#include "calculators/frmFreq.h"
#include "calculators/frmMarkings.h"
#include "diagnosis/frmDead.h"
#include "diagnosis/frmPicture.h"
#include "diagnosis/frmProblems.h"
#include "diagnosis/frmRaster.h"
#include "diagnosis/frmSound.h"
#include "diagrams/frmBTube.h"
#include "diagrams/frmColor.h"
#include "diagrams/frmConverg.h"
#include "diagrams/frmCtube.h"
#include "diagrams/frmDegauss.h"
#include "diagrams/frmDiag.h"
#include "diagrams/frmFront.h"
#include "diagrams/frmHelp.h"
#include "diagrams/frmLVPower.h"
#include "diagrams/frmNotes.h"
#include "diagrams/frmPSLin.h"
#include "diagrams/frmPSSw.h"
#include "diagrams/frmScan.h"
#include "diagrams/frmSync.h"
#include "diagrams/frmUHF.h"
#include "diagrams/frmVHF.h"
#include "classwork/classpanel.h"
#include "classwork/client.h"
#include "classwork/frmClass.h"
#include "classwork/frmClassView.h"
#include "classwork/frmSignIn.h"
#include "trainer/screens/frmProgress.h"
#include "trainer/screens/frmTrainer.h"
#include "trainer/screens/instrumentview.h"
#include "trainer/screens/measuringview.h"
#include "trainer/history/store.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QTemporaryDir>
#include <QTest>
#include <QWhatsThis>

#include <algorithm>

namespace {
void press(QWidget* control)
{
    QPoint at = control->rect().center();
    if (qobject_cast<QRadioButton*>(control))
        at = QPoint(8, control->height() / 2);
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, at);
}

// Opens a drop-down list and clicks one of its items.
void pick(QComboBox* combo, int item)
{
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                      view->visualRect(view->model()->index(item, 0)).center());
}

// Measures a stage on the trainer's diagrams from the keyboard: the stage focused, then Enter.
void measure(frmTrainer& t, const QString& stage)
{
    t.view()->focusStage(stage);
    QTest::keyClick(t.view()->control(stage), Qt::Key_Return);
}

// The trainer at 1280 x 1024 with a set showing a single bright line, the isolation transformer switched
// in, its stages measured in the diagrams' order until a reading carries what `wanted` asks of its
// instrument; that reading stays chosen (the last one where none does).
QWidget* trainerBench(const std::function<bool(const trainer::Instrument&)>& wanted)
{
    Module1::Main();
    press(frmOne::get().Option10());
    frmTrainer& t = frmTrainer::get();
    t.setWidth(1280 * 15);
    t.setHeight(1024 * 15);
    const auto all = trainer::faults();
    const auto shown = std::find_if(all.begin(), all.end(), [](const trainer::Fault& f) {
        return trainer::Set(&f).appearance().vertical == trainer::Vertical::Line;
    });
    press(t.cmdInstructor());
    pick(t.cboFault(), shown == all.end() ? 1 : static_cast<int>(shown - all.begin()) + 1);
    press(t.cmdNew());
    press(t.optIsolationIn());
    for (const QString& stage : t.view()->stages()) {
        measure(t, stage);
        if (wanted(t.instrument()->now()))
            break;
    }
    return t.window();
}

// TV Dead, the isolated areas, Continue: the diagram with the seven TV Dead areas in red.
void toTvDeadDiagram()
{
    Module1::Main();
    press(frmOne::get().Option1());
    press(frmDead::get().Command1());
    press(frmDead::get().cmdContinue());
}

// The front end diagram after a sound problem with the given symptom option.
QWidget* frontFromSound(bool pictureOK)
{
    Module1::Main();
    press(frmOne::get().Option2());
    press(pictureOK ? frmSound::get().opt1() : frmSound::get().Opt2());
    press(frmSound::get().cmdContinue());
    return frmFront::get().window();
}

// Shows the What's This note of a control of a window, as Shift+F1 does, and returns the window.
QWidget* withNoteOf(QWidget* window, QWidget* control)
{
    QWhatsThis::showText(control->mapToGlobal(control->rect().center()), control->whatsThis(), control);
    QApplication::processEvents();
    return window;
}

void enter(QWidget* box, const QString& text)
{
    box->setFocus();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

// A history of a few exercises in a folder of its own, made once and closed when the application ends; the
// run's history from then on.
void sampleHistory()
{
    static QTemporaryDir folder;
    static trainer::Store* store = nullptr;
    if (store)
        return;
    store = new trainer::Store(folder.filePath(QStringLiteral("trainer.sqlite")));
    qAddPostRoutine([] {
        delete store;
        store = nullptr;
    });
    static trainer::HistoryScope scope(*store);
    struct Sample
    {
        const char* stage;
        const char* named;
        const char* part;
        int measurements, optimum, slips, seconds;
    };
    const Sample samples[] = {
        {"horizontal-output", "horizontal-output", "shorted output transistor", 5, 3, 1, 412},
        {"vertical-yoke", "vertical-amplifier", "", 6, 3, 0, 530},
        {"sync-separator", "sync-separator", "leaky coupling capacitor", 4, 3, 0, 298},
        {"damper", "horizontal-output", "", 7, 4, 2, 655},
        {"vertical-yoke", "vertical-yoke", "open winding", 3, 3, 0, 201},
    };
    QDateTime when(QDate(2026, 11, 30), QTime(14, 5), Qt::UTC);
    for (const Sample& x : samples) {
        trainer::ExerciseRecord e;
        e.finished = when = when.addSecs(3 * 3600 + 17 * 60);
        e.faultId = QStringLiteral("%1: %2").arg(QLatin1String(x.stage), QLatin1String(x.part));
        e.faultStage = QLatin1String(x.stage);
        e.stageNamed = QLatin1String(x.named);
        e.partNamed = QLatin1String(x.part);
        e.right = e.stageNamed == e.faultStage && !e.partNamed.isEmpty();
        e.measurements = x.measurements;
        e.optimum = x.optimum;
        e.safetySlips = x.slips;
        e.seconds = x.seconds;
        store->record(e);
    }
}
} // namespace

// A class of four as a class server would give it back, answered at once; kept for the run.
std::shared_ptr<classwork::Client> sampleClass()
{
    using namespace classroom;
    class Sample final : public classwork::Client
    {
    public:
        const Connection& connection() const override { return m_connection; }
        void classes(QObject*, classwork::Done<std::vector<ClassInfo>> d) override { d({}); }
        void createClass(QObject*, const QString&, const QStringList&,
                         classwork::Done<std::vector<StudentLogin>> d) override { d({}); }
        void addStudents(QObject*, const QString&, const QStringList&,
                         classwork::Done<std::vector<StudentLogin>> d) override { d({}); }
        void resetPassword(QObject*, const QString&, const QString&, classwork::Done<StudentLogin> d) override { d({}); }
        void markVoid(QObject*, const QUuid&, const QString&, classwork::Done<Nothing> d) override { d({}); }
        void assign(QObject*, const NewAssignment&, classwork::Done<QString> d) override { d({}); }
        void openAssignments(QObject*, const QString&, classwork::Done<std::vector<Assignment>> d) override { d({}); }
        void classData(QObject*, const QString&, classwork::Done<classwork::ClassData> d) override
        {
            const QDateTime last(QDate(2026, 11, 30), QTime(15, 20), Qt::UTC);
            classwork::ClassData c;
            c.view.students = {{"fw-ann", 12, 9, 58, 40, 1, last, "Ann Moss"},
                               {"fw-bob", 3, 1, 22, 10, 2, last.addDays(-2), "Bob Ilves"},
                               {"fw-cy", 9, 6, 47, 31, 0, last.addSecs(-5400), "Cy Dunne"},
                               {"fw-dee", 0, 0, 0, 0, 0, {}, "Dee Okafor"}};
            Assignment week, power;
            week.title = "Week 1: deflection";
            power.title = "Power supplies";
            power.due = last.addDays(5);
            c.view.assignments = {{power, {"Cy Dunne"}, {"Ann Moss", "Bob Ilves"}},
                                  {week, {"Ann Moss", "Cy Dunne"}, {"Bob Ilves", "Dee Okafor"}}};
            c.view.missed = {{"horizontal-output", 3}, {"vertical-yoke", 2}, {"damper", 2}, {"sync-separator", 1}};
            d({c, {}});
        }
        void successOverTime(QObject*, const QString&, const QString&,
                             classwork::Done<std::vector<SuccessPoint>> d) override
        {
            d({{{QDate(2026, 11, 23), 3, 1}, {QDate(2026, 11, 25), 3, 2}, {QDate(2026, 11, 27), 2, 2},
                {QDate(2026, 11, 30), 4, 4}},
               {}});
        }
        void exercises(QObject*, const QString&,
                       classwork::Done<std::pair<std::vector<trainer::ExerciseRecord>, std::vector<QUuid>>> d) override
        {
            d({});
        }

    private:
        Connection m_connection;
    };
    static const std::shared_ptr<classwork::Client> client = std::make_shared<Sample>();
    return client;
}

std::vector<Road> roads()
{
    return {
        {"frmOne",
         [] {
             Module1::Main();
             return frmOne::get().window();
         }},
        {"frmDead",
         [] {
             Module1::Main();
             press(frmOne::get().Option1());
             return frmDead::get().window();
         }},
        {"frmDead-areas",
         [] {
             Module1::Main();
             press(frmOne::get().Option1());
             press(frmDead::get().Command1());
             return frmDead::get().window();
         }},
        {"frmSound",
         [] {
             Module1::Main();
             press(frmOne::get().Option2());
             press(frmSound::get().Opt2());
             return frmSound::get().window();
         }},
        {"frmRaster",
         [] {
             Module1::Main();
             press(frmOne::get().Option3());
             press(frmRaster::get().Option1());
             return frmRaster::get().window();
         }},
        {"frmPicture",
         [] {
             Module1::Main();
             press(frmOne::get().Option4());
             press(frmPicture::get().Option(4));
             return frmPicture::get().window();
         }},
        {"frmProblems",
         [] {
             Module1::Main();
             press(frmOne::get().Option5());
             press(frmProblems::get().Option(6));
             press(frmProblems::get().Option(11));
             return frmProblems::get().window();
         }},
        {"frmHelp",
         [] {
             Module1::Main();
             press(frmOne::get().Option6());
             return frmHelp::get().window();
         }},
        {"frmCodes",
         [] {
             Module1::Main();
             press(frmOne::get().Option7());
             return frmCodes::get().window();
         }},
        {"frmCodes-resistor",
         [] {
             Module1::Main();
             press(frmOne::get().Option7());
             frmCodes& codes = frmCodes::get();
             for (colorcode::Color band : {colorcode::Color::Yellow, colorcode::Color::Violet,
                                           colorcode::Color::Orange, colorcode::Color::Silver})
                 press(codes.swatch(band));
             press(codes.cmdDone());
             return codes.window();
         }},
        {"frmCodes-capacitor",
         [] {
             Module1::Main();
             press(frmOne::get().Option7());
             frmCodes& codes = frmCodes::get();
             press(codes.Option2());
             for (colorcode::Color band :
                  {colorcode::Color::Brown, colorcode::Color::Black, colorcode::Color::Red,
                   colorcode::Color::Gold, colorcode::Color::Red})
                 press(codes.swatch(band));
             press(codes.cmdDone());
             return codes.window();
         }},
        {"frmMarkings",
         [] {
             Module1::Main();
             press(frmOne::get().Option9());
             frmMarkings& m = frmMarkings::get();
             press(m.Option4());
             for (markings::Color band :
                  {markings::Color::Yellow, markings::Color::Violet, markings::Color::Black,
                   markings::Color::Brown, markings::Color::Brown, markings::Color::Brown})
                 press(m.swatch(band));
             QTest::keyClicks(m.txtSmd(), "01C");
             QTest::keyClicks(m.txtCap(), "4n7J 1kV");
             return m.window();
         }},
        {"frmTrainer",
         [] {
             Module1::Main();
             press(frmOne::get().Option10());
             return frmTrainer::get().window();
         }},
        // A set with a single bright line on its screen, the isolation transformer switched in, readings
        // taken on the power and deflection diagram; at the size the trainer opens at on a 1024 x 768 display.
        {"frmTrainer-exercise",
         [] {
             Module1::Main();
             press(frmOne::get().Option10());
             frmTrainer& t = frmTrainer::get();
             t.setWidth(992 * 15);
             t.setHeight(696 * 15);
             const auto all = trainer::faults();
             const auto shown = std::find_if(all.begin(), all.end(), [](const trainer::Fault& f) {
                 return trainer::Set(&f).appearance().vertical == trainer::Vertical::Line;
             });
             press(t.cmdInstructor());
             pick(t.cboFault(), shown == all.end() ? 1 : static_cast<int>(shown - all.begin()) + 1);
             press(t.cmdNew());
             press(t.optIsolationIn());
             for (const QString& stage : trainer::stages().mid(0, 2))
                 measure(t, stage);
             t.view()->setCurrentIndex(0);
             return t.window();
         }},
        // The same bench at 1280 x 1024: a reading on the scope, and one on the meter.
        {"frmTrainer-scope", [] { return trainerBench([](const trainer::Instrument& i) { return i.scope.has_value(); }); }},
        {"frmTrainer-meter",
         [] {
             return trainerBench(
                 [](const trainer::Instrument& i) { return i.meter.has_value() && !i.scope.has_value(); });
         }},
        // The same set found: its stage measured and named, the failed part checked and named, the result; the
        // window as large as a maximised one on a 1600 x 1200 display.
        {"frmTrainer-result",
         [] {
             Module1::Main();
             press(frmOne::get().Option10());
             frmTrainer& t = frmTrainer::get();
             t.setWidth(1600 * 15);
             t.setHeight(1130 * 15);
             const auto all = trainer::faults();
             const auto shown = std::find_if(all.begin(), all.end(), [](const trainer::Fault& f) {
                 return trainer::Set(&f).appearance().vertical == trainer::Vertical::Line;
             });
             const trainer::Fault& fault = shown == all.end() ? all.front() : *shown;
             press(t.cmdInstructor());
             pick(t.cboFault(), static_cast<int>(&fault - all.data()) + 1);
             press(t.cmdNew());
             press(t.optIsolationIn());
             const QString stage = QString::fromLatin1(fault.stage);
             measure(t, stage);
             pick(t.cboStage(), static_cast<int>(trainer::stages().indexOf(stage)));
             press(t.cmdStage());
             pick(t.cboPart(),
                  static_cast<int>(t.exercise()->suspectParts().indexOf(QString::fromUtf8(fault.part))));
             press(t.cmdDischarge());
             press(t.cmdCheck());
             press(t.cmdPart());
             return t.window();
         }},
        {"frmFreq",
         [] {
             frmFreq::get().Show();
             QTest::keyClicks(frmFreq::get().Text8(), "14");
             QTest::keyClick(frmFreq::get().Text8(), Qt::Key_Return);
             return frmFreq::get().window();
         }},
        // Australia's channel 36, then what 583.25 MHz is in every plan.
        {"frmFreq-australia",
         [] {
             frmFreq& f = frmFreq::get();
             f.Show();
             pick(f.cboSystem(), 11);
             QTest::keyClicks(f.Text8(), "36");
             QTest::keyClick(f.Text8(), Qt::Key_Return);
             QTest::keyClicks(f.txtFrequency(), "583.25");
             QTest::keyClick(f.txtFrequency(), Qt::Key_Return);
             return f.window();
         }},
        // The US plan as it opens: channel 2, then what its vision carrier is in every plan.
        {"frmFreq-frequency",
         [] {
             frmFreq& f = frmFreq::get();
             f.Show();
             QTest::keyClicks(f.Text8(), "2");
             QTest::keyClick(f.Text8(), Qt::Key_Return);
             QTest::keyClicks(f.txtFrequency(), "55.25");
             QTest::keyClick(f.txtFrequency(), Qt::Key_Return);
             return f.window();
         }},
        // A colour flow ("ACC circuit") left behind under the menu, then a picture flow ("Colored snow in
        // picture"): a box and a knob from each code, and the picture code in Text16.
        {"frmColor",
         [] {
             Module1::Main();
             press(frmOne::get().Option5());
             press(frmProblems::get().Option(1));
             pick(frmProblems::get().Combo1(), 3);
             press(frmProblems::get().cmdContinue());
             press(frmColor::get().cmdReturn());
             press(frmProblems::get().cmdReturn());
             press(frmOne::get().Option4());
             press(frmPicture::get().Option(6));
             press(frmPicture::get().cmdContinue());
             return frmColor::get().window();
         }},
        // "No picture or weak picture", its third problem area: the comb filter box in red.
        {"frmColor-comb",
         [] {
             Module1::Main();
             press(frmOne::get().Option4());
             press(frmPicture::get().Option(1));
             pick(frmPicture::get().Combo1(), 2);
             press(frmPicture::get().cmdContinue());
             return frmColor::get().window();
         }},
        {"frmLVPower",
         [] {
             toTvDeadDiagram();
             return frmLVPower::get().window();
         }},
        {"frmLVPower-note",
         [] {
             toTvDeadDiagram();
             frmLVPower& diagram = frmLVPower::get();
             return withNoteOf(diagram.window(), diagram.control(QStringLiteral("Text9")));
         }},
        {"frmNotes",
         [] {
             toTvDeadDiagram();
             if (!QTest::qWaitForWindowActive(frmLVPower::get().window()))
                 return static_cast<QWidget*>(nullptr);
             QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
             return frmNotes::get().window();
         }},
        // "No raster at all": eight boxes and the tube picture in red.
        {"frmLVPower-raster",
         [] {
             Module1::Main();
             press(frmOne::get().Option3());
             press(frmRaster::get().Option1());
             press(frmRaster::get().cmdContinue());
             return frmLVPower::get().window();
         }},
        {"frmLVPower-design",
         [] {
             frmLVPower::get().Show();
             return frmLVPower::get().window();
         }},
        {"frmPSLin",
         [] {
             toTvDeadDiagram();
             press(frmLVPower::get().Label12());
             return frmPSLin::get().window();
         }},
        {"frmPSSw",
         [] {
             toTvDeadDiagram();
             press(frmLVPower::get().Label13());
             return frmPSSw::get().window();
         }},
        {"frmScan",
         [] {
             toTvDeadDiagram();
             press(frmLVPower::get().Label4());
             return frmScan::get().window();
         }},
        {"frmSync",
         [] {
             toTvDeadDiagram();
             press(frmLVPower::get().Text2()->viewport());
             return frmSync::get().window();
         }},
        {"frmFront", [] { return frontFromSound(false); }},
        {"frmFront-sound", [] { return frontFromSound(true); }},
        {"frmFront-agc",
         [] {
             Module1::Main();
             press(frmOne::get().Option4());
             press(frmPicture::get().Option(4));
             frmPicture::get().Combo3()->setCurrentIndex(1); // "Adjust AGC control"
             press(frmPicture::get().cmdContinue());
             return frmFront::get().window();
         }},
        {"frmVHF",
         [] {
             frontFromSound(false);
             press(frmFront::get().Text2()->viewport());
             return frmVHF::get().window();
         }},
        {"frmUHF",
         [] {
             frontFromSound(false);
             press(frmFront::get().Text1()->viewport());
             return frmUHF::get().window();
         }},
        {"frmConverg",
         [] {
             Module1::Main();
             press(frmOne::get().Option5());
             press(frmProblems::get().Option(4));
             press(frmProblems::get().cmdContinue());
             return frmConverg::get().window();
         }},
        {"frmDiag",
         [] {
             Module1::Main();
             press(frmOne::get().Option5());
             press(frmProblems::get().Option(4));
             press(frmProblems::get().cmdContinue());
             press(frmConverg::get().cmdDiagram());
             return frmDiag::get().window();
         }},
        {"frmDegauss",
         [] {
             Module1::Main();
             press(frmOne::get().Option5());
             press(frmProblems::get().Option(2));
             press(frmProblems::get().cmdContinue());
             return frmDegauss::get().window();
         }},
        // The colour tube page opens from the video and color diagram's picture tube.
        {"frmCtube",
         [] {
             frmCtube::get().Show();
             return frmCtube::get().window();
         }},
        {"frmBTube",
         [] {
             frmCtube::get().Show();
             press(frmCtube::get().Command1());
             return frmBTube::get().window();
         }},
        {"frmFormulas",
         [] {
             Module1::Main();
             press(frmOne::get().Option8());
             return frmFormulas::get().window();
         }},
        {"frmFormulas-worked",
         [] {
             Module1::Main();
             press(frmOne::get().Option8());
             frmFormulas& f = frmFormulas::get();
             enter(f.Text1(), "10");
             enter(f.Text2(), "3");
             enter(f.Text4(), "12");
             enter(f.Text5(), "2");
             enter(f.Text7(), "1000");
             enter(f.Text8(), "1000");
             enter(f.Text11(), "1000");
             enter(f.Text12(), "1");
             press(f.Option3());
             enter(f.Text14(), "3");
             enter(f.Text15(), "1000");
             enter(f.Text15(), "2200");
             enter(f.Text15(), "4700");
             return f.window();
         }},
        // The trainer's progress after a few exercises.
        {"frmProgress",
         [] {
             sampleHistory();
             frmProgress::get().Show();
             return frmProgress::get().window();
         }},
        // The trainer's Class button: the sign-in.
        {"frmSignIn",
         [] {
             Module1::Main();
             press(frmOne::get().Option10());
             press(frmTrainer::get().classPanel()->cmdSignIn());
             return frmSignIn::get().window();
         }},
        // Instructor on the sign-in: Class Set-Up.
        {"frmClass",
         [] {
             Module1::Main();
             press(frmOne::get().Option10());
             press(frmTrainer::get().classPanel()->cmdSignIn());
             press(frmSignIn::get().cmdInstructor());
             return frmClass::get().window();
         }},
        // The view of a class of four, its first student's success plotted.
        {"frmClassView",
         [] {
             Module1::Main();
             frmClassView::get().open(&frmOne::get(), sampleClass(), QStringLiteral("4B"));
             return frmClassView::get().window();
         }},
    };
}
