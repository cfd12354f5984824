// The game's keys: the codes the key poll keeps (the virtual-key codes of
// the game's time) and their names, as a replay script writes them.  Each
// backend maps its own keys (SDL's, the browser's) onto these codes; letters
// and digits are their upper-case ASCII codes, the space bar 32.
#pragma once

#include <string_view>

namespace raketa {

namespace vk {
inline constexpr int Backspace = 8;
inline constexpr int Tab = 9;
inline constexpr int Enter = 13;
inline constexpr int Esc = 27;
inline constexpr int Space = 32;
inline constexpr int End = 35;
inline constexpr int Home = 36;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
inline constexpr int Delete = 46;
inline constexpr int F1 = 112;
inline constexpr int F2 = 113;
inline constexpr int F3 = 114;
inline constexpr int F4 = 115;
inline constexpr int F5 = 116;
inline constexpr int F6 = 117;
inline constexpr int F7 = 118;
inline constexpr int F8 = 119;
inline constexpr int F9 = 120;
inline constexpr int F10 = 121;
// Not a key of the classic game: reads the command line aloud (Ctrl+L gives
// it too, where the browser keeps F12).
inline constexpr int F12 = 123;
}  // namespace vk

// What a key does to the command line besides being polled.
enum class LineEdit { None, Enter, Escape, Backspace, Delete, Left, Right, Home, End };

struct GameKey {
  std::string_view name;
  int code;
  LineEdit edit;
};

// Every key the game knows by name.  Up, Down and Tab are polled by the play
// step (recall, hurry); the function keys by the frame step.
inline constexpr GameKey kGameKeys[] = {
    {"Enter", vk::Enter, LineEdit::Enter},
    {"Esc", vk::Esc, LineEdit::Escape},
    {"Backspace", vk::Backspace, LineEdit::Backspace},
    {"Tab", vk::Tab, LineEdit::None},
    {"End", vk::End, LineEdit::End},
    {"Home", vk::Home, LineEdit::Home},
    {"Left", vk::Left, LineEdit::Left},
    {"Up", vk::Up, LineEdit::None},
    {"Right", vk::Right, LineEdit::Right},
    {"Down", vk::Down, LineEdit::None},
    {"Delete", vk::Delete, LineEdit::Delete},
    {"F1", vk::F1, LineEdit::None},
    {"F2", vk::F2, LineEdit::None},
    {"F3", vk::F3, LineEdit::None},
    {"F4", vk::F4, LineEdit::None},
    {"F5", vk::F5, LineEdit::None},
    {"F6", vk::F6, LineEdit::None},
    {"F7", vk::F7, LineEdit::None},
    {"F8", vk::F8, LineEdit::None},
    {"F9", vk::F9, LineEdit::None},
    {"F10", vk::F10, LineEdit::None},
    {"F12", vk::F12, LineEdit::None},
};

// The code of the key of that name, 0 for none.
int KeyCodeOf(std::string_view name);
// The name of a named key, empty for the others (letters, digits, 0).
std::string_view KeyNameOf(int code);
// What the key does to the command line; None for a key not in the table.
LineEdit LineEditOf(int code);

}  // namespace raketa
