// How a frame's sentences reach the voice: what cuts off what, what is
// dropped as a repeat, and that nothing is said with speech off.
#include <gtest/gtest.h>

#include "support/rig.h"
#include "world/speaking.h"

namespace raketa::test {
namespace {

struct Heard {
  bool cutOff;
  std::string text;
  bool operator==(const Heard&) const = default;
};

void PrintTo(const Heard& h, std::ostream* os) { *os << (h.cutOff ? "cut+" : "") << h.text; }

class HeardSpeech : public Speech {
 public:
  void Say(const std::string& utf8) override { heard.push_back({false, utf8}); }
  void Interrupt(const std::string& utf8) override { heard.push_back({true, utf8}); }
  void Switched(bool on) override { switched.push_back(on); }
  std::vector<Heard> heard;
  std::vector<bool> switched;
};

class SpeechHandOver : public ::testing::Test {
 protected:
  SpeechHandOver() {
    rig.services.speech = &voice;
    rig.StartPlay();
    rig.g.SpeechOn = true;
  }
  // One frame's worth of asking, handed over at its end.
  template <typename Asks>
  std::vector<Heard> Frame(Asks asks) {
    voice.heard.clear();
    SpeechFrame(rig.g);
    asks(rig.g);
    EndSpeechFrame(rig.g);
    return voice.heard;
  }
  Rig rig;
  HeardSpeech voice;
};

TEST_F(SpeechHandOver, ARoomTextCutsOffEarlierFramesButNotItsOwnFrame) {
  EXPECT_EQ(Frame([](Game& g) { Say(g, "dlouha veta"); }), (std::vector<Heard>{{false, "dlouha veta"}}));
  // The answer of the command that changed the room comes first and is not
  // cut off by the room's new text.
  EXPECT_EQ(Frame([](Game& g) {
              SayAnswer(g, "opraveno");
              SayAtOnce(g, "nova mistnost");
              Say(g, "panel");
            }),
            (std::vector<Heard>{{true, "opraveno"}, {false, "nova mistnost"}, {false, "panel"}}));
}

TEST_F(SpeechHandOver, TextsWrittenOnEveryFrameAreSaidOnce) {
  auto pause = [](Game& g) { SayAnswer(g, W("PAUSE  ESC=POKRAČUJ")); };
  EXPECT_EQ(Frame(pause), (std::vector<Heard>{{false, "pauza escape POKRAČUJ"}}));
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
            (std::vector<Heard>{{false, "jsi mrtvy"}, {false, "F1 nova hra"}}));
}

TEST_F(SpeechHandOver, TheEndOfAGameCutsOffWhatWasBeingSaid) {
  Frame([](Game& g) { Say(g, "dlouhy text mistnosti"); });
  EXPECT_EQ(Frame([](Game& g) {
              g.GameOver = true;
              SayAnswer(g, "jsi mrtvy");
            }),
            (std::vector<Heard>{{true, "jsi mrtvy"}}));
  // Still over on the next frames: nothing more is cut off.
  EXPECT_EQ(Frame([](Game& g) { Say(g, "dalsi"); }), (std::vector<Heard>{{false, "dalsi"}}));
}

TEST_F(SpeechHandOver, SpeechOffSaysNothingAndTheSwitchIsRemembered) {
  SwitchSpeech(rig.g);  // off: the last words, cutting off the rest
  EndSpeechFrame(rig.g);
  EXPECT_EQ(voice.heard, (std::vector<Heard>{{true, "řeč vypnuta"}}));
  EXPECT_TRUE(Frame([](Game& g) {
                SayAnswer(g, "nechápu");
                SayAtOnce(g, "mistnost");
                SayRoomContents(g);
                SayState(g);
              }).empty());
  voice.heard.clear();
  SwitchSpeech(rig.g);
  EndSpeechFrame(rig.g);
  EXPECT_EQ(voice.heard, (std::vector<Heard>{{false, "řeč zapnuta"}}));
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
  EXPECT_EQ(page.shown, (std::vector<std::string>{"mistnost", "jsi mrtvy", "Sebou neseš: nic."}));
  frame([](Game& g) { SayAnswer(g, "jsi mrtvy"); });
  EXPECT_TRUE(page.shown.empty());
  // Switched on: said and shown alike; switched off: the last words are
  // said, what follows only shown.
  frame([](Game& g) {
    SwitchSpeech(g);
    Say(g, "dalsi");
  });
  EXPECT_EQ(page.heard, (std::vector<Heard>{{false, "řeč zapnuta"}, {false, "dalsi"}}));
  EXPECT_EQ(page.shown, (std::vector<std::string>{"řeč zapnuta", "dalsi"}));
  frame([](Game& g) {
    SwitchSpeech(g);
    Say(g, "potichu");
  });
  EXPECT_EQ(page.heard, (std::vector<Heard>{{true, "řeč vypnuta"}}));
  EXPECT_EQ(page.shown, (std::vector<std::string>{"řeč vypnuta", "potichu"}));
}

}  // namespace
}  // namespace raketa::test
