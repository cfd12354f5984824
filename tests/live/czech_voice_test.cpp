// The Czech voice through the real espeak-ng library: a sentence becomes
// sound of a length a listener would expect, and a missing library or voice
// is named, not a crash.
#include "presentation/live/czech_voice.h"

#include <gtest/gtest.h>

#include <cmath>

namespace raketa {
namespace {

double Seconds(const std::vector<std::int16_t>& pcm, int rate) { return static_cast<double>(pcm.size()) / rate; }

double Loudness(const std::vector<std::int16_t>& pcm) {
  double sum = 0;
  for (std::int16_t s : pcm) sum += static_cast<double>(s) * s;
  return pcm.empty() ? 0 : std::sqrt(sum / static_cast<double>(pcm.size()));
}

TEST(CzechVoice, ASentenceBecomesSpeechOfAPlausibleLength) {
  CzechVoice voice;
  ASSERT_TRUE(voice.Ready()) << voice.Problem();
  ASSERT_GT(voice.SampleRate(), 8000);
  const std::string sentence = "Sedíš v pilotním křesle a srdce ti buší.";  // 7 words, 12 syllables
  const std::vector<std::int16_t> pcm = voice.Synthesise(sentence);
  // Read at an ordinary pace, twelve syllables and the pause after them take one to five seconds.
  EXPECT_GT(Seconds(pcm, voice.SampleRate()), 1.0);
  EXPECT_LT(Seconds(pcm, voice.SampleRate()), 5.0);
  // Speech, not silence: well above the noise floor of 16-bit samples.
  EXPECT_GT(Loudness(pcm), 500.0);

  // The same sentence three times over takes about three times as long.
  const std::vector<std::int16_t> longer = voice.Synthesise(sentence + " " + sentence + " " + sentence);
  const double ratio = static_cast<double>(longer.size()) / static_cast<double>(pcm.size());
  EXPECT_GT(ratio, 2.3);
  EXPECT_LT(ratio, 3.7);
}

TEST(CzechVoice, NumbersAreReadAsWords) {
  // "72" said as "sedmdesát dva" is far longer than two letters would be.
  CzechVoice voice;
  ASSERT_TRUE(voice.Ready()) << voice.Problem();
  const double number = Seconds(voice.Synthesise("72 procent"), voice.SampleRate());
  const double word = Seconds(voice.Synthesise("procent"), voice.SampleRate());
  EXPECT_GT(number, word + 0.5);
}

TEST(CzechVoice, CuttingShortStopsTheSound) {
  CzechVoice voice;
  ASSERT_TRUE(voice.Ready()) << voice.Problem();
  const std::string text = "Dlouhá chodba středem rakety. Pod podlahovými mřížemi syčí potrubí.";
  const std::size_t whole = voice.Synthesise(text).size();
  const std::size_t cut = voice.Synthesise(text, [] { return false; }).size();
  EXPECT_LT(cut * 2, whole);
}

TEST(CzechVoice, WhatIsMissingIsNamed) {
  const struct {
    const char* library;
    const char* voice;
    const char* named;
  } cases[] = {
      {"libespeak-ng-that-is-not-there.so", "cs", "libespeak-ng-that-is-not-there.so"},
      {"libespeak-ng.so.1", "xx-no-such-voice", "xx-no-such-voice"},
  };
  for (const auto& c : cases) {
    CzechVoice voice(c.library, c.voice);
    EXPECT_FALSE(voice.Ready());
    EXPECT_NE(voice.Problem().find(c.named), std::string::npos) << voice.Problem();
    EXPECT_TRUE(voice.Synthesise("ahoj").empty());
  }
  // A voice that failed leaves the library fit for the right one.
  CzechVoice czech;
  EXPECT_TRUE(czech.Ready()) << czech.Problem();
  EXPECT_FALSE(czech.Synthesise("ahoj").empty());
}

}  // namespace
}  // namespace raketa
