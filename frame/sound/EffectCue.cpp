// The sound library's one entry point (see frame/CueSound.h): a cue played by a QSoundEffect,
// which plays short WAV files with little delay and never blocks.
#include "frame/CueSound.h"

#include <QObject>
#include <QSoundEffect>
#include <QUrl>
#include <type_traits>

namespace {

class EffectCue final : public kazemaru::CueSound {
  public:
    EffectCue(const QString& path, std::function<void()> failed)
    {
        QObject::connect(&effect_, &QSoundEffect::statusChanged, &effect_, [this, failed = std::move(failed)] {
            if (effect_.status() == QSoundEffect::Error && failed) failed();
        });
        effect_.setSource(QUrl::fromLocalFile(path));
    }
    void play() override { effect_.play(); }
    void stop() override { effect_.stop(); }

  private:
    QSoundEffect effect_;
};

} // namespace

extern "C" Q_DECL_EXPORT kazemaru::CueSound* kazemaruMakeCueSound(const QString& path, std::function<void()> failed)
{
    static_assert(std::is_same_v<decltype(&kazemaruMakeCueSound), kazemaru::MakeCueSound>);
    return new EffectCue(path, std::move(failed));
}
