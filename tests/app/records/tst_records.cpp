// The drill run history and the records window, through the real drills on a real database folder.
#include "app/Unit1.h"
#include "app/records/ChartScale.h"
#include "app/records/RecordsWindow.h"
#include "data/untDTM.h"
#include "lessons/decimals/Unit12.h"
#include "tests/support/DrillDriving.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineSeries>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTabWidget>
#include <QtTest>
#include <memory>

using namespace Qt::StringLiterals;
using namespace kazemaru;
using namespace kazemaru::test;

namespace {

DrillScreen& drill(Shell& shell, int form)
{
    auto* screen = static_cast<DrillScreen*>(shell.form(form));
    screen->show();
    return *screen;
}

// Starts a run of `subTopic` with time item `timeItem`, answers `answers` (true = right), taking
// `secondsEach` per answer on the monotonic clock.
void runDrill(Harness& h, DrillScreen& form, int subTopic, int timeItem, std::initializer_list<bool> answers,
              int secondsEach = 10)
{
    chooseDrill(form, subTopic, timeItem);
    drillButton(form, 3)->click();
    bool first = true;
    for (bool right : answers) {
        if (!first) drillButton(form, 4)->click();
        first = false;
        h.monotonic += secondsEach * 1000;
        answerPosed(form, right);
    }
}

QList<DrillRunRecord> runsOf(Shell& shell, int form, int subTopic)
{
    QList<DrillRunRecord> runs;
    if (shell.dataModule()->tryReadRuns(form, subTopic, runs)) qFatal("history unreadable");
    return runs;
}

RecordsWindow* openRecords(Shell& shell)
{
    child<QAction>(shell.form(1), u"Kiroku1"_s)->trigger();
    return test::Probe::recordsWindow(*static_cast<TForm1*>(shell.form(1)));
}

// A picture of the window's drill page.
void savePicture(QWidget* window, const QString& name)
{
    auto* pages = child<QTabWidget>(window, u"PageControl1"_s);
    pages->setCurrentIndex(pages->count() - 1);
    const QString folder = qEnvironmentVariable("KAZEMARU_SHOTS");
    QCoreApplication::processEvents(); // the chart lays out its title and legend
    if (!folder.isEmpty()) window->grab().save(folder + u'/' + name);
}

} // namespace

class TestRecords : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    // The chart's date ticks: at noon, the same number of whole days apart, two to ten of them,
    // and every run at least three hours inside either end.
    void dateTicks_data()
    {
        QTest::addColumn<QDateTime>("first");
        QTest::addColumn<QDateTime>("last");
        const QDate day(2026, 4, 20);
        QTest::newRow("one run") << QDateTime(day, QTime(15, 0)) << QDateTime(day, QTime(15, 0));
        QTest::newRow("just after midnight, late at night")
            << QDateTime(day, QTime(0, 30)) << QDateTime(day.addDays(1), QTime(23, 50));
        QTest::newRow("three weeks") << QDateTime(day, QTime(16, 11)) << QDateTime(day.addDays(22), QTime(16, 40));
        QTest::newRow("a year") << QDateTime(day, QTime(9, 0)) << QDateTime(day.addDays(365), QTime(12, 0));
    }
    void dateTicks()
    {
        QFETCH(QDateTime, first);
        QFETCH(QDateTime, last);
        const DateScale scale = dateScale(first, last);
        QCOMPARE(scale.start.time(), QTime(12, 0));
        QCOMPARE(scale.end.time(), QTime(12, 0));
        QVERIFY(scale.ticks >= 2 && scale.ticks <= 10);
        QCOMPARE(scale.start.daysTo(scale.end), qint64(scale.stepDays) * (scale.ticks - 1));
        QVERIFY(scale.start.secsTo(first) >= 3 * 3600);
        QVERIFY(last.secsTo(scale.end) >= 3 * 3600);
        // No more than one step of empty days after the last run.
        QVERIFY(last.daysTo(scale.end) <= scale.stepDays + 1);
    }

    void endedAndLeftRunsAreKeptForGood()
    {
        QTemporaryDir dir;
        Harness h;
        auto shell = std::make_unique<Shell>(dir.path());
        DrillScreen& division = drill(*shell, 8);
        runDrill(h, division, 2, 0, {true, false}, 30);
        h.monotonic += 5000;
        drillButton(division, 5)->click(); // stopped after 65 s

        h.now = h.now.addSecs(600);
        DrillScreen& decimal = drill(*shell, 12);
        runDrill(h, decimal, 2, 1, {true});
        const int places = test::Probe::problem(static_cast<const TForm12&>(decimal)).places;
        h.monotonic += 290'000;
        for (int tick = 0; tick < 300; ++tick)
            QVERIFY(QMetaObject::invokeMethod(&decimal, "Timer3Timer"));
        QVERIFY(!test::Probe::running(decimal));

        h.now = h.now.addSecs(600);
        runDrill(h, division, 1, 0, {true, true, true});
        division.hide(); // left mid-run
        division.show();
        runDrill(h, division, 3, 0, {});
        drillBox(division, 1)->choose(0); // a run without answers is not kept

        // Starting a run clears its drill's table, never the history.
        runDrill(h, division, 2, 0, {});
        QCOMPARE(shell->dataModule()->DBISAMQuery2->rowCount(), 0);
        QVERIFY(h.dialogs.size() == 1 && h.dialogs[0].kind == DialogKind::Information); // time up only

        shell.reset();
        Shell again(dir.path());
        const QDateTime start = QDateTime(QDate(2026, 5, 17), QTime(15, 42));
        const QList<DrillRunRecord> stopped = runsOf(again, 8, 2), timedOut = runsOf(again, 12, 2),
                                    left = runsOf(again, 8, 1);
        QCOMPARE(stopped.size() + timedOut.size() + left.size() + runsOf(again, 8, 3).size(), 3);
        const auto figures = [](const DrillRunRecord& r) {
            return QVariantList{r.started, r.places, r.timeLimit, r.problems,
                                r.rights,  r.score,  r.seconds,   runEndCode(r.ending)};
        };
        QCOMPARE(figures(stopped.value(0)), (QVariantList{start, u""_s, 0, 2, 1, 50, 65, u"stop"_s}));
        QCOMPARE(figures(timedOut.value(0)),
                 (QVariantList{start.addSecs(600), QString::number(places), 300, 1, 1, 100, 300, u"timeup"_s}));
        QCOMPARE(figures(left.value(0)), (QVariantList{start.addSecs(1200), u""_s, 0, 3, 3, 100, 30, u"abandon"_s}));
    }

    void aFailingHistoryShowsOneBoxAndTheDrillGoesOn()
    {
        Program p;
        DrillScreen& division = drill(p.shell, 8);
        runDrill(p.harness, division, 1, 0, {true});
        {
            QSqlQuery q(p.shell.dataModule()->store().database());
            QVERIFY(q.exec(
                u"CREATE TRIGGER history_full BEFORE INSERT ON drill_runs BEGIN SELECT RAISE(ABORT, 'disk full'); END"_s));
        }
        drillButton(division, 5)->click();
        QCOMPARE(p.harness.dialogs.size(), size_t(1));
        QVERIFY(p.harness.dialogs[0].text.contains(u"drill_runs"_s));
        QCOMPARE(drillText(division, u"Label7"_s), u"せいせき： 100 てん"_s);

        runDrill(p.harness, division, 1, 0, {true, false});
        QCOMPARE(p.shell.dataModule()->DBISAMQuery2->rowCount(), 2);
        QCOMPARE(p.harness.dialogs.size(), size_t(1));
    }

    void theWindowChartsWeeksOfRuns()
    {
        Program p;
        Harness& h = p.harness;
        h.fallbackDraw = [](int n) {
            static unsigned next = 1;
            next = next * 1103515245u + 12345u;
            return int(next >> 16) % n;
        };
        DrillScreen& division = drill(p.shell, 8);
        const QDateTime first(QDate(2026, 4, 20), QTime(16, 5));
        QList<int> scores;
        for (int day = 0; day < 24; day += 2) {
            h.now = first.addDays(day).addSecs(day * 97);
            const bool better = day >= 8;
            runDrill(h, division, 1, day % 3, {true, better, day >= 14, true, better}, 28 - day);
            drillButton(division, 5)->click();
            scores << drillScore(5, 2 + 2 * int(better) + int(day >= 14));
        }
        h.now = h.now.addSecs(3600);
        runDrill(h, division, 2, 0, {true});
        drillButton(division, 5)->click();
        division.hide();

        RecordsWindow* window = openRecords(p.shell);
        QVERIFY(window && window->isVisible());
        QVERIFY(test::Probe::chartShown(*window));
        const QList<QPointF> points = test::Probe::scoreSeries(*window)->points();
        QCOMPARE(points.size(), 1); // the latest run's menu item is shown first
        child<QComboBox>(window, u"ComboBox1"_s)->setCurrentIndex(0);
        window->ComboBox1Change();
        const QList<QPointF> score = test::Probe::scoreSeries(*window)->points(),
                             pace = test::Probe::paceSeries(*window)->points();
        QCOMPARE(score.size(), scores.size());
        QCOMPARE(pace.size(), scores.size());
        for (int i = 0; i < score.size(); ++i) {
            QCOMPARE(score[i].x(), double(first.addDays(2 * i).addSecs(2 * i * 97).toMSecsSinceEpoch()));
            QCOMPARE(score[i].y(), double(scores[i]));
            QCOMPARE(pace[i].y(), double(28 - 2 * i));
        }
        const auto* grid = child<QTableView>(window, u"DBGrid1"_s);
        QCOMPARE(grid->model()->rowCount(), scores.size());
        QCOMPARE(grid->model()->index(0, 0).data().toString(), u"2026/05/12 16:40"_s); // newest first
        savePicture(window, u"records.png"_s);

        QTemporaryDir out;
        const QString csvPath = out.filePath(u"runs.csv"_s);
        window->setFileChooser(
            [&](QWidget*, const QString& suggested) { return suggested.endsWith(u".csv"_s) ? csvPath : QString(); });
        child<QAbstractButton>(window, u"CuteButton1"_s)->click();
        QFile csv(csvPath);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QByteArray bytes = csv.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF")); // spreadsheets then read the Japanese as UTF-8
        const QStringList lines = QString::fromUtf8(bytes).split(u"\r\n"_s, Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1 + scores.size());
        QCOMPARE(lines[0], u"日時,ドリル,メニュー,小数のけた,時間（びょう）,もんだい,○のかず,せいせき（てん）,"
                           u"かかった時間（びょう）,1もんの びょう数,おわりかた"_s);
        QCOMPARE(lines[1], u"2026-04-20 16:05:00,わり算のドリル,１けたでわる,,0,5,2,40,140,28.0,ストップ"_s);
    }

    void theWindowWithoutRunsSaysSo()
    {
        Program p;
        RecordsWindow* window = openRecords(p.shell);
        QVERIFY(!test::Probe::chartShown(*window));
        QVERIFY(child<QLabel>(window, u"Label2"_s)->text().startsWith(u"まだ ドリルの きろくは ありません。"_s));
        QVERIFY(!child<QAbstractButton>(window, u"CuteButton1"_s)->isEnabled());
        QVERIFY(p.harness.dialogs.empty());
        savePicture(window, u"records-empty.png"_s);

        // A record that cannot be read: one box with the store's message, and the window says so.
        QTemporaryDir dir;
        QVERIFY(makeBlockingFile(dir.filePath(u"blocked"_s)));
        Shell blocked(dir.filePath(u"blocked/kyozai"_s));
        window = openRecords(blocked);
        QCOMPARE(p.harness.dialogs.size(), size_t(1));
        QVERIFY(p.harness.dialogs[0].text.contains(u"cannot create the database folder"_s));
        QVERIFY(child<QLabel>(window, u"Label2"_s)->text().startsWith(u"きろくを 読めませんでした。"_s));
    }
};

QTEST_MAIN(TestRecords)
#include "tst_records.moc"
