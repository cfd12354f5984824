// The four pictures of the picture list poz, by index.
#pragma once

namespace raketa {

enum class Picture : int {
  pozadi = 0,   // play-screen background, 1024 x 768
  kyslik = 1,   // oxygen bottle, 42 x 93
  dosedka = 2,  // title picture, 1024 x 768
  odlet = 3,    // departure picture, 1024 x 768
};

constexpr int kPictureCount = 4;

const char* PictureName(Picture p);

}  // namespace raketa
