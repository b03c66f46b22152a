// The rounding screen's wiring: menu, mode and next buttons, the seven selectors and judging.
#include "lessons/rounding/Unit13.h"
#include "tests/support/ShownScreen.h"

#include <QPlainTextEdit>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace kazemaru;

namespace {

const QString chooseMenu = u"メニューを えらんでね！"_s;
const QString goOn = u"「つぎへ」ボタンで すすめてね！"_s;
const QString noTest = u"このメニューには、テストはないよ！"_s;

} // namespace

class TestForm13 : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<test::ShownScreen<TForm13>> s;

    QAbstractButton* next() { return s->button(4); }
    QAbstractButton* mode() { return s->button(3); }
    bool anySelectorShown()
    {
        for (int n = 2; n <= 8; ++n)
            if (s->visible(u"ComboBox%1"_s.arg(n))) return true;
        return false;
    }
    // Test mode in `subTopic`, then 2736 (size class 2) with task draw `task`.
    void pose2736(int subTopic, int task = 0)
    {
        s->box(1)->choose(subTopic - 1);
        mode()->click();
        s->harness.queueDraws({2, 2736 - 1001});
        if (subTopic != 2) s->harness.queueDraws({task});
        next()->click();
    }

  private Q_SLOTS:
    void init() { s = std::make_unique<test::ShownScreen<TForm13>>(); }
    void cleanup() { s.reset(); }

    void menuShowsTheExplanationOrTheWorkedExample()
    {
        QVERIFY(test::Probe::missingHandlers(*s->screen).isEmpty());
        s->box(1)->choose(0);
        QVERIFY(s->visible(u"Memo1"_s));
        QCOMPARE(test::child<QPlainTextEdit>(s->screen.get(), u"Memo1"_s)->toPlainText(),
                 roundingExplanation().join(u'\n'));
        QCOMPARE(s->harness.lastCue(), 17);
        s->box(1)->choose(3);
        QVERIFY(!s->visible(u"Memo1"_s));
        QCOMPARE(s->text(u"Label4"_s), roundingExample(4));
        QCOMPARE(s->text(u"Label3"_s), chooseMenu);
    }

    void modeButton()
    {
        // No test in the explanation: a notice, and study mode stays.
        s->box(1)->choose(0);
        mode()->click();
        QCOMPARE(s->harness.dialogs.back().text, noTest);
        QCOMPARE(s->screen->lessonMode(), int(Study));
        QCOMPARE(s->harness.lastCue(), 17);

        s->box(1)->choose(1);
        mode()->click();
        QCOMPARE(mode()->text(), u"テスト"_s);
        QVERIFY(next()->isEnabled());
        QCOMPARE(s->text(u"Label3"_s), goOn);
        mode()->click();
        QCOMPARE(mode()->text(), u"べんきょう"_s);
        QCOMPARE(s->text(u"Label3"_s), chooseMenu);
        QVERIFY(next()->isEnabled()); // keeps its state
    }

    // Before any menu choice there is no task to pose: nothing is drawn and the prompt asks for one.
    void withoutASubTopicNothingIsPosed()
    {
        mode()->click();
        QCOMPARE(s->screen->lessonMode(), int(Test));
        QVERIFY(!next()->isEnabled());
        QCOMPARE(s->text(u"Label3"_s), chooseMenu);
        s->screen->CuteButton4Click();
        QVERIFY(s->harness.drawRanges.empty());
        QVERIFY(!anySelectorShown());
        QCOMPARE(s->text(u"Label3"_s), chooseMenu);
    }

    void nextPosesAndTheOnesJudge()
    {
        pose2736(3, 4); // at the 百 place: 3000
        QCOMPARE(s->text(u"Label4"_s), u"2736 の 百の位を\n四捨五入した がい数は？"_s);
        QVERIFY(!next()->isEnabled());
        QCOMPARE(s->text(u"Label3"_s), u"答えは 大きい位から じゅんに えらんでね！"_s);
        QCOMPARE(s->harness.lastCue(), 11);
        const QString headings = u"一十百千万十百"_s;
        for (int n = 2; n <= 8; ++n) {
            QCOMPARE(s->box(n)->text(), headings.mid(n - 2, 1));
            QCOMPARE(s->box(n)->pos(), QPoint(904 - 24 * (n - 2), 328));
        }

        // Each higher place once, then the ones judge.
        for (int n = 8; n >= 3; --n) {
            s->box(n)->choose(n == 5 ? 3 : 0);
            QCOMPARE(s->harness.lastCue(), 17);
        }
        QVERIFY(s->text(u"Label6"_s).isEmpty());
        s->box(2)->choose(0);
        QCOMPARE(s->text(u"Label5"_s), u"答え： 3000"_s);
        QCOMPARE(s->text(u"Label6"_s), u"○"_s);
        QCOMPARE(s->harness.lastCue(), 14);
        QVERIFY(next()->isEnabled());
        QCOMPARE(s->text(u"Label3"_s), goOn);

        s->box(8)->choose(1);
        s->box(2)->choose(0);
        QCOMPARE(s->text(u"Label6"_s), u"×"_s);
    }

    // A menu choice keeps the next button on, and it poses a problem of the new sub-topic; in
    // the explanation it only says there is no test.
    void nextAfterAMenuChoice()
    {
        pose2736(2);
        s->box(2)->choose(0);
        s->box(1)->choose(3);
        s->harness.queueDraws({2, 2736 - 1001, 0});
        next()->click();
        QCOMPARE(s->text(u"Label4"_s), u"2736 の 上から２けたの \nがい数は？"_s);

        s->box(2)->choose(0);
        s->box(1)->choose(0);
        s->harness.cues.clear();
        next()->click();
        QCOMPARE(s->harness.dialogs.back().text, noTest);
        QVERIFY(!anySelectorShown() && !next()->isEnabled());
        QVERIFY(s->harness.cues.empty());
    }
};

QTEST_MAIN(TestForm13)
#include "tst_form13.moc"
