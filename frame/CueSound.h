#pragma once
// The sound of one cue. Qt Multimedia, and the thirty-odd audio and network libraries it brings,
// are used by the cue player alone, so they live in a library of their own beside the program
// (libkazemaru-sound.so, frame/sound/), which the cue player loads at the first cue that is heard:
// the program starts without waiting for them. The player reaches a sound only through this
// interface, so it needs none of the library's functions by name but the one that makes a sound.
#include <QString>
#include <functional>

namespace kazemaru {

class CueSound {
  public:
    virtual ~CueSound() = default;
    virtual void play() = 0;
    virtual void stop() = 0; // cuts the sound off if it is still playing
};

// The library's entry point, resolved by this name: a sound that plays the WAV file at `path`.
// `failed` is called when the audio device cannot play it.
using MakeCueSound = CueSound* (*)(const QString& path, std::function<void()> failed);
inline constexpr char makeCueSoundName[] = "kazemaruMakeCueSound";

} // namespace kazemaru
