// Drawing the file dialogs and feeding them keys.
#include "presentation/boxes/file_dialogs.h"

#include "presentation/boxes/dialog_speech.h"
#include "presentation/boxes/remembered_folder.h"
#include "presentation/boxes/typed_text.h"
#include "services/cp1250.h"

namespace raketa {

namespace {

constexpr Rect kBox{162, 104, 862, 664};
constexpr int kListRows = 14;
constexpr std::uint32_t kFill = 0x502800;       // dark blue
constexpr std::uint32_t kListFill = 0x301800;
constexpr std::uint32_t kChosenFill = 0xFFFF00;  // aqua, as the command line's text
constexpr std::uint32_t kDimFill = 0x806040;
constexpr std::uint32_t kQuiet = 0xD0C0B0;
constexpr std::uint32_t kWarning = 0x00FFFF;     // yellow

// Long paths lose their beginning, which matters least.
std::string FitLeft(FontFace& face, std::string text, int width) {
  if (face.TextWidth(text) <= width) return text;
  const std::string dots = "...";
  while (!text.empty() && face.TextWidth(dots + text) > width) text.erase(0, 1);
  return dots + text;
}

}  // namespace

void BoxFileDialogs::SpeakThrough(Speech& speech, std::function<bool()> on) {
  // A dialog's lines go before anything the game had waiting, and each key
  // ends the last key's lines at the end of a word.
  speak = [&speech, on = std::move(on)](const std::string& utf8, bool cutOff) {
    if (!on()) return;
    if (cutOff) speech.Yield();
    speech.Say(utf8, Speech::Place::First, true);
  };
}

bool BoxFileDialogs::Execute(FileDialogModel::Kind kind, std::string& path) {
  // The first dialog of a run opens where the last run's ended, or in the
  // save folder; names inside the save folder come back relative to it.
  const GameFolders& folders = files_.Folders();
  files_.MakeSaveFolder();
  if (directory_.empty()) directory_ = RecallFolder(folders.state);
  FileDialogModel model(kind, directory_, folders.saves, inside_);
  bool chosen = false;
  DialogHeard heard = Hear(model);
  Tell(DialogNews(nullptr, heard, kind));
  const bool open = ModalLoop(host_).Run([&](Raster565& r) { Draw(r, model); },
                                                  [&](const BoxEvent& e) {
                                                    const ModalLoop::Reply reply = Handle(e, model, chosen);
                                                    if (reply == ModalLoop::Reply::Changed) {
                                                      DialogHeard now = Hear(model);
                                                      Tell(DialogNews(&heard, now, kind));
                                                      heard = now;
                                                    }
                                                    return reply;
                                                  });
  if (!open) app_.Close();
  if (!chosen) {
    if (open) Tell({DialogClosed()});
    return false;
  }
  directory_ = model.Directory();
  RememberFolder(folders.state, directory_);
  path = model.Result();
  return true;
}

void BoxFileDialogs::Tell(const std::vector<std::string>& sentences) {
  if (!speak) return;
  for (std::size_t i = 0; i < sentences.size(); ++i) speak(sentences[i], i == 0);
}

ModalLoop::Reply BoxFileDialogs::Handle(const BoxEvent& e, FileDialogModel& m, bool& chosen) {
  using Outcome = FileDialogModel::Outcome;
  using Reply = ModalLoop::Reply;
  Outcome outcome = Outcome::Stay;
  if (e.kind == BoxEvent::Kind::Text) {
    const std::string typed = TypedCp1250(e.text);
    if (typed.empty()) return Reply::Ignored;
    if (m.AskingOverwrite()) {
      const char c = static_cast<char>(LowerCp1250(static_cast<unsigned char>(typed[0])));
      if (c == 'a') outcome = m.Answer(true);
      else if (c == 'n') outcome = m.Answer(false);
      else return Reply::Ignored;
    } else {
      // A file name may be in any script: it stays UTF-8, and only its
      // picture in the dialog shows '?' where the font has no letter.
      m.Type(e.text);
    }
  } else if (e.kind == BoxEvent::Kind::Paste) {
    // A file name pasted into the name field, as if typed.
    if (m.AskingOverwrite()) return Reply::Ignored;
    const std::string pasted = TypedCp1250(e.text);
    if (pasted.empty()) return Reply::Ignored;
    m.Type(Cp1250ToUtf8(pasted));
  } else if (e.kind == BoxEvent::Kind::FolderChanged) {
    m.Relist();
  } else if (e.kind == BoxEvent::Kind::Key) {
    switch (e.key) {
      case BoxKey::Up: m.Move(-1); break;
      case BoxKey::Down: m.Move(1); break;
      case BoxKey::PageUp: m.Move(-(kListRows - 1)); break;
      case BoxKey::PageDown: m.Move(kListRows - 1); break;
      case BoxKey::Home: m.Home(); break;
      case BoxKey::End: m.End(); break;
      case BoxKey::Tab: m.Tab(); break;
      case BoxKey::Backspace: m.Backspace(); break;
      case BoxKey::Enter: outcome = m.Enter(); break;
      case BoxKey::Escape: outcome = m.Escape(); break;
      case BoxKey::Other: return Reply::Ignored;
    }
  } else {
    return Reply::Ignored;
  }
  if (outcome == Outcome::Cancelled) return Reply::Done;
  if (outcome == Outcome::Chosen) {
    chosen = true;
    return Reply::Done;
  }
  return Reply::Changed;
}

void BoxFileDialogs::Draw(Raster565& r, FileDialogModel& m) {
  FontSet& fonts = host_.Fonts();
  FontFace& title = fonts.Face(16, true);
  FontFace& text = fonts.Face(13, false);
  FontFace& small = fonts.Face(12, false);
  const std::uint16_t white = ToRgb565(modal_look::kText), quiet = ToRgb565(kQuiet);
  const bool load = m.GetKind() == FileDialogModel::Kind::Load;
  const Rect in = modal_look::Panel(r, kBox, kFill);
  const int left = in.left + 20, right = in.right - 20;

  int y = in.top + 14;
  r.Text(title, left, y, W(load ? "Nahrát uloženou hru" : "Uložit hru"), white);
  y += title.LineHeight() + 8;
  const std::string folder = W("Složka: ");
  r.Text(small, left, y, folder, quiet);
  const int folderX = left + small.TextWidth(folder);
  r.Text(small, folderX, y, FitLeft(small, Utf8ToCp1250(m.Directory()), right - folderX), quiet);
  y += small.LineHeight() + 6;

  // The list: directories first, then the saved games with their dates.
  const int rowHeight = text.LineHeight() + 3;
  const Rect list{left, y, right, y + kListRows * rowHeight + 4};
  r.Fill(list, ToRgb565(kListFill));
  r.Frame(list, ToRgb565(kDimFill));
  const bool listFocus = m.GetFocus() == FileDialogModel::Focus::List;
  const auto& entries = m.Entries();
  const int first = m.FirstShown(kListRows);
  const int dateX = right - 8 - text.TextWidth("00.00.0000 00:00");
  for (int i = first; i < static_cast<int>(entries.size()) && i < first + kListRows; ++i) {
    const int rowY = list.top + 2 + (i - first) * rowHeight;
    const DialogEntry& e = entries[i];
    std::uint16_t ink = white;
    if (i == m.Selected()) {
      r.Fill({list.left + 2, rowY, list.right - 2, rowY + rowHeight}, ToRgb565(listFocus ? kChosenFill : kDimFill));
      if (listFocus) ink = ToRgb565(0x000000);
    }
    const Rect saved = r.Clip();
    r.SetClip({list.left + 2, rowY, dateX - 12, rowY + rowHeight});
    r.Text(text, list.left + 10, rowY + 1, Utf8ToCp1250(e.name), ink);
    r.SetClip(saved);
    const std::string info = e.name == ".." ? W("<nahoru>") : e.directory ? W("<složka>") : e.modified;
    r.Text(text, e.directory ? dateX + 40 : dateX, rowY + 1, info, ink);
  }
  if (entries.empty()) r.Text(text, list.left + 10, list.top + 2, W("(prázdná složka)"), quiet);
  y = list.bottom + 12;

  // The name field, with its caret while it has the focus.
  const std::string label = W("Jméno souboru:");
  r.Text(text, left, y + 5, label, white);
  const int fieldX = left + text.TextWidth(label) + 10;
  const Rect field{fieldX, y, right, y + text.LineHeight() + 10};
  r.Fill(field, ToRgb565(0x000000));
  r.Frame(field, ToRgb565(listFocus ? kDimFill : kChosenFill));
  const std::string name = Utf8ToCp1250(m.Name());
  const Rect saved = r.Clip();
  r.SetClip({field.left + 1, field.top + 1, field.right - 1, field.bottom - 1});
  const int nameX = field.left + 6 - std::max(0, text.TextWidth(name) - (field.right - field.left - 14));
  const int width = r.Text(text, nameX, field.top + 5, name, ToRgb565(listFocus ? kQuiet : kChosenFill));
  if (!listFocus) r.Invert({nameX + width, field.top + 5, nameX + width + 1, field.top + 5 + text.LineHeight()});
  r.SetClip(saved);
  y = field.bottom + 10;

  if (!m.Message().empty()) r.Text(text, left, y, Utf8ToCp1250(m.Message()), ToRgb565(kWarning));
  y += text.LineHeight() + 10;

  const char* hints[] = {
      "Šipky: výběr    Enter: otevřít složku / vybrat soubor    Esc: zpět",
      "Psaní: jméno souboru    Backspace v prázdném jménu: o složku výš    Tab: seznam / jméno",
  };
  for (const char* hint : hints) {
    r.Text(small, left, y, W(hint), quiet);
    y += small.LineHeight() + 2;
  }
}

}  // namespace raketa
