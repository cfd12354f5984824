// `raketa --replay SCRIPT`: the replay mode with real rendering, so that
// screenshots show what the player would see.
#pragma once

#include <string>

#include "presentation/replay/replay_runner.h"

namespace raketa {

int ReplayMain(const std::string& scriptPath, const ReplayOptions& options = {});

}  // namespace raketa
