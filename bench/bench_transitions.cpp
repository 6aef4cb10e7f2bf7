// What a screen transition costs: the click that opens a screen until the screen is loaded, laid out and
// painted once, against two bare windows built, shown and painted the same way:
//  - "plain": as many plain labels and buttons, with short texts, in a window of the same size;
//  - "twin": the same screen written by hand in plain Qt: every control the Qt widget it is made from, with
//    the same text, items, font, colours, place and visibility, and each picture rendered from its SVG once.
// The first says what the screen costs against the least a window of that many widgets can cost; the
// second what the program's own machinery (screens, design tables, controls, placement, picture cache)
// adds to the same content. Headless (offscreen); each figure is the median of many rounds, the set-up of
// a round left out.

#include "roads.h"
#include "runtime/controls.h"
#include "runtime/screen.h"
#include "support/program.h"

#include <QElapsedTimer>
#include <QHash>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

using namespace fw;
using fw::test::ProgramScope;
using fw::test::settle;

namespace {
constexpr int kRounds = 25;

double median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

double msSince(const QElapsedTimer& timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// Walks the screenshot road of this name and paints the window it leads to.
QWidget* walk(const QString& name)
{
    static const std::vector<Road> all = roads();
    const auto road = std::find_if(all.begin(), all.end(), [&](const Road& r) { return r.file == name; });
    if (road == all.end())
        qFatal("no road %s", qPrintable(name));
    QWidget* window = road->walk();
    settle();
    window->grab();
    return window;
}

// A control of a window by name; "frmLVPower/Text8" names one inside the window's child frmLVPower (a
// diagram page of the trainer's measuring view).
QWidget* controlAt(QWidget* window, const QString& path)
{
    QWidget* found = window;
    for (const QString& name : path.split(QLatin1Char('/')))
        found = found ? found->findChild<QWidget*>(name) : nullptr;
    return found;
}

// Shows a bare window built by `build`, paints it once; the time in milliseconds.
double showBare(const std::function<std::unique_ptr<QWidget>()>& build)
{
    QElapsedTimer timer;
    timer.start();
    std::unique_ptr<QWidget> window = build();
    window->show();
    settle();
    window->grab();
    const double ms = msSince(timer);
    window.reset();
    settle();
    return ms;
}

// A bare window of `count` plain widgets, half labels and half buttons, of the given size.
std::unique_ptr<QWidget> plainWindow(int count, QSize size)
{
    auto window = std::make_unique<QWidget>();
    window->resize(size);
    for (int i = 0; i < count; ++i) {
        QWidget* w =
            i % 2 ? static_cast<QWidget*>(new QPushButton(QStringLiteral("Button %1").arg(i), window.get()))
                  : new QLabel(QStringLiteral("Label %1").arg(i), window.get());
        w->setGeometry((i * 97) % std::max(1, size.width() - 100), (i * 23) % std::max(1, size.height() - 30),
                       100, 25);
    }
    return window;
}

// The twin renders each picture once and keeps every rendering: the least a plain program can spend on it.
QPixmap renderSvg(const QString& resource, QSize size, qreal ratio)
{
    static QHash<QString, QPixmap> rendered;
    if (const auto it = rendered.constFind(resource); it != rendered.cend())
        return *it;
    QPixmap pixmap(size * ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QSvgRenderer(resource).render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    rendered.insert(resource, pixmap);
    return pixmap;
}

// How to build the plain Qt twin of one control, read from the control outside the timing.
using Maker = std::function<QWidget*(QWidget* parent)>;

Maker twinOf(QWidget* c)
{
    const auto common =
        [font = c->testAttribute(Qt::WA_SetFont) ? std::optional(c->font()) : std::nullopt,
         palette = c->testAttribute(Qt::WA_SetPalette) ? std::optional(c->palette()) : std::nullopt,
         fill = c->autoFillBackground(), geometry = c->geometry(), hidden = c->isHidden()](QWidget* w) {
            if (font)
                w->setFont(*font);
            if (palette)
                w->setPalette(*palette);
            w->setAutoFillBackground(fill);
            w->setGeometry(geometry);
            w->setHidden(hidden);
            return w;
        };
    if (auto* p = qobject_cast<PictureBox*>(c))
        return [common, resource = p->picture(), size = p->pictureSize()](QWidget* parent) {
            auto* w = new QLabel(parent);
            w->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            if (!resource.isEmpty())
                w->setPixmap(renderSvg(resource, size, parent->devicePixelRatioF()));
            return common(w);
        };
    if (auto* l = qobject_cast<QLabel*>(c))
        return [common, text = l->text(), format = l->textFormat(), align = l->alignment(),
                wrap = l->wordWrap(), margin = l->margin(), shape = l->frameShape()](QWidget* parent) {
            auto* w = new QLabel(text, parent);
            w->setTextFormat(format);
            w->setAlignment(align);
            w->setWordWrap(wrap);
            w->setMargin(margin);
            w->setFrameShape(shape);
            return common(w);
        };
    if (auto* b = qobject_cast<QPushButton*>(c))
        return [common, text = b->text()](QWidget* parent) { return common(new QPushButton(text, parent)); };
    if (auto* o = qobject_cast<QRadioButton*>(c))
        return [common, text = o->text(), checked = o->isChecked()](QWidget* parent) {
            auto* w = new QRadioButton(text, parent);
            w->setChecked(checked);
            return common(w);
        };
    if (auto* g = qobject_cast<QGroupBox*>(c))
        return [common, title = g->title()](QWidget* parent) { return common(new QGroupBox(title, parent)); };
    if (auto* e = qobject_cast<QLineEdit*>(c))
        return
            [common, text = e->text(), readOnly = e->isReadOnly(), align = e->alignment()](QWidget* parent) {
                auto* w = new QLineEdit(text, parent);
                w->setReadOnly(readOnly);
                w->setAlignment(align);
                return common(w);
            };
    if (auto* t = qobject_cast<QPlainTextEdit*>(c))
        return [common, text = t->toPlainText(), readOnly = t->isReadOnly()](QWidget* parent) {
            auto* w = new QPlainTextEdit(text, parent);
            w->setReadOnly(readOnly);
            return common(w);
        };
    if (auto* box = qobject_cast<QComboBox*>(c)) {
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        return [common, items, current = box->currentIndex()](QWidget* parent) {
            auto* w = new QComboBox(parent);
            w->addItems(items);
            w->setCurrentIndex(current);
            return common(w);
        };
    }
    if (auto* list = qobject_cast<QListWidget*>(c)) {
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->item(i)->text();
        return [common, items](QWidget* parent) {
            auto* w = new QListWidget(parent);
            w->addItems(items);
            return common(w);
        };
    }
    if (auto* line = qobject_cast<Line*>(c)) // the nearest plain widget: a frame line
        return [common, width = line->BorderWidth(), across = c->width() >= c->height()](QWidget* parent) {
            auto* w = new QFrame(parent);
            w->setFrameShape(across ? QFrame::HLine : QFrame::VLine);
            w->setLineWidth(width);
            return common(w);
        };
    return [common](QWidget* parent) { return common(new QWidget(parent)); }; // a knob: a filled widget
}

// The recipe of a screen's plain Qt twin, read from the opened screen; parents come before children.
std::function<std::unique_ptr<QWidget>()> twinRecipe(fw::Screen& screen)
{
    QWidget* window = screen.window();
    QList<QWidget*> controls = screen.controls();
    const auto depth = [window](QWidget* w) {
        int d = 0;
        for (; w && w != window; w = w->parentWidget())
            ++d;
        return d;
    };
    std::stable_sort(controls.begin(), controls.end(),
                     [&](QWidget* a, QWidget* b) { return depth(a) < depth(b); });
    std::vector<std::pair<int, Maker>> steps; // index of the parent among the steps (-1: the window), maker
    for (QWidget* c : controls)
        steps.emplace_back(static_cast<int>(controls.indexOf(c->parentWidget())), twinOf(c));
    return [steps, size = window->size(), palette = window->palette(), title = window->windowTitle()] {
        auto twin = std::make_unique<QWidget>();
        twin->setWindowTitle(title);
        twin->setPalette(palette);
        twin->resize(size);
        std::vector<QWidget*> made;
        made.reserve(steps.size());
        for (const auto& [parent, make] : steps)
            made.push_back(make(parent < 0 ? twin.get() : made[static_cast<size_t>(parent)]));
        return twin;
    };
}

struct Transition
{
    QString road;       // the screenshot road to the screen the click is made on
    QStringList before; // controls clicked there first (or a drop-down list's item chosen: "cboStage=3")
    QString control;    // the control whose click is timed
};
} // namespace

Q_DECLARE_METATYPE(Transition)

class bench_transitions : public QObject
{
    Q_OBJECT
private slots:
    void transition_data();
    void transition();
};

// Every move of the navigation: the menu's symptoms and utilities, each symptom screen's Continue, each
// reference page from its diagram box and back, the page pairs, and the utilities' way home.
void bench_transitions::transition_data()
{
    QTest::addColumn<Transition>("move");
    const auto add = [](const char* road, const char* control, const QStringList& before = {}) {
        QTest::addRow("%s %s", road, control)
            << Transition{QString::fromLatin1(road), before, QString::fromLatin1(control)};
    };
    for (const char* option : {"Option1", "Option2", "Option3", "Option4", "Option5", "Option6", "Option7",
                               "Option8", "Option9", "Option10"})
        add("frmOne", option);
    add("frmDead-areas", "cmdContinue");
    add("frmSound", "cmdContinue");
    add("frmRaster", "cmdContinue");
    add("frmPicture", "cmdContinue", {"Option6"}); // "Colored snow in picture": the video and color diagram
    add("frmProblems", "cmdContinue");
    add("frmDead", "cmdReturn");
    add("frmLVPower", "Label12");
    add("frmLVPower", "Label13");
    add("frmLVPower", "Label4");
    add("frmLVPower", "Text2");
    add("frmLVPower", "cmdReturn");
    add("frmPSLin", "cmdReturn");
    add("frmSync", "cmdReturn");
    add("frmFront", "Text2");
    add("frmFront", "Text1");
    add("frmFront", "cmdReturn");
    add("frmVHF", "cmdConvert");
    add("frmVHF", "cmdReturn");
    add("frmFreq", "cmdQuit");
    add("frmFreq", "Command1");
    add("frmColor", "Picture1");
    add("frmColor", "cmdReturn");
    add("frmCtube", "Command1");
    add("frmCtube", "cmdReturn");
    add("frmBTube", "cmdReturn");
    add("frmConverg", "cmdDiagram");
    add("frmConverg", "cmdReturn");
    add("frmDiag", "cmdReturn");
    add("frmDegauss", "cmdReturn");
    add("frmHelp", "Command1");
    add("frmCodes", "cmdReturn");
    add("frmFormulas", "Command4");
    add("frmMarkings", "cmdReturn");
    // The trainer: a new set, a measurement on its diagram (the horizontal output stage) and an answer.
    add("frmTrainer", "cmdNew");
    add("frmTrainer", "frmLVPower/Text8", {"cmdNew", "optIsolationIn"});
    add("frmTrainer", "cmdStage", {"cmdNew", "cboStage=3"});
    add("frmTrainer", "cmdReturn");
}

void bench_transitions::transition()
{
    QFETCH(Transition, move);
    std::vector<double> opening, plain, twin;
    int widgets = 0;
    QSize size;
    QString opened;
    for (int round = 0; round < kRounds; ++round) {
        std::function<std::unique_ptr<QWidget>()> recipe;
        {
            ProgramScope program;
            QWidget* window = walk(move.road);
            for (const QString& name : move.before) { // "cboStage=3" chooses item 3 of a drop-down list
                const QStringList choice = name.split(QLatin1Char('='));
                QWidget* first = controlAt(window, choice.front());
                if (choice.size() == 2)
                    fw::test::choose(first, choice.back().toInt());
                else
                    fw::test::click(first);
            }
            settle();
            window->grab();
            QWidget* control = controlAt(window, move.control);
            QVERIFY2(control && control->isVisible(), qPrintable(move.control + QLatin1String(" not shown")));
            QElapsedTimer timer;
            timer.start();
            fw::test::click(control);
            settle();
            fw::Screen* screen = Registry::instance().activeScreen();
            QVERIFY(screen);
            screen->window()->grab();
            opening.push_back(msSince(timer));
            widgets = static_cast<int>(screen->controls().size());
            size = screen->window()->size();
            opened = screen->name();
            recipe = twinRecipe(*screen);
        }
        settle();
        plain.push_back(showBare([&] { return plainWindow(widgets, size); }));
        twin.push_back(showBare(recipe));
    }
    const double transition = median(opening);
    qInfo(
        "%-24s %-11s -> %-11s %3d widgets %7.2f ms | plain %6.2f ms ratio %5.2f | twin %6.2f ms ratio %5.2f",
        qPrintable(move.road), qPrintable(move.control), qPrintable(opened), widgets, transition,
        median(plain), transition / median(plain), median(twin), transition / median(twin));
    QTest::setBenchmarkResult(transition, QTest::WalltimeMilliseconds);
}

FW_TEST_MAIN(bench_transitions)
#include "bench_transitions.moc"
