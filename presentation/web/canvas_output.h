// The page's canvas as the place the game's picture goes: only the rows
// whose pixels changed are put on it, and nothing when none did.
#pragma once

#include <cstdint>
#include <vector>

#include "presentation/render/kept_picture.h"

namespace raketa {

class CanvasOutput : public PictureSink {
 public:
  CanvasOutput();
  void Show(const std::uint16_t* rgb565, RowRange rows) override;
  // Every row, changed or not (the canvas may have lost its contents).
  void ShowAll(const std::uint16_t* rgb565) override;

 private:
  std::vector<std::uint8_t> rgba_;  // what the canvas shows
};

}  // namespace raketa
