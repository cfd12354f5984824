// The shipped game played by ear: a player who listens to everything the
// game says (each sentence takes its time, 14 characters a second, as the
// replay's voice model times it), waits until the voice is silent before
// typing the next walkthrough line, and types three keys a second.  The game
// must still be won, and the voice model tells how many sentences were cut
// short or never heard.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <cstdlib>
#include <iostream>

#include "presentation/replay/recording_speech.h"
#include "support/rig.h"
#include "support/walkthrough_lines.h"

namespace raketa::test {
namespace {

namespace fs = std::filesystem;

const fs::path kGameData = fs::path(RAKETA_BINARY_DIR) / "gamedata";

// How long the player waits before typing a line, once the game takes one.
enum class Waits {
  ForTheScreen,      // reads the screen, as the sighted walkthrough player
  ForWholeLines,     // listens to every answer, name, warning and piece of
                     // news, and lets a key end a room text being read
  ForEverySentence,  // listens to everything, room texts to their end
};

class Listener {
 public:
  // RAKETA_SPEECH_TRACE=FILE writes what was said, and when, to FILE.
  explicit Listener(Waits waits)
      : waits_(waits),
        file_(std::getenv("RAKETA_SPEECH_TRACE") ? std::getenv("RAKETA_SPEECH_TRACE") : "/dev/null"),
        trace_(&file_),
        speech_(trace_) {
    rig_.services.speech = &speech_;
    rig_.g.SpeechOn = true;
  }

  void Frame(long count = 1) {
    for (long i = 0; i < count; ++i) {
      trace_.SetFrame(++frames_);
      speech_.Tick();
      rig_.Frame();
    }
  }

  // Until the game takes a line and the voice has said what the player
  // waits for (at most two minutes of game time).
  void WaitForTheGame() {
    const Game& g = rig_.g;
    for (long waited = 0; waited < 3000; ++waited) {
      bool ready = CurrentStep(g) == GameStep::Play && !g.NarrationPending && g.StepCountdown == 0 &&
                   g.InputCooldown == 0;
      if (waits_ == Waits::ForWholeLines) ready = ready && !speech_.SpeakingWhole();
      if (waits_ == Waits::ForEverySentence) ready = ready && !speech_.Speaking();
      if (ready) return;
      Frame();
    }
  }

  // Three keys a second, Enter at the end.
  void TypeLine(const std::string& utf8) {
    std::size_t i = 0;
    while (i < utf8.size()) {
      const unsigned char c = static_cast<unsigned char>(utf8[i]);
      const std::size_t n = c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
      rig_.Type(utf8.substr(i, n));
      Frame(8);
      i += n;
    }
    rig_.PressEnter();
    Frame();
  }

  Rig& rig() { return rig_; }
  long frames() const { return frames_; }
  const SpeechTimeline::Counts& counts() const { return speech_.counts(); }

 private:
  Waits waits_;
  Rig rig_;
  std::ofstream file_;
  Trace trace_;
  RecordingSpeech speech_;
  long frames_ = 0;
};

struct Outcome {
  bool departed = false;
  std::string failedAt;
  SpeechTimeline::Counts counts;
};

Outcome PlayByEar(Waits waits, const char* who) {
  Outcome out;
  Listener player(waits);
  Rig& rig = player.rig();
  fs::copy_file(kGameData / "mistnosti.dat", "mistnosti.dat");
  fs::copy(kGameData / "texty", "texty", fs::copy_options::overwrite_existing | fs::copy_options::recursive);
  rig.runner.Start();
  for (const std::string& line : WalkthroughLines()) {
    player.WaitForTheGame();
    player.TypeLine(line);
    if (rig.g.GameOver) {
      out.failedAt = line + " (" + rig.LineUtf8() + ")";
      break;
    }
  }
  player.Frame(2);
  out.departed = rig.g.DepartureScreen;
  out.counts = player.counts();
  const SpeechTimeline::Counts& c = out.counts;
  std::cout << "walkthrough by ear, " << who << ": " << (out.departed ? "won" : "lost") << " after "
            << player.frames() / 25.0 << " s of game time; " << c.said << " sentences handed to the voice, "
            << c.whole << " heard whole, " << c.cut << " cut short, " << c.dropped << " never heard ("
            << c.lostWhole << " of them answers or news); fuel " << rig.w.Fuel << " %, " << rig.w.MinutesLeft
            << " minutes left\n";
  return out;
}

// Whatever the pace, no answer, name, warning or piece of news is lost:
// only room texts and panels give way.  The player who lets a key end a room
// text wins.
TEST(SpeechWalkthrough, NothingButRoomTextsGivesWayAndAListenerWins) {
  if (!fs::exists(kGameData / "mistnosti.dat")) GTEST_SKIP() << "no game data built";
  {
    const Outcome o = PlayByEar(Waits::ForTheScreen, "reading the screen, 3 keys a second");
    EXPECT_TRUE(o.departed) << o.failedAt;
    EXPECT_EQ(o.counts.lostWhole, 0);
  }
  {
    const Outcome o = PlayByEar(Waits::ForWholeLines, "waiting for every answer and piece of news, 3 keys a second");
    EXPECT_TRUE(o.departed) << o.failedAt;
    EXPECT_EQ(o.counts.lostWhole, 0);
  }
  {
    // Every room text heard to its end: nothing at all is lost, but the
    // fuel budget of the world may not allow the time it takes.
    const Outcome o = PlayByEar(Waits::ForEverySentence, "hearing every sentence to its end, 3 keys a second");
    EXPECT_EQ(o.counts.dropped, 0);
  }
}

}  // namespace
}  // namespace raketa::test
