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

// The bytes embedded at build time (JPEG and Ogg Vorbis files).
struct EmbeddedBytes {
  const unsigned char* data;
  std::size_t size;
};
EmbeddedBytes EmbeddedPicture(Picture p);
EmbeddedBytes EmbeddedCue(Cue c);

struct PictureSize {
  int width = 0;
  int height = 0;
};

struct DecodedPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint16_t> rgb565;  // row-major, width * height
};

// A cue's samples as the players take them: interleaved PCM, 16-bit signed
// little-endian or 8-bit unsigned, at the width its table entry gives.
struct DecodedCue {
  int rate = 0;
  int bits = 0;
  int channels = 0;
  std::vector<std::uint8_t> pcm;
};

// What an Ogg Vorbis cue's headers tell, without decoding its samples.
struct OggCueInfo {
  int rate = 0;
  int channels = 0;
  std::size_t frames = 0;  // samples per channel
};

// A picture or cue that cannot be decoded; what() names it.
class AssetError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

DecodedPicture DecodeJpeg(const unsigned char* data, std::size_t size, const char* name);
// The size from the picture's headers, its markers walked, without decoding
// it: refuses what DecodeJpeg refuses before it decodes.
PictureSize ReadJpegSize(const unsigned char* data, std::size_t size, const char* name);
OggCueInfo ReadOggInfo(const unsigned char* data, std::size_t size, const char* name);
// The whole stream decoded and quantised to `bits` (8 or 16).
DecodedCue DecodeOgg(const unsigned char* data, std::size_t size, const char* name, int bits);

// Length of a cue in seconds, from its samples.
double CueSeconds(const DecodedCue& d);
// Throw AssetError naming the entry when a decoded asset does not have the
// size or format its table entry gives (a cue's length within 10 ms).
void CheckAgainstTable(Picture p, PictureSize size);
void CheckAgainstTable(Cue c, const DecodedCue& d);
void CheckAgainstTable(Cue c, const OggCueInfo& info);

// The pictures and the cues.  The pictures the play screen draws all the
// time (the background and the oxygen bottle) are decoded once at start-up
// and kept.  A picture that fills a screen of its own (the landing, the
// departure) is held only while its screen shows: it is decoded when drawn
// and let go when another full-screen picture is asked for, the background
// of the play screen included.  The landing picture, the first the game
// shows, comes decoded from start-up.  The cues are checked at start-up and
// decoded when a player asks for one.  One thread uses a catalogue.
class Catalogue {
 public:
  // Decodes every picture once, so that a damaged one stops the game at
  // start-up; throws AssetError naming the first asset that fails to decode
  // (a cue: whose headers do not match its entry).
  static Catalogue Load();
  // Checks every picture by its headers and decodes nothing: a picture is
  // decoded when it is first drawn, or before by DecodeAhead, and a cue is
  // checked when it is decoded to play.  For the web page, whose first
  // screen (the intro) draws no picture.
  static Catalogue Check();
  // Decodes one picture that a checked catalogue keeps but does not hold
  // yet (the landing picture too, when no screen picture is held); false
  // once every picture was looked at.  Each call takes one picture's time.
  bool DecodeAhead() const;
  // The picture's pixels, valid until the next call.  Empty (0 x 0) in a
  // catalogue that was not loaded, or should a screen's picture fail to
  // decode after all.
  const DecodedPicture& picture(Picture p) const;
  // Whether the picture's pixels are held now.
  bool Holds(Picture p) const;
  // The cue's samples, decoded anew on every call: the players keep what
  // they make of them, and nothing of it stays here.  Throws AssetError
  // when the stream turns out damaged.
  DecodedCue cue(Cue c) const;

 private:
  // The picture, decoded now if it is not held (a screen picture then
  // replaces the one held), without covering any screen; empty when it
  // cannot be decoded.
  const DecodedPicture& Held(Picture p) const;

  // By picture; empty for screen pictures, and for the others until a
  // checked catalogue decodes them.
  mutable std::vector<DecodedPicture> kept_;
  mutable int ahead_ = 0;  // the next picture DecodeAhead looks at
  // The screen picture held now, and which it is (-1 for none).
  mutable DecodedPicture screen_;
  mutable int screenIndex_ = -1;
};

}  // namespace raketa
