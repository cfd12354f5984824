// raketa-world: the readable world must come back byte for byte, the check
// must refuse worlds the game cannot be finished in (or cannot show), and the
// shipped world and texts must pass it.
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unistd.h>

#include "cli.h"
#include "text_rules.h"
#include "services/cp1250.h"
#include "world_check.h"
#include "world_file.h"
#include "world_toml.h"

namespace fs = std::filesystem;
using namespace raketa;
using namespace raketa::worldtool;

namespace {

const std::string kWorldToml = std::string(RAKETA_SOURCE_DIR) + "/data/world.toml";
const std::string kTextSources = std::string(RAKETA_SOURCE_DIR) + "/data/texts";

// A fresh folder per test, removed afterwards.
class Scratch {
 public:
  Scratch() {
    static int counter = 0;
    dir_ = fs::temp_directory_path() / ("raketa_world_test_" + std::to_string(::getpid()) + "_" + std::to_string(++counter));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  ~Scratch() { fs::remove_all(dir_); }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

 private:
  fs::path dir_;
};

int RunTool(const std::vector<std::string>& args, std::string* err = nullptr) {
  std::ostringstream out, errs;
  int code = RunWorldTool(args, out, errs);
  if (err) *err = errs.str();
  return code;
}

bool SameRecord(const TWorld& a, const TWorld& b) { return std::memcmp(&a, &b, sizeof(TWorld)) == 0; }

template <int N>
void RandomString(ShortString<N>& s, std::mt19937& rng) {
  s.len = static_cast<std::uint8_t>(rng() % (N + 1));
  for (int i = 0; i < N; ++i) s.ch[i] = static_cast<char>(rng());
}

void RandomItem(TItem& item, std::mt19937& rng) {
  RandomString(item.Name, rng);
  RandomString(item.AltName, rng);
  if (rng() % 3 == 0) item.Name.len = 0;
  if (rng() % 3 == 0) item.AltName.len = 0;
}

// Every byte random: stale bytes behind the lengths, padding, flags outside
// 0 and 1, NaN payloads, targets beyond 36, bytes the code page leaves
// undefined, quotes and backslashes in names.
TWorld RandomRecord(unsigned seed) {
  std::mt19937 rng(seed);
  TWorld w;
  auto* bytes = reinterpret_cast<unsigned char*>(&w);
  for (std::size_t i = 0; i < sizeof w; ++i) bytes[i] = static_cast<unsigned char>(rng());
  for (TItem& i : w.Inventory) RandomItem(i, rng);
  for (TRoom& r : w.Rooms) {
    for (TExit& e : r.Exits) RandomString(e.KeyName, rng);
    for (TItem& i : r.Items) RandomItem(i, rng);
    for (TFixture& f : r.Fixtures) {
      RandomString(f.Name, rng);
      RandomString(f.KeyName, rng);
      for (TItem& i : f.Items) RandomItem(i, rng);
    }
  }
  // Meters a save can hold besides random bit patterns.
  w.Health = -0.0f;
  w.Nourishment = 0.1f;
  w.CellCharge = std::numeric_limits<float>::denorm_min();
  w.Fuel = std::numeric_limits<float>::infinity();
  return w;
}

template <int N>
void ZeroStale(ShortString<N>& s) {
  for (int i = s.len; i < N; ++i) s.ch[i] = 0;
}

void ZeroStale(TItem& i) {
  ZeroStale(i.Name);
  ZeroStale(i.AltName);
}

// What a record holds of meaning: the same record with padding and the bytes
// behind every string length set to zero, as `compile` writes them.
TWorld Meaningful(TWorld w) {
  std::memset(w.Padding, 0, sizeof w.Padding);
  for (TItem& i : w.Inventory) ZeroStale(i);
  for (TRoom& r : w.Rooms) {
    for (TExit& e : r.Exits) ZeroStale(e.KeyName);
    for (TItem& i : r.Items) ZeroStale(i);
    for (TFixture& f : r.Fixtures) {
      ZeroStale(f.Name);
      ZeroStale(f.KeyName);
      for (TItem& i : f.Items) ZeroStale(i);
    }
  }
  return w;
}

WorldSource ShippedWorld() { return LoadWorld(kWorldToml); }

bool AnyContains(const std::vector<std::string>& messages, const std::string& part) {
  for (const std::string& m : messages) {
    if (m.find(part) != std::string::npos) return true;
  }
  return false;
}

std::string Joined(const std::vector<std::string>& messages) {
  std::string s;
  for (const std::string& m : messages) s += m + "\n";
  return s;
}

TItem NamedItem(const char* utf8Name, const char* utf8Alt) {
  TItem item{};
  item.Name.assign(W(utf8Name));
  item.AltName.assign(W(utf8Alt));
  return item;
}

// Removes every item of that name (code page 1250) from floors and fixtures.
void RemoveAll(TWorld& w, const std::string& name) {
  for (TRoom& r : w.Rooms) {
    for (TItem& i : r.Items) {
      if (i.Name.view() == name) i.Clear();
    }
    for (TFixture& f : r.Fixtures) {
      for (TItem& i : f.Items) {
        if (i.Name.view() == name) i.Clear();
      }
    }
  }
}

void PutOnFloor(TWorld& w, int room, const TItem& item) {
  for (TItem& slot : w.Room(room).Items) {
    if (slot.Empty()) {
      slot = item;
      return;
    }
  }
  FAIL() << "room " << room << " has no free floor slot";
}

void AppendLine(const std::string& path, const std::string& line) {
  std::ofstream(path, std::ios::app | std::ios::binary) << line << "\n";
}

}  // namespace

TEST(WorldToolRoundTrip, ShippedWorldCompilesDecompilesAndCompilesToTheSameBytes) {
  Scratch s;
  ASSERT_EQ(RunTool({"compile", kWorldToml, s.Path("a.dat")}), 0);
  ASSERT_EQ(RunTool({"decompile", s.Path("a.dat"), s.Path("a.toml")}), 0);
  ASSERT_EQ(RunTool({"compile", s.Path("a.toml"), s.Path("b.dat")}), 0);
  EXPECT_EQ(ReadWholeFile(s.Path("a.dat")), ReadWholeFile(s.Path("b.dat")));
  EXPECT_EQ(ReadWholeFile(s.Path("a.dat")).size(), kWorldSize);
}

TEST(WorldToolRoundTrip, EveryMeaningfulFieldOfAnyRecordSurvivesTheToml) {
  for (unsigned seed = 1; seed <= 20; ++seed) {
    TWorld original = RandomRecord(seed);
    WorldSource src;
    src.world = original;
    WorldSource back = ReadWorldToml(WriteWorldToml(src), "random");
    EXPECT_TRUE(SameRecord(back.world, Meaningful(original))) << "seed " << seed;
  }
}

TEST(WorldToolRoundTrip, MetersComeBackAsTheVerySameSingles) {
  const std::uint32_t patterns[] = {0x3DCCCCCDu /* 0.1 */, 0x00000001u, 0x7F7FFFFFu, 0x80000000u,
                                    0x7FC00001u /* NaN with a payload */, 0xFFC00000u, 0x3EAAAAABu, 0x4B7FFFFFu,
                                    // the last single within the plain-number limit, and the first beyond it
                                    0x4EFFFFFFu, 0x4F000000u, 0xCF000000u};
  for (std::uint32_t bits : patterns) {
    float f;
    std::memcpy(&f, &bits, sizeof f);
    WorldSource src;
    src.world.Fuel = f;
    WorldSource back = ReadWorldToml(WriteWorldToml(src), "meters");
    std::uint32_t got;
    std::memcpy(&got, &back.world.Fuel, sizeof got);
    EXPECT_EQ(got, bits) << FormatMeter(f);
  }
}

TEST(WorldToolToml, RefusesWhatWouldNotShipAsWritten) {
  const struct {
    const char* toml;
    const char* expected;
  } cases[] = {
      {"[State]\nHealth = 1\nNourishment = 1\nCellCharge = 1\nFuel = 1\nSuitOxygen = 1\nMinutesLeft = 9\n"
       "Inventory = [{ Name = \"velmi dlouhý název předmětu pro nic\" }]\n",
       "the field holds 30"},
      {"[State]\nHealth = 1\nNourishment = 1\nCellCharge = 1\nFuel = 1\nSuitOxygen = 1\nMinutesLeft = 9\n"
       "[[Rooms]]\nNumber = 4\nNorht = { Target = 2 }\n",
       "unknown key 'Norht'"},
      {"[State]\nHealth = 1\nNourishment = 1\nCellCharge = 1\nFuel = 1\nSuitOxygen = 1\nMinutesLeft = 9\n"
       "[[Rooms]]\nNumber = 5\nItems = [{ Name = \"šipka → \" }]\n",
       "no place in code page 1250"},
      {"[State]\nHealth = 1\nNourishment = 1\nCellCharge = 1\nFuel = 1\nSuitOxygen = 1\n", "needs MinutesLeft"},
      {"[State]\nHealth = 1\nNourishment = 1\nCellCharge = 1\nFuel = 1\nSuitOxygen = 1\nMinutesLeft = 9\n"
       "[[Rooms]]\nNumber = 5\n[[Rooms]]\nNumber = 5\n",
       "defined twice"},
      // Meters the panel could never show: a raw value is written as bits.
      {"[State]\nHealth = 1e300\nNourishment = 1\nCellCharge = 1\nFuel = 1\nSuitOxygen = 1\nMinutesLeft = 9\n",
       "Health: must be a finite number"},
      {"[State]\nHealth = 1\nNourishment = -inf\nCellCharge = 1\nFuel = 1\nSuitOxygen = 1\nMinutesLeft = 9\n",
       "Nourishment: must be a finite number"},
      {"[State]\nHealth = 1\nNourishment = 1\nCellCharge = nan\nFuel = 1\nSuitOxygen = 1\nMinutesLeft = 9\n",
       "CellCharge: must be a finite number"},
      {"[State]\nHealth = 1\nNourishment = 1\nCellCharge = 1\nFuel = 3000000000\nSuitOxygen = 1\nMinutesLeft = 9\n",
       "Fuel: must be within"},
  };
  for (const auto& c : cases) {
    try {
      ReadWorldToml(c.toml, "w.toml");
      ADD_FAILURE() << "accepted: " << c.toml;
    } catch (const ToolError& e) {
      EXPECT_NE(std::string(e.what()).find(c.expected), std::string::npos) << e.what();
      EXPECT_NE(std::string(e.what()).find("w.toml:"), std::string::npos) << e.what();
    }
  }
}

// A device that never ends is read no further than one record and a byte.
TEST(WorldToolRoundTrip, DecompilingAnEndlessDeviceStopsAfterOneRecord) {
  Scratch s;
  EXPECT_EQ(RunTool({"decompile", "/dev/zero", s.Path("zero.toml")}), 0);
  EXPECT_TRUE(std::filesystem::exists(s.Path("zero.toml")));
}

// A name of ten megabytes is not echoed whole; the reason still shows.
TEST(WorldToolRoundTrip, AHugeNameIsCutInItsErrorMessage) {
  Scratch s;
  std::string err;
  EXPECT_EQ(RunTool({"decompile", std::string(10'000'000, 'n'), s.Path("x.toml")}, &err), 1);
  EXPECT_LT(err.size(), 1000u);
  EXPECT_NE(err.find("cannot be opened"), std::string::npos) << err.substr(0, 600);
}

TEST(WorldToolToml, DefaultsOpenWhatNothingLocks) {
  WorldSource src = ReadWorldToml(
      "[State]\nHealth = 1\nNourishment = 1\nCellCharge = 1\nFuel = 1\nSuitOxygen = 1\nMinutesLeft = 9\n"
      "[[Rooms]]\nNumber = 3\nNorth = { Target = 2 }\nSouth = { Target = 4, KeyName = \"klíč\" }\n"
      "Items = [{}, { Name = \"kyslík\", AltName = \"kyslik\" }, { Name = \"pivo\" }]\n"
      "[[Rooms.Fixtures]]\nName = \"regal\"\n[[Rooms.Fixtures]]\nName = \"sejf\"\nKeyName = \"karta\"\n",
      "w.toml");
  const TRoom& r = src.world.Room(3);
  EXPECT_EQ(r.FirstVisit, 1);
  EXPECT_EQ(r.Exits[North].Opened, 1);
  EXPECT_EQ(r.Exits[South].Opened, 0);
  EXPECT_EQ(r.Exits[South].KeyName.view(), W("klíč"));
  EXPECT_TRUE(r.Items[0].Empty());
  EXPECT_EQ(r.Items[1].AltName.view(), "kyslik");
  EXPECT_EQ(r.Items[2].AltName.view(), "pivo");
  EXPECT_EQ(r.Fixtures[0].Opened, 1);
  EXPECT_EQ(r.Fixtures[1].Opened, 0);
  EXPECT_EQ(src.world.Room(4).FirstVisit, 0) << "a room left out stays all zero";
}

TEST(WorldToolCheck, ShippedWorldAndTextsPass) {
  Diagnostics d = CheckWorld(ShippedWorld(), kTextSources);
  EXPECT_TRUE(d.Ok()) << Joined(d.errors);
  EXPECT_TRUE(d.warnings.empty()) << Joined(d.warnings);
}

TEST(WorldToolCheck, ShippedTextsConvertAndPassInTheGamesForm) {
  Scratch s;
  std::string err;
  ASSERT_EQ(RunTool({"texts", kTextSources, s.Path("texty")}, &err), 0) << err;
  ASSERT_EQ(RunTool({"compile", kWorldToml, s.Path("mistnosti.dat")}), 0);
  EXPECT_EQ(RunTool({"check", s.Path("mistnosti.dat"), "--texts", s.Path("texty")}, &err), 0) << err;
}

// Each case breaks the shipped world or a copy of its texts in one way; the
// check must name the fault.
TEST(WorldToolCheck, RefusesBrokenWorlds) {
  using Breaker = std::function<void(WorldSource&, const std::string& texts)>;
  const struct {
    const char* name;
    Breaker breakIt;
    const char* expected;
  } cases[] = {
      {"a Target of 37", [](WorldSource& s, const std::string&) { s.world.Room(2).Exits[East].Target = 37; },
       "leads to room 37"},
      {"the card behind the door it opens",
       [](WorldSource& s, const std::string&) {
         RemoveAll(s.world, "karta");
         PutOnFloor(s.world, 16, NamedItem("karta", "karta"));
       },
       "the door south to room 16 stays locked"},
      {"a key that exists nowhere",
       [](WorldSource& s, const std::string&) { s.world.Room(18).Exits[West].KeyName.assign("paklic"); },
       "no item 'paklic' exists"},
      {"a door keyed by the card's accusative",
       [](WorldSource& s, const std::string&) { s.world.Room(12).Exits[South].KeyName.assign("kartu"); },
       "'kartu' is the AltName of 'karta'; locks compare the Name"},
      {"the suit only in the vacuum",
       [](WorldSource& s, const std::string&) {
         RemoveAll(s.world, "skafandr");
         PutOnFloor(s.world, 35, NamedItem("skafandr", "skafandr"));
       },
       "no 'skafandr' can be had"},
      {"no insulating tape",
       [](WorldSource& s, const std::string&) { RemoveAll(s.world, W("izolačka")); }, "no 'izolačka' can be had"},
      {"a missing text", [](WorldSource&, const std::string& t) { fs::remove(t + "/m23.dat"); },
       "m23.dat: missing"},
      {"a missing repair text", [](WorldSource&, const std::string& t) { fs::remove(t + "/m32x.txt"); },
       "m32x.txt: missing"},
      {"a name with a capital letter",
       [](WorldSource& s, const std::string&) { s.world.Room(35).Items[0].Name.assign("Palivo"); }, "capital letter"},
      {"a fixture name too long to type after prohledej",
       [](WorldSource& s, const std::string&) {
         s.world.Room(3).Fixtures[0].Name.assign("stul kapitana s mnoha zasuvkami a tajnou prihradkou");
       },
       "must fit the 50 of the command line"},
      {"an item name over its capacity",
       [](WorldSource& s, const std::string&) { s.world.Room(35).Items[0].Name.len = 31; }, "longer than 30"},
      {"an item with diacritics but no plain spelling",
       [](WorldSource& s, const std::string&) { s.world.Room(36).Items[0].AltName.assign(W("kyslík")); },
       "needs an AltName without diacritics, 'kyslik'"},
      {"a plain spelling with a typo",
       [](WorldSource& s, const std::string&) { s.world.Room(36).Items[0].AltName.assign("kylsik"); },
       "needs an AltName without diacritics, 'kyslik' (now 'kylsik')"},
      {"a plain name whose AltName has diacritics",
       [](WorldSource& s, const std::string&) { s.world.Room(3).Fixtures[0].Items[0].AltName.assign(W("kártu")); },
       "AltName 'kártu' has diacritics"},
      {"a fixture named with diacritics",
       [](WorldSource& s, const std::string&) { s.world.Room(3).Fixtures[0].Name.assign(W("stůl")); },
       "name it 'stul'"},
      {"a text line too long",
       [](WorldSource&, const std::string& t) {
         AppendLine(t + "/m5.dat", "Tahle věta je tak dlouhá, že by přejela přes nápovědu příkazů vpravo.");
       },
       "m5.dat line 7"},
      {"an empty line", [](WorldSource&, const std::string& t) { AppendLine(t + "/m8.dat", "\nA dál?"); },
       "an empty line"},
      {"an intro longer than the screen below y 400",
       [](WorldSource&, const std::string& t) {
         for (int i = 0; i < 16; ++i) AppendLine(t + "/m0.dat", "Ještě jeden řádek.");
       },
       "lines, at most 15 fit between y 400"},
      {"missing fuel",
       [](WorldSource& s, const std::string&) {
         RemoveAll(s.world, "palivo");
         PutOnFloor(s.world, 16, NamedItem("palivo", "palivo"));
       },
       "Fuel cannot be filled"},
      {"missing cells",
       [](WorldSource& s, const std::string&) { RemoveAll(s.world, W("článek")); }, "CellCharge cannot be filled"},
      {"the airlock inside", [](WorldSource& s, const std::string&) { s.world.Room(34).Outside = 0; },
       "must lie outside"},
      {"a rocket that falls at once", [](WorldSource& s, const std::string&) { s.world.MinutesLeft = 0.5f; },
       "MinutesLeft is below 1"},
  };
  for (const auto& c : cases) {
    Scratch s;
    fs::copy(kTextSources, s.Path("texts"));
    WorldSource src = ShippedWorld();
    c.breakIt(src, s.Path("texts"));
    Diagnostics d = CheckWorld(src, s.Path("texts"));
    EXPECT_TRUE(AnyContains(d.errors, c.expected)) << c.name << "; errors were:\n" << Joined(d.errors);
  }
}

// Players type "vem kartu": a plain noun in -a whose AltName does not give
// its accusative is pointed out; other nouns are their own accusative.
TEST(WorldToolCheck, APlainNounInAWantsItsAccusativeAsAltName) {
  const struct {
    const char* name;
    const char* alt;
    const char* warning;  // nullptr: nothing to say
  } cases[] = {
      {"karta", "karta", "players type 'vem kartu'; make 'kartu' its AltName"},
      {"houska", "housku", nullptr},
      {"pivo", "pivo", nullptr},
      {"obvaz", "obvaz", nullptr},
  };
  for (const auto& c : cases) {
    WorldSource src = ShippedWorld();
    src.world.Room(3).Fixtures[0].Items[0] = NamedItem(c.name, c.alt);
    Diagnostics d;
    CheckRecord(src, d);
    EXPECT_TRUE(d.Ok()) << c.name << ": " << Joined(d.errors);
    if (c.warning) {
      EXPECT_TRUE(AnyContains(d.warnings, c.warning)) << c.name << ": " << Joined(d.warnings);
    } else {
      EXPECT_TRUE(d.warnings.empty()) << c.name << ": " << Joined(d.warnings);
    }
  }
}

// The fills count what the game allows: fuel used where it lies stays there,
// a carried canister is used up.
TEST(WorldToolCheck, OneCanisterLyingAtTheFillerIsEnough) {
  const struct {
    int room;
    bool refused;
  } cases[] = {{32, false}, {31, true}};
  for (const auto& c : cases) {
    WorldSource src = ShippedWorld();
    RemoveAll(src.world, "palivo");
    PutOnFloor(src.world, c.room, NamedItem("palivo", "palivo"));
    Diagnostics d;
    CheckStory(src, d);
    EXPECT_EQ(AnyContains(d.errors, "Fuel cannot be filled"), c.refused) << "canister in room " << c.room;
  }
}

TEST(WorldToolCheck, TheFillerHatchNeedsNoKeyButOtherKeylessDoorsNeverOpen) {
  WorldSource src = ShippedWorld();
  Diagnostics fine;
  CheckStory(src, fine);
  EXPECT_FALSE(AnyContains(fine.errors, "stays locked")) << Joined(fine.errors);

  src.world.Room(8).Exits[South].Opened = 0;  // no key named: nothing opens it
  Diagnostics d;
  CheckStory(src, d);
  EXPECT_TRUE(AnyContains(d.errors, "room 8 (hlavní chodba): the door south to room 12 stays locked: it names no key"))
      << Joined(d.errors);
}

TEST(WorldToolTexts, SourcesBecomeCodePage1250WithCrLf) {
  Diagnostics d;
  std::optional<std::string> game = SourceToGameText("Čeština.\nJih.\n", "m1.dat", d);
  ASSERT_TRUE(game.has_value());
  EXPECT_EQ(*game, "\xC8" "e\x9Atina.\r\nJih.\r\n");
  EXPECT_TRUE(d.Ok());
}

TEST(WorldToolTexts, RefusesCharactersTheCodePageLacksNamingTheLine) {
  Diagnostics d;
  EXPECT_FALSE(SourceToGameText("Kabina.\nŠipka → jih.\n", "m1.dat", d).has_value());
  EXPECT_TRUE(AnyContains(d.errors, "m1.dat line 2: character 7")) << Joined(d.errors);
}

TEST(WorldToolTexts, GameFormFaultsAreNamed) {
  const struct {
    const char* bytes;
    const char* expected;
  } cases[] = {{"Jedna.\r\n\r\nDva.\r\n", "line 2: an empty line"},
               {"Jedna.\nDva.\r\n", "an LF without CR"},
               {"Jedna.\rDva.\r\n", "a CR without LF"},
               {"Jed\tna.\r\n", "control byte 9"},
               {"", "the text is empty"}};
  for (const auto& c : cases) {
    Diagnostics d;
    CheckTextBytes("m3.dat", c.bytes, d);
    EXPECT_TRUE(AnyContains(d.errors, c.expected)) << c.expected << "; got:\n" << Joined(d.errors);
  }
}

TEST(WorldToolTexts, ConvertingRefusesTheWholeFileAndTheCommandFails) {
  Scratch s;
  fs::create_directories(s.Path("src"));
  std::ofstream(s.Path("src/m1.dat"), std::ios::binary) << "Kabina ☺\n";
  std::ofstream(s.Path("src/m2.dat"), std::ios::binary) << "Chodba\n";
  std::string err;
  EXPECT_EQ(RunTool({"texts", s.Path("src"), s.Path("out")}, &err), 1);
  EXPECT_NE(err.find("m1.dat line 1: character 8"), std::string::npos) << err;
  EXPECT_FALSE(fs::exists(s.Path("out/m1.dat")));
  EXPECT_EQ(ReadWholeFile(s.Path("out/m2.dat")), "Chodba\r\n");
}
