// The subcommands of raketa-world, callable from the tests as from main():
//   compile world.toml mistnosti.dat
//   decompile file.dat|file.sav [out.toml] [--names world.toml]
//   check world.toml|file.dat [--texts DIR]
//   texts SRC_DIR OUT_DIR
//   map world.toml map.dot
// Returns the process exit code: 0 done, 1 refused, 2 wrong usage.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace raketa::worldtool {

int RunWorldTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace raketa::worldtool
