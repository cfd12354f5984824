// The asset files' bytes, compiled in by cmake/assets.cmake: one generated
// source per line of services/asset_list.inc, each defining its array
// and size.
#include <cstddef>

#include "services/catalogue.h"

namespace raketa::embedded {
#define RAKETA_PICTURE(id, width, height) \
  extern const unsigned char picture_##id[]; \
  extern const std::size_t picture_##id##_size;
#define RAKETA_CUE(id, name, looped, rate, bits, channels, seconds) \
  extern const unsigned char cue_##id[]; \
  extern const std::size_t cue_##id##_size;
#include "services/asset_list.inc"
}  // namespace raketa::embedded

namespace raketa {

EmbeddedBytes EmbeddedPicture(Picture p) {
  using namespace embedded;
  switch (p) {
#define RAKETA_PICTURE(id, width, height) \
  case Picture::id: return {picture_##id, picture_##id##_size};
#include "services/asset_list.inc"
  }
  return {nullptr, 0};
}

EmbeddedBytes EmbeddedCue(Cue c) {
  using namespace embedded;
  switch (c) {
#define RAKETA_CUE(id, name, looped, rate, bits, channels, seconds) \
  case Cue::id: return {cue_##id, cue_##id##_size};
#include "services/asset_list.inc"
  }
  return {nullptr, 0};
}

}  // namespace raketa
