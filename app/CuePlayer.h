#pragma once
#include <QString>
#include <functional>

namespace kazemaru {

void playCue(int n);           // play cue 1 … 20; a new cue cuts off the one still sounding
bool soundEnabled();           // the sound-enabled flag
void setSoundEnabled(bool on); // written only by the contents screen's start fanfare
QString programFolder();       // the executable's folder, with a trailing separator
void setCueObserver(std::function<void(int n)> observer); // sees every request; while set, no
                                                          // audio device or file is touched

// Points the cue player at another program folder (tests of missing or broken cue files).
void setProgramFolder(const QString& folder);

// The cue's file, relative to the program folder ("oto/pipo.wav"); empty outside 1 … 20.
QString cueRelativePath(int n);

// Why a cue file cannot be played ("" when it looks like a playable PCM WAV file).
QString cueFileProblem(const QString& path);

} // namespace kazemaru
