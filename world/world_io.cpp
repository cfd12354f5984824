#include "world/data.h"
#include "world/game_roles.h"

namespace raketa {

// Saved games lie in the player's save folder, the new game's world in the
// game's data folder.
void ReadWorld(Game& g, const std::string& path) {
  GameFiles& files = g.services.files;
  g.WorldFile.Read(files, path, g.World, 0, files.Folders().saves);
  WorldReplaced(g, path);
}

void ReadNewWorld(Game& g, const std::string& path) {
  GameFiles& files = g.services.files;
  g.WorldFile.Read(files, path, g.World, kStartRoom, files.Folders().data);
  WorldReplaced(g, {});
}

void WriteWorld(Game& g, const std::string& path) {
  GameFiles& files = g.services.files;
  files.MakeSaveFolder();
  g.WorldFile.Write(files, path, g.World, files.Folders().saves);
}

void CloseWorldFile(Game& g) { g.WorldFile.Close(); }

}  // namespace raketa
