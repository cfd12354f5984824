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
#include "presentation/replay/recording_services.h"
#include "services/host_files.h"

namespace raketa::bench {

// Makes `dir` the working directory while it lives.
class WorkingDirectory {
 public:
  explicit WorkingDirectory(const std::string& dir);
  ~WorkingDirectory();

 private:
  std::string previous_;
};

struct BenchGame {
  BenchGame();

  TempDir dir;
  WorkingDirectory cwd{(InstallBenchWorld(dir.path()), dir.path())};
  std::unique_ptr<FontSet> fonts = FontSet::Open();
  Catalogue catalogue = Catalogue::Load();
  SoftwareSurface surface{catalogue, *fonts};
  Trace trace;
  CommandLine edit;
  KeyPoll keys;
  RecordingSound sound{trace};
  HostFiles files{GameFolders{}};  // the bench world in the working folder
  ScriptedDialogs dialogs{trace, files.Folders()};
  RecordingApp app{trace};
  Services services{surface, edit, keys, sound, dialogs, app, files};
  FormRunner runner{services};
  Game& g = runner.game();

  // In play in `room` of the bench world, its text open, nothing pending.
  void Enter(int room);
};

}  // namespace raketa::bench
