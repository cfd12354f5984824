#include "presentation/render/stopped_picture.h"

#include "presentation/render/kept_picture.h"
#include "presentation/render/raster565.h"
#include "presentation/render/screen_image.h"
#include "services/cp1250.h"

namespace raketa {

std::vector<std::uint16_t> StoppedPicture(std::vector<std::uint16_t> rgb565, FontSet& fonts) {
  // Each channel halved: shifting the whole word right drops every
  // channel's lowest bit into the one below, which the mask clears.
  for (std::uint16_t& p : rgb565) p = static_cast<std::uint16_t>((p >> 1) & 0x7BEF);
  Raster565 r(rgb565.data(), ScreenImage::kWidth, ScreenImage::kHeight);
  FontFace& face = fonts.Face(16, true);
  const std::string line = W("Hra stojí – klikni do hry");
  const int width = face.TextWidth(line);
  const int x = (ScreenImage::kWidth - width) / 2;
  const int y = (ScreenImage::kHeight - face.LineHeight()) / 2;
  r.Fill({x - 24, y - 14, x + width + 24, y + face.LineHeight() + 14}, ToRgb565(0x000000));
  r.Frame({x - 24, y - 14, x + width + 24, y + face.LineHeight() + 14}, ToRgb565(0xF0FBFF));
  r.Text(face, x, y, line, ToRgb565(0xFFFF00));
  return rgb565;
}

void StoppedNotice::Show(KeptPicture& screen, bool stopped, bool framesRun) {
  if (stopped == shown_ || !framesRun) return;
  shown_ = stopped;
  if (stopped) {
    screen.ShowModal(StoppedPicture(screen.Snapshot(), screen.Fonts()));
  } else {
    screen.EndModal();
  }
}

}  // namespace raketa
