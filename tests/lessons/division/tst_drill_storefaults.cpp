// Store faults a home or a school meets, on a real database file under the division drill: the
// file held by another program, a full disk, and a store that takes no answer at all. Each gives
// one box a run, the drill goes on counting, and what was stored stays readable.
#include "data/untDTM.h"
#include "lessons/division/Unit8.h"
#include "tests/support/DrillDriving.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace kazemaru;
using namespace kazemaru::test;

namespace {

const QString goesOn = u"ドリルは このまま つづけられます"_s;

struct Drill {
    QTemporaryDir tmp;
    Harness h;
    TDataModule1 dm;
    TForm8 form;

    explicit Drill(const QString& folder = QString())
        : dm(folder.isEmpty() ? tmp.path() + u"/kyozai"_s : folder)
        , form(&dm, nullptr)
    {
        form.show();
        chooseDrill(form, 1, 0);
        drillButton(form, 3)->click();
    }

    // Answers the posed problem right; `next` first poses a new one.
    void answer(bool next = true)
    {
        if (next) drillButton(form, 4)->click();
        answerDrill(form, test::Probe::problem(form).quotient(), test::Probe::problem(form).remainder());
    }

    // The rows stored, read afresh: their numbers, which must run 1, 2, 3 …
    int storedInOrder()
    {
        if (dm.tryRequery(DrillTable::Division)) return -1;
        QSqlQueryModel* q = dm.DBISAMQuery2;
        for (int r = 0; r < q->rowCount(); ++r)
            if (q->data(q->index(r, 0)).toInt() != r + 1) return -1;
        return q->rowCount();
    }

    void stop() { drillButton(form, 5)->click(); }
    QString note() { return drillText(form, u"StoreNote"_s); }
};

} // namespace

class TestDrillStoreFaults : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void fileHeldByAnotherProgram()
    {
        Drill d;
        d.answer(false);
        d.answer();
        {
            // A second connection, as another program would, holds a write transaction.
            QSqlDatabase other = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"other-program"_s);
            other.setDatabaseName(d.dm.store().filePath());
            QVERIFY(other.open());
            QSqlQuery hold(other);
            QVERIFY(hold.exec(u"BEGIN IMMEDIATE"_s));

            QElapsedTimer waited;
            waited.start();
            d.answer();
            QVERIFY2(waited.elapsed() >= 900 && waited.elapsed() < 5000, qPrintable(QString::number(waited.elapsed())));
            QCOMPARE(d.h.dialogs.size(), size_t(1));
            const QString box = d.h.dialogs[0].text;
            QVERIFY2(box.contains(u"ほかの プログラムが"_s) && box.contains(u"locked"_s) && box.contains(goesOn),
                     qPrintable(box));
            d.answer();
            QCOMPARE(d.h.dialogs.size(), size_t(1)); // one box a run
            QCOMPARE(test::Probe::rightCount(d.form), 4);
            QVERIFY(drillButton(d.form, 4)->isEnabled());
            QCOMPARE(d.storedInOrder(), 2); // readable while the other program writes

            QVERIFY(hold.exec(u"ROLLBACK"_s));
            hold.finish();
            other.close();
        }
        QSqlDatabase::removeDatabase(u"other-program"_s);

        // Once the file is free, the kept answers are written before the next one, in order.
        d.answer();
        QCOMPARE(d.storedInOrder(), 5);
        d.stop();
        QCOMPARE(d.note(), QString());
        QCOMPARE(d.h.dialogs.size(), size_t(1));
    }

    void diskFull()
    {
        Drill d;
        d.answer(false);
        d.answer();
        // The database may not grow by a page: the disk is full once the table's page is.
        QSqlQuery q(d.dm.store().database());
        QVERIFY(q.exec(u"PRAGMA page_count"_s) && q.next());
        QVERIFY(q.exec(u"PRAGMA max_page_count=%1"_s.arg(q.value(0).toInt())));
        q.finish();
        while (d.h.dialogs.empty() && test::Probe::problemCounter(d.form) < 500)
            d.answer();
        QCOMPARE(d.h.dialogs.size(), size_t(1));
        QVERIFY2(d.h.dialogs[0].text.contains(u"ディスクが いっぱいです"_s) && d.h.dialogs[0].text.contains(u"full"_s),
                 qPrintable(d.h.dialogs[0].text));
        const int stored = test::Probe::problemCounter(d.form) - 1;
        QVERIFY(stored > 2);

        d.answer();
        d.answer();
        QCOMPARE(d.h.dialogs.size(), size_t(1));
        QCOMPARE(test::Probe::rightCount(d.form), stored + 3);
        QCOMPARE(d.storedInOrder(), stored);
        d.stop();
        QCOMPARE(drillText(d.form, u"Label7"_s), u"せいせき： 100 てん"_s);
        QCOMPARE(d.note(), u"※ 3もんの こたえは きろくできませんでした。"_s);
    }

    void storeTakesNoAnswer()
    {
        QTemporaryDir tmp;
        const QString blocker = tmp.path() + u"/blocker"_s;
        QVERIFY(makeBlockingFile(blocker));
        Drill d(blocker + u"/kyozai"_s); // its table cannot even be cleared
        for (int n = 1; n <= 4; ++n)
            d.answer(n > 1);
        d.stop();
        QCOMPARE(d.h.dialogs.size(), size_t(1));
        QVERIFY2(d.h.dialogs[0].text.contains(u"ひらけません"_s) && d.h.dialogs[0].text.contains(goesOn),
                 qPrintable(d.h.dialogs[0].text));
        QCOMPARE(test::Probe::rightCount(d.form), 4);
        QCOMPARE(d.note(), u"※ 4もんの こたえは きろくできませんでした。"_s);

        drillButton(d.form, 3)->click(); // a new run tells once more
        QCOMPARE(d.h.dialogs.size(), size_t(2));
        QCOMPARE(d.note(), QString());
    }
};

QTEST_MAIN(TestDrillStoreFaults)
#include "tst_drill_storefaults.moc"
