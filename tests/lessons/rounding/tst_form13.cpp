// The rounding screen's wiring: menu, mode and next buttons, the seven selectors and judging.
#include "lessons/rounding/Unit13.h"
#include "tests/support/TestSupport.h"

#include <QPlainTextEdit>
#include <QtTest>
#include <memory>

using namespace Qt::StringLiterals;
using namespace kazemaru;
using kazemaru::test::child;
using kazemaru::test::Harness;

namespace {

const QString chooseMenu = u"メニューを えらんでね！"_s;
const QString goOn = u"「つぎへ」ボタンで すすめてね！"_s;
const QString noTest = u"このメニューには、テストはないよ！"_s;

} // namespace

class TestForm13 : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<Harness> h;
    std::unique_ptr<TForm13> screen;

    QString text(const QString& name) { return child<QLabel>(screen.get(), name)->text(); }
    bool visible(const QString& name) { return !child<QWidget>(screen.get(), name)->isHidden(); }
    QAbstractButton* next() { return child<QAbstractButton>(screen.get(), u"CuteButton4"_s); }
    QAbstractButton* mode() { return child<QAbstractButton>(screen.get(), u"CuteButton3"_s); }
    SimpleComboBox* box(int n) { return child<SimpleComboBox>(screen.get(), u"ComboBox%1"_s.arg(n)); }
    bool anySelectorVisible()
    {
        for (int n = 2; n <= 8; ++n)
            if (visible(u"ComboBox%1"_s.arg(n))) return true;
        return false;
    }

    // Test mode in `subTopic`, then 2736 (size class 2) with task draw `task`.
    void pose2736(int subTopic, int task = 0)
    {
        box(1)->choose(subTopic - 1);
        mode()->click();
        h->queueDraws({2, 2736 - 1001});
        if (subTopic != 2) h->queueDraws({task});
        next()->click();
    }

  private Q_SLOTS:
    void init()
    {
        h = std::make_unique<Harness>();
        screen = std::make_unique<TForm13>(nullptr);
        screen->show();
    }
    void cleanup()
    {
        screen.reset();
        h.reset();
    }

    void showingOpensInStudyMode()
    {
        QCOMPARE(screen->lessonMode(), int(Study));
        QCOMPARE(mode()->text(), u"べんきょう"_s);
        QVERIFY(!next()->isEnabled());
        QCOMPARE(text(u"Label3"_s), chooseMenu);
        QCOMPARE(h->lastCue(), 12);
        QVERIFY(!visible(u"Memo1"_s) && !anySelectorVisible());
        QVERIFY(screen->missingHandlers().isEmpty());
    }

    void menuShowsTheExplanationOrTheWorkedExample()
    {
        box(1)->choose(0);
        QCOMPARE(screen->subTopic(), 1);
        QVERIFY(visible(u"Memo1"_s));
        QCOMPARE(child<QWidget>(screen.get(), u"Memo1"_s)->geometry(), QRect(184, 152, 561, 449));
        QCOMPARE(child<QPlainTextEdit>(screen.get(), u"Memo1"_s)->toPlainText(), roundingExplanation().join(u'\n'));
        QCOMPARE(text(u"Label3"_s), chooseMenu);
        QCOMPARE(h->lastCue(), 17);
        for (int item = 1; item <= 3; ++item) {
            box(1)->choose(item);
            QVERIFY(!visible(u"Memo1"_s));
            QCOMPARE(text(u"Label4"_s), roundingExample(item + 1));
            QCOMPARE(h->lastCue(), 17);
        }
    }

    void modeButton()
    {
        // No test in the explanation: a notice, and study mode stays.
        box(1)->choose(0);
        mode()->click();
        QCOMPARE(h->dialogs.size(), std::size_t(1));
        QCOMPARE(h->dialogs[0].text, noTest);
        QCOMPARE(screen->lessonMode(), int(Study));
        QVERIFY(!next()->isEnabled());
        QCOMPARE(h->lastCue(), 17);

        box(1)->choose(1);
        mode()->click();
        QCOMPARE(mode()->text(), u"テスト"_s);
        QVERIFY(next()->isEnabled());
        QCOMPARE(text(u"Label3"_s), goOn);
        QCOMPARE(h->lastCue(), 17);
        mode()->click();
        QCOMPARE(mode()->text(), u"べんきょう"_s);
        QCOMPARE(text(u"Label3"_s), chooseMenu);
        QVERIFY(next()->isEnabled()); // keeps its state
    }

    // Before any menu choice there is no task to pose: nothing is drawn and the prompt asks for one.
    void withoutASubTopicNothingIsPosed()
    {
        mode()->click();
        QCOMPARE(screen->lessonMode(), int(Test));
        QVERIFY(!next()->isEnabled());
        QCOMPARE(text(u"Label3"_s), chooseMenu);
        screen->CuteButton4Click();
        QVERIFY(h->drawRanges.empty());
        QVERIFY(!anySelectorVisible());
        QCOMPARE(text(u"Label3"_s), chooseMenu);
    }

    void nextPosesAndTheOnesJudge()
    {
        pose2736(3, 4); // at the 百 place: 3000
        QCOMPARE(text(u"Label4"_s), u"2736 の 百の位を\n四捨五入した がい数は？"_s);
        QVERIFY(!next()->isEnabled());
        QCOMPARE(text(u"Label3"_s), u"答えは 大きい位から じゅんに えらんでね！"_s);
        QCOMPARE(h->lastCue(), 11);
        const QStringList headings{u"一"_s, u"十"_s, u"百"_s, u"千"_s, u"万"_s, u"十"_s, u"百"_s};
        for (int n = 2; n <= 8; ++n) {
            QVERIFY(visible(u"ComboBox%1"_s.arg(n)));
            QCOMPARE(box(n)->text(), headings[n - 2]);
            QCOMPARE(box(n)->pos(), QPoint(904 - 24 * (n - 2), 328));
        }

        // Each higher place once, then the ones judge.
        const int digits[] = {0, 0, 0, 3, 0, 0};
        for (int n = 8; n >= 3; --n) {
            box(n)->choose(digits[8 - n]);
            QCOMPARE(h->lastCue(), 17);
            QVERIFY(text(u"Label6"_s).isEmpty());
        }
        box(2)->choose(0);
        QCOMPARE(text(u"Label5"_s), u"答え： 3000"_s);
        QCOMPARE(text(u"Label6"_s), u"○"_s);
        QCOMPARE(h->lastCue(), 14);
        QVERIFY(next()->isEnabled());
        QCOMPARE(text(u"Label3"_s), goOn);

        box(8)->choose(1);
        box(2)->choose(0);
        QCOMPARE(text(u"Label6"_s), u"×"_s);
        QCOMPARE(h->lastCue(), 13);
    }

    // A menu choice keeps the next button on, and it poses a problem of the new sub-topic; in
    // the explanation it only says there is no test.
    void nextAfterAMenuChoice()
    {
        pose2736(2);
        box(2)->choose(0);
        box(1)->choose(3);
        QCOMPARE(screen->lessonMode(), int(Study));
        h->queueDraws({2, 2736 - 1001, 0});
        next()->click();
        QCOMPARE(text(u"Label4"_s), u"2736 の 上から２けたの \nがい数は？"_s);
        QVERIFY(visible(u"ComboBox2"_s));

        box(2)->choose(0);
        box(1)->choose(0);
        h->cues.clear();
        next()->click();
        QCOMPARE(h->dialogs.back().text, noTest);
        QVERIFY(!anySelectorVisible() && !visible(u"Memo1"_s));
        QVERIFY(!next()->isEnabled());
        QVERIFY(h->cues.empty());
    }
};

QTEST_MAIN(TestForm13)
#include "tst_form13.moc"
