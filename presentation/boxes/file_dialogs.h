// The load and Save dialogs drawn by the game over its own screen (a game
// that fills the screen cannot hand the player a desktop dialog), driven by
// the keyboard.  What they list and choose is FileDialogModel's business.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "presentation/boxes/file_dialog_model.h"
#include "presentation/boxes/modal_loop.h"
#include "services/services.h"
#include "services/speech.h"

namespace raketa {

class BoxFileDialogs : public FileDialogs {
 public:
  // The dialogs open in `files`' save folder and remember their last folder
  // in its state folder.
  BoxFileDialogs(BoxHost& host, Application& app, GameFiles& files) : host_(host), app_(app), files_(files) {}

  // Paths come back in UTF-8, as the file system names them, relative to
  // the save folder when the file lies inside it.
  bool ExecuteLoad(std::string& path) override { return Execute(FileDialogModel::Kind::Load, path); }
  bool ExecuteSave(std::string& path) override { return Execute(FileDialogModel::Kind::Save, path); }

  // Hears what the dialog says (UTF-8) while speech is on; `cutOff` on the
  // first sentence of each key, so a quick run down the list is not heard
  // entry by entry to the end.
  std::function<void(const std::string& utf8, bool cutOff)> speak;
  // Sets `speak` to go through `speech` whenever `on()` says speech is on.
  void SpeakThrough(Speech& speech, std::function<bool()> on);
  // The dialogs stay inside `folder` (the browser's save folder: what lies
  // outside it is gone after a reload).
  void KeepInside(std::string folder) { inside_ = std::move(folder); }

 private:
  bool Execute(FileDialogModel::Kind kind, std::string& path);
  void Tell(const std::vector<std::string>& sentences);
  void Draw(Raster565& r, FileDialogModel& m);
  ModalLoop::Reply Handle(const BoxEvent& e, FileDialogModel& m, bool& chosen);

  BoxHost& host_;
  Application& app_;
  GameFiles& files_;
  std::string directory_;  // where the last dialog ended, as a desktop dialog remembers
  std::string inside_;
};

}  // namespace raketa
