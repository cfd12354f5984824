#include "presentation/replay/replay_main.h"

#include <iostream>
#include <memory>

#include "services/catalogue.h"
#include "presentation/render/font_set.h"
#include "presentation/replay/rendered_screen.h"
#include "presentation/replay/replay_runner.h"

namespace raketa {

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
