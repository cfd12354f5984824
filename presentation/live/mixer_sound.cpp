// Opening the mixer, and decoding and converting each cue the first time it
// plays, then playing it on free voices.
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

MixerSound::MixerSound(const Catalogue& catalogue) : catalogue_(catalogue) {
  if (!SDL_WasInit(SDL_INIT_AUDIO)) return;
  if (Mix_OpenAudio(kRate, AUDIO_S16SYS, 2, kBufferFrames) != 0) {
    std::fprintf(stderr, "raketa: no sound (%s)\n", Mix_GetError());
    return;
  }
  open_ = true;
  Mix_AllocateChannels(kVoices);
  Mix_GroupChannels(1, kVoices - 1, kCueGroup);  // voice 0 may be speech's
  Mix_QuerySpec(&rate_, &format_, &channels_);
}

Mix_Chunk* MixerSound::ChunkOf(Cue cue) {
  const int i = static_cast<int>(cue);
  if (!open_) return nullptr;
  if (!made_[i]) {
    made_[i] = true;
    chunks_[i] = Convert(cue, samples_[i]);
  }
  return chunks_[i];
}

Mix_Chunk* MixerSound::Convert(Cue cue, std::vector<std::uint8_t>& buffer) const {
  DecodedCue decoded;
  try {
    decoded = catalogue_.cue(cue);
  } catch (const AssetError& e) {
    std::fprintf(stderr, "raketa: %s\n", e.what());
    return nullptr;
  }
  if (decoded.pcm.empty() || (decoded.bits != 8 && decoded.bits != 16) || decoded.channels < 1 || decoded.rate <= 0)
    return nullptr;
  const SDL_AudioFormat from = decoded.bits == 8 ? AUDIO_U8 : AUDIO_S16LSB;
  const int frame = decoded.bits / 8 * decoded.channels;
  const int length = static_cast<int>(decoded.pcm.size() / frame * frame);
  SDL_AudioCVT cvt;
  if (SDL_BuildAudioCVT(&cvt, from, static_cast<Uint8>(decoded.channels), decoded.rate, format_,
                        static_cast<Uint8>(channels_), rate_) < 0) {
    return nullptr;
  }
  if (!cvt.needed) {
    buffer = std::move(decoded.pcm);
    buffer.resize(static_cast<std::size_t>(length));
  } else {
    buffer.assign(static_cast<std::size_t>(length) * (cvt.len_mult > 0 ? cvt.len_mult : 1), 0);
    std::memcpy(buffer.data(), decoded.pcm.data(), static_cast<std::size_t>(length));
    decoded.pcm = {};
    cvt.len = length;
    cvt.buf = buffer.data();
    if (SDL_ConvertAudio(&cvt) != 0) {
      buffer.clear();
      return nullptr;
    }
    buffer.resize(static_cast<std::size_t>(cvt.len_cvt));
    buffer.shrink_to_fit();
  }
  return Mix_QuickLoad_RAW(buffer.data(), static_cast<Uint32>(buffer.size()));
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
  Mix_Chunk* chunk = ChunkOf(cue);
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
  // A cue never played has no voice to stop.
  Mix_Chunk* chunk = open_ ? chunks_[static_cast<int>(cue)] : nullptr;
  if (chunk) HaltVoicesOf(chunk);
}

}  // namespace raketa
