// Program entry: the game full screen (or in a window with --window), or
// headless from a replay script with --replay SCRIPT.
#include <cstring>
#include <iostream>
#include <string>

#include "presentation/live/live_backend.h"
#include "presentation/replay/replay_main.h"

int main(int argc, char** argv) {
  raketa::LiveOptions live;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--replay") == 0) {
      if (i + 1 >= argc) {
        std::cerr << "raketa: --replay needs a script file\n";
        return 2;
      }
      return raketa::ReplayMain(argv[i + 1]);
    }
    if (std::strcmp(argv[i], "--window") == 0) {
      live.windowed = true;
      continue;
    }
    std::cerr << "usage: raketa [--window] [--replay SCRIPT]\n";
    return 2;
  }
  return raketa::RunLive(live);
}
