// The game's own parts for LiveSpeech: the espeak-ng voice and a channel of
// the mixer reserved for speech.  The channel array is never grown after
// the mixer opens (MixerSound), so the speech thread may poll its channel.
#pragma once

#include <memory>

#include "presentation/live/live_speech.h"

namespace raketa {

std::unique_ptr<SpeechVoice> MakeCzechVoice();
// Needs the mixer open; without it the output is closed and speech silent.
std::unique_ptr<SpeechOutput> MakeMixerSpeechOutput();

}  // namespace raketa
