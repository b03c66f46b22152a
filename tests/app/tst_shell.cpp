// The program as start-up builds it: the contents screen, its lesson buttons, sound, help,
// About and quitting.
#include "app/HelpViewer.h"
#include "app/Shell.h"
#include "app/Unit1.h"
#include "frame/CuePlayer.h"
#include "frame/LessonScreen.h"
#include "tests/support/TestSupport.h"

#include <QMenuBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace kazemaru;
using test::child;

class ShellTest : public QObject {
    Q_OBJECT
  private:
    std::unique_ptr<test::Program> program;
    test::Harness* harness = nullptr;
    Shell* shell = nullptr;

    TForm1* contents() { return static_cast<TForm1*>(shell->form(1)); }
    QAbstractButton* contentsButton(int n) { return child<QAbstractButton>(contents(), u"CuteButton%1"_s.arg(n)); }

  private Q_SLOTS:
    void init()
    {
        program = std::make_unique<test::Program>();
        harness = &program->harness;
        shell = &program->shell;
    }
    void cleanup() { program.reset(); }

    void startUpBuildsEveryScreenOnce()
    {
        for (int n = 1; n <= 16; ++n) {
            QWidget* screen = shell->form(n);
            QVERIFY(screen);
            QCOMPARE(screen->objectName(), u"TForm%1"_s.arg(n));
            QCOMPARE(screen->windowTitle(), u"Kazemaru"_s);
            QVERIFY(!screen->isVisible());
        }
        QCOMPARE(shell->form(16)->size(), QSize(955, 708));
        QCOMPARE(shell->form(9)->size(), QSize(955, 716));
        QVERIFY(shell->dataModule());
        QCOMPARE(child<QLabel>(contents(), u"Label5"_s)->text(), u"「ボタン」を えらんで はじめてね！"_s);
        QVERIFY(child<QTimer>(contents(), u"Timer2"_s)->isActive());
        QVERIFY(child<QWidget>(contents(), u"Image1"_s)->isVisibleTo(contents()));
        QCOMPARE(contents()->helpFile(), programFolder() + u"Kazemaru.hlp"_s);
    }

    // Every wired widget and timer finds its handler.
    void everyWiredWidgetHasItsHandler()
    {
        for (int n = 2; n <= 16; ++n) {
            auto* screen = static_cast<LessonScreen*>(shell->form(n));
            QVERIFY2(
                test::Probe::missingHandlers(*screen).isEmpty(),
                qPrintable(u"TForm%1 has no %2"_s.arg(n).arg(test::Probe::missingHandlers(*screen).join(u", "_s))));
        }
    }

    void soundStaysOffUntilTheFanfareWhichPlaysOnce()
    {
        std::vector<bool> heard;
        setCueObserver([&](int n) {
            harness->cues.push_back(n);
            heard.push_back(soundEnabled());
        });
        auto* timer3 = child<QTimer>(contents(), u"Timer3"_s);
        QVERIFY(timer3->isActive());
        QCOMPARE(timer3->interval(), 1000);
        QVERIFY(!soundEnabled());

        contentsButton(5)->click(); // a lesson opened within the first second is not heard
        QCOMPARE(harness->lastCue(), 12);
        QVERIFY(!heard.back());
        child<QAbstractButton>(shell->form(4), u"CuteButton2"_s)->click();

        contents()->Timer3Timer();
        QVERIFY(!timer3->isActive());
        QVERIFY(soundEnabled());
        QCOMPARE(harness->lastCue(), 16);

        contentsButton(4)->click();
        QCOMPARE(harness->lastCue(), 12);
        QVERIFY(heard.back());
        child<QAbstractButton>(shell->form(3), u"CuteButton2"_s)->click();

        const auto before = harness->cues.size();
        contents()->Timer3Timer(); // a stray second tick plays nothing
        QCOMPARE(harness->cues.size(), before);
        QCOMPARE(std::count(harness->cues.begin(), harness->cues.end(), 16), 1);
    }

    void eachLessonButtonOpensItsOwnScreen()
    {
        for (int n = 3; n <= 17; ++n) {
            QWidget* screen = shell->form(n - 1);
            harness->cues.clear();
            contentsButton(n)->click();
            QVERIFY2(screen->isVisible(), qPrintable(screen->objectName()));
            QVERIFY(screen->isModal());
            QCOMPARE(harness->cues.size(), 1u); // the show handler ran: its cue
            child<QAbstractButton>(screen, u"CuteButton2"_s)->click();
            QVERIFY(!screen->isVisible());
        }
        QVERIFY(shell->form(8) != shell->form(12));
        QCOMPARE(contentsButton(9)->text(), u"ドリル"_s);
        QCOMPARE(contentsButton(13)->text(), u"ドリル"_s);
    }

    void openingTwiceShowsTheSameScreenAndRunsItsShowHandlerAgain()
    {
        auto* screen = static_cast<LessonScreen*>(shell->form(3));
        contentsButton(4)->click();
        child<QAbstractButton>(screen, u"CuteButton3"_s)->click(); // to test mode
        QCOMPARE(screen->lessonMode(), int(Test));
        screen->close(); // the window frame closes it like the back button
        QVERIFY(!screen->isVisible());
        harness->cues.clear();
        contentsButton(4)->click();
        QCOMPARE(shell->form(3), screen);
        QCOMPARE(screen->lessonMode(), int(Study));
        QCOMPARE(child<QAbstractButton>(screen, u"CuteButton3"_s)->text(), u"べんきょう"_s);
        QCOMPARE(harness->cues, std::vector<int>{12});
    }

    void quitEndsTheProgramUnlessTheAnswerIsNo()
    {
        harness->confirmAnswer = DialogAnswer::No;
        contents()->CuteButton2Click();
        QCOMPARE(harness->dialogs.back().text, u"おわっても いいの？"_s);
        QCOMPARE(harness->dialogs.back().kind, DialogKind::Confirm);
        QVERIFY(!test::Probe::hasEnded(*shell));

        contentsButton(4)->click();
        child<QAbstractButton>(shell->form(3), u"CuteButton1"_s)->click();
        QVERIFY(!test::Probe::hasEnded(*shell));
        QVERIFY(shell->form(3)->isVisible());

        harness->confirmAnswer = DialogAnswer::Yes;
        child<QAbstractButton>(shell->form(3), u"CuteButton1"_s)->click();
        QVERIFY(test::Probe::hasEnded(*shell));
        QVERIFY(!shell->form(3)->isVisible());
    }

    void lessonScreensAskTheirOwnQuitQuestion()
    {
        harness->confirmAnswer = DialogAnswer::No;
        const std::pair<int, QString> questions[] = {{8, u"おわってもいいの？"_s}, {15, u"終わっても いいの？"_s}};
        for (const auto& [form, question] : questions) {
            static_cast<LessonScreen*>(shell->form(form))->CuteButton1Click();
            QCOMPARE(harness->dialogs.back().text, question);
        }
        QVERIFY(!test::Probe::hasEnded(*shell));
    }

    void closingTheContentsWindowEndsTheProgramWithoutAsking()
    {
        contents()->show();
        contents()->close();
        QVERIFY(test::Probe::hasEnded(*shell));
        QVERIFY(harness->dialogs.empty());
    }

    void aboutBox()
    {
        child<QAction>(contents(), u"About1"_s)->trigger();
        QCOMPARE(harness->dialogs.size(), 1u);
        QCOMPARE(harness->dialogs[0].kind, DialogKind::Information);
        QCOMPARE(harness->dialogs[0].text, u"Kazemaru\nVersion 1.1"_s);
    }

    void helpOpensTheHelpFileAtItsContents()
    {
        child<QAction>(contents(), u"utorial1"_s)->trigger();
        auto* viewer = qobject_cast<HelpViewer*>(test::Probe::helpViewer(*contents()));
        QVERIFY(viewer && viewer->isVisible());
        QVERIFY(test::Probe::browser(*viewer)->source().toLocalFile().endsWith(u"Kazemaru.hlp"_s));
        QVERIFY(test::Probe::browser(*viewer)->toPlainText().contains(u"もくじ"_s));
    }

    void missingHelpFileIsSaidInTheViewer()
    {
        HelpViewer viewer(nullptr);
        viewer.showContents(program->data.filePath(u"nothing.hlp"_s));
        QVERIFY(test::Probe::browser(viewer)->toPlainText().contains(u"見つかりません"_s));
        QVERIFY(test::Probe::browser(viewer)->toPlainText().contains(u"nothing.hlp"_s));
    }

    void clockShowsNothingBeforeItsFirstTick()
    {
        auto* status = child<StatusBar>(contents(), u"StatusBar1"_s);
        QVERIFY(status->panelText(1).isEmpty());
        contents()->Timer1Timer();
        QCOMPARE(status->panelText(1), u"05/17  03:42 PM"_s);
        auto* lesson = static_cast<LessonScreen*>(shell->form(5));
        lesson->Timer1Timer(); // hidden screens keep their clocks going
        QCOMPARE(child<StatusBar>(lesson, u"StatusBar1"_s)->panelText(1), u"05/17  03:42 PM"_s);
    }
};

QTEST_MAIN(ShellTest)
#include "tst_shell.moc"
