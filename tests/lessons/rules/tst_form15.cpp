// The calculation-rules screen: the wiring of its handlers, once each.
#include "frame/Prompts.h"
#include "lessons/rules/Unit15.h"
#include "tests/support/ShownScreen.h"

#include <QPlainTextEdit>
#include <QtTest>
#include <memory>

using namespace Qt::StringLiterals;
using namespace kazemaru;
using kazemaru::test::child;

namespace {

using prompt::chooseMenu;
using prompt::goOn;

} // namespace

class TestForm15 : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<test::ShownScreen<TForm15>> shown;
    test::Harness* h = nullptr;
    TForm15* screen = nullptr;

    QString text(int label) { return shown->text(u"Label%1"_s.arg(label)); }
    QAbstractButton* button(int n) { return shown->button(n); }
    SimpleComboBox* box(int n) { return shown->box(n); }

  private Q_SLOTS:
    void init()
    {
        shown = std::make_unique<test::ShownScreen<TForm15>>();
        h = &shown->harness;
        screen = shown->screen.get();
    }
    void cleanup() { shown.reset(); }

    // A fresh screen has no sub-topic: the next button waits for the menu, in either mode.
    void nothingIsPosedBeforeAMenuChoice()
    {
        QVERIFY(!button(4)->isEnabled() && !button(5)->isEnabled());
        QCOMPARE(text(2), chooseMenu);
        button(3)->click();
        QCOMPARE(button(3)->text(), u"テスト"_s);
        QVERIFY(!button(4)->isEnabled());
        QCOMPARE(text(2), chooseMenu);
        screen->CuteButton4Click();
        QVERIFY(h->drawRanges.empty() && text(3).isEmpty());

        box(1)->choose(0);
        QCOMPARE(button(3)->text(), u"べんきょう"_s);
        QVERIFY(button(4)->isEnabled());
        QCOMPARE(text(2), goOn);
        screen->hide(); // shown again, the screen keeps its sub-topic and can go on at once
        screen->show();
        QVERIFY(button(4)->isEnabled());
        QCOMPARE(text(2), chooseMenu);
    }

    void studyAnswerShowsTheRuleAndTheEvaluation()
    {
        box(1)->choose(0);
        h->queueDraws({0, 32, 13, 15});
        button(4)->click();
        QCOMPARE(text(3), u"42 - ( 23 + 16 ) = ?"_s);
        QVERIFY(!button(4)->isEnabled() && button(5)->isEnabled() && !box(2)->isVisible());
        QCOMPARE(text(2), u"「答え」ボタンを おしてね！"_s);
        QCOMPARE(h->lastCue(), 11);
        button(5)->click();
        QCOMPARE(text(3), u"42 - ( 23 + 16 ) = 3"_s);
        QVERIFY(text(4).endsWith(u"\n\n42 - ( 23 + 16 ) = 42 - 39 = 3"_s));
        QVERIFY(button(4)->isEnabled() && !button(5)->isEnabled());
        QCOMPARE(text(2), goOn);
        QCOMPARE(h->lastCue(), 12);
    }

    // The answer button acts only on the study problem on the screen: a menu or mode change
    // turns it off, and even run directly it then shows nothing.
    void answerButtonNeverOutlivesItsProblem()
    {
        box(1)->choose(1);
        h->queueDraws({6, 1, 2, 4, 3});
        button(4)->click();
        box(1)->choose(4);
        QVERIFY(!button(5)->isEnabled());
        screen->CuteButton5Click();
        QVERIFY(text(3).isEmpty() && text(4).isEmpty());

        h->queueDraws({0, 6, 2}); // □ x 4 = 32
        button(4)->click();
        button(3)->click();
        QVERIFY(!button(5)->isEnabled());
        screen->CuteButton5Click();
        QVERIFY(text(4).isEmpty());

        button(3)->click(); // back to study mode, where the next button goes on
        QCOMPARE(text(2), chooseMenu);
        h->queueDraws({0, 6, 2});
        button(4)->click();
        button(5)->click();
        QCOMPARE(text(3), u"次の式の□の数は？\n\n□ x 4 = 32"_s);
        QCOMPARE(text(4), u"□ = 32 ÷ 4 = 8"_s);
    }

    void testAnswerThroughFourSelectors()
    {
        box(1)->choose(1);
        button(3)->click();
        h->queueDraws({8, 32, 1, 4, 3}); // 42 x 3 + 30 ÷ 5 = 132
        button(4)->click();
        QCOMPARE(text(2), u"答えは 大きい位から じゅんに えらんでね！"_s);
        for (int n = 2; n <= 5; ++n) {
            QCOMPARE(box(n)->text(), (QStringList{u"一"_s, u"十"_s, u"百"_s, u"千"_s}[n - 2]));
            QCOMPARE(box(n)->pos(), QPoint(904 - 24 * (n - 2), 232));
        }
        box(5)->choose(0);
        box(4)->choose(1);
        box(3)->choose(3);
        QCOMPARE(h->lastCue(), 17);
        QVERIFY(text(5).isEmpty());
        box(2)->choose(2);
        QCOMPARE(text(5), u"○"_s);
        QCOMPARE(text(3), u"42 x 3 + 30 ÷ 5 = 132"_s);
        QVERIFY(button(4)->isEnabled());
        box(3)->choose(4);
        box(2)->choose(2);
        QCOMPARE(text(5), u"×"_s);

        box(1)->choose(3); // a □ problem tells the value of □ below its question
        button(3)->click();
        h->queueDraws({5, 19, 9}); // □ - 20 = 50
        button(4)->click();
        box(3)->choose(7);
        box(2)->choose(0);
        QCOMPARE(text(5), u"○"_s);
        QCOMPARE(text(3), u"次の式の□の数は？\n\n□ - 20 = 50"_s);
        QCOMPARE(text(4), u"□は 70"_s);
    }

    void pointMemo()
    {
        auto* memo = child<QPlainTextEdit>(screen, u"Memo1"_s);
        button(6)->click();
        QVERIFY(memo->isVisible());
        QCOMPARE(memo->y(), 168);
        QCOMPARE(memo->toPlainText().split(u'\n').size(), 30);
        button(6)->click();
        QVERIFY(!memo->isVisible());
    }
};

QTEST_MAIN(TestForm15)
#include "tst_form15.moc"
