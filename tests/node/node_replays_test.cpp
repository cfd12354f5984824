// The node build of the game (Emscripten, WebAssembly) plays every replay
// case exactly as the native program does: the same trace, the same
// messages, the same exit code, and the same files left behind (saves, world
// dumps, screenshots), byte for byte.  Both programs run as a player would
// start them, `--replay SCRIPT` in a folder holding the case's world.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "support/replay_case.h"
#include "support/scratch_dir.h"

namespace raketa::test {
namespace {

namespace fs = std::filesystem;

const fs::path kReplayDir = fs::path(RAKETA_SOURCE_DIR) / "tests" / "replays";

std::string Quoted(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

std::string ReadAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

struct Outcome {
  int exitCode = -1;
  std::string out;
  std::string err;
  // Every path under the folder: a file's bytes, or what else it is.
  std::map<std::string, std::string> files;
};

// Runs `program --replay SCRIPT` in a fresh folder set up for the case.
Outcome Play(const std::string& program, const std::string& name) {
  ScratchDir folder;
  const ReplayCaseSetup setup = PrepareReplayCase(kReplayDir, name);
  const fs::path logs = fs::path(folder.path()).parent_path() / (fs::path(folder.path()).filename().string() + ".log");
  const std::string command = "timeout 120 " + program + (setup.options.speak ? " --speak" : "") + " --replay " +
                              Quoted((kReplayDir / (name + ".replay")).string()) + " >" +
                              Quoted(logs.string() + ".out") + " 2>" + Quoted(logs.string() + ".err");
  const int status = std::system(command.c_str());
  Outcome o;
  o.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  o.out = ReadAll(logs.string() + ".out");
  o.err = ReadAll(logs.string() + ".err");
  fs::remove(logs.string() + ".out");
  fs::remove(logs.string() + ".err");
  for (const auto& e : fs::recursive_directory_iterator(folder.path())) {
    const std::string path = e.path().lexically_relative(folder.path()).generic_string();
    // A link is compared as the link it is: it may point nowhere or to itself.
    if (e.is_symlink()) {
      o.files[path] = "<link to " + fs::read_symlink(e.path()).string() + ">";
    } else if (e.is_regular_file()) {
      o.files[path] = ReadAll(e.path());
    } else {
      o.files[path] = e.is_directory() ? "<folder>" : e.is_fifo() ? "<pipe>" : "<other>";
    }
  }
  return o;
}

class NodeReplay : public testing::TestWithParam<std::string> {};

TEST_P(NodeReplay, SameTraceAndFilesAsTheNativeProgram) {
  const Outcome native = Play(Quoted(RAKETA_EXECUTABLE), GetParam());
  const Outcome node = Play("node " + Quoted(RAKETA_NODE_GAME), GetParam());
  EXPECT_EQ(node.exitCode, native.exitCode) << node.err;
  EXPECT_EQ(node.err, native.err);
  std::istringstream nativeText(native.out), nodeText(node.out);
  std::vector<std::string> nativeLines, nodeLines;
  for (std::string line; std::getline(nativeText, line);) nativeLines.push_back(line);
  for (std::string line; std::getline(nodeText, line);) nodeLines.push_back(line);
  EXPECT_EQ(FirstDifference(nativeLines, nodeLines), "");
  EXPECT_EQ(node.out, native.out);  // to the last byte, line ends included
  for (const auto& [path, bytes] : native.files) {
    auto found = node.files.find(path);
    if (found == node.files.end()) {
      ADD_FAILURE() << path << " was left by the native program only";
    } else {
      EXPECT_TRUE(found->second == bytes) << path << " differs (" << found->second.size() << " bytes from node, "
                                          << bytes.size() << " natively)";
    }
  }
  for (const auto& [path, bytes] : node.files) {
    EXPECT_TRUE(native.files.count(path)) << path << " was left by the node build only";
  }
}

INSTANTIATE_TEST_SUITE_P(Replays, NodeReplay, testing::ValuesIn(ReplayCaseNames(kReplayDir)),
                         [](const testing::TestParamInfo<std::string>& info) { return ReplayTestName(info.param); });

}  // namespace
}  // namespace raketa::test
