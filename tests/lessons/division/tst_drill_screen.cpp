// The division drill screen: a run from the menu to the result grid, the countdown, and what
// happens to a run that is left, answered twice or cannot be stored.
#include "data/untDTM.h"
#include "lessons/division/Unit8.h"
#include "tests/support/DrillDriving.h"

#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QSqlQueryModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace kazemaru;
using namespace kazemaru::test;

namespace {

const QString answerPrompt =
    u"商 と あまり を、大きい位から じゅんに えらんでね！\nあまりなしでも ０ を えらんでね！"_s;
const QString timeUp = u"時間だから、ドリルを終わるよ！"_s;

// A drill screen on its own store, shown as the contents screen shows it.
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
    }

    QString text(const QString& name) { return drillText(form, name); }
    QString prompt() { return text(u"Label2"_s); }
    bool enabled(int button) { return drillButton(form, button)->isEnabled(); }
    bool selectorsEnabled()
    {
        bool all = true, none = true;
        for (int n = 3; n <= 8; ++n)
            (drillBox(form, n)->isEnabled() ? none : all) = false;
        if (!all && !none) qFatal("digit selectors half enabled");
        return all;
    }
    QTimer* timer3() { return child<QTimer>(&form, u"Timer3"_s); }
    int rows()
    {
        if (dm.tryRequery(DrillTable::Division)) qFatal("the drill table is unreadable");
        return dm.DBISAMQuery2->rowCount();
    }

    // Starts a run of the one-digit kind whose first problem is 50 ÷ 7 (7 remainder 1).
    void start(int timeItem)
    {
        chooseDrill(form, 1, timeItem);
        h.queueDraws({0, 5, 39});
        drillButton(form, 3)->click();
    }

    // "つぎへ" with 998 ÷ 2 (499 remainder 0) as the next problem.
    void next()
    {
        h.queueDraws({5, 0, 897});
        drillButton(form, 4)->click();
    }
};

} // namespace

class TestDrillScreen : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void resultGridIsBoundAndHidden()
    {
        Drill d;
        auto* grid = child<QTableView>(&d.form, u"DBGrid1"_s);
        QCOMPARE(grid->model(), d.dm.DBISAMQuery2);
        QVERIFY(grid->isHidden());
        QVERIFY(!d.timer3()->isActive());
        QVERIFY(!QFileInfo::exists(d.tmp.path() + u"/kyozai"_s)); // showing the screen touches no disk
    }

    void aRunFromMenuToSummary()
    {
        Drill d;
        // Shown: everything off but the menu.
        QCOMPARE(d.prompt(), u"「メニュー」をえらんでね！"_s);
        QCOMPARE(d.h.cues, std::vector<int>({17}));
        for (int b = 3; b <= 6; ++b)
            QVERIFY(!d.enabled(b));
        QVERIFY(!drillBox(d.form, 2)->isEnabled() && !d.selectorsEnabled());

        drillBox(d.form, 1)->choose(0);
        QCOMPARE(d.form.subTopic(), 1);
        QVERIFY(drillBox(d.form, 2)->isEnabled());
        QCOMPARE(drillBox(d.form, 2)->text(), u"    時間"_s);
        QCOMPARE(d.prompt(), u"「時間」をえらんでね！"_s);
        drillBox(d.form, 2)->choose(2);
        QCOMPARE(test::Probe::timeLimit(d.form), 600);
        QVERIFY(!drillBox(d.form, 2)->isEnabled() && d.enabled(3));
        QCOMPARE(d.prompt(), u"「スタート」ボタンをおしてね！"_s);
        QCOMPARE(d.h.cues, std::vector<int>({17, 17, 17}));

        d.h.cues.clear();
        d.h.queueDraws({0, 5, 39});
        d.h.monotonic = 10'000;
        drillButton(d.form, 3)->click();
        QCOMPARE(d.text(u"Label3"_s), u"もんだい：1"_s);
        QCOMPARE(d.text(u"Label4"_s), u"50 ÷ 7 = ?"_s);
        QCOMPARE(d.h.cues, std::vector<int>({12, 11}));
        QCOMPARE(d.prompt(), answerPrompt);
        QVERIFY(d.selectorsEnabled() && !d.enabled(3) && !d.enabled(4) && !d.enabled(5));
        QVERIFY(d.timer3()->isActive());
        QCOMPARE(d.rows(), 0);

        // A right answer is stored and counted; no mark is shown, cue 12 only.
        d.h.cues.clear();
        answerDrill(d.form, 7, 1);
        QCOMPARE(d.h.cues, std::vector<int>({17, 17, 17, 17, 17, 12}));
        QCOMPARE(test::Probe::rightCount(d.form), 1);
        QCOMPARE(d.prompt(), u"「つぎへ」ボタンですすめてね！"_s);
        QVERIFY(d.enabled(4) && d.enabled(5) && !d.enabled(3) && !d.enabled(6));

        d.next();
        QCOMPARE(d.text(u"Label3"_s), u"もんだい：2"_s);
        QCOMPARE(d.text(u"Label4"_s), u"998 ÷ 2 = ?"_s);
        QVERIFY(d.selectorsEnabled() && !d.enabled(4) && !d.enabled(5));
        QCOMPARE(drillBox(d.form, 6)->itemIndex(), -1);
        QCOMPARE(drillBox(d.form, 6)->text(), u"商"_s);
        answerDrill(d.form, 499, 1); // wrong remainder
        QCOMPARE(test::Probe::rightCount(d.form), 1);
        d.next();
        answerDrill(d.form, 499, 0);

        d.h.cues.clear();
        d.h.monotonic = 10'000 + 65'999;
        drillButton(d.form, 5)->click();
        QCOMPARE(d.text(u"Label3"_s), QString());
        QCOMPARE(d.text(u"Label4"_s), QString());
        QCOMPARE(d.text(u"Label5"_s), u"もんだい： 3"_s);
        QCOMPARE(d.text(u"Label6"_s), u"○のかず： 2"_s);
        QCOMPARE(d.text(u"Label7"_s), u"せいせき： 66 てん"_s);
        QCOMPARE(d.text(u"Label8"_s), u"じかん　： 1 ふん 5 びょう"_s);
        QCOMPARE(d.prompt(), u"おつかれさま！"_s);
        QCOMPARE(d.h.cues, std::vector<int>({19}));
        QVERIFY(d.enabled(3) && d.enabled(6) && !d.enabled(4) && !d.enabled(5) && !d.selectorsEnabled());
        QVERIFY(!d.timer3()->isActive());

        const QList<QVariantList> want = {{1, u"　50 ÷ 7"_s, 7, 7, u" ○"_s, 1, 1},
                                          {2, u"　998 ÷ 2"_s, 499, 499, u" ×"_s, 0, 1},
                                          {3, u"　998 ÷ 2"_s, 499, 499, u" ○"_s, 0, 0}};
        QCOMPARE(d.rows(), 3);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 7; ++c)
                QCOMPARE(d.dm.DBISAMQuery2->data(d.dm.DBISAMQuery2->index(r, c)).toString(), want[r][c].toString());
        QVERIFY(d.h.dialogs.empty());
    }

    void oneAnswerPerProblem()
    {
        Drill d;
        d.start(0);
        answerDrill(d.form, 7, 1);
        QVERIFY(!d.selectorsEnabled());
        drillBox(d.form, 3)->choose(1); // choosing again does nothing
        answerDrill(d.form, 7, 1);
        QCOMPARE(test::Probe::rightCount(d.form), 1);
        QCOMPARE(d.rows(), 1);
        drillButton(d.form, 5)->click();
        QCOMPARE(d.text(u"Label7"_s), u"せいせき： 100 てん"_s);

        // The remainder's ones alone record the answer, the other places counting 0.
        d.start(0);
        drillBox(d.form, 3)->choose(1);
        QCOMPARE(d.rows(), 1);
        QCOMPARE(d.dm.DBISAMQuery2->data(d.dm.DBISAMQuery2->index(0, 3)).toInt(), 0);
        QCOMPARE(test::Probe::rightCount(d.form), 0);
    }

    void resultGrid()
    {
        Drill d;
        d.start(0);
        answerDrill(d.form, 7, 1);
        d.next();
        answerDrill(d.form, 1, 1);
        drillButton(d.form, 5)->click();
        d.h.cues.clear();
        auto* grid = child<QTableView>(&d.form, u"DBGrid1"_s);
        drillButton(d.form, 6)->click();
        QVERIFY(grid->isVisible() && test::Probe::overlay(d.form));
        QCOMPARE(grid->geometry(), QRect(150, 112, 619, 401));
        QCOMPARE(grid->model()->rowCount(), 2);
        QCOMPARE(grid->model()->headerData(grid->horizontalHeader()->logicalIndex(3), Qt::Horizontal).toString(),
                 u"あまり（正）"_s);
        QCOMPARE(d.prompt(), u"もういちど「けっか」ボタンをおすと、きえるよ！"_s);
        // What the grid would cut through is out of sight while it is open, and back after.
        const auto behind = [&](bool hidden) {
            for (int n = 3; n <= 8; ++n) {
                QCOMPARE(drillBox(d.form, n)->isHidden(), hidden);
                QCOMPARE(child<QLabel>(&d.form, u"Label%1"_s.arg(n))->isHidden(), hidden);
            }
        };
        behind(true);
        drillButton(d.form, 6)->click();
        QVERIFY(grid->isHidden() && !test::Probe::overlay(d.form));
        behind(false);
        QCOMPARE(d.text(u"Label5"_s), u"もんだい： 2"_s);
        QCOMPARE(d.prompt(), u"おつかれさま！"_s);
        QVERIFY(d.h.cues.empty());

        // A new run clears the table and hides the grid.
        drillButton(d.form, 6)->click();
        d.h.queueDraws({0, 5, 39});
        drillButton(d.form, 3)->click();
        QVERIFY(grid->isHidden());
        QCOMPARE(grid->model()->rowCount(), 0);
    }

    void timeUpAfterExactlyTheLimit_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("ticks");
        QTest::newRow("5 minutes") << 1 << 300;
        QTest::newRow("10 minutes") << 2 << 600;
        QTest::newRow("15 minutes") << 3 << 900;
    }

    void timeUpAfterExactlyTheLimit()
    {
        QFETCH(int, item);
        QFETCH(int, ticks);
        Drill d;
        d.start(item);
        answerDrill(d.form, 7, 1);
        d.next(); // left unanswered when the time is up
        for (int i = 1; i < ticks; ++i)
            d.form.Timer3Timer();
        QVERIFY(d.h.dialogs.empty());
        QVERIFY(d.timer3()->isActive() && d.selectorsEnabled());
        d.h.cues.clear();
        d.h.monotonic += qint64(ticks) * 1000 + 2500; // the box stayed open a while
        d.form.Timer3Timer();
        QCOMPARE(d.h.dialogs.size(), size_t(1));
        QCOMPARE(d.h.dialogs[0].kind, DialogKind::Information);
        QCOMPARE(d.h.dialogs[0].text, timeUp);
        // The run ends exactly as "ストップ" ends it.
        QVERIFY(!d.timer3()->isActive() && !test::Probe::running(d.form));
        QCOMPARE(d.text(u"Label5"_s), u"もんだい： 2"_s);
        QCOMPARE(d.text(u"Label7"_s), u"せいせき： 50 てん"_s);
        QCOMPARE(d.text(u"Label8"_s), u"じかん　： %1 ふん 2 びょう"_s.arg(ticks / 60));
        QVERIFY(d.enabled(3) && d.enabled(6) && !d.enabled(4) && !d.enabled(5) && !d.selectorsEnabled());
        QCOMPARE(d.prompt(), u"おつかれさま！"_s);
        QCOMPARE(d.h.cues, std::vector<int>({19}));
        d.form.Timer3Timer(); // a late tick does nothing
        QCOMPARE(d.h.dialogs.size(), size_t(1));
    }

    void untimedRunNeverTimesOut()
    {
        Drill d;
        d.start(0);
        QCOMPARE(test::Probe::timeLimit(d.form), 0);
        QVERIFY(!d.timer3()->isActive());
        for (int i = 0; i < 1000; ++i)
            d.form.Timer3Timer();
        QVERIFY(d.h.dialogs.empty() && test::Probe::running(d.form));

        // A countdown of a timed run does not carry over into an untimed one.
        d.start(1);
        QVERIFY(d.timer3()->isActive());
        d.start(0);
        QVERIFY(!d.timer3()->isActive());
        for (int i = 0; i < 1000; ++i)
            d.form.Timer3Timer();
        QVERIFY(d.h.dialogs.empty() && test::Probe::running(d.form));
    }

    void leavingOrChoosingTheMenuAbandonsTheRun()
    {
        Drill d;
        d.start(1);
        answerDrill(d.form, 7, 1);
        drillButton(d.form, 2)->click(); // "もくじへ"
        QVERIFY(!d.timer3()->isActive() && !test::Probe::running(d.form));
        for (int i = 0; i < 400; ++i)
            d.form.Timer3Timer();
        QVERIFY(d.h.dialogs.empty());
        QCOMPARE(d.rows(), 1); // the rows already recorded stay

        d.form.show();
        QCOMPARE(d.prompt(), u"「メニュー」をえらんでね！"_s);
        d.start(1);
        drillBox(d.form, 1)->choose(2);
        QVERIFY(!d.timer3()->isActive() && !test::Probe::running(d.form));
        QCOMPARE(d.form.subTopic(), 3);
        QVERIFY(!d.selectorsEnabled() && drillBox(d.form, 2)->isEnabled());
        for (int i = 0; i < 400; ++i)
            d.form.Timer3Timer();
        QVERIFY(d.h.dialogs.empty());
    }

    void elapsedTimeIgnoresTheTimeOfDay()
    {
        // A run across midnight: the wall clock jumps back, the elapsed time does not.
        Drill d;
        d.h.now = QDateTime(QDate(2026, 5, 17), QTime(23, 59, 58));
        d.h.monotonic = 5'000'000;
        d.start(0);
        d.h.now = QDateTime(QDate(2026, 5, 18), QTime(0, 0, 3));
        d.h.monotonic += 5'400;
        answerDrill(d.form, 7, 1);
        drillButton(d.form, 5)->click();
        QCOMPARE(d.text(u"Label8"_s), u"じかん　： 0 ふん 5 びょう"_s);
    }

    void storeErrorKeepsTheRunGoing()
    {
        QTemporaryDir tmp;
        const QString blocker = tmp.path() + u"/blocker"_s;
        QVERIFY(makeBlockingFile(blocker));
        Drill d(blocker + u"/kyozai"_s);
        d.start(1);
        QCOMPARE(d.h.dialogs.size(), size_t(1)); // the table could not be cleared
        QCOMPARE(d.h.dialogs[0].kind, DialogKind::Error);
        QVERIFY(d.h.dialogs[0].text.contains(u"Not a directory"_s));
        QVERIFY(d.selectorsEnabled() && d.timer3()->isActive());
        answerDrill(d.form, 7, 1);
        QCOMPARE(d.h.dialogs.size(), size_t(1)); // nor the answer stored, which tells nothing new
        QCOMPARE(test::Probe::rightCount(d.form), 1);
        QVERIFY(d.enabled(4) && d.enabled(5));
        d.next();
        QVERIFY(d.selectorsEnabled());

        // Once the store works again, the next answer is stored, and the kept one before it.
        QVERIFY(QFile::remove(blocker));
        answerDrill(d.form, 499, 0);
        QCOMPARE(d.h.dialogs.size(), size_t(1));
        QCOMPARE(test::Probe::rightCount(d.form), 2);
        QCOMPARE(d.rows(), 2);
        drillButton(d.form, 5)->click();
        QCOMPARE(d.text(u"Label7"_s), u"せいせき： 100 てん"_s);
    }
};

QTEST_MAIN(TestDrillScreen)
#include "tst_drill_screen.moc"
