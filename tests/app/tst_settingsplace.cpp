// The settings move under the program's organisation: what an older copy kept under "Unknown Organization" comes
// over once, and nothing already in the new place is replaced.

#include "app/settingsplace.h"
#include "trainer/history/store.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using Values = QMap<QString, QString>;

class tst_settingsplace : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationName(QStringLiteral("Fernwick"));
        app::nameOrganisation();
    }
    void carriedOverOnce_data();
    void carriedOverOnce();
    void historyStaysWhereItWas();
};

void tst_settingsplace::carriedOverOnce_data()
{
    QTest::addColumn<Values>("old"); // empty: no old file
    QTest::addColumn<Values>("now");
    QTest::addColumn<Values>("after");
    QTest::addColumn<int>("carried");
    QTest::newRow("no old settings") << Values{} << Values{{"class/host", "lab"}} << Values{{"class/host", "lab"}} << 0;
    QTest::newRow("everything comes over")
        << Values{{"class/host", "lab"}, {"class/name", "ann"}} << Values{}
        << Values{{"class/host", "lab"}, {"class/name", "ann"}} << 2;
    QTest::newRow("what is there already wins")
        << Values{{"class/host", "old-lab"}, {"class/class", "4B"}} << Values{{"class/host", "lab"}}
        << Values{{"class/host", "lab"}, {"class/class", "4B"}} << 1;
}

void tst_settingsplace::carriedOverOnce()
{
    QFETCH(Values, old);
    QFETCH(Values, now);
    QFETCH(Values, after);
    QFETCH(int, carried);
    QSettings().clear();
    for (auto it = now.cbegin(); it != now.cend(); ++it)
        QSettings().setValue(it.key(), it.value());
    QTemporaryDir folder;
    const QString oldFile = old.isEmpty() ? folder.filePath("none.conf") : app::oldSettingsFile();
    {
        QSettings before(oldFile, QSettings::IniFormat);
        before.clear();
        for (auto it = old.cbegin(); it != old.cend(); ++it)
            before.setValue(it.key(), it.value());
    }
    QCOMPARE(app::carryOverSettings(oldFile), carried);
    QSettings settings;
    QCOMPARE(settings.fileName(), QDir::homePath() + "/.config/Fernwick/Fernwick.conf");
    for (auto it = after.cbegin(); it != after.cend(); ++it)
        QCOMPARE(settings.value(it.key()).toString(), it.value());
    // Once: what the old file gains later stays there.
    if (!old.isEmpty()) {
        QSettings(oldFile, QSettings::IniFormat).setValue("class/later", "x");
        QCOMPARE(app::carryOverSettings(oldFile), 0);
        QVERIFY(!QSettings().contains("class/later"));
        QVERIFY(QSettings(oldFile, QSettings::IniFormat).contains("class/host")); // the old file is left as it was
    }
}

// The trainer's history keeps its folder under the program's own name, organisation or not.
void tst_settingsplace::historyStaysWhereItWas()
{
    QCOMPARE(trainer::Store::defaultPath(), QDir::homePath() + "/.local/share/Fernwick/trainer.sqlite");
}

QTEST_GUILESS_MAIN(tst_settingsplace)
#include "tst_settingsplace.moc"
