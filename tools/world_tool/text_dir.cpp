#include "text_dir.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include "text_rules.h"
#include "world/phase.h"
#include "world_file.h"

namespace fs = std::filesystem;

namespace raketa::worldtool {

namespace {

const char* const kVariants[] = {"m7x.dat",  "m7x.zpt",  "m29x.dat", "m29x.zpt", "m33x.dat",
                                 "m33x.zpt", "m28x.dat", "m32x.dat", "m32x.txt"};
// Opened by the game only in situations a world cannot reach (a cell or a
// fuel fill in the return phase), harmless to ship.
// The hull's warning, shown when taping the cables is asked about first; a
// world without it tapes at once.
const char* const kOptional[] = {"m28x.zpt", "m32x.zpt", "m33v.dat"};

std::vector<std::string> SortedFiles(const std::string& dir, Diagnostics& d) {
  std::vector<std::string> names;
  std::error_code ec;
  if (!fs::is_directory(dir, ec)) {
    d.Error(dir + ": not a folder");
    return names;
  }
  for (const fs::directory_entry& e : fs::directory_iterator(dir)) {
    if (e.is_regular_file()) names.push_back(e.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

namespace {
const std::string& Out() { return raketa::PhaseExtension(raketa::Phase::Outbound); }
const std::string& Back() { return raketa::PhaseExtension(raketa::Phase::Return); }
}  // namespace

std::vector<std::string> NeededTexts(const RoomSet& reachable) {
  std::vector<std::string> names = {"m0" + Out()};
  for (int n = 1; n <= kRoomCount; ++n) {
    if (!reachable[static_cast<std::size_t>(n)]) continue;
    names.push_back("m" + std::to_string(n) + Out());
    names.push_back("m" + std::to_string(n) + Back());
  }
  for (const char* v : kVariants) names.emplace_back(v);
  return names;
}

bool IsGameTextName(const std::string& name) {
  if (name == "m0" + Out()) return true;
  for (const char* v : kVariants) {
    if (name == v) return true;
  }
  for (const char* v : kOptional) {
    if (name == v) return true;
  }
  for (int n = 1; n <= kRoomCount; ++n) {
    std::string stem = "m" + std::to_string(n);
    if (name == stem + Out() || name == stem + Back()) return true;
  }
  return false;
}

void ConvertTexts(const std::string& srcDir, const std::string& outDir, Diagnostics& d) {
  std::vector<std::string> names = SortedFiles(srcDir, d);
  if (!d.Ok()) return;
  fs::create_directories(outDir);
  for (const std::string& name : names) {
    if (!IsGameTextName(name)) {
      d.Warning(srcDir + "/" + name + ": the game never opens a text of this name; not converted");
      continue;
    }
    std::optional<std::string> game = SourceToGameText(ReadWholeFile(srcDir + "/" + name), name, d);
    if (game) WriteWholeFile(outDir + "/" + name, *game);
  }
}

void CheckTextDir(const std::string& dir, const RoomSet& reachable, Diagnostics& d) {
  std::vector<std::string> present = SortedFiles(dir, d);
  if (!d.Ok()) return;
  for (const std::string& name : NeededTexts(reachable)) {
    if (!std::binary_search(present.begin(), present.end(), name)) d.Error(name + ": missing from " + dir);
  }
  for (const std::string& name : present) {
    if (!IsGameTextName(name)) {
      d.Warning(dir + "/" + name + ": the game never opens a text of this name");
      continue;
    }
    CheckTextBytes(name, ReadWholeFile(dir + "/" + name), d);
  }
}

}  // namespace raketa::worldtool
