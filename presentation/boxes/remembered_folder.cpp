#include "presentation/boxes/remembered_folder.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "services/plain_file.h"

namespace raketa {

namespace fs = std::filesystem;

namespace {
std::string Memo(const std::string& stateFolder) { return (fs::path(stateFolder) / "last-folder").string(); }
}  // namespace

std::string RecallFolder(const std::string& stateFolder) {
  if (stateFolder.empty()) return {};
  const std::vector<std::string> lines = PlainLines(ReadPlainFile(Memo(stateFolder)).value_or(""));
  if (lines.empty() || lines.front().empty()) return {};
  const std::string& folder = lines.front();
  std::error_code ec;
  return fs::is_directory(folder, ec) ? folder : std::string();
}

void RememberFolder(const std::string& stateFolder, const std::string& folder) {
  if (stateFolder.empty() || folder.empty()) return;
  std::error_code ec;
  fs::create_directories(stateFolder, ec);
  WritePlainFile(Memo(stateFolder), folder + "\n");
}

}  // namespace raketa
