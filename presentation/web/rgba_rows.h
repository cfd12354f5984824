// The screen's pixels as a canvas takes them: bytes R, G, B, A (opaque).
#pragma once

#include <cstdint>
#include <vector>

#include "presentation/render/raster565.h"

namespace raketa {

// Rows of 1024 RGB565 pixels (the screen image's) into RGBA bytes, each
// colour widened as the desktop window widens it (Rgb565ToXrgb), only the
// rows in `rows`.
void ToRgba8888(const std::uint16_t* rgb565, std::uint8_t* rgba, RowRange rows);

// What tells one row of 1024 RGB565 pixels from another (FNV-1a over 64-bit
// words).
std::uint64_t RowHash(const std::uint16_t* row);

// The rows that changed: `shown` holds the hash of each row the canvas
// shows now.  Hashes the rows in `rows`, keeps the new hashes and returns
// the span of the rows whose hash changed (empty when none did), so that a
// frame that only drew the same meters again puts nothing on the canvas.
RowRange ChangedRows(const std::uint16_t* rgb565, std::vector<std::uint64_t>& shown, RowRange rows);

}  // namespace raketa
