// The twenty sound cues written by the build, and the check that keeps broken cue files from
// reaching the sound device.
#include "frame/CuePlayer.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

using namespace Qt::StringLiterals;

namespace kazemaru {
namespace {

struct Wav {
    QString error; // empty when the file could be read
    quint32 riffSize = 0;
    qint64 fileSize = 0;
    quint16 format = 0, channels = 0, blockAlign = 0, bits = 0;
    quint32 rate = 0, byteRate = 0;
    QByteArray data;
    QList<qint16> samples;
};

quint32 le(const QByteArray& b, qsizetype at, int bytes)
{
    quint32 v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | quint8(b[at + i]);
    return v;
}

Wav readWav(const QString& path)
{
    Wav w;
    auto fail = [&w](const QString& why) {
        w.error = why;
        return w;
    };
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return fail(u"cannot open"_s);
    const QByteArray b = f.readAll();
    w.fileSize = b.size();
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE") return fail(u"no RIFF/WAVE"_s);
    w.riffSize = le(b, 4, 4);
    for (qsizetype at = 12; at + 8 <= b.size();) {
        const QByteArray id = b.mid(at, 4);
        const quint32 size = le(b, at + 4, 4);
        const qsizetype body = at + 8;
        if (id == "fmt " && size >= 16) {
            w.format = quint16(le(b, body, 2));
            w.channels = quint16(le(b, body + 2, 2));
            w.rate = le(b, body + 4, 4);
            w.byteRate = le(b, body + 8, 4);
            w.blockAlign = quint16(le(b, body + 12, 2));
            w.bits = quint16(le(b, body + 14, 2));
        } else if (id == "data") {
            w.data = b.mid(body, size);
            for (qsizetype i = 0; i + 1 < w.data.size(); i += 2)
                w.samples.append(qint16(le(w.data, i, 2)));
        }
        at = body + qsizetype(size) + (size & 1);
    }
    if (w.data.isEmpty()) w.error = u"no data"_s;
    return w;
}

// RMS of the loudest 50 ms, as a fraction of full scale: what a listener hears as the cue's level.
double loudness(const Wav& w)
{
    const qsizetype window = std::min<qsizetype>(w.samples.size(), w.rate / 20);
    double sum = 0, best = 0;
    for (qsizetype i = 0; i < w.samples.size(); ++i) {
        sum += double(w.samples[i]) * w.samples[i];
        if (i >= window) sum -= double(w.samples[i - window]) * w.samples[i - window];
        best = std::max(best, sum);
    }
    return std::sqrt(best / double(window)) / 32768.0;
}

double decibels(double fraction)
{
    return 20.0 * std::log10(fraction);
}

QString cuePath(int n)
{
    return programFolder() + cueRelativePath(n);
}

// A WAV file: `format` in the fmt chunk, `declared` as the data chunk's size, `payload` after it.
QByteArray wavBytes(quint16 format, quint32 declared, const QByteArray& payload)
{
    QByteArray b;
    auto put = [&b](quint32 v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            b.append(char(v >> (8 * i) & 0xff));
    };
    const quint16 bits = format == 1 ? 16 : 32;
    b.append("RIFF");
    put(36 + quint32(payload.size()), 4);
    b.append("WAVEfmt ");
    put(16, 4);
    put(format, 2);
    put(1, 2);
    put(22050, 4);
    put(22050u * bits / 8, 4);
    put(bits / 8, 2);
    put(bits, 2);
    b.append("data");
    put(declared, 4);
    b.append(payload);
    return b;
}

} // namespace

class TestCues : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void everyCueIsAShortCleanPcmFile_data()
    {
        QTest::addColumn<int>("cue");
        for (int n = 1; n <= 20; ++n)
            QTest::newRow(qPrintable(cueRelativePath(n))) << n;
    }

    void everyCueIsAShortCleanPcmFile()
    {
        QFETCH(int, cue);
        const QString path = cuePath(cue);
        QVERIFY2(QFile::exists(path), qPrintable(path));
        QCOMPARE(cueFileProblem(path), QString());

        const Wav w = readWav(path);
        QCOMPARE(w.error, QString());
        QCOMPARE(qint64(w.riffSize), w.fileSize - 8);
        QCOMPARE(w.format, quint16(1));
        QCOMPARE(w.channels, quint16(1));
        QCOMPARE(w.bits, quint16(16));
        QVERIFY(w.rate == 44100 || w.rate == 22050);
        QCOMPARE(w.blockAlign, quint16(2));
        QCOMPARE(w.byteRate, w.rate * 2);
        QCOMPARE(w.data.size() % 2, 0);

        // Cue 16 is the start fanfare; every other cue answers a single action and stays short.
        const double seconds = double(w.samples.size()) / w.rate;
        QVERIFY2(seconds >= 0.05, qPrintable(QString::number(seconds)));
        QVERIFY2(cue == 16 ? seconds <= 2.2 : seconds < 1.0, qPrintable(QString::number(seconds)));

        // Starting and ending at silence keeps the speaker from clicking.
        QVERIFY2(std::abs(w.samples.first()) <= 100, qPrintable(QString::number(w.samples.first())));
        QVERIFY2(std::abs(w.samples.last()) <= 100, qPrintable(QString::number(w.samples.last())));

        int peak = 0;
        for (qint16 s : w.samples)
            peak = std::max(peak, std::abs(int(s)));
        QVERIFY2(peak < 31000, qPrintable(u"peak %1"_s.arg(peak)));
    }

    void cuesShareOneLoudnessAndDiffer()
    {
        double quietest = 0, loudest = -200; // decibels below full scale
        QSet<QByteArray> sounds;
        for (int n = 1; n <= 20; ++n) {
            const Wav w = readWav(cuePath(n));
            QVERIFY2(w.error.isEmpty(), qPrintable(cueRelativePath(n)));
            const double level = decibels(loudness(w));
            QVERIFY2(level > -24 && level < -10, qPrintable(u"%1: %2 dB"_s.arg(cueRelativePath(n)).arg(level)));
            quietest = std::min(quietest, level);
            loudest = std::max(loudest, level);
            sounds.insert(w.data);
        }
        QVERIFY2(loudest - quietest <= 1.0, qPrintable(u"%1 .. %2 dB"_s.arg(quietest).arg(loudest)));
        QCOMPARE(sounds.size(), 20);
    }

    void brokenFilesAreExplained_data()
    {
        QTest::addColumn<bool>("create");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("playable");

        const QByteArray tone(200, '\x10');
        QTest::newRow("valid") << true << wavBytes(1, 200, tone) << true;
        QTest::newRow("missing") << false << QByteArray() << false;
        QTest::newRow("empty") << true << QByteArray() << false;
        QTest::newRow("header only") << true << wavBytes(1, 0, {}) << false;
        QTest::newRow("truncated data") << true << wavBytes(1, 40000, tone) << false;
        QTest::newRow("float samples") << true << wavBytes(3, 200, tone) << false;
        QTest::newRow("not a wav") << true << QByteArray("Kazemaru is not a sound\n") << false;
        QTest::newRow("riff but not wave") << true
                                           << QByteArray("RIFF\x04\x00\x00\x00"
                                                         "AVI ",
                                                         12)
                                           << false;
        QTest::newRow("no data chunk") << true << wavBytes(1, 0, {}).chopped(8) << false;
    }

    void brokenFilesAreExplained()
    {
        QFETCH(bool, create);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, playable);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(u"cue.wav"_s);
        if (create) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QCOMPARE(f.write(bytes), bytes.size());
        }
        const QString problem = cueFileProblem(path);
        QVERIFY2(problem.isEmpty() == playable, qPrintable(problem));
    }
};

} // namespace kazemaru

QTEST_GUILESS_MAIN(kazemaru::TestCues)
#include "tst_cues.moc"
