// Replays of whole sessions: every tests/replays/NAME.replay is run on the
// tests' own small world, and its trace must contain the lines of
// NAME.expect in order (other lines may come between them); a line written
// "! LINE" must not appear between the lines around it.  Adding a regression
// test means adding two files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "presentation/replay/replay_runner.h"
#include "support/rig.h"
#include "support/tiny_world.h"

namespace raketa::test {
namespace {

const std::filesystem::path kReplayDir = std::filesystem::path(RAKETA_SOURCE_DIR) / "tests" / "replays";

std::vector<std::string> ReplayNames() {
  std::vector<std::string> names;
  if (!std::filesystem::exists(kReplayDir)) return names;
  for (auto& e : std::filesystem::directory_iterator(kReplayDir)) {
    if (e.path().extension() == ".replay") names.push_back(e.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line[0] != '#') out.push_back(line);
  }
  return out;
}

class ReplayCase : public testing::TestWithParam<std::string> {};

TEST_P(ReplayCase, TraceContainsTheExpectedLinesInOrder) {
  const std::string name = GetParam();
  std::ifstream script(kReplayDir / (name + ".replay"));
  std::ifstream expect(kReplayDir / (name + ".expect"));
  ASSERT_TRUE(script && expect) << name;
  std::stringstream want;
  want << expect.rdbuf();

  ScratchDir dir;
  InstallWorld(TinyWorld());
  std::ostringstream out, err;
  auto directives = ParseReplayScript(script);
  ReplayResult result = RunReplay(directives, nullptr, out, err);
  EXPECT_EQ(result.exitCode, 0) << err.str();

  std::vector<std::string> trace = Lines(out.str());
  if (std::getenv("RAKETA_SHOW_TRACE") != nullptr) std::cout << out.str();
  std::size_t at = 0;
  std::vector<std::string> forbidden;
  auto checkForbidden = [&](std::size_t end) {
    for (const std::string& f : forbidden) {
      for (std::size_t i = at; i < end; ++i) EXPECT_NE(trace[i], f) << "trace line " << i + 1;
    }
    forbidden.clear();
  };
  for (const std::string& line : Lines(want.str())) {
    if (line.rfind("! ", 0) == 0) {
      forbidden.push_back(line.substr(2));
      continue;
    }
    auto found = std::find(trace.begin() + static_cast<std::ptrdiff_t>(at), trace.end(), line);
    if (found == trace.end()) {
      // Where the search stood helps to see what happened instead.
      std::string context;
      for (std::size_t i = at; i < trace.size() && i < at + 12; ++i) context += "  " + trace[i] + "\n";
      FAIL() << "missing, in order: " << line << "\ntrace from there:\n" << context;
    }
    std::size_t index = static_cast<std::size_t>(found - trace.begin());
    checkForbidden(index);
    at = index + 1;
  }
  checkForbidden(trace.size());
}

INSTANTIATE_TEST_SUITE_P(Replays, ReplayCase, testing::ValuesIn(ReplayNames()),
                         [](const testing::TestParamInfo<std::string>& info) {
                           std::string n = info.param;
                           for (char& c : n) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return n;
                         });
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(ReplayCase);

}  // namespace
}  // namespace raketa::test
