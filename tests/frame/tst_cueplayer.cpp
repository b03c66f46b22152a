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
