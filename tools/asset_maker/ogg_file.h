// Ogg Vorbis output through libvorbisenc, the format the game embeds its
// cues in, and the check that what was written plays back as it was made.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "wav_file.h"

namespace assets {

// Samples of a loop's start that run on past its end in the stream, so
// that the encoder codes the end with what follows it in play; the game's
// decoder blends them into the start (presentation/catalogue/ogg_decode.cpp).
constexpr std::size_t kLoopRunOn = 2048;

// A loop with its first `frames` samples again after its end.
Sound WithRunOn(const Sound& loop, std::size_t frames);

// The samples as the WAV file holds them (quantised to the sound's width),
// encoded at a fixed quality with a fixed stream number: the same sound
// always gives the same bytes.  With a loop length, the stream carries the
// comment LOOPLENGTH=n and the samples after n are the loop's run-on.
std::vector<std::uint8_t> EncodeOgg(const Sound& s, std::size_t loopLength = 0);

// Decodes the stream with the game's own decoder and throws, naming the
// file, unless it gives the sound as made (a loop without its run-on) to
// the sample in length and each channel's loudness (RMS) within 1.5 dB of
// the WAV's.  Returns a line to print.
std::string CheckEncoded(const Sound& s, const std::vector<std::uint8_t>& ogg, const std::string& file);

void WriteBytes(const std::vector<std::uint8_t>& bytes, const std::string& path);

}  // namespace assets
