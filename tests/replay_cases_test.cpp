// Replays of whole sessions: every tests/replays/**/NAME.replay with its
// NAME.expect is one test, on the world and options the script's own
// "#@" lines name.  Adding a regression test means adding two files.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "support/replay_case.h"
#include "support/scratch_dir.h"

namespace raketa::test {
namespace {

const std::filesystem::path kReplayDir = std::filesystem::path(RAKETA_SOURCE_DIR) / "tests" / "replays";

class ReplayCase : public testing::TestWithParam<std::string> {};

TEST_P(ReplayCase, TraceIsTheExpectedOneWhole) {
  ScratchDir dir;
  CheckReplayCase(kReplayDir, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Replays, ReplayCase, testing::ValuesIn(ReplayCaseNames(kReplayDir)),
                         [](const testing::TestParamInfo<std::string>& info) { return ReplayTestName(info.param); });
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(ReplayCase);

// The checker itself: a trace passes only when it is the expected one line
// for line, and a failure says where they part.
struct DifferenceCase {
  const char* what;
  std::vector<std::string> expected;
  std::vector<std::string> actual;
  std::string message;  // empty: they agree
};

TEST(ReplayChecker, FirstDifferenceNamesTheLine) {
  const DifferenceCase cases[] = {
      {"equal", {"1 a", "2 b"}, {"1 a", "2 b"}, ""},
      {"comments skipped", {"# why", "1 a", "#", "2 b"}, {"1 a", "2 b"}, ""},
      {"an extra cue between", {"1 a", "2 b"}, {"1 a", "1 play klik", "2 b"},
       "trace line 2: 1 play klik\nexpected line 2: 2 b"},
      {"an extra line at the end", {"1 a"}, {"1 a", "2 say x"}, "trace line 2 is more than expected: 2 say x"},
      {"trace too short", {"# c", "1 a", "2 b"}, {"1 a"}, "trace ends at line 1; expected line 3: 2 b"},
      {"changed text", {"1 a", "2 b"}, {"1 a", "2 c"}, "trace line 2: 2 c\nexpected line 2: 2 b"},
      {"nothing run", {"1 a"}, {}, "trace ends at line 0; expected line 1: 1 a"},
  };
  for (const DifferenceCase& c : cases) EXPECT_EQ(FirstDifference(c.expected, c.actual), c.message) << c.what;
}

struct CommentCase {
  const char* what;
  std::vector<std::string> expected;
  std::vector<std::string> actual;
  std::vector<std::string> rewritten;
};

TEST(ReplayChecker, RewritingKeepsCommentsBeforeTheirLines) {
  const CommentCase cases[] = {
      {"no comments", {"1 a"}, {"1 a", "2 b"}, {"1 a", "2 b"}},
      {"heading and middle", {"# top", "1 a", "# mid", "3 c"}, {"1 a", "2 b", "3 c"},
       {"# top", "1 a", "2 b", "# mid", "3 c"}},
      {"its line gone: before the next one still there", {"1 a", "# why", "2 b", "3 c"}, {"1 a", "3 c"},
       {"1 a", "# why", "3 c"}},
      {"nothing left after it: at the end", {"1 a", "# why", "2 b"}, {"1 a"}, {"1 a", "# why"}},
      {"repeated line: the one after the previous anchor", {"1 a", "1 a", "# third", "1 a"}, {"1 a", "1 a", "1 a"},
       {"1 a", "1 a", "# third", "1 a"}},
  };
  for (const CommentCase& c : cases) EXPECT_EQ(KeepComments(c.expected, c.actual), c.rewritten) << c.what;
}

TEST(ReplayChecker, HeaderLinesNameTheWorldAndOptions) {
  struct Case {
    const char* script;
    std::string world;
    bool speak;
  };
  const Case cases[] = {
      {"# about\n#@ world repairs\nkey Esc\n", "repairs", false},
      {"#@ world tiny\n#@ speak\nwait 1\n", "tiny", true},
      {"# world game\nwait 1\n", "", false},  // a plain comment asks for nothing
      {"wait 1\n", "", false},
  };
  for (const Case& c : cases) {
    std::istringstream script(c.script);
    const ReplayCaseSetup setup = ReadCaseSetup(script);
    EXPECT_EQ(setup.world, c.world) << c.script;
    EXPECT_EQ(setup.options.speak, c.speak) << c.script;
  }
}

}  // namespace
}  // namespace raketa::test
