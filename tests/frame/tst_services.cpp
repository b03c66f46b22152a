// The clock text, the prompt blink, random draws and the cue table.
#include "frame/Clock.h"
#include "frame/CuePlayer.h"
#include "frame/LessonScreen.h"
#include "frame/Random.h"
#include "tests/support/Probe.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using namespace kazemaru;

class ServicesTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void clockText_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("text");
        QTest::newRow("just after midnight") << QTime(0, 5) << u"05/17  12:05 AM"_s;
        QTest::newRow("last morning minute") << QTime(11, 59) << u"05/17  11:59 AM"_s;
        QTest::newRow("noon") << QTime(12, 0) << u"05/17  12:00 PM"_s;
        QTest::newRow("afternoon") << QTime(15, 42) << u"05/17  03:42 PM"_s;
        QTest::newRow("last minute") << QTime(23, 59) << u"05/17  11:59 PM"_s;
    }
    void clockText()
    {
        QFETCH(QTime, time);
        QFETCH(QString, text);
        QCOMPARE(kazemaru::clockText(QDateTime(QDate(2026, 5, 17), time)), text);
    }

    void blinkFromAFreshStart()
    {
        QWidget page;
        Label line(u""_s, &page);
        QTimer timer;
        timer.setInterval(1000); // a screen whose first blink waits a whole second
        PromptBlink blink(&line, &timer);
        blink.start(u"メニューを えらんでね！"_s);
        QCOMPARE(line.text(), u"メニューを えらんでね！"_s);
        QVERIFY(timer.isActive());
        QCOMPARE(timer.interval(), 1000);
        QVERIFY(!line.isHidden());

        blink.tick();
        QVERIFY(line.isHidden());
        QCOMPARE(timer.interval(), 50);
        blink.tick();
        QVERIFY(!line.isHidden());
        QCOMPARE(timer.interval(), 500);
        blink.tick();
        QVERIFY(!timer.isActive());
        QVERIFY(!line.isHidden());
        QCOMPARE(timer.interval(), 500); // every later blink starts with 500 ms

        blink.start(u"つぎ"_s);
        QCOMPARE(timer.interval(), 500);
        QVERIFY(timer.isActive());
    }

    void blinkRestartedWhileVisibleKeepsItsPeriod()
    {
        QWidget page;
        Label line(u""_s, &page);
        QTimer timer;
        timer.setInterval(500);
        PromptBlink blink(&line, &timer);
        blink.start(u"一"_s);
        blink.tick();
        blink.tick(); // visible again, 500 ms
        blink.start(u"二"_s);
        QCOMPARE(test::Probe::ticks(blink), 0);
        QCOMPARE(timer.interval(), 500);
        blink.tick();
        QVERIFY(line.isHidden());
        blink.tick();
        blink.tick();
        QVERIFY(!timer.isActive());
        QVERIFY(!line.isHidden());
        QCOMPARE(line.text(), u"二"_s);
    }

    void blinkRestartedWhileHiddenStaysHiddenOneMoreTick()
    {
        QWidget page;
        Label line(u""_s, &page);
        QTimer timer;
        timer.setInterval(500);
        PromptBlink blink(&line, &timer);
        blink.start(u"一"_s);
        blink.tick(); // hidden, 50 ms
        blink.start(u"二"_s);
        QCOMPARE(timer.interval(), 50);
        blink.tick();
        QVERIFY(line.isHidden());
        QCOMPARE(timer.interval(), 50);
        blink.tick();
        QVERIFY(!line.isHidden());
        blink.tick();
        QVERIFY(!timer.isActive());
        QVERIFY(!line.isHidden());
    }

    void randomDrawsStayInRange()
    {
        setRandomSource({});
        QCOMPARE(Random(0), 0);
        QCOMPARE(Random(-3), 0);
        QSet<int> seen;
        for (int i = 0; i < 2000; ++i) {
            const int v = Random(7);
            QVERIFY(v >= 0 && v < 7);
            seen.insert(v);
        }
        QCOMPARE(seen.size(), 7);
    }

    void randomSeamSeesEveryDrawButNoneForEmptyRanges()
    {
        QList<int> ranges;
        setRandomSource([&](int n) {
            ranges.append(n);
            return n - 1;
        });
        QCOMPARE(Random(9), 8);
        QCOMPARE(Random(0), 0);
        QCOMPARE(ranges, QList<int>{9});
        setRandomSource({});
    }

    void reseedingTwiceInARowGivesDifferentSequences()
    {
        Randomize();
        QList<int> a, b;
        for (int i = 0; i < 8; ++i)
            a.append(Random(1000000));
        Randomize();
        for (int i = 0; i < 8; ++i)
            b.append(Random(1000000));
        QVERIFY(a != b);
    }

    void cueTable()
    {
        QCOMPARE(cueRelativePath(1), u"oto/1.wav"_s);
        QCOMPARE(cueRelativePath(10), u"oto/10.wav"_s);
        QCOMPARE(cueRelativePath(11), u"oto/pipo.wav"_s);
        QCOMPARE(cueRelativePath(12), u"oto/poon.wav"_s);
        QCOMPARE(cueRelativePath(13), u"oto/bubuu.wav"_s);
        QCOMPARE(cueRelativePath(14), u"oto/pinpon.wav"_s);
        QCOMPARE(cueRelativePath(15), u"oto/sharan.wav"_s);
        QCOMPARE(cueRelativePath(16), u"oto/charararan.wav"_s);
        QCOMPARE(cueRelativePath(17), u"oto/bun.wav"_s);
        QCOMPARE(cueRelativePath(18), u"oto/pipon.wav"_s);
        QCOMPARE(cueRelativePath(19), u"oto/chararan.wav"_s);
        QCOMPARE(cueRelativePath(20), u"oto/20.wav"_s);
        QVERIFY(cueRelativePath(0).isEmpty());
        QVERIFY(cueRelativePath(21).isEmpty());
        QVERIFY(programFolder().endsWith(u'/'));
    }
};

QTEST_MAIN(ServicesTest)
#include "tst_services.moc"
