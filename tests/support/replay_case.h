// A replay test case: DIR/NAME.replay is run in the working directory, and
// its trace must contain the lines of DIR/NAME.expect in order (other lines
// may come between them); a line written "! LINE" must not appear between
// the lines around it.  RAKETA_SHOW_TRACE=1 prints the whole trace.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "presentation/replay/replay_runner.h"

namespace raketa::test {

// The NAMEs of DIR/NAME.replay, sorted.
std::vector<std::string> ReplayCaseNames(const std::filesystem::path& dir);
// A NAME as a test name: letters, digits and underscores.
std::string ReplayTestName(const std::string& name);
void CheckReplayCase(const std::filesystem::path& dir, const std::string& name, const ReplayOptions& options = {});

}  // namespace raketa::test
