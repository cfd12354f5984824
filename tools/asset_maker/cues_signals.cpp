// The interface's signals: the typewriter, the confirmation and the error,
// and the three musical cues (death, title).
#include <algorithm>
#include <cmath>

#include "cues.h"
#include "synth.h"

namespace assets {

namespace {

double Note(int semitones_from_a4) { return 440.0 * std::pow(2.0, semitones_from_a4 / 12.0); }

// A soft organ-like voice: a few harmonics, a gentle attack and release,
// a little vibrato once the note has settled.
void Voice(Samples& out, int rate, double at, double length, double freq, double amp, double vibrato = 0.0,
           double detune = 0.0) {
  std::size_t start = Frames(at, rate), len = Frames(length, rate);
  double phase = 0;
  for (std::size_t i = 0; i < len && start + i < out.size(); ++i) {
    double t = static_cast<double>(i) / rate;
    double env = std::min(1.0, t / 0.025) * std::min(1.0, (length - t) / 0.12);
    double vib = vibrato * std::min(1.0, t / 0.4) * std::sin(kTau * 5.0 * t);
    phase += kTau * freq * (1.0 + vib + detune) / rate;
    double v = std::sin(phase) + 0.45 * std::sin(2 * phase) + 0.2 * std::sin(3 * phase) + 0.08 * std::sin(4 * phase);
    out[start + i] += static_cast<float>(amp * std::max(0.0, env) * v);
  }
}

// A bright bell-like note: harmonic partials, the higher ones dying first,
// and a faint inharmonic shimmer. Partials above the rate's limit are left
// out so nothing folds back as a false tone.
void Chime(Samples& out, int rate, double at, double length, double freq, double amp) {
  struct Part {
    double ratio, level, decay;
  };
  const Part parts[] = {{1.0, 1.0, 0.35}, {2.0, 0.45, 0.18}, {3.0, 0.2, 0.1}, {4.2, 0.12, 0.06}, {5.4, 0.06, 0.04}};
  std::size_t start = Frames(at, rate), len = Frames(length, rate);
  for (const Part& p : parts) {
    if (freq * p.ratio > rate * 0.42) continue;
    for (std::size_t i = 0; i < len && start + i < out.size(); ++i) {
      double t = static_cast<double>(i) / rate;
      double env = std::min(1.0, t / 0.003) * std::exp(-t / (length * p.decay)) * std::min(1.0, (length - t) / 0.03);
      out[start + i] += static_cast<float>(amp * p.level * env * std::sin(kTau * freq * p.ratio * t));
    }
  }
}

}  // namespace

Sound MakeKlik() {
  Sound s = Blank(0.04);
  const int rate = s.rate;
  Rng rng(601);
  Samples& out = s.channels[0];
  // The key going down, then the type slug striking the platen.
  Burst(out, rate, 0.0005, 2500, 2, 0.25, 0.0015, rng);
  Burst(out, rate, 0.007, 3800, 1.2, 1.0, 0.0025, rng);
  Burst(out, rate, 0.007, 1200, 3, 0.5, 0.005, rng);
  Strike(out, rate, 0.007, {{950, 0.08, 0.006}, {2350, 0.05, 0.004}});
  FadeEnds(out, rate, 0.0003, 0.008);
  Normalise(s.channels, 0.8f);
  return s;
}

Sound MakeRadek() {
  Sound s = Blank(0.32);
  const int rate = s.rate;
  Rng rng(602);
  Samples& out = s.channels[0];
  // The margin bell: a small struck bell, its partials spread inharmonically.
  Burst(out, rate, 0.0, 5000, 2, 0.2, 0.002, rng);
  Strike(out, rate, 0.001, {{2093, 0.6, 0.12}, {2093 * 2.76, 0.2, 0.05}, {2093 * 1.51, 0.12, 0.08}, {2093 * 0.5, 0.05, 0.1}});
  FadeEnds(out, rate, 0.0005, 0.04);
  Normalise(s.channels, 0.7f);
  return s;
}

Sound MakeOk() {
  Sound s = Blank(0.32);
  const int rate = s.rate;
  Samples& out = s.channels[0];
  // Two rising notes, a fifth apart.
  Chime(out, rate, 0.0, 0.16, Note(15), 0.5);
  Chime(out, rate, 0.10, 0.22, Note(22), 0.6);
  FadeEnds(out, rate, 0.001, 0.03);
  Normalise(s.channels, 0.7f);
  return s;
}

Sound MakeChyba() {
  Sound s = Blank(0.75);
  const int rate = s.rate;
  Samples& out = s.channels[0];
  // A harsh low buzzer, twice: bzz-bzzzt. Band-limited saws slightly apart.
  auto buzz = [&](double at, double length, double freq) {
    std::size_t start = Frames(at, rate), len = Frames(length, rate);
    for (std::size_t i = 0; i < len; ++i) {
      double t = static_cast<double>(i) / rate;
      double env = std::min(1.0, t / 0.008) * std::min(1.0, (length - t) / 0.02);
      double v = 0;
      for (int h = 1; h * freq * 1.02 < rate * 0.45; ++h)
        v += (std::sin(kTau * h * freq * t) + std::sin(kTau * h * freq * 1.018 * t)) / h;
      out[start + i] += static_cast<float>(env * v);
    }
  };
  buzz(0.01, 0.22, 118);
  buzz(0.30, 0.42, 104);
  out = Filtered(out, Biquad::LowPass(rate, 2600, 0.9));
  FadeEnds(out, rate, 0.002, 0.02);
  Normalise(s.channels, 0.7f);
  return s;
}

Sound MakeMrtvy() {
  Sound s = Blank(3.58);
  const int rate = s.rate;
  Rng rng(605);
  Samples& out = s.channels[0];
  // A dull blow, then a slow line falling to a dark minor chord.
  Strike(out, rate, 0.0, {{55, 0.9, 0.25}, {82, 0.4, 0.18}}, 0.8);
  Burst(out, rate, 0.0, 300, 0.8, 0.6, 0.05, rng);
  const int line[] = {-5, -7, -9, -10};  // E4 D4 C4 B3
  for (int k = 0; k < 4; ++k) Voice(out, rate, 0.25 + 0.38 * k, 0.45, Note(line[k]), 0.22, 0.004);
  const double chord_at = 1.77, chord_len = 1.75;
  for (int semis : {-24, -12, -9, -5}) Voice(out, rate, chord_at, chord_len, Note(semis), 0.16, 0.006, 0.0);
  Voice(out, rate, chord_at, chord_len, Note(-12), 0.08, 0.006, 0.003);
  Samples wet = Room(Filtered(out, Biquad::LowPass(rate, 3000)), rate, 1.0, 0.5, 0.35f);
  FadeEnds(wet, rate, 0.002, 0.3);
  out = wet;
  Normalise(s.channels, 0.8f);
  return s;
}

Sound MakeLogo() {
  Sound s = Blank(3.05, 2);
  const int rate = s.rate;
  Rng rng(606);
  Samples lead(s.frames(), 0.f), pad(s.frames(), 0.f), sweep(s.frames(), 0.f);
  // A rising arpeggio in A minor that lands on a bright A major chord.
  const int arpeggio[] = {-12, -5, 0, 3, 2, 7};  // A3 E4 A4 C5 B4 E5
  for (int k = 0; k < 6; ++k) Chime(lead, rate, 0.05 + 0.17 * k, k == 5 ? 0.9 : 0.5, Note(arpeggio[k]), 0.3);
  for (int semis : {-24, -12, -5, 0, 4, 7}) Voice(pad, rate, 1.12, 1.93, Note(semis), 0.11, 0.003);
  for (int semis : {12, 16, 19, 24}) Chime(lead, rate, 1.12 + 0.09 * (semis - 12) / 4.0, 1.4, Note(semis), 0.12);
  // A whoosh of rising noise under the arpeggio.
  Samples noise = WhiteNoise(s.frames(), rng);
  Biquad sweep_f = Biquad::BandPass(rate, 300, 2);
  for (std::size_t i = 0; i < s.frames(); ++i) {
    double t = static_cast<double>(i) / rate;
    if (i % 32 == 0) sweep_f.Retune(Biquad::BandPass(rate, 200 + 2500 * std::min(1.0, t / 1.1), 2));
    double env = std::min(1.0, t / 0.6) * std::max(0.0, 1.0 - std::max(0.0, t - 1.0) / 0.4);
    sweep[i] = static_cast<float>(0.22 * env * sweep_f.Process(noise[i]));
  }
  // The lead echoes from side to side; the pad is slightly wider apart.
  const std::size_t echo = Frames(0.17, rate);
  for (int ch = 0; ch < 2; ++ch) {
    Samples& out = s.channels[ch];
    for (std::size_t i = 0; i < s.frames(); ++i) {
      double left = ch == 0 ? 1.0 : 0.0;
      float echoed = i >= echo ? lead[i - echo] : 0.f;
      float echoed2 = i >= 2 * echo ? lead[i - 2 * echo] : 0.f;
      out[i] = lead[i] + static_cast<float>(0.35 * (left ? echoed : echoed2) + 0.2 * (left ? echoed2 : echoed)) +
               pad[i] + sweep[i];
    }
    out = Room(out, rate, ch == 0 ? 1.0 : 1.07, 0.3, 0.3f);
    FadeEnds(out, rate, 0.002, 0.25);
  }
  Normalise(s.channels, 0.85f);
  return s;
}

}  // namespace assets
