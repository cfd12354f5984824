// What a listener hears of the file dialogs: on opening, what the dialog is
// and where its focus stands; after each key, only what the key changed
// (the highlighted entry, the folder, the typed name, a remark such as the
// overwrite question).
#pragma once

#include <string>
#include <vector>

#include "presentation/boxes/file_dialog_model.h"

namespace raketa {

// The parts of a dialog that are said.
struct DialogHeard {
  std::string directory;
  int selected = -1;
  std::string entry;  // the highlighted entry as said
  std::string name;
  FileDialogModel::Focus focus = FileDialogModel::Focus::Name;
  std::string message;
  int count = 0;  // entries in the list
};

DialogHeard Hear(const FileDialogModel& m);

// The sentences (UTF-8) for a dialog that has just opened (`before` null),
// or for what changed since `before`.
std::vector<std::string> DialogNews(const DialogHeard* before, const DialogHeard& now, FileDialogModel::Kind kind);
// Said when the player closed the dialog without choosing.
std::string DialogClosed();

}  // namespace raketa
