#pragma once
#include <QString>
#include <functional>

namespace kazemaru {

// The cues the screens play, named by what they first mark; each file's other uses follow.
namespace cue {
inline constexpr int next = 11;    // pipo: next problem or step, memo closed, drill started and each problem
inline constexpr int choice = 12;  // poon: screen shown, menu choice, mode button, drill answer recorded
inline constexpr int wrong = 13;   // bubuu: judged "×"
inline constexpr int right = 14;   // pinpon: judged "○"
inline constexpr int memo = 15;    // sharan: point memo opened
inline constexpr int fanfare = 16; // charararan: the start fanfare, once per run
inline constexpr int digit = 17;   // bun: a digit chosen; step and restore buttons; drill shown, its menu and time
inline constexpr int stop = 19;    // chararan: a drill run stopped
} // namespace cue

void playCue(int n);           // play cue 1 … 20; a new cue cuts off the one still sounding
bool soundEnabled();           // the sound-enabled flag
void setSoundEnabled(bool on); // written only by the contents screen's start fanfare
QString programFolder();       // the executable's folder, with a trailing separator
void setCueObserver(std::function<void(int n)> observer); // sees every request; while set, no
                                                          // audio device or file is touched

// The entry point `symbol` of the library `fileName` in the program folder, loaded with every
// symbol resolved at once, so that a library that does not match the program fails here and not
// later, and never unloaded; null, with the reason in `error`, when it cannot be loaded. The
// program's late-loaded parts (the records window, the sounds) come this way.
QFunctionPointer programLibraryEntry(const QString& fileName, const char* symbol, QString& error);

// Points the cue player at another program folder (tests of missing or broken cue files).
void setProgramFolder(const QString& folder);

// The cue's file, relative to the program folder ("oto/pipo.wav"); empty outside 1 … 20.
QString cueRelativePath(int n);

// Why a cue file cannot be played ("" when it looks like a playable PCM WAV file).
QString cueFileProblem(const QString& path);

} // namespace kazemaru
