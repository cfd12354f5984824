// The picture the player sees, kept current on a window or a canvas: what
// the game presented with the command line over it, updated after every
// present, key and tick (only the rows that changed are shown again), and
// the pictures of the modal boxes drawn over it while one is open.
#pragma once

#include <cstdint>
#include <vector>

#include "services/command_line.h"
#include "presentation/render/raster565.h"
#include "presentation/render/screen_image.h"
#include "presentation/render/software_surface.h"

namespace raketa {

// Where the picture goes: rows of 1024 RGB565 pixels, which the target
// widens to its own format as it copies them (Rgb565ToXrgb), so that no
// 32-bit copy of the whole screen is kept beside it.
class PictureSink {
 public:
  virtual ~PictureSink() = default;
  virtual void Show(const std::uint16_t* rgb565, RowRange rows) = 0;
  // The target lost its contents or changed its size: everything again.
  virtual void ShowAll(const std::uint16_t* rgb565) { Show(rgb565, RowRange{0, ScreenImage::kHeight}); }
};

class KeptPicture {
 public:
  KeptPicture(PictureSink& sink, SoftwareSurface& surface, CommandLine& line, FontSet& fonts, ScreenMemory image = {});

  // Hook for SoftwareSurface::OnPresent.
  void NotePresent() { pending_.Add(surface_.PresentedRows()); }
  // Shows whatever changed; cheap when nothing did.  True when rows were
  // shown.
  bool Refresh();
  // Everything again.
  void Redraw();

  // --- modal boxes ---
  // The picture the player sees now, to draw a box over.
  std::vector<std::uint16_t> Snapshot();
  void ShowModal(const std::vector<std::uint16_t>& rgb565);
  // Back to the game's own picture.
  void EndModal();

  FontSet& Fonts() { return fonts_; }

 private:
  PictureSink& sink_;
  SoftwareSurface& surface_;
  CommandLine& line_;
  FontSet& fonts_;
  ScreenImage image_;
  RowRange pending_;
  bool modal_ = false;
  std::vector<std::uint16_t> modal565_;
};

}  // namespace raketa
