// The command line: every option in any order, and what is refused.
#include <gtest/gtest.h>

#include "app/command_options.h"

namespace raketa {
namespace {

struct Case {
  std::vector<std::string> args;
  bool help, version, windowed;
  std::string replay, data;
};

TEST(CommandOptions, OptionsInAnyOrder) {
  const Case cases[] = {
      {{}, false, false, false, "", ""},
      {{"--window"}, false, false, true, "", ""},
      {{"--help"}, true, false, false, "", ""},
      {{"-h"}, true, false, false, "", ""},
      {{"--version"}, false, true, false, "", ""},
      {{"--window", "--replay", "x.replay"}, false, false, true, "x.replay", ""},
      {{"--replay", "x.replay", "--window"}, false, false, true, "x.replay", ""},
      {{"--data", "/opt/hra", "--replay", "s"}, false, false, false, "s", "/opt/hra"},
      {{"--replay", "s", "--data", "d", "--window"}, false, false, true, "s", "d"},
      // A script named like an option is still the script.
      {{"--replay", "--window"}, false, false, false, "--window", ""},
      {{"--data", "a", "--data", "b"}, false, false, false, "", "b"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    const CommandOptions o = ParseCommandLine(c.args);
    EXPECT_EQ(o.error, "");
    EXPECT_EQ(o.help, c.help);
    EXPECT_EQ(o.version, c.version);
    EXPECT_EQ(o.windowed, c.windowed);
    EXPECT_EQ(o.replay, c.replay);
    EXPECT_EQ(o.data, c.data);
  }
}

// --speak sits beside the others anywhere, the replay included.
TEST(CommandOptions, SpeakGoesWithAnyOtherOption) {
  const struct {
    std::vector<std::string> args;
    bool speak;
    std::string replay;
  } cases[] = {
      {{"--speak"}, true, ""},
      {{"--window", "--speak"}, true, ""},
      {{"--speak", "--replay", "x.replay"}, true, "x.replay"},
      {{"--replay", "x.replay", "--speak"}, true, "x.replay"},
      {{"--replay", "--speak"}, false, "--speak"},  // the script's name, not the switch
      {{"--window"}, false, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    const CommandOptions o = ParseCommandLine(c.args);
    EXPECT_EQ(o.error, "");
    EXPECT_EQ(o.speak, c.speak);
    EXPECT_EQ(o.replay, c.replay);
  }
}

TEST(CommandOptions, RefusedLinesSayWhy) {
  const struct {
    std::vector<std::string> args;
    const char* error;
  } cases[] = {
      {{"--bogus"}, "neznámá volba --bogus"},
      {{"--window", "hra.sav"}, "neznámá volba hra.sav"},
      {{"--replay"}, "--replay potřebuje soubor se skriptem"},
      {{"--window", "--data"}, "--data potřebuje složku s daty"},
      {{"--data", ""}, "--data potřebuje složku s daty"},
      // An unknown option is refused even beside --help.
      {{"--help", "-x"}, "neznámá volba -x"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.args));
    EXPECT_EQ(ParseCommandLine(c.args).error, c.error);
  }
}

}  // namespace
}  // namespace raketa
