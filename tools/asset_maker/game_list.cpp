#include "game_list.h"

#include <cmath>
#include <stdexcept>

namespace assets {

const std::vector<ListedPicture>& GamePictures() {
  static const std::vector<ListedPicture> list = {
#define RAKETA_PICTURE(id, width, height) {#id, width, height},
#include "services/asset_list.inc"
  };
  return list;
}

const std::vector<ListedCue>& GameCues() {
  static const std::vector<ListedCue> list = {
#define RAKETA_CUE(id, name, looped, rate, bits, channels, seconds) {#id, looped, rate, bits, channels, seconds},
#include "services/asset_list.inc"
  };
  return list;
}

void CheckMade(const ListedPicture& entry, const Canvas& made) {
  if (made.width() != entry.width || made.height() != entry.height) {
    throw std::runtime_error(std::string("pictures/") + entry.file + ".jpg would be " + std::to_string(made.width()) +
                             " x " + std::to_string(made.height()) + ", the game expects " +
                             std::to_string(entry.width) + " x " + std::to_string(entry.height));
  }
}

void CheckMade(const ListedCue& entry, const Sound& made) {
  const double seconds = static_cast<double>(made.frames()) / made.rate;
  if (made.rate != entry.rate || made.bits != entry.bits || static_cast<int>(made.channels.size()) != entry.channels ||
      std::abs(seconds - entry.seconds) > 0.010) {
    throw std::runtime_error(std::string("cues/") + entry.file + ".ogg would be " + std::to_string(made.rate) +
                             " Hz " + std::to_string(made.bits) + "-bit, " + std::to_string(made.channels.size()) +
                             " channels, " + std::to_string(seconds) + " s; the game expects " +
                             std::to_string(entry.rate) + " Hz " + std::to_string(entry.bits) + "-bit, " +
                             std::to_string(entry.channels) + " channels, " + std::to_string(entry.seconds) + " s");
  }
}

}  // namespace assets
