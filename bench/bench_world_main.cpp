// raketa-bench-world DIR: writes the bench world into DIR as the game's data
// directory (mistnosti.dat and texty/).
#include <exception>
#include <iostream>

#include "bench/bench_world.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: raketa-bench-world DIR\n";
    return 2;
  }
  try {
    raketa::bench::InstallBenchWorld(argv[1]);
  } catch (const std::exception& e) {
    std::cerr << "raketa-bench-world: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
