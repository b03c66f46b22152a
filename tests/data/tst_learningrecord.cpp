// The learning record in the database file: the upgrade from release 1.1, a new file, the
// children and what the records window reads of their answers, on real database folders.
#include "data/KyozaiSchema.h"
#include "data/untDTM.h"
#include "tests/support/RecordFiles.h"
#include "tests/support/TestSupport.h"

#include <QRegularExpression>
#include <QSet>
#include <QSqlQueryModel>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace kazemaru;
using namespace kazemaru::test;

namespace {

const QString runFields = u"started, drill, sub_topic, places, time_limit, problems, rights, score, seconds, ending"_s;

QList<ChildProfile> childrenOf(TDataModule1& dm)
{
    QList<ChildProfile> children;
    if (dm.learningRecord().tryReadChildren(children)) qFatal("children unreadable");
    return children;
}

// An answer of `child` at `at`, stored the way the recorder stores it.
void store(TDataModule1& dm, const QString& child, int lesson, int subTopic, bool right, const QDateTime& at)
{
    AnswerRecord a;
    a.uid = newRowUid();
    a.childUid = child;
    a.answeredAt = at;
    a.lesson = lesson;
    a.subTopic = subTopic;
    a.problem = u"%1 ÷ 7"_s.arg(lesson * 100 + subTopic);
    a.given = right ? u"1"_s : u"2"_s;
    a.expected = u"1"_s;
    a.right = right;
    a.seconds = 3.5;
    if (!dm.store().append(u"answers"_s, LearningRecordStore::answerRow(a)))
        qFatal("%s", qPrintable(dm.store().lastError()));
}

} // namespace

class TestLearningRecord : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void theUpgradeFromRelease11KeepsEveryRow()
    {
        QTemporaryDir tmp;
        const QString path = copyReleaseFixture(tmp.path() + u"/kyozai"_s);
        QList<QStringList> division, decimal, runs;
        QStringList divisionColumns, decimalColumns;
        {
            RawFile before(path);
            QCOMPARE(before.value(u"PRAGMA user_version"_s), u"0"_s);
            division = before.rows(u"SELECT * FROM dorill ORDER BY rowid"_s);
            decimal = before.rows(u"SELECT * FROM dorills ORDER BY rowid"_s);
            runs = before.rows(u"SELECT rowid, %1 FROM drill_runs ORDER BY rowid"_s.arg(runFields));
            divisionColumns = before.columns(u"dorill"_s);
            decimalColumns = before.columns(u"dorills"_s);
        }
        // The fixture is what its README says: six division runs, five decimal runs, the last
        // runs' rows in the drill tables.
        QCOMPARE(runs.size(), 11);
        QCOMPARE(division.size(), 3);
        QCOMPARE(decimal.size(), 2);
        QCOMPARE(runs.first().mid(1), (QStringList{u"2026-04-21 16:05:00"_s, u"8"_s, u"1"_s, u"<null>"_s, u"0"_s,
                                                   u"5"_s, u"3"_s, u"60"_s, u"100"_s, u"stop"_s}));

        Harness h;
        {
            TDataModule1 dm(tmp.path() + u"/kyozai"_s);
            const QList<ChildProfile> children = childrenOf(dm);
            QCOMPARE(children.size(), 1);
            QCOMPARE(children[0].name, u"こども１"_s);
            QList<DrillRunRecord> read;
            QVERIFY(!dm.tryReadRuns(12, 2, read, children[0].uid));
            QCOMPARE(read.size(), 2); // every run is the first child's
            for (const DrillRunRecord& r : read) {
                QCOMPARE(r.childUid, children[0].uid);
                QVERIFY(!r.uid.isEmpty() && r.uid != r.childUid);
            }
        }
        RawFile after(path);
        QCOMPARE(after.value(u"PRAGMA user_version"_s), u"2"_s);
        QCOMPARE(after.rows(u"SELECT * FROM dorill ORDER BY rowid"_s), division);
        QCOMPARE(after.rows(u"SELECT * FROM dorills ORDER BY rowid"_s), decimal);
        QCOMPARE(after.columns(u"dorill"_s), divisionColumns);
        QCOMPARE(after.columns(u"dorills"_s), decimalColumns);
        QCOMPARE(after.rows(u"SELECT rowid, %1 FROM drill_runs ORDER BY rowid"_s.arg(runFields)), runs);

        const QString child = after.value(u"SELECT uid FROM children"_s);
        const QRegularExpression uuid(u"^[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}$"_s);
        QVERIFY(uuid.match(child).hasMatch());
        QSet<QString> ids;
        for (const QStringList& run : after.rows(u"SELECT uid, child_uid, sent FROM drill_runs"_s)) {
            QVERIFY2(uuid.match(run[0]).hasMatch(), qPrintable(run[0]));
            ids.insert(run[0]);
            QCOMPARE(run[1], child);
            QCOMPARE(run[2], u"<null>"_s); // not sent anywhere yet
        }
        QCOMPARE(ids.size(), runs.size());
        QCOMPARE(after.rows(u"SELECT count(*) FROM answers"_s), (QList<QStringList>{{u"0"_s}}));
        QVERIFY(h.dialogs.empty());
    }

    void aFailedUpgradeChangesNothing()
    {
        // A table in the way of the upgrade: its one transaction leaves the file as it was.
        QTemporaryDir tmp;
        const QString path = copyReleaseFixture(tmp.path() + u"/kyozai"_s);
        QList<QStringList> runs;
        {
            RawFile file(path);
            QVERIFY(file.exec(u"CREATE TABLE answers (x)"_s));
            runs = file.rows(u"SELECT * FROM drill_runs ORDER BY rowid"_s);
        }
        TDataModule1 dm(tmp.path() + u"/kyozai"_s);
        QList<ChildProfile> children;
        const StoreError error = dm.learningRecord().tryReadChildren(children);
        QVERIFY(error && error->contains(u"schema version 1"_s));
        RawFile after(path);
        QCOMPARE(after.value(u"PRAGMA user_version"_s), u"0"_s);
        QCOMPARE(after.rows(u"SELECT * FROM drill_runs ORDER BY rowid"_s), runs);
        QCOMPARE(after.columns(u"drill_runs"_s).size(), 10);
        QCOMPARE(after.value(u"SELECT count(*) FROM sqlite_master WHERE name = 'children'"_s), u"0"_s);
    }

    void aNewFileIsMadeAsAnUpgradedOne()
    {
        QTemporaryDir tmp;
        copyReleaseFixture(tmp.path() + u"/old"_s);
        for (const QString& name : {u"old"_s, u"new"_s}) {
            TDataModule1 dm(tmp.path() + u'/' + name);
            QCOMPARE(childrenOf(dm).size(), 1);
        }
        const QString design = u"SELECT type, name, tbl_name, sql FROM sqlite_master ORDER BY name"_s;
        RawFile old(tmp.path() + u"/old/kyozai.sqlite3"_s), made(tmp.path() + u"/new/kyozai.sqlite3"_s);
        QCOMPARE(made.rows(design), old.rows(design));
        QCOMPARE(made.value(u"PRAGMA user_version"_s), u"2"_s);
        QCOMPARE(made.value(u"PRAGMA journal_mode"_s), u"wal"_s);
        // The rows not sent yet (nor refused) are found through their own indexes.
        QVERIFY(made.value(u"SELECT sql FROM sqlite_master WHERE name = 'answers_unsent'"_s)
                    .endsWith(u"WHERE sent IS NULL AND refused IS NULL"_s));
        QVERIFY(made.value(u"SELECT sql FROM sqlite_master WHERE name = 'drill_runs_unsent'"_s)
                    .endsWith(u"WHERE sent IS NULL AND refused IS NULL"_s));
    }

    void namesAreCheckedAndStoredAsWritten()
    {
        const QList<ChildProfile> family{{u"a"_s, u"たろう"_s, 0}, {u"b"_s, u"はなこ"_s, 1}};
        QCOMPARE(LearningRecordStore::checkName(u""_s, family), NameCheck::Empty);
        QCOMPARE(LearningRecordStore::checkName(u"　 "_s, family), NameCheck::Empty);
        QCOMPARE(LearningRecordStore::checkName(u"あいうえおかきくけこ"_s, family), NameCheck::Fine);
        QCOMPARE(LearningRecordStore::checkName(u"あいうえおかきくけこさ"_s, family), NameCheck::TooLong);
        // A character outside the basic plane is one character, not two.
        QCOMPARE(LearningRecordStore::checkName(u"𠮷田あいうえおかきく"_s, family), NameCheck::Fine);
        QCOMPARE(LearningRecordStore::checkName(u"𠮷田あいうえおかきくけ"_s, family), NameCheck::TooLong);
        QCOMPARE(LearningRecordStore::checkName(u"はなこ"_s, family), NameCheck::Taken);
        QCOMPARE(LearningRecordStore::checkName(u"はなこ"_s, family, u"b"_s), NameCheck::Fine); // her own name

        QTemporaryDir tmp;
        const QStringList names{u"'; DROP--"_s,    u"O'Brien\\"_s, u"\"たろう\""_s,
                                u"さくら　はな"_s, u"𠮷田"_s,      u"a\\'b\"c,d"_s};
        {
            TDataModule1 dm(tmp.path());
            for (const QString& name : names) {
                ChildProfile added;
                QVERIFY(!dm.learningRecord().tryAddChild(name, 3, added));
                QCOMPARE(added.name, name);
            }
            ChildProfile renamed = childrenOf(dm)[1];
            renamed.name = u"Robert'); DROP TABLE children;--"_s.left(10);
            renamed.colour = 5;
            QVERIFY(!dm.learningRecord().tryUpdateChild(renamed));
        }
        TDataModule1 again(tmp.path());
        const QList<ChildProfile> children = childrenOf(again);
        QCOMPARE(children.size(), 1 + names.size());
        QCOMPARE(children[0].name, u"こども１"_s);
        QCOMPARE(children[1].name, u"Robert'); "_s);
        QCOMPARE(children[1].colour, 5);
        for (int i = 1; i < names.size(); ++i) {
            QCOMPARE(children[i + 1].name, names[i]);
            QCOMPARE(children[i + 1].colour, 3);
        }
    }

    void weakItemsAreTheLowestOverTheLastTwenty()
    {
        Harness h;
        QTemporaryDir tmp;
        TDataModule1 dm(tmp.path());
        const QString child = childrenOf(dm)[0].uid;
        ChildProfile other;
        QVERIFY(!dm.learningRecord().tryAddChild(u"じろう"_s, 1, other));

        // Each item's answers oldest first: true for ○.
        struct Item {
            int lesson, subTopic;
            QList<bool> marks;
        };
        const auto run = [](int n, bool right) { return QList<bool>(n, right); };
        const QList<Item> items{
            {3, 1, run(5, false) + run(20, true)},                   // last 20 all ○: not weak
            {3, 2, run(2, true) + run(12, false) + run(8, true)},    // last 20: 8 ○ = 40 %
            {13, 2, run(4, false)},                                  // too few to say
            {15, 1, run(3, true) + run(3, false)},                   // 3 of 6 = 50 %
            {2, 3, run(4, false) + run(1, true)},                    // 1 of 5 = 20 %
            {8, 1, run(7, true) + run(3, false)},                    // 7 of 10 = 70 %
            {16, 4, run(10, false) + run(2, false) + run(18, true)}, // last 20: 18 ○ = 90 %
            {9, 1, run(4, true) + run(1, false)},                    // 4 of 5 = 80 %
        };
        QDateTime at(QDate(2026, 5, 1), QTime(16, 0));
        QVERIFY(dm.store().database().transaction());
        for (int i = 0; i < 30; ++i) // answered in turns, so that the items' answers interleave
            for (const Item& item : items)
                if (i < item.marks.size())
                    store(dm, child, item.lesson, item.subTopic, item.marks[i], at = at.addSecs(7));
        for (int i = 0; i < 10; ++i)
            store(dm, other.uid, 2, 3, true, at.addSecs(i)); // another child's answers count for her only
        QVERIFY(dm.store().database().commit());

        QList<ItemSummary> summary;
        QVERIFY(!dm.learningRecord().tryReadSummary(child, summary));
        QList<WeakItem> weak;
        QVERIFY(!dm.learningRecord().tryReadWeakItems(child, summary, weak));
        const auto figures = [](const WeakItem& w) { return QList<int>{w.lesson, w.subTopic, w.answers, w.rights}; };
        QList<QList<int>> got;
        for (const WeakItem& w : weak)
            got << figures(w);
        QCOMPARE(got, (QList<QList<int>>{{2, 3, 5, 1}, {3, 2, 20, 8}, {15, 1, 6, 3}, {8, 1, 10, 7}, {9, 1, 5, 4}}));
        QList<ItemSummary> hers;
        QVERIFY(!dm.learningRecord().tryReadSummary(other.uid, hers));
        QVERIFY(!dm.learningRecord().tryReadWeakItems(other.uid, hers, weak));
        QVERIFY(weak.isEmpty());

        QCOMPARE(summary.size(), items.size());
        QCOMPARE(summary[0].lesson, 2); // by lesson and item
        for (const Item& item : items) {
            const auto s = std::find_if(summary.cbegin(), summary.cend(), [&](const ItemSummary& x) {
                return x.lesson == item.lesson && x.subTopic == item.subTopic;
            });
            QVERIFY(s != summary.cend());
            QCOMPARE(s->answers, int(item.marks.size()));
            QCOMPARE(s->rights, int(item.marks.count(true)));
        }
        // The longest item's latest answer is the child's 107th (8 × 4 + 7 + 5 + 4 × 4 + 3 × 12 + 2 × 3 + 5),
        // each 7 seconds after the one before.
        const auto longest =
            std::find_if(summary.cbegin(), summary.cend(), [](const ItemSummary& x) { return x.lesson == 16; });
        QCOMPARE(longest->last, QDateTime(QDate(2026, 5, 1), QTime(16, 12, 29)));
    }
};

QTEST_GUILESS_MAIN(TestLearningRecord)
#include "tst_learningrecord.moc"
