#include "support/walkthrough_lines.h"

#include <filesystem>
#include <fstream>

namespace raketa::test {

std::vector<std::string> WalkthroughLines() {
  std::ifstream in(std::filesystem::path(RAKETA_SOURCE_DIR) / "data" / "walkthrough.txt");
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

}  // namespace raketa::test
