// The game's keys (services/keys.h) against every way in: the window's SDL
// keys, the page's browser keys and a replay script's names.  A key added to
// the game's table and forgotten by a backend, or a backend key that lands
// on a code the game does not know, shows here.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "presentation/live/key_input.h"
#include "presentation/live/live_boxes.h"
#include "presentation/replay/replay_script.h"
#include "presentation/web/browser_keys.h"
#include "services/command_line.h"
#include "services/keys.h"

namespace raketa {
namespace {

std::set<int> AllGameKeys() {
  std::set<int> codes;
  for (const GameKey& k : kGameKeys) codes.insert(k.code);
  return codes;
}

// A code the key poll may see: a named game key, a letter, a digit or the
// space bar (what the typed keys are polled as).
bool KnownToTheGame(int code) {
  return !KeyNameOf(code).empty() || (code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9') || code == vk::Space;
}

TEST(GameKeys, NamesAndCodesAreOneToOne) {
  std::set<std::string_view> names;
  std::set<int> codes;
  for (const GameKey& k : kGameKeys) {
    EXPECT_TRUE(names.insert(k.name).second) << k.name << " twice";
    EXPECT_TRUE(codes.insert(k.code).second) << k.name << "'s code twice";
    EXPECT_EQ(KeyCodeOf(k.name), k.code) << k.name;
    EXPECT_EQ(KeyNameOf(k.code), k.name) << k.name;
    EXPECT_EQ(ReplayKeyCode(std::string(k.name)), k.code) << "a replay names " << k.name << " as the table does";
  }
  for (const char* unknown : {"", "F11", "F13", "enter", "Escape", "ArrowUp", "F01", "A"})
    EXPECT_EQ(KeyCodeOf(unknown), 0) << unknown;
}

TEST(GameKeys, EveryWindowKeyLandsOnAGameKeyAndEveryGameKeyHasOne) {
  std::set<int> reached;
  for (SDL_Keycode sym = 0; sym < 128; ++sym) {
    const int code = VirtualKey(sym);
    if (code == 0) continue;
    EXPECT_TRUE(KnownToTheGame(code)) << "SDL key " << sym << " gives " << code;
    reached.insert(code);
  }
  for (SDL_Keycode sym : {SDLK_KP_ENTER, SDLK_HOME, SDLK_END, SDLK_LEFT, SDLK_RIGHT, SDLK_UP, SDLK_DOWN, SDLK_PAGEUP,
                          SDLK_PAGEDOWN, SDLK_INSERT, SDLK_F1, SDLK_F2, SDLK_F3, SDLK_F4, SDLK_F5, SDLK_F6, SDLK_F7,
                          SDLK_F8, SDLK_F9, SDLK_F10, SDLK_F12}) {
    const int code = VirtualKey(sym);
    if (code == 0) continue;
    EXPECT_TRUE(KnownToTheGame(code)) << "SDL key " << sym << " gives " << code;
    reached.insert(code);
  }
  // F11 is the window's own key: it reaches the poll, which never asks.
  EXPECT_EQ(VirtualKey(SDLK_F11), vk::F10 + 1);
  for (int code : AllGameKeys()) EXPECT_TRUE(reached.count(code)) << KeyNameOf(code) << " has no key in the window";
}

TEST(GameKeys, EveryPageKeyLandsOnAGameKeyAndEveryGameKeyHasOne) {
  std::set<int> reached;
  for (const char* key : {"Enter", "Escape", "Backspace", "Tab", "End", "Home", "ArrowLeft", "ArrowUp", "ArrowRight",
                          "ArrowDown", "Delete", "PageUp", "PageDown", "Insert", "F1", "F2", "F3", "F4", "F5", "F6",
                          "F7", "F8", "F9", "F10", "F11", "F12"}) {
    const int code = ReadKeyDown({key, key}).vk;
    EXPECT_EQ(VirtualKeyOf(key, key), code) << key << " is let go as it was pressed";
    if (code == 0) continue;
    EXPECT_TRUE(KnownToTheGame(code)) << key << " gives " << code;
    reached.insert(code);
  }
  // The browser keeps F12: Ctrl+L reads the line aloud instead.
  reached.insert(ReadKeyDown({"l", "KeyL", true, false, false}).vk);
  for (int code : AllGameKeys()) EXPECT_TRUE(reached.count(code)) << KeyNameOf(code) << " has no key in the page";
}

// A dialog hears the same key alike in the window and in the page.
TEST(GameKeys, ABoxHearsTheSameKeyInTheWindowAndThePage) {
  struct Case {
    SDL_Keycode sym;
    const char* browser;
    BoxKey box;
  };
  const Case cases[] = {
      {SDLK_RETURN, "Enter", BoxKey::Enter},     {SDLK_ESCAPE, "Escape", BoxKey::Escape},
      {SDLK_UP, "ArrowUp", BoxKey::Up},          {SDLK_DOWN, "ArrowDown", BoxKey::Down},
      {SDLK_PAGEUP, "PageUp", BoxKey::PageUp},   {SDLK_PAGEDOWN, "PageDown", BoxKey::PageDown},
      {SDLK_HOME, "Home", BoxKey::Home},         {SDLK_END, "End", BoxKey::End},
      {SDLK_TAB, "Tab", BoxKey::Tab},            {SDLK_BACKSPACE, "Backspace", BoxKey::Backspace},
      {SDLK_LEFT, "ArrowLeft", BoxKey::Other},   {SDLK_DELETE, "Delete", BoxKey::Other},
      {SDLK_F2, "F2", BoxKey::Other},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BoxKeyOf(c.sym), c.box) << c.browser << " in the window";
    EXPECT_EQ(ReadKeyDown({c.browser, c.browser}).box, c.box) << c.browser << " in the page";
  }
  EXPECT_EQ(BoxKeyOf(SDLK_KP_ENTER), BoxKey::Enter);
}

// The same key edits the line the same way in the window, the page and a
// replay: all three hand the game key to the line.
TEST(GameKeys, TheEditingKeysEditTheLine) {
  struct Case {
    int key;
    const char* text;
    std::size_t caret;
  };
  const Case cases[] = {
      {vk::Left, "abc", 1}, {vk::Right, "abc", 3}, {vk::Home, "abc", 0},  {vk::End, "abc", 3},
      {vk::Backspace, "ac", 1}, {vk::Delete, "ab", 2}, {vk::Up, "abc", 2}, {vk::F5, "abc", 2},
  };
  for (const Case& c : cases) {
    CommandLine line;
    line.SetText("abc");
    line.CaretLeft();
    line.EditWithKey(c.key);
    EXPECT_EQ(line.GetText(), c.text) << KeyNameOf(c.key);
    EXPECT_EQ(line.Caret(), c.caret) << KeyNameOf(c.key);
  }
  for (const GameKey& k : kGameKeys) {
    std::string heard;
    CommandLine line;
    line.OnKeyPress = [&](char c) { heard += c; };
    line.EditWithKey(k.code);
    const std::string expected = k.code == vk::Enter ? "\r" : k.code == vk::Esc ? "\x1b" : k.code == vk::Backspace ? "\b" : "";
    EXPECT_EQ(heard, expected) << k.name << ": the line passes on only Enter, Esc and Backspace";
  }
}

}  // namespace
}  // namespace raketa
