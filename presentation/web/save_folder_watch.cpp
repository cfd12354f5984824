#include "presentation/web/save_folder_watch.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include "presentation/web/folder_signature.h"

EM_JS(void, raketa_saves_write_back, (), { Module.raketaSaves.writeBack(); });

namespace raketa {

SaveFolderWatch::SaveFolderWatch(std::string folder) : folder_(std::move(folder)), seen_(FolderSignature(folder_)) {}

void SaveFolderWatch::Look() {
  const std::uint64_t now = FolderSignature(folder_);
  if (now == seen_) return;
  seen_ = now;
  raketa_saves_write_back();
}

}  // namespace raketa
