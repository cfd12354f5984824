// The replay mode's script file: what is no script is an error, and what a
// bad line holds is shown only in part.
#include <gtest/gtest.h>

#include <sstream>

#include "presentation/replay/replay_runner.h"
#include "presentation/replay/replay_script.h"
#include "support/scratch_dir.h"

namespace raketa::test {
namespace {

TEST(ReplayScriptFile, AFolderOrADeviceIsNoScript) {
  ScratchDir dir;
  for (const char* path : {".", "/dev/zero", "/dev/null"}) {
    std::ostringstream out, err;
    EXPECT_EQ(RunReplayFile(path, nullptr, out, err, ReplayOptions{}), 2) << path;
    EXPECT_EQ(err.str(), std::string("replay: ") + path + " is not a script file\n");
    EXPECT_EQ(out.str(), "");
  }
}

TEST(ReplayScriptFile, ABadLineIsShownCutAndWithoutControlBytes) {
  struct Case {
    std::string script;
    std::string error;
  };
  const Case cases[] = {
      {"wait 1\n" + std::string(100, 'x') + "\n",
       "line 2: unknown directive '" + std::string(40, 'x') + "...'"},
      {"key \x01\x02\x1b[2J\n", "line 1: unknown key '???[2J'"},
      {std::string(5000, 'a'), "line 1: line longer than 4096 bytes"},
      {"wait 2\n" + std::string(5000, '\0') + "\n", "line 2: line longer than 4096 bytes"},
  };
  for (const Case& c : cases) {
    std::istringstream in(c.script);
    try {
      ParseReplayScript(in);
      ADD_FAILURE() << "accepted: " << c.error;
    } catch (const ReplayScriptError& e) {
      EXPECT_EQ(std::string(e.what()), c.error);
    }
  }
}

}  // namespace
}  // namespace raketa::test
