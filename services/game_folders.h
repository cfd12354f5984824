// Where this machine keeps the game's files: the data the game ships with
// (mistnosti.dat and the room texts), the player's saved games, and what the
// game remembers between runs.  All are host folders (UTF-8, '/'); an empty
// data or save folder is the working folder, which is what a portable run
// from a folder holding the data uses for both.  The program's start-up
// chooses them once (app/start_up_folders.h, app/web_main.cpp) and hands them
// to the backend, which serves them to the game (services.h).
#pragma once

#include <string>

namespace raketa {

struct GameFolders {
  std::string data;
  std::string saves;
  // The dialogs' last folder is remembered here; empty when nothing is
  // remembered, as in a portable run.
  std::string state;
  // The player's settings (whether speech is on); empty when they are not
  // kept.
  std::string config;
};

// The file of the player's settings in `folders`; empty when none is kept.
std::string SettingsFile(const GameFolders& folders);

}  // namespace raketa
