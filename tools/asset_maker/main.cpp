// Paints the four pictures and synthesises the sixteen cues into
// OUTDIR/pictures/*.jpg and OUTDIR/cues/*.ogg, and paints the desktop icon
// into OUTDIR/icons/raketa-SIZE.png.
//   asset_maker [--wav] OUTDIR [NAME...]
// No names: all of them; "icon": the icons.  With --wav each cue is written
// as OUTDIR/cues/NAME.wav too, the samples that were encoded (a loop with
// its run-on), to listen to or to compare with.
#include <cstdint>
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
#include "ogg_file.h"
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
  const bool wav = argc > 1 && std::string(argv[1]) == "--wav";
  if (argc < 2 + wav) {
    std::fprintf(stderr, "usage: %s [--wav] OUTDIR [NAME...]\n", argv[0]);
    return 2;
  }
  namespace fs = std::filesystem;
  const fs::path out = argv[1 + wav];
  const std::vector<std::string> names(argv + 2 + wav, argv + argc);
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
    // The bottle is painted on the background's panel.
    const bool either = Wanted(names, "pozadi") || Wanted(names, "kyslik");
    const assets::Canvas pozadi = either ? assets::PaintPozadi() : assets::Canvas(1, 1);
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
      const std::string file = "cues/" + std::string(entry.file);
      // A loop is encoded with its run-on; the WAV file holds what was encoded.
      const assets::Sound encoded = entry.looped ? assets::WithRunOn(made, assets::kLoopRunOn) : made;
      const std::vector<std::uint8_t> ogg = assets::EncodeOgg(encoded, entry.looped ? made.frames() : 0);
      const std::string figures = assets::CheckEncoded(made, ogg, file + ".ogg");
      assets::WriteBytes(ogg, (out / (file + ".ogg")).string());
      std::printf("%s\n", figures.c_str());
      if (wav) {
        assets::WriteWav(encoded, (out / (file + ".wav")).string());
        std::printf("%s.wav\n", file.c_str());
      }
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "asset_maker: %s\n", e.what());
    return 1;
  }
  return 0;
}
