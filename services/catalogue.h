// The asset catalogue: the picture list poz and the cue list DXWaveList1, as
// they ship inside the executable, with their fixed sizes and formats.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "services/cues.h"
#include "services/pictures.h"

namespace raketa {

struct PictureEntry {
  const char* name;
  int width;
  int height;
};

struct CueEntry {
  const char* name;
  bool looped;
  int rate;      // samples per second
  int bits;      // 8 or 16
  int channels;  // 1 or 2
  double seconds;
};

const PictureEntry& PictureTable(Picture p);
const CueEntry& CueTable(Cue c);
// -1 when no entry has that name.
int PictureIndexByName(std::string_view name);
int CueIndexByName(std::string_view name);

// The bytes embedded at build time (JPEG and WAV files).
struct EmbeddedBytes {
  const unsigned char* data;
  std::size_t size;
};
EmbeddedBytes EmbeddedPicture(Picture p);
EmbeddedBytes EmbeddedCue(Cue c);

struct DecodedPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint16_t> rgb565;  // row-major, width * height
};

struct DecodedCue {
  int rate = 0;
  int bits = 0;
  int channels = 0;
  std::vector<std::uint8_t> pcm;  // the WAV's data chunk as stored
};

// A picture or cue that cannot be decoded; what() names it.
class AssetError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

DecodedPicture DecodeJpeg(const unsigned char* data, std::size_t size, const char* name);
DecodedCue ParseWav(const unsigned char* data, std::size_t size, const char* name);

// Length of a cue in seconds, from its data chunk.
double CueSeconds(const DecodedCue& d);
// Throw AssetError naming the entry when a decoded asset does not have the
// size or format its table entry gives (a cue's length within 10 ms).
void CheckAgainstTable(Picture p, const DecodedPicture& d);
void CheckAgainstTable(Cue c, const DecodedCue& d);

// Everything decoded once at start-up.
class Catalogue {
 public:
  // Throws AssetError naming the first asset that fails to decode.
  static Catalogue Load();
  const DecodedPicture& picture(Picture p) const { return pictures_[static_cast<int>(p)]; }
  const DecodedCue& cue(Cue c) const { return cues_[static_cast<int>(c)]; }

 private:
  std::vector<DecodedPicture> pictures_;
  std::vector<DecodedCue> cues_;
};

}  // namespace raketa
