// The memory of one 1024 x 768 RGB565 picture, black at first: allocated
// and cleared by itself, or memory its owner keeps black for it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "services/screen_layout.h"

namespace raketa {

class ScreenMemory {
 public:
  static constexpr std::size_t kPixels = static_cast<std::size_t>(screen::kWidth) * screen::kHeight;

  // Allocated here, all black.
  ScreenMemory();
  // kPixels of black that the caller keeps for as long as this is used.
  // The web page hands in static arrays: memory a program has never
  // written is black already, and the browser maps its pages only when the
  // game draws on them, where clearing 4.5 MB of pictures cost it 30 ms of
  // its start.
  explicit ScreenMemory(std::uint16_t* black) : pixels_(black) {}

  std::uint16_t* get() const { return pixels_; }

 private:
  std::unique_ptr<std::uint16_t[]> owned_;
  std::uint16_t* pixels_;
};

}  // namespace raketa
