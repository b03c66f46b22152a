// The drill result store: the two tables, their live queries, the result grids, and what a
// broken database does to them.
#include "data/untDTM.h"
#include "tests/support/TestSupport.h"

#include <QFile>
#include <QHeaderView>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace kazemaru;

namespace {

QVariantList divisionRow(int nb, int dividend, int divisor, int enteredQ, int enteredR)
{
    const int q = dividend / divisor, r = dividend % divisor;
    const bool right = q == enteredQ && r == enteredR;
    return {nb, u"　%1 ÷ %2"_s.arg(dividend).arg(divisor), q, enteredQ, right ? u" ○"_s : u" ×"_s, r, enteredR};
}

QVariantList decimalRow(int nb)
{
    return {nb, u"　1.2 + 3.4"_s, u"　4.6"_s, u"　4.6"_s, u"　○"_s};
}

QList<QVariantList> rows(QSqlQueryModel* model)
{
    QList<QVariantList> out;
    for (int r = 0; r < model->rowCount(); ++r) {
        QVariantList row;
        for (int c = 0; c < model->columnCount(); ++c)
            row << model->data(model->index(r, c));
        out << row;
    }
    return out;
}

QList<QVariantList> stored(const QString& folder, DrillTable t)
{
    TDataModule1 dm(folder);
    if (dm.tryRequery(t)) return {};
    return rows(dm.query(t));
}

// SQLite gives integers back as 64-bit numbers; compare values, not types.
bool sameRow(const QVariantList& got, const QVariantList& want)
{
    if (got.size() != want.size()) return false;
    for (qsizetype i = 0; i < got.size(); ++i)
        if (got[i].toString() != want[i].toString()) return false;
    return true;
}

} // namespace

class TestDataModule : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void constructionTouchesNothing()
    {
        QTemporaryDir tmp;
        const QString folder = tmp.path() + u"/kyozai"_s;
        TDataModule1 dm(folder);
        QVERIFY(!QFileInfo::exists(folder));
        QVERIFY(!test::Probe::isQueryOpen(dm, DrillTable::Division) &&
                !test::Probe::isQueryOpen(dm, DrillTable::Decimal));
        QCOMPARE(dm.DBISAMQuery2->columnCount(), 0);

        // The first use creates the folder, the file and both tables, fields in their order.
        test::Harness h;
        QVERIFY(!dm.tryRequery(DrillTable::Decimal));
        QVERIFY(QFileInfo::exists(folder + u"/kyozai.sqlite3"_s));
        QVERIFY(test::Probe::isQueryOpen(dm, DrillTable::Decimal) &&
                !test::Probe::isQueryOpen(dm, DrillTable::Division));
        QVERIFY(!dm.tryRequery(DrillTable::Division));
        QStringList fields;
        for (int i = 0; i < dm.DBISAMQuery2->record().count(); ++i)
            fields << dm.DBISAMQuery2->record().fieldName(i);
        QCOMPARE(fields, QStringList({u"NB"_s, u"MND"_s, u"KAI"_s, u"KOT"_s, u"HNT"_s, u"AMS"_s, u"AMI"_s}));
        QCOMPARE(dm.DBISAMQuery4->record().count(), 5);
        QVERIFY(h.dialogs.empty());
    }

    void clearAndAppend()
    {
        test::Harness h;
        QTemporaryDir tmp;
        TDataModule1 dm(tmp.path() + u"/kyozai"_s);

        // Clearing an empty table does nothing and leaves the result empty.
        QVERIFY(!dm.tryClear(DrillTable::Division));
        QCOMPARE(dm.DBISAMQuery2->rowCount(), 0);
        QVERIFY(test::Probe::isQueryOpen(dm, DrillTable::Division));

        for (int i = 1; i <= 3; ++i)
            QVERIFY(!dm.tryAppendRow(DrillTable::Division, divisionRow(i, 76, 23, 3, 7)));
        QCOMPARE(dm.DBISAMQuery2->rowCount(), 3); // the query shows each row as soon as it is appended

        // A new run: clear, then one answer gives exactly that one row.
        QVERIFY(!dm.tryClear(DrillTable::Division));
        QCOMPARE(dm.DBISAMQuery2->rowCount(), 0);
        const QVariantList row = divisionRow(1, 997, 2, 498, 1);
        QVERIFY(!dm.tryAppendRow(DrillTable::Division, row));
        QCOMPARE(dm.DBISAMQuery2->rowCount(), 1);
        QVERIFY(sameRow(rows(dm.DBISAMQuery2).first(), row));
        QCOMPARE(dm.DBISAMQuery2->data(dm.DBISAMQuery2->index(0, 4)).toString(), u" ○"_s);
        QVERIFY(h.dialogs.empty());
    }

    void oneDrillLeavesTheOtherTableAlone()
    {
        test::Harness h;
        QTemporaryDir tmp;
        TDataModule1 dm(tmp.path() + u"/kyozai"_s);
        QVERIFY(!dm.tryAppendRow(DrillTable::Decimal, decimalRow(1)));
        QVERIFY(!dm.tryAppendRow(DrillTable::Decimal, decimalRow(2)));
        QVERIFY(!dm.tryClear(DrillTable::Division));
        QVERIFY(!dm.tryAppendRow(DrillTable::Division, divisionRow(1, 50, 7, 7, 1)));
        QVERIFY(!dm.tryRequery(DrillTable::Decimal));
        QCOMPARE(dm.DBISAMQuery4->rowCount(), 2);
        QVERIFY(!dm.tryClear(DrillTable::Decimal));
        QVERIFY(!dm.tryRequery(DrillTable::Division));
        QCOMPARE(dm.DBISAMQuery2->rowCount(), 1);
    }

    void rowsSurviveARestart()
    {
        test::Harness h;
        QTemporaryDir tmp;
        const QString folder = tmp.path() + u"/kyozai"_s;
        QList<QVariantList> written;
        {
            TDataModule1 dm(folder);
            QVERIFY(!dm.tryClear(DrillTable::Division));
            for (int i = 1; i <= 5; ++i) {
                written << divisionRow(i, 100 + i * 37, 3 + i, i, 0);
                QVERIFY(!dm.tryAppendRow(DrillTable::Division, written.last()));
            }

            // Another data module on the same folder, alive at the same time, sees the rows too.
            TDataModule1 other(folder);
            QVERIFY(!other.tryRequery(DrillTable::Division));
            QCOMPARE(other.DBISAMQuery2->rowCount(), 5);
        }
        const QList<QVariantList> back = stored(folder, DrillTable::Division);
        QCOMPARE(back.size(), written.size());
        for (qsizetype i = 0; i < back.size(); ++i)
            QVERIFY2(sameRow(back[i], written[i]), qPrintable(QString::number(i)));
        QVERIFY(h.dialogs.empty());
    }

    void gridShowsColumnsInOrder_data()
    {
        QTest::addColumn<int>("table");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QList<int>>("widths");
        QTest::newRow("dorill") << int(DrillTable::Division)
                                << QStringList{u"Ｎｏ"_s, u"もんだい"_s, u"答え（正）"_s, u"あまり（正）"_s,
                                               u"答え"_s, u"あまり"_s,   u"○×"_s}
                                << QStringList{u"NB"_s, u"MND"_s, u"KAI"_s, u"AMS"_s, u"KOT"_s, u"AMI"_s, u"HNT"_s}
                                << QList<int>{40, 140, 90, 90, 90, 90, 40};
        QTest::newRow("dorills") << int(DrillTable::Decimal)
                                 << QStringList{u"Ｎｏ"_s, u"もんだい"_s, u"答え（正）"_s, u"答え（入力）"_s, u"○×"_s}
                                 << QStringList{u"NB"_s, u"MND"_s, u"KAI"_s, u"KOT"_s, u"HNT"_s}
                                 << QList<int>{40, 140, 90, 90, 90};
    }

    void gridShowsColumnsInOrder()
    {
        QFETCH(int, table);
        QFETCH(QStringList, titles);
        QFETCH(QStringList, fields);
        QFETCH(QList<int>, widths);
        const auto t = DrillTable(table);
        test::Harness h;
        QTemporaryDir tmp;
        TDataModule1 dm(tmp.path() + u"/kyozai"_s);
        QTableView view;
        dm.bindGrid(&view, t); // bound while the query is still closed
        QVERIFY(view.styleSheet().contains(u"#FFFBF0"_s, Qt::CaseInsensitive));
        QVERIFY(!dm.tryClear(t));
        const QList<int> order = {3, 1, 2};
        for (int nb : order)
            QVERIFY(!dm.tryAppendRow(t, t == DrillTable::Division ? divisionRow(nb, 9 + nb, 2, 0, 0) : decimalRow(nb)));

        QSqlQueryModel* model = dm.query(t);
        QHeaderView* header = view.horizontalHeader();
        QCOMPARE(header->count(), titles.size());
        for (int visual = 0; visual < titles.size(); ++visual) {
            const int logical = header->logicalIndex(visual);
            QCOMPARE(model->record().fieldName(logical), fields[visual]);
            QCOMPARE(model->headerData(logical, Qt::Horizontal).toString(), titles[visual]);
            QCOMPARE(model->headerData(logical, Qt::Horizontal, Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
            QCOMPARE(view.columnWidth(logical), widths[visual]);
        }
        // Rows come back in the order they were appended.
        for (int r = 0; r < order.size(); ++r)
            QCOMPARE(model->data(model->index(r, 0)).toInt(), order[r]);
    }

    void folderThatCannotBeCreated()
    {
        test::Harness h;
        QTemporaryDir tmp;
        const QString blocker = tmp.path() + u"/blocker"_s;
        QVERIFY(test::makeBlockingFile(blocker));
        TDataModule1 dm(blocker + u"/kyozai"_s);

        const StoreError cleared = dm.tryClear(DrillTable::Division);
        const StoreError appended = dm.tryAppendRow(DrillTable::Division, divisionRow(1, 20, 3, 6, 2));
        QVERIFY(cleared && appended);
        QVERIFY2(cleared->contains(u"Not a directory"_s) && cleared->contains(blocker), qPrintable(*cleared));
        QVERIFY(appended->contains(u"dorill"_s));

        // Once the way is free, the next call tries again and succeeds.
        QVERIFY(QFile::remove(blocker));
        QVERIFY(!dm.tryAppendRow(DrillTable::Division, divisionRow(1, 20, 3, 6, 2)));
        QCOMPARE(dm.DBISAMQuery2->rowCount(), 1);
        QVERIFY(h.dialogs.empty());
    }

    // The screens ask with the try… operations: they get the message and no box opens.
    void failuresAreReturnedNotShown()
    {
        test::Harness h;
        QTemporaryDir tmp;
        const QString blocker = tmp.path() + u"/blocker"_s;
        QVERIFY(test::makeBlockingFile(blocker));
        TDataModule1 dm(blocker + u"/kyozai"_s);
        const StoreError cleared = dm.tryClear(DrillTable::Decimal);
        QVERIFY(cleared && cleared->contains(u"dorills"_s) && cleared->contains(u"Not a directory"_s));
        QVERIFY(dm.tryAppendRow(DrillTable::Decimal, decimalRow(1)));
        QVERIFY(h.dialogs.empty());
        QVERIFY(QFile::remove(blocker));
        QVERIFY(!dm.tryAppendRow(DrillTable::Decimal, decimalRow(1)));
        QVERIFY(!dm.tryRequery(DrillTable::Decimal) && dm.DBISAMQuery4->rowCount() == 1);
    }

    void readOnlyDatabaseFile()
    {
        test::Harness h;
        QTemporaryDir tmp;
        const QString folder = tmp.path() + u"/kyozai"_s;
        {
            TDataModule1 dm(folder);
            QVERIFY(!dm.tryAppendRow(DrillTable::Division, divisionRow(1, 30, 4, 7, 2)));
            QVERIFY(!dm.tryAppendRow(DrillTable::Division, divisionRow(2, 31, 4, 7, 3)));
        }
        {
            // The tests run as root, where a file mode does not stop writing: open it read-only.
            TDataModule1 dm(folder);
            dm.store().setConnectOptions(u"QSQLITE_OPEN_READONLY"_s);
            const StoreError cleared = dm.tryClear(DrillTable::Division);
            const StoreError appended = dm.tryAppendRow(DrillTable::Division, divisionRow(1, 40, 4, 10, 0));
            QVERIFY(cleared && appended);
            QVERIFY2(cleared->contains(u"readonly"_s), qPrintable(*cleared));
            QVERIFY(cleared->contains(u"消せませんでした"_s));
            QVERIFY(cleared->contains(u"書きこむことが ゆるされていません"_s)); // said for a parent
            QVERIFY(appended->contains(u"書きこめませんでした"_s));
            // The run history is told the same way.
            DrillRunRecord run;
            run.started = h.now;
            run.drill = 8;
            const StoreError recorded = dm.tryRecordRun(run);
            QVERIFY(recorded && recorded->contains(u"drill_runs"_s) && recorded->contains(u"書きこめませんでした"_s));
            QVERIFY2(recorded->contains(u"書きこむことが ゆるされていません"_s), qPrintable(*recorded));
            QVERIFY(h.dialogs.empty());
            QVERIFY(!dm.tryRequery(DrillTable::Division)); // reading still works
            QCOMPARE(dm.DBISAMQuery2->rowCount(), 2);
        }
        QCOMPARE(stored(folder, DrillTable::Division).size(), 2); // nothing stored was lost
    }

    void garbageWhereTheDatabaseShouldBe()
    {
        test::Harness h;
        QTemporaryDir tmp;
        const QString folder = tmp.path() + u"/kyozai"_s;
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + u"/kyozai.sqlite3"_s;
        const QByteArray garbage = QByteArray("this is no database, just a child's drawing\n").repeated(100);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(garbage);
        file.close();

        TDataModule1 dm(folder);
        QList<DrillRunRecord> runs;
        const StoreError errors[] = {dm.tryRequery(DrillTable::Division), dm.tryClear(DrillTable::Division),
                                     dm.tryAppendRow(DrillTable::Division, divisionRow(1, 20, 3, 6, 2)),
                                     dm.tryReadRuns(8, 1, runs)};
        for (const StoreError& e : errors)
            QVERIFY2(e && e->contains(u"not a database"_s) && e->contains(u"こわれているか"_s),
                     qPrintable(e.value_or(QString())));
        QVERIFY(h.dialogs.empty());
        QVERIFY(!test::Probe::isQueryOpen(dm, DrillTable::Division));

        // The file is left exactly as it was: the store never overwrites what it cannot read.
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), garbage);
        file.close();

        // Without the bad file the next call starts a fresh database.
        QVERIFY(QFile::remove(path));
        QVERIFY(!dm.tryAppendRow(DrillTable::Division, divisionRow(1, 20, 3, 6, 2)));
    }
};

QTEST_MAIN(TestDataModule)
#include "tst_untdtm.moc"
