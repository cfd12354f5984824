#include "presentation/boxes/remembered_folder.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace raketa {

namespace fs = std::filesystem;

namespace {
fs::path Memo(const std::string& stateFolder) { return fs::path(stateFolder) / "last-folder"; }
}  // namespace

std::string RecallFolder(const std::string& stateFolder) {
  if (stateFolder.empty()) return {};
  std::ifstream in(Memo(stateFolder));
  std::string folder;
  if (!std::getline(in, folder) || folder.empty()) return {};
  std::error_code ec;
  return fs::is_directory(folder, ec) ? folder : std::string();
}

void RememberFolder(const std::string& stateFolder, const std::string& folder) {
  if (stateFolder.empty() || folder.empty()) return;
  std::error_code ec;
  fs::create_directories(stateFolder, ec);
  std::ofstream(Memo(stateFolder), std::ios::trunc) << folder << "\n";
}

}  // namespace raketa
