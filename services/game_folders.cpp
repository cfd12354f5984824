#include "services/game_folders.h"

#include <filesystem>
#include <system_error>

namespace raketa {

namespace {
GameFolders& Folders() {
  static GameFolders folders;
  return folders;
}
}  // namespace

void SetGameFolders(GameFolders folders) { Folders() = std::move(folders); }

const GameFolders& CurrentGameFolders() { return Folders(); }

void MakeSaveFolder() {
  const std::string& saves = Folders().saves;
  if (saves.empty()) return;
  std::error_code ec;
  std::filesystem::create_directories(saves, ec);
}

}  // namespace raketa
