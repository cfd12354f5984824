// The world record file: byte-exact round trips, refused files that leave
// the world untouched, and saves that never destroy the previous one.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
#include <sstream>
#include <type_traits>
#include <vector>

#include "support/broken_records.h"
#include "support/rig.h"
#include "support/tiny_world.h"

namespace raketa::test {
namespace {

std::string Bytes(const TWorld& w) { return std::string(reinterpret_cast<const char*>(&w), sizeof w); }

// A record with non-zero padding and stale bytes behind string lengths,
// so a round trip shows any byte that is not carried through.
TWorld PatternedWorld() {
  TWorld w = TinyWorld();
  w.Padding[0] = 0xA5;
  w.Padding[1] = 0x5A;
  w.Padding[2] = 0x7E;
  // Stale characters behind the lengths of an emptied slot.
  std::memset(w.Inventory[2].Name.ch, 'q', 30);
  w.Inventory[2].Name.len = 0;
  std::memset(w.Room(36).Fixtures[2].Name.ch, 'z', 50);
  w.Room(36).Fixtures[2].Name.len = 3;
  EXPECT_EQ(CheckWorldRecord(w), "");
  return w;
}

// Every field of a record, named, with its value as text; two records are
// compared through it so that a difference names the field.
struct Field {
  std::string name;
  std::string value;
};

std::vector<Field> Fields(const TWorld& w) {
  std::vector<Field> out;
  auto add = [&](const std::string& name, const auto& v) {
    std::ostringstream text;
    if constexpr (std::is_same_v<std::decay_t<decltype(v)>, std::uint8_t>)
      text << int(v);
    else if constexpr (std::is_same_v<std::decay_t<decltype(v)>, float>)
      text << v;
    else
      text << int(v.len) << " '" << std::string(v.ch, sizeof v.ch) << "'";
    out.push_back({name, text.str()});
  };
  auto item = [&](const std::string& at, const TItem& i) {
    add(at + ".Name", i.Name);
    add(at + ".AltName", i.AltName);
  };
  add("CurrentRoom", w.CurrentRoom);
  for (int p = 0; p < 3; ++p) add("Padding[" + std::to_string(p) + "]", w.Padding[p]);
  add("Health", w.Health);
  add("Nourishment", w.Nourishment);
  add("CellCharge", w.CellCharge);
  add("Fuel", w.Fuel);
  add("SuitOxygen", w.SuitOxygen);
  add("MinutesLeft", w.MinutesLeft);
  add("SuitWorn", w.SuitWorn);
  add("ValveClosed", w.ValveClosed);
  add("GaugeReplaced", w.GaugeReplaced);
  add("CablesRepaired", w.CablesRepaired);
  for (int k = 0; k < kInventorySlots; ++k) item("Inventory[" + std::to_string(k) + "]", w.Inventory[k]);
  for (int r = 0; r < kRoomCount; ++r) {
    const TRoom& room = w.Rooms[r];
    const std::string at = "Rooms[" + std::to_string(r) + "]";
    add(at + ".FirstVisit", room.FirstVisit);
    add(at + ".Searched", room.Searched);
    add(at + ".Outside", room.Outside);
    for (int d = 0; d < 4; ++d) {
      const std::string exit = at + ".Exits[" + std::to_string(d) + "]";
      add(exit + ".KeyName", room.Exits[d].KeyName);
      add(exit + ".Opened", room.Exits[d].Opened);
      add(exit + ".Target", room.Exits[d].Target);
    }
    for (int i = 0; i < kRoomItemSlots; ++i) item(at + ".Items[" + std::to_string(i) + "]", room.Items[i]);
    for (int f = 0; f < kFixtures; ++f) {
      const TFixture& fixture = room.Fixtures[f];
      const std::string fx = at + ".Fixtures[" + std::to_string(f) + "]";
      add(fx + ".Name", fixture.Name);
      add(fx + ".KeyName", fixture.KeyName);
      add(fx + ".Opened", fixture.Opened);
      for (int i = 0; i < kFixtureItemSlots; ++i) item(fx + ".Items[" + std::to_string(i) + "]", fixture.Items[i]);
    }
  }
  return out;
}

// A sound record whose neighbouring fields all differ: each takes the next
// value of a counter (room numbers kept in range, names of every length up
// to the capacity, the bytes behind a name's length filled too).
TWorld DistinctWorld() {
  TWorld w;
  int n = 0;
  // Flags and other bytes lie above every room number.
  auto byte = [&] { return static_cast<std::uint8_t>(++n % 200 + 40); };
  auto name = [&](auto& s) {
    std::memset(s.ch, 'a' + ++n % 26, sizeof s.ch);
    const std::string text = "f" + std::to_string(n);
    s.assign(text.substr(0, std::min<std::size_t>(text.size(), sizeof s.ch)));
    s.len = static_cast<std::uint8_t>(n % (sizeof s.ch + 1));
  };
  auto item = [&](TItem& i) {
    name(i.Name);
    name(i.AltName);
  };
  w.CurrentRoom = 17;
  for (std::uint8_t& p : w.Padding) p = byte();
  for (float* meter : {&w.Health, &w.Nourishment, &w.CellCharge, &w.Fuel, &w.SuitOxygen, &w.MinutesLeft})
    *meter = static_cast<float>(++n) + 0.25f;
  for (std::uint8_t* flag : {&w.SuitWorn, &w.ValveClosed, &w.GaugeReplaced, &w.CablesRepaired}) *flag = byte();
  for (TItem& i : w.Inventory) item(i);
  for (TRoom& room : w.Rooms) {
    room.FirstVisit = byte();
    room.Searched = byte();
    room.Outside = byte();
    for (TExit& e : room.Exits) {
      name(e.KeyName);
      e.Opened = byte();
      e.Target = static_cast<std::uint8_t>(++n % (kRoomCount + 1));
    }
    for (TItem& i : room.Items) item(i);
    for (TFixture& f : room.Fixtures) {
      name(f.Name);
      name(f.KeyName);
      f.Opened = byte();
      for (TItem& i : f.Items) item(i);
    }
  }
  EXPECT_EQ(CheckWorldRecord(w), "");
  return w;
}

TEST(WorldFile, ARecordWrittenAndReadBackKeepsEveryField) {
  const TWorld original = DistinctWorld();
  const std::vector<Field> written = Fields(original);
  // Neighbours differ, so a field read into its neighbour's place shows.
  for (std::size_t i = 1; i < written.size(); ++i)
    ASSERT_NE(written[i].value, written[i - 1].value) << written[i - 1].name << " and " << written[i].name;

  Rig rig;
  rig.w = original;
  WriteWorld(rig.g, "every_field.sav");
  EXPECT_EQ(std::filesystem::file_size("every_field.sav"), kWorldSize);
  std::memset(static_cast<void*>(&rig.w), 0, sizeof rig.w);
  ReadWorld(rig.g, "every_field.sav");
  CloseWorldFile(rig.g);
  const std::vector<Field> read = Fields(rig.w);
  ASSERT_EQ(read.size(), written.size());
  for (std::size_t i = 0; i < read.size(); ++i) EXPECT_EQ(read[i].value, written[i].value) << read[i].name;
}

TEST(WorldFile, SaveAndLoadAreByteIdentical) {
  Rig rig;
  TWorld original = PatternedWorld();
  rig.w = original;
  WriteWorld(rig.g, "a.sav");
  EXPECT_EQ(ReadFile("a.sav"), Bytes(original));
  std::memset(static_cast<void*>(&rig.w), 0, sizeof rig.w);
  ReadWorld(rig.g, "a.sav");
  CloseWorldFile(rig.g);
  EXPECT_EQ(Bytes(rig.w), Bytes(original));
}

TEST(WorldFile, SavingOverALongerFileLeavesExactlyOneRecord) {
  Rig rig;
  rig.w = TinyWorld();
  WriteFile("old.sav", std::string(3 * kWorldSize, 'x'));
  WriteWorld(rig.g, "old.sav");
  EXPECT_EQ(std::filesystem::file_size("old.sav"), kWorldSize);
}

TEST(WorldFile, ALongerFileLoadsItsFirstRecord) {
  Rig rig;
  TWorld saved = PatternedWorld();
  WriteFile("long.sav", Bytes(saved) + std::string(100, '\x01'));
  ReadWorld(rig.g, "long.sav");
  EXPECT_EQ(Bytes(rig.w), Bytes(saved));
}

// The one table of broken records, read straight into the world: a refused
// file leaves the world as it was and names itself; any other loads whole.
TEST(WorldFile, BrokenFilesAreRefusedAndTheRestLoadWhole) {
  for (const FileCase& c : BrokenFiles(Bytes(TinyWorld()))) {
    SCOPED_TRACE(c.name);
    Rig rig;
    TWorld before = PatternedWorld();
    rig.w = before;
    WriteFile("bad.sav", c.file);
    try {
      ReadWorld(rig.g, "bad.sav");
      CloseWorldFile(rig.g);
      EXPECT_EQ(c.code, 0) << "loaded";
      EXPECT_EQ(Bytes(rig.w), c.file.substr(0, kWorldSize));
    } catch (const IoError& e) {
      EXPECT_EQ(e.code(), c.code);
      EXPECT_NE(e.Report().find("bad.sav"), std::string::npos) << e.Report();
      EXPECT_EQ(Bytes(rig.w), Bytes(before));
    }
    EXPECT_FALSE(rig.g.WorldFile.IsOpen());
  }
}

TEST(WorldFile, MessagesForCommonFailures) {
  Rig rig;
  try {
    ReadWorld(rig.g, "missing.sav");
    ADD_FAILURE();
  } catch (const IoError& e) {
    EXPECT_EQ(e.code(), io::FileNotFound);
    EXPECT_EQ(std::string(e.what()), "File not found");
  }
  WriteFile("short.sav", "abc");
  try {
    ReadWorld(rig.g, "short.sav");
    ADD_FAILURE();
  } catch (const IoError& e) {
    EXPECT_EQ(std::string(e.what()), "Read beyond end of file");
  }
  EXPECT_THROW(CloseWorldFile(rig.g), IoError);
  EXPECT_EQ(IoMessage(103), "I/O error 103");
}

TEST(WorldFile, AWriteProtectedSaveStillLoads) {
  Rig rig;
  TWorld saved = PatternedWorld();
  WriteFile("ro.sav", Bytes(saved));
  ::chmod("ro.sav", 0444);
  ReadWorld(rig.g, "ro.sav");
  CloseWorldFile(rig.g);
  EXPECT_EQ(Bytes(rig.w), Bytes(saved));
}

TEST(WorldFile, SaveNamesBecomeHostPaths) {
  Rig rig;
  std::filesystem::create_directory("saves");
  rig.w = TinyWorld();
  WriteWorld(rig.g, "saves\\hra.sav");
  EXPECT_TRUE(std::filesystem::exists("saves/hra.sav"));
  // A save name is UTF-8 all the way, in any script.
  for (const char* name : {"uložená hra.sav", "mañana.sav", "игра ☃.sav"}) {
    WriteWorld(rig.g, std::string("saves\\") + name);
    EXPECT_TRUE(std::filesystem::exists(std::string("saves/") + name)) << name;
    ReadWorld(rig.g, std::string("saves/") + name);
    CloseWorldFile(rig.g);
  }
  EXPECT_FALSE(std::filesystem::exists("saves/????.sav"));
}

// Each failing save keeps the previous file byte for byte and leaves no
// temporary file behind.
TEST(WorldFile, AFailedSaveKeepsTheOldFile) {
  struct Case {
    const char* name;
    std::function<std::string()> prepare;  // returns the path to save to
    int code;
  };
  const Case cases[] = {
      {"write-protected file", [] { WriteFile("ro.sav", "old"); ::chmod("ro.sav", 0444); return std::string("ro.sav"); },
       io::AccessDenied},
      {"missing directory", [] { return std::string("nowhere/x.sav"); }, io::InvalidFilename},
      {"a directory", [] { std::filesystem::create_directory("dir.sav"); return std::string("dir.sav"); },
       io::AccessDenied},
      {"disk full", [] { return std::string("/dev/full"); }, io::DiskFull},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Rig rig;
    rig.w = TinyWorld();
    std::string path = c.prepare();
    std::string before = std::filesystem::is_regular_file(path) ? ReadFile(path) : "";
    try {
      WriteWorld(rig.g, path);
      ADD_FAILURE() << "saved";
    } catch (const IoError& e) {
      EXPECT_EQ(e.code(), c.code);
    }
    if (std::filesystem::is_regular_file(path)) {
      EXPECT_EQ(ReadFile(path), before);
    }
    for (auto& entry : std::filesystem::directory_iterator(".")) {
      EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();
    }
  }
}

}  // namespace
}  // namespace raketa::test
