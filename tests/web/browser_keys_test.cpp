// Keys pressed in the page: what the game hears of them, and which the
// browser must not act on.
#include "presentation/web/browser_keys.h"

#include <gtest/gtest.h>

#include "services/keys.h"

namespace raketa {
namespace {

struct Case {
  BrowserKeyEvent event;
  int vk;
  LineEdit line;
  BoxKey box;
  PageKey page;
  std::string typed;
  bool keep;
  const char* why;
};

BrowserKeyEvent Plain(std::string_view key, std::string_view code) { return {key, code}; }
BrowserKeyEvent Ctrl(std::string_view key, std::string_view code) { return {key, code, true, false, false}; }
BrowserKeyEvent Alt(std::string_view key, std::string_view code) { return {key, code, false, true, false}; }
BrowserKeyEvent Shift(std::string_view key, std::string_view code) { return {key, code, false, false, false, true}; }
BrowserKeyEvent AltGr(std::string_view key, std::string_view code) { return {key, code, true, true, false}; }

TEST(BrowserKeys, WhatEachKeyMeans) {
  using L = LineEdit;
  using B = BoxKey;
  using P = PageKey;
  const Case cases[] = {
      {Plain("Enter", "Enter"), 13, L::Enter, B::Enter, P::None, "", true, "Enter sends the command"},
      {Plain("Enter", "NumpadEnter"), 13, L::Enter, B::Enter, P::None, "", true, "the keypad's Enter too"},
      {Plain("Escape", "Escape"), 27, L::Escape, B::Escape, P::None, "", true, "Esc"},
      {Plain("Backspace", "Backspace"), 8, L::Backspace, B::Backspace, P::None, "", true, "Backspace must not go back"},
      {Plain("Tab", "Tab"), 9, L::None, B::Tab, P::None, "", true, "Tab must not move the focus"},
      {Plain("ArrowUp", "ArrowUp"), 38, L::None, B::Up, P::None, "", true, "Up recalls a command"},
      {Plain("ArrowLeft", "ArrowLeft"), 37, L::Left, B::Other, P::None, "", true, "Left moves the caret"},
      {Alt("ArrowLeft", "ArrowLeft"), 0, L::None, B::Other, P::None, "", false, "Alt+Left goes back a page"},
      {Alt("ArrowRight", "ArrowRight"), 0, L::None, B::Other, P::None, "", false, "Alt+Right goes forward"},
      {Alt("Home", "Home"), 0, L::None, B::Other, P::None, "", false, "Alt+Home opens the home page"},
      {Shift("Tab", "Tab"), 0, L::None, B::Other, P::None, "", false, "Shift+Tab leaves for the page's buttons"},
      {Ctrl("PageUp", "PageUp"), 0, L::None, B::Other, P::None, "", false, "Ctrl+PgUp changes tabs"},
      {Ctrl("PageDown", "PageDown"), 0, L::None, B::Other, P::None, "", false, "Ctrl+PgDn changes tabs"},
      {Shift("Enter", "Enter"), 13, L::Enter, B::Enter, P::None, "", true, "Shift+Enter is still Enter"},
      {Plain("Home", "Home"), 36, L::Home, B::Home, P::None, "", true, "Home"},
      {Plain("Delete", "Delete"), 46, L::Delete, B::Other, P::None, "", true, "Delete"},
      {Plain("PageDown", "PageDown"), 0, L::None, B::PageDown, P::None, "", true, "Page Down in a dialog's list"},
      {Plain("F1", "F1"), 112, L::None, B::Other, P::None, "", true, "F1 must not open help"},
      {Plain("F3", "F3"), 114, L::None, B::Other, P::None, "", true, "F3 must not open search"},
      {Plain("F5", "F5"), 116, L::None, B::Other, P::None, "", true, "F5 must not reload"},
      {Plain("F10", "F10"), 121, L::None, B::Other, P::None, "", true, "F10 ends the game"},
      {Plain("F11", "F11"), 0, L::None, B::Other, P::ToggleFullScreen, "", true, "F11 is the page's full screen"},
      {Alt("Enter", "Enter"), 0, L::None, B::Other, P::ToggleFullScreen, "", true, "Alt+Enter as on the desktop"},
      {Plain("F12", "F12"), 0, L::None, B::Other, P::None, "", false, "F12 stays the browser's"},
      {Plain("a", "KeyA"), 'A', L::None, B::Other, P::None, "a", true, "a letter types"},
      {Plain("Z", "KeyZ"), 'Z', L::None, B::Other, P::None, "Z", true, "a capital too"},
      {Plain(" ", "Space"), 32, L::None, B::Other, P::None, " ", true, "the space must not scroll"},
      {Plain("\xC4\x8D", "Digit4"), '4', L::None, B::Other, P::None, "\xC4\x8D", true, "č on the Czech number row"},
      {Plain("\xC3\xA1", "KeyA"), 'A', L::None, B::Other, P::None, "\xC3\xA1", true, "á composed from a dead key"},
      {Plain("Dead", "Equal"), 0, L::None, B::Other, P::None, "", false, "the dead key itself types nothing yet"},
      {Plain("1", "Numpad1"), 0, L::None, B::Other, P::None, "1", true, "the keypad's digits type"},
      {AltGr("@", "KeyV"), 'V', L::None, B::Other, P::None, "@", true, "AltGr+V types @ on a Czech layout"},
      {Ctrl("v", "KeyV"), 0, L::None, B::Other, P::Paste, "", false, "Ctrl+V leaves the browser its paste"},
      {Ctrl("r", "KeyR"), 'R', L::None, B::Other, P::None, "", false, "Ctrl+R stays the browser's"},
      {Ctrl("l", "KeyL"), 123, L::None, B::Other, P::None, "", true, "Ctrl+L reads the command line aloud"},
      {Plain("Shift", "ShiftLeft"), 0, L::None, B::Other, P::None, "", false, "a modifier alone"},
      {Plain("Unidentified", ""), 0, L::None, B::Other, P::None, "", false, "a key the browser cannot name"},
  };
  for (const Case& c : cases) {
    const KeyMeaning m = ReadKeyDown(c.event);
    EXPECT_EQ(m.vk, c.vk) << c.why;
    EXPECT_EQ(LineEditOf(m.vk), c.line) << c.why;
    EXPECT_EQ(m.box, c.box) << c.why;
    EXPECT_EQ(m.page, c.page) << c.why;
    EXPECT_EQ(m.typed, c.typed) << c.why;
    EXPECT_EQ(m.keep, c.keep) << c.why;
  }
}

TEST(BrowserKeys, AKeyLetGoReleasesWhatItsPressPressed) {
  // Shift may be let go first: "A" pressed, "a" released, same place.
  EXPECT_EQ(VirtualKeyOf("a", "KeyA"), 'A');
  EXPECT_EQ(VirtualKeyOf("F2", "F2"), 113);
  EXPECT_EQ(VirtualKeyOf("Enter", "NumpadEnter"), 13);
  EXPECT_EQ(VirtualKeyOf(" ", "Space"), 32);
  EXPECT_EQ(VirtualKeyOf("Shift", "ShiftLeft"), 0);
}

}  // namespace
}  // namespace raketa
