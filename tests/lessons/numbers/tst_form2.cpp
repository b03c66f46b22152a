// The large numbers screen: each handler's wiring once, the two faults of the first design
// (a problem-less next button, a restore that kept the after-judging prompt), the separators.
#include "lessons/numbers/KanjiNumeral.h"
#include "lessons/numbers/Unit2.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QFontInfo>
#include <QtTest>
#include <memory>

using namespace Qt::StringLiterals;
using namespace kazemaru;
using kazemaru::test::child;
using kazemaru::test::Harness;

namespace {

const QString chooseMenu = u"メニューを えらんでね！"_s;
const QString goOn = u"「つぎへ」ボタンで すすめてね！"_s;
const QString digitPrompt = u"答えは、大きな位から じゅんに 千万の位まで えらんでね！"_s;
const QString kanjiPrompt = u"「数」と「字」を くみあわせて えらび、\nさいごに「◆」を クリックしてね！"_s;

// Item indexes of the kanji selectors.
constexpr int cho = 0, oku = 1, sen = 3, hyaku = 4, ju = 5, diamond = 6;
constexpr int nine = 8, eight = 7;

} // namespace

class TestForm2 : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<Harness> h;
    std::unique_ptr<TForm2> screen;

    QString text(int label) { return child<QLabel>(screen.get(), u"Label%1"_s.arg(label))->text(); }
    bool visible(const QString& name) { return !child<QWidget>(screen.get(), name)->isHidden(); }
    bool labelShown(int n) { return visible(u"Label%1"_s.arg(n)); }
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
    // A sub-topic 1 problem: form (0 … 4 kanji answer), then N in the largest magnitude.
    void poseWriting(int form, int n) { pose(1, {form, 8, n - 1}); }

    void enterKanji(std::initializer_list<std::pair<int, int>> choices)
    {
        for (const auto& [selector, item] : choices)
            box(selector)->choose(item);
    }

  private Q_SLOTS:
    void init()
    {
        h = std::make_unique<Harness>();
        screen = std::make_unique<TForm2>(nullptr);
        screen->show();
    }
    void cleanup()
    {
        screen.reset();
        h.reset();
    }

    void theProgramBuildsThisScreen()
    {
        test::Program program;
        QVERIFY(qobject_cast<TForm2*>(program.shell.form(2)));
        QVERIFY(static_cast<LessonScreen*>(program.shell.form(2))->missingHandlers().isEmpty());
    }

    void showingOpensInStudyModeWithTheWorkPutAway()
    {
        QCOMPARE(screen->lessonMode(), int(Study));
        QCOMPARE(button(3)->text(), u"べんきょう"_s);
        QVERIFY(!button(4)->isEnabled());
        QVERIFY(!button(5)->isEnabled());
        QCOMPARE(prompt(), u"「メニュー」を えらんでね！"_s);
        QCOMPARE(h->lastCue(), 12);
        for (int n = 3; n <= 26; ++n)
            QVERIFY2(!labelShown(n), qPrintable(QString::number(n)));
        for (int n = 2; n <= 12; ++n)
            QVERIFY(!visible(u"ComboBox%1"_s.arg(n)));
        for (int n = 1; n <= 7; ++n)
            QVERIFY(!visible(u"Shape%1"_s.arg(n)));
    }

    void menuShowsTheChartOrTheExplanation()
    {
        box(1)->choose(0);
        QCOMPARE(screen->subTopic(), 1);
        QCOMPARE(text(3), largeNumberExplanation(1));
        QCOMPARE(child<QWidget>(screen.get(), u"Label3"_s)->y(), 321);
        QCOMPARE(text(4), u"千\n兆\nの\n位"_s);
        QCOMPARE(text(19), u"　\n一\nの\n位"_s);
        QCOMPARE(text(20), u"9 8 7 6 5 4 3 2 9 8 7 6 5 4 3 2 "_s);
        for (int n = 3; n <= 20; ++n)
            QVERIFY(labelShown(n));
        for (int n = 1; n <= 4; ++n)
            QVERIFY(visible(u"Shape%1"_s.arg(n)));
        QCOMPARE(prompt(), chooseMenu);
        QCOMPARE(h->lastCue(), 12);
        QVERIFY(!button(4)->isEnabled());

        box(1)->choose(2);
        QCOMPARE(text(3), largeNumberExplanation(3));
        QCOMPARE(child<QWidget>(screen.get(), u"Label3"_s)->y(), 200);
        QVERIFY(!labelShown(4) && !labelShown(20) && !visible(u"Shape1"_s));
    }

    // The mode button without a menu choice used to let the next button pose nothing and the
    // restore button show selectors judged against 0.
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
            QVERIFY(!visible(u"ComboBox%1"_s.arg(n)));
        QCOMPARE(prompt(), chooseMenu);

        box(1)->choose(1);
        button(3)->click();
        QVERIFY(button(4)->isEnabled());
        QCOMPARE(prompt(), goOn);
        button(3)->click(); // back to study
        QCOMPARE(prompt(), chooseMenu);
        QVERIFY(!button(4)->isEnabled());
    }

    // The largest number, entered kanji by kanji; then "◆" on the emptied entry.
    void kanjiAnswer()
    {
        poseWriting(0, 999'999'998);
        QVERIFY(h->drawRanges == (std::vector<int>{9, 9, 999'999'998}));
        QCOMPARE(h->lastCue(), 17);
        QCOMPARE(text(23), u"次の数を 漢字で 書くと？"_s);
        QCOMPARE(text(22), u"9999999980000000"_s);
        QCOMPARE(child<QWidget>(screen.get(), u"Label22"_s)->geometry().right(), 496);
        QCOMPARE(prompt(), kanjiPrompt);
        QVERIFY(!button(4)->isEnabled());
        QVERIFY(button(5)->isEnabled());
        for (int n = 2; n <= 10; ++n)
            QVERIFY(!visible(u"ComboBox%1"_s.arg(n)));
        QCOMPARE(box(11)->pos(), QPoint(905, 280));
        QCOMPARE(box(12)->pos(), QPoint(880, 280));
        QCOMPARE(box(11)->text(), u"字"_s);
        QCOMPARE(box(12)->text(), u"数"_s);

        h->cues.clear();
        for (const int unit : {cho, oku}) {
            enterKanji({{12, nine}, {11, sen}, {12, nine}, {11, hyaku}, {12, nine}, {11, ju}, {12, nine}, {11, unit}});
        }
        enterKanji({{12, eight}, {11, sen}});
        box(11)->setItemIndex(-1);
        const int man = 2;
        box(11)->choose(man);
        QCOMPARE(h->cues, std::vector<int>(19, 17));
        QCOMPARE(text(25), u"入力：九千九百九十九兆九千九百九十九億八千万"_s);
        box(11)->choose(diamond);
        QCOMPARE(text(21), u"○"_s);
        QCOMPARE(h->lastCue(), 14);
        QCOMPARE(text(24), u"答え：九千九百九十九兆九千九百九十九億八千万"_s);
        QVERIFY(labelShown(24));
        QVERIFY(button(4)->isEnabled());
        QCOMPARE(prompt(), goOn);
        QVERIFY(screen->kanjiEntry().isEmpty());

        box(11)->choose(diamond); // nothing entered since
        QCOMPARE(text(21), u"×"_s);
        QCOMPARE(h->lastCue(), 13);
    }

    // 九 chosen again and again is entered each time; right kanji in the wrong order are wrong.
    void repeatedAndMisorderedKanji()
    {
        poseWriting(1, 1);
        QCOMPARE(text(22), u"10000000"_s);
        enterKanji({{12, nine}, {12, nine}, {12, nine}});
        QCOMPARE(text(25), u"入力：九九九"_s);
        box(11)->choose(diamond);
        QCOMPARE(text(21), u"×"_s);
        enterKanji({{11, sen}, {12, 0}, {11, 2}});
        QCOMPARE(text(25), u"入力：千一万"_s);
        box(11)->choose(diamond);
        QCOMPARE(text(21), u"×"_s);
        QCOMPARE(text(24), u"答え：一千万"_s);

        // An entry too long for the line keeps its latest kanji in view.
        for (int i = 0; i < 60; ++i)
            box(12)->choose(nine);
        box(12)->choose(0);
        QCOMPARE(screen->kanjiEntry().size(), 61);
        QVERIFY(text(25).endsWith(u"九一"_s));
        QVERIFY(child<QWidget>(screen.get(), u"Label25"_s)->geometry().right() < 880);
    }

    void separatorsFallBetweenTheGroups()
    {
        poseWriting(2, 99'999);
        QVERIFY(visible(u"Shape5"_s) && visible(u"Shape6"_s));
        QVERIFY(!visible(u"Shape7"_s));
        poseWriting(2, 100'000);
        for (int n = 5; n <= 7; ++n) {
            QVERIFY(visible(u"Shape%1"_s.arg(n)));
            QCOMPARE(child<QWidget>(screen.get(), u"Shape%1"_s.arg(n))->y(), 163);
        }

        // In the drawn number every separator stands in a gap, with a digit on either side
        // within a quarter of a group.
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

    // Places other than 千万 only store; 千万 judges the sum. A new problem forgets old places.
    void digitAnswer()
    {
        poseWriting(5, 98);
        QCOMPARE(text(23), u"次の数を 数字で 書くと？"_s);
        QCOMPARE(text(26), u"九億八千万"_s);
        QVERIFY(!labelShown(22));
        QCOMPARE(prompt(), digitPrompt);
        const QString headings = u"千億十百千兆十百千"_s;
        for (int n = 2; n <= 10; ++n) {
            QVERIFY(visible(u"ComboBox%1"_s.arg(n)));
            QCOMPARE(box(n)->text(), QString(headings[n - 2]));
            QCOMPARE(box(n)->y(), 280);
        }
        QVERIFY(!visible(u"ComboBox11"_s) && !visible(u"ComboBox12"_s));

        h->cues.clear();
        for (int n = 10; n >= 3; --n)
            box(n)->choose(n == 3 ? 9 : 1);
        QCOMPARE(h->cues, std::vector<int>(8, 11));
        box(2)->choose(8);
        QCOMPARE(text(21), u"×"_s);
        QCOMPARE(text(24), u"答え：980000000"_s);
        QVERIFY(button(4)->isEnabled());
        QCOMPARE(prompt(), goOn);

        h->queueDraws({5, 8, 97});
        button(4)->click();
        box(3)->choose(9);
        box(2)->choose(8);
        QCOMPARE(text(21), u"○"_s);
        QCOMPARE(h->lastCue(), 14);
    }

    void scalingProblemsAnswerInUnits()
    {
        pose(3, {0, 8, 0});
        QCOMPARE(text(26), u"10億を100でわると？"_s);
        QVERIFY(!labelShown(23));
        QCOMPARE(prompt(), digitPrompt);
        box(2)->choose(1);
        QCOMPARE(text(21), u"○"_s);
        QCOMPARE(text(24), u"答え：1千万"_s);
    }

    // Restore after judging: the same problem, an empty entry, the problem's own prompt again.
    void restoreAfterJudging()
    {
        poseWriting(0, 12);
        enterKanji({{12, 0}, {11, oku}, {12, 1}, {11, sen}});
        box(11)->choose(diamond);
        QVERIFY(button(4)->isEnabled());
        h->drawRanges.clear();
        h->cues.clear();
        button(5)->click();
        QVERIFY(h->drawRanges.empty());
        QCOMPARE(h->cues, std::vector<int>{17});
        QCOMPARE(prompt(), kanjiPrompt);
        QCOMPARE(text(22), u"120000000"_s);
        QVERIFY(labelShown(22) && labelShown(23));
        QVERIFY(!labelShown(21) && !labelShown(24) && !labelShown(25));
        QVERIFY(!button(4)->isEnabled());
        QVERIFY(!button(5)->isEnabled());
        QCOMPARE(box(11)->itemIndex(), -1);
        QCOMPARE(box(11)->text(), u"字"_s);
        QVERIFY(screen->kanjiEntry().isEmpty());
        enterKanji({{12, 0}, {11, oku}, {12, 1}, {11, sen}, {11, 2}, {11, diamond}});
        QCOMPARE(text(21), u"○"_s);

        // A digit problem comes back with its selectors cleared and its headings shown.
        poseWriting(5, 3);
        box(2)->choose(3);
        button(5)->click();
        QCOMPARE(prompt(), digitPrompt);
        QCOMPARE(text(26), u"三千万"_s);
        QCOMPARE(box(2)->text(), u"千"_s);
        QCOMPARE(screen->contribution(u"ComboBox2"_s), 0);
    }
};

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
