// libFuzzer target: any bytes at all as a save file, quick-loaded (F7) and
// played on for a few frames and two commands, on the tests' small world.
// A crash, a sanitizer report or an exception that escapes the frame is a
// finding; tools/quality/fuzz.sh turns each into a fixture in tests/fixtures/.
#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "fuzz/load_and_play.h"
#include "support/tiny_world.h"

namespace {

using raketa::test::Rig;

const raketa::TWorld& World() {
  static const raketa::TWorld world = raketa::test::TinyWorld();
  return world;
}

// One game for the whole run, in a scratch directory holding the world and
// every room text; each input starts from the same state.
Rig& TheRig() {
  static Rig rig;
  static bool installed = [] {
    rig.display.logging = false;
    rig.sound.keepCalls = false;
    raketa::test::InstallWorld(World());
    return true;
  }();
  (void)installed;
  return rig;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Rig& rig = TheRig();
  raketa::test::ResetForHostileFile(rig, World());
  // A new file each time: rewriting one in place makes the file system flush.
  std::filesystem::remove(raketa::test::kHostileSave);
  raketa::test::WriteFile(raketa::test::kHostileSave, std::string(reinterpret_cast<const char*>(data), size));
  raketa::test::QuickLoad(rig);
  raketa::test::PlayOn(rig);
  return 0;
}
