#include "presentation/web/folder_signature.h"

#include <filesystem>
#include <functional>
#include <system_error>

namespace raketa {

namespace fs = std::filesystem;

// Every entry's path, size and time of change, mixed into one number.  The
// save folder holds a few saved games: looking costs next to nothing.
std::uint64_t FolderSignature(const std::string& folder) {
  std::uint64_t sum = 0;
  std::error_code ec;
  for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
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

}  // namespace raketa
