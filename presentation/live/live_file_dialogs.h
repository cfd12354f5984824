// The load and Save dialogs drawn by the game over its own screen (a game
// that fills the screen cannot hand the player a desktop dialog), driven by
// the keyboard.  What they list and choose is FileDialogModel's business.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "presentation/live/file_dialog_model.h"
#include "presentation/live/modal_loop.h"
#include "services/services.h"

namespace raketa {

class LiveFileDialogs : public FileDialogs {
 public:
  LiveFileDialogs(LiveScreen& screen, KeyPoll& keys, Application& app) : screen_(screen), keys_(keys), app_(app) {}

  // Paths come back in code page 1250, relative to the save folder when the
  // file lies inside it.
  bool ExecuteLoad(std::string& path) override { return Execute(FileDialogModel::Kind::Load, path); }
  bool ExecuteSave(std::string& path) override { return Execute(FileDialogModel::Kind::Save, path); }

  // Hears what the dialog says (UTF-8) while speech is on; `cutOff` on the
  // first sentence of each key, so a quick run down the list is not heard
  // entry by entry to the end.
  std::function<void(const std::string& utf8, bool cutOff)> speak;

 private:
  bool Execute(FileDialogModel::Kind kind, std::string& path);
  void Tell(const std::vector<std::string>& sentences);
  void Draw(Raster565& r, FileDialogModel& m);
  ModalLoop::Reply Handle(const SDL_Event& e, FileDialogModel& m, bool& chosen);

  LiveScreen& screen_;
  KeyPoll& keys_;
  Application& app_;
  std::string directory_;  // where the last dialog ended, as a desktop dialog remembers
};

}  // namespace raketa
