// The window's picture: what the game presented with the command line over
// it, kept current after every present, key and tick, and the pictures of the
// modal boxes drawn over it while one is open.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <vector>

#include "services/command_line.h"
#include "presentation/live/window_output.h"
#include "presentation/render/screen_image.h"
#include "presentation/render/software_surface.h"

namespace raketa {

class LiveScreen {
 public:
  LiveScreen(WindowOutput& output, SoftwareSurface& surface, CommandLine& line, FontSet& fonts);

  // Hook for SoftwareSurface::OnPresent.
  void NotePresent() { pending_.Add(surface_.PresentedRows()); }
  // Shows whatever changed: presented rows and the command line.  Cheap
  // when nothing did.
  void Refresh();
  // The window lost its contents or its size changed.
  void Redraw();
  // Alt+Enter or F11: full screen or a window, the picture drawn again.
  void ToggleFullScreen();
  // Handles window events that concern the picture; true when it did.
  bool HandleWindowEvent(const SDL_Event& e);

  // --- modal boxes ---
  // The picture the player sees now, to draw a box over.
  std::vector<std::uint16_t> Snapshot();
  void ShowModal(const std::vector<std::uint16_t>& rgb565);
  // Back to the game's own picture.
  void EndModal();

  FontSet& Fonts() { return fonts_; }

 private:
  WindowOutput& output_;
  SoftwareSurface& surface_;
  CommandLine& line_;
  FontSet& fonts_;
  ScreenImage image_;
  RowRange pending_;
  bool modal_ = false;
  std::vector<std::uint32_t> modalXrgb_;
  std::vector<std::uint16_t> modal565_;
};

}  // namespace raketa
