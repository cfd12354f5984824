// The save folder lives in the browser's IndexedDB (saves.js): the files
// the game writes reach it only when the folder is written back.  This
// notices when the folder changed (a save, a quick save, the speech
// setting) and has it written back then.
#pragma once

#include <cstdint>
#include <string>

namespace raketa {

class SaveFolderWatch {
 public:
  explicit SaveFolderWatch(std::string folder);
  // Writes the folder back when anything in it changed since the last look.
  void Look();

 private:
  std::string folder_;
  std::uint64_t seen_;
};

}  // namespace raketa
