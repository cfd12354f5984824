// The page's canvas as the place the game's picture goes: only the rows
// whose pixels changed are put on it, and nothing when none did.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "presentation/render/kept_picture.h"

namespace raketa {

class CanvasOutput : public PictureSink {
 public:
  CanvasOutput();
  void Show(const std::uint16_t* rgb565, RowRange rows) override;
  // Every row, changed or not (the canvas may have lost its contents).
  void ShowAll(const std::uint16_t* rgb565) override;
  // Whether anything was put on the canvas since the last call.
  bool TakeChanged() { return std::exchange(changed_, false); }

 private:
  // Rows first..last (exclusive) of the picture onto the canvas.
  void Put(const std::uint16_t* rgb565, RowRange rows);

  std::vector<std::uint64_t> shown_;  // the hash of each row the canvas shows
  std::vector<std::uint8_t> rgba_;    // the rows being put, as the canvas takes them
  bool changed_ = false;
};

}  // namespace raketa
