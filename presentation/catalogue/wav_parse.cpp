// Reading an uncompressed PCM WAV cue: RIFF/WAVE, a fmt chunk with format
// tag 1, and the data chunk, which is kept as stored.
#include <cstdint>
#include <cstring>
#include <string>

#include "services/catalogue.h"

namespace raketa {

namespace {

std::uint32_t Le32(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
unsigned Le16(const unsigned char* p) { return static_cast<unsigned>(p[0]) | (static_cast<unsigned>(p[1]) << 8); }

}  // namespace

DecodedCue ParseWav(const unsigned char* data, std::size_t size, const char* name) {
  const std::string who = std::string("cue '") + (name ? name : "?") + "': ";
  auto fail = [&](const std::string& why) { throw AssetError(who + why); };

  if (!data || size < 12) fail("too short for a WAV file");
  if (std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0) fail("not a RIFF/WAVE file");
  const std::size_t riff_end = static_cast<std::size_t>(Le32(data + 4)) + 8;
  if (riff_end > size) fail("file is truncated");

  DecodedCue cue;
  bool have_fmt = false;
  const unsigned char* samples = nullptr;
  std::size_t sample_bytes = 0;
  unsigned align = 0;
  for (std::size_t pos = 12; pos + 8 <= riff_end;) {
    const unsigned char* chunk = data + pos;
    const std::size_t len = Le32(chunk + 4);
    if (len > riff_end - pos - 8) fail("chunk '" + std::string(reinterpret_cast<const char*>(chunk), 4) + "' runs past the end");
    const unsigned char* body = chunk + 8;
    if (std::memcmp(chunk, "fmt ", 4) == 0) {
      if (len < 16) fail("fmt chunk too short");
      const unsigned tag = Le16(body);
      if (tag != 1) fail("not PCM (format tag " + std::to_string(tag) + ")");
      cue.channels = static_cast<int>(Le16(body + 2));
      cue.rate = static_cast<int>(Le32(body + 4));
      const std::uint32_t byte_rate = Le32(body + 8);
      align = Le16(body + 12);
      cue.bits = static_cast<int>(Le16(body + 14));
      if (cue.channels < 1 || cue.channels > 2) fail(std::to_string(cue.channels) + " channels");
      if (cue.bits != 8 && cue.bits != 16) fail(std::to_string(cue.bits) + "-bit samples");
      if (cue.rate <= 0) fail("no sample rate");
      if (align != static_cast<unsigned>(cue.channels * cue.bits / 8) ||
          byte_rate != static_cast<std::uint32_t>(cue.rate) * align)
        fail("inconsistent fmt chunk");
      have_fmt = true;
    } else if (std::memcmp(chunk, "data", 4) == 0 && !samples) {
      samples = body;
      sample_bytes = len;
    }
    pos += 8 + len + (len & 1);
  }
  if (!have_fmt) fail("no fmt chunk");
  if (!samples) fail("no data chunk");
  if (sample_bytes % align != 0) fail("data chunk is not whole sample frames");
  cue.pcm.assign(samples, samples + sample_bytes);
  return cue;
}

}  // namespace raketa
