// Broken and unusual save files, loaded as the player loads them (F2 through
// the dialog, F7 quick load): each is either refused with one clear report,
// leaving the game as it was, or loaded whole and played on safely.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
#include <limits>

#include "fuzz/load_and_play.h"
#include "support/broken_records.h"
#include "support/tiny_world.h"

namespace raketa::test {
namespace {

enum class Path { Dialog, Quick };

std::string Bytes(const TWorld& w) { return std::string(reinterpret_cast<const char*>(&w), sizeof w); }

// One rig for the whole table: each row starts from the same state in play.
class ReliabilityRecords : public ::testing::Test {
 protected:
  void SetUp() override { InstallWorld(world); }

  // Writes `file` as the save and loads it along `path`; true when the game
  // took it.  Checks what every load must hold either way.
  bool Load(const std::string& file, Path path) {
    ResetForHostileFile(rig, world);
    rig.g.SaveFileName = path == Path::Dialog ? "previous.sav" : kHostileSave;
    // A new file each time: rewriting one in place makes the file system
    // flush it to the disk, which would make the table crawl.
    std::filesystem::remove(kHostileSave);
    WriteFile(kHostileSave, file);
    const std::string before = Bytes(rig.w);
    const std::string saveName = rig.g.SaveFileName;
    if (path == Path::Dialog) {
      rig.dialogs.answers.push_back(std::string(kHostileSave));
      rig.PressKey(vk::F2);
      rig.Frame();
    } else {
      QuickLoad(rig);
    }
    if (!rig.app.errors.empty()) {
      EXPECT_EQ(rig.app.errors.size(), 1u);
      EXPECT_NE(rig.app.errors[0].find(std::string("(") + kHostileSave + ")"), std::string::npos)
          << rig.app.errors[0];
      // Refused: as it was, down to the quick-save name.
      EXPECT_EQ(Bytes(rig.w), before);
      EXPECT_EQ(rig.g.SaveFileName, saveName);
      EXPECT_EQ(CurrentStep(rig.g), GameStep::Play);
      return false;
    }
    EXPECT_EQ(rig.g.SaveFileName, kHostileSave);
    if (file.size() >= kWorldSize) {
      EXPECT_EQ(rig.w.CurrentRoom, static_cast<unsigned char>(file[0]));
      EXPECT_EQ(Bytes(rig.w).substr(offsetof(TWorld, Inventory), sizeof rig.w.Inventory),
                file.substr(offsetof(TWorld, Inventory), sizeof rig.w.Inventory));
    }
    return true;
  }

  // Plays on and checks that no further report came, whatever happened.
  void PlayOnQuietly() {
    const std::size_t reports = rig.app.errors.size();
    PlayOn(rig);
    EXPECT_EQ(rig.app.errors.size(), reports) << rig.app.errors.back();
  }

  Rig rig;
  const TWorld world = TinyWorld();
  const std::string good = Bytes(world);
};

TEST_F(ReliabilityRecords, SizesStringLengthsRoomNumbersAndNotANumber) {
  const std::vector<FileCase> cases = BrokenFiles(good);
  for (Path path : {Path::Dialog, Path::Quick}) {
    for (const FileCase& c : cases) {
      SCOPED_TRACE(c.name + (path == Path::Dialog ? " (F2)" : " (F7)"));
      const bool loaded = Load(c.file, path);
      EXPECT_EQ(loaded, c.code == 0);
      if (!loaded) {
        EXPECT_EQ(rig.app.errors[0].rfind(IoMessage(c.code), 0), 0u) << rig.app.errors[0];
      }
      PlayOnQuietly();
      // The game stays usable: the search and the step north were heard.
      if (!loaded) {
        EXPECT_EQ(rig.w.CurrentRoom, 2);
      }
    }
  }
}

// Meters that are numbers, however odd, load and play safely.
TEST_F(ReliabilityRecords, InfiniteAndNegativeMetersPlaySafely) {
  const float inf = std::numeric_limits<float>::infinity();
  const struct {
    const char* name;
    std::size_t offset;
  } meters[] = {
      {"health", offsetof(TWorld, Health)},         {"nourishment", offsetof(TWorld, Nourishment)},
      {"cells", offsetof(TWorld, CellCharge)},      {"fuel", offsetof(TWorld, Fuel)},
      {"oxygen", offsetof(TWorld, SuitOxygen)},     {"minutes", offsetof(TWorld, MinutesLeft)},
  };
  for (Path path : {Path::Dialog, Path::Quick}) {
    for (const auto& m : meters) {
      for (float v : {inf, -inf, -5.0f, -0.0f}) {
        SCOPED_TRACE(std::string(m.name) + " " + std::to_string(v));
        std::string s = good;
        PutFloat(s, m.offset, v);
        Put(s, offsetof(TWorld, CablesRepaired), 1);  // so that the minutes count down
        Put(s, offsetof(TWorld, SuitWorn), 1);        // and the oxygen shows
        ASSERT_TRUE(Load(s, path));
        PlayOnQuietly();
        // The end of the game still comes for an empty health or clock.
        const bool ends = (m.offset == offsetof(TWorld, Health) || m.offset == offsetof(TWorld, MinutesLeft)) &&
                          v < 1;
        EXPECT_EQ(rig.g.GameOver, ends);
        // The meters the panel keeps at or above zero are kept there.
        if (m.offset != offsetof(TWorld, Health) && m.offset != offsetof(TWorld, Nourishment) &&
            m.offset != offsetof(TWorld, MinutesLeft) && v <= 0 && !ends) {
          float now;
          std::memcpy(&now, reinterpret_cast<const char*>(&rig.w) + m.offset, sizeof now);
          EXPECT_EQ(now, 0.0f);
        }
      }
    }
  }
}

// Every byte flag counts as set for any value but 0; FirstVisit alone
// selects typing only at 1.  Each row watches the flag at work.
TEST_F(ReliabilityRecords, FlagBytesFrom2To255ActAsSet) {
  struct FlagCase {
    const char* name;
    std::size_t offset;
    std::function<void(TWorld&)> prepare;  // the file's world before the flag is set
    std::function<bool(Rig&)> actsAsSet;   // after the load; may play on
  };
  const FlagCase flags[] = {
      {"suit worn", offsetof(TWorld, SuitWorn), [](TWorld&) {},
       [](Rig& r) { return PlayOn(r), r.w.SuitOxygen < 100; }},
      {"valve closed", offsetof(TWorld, ValveClosed), [](TWorld&) {},
       [](Rig& r) { return PlayOn(r), r.w.Fuel == 50; }},
      {"gauge replaced", offsetof(TWorld, GaugeReplaced), [](TWorld&) {},
       [](Rig& r) { return PlayOn(r), r.w.Fuel == 50; }},
      {"cables repaired", offsetof(TWorld, CablesRepaired), [](TWorld&) {},
       [](Rig& r) { return PlayOn(r), r.w.MinutesLeft < 60; }},
      {"room 1 outside", RoomAt(1) + offsetof(TRoom, Outside), [](TWorld&) {},
       [](Rig& r) { return PlayOn(r), r.w.Health < 100; }},
      {"room 1 first visit", RoomAt(1) + offsetof(TRoom, FirstVisit), [](TWorld&) {},
       // Typing keeps the narration going for many frames.
       [](Rig& r) { return r.g.NarrationPending; }},
      {"room 1 searched", RoomAt(1) + offsetof(TRoom, Searched), [](TWorld& w) { w.Room(1).FirstVisit = 0; },
       [](Rig& r) {
         auto texts = r.DrawnTexts();
         return std::find(texts.begin(), texts.end(), "V místnosti se nachází:") != texts.end();
       }},
      {"room 1 east door open", ExitAt(1, East) + offsetof(TExit, Opened), [](TWorld&) {},
       [](Rig& r) { return Settle(r), r.Command("vychod"), r.w.CurrentRoom == 3; }},
      {"room 2 fixture 1 open", FixtureAt(2, 1) + offsetof(TFixture, Opened), [](TWorld& w) { w.CurrentRoom = 2; },
       [](Rig& r) {
         Settle(r);
         r.Command("prohledej místnost");
         auto texts = r.DrawnTexts();
         return std::find(texts.begin(), texts.end(), "tatranka") != texts.end();
       }},
  };
  for (const FlagCase& f : flags) {
    TWorld base = world;
    f.prepare(base);
    for (Path path : {Path::Dialog, Path::Quick}) {
      for (int v = 0; v <= 255; ++v) {
        SCOPED_TRACE(std::string(f.name) + " " + std::to_string(v) + (path == Path::Dialog ? " (F2)" : " (F7)"));
        std::string s = Bytes(base);
        Put(s, f.offset, static_cast<unsigned char>(v));
        ASSERT_TRUE(Load(s, path));
        const bool expected = f.offset == RoomAt(1) + offsetof(TRoom, FirstVisit) ? v == 1 : v != 0;
        EXPECT_EQ(f.actsAsSet(rig), expected);
        PlayOnQuietly();
      }
    }
  }
}

// The same files as mistnosti.dat when the player starts a new game (F1):
// refused, the world played so far stays and goes on; loaded (also with any
// current room byte), the game starts in room 1.
TEST_F(ReliabilityRecords, ANewGameFromABrokenWorldFileKeepsTheWorldPlayedSoFar) {
  for (const FileCase& c : BrokenFiles(good)) {
    SCOPED_TRACE(c.name + " (F1)");
    ResetForHostileFile(rig, world);
    std::filesystem::remove("mistnosti.dat");
    WriteFile("mistnosti.dat", c.file);
    const std::string before = Bytes(rig.w);
    rig.PressKey(vk::F1);
    rig.Frame(101);  // the landing screen, then the start
    const bool loaded = rig.app.errors.empty();
    EXPECT_EQ(loaded, c.code == 0 || c.currentRoom);
    if (loaded) {
      EXPECT_EQ(rig.w.CurrentRoom, 1);
      EXPECT_EQ(Bytes(rig.w).substr(offsetof(TWorld, Inventory), sizeof rig.w.Inventory),
                c.file.substr(offsetof(TWorld, Inventory), sizeof rig.w.Inventory));
    } else {
      ASSERT_EQ(rig.app.errors.size(), 1u);
      EXPECT_EQ(rig.app.errors[0].rfind(IoMessage(c.code) + " (mistnosti.dat)", 0), 0u) << rig.app.errors[0];
      EXPECT_EQ(Bytes(rig.w), before);
    }
    PlayOnQuietly();
    if (!loaded) {
      EXPECT_EQ(rig.w.CurrentRoom, 2);
    }
  }
}

}  // namespace
}  // namespace raketa::test
