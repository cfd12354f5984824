// Decoding an Ogg Vorbis cue with stb_vorbis, the one decoder every build of
// the game has, so that the desktop, node and the browser play the same
// samples.  The headers alone tell the rate, the channels and the length
// (from the last page), so the catalogue checks every cue at start-up
// without decoding it; the samples are decoded when a player asks for them.
//
// A loop's end and its start are coded apart, each with its own small
// errors, which would click where the loop runs on from one into the other.
// So a looped cue's stream runs on past the loop with the loop's first
// samples again, and says where the loop ends with the comment LOOPLENGTH=n
// (samples).  The decoder blends that run-on, which follows the end without
// a seam, into the loop's start and drops it.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#define STB_VORBIS_NO_STDIO
#define STB_VORBIS_NO_PUSHDATA_API
#define STB_VORBIS_NO_INTEGER_CONVERSION
#include <stb/stb_vorbis.h>

#include "services/catalogue.h"

namespace raketa {

namespace {

struct CloseVorbis {
  void operator()(stb_vorbis* v) const { stb_vorbis_close(v); }
};
using Vorbis = std::unique_ptr<stb_vorbis, CloseVorbis>;

std::string Who(const char* name) { return std::string("cue '") + (name ? name : "?") + "': "; }

std::string Why(int error) {
  switch (error) {
    case VORBIS_outofmem: return "out of memory";
    case VORBIS_unexpected_eof: return "the data ends too early (cut short)";
    case VORBIS_missing_capture_pattern:
    case VORBIS_invalid_first_page: return "not an Ogg file";
    case VORBIS_bad_packet_type:
    case VORBIS_invalid_setup:
    case VORBIS_invalid_stream: return "not a Vorbis stream, or a damaged one";
    case VORBIS_feature_not_supported: return "an old Vorbis floor type it cannot play";
    case VORBIS_too_many_channels: return "too many channels";
    default: return "damaged Ogg Vorbis data (stb_vorbis error " + std::to_string(error) + ")";
  }
}

// Samples in the stream after the loop, blended into its start (0 for a
// cue that does not loop).
struct Stream {
  Vorbis vorbis;
  std::size_t runOn = 0;
};

// The LOOPLENGTH comment's number, 0 without one.
std::size_t LoopLength(stb_vorbis* v, const char* name) {
  constexpr std::string_view kTag = "LOOPLENGTH=";
  const stb_vorbis_comment notes = stb_vorbis_get_comment(v);
  for (int i = 0; i < notes.comment_list_length; ++i) {
    const std::string_view note = notes.comment_list[i] ? notes.comment_list[i] : "";
    if (note.substr(0, kTag.size()) != kTag) continue;
    const std::string digits(note.substr(kTag.size()));
    if (digits.empty() || digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos)
      throw AssetError(Who(name) + "a damaged " + std::string(note));
    return static_cast<std::size_t>(std::stoul(digits));
  }
  return 0;
}

// Opens the stream and reads what its headers tell, or throws naming the cue.
Stream Open(const unsigned char* data, std::size_t size, const char* name, OggCueInfo& info) {
  if (!data || size == 0) throw AssetError(Who(name) + "no data");
  if (size > 0x7FFFFFFF) throw AssetError(Who(name) + "too large");
  int error = 0;
  Vorbis v(stb_vorbis_open_memory(data, static_cast<int>(size), &error, nullptr));
  if (!v) throw AssetError(Who(name) + Why(error));
  const stb_vorbis_info about = stb_vorbis_get_info(v.get());
  if (about.channels < 1 || about.channels > 2)
    throw AssetError(Who(name) + std::to_string(about.channels) + " channels");
  if (about.sample_rate == 0 || about.sample_rate > 192000)
    throw AssetError(Who(name) + "a sample rate of " + std::to_string(about.sample_rate) + " Hz");
  // The granule position of the last page; 0 when there is no last page to
  // be found (a stream cut off in its middle still has pages, but shorter).
  const unsigned frames = stb_vorbis_stream_length_in_samples(v.get());
  if (frames == 0) throw AssetError(Who(name) + "no samples, or no last page (cut short)");
  info.rate = static_cast<int>(about.sample_rate);
  info.channels = about.channels;
  info.frames = frames;
  Stream stream;
  const std::size_t loop = LoopLength(v.get(), name);
  if (loop > 0) {
    if (loop > frames || frames - loop > loop)
      throw AssetError(Who(name) + "a loop of " + std::to_string(loop) + " samples in a stream of " +
                       std::to_string(frames));
    info.frames = loop;
    stream.runOn = frames - loop;
  }
  stream.vorbis = std::move(v);
  return stream;
}

}  // namespace

OggCueInfo ReadOggInfo(const unsigned char* data, std::size_t size, const char* name) {
  OggCueInfo info;
  Open(data, size, name, info);
  return info;
}

DecodedCue DecodeOgg(const unsigned char* data, std::size_t size, const char* name, int bits) {
  if (bits != 8 && bits != 16) throw AssetError(Who(name) + std::to_string(bits) + "-bit samples asked for");
  OggCueInfo info;
  Stream stream = Open(data, size, name, info);
  const std::size_t channels = static_cast<std::size_t>(info.channels);
  const std::size_t total = info.frames + stream.runOn;
  std::vector<float> samples;
  samples.reserve(total * channels);
  std::vector<float> block(4096 * channels);
  for (;;) {
    const int got = stb_vorbis_get_samples_float_interleaved(stream.vorbis.get(), info.channels, block.data(),
                                                             static_cast<int>(block.size()));
    if (got <= 0) break;
    samples.insert(samples.end(), block.begin(), block.begin() + static_cast<std::ptrdiff_t>(got * channels));
  }
  stream.vorbis.reset();
  // Damage inside the stream ends the decoding early or late; either way
  // the samples no longer add up to what the last page says.
  if (samples.size() != total * channels)
    throw AssetError(Who(name) + "damaged Ogg Vorbis data: " + std::to_string(samples.size() / channels) +
                     " samples decoded, the stream says " + std::to_string(total));
  // The run-on fades into the loop's start: the loop's last sample is
  // followed by the run-on's first, and by the end of the run-on the start
  // is the loop's own.
  for (std::size_t i = 0; i < stream.runOn; ++i) {
    const float t = static_cast<float>(i) / static_cast<float>(stream.runOn);
    for (std::size_t ch = 0; ch < channels; ++ch) {
      float& start = samples[i * channels + ch];
      start = (1.f - t) * samples[(info.frames + i) * channels + ch] + t * start;
    }
  }
  samples.resize(info.frames * channels);

  DecodedCue cue;
  cue.rate = info.rate;
  cue.bits = bits;
  cue.channels = info.channels;
  cue.pcm.reserve(samples.size() * static_cast<std::size_t>(bits / 8));
  // Quantised as the players read PCM (and as sound.js and SDL convert
  // it): 16-bit signed over 32768 steps a side, 8-bit unsigned over 128
  // around the middle, rounded to the nearest step.  (Damaged data can
  // decode to anything, even to no number at all.)
  for (const float sample : samples) {
    const float s = std::isfinite(sample) ? std::clamp(sample, -2.f, 2.f) : 0.f;
    if (bits == 16) {
      const long q = std::clamp(std::lround(s * 32768.f), -32768L, 32767L);
      const auto u = static_cast<std::uint16_t>(static_cast<std::int16_t>(q));
      cue.pcm.push_back(static_cast<std::uint8_t>(u & 0xFF));
      cue.pcm.push_back(static_cast<std::uint8_t>(u >> 8));
    } else {
      cue.pcm.push_back(static_cast<std::uint8_t>(std::clamp(std::lround(128.f + s * 128.f), 0L, 255L)));
    }
  }
  return cue;
}

}  // namespace raketa
