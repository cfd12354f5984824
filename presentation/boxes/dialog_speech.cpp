#include "presentation/boxes/dialog_speech.h"

#include <cctype>
#include <filesystem>

#include "services/save_names.h"
#include "services/spoken_words.h"

namespace raketa {

namespace {

using Focus = FileDialogModel::Focus;

std::string Folder(const std::string& directory) {
  const std::filesystem::path p(directory);
  std::string last = p.filename().string();
  if (last.empty()) last = p.parent_path().filename().string();
  return "Složka " + (last.empty() ? directory : last) + ".";
}

std::string Entry(const DialogEntry& e) {
  if (e.name == "..") return "o složku výš";
  if (e.directory) return e.name + ", složka";
  // The extension every saved game has tells the listener nothing.
  return WithoutSaveSuffix(e.name);
}

std::string NameSaid(const std::string& name) {
  return name.empty() ? "Jméno souboru je prázdné." : "Jméno souboru: " + name + ".";
}

std::string Remark(std::string message) {
  const std::string keys = "(A/N)";
  const std::size_t at = message.find(keys);
  if (at != std::string::npos) message.replace(at, keys.size(), "A ano, N ne.");
  return message;
}

}  // namespace

DialogHeard Hear(const FileDialogModel& m) {
  DialogHeard h;
  h.directory = m.Directory();
  h.selected = m.Selected();
  if (h.selected >= 0 && h.selected < static_cast<int>(m.Entries().size())) h.entry = Entry(m.Entries()[h.selected]);
  h.name = m.Name();
  h.focus = m.GetFocus();
  h.message = m.Message();
  h.count = static_cast<int>(m.Entries().size());
  return h;
}

std::vector<std::string> DialogNews(const DialogHeard* before, const DialogHeard& now, FileDialogModel::Kind kind) {
  std::vector<std::string> said;
  const bool listFocus = now.focus == Focus::List;
  const std::string listed = now.selected < 0 ? "Prázdná složka." : now.entry + ".";
  if (before == nullptr) {
    said.push_back(kind == FileDialogModel::Kind::Load ? "Nahrát uloženou hru." : "Uložit hru.");
    said.push_back(Folder(now.directory));
    said.push_back(listFocus ? listed : NameSaid(now.name));
    said.push_back("Šipky vybírají ze seznamu, psaní mění jméno, Enter potvrdí, Escape zavře.");
    return said;
  }
  if (now.directory != before->directory) {
    said.push_back(Folder(now.directory));
    if (listFocus) said.push_back(listed);
  } else if (listFocus && (now.selected != before->selected || before->focus != Focus::List)) {
    said.push_back(listed);
  } else if (listFocus && now.message.empty() && now.selected >= 0) {
    // A key that moved nothing: the highlight stands at an end of the list.
    if (now.count == 1) {
      said.push_back("Jediná položka: " + listed);
    } else {
      if (now.selected == 0) said.push_back("Začátek seznamu.");
      else if (now.selected == now.count - 1) said.push_back("Konec seznamu.");
    }
  } else if (!listFocus && before->focus != Focus::Name) {
    said.push_back(NameSaid(now.name));
  } else if (!listFocus && now.name != before->name) {
    // Typing is echoed letter by letter; anything else says the whole name.
    const bool typed = now.name.size() > before->name.size() && now.name.compare(0, before->name.size(), before->name) == 0;
    said.push_back(typed ? now.name.substr(before->name.size()) : NameSaid(now.name));
  }
  if (!now.message.empty() && now.message != before->message) said.push_back(SpokenForm(Remark(now.message)));
  return said;
}

std::string DialogClosed() { return "Zavřeno."; }

}  // namespace raketa
