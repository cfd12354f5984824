// The game-over screen tells why the game ended and what to press, and
// Backspace there goes back in time.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/rig.h"

namespace raketa::test {
namespace {

bool Drawn(const Rig& rig, const std::string& utf8) {
  const std::vector<std::string> texts = rig.DrawnTexts();
  return std::find(texts.begin(), texts.end(), utf8) != texts.end();
}

// Plays until the game ends, then runs the game-over screen's first frame.
void PlayToTheEnd(Rig& rig) {
  for (int i = 0; i < 200 && !rig.g.GameOver; ++i) rig.Frame();
  ASSERT_TRUE(rig.g.GameOver);
  rig.ClearLogs();
  rig.Frame();
}

TEST(GameOverLines, TellWhatEndedTheGame) {
  struct Case {
    const char* name;
    int room;
    bool outside;
    float nourishment;
    float minutes;
    float health;
    const char* reason;
    bool cables = false;  // the countdown runs
  };
  const Case cases[] = {
      {"fumes in room 7", 7, false, 100, 60, 100, "Zabily tě výpary unikajícího paliva, bez skafandru se tu nedá dýchat."},
      {"vacuum outside", 33, true, 100, 60, 100, "Venku tě bez skafandru zabilo vakuum."},
      {"fumes come first where the vacuum harms too", 7, true, 100, 60, 100,
       "Zabily tě výpary unikajícího paliva, bez skafandru se tu nedá dýchat."},
      {"hunger in a safe room", 2, false, 1, 60, 100, "Umřel jsi hlady a žízní."},
      {"the countdown", 2, false, 100, 1.5f, 100, "Odpočet doběhl do konce a raketa se zřítila ze srázu.", true},
      {"a death and the fall in one frame: the death", 2, false, 1, 1.1f, 1.5f, "Umřel jsi hlady a žízní.", true},
      {"a world loaded dead has no cause to tell", 2, false, 100, 60, 0.5f, "Zdraví ti kleslo na nulu."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Rig rig;
    rig.StartPlay(c.room);
    rig.w.Room(c.room).Outside = c.outside;
    rig.w.Nourishment = c.nourishment;
    rig.w.MinutesLeft = c.minutes;
    rig.w.Health = c.health;
    rig.w.CablesRepaired = c.cables;
    PlayToTheEnd(rig);
    EXPECT_TRUE(Drawn(rig, c.reason));
    EXPECT_TRUE(Drawn(rig, "Backspace = o 30 s zpět    F1 = nová hra    F2 = nahrát hru"));
    // The screen's own message in the command line is as it always was.
    EXPECT_EQ(rig.LineUtf8(), rig.w.Health < 1 ? "Bohužel jsi mrtvý.." : "Bohužel raketa se zřítila ze srázu...");
    // Drawn once, not on every frame of the screen.
    rig.ClearLogs();
    rig.Frame();
    EXPECT_TRUE(rig.DrawnTexts().empty());
  }
}

// A Backspace pressed while playing edited the command line; it must not
// take the player back the moment the game ends.
TEST(GameOverLines, BackspaceFromPlayDoesNotGoBack) {
  Rig rig;
  rig.StartPlay(7);
  rig.PressKey(vk::Backspace);
  PlayToTheEnd(rig);
  rig.Frame(3);
  EXPECT_TRUE(rig.g.GameOver);
  rig.PressKey(vk::Backspace);
  rig.Frame();
  EXPECT_FALSE(rig.g.GameOver);
  EXPECT_EQ(rig.w.CurrentRoom, 7);
  EXPECT_EQ(rig.w.Health, 100.0f);  // the first frame's world, the only copy
}

}  // namespace
}  // namespace raketa::test
