// The one-digit long-division screen driven through its widgets: the worked examples, the
// row-by-row entry of test problems, judging, the restore button and the point memo.
#include "lessons/division/Unit4.h"
#include "tests/support/TestSupport.h"

#include <QImage>
#include <QPainter>
#include <QPlainTextEdit>
#include <QtTest>

using namespace kazemaru;
using namespace Qt::StringLiterals;

namespace {

const QString goOn = u"「つぎへ」ボタンで すすめてね！"_s;
const QString arrowAsk = u"赤い矢印のところを 答えてね！"_s;

struct Screen {
    test::Harness h;
    std::unique_ptr<TForm4> form = std::make_unique<TForm4>(nullptr);

    Screen() { form->FormCreate(); }
    QLabel* label(int n) const { return test::child<QLabel>(form.get(), u"Label%1"_s.arg(n)); }
    QString text(int n) const { return label(n)->text(); }
    SimpleComboBox* box(int n) const { return test::child<SimpleComboBox>(form.get(), u"ComboBox%1"_s.arg(n)); }
    QAbstractButton* button(int n) const { return test::child<QAbstractButton>(form.get(), u"CuteButton%1"_s.arg(n)); }
    QWidget* widget(const QString& name) const { return test::child<QWidget>(form.get(), name); }
    bool shown(const QString& name) const { return !widget(name)->isHidden(); }
    int arrow() const { return shown(u"Image3"_s) ? widget(u"Image3"_s)->y() : -1; }
    QString prompt() const { return text(3); }
    int lastCue() const { return h.lastCue(); }

    void menu(int subTopic) { box(1)->choose(subTopic - 1); }
    void enter(int n)
    {
        if (n >= 10) box(3)->choose(n / 10);
        box(2)->choose(n % 10);
    }
    void quotient(int g) { box(4)->choose(g); }
    void steps(int n)
    {
        for (int i = 0; i < n; ++i)
            button(5)->click();
    }
    // A test problem of the sub-topic with scripted draws.
    void pose(int subTopic, std::initializer_list<int> draws)
    {
        menu(subTopic);
        button(3)->click();
        h.queueDraws(draws);
        button(4)->click();
    }
};

// The columns in which a row's digits show ink, from a rendering of the row alone.
QList<int> inkedColumns(QLabel* row)
{
    QImage image(row->size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    row->render(&image);
    QList<int> columns;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 128) {
                const int column = x / 20;
                if (!columns.contains(column)) columns << column;
                break;
            }
    return columns;
}

} // namespace

class LongDivisionScreen : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void showHandlerWaitsForTheMenu();
    void threeDigitExamplesStepByStep();
    void twoDigitExampleEndsAfterThreeSteps();
    void zeroMiddleProblemWrittenOut();
    void shortStartProblemWrittenOut();
    void restoreAfterJudgingStartsAgain();
    void nextBeforeAnyMenuChoicePosesNothing();
    void menuChangeDisablesRestore();
    void pointMemo();
    void digitsStandInTheirCells();
};

void LongDivisionScreen::showHandlerWaitsForTheMenu()
{
    Screen s;
    QCOMPARE(s.button(3)->text(), u"べんきょう"_s);
    QCOMPARE(s.prompt(), u"メニューを えらんでね！"_s);
    QCOMPARE(s.lastCue(), 12);
    for (int n : {4, 5, 7})
        QVERIFY(!s.button(n)->isEnabled());
    for (const QString& name : {u"ComboBox2"_s, u"ComboBox3"_s, u"ComboBox4"_s, u"Shape1"_s, u"Shape2"_s, u"Image2"_s,
                                u"Image3"_s, u"Memo1"_s})
        QVERIFY(!s.shown(name));
    QCOMPARE(s.box(2)->items().value(7), u"７　"_s);
    QCOMPARE(s.box(4)->text(), u"商"_s);
    s.menu(2);
    QVERIFY(s.button(4)->isEnabled() && !s.button(5)->isEnabled());
    QCOMPARE(s.prompt(), goOn);
}

void LongDivisionScreen::threeDigitExamplesStepByStep()
{
    Screen s;
    s.menu(2);
    s.button(4)->click();
    QCOMPARE(s.text(4), u"436 ÷ 3 = ?"_s);
    QCOMPARE(s.prompt(), u"「ステップ」ボタンで すすめてね！"_s);
    QVERIFY(!s.button(4)->isEnabled() && s.button(5)->isEnabled());
    s.steps(4);
    QVERIFY(s.shown(u"Shape4"_s));
    QCOMPARE(s.text(15), u"1"_s);
    QCOMPARE(s.text(4), u"436 ÷ 3 = 145 あまり 1"_s);

    // Example 2, 325 ÷ 3: the first difference 2 gets the 5 brought down one column right.
    s.button(4)->click();
    QCOMPARE(test::Probe::exampleCounter(*s.form), 2);
    QCOMPARE(s.button(5)->text(), u"ステップ１"_s);
    QCOMPARE(s.text(15), QString());
    s.h.cues.clear();
    s.steps(1);
    QCOMPARE(s.text(8), u"3"_s);
    QCOMPARE(s.text(9), u"325"_s);
    QVERIFY(s.shown(u"Shape1"_s) && s.shown(u"Image2"_s));
    QCOMPARE(s.button(5)->text(), u"ステップ２"_s);
    QCOMPARE(s.prompt(), u"「ステップ」ボタンですすめてね！"_s);
    s.steps(2);
    QCOMPARE(s.text(11), u"25"_s);
    QCOMPARE(s.label(11)->x(), 740);
    QCOMPARE(s.text(12), QString());
    QVERIFY(!s.shown(u"Shape3"_s));
    QVERIFY(s.text(5).startsWith(u"【ステップ３】\n\n　次に、この 2 は 3 で われないので、"_s));
    QCOMPARE(s.text(4), u"325 ÷ 3 = ?"_s);
    s.steps(1);
    QCOMPARE(s.text(7), u"108"_s);
    QCOMPARE(s.text(12), u"24"_s);
    QCOMPARE(s.label(12)->x(), 740);
    QCOMPARE(s.text(13), u"1"_s);
    QVERIFY(s.shown(u"Shape3"_s) && !s.shown(u"Shape4"_s));
    QCOMPARE(s.text(4), u"325 ÷ 3 = 108 あまり 1"_s);
    QCOMPARE(s.h.cues, (std::vector<int>{17, 17, 17, 12}));
    QCOMPARE(s.prompt(), u"「つぎへ」ボタンですすめてね！"_s);
    QVERIFY(s.button(4)->isEnabled() && !s.button(5)->isEnabled());
    QCOMPARE(test::Probe::stepCounter(*s.form), 0);

    // Example 3, 235 ÷ 3: a short start, over after three steps.
    s.button(4)->click();
    s.steps(3);
    QCOMPARE(s.text(7), u"78"_s);
    for (int n : {7, 11, 12})
        QCOMPARE(s.label(n)->x(), 740);
    QCOMPARE(s.text(4), u"235 ÷ 3 = 78 あまり 1"_s);
    QCOMPARE(s.button(5)->text(), u"ステップ４"_s);
    QVERIFY(!s.button(5)->isEnabled());
    // The counter starts over, and the rows are back in their places.
    s.button(4)->click();
    QCOMPARE(test::Probe::exampleCounter(*s.form), 1);
    for (int n : {7, 11, 12})
        QCOMPARE(s.label(n)->x(), 720);
}

void LongDivisionScreen::twoDigitExampleEndsAfterThreeSteps()
{
    Screen s;
    s.menu(1);
    s.button(4)->click();
    s.steps(3);
    QCOMPARE(s.text(7), u"12"_s);
    QCOMPARE(s.text(13), u"0"_s);
    QCOMPARE(s.label(13)->x(), 720);
    QCOMPARE(s.text(4), u"84 ÷ 7 = 12"_s);
    QVERIFY(s.text(5).endsWith(u"　商は 12 で あまり 0"_s));
    QVERIFY(s.button(4)->isEnabled() && !s.button(5)->isEnabled());
    // A menu choice puts the second difference row back under the ones of three digits.
    s.menu(2);
    QCOMPARE(s.label(13)->x(), 740);
}

void LongDivisionScreen::zeroMiddleProblemWrittenOut()
{
    Screen s;
    s.pose(2, {0, 1, 805}); // no remainder, divisor 3, dividend 906
    QCOMPARE(s.button(3)->text(), u"テスト"_s);
    QCOMPARE(s.text(4), u"906 ÷ 3 = ?"_s);
    QCOMPARE(s.text(8), u"3"_s);
    QCOMPARE(s.text(9), u"906"_s);
    QCOMPARE(s.prompt(), u"商の百の位を 答えてね！"_s);
    QCOMPARE(s.lastCue(), 11);
    QVERIFY(!s.button(4)->isEnabled() && !s.button(5)->isEnabled() && s.button(7)->isEnabled());
    QVERIFY(s.shown(u"ComboBox4"_s) && !s.shown(u"ComboBox2"_s) && !s.shown(u"ComboBox3"_s));
    QCOMPARE(s.box(4)->x(), 904);
    QCOMPARE(s.arrow(), 290);
    QCOMPARE(s.widget(u"Image3"_s)->x(), 680);

    s.quotient(3);
    QCOMPARE(s.arrow(), 356);
    QVERIFY(!s.shown(u"ComboBox4"_s) && s.shown(u"ComboBox2"_s) && s.shown(u"ComboBox3"_s));
    QCOMPARE(s.box(2)->text(), u"一"_s);
    QCOMPARE(s.prompt(), arrowAsk);
    QCOMPARE(s.lastCue(), 17);
    s.enter(9);
    QCOMPARE(s.arrow(), 388);
    QVERIFY(s.shown(u"Shape2"_s));
    s.enter(0);
    QCOMPARE(s.text(11), u"0"_s);
    QCOMPARE(s.arrow(), 290);
    QCOMPARE(s.prompt(), u"商の十の位を 答えてね！"_s);
    s.quotient(0);
    QCOMPARE(s.arrow(), 388);
    QCOMPARE(test::Probe::layoutCase(*s.form), longdiv::LayoutCase::ZeroMiddle);
    s.enter(6); // brought down: it replaces the 0
    QCOMPARE(s.text(11), u"6"_s);
    QCOMPARE(s.label(11)->x(), 740);
    QCOMPARE(s.prompt(), u"商の一の位を 答えてね！"_s);
    s.quotient(2);
    QCOMPARE(s.arrow(), 420);
    s.enter(6);
    QCOMPARE(s.label(12)->x(), 740);
    QCOMPARE(s.arrow(), 452);
    s.h.cues.clear();
    s.enter(0);
    QCOMPARE(s.text(13), u"0"_s);
    QCOMPARE(s.text(7), u"302"_s);
    QCOMPARE(s.text(6), u"○"_s);
    QCOMPARE(s.text(4), u"906 ÷ 3 = 302"_s);
    QCOMPARE(s.h.cues, std::vector<int>{14});
    QCOMPARE(s.prompt(), goOn);
    QVERIFY(s.button(4)->isEnabled());

    // Once judged, further choices change nothing.
    s.box(2)->choose(5);
    s.box(4)->choose(1);
    QCOMPARE(s.text(13), u"0"_s);
    QCOMPARE(s.text(7), u"302"_s);
    QCOMPARE(s.h.cues, std::vector<int>{14});
}

void LongDivisionScreen::shortStartProblemWrittenOut()
{
    Screen s;
    s.pose(2, {0, 6, 3}); // no remainder, divisor 8, dividend 104
    QCOMPARE(s.text(4), u"104 ÷ 8 = ?"_s);
    QCOMPARE(s.prompt(), u"商の十の位を 答えてね！"_s);
    s.quotient(1);
    QCOMPARE(s.label(7)->x(), 740);
    s.enter(8);
    // The product of 10 stands under its last digit.
    QCOMPARE(s.label(10)->x(), 720);
    QCOMPARE(s.label(10)->x() + s.label(10)->width(), 760);
    QVERIFY(s.label(10)->alignment() & Qt::AlignRight);
    s.enter(24);
    QCOMPARE(s.text(11), u"24"_s);
    QCOMPARE(s.label(11)->x(), 740);
    QCOMPARE(s.prompt(), u"商の一の位を 答えてね！"_s);
    s.quotient(3);
    s.enter(24);
    QCOMPARE(s.label(12)->x(), 740);
    s.enter(0);
    QCOMPARE(s.text(6), u"○"_s);
    QCOMPARE(s.text(4), u"104 ÷ 8 = 13"_s);
}

void LongDivisionScreen::restoreAfterJudgingStartsAgain()
{
    Screen s;
    s.pose(2, {0, 1, 805});
    s.quotient(3);
    s.enter(9);
    s.enter(0);
    s.quotient(0);
    s.enter(6);
    s.quotient(2);
    s.enter(6);
    s.enter(0);
    QCOMPARE(s.text(6), u"○"_s);
    s.h.cues.clear();
    s.button(7)->click();
    QCOMPARE(s.text(6), QString());
    for (int n : {7, 10, 11, 12, 13, 14, 15})
        QCOMPARE(s.text(n), QString());
    QCOMPARE(s.text(4), u"906 ÷ 3 = ?"_s);
    QCOMPARE(s.text(9), u"906"_s);
    QCOMPARE(s.arrow(), 290);
    QCOMPARE(s.label(11)->x(), 720);
    QCOMPARE(s.label(13)->x(), 740);
    QVERIFY(s.shown(u"ComboBox4"_s) && s.box(4)->isEnabled() && !s.shown(u"Shape2"_s));
    QVERIFY(s.button(4)->isEnabled());
    QCOMPARE(s.prompt(), u"商の百の位を 答えてね！"_s); // the entry is asked for again
    QCOMPARE(s.h.cues, std::vector<int>{17});

    // Again, with a remainder that is not below the divisor: 3 × 301 + 3 is 906, but wrong.
    s.quotient(3);
    s.enter(9);
    s.enter(0);
    s.quotient(0);
    s.enter(6);
    s.quotient(1);
    s.enter(3);
    s.enter(3);
    QCOMPARE(s.text(6), u"×"_s);
    QCOMPARE(s.lastCue(), 13);
    QCOMPARE(s.text(4), u"906 ÷ 3 = 302"_s);
}

void LongDivisionScreen::nextBeforeAnyMenuChoicePosesNothing()
{
    Screen s;
    s.button(3)->click();
    QVERIFY(s.button(4)->isEnabled());
    s.button(4)->click();
    QCOMPARE(s.text(4), QString());
    QCOMPARE(s.text(9), QString());
    QVERIFY(!s.shown(u"ComboBox4"_s) && !s.shown(u"Image3"_s));
    QCOMPARE(s.prompt(), u"メニューを えらんでね！"_s);
    QVERIFY(s.h.drawRanges.empty());
    // In study mode too, and the step button stays off.
    s.button(3)->click();
    s.button(4)->click();
    QCOMPARE(s.text(4), QString());
    QVERIFY(!s.button(5)->isEnabled());
    QCOMPARE(s.prompt(), u"メニューを えらんでね！"_s);
}

void LongDivisionScreen::menuChangeDisablesRestore()
{
    Screen s;
    s.pose(2, {0, 1, 805});
    QVERIFY(s.button(7)->isEnabled());
    s.button(3)->click(); // back to study: the restore button stays
    QVERIFY(s.button(7)->isEnabled());
    s.menu(1);
    QVERIFY(!s.button(7)->isEnabled());
    s.h.queueDraws({0, 2, 40}); // divisor 4, dividend 80
    s.button(3)->click();
    s.button(4)->click();
    QVERIFY(s.button(7)->isEnabled());
    s.button(7)->click();
    QCOMPARE(s.text(4), u"80 ÷ 4 = ?"_s);
}

void LongDivisionScreen::pointMemo()
{
    Screen s;
    auto* memo = test::child<QPlainTextEdit>(s.form.get(), u"Memo1"_s);
    QVERIFY(s.button(6)->isEnabled());
    s.button(6)->click();
    QVERIFY(!memo->isHidden());
    QCOMPARE(memo->y(), 128);
    QCOMPARE(memo->document()->blockCount(), 33);
    QCOMPARE(memo->toPlainText().split(u'\n'), TForm4::memoLines());
    QCOMPARE(memo->toPlainText().split(u'\n').value(31), u"　　4 x 14 + 2 = 58 "_s);
    QCOMPARE(s.lastCue(), 15);
    QVERIFY(test::Probe::overlay(*s.form));
    s.button(6)->click();
    QVERIFY(memo->isHidden());
    QCOMPARE(s.lastCue(), 11);
    // A screen reset hides it too.
    s.button(6)->click();
    s.menu(1);
    QVERIFY(memo->isHidden() && !test::Probe::overlay(*s.form));
}

void LongDivisionScreen::digitsStandInTheirCells()
{
    Screen s;
    s.menu(2);
    s.button(4)->click();
    s.steps(4);                                                // 436 ÷ 3 written out
    QCOMPARE(inkedColumns(s.label(9)), (QList<int>{0, 1, 2})); // 436 from 720
    QCOMPARE(inkedColumns(s.label(7)), (QList<int>{0, 1, 2})); // 145 over it
    QCOMPARE(inkedColumns(s.label(10)), (QList<int>{0}));      // 3 under the 4
    QCOMPARE(inkedColumns(s.label(11)), (QList<int>{0, 1}));   // 13 in 720–760
    QCOMPARE(inkedColumns(s.label(15)), (QList<int>{1}));      // 1 at the right edge, 760–780
    QCOMPARE(s.label(15)->x() + s.label(15)->width(), 780);
    QCOMPARE(s.widget(u"Shape1"_s)->geometry(), QRect(696, 312, 105, 2));
    QCOMPARE(s.widget(u"Image2"_s)->geometry(), QRect(696, 314, 17, 33));
    QCOMPARE(s.widget(u"Shape4"_s)->geometry(), QRect(704, 505, 97, 2));
    QCOMPARE(s.label(8)->x(), 672);
}

QTEST_MAIN(LongDivisionScreen)
#include "tst_longdiv_screen.moc"
