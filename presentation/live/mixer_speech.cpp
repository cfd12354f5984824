#include "presentation/live/mixer_speech.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>
#include <cstring>

#include "presentation/boxes/speech_setting.h"
#include "presentation/live/czech_voice.h"

namespace raketa {

namespace {

constexpr int kChannel = 0;  // reserved: the cues never take it

class EspeakVoice : public SpeechVoice {
 public:
  bool Ready() const override { return voice_.Ready(); }
  std::string Problem() const override { return voice_.Problem(); }
  int SampleRate() const override { return voice_.SampleRate(); }
  SpokenSound Synthesise(const std::string& utf8, const std::function<bool()>& goOn) override {
    SpokenSound sound;
    sound.samples = voice_.Synthesise(utf8, goOn, &sound.wordStartsMs);
    return sound;
  }

 private:
  CzechVoice voice_;
};

class MixerChannel : public SpeechOutput {
 public:
  MixerChannel() {
    int frequency = 0, channels = 0;
    Uint16 format = 0;
    if (SDL_WasInit(SDL_INIT_AUDIO) && Mix_QuerySpec(&frequency, &format, &channels) != 0) {
      open_ = true;
      rate_ = frequency;
      format_ = format;
      channels_ = channels;
      Mix_ReserveChannels(kChannel + 1);
    }
  }
  ~MixerChannel() override { Free(); }

  bool Open() const override { return open_; }

  void Play(const std::vector<std::int16_t>& pcm, int rate) override {
    Free();
    if (pcm.empty()) return;
    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, AUDIO_S16SYS, 1, rate, format_, static_cast<Uint8>(channels_), rate_) < 0) return;
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

  bool Playing() override { return open_ && chunk_ != nullptr && Mix_Playing(kChannel) != 0; }

  void Halt() override { Free(); }

 private:
  void Free() {
    if (!open_ || chunk_ == nullptr) return;
    Mix_HaltChannel(kChannel);
    Mix_FreeChunk(chunk_);
    chunk_ = nullptr;
  }

  bool open_ = false;
  int rate_ = 0, channels_ = 0;
  std::uint16_t format_ = 0;
  Mix_Chunk* chunk_ = nullptr;
  std::vector<std::uint8_t> playing_;
};

bool KeepLogged(const std::string& settings, bool on) {
  if (WriteSpeechSetting(settings, on)) return true;
  std::fprintf(stderr, "raketa: cannot keep the speech setting in %s\n", settings.c_str());
  return true;  // told already
}

}  // namespace

std::unique_ptr<SpeechVoice> MakeCzechVoice() { return std::make_unique<EspeakVoice>(); }
std::unique_ptr<SpeechOutput> MakeMixerSpeechOutput() { return std::make_unique<MixerChannel>(); }

LiveSpeech::LiveSpeech(const std::string& settings)
    : LiveSpeech(MakeCzechVoice, MakeMixerSpeechOutput(), [settings](bool on) { return KeepLogged(settings, on); }) {}

}  // namespace raketa
