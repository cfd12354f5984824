// The world the benchmarks play on: every room as heavy to draw as the game
// allows.  Texts of 18 rows of 60 characters, ten loose items and three open
// fixtures of three items in every room, four carried items, every name at
// its full length.  Rooms 1 to 36 are a corridor: north to the next, south
// to the previous.
#pragma once

#include <string>

#include "world/world_record.h"

namespace raketa::bench {

constexpr int kTextRows = 18;
constexpr int kTextColumns = 60;

// Rooms 1 to 3 type their text on the first visit; the rest show it whole.
TWorld BenchWorld();
// mistnosti.dat, the intro and every room text (both phases) in `dir`.
void InstallBenchWorld(const std::string& dir);

// A fresh directory under the system's temporary directory, removed with
// everything in it when this goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace raketa::bench
