// A drill row, once appended, survives the program being killed outright: a child process
// appends rows, says so, and is killed with SIGKILL; a fresh data module must find every row.
#include "data/untDTM.h"

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

const char* const childFlag = "--append-rows";

// The child: append `count` rows to a fresh run, report, then wait to be killed.
int appendRowsAndWait(const QString& folder, int count)
{
    TDataModule1 dm(folder);
    if (!dm.clear(DrillTable::Division)) return 2;
    for (int nb = 1; nb <= count; ++nb) {
        const QVariantList row = {nb, u"　%1 ÷ 7"_s.arg(100 + nb), (100 + nb) / 7, 0, u" ×"_s, (100 + nb) % 7, 0};
        if (!dm.appendRow(DrillTable::Division, row)) return 3;
    }
    std::printf("appended %d\n", count);
    std::fflush(stdout);
    for (;;) QThread::sleep(1);
}

} // namespace

class TestStoreDurability : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void killedProcessKeepsEveryAppendedRow_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("one row") << 1;
        QTest::newRow("a long run") << 57;
    }

    void killedProcessKeepsEveryAppendedRow()
    {
        QFETCH(int, count);
        QTemporaryDir tmp;
        const QString folder = tmp.path() + u"/kyozai"_s;
        {
            // Rows of an earlier run, which the child's run clears.
            TDataModule1 dm(folder);
            for (int nb = 1; nb <= 3; ++nb) QVERIFY(dm.appendRow(DrillTable::Division, {nb, u"x"_s, 0, 0, u" ×"_s, 0, 0}));
        }

        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(),
                    {QString::fromLatin1(childFlag), folder, QString::number(count)});
        QVERIFY(child.waitForStarted());
        QByteArray said;
        while (!said.contains('\n') && child.waitForReadyRead(30000)) said += child.readAllStandardOutput();
        QCOMPARE(said.trimmed(), QByteArray("appended ") + QByteArray::number(count));

        QCOMPARE(::kill(pid_t(child.processId()), SIGKILL), 0);
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        TDataModule1 dm(folder);
        QVERIFY(dm.requery(DrillTable::Division));
        QCOMPARE(dm.DBISAMQuery2->rowCount(), count);
        for (int r = 0; r < count; ++r) QCOMPARE(dm.DBISAMQuery2->data(dm.DBISAMQuery2->index(r, 0)).toInt(), r + 1);
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], childFlag) == 0)
        return appendRowsAndWait(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());
    TestStoreDurability test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_store_durability.moc"
