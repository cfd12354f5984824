// What a check found: errors refuse the world (and fail the build),
// warnings only tell the designer.
#pragma once

#include <string>
#include <vector>

namespace raketa::worldtool {

struct Diagnostics {
  std::vector<std::string> errors;
  std::vector<std::string> warnings;

  void Error(std::string message) { errors.push_back(std::move(message)); }
  void Warning(std::string message) { warnings.push_back(std::move(message)); }
  bool Ok() const { return errors.empty(); }
};

}  // namespace raketa::worldtool
