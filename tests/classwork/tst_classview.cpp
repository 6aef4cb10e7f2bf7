// What the class view shows, worked out from a class built by hand; the trainer's class line and the server
// field of the sign-in.

#include "classwork/classview.h"
#include "classwork/session.h"
#include "trainer/exercise/exercise.h"
#include "trainer/model/setmodel.h"

#include <QTest>

using namespace classwork;
using classroom::AssignmentProgress;
using classroom::MissedStage;
using classroom::StudentSummary;
using classroom::SuccessPoint;
using trainer::ExerciseRecord;

Q_DECLARE_METATYPE(StudentSummary)
Q_DECLARE_METATYPE(AssignmentProgress)
Q_DECLARE_METATYPE(std::vector<SuccessPoint>)

namespace {
ExerciseRecord exercise(const QString& student, const QString& faultId, const QString& named, QDateTime finished,
                        const QString& assignment = {})
{
    const trainer::Fault* f = trainer::findFault(faultId);
    ExerciseRecord e;
    e.id = QUuid::createUuid();
    e.student = student;
    e.assignment = assignment;
    e.faultId = faultId;
    e.faultStage = QString::fromLatin1(f->stage);
    e.stageNamed = named;
    e.right = named == e.faultStage;
    e.partNamed = e.right ? QString::fromUtf8(f->part) : QString();
    e.finished = finished;
    e.measurements = 5;
    e.optimum = 3;
    e.safetySlips = 1;
    e.seconds = 90;
    return e;
}

QDateTime at(int day, int hour)
{
    return QDateTime(QDate(2026, 5, day), QTime(hour, 0), Qt::UTC);
}

// Reads CSV as a spreadsheet does: quoted fields may hold commas, doubled quotes and line breaks.
QList<QStringList> readCsv(const QString& text)
{
    QList<QStringList> rows{{}};
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted && c == u'"' && i + 1 < text.size() && text[i + 1] == u'"')
            field += text[++i];
        else if (c == u'"')
            quoted = !quoted;
        else if (!quoted && c == u',') {
            rows.last() << field;
            field.clear();
        } else if (!quoted && c == u'\r' && text.mid(i, 2) == QLatin1String("\r\n")) {
            rows.last() << field;
            field.clear();
            rows << QStringList{};
            ++i;
        } else
            field += c;
    }
    rows.removeLast();
    return rows;
}
} // namespace

class tst_classview : public QObject
{
    Q_OBJECT
private slots:
    void studentRows_data();
    void studentRows();
    void assignmentRows_data();
    void assignmentRows();
    void missedBarsAreNamedAndCut();
    void successCurve_data();
    void successCurve();
    void csvNamesAsTheScreensDo();
    void statusLine_data();
    void statusLine();
    void readServer_data();
    void readServer();
};

void tst_classview::studentRows_data()
{
    QTest::addColumn<StudentSummary>("summary");
    QTest::addColumn<QStringList>("row");
    const QDateTime last = at(4, 10);
    const QString shown = last.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    QTest::newRow("none yet") << StudentSummary{"fw-ann", 0, 0, 0, 0, 0, {}, "Ann"}
                              << QStringList{"Ann", "0", "none yet", "", "0", "none yet"};
    QTest::newRow("two of three, rounded")
        << StudentSummary{"fw-bob", 3, 2, 14, 9, 1, last, "Bob"} << QStringList{"Bob", "3", "67% (2 of 3)", "14 (9)", "1", shown};
    QTest::newRow("no name given: the login") << StudentSummary{"fw-eve", 0, 0, 0, 0, 0, {}, {}}
                                              << QStringList{"fw-eve", "0", "none yet", "", "0", "none yet"};
    QTest::newRow("all found") << StudentSummary{"fw-cy", 4, 4, 12, 12, 0, last, "Cy"}
                               << QStringList{"Cy", "4", "100% (4 of 4)", "12 (12)", "0", shown};
}

void tst_classview::studentRows()
{
    QFETCH(StudentSummary, summary);
    QFETCH(QStringList, row);
    QCOMPARE(studentRow(summary), row);
    QCOMPARE(studentRow(summary).size(), studentHeadings().size());
}

void tst_classview::assignmentRows_data()
{
    QTest::addColumn<AssignmentProgress>("progress");
    QTest::addColumn<QStringList>("row");
    classroom::Assignment a;
    a.title = "Week 1";
    QTest::newRow("nobody finished, no due date")
        << AssignmentProgress{a, {}, {"Ann", "Bob"}} << QStringList{"Week 1", "no due date", "0 of 2", "Ann, Bob"};
    a.due = QDateTime(QDate(2026, 6, 1), QTime(12, 0), Qt::UTC);
    QTest::newRow("one of two, due") << AssignmentProgress{a, {"Bob"}, {"Ann"}}
                                     << QStringList{"Week 1", "2026-06-01", "1 of 2: Bob", "Ann"};
    QTest::newRow("all finished") << AssignmentProgress{a, {"Ann", "Bob"}, {}}
                                  << QStringList{"Week 1", "2026-06-01", "2 of 2: Ann, Bob", ""};
}

void tst_classview::assignmentRows()
{
    QFETCH(AssignmentProgress, progress);
    QFETCH(QStringList, row);
    QCOMPARE(assignmentRow(progress), row);
}

void tst_classview::missedBarsAreNamedAndCut()
{
    const std::vector<MissedStage> missed{{"damper", 1}, {"sync-separator", 4}, {"horizontal-output", 2}, {"damper-x", 0}};
    const std::vector<Bar> bars = missedBars(missed, 2);
    QCOMPARE(bars.size(), size_t(2));
    QCOMPARE(bars[0].label, QStringLiteral("Sync separator"));
    QCOMPARE(bars[0].value, 4);
    QCOMPARE(bars[1].label, QStringLiteral("Horizontal output amplifier"));
    QCOMPARE(missedBars(missed).size(), size_t(3)); // a stage never missed gets no bar
}

void tst_classview::successCurve_data()
{
    QTest::addColumn<std::vector<SuccessPoint>>("days");
    QTest::addColumn<QList<double>>("rates");
    QTest::addColumn<QList<int>>("counts");
    QTest::newRow("nothing") << std::vector<SuccessPoint>{} << QList<double>{} << QList<int>{};
    QTest::newRow("running share, days out of order, an empty day skipped")
        << std::vector<SuccessPoint>{{QDate(2026, 5, 3), 2, 2}, {QDate(2026, 5, 1), 2, 0}, {QDate(2026, 5, 2), 0, 0}}
        << QList<double>{0.0, 0.5} << QList<int>{2, 4};
}

void tst_classview::successCurve()
{
    QFETCH(std::vector<SuccessPoint>, days);
    QFETCH(QList<double>, rates);
    QFETCH(QList<int>, counts);
    const std::vector<RatePoint> curve = classwork::successCurve(days);
    QCOMPARE(curve.size(), size_t(rates.size()));
    for (qsizetype i = 0; i < rates.size(); ++i) {
        QCOMPARE(curve[size_t(i)].rate, rates[i]);
        QCOMPARE(curve[size_t(i)].exercises, counts[i]);
        if (i > 0)
            QVERIFY(curve[size_t(i - 1)].day < curve[size_t(i)].day);
    }
}

void tst_classview::csvNamesAsTheScreensDo()
{
    const trainer::Fault& first = trainer::faults()[0];
    const QString stage = QString::fromLatin1(first.stage);
    classroom::Assignment week;
    week.id = "a1";
    week.title = "Week \"1\", power";
    const ExerciseRecord late = exercise("Bob", first.id, "sync-separator", at(5, 9), "a1");
    const ExerciseRecord early = exercise("Ann, Jr.", first.id, stage, at(4, 9));
    const ExerciseRecord voided = exercise("Ann, Jr.", first.id, stage, at(4, 10));
    const QList<QStringList> rows = readCsv(classCsv({late, early, voided}, {week}, {voided.id}));
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows[0], (QStringList{"Student", "Assignment", "Finished (UTC)", "Fault", "Faulty stage", "Stage named",
                                   "Part named", "Right", "Measurements", "Optimum", "Safety slips", "Seconds"}));
    QCOMPARE(rows[1], (QStringList{"Ann, Jr.", "", "2026-05-04T09:00:00Z", trainer::faultName(first),
                                   trainer::stageTitle(stage), trainer::stageTitle(stage),
                                   QString::fromUtf8(first.part), "yes", "5", "3", "1", "90"}));
    QCOMPARE(rows[2][1], week.title);
    QCOMPARE(rows[2][5], QStringLiteral("Sync separator"));
    QCOMPARE(rows[2][7], QStringLiteral("no"));
}

void tst_classview::statusLine_data()
{
    QTest::addColumn<bool>("signedIn");
    QTest::addColumn<int>("waiting");
    QTest::addColumn<QString>("sslmode");
    QTest::addColumn<QStringList>("setAside");
    QTest::addColumn<QString>("line");
    QTest::newRow("alone") << false << 3 << "require" << QStringList{} << "Working alone on this computer.";
    QTest::newRow("for a class, not known yet") << true << -1 << "require" << QStringList{} << "Class 4B, as ann.";
    QTest::newRow("all sent") << true << 0 << "verify-full" << QStringList{} << "Class 4B, as ann: all sent.";
    QTest::newRow("several wait") << true << 7 << "require" << QStringList{} << "Class 4B, as ann: 7 to send.";
    QTest::newRow("prefer, the instructor's choice")
        << true << 0 << "prefer" << QStringList{}
        << "Class 4B, as ann (sslmode prefer: the instructor's choice): all sent.";
    QTest::newRow("disable") << true << -1 << "disable" << QStringList{}
                             << "Class 4B, as ann (unencrypted: the instructor's choice).";
    QTest::newRow("one set aside") << true << 1 << "require" << QStringList{"Exercise A refused."}
                                   << "Class 4B, as ann: 1 to send. Set aside: Exercise A refused.";
    QTest::newRow("two set aside, the latest named")
        << true << 0 << "require" << QStringList{"Exercise A refused.", "Exercise B refused."}
        << "Class 4B, as ann: all sent. 2 set aside; the latest: Exercise B refused.";
}

void tst_classview::statusLine()
{
    QFETCH(bool, signedIn);
    QFETCH(int, waiting);
    QFETCH(QString, sslmode);
    QFETCH(QStringList, setAside);
    QFETCH(QString, line);
    Session s;
    s.signedIn = signedIn;
    s.className = "4B";
    s.connection.name = "ann";
    s.connection.sslmode = sslmode;
    QCOMPARE(classwork::statusLine(s, waiting, setAside), line);
}

void tst_classview::readServer_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::newRow("name") << " lab-server " << true << "lab-server" << 5432;
    QTest::newRow("name and port") << "10.0.0.5:6543" << true << "10.0.0.5" << 6543;
    QTest::newRow("unix socket folder") << "/tmp/pg:x" << true << "/tmp/pg:x" << 5432;
    QTest::newRow("ipv6 without port") << "fe80::1" << true << "fe80::1" << 5432;
    QTest::newRow("port not a number") << "server:abc" << false << "" << 0;
    QTest::newRow("port out of range") << "server:70000" << false << "" << 0;
    QTest::newRow("no host") << ":5432" << false << "" << 0;
    QTest::newRow("empty") << "" << false << "" << 0;
}

void tst_classview::readServer()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(QString, host);
    QFETCH(int, port);
    classroom::Connection c;
    QCOMPARE(classwork::readServer(text, c), ok);
    if (!ok)
        return;
    QCOMPARE(c.host, host);
    QCOMPARE(c.port, port);
    QCOMPARE(serverText(c), port == 5432 ? host : QStringLiteral("%1:%2").arg(host).arg(port));
}

QTEST_GUILESS_MAIN(tst_classview)
#include "tst_classview.moc"
