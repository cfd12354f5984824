// The shipped game played through: players who read every room text and
// type the walkthrough, one who knows it (three keys a second), a
// first-timer (two seconds of thought before each line, two keys a second),
// a reader who also hurries each text with Tab and reads every new one for
// two seconds, and a careful reader who lets every text type out; all win
// from the first frame of the intro to the departure with a fair share of
// the countdown left; a player who stops after repairing the cables sees the
// rocket fall.  Sessions are recorded as replay scripts and replayed, so the
// replay mode wins the same games.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>

#include "app/comfort_keys.h"
#include "app/form_runner.h"
#include "presentation/replay/replay_runner.h"
#include "support/rig.h"
#include "support/walkthrough_lines.h"

namespace raketa::test {
namespace {

namespace fs = std::filesystem;

const fs::path kGameData = fs::path(RAKETA_BINARY_DIR) / "gamedata";
constexpr int kFramesPerSecond = 25;

// How a player types: frames of thought once the text is shown, then one
// key every `framesPerKey` frames (Enter included, at the end).
// A reader also reads every room text not seen before for `readFrames`
// once it is shown, after finishing its typing with Tab when `hurries`.
struct Pace {
  const char* who;
  double framesPerKey;
  int thinkFrames;
  int readFrames = 0;
  bool hurries = false;
};
constexpr Pace kKnowsTheWay{"knows the way (3 keys a second)", 8.0, 0};
constexpr Pace kFirstTimer{"first-timer (2 s of thought, 2 keys a second)", 12.5, 2 * kFramesPerSecond};
constexpr Pace kReader{"reader (Tab and 2 s on each new text, 2 s of thought, 2 keys a second)", 12.5,
                       2 * kFramesPerSecond, 2 * kFramesPerSecond, true};
constexpr Pace kCarefulReader{"careful reader (every text typed out, then 2 s on each new one, 2 s of thought, "
                              "2 keys a second)",
                              12.5, 2 * kFramesPerSecond, 2 * kFramesPerSecond, false};

void InstallGameData() {
  fs::copy_file(kGameData / "mistnosti.dat", "mistnosti.dat");
  fs::copy(kGameData / "texty", "texty", fs::copy_options::overwrite_existing | fs::copy_options::recursive);
}

// Plays the game as a patient player and writes down the same session as a
// replay script.
class Player {
 public:
  explicit Player(Rig& rig, Pace pace = kKnowsTheWay) : rig_(rig), pace_(pace) {}

  void Wait(long frames) {
    if (frames <= 0) return;
    rig_.Frame(static_cast<int>(frames));
    frames_ += frames;
    script_ << "wait " << frames << "\n";
  }

  // Until the game takes a line: the room's text is shown and nothing is
  // pending (at most `limit` frames).
  void WaitForTheText(long limit = 3000) {
    long waited = 0;
    const Game& g = rig_.g;
    while (waited < limit && !(CurrentStep(g) == GameStep::Play && !g.NarrationPending && g.StepCountdown == 0 &&
                               g.InputCooldown == 0)) {
      if (pace_.hurries && g.NarrationPending && CurrentStep(g) == GameStep::Play) {
        if (waited > 0) script_ << "wait " << waited << "\n";
        frames_ += waited;
        waited = 0;
        rig_.PressKey(vk::Tab);
        script_ << "key Tab\n";
      }
      rig_.Frame();
      ++waited;
    }
    frames_ += waited;
    if (waited > 0) script_ << "wait " << waited << "\n";
    // A text not read before is read now.
    if (pace_.readFrames > 0 && CurrentStep(g) == GameStep::Play && read_.insert(g.RoomTextFile.Path()).second) {
      Wait(pace_.readFrames);
    }
  }

  void TypeLine(const std::string& utf8) {
    Wait(pace_.thinkFrames);
    // One key at a time (a Czech letter is one key, however many bytes).
    std::size_t i = 0;
    while (i < utf8.size()) {
      std::size_t n = 1;
      unsigned char c = static_cast<unsigned char>(utf8[i]);
      if (c >= 0xC0) n = c >= 0xE0 ? 3 : 2;
      std::string key = utf8.substr(i, n);
      rig_.Type(key);
      script_ << "type " << key << "\n";
      Wait(FramesToNextKey());
      i += n;
    }
    rig_.PressEnter();
    script_ << "key Enter\n";
    Wait(1);
  }

  long frames() const { return frames_; }
  std::string script() const { return script_.str(); }

 private:
  // Whole frames, carrying the fraction over to the next key.
  long FramesToNextKey() {
    owed_ += pace_.framesPerKey;
    long whole = static_cast<long>(owed_);
    owed_ -= static_cast<double>(whole);
    return whole;
  }

  Rig& rig_;
  Pace pace_;
  std::set<std::string> read_;  // the room texts read so far
  double owed_ = 0.0;
  long frames_ = 0;
  std::ostringstream script_;
};

// One whole game along the walkthrough at the given pace, from the first
// frame of the intro (typed out in full) to the departure or the first line
// after a game over.
struct Outcome {
  bool departed = false;
  std::string failedAt;  // the line typed when the game ended, if it did
  float startMinutes = 0.0f;
  float minutesLeft = 0.0f;
  long frames = 0;
  long repairedAt = -1;
  std::size_t keys = 0;
  std::string script;
};

// The shipped game from its first frame until room 1's text is typed out.
void StartTheGame(Rig& rig, Player& player) {
  InstallGameData();
  rig.runner.Start();
  player.WaitForTheText();
}

Outcome PlayTheWalkthrough(const Pace& pace) {
  Outcome out;
  Rig rig;
  Player player(rig, pace);
  StartTheGame(rig, player);  // the whole intro, the landing, room 1's text
  out.startMinutes = rig.w.MinutesLeft;
  for (const std::string& line : WalkthroughLines()) {
    player.WaitForTheText();
    player.TypeLine(line);
    out.keys += Utf8ToCp1250(line).size() + 1;
    if (out.repairedAt < 0 && rig.w.CablesRepaired) out.repairedAt = player.frames();
    if (rig.g.GameOver) {
      out.failedAt = line + " (" + rig.LineUtf8() + ")";
      break;
    }
  }
  player.Wait(2);
  out.departed = rig.g.DepartureScreen;
  out.minutesLeft = rig.w.MinutesLeft;
  out.frames = player.frames();
  out.script = player.script();
  return out;
}

// The countdown must leave a first-timer on the known way a sixth of its
// length to spare; the one who knows the way keeps more.
TEST(Walkthrough, BothPlayersReachTheCabinWithTimeToSpare) {
  if (!fs::exists(kGameData / "mistnosti.dat")) GTEST_SKIP() << "no game data built";
  ASSERT_FALSE(WalkthroughLines().empty());
  constexpr float kShareLeft = 0.15f;
  for (const Pace& pace : {kKnowsTheWay, kFirstTimer}) {
    Outcome o = PlayTheWalkthrough(pace);
    ASSERT_TRUE(o.departed) << pace.who << ": died at " << o.failedAt;
    ASSERT_GT(o.repairedAt, 0) << pace.who;
    const float share = o.minutesLeft / o.startMinutes;
    std::cout << "walkthrough, " << pace.who << ": " << WalkthroughLines().size() << " commands, " << o.keys
              << " keys; " << o.frames / 25.0 << " s of game time from the intro to the departure; "
              << (o.frames - o.repairedAt) / 25.0 << " s after the cables were repaired, with " << o.minutesLeft
              << " of " << o.startMinutes << " minutes (" << o.minutesLeft / 1.75 << " s, " << 100.0f * share
              << " %) left on the countdown\n";
    EXPECT_GE(share, kShareLeft) << pace.who;
  }
}

void Report(const Pace& pace, const Outcome& o) {
  std::cout << "walkthrough, " << pace.who << ": " << WalkthroughLines().size() << " commands, " << o.keys << " keys; "
            << o.frames / 25.0 << " s of game time from the intro to the departure; "
            << (o.frames - o.repairedAt) / 25.0 << " s after the cables were repaired, with " << o.minutesLeft
            << " of " << o.startMinutes << " minutes (" << o.minutesLeft / 1.75 << " s, "
            << 100.0f * o.minutesLeft / o.startMinutes << " %) left on the countdown\n";
}

// A first-timer who reads: Tab on each room text being typed, two seconds on
// every text not read before (the hull's warning, the repaired hull, the full
// cells, each text of the way back), two seconds of thought before each line.
// They too must reach the cabin with a sixth of the countdown left.
TEST(Walkthrough, AReaderWhoHurriesTheTextsKeepsASixthOfTheCountdown) {
  if (!fs::exists(kGameData / "mistnosti.dat")) GTEST_SKIP() << "no game data built";
  Outcome o = PlayTheWalkthrough(kReader);
  ASSERT_TRUE(o.departed) << kReader.who << ": died at " << o.failedAt;
  Report(kReader, o);
  EXPECT_GE(o.minutesLeft, 0.15f * o.startMinutes);
}

// The careful reader lets every text type out and reads it, and does what
// the texts say: a cell use for each of the four cells the power room
// shows, "ano" to the hull's question.  Slower still, they win.
TEST(Walkthrough, ACarefulReaderWins) {
  if (!fs::exists(kGameData / "mistnosti.dat")) GTEST_SKIP() << "no game data built";
  Outcome o = PlayTheWalkthrough(kCarefulReader);
  ASSERT_TRUE(o.departed) << kCarefulReader.who << ": died at " << o.failedAt;
  Report(kCarefulReader, o);
  EXPECT_GT(o.minutesLeft, 0.0f);
}

TEST(Walkthrough, TheReplayModeWinsTheSameSessions) {
  if (!fs::exists(kGameData / "mistnosti.dat")) GTEST_SKIP() << "no game data built";
  for (const Pace& pace : {kKnowsTheWay, kCarefulReader}) {
    std::string script;
    {
      Outcome o = PlayTheWalkthrough(pace);
      ASSERT_TRUE(o.departed) << pace.who << ": " << o.failedAt;
      script = o.script + "key Esc\nwait 1\n";
      // The first session as a script, for anyone who wants to watch it again.
      if (const char* keep = std::getenv("RAKETA_WALKTHROUGH_SCRIPT"); keep && pace.who == kKnowsTheWay.who) {
        std::ofstream(keep) << o.script;
      }
    }

    ScratchDir dir;
    InstallGameData();
    std::istringstream in(script);
    std::ostringstream out, err;
    ReplayResult result = RunReplay(ParseReplayScript(in), nullptr, out, err, {.game = MakeGame});
    EXPECT_EQ(result.exitCode, 0) << pace.who << ": " << err.str();
    EXPECT_TRUE(result.closed) << pace.who;
    EXPECT_NE(out.str().find(" state departure\n"), std::string::npos) << pace.who;
    EXPECT_NE(out.str().find(" phase .zpt\n"), std::string::npos) << pace.who;
    EXPECT_EQ(out.str().find(" state gameover\n"), std::string::npos) << pace.who;
  }
}

TEST(Walkthrough, StoppingAfterTheCableRepairLetsTheRocketFall) {
  if (!fs::exists(kGameData / "mistnosti.dat")) GTEST_SKIP() << "no game data built";
  Rig rig;
  Player player(rig);
  StartTheGame(rig, player);
  for (const std::string& line : WalkthroughLines()) {
    player.WaitForTheText();
    player.TypeLine(line);
    if (rig.w.CablesRepaired) break;
  }
  ASSERT_TRUE(rig.w.CablesRepaired);
  long frames = 0;
  while (!rig.g.GameOver && frames < 10000) {
    rig.Frame();
    ++frames;
  }
  ASSERT_TRUE(rig.g.GameOver);
  rig.Frame();
  EXPECT_EQ(rig.LineUtf8(), "Bohužel raketa se zřítila ze srázu...");
  std::cout << "the rocket falls " << frames / 25.0 << " s after the repair when the player stands still\n";
}

// Players type the accusative: the card's AltName "kartu" takes it, and the
// bulkhead still knows it by its Name and lets the player through.
TEST(Walkthrough, TheCardTakenAsKartuOpensTheBulkhead) {
  if (!fs::exists(kGameData / "mistnosti.dat")) GTEST_SKIP() << "no game data built";
  Rig rig;
  Player player(rig);
  StartTheGame(rig, player);
  auto carriesCard = [&] {
    for (const TItem& i : rig.w.Inventory) {
      if (i.Name.view() == "karta") return true;
    }
    return false;
  };
  for (const char* line : {"jih", "zapad", "prohledej", "vem kartu"}) {
    player.WaitForTheText();
    player.TypeLine(line);
  }
  EXPECT_EQ(rig.LineUtf8(), "OK..vzal jsem...");
  ASSERT_TRUE(carriesCard());
  for (const char* line : {"vychod", "jih", "jih", "jih"}) {
    player.WaitForTheText();
    player.TypeLine(line);
  }
  ASSERT_EQ(rig.w.CurrentRoom, 12);
  const TExit& bulkhead = rig.w.Room(12).Exits[2];
  ASSERT_EQ(bulkhead.KeyName.view(), "karta");
  player.WaitForTheText();
  player.TypeLine("jih");
  EXPECT_EQ(rig.w.CurrentRoom, 16);
  EXPECT_NE(bulkhead.Opened, 0);
  EXPECT_FALSE(carriesCard()) << "a door key is used up in its lock";
}

// The use table knows the snack by its Name; "tatranku" reaches it through
// the AltName, in the console where it lies and once carried.
TEST(Walkthrough, TheSnackUsedAsTatrankuIsEaten) {
  if (!fs::exists(kGameData / "mistnosti.dat")) GTEST_SKIP() << "no game data built";
  const struct {
    const char* how;
    std::vector<const char*> lines;
  } cases[] = {
      {"in the console", {"prohledej", "pouzij tatranku"}},
      {"carried", {"prohledej", "vem tatranku", "použij tatranku"}},
  };
  for (const auto& c : cases) {
    Rig rig;
    Player player(rig);
    StartTheGame(rig, player);
    for (const char* line : c.lines) {
      player.WaitForTheText();
      player.TypeLine(line);
    }
    EXPECT_EQ(rig.LineUtf8(), "Mňam Mňam...") << c.how;
    EXPECT_TRUE(rig.w.Room(1).Fixtures[0].Items[0].Empty()) << c.how;
    for (const TItem& i : rig.w.Inventory) EXPECT_TRUE(i.Empty()) << c.how;
  }
}

}  // namespace
}  // namespace raketa::test
