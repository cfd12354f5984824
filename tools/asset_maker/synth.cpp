#include "synth.h"

#include <algorithm>
#include <cmath>

namespace assets {

std::size_t Frames(double seconds, int rate) { return static_cast<std::size_t>(std::lround(seconds * rate)); }

namespace {
struct Rbj {
  double w, cw, sw, alpha;
  Rbj(double rate, double freq, double q) {
    w = kTau * std::min(freq, rate * 0.45) / rate;
    cw = std::cos(w);
    sw = std::sin(w);
    alpha = sw / (2 * q);
  }
};
}  // namespace

Biquad Biquad::LowPass(double rate, double freq, double q) {
  Rbj r(rate, freq, q);
  double a0 = 1 + r.alpha;
  Biquad f;
  f.b0_ = (1 - r.cw) / 2 / a0;
  f.b1_ = (1 - r.cw) / a0;
  f.b2_ = f.b0_;
  f.a1_ = -2 * r.cw / a0;
  f.a2_ = (1 - r.alpha) / a0;
  return f;
}

Biquad Biquad::HighPass(double rate, double freq, double q) {
  Rbj r(rate, freq, q);
  double a0 = 1 + r.alpha;
  Biquad f;
  f.b0_ = (1 + r.cw) / 2 / a0;
  f.b1_ = -(1 + r.cw) / a0;
  f.b2_ = f.b0_;
  f.a1_ = -2 * r.cw / a0;
  f.a2_ = (1 - r.alpha) / a0;
  return f;
}

Biquad Biquad::BandPass(double rate, double freq, double q) {
  Rbj r(rate, freq, q);
  double a0 = 1 + r.alpha;
  Biquad f;
  f.b0_ = r.alpha / a0;
  f.b1_ = 0;
  f.b2_ = -r.alpha / a0;
  f.a1_ = -2 * r.cw / a0;
  f.a2_ = (1 - r.alpha) / a0;
  return f;
}

float Biquad::Process(float x) {
  double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
  x2_ = x1_;
  x1_ = x;
  y2_ = y1_;
  y1_ = y;
  return static_cast<float>(y);
}

void Biquad::Retune(const Biquad& o) {
  b0_ = o.b0_;
  b1_ = o.b1_;
  b2_ = o.b2_;
  a1_ = o.a1_;
  a2_ = o.a2_;
}

Samples WhiteNoise(std::size_t n, Rng& rng) {
  Samples x(n);
  for (float& v : x) v = static_cast<float>(rng.Signed());
  return x;
}

Samples Filtered(Samples x, Biquad f) {
  for (float& v : x) v = f.Process(v);
  return x;
}

void Strike(Samples& out, int rate, double at, const std::vector<Partial>& partials, double glide) {
  std::size_t start = Frames(at, rate);
  for (const Partial& p : partials) {
    double phase = 0;
    std::size_t len = Frames(p.decay * 7.0, rate);
    for (std::size_t i = 0; i < len && start + i < out.size(); ++i) {
      double t = static_cast<double>(i) / rate;
      double f = p.freq * (1.0 + glide * std::exp(-t / (p.decay * 0.5)));
      phase += kTau * f / rate;
      // A 1 ms attack so even a strike does not click digitally.
      double attack = std::min(1.0, t / 0.001);
      out[start + i] += static_cast<float>(p.amp * attack * std::exp(-t / p.decay) * std::sin(phase));
    }
  }
}

void Burst(Samples& out, int rate, double at, double freq, double q, double amp, double decay, Rng& rng) {
  std::size_t start = Frames(at, rate);
  Biquad f = Biquad::BandPass(rate, freq, q);
  std::size_t len = Frames(decay * 7.0 + 0.01, rate);
  for (std::size_t i = 0; i < len && start + i < out.size(); ++i) {
    double t = static_cast<double>(i) / rate;
    double env = std::min(1.0, t / 0.0005) * std::exp(-t / decay);
    out[start + i] += static_cast<float>(amp) * f.Process(static_cast<float>(rng.Signed() * env));
  }
}

void MixInto(Samples& out, const Samples& src, std::size_t at, float gain) {
  for (std::size_t i = 0; i < src.size() && at + i < out.size(); ++i) out[at + i] += src[i] * gain;
}

void Scale(Samples& x, float gain) {
  for (float& v : x) v *= gain;
}

void Normalise(Samples& x, float peak) {
  float m = 0;
  for (float v : x) m = std::max(m, std::abs(v));
  if (m > 0) Scale(x, peak / m);
}

void Normalise(std::vector<Samples>& channels, float peak) {
  float m = 0;
  for (const Samples& c : channels)
    for (float v : c) m = std::max(m, std::abs(v));
  if (m > 0)
    for (Samples& c : channels) Scale(c, peak / m);
}

void FadeEnds(Samples& x, int rate, double in_seconds, double out_seconds) {
  std::size_t in = std::min(x.size(), Frames(in_seconds, rate));
  std::size_t out = std::min(x.size(), Frames(out_seconds, rate));
  for (std::size_t i = 0; i < in; ++i) x[i] *= static_cast<float>(i) / in;
  for (std::size_t i = 0; i < out; ++i) {
    double k = static_cast<double>(i) / out;  // 0 at the very end
    x[x.size() - 1 - i] *= static_cast<float>(0.5 - 0.5 * std::cos(k * kTau / 2));
  }
}

Samples Room(const Samples& dry, int rate, double size, double damp, float wet) {
  // Four damped combs in parallel, then two allpasses (after Schroeder).
  const double scale = rate / 44100.0;
  const int comb_len[4] = {1116, 1277, 1422, 1557};
  const int all_len[2] = {556, 341};
  Samples tail(dry.size(), 0.f);
  for (int len0 : comb_len) {
    std::size_t len = std::max<std::size_t>(1, static_cast<std::size_t>(len0 * scale * size));
    std::vector<float> buf(len, 0.f);
    float store = 0;
    std::size_t pos = 0;
    for (std::size_t i = 0; i < dry.size(); ++i) {
      float y = buf[pos];
      store = static_cast<float>(y * (1 - damp) + store * damp);
      buf[pos] = dry[i] * 0.25f + store * 0.8f;
      tail[i] += y;
      pos = (pos + 1) % len;
    }
  }
  for (int len0 : all_len) {
    std::size_t len = std::max<std::size_t>(1, static_cast<std::size_t>(len0 * scale));
    std::vector<float> buf(len, 0.f);
    std::size_t pos = 0;
    for (float& v : tail) {
      float b = buf[pos];
      float y = -v + b;
      buf[pos] = v + b * 0.5f;
      v = y;
      pos = (pos + 1) % len;
    }
  }
  Samples out(dry);
  for (std::size_t i = 0; i < out.size(); ++i) out[i] += wet * tail[i];
  return out;
}

Samples Seamless(const Samples& longer, std::size_t n, std::size_t fade) {
  Samples out(longer.begin(), longer.begin() + static_cast<std::ptrdiff_t>(n));
  for (std::size_t i = 0; i < fade; ++i) {
    double w = static_cast<double>(i) / fade * kTau / 4;
    out[i] = static_cast<float>(longer[i] * std::sin(w) + longer[n + i] * std::cos(w));
  }
  return out;
}

Lfo::Lfo(std::size_t period, std::vector<int> cycles, Rng& rng) : period_(period), cycles_(std::move(cycles)) {
  for (std::size_t i = 0; i < cycles_.size(); ++i) phases_.push_back(rng.Unit() * kTau);
}

float Lfo::At(std::size_t i) const {
  double t = static_cast<double>(i % period_) / period_;
  double sum = 0, norm = 0;
  for (std::size_t k = 0; k < cycles_.size(); ++k) {
    double amp = 1.0 / (1 + k);
    sum += amp * std::sin(kTau * cycles_[k] * t + phases_[k]);
    norm += amp;
  }
  return static_cast<float>(sum / norm);
}

}  // namespace assets
