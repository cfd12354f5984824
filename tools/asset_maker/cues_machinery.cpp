// The rocket's machinery: a locked door, refilling, a valve wheel.
#include <algorithm>
#include <cmath>

#include "cues.h"
#include "synth.h"

namespace assets {

Sound MakeZavrene() {
  Sound s = Blank(1.34);
  const int rate = s.rate;
  Rng rng(701);
  Samples dry(s.frames(), 0.f);
  // The handle tried twice: latch clicks against the bolt...
  for (double at : {0.02, 0.16}) {
    Burst(dry, rate, at, 3200, 2.5, 1.6, 0.004, rng);
    Burst(dry, rate, at, 900, 2.0, 0.8, 0.008, rng);
    Strike(dry, rate, at, {{1830, 0.25, 0.03}, {3320, 0.18, 0.02}, {4870, 0.12, 0.015}});
    Burst(dry, rate, at + 0.035, 2400, 3, 1.0, 0.003, rng);
  }
  // ...then a shoulder against the door: a heavy thud and the hatch ringing.
  const double thud = 0.36;
  Strike(dry, rate, thud, {{62, 1.0, 0.14}, {96, 0.5, 0.1}}, 0.5);
  Burst(dry, rate, thud, 380, 0.9, 1.2, 0.035, rng);
  Strike(dry, rate, thud + 0.002,
         {{183, 0.12, 0.35}, {412, 0.08, 0.28}, {737, 0.06, 0.22}, {1151, 0.04, 0.16}, {1690, 0.025, 0.1}});
  Samples wet = Room(dry, rate, 0.8, 0.45, 0.3f);
  FadeEnds(wet, rate, 0.001, 0.15);
  s.channels[0] = wet;
  Normalise(s.channels, 0.85f);
  return s;
}

Sound MakeDopln() {
  Sound s = Blank(2.75);
  const int rate = s.rate;
  const std::size_t n = s.frames();
  Rng rng(702);
  Samples& out = s.channels[0];
  // The flow: a steady rush that swells in and dies away.
  auto level = [](double t) { return std::min(1.0, t / 0.15) * std::clamp((2.6 - t) / 0.5, 0.0, 1.0); };
  Samples rush = Filtered(Filtered(WhiteNoise(n, rng), Biquad::LowPass(rate, 900, 0.8)), Biquad::HighPass(rate, 150));
  for (std::size_t i = 0; i < n; ++i) out[i] = static_cast<float>(0.25 * level(static_cast<double>(i) / rate) * rush[i]);
  // Bubbles: each a sine whose pitch rises as it rings out. They come in
  // gulps, several times a second.
  double t = 0.02;
  while (t < 2.55) {
    double gulp = 0.5 + 0.5 * std::sin(kTau * 4.3 * t) * std::sin(kTau * 1.1 * t + 1.0);
    double size = rng.Unit();
    double freq = 260 + 1200 * size * size;
    double decay = 0.008 + 0.03 * (1 - size);
    double amp = (0.25 + 0.5 * rng.Unit()) * level(t) * (0.3 + 0.7 * gulp);
    std::size_t start = Frames(t, rate);
    double phase = 0;
    for (std::size_t i = 0; i < Frames(decay * 6, rate) && start + i < n; ++i) {
      double dt = static_cast<double>(i) / rate;
      phase += kTau * freq * (1.0 + 8.0 * dt) / rate;
      out[start + i] += static_cast<float>(amp * std::min(1.0, dt / 0.0008) * std::exp(-dt / decay) * std::sin(phase));
    }
    t += (0.012 + 0.05 * rng.Unit()) * (1.4 - gulp);
  }
  Samples wet = Room(out, rate, 0.5, 0.5, 0.2f);
  FadeEnds(wet, rate, 0.005, 0.1);
  out = wet;
  Normalise(s.channels, 0.75f);
  return s;
}

Sound MakeVentil() {
  Sound s = Blank(2.39);
  const int rate = s.rate;
  const std::size_t n = s.frames();
  Rng rng(703);
  // Stick and slip: a ragged train of pulses rings the valve's metal.
  Samples pulses(n, 0.f);
  auto turn = [&](double from, double to, double rate_lo, double rate_hi) {
    double t = from;
    while (t < to) {
      double k = (t - from) / (to - from);
      double env = std::sin(k * kTau / 2);
      std::size_t i = Frames(t, rate);
      if (i < n) pulses[i] += static_cast<float>(env * (0.6 + 0.4 * rng.Unit()));
      double hz = rate_lo + (rate_hi - rate_lo) * (0.5 + 0.5 * std::sin(kTau * 1.7 * t)) + 10 * rng.Signed();
      t += 1.0 / hz;
    }
  };
  turn(0.05, 0.85, 35, 75);
  turn(1.00, 1.70, 45, 95);
  Samples creak(n, 0.f);
  const double bands[][3] = {{640, 18, 1.0}, {1270, 22, 0.8}, {2130, 25, 0.6}, {3350, 30, 0.35}};
  for (const auto& b : bands) {
    Samples ring = Filtered(pulses, Biquad::BandPass(rate, b[0], b[1]));
    MixInto(creak, ring, 0, static_cast<float>(b[2] * 16.0));
  }
  // A little grit with each slip.
  MixInto(creak, Filtered(pulses, Biquad::HighPass(rate, 4000)), 0, 0.4f);
  // The wheel stops hard against its seat.
  Burst(creak, rate, 1.78, 900, 1.2, 1.0, 0.015, rng);
  Strike(creak, rate, 1.78, {{120, 0.6, 0.08}, {520, 0.2, 0.2}, {1340, 0.15, 0.14}, {2210, 0.08, 0.1}}, 0.3);
  Samples wet = Room(creak, rate, 0.7, 0.45, 0.25f);
  FadeEnds(wet, rate, 0.002, 0.12);
  s.channels[0] = wet;
  Normalise(s.channels, 0.8f);
  return s;
}

}  // namespace assets
