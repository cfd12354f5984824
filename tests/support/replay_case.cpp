#include "support/replay_case.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iostream>
#include <sstream>

#include "presentation/replay/replay_runner.h"

namespace raketa::test {

namespace {
std::vector<std::string> Lines(std::istream& in) {
  std::vector<std::string> out;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line[0] != '#') out.push_back(line);
  }
  return out;
}
}  // namespace

std::vector<std::string> ReplayCaseNames(const std::filesystem::path& dir) {
  std::vector<std::string> names;
  if (!std::filesystem::exists(dir)) return names;
  for (auto& e : std::filesystem::directory_iterator(dir)) {
    if (e.path().extension() == ".replay") names.push_back(e.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string ReplayTestName(const std::string& name) {
  std::string n = name;
  for (char& c : n) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return n;
}

void CheckReplayCase(const std::filesystem::path& dir, const std::string& name, const ReplayOptions& options) {
  std::ifstream script(dir / (name + ".replay"));
  std::ifstream expect(dir / (name + ".expect"));
  ASSERT_TRUE(script && expect) << name;

  std::ostringstream out, err;
  ReplayResult result = RunReplay(ParseReplayScript(script), nullptr, out, err, options);
  EXPECT_EQ(result.exitCode, 0) << err.str();
  if (std::getenv("RAKETA_SHOW_TRACE") != nullptr) std::cout << out.str();

  std::istringstream traceText(out.str());
  const std::vector<std::string> trace = Lines(traceText);
  std::size_t at = 0;
  std::vector<std::string> forbidden;
  auto checkForbidden = [&](std::size_t end) {
    for (const std::string& f : forbidden) {
      for (std::size_t i = at; i < end; ++i) EXPECT_NE(trace[i], f) << "trace line " << i + 1;
    }
    forbidden.clear();
  };
  for (const std::string& line : Lines(expect)) {
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

}  // namespace raketa::test
