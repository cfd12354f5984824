#include "presentation/web/save_folder_watch.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include <filesystem>
#include <functional>
#include <system_error>

EM_JS(void, raketa_saves_write_back, (), { Module.raketaSaves.writeBack(); });

namespace raketa {

namespace fs = std::filesystem;

SaveFolderWatch::SaveFolderWatch(std::string folder) : folder_(std::move(folder)), seen_(Signature()) {}

// Every file's name, size and time of change, mixed into one number.  The
// folder holds a few saved games in memory: looking costs next to nothing.
std::uint64_t SaveFolderWatch::Signature() const {
  std::uint64_t sum = 0;
  std::error_code ec;
  for (fs::recursive_directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code e;
    std::uint64_t h = std::hash<std::string>{}(it->path().string());
    if (it->is_regular_file(e)) {
      h ^= static_cast<std::uint64_t>(it->file_size(e)) * 0x9E3779B97F4A7C15ull;
      h ^= static_cast<std::uint64_t>(it->last_write_time(e).time_since_epoch().count()) * 0xC2B2AE3D27D4EB4Full;
    }
    sum += h * 0xFF51AFD7ED558CCDull + (h >> 29);
  }
  return sum;
}

void SaveFolderWatch::Look() {
  const std::uint64_t now = Signature();
  if (now == seen_) return;
  seen_ = now;
  raketa_saves_write_back();
}

}  // namespace raketa
