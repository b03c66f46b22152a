// The one-place column screen: the wiring of its handlers, the figure's marks over their digits,
// and the screen after judging.
#include "lessons/decimals/Unit10.h"
#include "tests/support/ColumnDriving.h"
#include "tests/support/ShownScreen.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using namespace kazemaru;

namespace {

const QString chooseMenu = u"「メニュー」をえらんでね！"_s;
const QString goOn = u"「つぎへ」ボタンですすめてね！"_s;
const QString goOnStep = u"「ステップ」ボタンですすめてね！"_s;

using Shown = test::ShownScreen<TForm10>;

// The sub-topic, the mode, and the problem of the scripted draws.
void pose(Shown& s, int subTopic, int mode, std::initializer_list<int> draws)
{
    s.box(1)->choose(subTopic - 1);
    if (mode == Test) s.button(3)->click();
    s.harness.queueDraws(draws);
    s.button(4)->click();
}

} // namespace

class TestForm10 : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    // Before a menu choice nothing can be posed, whatever the mode.
    void nothingBeforeTheMenu()
    {
        Shown s;
        QCOMPARE(s.text(u"Label3"_s), chooseMenu);
        QVERIFY(!s.button(4)->isEnabled() && !s.button(5)->isEnabled());
        QCOMPARE(s.harness.lastCue(), 12);
        s.button(3)->click();
        QCOMPARE(s.button(3)->text(), u"テスト"_s);
        QVERIFY(!s.button(4)->isEnabled());
        QCOMPARE(s.text(u"Label3"_s), chooseMenu);
        s.screen->invokeHandler("CuteButton4Click");
        QCOMPARE(s.text(u"Label4"_s), QString());
        QVERIFY(!s.visible(u"ComboBox2"_s));

        s.box(1)->choose(1);
        QCOMPARE(s.screen->lessonMode(), int(Study));
        QVERIFY(s.button(4)->isEnabled());
        QCOMPARE(s.text(u"Label3"_s), goOn);
        QCOMPARE(s.harness.lastCue(), 12);
    }

    // The worked example: each step's caption, cue and prompt; at the end the equation, the next
    // button, and a step button that walks the example again from a clean figure.
    void stepsOfAnExample()
    {
        Shown s;
        pose(s, 1, Study, {7, 6, 25, 4, 8}); // 6.4 + 35.8
        QVERIFY(s.button(5)->isEnabled() && !s.button(4)->isEnabled());
        QCOMPARE(s.text(u"Label3"_s), goOnStep);
        QCOMPARE(s.text(u"Label6"_s), QString());
        s.button(5)->click();
        QCOMPARE(s.text(u"Label6"_s), u"6.4"_s);
        QCOMPARE(s.text(u"Label7"_s), u"35.8"_s);
        QCOMPARE(s.text(u"Label9"_s), u"+"_s);
        QVERIFY(s.visible(u"Shape1"_s));
        QCOMPARE(s.button(5)->text(), u"ステップ２"_s);
        QCOMPARE(s.harness.lastCue(), 17);
        for (int i = 0; i < 3; ++i)
            s.button(5)->click();
        QCOMPARE(s.text(u"Label8"_s), u"42.2"_s);
        QCOMPARE(s.text(u"Label4"_s), u"6.4 + 35.8 = 42.2"_s);
        QVERIFY(s.text(u"Label5"_s).startsWith(u"【ステップ４】"_s));
        QCOMPARE(s.text(u"Label10"_s), u"1"_s);
        QCOMPARE(s.text(u"Label11"_s), u"1"_s);
        // Marks over the ones and the tens, wherever the rows put their digits.
        const TForm10& f = *s.screen;
        QCOMPARE(test::centreOf(test::Probe::figure(f).mark(1)),
                 test::digitCentre(test::Probe::figure(f).firstRow(), 2, 1));
        QCOMPARE(test::centreOf(test::Probe::figure(f).mark(2)),
                 test::digitCentre(test::Probe::figure(f).secondRow(), 3, 1));
        QCOMPARE(s.button(5)->text(), u"ステップ１"_s);
        QVERIFY(s.button(4)->isEnabled() && s.button(5)->isEnabled());
        QCOMPARE(s.text(u"Label3"_s), goOn);
        QCOMPARE(s.harness.lastCue(), 12);

        s.button(5)->click();
        QCOMPARE(test::Probe::stepCounter(*s.screen), 1);
        QCOMPARE(s.text(u"Label8"_s), QString());
        QCOMPARE(s.text(u"Label10"_s), QString());

        // An interrupted walk starts again at step 1.
        s.button(5)->click();
        s.box(1)->choose(0);
        QCOMPARE(s.button(5)->text(), u"ステップ１"_s);
        QVERIFY(!s.button(5)->isEnabled());
    }

    // The example's problem line stands from the next button on, before step 1; a three-step
    // subtraction, whose last step leaves the line alone, keeps it to the end.
    void exampleShowsItsProblem()
    {
        Shown s;
        pose(s, 2, Study, {0, 3, 2, 4, 2}); // A = 3 + 2, B = 2, a = 4, b = 2
        QCOMPARE(s.text(u"Label4"_s), u"5.4 - 2.2 = ?"_s);
        QCOMPARE(s.text(u"Label6"_s), QString());
        for (int step = 1; step <= 3; ++step)
            s.button(5)->click();
        QVERIFY(s.button(4)->isEnabled()); // the example is over
        QCOMPARE(s.text(u"Label8"_s), u"3.2"_s);
        QCOMPARE(s.text(u"Label4"_s), u"5.4 - 2.2 = ?"_s);
    }

    // The mode button leaves the prompt line as it is, without blinking it again; only the point
    // memo's own prompt goes when the reset closes the memo.
    void modeButtonLeavesThePrompt()
    {
        Shown s;
        s.box(1)->choose(0);
        auto* blink = test::child<QTimer>(s.screen.get(), u"Timer2"_s);
        for (int tick = 0; tick < 3; ++tick)
            s.screen->invokeHandler("Timer2Timer");
        QVERIFY(!blink->isActive());
        for (const QString& caption : {u"テスト"_s, u"べんきょう"_s}) {
            s.button(3)->click();
            QCOMPARE(s.button(3)->text(), caption);
            QCOMPARE(s.text(u"Label3"_s), goOn);
            QVERIFY(!blink->isActive());
            QCOMPARE(test::Probe::blinkTicks(*s.screen), 3);
            QCOMPARE(s.harness.lastCue(), 12);
        }
        s.button(6)->click();
        s.button(3)->click();
        QCOMPARE(s.text(u"Label3"_s), u"「メニュー」を えらんでね！"_s);
    }

    // A subtraction entered column by column: borrow marks and strike lines over the lending
    // digits, one selector open at a time, and after judging nothing more to choose.
    void subtractionEntered()
    {
        Shown s;
        pose(s, 2, Test, {7, 21, 7, 3, 5}); // 31.3 - 7.5
        QCOMPARE(s.text(u"Label4"_s), u"31.3 - 7.5 = ?"_s);
        QCOMPARE(s.text(u"Label9"_s), u"-"_s);
        QCOMPARE(s.text(u"Label13"_s), u"小\n数\n点"_s);
        QCOMPARE(s.text(u"Label3"_s), u"小数第一位の答えを えらんでね！"_s);
        QVERIFY(s.box(2)->isEnabled() && !s.box(3)->isEnabled() && !s.box(4)->isEnabled());
        QCOMPARE(s.harness.lastCue(), 11);
        QCOMPARE(test::Probe::answerKey(*s.screen), (QList<QPair<int, int>>{{2, 8}, {3, 3}, {4, 2}}));

        s.box(2)->choose(8);
        QCOMPARE(s.text(u"Label8"_s), u".8"_s);
        QCOMPARE(s.text(u"Label10"_s), u"0"_s);
        QVERIFY(s.visible(u"Shape2"_s) && !s.visible(u"Shape3"_s));
        const TForm10& f = *s.screen;
        QCOMPARE(test::centreOf(test::Probe::figure(f).strike(1)),
                 test::digitCentre(test::Probe::figure(f).firstRow(), 2, 1));
        QVERIFY(!s.box(2)->isEnabled() && s.box(3)->isEnabled() && !s.box(4)->isEnabled());
        QCOMPARE(s.text(u"Label3"_s), u"一の位の答えを えらんでね！"_s);
        QCOMPARE(s.harness.lastCue(), 17);

        s.box(3)->choose(3);
        QCOMPARE(s.text(u"Label11"_s), u"2"_s);
        QVERIFY(s.visible(u"Shape3"_s));
        QCOMPARE(test::centreOf(test::Probe::figure(f).strike(2)),
                 test::digitCentre(test::Probe::figure(f).firstRow(), 3, 1));
        QCOMPARE(s.text(u"Label3"_s), u"十の位の答えを えらんでね！"_s);

        s.box(4)->choose(2);
        QCOMPARE(s.text(u"Label8"_s), u"23.8"_s);
        QCOMPARE(s.text(u"Label12"_s), u"○"_s);
        QCOMPARE(s.screen->entered().value(), 238);
        QCOMPARE(s.text(u"Label4"_s), u"31.3 - 7.5 = 23.8"_s);
        QCOMPARE(s.harness.lastCue(), 14);
        QCOMPARE(s.text(u"Label3"_s), goOn);
        QVERIFY(s.button(4)->isEnabled());
        for (int n = 2; n <= 4; ++n)
            QVERIFY(!s.box(n)->isEnabled());
        QVERIFY(test::Probe::answerKey(*s.screen).isEmpty());
    }

    // An addition's carry digit first in the next selector: it marks the carry and the prompt
    // blinks again; the tenths then open the ones and the tens.
    void additionWithACarryDigit()
    {
        Shown s;
        pose(s, 1, Test, {0, 3, 4, 7, 5}); // 3.7 + 4.5
        QVERIFY(s.box(2)->isEnabled() && s.box(3)->isEnabled() && !s.box(4)->isEnabled());
        s.box(3)->choose(1);
        QCOMPARE(s.text(u"Label3"_s), u"小数第一位をたした答えを えらんでね！"_s);
        QCOMPARE(s.text(u"Label8"_s), QString());
        s.box(2)->choose(2);
        QCOMPARE(s.text(u"Label10"_s), u"1"_s);
        QCOMPARE(s.box(3)->itemIndex(), -1);
        QVERIFY(!s.box(2)->isEnabled() && s.box(3)->isEnabled() && s.box(4)->isEnabled());
        QCOMPARE(s.text(u"Label3"_s), u"一の位をたした答えを えらんでね！"_s);
        s.box(3)->choose(9);
        QCOMPARE(s.text(u"Label4"_s), u"3.7 + 4.5 = 8.2"_s);
        QCOMPARE(s.text(u"Label12"_s), u"×"_s);
        QCOMPARE(s.harness.lastCue(), 13);
    }

    void pointMemo()
    {
        Shown s;
        test::checkPointMemo(s, QRect(192, 136, 585, 177), u"小数点を そろえて"_s);
    }
};

QTEST_MAIN(TestForm10)
#include "tst_form10.moc"
