#include "presentation/live/live_speech.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>

#include "presentation/live/czech_voice.h"
#include "presentation/boxes/speech_setting.h"

namespace raketa {

namespace {
constexpr int kChannel = 0;  // reserved: the cues never take it
}  // namespace

std::vector<std::string> Sentences(const std::string& utf8) {
  std::vector<std::string> out;
  std::string piece;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    piece.push_back(utf8[i]);
    const char c = utf8[i];
    const bool end = (c == '.' || c == '!' || c == '?') && i + 1 < utf8.size() && utf8[i + 1] == ' ';
    if (end) {
      out.push_back(piece);
      piece.clear();
      ++i;  // the blank
    }
  }
  if (piece.find_first_not_of(' ') != std::string::npos) out.push_back(piece);
  return out;
}

LiveSpeech::LiveSpeech() {
  int frequency = 0, channels = 0;
  Uint16 format = 0;
  if (SDL_WasInit(SDL_INIT_AUDIO) && Mix_QuerySpec(&frequency, &format, &channels) != 0) {
    audio_ = true;
    rate_ = frequency;
    format_ = format;
    channels_ = channels;
    Mix_ReserveChannels(kChannel + 1);
  }
  worker_ = std::thread([this] { Work(); });
}

LiveSpeech::~LiveSpeech() {
  {
    std::lock_guard<std::mutex> lock(lock_);
    stopping_ = true;
    ++generation_;
  }
  wake_.notify_all();
  worker_.join();
  Silence();
}

void LiveSpeech::Say(const std::string& utf8) {
  {
    std::lock_guard<std::mutex> lock(lock_);
    waiting_.push_back(utf8);
  }
  wake_.notify_one();
}

void LiveSpeech::Interrupt(const std::string& utf8) {
  {
    std::lock_guard<std::mutex> lock(lock_);
    waiting_.clear();
    waiting_.push_back(utf8);
    ++generation_;
  }
  wake_.notify_one();
}

void LiveSpeech::Switched(bool on) {
  {
    std::lock_guard<std::mutex> lock(lock_);
    remember_ = on;
  }
  wake_.notify_one();
}

void LiveSpeech::Work() {
  // Below the game's own thread: on a busy machine a frame goes first and
  // the voice, a sentence ahead of what is heard, waits.
  setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 5);
  for (;;) {
    std::string text;
    std::optional<bool> remember;
    unsigned generation = 0;
    {
      std::unique_lock<std::mutex> lock(lock_);
      wake_.wait(lock, [this] { return stopping_ || !waiting_.empty() || remember_; });
      if (stopping_) return;
      remember.swap(remember_);
      if (!waiting_.empty()) {
        text = waiting_.front();
        waiting_.pop_front();
      }
      generation = generation_;
    }
    if (remember && !WriteSpeechSetting(*remember)) {
      std::fprintf(stderr, "raketa: cannot keep the speech setting in %s\n", SettingsPath().c_str());
    }
    if (!text.empty()) Speak(text, generation);
  }
}

void LiveSpeech::Speak(const std::string& text, unsigned generation) {
  if (!audio_) return;
  if (!voice_ && !voiceFailed_) {
    voice_ = std::make_unique<CzechVoice>();
    if (!voice_->Ready()) {
      std::fprintf(stderr, "raketa: no speech: %s\n", voice_->Problem().c_str());
      voiceFailed_ = true;
    }
  }
  if (voiceFailed_) return;
  // What an earlier text was saying is cut off by a newer room text.
  if (generation != playedGeneration_) {
    Mix_HaltChannel(kChannel);
    playedGeneration_ = generation;
  }
  for (const std::string& sentence : Sentences(text)) {
    const std::vector<std::int16_t> pcm =
        voice_->Synthesise(sentence, [this, generation] { return generation_ == generation; });
    if (generation_ != generation) return;
    if (!WaitForChannel(generation)) return;
    Play(pcm);
  }
}

bool LiveSpeech::WaitForChannel(unsigned generation) {
  while (Mix_Playing(kChannel)) {
    if (generation_ != generation) {
      Mix_HaltChannel(kChannel);
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return generation_ == generation;
}

void LiveSpeech::Play(const std::vector<std::int16_t>& pcm) {
  if (pcm.empty()) return;
  Silence();
  SDL_AudioCVT cvt;
  if (SDL_BuildAudioCVT(&cvt, AUDIO_S16SYS, 1, voice_->SampleRate(), format_, static_cast<Uint8>(channels_),
                        rate_) < 0) {
    return;
  }
  const std::size_t bytes = pcm.size() * sizeof(std::int16_t);
  playing_.assign(bytes * static_cast<std::size_t>(cvt.len_mult > 0 ? cvt.len_mult : 1), 0);
  std::memcpy(playing_.data(), pcm.data(), bytes);
  cvt.len = static_cast<int>(bytes);
  cvt.buf = playing_.data();
  if (cvt.needed && SDL_ConvertAudio(&cvt) != 0) return;
  playing_.resize(static_cast<std::size_t>(cvt.needed ? cvt.len_cvt : cvt.len));
  chunk_ = Mix_QuickLoad_RAW(playing_.data(), static_cast<Uint32>(playing_.size()));
  if (chunk_ != nullptr) Mix_PlayChannel(kChannel, chunk_, 0);
}

void LiveSpeech::Silence() {
  if (!audio_ || chunk_ == nullptr) return;
  Mix_HaltChannel(kChannel);
  Mix_FreeChunk(chunk_);
  chunk_ = nullptr;
}

}  // namespace raketa
