// The structure-of-decimals screen: how its menus, buttons and selectors are wired, and the
// number line's mark under the arrow.
#include "lessons/decimals/NumberLine.h"
#include "lessons/decimals/Unit9.h"
#include "tests/support/TestSupport.h"

#include <QFontInfo>
#include <QImage>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QtTest>
#include <memory>

using namespace Qt::StringLiterals;
using namespace kazemaru;
using kazemaru::test::child;

namespace {
const QString chooseProblem = u"「もんだい」を えらんでね！"_s;
const QString goOn = u"「つぎへ」ボタンで すすめてね！"_s;
} // namespace

class TestForm9 : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<test::Harness> h;
    std::unique_ptr<TForm9> screen;

    QString text(int label) { return child<QLabel>(screen.get(), u"Label%1"_s.arg(label))->text(); }
    QWidget* widget(const QString& name) { return child<QWidget>(screen.get(), name); }
    bool visible(const QString& name) { return !widget(name)->isHidden(); }
    QAbstractButton* button(int n) { return child<QAbstractButton>(screen.get(), u"CuteButton%1"_s.arg(n)); }
    SimpleComboBox* box(int n) { return child<SimpleComboBox>(screen.get(), u"ComboBox%1"_s.arg(n)); }

    // Sub-topic 2, the problem kind, the mode, and a problem from the scripted draws.
    void pose(int kind, int mode, std::initializer_list<int> draws)
    {
        box(1)->choose(1);
        box(2)->choose(kind - 1);
        if (mode == Test) button(3)->click();
        h->queueDraws(draws);
        button(4)->click();
    }

  private Q_SLOTS:
    void init()
    {
        h = std::make_unique<test::Harness>();
        screen = std::make_unique<TForm9>(nullptr);
        screen->show();
    }
    void cleanup()
    {
        screen.reset();
        h.reset();
    }

    void menusAndTheExplanation()
    {
        QCOMPARE(box(1)->items(), (QStringList{u"小数の表し方"_s, u"小数のしくみ"_s}));
        box(1)->choose(1);
        QVERIFY(visible(u"ComboBox2"_s));
        QCOMPARE(text(3), chooseProblem);
        box(1)->choose(0); // the problem menu stays once shown
        QVERIFY(visible(u"ComboBox2"_s));
        QCOMPARE(widget(u"Memo1"_s)->geometry(), QRect(184, 96, 585, 505));
        QVERIFY(visible(u"Memo1"_s));

        h->cues.clear();
        button(3)->click(); // no test for the explanation
        QCOMPARE(h->dialogs.back().text, u"このメニューには、テストは ないよ。"_s);
        QCOMPARE(screen->lessonMode(), int(Study));
        QVERIFY(!visible(u"Memo1"_s));
        QVERIFY(h->cues.empty());
    }

    // "０．１ｃｍ" in the explanation reads as one quantity: its five full-width characters, an em
    // each as typed, are set close, together narrower than three and a half ems; the text stays.
    void fullWidthNumbersSetClose()
    {
        box(1)->choose(0);
        auto* memo = child<QPlainTextEdit>(screen.get(), u"Memo1"_s);
        const QString quantity = u"０．１ｃｍ"_s;
        const int at = int(memo->toPlainText().indexOf(quantity));
        QVERIFY(at > 0);
        QTextCursor cursor(memo->document());
        cursor.setPosition(at);
        const int left = memo->cursorRect(cursor).left();
        cursor.setPosition(at + int(quantity.size()));
        const int width = memo->cursorRect(cursor).left() - left;
        const int em = QFontInfo(memo->font()).pixelSize();
        QVERIFY2(width > 2 * em && width < 3.5 * em, qPrintable(u"%1 px at %2 px a character"_s.arg(width).arg(em)));
    }

    void studyRevealsTheAnswer()
    {
        pose(UnitsKind, Study, {3, 2, 3});
        QCOMPARE(text(4), u"3 ｍ 40 ｃｍ は、何ｍ？"_s);
        QVERIFY(button(5)->isEnabled() && !button(4)->isEnabled());
        QCOMPARE(text(3), u"「答え」ボタンを おしてね！"_s);
        button(5)->click();
        QCOMPARE(text(5), u"3.4 ｍ"_s);
        QVERIFY(!button(5)->isEnabled() && button(4)->isEnabled());
        QCOMPARE(text(3), goOn);
        QCOMPARE(h->lastCue(), 11);
    }

    // A count is judged by its ones: chosen first, it judges at once with tens 0; choosing
    // again judges again.
    void countJudgedByTheOnes()
    {
        pose(TenthsKind, Test, {3, 46}); // 5.7 is 57 tenths
        QCOMPARE(text(7), u"小\n数\n点"_s);
        QVERIFY(!box(3)->isEnabled());
        box(4)->choose(7);
        QCOMPARE(text(6), u"×"_s);
        QCOMPARE(text(5), u"57 コ"_s);
        QCOMPARE(h->lastCue(), 13);
        QVERIFY(button(4)->isEnabled());
        box(5)->choose(5);
        QCOMPARE(h->lastCue(), 17);
        box(4)->choose(7);
        QCOMPARE(text(6), u"○"_s);
        QCOMPARE(h->lastCue(), 14);
    }

    void decimalJudgedByTheTenths()
    {
        pose(TenthsKind, Test, {6, 36}); // 4.7 as ones and tenths
        QCOMPARE(text(3), u"0.1 の数は 小数第一位で えらんでね！"_s);
        box(4)->choose(4);
        QCOMPARE(text(6), QString());
        box(3)->choose(7);
        QCOMPARE(text(6), u"○"_s);
        QCOMPARE(text(5), u"4 コ と 7 コ"_s);
    }

    // Showing the screen again forgets the problem kind and its menu choice; without a kind
    // the next button poses nothing and digits judge nothing.
    void showingAgainStartsWithoutAProblem()
    {
        pose(NumberLineKind, Test, {9});
        screen->hide();
        screen->show();
        QCOMPARE(screen->lessonMode(), int(Test)); // the mode of the last visit stays
        QCOMPARE(test::Probe::problemKind(*screen), int(NoKind));
        QVERIFY(!visible(u"ComboBox2"_s));
        QCOMPARE(box(2)->text(), u"   もんだい"_s);

        box(1)->choose(1);
        button(3)->click();
        QVERIFY(!button(4)->isEnabled());
        QCOMPARE(text(3), chooseProblem);
        h->drawRanges.clear();
        h->cues.clear();
        box(4)->choose(1);
        box(3)->choose(1);
        screen->CuteButton4Click();
        QVERIFY(h->drawRanges.empty());
        QCOMPARE(text(6), QString());
        QVERIFY(h->cues == std::vector<int>{11});
        QCOMPARE(text(3), chooseProblem);
    }

    // The painted mark nearest the arrow's tip is centred on it; only wholes reach the top.
    void arrowPointsAtItsMark_data()
    {
        QTest::addColumn<int>("tenths");
        QTest::newRow("0.1") << 1;
        QTest::newRow("1") << 10;
        QTest::newRow("4.1") << 41;
    }
    void arrowPointsAtItsMark()
    {
        QFETCH(int, tenths);
        pose(NumberLineKind, Study, {tenths - 1});
        QWidget* line = widget(u"Image2"_s);
        const QWidget* arrow = widget(u"Image3"_s);
        QVERIFY(line->isVisible() && arrow->isVisible() && visible(u"Label12"_s));
        QCOMPARE(arrow->pos(), QPoint(152 + 11 * tenths, 176));
        const int tip = arrow->x() + arrow->width() / 2 - line->x();

        const QImage picture = line->grab().toImage();
        const auto ink = [&](int x, int y) { return picture.pixelColor(x, y) != picture.pixelColor(0, 0); };
        const int y = NumberLine::axisY - 4; // every mark crosses this row; the axis does not
        int left = tip, right = tip;
        while (left > 0 && ink(left - 1, y))
            --left;
        while (ink(right, y))
            ++right;
        QVERIFY(right > left);
        QCOMPARE(left + right, 2 * tip);
        QCOMPARE(ink(tip, 2), tenths % 10 == 0);
    }
};

QTEST_MAIN(TestForm9)
#include "tst_form9.moc"
