// raketa-world: the world and room texts of the game, from their readable
// sources to the files the game reads, and the check they must pass.
#include <iostream>
#include <string>
#include <vector>

#include "cli.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return raketa::worldtool::RunWorldTool(args, std::cout, std::cerr);
}
