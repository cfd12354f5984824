// Speech in the live game: a worker thread turns each sentence into sound
// with the Czech voice and plays it on a mixer channel of its own, beside
// the cues (and regardless of F5: a player may want speech without them).
// The frame only queues text; it never waits for the voice.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "services/speech.h"

struct Mix_Chunk;

namespace raketa {

class CzechVoice;

// A text in the pieces the voice says one after another: sentences end at
// ".", "!" or "?" before a blank.  Shorter pieces start sounding sooner.
std::vector<std::string> Sentences(const std::string& utf8);

class LiveSpeech : public Speech {
 public:
  // Needs the mixer open (MixerSound made first); without it speech is
  // silent.  The library is loaded when the first text arrives.
  LiveSpeech();
  ~LiveSpeech() override;
  LiveSpeech(const LiveSpeech&) = delete;
  LiveSpeech& operator=(const LiveSpeech&) = delete;

  void Say(const std::string& utf8) override;
  void Interrupt(const std::string& utf8) override;
  void Switched(bool on) override;

 private:
  void Work();
  void Speak(const std::string& text, unsigned generation);
  bool WaitForChannel(unsigned generation);
  void Play(const std::vector<std::int16_t>& pcm);
  void Silence();

  std::mutex lock_;
  std::condition_variable wake_;
  std::deque<std::string> waiting_;
  std::optional<bool> remember_;
  bool stopping_ = false;
  std::atomic<unsigned> generation_{0};

  // The worker's own.
  bool audio_ = false;
  int rate_ = 0, channels_ = 0;
  std::uint16_t format_ = 0;
  std::unique_ptr<CzechVoice> voice_;
  bool voiceFailed_ = false;
  Mix_Chunk* chunk_ = nullptr;
  std::vector<std::uint8_t> playing_;
  unsigned playedGeneration_ = 0;

  std::thread worker_;
};

}  // namespace raketa
