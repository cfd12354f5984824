// Small fixtures for the command tests: a rig in play with the room texts
// installed, and readings of what a command did to the screen, the sound,
// the command line and the world.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "commands/commands.h"
#include "support/rig.h"
#include "support/tiny_world.h"

namespace raketa::test {

// The answer to a line that no handler accepted.
inline const char* const kNotUnderstood = "nechápu co mám dělat ...";

// A test name from a case's description.
inline std::string CaseName(const std::string& description) {
  std::string n;
  for (char ch : description) n += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
  return n;
}

// What the screen shows of a rebuild, in drawing order: the background, the
// inventory panel and the room contents panel.
inline std::vector<std::string> Panels(const Rig& rig) {
  std::vector<std::string> out;
  const std::string inventory = W("Sebou neseš..:");
  const std::string contents = W("V místnosti se nachází:");
  for (const DrawOp& op : rig.display.ops) {
    if (op.kind == DrawOp::Picture && op.picture == Picture::pozadi) out.push_back("background");
    if (op.kind == DrawOp::Text && op.text == inventory) out.push_back("inventory");
    if (op.kind == DrawOp::Text && op.text == contents) out.push_back("contents");
  }
  return out;
}

// The narration drawn since the logs were cleared (green glyphs above the
// panels), in UTF-8.
inline std::string Narration(const Rig& rig) {
  std::string text;
  for (const DrawOp& op : rig.display.ops) {
    if (op.kind == DrawOp::Text && op.fontColour == colour::Green && op.y < 350 && op.text.size() == 1) {
      text += op.text;
    }
  }
  return Cp1250ToUtf8(text);
}

// Played cues as "play X" / "stop X", in order.
inline std::vector<std::string> Sounds(const Rig& rig) {
  std::vector<std::string> out;
  for (const auto& c : rig.sound.calls) out.push_back(std::string(c.play ? "play " : "stop ") + CueName(c.cue));
  return out;
}

inline std::vector<std::string> Plays(std::initializer_list<Cue> cues) {
  std::vector<std::string> out;
  for (Cue c : cues) out.push_back(std::string("play ") + CueName(c));
  return out;
}

// Whole records compared byte for byte; a failure names the first offset
// that differs.
inline ::testing::AssertionResult SameWorld(const TWorld& expected, const TWorld& actual) {
  const auto* a = reinterpret_cast<const unsigned char*>(&expected);
  const auto* b = reinterpret_cast<const unsigned char*>(&actual);
  for (std::size_t i = 0; i < sizeof(TWorld); ++i) {
    if (a[i] != b[i]) {
      std::size_t room = i >= 280 ? (i - 280) / sizeof(TRoom) + 1 : 0;
      return ::testing::AssertionFailure() << "world differs at byte " << i << " (room " << room << ", offset "
                                           << (room ? (i - 280) % sizeof(TRoom) : i) << "): expected "
                                           << int(a[i]) << ", got " << int(b[i]);
    }
  }
  return ::testing::AssertionSuccess();
}

// The outbound room texts ("Mistnost N") and the repaired texts the
// commands switch to ("Po oprave N"; the carried canister's "Nadrz plna").
inline void InstallRoomTexts() {
  std::filesystem::create_directories("texty");
  for (int n = 1; n <= kRoomCount; ++n) WriteFile("texty/m" + std::to_string(n) + ".dat", RoomText(n));
  for (const char* x : {"7x.dat", "28x.dat", "28x.zpt", "29x.dat", "32x.dat", "33x.dat"}) {
    std::string name = x;
    WriteFile("texty/m" + name, "Po oprave " + name.substr(0, name.find('x')) + "\r\n");
  }
  WriteFile("texty/m32x.txt", "Nadrz plna\r\n");
}

// A rig in play in `room` of an empty world, with the room's text open.
// Nothing is carried, nothing lies anywhere, no door exists.
class CommandRig : public Rig {
 public:
  explicit CommandRig(int room = 5) {
    InstallRoomTexts();
    StartPlay(room);
    OpenRoomText(g, RoomTextPath(g, room));
  }

  TRoom& Here() { return w.Current(); }

  // The line as the player left it, without typing (no key press events).
  void Line(const std::string& utf8) { edit.SetText(Utf8ToCp1250(utf8)); }

  // Runs one handler on `line` with clean logs.
  template <class Handler>
  void Run(const std::string& line, Handler handler) {
    Line(line);
    g.CommandHandled = false;
    ClearLogs();
    handler(g);
  }
};

// Every inventory slot filled with items that no test line names.
inline void FillInventory(TWorld& w) {
  for (int k = 1; k <= kInventorySlots; ++k) SetItem(w.Slot(k), "kamen" + std::to_string(k), "k" + std::to_string(k));
}

inline void FillFloor(TRoom& room) {
  for (int i = 0; i < kRoomItemSlots; ++i) SetItem(room.Items[i], "smeti" + std::to_string(i + 1), "s");
}

}  // namespace raketa::test
