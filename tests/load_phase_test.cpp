// The phase is not saved: every load takes it from the world it loaded, so
// the texts, the accepted commands and the departure follow that world.
#include <gtest/gtest.h>

#include "support/rig.h"
#include "support/tiny_world.h"

namespace raketa::test {
namespace {

enum class Load { PlayF2, PlayF7, GameOverF2, GameOverF6F7 };

const char* Name(Load l) {
  switch (l) {
    case Load::PlayF2: return "F2 in play";
    case Load::PlayF7: return "F7 in play";
    case Load::GameOverF2: return "F2 on the game-over screen";
    case Load::GameOverF6F7: return "F6 with F7 on the game-over screen";
  }
  return "?";
}

void LoadBy(Rig& r, Load how, const std::string& save) {
  if (how == Load::GameOverF2 || how == Load::GameOverF6F7) {
    r.g.GameOver = true;
    r.w.Health = 0;
  }
  if (how == Load::PlayF2 || how == Load::GameOverF2) {
    r.dialogs.answers.push_back(save);
    r.PressKey(vk::F2);
  } else {
    r.g.SaveFileName = save;
    if (how == Load::GameOverF6F7) r.PressKey(vk::F6);
    r.PressKey(vk::F7);
  }
  r.Frame();
}

TEST(LoadPhase, EveryLoadTakesThePhaseFromTheLoadedWorld) {
  struct Case {
    Phase phaseBefore;
    const char* save;
    Phase phaseAfter;
    const char* textAfter;
    int room;
  };
  const Case cases[] = {
      {Phase::Return, "room7.sav", Phase::Outbound, "texty\\m7.dat", 7},  // outbound save on the way back
      {Phase::Outbound, "full.sav", Phase::Return, "texty\\m2.zpt", 2},   // a save from the way back, outbound
      {Phase::Return, "full.sav", Phase::Return, "texty\\m2.zpt", 2},
      {Phase::Outbound, "room33.sav", Phase::Outbound, "texty\\m33.dat", 33},
  };
  Rig r;
  InstallWorld(TinyWorld());
  for (Load how : {Load::PlayF2, Load::PlayF7, Load::GameOverF2, Load::GameOverF6F7}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(Name(how)) + ": " + c.save + " from " + PhaseExtension(c.phaseBefore));
      r.StartPlay(1);
      r.g.TripPhase = c.phaseBefore;
      LoadBy(r, how, c.save);
      EXPECT_TRUE(r.app.errors.empty());
      EXPECT_EQ(r.w.CurrentRoom, c.room);
      EXPECT_EQ(r.g.TripPhase, c.phaseAfter);
      // The room text opened on arrival is the loaded phase's.
      EXPECT_EQ(r.g.RoomTextFile.Path(), c.textAfter);
    }
  }
}

TEST(LoadPhase, AReturnPhaseSaveAcceptsOnlyMovesAndAnOutboundOneEverything) {
  Rig r;
  InstallWorld(TinyWorld());
  r.StartPlay(1);
  r.g.TripPhase = Phase::Return;
  LoadBy(r, Load::PlayF2, "room2.sav");
  r.Frame(40);
  r.Command("vem klic");
  EXPECT_EQ(r.LineUtf8(), "snad bych se tu měl asi porozhlédnout co??...");
  r.dialogs.answers.push_back(std::string("full.sav"));
  r.PressKey(vk::F2);
  r.Frame(40);
  r.Command("vem karta");
  EXPECT_EQ(r.LineUtf8(), "sakra spěchej do kabiny...");
}

}  // namespace
}  // namespace raketa::test
