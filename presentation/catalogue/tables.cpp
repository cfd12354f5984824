// The fixed sizes and formats of the pictures and cues that ship with the
// game. Names and the looped flags come from the lists in presentation/core.
#include <array>
#include <string_view>

#include "presentation/catalogue.h"

namespace raketa {

const PictureEntry& PictureTable(Picture p) {
  static const std::array<PictureEntry, kPictureCount> table = [] {
    // pozadi, kyslik, dosedka, odlet
    constexpr int kSize[kPictureCount][2] = {{1024, 768}, {42, 93}, {1024, 768}, {1024, 768}};
    std::array<PictureEntry, kPictureCount> t{};
    for (int i = 0; i < kPictureCount; ++i) t[i] = {PictureName(static_cast<Picture>(i)), kSize[i][0], kSize[i][1]};
    return t;
  }();
  return table.at(static_cast<std::size_t>(p));
}

const CueEntry& CueTable(Cue c) {
  struct Format {
    int rate, bits, channels;
    double seconds;
  };
  static const std::array<CueEntry, kCueCount> table = [] {
    // Everything is 22050 Hz 16-bit mono, except the stereo hum and title
    // jingle and the old 8-bit siren.
    constexpr Format kFormat[kCueCount] = {
        {22050, 16, 2, 0.88}, {22050, 16, 1, 3.83}, {22050, 16, 1, 0.04}, {22050, 16, 1, 0.32},
        {22050, 16, 1, 0.32}, {22050, 16, 1, 0.75}, {22050, 16, 1, 1.34}, {22050, 16, 1, 2.75},
        {22050, 16, 1, 2.16}, {22050, 16, 1, 8.79}, {22050, 16, 1, 3.58}, {22050, 16, 1, 1.47},
        {22050, 16, 1, 2.39}, {11025, 8, 1, 1.95},  {22050, 16, 1, 3.19}, {22050, 16, 2, 3.05},
    };
    std::array<CueEntry, kCueCount> t{};
    for (int i = 0; i < kCueCount; ++i) {
      Cue c = static_cast<Cue>(i);
      const Format& f = kFormat[i];
      t[i] = {CueName(c), CueLooped(c), f.rate, f.bits, f.channels, f.seconds};
    }
    return t;
  }();
  return table.at(static_cast<std::size_t>(c));
}

int PictureIndexByName(std::string_view name) {
  for (int i = 0; i < kPictureCount; ++i)
    if (name == PictureName(static_cast<Picture>(i))) return i;
  return -1;
}

int CueIndexByName(std::string_view name) {
  for (int i = 0; i < kCueCount; ++i)
    if (name == CueName(static_cast<Cue>(i))) return i;
  return -1;
}

}  // namespace raketa
