// The game's picture on the page's canvas: what the game presented with the
// command line over it, kept current after every present, key and tick
// (only the rows that changed go to the canvas), and the pictures of the
// modal boxes drawn over it while one is open.
#pragma once

#include <cstdint>
#include <vector>

#include "services/command_line.h"
#include "presentation/render/screen_image.h"
#include "presentation/render/software_surface.h"

namespace raketa {

class WebScreen {
 public:
  WebScreen(SoftwareSurface& surface, CommandLine& line, FontSet& fonts);

  // Hook for SoftwareSurface::OnPresent.
  void NotePresent() { pending_.Add(surface_.PresentedRows()); }
  // Shows whatever changed; cheap when nothing did.  True when the canvas
  // changed.
  bool Refresh();
  // Everything again.
  void Redraw();

  // --- modal boxes ---
  std::vector<std::uint16_t> Snapshot();
  void ShowModal(const std::vector<std::uint16_t>& rgb565);
  void EndModal();

  FontSet& Fonts() { return fonts_; }

 private:
  void Show(const std::uint32_t* xrgb, RowRange rows);

  SoftwareSurface& surface_;
  CommandLine& line_;
  FontSet& fonts_;
  ScreenImage image_;
  RowRange pending_;
  bool modal_ = false;
  std::vector<std::uint16_t> modal565_;
  std::vector<std::uint32_t> modalXrgb_;
  std::vector<std::uint8_t> rgba_;
};

}  // namespace raketa
