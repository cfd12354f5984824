// Game paths on the host: code page 1250 with backslashes becomes UTF-8
// with '/', and a relative path lands inside the folder it belongs to.
#include <gtest/gtest.h>

#include "services/cp1250.h"
#include "world/files.h"

namespace raketa {
namespace {

TEST(HostPath, RelativePathsLandInTheirFolder) {
  struct Case {
    std::string game, folder, host;
  };
  const Case cases[] = {
      {"texty\\m1.dat", "", "texty/m1.dat"},
      {"texty\\m1.dat", "/usr/share/raketa", "/usr/share/raketa/texty/m1.dat"},
      {"a.sav", "/home/jana/.local/share/raketa/", "/home/jana/.local/share/raketa/a.sav"},
      {"/tmp/hra.sav", "/home/jana/.local/share/raketa", "/tmp/hra.sav"},
      {"\\tmp\\hra.sav", "/data", "/tmp/hra.sav"},
      // A host folder in UTF-8 stays as it is; only the game's part is converted.
      {W("uložená hra.sav"), "/home/jiří/hry", "/home/jiří/hry/uložená hra.sav"},
      // No name stays no name, so the file operation can refuse it.
      {"", "/data", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Cp1250ToUtf8(c.game) + " in " + c.folder);
    EXPECT_EQ(HostPath(c.game, c.folder), c.host);
  }
}

TEST(HostPath, ShownPathsAreTheGamesText) {
  EXPECT_EQ(ShownPath("/home/jiří/hry/a.sav"), W("/home/jiří/hry/a.sav"));
  // A letter the game cannot show becomes '?', only in the message.
  EXPECT_EQ(ShownPath("/home/дима/a.sav"), "/home/" + std::string(4, '?') + "/a.sav");
}

}  // namespace
}  // namespace raketa
