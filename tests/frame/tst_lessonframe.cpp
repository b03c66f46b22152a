// The frame every lesson screen shares, seen on real screens: mode button, menu, point memo,
// blink intervals, and a lesson whose content is still to come.
#include "app/Shell.h"
#include "frame/LessonScreen.h"
#include "tests/support/TestSupport.h"

#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace kazemaru;
using test::child;

namespace {

// A screen whose handler fails unexpectedly.
class FailingScreen : public LessonScreen {
    Q_OBJECT
  public:
    FailingScreen()
        : LessonScreen(frameFacts(2), nullptr)
    {
    }
  public Q_SLOTS:
    void CuteButton4Click() override { throw std::runtime_error("the lesson broke"); }
};

} // namespace

class LessonFrameTest : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<test::Program> program;
    test::Harness* harness = nullptr;
    Shell* shell = nullptr;

    LessonScreen* screen(int form) { return static_cast<LessonScreen*>(shell->form(form)); }
    QAbstractButton* button(int form, int n) { return child<QAbstractButton>(screen(form), u"CuteButton%1"_s.arg(n)); }
    QString promptOf(int form) { return child<QLabel>(screen(form), screen(form)->facts().prompt.name)->text(); }

  private Q_SLOTS:
    void init()
    {
        program = std::make_unique<test::Program>();
        harness = &program->harness;
        shell = &program->shell;
    }
    void cleanup() { program.reset(); }

    void modeButtonTogglesModeAndCaption()
    {
        screen(3)->show();
        QCOMPARE(button(3, 3)->text(), u"べんきょう"_s);
        harness->cues.clear();
        button(3, 3)->click();
        QCOMPARE(screen(3)->lessonMode(), int(Test));
        QCOMPARE(button(3, 3)->text(), u"テスト"_s);
        button(3, 3)->click();
        QCOMPARE(screen(3)->lessonMode(), int(Study));
        QCOMPARE(button(3, 3)->text(), u"べんきょう"_s);
        QCOMPARE(harness->cues, (std::vector<int>{12, 12}));
    }

    void menuChoiceReturnsToStudyModeAndKeepsItsChoiceAcrossVisits()
    {
        screen(3)->show();
        button(3, 3)->click();
        auto* menu = child<SimpleComboBox>(screen(3), u"ComboBox1"_s);
        menu->choose(2);
        QCOMPARE(screen(3)->subTopic(), 3);
        QCOMPARE(screen(3)->lessonMode(), int(Study));
        QCOMPARE(button(3, 3)->text(), u"べんきょう"_s);
        screen(3)->hide();
        screen(5)->show(); // another screen meanwhile
        screen(5)->hide();
        screen(3)->show();
        QCOMPARE(screen(3)->subTopic(), 3);
        QCOMPARE(menu->itemIndex(), 2);
    }

    void pointMemoOpensAndClosesWithItsPromptsAndCues()
    {
        LessonScreen* s = screen(4);
        s->show();
        auto* memo = child<QPlainTextEdit>(s, u"Memo1"_s);
        QVERIFY(!memo->isVisible());
        QVERIFY(button(4, 6)->isEnabled());
        harness->cues.clear();
        button(4, 6)->click();
        QVERIFY(memo->isVisible());
        QCOMPARE(memo->y(), 128);
        QVERIFY(test::Probe::overlay(*s));
        QCOMPARE(promptOf(4), u"もういちど「ポイント」ボタンを おせば きえるよ！"_s);
        button(4, 6)->click();
        QVERIFY(!memo->isVisible());
        QVERIFY(!test::Probe::overlay(*s));
        QCOMPARE(promptOf(4), u"「メニュー」を えらんでね！"_s);
        QCOMPARE(harness->cues, (std::vector<int>{15, 11}));

        button(4, 6)->click(); // left open, the memo is closed by the next showing's reset
        s->hide();
        s->show();
        QVERIFY(!memo->isVisible());
        QVERIFY(!test::Probe::overlay(*s));
        button(4, 6)->click();
        QVERIFY(memo->isVisible());
    }

    void blinkStartsWithTheScreensOwnInterval()
    {
        const std::pair<int, int> intervals[] = {{2, 1000}, {8, 1000}, {12, 1000}, {3, 500}, {15, 500}};
        for (const auto& [form, interval] : intervals)
            QCOMPARE(child<QTimer>(screen(form), u"Timer2"_s)->interval(), interval);
        screen(2)->show();
        QCOMPARE(child<QTimer>(screen(2), u"Timer2"_s)->interval(), 1000);
        QVERIFY(child<QTimer>(screen(2), u"Timer2"_s)->isActive());
        for (int i = 0; i < 3; ++i)
            screen(2)->Timer2Timer();
        QVERIFY(!child<QTimer>(screen(2), u"Timer2"_s)->isActive());
        QVERIFY(child<QLabel>(screen(2), u"Label2"_s)->isVisible());
        QCOMPARE(child<QTimer>(screen(2), u"Timer2"_s)->interval(), 500);
    }

    void clockRunsFromCreationOnEveryScreen()
    {
        for (int form = 2; form <= 16; ++form) {
            auto* timer = child<QTimer>(screen(form), u"Timer1"_s);
            QVERIFY(timer->isActive());
            QCOMPARE(timer->interval(), 1000);
        }
    }

    // The frame alone, without a lesson's content, poses nothing and says so.
    void aLessonStillToComeOffersOnlyItsFrame()
    {
        LessonScreen s(frameFacts(11), nullptr);
        s.show();
        const auto frameButton = [&](int n) { return child<QAbstractButton>(&s, u"CuteButton%1"_s.arg(n)); };
        QVERIFY(!frameButton(4)->isEnabled());
        child<SimpleComboBox>(&s, u"ComboBox1"_s)->choose(0);
        QCOMPARE(s.subTopic(), 1);
        QVERIFY(!frameButton(4)->isEnabled());
        QVERIFY(child<QLabel>(&s, s.facts().prompt.name)->text().contains(u"じゅんびちゅう"_s));
        frameButton(3)->click();
        QCOMPARE(frameButton(3)->text(), u"テスト"_s);
        QVERIFY(!frameButton(4)->isEnabled());
        for (const ButtonFact& b : screen(12)->facts().buttons) {
            const bool frame = b.name == u"CuteButton1"_s || b.name == u"CuteButton2"_s;
            QCOMPARE(child<QAbstractButton>(screen(12), b.name)->isEnabled(), frame);
        }
    }

    void anUnexpectedErrorIsShownAndTheScreenStaysUsable()
    {
        FailingScreen s;
        s.show();
        s.invokeHandler("CuteButton4Click");
        QCOMPARE(harness->dialogs.size(), 1u);
        QCOMPARE(harness->dialogs[0].kind, DialogKind::Error);
        QVERIFY(harness->dialogs[0].text.contains(u"the lesson broke"_s));
        harness->cues.clear();
        s.invokeHandler("CuteButton3Click");
        QCOMPARE(s.lessonMode(), int(Test));
        QCOMPARE(harness->cues, std::vector<int>{12});
    }

    void backButtonHidesWithoutResetting()
    {
        screen(5)->show();
        button(5, 3)->click();
        button(5, 2)->click();
        QVERIFY(!screen(5)->isVisible());
        QCOMPARE(screen(5)->lessonMode(), int(Test));
    }
};

QTEST_MAIN(LessonFrameTest)
#include "tst_lessonframe.moc"
