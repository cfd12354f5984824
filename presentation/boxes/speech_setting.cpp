#include "presentation/boxes/speech_setting.h"

#include <filesystem>
#include <vector>

#include "services/plain_file.h"

namespace raketa {

namespace {
constexpr const char* kKey = "speech=";

std::vector<std::string> Lines(const std::string& path) { return PlainLines(ReadPlainFile(path).value_or("")); }
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
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return WritePlainFile(path, text);
}

}  // namespace raketa
