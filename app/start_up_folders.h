// Where the game finds its data and keeps the player's saves, decided once
// at start-up from the command line, the environment and where the program
// itself lies.
#pragma once

#include <string>

#include "services/game_folders.h"

namespace raketa {

// What the program sees around it when it starts.
struct Surroundings {
  std::string dataOption;        // --data DIR, empty when not given
  std::string dataVariable;      // $RAKETA_DATA
  std::string workingFolder;     // absolute
  std::string executableFolder;  // absolute, empty when unknown
  std::string installedData;     // the data folder of the install prefix
  std::string xdgDataHome;
  std::string xdgStateHome;
  std::string xdgConfigHome;
  std::string home;
};

// This process's surroundings.
Surroundings ReadSurroundings(const std::string& dataOption, const std::string& installedData);

// The data folder is the first of: --data, $RAKETA_DATA, the working folder
// when it holds mistnosti.dat (a portable run: saves stay there too and
// nothing is remembered), ../share/raketa beside the executable when it
// holds mistnosti.dat (an install tree that was moved), the installed data.
// Otherwise saves go to $XDG_DATA_HOME/raketa (~/.local/share/raketa) and
// the dialogs' last folder is remembered in $XDG_STATE_HOME/raketa
// (~/.local/state/raketa).  The player's settings are kept in
// $XDG_CONFIG_HOME/raketa (~/.config/raketa) in every run, a portable one
// too; without a home folder they are not kept.
GameFolders ChooseFolders(const Surroundings& s);

}  // namespace raketa
