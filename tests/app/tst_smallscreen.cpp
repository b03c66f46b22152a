// The program on a screen too small for its windows: the factor it is scaled by, and a program
// shown scaled in host windows still answering the child's clicks where they land.
#include "app/ChildPicker.h"
#include "app/ChildrenDialog.h"
#include "app/ScreenFit.h"
#include "app/Shell.h"
#include "app/Unit1.h"
#include "app/records/RecordsWindow.h" // the type alone: this test does not link the library
#include "data/AnswerRecorder.h"
#include "data/untDTM.h"
#include "frame/LessonScreen.h"
#include "frame/Windows.h"
#include "tests/support/TestSupport.h"

#include <QAbstractButton>
#include <QAction>
#include <QGraphicsView>
#include <QListWidget>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace kazemaru;
using test::child;

namespace {

// Where the centre of `widget` appears in its scaled host's view.
QPoint scaledCentre(QWidget* widget, double scale)
{
    const QPointF centre = QPointF(widget->mapTo(widget->window(), QPoint(0, 0))) + QRectF(widget->rect()).center();
    return (centre * scale).toPoint();
}

void clickScaled(QWidget* target, QWidget* at, double scale)
{
    auto* host = qobject_cast<QGraphicsView*>(windowShowing(target));
    QVERIFY(host);
    QTest::mouseClick(host->viewport(), Qt::LeftButton, {}, scaledCentre(at, scale));
}

} // namespace

class SmallScreenTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void scaleForScreens_data()
    {
        QTest::addColumn<QSize>("available");
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<double>("scale");
        const QMargins titleBar(4, 40, 4, 4);
        QTest::newRow("full HD") << QSize(1920, 1040) << titleBar << 1.0;
        // 736 − 44 = 692 rows for 716: 0.966…
        QTest::newRow("1366 × 768 with a panel") << QSize(1366, 736) << titleBar << 0.96;
        QTest::newRow("1280 × 720 with a title bar") << QSize(1280, 720) << titleBar << 0.94;
        QTest::newRow("1280 × 720 without a frame") << QSize(1280, 720) << QMargins() << 1.0;
        QTest::newRow("exactly the window and its frame") << QSize(963, 760) << titleBar << 1.0;
        QTest::newRow("one row short") << QSize(963, 759) << titleBar << 0.99;
        QTest::newRow("one column short") << QSize(962, 760) << titleBar << 0.99;
        // 792 / 955 = 0.829… across, 556 / 716 = 0.776… down: the smaller holds.
        QTest::newRow("800 × 600") << QSize(800, 600) << titleBar << 0.77;
        // 592 / 955 = 0.619…
        QTest::newRow("narrow and tall") << QSize(600, 1200) << titleBar << 0.61;
        QTest::newRow("too small to read scaled further") << QSize(320, 240) << titleBar << 0.5;
    }
    void scaleForScreens()
    {
        QFETCH(QSize, available);
        QFETCH(QMargins, frame);
        QFETCH(double, scale);
        QCOMPARE(fitScale(available, frame, QSize(955, 716)), scale);
    }

    // Over a range of screens and frames, the factor is the largest hundredth at which the
    // window and its frame fit, 1 at most and a half at least.
    void scaleIsTheLargestThatFits()
    {
        const QMargins frames[] = {QMargins(), QMargins(4, 40, 4, 4), QMargins(10, 64, 10, 12)};
        const auto fits = [](double s, const QSize& free, const QMargins& f) {
            return s * 955 + f.left() + f.right() <= free.width() + 1e-9 &&
                   s * 716 + f.top() + f.bottom() <= free.height() + 1e-9;
        };
        for (const QMargins& f : frames)
            for (int w = 300; w <= 2200; w += 13)
                for (int h = 300; h <= 1400; h += 11) {
                    const QSize free(w, h);
                    const double s = fitScale(free, f, QSize(955, 716));
                    QVERIFY(s >= 0.5 && s <= 1.0);
                    QCOMPARE(std::round(s * 100) / 100, s);
                    if (s > 0.5) QVERIFY2(fits(s, free, f), qPrintable(u"%1 × %2 at %3"_s.arg(w).arg(h).arg(s)));
                    if (s < 1.0)
                        QVERIFY2(!fits(s + 0.01, free, f), qPrintable(u"%1 × %2 at %3"_s.arg(w).arg(h).arg(s)));
                }
    }

    void atFullSizeNothingIsHosted()
    {
        test::Program program;
        QCOMPARE(windowShowing(program.shell.form(1)), program.shell.form(1));
        QCOMPARE(windowShowing(program.shell.form(3)), program.shell.form(3));
        QCOMPARE(program.shell.form(3)->parentWidget(), program.shell.form(1));
    }

    void aScaledProgramAnswersClicksWhereTheyLand()
    {
        QTemporaryDir data;
        test::Harness harness;
        Shell shell(data.path(), 0.8);
        QWidget* contents = shell.form(1);
        auto* contentsHost = qobject_cast<QGraphicsView*>(windowShowing(contents));
        QVERIFY(contentsHost && contentsHost != contents);
        QCOMPARE(contentsHost->size(), QSize(764, 573)); // 955 × 716 at 0.8, rounded up
        QVERIFY(!contentsHost->isVisible());
        contents->show();
        QVERIFY(contentsHost->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(contentsHost));

        // "１けたでわる" opens the long division by one digit, and no other screen.
        clickScaled(contents, child<QAbstractButton>(contents, u"CuteButton5"_s), 0.8);
        auto* lesson = static_cast<LessonScreen*>(shell.form(4));
        QVERIFY(lesson->isVisible());
        auto* lessonHost = qobject_cast<QGraphicsView*>(windowShowing(lesson));
        QVERIFY(lessonHost && lessonHost->isVisible() && lessonHost != contentsHost);
        QCOMPARE(lessonHost->windowModality(), Qt::ApplicationModal);
        QCOMPARE(lessonHost->windowTitle(), u"Kazemaru"_s);
        QCOMPARE(lessonHost->size(), QSize(764, 573));
        QVERIFY(QTest::qWaitForWindowExposed(lessonHost));
        for (int form = 2; form <= 16; ++form)
            QCOMPARE(shell.form(form)->isVisible(), form == 4);
        QCOMPARE(harness.lastCue(), 12);

        // The simple drop-down takes a click on its second item.
        auto* menu = child<SimpleComboBox>(lesson, u"ComboBox1"_s);
        QListWidget* items = menu->list();
        const QRect second = items->visualItemRect(items->item(1));
        const QPointF at = QPointF(items->viewport()->mapTo(lesson, second.center())) * 0.8;
        QTest::mouseClick(lessonHost->viewport(), Qt::LeftButton, {}, at.toPoint());
        QCOMPARE(lesson->subTopic(), 2);
        QCOMPARE(menu->itemIndex(), 1);

        // The mode button, scaled, switches to test mode.
        clickScaled(lesson, child<QAbstractButton>(lesson, u"CuteButton3"_s), 0.8);
        QCOMPARE(lesson->lessonMode(), int(Test));

        // The quit button's question is answered through the dialog seam; No keeps the lesson.
        harness.confirmAnswer = DialogAnswer::No;
        clickScaled(lesson, child<QAbstractButton>(lesson, u"CuteButton1"_s), 0.8);
        QCOMPARE(harness.dialogs.size(), 1u);
        QCOMPARE(harness.dialogs.back().text, u"おわっても いいの？"_s);
        QVERIFY(lessonHost->isVisible());

        // The back button hides the screen and its host; the contents screen stays.
        clickScaled(lesson, child<QAbstractButton>(lesson, u"CuteButton2"_s), 0.8);
        QVERIFY(!lesson->isVisible());
        QVERIFY(!lessonHost->isVisible());
        QVERIFY(contentsHost->isVisible());

        // Opened again it is shown in study mode; the window frame's close hides it like back.
        clickScaled(contents, child<QAbstractButton>(contents, u"CuteButton5"_s), 0.8);
        QVERIFY(lessonHost->isVisible());
        QCOMPARE(lesson->lessonMode(), int(Study));
        QVERIFY(lessonHost->close());
        QVERIFY(!lesson->isVisible());
        QVERIFY(!lessonHost->isVisible());

        // Closing the contents window by its frame ends the program without asking.
        contentsHost->close();
        QVERIFY(test::Probe::hasEnded(shell));
        QCOMPARE(harness.dialogs.size(), 1u);
    }

    // On a scaled contents screen the child picker is part of the screen, scaled with it and
    // clicked through it; the grown-ups' windows are windows of their own at full size, and the
    // records window's "れんしゅうする" opens the lesson in its host.
    void pickerAndGrownUpsWindowsOnAScaledProgram()
    {
        QTemporaryDir data;
        test::Harness harness;
        Shell shell(data.path(), 0.8);
        auto* contents = static_cast<TForm1*>(shell.form(1));
        LearningRecordStore& record = shell.dataModule()->learningRecord();
        ChildProfile jiro;
        QVERIFY(!record.tryAddChild(u"じろう"_s, 2, jiro));
        contents->show();
        QWidget* host = windowShowing(contents);
        QVERIFY(QTest::qWaitForWindowExposed(host));

        contents->openRecord();
        ChildPicker* picker = test::Probe::childPicker(*contents);
        QVERIFY(picker->isVisible());
        QCOMPARE(windowShowing(picker), host);
        QCOMPARE(picker->size(), contents->centralWidget()->size()); // the whole screen, before scaling
        clickScaled(contents, child<QAbstractButton>(picker, u"Child2"_s), 0.8);
        QVERIFY(!picker->isVisible());
        QCOMPARE(record.currentChildUid(), jiro.uid);
        QCOMPARE(child<StatusBar>(contents, u"StatusBar1"_s)->panelText(0), u"べんきょうする人： じろう"_s);

        child<QAction>(contents, u"Namae1"_s)->trigger();
        QWidget* names = test::Probe::childrenDialog(*contents);
        QVERIFY(names->isVisible() && names->isWindow());
        QVERIFY(!names->graphicsProxyWidget());
        QCOMPARE(windowShowing(names), names);
        child<QAction>(contents, u"utorial1"_s)->trigger();
        QWidget* help = test::Probe::helpViewer(*contents);
        QVERIFY(help->isVisible() && help->isWindow() && !help->graphicsProxyWidget());

        // Five answers of じろう in "何百をわる", two of them wrong: a weak item to practise.
        for (bool right : {true, false, true, false, true}) {
            AnswerRecord a;
            a.answeredAt = harness.now;
            a.lesson = 3;
            a.subTopic = 2;
            a.right = right;
            test::Probe::answerRecorder(shell)->record(a);
        }
        QVERIFY(test::Probe::answerRecorder(shell)->waitUntilStored(10000));
        child<QAction>(contents, u"Kiroku1"_s)->trigger();
        QWidget* records = test::Probe::recordsWindow(*contents);
        QVERIFY(records && records->isVisible() && records->isWindow());
        QVERIFY(!records->graphicsProxyWidget());
        QCOMPARE(windowShowing(records), records);
        QVERIFY(harness.dialogs.empty());

        child<QAbstractButton>(records, u"Practise1"_s)->click();
        auto* lesson = static_cast<LessonScreen*>(shell.form(3));
        QVERIFY(lesson->isVisible());
        QVERIFY(!records->isVisible());
        QWidget* lessonHost = windowShowing(lesson);
        QVERIFY(lessonHost != lesson && lessonHost->isVisible());
        QCOMPARE(lesson->subTopic(), 2);
        QCOMPARE(lesson->lessonMode(), int(Test));
        QCOMPARE(record.currentChildUid(), jiro.uid);
    }
};

QTEST_MAIN(SmallScreenTest)
#include "tst_smallscreen.moc"
