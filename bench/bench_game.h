// The whole game on the real software surface, with the real typeface and
// the embedded pictures, in a working directory holding the bench world.
// Sound, dialogs and errors go to the headless recorders, which keep nothing.
#pragma once

#include <memory>
#include <string>

#include "app/form_runner.h"
#include "bench/bench_world.h"
#include "services/catalogue.h"
#include "presentation/render/font_set.h"
#include "presentation/render/software_surface.h"
#include "presentation/replay/headless_services.h"

namespace raketa::bench {

// Makes `dir` the working directory while it lives.
class WorkingDirectory {
 public:
  explicit WorkingDirectory(const std::string& dir);
  ~WorkingDirectory();

 private:
  std::string previous_;
};

// What the bench holds before its services: the world's folder, the
// typeface, the pictures and the surface.
struct BenchGround {
  TempDir dir;
  WorkingDirectory cwd{(InstallBenchWorld(dir.path()), dir.path())};
  std::unique_ptr<FontSet> fonts = FontSet::Open();
  Catalogue catalogue = Catalogue::Load();
  SoftwareSurface surface{catalogue, *fonts};
};

struct BenchGame : BenchGround, HeadlessServices {
  BenchGame();

  FormRunner runner{services};
  Game& g = runner.game();

  // In play in `room` of the bench world, its text open, nothing pending.
  void Enter(int room);
};

}  // namespace raketa::bench
