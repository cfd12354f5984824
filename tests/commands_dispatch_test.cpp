// The handlers in their dispatch order, through the frame's dispatch: which
// of two places wins, and which lines nobody accepts.
#include <functional>

#include "app/hlavni.h"
#include "commands_test_kit.h"

namespace raketa::test {
namespace {

struct DispatchCase {
  const char* name;
  const char* line;
  std::function<void(CommandRig&)> setup;
  const char* answer;
  std::function<bool(CommandRig&)> outcome;  // which item went
};

void PrintTo(const DispatchCase& c, std::ostream* os) { *os << c.name; }

void Searched(CommandRig& rig) {
  rig.Here().Searched = 1;
  for (TFixture& f : rig.Here().Fixtures) {
    SetName(f.KeyName, "nic");
    f.Opened = 1;
  }
}

const std::vector<DispatchCase>& Cases() {
  static const std::vector<DispatchCase> cases = {
      {"a carried item before the same on the floor", "použij pivo",
       [](CommandRig& r) {
         Searched(r);
         SetItem(r.w.Slot(3), "pivo");
         SetItem(r.Here().Items[0], "pivo");
       },
       "Mňam Mňam...", [](CommandRig& r) { return r.w.Slot(3).Empty() && !r.Here().Items[0].Empty(); }},
      {"the floor before a fixture", "použij pivo",
       [](CommandRig& r) {
         Searched(r);
         SetItem(r.Here().Fixtures[0].Items[0], "pivo");
         SetItem(r.Here().Items[9], "pivo");
       },
       "Mňam Mňam...",
       [](CommandRig& r) { return r.Here().Items[9].Empty() && !r.Here().Fixtures[0].Items[0].Empty(); }},
      {"fixture 1 before fixture 3", "použij pivo",
       [](CommandRig& r) {
         Searched(r);
         SetItem(r.Here().Fixtures[2].Items[0], "pivo");
         SetItem(r.Here().Fixtures[0].Items[2], "pivo");
       },
       "Mňam Mňam...",
       [](CommandRig& r) { return r.Here().Fixtures[0].Items[2].Empty() && !r.Here().Fixtures[2].Items[0].Empty(); }},
      {"a locked fixture 1 lets fixture 2 answer", "použij pivo",
       [](CommandRig& r) {
         Searched(r);
         r.Here().Fixtures[0].Opened = 0;
         SetItem(r.Here().Fixtures[0].Items[0], "pivo");
         SetItem(r.Here().Fixtures[1].Items[0], "pivo");
       },
       "Mňam Mňam...",
       [](CommandRig& r) { return !r.Here().Fixtures[0].Items[0].Empty() && r.Here().Fixtures[1].Items[0].Empty(); }},
      {"locked everywhere: not understood", "použij pivo",
       [](CommandRig& r) { SetItem(r.Here().Fixtures[1].Items[0], "pivo"); }, kNotUnderstood,
       [](CommandRig& r) { return !r.Here().Fixtures[1].Items[0].Empty(); }},
      {"vem takes the floor item before the fixture's", "vem pivo",
       [](CommandRig& r) {
         Searched(r);
         SetItem(r.Here().Fixtures[0].Items[0], "pivo");
         SetItem(r.Here().Items[2], "pivo");
       },
       "OK..vzal jsem...", [](CommandRig& r) { return r.Here().Items[2].Empty() && r.w.Slot(1).Name == "pivo"; }},
      // No handler takes it; the second reading says what is missing, and
      // nothing changes hands.
      {"a floor item that is not here", "vem pivo",
       [](CommandRig& r) {
         Searched(r);
         SetItem(r.w.Room(6).Items[0], "pivo");
       },
       "Pivo tu není.",
       [](CommandRig& r) { return r.w.Slot(1).Empty() && r.g.services.edit.FontColour() == colour::Red; }},
      {"the search verb with its blank examines an unnamed open fixture", "prohledej ",
       [](CommandRig& r) { Searched(r); }, " je prázdný... ", [](CommandRig&) { return true; }},
  };
  return cases;
}

class Dispatch : public ::testing::TestWithParam<DispatchCase> {};

TEST_P(Dispatch, FirstHandlerDecides) {
  const DispatchCase& c = GetParam();
  CommandRig rig;
  if (c.setup) c.setup(rig);
  rig.Run(c.line, DispatchCommand);
  EXPECT_EQ(rig.LineUtf8(), c.answer);
  EXPECT_TRUE(c.outcome(rig));
}

INSTANTIATE_TEST_SUITE_P(Order, Dispatch, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return CaseName(info.param.name); });

// Typed with capitals, through the frame: the command line lowers the case
// and the move is made.
TEST(Dispatch, CapitalsAreTypedAsLowerCase) {
  CommandRig rig;
  rig.Here().Exits[North].Target = 6;
  rig.Here().Exits[North].Opened = 1;
  rig.Command("SEVER");
  EXPECT_EQ(rig.w.CurrentRoom, 6);
}

// With sound off the use answers are silent but the valve is still heard.
TEST(Dispatch, SoundOffSilencesUseButNotTheValve) {
  CommandRig rig(27);
  rig.g.SoundOn = false;
  SetItem(rig.w.Slot(1), "pivo");
  rig.Run("použij pivo", DispatchCommand);
  EXPECT_TRUE(rig.sound.calls.empty());
  rig.Run("zastav ventil", DispatchCommand);
  EXPECT_EQ(Sounds(rig), (std::vector<std::string>{"play ventil", "stop unik paliva"}));
}

}  // namespace
}  // namespace raketa::test
