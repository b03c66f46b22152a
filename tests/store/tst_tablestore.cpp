// The table store on its own: what it refuses, and how it keeps its file.
#include "store/TableStore.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace kazemaru;

namespace {

QList<TableDef> tables()
{
    return {{u"t"_s, {{u"A"_s, u"INTEGER"_s}, {u"B"_s, u"TEXT"_s}}}};
}

int count(TableStore& store)
{
    QSqlQuery q(store.database());
    return q.exec(u"SELECT count(*) FROM t"_s) && q.next() ? q.value(0).toInt() : -1;
}

} // namespace

class TestTableStore : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void refusesRowsThatDoNotFit()
    {
        QTemporaryDir tmp;
        TableStore store(tmp.path() + u"/db"_s, tables());
        QVERIFY(store.append(u"t"_s, {1, u"one"_s}));
        QVERIFY(!store.append(u"t"_s, {2}));
        QVERIFY2(store.lastError().contains(u"2 fields"_s), qPrintable(store.lastError()));
        QVERIFY(!store.append(u"t"_s, {2, u"two"_s, 3}));
        QVERIFY(!store.append(u"nosuch"_s, {1, u"x"_s}));
        QVERIFY(!store.clear(u"nosuch"_s));
        QVERIFY(store.lastError().contains(u"nosuch"_s));
        QCOMPARE(count(store), 1);
    }

    void textIsStoredAsGiven()
    {
        // Quotes and statement-like text are values, never part of the statement.
        QTemporaryDir tmp;
        TableStore store(tmp.path() + u"/db"_s, tables());
        const QString text = u"'); DELETE FROM t; --\"　○"_s;
        QVERIFY(store.append(u"t"_s, {1, text}));
        QVERIFY(store.append(u"t"_s, {2, text}));
        QSqlQuery q(store.database());
        QVERIFY(q.exec(u"SELECT B FROM t"_s) && q.next());
        QCOMPARE(q.value(0).toString(), text);
        QCOMPARE(count(store), 2);
    }
};

QTEST_GUILESS_MAIN(TestTableStore)
#include "tst_tablestore.moc"
