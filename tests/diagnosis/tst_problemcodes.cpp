#include "diagnosis/problemcodes.h"

#include <QTest>

using namespace diagnosis;

class tst_problemcodes : public QObject
{
    Q_OBJECT
private slots:
    void codesRunWithoutGaps_data();
    void codesRunWithoutGaps();
    void targets_data();
    void targets();
    void firstRowThatHoldsWins();
};

void tst_problemcodes::codesRunWithoutGaps_data()
{
    QTest::addColumn<bool>("picture");
    QTest::addColumn<int>("count");
    QTest::newRow("picture problems") << true << 28;
    QTest::newRow("color problems") << false << 27;
}

void tst_problemcodes::codesRunWithoutGaps()
{
    QFETCH(bool, picture);
    QFETCH(int, count);
    const auto table = picture ? pictureProblemAreas() : colorProblemAreas();
    QCOMPARE(int(table.size()), count);
    for (int i = 0; i < count; ++i)
        QCOMPARE(table[i].code, i + 1);
    QVERIFY(!findCode(table, 0));
    QVERIFY(!findCode(table, count + 1));
}

void tst_problemcodes::targets_data()
{
    QTest::addColumn<bool>("picture");
    QTest::addColumn<int>("target");
    QTest::addColumn<QList<int>>("codes");
    QTest::newRow("picture: front end") << true << int(Target::Front) << QList<int>{1, 5, 6, 8, 12, 15, 18};
    QTest::newRow("picture: video and color")
        << true << int(Target::Color) << QList<int>{2, 3, 4, 17, 20, 21, 22};
    QTest::newRow("picture: low voltage")
        << true << int(Target::LVPower) << QList<int>{7, 9, 10, 11, 13, 14, 16, 19, 23, 24, 25, 26, 27, 28};
    QTest::newRow("color: degaussing") << false << int(Target::Degauss) << QList<int>{11};
    QTest::newRow("color: front end") << false << int(Target::Front) << QList<int>{12};
    QTest::newRow("color: convergence") << false << int(Target::Converg) << QList<int>{17};
}

void tst_problemcodes::targets()
{
    QFETCH(bool, picture);
    QFETCH(int, target);
    QFETCH(QList<int>, codes);
    const auto table = picture ? pictureProblemAreas() : colorProblemAreas();
    QList<int> found;
    for (const ProblemArea& row : table)
        if (int(row.target) == target)
            found << row.code;
    QCOMPARE(found, codes);
}

void tst_problemcodes::firstRowThatHoldsWins()
{
    // Every option click clears all lists, but the order still decides if two rows hold at once.
    QStringList asked;
    const int code = firstCode(pictureProblemAreas(), [&](const ProblemArea& row) {
        asked << QString::fromLatin1(row.control);
        return QLatin1String(row.control) == QLatin1String("Combo3") || QLatin1String(row.control) == "Text4";
    });
    QCOMPARE(code, 11);
    QCOMPARE(asked.size(), 11);
    QCOMPARE(firstCode(colorProblemAreas(), [](const ProblemArea&) { return false; }), 0);
}

QTEST_GUILESS_MAIN(tst_problemcodes)
#include "tst_problemcodes.moc"
