// A drill answer, once recorded, survives the program being killed outright: a child process
// answers problems on the drill screen, says so, and is killed with SIGKILL; a fresh data module
// must find one row for every answer.
#include "data/untDTM.h"
#include "frame/Random.h"
#include "lessons/division/Unit8.h"
#include "tests/support/DrillDriving.h"

#include <QApplication>
#include <QProcess>
#include <QSqlQueryModel>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <csignal>
#include <cstdio>

using namespace Qt::StringLiterals;
using namespace kazemaru;

namespace {

const char* const childFlag = "--answer-problems";

// The child: a run of the two-digit kind, `count` problems answered right, then wait to be killed.
int answerAndWait(const QString& folder, int count)
{
    test::Harness h; // real random problems, no sound, no boxes
    setRandomSource({});
    TDataModule1 dm(folder);
    TForm8 form(&dm, nullptr);
    form.show();
    test::chooseDrill(form, 2, 0);
    test::drillButton(form, 3)->click();
    for (int n = 1; n <= count; ++n) {
        if (n > 1) test::drillButton(form, 4)->click();
        test::answerDrill(form, test::Probe::problem(form).quotient(), test::Probe::problem(form).remainder());
    }
    if (!h.dialogs.empty() || test::Probe::rightCount(form) != count) return 2;
    std::printf("answered %d\n", count);
    std::fflush(stdout);
    for (;;)
        QThread::sleep(1);
}

} // namespace

class TestDrillDurability : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void killedProgramKeepsEveryAnswer_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("one row") << 1;
        QTest::newRow("a long run") << 57;
    }

    void killedProgramKeepsEveryAnswer()
    {
        QFETCH(int, count);
        QTemporaryDir tmp;
        const QString folder = tmp.path() + u"/kyozai"_s;
        {
            // Rows of an earlier run, which the child's run clears.
            test::Harness h;
            TDataModule1 dm(folder);
            for (int nb = 1; nb <= 3; ++nb)
                QVERIFY(!dm.tryAppendRow(DrillTable::Division, {nb, u"x"_s, 0, 0, u" ×"_s, 0, 0}));
        }

        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(),
                    {QString::fromLatin1(childFlag), folder, QString::number(count)});
        QVERIFY(child.waitForStarted());
        QByteArray said;
        while (!said.contains('\n') && child.waitForReadyRead(30000))
            said += child.readAllStandardOutput();
        QCOMPARE(said.trimmed(), QByteArray("answered ") + QByteArray::number(count));

        QCOMPARE(::kill(pid_t(child.processId()), SIGKILL), 0);
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        TDataModule1 dm(folder);
        QVERIFY(!dm.tryRequery(DrillTable::Division));
        QCOMPARE(dm.DBISAMQuery2->rowCount(), count);
        for (int r = 0; r < count; ++r) {
            QCOMPARE(dm.DBISAMQuery2->data(dm.DBISAMQuery2->index(r, 0)).toInt(), r + 1);
            QCOMPARE(dm.DBISAMQuery2->data(dm.DBISAMQuery2->index(r, 4)).toString(), u" ○"_s);
        }
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], childFlag) == 0)
        return answerAndWait(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());
    TestDrillDurability test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_drill_durability.moc"
