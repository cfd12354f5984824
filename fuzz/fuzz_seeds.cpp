// raketa_fuzz_seeds DIR: the first inputs of the fuzzer, written into DIR:
// the tests' small world and its fixture saves (rooms 2, 7 and 33, dying,
// cables repaired, full tanks).
#include <filesystem>
#include <iostream>

#include "support/rig.h"
#include "support/tiny_world.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: raketa_fuzz_seeds DIR\n";
    return 2;
  }
  const std::filesystem::path dir(argv[1]);
  std::filesystem::create_directories(dir);
  const raketa::TWorld world = raketa::test::TinyWorld();
  auto bytes = [](const raketa::TWorld& w) { return std::string(reinterpret_cast<const char*>(&w), sizeof w); };
  raketa::test::WriteFile((dir / "tiny_world.sav").string(), bytes(world));
  for (const auto& [name, save] : raketa::test::FixtureSaves(world)) {
    raketa::test::WriteFile((dir / name).string(), bytes(save));
  }
  return 0;
}
