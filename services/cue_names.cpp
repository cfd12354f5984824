#include "services/cues.h"
#include "services/pictures.h"

namespace raketa {

namespace {
struct CueFacts {
  const char* name;
  bool looped;
};
constexpr CueFacts kCues[kCueCount] = {
#define RAKETA_CUE(id, name, looped, rate, bits, channels, seconds) {name, looped},
#include "services/asset_list.inc"
};
constexpr const char* kPictureNames[kPictureCount] = {
#define RAKETA_PICTURE(id, width, height) #id,
#include "services/asset_list.inc"
};
}  // namespace

const char* CueName(Cue c) { return kCues[static_cast<int>(c)].name; }

bool CueLooped(Cue c) { return kCues[static_cast<int>(c)].looped; }

const char* PictureName(Picture p) { return kPictureNames[static_cast<int>(p)]; }

}  // namespace raketa
