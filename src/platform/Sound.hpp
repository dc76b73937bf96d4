#pragma once
// Short sound effects, played by file name. A new sound replaces the one
// playing; decoded sounds are kept by file name. Without an audio device
// everything is silent.

#include <functional>
#include <string>

namespace Platform
{

// Starts playing a WAV file and returns at once; failures are ignored.
void playSound(const std::string& fileName);

// Where playSound sends its file names; an empty sink restores the audio
// device. Tests install a recording sink here; with sound off the run
// installs one that drops every sound, so the device is never opened.
using SoundSink = std::function<void(const std::string& fileName)>;
void setSoundSink(SoundSink sink);

} // namespace Platform
