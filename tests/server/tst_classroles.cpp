// What the class server's database lets each login do, tried statement by statement as that
// login: a class's login adds rows for its own class and reads its roster, and nothing else; a
// teacher reads their own class and changes nothing.
#include "tests/server/ServerCluster.h"

using namespace Qt::StringLiterals;
using namespace kazemaru;
using namespace kazemaru::test;

class ClassRoles : public QObject {
    Q_OBJECT

    ServerCluster cluster_;
    QSqlDatabase admin_, pupilA_, pupilB_, teacherA_, teacherB_;
    // Made by the administrator for this run: a child of each class, answers and runs.
    QString childA_ = newUid(), childB_ = newUid();
    QStringList answersA_, answersB_, runsA_, runsB_;

    QString answerInsert(const QString& uid, const QString& classCode, const QString& child, bool conflictClause = true)
    {
        return u"INSERT INTO kazemaru.answers (uid, class_code, child_uid, answered_at, lesson, sub_topic, kind, "
               "problem, given, expected, correct, seconds, attempt) VALUES ('%1', '%2', '%3', now(), 3, 1, '', "
               "'84 ÷ 4', '21', '21', true, 2.5, 1)%4"_s.arg(uid, classCode, child,
                                                             conflictClause ? u" ON CONFLICT DO NOTHING"_s : QString());
    }
    QString runInsert(const QString& uid, const QString& classCode, const QString& child)
    {
        return u"INSERT INTO kazemaru.drill_runs (uid, class_code, child_uid, started, drill, sub_topic, places, "
               "time_limit, problems, rights, score, seconds, ending) VALUES ('%1', '%2', '%3', now(), 8, 2, '', 60, "
               "10, 9, 90, 55, 'stop') ON CONFLICT DO NOTHING"_s.arg(uid, classCode, child);
    }
    static QSet<QString> column(QSqlDatabase db, const QString& statement)
    {
        QSet<QString> out;
        QSqlQuery q(db);
        if (!q.exec(statement)) {
            qWarning() << statement << q.lastError().text();
            return {u"<failed>"_s};
        }
        while (q.next())
            out.insert(q.value(0).toString());
        return out;
    }
    QString fill(QString statement) const
    {
        return statement.replace(u"{A}"_s, childA_)
            .replace(u"{B}"_s, childB_)
            .replace(u"{N}"_s, newUid())
            .replace(u"{ANSWER_A}"_s, answersA_[0]);
    }

  private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(cluster_.load());
        admin_ = cluster_.admin(u"admin"_s);
        QVERIFY2(admin_.open(), qPrintable(admin_.lastError().text()));
        const auto open = [&](const char* name, const char* role) {
            QSqlDatabase db = cluster_.login(QString::fromLatin1(name), cluster_[role],
                                             cluster_[(QByteArray(role) + "_PASSWORD").constData()]);
            if (!db.open()) qWarning() << name << db.lastError().text();
            return db;
        };
        pupilA_ = open("pupilA", "PUPIL_A");
        pupilB_ = open("pupilB", "PUPIL_B");
        teacherA_ = open("teacherA", "TEACHER_A");
        teacherB_ = open("teacherB", "TEACHER_B");
        for (const QSqlDatabase& db : {pupilA_, pupilB_, teacherA_, teacherB_})
            QVERIFY(db.isOpen());

        QCOMPARE(
            execState(admin_, u"INSERT INTO kazemaru.pupils (uid, class_code, name) VALUES ('%1', '4-1', 'あきら'), "
                              "('%2', '4-2', 'ぼたん')"_s.arg(childA_, childB_)),
            QString());
        for (int i = 0; i < 3; ++i) {
            answersA_ << newUid();
            QCOMPARE(execState(admin_, answerInsert(answersA_.last(), u"4-1"_s, childA_)), QString());
        }
        for (int i = 0; i < 2; ++i) {
            answersB_ << newUid();
            QCOMPARE(execState(admin_, answerInsert(answersB_.last(), u"4-2"_s, childB_)), QString());
        }
        runsA_ << newUid();
        runsB_ << newUid();
        QCOMPARE(execState(admin_, runInsert(runsA_[0], u"4-1"_s, childA_)), QString());
        QCOMPARE(execState(admin_, runInsert(runsB_[0], u"4-2"_s, childB_)), QString());
    }

    // Each statement fails for lack of the right (SQLSTATE 42501), whether a privilege or a
    // row-level policy says no.
    void forbidden_data()
    {
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("statement");
        const QStringList pupil = {
            u"SELECT * FROM kazemaru.answers"_s,
            u"SELECT count(*) FROM kazemaru.answers WHERE class_code = '4-1'"_s,
            u"SELECT uid FROM kazemaru.answers WHERE uid = '{ANSWER_A}'"_s,
            u"SELECT * FROM kazemaru.drill_runs"_s,
            u"SELECT * FROM kazemaru.class_members"_s,
            u"INSERT INTO kazemaru.pupils (uid, class_code, name) VALUES ('{N}', '4-2', 'よそ')"_s,
            u"INSERT INTO kazemaru.pupils (uid, class_code, name, added) VALUES ('{N}', '4-1', 'いま', now())"_s,
            u"INSERT INTO kazemaru.answers (uid, class_code, child_uid, answered_at, lesson, sub_topic, problem, given, "
            "expected, correct, seconds) VALUES ('{N}', '4-2', '{B}', now(), 3, 1, 'p', 'g', 'e', true, 1)"_s,
            u"INSERT INTO kazemaru.drill_runs (uid, class_code, child_uid, started, drill, sub_topic, time_limit, "
            "problems, rights, score, seconds, ending) VALUES ('{N}', '4-2', '{B}', now(), 8, 1, 0, 1, 1, 100, 3, "
            "'stop')"_s,
            u"UPDATE kazemaru.pupils SET name = 'かえた'"_s,
            u"DELETE FROM kazemaru.pupils"_s,
            u"UPDATE kazemaru.answers SET correct = true"_s,
            u"DELETE FROM kazemaru.answers"_s,
            u"DELETE FROM kazemaru.drill_runs"_s,
            u"TRUNCATE kazemaru.answers"_s,
            u"INSERT INTO kazemaru.class_members VALUES ('class_4_1', '4-2')"_s,
            u"INSERT INTO kazemaru.classes VALUES ('4-9', 'x')"_s,
            u"ALTER TABLE kazemaru.answers DISABLE ROW LEVEL SECURITY"_s,
            u"CREATE TABLE kazemaru.mine (x int)"_s,
            u"CREATE TABLE public.mine (x int)"_s,
            u"SET ROLE kazemaru_owner"_s,
            u"SET ROLE kazemaru_teacher"_s,
            u"SELECT kazemaru.add_class('4-9', 'x', 'class_4_9')"_s,
            u"SELECT kazemaru.give_class('class_4_1', '4-2')"_s,
        };
        for (const QString& s : pupil)
            QTest::addRow("pupil: %s", qPrintable(s.left(60))) << u"pupil"_s << s;
        const QStringList teacher = {
            u"SELECT * FROM kazemaru.class_members"_s,
            u"INSERT INTO kazemaru.pupils (uid, class_code, name) VALUES ('{N}', '4-1', 'せんせい')"_s,
            u"INSERT INTO kazemaru.answers (uid, class_code, child_uid, answered_at, lesson, sub_topic, problem, given, "
            "expected, correct, seconds) VALUES ('{N}', '4-1', '{A}', now(), 3, 1, 'p', 'g', 'e', true, 1)"_s,
            u"UPDATE kazemaru.answers SET correct = NOT correct"_s,
            u"DELETE FROM kazemaru.answers"_s,
            u"UPDATE kazemaru.pupils SET name = 'かえた'"_s,
            u"DELETE FROM kazemaru.drill_runs"_s,
            u"SET ROLE kazemaru_pupil"_s,
            u"SELECT kazemaru.give_class('teacher_a', '4-2')"_s,
        };
        for (const QString& s : teacher)
            QTest::addRow("teacher: %s", qPrintable(s.left(60))) << u"teacher"_s << s;
    }
    void forbidden()
    {
        QFETCH(QString, login);
        QFETCH(QString, statement);
        QCOMPARE(execState(login == u"pupil"_s ? pupilA_ : teacherA_, fill(statement)), u"42501"_s);
    }

    // Nothing forbidden happened: the administrator still finds every row as it was made.
    void forbiddenChangedNothing()
    {
        QCOMPARE(column(admin_, u"SELECT name FROM kazemaru.pupils WHERE uid IN ('%1', '%2')"_s.arg(childA_, childB_)),
                 (QSet<QString>{u"あきら"_s, u"ぼたん"_s}));
        QCOMPARE(column(admin_, u"SELECT count(*) FROM kazemaru.answers WHERE child_uid IN ('%1', '%2')"_s.arg(
                                    childA_, childB_)),
                 QSet<QString>{u"5"_s});
        QCOMPARE(column(admin_, u"SELECT count(*) FROM kazemaru.pupils WHERE class_code NOT IN ('4-1', '4-2')"_s),
                 QSet<QString>{u"0"_s});
    }

    void pupilsReadTheirOwnRosterAndClassOnly()
    {
        const auto roster = [&](const QString& code) {
            return column(admin_, u"SELECT uid FROM kazemaru.pupils WHERE class_code = '%1'"_s.arg(code));
        };
        const QSet<QString> seenA = column(pupilA_, u"SELECT uid FROM kazemaru.pupils"_s);
        const QSet<QString> seenB = column(pupilB_, u"SELECT uid FROM kazemaru.pupils"_s);
        QVERIFY(seenA.contains(childA_) && !seenA.contains(childB_));
        QVERIFY(seenB.contains(childB_) && !seenB.contains(childA_));
        QCOMPARE(seenA, roster(u"4-1"_s));
        QCOMPARE(seenB, roster(u"4-2"_s));
        QCOMPARE(column(pupilA_, u"SELECT code FROM kazemaru.classes"_s), QSet<QString>{u"4-1"_s});
        QCOMPARE(column(pupilB_, u"SELECT code FROM kazemaru.classes"_s), QSet<QString>{u"4-2"_s});
        QCOMPARE(column(pupilA_, u"SELECT kazemaru.my_classes()"_s), QSet<QString>{u"4-1"_s});
    }

    void teachersReadTheirOwnClassOnly()
    {
        const QSet<QString> answersA = column(teacherA_, u"SELECT uid FROM kazemaru.answers"_s);
        const QSet<QString> answersB = column(teacherB_, u"SELECT uid FROM kazemaru.answers"_s);
        for (const QString& uid : answersA_)
            QVERIFY(answersA.contains(uid) && !answersB.contains(uid));
        for (const QString& uid : answersB_)
            QVERIFY(answersB.contains(uid) && !answersA.contains(uid));
        QCOMPARE(column(teacherA_, u"SELECT DISTINCT class_code FROM kazemaru.answers"_s), QSet<QString>{u"4-1"_s});
        QCOMPARE(column(teacherB_, u"SELECT DISTINCT class_code FROM kazemaru.answers"_s), QSet<QString>{u"4-2"_s});
        QCOMPARE(column(teacherA_,
                        u"SELECT uid FROM kazemaru.drill_runs WHERE uid IN ('%1', '%2')"_s.arg(runsA_[0], runsB_[0])),
                 QSet<QString>{runsA_[0]});
        QCOMPARE(column(teacherB_,
                        u"SELECT uid FROM kazemaru.drill_runs WHERE uid IN ('%1', '%2')"_s.arg(runsA_[0], runsB_[0])),
                 QSet<QString>{runsB_[0]});
        QCOMPARE(column(teacherA_, u"SELECT DISTINCT class_code FROM kazemaru.pupils"_s), QSet<QString>{u"4-1"_s});
        QCOMPARE(column(teacherA_, u"SELECT code FROM kazemaru.classes"_s), QSet<QString>{u"4-1"_s});
    }

    // A row whose id the server has is no error and changes nothing, whoever's it is.
    void anExistingIdChangesNothing()
    {
        QSqlQuery q(pupilA_);
        QVERIFY(q.exec(answerInsert(answersA_[0], u"4-1"_s, childA_).replace(u"true, 2.5"_s, u"false, 9.5"_s)));
        QCOMPARE(q.numRowsAffected(), 0);
        QCOMPARE(column(admin_, u"SELECT correct::text || ' ' || seconds FROM kazemaru.answers WHERE uid = '%1'"_s.arg(
                                    answersA_[0])),
                 QSet<QString>{u"true 2.5"_s});
        // Class B's child, sent again by a computer of class A: B's row stays B's.
        QVERIFY(q.exec(u"INSERT INTO kazemaru.pupils (uid, class_code, name) VALUES ('%1', '4-1', 'のっとり') "
                       "ON CONFLICT DO NOTHING"_s.arg(childB_)));
        QCOMPARE(q.numRowsAffected(), 0);
        QCOMPARE(
            column(admin_, u"SELECT class_code || ' ' || name FROM kazemaru.pupils WHERE uid = '%1'"_s.arg(childB_)),
            QSet<QString>{u"4-2 ぼたん"_s});
        QVERIFY(q.exec(runInsert(runsA_[0], u"4-1"_s, childA_)));
        QCOMPARE(q.numRowsAffected(), 0);
    }

    // An answer must name a child of its own class: a computer of class A cannot file one under
    // class B's child, even marked as class A.
    void answersBelongToTheirChildsClass()
    {
        QCOMPARE(execState(pupilA_, answerInsert(newUid(), u"4-1"_s, childB_)), u"23503"_s);
        QCOMPARE(execState(pupilA_, answerInsert(newUid(), u"4-1"_s, newUid())), u"23503"_s);
        const QString fresh = newUid();
        QCOMPARE(execState(pupilA_, answerInsert(fresh, u"4-1"_s, childA_)), QString());
        QCOMPARE(column(teacherA_, u"SELECT child_uid FROM kazemaru.answers WHERE uid = '%1'"_s.arg(fresh)),
                 QSet<QString>{childA_});
    }

    void cleanupTestCase()
    {
        for (const char* name : {"admin", "pupilA", "pupilB", "teacherA", "teacherB"})
            QSqlDatabase::database(QString::fromLatin1(name), false).close();
        admin_ = pupilA_ = pupilB_ = teacherA_ = teacherB_ = QSqlDatabase();
        for (const char* name : {"admin", "pupilA", "pupilB", "teacherA", "teacherB"})
            QSqlDatabase::removeDatabase(QString::fromLatin1(name));
    }
};

QTEST_GUILESS_MAIN(ClassRoles)
#include "tst_classroles.moc"
