// The looped cues. Every tone completes whole cycles within the loop, every
// swell repeats with it, and noise is crossfaded over the seam, so the end
// runs on into the start without a click.
#include <algorithm>
#include <cmath>

#include "cues.h"
#include "synth.h"

namespace assets {

namespace {

// A tone of exactly `cycles` periods over n samples.
double LoopTone(std::size_t i, std::size_t n, int cycles, double phase = 0) {
  return std::sin(kTau * static_cast<double>(cycles) * static_cast<double>(i) / static_cast<double>(n) + phase);
}

// Band-limited noise, wrapped into a loop of n samples.
Samples LoopNoise(std::size_t n, std::size_t fade, Rng& rng, Biquad a, Biquad b) {
  Samples x = WhiteNoise(n + fade + 4096, rng);
  x = Filtered(Filtered(std::move(x), a), b);
  // Drop the filters' settling at the start.
  Samples settled(x.begin() + 4096, x.end());
  return Seamless(settled, n, fade);
}

}  // namespace

Sound MakePozadi() {
  Sound s = Blank(0.88, 2);
  const std::size_t n = s.frames();
  const int rate = s.rate;
  Rng rng(101);
  // Mains hum of the ship's converters: 44 cycles in the loop are 50 Hz,
  // and a neighbour one cycle off makes the machinery throb once per loop.
  const int harmonics[] = {44, 88, 132, 176, 264, 352};
  const double level[] = {0.35, 0.28, 0.12, 0.07, 0.035, 0.02};
  for (int ch = 0; ch < 2; ++ch) {
    Samples& out = s.channels[ch];
    int beat = ch == 0 ? 45 : 43;
    for (std::size_t i = 0; i < n; ++i) {
      double v = 0;
      for (int h = 0; h < 6; ++h) v += level[h] * LoopTone(i, n, harmonics[h], 0.7 * h + ch);
      v += 0.14 * LoopTone(i, n, beat, ch * 1.3);
      v += 0.05 * LoopTone(i, n, beat * 2, ch * 0.4);
      out[i] = static_cast<float>(v);
    }
    // Rumble and the air of the ventilation.
    Samples rumble = LoopNoise(n, 4000, rng, Biquad::LowPass(rate, 220, 0.9), Biquad::LowPass(rate, 300));
    Samples air = LoopNoise(n, 4000, rng, Biquad::BandPass(rate, 2600, 0.7), Biquad::HighPass(rate, 900));
    MixInto(out, rumble, 0, 0.9f);
    MixInto(out, air, 0, 0.05f);
  }
  Normalise(s.channels, 0.5f);
  return s;
}

Sound MakeDychani() {
  Sound s = Blank(2.16);
  const std::size_t n = s.frames();
  const int rate = s.rate;
  Rng rng(202);
  const std::size_t fade = 2000;
  // Breath through the mouth: two formant bands of the same noise.
  Samples raw = WhiteNoise(n + fade, rng);
  Biquad in_a = Biquad::BandPass(rate, 1300, 1.4), in_b = Biquad::BandPass(rate, 2600, 2.5);
  Biquad out_a = Biquad::BandPass(rate, 750, 1.2), out_b = Biquad::BandPass(rate, 1900, 2.0);
  Biquad air = Biquad::HighPass(rate, 3500);
  Samples breath(n + fade);
  for (std::size_t i = 0; i < n + fade; ++i) {
    double t = static_cast<double>(i % n) / rate;
    // Inhale 0.05..0.95 s, exhale 1.10..2.02 s, each a smooth swell.
    auto swell = [](double t, double a, double b) {
      if (t <= a || t >= b) return 0.0;
      double k = (t - a) / (b - a);
      return std::pow(std::sin(k * kTau / 2), 1.6) * (1.0 - 0.3 * k);
    };
    double inhale = swell(t, 0.05, 0.95), exhale = swell(t, 1.10, 2.02);
    float x = raw[i];
    double v = inhale * (0.8 * in_a.Process(x) + 0.35 * in_b.Process(x)) +
               exhale * (1.0 * out_a.Process(x) + 0.4 * out_b.Process(x)) +
               (0.12 * inhale + 0.06 * exhale) * air.Process(x);
    breath[i] = static_cast<float>(v);
  }
  // Soften the top: breath through a visor is dull.
  breath = Filtered(Filtered(std::move(breath), Biquad::LowPass(rate, 4500)), Biquad::LowPass(rate, 6000));
  Samples loop = Seamless(breath, n, fade);
  // The helmet: a short echo colours the breath.
  Samples helmet(loop);
  const std::size_t d = Frames(0.0032, rate);
  for (std::size_t i = 0; i < n; ++i) helmet[i] += 0.45f * loop[(i + n - d) % n];
  // The suit's demand valve clicks as each breath starts.
  Samples clicks(n + 2000, 0.f);
  Burst(clicks, rate, 0.05, 2400, 6, 0.25, 0.004, rng);
  Burst(clicks, rate, 1.10, 1800, 6, 0.2, 0.004, rng);
  MixInto(helmet, clicks, 0, 1.f);
  s.channels[0] = helmet;
  Normalise(s.channels, 0.6f);
  return s;
}

Sound MakeVenku() {
  Sound s = Blank(8.79);
  const std::size_t n = s.frames();
  const int rate = s.rate;
  Rng rng(303);
  const std::size_t fade = Frames(0.4, rate);
  Lfo gust(n, {1, 2, 3, 5}, rng), pitch(n, {1, 3, 4}, rng), whistle(n, {2, 5}, rng);
  Samples raw = WhiteNoise(n + fade, rng);
  Biquad body = Biquad::BandPass(rate, 500, 0.8), howl = Biquad::BandPass(rate, 1500, 12);
  Biquad rumble = Biquad::LowPass(rate, 140, 0.8);
  Samples wind(n + fade);
  for (std::size_t i = 0; i < n + fade; ++i) {
    if (i % 32 == 0) {
      // The wind's voice rises as it gusts.
      double g = gust.At(i), p = pitch.At(i);
      body.Retune(Biquad::BandPass(rate, 420 + 260 * g + 120 * p, 0.9 + 0.6 * (0.5 + 0.5 * p)));
      howl.Retune(Biquad::BandPass(rate, 1250 + 350 * whistle.At(i) + 200 * g, 14));
    }
    double g = 0.5 + 0.5 * gust.At(i);
    double strength = 0.25 + 0.75 * g * g;
    float x = raw[i];
    double v = strength * body.Process(x) + 0.4 * (0.3 + 0.7 * g) * rumble.Process(x) +
               0.12 * std::max(0.0, g - 0.35) * howl.Process(x);
    wind[i] = static_cast<float>(v);
  }
  // Wind roars low; the hiss above a few kHz is mostly gone.
  wind = Filtered(Filtered(std::move(wind), Biquad::LowPass(rate, 2400, 0.6)), Biquad::LowPass(rate, 3500));
  s.channels[0] = Seamless(wind, n, fade);
  Normalise(s.channels, 0.7f);
  return s;
}

Sound MakeUnikPaliva() {
  Sound s = Blank(1.47);
  const std::size_t n = s.frames();
  const int rate = s.rate;
  Rng rng(404);
  Samples hiss = LoopNoise(n, 3000, rng, Biquad::HighPass(rate, 2200, 0.8), Biquad::LowPass(rate, 9000));
  Samples jet = LoopNoise(n, 3000, rng, Biquad::BandPass(rate, 5200, 4), Biquad::HighPass(rate, 1500));
  Lfo flutter(n, {7, 11}, rng);
  Samples& out = s.channels[0];
  for (std::size_t i = 0; i < n; ++i) {
    double f = 1.0 + 0.12 * flutter.At(i);
    // A faint whistle where the gas squeezes out: 5000 cycles in the loop.
    double whistle = 0.03 * LoopTone(i, n, 5000);
    out[i] = static_cast<float>(f * (0.8 * hiss[i] + 0.6 * jet[i]) + whistle);
  }
  Normalise(s.channels, 0.55f);
  return s;
}

Sound MakeSirena() {
  Sound s = Blank(1.95, 1, 11025, 8);
  const std::size_t n = s.frames();
  const int rate = s.rate;
  // Two wails per loop, 620 to 1180 Hz. The frequency curve is scaled so the
  // loop holds whole cycles and the phase meets itself at the seam.
  std::vector<double> freq(n);
  double cycles = 0;
  for (std::size_t i = 0; i < n; ++i) {
    double t = static_cast<double>(i) / n;
    double rise = 0.5 - 0.5 * std::cos(kTau * 2 * t);
    freq[i] = 620 + 560 * std::pow(rise, 0.8);
    cycles += freq[i] / rate;
  }
  const double fix = std::round(cycles) / cycles;
  double phase = 0;
  Samples& out = s.channels[0];
  for (std::size_t i = 0; i < n; ++i) {
    // A horn-like tone; its overtones stay below the 5.5 kHz limit.
    out[i] = static_cast<float>(std::sin(phase) + 0.35 * std::sin(2 * phase + 0.3) + 0.3 * std::sin(3 * phase));
    phase += kTau * freq[i] * fix / rate;
  }
  Normalise(s.channels, 0.85f);
  return s;
}

}  // namespace assets
