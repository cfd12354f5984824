// Replays of whole sessions on the tests' own small world: every
// tests/replays/NAME.replay with its NAME.expect is one test.  Adding a
// regression test means adding two files.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/replay_case.h"
#include "support/scratch_dir.h"
#include "support/tiny_world.h"

namespace raketa::test {
namespace {

const std::filesystem::path kReplayDir = std::filesystem::path(RAKETA_SOURCE_DIR) / "tests" / "replays";

class ReplayCase : public testing::TestWithParam<std::string> {};

TEST_P(ReplayCase, TraceContainsTheExpectedLinesInOrder) {
  ScratchDir dir;
  InstallWorld(TinyWorld());
  // A pipe nobody reads or writes, where a careless open would wait for ever.
  ASSERT_EQ(::mkfifo("pipe.sav", 0644), 0);
  // NAME.missing lists files or folders of the world taken away for the case.
  std::ifstream missing(kReplayDir / (GetParam() + ".missing"));
  for (std::string file; std::getline(missing, file);) {
    if (!file.empty()) std::filesystem::remove_all(file);
  }
  CheckReplayCase(kReplayDir, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Replays, ReplayCase, testing::ValuesIn(ReplayCaseNames(kReplayDir)),
                         [](const testing::TestParamInfo<std::string>& info) { return ReplayTestName(info.param); });
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(ReplayCase);

}  // namespace
}  // namespace raketa::test
