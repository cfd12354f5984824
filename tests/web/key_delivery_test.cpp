// Keys pressed in the page reach the game as the desktop game's keys do, and
// an open box hears only what it can use.
#include "presentation/web/key_delivery.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace raketa {
namespace {

struct Game {
  CommandLine line;
  KeyPoll keys;
  std::vector<char> raised;  // what the command line passed on to the game
  Game() {
    line.OnKeyPress = [this](char k) { raised.push_back(k); };
  }
  void Press(std::string_view key, std::string_view code) { DeliverToGame(ReadKeyDown({key, code}), line, keys); }
};

TEST(KeyDelivery, TypedCzechGoesIntoTheLineInTheGamesCodePage) {
  Game g;
  g.Press("v", "KeyV");
  g.Press("\xC3\xAD", "Digit9");  // í on a Czech keyboard's number row
  g.Press("\xC4\x8D", "Digit4");  // č
  g.Press("\xD0\xB6", "Semicolon");  // ж has no place in code page 1250
  EXPECT_EQ(g.line.GetText(), "v\xED\xE8");
  EXPECT_TRUE(g.keys.IsDown('V'));
  EXPECT_TRUE(g.keys.IsDown('9'));
}

TEST(KeyDelivery, EditingKeysEditTheLineAndReachTheKeyPoll) {
  Game g;
  for (const char* c : {"s", "e", "v", "r"}) g.Press(c, "");
  g.Press("ArrowLeft", "ArrowLeft");
  g.Press("Backspace", "Backspace");  // the v before the caret
  g.Press("Home", "Home");
  g.Press("Delete", "Delete");        // the s after it
  EXPECT_EQ(g.line.GetText(), "er");
  EXPECT_EQ(g.line.Caret(), 0u);
  g.raised.clear();
  g.Press("Enter", "NumpadEnter");
  EXPECT_EQ(g.raised, std::vector<char>{13}) << "Enter is the game's, through the line";
  EXPECT_TRUE(g.keys.KeyDown(13));
  g.Press("F3", "F3");
  EXPECT_TRUE(g.keys.KeyDown(114)) << "the save key reaches the key poll";
  EXPECT_EQ(g.line.GetText(), "er") << "a function key types nothing";
}

TEST(KeyDelivery, AnOpenBoxHearsItsKeysAndTypedCharacters) {
  struct Case {
    std::string_view key, code;
    std::optional<BoxEvent> heard;
    const char* why;
  };
  const Case cases[] = {
      {"Enter", "Enter", BoxEvent::Pressed(BoxKey::Enter), "Enter confirms"},
      {"Escape", "Escape", BoxEvent::Pressed(BoxKey::Escape), "Esc closes"},
      {"Tab", "Tab", BoxEvent::Pressed(BoxKey::Tab), "Tab between list and name"},
      {"PageDown", "PageDown", BoxEvent::Pressed(BoxKey::PageDown), "down the list"},
      {"Backspace", "Backspace", BoxEvent::Pressed(BoxKey::Backspace), "Backspace in the name"},
      {"\xC5\x99", "Digit5", BoxEvent::Typed("\xC5\x99"), "ř typed into the name, UTF-8"},
      {" ", "Space", BoxEvent::Typed(" "), "a blank in the name"},
      {"F5", "F5", std::nullopt, "the game's keys wait"},
      {"ArrowLeft", "ArrowLeft", std::nullopt, "the name has no caret to move"},
  };
  for (const Case& c : cases) {
    const std::optional<BoxEvent> heard = BoxEventOf(ReadKeyDown({c.key, c.code}));
    ASSERT_EQ(heard.has_value(), c.heard.has_value()) << c.why;
    if (!heard) continue;
    EXPECT_EQ(heard->kind, c.heard->kind) << c.why;
    EXPECT_EQ(heard->key, c.heard->key) << c.why;
    EXPECT_EQ(heard->text, c.heard->text) << c.why;
  }
}

}  // namespace
}  // namespace raketa
