// The Czech voice of espeak-ng, turning a sentence into sound samples.  The
// library is looked for when the game first speaks, not when it starts: a
// player without it (or without its Czech voice) is told once and plays on
// in silence.  Only one voice may speak at a time in a process.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace raketa {

class CzechVoice {
 public:
  // The library file and the voice's name; the defaults are the game's.
  explicit CzechVoice(const std::string& library = "libespeak-ng.so.1", const std::string& voice = "cs");
  CzechVoice(const CzechVoice&) = delete;
  CzechVoice& operator=(const CzechVoice&) = delete;

  bool Ready() const { return problem_.empty(); }
  // Why the voice cannot speak, in one line for the player.
  const std::string& Problem() const { return problem_; }
  // Samples per second of what Synthesise returns (mono, signed 16-bit).
  int SampleRate() const { return rate_; }

  // The sound of a UTF-8 text; empty when the voice is not ready.
  // `goOn` is asked between pieces of sound: false cuts the text short.
  // `wordStartsMs`, when given, gets where each word after the first starts.
  std::vector<std::int16_t> Synthesise(const std::string& utf8, const std::function<bool()>& goOn = {},
                                       std::vector<long>* wordStartsMs = nullptr);

 private:
  std::string library_;
  std::string voice_;
  std::string problem_;
  int rate_ = 0;
};

}  // namespace raketa
