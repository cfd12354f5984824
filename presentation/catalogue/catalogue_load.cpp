// Decoding every embedded picture and cue once at start-up, each held
// against its table entry, so a bad asset stops the game with its name
// rather than showing garbage later.
#include <cmath>
#include <string>

#include "services/catalogue.h"

namespace raketa {

namespace {
constexpr double kLengthTolerance = 0.010;  // seconds

std::string Format(int rate, int bits, int channels) {
  return std::to_string(rate) + " Hz " + std::to_string(bits) + "-bit " + (channels == 2 ? "stereo" : "mono");
}
}  // namespace

double CueSeconds(const DecodedCue& d) {
  const int frame = d.channels * d.bits / 8;
  if (frame <= 0 || d.rate <= 0) return 0.0;
  return static_cast<double>(d.pcm.size() / static_cast<std::size_t>(frame)) / d.rate;
}

void CheckAgainstTable(Picture p, const DecodedPicture& d) {
  const PictureEntry& entry = PictureTable(p);
  if (d.width != entry.width || d.height != entry.height)
    throw AssetError(std::string("picture '") + entry.name + "' is " + std::to_string(d.width) + "x" +
                     std::to_string(d.height) + ", expected " + std::to_string(entry.width) + "x" +
                     std::to_string(entry.height));
}

void CheckAgainstTable(Cue c, const DecodedCue& d) {
  const CueEntry& entry = CueTable(c);
  const std::string who = std::string("cue '") + entry.name + "' ";
  if (d.rate != entry.rate || d.bits != entry.bits || d.channels != entry.channels)
    throw AssetError(who + "is " + Format(d.rate, d.bits, d.channels) + ", expected " +
                     Format(entry.rate, entry.bits, entry.channels));
  const double seconds = CueSeconds(d);
  if (std::abs(seconds - entry.seconds) > kLengthTolerance)
    throw AssetError(who + "lasts " + std::to_string(seconds) + " s, expected " + std::to_string(entry.seconds) + " s");
}

Catalogue Catalogue::Load() {
  Catalogue c;
  for (int i = 0; i < kPictureCount; ++i) {
    const Picture p = static_cast<Picture>(i);
    const EmbeddedBytes bytes = EmbeddedPicture(p);
    c.pictures_.push_back(DecodeJpeg(bytes.data, bytes.size, PictureTable(p).name));
    CheckAgainstTable(p, c.pictures_.back());
  }
  for (int i = 0; i < kCueCount; ++i) {
    const Cue q = static_cast<Cue>(i);
    const EmbeddedBytes bytes = EmbeddedCue(q);
    c.cues_.push_back(ParseWav(bytes.data, bytes.size, CueTable(q).name));
    CheckAgainstTable(q, c.cues_.back());
  }
  return c;
}

}  // namespace raketa
