// The two- and three-place column screen: the wiring of its handlers and menus, the marks over
// their digits for either number of places, and the entry of a sum with its carry digits.
#include "lessons/decimals/Unit11.h"
#include "tests/support/ShownScreen.h"

#include <QPlainTextEdit>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace kazemaru;

namespace {

const QString chooseMenu = u"「メニュー」をえらんでね！"_s;
const QString chooseProblem = u"「もんだい」を えらんでね！"_s;
const QString goOn = u"「つぎへ」ボタンですすめてね！"_s;

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

// The horizontal centre of `column`'s digit in a row of the figure, on the screen.
int digitCentre(const written::DigitRow* row, int column, int places)
{
    const qsizetype i = row->text().size() - column - (column > places ? 1 : 0);
    return row->mapToParent(row->cell(i).center()).x();
}

int centre(const QWidget* w)
{
    return w->geometry().center().x();
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
        QCOMPARE(s.screen->problemKind(), 2);
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
        const ColumnFigure& f = s.screen->figure();
        for (int j = 1; j <= 3; ++j) {
            QVERIFY(f.strike(j)->isVisible());
            QCOMPARE(centre(f.mark(j)), digitCentre(f.firstRow(), j + 1, 3));
            QCOMPARE(centre(f.strike(j)), digitCentre(f.firstRow(), j + 1, 3));
        }
        QCOMPARE(s.text(u"Label12"_s), u"3"_s);

        s.button(5)->click(); // step 1 of the walk again
        s.box(2)->choose(0);
        QCOMPARE(s.text(u"Label6"_s), QString());
        QCOMPARE(s.button(5)->text(), u"ステップ１"_s);
        QVERIFY(!s.button(5)->isEnabled() && s.button(4)->isEnabled());
        QCOMPARE(s.screen->problemKind(), 1);
    }

    // 2.75 + 1.48 entered with its carry digits: two selectors open a column, the tens digit's
    // selector before the ones; judged, then nothing more to choose. With two places the marks
    // stand over the two-place columns.
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
        const ColumnFigure& f = s.screen->figure();
        QCOMPARE(centre(f.mark(1)), digitCentre(f.firstRow(), 2, 2));

        s.box(6)->choose(1);
        s.box(5)->choose(2);
        QCOMPARE(s.text(u"Label8"_s), u".23"_s);
        QCOMPARE(s.text(u"Label11"_s), u"1"_s);
        QCOMPARE(centre(f.mark(2)), digitCentre(f.firstRow(), 3, 2));
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
        const QList<QPair<int, int>> key = s.screen->answerKey();
        QCOMPARE(key, (QList<QPair<int, int>>{{4, 3}, {5, 4}, {7, 1}, {6, 4}}));
        for (const auto& [box, digit] : key)
            s.box(box)->choose(digit);
        QCOMPARE(s.text(u"Label8"_s), u"14.43"_s);
        QCOMPARE(s.text(u"Label15"_s), u"○"_s);
        QCOMPARE(s.screen->entered().value(), 14430); // in thousandths
    }

    // A subtraction's ones are asked for by name once the tenths are entered.
    void subtractionAsksForTheOnes()
    {
        Shown s;
        pose(s, 2, 1, Test, {402, 106}); // 5.03 - 2.07
        s.box(4)->choose(6);
        QCOMPARE(s.text(u"Label3"_s), u"小数第一位の答えを えらんでね！"_s);
        s.box(5)->choose(9);
        QCOMPARE(s.text(u"Label3"_s), u"一の位の答えを えらんでね！"_s);
        QVERIFY(s.box(6)->isEnabled() && !s.box(7)->isEnabled());
        QCOMPARE(s.text(u"Label10"_s), u"9"_s);
        QCOMPARE(s.text(u"Label11"_s), u"4"_s);
    }

    void pointMemo()
    {
        Shown s;
        s.button(6)->click();
        auto* memo = test::child<QPlainTextEdit>(s.screen.get(), u"Memo1"_s);
        QVERIFY(memo->isVisible());
        QCOMPARE(memo->geometry(), QRect(192, 136, 585, 161));
        QVERIFY(memo->toPlainText().contains(u"小数第二位でも第三位でも"_s));
        QCOMPARE(s.harness.lastCue(), 15);
        s.button(6)->click();
        QVERIFY(!memo->isVisible());
        QCOMPARE(s.harness.lastCue(), 11);
    }
};

QTEST_MAIN(TestForm11)
#include "tst_form11.moc"
