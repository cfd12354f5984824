// The page's canvas as the place the game's picture goes: only the rows
// that changed are put on it.
#pragma once

#include <cstdint>
#include <vector>

#include "presentation/render/kept_picture.h"

namespace raketa {

class CanvasOutput : public PictureSink {
 public:
  CanvasOutput();
  void Show(const std::uint32_t* xrgb, RowRange rows) override;

 private:
  std::vector<std::uint8_t> rgba_;
};

}  // namespace raketa
