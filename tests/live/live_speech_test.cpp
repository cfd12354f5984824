// The live voice's thread, with a fake voice and a fake sound output: the
// order pieces are heard in, what yields to the player, what cuts off
// everything, and the setting kept when the game ends mid-sentence.  Also
// built with ThreadSanitizer by tools/test.sh.
#include "presentation/live/live_speech.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

namespace raketa {
namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRate = 1000;         // samples a second
constexpr int kSamplesPerChar = 8;  // 8 ms a character

// What the fakes saw, shared with the test.
struct Log {
  std::mutex lock;
  std::vector<std::string> made;  // pieces synthesised, in order
  struct Played {
    std::string text;
    bool halted = false;
    long heardMs = 0;
    long lengthMs = 0;
  };
  std::vector<Played> played;
  std::vector<bool> kept;
};

class FakeVoice : public SpeechVoice {
 public:
  explicit FakeVoice(Log& log) : log_(log) {}
  bool Ready() const override { return true; }
  std::string Problem() const override { return {}; }
  int SampleRate() const override { return kRate; }
  SpokenSound Synthesise(const std::string& utf8, const std::function<bool()>& goOn) override {
    SpokenSound s;
    std::lock_guard<std::mutex> lock(log_.lock);
    // The samples carry the piece's number, for the output to name it.
    s.samples.assign(utf8.size() * kSamplesPerChar, static_cast<std::int16_t>(log_.made.size()));
    for (std::size_t i = 0; i < utf8.size(); ++i) {
      if (utf8[i] == ' ') s.wordStartsMs.push_back(static_cast<long>((i + 1) * kSamplesPerChar * 1000 / kRate));
    }
    log_.made.push_back(utf8);
    (void)goOn;
    return s;
  }

 private:
  Log& log_;
};

class FakeOutput : public SpeechOutput {
 public:
  explicit FakeOutput(Log& log) : log_(log) {}
  bool Open() const override { return true; }
  void Play(const std::vector<std::int16_t>& samples, int rate) override {
    std::lock_guard<std::mutex> lock(log_.lock);
    Log::Played p;
    p.text = samples.empty() ? "" : log_.made.at(static_cast<std::size_t>(samples[0]));
    p.lengthMs = static_cast<long>(samples.size()) * 1000 / rate;
    log_.played.push_back(p);
    started_ = Clock::now();
    end_ = started_ + std::chrono::milliseconds(p.lengthMs);
    playing_ = true;
  }
  bool Playing() override {
    if (playing_ && Clock::now() >= end_) Finished(false);
    return playing_;
  }
  void Halt() override {
    if (playing_) Finished(true);
  }

 private:
  void Finished(bool halted) {
    std::lock_guard<std::mutex> lock(log_.lock);
    playing_ = false;
    Log::Played& p = log_.played.back();
    p.halted = halted;
    p.heardMs = static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started_).count());
  }
  Log& log_;
  bool playing_ = false;
  Clock::time_point started_, end_;
};

class LiveSpeechThread : public ::testing::Test {
 protected:
  std::unique_ptr<LiveSpeech> Make() {
    return std::make_unique<LiveSpeech>([this] { return std::make_unique<FakeVoice>(log); },
                                        std::make_unique<FakeOutput>(log), [this](bool on) {
                                          std::lock_guard<std::mutex> lock(log.lock);
                                          log.kept.push_back(on);
                                          return true;
                                        });
  }
  // Until the voice is silent (at most 5 s, far more than any case needs).
  static void WaitUntilSilent(LiveSpeech& s) {
    const auto limit = Clock::now() + std::chrono::seconds(5);
    while (s.Speaking() && Clock::now() < limit) std::this_thread::sleep_for(std::chrono::milliseconds(2));
    EXPECT_FALSE(s.Speaking());
  }
  // Until `n` pieces have started to sound.
  void WaitUntilPlayed(std::size_t n) {
    const auto limit = Clock::now() + std::chrono::seconds(5);
    for (;;) {
      {
        std::lock_guard<std::mutex> lock(log.lock);
        if (log.played.size() >= n || Clock::now() > limit) return;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  }
  std::vector<std::string> PlayedTexts() {
    std::lock_guard<std::mutex> lock(log.lock);
    std::vector<std::string> out;
    for (const Log::Played& p : log.played) out.push_back(p.text + (p.halted ? " (cut)" : ""));
    return out;
  }
  Log log;
};

TEST(LiveSpeech, TextsAreSaidSentenceBySentence) {
  const struct {
    std::string text;
    std::vector<std::string> pieces;
  } cases[] = {
      {"KABINA. Sedíš v křesle!", {"KABINA.", "Sedíš v křesle!"}},
      {"Kde? Tady. ", {"Kde?", "Tady."}},
      {"okej, vzal jsem.", {"okej, vzal jsem."}},
      {"zdraví 72 procent, palivo 3 procenta.", {"zdraví 72 procent, palivo 3 procenta."}},
      {"bez tečky", {"bez tečky"}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(Sentences(c.text), c.pieces) << c.text;
}

TEST_F(LiveSpeechThread, PiecesAreSaidWholeInTheOrderAsked) {
  auto speech = Make();
  EXPECT_FALSE(speech->Speaking());
  speech->Say("Jedna. Dva.", Speech::Place::Last, false);
  speech->Say("Tri.", Speech::Place::Last, true);
  EXPECT_TRUE(speech->Speaking());
  WaitUntilSilent(*speech);
  EXPECT_EQ(PlayedTexts(), (std::vector<std::string>{"Jedna.", "Dva.", "Tri."}));
}

TEST_F(LiveSpeechThread, AKeyEndsTheRoomTextAtAWordAndTheAnswerComesNext) {
  auto speech = Make();
  const std::string room = "kabina je tma a ticho jen pult blika do tmy a ty sedis v kresle dlouho";
  speech->Say(room, Speech::Place::Last, true);
  speech->Say("Na zemi nic.", Speech::Place::Last, true);  // yields: dropped
  speech->Say("Hint.", Speech::Place::Last, false);        // kept
  WaitUntilPlayed(1);
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  speech->Yield();
  speech->Say("Odpoved.", Speech::Place::First, false);
  WaitUntilSilent(*speech);
  EXPECT_EQ(PlayedTexts(), (std::vector<std::string>{room + " (cut)", "Odpoved.", "Hint."}));
  std::lock_guard<std::mutex> lock(log.lock);
  // Cut where a word ended, long before the text's end.
  EXPECT_LT(log.played[0].heardMs, log.played[0].lengthMs / 2);
}

TEST_F(LiveSpeechThread, AWarningGoesBeforeWhatWaitsButAfterTheLineBeingSaid) {
  auto speech = Make();
  speech->Say("Odpoved je dlouha a cela.", Speech::Place::Last, false);
  speech->Say("Novinka.", Speech::Place::Last, false);
  WaitUntilPlayed(1);
  speech->Say("Pozor!", Speech::Place::First, false);
  WaitUntilSilent(*speech);
  EXPECT_EQ(PlayedTexts(), (std::vector<std::string>{"Odpoved je dlouha a cela.", "Pozor!", "Novinka."}));
}

TEST_F(LiveSpeechThread, InterruptCutsOffEverything) {
  auto speech = Make();
  speech->Say("Odpoved je dlouha a cela.", Speech::Place::Last, false);
  speech->Say("Novinka.", Speech::Place::Last, false);
  WaitUntilPlayed(1);
  speech->Interrupt("Konec.");
  WaitUntilSilent(*speech);
  EXPECT_EQ(PlayedTexts(), (std::vector<std::string>{"Odpoved je dlouha a cela. (cut)", "Konec."}));
}

TEST_F(LiveSpeechThread, ASettingSwitchedWhileASentencePlaysIsKeptWhenTheGameEnds) {
  auto speech = Make();
  speech->Say("Dlouha veta, ktera jeste zni, kdyz hra konci a okno se zavira.", Speech::Place::Last, false);
  WaitUntilPlayed(1);
  speech->Switched(false);
  speech.reset();  // F10 while the sentence plays
  std::lock_guard<std::mutex> lock(log.lock);
  EXPECT_EQ(log.kept, (std::vector<bool>{false}));
}

}  // namespace
}  // namespace raketa
