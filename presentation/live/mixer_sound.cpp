// Opening the mixer, converting the cues and playing them on free voices.
#include "presentation/live/mixer_sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>
#include <cstring>

namespace raketa {

namespace {

constexpr int kRate = 22050;
constexpr int kBufferFrames = 1024;  // about 46 ms: few wake-ups, little delay
// Allocated once, when the mixer opens, and never grown: SDL_mixer reads its
// voice array without a lock, and the speech thread polls its own voice.
constexpr int kVoices = 64;
constexpr int kCueGroup = 1;

}  // namespace

MixerSound::MixerSound(const Catalogue& catalogue) {
  if (!SDL_WasInit(SDL_INIT_AUDIO)) return;
  if (Mix_OpenAudio(kRate, AUDIO_S16SYS, 2, kBufferFrames) != 0) {
    std::fprintf(stderr, "raketa: no sound (%s)\n", Mix_GetError());
    return;
  }
  open_ = true;
  Mix_AllocateChannels(kVoices);
  Mix_GroupChannels(1, kVoices - 1, kCueGroup);  // voice 0 may be speech's
  int rate = 0, channels = 0;
  Uint16 format = 0;
  Mix_QuerySpec(&rate, &format, &channels);
  for (int i = 0; i < kCueCount; ++i) {
    const DecodedCue& cue = catalogue.cue(static_cast<Cue>(i));
    if (cue.pcm.empty() || (cue.bits != 8 && cue.bits != 16) || cue.channels < 1 || cue.rate <= 0) continue;
    const SDL_AudioFormat from = cue.bits == 8 ? AUDIO_U8 : AUDIO_S16LSB;  // as WAV files store them
    const int frame = cue.bits / 8 * cue.channels;
    const int length = static_cast<int>(cue.pcm.size() / frame * frame);
    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, from, static_cast<Uint8>(cue.channels), cue.rate, format,
                          static_cast<Uint8>(channels), rate) < 0) {
      continue;
    }
    std::vector<std::uint8_t>& buffer = samples_[i];
    buffer.assign(static_cast<std::size_t>(length) * (cvt.len_mult > 0 ? cvt.len_mult : 1), 0);
    std::memcpy(buffer.data(), cue.pcm.data(), static_cast<std::size_t>(length));
    cvt.len = length;
    cvt.buf = buffer.data();
    if (cvt.needed && SDL_ConvertAudio(&cvt) != 0) {
      buffer.clear();
      continue;
    }
    buffer.resize(static_cast<std::size_t>(cvt.needed ? cvt.len_cvt : length));
    chunks_[i] = Mix_QuickLoad_RAW(buffer.data(), static_cast<Uint32>(buffer.size()));
  }
}

MixerSound::~MixerSound() {
  if (!open_) return;
  Mix_HaltChannel(-1);
  for (Mix_Chunk* chunk : chunks_) {
    if (chunk) Mix_FreeChunk(chunk);
  }
  Mix_CloseAudio();
}

void MixerSound::HaltVoicesOf(Mix_Chunk* chunk) {
  const int voices = Mix_AllocateChannels(-1);
  for (int ch = 0; ch < voices; ++ch) {
    if (Mix_Playing(ch) && Mix_GetChunk(ch) == chunk) Mix_HaltChannel(ch);
  }
}

void MixerSound::Play(Cue cue) {
  Mix_Chunk* chunk = open_ ? chunks_[static_cast<int>(cue)] : nullptr;
  if (!chunk) return;
  if (CueLooped(cue)) {
    // A looped cue starts again from its beginning, on one voice.
    HaltVoicesOf(chunk);
    if (Mix_PlayChannel(-1, chunk, -1) >= 0) return;
  } else if (Mix_PlayChannel(-1, chunk, 0) >= 0) {
    return;
  }
  // Every voice is busy: the cue that has sounded longest gives way.
  const int oldest = Mix_GroupOldest(kCueGroup);
  if (oldest < 0) return;
  Mix_HaltChannel(oldest);
  Mix_PlayChannel(oldest, chunk, CueLooped(cue) ? -1 : 0);
}

void MixerSound::Stop(Cue cue) {
  Mix_Chunk* chunk = open_ ? chunks_[static_cast<int>(cue)] : nullptr;
  if (chunk) HaltVoicesOf(chunk);
}

}  // namespace raketa
