// What start-up builds and loads: the contents screen alone, each lesson screen when it is first
// asked for (doing then what it did when start-up built them all), what follows the contents
// screen's first paint, Qt Charts only with the records window and Qt Multimedia only with the
// first cue that is heard.
#include "app/Shell.h"
#include "app/Unit1.h"
#include "app/records/RecordsWindow.h" // the type alone: this test does not link the library
#include "data/AnswerRecorder.h"
#include "data/untDTM.h"
#include "frame/CuePlayer.h"
#include "frame/LessonScreen.h"
#include "tests/support/TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace kazemaru;
using test::child;

namespace {

QList<LessonScreen*> lessonScreensInProcess()
{
    QList<LessonScreen*> found;
    for (QWidget* w : QApplication::allWidgets())
        if (auto* s = qobject_cast<LessonScreen*>(w)) found.append(s);
    return found;
}

bool mapped(const QString& library)
{
    QFile maps(u"/proc/self/maps"_s);
    if (!maps.open(QIODevice::ReadOnly)) qFatal("cannot read /proc/self/maps");
    return QString::fromLocal8Bit(maps.readAll()).contains(library);
}

// The events of the given types that reach `watched`, in order.
class EventLog : public QObject {
  public:
    EventLog(QObject* watched, QList<QEvent::Type> kinds)
        : kinds_(std::move(kinds))
    {
        watched->installEventFilter(this);
    }
    QList<QEvent::Type> types() const { return seen_; }

  protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (kinds_.contains(event->type())) seen_.append(event->type());
        return false;
    }

  private:
    QList<QEvent::Type> kinds_;
    QList<QEvent::Type> seen_;
};

// The smallest rectangle holding every pixel of `image` that is not fully transparent.
QRect ink(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0) box |= QRect(x, y, 1, 1);
    return box;
}

// The largest difference in opacity between two pictures of one size.
int opacityGap(const QImage& a, const QImage& b)
{
    int gap = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            gap = std::max(gap, std::abs(qAlpha(a.pixel(x, y)) - qAlpha(b.pixel(x, y))));
    return gap;
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    // First, while this process has loaded no image-format plugin: the contents screen painted,
    // then the window icon, the learning record (the child's name in the status bar) and what every
    // lesson shares prepared, without building a lesson screen or leaving a widget behind. The menu
    // bar stays in the window, and its overflow icon is drawn, not loaded with those plugins.
    void afterTheFirstPaintTheRestFollowsWithoutBuildingALesson()
    {
        applyLook(*qApp);
        QVERIFY(!mapped(u"/imageformats/"_s));
        test::Program program;
        auto* contents = static_cast<TForm1*>(program.shell.form(1));
        QVERIFY(!contents->menuBar()->isNativeMenuBar());
        QVERIFY(QApplication::windowIcon().isNull());
        const qsizetype widgets = QApplication::allWidgets().size();

        // Placed in the middle of the screen before it is shown: moved once shown, it would wait
        // for the window system before its first paint.
        EventLog placing(contents, {QEvent::Move, QEvent::Show});
        program.shell.showContents();
        QCOMPARE(placing.types(), (QList<QEvent::Type>{QEvent::Move, QEvent::Show}));
        const QPoint offCentre = contents->frameGeometry().center() - contents->screen()->availableGeometry().center();
        QVERIFY(offCentre.manhattanLength() <= 4);
        QTRY_VERIFY(!QApplication::windowIcon().isNull());
        for (int size : {16, 32, 48, 64, 128})
            QVERIFY(QApplication::windowIcon().availableSizes().contains(QSize(size, size)));
        QCOMPARE(child<StatusBar>(contents, u"StatusBar1"_s)->panelText(0), u"べんきょうする人： こども１"_s);
        QVERIFY(lessonScreensInProcess().isEmpty());
        QCOMPARE(QApplication::allWidgets().size(), widgets);
        QVERIFY(!mapped(u"/imageformats/"_s));
        QVERIFY(program.harness.dialogs.empty());

        // The overflow icon: two chevrons that point the way the hidden menus lie, drawn at any size.
        const QStyle* style = QApplication::style();
        const QImage across = style->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton).pixmap(16).toImage();
        const QImage down = style->standardIcon(QStyle::SP_ToolBarVerticalExtensionButton).pixmap(16).toImage();
        const QImage large = style->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton).pixmap(32).toImage();
        QVERIFY(QRect(1, 1, 14, 14).contains(ink(across)));
        const QImage turned = across.transformed(QTransform().rotate(90));
        QCOMPARE(turned.size(), down.size());
        QVERIFY(opacityGap(down, turned) < 16);
        QVERIFY(QRect(1, 1, 30, 30).contains(ink(large)));
        QVERIFY(ink(large).width() > ink(across).width() * 3 / 2);
    }

    void lessonScreensAreBuiltWhenFirstAskedForAsStartUpBuiltThem()
    {
        test::Program program;
        Shell& shell = program.shell;
        auto* contents = static_cast<TForm1*>(shell.form(1));
        QVERIFY(lessonScreensInProcess().isEmpty());
        QVERIFY(program.harness.cues.empty());

        std::vector<bool> heard;
        setCueObserver([&](int n) {
            program.harness.cues.push_back(n);
            heard.push_back(soundEnabled());
        });
        // A screen that runs its show handler at creation runs it when built, before any showing,
        // with its cue unheard, and is left hidden.
        auto* division = static_cast<LessonScreen*>(shell.form(3));
        QCOMPARE(lessonScreensInProcess(), QList<LessonScreen*>{division});
        QCOMPARE(division->objectName(), u"TForm3"_s);
        QVERIFY(!division->isVisible());
        QCOMPARE(child<QLabel>(division, u"Label3"_s)->text(), u"メニューを えらんでね！"_s);
        QVERIFY(child<QTimer>(division, u"Timer2"_s)->isActive());
        QVERIFY(child<QTimer>(division, u"Timer1"_s)->isActive());
        QCOMPARE(program.harness.cues, std::vector<int>{12});
        QCOMPARE(heard, std::vector<bool>{false});
        QCOMPARE(shell.form(3), division); // built once
        QCOMPARE(program.harness.cues.size(), 1u);

        // One that does not has an empty prompt line and no blink until it is shown.
        auto* large = static_cast<LessonScreen*>(shell.form(5));
        QVERIFY(child<QLabel>(large, u"Label3"_s)->text().isEmpty());
        QVERIFY(!child<QTimer>(large, u"Timer2"_s)->isActive());
        QCOMPARE(program.harness.cues.size(), 1u);
        QVERIFY(child<StatusBar>(large, u"StatusBar1"_s)->panelText(1).isEmpty()); // no clock tick yet

        // After the fanfare: the creation-time cue is still unheard, the shown screen's is heard,
        // and the new screen's clock shows the time at once, as the contents screen's does.
        contents->Timer1Timer();
        contents->Timer3Timer();
        QVERIFY(soundEnabled());
        heard.clear();
        program.harness.cues.clear();
        child<QAbstractButton>(contents, u"CuteButton15"_s)->click(); // area, TForm14
        auto* area = static_cast<LessonScreen*>(shell.form(14));
        QVERIFY(area->isVisible());
        QCOMPARE(program.harness.cues, (std::vector<int>{12, 12}));
        QCOMPARE(heard, (std::vector<bool>{false, true}));
        QVERIFY(soundEnabled());
        QCOMPARE(child<StatusBar>(area, u"StatusBar1"_s)->panelText(1), u"05/17  03:42 PM"_s);
        QCOMPARE(lessonScreensInProcess().size(), 3);
    }

    // A screen built on demand, by form(n) or by its button, sends its answers to the learning
    // record as every screen did when start-up built them all.
    void answersOfScreensBuiltOnDemandAreKept()
    {
        test::Program program;
        Shell& shell = program.shell;
        QList<ChildProfile> children;
        QVERIFY(!shell.dataModule()->learningRecord().tryReadChildren(children));
        QCOMPARE(children.size(), 1);

        auto* rounding = static_cast<LessonScreen*>(shell.form(13));
        child<QAbstractButton>(shell.form(1), u"CuteButton4"_s)->click(); // dividing tens and hundreds
        auto* tens = static_cast<LessonScreen*>(shell.form(3));
        QVERIFY(tens->isVisible());
        const struct {
            LessonScreen* screen;
            const char16_t *problem, *given, *expected;
        } judged[] = {{rounding, u"3486 → 千の位まで", u"3000", u"3000"}, {tens, u"840 ÷ 4", u"200", u"210"}};
        for (const auto& j : judged) {
            AnswerRecord a;
            a.answeredAt = program.harness.now;
            a.lesson = j.screen->facts().form;
            a.subTopic = 1;
            a.problem = QString::fromUtf16(j.problem);
            a.given = QString::fromUtf16(j.given);
            a.expected = QString::fromUtf16(j.expected);
            a.right = a.given == a.expected;
            Q_EMIT j.screen->answerJudged(a);
        }
        QVERIFY(test::Probe::answerRecorder(shell)->waitUntilStored(10000));
        QList<AnswerRecord> stored;
        QVERIFY(!shell.dataModule()->learningRecord().tryReadAnswers(children[0].uid, stored));
        QCOMPARE(stored.size(), 2);
        QCOMPARE(stored[0].lesson, 13);
        QCOMPARE(stored[0].problem, u"3486 → 千の位まで"_s);
        QVERIFY(stored[0].right);
        QCOMPARE(stored[1].lesson, 3);
        QCOMPARE(stored[1].given, u"200"_s);
        QVERIFY(!stored[1].right);
    }

    // Qt Multimedia comes with the sound library at the first cue that is heard (the start
    // fanfare), not before: not with a screen's unheard cue at its creation, nor at start-up.
    void qtMultimediaIsLoadedAtTheFirstCueHeard()
    {
        test::Program program;
        auto* contents = static_cast<TForm1*>(program.shell.form(1));
        setCueObserver({}); // the real cue player from here on
        QVERIFY(program.shell.form(3));
        playCue(cue::choice);
        QVERIFY(!soundEnabled());
        QVERIFY(!mapped(u"libkazemaru-sound"_s));
        QVERIFY(!mapped(u"libQt6Multimedia"_s));

        contents->Timer3Timer();
        QVERIFY(soundEnabled());
        QVERIFY(mapped(u"libkazemaru-sound.so"_s));
        QVERIFY(mapped(u"libQt6Multimedia"_s));
        QVERIFY(program.harness.dialogs.empty());
        setSoundEnabled(false);
    }

    void qtChartsIsLoadedOnlyWithTheRecordsWindow()
    {
        test::Program program;
        auto* contents = static_cast<TForm1*>(program.shell.form(1));
        for (int n = 2; n <= 16; ++n)
            QVERIFY(program.shell.form(n));
        QVERIFY(!mapped(u"libQt6Charts"_s));
        QVERIFY(!mapped(u"libkazemaru-records"_s));

        child<QAction>(contents, u"Kiroku1"_s)->trigger();
        QVERIFY(program.harness.dialogs.empty());
        QWidget* records = test::Probe::recordsWindow(*contents);
        QVERIFY(records && records->isVisible());
        QCOMPARE(records->windowTitle(), u"きろく"_s);
        QVERIFY(mapped(u"libkazemaru-records.so"_s));
        QVERIFY(mapped(u"libQt6Charts"_s));

        // The second opening shows the same window again.
        records->hide();
        child<QAction>(contents, u"Kiroku1"_s)->trigger();
        QCOMPARE(static_cast<QWidget*>(test::Probe::recordsWindow(*contents)), records);
        QVERIFY(records->isVisible());
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
