#include "frame/CuePlayer.h"

#include "frame/CueSound.h"
#include "frame/Dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QSet>
#include <array>
#include <memory>

using namespace Qt::StringLiterals;

namespace kazemaru {
namespace {

struct PlayerState {
    bool enabled = false;
    QString folder;
    std::function<void(int)> observer;
    std::array<std::unique_ptr<CueSound>, 21> effects; // one per cue, loaded on first request
    CueSound* sounding = nullptr;
    std::array<bool, 21> checked{}; // cue files found playable
    QSet<QString> reported;         // files whose problem was already shown this run
    MakeCueSound make = nullptr;    // the sound library's entry point, once it is loaded
    bool libraryTried = false;      // loading it was tried in this program folder
};

PlayerState& state()
{
    static PlayerState s;
    return s;
}

quint32 le32(const QByteArray& b, qsizetype at)
{
    const auto* p = reinterpret_cast<const uchar*>(b.constData() + at);
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

quint16 le16(const QByteArray& b, qsizetype at)
{
    const auto* p = reinterpret_cast<const uchar*>(b.constData() + at);
    return quint16(p[0] | p[1] << 8);
}

// The sound effects must go before the application object does, not at the program's exit.
void releaseEffects()
{
    state().sounding = nullptr;
    for (auto& e : state().effects)
        e.reset();
}

void reportOnce(const QString& path, const QString& reason)
{
    if (state().reported.contains(path)) return;
    state().reported.insert(path);
    reportError(u"音を ならせません。\r\n%1\r\n%2"_s.arg(QDir::toNativeSeparators(path), reason));
}

// What makes a cue's sound: the sound library beside the program, loaded at the first cue that
// is heard and kept for the rest of the run; null, after one box, when it cannot be loaded, and
// then every cue is silent while the lessons go on.
MakeCueSound soundMaker()
{
    auto& s = state();
    if (!s.libraryTried) {
        s.libraryTried = true;
        const QString file = u"libkazemaru-sound.so"_s;
        QString error;
        s.make = reinterpret_cast<MakeCueSound>(programLibraryEntry(file, makeCueSoundName, error));
        if (!s.make) reportOnce(programFolder() + file, error);
    }
    return s.make;
}

} // namespace

QString cueRelativePath(int n)
{
    static const std::array<const char16_t*, 21> names = {
        u"",           u"1.wav",      u"2.wav",          u"3.wav",   u"4.wav",     u"5.wav",        u"6.wav",
        u"7.wav",      u"8.wav",      u"9.wav",          u"10.wav",  u"pipo.wav",  u"poon.wav",     u"bubuu.wav",
        u"pinpon.wav", u"sharan.wav", u"charararan.wav", u"bun.wav", u"pipon.wav", u"chararan.wav", u"20.wav"};
    if (n < 1 || n > 20) return {};
    return u"oto/"_s + QString::fromUtf16(names[std::size_t(n)]);
}

QString cueFileProblem(const QString& path)
{
    QFile file(path);
    if (!file.exists()) return u"ファイルが ありません。"_s;
    if (!file.open(QIODevice::ReadOnly)) return u"ファイルを ひらけません: %1"_s.arg(file.errorString());
    const QByteArray b = file.readAll();
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE") return u"WAVE の ファイルでは ありません。"_s;
    bool pcm = false;
    for (qsizetype at = 12; at + 8 <= b.size();) {
        const QByteArray id = b.mid(at, 4);
        const quint32 size = le32(b, at + 4);
        const qsizetype body = at + 8;
        if (id == "fmt " && size >= 16 && body + 16 <= b.size()) pcm = le16(b, body) == 1;
        if (id == "data") {
            if (!pcm) return u"PCM の 音では ありません。"_s;
            if (size == 0 || body + qsizetype(size) > b.size()) return u"音の データが かけています。"_s;
            return {};
        }
        at = body + qsizetype(size) + (size & 1);
    }
    return u"音の データが ありません。"_s;
}

void setSoundEnabled(bool on)
{
    state().enabled = on;
}
bool soundEnabled()
{
    return state().enabled;
}

QString programFolder()
{
    if (state().folder.isEmpty()) {
        // The application's own folder, links resolved, so an installed link in bin/ still finds
        // oto/ and the sound library.
        const QString exe = QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
        state().folder = QFileInfo(exe).absolutePath() + u'/';
    }
    return state().folder;
}

QFunctionPointer programLibraryEntry(const QString& fileName, const char* symbol, QString& error)
{
    QLibrary library(programFolder() + fileName);
    library.setLoadHints(QLibrary::ResolveAllSymbolsHint | QLibrary::PreventUnloadHint);
    const QFunctionPointer entry = library.resolve(symbol);
    if (!entry) error = library.errorString();
    return entry;
}

void setProgramFolder(const QString& folder)
{
    auto& s = state();
    s.folder = folder.endsWith(u'/') ? folder : folder + u'/';
    releaseEffects();
    s.checked = {};
    s.reported.clear();
    s.make = nullptr; // a library already loaded stays mapped; the new folder's is looked for
    s.libraryTried = false;
}

void setCueObserver(std::function<void(int n)> observer)
{
    state().observer = std::move(observer);
}

void playCue(int n)
{
    auto& s = state();
    if (s.observer) {
        s.observer(n);
        return;
    }
    const QString relative = cueRelativePath(n);
    if (relative.isEmpty()) return;

    // A new cue always cuts off the one still sounding, even while sound is off.
    if (s.sounding) s.sounding->stop();
    s.sounding = nullptr;

    const QString path = programFolder() + relative;
    auto& effect = s.effects[std::size_t(n)];
    if (!effect) {
        // QSoundEffect stays "Loading" forever on a truncated file, so check the file first.
        if (!s.checked[std::size_t(n)]) {
            if (const QString problem = cueFileProblem(path); !problem.isEmpty()) {
                reportOnce(path, problem);
                return;
            }
            s.checked[std::size_t(n)] = true;
        }
        // Nothing is heard while sound is off, so neither the sound library nor the audio device
        // is loaded for it: start-up stays quick, and the first cue that is heard loads both.
        if (!s.enabled) return;
        const MakeCueSound make = soundMaker();
        if (!make) return;
        static const bool releaseRegistered = [] {
            qAddPostRoutine(releaseEffects);
            return true;
        }();
        Q_UNUSED(releaseRegistered);
        effect.reset(make(path, [path] { reportOnce(path, u"音の そうちで ならせません。"_s); }));
    }
    if (!s.enabled) return;
    s.sounding = effect.get();
    effect->play();
}

} // namespace kazemaru
