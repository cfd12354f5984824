// Footsteps on the rocket's metal deck: a heel and a toe per step, the
// plate ringing a little, in a small room.
#include <cmath>

#include "cues.h"
#include "synth.h"

namespace assets {

namespace {

struct Gait {
  double first;     // first step, seconds
  double interval;  // between steps
  double speedup;   // interval shrinks by this share per step
  double heel_toe;  // from heel to toe
  double weight;    // how hard the feet land
};

void Step(Samples& out, int rate, double at, const Gait& g, bool left, Rng& rng) {
  double vary = 1.0 + 0.08 * rng.Signed();
  double loud = g.weight * (0.85 + 0.15 * rng.Unit()) * (left ? 1.0 : 0.9);
  // Heel: a dull thump gliding down, a scuff, the deck plate ringing.
  Strike(out, rate, at, {{85 * vary, 0.9 * loud, 0.03}, {170 * vary, 0.3 * loud, 0.02}}, 0.6);
  Burst(out, rate, at, 2200 * vary, 1.2, 0.9 * loud, 0.006, rng);
  Burst(out, rate, at + 0.004, 600 * vary, 1.5, 0.6 * loud, 0.012, rng);
  Strike(out, rate, at + 0.001,
         {{430 * vary, 0.05 * loud, 0.07}, {1130 * vary, 0.04 * loud, 0.05}, {2630 * vary, 0.03 * loud, 0.03}});
  // Toe.
  double toe = at + g.heel_toe * (0.9 + 0.2 * rng.Unit());
  Strike(out, rate, toe, {{110 * vary, 0.45 * loud, 0.02}}, 0.4);
  Burst(out, rate, toe, 3000 * vary, 1.0, 0.6 * loud, 0.004, rng);
}

Sound Walk(double seconds, const Gait& g, std::uint64_t seed) {
  Sound s = Blank(seconds);
  const int rate = s.rate;
  Rng rng(seed);
  Samples dry(s.frames(), 0.f);
  double at = g.first, interval = g.interval;
  bool left = true;
  while (at < seconds - 0.35) {
    Step(dry, rate, at + 0.01 * rng.Signed(), g, left, rng);
    left = !left;
    at += interval;
    interval *= 1.0 - g.speedup;
  }
  Samples wet = Room(Filtered(dry, Biquad::HighPass(rate, 45)), rate, 0.6, 0.4, 0.25f);
  FadeEnds(wet, rate, 0.002, 0.15);
  s.channels[0] = wet;
  Normalise(s.channels, 0.8f);
  return s;
}

}  // namespace

Sound MakeKroky() { return Walk(3.83, {0.06, 0.52, 0.0, 0.045, 1.0}, 501); }

// Running: quicker, lighter steps that hurry on.
Sound MakeRychle() { return Walk(3.19, {0.04, 0.31, 0.01, 0.025, 0.85}, 502); }

}  // namespace assets
