// Decoding every embedded picture once at start-up and reading every cue's
// headers, each held against its table entry, so a bad asset stops the game
// with its name rather than showing garbage later.  A cue's samples, and a
// screen's own picture after its screen, are decoded again only when asked
// for.  The web page checks the pictures by their headers only and decodes
// them later, so that its first screen comes sooner.
#include <cmath>
#include <string>
#include <utility>

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

void CheckAgainstTable(Picture p, PictureSize size) {
  const PictureEntry& entry = PictureTable(p);
  if (size.width != entry.width || size.height != entry.height)
    throw AssetError(std::string("picture '") + entry.name + "' is " + std::to_string(size.width) + "x" +
                     std::to_string(size.height) + ", expected " + std::to_string(entry.width) + "x" +
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

namespace {
// Pictures that fill a screen of their own, held only while it shows.
const DecodedPicture& None() {
  static const DecodedPicture kNone;
  return kNone;
}

bool ScreenPicture(Picture p) { return p == Picture::dosedka || p == Picture::odlet; }

bool FullScreen(Picture p) {
  const PictureEntry& entry = PictureTable(p);
  return entry.width == PictureTable(Picture::pozadi).width && entry.height == PictureTable(Picture::pozadi).height;
}

DecodedPicture Decode(Picture p) {
  const EmbeddedBytes bytes = EmbeddedPicture(p);
  DecodedPicture d = DecodeJpeg(bytes.data, bytes.size, PictureTable(p).name);
  CheckAgainstTable(p, {d.width, d.height});
  return d;
}

void CheckCues() {
  for (int i = 0; i < kCueCount; ++i) {
    const Cue q = static_cast<Cue>(i);
    const EmbeddedBytes bytes = EmbeddedCue(q);
    CheckAgainstTable(q, ReadOggInfo(bytes.data, bytes.size, CueTable(q).name));
  }
}
}  // namespace

Catalogue Catalogue::Load() {
  Catalogue c;
  c.kept_.resize(kPictureCount);
  for (int i = 0; i < kPictureCount; ++i) {
    const Picture p = static_cast<Picture>(i);
    DecodedPicture d = Decode(p);
    if (!ScreenPicture(p)) {
      c.kept_[i] = std::move(d);
    } else if (p == Picture::dosedka) {
      c.screen_ = std::move(d);
      c.screenIndex_ = i;
    }
    // The departure picture was only checked: it is decoded again when the
    // game is won.
  }
  c.ahead_ = kPictureCount;
  CheckCues();
  return c;
}

Catalogue Catalogue::Check() {
  Catalogue c;
  c.kept_.resize(kPictureCount);
  for (int i = 0; i < kPictureCount; ++i) {
    const Picture p = static_cast<Picture>(i);
    const EmbeddedBytes bytes = EmbeddedPicture(p);
    CheckAgainstTable(p, ReadJpegSize(bytes.data, bytes.size, PictureTable(p).name));
  }
  // Reading a cue's headers sets up its decoder, a tenth of a second for
  // all of them: each cue is checked when it is first played instead.
  return c;
}

bool Catalogue::DecodeAhead() const {
  if (kept_.empty()) return false;
  for (; ahead_ < kPictureCount; ++ahead_) {
    const Picture p = static_cast<Picture>(ahead_);
    const bool wanted = ScreenPicture(p) ? p == Picture::dosedka && screenIndex_ < 0 : kept_[ahead_].rgb565.empty();
    if (!wanted) continue;
    // Decoded, not drawn: a picture decoded ahead covers no screen.  One
    // that fails is left to the drawing, which shows nothing for it.
    Held(p);
    ++ahead_;
    return true;
  }
  return false;
}

const DecodedPicture& Catalogue::picture(Picture p) const {
  const int i = static_cast<int>(p);
  if (i < 0 || i >= kPictureCount || kept_.empty()) return None();
  // A full-screen picture covers the screen picture held until now.
  if (FullScreen(p) && screenIndex_ != i) {
    screen_ = {};
    screenIndex_ = -1;
  }
  return Held(p);
}

const DecodedPicture& Catalogue::Held(Picture p) const {
  const int i = static_cast<int>(p);
  if (!ScreenPicture(p)) {
    // A checked catalogue decodes the picture when it is first asked for.
    if (kept_[i].rgb565.empty()) {
      try {
        kept_[i] = Decode(p);
      } catch (const AssetError&) {
        return None();  // its headers were checked: only damage further in gets here
      }
    }
    return kept_[i];
  }
  if (screenIndex_ != i) {
    try {
      screen_ = Decode(p);
    } catch (const AssetError&) {
      return None();  // checked at start-up: only a lack of memory gets here
    }
    screenIndex_ = i;
  }
  return screen_;
}

bool Catalogue::Holds(Picture p) const {
  const int i = static_cast<int>(p);
  if (i < 0 || i >= kPictureCount || kept_.empty()) return false;
  return ScreenPicture(p) ? screenIndex_ == i : !kept_[i].rgb565.empty();
}

DecodedCue Catalogue::cue(Cue c) const {
  const EmbeddedBytes bytes = EmbeddedCue(c);
  DecodedCue d = DecodeOgg(bytes.data, bytes.size, CueTable(c).name, CueTable(c).bits);
  CheckAgainstTable(c, d);
  return d;
}

}  // namespace raketa
