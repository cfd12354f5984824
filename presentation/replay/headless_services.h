// The services of a game run without a window, alike in the replay, the
// test rig and the benchmarks: drawing goes to the display given, cues,
// dialogs and errors to the recorders, which write to one trace (to `out`,
// when there is one).
#pragma once

#include <ostream>

#include "presentation/replay/recording_services.h"
#include "presentation/replay/trace.h"
#include "services/command_line.h"
#include "services/key_poll.h"
#include "services/services.h"

namespace raketa {

struct HeadlessServices {
  explicit HeadlessServices(Display& display, std::ostream* out = nullptr)
      : trace(out), services{display, edit, keys, sound, dialogs, app} {}
  HeadlessServices(const HeadlessServices&) = delete;
  HeadlessServices& operator=(const HeadlessServices&) = delete;

  Trace trace;
  CommandLine edit;
  KeyPoll keys;
  RecordingSound sound{trace};
  ScriptedDialogs dialogs{trace};
  RecordingApp app{trace};
  Services services;
};

}  // namespace raketa
