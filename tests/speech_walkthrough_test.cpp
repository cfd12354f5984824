// The shipped game played by ear: a player who listens to everything the
// game says (each sentence takes its time, 14 characters a second, as the
// replay's voice model times it), waits until the voice is silent before
// typing the next walkthrough line, and types three keys a second.  The game
// must still be won, and the voice model tells how many sentences were cut
// short or never heard.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>

#include "presentation/replay/recording_speech.h"
#include "support/rig.h"

namespace raketa::test {
namespace {

namespace fs = std::filesystem;

const fs::path kGameData = fs::path(RAKETA_BINARY_DIR) / "gamedata";

std::vector<std::string> Walkthrough() {
  std::ifstream in(fs::path(RAKETA_SOURCE_DIR) / "data" / "walkthrough.txt");
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

class Listener {
 public:
  Listener() : speech_(trace_) {
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

  // Until the game takes a line and the voice has said everything (at most
  // two minutes of game time).
  void WaitUntilHeard() {
    const Game& g = rig_.g;
    for (long waited = 0; waited < 3000; ++waited) {
      const bool ready = CurrentStep(g) == GameStep::Play && !g.NarrationPending && g.StepCountdown == 0 &&
                         g.InputCooldown == 0 && !speech_.Speaking();
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
  Rig rig_;
  Trace trace_;
  RecordingSpeech speech_;
  long frames_ = 0;
};

TEST(SpeechWalkthrough, AListenerWhoWaitsForTheVoiceWinsAndHearsEverySentence) {
  if (!fs::exists(kGameData / "mistnosti.dat")) GTEST_SKIP() << "no game data built";
  Listener player;
  Rig& rig = player.rig();
  fs::copy_file(kGameData / "mistnosti.dat", "mistnosti.dat");
  fs::copy(kGameData / "texty", "texty", fs::copy_options::overwrite_existing | fs::copy_options::recursive);
  rig.runner.Start();
  std::string failedAt;
  for (const std::string& line : Walkthrough()) {
    player.WaitUntilHeard();
    player.TypeLine(line);
    if (rig.g.GameOver) {
      failedAt = line + " (" + rig.LineUtf8() + ")";
      break;
    }
  }
  player.Frame(2);
  const SpeechTimeline::Counts& c = player.counts();
  std::cout << "walkthrough by ear: " << player.frames() / 25.0 << " s of game time; " << c.said
            << " sentences handed to the voice, " << c.whole << " heard whole, " << c.cut << " cut short, "
            << c.dropped << " never heard; " << rig.w.MinutesLeft << " minutes left on the countdown\n";
  EXPECT_TRUE(rig.g.DepartureScreen) << "died at " << failedAt;
  // The player only ever typed into silence: nothing the game said in
  // between was lost.
  EXPECT_EQ(c.cut + c.dropped, 0);
}

}  // namespace
}  // namespace raketa::test
