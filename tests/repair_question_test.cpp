// Taping the cables before the rocket is ready asks first, when the story
// has a warning for the hull (texty/m33v.dat): the same line again or "ano"
// tapes them exactly as always, anything else forgets the question.  Back
// in the cabin too early, the command line says what is missing.
#include "commands_test_kit.h"
#include "world/game_roles.h"

namespace raketa::test {
namespace {

const char* const kAskedWithFuel = "Raketa se začne sunout a nádrž má jen 50 %! Napiš ano.";
const char* const kAskedFullTank = "Raketa se pak začne sunout! Spojit kabely? Napiš ano.";
const char* const kTaped = "Kable jsou opraveny mužeš měnit članky.";

// On the hull with the suit on and the tape carried; the story warns.
class HullRig : public CommandRig {
 public:
  HullRig() : CommandRig(kCableRoom) {
    w.SuitWorn = 1;
    SetItem(w.Slot(1), "izolačka", "izolacka");
    WriteFile("texty/m33v.dat", "Varovani\r\n");
  }
  // A line typed and sent, and the cooldown waited out.
  void Send(const std::string& utf8) {
    Command(utf8);
    Frame(6);
  }
};

TEST(RepairQuestion, AskedOnceThenConfirmed) {
  const struct {
    const char* how;
    const char* confirm;
  } cases[] = {
      {"ano", "ano"},
      {"the same line again", "pouzij izolacka"},
  };
  for (const auto& c : cases) {
    HullRig rig;
    rig.Send("pouzij izolacka");
    EXPECT_EQ(rig.LineUtf8(), kAskedWithFuel) << c.how;
    EXPECT_EQ(rig.w.CablesRepaired, 0) << c.how;
    EXPECT_FALSE(rig.w.Slot(1).Empty()) << c.how;
    EXPECT_EQ(rig.g.RoomTextFile.Path(), "texty\\m33v.dat") << c.how;
    rig.Send(c.confirm);
    EXPECT_EQ(rig.LineUtf8(), kTaped) << c.how;
    EXPECT_EQ(rig.w.CablesRepaired, 1) << c.how;
    EXPECT_TRUE(rig.w.Slot(1).Empty()) << c.how;
    EXPECT_EQ(rig.g.RoomTextFile.Path(), "texty\\m33x.dat") << c.how;
  }
}

TEST(RepairQuestion, AnythingElseForgetsIt) {
  HullRig rig;
  rig.Send("pouzij izolacka");
  rig.Send("prohledej");
  rig.Send("ano");
  EXPECT_EQ(rig.LineUtf8(), kNotUnderstood);
  EXPECT_EQ(rig.w.CablesRepaired, 0);
  // Asked again, and confirmed this time.
  rig.Send("pouzij izolacka");
  EXPECT_EQ(rig.LineUtf8(), kAskedWithFuel);
  rig.Send("ano");
  EXPECT_EQ(rig.w.CablesRepaired, 1);
}

TEST(RepairQuestion, WhenAndWhereItAsks) {
  const struct {
    const char* what;
    float fuel, cells;
    bool storyWarns;
    bool inFixture;
    const char* answer;
  } cases[] = {
      {"tank half full", 50, 0, true, false, kAskedWithFuel},
      {"tank full, cells empty", 100, 0, true, false, kAskedFullTank},
      {"from a fixture", 50, 0, true, true, kAskedWithFuel},
      {"both full: taped at once", 100, 100, true, false, kTaped},
      {"no warning in the story: taped at once", 50, 0, false, false, kTaped},
  };
  for (const auto& c : cases) {
    HullRig rig;
    rig.w.Fuel = c.fuel;
    rig.w.CellCharge = c.cells;
    if (!c.storyWarns) std::filesystem::remove("texty/m33v.dat");
    if (c.inFixture) {
      rig.w.Slot(1).Clear();
      rig.Here().Searched = 1;
      rig.Here().Fixtures[0].Opened = 1;
      SetItem(rig.Here().Fixtures[0].Items[0], "izolačka", "izolacka");
    }
    rig.Send("pouzij izolacka");
    const std::string answer = c.inFixture && c.answer == kTaped ? "Kabely jsou opraveny mužeš měnit članky." : c.answer;
    EXPECT_EQ(rig.LineUtf8(), answer) << c.what;
    EXPECT_EQ(rig.w.CablesRepaired, c.answer == kTaped ? 1 : 0) << c.what;
  }
}

TEST(CabinReport, SaysWhatTheEnginesLack) {
  const struct {
    const char* what;
    float fuel, cells;
    bool repaired;
    const char* answer;  // after entering the cabin
  } cases[] = {
      {"cells short", 100, 75, true, "Motory nenaskočí: články jsou nabité jen na 75 %."},
      {"tank short", 62.4f, 100, true, "Motory nenaskočí: nádrž je plná jen na 62 %."},
      {"both short", 50, 25, true, "Motory nenaskočí: nádrž má jen 50 % a články 25 %."},
      {"before the repair: nothing said", 50, 0, false, ""},
      {"no warning in the story: nothing said", 50, 25, true, nullptr},
  };
  for (const auto& c : cases) {
    CommandRig rig(2);
    WriteFile("texty/m33v.dat", "Varovani\r\n");
    rig.Here().Exits[North].Target = kStartRoom;
    rig.Here().Exits[North].Opened = 1;
    rig.w.Fuel = c.fuel;
    rig.w.CellCharge = c.cells;
    rig.w.CablesRepaired = c.repaired ? 1 : 0;
    if (c.answer == nullptr) std::filesystem::remove("texty/m33v.dat");
    rig.Command("sever");
    EXPECT_EQ(rig.w.CurrentRoom, kStartRoom) << c.what;
    EXPECT_EQ(rig.LineUtf8(), c.answer == nullptr ? "" : c.answer) << c.what;
  }
}

}  // namespace
}  // namespace raketa::test
