// The two- and three-place column screen: the wiring of its handlers and menus, the marks over
// their digits for either number of places, and the entry of a sum with its carry digits.
#include "frame/Prompts.h"
#include "lessons/decimals/Unit11.h"
#include "tests/support/ColumnDriving.h"
#include "tests/support/ShownScreen.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using namespace kazemaru;

namespace {

const QString chooseMenu = prompt::chooseMenuTight;
const QString chooseProblem = prompt::chooseProblem;
const QString goOn = prompt::goOnTight;

using Shown = test::ShownScreen<TForm11>;

// The sub-topic, the problem kind, the mode, and the problem of the scripted draws.
void pose(Shown& s, int subTopic, int kind, int mode, std::initializer_list<int> draws)
{
    s.box(1)->choose(subTopic - 1);
    s.box(2)->choose(kind - 1);
    if (mode == Test) s.button(3)->click();
    s.harness.queueDraws(draws);
    s.button(4)->click();
}

} // namespace

class TestForm11 : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    // The menu, then the problem menu: until both are chosen nothing can be posed, and the
    // prompt asks for what is missing.
    void menusBeforeAProblem()
    {
        Shown s;
        QCOMPARE(s.text(u"Label3"_s), chooseMenu);
        QVERIFY(!s.visible(u"ComboBox2"_s) && !s.button(4)->isEnabled() && !s.button(5)->isEnabled());
        QCOMPARE(s.harness.lastCue(), 12);

        s.box(1)->choose(1);
        QVERIFY(s.visible(u"ComboBox2"_s));
        QCOMPARE(s.text(u"Label3"_s), chooseProblem);
        QVERIFY(!s.button(4)->isEnabled());
        s.button(3)->click();
        QCOMPARE(s.button(3)->text(), u"テスト"_s);
        QVERIFY(!s.button(4)->isEnabled());
        QCOMPARE(s.text(u"Label3"_s), chooseProblem);
        s.screen->invokeHandler("CuteButton4Click");
        QCOMPARE(s.text(u"Label4"_s), QString());
        QVERIFY(!s.visible(u"ComboBox3"_s));

        s.box(2)->choose(1);
        QCOMPARE(test::Probe::problemKind(*s.screen), 2);
        QVERIFY(s.button(4)->isEnabled());
        QCOMPARE(s.text(u"Label3"_s), goOn);
        QCOMPARE(s.harness.lastCue(), 12);

        // Showing the screen again hides the problem menu until the menu is chosen.
        s.screen->hide();
        s.screen->show();
        QVERIFY(!s.visible(u"ComboBox2"_s) && !s.button(4)->isEnabled());
    }

    // A three-place subtraction borrowing through two zeros, walked to its end: marks and strike
    // lines over the digits they belong to; the problem menu then clears the example.
    void threePlaceExample()
    {
        Shown s;
        pose(s, 2, 2, Study, {3001, 4}); // 4.002 - 1.005
        QCOMPARE(s.text(u"Label3"_s), u"「ステップ」ボタンですすめてね！"_s);
        QCOMPARE(s.text(u"Label4"_s), u"4.002 - 1.005 = ?"_s); // the problem stands before step 1
        for (int step = 1; step <= 5; ++step)
            s.button(5)->click();
        QCOMPARE(s.text(u"Label6"_s), u"4.002"_s);
        QCOMPARE(s.text(u"Label7"_s), u"1.005"_s);
        QCOMPARE(s.text(u"Label8"_s), u"2.997"_s);
        QCOMPARE(s.text(u"Label9"_s), u"-"_s);
        QCOMPARE(s.text(u"Label4"_s), u"4.002 - 1.005 = 2.997"_s);
        QVERIFY(s.text(u"Label5"_s).startsWith(u"【ステップ５】"_s));
        QCOMPARE(s.button(5)->text(), u"ステップ１"_s);
        QVERIFY(s.button(4)->isEnabled());
        QCOMPARE(s.text(u"Label3"_s), goOn);
        QCOMPARE(s.harness.lastCue(), 12);
        const ColumnFigure& f = test::Probe::figure(*s.screen);
        for (int j = 1; j <= 3; ++j) {
            QVERIFY(f.strike(j)->isVisible());
            QCOMPARE(test::centreOf(f.mark(j)), test::digitCentre(f.firstRow(), j + 1, 3));
            QCOMPARE(test::centreOf(f.strike(j)), test::digitCentre(f.firstRow(), j + 1, 3));
        }
        QCOMPARE(s.text(u"Label12"_s), u"3"_s);

        s.button(5)->click(); // step 1 of the walk again
        s.box(2)->choose(0);
        QCOMPARE(s.text(u"Label6"_s), QString());
        QCOMPARE(s.button(5)->text(), u"ステップ１"_s);
        QVERIFY(!s.button(5)->isEnabled() && s.button(4)->isEnabled());
        QCOMPARE(test::Probe::problemKind(*s.screen), 1);

        // Two places move the columns: the marks follow them.
        s.harness.queueDraws({402, 106}); // 5.03 - 2.07
        s.button(4)->click();
        s.button(5)->click();
        s.button(5)->click();
        QCOMPARE(s.text(u"Label11"_s), u"4"_s);
        for (int j = 1; j <= 2; ++j)
            QCOMPARE(test::centreOf(f.strike(j)), test::digitCentre(f.firstRow(), j + 1, 2));
        QVERIFY(!f.strike(3)->isVisible());
    }

    // 2.75 + 1.48 entered with its carry digits: two selectors open a column, the tens digit's
    // selector before the ones; judged, then nothing more to choose.
    void twoPlaceSumEntered()
    {
        Shown s;
        pose(s, 1, 1, Test, {175, 48});
        QCOMPARE(s.text(u"Label4"_s), u"2.75 + 1.48 = ?"_s);
        QCOMPARE(s.text(u"Label13"_s), u"小\n数\n点"_s);
        QCOMPARE(s.text(u"Label3"_s), u"小数第二位を たした数を えらんでね！\n２けたの時もあるよ！"_s);
        const auto open = [&] {
            QString o;
            for (int n = 3; n <= 7; ++n)
                o += s.box(n)->isEnabled() ? u'o' : u'-';
            return o;
        };
        QCOMPARE(open(), u"-oo--"_s);
        QCOMPARE(s.harness.lastCue(), 11);

        s.box(5)->choose(1);
        s.box(4)->choose(3);
        QCOMPARE(s.text(u"Label8"_s), u"3"_s);
        QCOMPARE(s.text(u"Label10"_s), u"1"_s);
        QCOMPARE(open(), u"--oo-"_s);
        QCOMPARE(s.box(5)->itemIndex(), -1);
        QCOMPARE(s.harness.lastCue(), 17);

        s.box(6)->choose(1);
        s.box(5)->choose(2);
        QCOMPARE(s.text(u"Label8"_s), u".23"_s);
        QCOMPARE(s.text(u"Label11"_s), u"1"_s);
        QCOMPARE(open(), u"---oo"_s);
        QCOMPARE(s.text(u"Label3"_s), u"一の位を たした数を えらんでね！\n２けたの時もあるよ！"_s);

        s.box(6)->choose(4);
        QCOMPARE(s.text(u"Label8"_s), u"4.23"_s);
        QCOMPARE(s.text(u"Label15"_s), u"○"_s);
        QCOMPARE(s.text(u"Label4"_s), u"2.75 + 1.48 = 4.23"_s);
        QCOMPARE(s.harness.lastCue(), 14);
        QCOMPARE(open(), u"-----"_s);
        QVERIFY(s.button(4)->isEnabled());
    }

    // A two-digit sum: the tens digit chosen before the ones is written and counted.
    void twoDigitSumEntered()
    {
        Shown s;
        pose(s, 1, 1, Test, {887, 356}); // 9.87 + 4.56
        const QList<QPair<int, int>> key = test::Probe::answerKey(*s.screen);
        QCOMPARE(key, (QList<QPair<int, int>>{{4, 3}, {5, 4}, {7, 1}, {6, 4}}));
        for (const auto& [box, digit] : key)
            s.box(box)->choose(digit);
        QCOMPARE(s.text(u"Label8"_s), u"14.43"_s);
        QCOMPARE(s.text(u"Label15"_s), u"○"_s);
        QCOMPARE(s.screen->entered().value(), 14430); // in thousandths
    }

    void pointMemo()
    {
        Shown s;
        test::checkPointMemo(s, QRect(192, 136, 585, 161), u"小数第二位でも第三位でも"_s);
    }
};

QTEST_MAIN(TestForm11)
#include "tst_form11.moc"
