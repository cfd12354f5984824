// Program entry: the game full screen (or in a window with --window), or
// headless from a replay script with --replay SCRIPT; --speak starts with
// speech on in either.
#include <iostream>
#include <string>
#include <vector>

#include "app/command_options.h"
#include "app/form_runner.h"
#include "app/start_up_folders.h"
#include "presentation/replay/replay_main.h"
#ifdef RAKETA_LIVE_GAME
#include "presentation/live/live_backend.h"
#endif

namespace {

int Run(int argc, char** argv) {
  const raketa::CommandOptions options = raketa::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  if (!options.error.empty()) {
    std::cerr << "raketa: " << options.error << "\n" << raketa::Usage();
    return 2;
  }
  if (options.help) {
    std::cout << raketa::Usage();
    return 0;
  }
  if (options.version) {
    std::cout << "raketa " RAKETA_VERSION "\n";
    return 0;
  }
  const raketa::GameFolders folders = raketa::ChooseFolders(raketa::ReadSurroundings(options.data, RAKETA_INSTALLED_DATA));
  if (!options.replay.empty())
    return raketa::ReplayMain(options.replay,
                              raketa::ReplayOptions{.speak = options.speak, .game = raketa::MakeGame, .folders = folders});
#ifdef RAKETA_LIVE_GAME
  raketa::LiveOptions live;
  live.windowed = options.windowed;
  live.speak = options.speak;
  live.game = raketa::MakeGame;
  live.folders = folders;
  return raketa::RunLive(live);
#else
  // The node build: the game itself plays in the browser page.
  std::cerr << "raketa: this build plays replays only (--replay SCRIPT)\n";
  return 2;
#endif
}

}  // namespace

int main(int argc, char** argv) {
  // Whatever the game did not expect still ends with one line saying so and
  // a failing exit code, never silently.
  try {
    return Run(argc, argv);
  } catch (const std::exception& e) {
    std::cerr << "raketa: unexpected error: " << e.what() << "\n";
  } catch (...) {
    std::cerr << "raketa: unexpected error\n";
  }
  return 1;
}
