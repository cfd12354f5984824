// What the load and Save dialogs know and do, without drawing: the listing of
// a directory (its subdirectories, ".." and the saved games "*.sav"), the
// selection, the file name being typed, moving between directories, the
// default extension and the question before a save game is overwritten.
// Names are UTF-8 here, as the file system has them.
#pragma once

#include <string>
#include <vector>

namespace raketa {

struct DialogEntry {
  std::string name;      // ".." for the parent directory
  bool directory = false;
  std::string modified;  // "dd.mm.rrrr hh:mm", empty for ".."
};

class FileDialogModel {
 public:
  enum class Kind { Load, Save };
  enum class Focus { List, Name };
  // What a key did.
  enum class Outcome { Stay, Chosen, Cancelled };

  static constexpr const char* kInitialName = "noname";

  // Lists `directory` ("" for `base`).  Paths chosen inside `base` (the
  // player's save folder; "" for the working directory) are given relative
  // to it, others in full.
  // With `inside` set (the browser's save folder), the dialog never leaves
  // that folder: no ".." at its top, and a typed path outside it is refused.
  FileDialogModel(Kind kind, const std::string& directory = {}, const std::string& base = {},
                  const std::string& inside = {});

  Kind GetKind() const { return kind_; }
  const std::string& Directory() const { return directory_; }
  const std::vector<DialogEntry>& Entries() const { return entries_; }
  int Selected() const { return selected_; }  // -1 when the list is empty
  const std::string& Name() const { return name_; }
  Focus GetFocus() const { return focus_; }
  // A short Czech remark for the player ("" when there is none).
  const std::string& Message() const { return message_; }
  // True while the dialog waits for "A" or "N" before overwriting.
  bool AskingOverwrite() const { return asking_; }
  // The chosen file, once a key gave Outcome::Chosen.
  const std::string& Result() const { return result_; }

  // --- the player's keys ---
  void Move(int delta);  // Up -1, Down +1, Page Up/Down by more
  void Home();
  void End();
  void Type(const std::string& utf8);
  Outcome Enter();
  Outcome Escape();
  void Backspace();
  void Tab();
  // The answer to the overwrite question.
  Outcome Answer(bool yes);

  // The folder changed under the dialog (a file was put there): it is
  // listed again, the selection and a typed name kept where they still can.
  void Relist();

  // The first entry to show when `rows` entries fit, keeping the selection
  // in view.
  int FirstShown(int rows);

 private:
  void List(const std::string& directory);
  void Parent();
  Outcome Choose(const std::string& typed);
  Outcome Open(const DialogEntry& entry);
  void Select(int index);

  bool Inside(const std::string& path) const;

  Kind kind_;
  std::string workDir_;
  std::string inside_;  // absolute; empty when the dialog may go anywhere
  std::string directory_;
  std::vector<DialogEntry> entries_;
  int selected_ = -1;
  int first_ = 0;
  std::string name_;
  // The name was proposed (or taken from the list) rather than typed: the
  // first key typed replaces it, as a selected text would be.
  bool proposed_ = true;
  Focus focus_ = Focus::Name;
  std::string message_;
  bool asking_ = false;
  std::string pending_;  // the file waiting for the overwrite answer
  std::string result_;
};

}  // namespace raketa
