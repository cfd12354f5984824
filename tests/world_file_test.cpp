// The world record file: byte-exact round trips, refused files that leave
// the world untouched, and saves that never destroy the previous one.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>

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

TEST(WorldFile, LayoutPlacesFieldsAtTheirFileOffsets) {
  TWorld w;
  std::memset(static_cast<void*>(&w), 0, sizeof w);
  w.Room(2).Exits[West].Target = 9;
  w.Room(36).Fixtures[2].Items[2].AltName.len = 7;
  w.Inventory[3].Name.len = 4;
  const auto* b = reinterpret_cast<const unsigned char*>(&w);
  EXPECT_EQ(b[280 + 1562 + 102 + 32], 9);                  // room 2, west exit, Target
  EXPECT_EQ(b[280 + 35 * 1562 + 1293 + 207 + 31], 7);     // room 36, fixture 3, item 3, AltName
  EXPECT_EQ(b[218], 4);                                    // inventory slot 4
  EXPECT_EQ(sizeof w, 56512u);
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

struct RefusedCase {
  const char* name;
  std::function<std::string()> file;  // the bytes of the file, or "" for none
  int code;
};

TEST(WorldFile, RefusedFilesLeaveTheWorldAsItWas) {
  const std::string good = Bytes(TinyWorld());
  auto patched = [good](std::size_t offset, unsigned char value) {
    return [good, offset, value] {
      std::string s = good;
      s[offset] = static_cast<char>(value);
      return s;
    };
  };
  float nan = std::nanf("");
  std::string nanHealth = good;
  std::memcpy(nanHealth.data() + 4, &nan, 4);
  const RefusedCase cases[] = {
      {"empty", [] { return std::string(); }, io::ReadBeyondEnd},
      {"one byte", [] { return std::string(1, '\x01'); }, io::ReadBeyondEnd},
      {"one byte short", [good] { return good.substr(0, kWorldSize - 1); }, io::ReadBeyondEnd},
      {"room 0", patched(0, 0), io::InvalidRecord},
      {"room 37", patched(0, 37), io::InvalidRecord},
      {"target 37", patched(280 + 36, 37), io::InvalidRecord},
      {"target 255", patched(280 + 5 * 1562 + 3 + 33 + 32, 255), io::InvalidRecord},
      {"item name over capacity", patched(32, 31), io::InvalidRecord},
      {"fixture name over capacity", patched(280 + 755, 51), io::InvalidRecord},
      {"key name at 255", patched(280 + 755 + 51, 255), io::InvalidRecord},
      {"health not a number", [nanHealth] { return nanHealth; }, io::InvalidRecord},
  };
  for (const RefusedCase& c : cases) {
    SCOPED_TRACE(c.name);
    Rig rig;
    TWorld before = PatternedWorld();
    rig.w = before;
    WriteFile("bad.sav", c.file());
    try {
      ReadWorld(rig.g, "bad.sav");
      ADD_FAILURE() << "loaded";
    } catch (const IoError& e) {
      EXPECT_EQ(e.code(), c.code);
      EXPECT_NE(e.Report().find("bad.sav"), std::string::npos) << e.Report();
    }
    EXPECT_EQ(Bytes(rig.w), Bytes(before));
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
