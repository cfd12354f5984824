// Every crash the fuzzer ever found, loaded again the way it was found: a
// quick load and play on it.  Each must now be refused with one report or
// loaded and played without any.
#include <gtest/gtest.h>

#include <filesystem>

#include "fuzz/load_and_play.h"
#include "support/tiny_world.h"

namespace raketa::test {
namespace {

TEST(ReliabilityFixtures, EveryCrashTheFuzzerFoundIsHandled) {
  std::vector<std::filesystem::path> fixtures;
  for (const auto& e : std::filesystem::directory_iterator(RAKETA_SOURCE_DIR "/tests/fixtures")) {
    if (e.path().extension() == ".sav") fixtures.push_back(e.path());
  }
  if (fixtures.empty()) GTEST_SKIP() << "the fuzzer has found no crash yet";
  const TWorld world = TinyWorld();
  for (const auto& fixture : fixtures) {
    SCOPED_TRACE(fixture.filename().string());
    Rig rig;
    InstallWorld(world);
    ResetForHostileFile(rig, world);
    std::filesystem::copy_file(fixture, kHostileSave);
    QuickLoad(rig);
    const std::size_t reports = rig.app.errors.size();
    EXPECT_LE(reports, 1u);
    PlayOn(rig);
    EXPECT_EQ(rig.app.errors.size(), reports);
  }
}

}  // namespace
}  // namespace raketa::test
