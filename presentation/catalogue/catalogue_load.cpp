// Decoding every embedded picture once at start-up and reading every cue's
// headers, each held against its table entry, so a bad asset stops the game
// with its name rather than showing garbage later.  A cue's samples are
// decoded only when a player asks for them.
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

namespace {
void CheckFormat(Cue c, int rate, int bits, int channels, double seconds) {
  const CueEntry& entry = CueTable(c);
  const std::string who = std::string("cue '") + entry.name + "' ";
  if (rate != entry.rate || bits != entry.bits || channels != entry.channels)
    throw AssetError(who + "is " + Format(rate, bits, channels) + ", expected " +
                     Format(entry.rate, entry.bits, entry.channels));
  if (std::abs(seconds - entry.seconds) > kLengthTolerance)
    throw AssetError(who + "lasts " + std::to_string(seconds) + " s, expected " + std::to_string(entry.seconds) + " s");
}
}  // namespace

void CheckAgainstTable(Cue c, const DecodedCue& d) { CheckFormat(c, d.rate, d.bits, d.channels, CueSeconds(d)); }

// A Vorbis stream has no sample width: it is decoded to the entry's.
void CheckAgainstTable(Cue c, const OggCueInfo& info) {
  const double seconds = info.rate > 0 ? static_cast<double>(info.frames) / info.rate : 0.0;
  CheckFormat(c, info.rate, CueTable(c).bits, info.channels, seconds);
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
    CheckAgainstTable(q, ReadOggInfo(bytes.data, bytes.size, CueTable(q).name));
  }
  return c;
}

DecodedCue Catalogue::cue(Cue c) const {
  const EmbeddedBytes bytes = EmbeddedCue(c);
  DecodedCue d = DecodeOgg(bytes.data, bytes.size, CueTable(c).name, CueTable(c).bits);
  CheckAgainstTable(c, d);
  return d;
}

}  // namespace raketa
