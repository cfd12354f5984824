// The word table kept from slova.txt: read once, yet a file written anew,
// removed, or another data folder is seen at once.
#include "commands/word_forms.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "services/host_files.h"
#include "support/scratch_dir.h"
#include "support/tiny_world.h"

namespace raketa {
namespace {

void WriteTable(const std::string& text) { std::ofstream("slova.txt", std::ios::binary) << text; }

std::string Things(const WordTable& table) {
  std::string out;
  for (const NounForms& n : table.things) out += n.name + "(" + n.accusative + ") ";
  return out;
}

TEST(WordTable, FollowsTheFileOfTheDataFolderInUse) {
  HostFiles files({});
  const TWorld world = test::BareWorld();
  test::ScratchDir first;
  struct Step {
    const char* what;
    std::function<void()> change;
    std::string things;
  };
  const Step steps[] = {
      {"no file", [] {}, ""},
      {"a file", [] { WriteTable("thing\tkarta\tkartu\tkarty\n"); }, "karta(kartu) "},
      {"the same file again", [] {}, "karta(kartu) "},
      {"written anew", [] { WriteTable("# comment\nthing\tklíč\tklíč\tklíče\nthing\tkarta\tkartu\n"); },
       "klíč(klíč) karta(kartu) "},
      {"removed", [] { std::remove("slova.txt"); }, ""},
      {"back", [] { WriteTable("thing\tkarta\tkartu\tkarty\n"); }, "karta(kartu) "},
  };
  for (const Step& step : steps) {
    step.change();
    EXPECT_EQ(Things(LoadWordTable(files, world)), step.things) << step.what;
  }
  {
    // Another folder, the same relative name, a file of the same size.
    test::ScratchDir second;
    WriteTable("thing\tkabel\tkabel\tkably\n");
    EXPECT_EQ(Things(LoadWordTable(files, world)), "kabel(kabel) ");
  }
  EXPECT_EQ(Things(LoadWordTable(files, world)), "karta(kartu) ") << "the first folder again";
}

// The world's own names join the file's, each once.
TEST(WordTable, TheWorldsNamesJoinTheKeptFile) {
  HostFiles files({});
  test::ScratchDir dir;
  WriteTable("thing\tklic\tklíč\n");
  const TWorld world = test::TinyWorld();
  for (int round = 0; round < 2; ++round) {
    const WordTable table = LoadWordTable(files, world);
    ASSERT_NE(table.Thing("klic"), nullptr) << round;
    EXPECT_EQ(table.Thing("klic")->accusative, "klíč") << "from the file, round " << round;
    ASSERT_NE(table.Thing("karta"), nullptr) << round;
    EXPECT_EQ(table.Thing("karta")->accusative, "karta") << "only its own form, round " << round;
    EXPECT_EQ(Things(table).find("klic("), Things(table).rfind("klic(")) << "once, round " << round;
  }
}

}  // namespace
}  // namespace raketa
