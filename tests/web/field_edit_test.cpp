// What the player does in the phone's text field reaches the command line
// as the same keys a keyboard would press, and an open box hears it too.
#include "presentation/web/field_edit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace raketa {
namespace {

struct EditCase {
  const char* line;  // code page 1250
  FieldEdit edit;
  const char* after;
  std::size_t caret;
  const char* why;
};

TEST(FieldEdit, TheFieldsEditIsMadeOnTheLine) {
  const EditCase cases[] = {
      {"", {0, 0, "prohledej m\xC3\xADstnost"}, "prohledej m\xEDstnost", 18, "a phone keyboard commits a whole word"},
      {"sever", {5, 0, " "}, "sever ", 6, "typed at the end"},
      {"mistnost", {1, 1, "\xC3\xAD"}, "m\xEDstnost", 2, "a letter replaced by its accented form"},
      {"jih", {2, 1, ""}, "ji", 2, "Backspace at the end"},
      {"vychod", {0, 2, ""}, "chod", 0, "two removed at the start"},
      {"sever", {0, 5, "jih"}, "jih", 3, "the whole line replaced"},
      {"", {0, 0, "VEZMI"}, "vezmi", 5, "capitals are lower-cased as typed"},
      {"", {0, 0, "a\xE2\x82\xAC\xF0\x9F\x9A\x80" "b"}, "a\x80" "b", 3, "the euro sign types, a rocket emoji has no place"},
      {"abc", {9, 4, "x"}, "abcx", 4, "an edit past the end types at the end"},
      {"abc", {1, 7, "x"}, "ax", 2, "more removed than there is: up to the end"},
  };
  for (const EditCase& c : cases) {
    CommandLine line;
    line.SetText(c.line);
    EditLine(line, c.edit);
    EXPECT_EQ(line.GetText(), c.after) << c.why;
    EXPECT_EQ(line.Caret(), c.caret) << c.why;
  }
}

TEST(FieldEdit, EveryRemovedAndTypedCharacterIsAKeyPressSoAnAnswerGoesAtTheFirst) {
  CommandLine line;
  line.SetText("nech\xE1pu co m\xE1m d\xECl" "at ...");
  bool clearOnKey = true;  // as the game sets it after an answer
  std::vector<char> raised;
  line.OnKeyPress = [&](char k) {
    raised.push_back(k);
    if (clearOnKey) {
      line.SetText("");
      clearOnKey = false;
    }
  };
  // The player typed "s" after the answer the field showed.
  EditLine(line, {24, 0, "s"});
  EXPECT_EQ(line.GetText(), "s");
  EXPECT_EQ(raised, (std::vector<char>{'s'}));
  raised.clear();
  EditLine(line, {0, 1, "j"});
  EXPECT_EQ(line.GetText(), "j");
  EXPECT_EQ(raised, (std::vector<char>{'\b', 'j'}));
}

TEST(FieldEdit, AnOpenBoxHearsBackspacesThenTheText) {
  FieldEdit edit{3, 2, "\xC5\xAF"};  // ů
  std::vector<BoxEvent> heard;
  while (std::optional<BoxEvent> e = NextBoxEvent(edit)) heard.push_back(*e);
  ASSERT_EQ(heard.size(), 3u);
  EXPECT_EQ(heard[0].kind, BoxEvent::Kind::Key);
  EXPECT_EQ(heard[0].key, BoxKey::Backspace);
  EXPECT_EQ(heard[1].key, BoxKey::Backspace);
  EXPECT_EQ(heard[2].kind, BoxEvent::Kind::Text);
  EXPECT_EQ(heard[2].text, "\xC5\xAF");
  FieldEdit nothing{0, 0, ""};
  EXPECT_FALSE(NextBoxEvent(nothing).has_value());
}

}  // namespace
}  // namespace raketa
