// What a class computer owes the class server, on the database kyozai: a database of the
// learning record's first design upgraded with every row kept and waiting to be sent, rows marked
// sent or refused (and refused ones waiting again), the unused first child kept off the roster,
// and the roster kept for the child picker, merged with this computer's children.
#include "data/ClassQueue.h"
#include "data/ClassRoster.h"
#include "data/DrillHistory.h"
#include "data/KyozaiSchema.h"
#include "data/untDTM.h"
#include "tests/support/RecordFiles.h"
#include "tests/support/TestSupport.h"

#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace kazemaru;
using namespace kazemaru::test;

namespace {

// A writable copy of the database made by the learning record's first design (its README: three
// children, 24 answers, 3 drill runs, nothing sent).
QString copyVersion1(const QString& folder)
{
    QDir().mkpath(folder);
    const QString path = folder + u"/kyozai.sqlite3"_s;
    if (!QFile::copy(QStringLiteral(KAZEMARU_SOURCE_DIR "/tests/fixtures/kyozai-v1/kyozai.sqlite3"), path))
        qFatal("cannot copy the fixture");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

// The sender's own view of a database folder.
struct Queue {
    TableStore store;
    ClassQueue queue{store};
    explicit Queue(const QString& folder)
        : store(folder, {answersTable(), drillHistoryTable(), childrenTable(), rosterTable()}, kyozaiUpgrades())
    {
    }
};

QStringList namesOf(const QList<ChildProfile>& children)
{
    QStringList names;
    for (const ChildProfile& c : children)
        names << c.name;
    return names;
}

template <typename Row> QStringList uidsOf(const QList<Row>& rows)
{
    QStringList uids;
    for (const Row& r : rows)
        uids << r.uid;
    return uids;
}

const QString answerFields = u"uid, child_uid, answered_at, lesson, sub_topic, kind, problem, given, expected, "
                             u"correct, seconds, attempt, sent"_s;

} // namespace

class TestClassQueue : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void versionOneIsUpgradedWithEveryRowWaitingOnce()
    {
        QTemporaryDir tmp;
        const QString path = copyVersion1(tmp.path());
        QList<QStringList> answers, runs, children;
        {
            RawFile before(path);
            QCOMPARE(before.value(u"PRAGMA user_version"_s), u"1"_s);
            answers = before.rows(u"SELECT %1 FROM answers ORDER BY rowid"_s.arg(answerFields));
            runs = before.rows(u"SELECT * FROM drill_runs ORDER BY rowid"_s);
            children = before.rows(u"SELECT * FROM children ORDER BY rowid"_s);
        }
        QCOMPARE(answers.size(), 24);
        QCOMPARE(runs.size(), 3);
        QCOMPARE(children.size(), 3);

        Queue q(tmp.path());
        QList<ChildProfile> waitingChildren;
        QVERIFY(!q.queue.tryReadChildren(waitingChildren));
        // The first child answered, so it goes on the roster with the others, in their order.
        QCOMPARE(namesOf(waitingChildren), (QStringList{u"こども１"_s, u"はなこ"_s, u"O'Brien\\ゆう"_s}));

        QList<AnswerRecord> read;
        QVERIFY(!q.queue.tryReadAnswers(500, read));
        QCOMPARE(read.size(), 24);
        QSet<QString> before;
        for (const QStringList& a : answers)
            before.insert(a[0]);
        const QStringList readUids = uidsOf(read);
        QCOMPARE(QSet<QString>(readUids.cbegin(), readUids.cend()), before);
        for (qsizetype i = 1; i < read.size(); ++i)
            QVERIFY(read[i - 1].answeredAt <= read[i].answeredAt);
        QList<AnswerRecord> oldest;
        QVERIFY(!q.queue.tryReadAnswers(5, oldest));
        QCOMPARE(uidsOf(oldest), uidsOf(read).mid(0, 5));
        QList<DrillRunRecord> readRuns;
        QVERIFY(!q.queue.tryReadRuns(500, readRuns));
        QCOMPARE(readRuns.size(), 3);
        for (qsizetype i = 1; i < readRuns.size(); ++i)
            QVERIFY(readRuns[i - 1].started <= readRuns[i].started);
        // A batch holds the oldest rows up to its limit, never one more.
        for (const auto& [limit, size] : {std::pair{1, 1}, {2, 2}, {3, 3}, {4, 3}}) {
            QList<DrillRunRecord> batch;
            QVERIFY(!q.queue.tryReadRuns(limit, batch));
            QCOMPARE(uidsOf(batch), uidsOf(readRuns).mid(0, size));
        }
        for (const auto& [limit, size] : {std::pair{1, 1}, {23, 23}, {24, 24}, {25, 24}}) {
            QVERIFY(!q.queue.tryReadAnswers(limit, oldest));
            QCOMPARE(uidsOf(oldest), uidsOf(read).mid(0, size));
        }
        QueueCounts counts;
        QVERIFY(!q.queue.tryCount(counts));
        QCOMPARE(counts.waiting, 27);
        QCOMPARE(counts.refused, 0);

        RawFile after(path);
        QCOMPARE(after.value(u"PRAGMA user_version"_s), u"2"_s);
        QCOMPARE(after.rows(u"SELECT %1 FROM answers ORDER BY rowid"_s.arg(answerFields)), answers);
        QCOMPARE(after.value(u"SELECT count(*) FROM answers WHERE refused IS NOT NULL"_s), u"0"_s);
        QCOMPARE(after.rows(u"SELECT * FROM drill_runs ORDER BY rowid"_s).size(), 3);
        for (const QStringList& run : after.rows(u"SELECT * FROM drill_runs ORDER BY rowid"_s))
            QCOMPARE(run.last(), u"<null>"_s); // refused: nothing yet
        QCOMPARE(after.columns(u"class_roster"_s),
                 (QStringList{u"class_code"_s, u"uid"_s, u"name"_s, u"colour"_s, u"position"_s}));
        QCOMPARE(after.value(u"SELECT count(*) FROM class_roster"_s), u"0"_s);
    }

    void sentAndRefusedRowsWaitNoMoreUntilRefusedOnesAreTriedAgain()
    {
        QTemporaryDir tmp;
        const QString path = copyVersion1(tmp.path());
        Queue q(tmp.path());
        QList<AnswerRecord> all;
        QVERIFY(!q.queue.tryReadAnswers(500, all));
        const QStringList uids = uidsOf(all);
        QVERIFY(!q.queue.tryMarkSent(QueueTable::Answers, uids.mid(0, 10), 1780000000));
        const QString reason = u"new row for relation \"answers\" violates check constraint \"answers_seconds\""_s;
        QVERIFY(!q.queue.tryMarkRefused(QueueTable::Answers, uids.mid(10, 2), reason));

        QList<AnswerRecord> rest;
        QVERIFY(!q.queue.tryReadAnswers(500, rest));
        QCOMPARE(uidsOf(rest), uids.mid(12));
        QueueCounts counts;
        QVERIFY(!q.queue.tryCount(counts));
        QCOMPARE(counts.waiting, 12 + 3);
        QCOMPARE(counts.refused, 2);
        {
            RawFile file(path);
            QCOMPARE(file.value(u"SELECT count(*) FROM answers WHERE sent = 1780000000"_s), u"10"_s);
            QCOMPARE(file.rows(u"SELECT uid, refused FROM answers WHERE refused IS NOT NULL ORDER BY answered_at"_s),
                     (QList<QStringList>{{uids[10], reason}, {uids[11], reason}}));
        }

        QList<DrillRunRecord> runs;
        QVERIFY(!q.queue.tryReadRuns(500, runs));
        QVERIFY(!q.queue.tryMarkSent(QueueTable::Runs, uidsOf(runs), 1780000000));
        QVERIFY(!q.queue.tryReadRuns(500, runs));
        QVERIFY(runs.isEmpty());

        QVERIFY(!q.queue.tryRetryRefused());
        QVERIFY(!q.queue.tryReadAnswers(500, rest));
        QCOMPARE(uidsOf(rest), uids.mid(10));
        QVERIFY(!q.queue.tryCount(counts));
        QCOMPARE(counts.waiting, 14);
        QCOMPARE(counts.refused, 0);
    }

    void refusedChildrenAndRowsRefusedWithoutAReasonWaitNoMoreUntilTriedAgain()
    {
        QTemporaryDir tmp;
        const QString path = copyVersion1(tmp.path());
        Queue q(tmp.path());
        QList<ChildProfile> children;
        QVERIFY(!q.queue.tryReadChildren(children));
        QCOMPARE(namesOf(children), (QStringList{u"こども１"_s, u"はなこ"_s, u"O'Brien\\ゆう"_s}));
        const QStringList childUids = uidsOf(children);
        QVERIFY(!q.queue.tryMarkSent(QueueTable::Children, {childUids[0]}, 1780000000));
        QVERIFY(!q.queue.tryMarkRefused(QueueTable::Children, {childUids[1]}, u"duplicate key value"_s));
        QVERIFY(!q.queue.tryReadChildren(children));
        QCOMPARE(namesOf(children), QStringList{u"O'Brien\\ゆう"_s});

        // A refusal the server gave no words for still keeps the rows out of the queue.
        QList<AnswerRecord> all;
        QVERIFY(!q.queue.tryReadAnswers(500, all));
        const QStringList uids = uidsOf(all);
        QVERIFY(!q.queue.tryMarkRefused(QueueTable::Answers, {uids[0]}, QString()));
        QVERIFY(!q.queue.tryMarkRefused(QueueTable::Answers, {uids[1]}, u""_s));
        QList<AnswerRecord> rest;
        QVERIFY(!q.queue.tryReadAnswers(500, rest));
        QCOMPARE(uidsOf(rest), uids.mid(2));
        QueueCounts counts;
        QVERIFY(!q.queue.tryCount(counts));
        QCOMPARE(counts.waiting, 22 + 3);
        QCOMPARE(counts.refused, 3);
        {
            RawFile file(path);
            QCOMPARE(file.rows(u"SELECT name, sent, refused FROM children ORDER BY position"_s),
                     (QList<QStringList>{{u"こども１"_s, u"1780000000"_s, u"<null>"_s},
                                         {u"はなこ"_s, u"<null>"_s, u"duplicate key value"_s},
                                         {u"O'Brien\\ゆう"_s, u"<null>"_s, u"<null>"_s}}));
            QCOMPARE(file.rows(u"SELECT uid, refused FROM answers WHERE refused IS NOT NULL ORDER BY answered_at"_s),
                     (QList<QStringList>{{uids[0], u"?"_s}, {uids[1], u"?"_s}}));
        }

        // Tried again: the refused child and answers wait again, the child sent does not.
        QVERIFY(!q.queue.tryRetryRefused());
        QVERIFY(!q.queue.tryReadChildren(children));
        QCOMPARE(namesOf(children), (QStringList{u"はなこ"_s, u"O'Brien\\ゆう"_s}));
        QVERIFY(!q.queue.tryReadAnswers(500, rest));
        QCOMPARE(uidsOf(rest), uids);
        QVERIFY(!q.queue.tryCount(counts));
        QCOMPARE(counts.waiting, 24 + 3);
        QCOMPARE(counts.refused, 0);
    }

    void eachClassKeepsItsOwnRosterWhole()
    {
        QTemporaryDir tmp;
        Queue q(tmp.path());
        ClassRoster roster(q.store);
        const ChildProfile aoi{u"00000000-0000-4000-8000-000000000001"_s, u"あおい"_s, 2};
        const ChildProfile ken{u"00000000-0000-4000-8000-000000000002"_s, u"ケン"_s, 3};
        const ChildProfile yui{u"00000000-0000-4000-8000-000000000003"_s, u"ゆい"_s, 1};
        const ChildProfile mio{u"00000000-0000-4000-8000-000000000004"_s, u"みお"_s, 0};
        const auto read = [&](const QString& classCode) {
            QList<ChildProfile> kept;
            if (roster.tryRead(classCode, kept)) return QStringList{u"(error)"_s};
            QStringList out;
            for (const ChildProfile& c : kept)
                out << c.name + u':' + QString::number(c.colour);
            return out;
        };
        bool changed = false;
        // A child on two classes' rosters (a shared computer) is on both.
        QVERIFY(!roster.tryKeep(u"4-1"_s, {aoi, ken}, changed));
        QVERIFY(!roster.tryKeep(u"4-2"_s, {ken, yui}, changed));
        QVERIFY(changed);
        QCOMPARE(read(u"4-1"_s), (QStringList{u"あおい:2"_s, u"ケン:3"_s}));
        QCOMPARE(read(u"4-2"_s), (QStringList{u"ケン:3"_s, u"ゆい:1"_s}));

        // A new roster replaces the class's kept one whole: who left is gone, in the new order.
        QVERIFY(!roster.tryKeep(u"4-1"_s, {mio, ken}, changed));
        QVERIFY(changed);
        QCOMPARE(read(u"4-1"_s), (QStringList{u"みお:0"_s, u"ケン:3"_s}));
        QCOMPARE(read(u"4-2"_s), (QStringList{u"ケン:3"_s, u"ゆい:1"_s}));
        ChildProfile recoloured = mio;
        recoloured.colour = 4;
        QVERIFY(!roster.tryKeep(u"4-1"_s, {recoloured, ken}, changed));
        QVERIFY(changed);
        QCOMPARE(read(u"4-1"_s), (QStringList{u"みお:4"_s, u"ケン:3"_s}));
    }

    void rosterIsKeptAndMergedWithThisComputersChildren()
    {
        Harness h;
        QTemporaryDir tmp;
        TDataModule1 dm(tmp.path());
        LearningRecordStore& record = dm.learningRecord();
        QList<ChildProfile> local;
        QVERIFY(!record.tryReadChildren(local));
        QCOMPARE(namesOf(local), QStringList{u"こども１"_s});
        const QString starter = local[0].uid;

        Queue q(tmp.path());
        QList<ChildProfile> waiting;
        QVERIFY(!q.queue.tryReadChildren(waiting));
        QVERIFY(waiting.isEmpty()); // nobody used the first child: the roster does not get it

        ClassRoster roster(dm.store());
        const ChildProfile aoi{u"00000000-0000-4000-8000-000000000001"_s, u"あおい"_s, 2};
        const ChildProfile ken{u"00000000-0000-4000-8000-000000000002"_s, u"O'Neil\\\"ケン"_s, 3};
        bool changed = false;
        QVERIFY(!roster.tryKeep(u"4-1"_s, {aoi, ken}, changed));
        QVERIFY(changed);
        QVERIFY(!roster.tryKeep(u"4-1"_s, {aoi, ken}, changed));
        QVERIFY(!changed);
        QList<ChildProfile> kept;
        QVERIFY(!roster.tryRead(u"4-1"_s, kept));
        QCOMPARE(namesOf(kept), (QStringList{u"あおい"_s, u"O'Neil\\\"ケン"_s}));

        // With a roster the unused first child gives way; another class's roster is its own.
        QList<ChildProfile> pickable;
        QVERIFY(!roster.tryReadPickable(u"4-1"_s, pickable));
        QCOMPARE(namesOf(pickable), (QStringList{u"あおい"_s, u"O'Neil\\\"ケン"_s}));
        QVERIFY(!roster.tryReadPickable(u"4-2"_s, pickable));
        QCOMPARE(namesOf(pickable), QStringList{u"こども１"_s});

        // A roster child chosen here studies here under the same id, once, and is not sent back.
        QVERIFY(!roster.tryAdopt(u"4-1"_s, ken.uid));
        QVERIFY(!roster.tryAdopt(u"4-1"_s, ken.uid));
        QVERIFY(!record.tryReadChildren(local));
        QCOMPARE(namesOf(local), (QStringList{u"こども１"_s, u"O'Neil\\\"ケン"_s}));
        QCOMPARE(local[1].uid, ken.uid);
        QCOMPARE(local[1].colour, 3);
        QVERIFY(!q.queue.tryReadChildren(waiting));
        QVERIFY(waiting.isEmpty());

        // A child added here is sent, and listed after the roster.
        ChildProfile miki;
        QVERIFY(!record.tryAddChild(u"みき"_s, 1, miki));
        QVERIFY(!q.queue.tryReadChildren(waiting));
        QCOMPARE(uidsOf(waiting), QStringList{miki.uid});
        QVERIFY(!roster.tryReadPickable(u"4-1"_s, pickable));
        QCOMPARE(namesOf(pickable), (QStringList{u"あおい"_s, u"O'Neil\\\"ケン"_s, u"みき"_s}));
        QVERIFY(!uidsOf(pickable).contains(starter));
    }

    void pickableChildrenPutTheRosterFirstAndThisComputersNamesOverIt()
    {
        const ChildProfile r1{u"r1"_s, u"ろすた"_s, 1}, r2{u"r2"_s, u"にばん"_s, 2};
        const ChildProfile here2{u"r2"_s, u"ここの なまえ"_s, 4}, mine{u"m"_s, u"みき"_s, 0},
            starter{u"s"_s, u"こども１"_s, 0};
        const auto pick = [](const QList<ChildProfile>& local, const QStringList& unused,
                             const QList<ChildProfile>& roster) {
            QStringList out;
            for (const ChildProfile& c : pickableChildren(local, unused, roster))
                out << c.uid + u':' + c.name + u':' + QString::number(c.colour);
            return out;
        };
        QCOMPARE(pick({starter, here2, mine}, {u"s"_s}, {r1, r2}),
                 (QStringList{u"r1:ろすた:1"_s, u"r2:ここの なまえ:4"_s, u"m:みき:0"_s}));
        // Without a roster: this computer's children as they are, the first child too.
        QCOMPARE(pick({starter, mine}, {u"s"_s}, {}), (QStringList{u"s:こども１:0"_s, u"m:みき:0"_s}));
        // A first child someone used stays.
        QCOMPARE(pick({starter}, {}, {r1}), (QStringList{u"r1:ろすた:1"_s, u"s:こども１:0"_s}));
    }
};

QTEST_GUILESS_MAIN(TestClassQueue)
#include "tst_classqueue.moc"
