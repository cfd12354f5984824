// How a frame's sentences reach the voice: what yields to the player, what
// goes first, what is dropped as a repeat, and that nothing is said with
// speech off.
#include <gtest/gtest.h>

#include "support/rig.h"
#include "world/speaking.h"

namespace raketa::test {
namespace {

// Every call as one line: "yield", "say TEXT", "text TEXT" (yields),
// "first TEXT", "now TEXT".
class HeardSpeech : public Speech {
 public:
  void Say(const std::string& utf8, Place place, bool yields) override {
    heard.push_back(std::string(place == Place::First ? "first " : yields ? "text " : "say ") + utf8);
  }
  void Yield() override { heard.push_back("yield"); }
  void Interrupt(const std::string& utf8) override { heard.push_back("now " + utf8); }
  bool Speaking() override { return speaking; }
  void Switched(bool on) override { switched.push_back(on); }
  std::vector<std::string> heard;
  std::vector<bool> switched;
  bool speaking = false;
};

using Heard = std::vector<std::string>;

class SpeechHandOver : public ::testing::Test {
 protected:
  SpeechHandOver() {
    rig.services.speech = &voice;
    rig.StartPlay();
    rig.g.SpeechOn = true;
  }
  // One frame's worth of asking, handed over at its end.
  template <typename Asks>
  Heard Frame(Asks asks) {
    voice.heard.clear();
    SpeechFrame(rig.g);
    asks(rig.g);
    EndSpeechFrame(rig.g);
    return voice.heard;
  }
  Rig rig;
  HeardSpeech voice;
};

TEST_F(SpeechHandOver, AnyKeyEndsTheRoomTextAndTheAnswerFollowsAtOnce) {
  // The contents panel read with the room text gives way as the text does.
  EXPECT_EQ(Frame([](Game& g) {
              g.Spoken.textThisFrame = true;
              SayRoomContents(g);
            }),
            (Heard{"text V místnosti se nachází: nic."}));
  // F9 (or any key the key poll saw) yields before the frame asks anything.
  rig.keys.Press(vk::F9);
  rig.keys.Release(vk::F9);
  EXPECT_EQ(Frame([](Game& g) { SayState(g); }),
            (Heard{"yield", "first Zdraví 100 procent, sytost 100 procent, články 50 procent, palivo 50 procent, "
                            "kyslík ve skafandru 100 procent. S sebou neseš: nic."}));
  // A typed character does it too.
  PlayerTyped(rig.g);
  EXPECT_EQ(Frame([](Game& g) { SayAnswer(g, "nechapu"); }), (Heard{"yield", "first nechapu"}));
}

TEST_F(SpeechHandOver, TextsWrittenOnEveryFrameAreSaidOnce) {
  auto pause = [](Game& g) { SayAnswer(g, W("PAUSE  ESC=POKRAČUJ")); };
  EXPECT_EQ(Frame(pause), (Heard{"first pauza escape pokračuj"}));
  EXPECT_TRUE(Frame(pause).empty());
  EXPECT_TRUE(Frame(pause).empty());
  // After a frame without it, the same answer is news again.
  Frame([](Game&) {});
  EXPECT_EQ(Frame(pause).size(), 1u);
  // Asked for by the player, it is said every time.
  auto state = [](Game& g) { SayAsked(g, "stav"); };
  EXPECT_EQ(Frame(state).size(), 1u);
  EXPECT_EQ(Frame(state).size(), 1u);
}

TEST_F(SpeechHandOver, AnAnswerReplacedInItsFrameIsNotSaid) {
  EXPECT_EQ(Frame([](Game& g) {
              SayAnswer(g, "raketa se zritila");
              SayAnswer(g, "jsi mrtvy");
              Say(g, "F1 nova hra");
            }),
            (Heard{"first jsi mrtvy", "say F1 nova hra"}));
}

TEST_F(SpeechHandOver, TheEndOfAGameEndsTheRoomTextAndGoesFirst) {
  Frame([](Game& g) { SayRoomContents(g); });
  EXPECT_EQ(Frame([](Game& g) {
              g.GameOver = true;
              SayAnswer(g, "jsi mrtvy");
            }),
            (Heard{"yield", "first jsi mrtvy"}));
  // Still over on the next frames: its lines go first, with no more yield.
  EXPECT_EQ(Frame([](Game& g) { Say(g, "dalsi"); }), (Heard{"first dalsi"}));
}

TEST_F(SpeechHandOver, TheAlarmGoesFirstOnceTheCountdownRuns) {
  EXPECT_EQ(Frame([](Game& g) {
              SayAnswer(g, W("Ok..článek vyměněn "));
              g.World.CablesRepaired = 1;
              g.World.MinutesLeft = 61.6f;
            }),
            (Heard{"first okej, článek vyměněn", "first Sakra, raketa se pohnula! Zbývá 62 minut, rychle do kabiny!"}));
  EXPECT_TRUE(Frame([](Game&) {}).empty());
}

TEST_F(SpeechHandOver, SpeechOffSaysNothingAndTheSwitchIsRemembered) {
  SwitchSpeech(rig.g);  // off: the last words, cutting off the rest
  EndSpeechFrame(rig.g);
  EXPECT_EQ(voice.heard, (Heard{"now Řeč vypnuta."}));
  EXPECT_TRUE(Frame([](Game& g) {
                SayAnswer(g, "nechápu");
                SayAtOnce(g, "mistnost");
                SayRoomContents(g);
                SayState(g);
              }).empty());
  voice.heard.clear();
  SwitchSpeech(rig.g);
  EndSpeechFrame(rig.g);
  EXPECT_EQ(voice.heard, (Heard{"first Řeč zapnuta."}));
  EXPECT_EQ(voice.switched, (std::vector<bool>{false, true}));
}

// The web page shows every sentence as text, for a screen reader too,
// whether its voice speaks or not.
class ShowingSpeech : public HeardSpeech {
 public:
  bool ShowsText() const override { return true; }
  void Shown(const std::string& utf8) override { shown.push_back(utf8); }
  std::vector<std::string> shown;
};

TEST(SpeechShownAsText, EverySentenceIsShownTheVoiceSaysOnlyWhatItIsOnFor) {
  Rig rig;
  ShowingSpeech page;
  rig.services.speech = &page;
  rig.StartPlay();
  rig.g.SpeechOn = false;
  auto frame = [&](auto asks) {
    page.heard.clear();
    page.shown.clear();
    SpeechFrame(rig.g);
    asks(rig.g);
    EndSpeechFrame(rig.g);
  };
  // Off: shown with the same rules (a replaced answer dropped, a repeat
  // once), never said.
  frame([](Game& g) {
    SayAtOnce(g, "mistnost");
    SayAnswer(g, "raketa se zritila");
    SayAnswer(g, "jsi mrtvy");
    SayInventory(g);
  });
  EXPECT_TRUE(page.heard.empty());
  EXPECT_EQ(page.shown, (std::vector<std::string>{"mistnost", "jsi mrtvy", "S sebou neseš: nic."}));
  frame([](Game& g) { SayAnswer(g, "jsi mrtvy"); });
  EXPECT_TRUE(page.shown.empty());
  // Switched on: said and shown alike; switched off: the last words are
  // said, what follows only shown.
  frame([](Game& g) {
    SwitchSpeech(g);
    Say(g, "dalsi");
  });
  EXPECT_EQ(page.heard, (Heard{"first Řeč zapnuta.", "say dalsi"}));
  EXPECT_EQ(page.shown, (std::vector<std::string>{"Řeč zapnuta.", "dalsi"}));
  frame([](Game& g) {
    SwitchSpeech(g);
    Say(g, "potichu");
  });
  EXPECT_EQ(page.heard, (Heard{"now Řeč vypnuta."}));
  EXPECT_EQ(page.shown, (std::vector<std::string>{"Řeč vypnuta.", "potichu"}));
}

}  // namespace
}  // namespace raketa::test
