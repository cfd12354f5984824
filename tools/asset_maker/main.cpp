// Paints the four pictures and synthesises the sixteen cues into
// OUTDIR/pictures/*.jpg and OUTDIR/cues/*.wav, and paints the desktop icon
// into OUTDIR/icons/raketa-SIZE.png.
//   asset_maker OUTDIR [NAME...]   (no names: all of them; "icon": the icons)
#include <cstdio>
#include <exception>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "cues.h"
#include "game_list.h"
#include "icon.h"
#include "jpeg_file.h"
#include "pictures.h"
#include "png_file.h"
#include "wav_file.h"

namespace {

bool Wanted(const std::vector<std::string>& names, const std::string& name) {
  if (names.empty()) return true;
  for (const std::string& n : names)
    if (n == name) return true;
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s OUTDIR [NAME...]\n", argv[0]);
    return 2;
  }
  namespace fs = std::filesystem;
  const fs::path out = argv[1];
  const std::vector<std::string> names(argv + 2, argv + argc);
  try {
    fs::create_directories(out / "pictures");
    fs::create_directories(out / "cues");
    fs::create_directories(out / "icons");
    // The game's list says what to make; every entry needs its painter or
    // recipe, and what is made must have the entry's size or format.
    auto picture = [&](const std::string& name, const std::function<assets::Canvas()>& paint) {
      if (!Wanted(names, name)) return;
      const assets::ListedPicture* entry = nullptr;
      for (const assets::ListedPicture& p : assets::GamePictures())
        if (p.file == name) entry = &p;
      if (entry == nullptr) throw std::runtime_error("the game lists no picture " + name);
      const assets::Canvas made = paint();
      assets::CheckMade(*entry, made);
      assets::WriteJpeg(made, (out / "pictures" / (name + ".jpg")).string());
      std::printf("pictures/%s.jpg\n", name.c_str());
    };
    assets::Canvas pozadi = assets::PaintPozadi();
    picture("pozadi", [&] { return pozadi; });
    picture("kyslik", [&] { return assets::PaintKyslik(pozadi); });
    picture("dosedka", assets::PaintDosedka);
    picture("odlet", assets::PaintOdlet);
    if (Wanted(names, "icon")) {
      for (int size : {48, 128, 256}) {
        const std::string file = "icons/raketa-" + std::to_string(size) + ".png";
        assets::WritePng(assets::PaintIcon(size), assets::IconCoverage(size), (out / file).string());
        std::printf("%s\n", file.c_str());
      }
    }
    for (const assets::CueRecipe& cue : assets::CueRecipes()) {
      bool listed = false;
      for (const assets::ListedCue& entry : assets::GameCues()) listed = listed || cue.file == std::string(entry.file);
      if (!listed) throw std::runtime_error(std::string("the game lists no cue ") + cue.file);
    }
    for (const assets::ListedCue& entry : assets::GameCues()) {
      if (!Wanted(names, entry.file)) continue;
      const assets::CueRecipe* recipe = nullptr;
      for (const assets::CueRecipe& cue : assets::CueRecipes())
        if (cue.file == std::string(entry.file)) recipe = &cue;
      if (recipe == nullptr) throw std::runtime_error(std::string("no recipe for the cue ") + entry.file);
      const assets::Sound made = recipe->make();
      assets::CheckMade(entry, made);
      assets::WriteWav(made, (out / "cues" / (entry.file + std::string(".wav"))).string());
      std::printf("cues/%s.wav\n", entry.file);
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "asset_maker: %s\n", e.what());
    return 1;
  }
  return 0;
}
