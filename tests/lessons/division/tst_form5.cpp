// The screen of dividing by whole tens and hundreds: worked examples, posing and judging problems.
#include "lessons/division/Unit5.h"
#include "tests/support/TestSupport.h"

#include <QtTest>
#include <memory>

using namespace Qt::StringLiterals;
using namespace kazemaru;
using kazemaru::test::child;
using kazemaru::test::Harness;

namespace {

const QString goOn = u"「つぎへ」ボタンで すすめてね！"_s;

} // namespace

class TestForm5 : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<Harness> h;
    std::unique_ptr<TForm5> screen;

    QString text(const QString& name) { return child<QLabel>(screen.get(), name)->text(); }
    QString mark() { return text(u"Label5"_s); }
    QAbstractButton* next() { return child<QAbstractButton>(screen.get(), u"CuteButton4"_s); }
    QAbstractButton* mode() { return child<QAbstractButton>(screen.get(), u"CuteButton3"_s); }
    SimpleComboBox* box(int n) { return child<SimpleComboBox>(screen.get(), u"ComboBox%1"_s.arg(n)); }

    // Test mode and a problem from scripted draws: kind, quotient digit, divisor digit, remainder.
    void pose(std::initializer_list<int> draws)
    {
        if (screen->lessonMode() == Study) mode()->click();
        h->queueDraws(draws);
        next()->click();
        QVERIFY(h->draws.empty());
    }
    // Quotient digit, then the remainder's hundreds, tens and ones (the ones judge).
    void answer(int quotient, int hundreds, int tens, int ones)
    {
        box(4)->choose(quotient);
        box(3)->choose(hundreds);
        box(2)->choose(tens);
        box(1)->choose(ones);
    }

  private Q_SLOTS:
    void init()
    {
        h = std::make_unique<Harness>();
        screen = std::make_unique<TForm5>(nullptr);
        screen->show();
    }
    void cleanup()
    {
        screen.reset();
        h.reset();
    }

    void showingOpensInStudyModeWithNextOn()
    {
        QCOMPARE(screen->lessonMode(), int(Study));
        QCOMPARE(mode()->text(), u"べんきょう"_s);
        QVERIFY(next()->isEnabled());
        QCOMPARE(text(u"Label3"_s), goOn);
        QCOMPARE(h->lastCue(), 12);
        QCOMPARE(test::Probe::exampleCounter(*screen), 0);
        // ComboBox1 is the remainder's ones here, not a menu.
        QCOMPARE(box(1)->items().size(), 10);
        for (int n = 1; n <= 4; ++n)
            QVERIFY(box(n)->isHidden());
    }

    void studyExamplesCycle()
    {
        for (int press = 1; press <= 6; ++press) {
            next()->click();
            const int example = press == 6 ? 1 : press;
            QCOMPARE(test::Probe::exampleCounter(*screen), example);
            QCOMPARE(text(u"Label4"_s), divideByExample(example));
            QVERIFY(next()->isEnabled());
            QCOMPARE(text(u"Label3"_s), goOn);
            QCOMPARE(h->lastCue(), 11);
        }
        QVERIFY(text(u"Label4"_s).startsWith(u"240 ÷ 60　の計算では、\n"_s));

        // A switch to test mode and back starts again at the first example; so does a new showing.
        next()->click();
        mode()->click();
        QCOMPARE(mode()->text(), u"テスト"_s);
        QVERIFY(next()->isEnabled());
        QCOMPARE(text(u"Label4"_s), QString());
        mode()->click();
        QCOMPARE(test::Probe::exampleCounter(*screen), 0);
        next()->click();
        next()->click();
        screen->hide();
        screen->show();
        QCOMPARE(test::Probe::exampleCounter(*screen), 0);
        next()->click();
        QCOMPARE(test::Probe::exampleCounter(*screen), 1);
    }

    void nextPosesAProblem()
    {
        pose({10, 2, 4, 0}); // kind 11, quotient 4, divisor 60, remainder 10
        QVERIFY(h->drawRanges == (std::vector<int>{19, 7, 7, 4}));
        QCOMPARE(text(u"Label4"_s), u"250 ÷ 60 = ?"_s);
        QVERIFY(!next()->isEnabled());
        QCOMPARE(text(u"Label3"_s),
                 u"答えは 商→あまり の じゅんに えらんでね！\nあまりは ０の時でも ０をえらんでね！"_s);
        QCOMPARE(h->lastCue(), 11);
        const QStringList headings{u"り"_s, u"ま"_s, u"あ"_s, u"商"_s};
        const int lefts[] = {904, 880, 856, 824};
        for (int n = 1; n <= 4; ++n) {
            QVERIFY(!box(n)->isHidden());
            QCOMPARE(box(n)->itemIndex(), -1);
            QCOMPARE(box(n)->text(), headings[n - 1]);
            QCOMPARE(box(n)->pos(), QPoint(lefts[n - 1], 328));
        }
        QCOMPARE(mark(), QString());
    }

    // 60 x 3 + 70 = 250 too, but a remainder must be smaller than the divisor.
    void remainderMustBeSmallerThanTheDivisor()
    {
        pose({10, 2, 4, 0}); // 250 ÷ 60
        answer(3, 0, 7, 0);
        QCOMPARE(mark(), u"×"_s);
        QCOMPARE(h->lastCue(), 13);
        QCOMPARE(text(u"Label4"_s), u"250 ÷ 60 = 4 あまり 10"_s);
        QVERIFY(next()->isEnabled());
        QCOMPARE(text(u"Label3"_s), goOn);

        // Re-judged after changing the digits.
        answer(4, 0, 1, 0);
        QCOMPARE(mark(), u"○"_s);
        QCOMPARE(h->lastCue(), 14);
    }

    // Without a remainder the ones of the remainder still have to be chosen, as ０.
    void noRemainderNeedsZeroInTheOnes()
    {
        pose({0, 4, 1}); // kind 1, quotient 6, divisor 30
        QVERIFY(h->drawRanges == (std::vector<int>{19, 7, 7}));
        QCOMPARE(text(u"Label4"_s), u"180 ÷ 30 = ?"_s);
        box(4)->choose(6);
        box(3)->choose(0);
        box(2)->choose(0);
        QCOMPARE(mark(), QString());
        QVERIFY(!next()->isEnabled());
        QCOMPARE(h->lastCue(), 17);
        box(1)->choose(0);
        QCOMPARE(mark(), u"○"_s);
        QCOMPARE(text(u"Label4"_s), u"180 ÷ 30 = 6"_s);
    }

    // Choosing only the ones judges at once; the quotient of the last problem does not count.
    void lowestDigitAloneAndStaleQuotient()
    {
        pose({0, 4, 1}); // 180 ÷ 30
        answer(6, 0, 0, 0);
        QCOMPARE(mark(), u"○"_s);
        h->queueDraws({0, 4, 1});
        next()->click();
        QCOMPARE(mark(), QString());
        QCOMPARE(test::Probe::contribution(*screen, u"ComboBox4"_s), 0);
        box(1)->choose(0);
        QCOMPARE(mark(), u"×"_s);
        QCOMPARE(text(u"Label4"_s), u"180 ÷ 30 = 6"_s);
        // The quotient chosen after the ones, then the ones again.
        box(4)->choose(6);
        QCOMPARE(mark(), u"×"_s);
        box(1)->choose(0);
        QCOMPARE(mark(), u"○"_s);
    }
};

QTEST_MAIN(TestForm5)
#include "tst_form5.moc"
