// The sound workshop: filters, envelopes, mixing and the loop seam.
#pragma once

#include <cstddef>
#include <vector>

#include "random.h"

namespace assets {

constexpr double kTau = 6.283185307179586;
using Samples = std::vector<float>;

// Whole sample frames in the given time.
std::size_t Frames(double seconds, int rate);

// RBJ biquad filters.
class Biquad {
 public:
  static Biquad LowPass(double rate, double freq, double q = 0.707);
  static Biquad HighPass(double rate, double freq, double q = 0.707);
  static Biquad BandPass(double rate, double freq, double q);  // 0 dB at the centre
  float Process(float x);
  void Retune(const Biquad& other);  // new coefficients, same state

 private:
  double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

Samples WhiteNoise(std::size_t n, Rng& rng);
Samples Filtered(Samples x, Biquad f);

// A damped sine, as struck metal or a bubble rings.
struct Partial {
  double freq;
  double amp;
  double decay;  // seconds to fall to 1/e
};
// Adds struck partials at a time, into out.
void Strike(Samples& out, int rate, double at, const std::vector<Partial>& partials, double glide = 0.0);
// A short decaying noise burst through a band filter.
void Burst(Samples& out, int rate, double at, double freq, double q, double amp, double decay, Rng& rng);

void MixInto(Samples& out, const Samples& src, std::size_t at, float gain = 1.f);
void Scale(Samples& x, float gain);
// Scales so the loudest sample reaches peak.
void Normalise(Samples& x, float peak);
void Normalise(std::vector<Samples>& channels, float peak);
// Short fades that keep a one-shot cue free of clicks at its ends.
void FadeEnds(Samples& x, int rate, double in_seconds, double out_seconds);
// A small room, so dry clicks sound like they happen inside the rocket.
Samples Room(const Samples& dry, int rate, double size, double damp, float wet);

// Makes a loop of n samples from n + fade samples: the tail is crossfaded
// over the head, so the last sample runs on into the first.
Samples Seamless(const Samples& longer, std::size_t n, std::size_t fade);
// A value that repeats every n samples: a slow swell for loops. Whole
// cycles only; phases from rng.
struct Lfo {
  Lfo(std::size_t period, std::vector<int> cycles, Rng& rng);
  float At(std::size_t i) const;  // about -1..1

 private:
  std::size_t period_;
  std::vector<int> cycles_;
  std::vector<double> phases_;
};

}  // namespace assets
