#include "app/start_up_folders.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace raketa {

namespace fs = std::filesystem;

namespace {

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

bool HoldsWorld(const fs::path& folder) {
  std::error_code ec;
  return fs::is_regular_file(folder / "mistnosti.dat", ec);
}

std::string Within(const std::string& base, const std::string& path) {
  return (fs::path(base) / path).lexically_normal().string();
}

// The XDG base folder `variable` names, or its default under the home
// folder; a relative value is not valid and is ignored.
std::string BaseFolder(const std::string& variable, const std::string& home, const char* fallback) {
  if (!variable.empty() && variable.front() == '/') return variable;
  if (home.empty()) return {};
  return Within(home, fallback);
}

}  // namespace

Surroundings ReadSurroundings(const std::string& dataOption, const std::string& installedData) {
  Surroundings s;
  s.dataOption = dataOption;
  s.dataVariable = Variable("RAKETA_DATA");
  std::error_code ec;
  s.workingFolder = fs::current_path(ec).string();
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) s.executableFolder = exe.parent_path().string();
  s.installedData = installedData;
  s.xdgDataHome = Variable("XDG_DATA_HOME");
  s.xdgStateHome = Variable("XDG_STATE_HOME");
  s.xdgConfigHome = Variable("XDG_CONFIG_HOME");
  s.home = Variable("HOME");
  return s;
}

GameFolders ChooseFolders(const Surroundings& s) {
  GameFolders f;
  const std::string configHome = BaseFolder(s.xdgConfigHome, s.home, ".config");
  if (!configHome.empty()) f.config = Within(configHome, "raketa");
  const std::string chosen = !s.dataOption.empty() ? s.dataOption : s.dataVariable;
  if (!chosen.empty()) {
    f.data = Within(s.workingFolder, chosen);
  } else if (HoldsWorld(s.workingFolder)) {
    return f;  // portable: everything in the working folder
  } else if (!s.executableFolder.empty() && HoldsWorld(Within(s.executableFolder, "../share/raketa"))) {
    f.data = Within(s.executableFolder, "../share/raketa");
  } else {
    f.data = s.installedData;
  }
  const std::string dataHome = BaseFolder(s.xdgDataHome, s.home, ".local/share");
  const std::string stateHome = BaseFolder(s.xdgStateHome, s.home, ".local/state");
  // Without a home folder the saves stay in the working folder.
  if (!dataHome.empty()) f.saves = Within(dataHome, "raketa");
  if (!stateHome.empty()) f.state = Within(stateHome, "raketa");
  return f;
}

}  // namespace raketa
