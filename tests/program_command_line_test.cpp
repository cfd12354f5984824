// The program itself on the command line: where --help, --version and a
// wrong option write, and with which exit code.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/scratch_dir.h"

namespace raketa::test {
namespace {

struct Outcome {
  int code;
  std::string out, err;
};

std::string Slurp(const std::string& path) {
  std::ifstream in(path);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

Outcome Start(const std::string& args) {
  const std::string command = std::string("'") + RAKETA_EXECUTABLE + "' " + args + " >out.txt 2>err.txt";
  const int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp("out.txt"), Slurp("err.txt")};
}

TEST(ProgramCommandLine, HelpVersionAndRefusals) {
  ScratchDir dir;
  const std::string usage = "Použití: raketa";
  struct Case {
    const char* args;
    int code;
    std::string outStart, errStart;
  };
  const Case cases[] = {
      {"--help", 0, usage, ""},
      {"--window --help", 0, usage, ""},
      {"--version", 0, std::string("raketa ") + RAKETA_PROJECT_VERSION + "\n", ""},
      {"--bogus", 2, "", "raketa: neznámá volba --bogus\n" + usage},
      {"--window --replay", 2, "", "raketa: --replay potřebuje"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args);
    const Outcome r = Start(c.args);
    EXPECT_EQ(r.code, c.code);
    // An empty start means nothing at all on that stream.
    EXPECT_EQ(c.outStart.empty() ? r.out : r.out.substr(0, c.outStart.size()), c.outStart);
    EXPECT_EQ(c.errStart.empty() ? r.err : r.err.substr(0, c.errStart.size()), c.errStart);
  }
}

}  // namespace
}  // namespace raketa::test
