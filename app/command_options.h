// The program's command line: options in any order; given twice, the last
// --replay or --data counts.
#pragma once

#include <string>
#include <vector>

namespace raketa {

struct CommandOptions {
  bool help = false;
  bool version = false;
  bool windowed = false;
  bool speak = false;  // speech on from the start
  std::string replay;  // the script, when the replay mode was asked for
  std::string data;    // --data DIR
  std::string error;   // what was wrong; the usage follows it on stderr
};

CommandOptions ParseCommandLine(const std::vector<std::string>& args);

// The usage text, in Czech as the game.
std::string Usage();

}  // namespace raketa
