// The fixed sizes and formats of the pictures and cues that ship with the
// game, from services/asset_list.inc.
#include <array>
#include <string_view>

#include "services/catalogue.h"

namespace raketa {

namespace {
constexpr std::array<PictureEntry, kPictureCount> kPictures = {{
#define RAKETA_PICTURE(id, width, height) {#id, width, height},
#include "services/asset_list.inc"
}};
constexpr std::array<CueEntry, kCueCount> kCues = {{
#define RAKETA_CUE(id, name, looped, rate, bits, channels, seconds) {name, looped, rate, bits, channels, seconds},
#include "services/asset_list.inc"
}};
}  // namespace

const PictureEntry& PictureTable(Picture p) { return kPictures.at(static_cast<std::size_t>(p)); }

const CueEntry& CueTable(Cue c) { return kCues.at(static_cast<std::size_t>(c)); }

int PictureIndexByName(std::string_view name) {
  for (int i = 0; i < kPictureCount; ++i)
    if (name == kPictures[i].name) return i;
  return -1;
}

int CueIndexByName(std::string_view name) {
  for (int i = 0; i < kCueCount; ++i)
    if (name == kCues[i].name) return i;
  return -1;
}

}  // namespace raketa
