// A seeded random user: starting from the main menu it acts on whatever the active screen shows (clicks
// buttons, options, boxes and pictures, picks list items, types junk and presses Enter) and after every
// action checks that the program is still whole. Each seed replays exactly; a failure names its seed and
// action. FW_MONKEY_ACTIONS sets the actions per seed (20000 by default).

#include "app/module1.h"
#include "app/screens.h"
#include "support/program.h"

#include <QComboBox>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>

using namespace fw;

namespace {

const QSet<QString> kKnownTitles{"Enter selection", "Error", "Channel out of range", "Select component"};

// Screens that may stay loaded while hidden: the ones whose flags or choices a later screen reads or
// shows again, the main menu under the symptom screens, and the trainer under its progress view.
const QSet<QString> kMayWaitHidden{"frmOne",     "frmDead",     "frmSound", "frmRaster",
                                   "frmPicture", "frmProblems", "frmColor", "frmTrainer"};

class Monkey
{
public:
    explicit Monkey(quint32 seed) : m_random(seed) {}

    // One action on the active screen; returns what it did, for the failure message.
    QString act()
    {
        Screen* screen = Registry::instance().activeScreen();
        if (!screen)
            return QStringLiteral("nothing to act on");
        QList<QWidget*> candidates;
        for (QWidget* w : screen->controls())
            if (w->isVisible() && w->isEnabled() && actsOn(w))
                candidates << w;
        if (candidates.isEmpty())
            return QStringLiteral("no control on ") + screen->name();
        std::sort(candidates.begin(), candidates.end(),
                  [](QWidget* a, QWidget* b) { return a->objectName() < b->objectName(); });
        QWidget* target = candidates.at(pick(candidates.size()));
        const QString what = screen->name() + QLatin1Char('.') + target->objectName();
        if (auto* combo = qobject_cast<QComboBox*>(target)) {
            combo->setFocus();
            QTest::keyClick(combo, pick(2) ? Qt::Key_Down : Qt::Key_Up);
            return what + QStringLiteral(" item");
        }
        if (isTypable(target) && pick(3) != 0) {
            const QString text = junk();
            target->setFocus();
            if (pick(2))
                QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier); // type over what is there
            typeText(target, text);
            QTest::keyClick(target, Qt::Key_Return);
            return what + QStringLiteral(" typed \"") + text.left(40) + QLatin1Char('"');
        }
        QPoint at = target->rect().center();
        if (qobject_cast<QRadioButton*>(target))
            at = QPoint(8, target->height() / 2);
        if (auto* list = qobject_cast<QListWidget*>(target)) {
            if (list->count() > 0) {
                const QRect item = list->visualItemRect(list->item(pick(list->count())));
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
            }
            return what + QStringLiteral(" item");
        }
        if (auto* area = qobject_cast<QAbstractScrollArea*>(target)) {
            at = area->viewport()->mapFromParent(at);
            target = area->viewport();
        }
        QTest::mouseClick(target, Qt::LeftButton, {}, at);
        return what;
    }

private:
    int pick(qsizetype n) { return static_cast<int>(m_random.bounded(static_cast<quint32>(n))); }

    // QTest::keyClicks knows keys for plain ASCII only (it asserts on the others), so any other character
    // is typed as the text of an unnamed key, as an input method delivers it.
    static void typeText(QWidget* target, const QString& text)
    {
        for (const QChar c : text) {
            if (c == u'\t' || (c.unicode() >= 0x20 && c.unicode() < 0x7f))
                QTest::keyClick(target, static_cast<char>(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

    static bool isTypable(QWidget* w)
    {
        if (auto* line = qobject_cast<QLineEdit*>(w))
            return !line->isReadOnly();
        if (auto* area = qobject_cast<QPlainTextEdit*>(w))
            return !area->isReadOnly();
        return false;
    }

    // Quit ends the program and the close box is not a control: both are tested on their own. So is the main
    // menu's language list: the messages and captions checked here are the English ones.
    static bool actsOn(QWidget* w)
    {
        if (qobject_cast<QPushButton*>(w) && w->objectName() == QLatin1String("cmdQuit"))
            return false;
        if (w->objectName() == QLatin1String("cboLanguage"))
            return false;
        return qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
               qobject_cast<QListWidget*>(w) || qobject_cast<QLineEdit*>(w) ||
               qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QLabel*>(w) || qobject_cast<PictureBox*>(w);
    }

    QString junk()
    {
        static const QStringList samples{
            "0",       "1",     "2",     "13",    "83",  "84",  "-5",   "2.5", "3,5", "1e308", "-1e308",
            "1e-308",  "32767", "32768", "99999", "abc", "",    " ",    "+",   "-",   ".",     ",",
            "1,000.5", "Ω",     "züñ",   "漢字",  "nan", "inf", "0x10", "1/0", "4.7"};
        switch (pick(4)) {
        case 0:
            return samples.at(pick(samples.size()));
        case 1:
            return QString::number(m_random.generateDouble() * 2000 - 1000, 'g', pick(15) + 1);
        case 2: {
            static const QString alphabet = QStringLiteral("0123456789.,-+eE abcxyzΩµ\t");
            QString text;
            const int length = pick(12) + 1;
            for (int i = 0; i < length; ++i)
                text += alphabet.at(pick(alphabet.size()));
            return text;
        }
        default:
            return QString(pick(300) + 20, QChar(u'0' + pick(10)));
        }
    }

    QRandomGenerator m_random;
};

} // namespace

class tst_monkey : public QObject
{
    Q_OBJECT
private slots:
    void neverBreaks_data();
    void neverBreaks();
};

void tst_monkey::neverBreaks_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {1u, 2u, 3u, 5u, 8u})
        QTest::addRow("seed %u", seed) << seed;
}

void tst_monkey::neverBreaks()
{
    QFETCH(quint32, seed);
    const int actions = qEnvironmentVariableIsSet("FW_MONKEY_ACTIONS")
                            ? qEnvironmentVariableIntValue("FW_MONKEY_ACTIONS")
                            : 20000;
    QSet<QString> listed; // the program's screens, which are all the monkey may meet
    {
        fw::test::ProgramScope names;
        for (Screen* screen : nameEveryScreen())
            listed << screen->name();
    }
    fw::test::ProgramScope program;
    Module1::Main();
    Monkey monkey(seed);
    size_t messagesSeen = 0;
    for (int i = 0; i < actions; ++i) {
        const QString did = monkey.act();
        fw::test::settle();
        const QString where = QStringLiteral("seed %1, action %2: %3").arg(seed).arg(i).arg(did);
        QVERIFY2(program.services.ends == 0, qPrintable(where + QStringLiteral(" ended the program")));
        QVERIFY2(!fw::test::shownScreens().isEmpty(), qPrintable(where + QStringLiteral(" left no screen")));
        for (; messagesSeen < program.services.messages.size(); ++messagesSeen) {
            const auto& message = program.services.messages[messagesSeen];
            QVERIFY2(kKnownTitles.contains(message.title),
                     qPrintable(where + QStringLiteral(" showed a message titled ") + message.title));
            QVERIFY2(!message.text.isEmpty(), qPrintable(where + QStringLiteral(" showed an empty message")));
        }
        for (Screen* screen : Registry::instance().screens())
            QVERIFY2(listed.contains(screen->name()),
                     qPrintable(where + QStringLiteral(" named the unlisted ") + screen->name()));
        for (Screen* screen : Registry::instance().loadedScreens())
            QVERIFY2(
                screen->isShown() || kMayWaitHidden.contains(screen->name()),
                qPrintable(where + QStringLiteral(" left ") + screen->name() + QStringLiteral(" hidden")));
    }
}

FW_TEST_MAIN(tst_monkey)
#include "tst_monkey.moc"
