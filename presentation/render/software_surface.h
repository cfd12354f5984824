// The back surface the game draws on: 1024 x 768 in RGB565, keeping its
// contents from frame to frame, with the canvas that writes text and
// rectangles onto it.  Present() remembers the picture the player now sees.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "services/catalogue.h"
#include "presentation/render/font_set.h"
#include "presentation/render/raster565.h"
#include "presentation/render/screen_memory.h"
#include "services/screen_layout.h"
#include "services/services.h"

namespace raketa {

class SoftwareSurface : public Display, public Canvas {
 public:
  static constexpr int kWidth = screen::kWidth;
  static constexpr int kHeight = screen::kHeight;

  SoftwareSurface(const Catalogue& catalogue, FontSet& fonts, ScreenMemory back = {}, ScreenMemory presented = {});

  // --- Display ---
  bool CanDraw() override { return canDraw_; }
  void DrawPicture(Picture index, int x, int y) override;
  Canvas& GetCanvas() override { return *this; }
  void ReleaseCanvas() override {}
  void Present() override;

  // --- Canvas ---
  void SetBrushStyle(BrushStyle style) override { brush_ = style; }
  void SetBrushColour(std::uint32_t bgr) override { brushColour_ = ToRgb565(bgr); }
  void SetFontSize(int points) override;
  void SetFontColour(std::uint32_t bgr) override { fontColour_ = ToRgb565(bgr); }
  void TextOut(int x, int y, std::string_view text) override;
  int TextWidth(std::string_view text) override;
  void Rectangle(int left, int top, int right, int bottom) override;

  // Opaque copy of RGB565 pixels, clipped at the edges (what DrawPicture does
  // with a picture of the catalogue).
  void DrawImage(const std::uint16_t* pixels, int width, int height, int x, int y);

  // False while the window cannot be seen: the frame loop then skips frames.
  void SetCanDraw(bool canDraw) { canDraw_ = canDraw; }
  // Told after every present, once Presented() holds the new picture.
  std::function<void()> OnPresent;

  const std::uint16_t* Back() const { return back_.get(); }
  const std::uint16_t* Presented() const { return presented_.get(); }
  // The span of rows the last present changed in Presented() (rows in it
  // that were not drawn are unchanged).
  RowRange PresentedRows() const { return presentedRows_; }
  // Rows drawn on the back surface since the last present.
  RowRange DirtyRows() const { return dirty_; }

 private:
  void Mark(RowRange rows);

  const Catalogue& catalogue_;
  FontSet& fonts_;
  ScreenMemory back_;
  ScreenMemory presented_;
  Raster565 raster_;
  RowRange dirty_;
  std::vector<std::uint8_t> dirtyRow_;  // 1 for every row drawn since the last present
  RowRange presentedRows_;
  bool canDraw_ = true;

  // Canvas state, with the defaults of a fresh canvas: a solid white brush
  // and black text.
  BrushStyle brush_ = BrushStyle::Solid;
  std::uint16_t brushColour_ = ToRgb565(0xFFFFFF);
  std::uint16_t fontColour_ = ToRgb565(0x000000);
  int fontSize_ = 12;
  FontFace* face_ = nullptr;
};

}  // namespace raketa
