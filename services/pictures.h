// The four pictures of the picture list poz, by index; the list itself is
// services/asset_list.inc.
#pragma once

namespace raketa {

enum class Picture : int {
#define RAKETA_PICTURE(id, width, height) id,
#include "services/asset_list.inc"
};

constexpr int kPictureCount = 0
#define RAKETA_PICTURE(id, width, height) +1
#include "services/asset_list.inc"
    ;

const char* PictureName(Picture p);

}  // namespace raketa
