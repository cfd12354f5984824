// The game's own list of pictures and cues (services/asset_list.inc):
// what the maker has to make, at the size and format the game checks when
// it loads them.
#pragma once

#include <string>
#include <vector>

#include "canvas.h"
#include "wav_file.h"

namespace assets {

struct ListedPicture {
  const char* file;  // without .jpg
  int width, height;
};

struct ListedCue {
  const char* file;  // without .ogg
  bool looped;
  int rate, bits, channels;
  double seconds;
};

const std::vector<ListedPicture>& GamePictures();
const std::vector<ListedCue>& GameCues();

// Throw, naming the file, when what was made is not what the game expects
// (a cue's length within the 10 ms the game allows).
void CheckMade(const ListedPicture& entry, const Canvas& made);
void CheckMade(const ListedCue& entry, const Sound& made);

}  // namespace assets
