#include "world/data.h"
#include "services/game_folders.h"
#include "world/game_roles.h"

namespace raketa {

// Saved games lie in the player's save folder, the new game's world in the
// game's data folder.
void ReadWorld(Game& g, const std::string& path) {
  g.WorldFile.Read(path, g.World, 0, CurrentGameFolders().saves);
  WorldReplaced(g, path);
}

void ReadNewWorld(Game& g, const std::string& path) {
  g.WorldFile.Read(path, g.World, kStartRoom, CurrentGameFolders().data);
  WorldReplaced(g, {});
}

void WriteWorld(Game& g, const std::string& path) {
  MakeSaveFolder();
  g.WorldFile.Write(path, g.World, CurrentGameFolders().saves);
}

void CloseWorldFile(Game& g) { g.WorldFile.Close(); }

}  // namespace raketa
