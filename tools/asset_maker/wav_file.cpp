#include "wav_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <stdexcept>

namespace assets {

namespace {
void Put16(std::vector<std::uint8_t>& out, unsigned v) {
  out.push_back(v & 255);
  out.push_back((v >> 8) & 255);
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
void PutTag(std::vector<std::uint8_t>& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }
}  // namespace

void WriteWav(const Sound& s, const std::string& path) {
  const unsigned channels = static_cast<unsigned>(s.channels.size());
  const unsigned bytes = s.bits / 8;
  if (channels < 1 || (s.bits != 8 && s.bits != 16)) throw std::runtime_error("bad sound format for " + path);
  for (const auto& ch : s.channels)
    if (ch.size() != s.frames()) throw std::runtime_error("channels of unequal length in " + path);
  const std::uint32_t data_size = static_cast<std::uint32_t>(s.frames() * channels * bytes);

  std::vector<std::uint8_t> out;
  PutTag(out, "RIFF");
  Put32(out, 4 + (8 + 16) + (8 + data_size + (data_size & 1)));
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  Put32(out, 16);
  Put16(out, 1);  // PCM
  Put16(out, channels);
  Put32(out, s.rate);
  Put32(out, s.rate * channels * bytes);
  Put16(out, channels * bytes);
  Put16(out, s.bits);
  PutTag(out, "data");
  Put32(out, data_size);
  for (std::size_t i = 0; i < s.frames(); ++i) {
    for (const auto& ch : s.channels) {
      float v = std::clamp(ch[i], -1.f, 1.f);
      if (s.bits == 16) {
        Put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(v * 32767.f))));
      } else {
        out.push_back(static_cast<std::uint8_t>(std::clamp(std::lround(128.f + v * 127.f), 0L, 255L)));
      }
    }
  }
  if (data_size & 1) out.push_back(0);
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
  if (!file) throw std::runtime_error("cannot write " + path);
}

}  // namespace assets
