// The dialogs' listing, selection and choices over std::filesystem.
#include "presentation/boxes/file_dialog_model.h"

#include <sys/stat.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "services/save_names.h"

namespace raketa {

namespace fs = std::filesystem;

namespace {

std::string Lower(std::string s) {
  for (char& c : s) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return s;
}

// "x.sav" in any letter case; ".sav" alone is a hidden file, no saved game.
bool IsSaveGame(const fs::path& p) { return p.has_extension() && HasSaveSuffix(p.filename().string()); }

std::string Modified(const fs::path& p) {
  struct stat st {};
  if (::stat(p.c_str(), &st) != 0) return {};
  std::tm local{};
  localtime_r(&st.st_mtime, &local);
  char buf[32];
  std::strftime(buf, sizeof buf, "%d.%m.%Y %H:%M", &local);
  return buf;
}

fs::path Absolute(const std::string& directory) {
  std::error_code ec;
  fs::path p = directory.empty() ? fs::current_path(ec) : fs::path(directory);
  fs::path canonical = fs::weakly_canonical(fs::absolute(p, ec), ec);
  return ec ? p.lexically_normal() : canonical;
}

void PopLastCharacter(std::string& utf8) {
  while (!utf8.empty()) {
    const unsigned char c = static_cast<unsigned char>(utf8.back());
    utf8.pop_back();
    if ((c & 0xC0) != 0x80) break;  // stop after the lead byte
  }
}

// Inside the working directory a path is given relative to it.
std::string AsChosen(const fs::path& p, const std::string& workDir) {
  const fs::path relative = p.lexically_relative(workDir);
  const bool inside = !relative.empty() && *relative.begin() != "..";
  return inside ? relative.generic_string() : p.generic_string();
}

}  // namespace

FileDialogModel::FileDialogModel(Kind kind, const std::string& directory, const std::string& base,
                                 const std::string& inside)
    : kind_(kind), workDir_(Absolute(base).string()), inside_(inside.empty() ? std::string() : Absolute(inside).string()) {
  if (kind_ == Kind::Save) name_ = kInitialName;
  focus_ = kind_ == Kind::Save ? Focus::Name : Focus::List;
  std::string start = directory.empty() ? workDir_ : Absolute(directory).string();
  if (!Inside(start)) start = inside_;
  List(start);
}

bool FileDialogModel::Inside(const std::string& path) const {
  if (inside_.empty()) return true;
  const fs::path relative = fs::path(path).lexically_normal().lexically_relative(inside_);
  return !relative.empty() && *relative.begin() != "..";
}

void FileDialogModel::Relist() {
  const int selected = selected_;
  const std::string name = name_;
  const bool proposed = proposed_;
  const std::string message = message_;
  List(directory_);
  message_ = message;
  if (!entries_.empty() && selected >= 0) selected_ = std::min(selected, static_cast<int>(entries_.size()) - 1);
  // A name the player typed stays; a proposed one follows the selection.
  if (!proposed || kind_ == Kind::Save) {
    name_ = name;
    proposed_ = proposed;
  } else if (selected_ >= 0 && !entries_[selected_].directory) {
    name_ = entries_[selected_].name;
  }
}

// The save dialog keeps its name field across directories; the load dialog
// proposes the first saved game of each.
void FileDialogModel::List(const std::string& directory) {
  directory_ = directory;
  entries_.clear();
  const fs::path dir(directory);
  const bool top = !inside_.empty() && fs::path(directory).lexically_normal() == fs::path(inside_);
  if (!top && dir.has_parent_path() && dir.parent_path() != dir) entries_.push_back({"..", true, {}});
  std::vector<DialogEntry> dirs, files;
  std::error_code ec;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path& p = it->path();
    const std::string name = p.filename().string();
    if (name.empty() || name[0] == '.') continue;
    std::error_code typeError;
    if (it->is_directory(typeError)) {
      dirs.push_back({name, true, Modified(p)});
    } else if (IsSaveGame(p) && it->is_regular_file(typeError)) {
      files.push_back({name, false, Modified(p)});
    }
  }
  if (ec) message_ = "Složku nelze přečíst.";
  auto byName = [](const DialogEntry& a, const DialogEntry& b) {
    const std::string la = Lower(a.name), lb = Lower(b.name);
    return la != lb ? la < lb : a.name < b.name;
  };
  std::sort(dirs.begin(), dirs.end(), byName);
  std::sort(files.begin(), files.end(), byName);
  entries_.insert(entries_.end(), dirs.begin(), dirs.end());
  entries_.insert(entries_.end(), files.begin(), files.end());
  first_ = 0;
  selected_ = -1;
  if (entries_.empty()) return;
  // The load dialog starts on the first saved game.
  int start = 0;
  if (kind_ == Kind::Load) {
    auto file = std::find_if(entries_.begin(), entries_.end(), [](const DialogEntry& e) { return !e.directory; });
    if (file != entries_.end()) start = static_cast<int>(file - entries_.begin());
  }
  selected_ = start;
  if (kind_ == Kind::Load) {
    name_ = entries_[start].directory ? std::string() : entries_[start].name;
    proposed_ = true;
  }
}

void FileDialogModel::Select(int index) {
  if (entries_.empty()) return;
  selected_ = std::clamp(index, 0, static_cast<int>(entries_.size()) - 1);
  if (!entries_[selected_].directory) {
    name_ = entries_[selected_].name;
    proposed_ = true;
  }
}

void FileDialogModel::Move(int delta) {
  message_.clear();
  focus_ = Focus::List;
  Select(selected_ + delta);
}

void FileDialogModel::Home() { Move(-static_cast<int>(entries_.size())); }
void FileDialogModel::End() { Move(static_cast<int>(entries_.size())); }

void FileDialogModel::Type(const std::string& utf8) {
  message_.clear();
  if (proposed_) name_.clear();
  proposed_ = false;
  focus_ = Focus::Name;
  for (char c : utf8) {
    if (static_cast<unsigned char>(c) < 32 || name_.size() >= 200) continue;
    name_ += c;
  }
}

void FileDialogModel::Tab() {
  message_.clear();
  focus_ = focus_ == Focus::List ? Focus::Name : Focus::List;
}

void FileDialogModel::Backspace() {
  message_.clear();
  if (focus_ == Focus::Name && !name_.empty()) {
    if (proposed_) name_.clear();
    PopLastCharacter(name_);
    proposed_ = false;
    return;
  }
  Parent();
}

void FileDialogModel::Parent() {
  const fs::path dir(directory_);
  if (!dir.has_parent_path() || dir.parent_path() == dir) return;
  if (!Inside(dir.parent_path().string())) return;
  const std::string came = dir.filename().string();
  List(dir.parent_path().string());
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].directory && entries_[i].name == came) selected_ = static_cast<int>(i);
  }
}

FileDialogModel::Outcome FileDialogModel::Escape() {
  if (asking_) return Answer(false);
  return Outcome::Cancelled;
}

FileDialogModel::Outcome FileDialogModel::Enter() {
  if (asking_) return Answer(true);
  message_.clear();
  if (focus_ == Focus::List && selected_ >= 0) return Open(entries_[selected_]);
  if (name_.empty()) {
    if (selected_ >= 0 && entries_[selected_].directory) return Open(entries_[selected_]);
    return Outcome::Stay;
  }
  return Choose(name_);
}

FileDialogModel::Outcome FileDialogModel::Open(const DialogEntry& entry) {
  if (!entry.directory) return Choose(entry.name);
  if (entry.name == "..") {
    Parent();
  } else {
    List((fs::path(directory_) / entry.name).string());
  }
  return Outcome::Stay;
}

FileDialogModel::Outcome FileDialogModel::Choose(const std::string& typed) {
  fs::path p = fs::path(typed).is_absolute() ? fs::path(typed) : fs::path(directory_) / typed;
  p = p.lexically_normal();
  std::error_code ec;
  if (!Inside(Absolute(p.string()).string())) {
    message_ = "Ukládat a nahrávat lze jen ve složce uložených her.";
    return Outcome::Stay;
  }
  if (fs::is_directory(p, ec)) {
    List(Absolute(p.string()).string());
    if (kind_ == Kind::Save) {
      name_ = kInitialName;
      proposed_ = true;
    }
    return Outcome::Stay;
  }
  if (kind_ == Kind::Load) {
    if (!fs::is_regular_file(p, ec)) {
      const fs::path withSuffix = WithSaveSuffix(p.string());
      if (fs::is_regular_file(withSuffix, ec)) p = withSuffix;
    }
    if (!fs::is_regular_file(p, ec)) {
      message_ = "Soubor " + typed + " nebyl nalezen.";
      return Outcome::Stay;
    }
  } else {
    p = SaveDialogName(p.string());
    if (!fs::is_directory(p.parent_path(), ec)) {
      message_ = "Složka pro " + typed + " neexistuje.";
      return Outcome::Stay;
    }
    if (fs::exists(p, ec)) {
      asking_ = true;
      pending_ = p.string();
      message_ = "Soubor " + p.filename().string() + " už existuje. Přepsat? (A/N)";
      return Outcome::Stay;
    }
  }
  result_ = AsChosen(p, workDir_);
  return Outcome::Chosen;
}

FileDialogModel::Outcome FileDialogModel::Answer(bool yes) {
  if (!asking_) return Outcome::Stay;
  asking_ = false;
  message_.clear();
  if (!yes) return Outcome::Stay;
  result_ = AsChosen(fs::path(pending_), workDir_);
  return Outcome::Chosen;
}

int FileDialogModel::FirstShown(int rows) {
  if (rows < 1) rows = 1;
  if (selected_ >= 0) {
    if (selected_ < first_) first_ = selected_;
    if (selected_ >= first_ + rows) first_ = selected_ - rows + 1;
  }
  first_ = std::clamp(first_, 0, std::max(0, static_cast<int>(entries_.size()) - rows));
  return first_;
}

}  // namespace raketa
