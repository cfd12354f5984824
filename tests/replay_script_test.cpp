// One script line at a time: what it becomes, or the error it earns.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>

#include "presentation/replay/replay_script.h"

namespace raketa::test {
namespace {

using K = ReplayDirective::Kind;

struct LineCase {
  std::string line;
  K kind = K::Wait;
  long count = 0;
  int key = 0;
  std::string text;
  bool flag = false;
  std::string error;  // non-empty: the line must be refused with this message
};

LineCase Is(std::string line, K kind, long count = 0, int key = 0, std::string text = "", bool flag = false) {
  LineCase c;
  c.line = std::move(line);
  c.kind = kind;
  c.count = count;
  c.key = key;
  c.text = std::move(text);
  c.flag = flag;
  return c;
}

LineCase Err(std::string line, std::string error) {
  LineCase c;
  c.line = std::move(line);
  c.error = std::move(error);
  return c;
}

TEST(ReplayScriptLine, EachLineBecomesItsDirectiveOrANamedError) {
  const LineCase cases[] = {
      Is("wait 0", K::Wait, 0),
      Is("wait 25", K::Wait, 25),
      Is("wait\t7", K::Wait, 7),
      Is("  wait 3  ", K::Wait, 3),
      Is("\twait 3\r", K::Wait, 3),
      Is("wait 1000000", K::Wait, 1000000),
      Err("wait 1000001", "line 1: wait of more than 1000000 frames"),
      Err("wait 99999999999999999999999", "line 1: wait of more than 1000000 frames"),
      Err("wait", "line 1: wait needs a number of frames"),
      Err("wait -1", "line 1: wait needs a number of frames"),
      Err("wait -99999999999999999999999", "line 1: wait needs a number of frames"),
      Err("wait 5x", "line 1: wait needs a number of frames"),
      Err("wait 5 6", "line 1: wait needs a number of frames"),
      Err("wait +5", "line 1: wait needs a number of frames"),
      Is("type jdi sever", K::Type, 0, 0, "jdi sever"),
      Is("type  dva  mezery ", K::Type, 0, 0, " dva  mezery "),
      Is("   type vezmi lano", K::Type, 0, 0, "vezmi lano"),
      Is("\ttype\tpoužij klíč", K::Type, 0, 0, "použij klíč"),
      Is("type # není komentář", K::Type, 0, 0, "# není komentář"),
      Is("type", K::Type, 0, 0, ""),
      Is("  type  ", K::Type, 0, 0, " "),
      Err("typex", "line 1: unknown directive 'typex'"),
      Is("key Enter", K::Key, 0, 13),
      Is("key\tF10", K::Key, 0, 121),
      Is(" hold Up", K::Hold, 0, 38),
      Is("release\t Delete", K::Release, 0, 46),
      Err("key", "line 1: unknown key ''"),
      Err("key F11", "line 1: unknown key 'F11'"),
      Err("key enter", "line 1: unknown key 'enter'"),
      Is("dialog hra.sav", K::Dialog, 0, 0, "hra.sav"),
      Is("dialog\tmoje hra.sav", K::Dialog, 0, 0, "moje hra.sav"),
      Is("dialog cancel", K::Dialog, 0, 0, "", true),
      Err("dialog", "line 1: dialog needs a path or cancel"),
      Is("focus on", K::Focus, 0, 0, "", true),
      Is("focus\toff", K::Focus, 0, 0, "", false),
      Err("focus maybe", "line 1: focus takes on or off"),
      Is("screenshot a.png", K::Screenshot, 0, 0, "a.png"),
      Is("  dump\tsvet.bin", K::Dump, 0, 0, "svet.bin"),
      Err("dump", "line 1: dump needs a file name"),
      Err("jump 3", "line 1: unknown directive 'jump'"),
  };
  for (const LineCase& c : cases) {
    SCOPED_TRACE("line: \"" + c.line + "\"");
    std::istringstream in(c.line + "\n");
    if (!c.error.empty()) {
      try {
        ParseReplayScript(in);
        ADD_FAILURE() << "accepted";
      } catch (const ReplayScriptError& e) {
        EXPECT_EQ(std::string(e.what()), c.error);
      }
      continue;
    }
    const auto parsed = ParseReplayScript(in);
    ASSERT_EQ(parsed.size(), 1u);
    const ReplayDirective& d = parsed[0];
    EXPECT_EQ(d.kind, c.kind);
    EXPECT_EQ(d.line, 1);
    EXPECT_EQ(d.count, c.count);
    EXPECT_EQ(d.key, c.key);
    EXPECT_EQ(d.text, c.text);
    EXPECT_EQ(d.flag, c.flag);
  }
}

TEST(ReplayScriptLine, CommentsAndBlankLinesKeepTheLineNumbers) {
  std::istringstream in("# start\n\n  # indented comment\n\t\nwait 2\r\n   \nkey F1\nwait x\n");
  try {
    ParseReplayScript(in);
    ADD_FAILURE() << "accepted";
  } catch (const ReplayScriptError& e) {
    EXPECT_EQ(std::string(e.what()), "line 8: wait needs a number of frames");
  }
  std::istringstream good("# start\n\n  # indented comment\n\t\nwait 2\r\n   \nkey F1");
  const auto parsed = ParseReplayScript(good);
  ASSERT_EQ(parsed.size(), 2u);
  EXPECT_EQ(parsed[0].line, 5);
  EXPECT_EQ(parsed[0].count, 2);
  EXPECT_EQ(parsed[1].line, 7);
  EXPECT_EQ(parsed[1].key, 112);
}

}  // namespace
}  // namespace raketa::test
