// The program's one list of screens is complete: every screen class compiled into the program is on it, and
// whatever a user does on any screen names no screen that it lacks.

#include "app/screens.h"
#include "support/program.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace fw;
using fw::test::ProgramScope;
using fw::test::settle;

namespace {
QSet<QString> listedNames()
{
    ProgramScope names;
    QSet<QString> listed;
    for (Screen* screen : nameEveryScreen())
        listed << screen->name();
    return listed;
}

// The screen classes in the headers the program is built from: each passes itself to its base, to Form or
// to a template over Form (`class frmPSLin : public LVPowerPage<frmPSLin>`), which gives it its accessor.
QSet<QString> screenClassesInTheProgram()
{
    QFile list(QStringLiteral(FW_PROGRAM_SOURCES));
    if (!list.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    static const QRegularExpression screenClass(
        QStringLiteral(R"(class\s+(\w+)\s*(?:final\s*)?:\s*public\s+[\w:]+<\s*\1\s*>)"));
    QSet<QString> classes;
    for (const QString& path :
         QString::fromUtf8(list.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (!path.endsWith(QLatin1String(".h")))
            continue;
        QFile header(path);
        if (!header.open(QIODevice::ReadOnly | QIODevice::Text))
            return {QStringLiteral("(cannot read ") + path + QLatin1Char(')')};
        auto found = screenClass.globalMatch(QString::fromUtf8(header.readAll()));
        while (found.hasNext()) {
            const QRegularExpressionMatch match = found.next();
            classes << match.captured(1);
        }
    }
    return classes;
}

// Does to a control what a user does to it, when it answers a user at all: press a button, choose an option,
// click a clickable box or picture, pick the first item of a list.
bool actOn(QWidget* w)
{
    if (!w->isVisible() || !w->isEnabled())
        return false;
    if (auto* combo = qobject_cast<ComboBox*>(w)) {
        if (combo->count() == 0)
            return false;
        fw::test::choose(combo, 0);
        return true;
    }
    if (auto* list = qobject_cast<ListBox*>(w)) {
        if (list->count() == 0)
            return false;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
        return true;
    }
    const bool answersClicks =
        qobject_cast<CommandButton*>(w) || qobject_cast<OptionButton*>(w) || qobject_cast<TextArea*>(w) ||
        ((qobject_cast<Label*>(w) || qobject_cast<PictureBox*>(w)) && w->focusPolicy() != Qt::NoFocus);
    if (!answersClicks)
        return false;
    fw::test::click(w);
    return true;
}
} // namespace

class tst_screens : public QObject
{
    Q_OBJECT
private slots:
    void eachScreenIsListedOnce();
    void everyScreenClassIsListed();
    void noActionNamesAnUnlistedScreen_data();
    void noActionNamesAnUnlistedScreen();
};

void tst_screens::eachScreenIsListedOnce()
{
    ProgramScope program;
    const std::vector<Screen*> listed = nameEveryScreen();
    QCOMPARE(listed.size(), screenAccessors().size());
    QCOMPARE(Registry::instance().screens().size(), listed.size());
    QSet<QString> names;
    for (Screen* screen : listed) {
        QVERIFY2(!names.contains(screen->name()), qPrintable(screen->name()));
        names << screen->name();
        QCOMPARE(screen->window()->objectName(), screen->name());
    }
}

void tst_screens::everyScreenClassIsListed()
{
    const QSet<QString> classes = screenClassesInTheProgram();
    QVERIFY2(classes.size() > 1, "no screen class found in the program's headers");
    const QSet<QString> listed = listedNames();
    QStringList unlisted = (classes - listed).values();
    unlisted.sort();
    QVERIFY2(unlisted.isEmpty(),
             qPrintable(QStringLiteral("not listed: ") + unlisted.join(QLatin1String(", "))));
    // And each listed screen is named after its class.
    QStringList misnamed = (listed - classes).values();
    misnamed.sort();
    QVERIFY2(misnamed.isEmpty(),
             qPrintable(QStringLiteral("no such class: ") + misnamed.join(QLatin1String(", "))));
}

void tst_screens::noActionNamesAnUnlistedScreen_data()
{
    QTest::addColumn<int>("index");
    ProgramScope program;
    const std::vector<Screen*> listed = nameEveryScreen();
    for (size_t i = 0; i < listed.size(); ++i)
        QTest::newRow(qPrintable(listed[i]->name())) << int(i);
}

// From each screen as it first shows, each control a user can act on is acted on in a program of its own;
// afterwards the registry knows the listed screens and no other.
void tst_screens::noActionNamesAnUnlistedScreen()
{
    QFETCH(int, index);
    const ScreenAccessor screenAt = screenAccessors()[size_t(index)];
    QStringList controls;
    {
        ProgramScope program;
        Screen& screen = screenAt();
        screen.Show();
        for (QWidget* w : screen.controls())
            controls << w->objectName();
    }
    controls.sort();
    int acted = 0;
    QStringList unlisted;
    for (const QString& name : std::as_const(controls)) {
        ProgramScope program;
        Screen& screen = screenAt();
        screen.Show();
        settle();
        if (!actOn(screen.control(name)))
            continue;
        ++acted;
        settle();
        const std::vector<Screen*> listed = nameEveryScreen();
        for (Screen* known : Registry::instance().screens())
            if (std::find(listed.begin(), listed.end(), known) == listed.end())
                unlisted << screen.name() + QLatin1Char('.') + name + QStringLiteral(" named ") +
                                known->name();
    }
    QVERIFY2(acted > 0 || controls.isEmpty(), "no control was acted on");
    QVERIFY2(unlisted.isEmpty(), qPrintable(unlisted.join(QLatin1Char('\n'))));
}

FW_TEST_MAIN(tst_screens)
#include "tst_screens.moc"
