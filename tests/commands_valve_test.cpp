// The fuel valve in room 27.  Its answers are heard even with sound off.
#include <functional>

#include "commands_test_kit.h"

namespace raketa::test {
namespace {

struct ValveCase {
  const char* name;
  const char* line;
  int room;
  bool closedBefore;
  bool handled;
  const char* answer;
  std::vector<std::string> sounds;
  bool closedAfter;
};

void PrintTo(const ValveCase& c, std::ostream* os) { *os << c.name; }

const std::vector<ValveCase>& Cases() {
  static const std::vector<ValveCase> cases = {
      {"close in room 27", "zastav ventil", 27, false, true, "Ok ventil zavřený...",
       {"play ventil", "stop unik paliva"}, true},
      {"close elsewhere", "zastav ventil", 5, false, true, "Tu se nedá nic zavřít...", {"play chyba"}, false},
      {"close when closed, in room 27", "zastav ventil", 27, true, true, "ventil už je zavřený !!", {"play chyba"},
       true},
      {"close when closed, elsewhere", "zastav ventil", 5, true, true, "ventil už je zavřený !!", {"play chyba"},
       true},
      {"open in room 27", "otevri ventil", 27, true, true, "Ok ventil otevřený...", {"play ventil"}, false},
      {"open elsewhere", "otevri ventil", 7, true, true, "Tu se nedá nic otevřít...", {"play chyba"}, true},
      {"open when open, in room 27", "otevri ventil", 27, false, true, "Ventil už je otevřený !!", {"play chyba"},
       false},
      {"open when open, elsewhere", "otevri ventil", 5, false, true, "Ventil už je otevřený !!", {"play chyba"},
       false},
      {"a trailing blank is no valve command", "zastav ventil ", 27, false, false, "zastav ventil ", {}, false},
      {"the accented verb is no valve command", "otevři ventil", 27, true, false, "otevři ventil", {}, true},
  };
  return cases;
}

class ValveTable : public ::testing::TestWithParam<std::tuple<ValveCase, bool>> {};

TEST_P(ValveTable, AnswerCueAndValve) {
  const auto& [c, soundOn] = GetParam();
  CommandRig rig(c.room);
  rig.g.SoundOn = soundOn;
  rig.w.ValveClosed = c.closedBefore ? 1 : 0;
  TWorld expected = rig.w;
  expected.ValveClosed = c.closedAfter ? 1 : 0;

  rig.Run(c.line, ValveAndUseCommand);

  EXPECT_EQ(rig.g.CommandHandled, c.handled);
  EXPECT_EQ(rig.LineUtf8(), c.answer);
  // The same cues whether sound is on or off.
  EXPECT_EQ(Sounds(rig), c.sounds);
  EXPECT_TRUE(SameWorld(expected, rig.w));
  EXPECT_TRUE(Panels(rig).empty());
}

INSTANTIATE_TEST_SUITE_P(Valve, ValveTable, ::testing::Combine(::testing::ValuesIn(Cases()), ::testing::Bool()),
                         [](const auto& info) {
                           return CaseName(std::get<0>(info.param).name) +
                                  (std::get<1>(info.param) ? "_sound_on" : "_sound_off");
                         });

}  // namespace
}  // namespace raketa::test
