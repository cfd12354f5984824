// A meter's figure is drawn on the panel and said on F9 and in the alarm by
// one rule: what the player hears is what the player sees, an infinite
// meter (a save may hold one) included.
#include <gtest/gtest.h>

#include <cmath>

#include "app/hlavni.h"
#include "services/meters.h"
#include "services/spoken_words.h"
#include "support/rig.h"

namespace raketa::test {
namespace {

class HeardSpeech : public Speech {
 public:
  void Say(const std::string& utf8, Place, bool) override { heard.push_back(utf8); }
  void Yield() override {}
  void Interrupt(const std::string& utf8) override { heard.push_back(utf8); }
  bool Speaking() override { return false; }
  void Switched(bool) override {}
  std::vector<std::string> heard;
};

struct FigureCase {
  float value;
  const char* drawn;    // the panel's figure
  const char* percent;  // said on F9
  const char* minutes;  // said by the alarm
};

const FigureCase kCases[] = {
    {72.5f, "72", "72 procent", "72 minut"},
    {73.5f, "74", "74 procent", "74 minut"},
    {1.2f, "1", "1 procento", "1 minuta"},
    {3.0f, "3", "3 procenta", "3 minuty"},
    {-0.4f, "0", "0 procent", "0 minut"},
    {4e9f, "4000000000", "4000000000 procent", "4000000000 minut"},
    {INFINITY, "inf", "nekonečno procent", "nekonečno minut"},
    {-INFINITY, "-inf", "minus nekonečno procent", "minus nekonečno minut"},
};

class MeterFigures : public ::testing::Test {
 protected:
  MeterFigures() {
    rig.services.speech = &voice;
    rig.StartPlay();
    rig.g.SpeechOn = true;
  }
  // What F9 says between `name ` and the next comma or full stop.
  std::string SaidFor(const std::string& name) {
    voice.heard.clear();
    SpeechFrame(rig.g);
    SayState(rig.g);
    EndSpeechFrame(rig.g);
    for (const std::string& s : voice.heard) {
      const std::size_t at = s.find(name + " ");
      if (at == std::string::npos) continue;
      const std::size_t from = at + name.size() + 1;
      return s.substr(from, s.find_first_of(",.", from) - from);
    }
    return "(not said)";
  }
  Rig rig;
  HeardSpeech voice;
};

TEST_F(MeterFigures, F9SaysTheFigureThePanelDraws) {
  for (const FigureCase& c : kCases) {
    rig.StartPlay();
    rig.w.Health = c.value;
    rig.w.SuitWorn = 1;
    rig.w.SuitOxygen = c.value;
    rig.ClearLogs();
    TickMeterPanel(rig.g);
    const std::vector<std::string> drawn = rig.DrawnTexts();
    ASSERT_EQ(drawn.size(), 5u) << c.value;
    EXPECT_EQ(drawn.front(), std::string(c.drawn) + " %") << c.value;  // health, first on the strip
    EXPECT_EQ(drawn.back(), std::string(c.drawn) + " %") << c.value;   // the suit's oxygen, last
    // Said with the value drawn: the panel tick lifts a negative meter to 0
    // only after drawing it.
    rig.w.Health = c.value;
    rig.w.SuitOxygen = c.value;
    EXPECT_EQ(SaidFor("Zdraví"), c.percent) << c.value;
    EXPECT_EQ(SaidFor("kyslík ve skafandru"), c.percent) << c.value;
    EXPECT_EQ(MeterPercent(c.value), c.percent) << c.value;
  }
}

TEST_F(MeterFigures, TheAlarmSaysTheMinutesTheCountdownLineDraws) {
  for (const FigureCase& c : kCases) {
    rig.StartPlay();
    rig.g.Spoken.alarmSaid = false;
    rig.w.CablesRepaired = 1;
    rig.w.MinutesLeft = c.value;
    rig.ClearLogs();
    TickMeterPanel(rig.g);
    const std::vector<std::string> drawn = rig.DrawnTexts();
    ASSERT_EQ(drawn.size(), 6u) << c.value;
    EXPECT_EQ(drawn[4], std::string("sakra sakra raketa se pohnula nemáš moc času ") + c.drawn) << c.value;
    voice.heard.clear();
    SpeechFrame(rig.g);
    EndSpeechFrame(rig.g);
    ASSERT_FALSE(voice.heard.empty()) << c.value;
    EXPECT_EQ(voice.heard.back(), std::string("Sakra, raketa se pohnula! Zbývá ") + c.minutes + ", rychle do kabiny!")
        << c.value;
    EXPECT_EQ(SaidFor("zbývá"), c.minutes) << c.value;
  }
}

// NaN never loads (the record check refuses it), but the figure is still
// sensible if arithmetic ever made one.
TEST(MeterFigure, NotANumberIsNamedNotCounted) {
  EXPECT_EQ(MeterFigure(NAN), "nan");
  EXPECT_EQ(MeterPercent(NAN), "není číslo");
  EXPECT_EQ(MeterMinutes(NAN), "není číslo");
}

// Halves go to the even neighbour; beyond a long long's reach every single
// is whole and is written out in full.
TEST(MeterFigure, RoundsHalvesToEvenAndWritesLargeValuesWhole) {
  const struct {
    float value;
    const char* figure;
  } cases[] = {{0.5f, "0"}, {1.5f, "2"}, {2.5f, "2"}, {-2.5f, "-2"}, {99.6f, "100"}, {-0.0f, "0"},
               {1e20f, "100000002004087734272"}};
  for (const auto& c : cases) EXPECT_EQ(MeterFigure(c.value), c.figure) << c.value;
}

}  // namespace
}  // namespace raketa::test
