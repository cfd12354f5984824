// The screen's pixels as a canvas takes them: bytes R, G, B, A (opaque).
#pragma once

#include <cstdint>

#include "presentation/render/raster565.h"

namespace raketa {

// Rows of 1024 RGB565 pixels (the screen image's) into RGBA bytes, each
// colour widened as the desktop window widens it (Rgb565ToXrgb), only the
// rows in `rows`.
void ToRgba8888(const std::uint16_t* rgb565, std::uint8_t* rgba, RowRange rows);

// The same over RGBA bytes that hold what the canvas shows now: converts the
// rows in `rows` and returns the span of those whose bytes came out
// different (empty when none did), so that a frame that only drew the
// same meters again puts nothing on the canvas.
RowRange UpdateRgba8888(const std::uint16_t* rgb565, std::uint8_t* rgba, RowRange rows);

}  // namespace raketa
