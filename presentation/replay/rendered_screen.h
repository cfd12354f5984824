// The software surface a replay's game draws on, and screenshots of what was
// presented with the command line over it.
#pragma once

#include <string>

#include "presentation/render/font_set.h"
#include "presentation/render/software_surface.h"
#include "presentation/replay/replay_runner.h"

namespace raketa {

class RenderedScreen : public ReplayScreen {
 public:
  RenderedScreen(const Catalogue& catalogue, FontSet& fonts) : fonts_(fonts), surface_(catalogue, fonts) {}
  Display& display() override { return surface_; }
  // Throws std::runtime_error when the file cannot be written.
  std::uint64_t Screenshot(const std::string& path, const CommandLine& edit) override;

 private:
  FontSet& fonts_;
  SoftwareSurface surface_;
};

}  // namespace raketa
