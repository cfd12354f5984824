// raketa-world words: the forms of the world's nouns from a hunspell
// dictionary (here a tiny one in the same format as Debian's cs_CZ), the
// accusative the answers use, and the [Words] table of world.toml.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "dictionary.h"
#include "word_table.h"
#include "world_source.h"
#include "world_toml.h"

namespace raketa::worldtool {
namespace {

namespace fs = std::filesystem;

// Three suffix groups as cs_CZ.aff writes them: Z the feminine -a nouns,
// H masculine hard nouns, Y the adjectives; and a line whose header carries
// a comment, as Debian's file has.
const char* const kAff =
    "SET UTF-8\n"
    "PFX N Y 1\nPFX N   0 ne .\n"
    "SFX Z Y 4\n"
    "SFX Z   a y a\nSFX Z   a ě [^k]a\nSFX Z   a u a\nSFX Z   a ou a\n"
    "SFX H Y 3\nSFX H   0 u [^aeo]\nSFX H   0 em [^aeo]\nSFX H   0 y/Q [^aeo]\n"
    "SFX Y Y 3 # adjektiva\nSFX Y   ý á ý\nSFX Y   ý ou ý\nSFX Y   ý ého ý\n";
const char* const kDic = "5\nkarta/ZQ\nbox/H\npřístupový/YN\nmatka/Z\nstůl\n";

class Words : public ::testing::Test {
 protected:
  Words() : dir_(fs::temp_directory_path() / ("raketa_words_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()))) {
    fs::create_directories(dir_);
    std::ofstream(dir_ / "cs_CZ.aff") << kAff;
    std::ofstream(dir_ / "cs_CZ.dic") << kDic;
  }
  ~Words() override { fs::remove_all(dir_); }
  Dictionary Load() const { return Dictionary(dir_.string()); }

  fs::path dir_;
};

TEST_F(Words, FormsFollowTheFlagsAndTheirConditions) {
  const Dictionary d = Load();
  EXPECT_EQ(d.Forms("karta"), (std::vector<std::string>{"karta", "karty", "kartě", "kartu", "kartou"}));
  // "-ě" is not made after a k.
  EXPECT_EQ(d.Forms("matka"), (std::vector<std::string>{"matka", "matky", "matku", "matkou"}));
  // Continuation flags ("y/Q") are cut off the form.
  EXPECT_EQ(d.Forms("box"), (std::vector<std::string>{"box", "boxu", "boxem", "boxy"}));
  // A compound the dictionary lacks is declined like its last part.
  EXPECT_EQ(d.Forms("termobox"), (std::vector<std::string>{"termobox", "termoboxu", "termoboxem", "termoboxy"}));
  // A word without flags, and one the dictionary lacks, are only themselves.
  EXPECT_EQ(d.Forms("stůl"), (std::vector<std::string>{"stůl"}));
  EXPECT_EQ(d.Forms("xyz"), (std::vector<std::string>{"xyz"}));
}

TEST_F(Words, AccusativeOfNounsInAOnly) {
  const Dictionary d = Load();
  EXPECT_EQ(d.Accusative("karta"), "kartu");
  EXPECT_EQ(d.Accusative("box"), "box");
  // A noun in -a the dictionary cannot decline keeps its nominative.
  EXPECT_EQ(d.Accusative("pizza"), "pizza");
}

TEST_F(Words, AdjectivesAreFoundFromAnyGender) {
  const Dictionary d = Load();
  const std::vector<std::string> forms = d.AdjectiveForms("přístupová");
  for (const char* f : {"přístupová", "přístupový", "přístupovou", "přístupového"}) {
    EXPECT_NE(std::find(forms.begin(), forms.end(), f), forms.end()) << f;
  }
}

// A one-room world with a fixture and an item, and its [Words] table.
std::string TinyToml(const std::string& things) {
  return "[State]\nCurrentRoom = 1\nHealth = 1.0\nNourishment = 1.0\nCellCharge = 1.0\nFuel = 1.0\n"
         "SuitOxygen = 1.0\nMinutesLeft = 1.0\nSuitWorn = false\nValveClosed = false\nGaugeReplaced = false\n"
         "CablesRepaired = false\n"
         "[[Rooms]]\nNumber = 1\n[[Rooms.Fixtures]]\nName = \"termobox\"\n"
         "Items = [{ Name = \"karta\", AltName = \"kartu\" }]\n"
         "[Words]\nThings = [" + things + "]\n"
         "[Words.Rooms]\n1 = [\"matka\"]\n"
         "[Words.Targets]\n\"karta\" = [\"box\"]\n";
}

TEST_F(Words, TableOfTheWorldAndItsWords) {
  const Dictionary d = Load();
  const std::string withoutBox = TinyToml("\"přístupová karta\"");
  const WorldSource src = ReadWorldToml(withoutBox, "w.toml");
  EXPECT_THROW(WordTable(withoutBox, "w.toml", src, d), ToolError) << "a target must be among the things";
  const std::string toml = TinyToml("\"přístupová karta\", \"box\"");
  const std::string table = WordTable(toml, "w.toml", src, d);
  EXPECT_NE(table.find("thing\tkarta\tkartu\tkarta karty kartě kartu kartou\tpřístupová přístupový"), std::string::npos)
      << table;
  EXPECT_NE(table.find("thing\ttermobox\ttermobox\ttermobox termoboxu"), std::string::npos) << table;
  EXPECT_NE(table.find("room\t1\tmatka\tmatku\t"), std::string::npos) << table;
  EXPECT_NE(table.find("target\tkarta\tbox\n"), std::string::npos) << table;
  // A key the table does not know, and a room that does not exist, stop the build.
  std::string unknownKey = toml;
  unknownKey.insert(unknownKey.find("[Words.Rooms]"), "Colours = 1\n");
  EXPECT_THROW(WordTable(unknownKey, "w.toml", src, d), ToolError);
  std::string noRoom = toml;
  noRoom.replace(noRoom.find("1 = [\"matka\"]"), 1, "37");
  EXPECT_THROW(WordTable(noRoom, "w.toml", src, d), ToolError);
  EXPECT_THROW(Dictionary((dir_ / "none").string()), ToolError);
}

}  // namespace
}  // namespace raketa::worldtool
