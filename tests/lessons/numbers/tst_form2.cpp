// The large numbers screen: the wiring of each handler, the separators between the digit
// groups, and the next and restore buttons where the first design left the child stuck.
#include "lessons/numbers/Unit2.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QFontInfo>
#include <QtTest>
#include <memory>

using namespace Qt::StringLiterals;
using namespace kazemaru;
using kazemaru::test::child;

namespace {

const QString chooseMenu = u"メニューを えらんでね！"_s;
const QString goOn = u"「つぎへ」ボタンで すすめてね！"_s;
const QString digitPrompt = u"答えは、大きな位から じゅんに 千万の位まで えらんでね！"_s;
const QString kanjiPrompt = u"「数」と「字」を くみあわせて えらび、\nさいごに「◆」を クリックしてね！"_s;

// Item indexes of the kanji selectors: ComboBox11 places, ComboBox12 digits (一 is 0).
constexpr int cho = 0, oku = 1, man = 2, sen = 3, hyaku = 4, ju = 5, diamond = 6;

} // namespace

class TestForm2 : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<test::Harness> h;
    std::unique_ptr<TForm2> screen;

    QString text(int label) { return child<QLabel>(screen.get(), u"Label%1"_s.arg(label))->text(); }
    bool shown(const QString& name) { return !child<QWidget>(screen.get(), name)->isHidden(); }
    QAbstractButton* button(int n) { return child<QAbstractButton>(screen.get(), u"CuteButton%1"_s.arg(n)); }
    SimpleComboBox* box(int n) { return child<SimpleComboBox>(screen.get(), u"ComboBox%1"_s.arg(n)); }
    QString prompt() { return text(2); }

    // Menu choice, test mode and a problem from the scripted draws.
    void pose(int subTopic, std::initializer_list<int> draws)
    {
        if (screen->subTopic() != subTopic) box(1)->choose(subTopic - 1);
        if (screen->lessonMode() == Study) button(3)->click();
        h->queueDraws(draws);
        screen->CuteButton4Click(); // also while a problem waits for its answer
    }
    // Sub-topic 1: form 0 … 4 asks for kanji, 5 … 8 for digits; N from the largest magnitude.
    void poseWriting(int form, int n) { pose(1, {form, 8, n - 1}); }
    void enter(std::initializer_list<std::pair<int, int>> choices)
    {
        for (const auto& [selector, item] : choices)
            box(selector)->choose(item);
    }

  private Q_SLOTS:
    void init()
    {
        h = std::make_unique<test::Harness>();
        screen = std::make_unique<TForm2>(nullptr);
        screen->show();
    }
    void cleanup()
    {
        screen.reset();
        h.reset();
    }

    void menuShowsTheChartOrTheExplanation()
    {
        QVERIFY(!button(4)->isEnabled() && !button(5)->isEnabled());
        QCOMPARE(prompt(), u"「メニュー」を えらんでね！"_s);
        box(1)->choose(0);
        QCOMPARE(text(4), u"千\n兆\nの\n位"_s);
        QCOMPARE(text(19), u"　\n一\nの\n位"_s);
        for (const QString& name : {u"Label4"_s, u"Label19"_s, u"Label20"_s, u"Shape1"_s, u"Shape4"_s})
            QVERIFY(shown(name));
        QCOMPARE(child<QWidget>(screen.get(), u"Label3"_s)->y(), 321);
        QCOMPARE(prompt(), chooseMenu);
        QCOMPARE(h->lastCue(), 12);
        box(1)->choose(2);
        QCOMPARE(text(3), largeNumberExplanation(3));
        QCOMPARE(child<QWidget>(screen.get(), u"Label3"_s)->y(), 200);
        QVERIFY(!shown(u"Label4"_s) && !shown(u"Shape1"_s));
    }

    // The mode button without a menu choice used to enable a next button that posed nothing,
    // and a restore button that showed selectors judged against 0.
    void withoutASubTopicNothingIsPosed()
    {
        button(3)->click();
        QCOMPARE(button(3)->text(), u"テスト"_s);
        QVERIFY(!button(4)->isEnabled());
        QCOMPARE(prompt(), chooseMenu);
        screen->CuteButton4Click();
        screen->CuteButton5Click();
        QVERIFY(h->drawRanges.empty());
        QVERIFY(!button(5)->isEnabled());
        for (int n = 2; n <= 12; ++n)
            QVERIFY(!shown(u"ComboBox%1"_s.arg(n)));
        QCOMPARE(prompt(), chooseMenu);
        box(1)->choose(1);
        button(3)->click();
        QVERIFY(button(4)->isEnabled());
        QCOMPARE(prompt(), goOn);
    }

    // The largest number kanji by kanji; then "◆" on the emptied entry, and a new numeral.
    void kanjiAnswer()
    {
        poseWriting(0, 999'999'998);
        QCOMPARE(h->lastCue(), 17);
        QCOMPARE(text(23), u"次の数を 漢字で 書くと？"_s);
        QCOMPARE(text(22), u"9999999980000000"_s);
        QCOMPARE(prompt(), kanjiPrompt);
        QVERIFY(button(5)->isEnabled() && !shown(u"ComboBox2"_s));
        QCOMPARE(box(11)->pos(), QPoint(905, 280));
        QCOMPARE(box(12)->text(), u"数"_s);
        h->cues.clear();
        for (const int unit : {cho, oku})
            enter({{12, 8}, {11, sen}, {12, 8}, {11, hyaku}, {12, 8}, {11, ju}, {12, 8}, {11, unit}});
        enter({{12, 7}, {11, sen}, {11, man}});
        QCOMPARE(h->cues, std::vector<int>(19, 17));
        QCOMPARE(text(25), u"入力：九千九百九十九兆九千九百九十九億八千万"_s);
        box(11)->choose(diamond);
        QCOMPARE(text(21), u"○"_s);
        QCOMPARE(h->lastCue(), 14);
        QCOMPARE(text(24), u"答え：九千九百九十九兆九千九百九十九億八千万"_s);
        QVERIFY(button(4)->isEnabled());
        QCOMPARE(prompt(), goOn);
        // A second "◆" on the emptied entry keeps the mark just earned, without a cue.
        h->cues.clear();
        box(11)->choose(diamond);
        QCOMPARE(text(21), u"○"_s);
        QVERIFY(h->cues.empty());
        // A new numeral is judged again: 一千万 is not the number.
        enter({{12, 0}, {11, sen}, {11, man}, {11, diamond}});
        QCOMPARE(text(21), u"×"_s);
        QCOMPARE(h->lastCue(), 13);
    }

    // Before any judgement "◆" on an empty entry judges it, wrong.
    void diamondOnAnEmptyEntry()
    {
        poseWriting(0, 1);
        box(11)->choose(diamond);
        QCOMPARE(text(21), u"×"_s);
        QCOMPARE(h->lastCue(), 13);
    }

    // 九 chosen again and again is entered each time; the right kanji in the wrong order are
    // wrong; an entry too long for its line keeps its latest kanji in view.
    void repeatedAndMisorderedKanji()
    {
        poseWriting(1, 1);
        QCOMPARE(text(22), u"10000000"_s);
        enter({{12, 8}, {12, 8}, {12, 8}});
        QCOMPARE(text(25), u"入力：九九九"_s);
        enter({{11, diamond}, {11, sen}, {12, 0}, {11, man}, {11, diamond}});
        QCOMPARE(text(21), u"×"_s);
        QCOMPARE(text(24), u"答え：一千万"_s);
        for (int i = 0; i < 60; ++i)
            box(12)->choose(8);
        box(12)->choose(0);
        QVERIFY(text(25).endsWith(u"九一"_s));
        QVERIFY(child<QWidget>(screen.get(), u"Label25"_s)->geometry().right() < 880);
    }

    void separatorsFallBetweenTheGroups()
    {
        poseWriting(2, 99'999);
        QVERIFY(shown(u"Shape5"_s) && shown(u"Shape6"_s) && !shown(u"Shape7"_s));
        poseWriting(2, 100'000);
        QVERIFY(shown(u"Shape7"_s));
        QCOMPARE(child<QWidget>(screen.get(), u"Shape7"_s)->y(), 163);

        // Drawn in the screen's font, each separator stands in a gap with digits on both sides.
        QFont font = QApplication::font();
        font.setFamilies({u"HG丸ｺﾞｼｯｸM-PRO"_s, u"MotoyaLMaru"_s, u"Noto Sans CJK JP"_s});
        QApplication::setFont(font);
        screen = std::make_unique<TForm2>(nullptr);
        screen->show();
        if (QFontInfo(child<QLabel>(screen.get(), u"Label22"_s)->font()).family() != u"MotoyaLMaru"_s)
            QSKIP("the rounded font is not installed");
        poseWriting(2, 999'999'998);
        const QImage picture = screen->grab().toImage();
        const auto inkAt = [&](int x) {
            for (int y = 168; y < 195; ++y)
                if (qBlue(picture.pixel(x, y)) > 100 && qRed(picture.pixel(x, y)) < 100) return true;
            return false;
        };
        for (int n = 5; n <= 7; ++n) {
            const int x = child<QWidget>(screen.get(), u"Shape%1"_s.arg(n))->x();
            QVERIFY(!inkAt(x - 1) && !inkAt(x + 2));
            bool left = false, right = false;
            for (int d = 2; d <= 21; ++d) {
                left = left || inkAt(x - d);
                right = right || inkAt(x + 1 + d);
            }
            QVERIFY2(left && right, qPrintable(u"Shape%1"_s.arg(n)));
        }
    }

    // Places above 千万 store with cue 11; 千万 judges the sum. A new problem forgets old places.
    void digitAnswer()
    {
        poseWriting(5, 98);
        QCOMPARE(text(23), u"次の数を 数字で 書くと？"_s);
        QCOMPARE(text(26), u"九億八千万"_s);
        QCOMPARE(prompt(), digitPrompt);
        QVERIFY(shown(u"ComboBox10"_s) && !shown(u"ComboBox11"_s));
        QCOMPARE(box(7)->text(), u"兆"_s);
        h->cues.clear();
        for (int n = 10; n >= 3; --n)
            box(n)->choose(n == 3 ? 9 : 1);
        QCOMPARE(h->cues, std::vector<int>(8, 11));
        box(2)->choose(8);
        QCOMPARE(text(21), u"×"_s);
        QCOMPARE(text(24), u"答え：980000000"_s);
        QCOMPARE(prompt(), goOn);
        h->queueDraws({5, 8, 97});
        button(4)->click();
        enter({{3, 9}, {2, 8}});
        QCOMPARE(text(21), u"○"_s);

        pose(3, {0, 8, 0});
        QCOMPARE(text(26), u"10億を100でわると？"_s);
        box(2)->choose(1);
        QCOMPARE(text(24), u"答え：1千万"_s);
        QCOMPARE(text(21), u"○"_s);
    }

    // Restore after judging used to keep the after-judging prompt: now the same problem comes
    // back with an empty entry and the prompt that tells how to answer it.
    void restoreAfterJudging()
    {
        poseWriting(0, 12);
        enter({{12, 0}, {11, oku}, {12, 1}, {11, sen}, {11, diamond}});
        h->drawRanges.clear();
        h->cues.clear();
        button(5)->click();
        QVERIFY(h->drawRanges.empty());
        QCOMPARE(h->cues, std::vector<int>{17});
        QCOMPARE(prompt(), kanjiPrompt);
        QCOMPARE(text(22), u"120000000"_s);
        QVERIFY(shown(u"Label22"_s) && !shown(u"Label21"_s) && !shown(u"Label24"_s) && !shown(u"Label25"_s));
        QVERIFY(!button(4)->isEnabled() && !button(5)->isEnabled());
        QCOMPARE(box(11)->text(), u"字"_s);
        enter({{12, 0}, {11, oku}, {12, 1}, {11, sen}, {11, man}, {11, diamond}});
        QCOMPARE(text(21), u"○"_s);
    }
};

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
