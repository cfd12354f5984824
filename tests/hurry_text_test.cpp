// Tab while a room text is being typed: the rest of the text at once, and
// the screen as the finished typewriter leaves it.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <vector>

#include "services/catalogue.h"
#include "presentation/render/software_surface.h"
#include "app/form_runner.h"
#include "presentation/replay/replay_runner.h"
#include "support/rig.h"
#include "support/scratch_dir.h"
#include "support/tiny_world.h"
#include "services/cp1250.h"

namespace raketa::test {
namespace {

constexpr int kW = SoftwareSurface::kWidth;
// Everything above the meter strip: the room text and where the contents
// panel would be.  The meters below drain with time, so they differ anyway.
constexpr int kNarrationRows = 600;

// Keeps each screenshot as the presented pixels instead of a file.
class KeptScreen : public ReplayScreen {
 public:
  KeptScreen(const Catalogue& catalogue, FontSet& fonts) : surface_(catalogue, fonts) {}
  Display& display() override { return surface_; }
  std::uint64_t Screenshot(const std::string&, const CommandLine&) override {
    const std::uint16_t* p = surface_.Presented();
    shots.emplace_back(p, p + kW * kNarrationRows);
    return 0;  // the tests compare the kept pixels, not the trace's fingerprint
  }
  std::vector<std::vector<std::uint16_t>> shots;

 private:
  SoftwareSurface surface_;
};

struct Played {
  std::vector<std::vector<std::uint16_t>> shots;
  std::string trace;
};

class HurryText : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallWorld(TinyWorld());
    // Long enough that the typewriter is far from its end when Tab comes.
    WriteFile("texty/m1.dat", Utf8ToCp1250("Nákladní prostor rakety.\r\nVšude je tma a ticho, jen ventil syčí.\r\n"
                                           "Na stěně visí mapa a v rohu leží zmačkaný plán.\r\n"));
  }

  Played Play(const std::string& script) {
    static std::unique_ptr<FontSet> fonts = FontSet::Open();
    static const Catalogue catalogue = Catalogue::Load();
    KeptScreen screen(catalogue, *fonts);
    std::istringstream in(script);
    std::ostringstream out, err;
    ReplayResult r = RunReplay(ParseReplayScript(in), &screen, out, err, {.game = MakeGame});
    EXPECT_EQ(r.exitCode, 0) << err.str();
    return {screen.shots, out.str()};
  }

  ScratchDir dir;
};

// Frames: 100 of landing, then the first play frame starts typing room 1.
TEST_F(HurryText, TabGivesTheFinishedTypewritersPictureWithoutFurtherClicks) {
  Played waited = Play("key Esc\nwait 101\nwait 300\nscreenshot end\n");
  Played hurried = Play(
      "key Esc\nwait 101\nwait 20\nscreenshot before\nkey Tab\nwait 1\nscreenshot after\nwait 5\n"
      "dump world.sav\n");
  ASSERT_EQ(waited.shots.size(), 1u);
  ASSERT_EQ(hurried.shots.size(), 2u);
  // The text was still being typed when Tab came...
  EXPECT_NE(hurried.shots[0], waited.shots[0]);
  // ...and one frame later the picture is the typewriter's own end.
  EXPECT_TRUE(hurried.shots[1] == waited.shots[0]) << "the narration area differs from the typed one";

  // Typing clicked up to the frame before Tab (frame 122) and never after.
  std::istringstream trace(hurried.trace);
  int lastClick = 0;
  for (std::string line; std::getline(trace, line);) {
    if (line.find(" play klik") != std::string::npos) lastClick = std::stoi(line);
  }
  EXPECT_EQ(lastClick, 121);

  // The end of the narration cleared the first visit, as the typewriter does.
  std::ifstream dump("world.sav", std::ios::binary);
  TWorld w{};
  dump.read(reinterpret_cast<char*>(&w), sizeof w);
  EXPECT_EQ(w.Room(1).FirstVisit, 0);
}

// Tab when no text is being typed does nothing now and is not kept for the
// next text: the next room's text is typed with its clicks.
TEST_F(HurryText, TabOutsideTypingIsNotKeptForLater) {
  Played run = Play("key Esc\nwait 101\nwait 300\nkey Tab\nwait 1\ntype sever\nkey Enter\nwait 60\n");
  std::istringstream trace(run.trace);
  std::vector<int> clickFrames;
  bool moved = false;
  for (std::string line; std::getline(trace, line);) {
    if (line.find(" room 2") != std::string::npos) moved = true;
    if (moved && line.find(" play klik") != std::string::npos) clickFrames.push_back(std::stoi(line));
  }
  ASSERT_TRUE(moved);
  // "Mistnost 2" is typed a character a frame, clicking as it goes.
  ASSERT_FALSE(clickFrames.empty());
  EXPECT_LT(clickFrames.front(), clickFrames.back());
}

}  // namespace
}  // namespace raketa::test
