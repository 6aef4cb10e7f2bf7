// What a screen transition costs: the click that opens a screen until the screen is loaded, laid out and
// painted once, against a bare window of as many plain Qt widgets built, shown and painted the same way.
// Headless (offscreen); each figure is the median of many rounds, the set-up of a round left out.

#include "app/frmOne.h"
#include "app/module1.h"
#include "calculators/frmCodes.h"
#include "calculators/frmFormulas.h"
#include "diagnosis/frmDead.h"
#include "diagnosis/frmPicture.h"
#include "diagnosis/frmProblems.h"
#include "diagnosis/frmRaster.h"
#include "diagnosis/frmSound.h"
#include "diagrams/frmHelp.h"
#include "diagrams/frmLVPower.h"
#include "support/program.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

using namespace fw;
using fw::test::click;
using fw::test::ProgramScope;
using fw::test::settle;

namespace {
constexpr int kRounds = 25;

struct Transition
{
    std::function<void()> before; // brings the program to the screen the click is made on
    std::function<void()> click;
    std::function<fw::Screen&()> opened;
};

double median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

void toMenu()
{
    Module1::Main();
    settle();
    frmOne::get().window()->grab();
}

// A bare window of `count` plain widgets, half labels and half buttons, of the given size: built, shown
// and painted once; the time in milliseconds.
double bareWindow(int count, QSize size)
{
    QElapsedTimer timer;
    timer.start();
    auto window = std::make_unique<QWidget>();
    window->resize(size);
    for (int i = 0; i < count; ++i) {
        QWidget* w =
            i % 2 ? static_cast<QWidget*>(new QPushButton(QStringLiteral("Button %1").arg(i), window.get()))
                  : new QLabel(QStringLiteral("Label %1").arg(i), window.get());
        w->setGeometry((i * 97) % std::max(1, size.width() - 100), (i * 23) % std::max(1, size.height() - 30),
                       100, 25);
    }
    window->show();
    settle();
    window->grab();
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    window.reset();
    settle();
    return ms;
}
} // namespace

Q_DECLARE_METATYPE(std::shared_ptr<Transition>)

class bench_transitions : public QObject
{
    Q_OBJECT
private slots:
    void transition_data();
    void transition();
};

void bench_transitions::transition_data()
{
    QTest::addColumn<std::shared_ptr<Transition>>("road");
    auto fromMenu = [](auto option, auto screen) {
        return std::make_shared<Transition>(Transition{toMenu, [option] { click((frmOne::get().*option)()); },
                                                       [screen]() -> fw::Screen& { return screen(); }});
    };
    QTest::newRow("menu to TV Dead") << fromMenu(&frmOne::Option1, [] { return std::ref(frmDead::get()); });
    QTest::newRow("menu to sound") << fromMenu(&frmOne::Option2, [] { return std::ref(frmSound::get()); });
    QTest::newRow("menu to raster") << fromMenu(&frmOne::Option3, [] { return std::ref(frmRaster::get()); });
    QTest::newRow("menu to picture") << fromMenu(&frmOne::Option4,
                                                 [] { return std::ref(frmPicture::get()); });
    QTest::newRow("menu to color") << fromMenu(&frmOne::Option5, [] { return std::ref(frmProblems::get()); });
    QTest::newRow("menu to description")
        << fromMenu(&frmOne::Option6, [] { return std::ref(frmHelp::get()); });
    QTest::newRow("menu to color codes")
        << fromMenu(&frmOne::Option7, [] { return std::ref(frmCodes::get()); });
    QTest::newRow("menu to formulas")
        << fromMenu(&frmOne::Option8, [] { return std::ref(frmFormulas::get()); });
    QTest::newRow("TV Dead to low voltage diagram") << std::make_shared<Transition>(Transition{
        [] {
            toMenu();
            click(frmOne::get().Option1());
            click(frmDead::get().Command1());
            settle();
            frmDead::get().window()->grab();
        },
        [] { click(frmDead::get().cmdContinue()); }, []() -> fw::Screen& { return frmLVPower::get(); }});
}

void bench_transitions::transition()
{
    QFETCH(std::shared_ptr<Transition>, road);
    std::vector<double> opening;
    std::vector<double> bare;
    int widgets = 0;
    QSize size;
    for (int round = 0; round < kRounds; ++round) {
        {
            ProgramScope program;
            road->before();
            QElapsedTimer timer;
            timer.start();
            road->click();
            settle();
            fw::Screen& screen = road->opened();
            screen.window()->grab();
            opening.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
            widgets = static_cast<int>(screen.controls().size());
            size = screen.window()->size();
        }
        settle();
        bare.push_back(bareWindow(widgets, size));
    }
    const double transition = median(opening);
    const double baseline = median(bare);
    qInfo("%-32s %3d widgets  %7.2f ms   bare window %6.2f ms   ratio %5.2f", QTest::currentDataTag(),
          widgets, transition, baseline, transition / baseline);
    QTest::setBenchmarkResult(transition, QTest::WalltimeMilliseconds);
}

FW_TEST_MAIN(bench_transitions)
#include "bench_transitions.moc"
