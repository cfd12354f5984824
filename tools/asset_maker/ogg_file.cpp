#include "ogg_file.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <stdexcept>

#include "services/catalogue.h"

namespace assets {

namespace {

// Vorbis quality -1 .. 10: at 0.2 the cues weigh about 180 KB in all and
// still measure as their WAV files do (CheckEncoded).
constexpr float kQuality = 0.2f;
// Any number will do; a fixed one keeps the files the same from run to run.
constexpr int kStreamNumber = 0x72616B;

// One sample as the WAV file stores it, back in -1..1.
float AsStored(float v, int bits) {
  v = std::clamp(v, -1.f, 1.f);
  if (bits == 16) return static_cast<float>(std::lround(v * 32767.f)) / 32768.f;
  return static_cast<float>(std::clamp(std::lround(128.f + v * 127.f), 0L, 255L) - 128) / 128.f;
}

void Append(std::vector<std::uint8_t>& out, const ogg_page& page) {
  out.insert(out.end(), page.header, page.header + page.header_len);
  out.insert(out.end(), page.body, page.body + page.body_len);
}

// Vorbis keeps a hiss's spectrum rather than its waveform, and its coding
// noise adds to the loudness: pure hiss comes back a little over a decibel
// louder, tones and steps within a few tenths.
constexpr double kLoudnessTolerance = 1.5;

double Decibels(double rms) { return 20.0 * std::log10(std::max(rms, 1e-9)); }

}  // namespace

Sound WithRunOn(const Sound& loop, std::size_t frames) {
  Sound s = loop;
  const std::size_t n = loop.frames();
  for (std::size_t ch = 0; ch < s.channels.size(); ++ch)
    for (std::size_t i = 0; i < frames && n > 0; ++i) s.channels[ch].push_back(loop.channels[ch][i % n]);
  return s;
}

std::vector<std::uint8_t> EncodeOgg(const Sound& s, std::size_t loopLength) {
  const int channels = static_cast<int>(s.channels.size());
  vorbis_info info;
  vorbis_info_init(&info);
  if (vorbis_encode_init_vbr(&info, channels, s.rate, kQuality) != 0) {
    vorbis_info_clear(&info);
    throw std::runtime_error("libvorbisenc takes no " + std::to_string(s.rate) + " Hz, " + std::to_string(channels) +
                             " channels");
  }
  vorbis_comment comment;
  vorbis_comment_init(&comment);
  if (loopLength > 0) vorbis_comment_add_tag(&comment, "LOOPLENGTH", std::to_string(loopLength).c_str());
  vorbis_dsp_state dsp;
  vorbis_analysis_init(&dsp, &info);
  vorbis_block block;
  vorbis_block_init(&dsp, &block);
  ogg_stream_state stream;
  ogg_stream_init(&stream, kStreamNumber);

  std::vector<std::uint8_t> out;
  ogg_packet id, notes, books;
  vorbis_analysis_headerout(&dsp, &comment, &id, &notes, &books);
  ogg_stream_packetin(&stream, &id);
  ogg_stream_packetin(&stream, &notes);
  ogg_stream_packetin(&stream, &books);
  ogg_page page;
  // The headers on pages of their own, as the format asks.
  while (ogg_stream_flush(&stream, &page) != 0) Append(out, page);

  constexpr std::size_t kChunk = 1024;
  bool ended = false;
  for (std::size_t at = 0; !ended;) {
    const std::size_t n = std::min(kChunk, s.frames() - at);
    if (n == 0) {
      vorbis_analysis_wrote(&dsp, 0);  // the end of the stream
    } else {
      float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(n));
      for (int ch = 0; ch < channels; ++ch)
        for (std::size_t i = 0; i < n; ++i) buffer[ch][i] = AsStored(s.channels[ch][at + i], s.bits);
      vorbis_analysis_wrote(&dsp, static_cast<int>(n));
      at += n;
    }
    while (vorbis_analysis_blockout(&dsp, &block) == 1) {
      vorbis_analysis(&block, nullptr);
      vorbis_bitrate_addblock(&block);
      ogg_packet packet;
      while (vorbis_bitrate_flushpacket(&dsp, &packet) == 1) {
        ogg_stream_packetin(&stream, &packet);
        while (ogg_stream_pageout(&stream, &page) != 0) {
          Append(out, page);
          if (ogg_page_eos(&page)) ended = true;
        }
      }
    }
  }
  ogg_stream_clear(&stream);
  vorbis_block_clear(&block);
  vorbis_dsp_clear(&dsp);
  vorbis_comment_clear(&comment);
  vorbis_info_clear(&info);
  return out;
}

std::string CheckEncoded(const Sound& s, const std::vector<std::uint8_t>& ogg, const std::string& file) {
  const raketa::DecodedCue d = raketa::DecodeOgg(ogg.data(), ogg.size(), file.c_str(), s.bits);
  const std::size_t channels = s.channels.size();
  const std::size_t width = static_cast<std::size_t>(s.bits / 8);
  const std::size_t frames = d.pcm.size() / (channels * width);
  if (d.rate != s.rate || static_cast<std::size_t>(d.channels) != channels || frames != s.frames())
    throw std::runtime_error(file + " plays back as " + std::to_string(frames) + " samples at " +
                             std::to_string(d.rate) + " Hz, made as " + std::to_string(s.frames()) + " at " +
                             std::to_string(s.rate) + " Hz");
  std::string line = file + ": " + std::to_string(ogg.size()) + " bytes, RMS";
  for (std::size_t ch = 0; ch < channels; ++ch) {
    double made = 0, played = 0;
    for (std::size_t i = 0; i < frames; ++i) {
      const double a = AsStored(s.channels[ch][i], s.bits);
      const std::size_t at = (i * channels + ch) * width;
      const double b = s.bits == 16 ? static_cast<std::int16_t>(d.pcm[at] | (d.pcm[at + 1] << 8)) / 32768.0
                                    : (d.pcm[at] - 128) / 128.0;
      made += a * a;
      played += b * b;
    }
    const double wav = Decibels(std::sqrt(made / frames)), decoded = Decibels(std::sqrt(played / frames));
    if (std::abs(decoded - wav) > kLoudnessTolerance)
      throw std::runtime_error(file + " channel " + std::to_string(ch) + " plays back at " + std::to_string(decoded) +
                               " dB RMS, made at " + std::to_string(wav) + " dB");
    char figures[64];
    std::snprintf(figures, sizeof figures, " %.2f dB (WAV %.2f dB)", decoded, wav);
    line += figures;
  }
  return line;
}

void WriteBytes(const std::vector<std::uint8_t>& bytes, const std::string& path) {
  std::ofstream file(path, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path);
}

}  // namespace assets
