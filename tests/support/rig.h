// A whole game on headless recording services, in a scratch working
// directory of its own, for tests that drive the real procedures.
#pragma once

#include <string>
#include <vector>

#include "app/form_runner.h"
#include "presentation/replay/recording_services.h"
#include "services/host_files.h"
#include "support/scratch_dir.h"

namespace raketa::test {

struct Rig {
  Rig();

  ScratchDir dir;  // the working directory while the rig lives
  Trace trace;
  RecordingDisplay display;
  CommandLine edit;
  KeyPoll keys;
  RecordingSound sound{trace};
  // The working directory holds the data and the saves; a test may give
  // other folders by assigning `files`.
  HostFiles files{GameFolders{}};
  ScriptedDialogs dialogs{trace, files.Folders()};
  RecordingApp app{trace};
  Services services{display, edit, keys, sound, dialogs, app, files};
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
