// Where this machine keeps the game's files: the data the game ships with
// (mistnosti.dat and the room texts) and the player's saved games.  Both are
// host folders (UTF-8, '/'); an empty one is the working folder, which is
// what a portable run from a folder holding the data uses for both.
#pragma once

#include <string>

namespace raketa {

struct GameFolders {
  std::string data;
  std::string saves;
  // What the game remembers between runs (the dialogs' last folder); empty
  // when nothing is remembered, as in a portable run.
  std::string state;
};

// Chosen once at start-up, before the first frame.
void SetGameFolders(GameFolders folders);
const GameFolders& CurrentGameFolders();

// Creates the save folder and its parents when they are missing.  A folder
// that cannot be made is left to the save that follows, which reports why.
void MakeSaveFolder();

}  // namespace raketa
