// The cue player against real and broken cue files (no observer: the real player runs).
#include "app/Shell.h"
#include "frame/CuePlayer.h"
#include "frame/Dialogs.h"
#include "frame/LessonScreen.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace kazemaru;

namespace {

// A lesson screen that judges on demand, to see a handler run on past a cue that cannot play.
class JudgingScreen : public LessonScreen {
  public:
    JudgingScreen()
        : LessonScreen(frameFacts(3), nullptr)
    {
        setJudgeMark(addLabel(u"Label6"_s, QString(), 752, 536, 53, false, Qt::red));
    }
    void judgeNow(bool right) { judge(right, {}); }
};

} // namespace

class CuePlayerTest : public QObject {
    Q_OBJECT
  private:
    QStringList boxes;
    QString realFolder;

  private Q_SLOTS:
    void initTestCase()
    {
        realFolder = programFolder();
        setDialogResponder([this](DialogKind, const QString& text) {
            boxes.append(text);
            return DialogAnswer::Ok;
        });
    }
    void cleanupTestCase() { setDialogResponder({}); }
    void init()
    {
        boxes.clear();
        setProgramFolder(realFolder);
    }

    void realCuesPlayWithoutComplaint()
    {
        setSoundEnabled(true);
        for (int n = 1; n <= 20; ++n)
            playCue(n);
        playCue(14);
        playCue(13); // cuts off 14
        QTest::qWait(100);
        setSoundEnabled(false);
        QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join(u'|')));
    }

    void missingCueIsReportedOnceAndTheHandlerGoesOn()
    {
        QTemporaryDir empty;
        setProgramFolder(empty.path());
        setSoundEnabled(true);
        JudgingScreen screen;
        screen.findChild<QAbstractButton*>(u"CuteButton4"_s)->setEnabled(false);
        screen.judgeNow(true);
        QCOMPARE(boxes.size(), 1);
        QVERIFY(boxes[0].contains(u"pinpon.wav"_s));
        QVERIFY(screen.findChild<QAbstractButton*>(u"CuteButton4"_s)->isEnabled());
        QCOMPARE(screen.findChild<QLabel*>(u"Label6"_s)->text(), u"○"_s);

        screen.judgeNow(true);
        QCOMPARE(boxes.size(), 1);
        screen.judgeNow(false); // another file: its own box
        QCOMPARE(boxes.size(), 2);
        QVERIFY(boxes[1].contains(u"bubuu.wav"_s));
        setSoundEnabled(false);
    }

    // A program folder with its cue files but without the sound library: one box naming the
    // library, every cue silent from then on, and the screen's handler goes on each time.
    void missingSoundLibraryIsReportedOnceAndTheLessonGoesOn()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(u"oto"_s));
        for (const char* name : {"pinpon.wav", "bubuu.wav"})
            QVERIFY(QFile::copy(realFolder + u"oto/"_s + QLatin1StringView(name),
                                dir.filePath(u"oto/"_s + QLatin1StringView(name))));
        setProgramFolder(dir.path());
        setSoundEnabled(true);
        JudgingScreen screen;
        auto* next = screen.findChild<QAbstractButton*>(u"CuteButton4"_s);
        next->setEnabled(false);
        screen.judgeNow(true);
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(boxes[0].contains(u"libkazemaru-sound.so"_s), qPrintable(boxes[0]));
        QVERIFY(next->isEnabled());
        QCOMPARE(screen.findChild<QLabel*>(u"Label6"_s)->text(), u"○"_s);

        next->setEnabled(false);
        screen.judgeNow(false);
        screen.judgeNow(true);
        QCOMPARE(boxes.size(), 1);
        QVERIFY(next->isEnabled());
        QCOMPARE(screen.findChild<QLabel*>(u"Label6"_s)->text(), u"○"_s);

        // Back in the real folder the library is found again and nothing more is reported.
        setProgramFolder(realFolder);
        screen.judgeNow(false);
        QTest::qWait(100);
        QCOMPARE(boxes.size(), 1);
        setSoundEnabled(false);
    }

    void brokenCueFileIsReportedWhileSoundIsOff()
    {
        QTemporaryDir dir;
        QDir(dir.path()).mkdir(u"oto"_s);
        QFile header(dir.filePath(u"oto/poon.wav"_s));
        QVERIFY(header.open(QIODevice::WriteOnly));
        header.write("RIFF\x04\x00\x00\x00WAVE", 12);
        header.close();
        setProgramFolder(dir.path());
        setSoundEnabled(false);
        playCue(12);
        QCOMPARE(boxes.size(), 1);
        QVERIFY(boxes[0].contains(u"poon.wav"_s));
    }
};

QTEST_MAIN(CuePlayerTest)
#include "tst_cueplayer.moc"
