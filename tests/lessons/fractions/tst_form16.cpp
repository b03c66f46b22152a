// The fractions screen: the wiring of its handlers, once each.
#include "frame/Prompts.h"
#include "lessons/fractions/Unit16.h"
#include "tests/support/ShownScreen.h"

#include <QtTest>
#include <memory>

using namespace Qt::StringLiterals;
using namespace kazemaru;
using kazemaru::test::child;

namespace {

using prompt::chooseMenu;
using prompt::goOn;
const QString stepOn = u"「ステップ」ボタンで すすめてね！"_s;

} // namespace

class TestForm16 : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<test::ShownScreen<TForm16>> shown;
    test::Harness* h = nullptr;
    TForm16* screen = nullptr;

    QString text(int label) { return shown->text(u"Label%1"_s.arg(label)); }
    bool visible(const QString& name) { return shown->visible(name); }
    QAbstractButton* button(int n) { return shown->button(n); }
    SimpleComboBox* box(int n) { return shown->box(n); }
    // Whole part, numerator and denominator of the left (12, 7, 8) or right (11, 9, 10) fraction.
    QStringList fraction(bool left)
    {
        return left ? QStringList{text(12), text(7), text(8)} : QStringList{text(11), text(9), text(10)};
    }

  private Q_SLOTS:
    void init()
    {
        shown = std::make_unique<test::ShownScreen<TForm16>>();
        h = &shown->harness;
        screen = shown->screen.get();
    }
    void cleanup() { shown.reset(); }

    // Without a sub-topic the mode button stays in study mode and asks for the menu.
    void modeButtonWaitsForAMenuChoice()
    {
        QCOMPARE(screen->size(), QSize(955, 708));
        QCOMPARE(text(3), chooseMenu);
        QVERIFY(!button(4)->isEnabled() && !button(5)->isEnabled());
        button(3)->click();
        QCOMPARE(screen->lessonMode(), int(Study));
        QCOMPARE(button(3)->text(), u"べんきょう"_s);
        QCOMPARE(text(3), chooseMenu);
        QVERIFY(!button(4)->isEnabled());
        QVERIFY(h->dialogs.empty());
        QCOMPARE(h->lastCue(), 12);
    }

    // The parts of a fraction: the picture, 1/5 and 3/5, and no test.
    void partsOfAFraction()
    {
        box(1)->choose(0);
        QVERIFY(visible(u"Image1"_s));
        QCOMPARE(child<QWidget>(screen, u"Image1"_s)->geometry(), QRect(184, 136, 545, 65));
        QCOMPARE(text(4), fractionPartsExplanation());
        QCOMPARE(text(5), fractionNamesExplanation());
        QCOMPARE(fraction(true), (QStringList{QString(), u"1"_s, u"5"_s}));
        QCOMPARE(fraction(false), (QStringList{QString(), u"3"_s, u"5"_s}));
        QVERIFY(visible(u"Shape1"_s) && visible(u"Shape2"_s) && !visible(u"Label13"_s));
        QCOMPARE(child<QWidget>(screen, u"Shape1"_s)->geometry(), QRect(266, 352, 34, 2));
        // The mode button says there is no test here and leaves the lesson on the screen.
        button(3)->click();
        QCOMPARE(h->dialogs.size(), 1u);
        QCOMPARE(h->dialogs[0].text, u"このメニューには テストはないよ。"_s);
        QCOMPARE(screen->lessonMode(), int(Study));
        QCOMPARE(text(4), fractionPartsExplanation());
        QVERIFY(visible(u"Image1"_s));

        box(1)->choose(1); // any other sub-topic hides the picture
        QVERIFY(!visible(u"Image1"_s));
    }

    void comparisonInStudyAndTest()
    {
        box(1)->choose(1);
        QVERIFY(button(4)->isEnabled());
        QCOMPARE(text(3), goOn);
        h->queueDraws({8, 2, 4}); // 3/7 against 1
        button(4)->click();
        QCOMPARE(text(4), u"どちらの分数が大きい？"_s);
        QCOMPARE(fraction(true), (QStringList{QString(), u"3"_s, u"7"_s}));
        QCOMPARE(fraction(false), (QStringList{u"1"_s, QString(), QString()}));
        QVERIFY(!visible(u"Shape2"_s));
        QCOMPARE(button(5)->text(), u"答え"_s);
        QVERIFY(button(5)->isEnabled() && !button(4)->isEnabled());
        QCOMPARE(text(3), u"「答え」ボタンを おしてね！"_s);
        button(5)->click();
        QCOMPARE(text(5), u"１は「7 分の 7」と同じなので、右の方が\n大きいよ。"_s);
        QVERIFY(!button(5)->isEnabled() && button(4)->isEnabled());

        button(3)->click();
        QCOMPARE(button(3)->text(), u"テスト"_s);
        QCOMPARE(text(3), goOn);
        h->queueDraws({0, 4, 1, 4}); // 5/7 against 2/7
        button(4)->click();
        QCOMPARE(text(3), u"答えを えらんでね！"_s);
        QVERIFY(visible(u"ComboBox5"_s) && !visible(u"ComboBox2"_s));
        QCOMPARE(box(5)->pos(), QPoint(901, 280));
        QCOMPARE(box(5)->items(), (QStringList{u"左"_s, u"右"_s}));
        box(5)->choose(1);
        QCOMPARE(text(6), u"×"_s);
        box(5)->choose(0);
        QCOMPARE(text(6), u"○"_s);
        QVERIFY(text(5).isEmpty()); // no reason in test mode
        QVERIFY(button(4)->isEnabled());

        // Back to study mode: an empty screen until the menu is chosen again.
        button(3)->click();
        QCOMPARE(screen->lessonMode(), int(Study));
        QVERIFY(text(4).isEmpty() && !visible(u"ComboBox5"_s));
        QVERIFY(!button(5)->isEnabled());
        QCOMPARE(text(3), chooseMenu);
    }

    // The walk of the kinds of fractions goes round to plain proper fractions again.
    void stepWalkOfTheKinds()
    {
        box(1)->choose(2);
        QCOMPARE(button(5)->text(), u"ステップ１"_s);
        QVERIFY(button(5)->isEnabled() && !button(4)->isEnabled());
        QCOMPARE(text(3), stepOn);
        for (int press = 0; press < 3; ++press)
            button(5)->click();
        QCOMPARE(fraction(true), (QStringList{u"1"_s, u"2"_s, u"6"_s}));
        QCOMPARE(button(5)->text(), u"ステップ１"_s);
        button(5)->click();
        QCOMPARE(test::Probe::step(*screen), 1);
        QCOMPARE(fraction(true), (QStringList{QString(), u"3"_s, u"5"_s}));
        QCOMPARE(fraction(false), (QStringList{QString(), u"8"_s, u"9"_s}));
        QVERIFY(!visible(u"Label13"_s));
    }

    void conversionJudgedAndJudgedAgain()
    {
        box(1)->choose(3);
        QCOMPARE(text(4), u"仮分数は帯分数に、帯分数は仮分数に\nなおすことができるよ。"_s);
        button(5)->click();
        QVERIFY(visible(u"Label13"_s));
        QCOMPARE(text(5), u"　　　　　（13 ÷ 5 = 2 あまり 3）"_s);

        button(3)->click();
        h->queueDraws({6, 2, 2, 3}); // 4 3/5
        button(4)->click();
        QCOMPARE(text(4), u"次の分数を仮分数になおすと？"_s);
        QCOMPARE(fraction(true), (QStringList{u"4"_s, u"3"_s, u"5"_s}));
        QCOMPARE(text(3), u"答えは 分子（十の位）→分子（一の位）→\n分母のじゅんに えらんでね！"_s);
        QCOMPARE(box(4)->text(), u"子"_s);
        box(4)->choose(2);
        box(3)->choose(3);
        box(2)->choose(5);
        QCOMPARE(text(6), u"○"_s);
        QCOMPARE(fraction(false), (QStringList{QString(), u"23"_s, u"5"_s}));
        QVERIFY(visible(u"Label13"_s) && visible(u"Shape2"_s));
        // The denominator again judges the same entry the same way.
        box(2)->choose(5);
        QCOMPARE(text(6), u"○"_s);
        QCOMPARE(h->lastCue(), 14);
        box(3)->choose(4);
        box(2)->choose(5);
        QCOMPARE(text(6), u"×"_s);

        h->queueDraws({0, 14, 6}); // 17/8
        button(4)->click();
        QCOMPARE(box(4)->text(), u"整"_s);
        QCOMPARE(text(3), u"答えは 整数→分子→分母のじゅんに えらんでね！"_s);
        box(4)->choose(2);
        box(3)->choose(1);
        box(2)->choose(8);
        QCOMPARE(text(6), u"○"_s);
        QCOMPARE(fraction(false), (QStringList{u"2"_s, u"1"_s, u"8"_s}));
    }
};

QTEST_MAIN(TestForm16)
#include "tst_form16.moc"
