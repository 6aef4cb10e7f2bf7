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
        history.record(earlier(QStringLiteral("bob"))); // bob signed in on this computer before, server away
        history.record(earlier(QString()));              // and someone practised alone
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
        QHash<QString, QString> passwords;
        for (int i = 0; i < 2; ++i)
            passwords.insert(c.lstLogins()->List(i).section(QStringLiteral(": "), 0, 0),
                             c.lstLogins()->List(i).section(QStringLiteral(": "), 1));
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
        signIn(t, server, QStringLiteral("ann"), passwords.value(QStringLiteral("ann")));
        if (QTest::currentTestFailed())
            return;
        QTRY_COMPARE_WITH_TIMEOUT(t.classPanel()->lblClass()->text(), QStringLiteral("Class 4B, as ann: all sent."), 15000);
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
        const QString ann = QStringLiteral("SELECT count(*) FROM fernwick.exercise WHERE student = 'ann' AND correct "
                                           "AND chosen = 2 AND assignment IS NOT NULL AND fault_id = '%1'")
                                .arg(QString::fromLatin1(fault.id));
        QTRY_COMPARE_WITH_TIMEOUT(m_server.count(ann), 1, 15000);
        QTRY_COMPARE_WITH_TIMEOUT(t.classPanel()->lblClass()->text(), QStringLiteral("Class 4B, as ann: all sent."), 15000);
        QCOMPARE(m_server.count(QStringLiteral("SELECT count(*) FROM fernwick.exercise")), 1);
        const QPair<qint64, qint64> hers = connections(QStringLiteral("ann"));
        QVERIFY(hers.first > 0);
        QCOMPARE(hers.second, hers.first);
        // bob's exercise waits here for bob, and goes when he signs in.
        QCOMPARE(history.unsent().size(), size_t(1));
        QCOMPARE(history.unsent().front().student, QStringLiteral("bob"));
        signIn(t, server, QStringLiteral("bob"), passwords.value(QStringLiteral("bob")));
        QTRY_COMPARE_WITH_TIMEOUT(m_server.count(QStringLiteral("SELECT count(*) FROM fernwick.exercise WHERE student = 'bob'")),
                                  1, 15000);
        QTRY_COMPARE_WITH_TIMEOUT(t.classPanel()->lblClass()->text(), QStringLiteral("Class 4B, as bob: all sent."), 15000);
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
};

FW_TEST_MAIN(tst_classendtoend)
#include "tst_classendtoend.moc"
