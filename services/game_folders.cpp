#include "services/game_folders.h"

namespace raketa {

std::string SettingsFile(const GameFolders& folders) {
  return folders.config.empty() ? std::string() : folders.config + "/settings";
}

}  // namespace raketa
