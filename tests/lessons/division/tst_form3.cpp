// The screen of dividing whole tens and hundreds: explanations, posing and judging problems.
#include "lessons/division/Unit3.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QtTest>
#include <memory>

using namespace Qt::StringLiterals;
using namespace kazemaru;
using kazemaru::test::child;
using kazemaru::test::Harness;

namespace {

const QString chooseMenu = u"メニューを えらんでね！"_s;
const QString goOn = u"「つぎへ」ボタンで すすめてね！"_s;
const QString answerInOrder = u"答えは 大きい位から じゅんに えらんでね！"_s;

} // namespace

class TestForm3 : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<Harness> h;
    std::unique_ptr<TForm3> screen;

    QString text(const QString& name) { return child<QLabel>(screen.get(), name)->text(); }
    bool visible(const QString& name) { return !child<QWidget>(screen.get(), name)->isHidden(); }
    QAbstractButton* next() { return child<QAbstractButton>(screen.get(), u"CuteButton4"_s); }
    QAbstractButton* mode() { return child<QAbstractButton>(screen.get(), u"CuteButton3"_s); }
    SimpleComboBox* box(int n) { return child<SimpleComboBox>(screen.get(), u"ComboBox%1"_s.arg(n)); }

    // Menu choice, test mode, and a problem from the scripted divisor and multiplier draws.
    void pose(int subTopic, int divisorDraw, int multiplierDraw)
    {
        if (screen->subTopic() != subTopic) box(1)->choose(subTopic - 1);
        if (screen->lessonMode() == Study) mode()->click();
        h->queueDraws({divisorDraw, multiplierDraw});
        next()->click();
    }

  private Q_SLOTS:
    void init()
    {
        h = std::make_unique<Harness>();
        screen = std::make_unique<TForm3>(nullptr);
        screen->show();
    }
    void cleanup()
    {
        screen.reset();
        h.reset();
    }

    void showingOpensInStudyModeWithNextOff()
    {
        QCOMPARE(screen->lessonMode(), int(Study));
        QCOMPARE(mode()->text(), u"べんきょう"_s);
        QVERIFY(!next()->isEnabled());
        QCOMPARE(text(u"Label3"_s), chooseMenu);
        QCOMPARE(h->lastCue(), 12);
        for (const QString& name :
             {u"Label4"_s, u"Label5"_s, u"Label6"_s, u"ComboBox2"_s, u"ComboBox3"_s, u"ComboBox4"_s})
            QVERIFY2(!visible(name), qPrintable(name));
        QCOMPARE(box(1)->items(), (QStringList{u"何十をわる"_s, u"何百をわる"_s, u"何百何十をわる"_s}));
    }

    // Study mode only explains: the next button stays off, so it cannot pose a problem that has
    // nowhere to be answered.
    void menuChoiceShowsTheExplanation()
    {
        for (int item = 0; item < 3; ++item) {
            box(1)->choose(item);
            QCOMPARE(screen->subTopic(), item + 1);
            QVERIFY(visible(u"Label5"_s));
            QCOMPARE(text(u"Label5"_s), tensHundredsExplanation(item + 1));
            QCOMPARE(child<QWidget>(screen.get(), u"Label5"_s)->pos(), QPoint(144, 200));
            QVERIFY(!next()->isEnabled());
            QCOMPARE(text(u"Label3"_s), chooseMenu);
            QCOMPARE(h->lastCue(), 12);
        }
        QVERIFY(text(u"Label5"_s).contains(u"答えに 0 を"_s));
        box(1)->choose(1);
        QVERIFY(text(u"Label5"_s).contains(u"答えに 00 を"_s));

        // Back from test mode after an answer: study mode turns the next button off again.
        pose(2, 2, 1);
        box(2)->choose(0);
        QVERIFY(next()->isEnabled());
        mode()->click();
        QCOMPARE(mode()->text(), u"べんきょう"_s);
        QVERIFY(!next()->isEnabled());
        QCOMPARE(text(u"Label3"_s), chooseMenu);
        QVERIFY(!visible(u"Label4"_s) && !visible(u"Label6"_s) && !visible(u"ComboBox2"_s));
    }

    void testModeWaitsForAMenuChoice()
    {
        mode()->click();
        QCOMPARE(mode()->text(), u"テスト"_s);
        QVERIFY(!next()->isEnabled());
        QCOMPARE(text(u"Label3"_s), chooseMenu);
        // Even run directly, the next button poses nothing without a sub-topic.
        screen->CuteButton4Click();
        QVERIFY(h->drawRanges.empty());
        QVERIFY(!visible(u"Label4"_s));
        QVERIFY(!visible(u"ComboBox2"_s));
        QCOMPARE(text(u"Label3"_s), chooseMenu);

        box(1)->choose(0); // back to study mode with a sub-topic
        mode()->click();
        QVERIFY(next()->isEnabled());
        QCOMPARE(text(u"Label3"_s), goOn);
    }

    void nextPosesAProblem()
    {
        pose(1, 2, 1); // divisor 4, m 2
        QVERIFY(h->drawRanges == (std::vector<int>{7, 3}));
        QVERIFY(visible(u"Label4"_s));
        QCOMPARE(text(u"Label4"_s), u"80 ÷ 4 = ?"_s);
        QVERIFY(!next()->isEnabled());
        QCOMPARE(text(u"Label3"_s), answerInOrder);
        QCOMPARE(h->lastCue(), 11);
        const QStringList headings{u"一"_s, u"十"_s, u"百"_s};
        for (int n = 2; n <= 4; ++n) {
            QVERIFY(visible(u"ComboBox%1"_s.arg(n)));
            QCOMPARE(box(n)->itemIndex(), -1);
            QCOMPARE(box(n)->text(), headings[n - 2]);
            QCOMPARE(box(n)->pos(), QPoint(856 + 24 * (4 - n), 328));
        }
        QVERIFY(!visible(u"Label6"_s));
    }

    // The ones digit judges whenever it is chosen, with whatever the other places hold then.
    void judgingWithDigitsInAnyOrder()
    {
        pose(1, 2, 1);     // 80 ÷ 4 = 20
        box(2)->choose(0); // ones alone: 0
        QCOMPARE(text(u"Label6"_s), u"×"_s);
        QVERIFY(visible(u"Label6"_s));
        QCOMPARE(h->lastCue(), 13);
        QCOMPARE(text(u"Label4"_s), u"80 ÷ 4 = 20"_s);
        QVERIFY(next()->isEnabled());
        QCOMPARE(text(u"Label3"_s), goOn);

        box(3)->choose(2);
        QCOMPARE(h->lastCue(), 17);
        QCOMPARE(text(u"Label6"_s), u"×"_s); // tens alone do not judge
        box(2)->choose(0);
        QCOMPARE(text(u"Label6"_s), u"○"_s);
        QCOMPARE(h->lastCue(), 14);

        // Changing a digit and choosing the ones again judges the new entry.
        box(3)->choose(3);
        box(2)->choose(0);
        QCOMPARE(text(u"Label6"_s), u"×"_s);
        box(4)->choose(0);
        box(3)->choose(2);
        box(2)->choose(0);
        QCOMPARE(text(u"Label6"_s), u"○"_s);
    }

    void hundredsAnswersAndStaleDigits()
    {
        pose(2, 2, 1); // 800 ÷ 4 = 200
        QCOMPARE(text(u"Label4"_s), u"800 ÷ 4 = ?"_s);
        box(4)->choose(2);
        box(3)->choose(0);
        box(2)->choose(0);
        QCOMPARE(text(u"Label6"_s), u"○"_s);
        QCOMPARE(text(u"Label4"_s), u"800 ÷ 4 = 200"_s);

        // The same problem again: the hundreds chosen for the last one no longer count.
        h->queueDraws({2, 1});
        next()->click();
        QVERIFY(!visible(u"Label6"_s));
        QCOMPARE(box(4)->itemIndex(), -1);
        QCOMPARE(test::Probe::contribution(*screen, u"ComboBox4"_s), 0);
        box(2)->choose(0);
        QCOMPARE(text(u"Label6"_s), u"×"_s);
    }

    // The runs of spaces must put every equals sign of a chain under the first in the screen's font.
    void explanationEqualsSignsLineUp()
    {
        QFont font = QApplication::font();
        font.setFamilies({u"HG丸ｺﾞｼｯｸM-PRO"_s, u"MotoyaLMaru"_s, u"Noto Sans CJK JP"_s});
        QApplication::setFont(font);
        auto shown = std::make_unique<TForm3>(nullptr);
        const QFont labelFont = child<QLabel>(shown.get(), u"Label5"_s)->font();
        if (QFontInfo(labelFont).family() != u"MotoyaLMaru"_s) QSKIP("the rounded font is not installed");
        const QFontMetricsF metrics(labelFont);
        for (int subTopic = 1; subTopic <= 3; ++subTopic) {
            QList<qreal> positions;
            for (const QString& line : tensHundredsExplanation(subTopic).split(u'\n')) {
                const qsizetype eq = line.indexOf(u'=');
                if (eq >= 0) positions.append(metrics.horizontalAdvance(line.left(eq)));
            }
            QCOMPARE(positions.size(), 4);
            for (qreal x : positions)
                QCOMPARE(x, positions.front());
        }
    }
};

QTEST_MAIN(TestForm3)
#include "tst_form3.moc"
