// Uncompressed PCM WAV output (RIFF/WAVE, fmt chunk, data chunk).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace assets {

struct Sound {
  int rate = 22050;
  int bits = 16;  // 16: signed; 8: unsigned, as WAV stores them
  std::vector<std::vector<float>> channels;  // samples in -1..1
  std::size_t frames() const { return channels.empty() ? 0 : channels[0].size(); }
};

void WriteWav(const Sound& s, const std::string& path);

}  // namespace assets
