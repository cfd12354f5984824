// The replay mode: the real game, headless and deterministic, driven by a
// script on a simulated clock, printing a trace of what happens.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "presentation/replay/replay_script.h"
#include "services/game_runner.h"

namespace raketa {

class Display;
class CommandLine;

// What the replay needs for pictures: a display to draw on and a way to save
// what the player sees.  Without one, screenshot lines are refused.
class ReplayScreen {
 public:
  virtual ~ReplayScreen() = default;
  virtual Display& display() = 0;
  // Saves what the player sees and returns the fingerprint of its pixels
  // (PixelHash of the 1024 x 768 bytes R, G, B, row by row from the top),
  // which the trace records.
  virtual std::uint64_t Screenshot(const std::string& path, const CommandLine& edit) = 0;
};

struct ReplayOptions {
  // Speech on from the start (--speak): the game's sentences appear as
  // `say` lines.  The player's own settings are never read here.
  bool speak = false;
  // The game to drive; the wiring hands it in.
  GameFactory game;
  // Where the game's data and saves lie (empty: the working folder).
  GameFolders folders{};
};

struct ReplayResult {
  int exitCode = 0;
  long frames = 0;
  bool closed = false;
};

// Runs the script in the working directory; the trace goes to `out`,
// complaints to `err`.
ReplayResult RunReplay(const std::vector<ReplayDirective>& script, ReplayScreen* screen, std::ostream& out,
                       std::ostream& err, const ReplayOptions& options = {});

// Parses and runs a script file; exit code 2 for a malformed script.
int RunReplayFile(const std::string& path, ReplayScreen* screen, std::ostream& out, std::ostream& err,
                  const ReplayOptions& options = {});

}  // namespace raketa
