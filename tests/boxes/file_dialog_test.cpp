// The load and Save dialogs' model: what they list, what they propose and
// which paths they give back.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "presentation/boxes/file_dialog_model.h"
#include "support/scratch_dir.h"

namespace raketa {
namespace {

namespace fs = std::filesystem;
using Outcome = FileDialogModel::Outcome;
using Kind = FileDialogModel::Kind;

void Touch(const std::string& path) { std::ofstream(path) << "x"; }

std::vector<std::string> Names(const FileDialogModel& m) {
  std::vector<std::string> names;
  for (const DialogEntry& e : m.Entries()) names.push_back(e.name);
  return names;
}

void TypeName(FileDialogModel& m, const std::string& name) {
  m.Type(name);
  ASSERT_EQ(m.Name(), name);
}

class FileDialogTest : public ::testing::Test {
 protected:
  FileDialogTest() {
    fs::remove("texty");  // the scratch directory's own, not part of this listing
    fs::create_directory("saves");
    fs::create_directory(".hidden");
    fs::create_directory("Archiv");
    for (const char* f : {"b.sav", "A.SAV", "notes.txt", "c.sav.bak", "saves/z.sav", ".skryta.sav"}) Touch(f);
  }
  test::ScratchDir dir;
};

TEST_F(FileDialogTest, ListsParentDirectoriesThenSavedGamesOnly) {
  for (Kind kind : {Kind::Load, Kind::Save}) {
    FileDialogModel m(kind);
    EXPECT_EQ(Names(m), (std::vector<std::string>{"..", "Archiv", "saves", "A.SAV", "b.sav"}));
    for (const DialogEntry& e : m.Entries()) {
      EXPECT_EQ(e.directory, e.name == ".." || e.name == "Archiv" || e.name == "saves") << e.name;
      if (e.name != "..") {
        EXPECT_EQ(e.modified.size(), std::string("01.02.2024 10:20").size()) << e.modified;
      }
    }
  }
}

TEST_F(FileDialogTest, SaveProposesNonameWithTheDefaultExtension) {
  FileDialogModel m(Kind::Save);
  EXPECT_EQ(m.Name(), "noname");
  EXPECT_EQ(m.Enter(), Outcome::Chosen);
  EXPECT_EQ(m.Result(), "noname.sav");
}

// A dot inside a name is no extension: only a name that ends in ".sav", in
// any letter case, is kept as it is.
TEST_F(FileDialogTest, SaveAddsTheSuffixUnlessTheNameEndsInIt) {
  struct Case {
    const char* typed;
    const char* chosen;
  };
  for (Case c : {Case{"hra", "hra.sav"}, Case{"hra.dat", "hra.dat.sav"}, Case{"hra č. 1", "hra č. 1.sav"},
                 Case{"HRA.SAV", "HRA.SAV"}, Case{"hra.sAv", "hra.sAv"}, Case{"hra.sav.", "hra.sav..sav"},
                 Case{"игра ☃", "игра ☃.sav"}, Case{"saves/nova", "saves/nova.sav"},
                 Case{"saves/../druha", "druha.sav"}}) {
    FileDialogModel m(Kind::Save);
    TypeName(m, c.typed);  // replaces the proposed name
    EXPECT_EQ(m.Enter(), Outcome::Chosen) << c.typed;
    EXPECT_EQ(m.Result(), c.chosen) << c.typed;
  }
}

TEST_F(FileDialogTest, OverwritingAnExistingGameNeedsAYes) {
  FileDialogModel m(Kind::Save);
  TypeName(m, "b");
  EXPECT_EQ(m.Enter(), Outcome::Stay);
  EXPECT_TRUE(m.AskingOverwrite());
  EXPECT_NE(m.Message().find("(A/N)"), std::string::npos);
  EXPECT_EQ(m.Answer(false), Outcome::Stay);
  EXPECT_FALSE(m.AskingOverwrite());
  EXPECT_EQ(m.Enter(), Outcome::Stay);
  EXPECT_EQ(m.Escape(), Outcome::Stay) << "Esc refuses the overwrite, the dialog stays";
  EXPECT_EQ(m.Enter(), Outcome::Stay);
  EXPECT_EQ(m.Enter(), Outcome::Chosen) << "Enter says yes";
  EXPECT_EQ(m.Result(), "b.sav");
}

TEST_F(FileDialogTest, ChoosingAnExistingGameFromTheListInASaveAsksToo) {
  FileDialogModel m(Kind::Save);
  m.End();
  EXPECT_EQ(m.Name(), "b.sav");
  EXPECT_EQ(m.Enter(), Outcome::Stay);
  EXPECT_TRUE(m.AskingOverwrite());
  EXPECT_EQ(m.Answer(true), Outcome::Chosen);
  EXPECT_EQ(m.Result(), "b.sav");
}

TEST_F(FileDialogTest, LoadGivesOnlyExistingFiles) {
  FileDialogModel m(Kind::Load);
  EXPECT_EQ(m.Name(), "A.SAV") << "the first saved game is proposed";
  TypeName(m, "nic");
  EXPECT_EQ(m.Enter(), Outcome::Stay);
  EXPECT_FALSE(m.Message().empty());
  m.Backspace();
  m.Backspace();
  m.Backspace();
  TypeName(m, "b");
  EXPECT_EQ(m.Enter(), Outcome::Chosen);
  EXPECT_EQ(m.Result(), "b.sav");

  FileDialogModel list(Kind::Load);
  list.Move(1);
  EXPECT_EQ(list.Enter(), Outcome::Chosen);
  EXPECT_EQ(list.Result(), "b.sav");
}

TEST_F(FileDialogTest, DirectoriesOpenAndBackspaceGoesUp) {
  FileDialogModel m(Kind::Load);
  m.Home();
  m.Move(2);
  ASSERT_EQ(m.Entries()[m.Selected()].name, "saves");
  EXPECT_EQ(m.Enter(), Outcome::Stay);
  EXPECT_EQ(fs::path(m.Directory()).filename(), "saves");
  EXPECT_EQ(Names(m), (std::vector<std::string>{"..", "z.sav"}));
  EXPECT_EQ(m.Name(), "z.sav");
  EXPECT_EQ(m.Enter(), Outcome::Chosen);
  EXPECT_EQ(m.Result(), "saves/z.sav");

  m.Tab();
  EXPECT_EQ(m.GetFocus(), FileDialogModel::Focus::Name);
  m.Backspace();  // the proposed name goes as a whole
  EXPECT_EQ(m.Name(), "");
  m.Backspace();  // an empty name: up a level, back on the directory we left
  EXPECT_EQ(fs::path(m.Directory()), fs::current_path());
  EXPECT_EQ(m.Entries()[m.Selected()].name, "saves");
}

TEST_F(FileDialogTest, TypedDirectoryNameOpensIt) {
  FileDialogModel m(Kind::Save);
  TypeName(m, "saves");
  EXPECT_EQ(m.Enter(), Outcome::Stay);
  EXPECT_EQ(fs::path(m.Directory()).filename(), "saves");
  EXPECT_EQ(m.Name(), "noname");
  EXPECT_EQ(m.Enter(), Outcome::Chosen);
  EXPECT_EQ(m.Result(), "saves/noname.sav");
}

TEST_F(FileDialogTest, OutsideTheWorkingDirectoryPathsAreAbsolute) {
  FileDialogModel m(Kind::Save);
  m.Home();
  ASSERT_EQ(m.Entries()[m.Selected()].name, "..");
  m.Enter();
  EXPECT_EQ(fs::path(m.Directory()), fs::current_path().parent_path());
  m.Tab();
  m.Type("venku");
  ASSERT_EQ(m.Enter(), Outcome::Chosen);
  EXPECT_EQ(m.Result(), (fs::current_path().parent_path() / "venku.sav").generic_string());
}

// With a save folder the dialog opens there, names inside it come back
// relative to it and names elsewhere (the working directory too) in full.
TEST_F(FileDialogTest, TheSaveFolderIsWhereNamesAreRelativeTo) {
  const fs::path saves = fs::current_path() / "saves";
  FileDialogModel load(Kind::Load, "", saves.string());
  EXPECT_EQ(fs::path(load.Directory()), saves);
  EXPECT_EQ(Names(load), (std::vector<std::string>{"..", "z.sav"}));
  EXPECT_EQ(load.Enter(), Outcome::Chosen);
  EXPECT_EQ(load.Result(), "z.sav");

  FileDialogModel save(Kind::Save, fs::current_path().string(), saves.string());
  save.Tab();
  save.Type("b");
  EXPECT_EQ(save.Enter(), Outcome::Stay);  // b.sav exists: asked first
  EXPECT_EQ(save.Answer(true), Outcome::Chosen);
  EXPECT_EQ(save.Result(), (fs::current_path() / "b.sav").generic_string());
}

TEST_F(FileDialogTest, EscapeCancels) {
  for (Kind kind : {Kind::Load, Kind::Save}) {
    FileDialogModel m(kind);
    m.Type("cokoli");
    EXPECT_EQ(m.Escape(), Outcome::Cancelled);
  }
}

TEST_F(FileDialogTest, ListScrollsToKeepTheSelectionShown) {
  for (int i = 0; i < 30; ++i) Touch("hra" + std::to_string(100 + i) + ".sav");
  FileDialogModel m(Kind::Load);
  const int rows = 8;
  for (int step = 0; step < 40; ++step) {
    m.Move(step < 25 ? 1 : -3);
    const int first = m.FirstShown(rows);
    EXPECT_LE(first, m.Selected());
    EXPECT_LT(m.Selected(), first + rows);
  }
}

// In the browser only the save folder outlives a reload: a dialog kept
// inside it never lists its parent nor chooses a file outside it, however
// the path is typed, and a remembered folder outside it is not reopened.
TEST_F(FileDialogTest, KeptInsideItsFolderNeverLeavesIt) {
  const std::string saves = fs::absolute("saves").string();
  fs::create_directory("saves/stare");
  for (Kind kind : {Kind::Load, Kind::Save}) {
    SCOPED_TRACE(kind == Kind::Load ? "load" : "save");
    // Opened where the last dialog ended, outside: back in the save folder.
    FileDialogModel m(kind, fs::absolute(".").string(), saves, saves);
    EXPECT_EQ(m.Directory(), saves);
    EXPECT_EQ(Names(m), (std::vector<std::string>{"stare", "z.sav"}));
    m.Home();
    m.Backspace();  // no folder above
    EXPECT_EQ(m.Directory(), saves);
    for (const char* typed : {"../b.sav", "/tmp/x.sav", "stare/../../b.sav", ".."}) {
      SCOPED_TRACE(typed);
      FileDialogModel fresh(kind, {}, saves, saves);
      fresh.Type(typed);
      EXPECT_EQ(fresh.Enter(), Outcome::Stay);
      EXPECT_EQ(fresh.Message(), "Ukládat a nahrávat lze jen ve složce uložených her.");
      EXPECT_EQ(fresh.Directory(), saves);
    }
    // A folder inside has its ".." back up to the top, and no further.
    m.Type("stare");
    EXPECT_EQ(m.Enter(), Outcome::Stay);
    EXPECT_EQ(Names(m).front(), "..");
    m.Home();
    EXPECT_EQ(m.Enter(), Outcome::Stay);
    EXPECT_EQ(m.Directory(), saves);
  }
  FileDialogModel save(Kind::Save, {}, saves, saves);
  save.Type("nova");
  EXPECT_EQ(save.Enter(), Outcome::Chosen);
  EXPECT_EQ(save.Result(), "nova.sav");
}

// A game put into the folder while the dialog is open shows up in it.
TEST_F(FileDialogTest, RelistShowsAFileThatArrivedAndKeepsTheTypedName) {
  FileDialogModel load(Kind::Load, "saves", "saves");
  EXPECT_EQ(Names(load), (std::vector<std::string>{"..", "z.sav"}));
  Touch("saves/nahrana.sav");
  load.Relist();
  EXPECT_EQ(Names(load), (std::vector<std::string>{"..", "nahrana.sav", "z.sav"}));
  FileDialogModel save(Kind::Save, "saves", "saves");
  save.Type("moje");
  Touch("saves/dalsi.sav");
  save.Relist();
  EXPECT_EQ(save.Name(), "moje");
  EXPECT_EQ(Names(save), (std::vector<std::string>{"..", "dalsi.sav", "nahrana.sav", "z.sav"}));
}

}  // namespace
}  // namespace raketa
