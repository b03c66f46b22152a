// Every judged answer kept for the child studying, through the real program on a real database
// folder: who is studying, the children's names, a store that refuses answers mid-lesson, and a
// database of a later release.
#include "app/ChildPicker.h"
#include "app/ChildrenDialog.h"
#include "data/untDTM.h"
#include "tests/support/AnswerDriving.h"
#include "tests/support/RecordFiles.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QSqlQuery>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace kazemaru;
using namespace kazemaru::test;

namespace {

TForm1* contents(Program& p)
{
    return static_cast<TForm1*>(p.shell.form(1));
}

QString status(Program& p)
{
    return child<StatusBar>(contents(p), u"StatusBar1"_s)->panelText(0);
}

ChildrenDialog* namesDialog(Program& p)
{
    child<QAction>(contents(p), u"Namae1"_s)->trigger();
    return Probe::childrenDialog(*contents(p));
}

// Types a name, picks colour `colour` and presses "ふやす" (1), "かえる" (2) or "けす" (3).
void nameAction(ChildrenDialog* d, const QString& name, int colour, int button)
{
    child<QLineEdit>(d, u"Edit1"_s)->setText(name);
    child<QAbstractButton>(d, u"Colour%1"_s.arg(colour + 1))->click();
    child<QAbstractButton>(d, u"CuteButton%1"_s.arg(button))->click();
}

QList<AnswerRecord> answersOf(Program& p, const QString& childUid)
{
    if (!Probe::answerRecorder(p.shell)->waitUntilStored(10000)) qFatal("answers not stored");
    QList<AnswerRecord> rows;
    if (p.shell.dataModule()->learningRecord().tryReadAnswers(childUid, rows)) qFatal("answers unreadable");
    return rows;
}

QList<ChildProfile> childrenOf(Program& p)
{
    QList<ChildProfile> children;
    if (p.shell.dataModule()->learningRecord().tryReadChildren(children)) qFatal("children unreadable");
    return children;
}

bool waitForDialogs(Harness& h, size_t count)
{
    for (int i = 0; i < 500 && h.dialogs.size() < count; ++i)
        QTest::qWait(20);
    return h.dialogs.size() >= count;
}

} // namespace

class TestAnswers : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void oneChildStudiesWithoutBeingAsked()
    {
        Program p;
        contents(p)->openRecord();
        QVERIFY(Probe::childPicker(*contents(p))->isHidden());
        QCOMPARE(status(p), u"べんきょうする人： こども１"_s);
        QVERIFY(child<QAbstractButton>(contents(p), u"CuteButton18"_s)->isHidden()); // no one to take turns with
        QVERIFY(p.harness.dialogs.empty());
    }

    void answersInThreeLessonsByTwoChildrenLandWithTheirChild()
    {
        Program p;
        ChildrenDialog* names = namesDialog(p);
        nameAction(names, u"じろう"_s, 2, 1);
        names->close();
        const QList<ChildProfile> family = childrenOf(p);
        QCOMPARE(family.size(), 2);

        // Two children: the contents screen asks who studies, one button each, one click.
        contents(p)->show();
        contents(p)->openRecord();
        ChildPicker* picker = Probe::childPicker(*contents(p));
        QVERIFY(picker->isVisible());
        QCOMPARE(child<QLabel>(picker, u"Label1"_s)->text(), u"だれが べんきょうする？"_s);
        QCOMPARE(child<QAbstractButton>(picker, u"Child1"_s)->text(), u"こども１"_s);
        QCOMPARE(child<QAbstractButton>(picker, u"Child2"_s)->text(), u"じろう"_s);
        QVERIFY(!picker->findChild<QAbstractButton*>(u"Child3"_s));
        child<QAbstractButton>(picker, u"Child2"_s)->click();
        QVERIFY(!picker->isVisible());
        QCOMPARE(status(p), u"べんきょうする人： じろう"_s);

        Harness& h = p.harness;
        h.fallbackDraw = [](int n) {
            static unsigned next = 1;
            next = next * 1103515245u + 12345u;
            return int(next >> 16) % n;
        };
        QList<AnswerRecord> jiro;
        LessonScreen* division = poseInTest(p.shell, 3, 2);
        jiro << answerInTest(h, division, true) << answerInTest(h, division, false);
        division->hide();
        LessonScreen* rounding = poseInTest(p.shell, 13, 3);
        jiro << answerInTest(h, rounding, false, 12.25);
        rounding->hide();
        LessonScreen* rules = poseInTest(p.shell, 15, 1);
        jiro << answerInTest(h, rules, false, 3.0, false);
        // Another try at the same problem is a row of its own, marked as such.
        jiro << answerInTest(h, rules, true, 2.0);
        rules->hide();

        // The other child's turn.
        child<QAbstractButton>(contents(p), u"CuteButton18"_s)->click();
        child<QAbstractButton>(picker, u"Child1"_s)->click();
        QCOMPARE(status(p), u"べんきょうする人： こども１"_s);
        division = poseInTest(p.shell, 3, 1);
        const AnswerRecord first = answerInTest(h, division, false);
        division->hide();

        const QList<AnswerRecord> storedJiro = answersOf(p, family[1].uid), storedFirst = answersOf(p, family[0].uid);
        QCOMPARE(storedJiro.size(), jiro.size());
        for (int i = 0; i < jiro.size(); ++i) {
            QCOMPARE(figures(storedJiro[i]), figures(jiro[i]));
            QCOMPARE(storedJiro[i].childUid, family[1].uid);
        }
        QCOMPARE(storedFirst.size(), 1);
        QCOMPARE(figures(storedFirst[0]), figures(first));

        // What the screens showed, as the lessons judged it.
        QCOMPARE(jiro[0].lesson, 3);
        QCOMPARE(jiro[0].subTopic, 2);
        QVERIFY(jiro[0].right && !jiro[1].right && !jiro[2].right && !jiro[3].right && jiro[4].right);
        QCOMPARE(jiro[3].attempt, 1);
        QCOMPARE(jiro[4].attempt, 2);
        QCOMPARE(jiro[4].problem, jiro[3].problem);
        QCOMPARE(jiro[4].seconds, 5.0); // counted from posing, over both tries
        QVERIFY(!jiro[0].problem.isEmpty() && jiro[0].problem != jiro[1].problem);
        QCOMPARE(storedJiro[2].seconds, 12.25);
        QCOMPARE(storedJiro[2].lesson, 13);
        QCOMPARE(storedJiro[2].subTopic, 3);
        // Whole hundreds divided: the problem as posed, its quotient, and a wrong ones digit.
        for (int i : {0, 1}) {
            const QStringList numbers = storedJiro[i].problem.split(u' ');
            QCOMPARE(numbers.size(), 5);
            QCOMPARE(numbers[1] + numbers[3] + numbers[4], u"÷=?"_s);
            const int quotient = numbers[0].toInt() / numbers[2].toInt();
            QCOMPARE(numbers[0].toInt() % 100, 0);
            QCOMPARE(storedJiro[i].expected, QString::number(quotient));
            QCOMPARE(storedJiro[i].given, QString::number(i == 0 ? quotient : quotient + 1));
        }
        QCOMPARE(storedJiro[0].answeredAt, QDateTime(QDate(2026, 5, 17), QTime(15, 42)));
        QVERIFY(storedJiro[0].uid != storedJiro[1].uid && !storedJiro[0].uid.isEmpty());
        QVERIFY(h.dialogs.empty());
    }

    void aStoreFaultMidLessonGivesOneBoxAndTheLessonGoesOn()
    {
        Program p;
        Harness& h = p.harness;
        AnswerRecorder* recorder = Probe::answerRecorder(p.shell);
        Probe::setRetryInterval(*recorder, 50);
        const QString child = childrenOf(p)[0].uid;
        LessonScreen* screen = poseInTest(p.shell, 3, 3);
        QList<AnswerRecord> given{answerInTest(h, screen, true)};
        QVERIFY(recorder->waitUntilStored(5000));

        {
            // Another program holds the file for as long as three answers take.
            RawFile other(p.shell.dataModule()->store().filePath());
            QVERIFY(other.exec(u"BEGIN IMMEDIATE"_s));
            for (bool right : {false, true, true}) {
                given << answerInTest(h, screen, right);
                QVERIFY(!Probe::answerKey(*screen).isEmpty()); // the next problem is posed at once
            }
            QVERIFY(waitForDialogs(h, 1));
            QTest::qWait(1500); // more tries fail meanwhile, quietly
            QCOMPARE(h.dialogs.size(), size_t(1));
            QCOMPARE(h.dialogs[0].kind, DialogKind::Error);
            QVERIFY(h.dialogs[0].text.startsWith(u"こたえの きろくを 書きこめませんでした。\nほかの プログラムが"_s));
            QVERIFY(h.dialogs[0].text.contains(u"レッスンは このまま つづけられます"_s));
            QVERIFY(screen->isVisible());
            QCOMPARE(recorder->waiting(), 3);
            QVERIFY(other.exec(u"COMMIT"_s));
        }
        given << answerInTest(h, screen, false);
        const QList<AnswerRecord> stored = answersOf(p, child);
        QCOMPARE(stored.size(), given.size()); // each once, in the order answered
        for (int i = 0; i < given.size(); ++i)
            QCOMPARE(figures(stored[i]), figures(given[i]));
        QCOMPARE(h.dialogs.size(), size_t(1));
        QVERIFY(!recorder->refusing());
    }

    void aDatabaseOfALaterReleaseIsRefusedUntouched()
    {
        QTemporaryDir tmp;
        const QString folder = tmp.path() + u"/kyozai"_s;
        const QString path = copyReleaseFixture(folder);
        {
            RawFile file(path);
            QVERIFY(file.exec(u"PRAGMA user_version=3"_s));
        }
        const QByteArray before = fileHash(path);
        Harness h;
        {
            Shell shell(folder);
            static_cast<TForm1*>(shell.form(1))->openRecord();
            QVERIFY(Probe::hasEnded(shell));
            QCOMPARE(h.dialogs.size(), size_t(1));
            QCOMPARE(h.dialogs[0].kind, DialogKind::Error);
            QVERIFY(h.dialogs[0].text.contains(u"この Kazemaru より あたらしい Kazemaru で つくられました"_s));
            QVERIFY(h.dialogs[0].text.contains(path));
            // Nor does a drill or an answer write to it.
            QList<DrillRunRecord> runs;
            QVERIFY(shell.dataModule()->tryReadRuns(8, 1, runs));
            QCOMPARE(shell.dataModule()->store().lastFault(), StoreFault::Newer);
        }
        QCOMPARE(fileHash(path), before);
        RawFile after(path);
        QCOMPARE(after.value(u"PRAGMA user_version"_s), u"3"_s);
    }

    void namesAreAddedRenamedAndRemovedByAGrownUp()
    {
        Program p;
        Harness& h = p.harness;
        ChildrenDialog* d = namesDialog(p);
        QVERIFY(d->isVisible());
        QVERIFY(!child<QAbstractButton>(d, u"CuteButton3"_s)->isEnabled()); // the only child stays
        const auto note = [&] { return child<QLabel>(d, u"Label2"_s)->text(); };
        nameAction(d, u"  "_s, 0, 1);
        QCOMPARE(note(), u"なまえを 入れてください。"_s);
        nameAction(d, u"あいうえおかきくけこさ"_s, 0, 1);
        QCOMPARE(note(), u"なまえは 10もじまでです。"_s);
        nameAction(d, u"こども１"_s, 0, 1);
        QCOMPARE(note(), u"「こども１」は もう います。ちがう なまえに してください。"_s);
        QCOMPARE(childrenOf(p).size(), 1);

        const QStringList hostile{u"'; DROP--"_s, u"\"ゆう\\き\""_s};
        for (const QString& name : hostile)
            nameAction(d, name, 4, 1);
        QCOMPARE(note(), QString());
        QCOMPARE(child<QListWidget>(d, u"ListBox1"_s)->count(), 3);
        QList<ChildProfile> family = childrenOf(p);
        QCOMPARE(family[1].name, hostile[0]);
        QCOMPARE(family[2].name, hostile[1]);
        QCOMPARE(family[2].colour, 4);

        // The first child gets a name, which the status bar shows at once.
        contents(p)->openRecord();
        child<QAbstractButton>(Probe::childPicker(*contents(p)), u"Child1"_s)->click();
        child<QListWidget>(d, u"ListBox1"_s)->setCurrentRow(0);
        nameAction(d, u"はなこ"_s, 1, 2);
        QCOMPARE(status(p), u"べんきょうする人： はなこ"_s);

        // One child's answers and runs go with them; the others' stay, and so do the drill tables.
        QVERIFY(!p.shell.dataModule()->tryAppendRow(DrillTable::Decimal,
                                                    {1, u"　1.2 + 3.4"_s, u"4.6"_s, u"4.6"_s, u"○"_s}));
        const QDateTime at = h.now;
        for (const ChildProfile& c : childrenOf(p)) {
            p.shell.dataModule()->learningRecord().setCurrentChildUid(c.uid);
            AnswerRecord a;
            a.answeredAt = at;
            a.lesson = 3;
            a.subTopic = 1;
            a.problem = c.name;
            Probe::answerRecorder(p.shell)->record(a);
            DrillRunRecord run;
            run.started = at;
            run.drill = 12;
            run.subTopic = 1;
            QVERIFY(!p.shell.dataModule()->tryRecordRun(run));
        }
        QVERIFY(Probe::answerRecorder(p.shell)->waitUntilStored(5000));
        child<QListWidget>(d, u"ListBox1"_s)->setCurrentRow(1);
        h.confirmAnswer = DialogAnswer::No;
        child<QAbstractButton>(d, u"CuteButton3"_s)->click();
        QCOMPARE(childrenOf(p).size(), 3);
        QCOMPARE(h.dialogs.back().kind, DialogKind::Confirm);
        QVERIFY(h.dialogs.back().text.startsWith(u"「'; DROP--」を けしますか？"_s));
        h.confirmAnswer = DialogAnswer::Yes;
        child<QAbstractButton>(d, u"CuteButton3"_s)->click();
        family = childrenOf(p);
        QCOMPARE(family.size(), 2);
        QCOMPARE(family[0].name, u"はなこ"_s);
        QCOMPARE(family[1].name, hostile[1]);
        for (const ChildProfile& c : family)
            QCOMPARE(answersOf(p, c.uid).value(0).problem, c.name);
        RawFile file(p.shell.dataModule()->store().filePath());
        QCOMPARE(file.value(u"SELECT count(*) FROM answers"_s), u"2"_s);
        QCOMPARE(file.value(u"SELECT count(*) FROM drill_runs"_s), u"2"_s);
        QCOMPARE(file.value(u"SELECT count(*) FROM dorills"_s), u"1"_s);
        // The last of them stays whatever is asked of the store.
        QVERIFY(p.shell.dataModule()->learningRecord().tryRemoveChild(family[0].uid) == std::nullopt);
        QVERIFY(p.shell.dataModule()->learningRecord().tryRemoveChild(family[1].uid).has_value());
        QCOMPARE(childrenOf(p).size(), 1);
        QCOMPARE(h.dialogs.size(), size_t(2)); // the two questions, and no box from the store
    }
};

QTEST_MAIN(TestAnswers)
#include "tst_answers.moc"
