// The save folder's signature changes with every save the game can make, and
// only then, so the page keeps the folder in the browser exactly when needed.
#include "presentation/web/folder_signature.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "support/scratch_dir.h"

namespace raketa {
namespace {

namespace fs = std::filesystem;

void Write(const fs::path& p, const std::string& bytes) { std::ofstream(p, std::ios::binary) << bytes; }

TEST(FolderSignature, ChangesWithEverySaveAndOnlyThen) {
  test::ScratchDir scratch;
  fs::create_directory("saves");
  const std::uint64_t empty = FolderSignature("saves");
  EXPECT_EQ(FolderSignature("saves"), empty) << "a folder left alone";

  Write("saves/hra.sav", "first");
  const std::uint64_t saved = FolderSignature("saves");
  EXPECT_NE(saved, empty) << "a new save";
  EXPECT_EQ(FolderSignature("saves"), saved) << "looked at again";

  // Saved over with a record of the same size: only its time tells.
  Write("saves/hra.sav", "again");
  fs::last_write_time("saves/hra.sav", fs::last_write_time("saves/hra.sav") + std::chrono::seconds(2));
  const std::uint64_t overwritten = FolderSignature("saves");
  EXPECT_NE(overwritten, saved) << "the same save written again";

  fs::rename("saves/hra.sav", "saves/jina.sav");
  const std::uint64_t renamed = FolderSignature("saves");
  EXPECT_NE(renamed, overwritten) << "a save under another name";

  fs::create_directories("saves/.nastaveni/raketa");
  Write("saves/.nastaveni/raketa/settings", "speech=on\n");
  const std::uint64_t setting = FolderSignature("saves");
  EXPECT_NE(setting, renamed) << "the speech setting, in a hidden folder";

  fs::remove("saves/jina.sav");
  EXPECT_NE(FolderSignature("saves"), setting) << "a save removed";
}

TEST(FolderSignature, AMissingFolderIsAnEmptyOne) {
  // The first visit has no save folder in the browser yet: nothing to keep.
  test::ScratchDir scratch;
  fs::create_directory("empty");
  EXPECT_EQ(FolderSignature("nowhere"), FolderSignature("empty"));
}

}  // namespace
}  // namespace raketa
