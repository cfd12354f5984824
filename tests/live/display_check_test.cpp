// The live game refuses to run where nobody can see it.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

#include "presentation/live/display_check.h"

namespace raketa {
namespace {

TEST(DisplayCheck, NeedsADesktopUnlessTheDriverWasChosen) {
  struct Case {
    const char* display;
    const char* wayland;
    const char* socket;
    const char* requested;
    bool refused;
  };
  const Case cases[] = {
      {nullptr, nullptr, nullptr, nullptr, true},  // nothing at all
      {"", "", "", "", true},                      // set but empty is no display either
      {":0", nullptr, nullptr, nullptr, false},
      {nullptr, "wayland-0", nullptr, nullptr, false},
      {nullptr, nullptr, "5", nullptr, false},
      {nullptr, nullptr, nullptr, "kmsdrm", false},  // a console, by the player's choice
      {nullptr, nullptr, nullptr, "dummy", false},
  };
  for (const Case& c : cases) {
    const std::string why = MissingDisplay(c.display, c.wayland, c.socket, c.requested);
    EXPECT_EQ(!why.empty(), c.refused) << (c.display ? c.display : "-") << " " << (c.requested ? c.requested : "-");
    if (c.refused) {
      EXPECT_NE(why.find("display"), std::string::npos) << why;
    }
  }
}

TEST(DisplayCheck, RefusesDriversThatShowNothingUnlessAskedFor) {
  struct Case {
    const char* chosen;
    const char* requested;
    bool refused;
  };
  const Case cases[] = {
      {"x11", nullptr, false},
      {"wayland", "wayland", false},
      {"offscreen", nullptr, true},  // what SDL falls back to with no desktop
      {"dummy", nullptr, true},
      {"dummy", "dummy", false},
      {"dummy", "x11,dummy", false},
      {"offscreen", "x11,dummy", true},  // asked for another one
      {"offscreen", "offscreenx", true},
      {nullptr, nullptr, true},
  };
  for (const Case& c : cases) {
    const std::string why = InvisibleDriver(c.chosen, c.requested);
    EXPECT_EQ(!why.empty(), c.refused) << (c.chosen ? c.chosen : "-") << " / " << (c.requested ? c.requested : "-");
  }
}

// The real program, started with no desktop: one line naming the display and
// a failing exit, long before the guard's timeout would stop a hung game.
TEST(DisplayCheck, TheGameWithoutADisplayEndsAtOnce) {
  const std::string command = std::string("cd '") + RAKETA_BINARY_DIR +
                              "/gamedata' && env -u DISPLAY -u WAYLAND_DISPLAY -u WAYLAND_SOCKET -u SDL_VIDEODRIVER "
                              "timeout -s KILL 10 '" + RAKETA_BINARY_DIR + "/raketa' 2>&1; echo \"exit=$?\"";
  FILE* p = ::popen(command.c_str(), "r");
  ASSERT_NE(p, nullptr);
  std::string out;
  std::array<char, 256> buf{};
  while (std::fgets(buf.data(), buf.size(), p)) out += buf.data();
  ::pclose(p);
  EXPECT_EQ(out, "raketa: cannot open a display: neither DISPLAY nor WAYLAND_DISPLAY is set\nexit=1\n");
}

}  // namespace
}  // namespace raketa
