// Speech as the replay mode shows it: every tests/replays/speech/NAME.replay
// runs with --speak on the tests' small world, checked against NAME.expect.
#include <gtest/gtest.h>

#include <sstream>

#include "support/replay_case.h"
#include "support/scratch_dir.h"
#include "support/tiny_world.h"

namespace raketa::test {
namespace {

const std::filesystem::path kDir = std::filesystem::path(RAKETA_SOURCE_DIR) / "tests" / "replays" / "speech";

class SpeechReplay : public testing::TestWithParam<std::string> {};

TEST_P(SpeechReplay, TraceContainsTheExpectedLinesInOrder) {
  ScratchDir dir;
  InstallWorld(TinyWorld());
  CheckReplayCase(kDir, GetParam(), ReplayOptions{.speak = true});
}

INSTANTIATE_TEST_SUITE_P(Speech, SpeechReplay, testing::ValuesIn(ReplayCaseNames(kDir)),
                         [](const testing::TestParamInfo<std::string>& info) { return ReplayTestName(info.param); });

// Without --speak the game says nothing, so every trace made before there
// was speech stays as it was; F8 is what turns it on.
TEST(SpeechReplayOff, NothingIsSaidUntilTheSwitch) {
  ScratchDir dir;
  InstallWorld(TinyWorld());
  std::istringstream script("key Esc\nwait 130\ntype xyz\nkey Enter\nwait 2\nkey F9\nwait 1\nkey F8\nwait 1\n");
  std::ostringstream out, err;
  ReplayResult result = RunReplay(ParseReplayScript(script), nullptr, out, err);
  ASSERT_EQ(result.exitCode, 0) << err.str();
  const std::string trace = out.str();
  const std::string switchedOn = " say \"řeč zapnuta\"";
  const std::size_t firstSay = trace.find(" say ");
  ASSERT_NE(firstSay, std::string::npos) << trace;
  EXPECT_EQ(trace.compare(firstSay, switchedOn.size(), switchedOn), 0) << "said before F8:\n" << trace;
}

}  // namespace
}  // namespace raketa::test
