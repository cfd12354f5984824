#include "presentation/boxes/speech_setting.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace raketa {

namespace {
constexpr const char* kKey = "speech=";

std::vector<std::string> Lines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}
}  // namespace

std::optional<bool> ReadSpeechSetting(const std::string& path) {
  if (path.empty()) return std::nullopt;
  std::optional<bool> found;
  for (const std::string& line : Lines(path)) {
    if (line.rfind(kKey, 0) != 0) continue;
    const std::string value = line.substr(std::string(kKey).size());
    if (value == "on") found = true;
    if (value == "off") found = false;
  }
  return found;
}

bool WriteSpeechSetting(const std::string& path, bool on) {
  if (path.empty()) return false;
  std::vector<std::string> lines;
  for (const std::string& line : Lines(path)) {
    if (line.rfind(kKey, 0) != 0) lines.push_back(line);
  }
  lines.push_back(std::string(kKey) + (on ? "on" : "off"));
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
  // Written beside and renamed over, so a crash never leaves half a file.
  const std::string temporary = path + ".new";
  {
    std::ofstream out(temporary, std::ios::trunc);
    for (const std::string& line : lines) out << line << "\n";
    out.flush();
    if (!out) return false;
  }
  std::filesystem::rename(temporary, path, ec);
  return !ec;
}

}  // namespace raketa
