// The services of a game run without a window, alike in the replay, the
// test rig and the benchmarks: drawing goes to the display given, cues,
// dialogs and errors to the recorders, which write to one trace (to `out`,
// when there is one); the files are the host's, in the folders given (the
// working folder when none are).
#pragma once

#include <ostream>

#include "presentation/replay/recording_services.h"
#include "presentation/replay/trace.h"
#include "services/command_line.h"
#include "services/host_files.h"
#include "services/key_poll.h"
#include "services/services.h"

namespace raketa {

struct HeadlessServices {
  explicit HeadlessServices(Display& display, GameFolders folders = {}, std::ostream* out = nullptr)
      : trace(out), files(std::move(folders)), services{display, edit, keys, sound, dialogs, app, files} {}
  HeadlessServices(const HeadlessServices&) = delete;
  HeadlessServices& operator=(const HeadlessServices&) = delete;

  Trace trace;
  CommandLine edit;
  KeyPoll keys;
  RecordingSound sound{trace};
  // A test may give other folders by assigning `files`.
  HostFiles files;
  ScriptedDialogs dialogs{trace, files.Folders()};
  RecordingApp app{trace};
  Services services;
};

}  // namespace raketa
