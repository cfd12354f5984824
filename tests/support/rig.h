// A whole game on headless recording services, in a scratch working
// directory of its own, for tests that drive the real procedures.
#pragma once

#include <string>
#include <vector>

#include "app/form_runner.h"
#include "presentation/replay/headless_services.h"
#include "support/scratch_dir.h"

namespace raketa::test {

// What the rig holds before its services: its folder and its display.
struct RigGround {
  ScratchDir dir;  // the working directory while the rig lives
  RecordingDisplay display;
};

// The headless services (trace, edit, keys, sound, dialogs, app, services)
// are the replay's own.
struct Rig : RigGround, HeadlessServices {
  Rig();

  FormRunner runner{services};
  Game& g = runner.game();
  TWorld& w = g.World;

  // The player's typing: each character as a key press (UTF-8 in).
  void Type(const std::string& utf8);
  // Enter pressed and released before the next frame.
  void PressEnter();
  void PressKey(int vkCode);
  // One 40 ms period: a frame, then the panel procedure four times.
  void Frame(int count = 1);
  // Types a line, presses Enter and runs frames until the dispatch ran.
  void Command(const std::string& utf8);

  // A world in play: in room `room`, outbound phase, sound on, no text
  // pending, meters comfortable.
  void StartPlay(int room = 1);

  std::string LineUtf8() const;
  // Everything drawn with TextOut since the log was last cleared, in UTF-8.
  std::vector<std::string> DrawnTexts() const;
  std::vector<Cue> Played() const;
  void ClearLogs();
};

// Names in the world are code page 1250; tests write them in UTF-8.
template <int N>
void SetName(ShortString<N>& s, const std::string& utf8) {
  s.assign(Utf8ToCp1250(utf8));
}
void SetItem(TItem& item, const std::string& name, const std::string& alt = "");
// A text file in the scratch directory, bytes as given.
void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);

}  // namespace raketa::test
