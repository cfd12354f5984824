// Searching the room and examining its fixtures by name.
#include <functional>

#include "commands_test_kit.h"

namespace raketa::test {
namespace {

void Fixture(TRoom& room, int f, const std::string& name, const std::string& key, int opened,
             std::vector<std::string> items = {}) {
  TFixture& fx = room.Fixtures[f - 1];
  SetName(fx.Name, name);
  SetName(fx.KeyName, key);
  fx.Opened = static_cast<std::uint8_t>(opened);
  for (std::size_t j = 0; j < items.size(); ++j) SetItem(fx.Items[j], items[j]);
}

// Three named fixtures: a locked cupboard opened by "karta", an open empty
// shelf and an open box with a bar in it.
void Furnish(TRoom& room) {
  Fixture(room, 1, "skrin", "karta", 0, {"lano"});
  Fixture(room, 2, "police", "", 1);
  Fixture(room, 3, "bedna", "x", 1, {"", "tatranka"});
}

struct SearchCase {
  const char* name;
  const char* line;
  std::function<void(TWorld&)> setup;
  void (*handler)(Game&);
  bool handled;
  const char* answer;
  std::vector<std::string> panels;
  std::vector<std::string> sounds;
  std::function<void(TWorld&)> change;
};

void PrintTo(const SearchCase& c, std::ostream* os) { *os << c.name; }

auto SearchedWithCupboardOpen = [](TWorld& w) {
  w.Current().Searched = 1;
  w.Current().Fixtures[0].Opened = 1;
};
auto Furnished = [](TWorld& w) { Furnish(w.Current()); };
auto Searched = [](TWorld& w) { w.Current().Searched = 1; };
auto CarryCard = [](TWorld& w) {
  Furnish(w.Current());
  SetItem(w.Slot(1), "karta");
};

const std::vector<SearchCase>& Cases() {
  static const std::vector<SearchCase> cases = {
      {"search the room", "prohledej místnost", CarryCard, SearchRoomCommand, true, "OK....", {"contents"},
       Plays({Cue::ok}), SearchedWithCupboardOpen},
      {"search the room without the accent", "prohledej mistnost", CarryCard, SearchRoomCommand, true, "OK....",
       {"contents"}, Plays({Cue::ok}), SearchedWithCupboardOpen},
      {"the verb alone searches", "prohledej", Furnished, SearchRoomCommand, true, "OK....", {"contents"},
       Plays({Cue::ok}), Searched},
      {"the verb with its blank is no search", "prohledej ", Furnished, SearchRoomCommand, false, "prohledej ", {},
       {}, nullptr},
      {"another word is no search", "prohledej pokoj", Furnished, SearchRoomCommand, false, "prohledej pokoj", {}, {},
       nullptr},

      {"a locked fixture names its key", "prohledej skrin", Furnished, ExamineFixtureCommand, true, "chybí ti  karta",
       {}, {}, nullptr},
      {"examining does not open with the key in hand", "prozkoumej skrin", CarryCard, ExamineFixtureCommand, true,
       "chybí ti  karta", {}, {}, nullptr},
      {"an open empty fixture", "prozkoumej police", Furnished, ExamineFixtureCommand, true, "police je prázdný... ",
       {}, {}, nullptr},
      {"an open fixture with contents shows them", "prohledej bedna", Furnished, ExamineFixtureCommand, true,
       "OK....", {"contents"}, Plays({Cue::ok}), Searched},
      {"any other non-zero opened shows the panel", "prohledej police",
       [](TWorld& w) {
         Furnish(w.Current());
         Fixture(w.Current(), 2, "police", "x", 2);
       },
       ExamineFixtureCommand, true, "OK....", {"contents"}, Plays({Cue::ok}), Searched},
      {"the verb with its blank names an unnamed fixture", "prohledej ",
       [](TWorld& w) {
         Furnish(w.Current());
         Fixture(w.Current(), 2, "", "karta", 0);
       },
       ExamineFixtureCommand, true, "chybí ti  karta", {}, {}, nullptr},
      {"likewise for prozkoumej", "prozkoumej ",
       [](TWorld& w) {
         Furnish(w.Current());
         Fixture(w.Current(), 3, "", "karta", 0);
       },
       ExamineFixtureCommand, true, "chybí ti  karta", {}, {}, nullptr},
      {"no unnamed fixture, no match", "prohledej ", Furnished, ExamineFixtureCommand, false, "prohledej ", {}, {},
       nullptr},
      {"a trailing blank after the name is no match", "prohledej skrin ", Furnished, ExamineFixtureCommand, false,
       "prohledej skrin ", {}, {}, nullptr},
      {"a locked fixture with no key name and full hands", "prohledej police",
       [](TWorld& w) {
         Furnish(w.Current());
         Fixture(w.Current(), 2, "police", "", 0);
         FillInventory(w);
       },
       ExamineFixtureCommand, true, "chybí ti  ", {}, {}, nullptr},
      {"of two fixtures of one name the first decides", "prohledej skrin",
       [](TWorld& w) {
         Furnish(w.Current());
         Fixture(w.Current(), 3, "skrin", "", 1, {"pivo"});
       },
       ExamineFixtureCommand, true, "chybí ti  karta", {}, {}, nullptr},
  };
  return cases;
}

class SearchTable : public ::testing::TestWithParam<SearchCase> {};

TEST_P(SearchTable, AnswerCueAndWorld) {
  const SearchCase& c = GetParam();
  CommandRig rig;
  if (c.setup) c.setup(rig.w);
  TWorld expected = rig.w;
  if (c.change) c.change(expected);

  rig.Run(c.line, c.handler);

  EXPECT_EQ(rig.g.CommandHandled, c.handled);
  EXPECT_EQ(rig.LineUtf8(), c.answer);
  EXPECT_EQ(Panels(rig), c.panels);
  EXPECT_EQ(Sounds(rig), c.sounds);
  EXPECT_TRUE(SameWorld(expected, rig.w));
}

INSTANTIATE_TEST_SUITE_P(Looking, SearchTable, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return CaseName(info.param.name); });

// A fixture without a key name opens at the first drawing of the panel with
// a free hand, and stays shut while all four are full.
TEST(Search, UnnamedKeyOpensOnlyWithAFreeHand) {
  for (bool handsFull : {true, false}) {
    CommandRig rig;
    Fixture(rig.Here(), 1, "skrin", "", 0, {"lano"});
    if (handsFull) FillInventory(rig.w);
    rig.Run("prohledej místnost", SearchRoomCommand);
    EXPECT_EQ(rig.Here().Fixtures[0].Opened, handsFull ? 0 : 1) << handsFull;
  }
}

// Once searched with the key in hand, the fixture stays open without it.
TEST(Search, AFixtureOpenedBySearchingStaysOpen) {
  CommandRig rig;
  Furnish(rig.Here());
  SetItem(rig.w.Slot(1), "karta");
  rig.Run("prohledej skrin", ExamineFixtureCommand);
  EXPECT_EQ(rig.LineUtf8(), "chybí ti  karta");
  rig.Run("prohledej", SearchRoomCommand);
  rig.w.Slot(1).Clear();
  rig.Run("prohledej skrin", ExamineFixtureCommand);
  EXPECT_EQ(rig.LineUtf8(), "OK....");
}

}  // namespace
}  // namespace raketa::test
