// Speech in the live game: a worker thread turns each sentence into sound
// with the Czech voice and plays it on a voice of its own, beside the cues
// (and regardless of F5: a player may want speech without them).  The frame
// only queues text and never waits for the voice.
//
// The voice and the sound output are given as parts, so that a test runs
// the thread with fakes; LiveSpeech(settings) takes the game's own: espeak-ng and
// the mixer's reserved channel.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "services/speech.h"

namespace raketa {

// A text in the pieces the voice says one after another: sentences end at
// ".", "!" or "?" before a blank.  Shorter pieces start sounding sooner.
std::vector<std::string> Sentences(const std::string& utf8);

// One piece as sound: mono signed 16-bit samples at the voice's rate, and
// where each word after the first starts, in milliseconds.
struct SpokenSound {
  std::vector<std::int16_t> samples;
  std::vector<long> wordStartsMs;
};

class SpeechVoice {
 public:
  virtual ~SpeechVoice() = default;
  virtual bool Ready() const = 0;
  virtual std::string Problem() const = 0;
  virtual int SampleRate() const = 0;
  // `goOn` is asked between pieces of sound: false cuts the text short.
  virtual SpokenSound Synthesise(const std::string& utf8, const std::function<bool()>& goOn) = 0;
};

// Where the sound goes.  Called from the worker thread only.
class SpeechOutput {
 public:
  virtual ~SpeechOutput() = default;
  virtual bool Open() const = 0;
  virtual void Play(const std::vector<std::int16_t>& samples, int rate) = 0;
  virtual bool Playing() = 0;
  virtual void Halt() = 0;
};

class LiveSpeech : public Speech {
 public:
  using VoiceMaker = std::function<std::unique_ptr<SpeechVoice>()>;
  // Writes the player's choice of speech; false when it could not.
  using KeepSetting = std::function<bool(bool on)>;

  // The game's voice and the mixer (MixerSound made first); without audio
  // speech is silent.  The library is loaded when the first text arrives.
  // The player's choice is kept in the file `settings` (see SettingsFile).
  explicit LiveSpeech(const std::string& settings);
  LiveSpeech(VoiceMaker voice, std::unique_ptr<SpeechOutput> output, KeepSetting keep);
  ~LiveSpeech() override;
  LiveSpeech(const LiveSpeech&) = delete;
  LiveSpeech& operator=(const LiveSpeech&) = delete;

  void Say(const std::string& utf8, Place place, bool yields) override;
  void Yield() override;
  void Interrupt(const std::string& utf8) override;
  bool Speaking() override;
  void Switched(bool on) override;

 private:
  struct Piece {
    std::string text;
    bool first = false;
    bool yields = false;
  };
  void Work();
  void Speak(const Piece& piece, unsigned cut);
  // Under the lock: whether the piece being said must stop now.
  bool MustStop(unsigned cut) const { return stopping_ || cut_ != cut; }

  VoiceMaker makeVoice_;
  std::unique_ptr<SpeechOutput> output_;
  KeepSetting keep_;

  std::mutex lock_;
  std::condition_variable wake_;
  std::deque<Piece> waiting_;
  std::optional<bool> remember_;
  bool stopping_ = false;
  unsigned cut_ = 0;             // raised by Interrupt: everything stops
  bool busy_ = false;            // a piece is being made or played
  bool currentYields_ = false;   // the piece being said yields
  bool endWord_ = false;         // it ends at the end of its word

  // The worker's own.
  std::unique_ptr<SpeechVoice> voice_;
  bool voiceFailed_ = false;

  std::thread worker_;
};

}  // namespace raketa
