// What a listener hears of a file dialog, key by key, on a small folder.
#include "presentation/boxes/dialog_speech.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/scratch_dir.h"

namespace raketa {
namespace {

namespace fs = std::filesystem;
using Kind = FileDialogModel::Kind;
using Said = std::vector<std::string>;

class DialogSpeechTest : public ::testing::Test {
 protected:
  DialogSpeechTest() {
    fs::remove("texty");
    fs::create_directory("archiv");
    std::ofstream("hra.sav") << "x";
    std::ofstream("druha.sav") << "x";
  }
  // The model after `key`, and what the listener heard of it.
  template <typename Key>
  Said After(FileDialogModel& m, Key key) {
    const DialogHeard before = Hear(m);
    key(m);
    return DialogNews(&before, Hear(m), m.GetKind());
  }
  test::ScratchDir dir;
};

TEST_F(DialogSpeechTest, OpeningSaysWhatTheDialogIsAndWhereTheFocusIs) {
  const std::string folder = "Složka " + fs::current_path().filename().string() + ".";
  const std::string keys = "Šipky vybírají ze seznamu, psaní mění jméno, Enter potvrdí, Escape zavře.";
  FileDialogModel save(Kind::Save);
  EXPECT_EQ(DialogNews(nullptr, Hear(save), Kind::Save),
            (Said{"Uložit hru.", folder, "Jméno souboru: noname.", keys}));
  FileDialogModel load(Kind::Load);
  EXPECT_EQ(DialogNews(nullptr, Hear(load), Kind::Load)[0], "Nahrát uloženou hru.");
}

TEST_F(DialogSpeechTest, EachKeySaysOnlyWhatItChanged) {
  FileDialogModel m(Kind::Save);  // entries: .., archiv, druha.sav, hra.sav
  const struct {
    const char* what;
    std::function<void(FileDialogModel&)> key;
    Said said;
  } steps[] = {
      {"down into the list", [](FileDialogModel& m) { m.Move(1); }, {"archiv, složka."}},
      {"down to a game", [](FileDialogModel& m) { m.Move(1); }, {"druha."}},
      {"up to the parent", [](FileDialogModel& m) { m.Move(-2); }, {"o složku výš."}},
      {"up at the top of the list", [](FileDialogModel& m) { m.Move(-1); }, {"Začátek seznamu."}},
      {"down past the end", [](FileDialogModel& m) { m.End(); }, {"hra."}},
      {"down at the end of the list", [](FileDialogModel& m) { m.Move(1); }, {"Konec seznamu."}},
      {"typing replaces the name", [](FileDialogModel& m) { m.Type("h"); }, {"Jméno souboru: h."}},
      {"typing goes on letter by letter", [](FileDialogModel& m) { m.Type("r"); }, {"r"}},
      {"a letter rubbed out", [](FileDialogModel& m) { m.Backspace(); }, {"Jméno souboru: h."}},
      {"the overwrite question",
       [](FileDialogModel& m) {
         m.Type("ra");
         m.Enter();
       },
       {"ra", "Soubor hra už existuje. Přepsat? A ano, N ne."}},
  };
  for (const auto& s : steps) EXPECT_EQ(After(m, s.key), s.said) << s.what;
}

TEST_F(DialogSpeechTest, EnteringAFolderSaysItsNameAndWhatIsHighlighted) {
  FileDialogModel m(Kind::Load);
  m.Home();
  m.Move(1);  // archiv
  EXPECT_EQ(After(m, [](FileDialogModel& m) { m.Enter(); }), (Said{"Složka archiv.", "o složku výš."}));
}

}  // namespace
}  // namespace raketa
