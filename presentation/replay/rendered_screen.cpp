#include "presentation/replay/rendered_screen.h"

#include <stdexcept>
#include <vector>

#include "presentation/render/pixel_hash.h"
#include "presentation/render/png_writer.h"
#include "presentation/render/screen_image.h"

namespace raketa {

std::uint64_t RenderedScreen::Screenshot(const std::string& path, const CommandLine& edit) {
  std::vector<std::uint8_t> rgb = ComposeRgb888(surface_.Presented(), edit, fonts_);
  if (!WritePng(path, SoftwareSurface::kWidth, SoftwareSurface::kHeight, rgb.data())) {
    throw std::runtime_error("cannot write " + path);
  }
  return PixelHash(rgb.data(), rgb.size());
}

}  // namespace raketa
