// The byte sweep: a valid save with one byte changed, at every offset of the
// record, to 0x00, 0xFF and 0x1E (a name at full length, room 30, a flag
// that is neither 0 nor 1), quick-loaded and played on.  Run under the
// sanitizers it shows that no single wrong byte can crash the game; here it
// also checks that a file is loaded whole or refused whole, with one report.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>

#include "fuzz/load_and_play.h"
#include "support/tiny_world.h"

namespace raketa::test {
namespace {

constexpr unsigned char kValues[] = {0x00, 0xFF, 0x1E};
constexpr int kShards = 8;

class ReliabilitySweep : public ::testing::TestWithParam<int> {};

TEST_P(ReliabilitySweep, EveryByteLoadsWholeOrIsRefusedWhole) {
  Rig rig;
  rig.display.logging = false;
  rig.sound.keepCalls = false;
  const TWorld world = TinyWorld();
  InstallWorld(world);
  std::string record(reinterpret_cast<const char*>(&world), sizeof world);
  WriteFile(kHostileSave, record);
  const int fd = ::open(kHostileSave, O_WRONLY);
  ASSERT_GE(fd, 0);

  const std::size_t from = kWorldSize * GetParam() / kShards;
  const std::size_t to = kWorldSize * (GetParam() + 1) / kShards;
  int failures = 0;
  for (std::size_t offset = from; offset < to && failures < 10; ++offset) {
    for (unsigned char value : kValues) {
      ASSERT_EQ(::pwrite(fd, &value, 1, static_cast<off_t>(offset)), 1);
      ResetForHostileFile(rig, world);
      const TWorld before = rig.w;
      QuickLoad(rig);
      const bool refused = !rig.app.errors.empty();
      if (refused) {
        // Nothing of a refused file may reach the world.
        if (std::memcmp(&rig.w, &before, sizeof before) != 0) {
          ADD_FAILURE() << "offset " << offset << " value " << int(value) << ": refused, but the world changed";
          ++failures;
        }
      } else {
        // The carried items are the file's, byte for byte: it was loaded.
        std::string loaded(reinterpret_cast<const char*>(&rig.w.Inventory), sizeof rig.w.Inventory);
        std::string patched = record.substr(offsetof(TWorld, Inventory), sizeof rig.w.Inventory);
        if (offset >= offsetof(TWorld, Inventory) && offset < offsetof(TWorld, Rooms)) {
          patched[offset - offsetof(TWorld, Inventory)] = static_cast<char>(value);
        }
        if (loaded != patched) {
          ADD_FAILURE() << "offset " << offset << " value " << int(value) << ": loaded only in part";
          ++failures;
        }
      }
      PlayOn(rig);
      // One report for a refused file, none for a loaded one, and never
      // one on every frame.
      if (rig.app.errors.size() != (refused ? 1u : 0u)) {
        ADD_FAILURE() << "offset " << offset << " value " << int(value) << ": " << rig.app.errors.size()
                      << " reports, the last: " << rig.app.errors.back();
        ++failures;
      }
    }
    const unsigned char original = static_cast<unsigned char>(record[offset]);
    ASSERT_EQ(::pwrite(fd, &original, 1, static_cast<off_t>(offset)), 1);
  }
  ::close(fd);
}

INSTANTIATE_TEST_SUITE_P(Shards, ReliabilitySweep, ::testing::Range(0, kShards));

}  // namespace
}  // namespace raketa::test
