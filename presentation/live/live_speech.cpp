#include "presentation/live/live_speech.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

namespace raketa {

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

LiveSpeech::LiveSpeech(VoiceMaker voice, std::unique_ptr<SpeechOutput> output, KeepSetting keep)
    : makeVoice_(std::move(voice)), output_(std::move(output)), keep_(std::move(keep)) {
  worker_ = std::thread([this] { Work(); });
}

LiveSpeech::~LiveSpeech() {
  std::optional<bool> remember;
  {
    std::lock_guard<std::mutex> lock(lock_);
    stopping_ = true;
  }
  wake_.notify_all();
  worker_.join();
  // A choice made while a sentence was still playing is kept all the same.
  remember.swap(remember_);
  if (remember && keep_ && !keep_(*remember)) std::fprintf(stderr, "raketa: cannot keep the speech setting\n");
}

void LiveSpeech::Say(const std::string& utf8, Place place, bool yields) {
  {
    std::lock_guard<std::mutex> lock(lock_);
    const bool first = place == Place::First;
    auto at = waiting_.end();
    if (first) {
      at = waiting_.begin();
      while (at != waiting_.end() && at->first) ++at;
      if (currentYields_) endWord_ = true;
    }
    for (const std::string& sentence : Sentences(utf8)) {
      at = waiting_.insert(at, Piece{sentence, first, yields});
      ++at;
    }
  }
  wake_.notify_all();
}

void LiveSpeech::Yield() {
  {
    std::lock_guard<std::mutex> lock(lock_);
    if (currentYields_) endWord_ = true;
    for (auto it = waiting_.begin(); it != waiting_.end();) {
      it = it->yields ? waiting_.erase(it) : it + 1;
    }
  }
  wake_.notify_all();
}

void LiveSpeech::Interrupt(const std::string& utf8) {
  {
    std::lock_guard<std::mutex> lock(lock_);
    waiting_.clear();
    for (const std::string& sentence : Sentences(utf8)) waiting_.push_back(Piece{sentence, false, false});
    ++cut_;
  }
  wake_.notify_all();
}

bool LiveSpeech::Speaking() {
  std::lock_guard<std::mutex> lock(lock_);
  return busy_ || !waiting_.empty();
}

void LiveSpeech::Switched(bool on) {
  {
    std::lock_guard<std::mutex> lock(lock_);
    remember_ = on;
  }
  wake_.notify_all();
}

void LiveSpeech::Work() {
  // Below the game's own thread: on a busy machine a frame goes first and
  // the voice, a sentence ahead of what is heard, waits.
  setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 5);
  for (;;) {
    Piece piece;
    bool have = false;
    std::optional<bool> remember;
    unsigned cut = 0;
    {
      std::unique_lock<std::mutex> lock(lock_);
      wake_.wait(lock, [this] { return stopping_ || !waiting_.empty() || remember_; });
      if (stopping_) return;
      remember.swap(remember_);
      if (!waiting_.empty()) {
        piece = waiting_.front();
        waiting_.pop_front();
        have = true;
        busy_ = true;
        currentYields_ = piece.yields;
        endWord_ = false;
        cut = cut_;
      }
    }
    if (remember && keep_ && !keep_(*remember)) std::fprintf(stderr, "raketa: cannot keep the speech setting\n");
    if (!have) continue;
    Speak(piece, cut);
    std::lock_guard<std::mutex> lock(lock_);
    busy_ = false;
    currentYields_ = false;
    endWord_ = false;
  }
}

void LiveSpeech::Speak(const Piece& piece, unsigned cut) {
  if (!output_ || !output_->Open()) return;
  if (!voice_ && !voiceFailed_) {
    voice_ = makeVoice_ ? makeVoice_() : nullptr;
    if (!voice_ || !voice_->Ready()) {
      std::fprintf(stderr, "raketa: no speech: %s\n", voice_ ? voice_->Problem().c_str() : "no voice");
      voiceFailed_ = true;
    }
  }
  if (voiceFailed_) return;
  // Asked for an end before a word of it was heard: not said at all.
  auto goOn = [this, cut] {
    std::lock_guard<std::mutex> lock(lock_);
    return !MustStop(cut) && !endWord_;
  };
  const SpokenSound sound = voice_->Synthesise(piece.text, goOn);
  if (!goOn()) return;
  output_->Play(sound.samples, voice_->SampleRate());
  const auto started = std::chrono::steady_clock::now();
  long stopAtMs = -1;
  for (;;) {
    const long playedMs = static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started).count());
    {
      std::unique_lock<std::mutex> lock(lock_);
      if (MustStop(cut)) break;
      if (endWord_ && stopAtMs < 0) {
        // The end of the word being said is where the next one starts.
        stopAtMs = 1L << 30;
        for (long start : sound.wordStartsMs) {
          if (start > playedMs) {
            stopAtMs = start;
            break;
          }
        }
      }
      if (stopAtMs >= 0 && playedMs >= stopAtMs) break;
      wake_.wait_for(lock, std::chrono::milliseconds(10));
      if (MustStop(cut)) break;
    }
    if (!output_->Playing()) return;
  }
  output_->Halt();
}

}  // namespace raketa
