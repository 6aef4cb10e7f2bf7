// A class taught against a real PostgreSQL server, over TLS, through the screens and the program's own client:
// the instructor sets up a class and gives an assignment on Class Set-Up, a student signs in on the trainer and
// does an exercise of it, the exercise reaches the server, and the instructor's class view shows it. The local
// history on this computer also holds an exercise of another student and one done alone: neither goes with
// this student's work.

#include "app/frmOne.h"
#include "app/module1.h"
#include "classwork/charts.h"
#include "classwork/classpanel.h"
#include "classwork/client.h"
#include "classwork/frmClass.h"
#include "classwork/frmClassView.h"
#include "classwork/frmSignIn.h"
#include "classwork/session.h"
#include "pgserver.h"
#include "support/program.h"
#include "trainer/screens/frmTrainer.h"
#include "trainer/screens/measuringview.h"
#include "trainer/model/setmodel.h"
#include "trainer/history/store.h"

#include <QDir>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace classwork;
using fw::test::choose;
using fw::test::click;
using fw::test::type;

namespace classwork {
// The program's own client (workerclient.cpp).
std::unique_ptr<Client> workerClient(const classroom::Connection& connection);
} // namespace classwork

namespace {
// An exercise finished on this computer earlier, by `student` (empty: working alone).
trainer::ExerciseRecord earlier(const QString& student)
{
    const trainer::Fault& fault = trainer::faults().front();
    trainer::ExerciseRecord e;
    e.id = QUuid::createUuid();
    e.student = student;
    e.finished = QDateTime::currentDateTimeUtc().addDays(-1);
    e.faultId = QString::fromLatin1(fault.id);
    e.faultStage = QString::fromLatin1(fault.stage);
    e.stageNamed = e.faultStage;
    return e;
}

void signIn(frmTrainer& t, const QString& server, const QString& name, const QString& password)
{
    click(t.classPanel()->cmdSignIn());
    frmSignIn& s = frmSignIn::get();
    QCOMPARE(s.txtServer()->Text(), server); // as the instructor left it on this computer
    s.txtClass()->clear();
    type(s.txtClass(), QStringLiteral("4B"));
    s.txtName()->clear();
    type(s.txtName(), name);
    type(s.txtPassword(), password);
    click(s.cmdSignIn());
    QTRY_VERIFY_WITH_TIMEOUT(!s.isLoaded(), 15000);
}

// The new logins Class Set-Up lists, by the student's name: their login and password.
QHash<QString, std::pair<QString, QString>> newLogins(frmClass& c)
{
    QHash<QString, std::pair<QString, QString>> logins;
    for (int i = 0; i < c.lstLogins()->ListCount(); ++i) {
        const QString line = c.lstLogins()->List(i); // "ann: login fw..., password ..."
        const QString rest = line.section(QStringLiteral(": login "), 1);
        logins.insert(line.section(QStringLiteral(": login "), 0, 0),
                      {rest.section(QStringLiteral(", password "), 0, 0), rest.section(QStringLiteral(", password "), 1)});
    }
    return logins;
}

// Class Set-Up opened from the trainer's Class button, connected as ada with `sslmode`.
void connectAda(frmTrainer& t, const QString& server, const QString& sslmode)
{
    click(t.classPanel()->cmdSignIn());
    click(frmSignIn::get().cmdInstructor());
    frmClass& c = frmClass::get();
    c.txtServer()->clear();
    type(c.txtServer(), server);
    choose(c.cboSsl(), c.cboSsl()->findText(sslmode));
    c.txtLogin()->clear();
    type(c.txtLogin(), QStringLiteral("ada"));
    type(c.txtPassword(), QStringLiteral("ada-pw"));
    click(c.cmdConnect());
    QTRY_VERIFY_WITH_TIMEOUT(c.lblStatus()->text().startsWith(QStringLiteral("Connected.")), 15000);
}

QString cell(QTableWidget* t, int row, int column)
{
    return t->item(row, column) ? t->item(row, column)->text() : QString();
}
} // namespace

class tst_classendtoend : public QObject
{
    Q_OBJECT
    PgServer m_server;
    QTemporaryDir m_settings;

    // The login's connections to the server now, and how many of them are encrypted.
    QPair<qint64, qint64> connections(const QString& login)
    {
        const QString from = QStringLiteral("FROM pg_stat_ssl s JOIN pg_stat_activity a USING (pid) WHERE a.usename = '%1'")
                                 .arg(login);
        return {m_server.count(QStringLiteral("SELECT count(*) ") + from),
                m_server.count(QStringLiteral("SELECT count(*) ") + from + QStringLiteral(" AND s.ssl"))};
    }

private slots:
    void initTestCase()
    {
        if (!m_server.available())
            QSKIP(qPrintable(m_server.whyNot()));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
        qputenv("PGSSLROOTCERT", QFile::encodeName(m_settings.filePath(QStringLiteral("none.crt"))));
        QVERIFY(m_server.useTls(true));
        QVERIFY(m_server.addInstructor(QStringLiteral("ada"), QStringLiteral("ada-pw")));
    }

    void aClassTaughtFromEndToEnd()
    {
        QTemporaryDir folder;
        trainer::Store history(folder.filePath(QStringLiteral("trainer.sqlite")));
        history.record(earlier(QString())); // someone practised alone
        QVERIFY(history.wait());
        trainer::HistoryScope kept(history);
        ClientScope clients(&workerClient);
        fw::test::ProgramScope program;
        const QString server = QStringLiteral("127.0.0.1:%1").arg(m_server.port());

        // The instructor, from the trainer's Class button: connects asking for encryption, sets up the class and
        // gives it one fault to find.
        Module1::Main();
        click(frmOne::get().Option10());
        frmTrainer& t = frmTrainer::get();
        click(t.classPanel()->cmdSignIn());
        click(frmSignIn::get().cmdInstructor());
        frmClass& c = frmClass::get();
        c.txtServer()->clear();
        type(c.txtServer(), server);
        choose(c.cboSsl(), c.cboSsl()->findText(QStringLiteral("require")));
        type(c.txtLogin(), QStringLiteral("ada"));
        type(c.txtPassword(), QStringLiteral("ada-pw"));
        click(c.cmdConnect());
        QTRY_COMPARE_WITH_TIMEOUT(c.lblStatus()->text(), QStringLiteral("Connected. You have no class yet: set one up."), 15000);
        type(c.txtNewClass(), QStringLiteral("4B"));
        for (const char* name : {"ann", "bob"}) {
            type(c.txtStudents(), QString::fromLatin1(name));
            QTest::keyClick(c.txtStudents(), Qt::Key_Return);
        }
        click(c.cmdCreate());
        QTRY_COMPARE_WITH_TIMEOUT(c.lstLogins()->ListCount(), 2, 15000);
        const auto logins = newLogins(c);
        const QString ann = logins.value(QStringLiteral("ann")).first;
        const QString bob = logins.value(QStringLiteral("bob")).first;
        QVERIFY(!ann.isEmpty() && !bob.isEmpty() && !ann.contains(QStringLiteral("ann")));
        history.record(earlier(bob)); // bob did one on this computer before, the server away
        QVERIFY(history.wait());
        QTRY_COMPARE(c.cboClass()->currentText(), QStringLiteral("4B"));
        const int faultRow = 2;
        const trainer::Fault& fault = trainer::faults()[faultRow];
        type(c.txtTitle(), QStringLiteral("Week 1"));
        choose(c.cboFault(), faultRow);
        click(c.cmdAddFault());
        click(c.cmdAssign());
        QTRY_VERIFY_WITH_TIMEOUT(c.lblStatus()->text().startsWith(QStringLiteral("Week 1 is given to the whole class")),
                                 15000);
        click(c.cmdReturn());

        // The student signs in where the instructor connected, and the trainer's line says all is sent: bob's
        // exercise and the one done alone are not ann's to send.
        signIn(t, server, ann, logins.value(QStringLiteral("ann")).second);
        if (QTest::currentTestFailed())
            return;
        QTRY_COMPARE_WITH_TIMEOUT(t.classPanel()->lblClass()->text(), QStringLiteral("Class 4B, as %1: all sent.").arg(ann), 15000);
        QTRY_COMPARE_WITH_TIMEOUT(t.classPanel()->cboAssignment()->count(), 2, 15000);
        QCOMPARE(session().connection.sslmode, QStringLiteral("require"));

        // New set for the assignment, a measurement of the faulty stage, the stage and the part named.
        choose(t.classPanel()->cboAssignment(), 1);
        click(t.cmdNew());
        QCOMPARE(QString::fromLatin1(t.exercise()->fault().id), QString::fromLatin1(fault.id));
        const QString stage = QString::fromLatin1(fault.stage);
        click(t.optIsolationIn());
        t.view()->focusStage(stage);
        click(t.view()->control(stage));
        choose(t.cboStage(), int(trainer::stages().indexOf(stage)));
        click(t.cmdStage());
        choose(t.cboPart(), int(t.exercise()->suspectParts().indexOf(QString::fromUtf8(fault.part))));
        click(t.cmdPart());
        QVERIFY2(t.result()->toPlainText().startsWith(QStringLiteral("Right")), qPrintable(t.result()->toPlainText()));

        // On the server, once, as ann's, with its assignment; the line counts nothing waiting; every connection
        // of hers encrypted, as the instructor asked on this computer.
        const QString hersDone = QStringLiteral("SELECT count(*) FROM fernwick.exercise WHERE student = '%1' AND correct "
                                                "AND chosen = 2 AND assignment IS NOT NULL AND fault_id = '%2'")
                                     .arg(ann, QString::fromLatin1(fault.id));
        QTRY_COMPARE_WITH_TIMEOUT(m_server.count(hersDone), 1, 15000);
        QTRY_COMPARE_WITH_TIMEOUT(t.classPanel()->lblClass()->text(), QStringLiteral("Class 4B, as %1: all sent.").arg(ann), 15000);
        QCOMPARE(m_server.count(QStringLiteral("SELECT count(*) FROM fernwick.exercise")), 1);
        const QPair<qint64, qint64> hers = connections(ann);
        QVERIFY(hers.first > 0);
        QCOMPARE(hers.second, hers.first);
        // bob's exercise waits here for bob, and goes when he signs in.
        QCOMPARE(history.unsent().size(), size_t(1));
        QCOMPARE(history.unsent().front().student, bob);
        signIn(t, server, bob, logins.value(QStringLiteral("bob")).second);
        QTRY_COMPARE_WITH_TIMEOUT(
            m_server.count(QStringLiteral("SELECT count(*) FROM fernwick.exercise WHERE student = '%1'").arg(bob)), 1, 15000);
        QTRY_COMPARE_WITH_TIMEOUT(t.classPanel()->lblClass()->text(), QStringLiteral("Class 4B, as %1: all sent.").arg(bob), 15000);
        QCOMPARE(m_server.count(QStringLiteral("SELECT count(*) FROM fernwick.exercise")), 2);

        // The instructor's class view shows ann's exercise and her finished assignment.
        click(t.classPanel()->cmdSignIn());
        click(frmSignIn::get().cmdInstructor());
        QTRY_COMPARE_WITH_TIMEOUT(c.cboClass()->currentText(), QStringLiteral("4B"), 15000);
        click(c.cmdView());
        frmClassView& v = frmClassView::get();
        QTRY_COMPARE_WITH_TIMEOUT(v.tblStudents()->rowCount(), 2, 15000);
        QCOMPARE(v.lblStatus()->text(), QStringLiteral("2 students, 2 exercises, 1 assignment."));
        QCOMPARE(cell(v.tblStudents(), 0, 0), QStringLiteral("ann"));
        QCOMPARE(cell(v.tblStudents(), 0, 1), QStringLiteral("1"));
        QCOMPARE(cell(v.tblStudents(), 0, 2), QStringLiteral("100% (1 of 1)"));
        QCOMPARE(cell(v.tblAssignments(), 0, 0), QStringLiteral("Week 1"));
        QCOMPARE(cell(v.tblAssignments(), 0, 2), QStringLiteral("1 of 2: ann"));
        QCOMPARE(cell(v.tblAssignments(), 0, 3), QStringLiteral("bob"));
        QTRY_COMPARE(v.picSuccess()->accessibleName(), QStringLiteral("Success over time: ann"));
        const QString shots = qEnvironmentVariable("FERNWICK_SHOTS", QDir::tempPath());
        QVERIFY(v.window()->grab().save(shots + QStringLiteral("/frmClassView-server.png")));
        signOut();
    }

    // Class Set-Up against the real server: a set-up that fails (the server stopped) and is tried again, a
    // student added, a lost password reset, an exercise marked void.
    void instructorFinishesTheJob()
    {
        QTemporaryDir folder;
        trainer::Store history(folder.filePath(QStringLiteral("trainer.sqlite")));
        trainer::HistoryScope kept(history);
        ClientScope clients(&workerClient);
        fw::test::ProgramScope program;
        const QString server = QStringLiteral("127.0.0.1:%1").arg(m_server.port());
        Module1::Main();
        click(frmOne::get().Option10());
        frmTrainer& t = frmTrainer::get();
        connectAda(t, server, QStringLiteral("require"));
        frmClass& c = frmClass::get();
        type(c.txtNewClass(), QStringLiteral("5C"));
        for (const char* name : {"cy", "dee"}) {
            type(c.txtStudents(), QString::fromLatin1(name));
            QTest::keyClick(c.txtStudents(), Qt::Key_Return);
        }
        m_server.stop();
        click(c.cmdCreate());
        QTRY_VERIFY_WITH_TIMEOUT(c.cmdCreate()->isEnabled() && c.lblStatus()->text().contains(QStringLiteral("cannot be reached")),
                                 30000);
        QVERIFY(m_server.start());
        click(c.cmdCreate());
        QTRY_COMPARE_WITH_TIMEOUT(c.lblStatus()->text(),
                                  QStringLiteral("Class 5C is set up with 2 students. Their passwords are shown only now."), 30000);
        QCOMPARE(m_server.count(QStringLiteral("SELECT count(*) FROM fernwick.student s JOIN fernwick.class c ON c.id = s.class "
                                               "WHERE c.name = '5C'")),
                 2);
        const auto made = newLogins(c);

        // One more student, in the class just set up, now the one chosen.
        QTRY_COMPARE_WITH_TIMEOUT(c.cboClass()->currentText(), QStringLiteral("5C"), 15000);
        QCOMPARE(c.fraStudents()->Caption(), QStringLiteral("Students of 5C"));
        QCOMPARE(c.lstMembers()->ListCount(), 2);
        type(c.txtNewStudent(), QStringLiteral("eve"));
        click(c.cmdEnrol());
        QTRY_COMPARE_WITH_TIMEOUT(c.lblStatus()->text(), QStringLiteral("eve is in 5C. The password is shown only now."), 15000);
        const auto eve = newLogins(c).value(QStringLiteral("eve"));
        QTRY_COMPARE_WITH_TIMEOUT(c.lstMembers()->ListCount(), 3, 15000);
        QVERIFY(classroom::ClassServer(m_server.login(eve.first, eve.second)).classes().ok());

        // cy lost the password: the new one signs in, the old one no more.
        const int cy = int(QStringList{"cy", "dee", "eve"}.indexOf(QStringLiteral("cy")));
        QTest::mouseClick(c.lstMembers()->viewport(), Qt::LeftButton, Qt::NoModifier,
                          c.lstMembers()->visualItemRect(c.lstMembers()->item(cy)).center());
        click(c.cmdReset());
        QTRY_VERIFY_WITH_TIMEOUT(c.lblStatus()->text().startsWith(QStringLiteral("cy has a new password")), 15000);
        const auto cyNow = newLogins(c).value(QStringLiteral("cy"));
        QCOMPARE(cyNow.first, made.value(QStringLiteral("cy")).first);
        QVERIFY(cyNow.second != made.value(QStringLiteral("cy")).second);
        QVERIFY(classroom::ClassServer(m_server.login(cyNow.first, cyNow.second)).classes().ok());
        QVERIFY(!classroom::ClassServer(m_server.login(cyNow.first, made.value(QStringLiteral("cy")).second)).classes().ok());

        // dee's exercise reaches the server; the instructor marks it void.
        {
            classroom::ClassServer dee(m_server.login(made.value(QStringLiteral("dee")).first,
                                                      made.value(QStringLiteral("dee")).second));
            QVERIFY(dee.send(QStringLiteral("5C"), earlier(QString())).ok());
        }
        QTest::mouseClick(c.lstMembers()->viewport(), Qt::LeftButton, Qt::NoModifier,
                          c.lstMembers()->visualItemRect(c.lstMembers()->item(1)).center());
        QTRY_COMPARE_WITH_TIMEOUT(c.lstExercises()->ListCount(), 1, 15000);
        QVERIFY(c.lstExercises()->List(0).endsWith(QStringLiteral(": not found")));
        QTest::mouseClick(c.lstExercises()->viewport(), Qt::LeftButton, Qt::NoModifier,
                          c.lstExercises()->visualItemRect(c.lstExercises()->item(0)).center());
        type(c.txtReason(), QStringLiteral("Sat it twice"));
        click(c.cmdVoid());
        QTRY_VERIFY_WITH_TIMEOUT(c.lstExercises()->List(0).endsWith(QStringLiteral("(void)")), 15000);
        QCOMPARE(m_server.count(QStringLiteral("SELECT count(*) FROM fernwick.voided WHERE reason = 'Sat it twice'")), 1);
        const QString shots = qEnvironmentVariable("FERNWICK_SHOTS", QDir::tempPath());
        QVERIFY(c.window()->grab().save(shots + QStringLiteral("/frmClass-server.png")));
        click(c.cmdReturn());
    }

    // A server without TLS: the student's sign-in refuses it, until the instructor chooses a lower mode for it on
    // this computer; the class line then says so.
    void signInAsksForEncryption()
    {
        QTemporaryDir folder;
        trainer::Store history(folder.filePath(QStringLiteral("trainer.sqlite")));
        trainer::HistoryScope kept(history);
        ClientScope clients(&workerClient);
        fw::test::ProgramScope program;
        QSettings().clear();
        const QString server = QStringLiteral("127.0.0.1:%1").arg(m_server.port());
        QVERIFY(m_server.useTls(false));
        const QString pupil = m_server.value(QStringLiteral("SELECT login FROM fernwick.student LIMIT 1")).toString();
        QVERIFY(m_server.setPassword(pupil, QStringLiteral("pupil-pw")));
        const QString className = m_server.value(QStringLiteral("SELECT c.name FROM fernwick.class c JOIN fernwick.student s "
                                                                "ON s.class = c.id WHERE s.login = '%1'").arg(pupil)).toString();
        Module1::Main();
        click(frmOne::get().Option10());
        frmTrainer& t = frmTrainer::get();
        auto signInHere = [&] {
            click(t.classPanel()->cmdSignIn());
            frmSignIn& s = frmSignIn::get();
            s.txtServer()->clear();
            type(s.txtServer(), server);
            s.txtClass()->clear();
            type(s.txtClass(), className);
            s.txtName()->clear();
            type(s.txtName(), pupil);
            s.txtPassword()->clear();
            type(s.txtPassword(), QStringLiteral("pupil-pw"));
            click(s.cmdSignIn());
        };
        signInHere();
        frmSignIn& s = frmSignIn::get();
        QTRY_VERIFY_WITH_TIMEOUT(s.cmdSignIn()->isEnabled(), 15000);
        QVERIFY2(s.lblStatus()->text().contains(QStringLiteral("encrypted")), qPrintable(s.lblStatus()->text()));
        QVERIFY(!session().signedIn);
        click(s.cmdReturn());
        connectAda(t, server, QStringLiteral("prefer"));
        click(frmClass::get().cmdReturn());
        signInHere();
        QTRY_VERIFY_WITH_TIMEOUT(!frmSignIn::get().isLoaded(), 15000);
        QCOMPARE(session().connection.sslmode, QStringLiteral("prefer"));
        QTRY_COMPARE_WITH_TIMEOUT(t.classPanel()->lblClass()->text(),
                                  QStringLiteral("Class %1, as %2 (sslmode prefer: the instructor's choice): all sent.")
                                      .arg(className, pupil),
                                  15000);
        signOut();
        QVERIFY(m_server.useTls(true));
    }
};

FW_TEST_MAIN(tst_classendtoend)
#include "tst_classendtoend.moc"
