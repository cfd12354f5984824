// Speech off in the replay mode until the player asks for it.  The cases
// under tests/replays/speech/ (run with --speak) show what is said.
#include <gtest/gtest.h>

#include <sstream>

#include "app/form_runner.h"
#include "presentation/replay/replay_runner.h"
#include "support/scratch_dir.h"
#include "support/tiny_world.h"

namespace raketa::test {
namespace {

// Without --speak the game says nothing, so every trace made before there
// was speech stays as it was; F8 is what turns it on.
TEST(SpeechReplayOff, NothingIsSaidUntilTheSwitch) {
  ScratchDir dir;
  InstallWorld(TinyWorld());
  std::istringstream script("key Esc\nwait 130\ntype xyz\nkey Enter\nwait 2\nkey F9\nwait 1\nkey F8\nwait 1\n");
  std::ostringstream out, err;
  ReplayResult result = RunReplay(ParseReplayScript(script), nullptr, out, err, {.game = MakeGame});
  ASSERT_EQ(result.exitCode, 0) << err.str();
  const std::string trace = out.str();
  const std::string switchedOn = " say first \"Řeč zapnuta.\"";
  const std::size_t firstSay = trace.find(" say ");
  ASSERT_NE(firstSay, std::string::npos) << trace;
  EXPECT_EQ(trace.compare(firstSay, switchedOn.size(), switchedOn), 0) << "said before F8:\n" << trace;
}

}  // namespace
}  // namespace raketa::test
