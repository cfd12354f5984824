#include "presentation/replay/replay_main.h"

#include <iostream>
#include <memory>

#include "services/catalogue.h"
#include "presentation/render/font_set.h"
#include "presentation/render/png_writer.h"
#include "presentation/render/screen_image.h"
#include "presentation/render/software_surface.h"
#include "presentation/replay/replay_runner.h"

namespace raketa {

namespace {

// The software surface the game draws on, and screenshots of what was
// presented with the command line over it.
class RenderedScreen : public ReplayScreen {
 public:
  RenderedScreen(const Catalogue& catalogue, FontSet& fonts) : fonts_(fonts), surface_(catalogue, fonts) {}
  Display& display() override { return surface_; }
  void Screenshot(const std::string& path, const CommandLine& edit) override {
    std::vector<std::uint8_t> rgb = ComposeRgb888(surface_.Presented(), edit, fonts_);
    if (!WritePng(path, SoftwareSurface::kWidth, SoftwareSurface::kHeight, rgb.data())) {
      throw std::runtime_error("cannot write " + path);
    }
  }

 private:
  FontSet& fonts_;
  SoftwareSurface surface_;
};

}  // namespace

int ReplayMain(const std::string& scriptPath, const ReplayOptions& options) {
  std::unique_ptr<FontSet> fonts;
  std::unique_ptr<Catalogue> catalogue;
  try {
    fonts = FontSet::Open();
    catalogue = std::make_unique<Catalogue>(Catalogue::Load());
  } catch (const std::exception& e) {
    std::cerr << "raketa: " << e.what() << "\n";
    return 1;
  }
  RenderedScreen screen(*catalogue, *fonts);
  std::ios::sync_with_stdio(false);
  return RunReplayFile(scriptPath, &screen, std::cout, std::cerr, options);
}

}  // namespace raketa
