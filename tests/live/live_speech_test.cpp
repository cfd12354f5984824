// The pieces the live voice says one after another.
#include "presentation/live/live_speech.h"

#include <gtest/gtest.h>

namespace raketa {
namespace {

TEST(LiveSpeech, TextsAreSaidSentenceBySentence) {
  const struct {
    std::string text;
    std::vector<std::string> pieces;
  } cases[] = {
      {"KABINA. Sedíš v křesle!", {"KABINA.", "Sedíš v křesle!"}},
      {"Kde? Tady. ", {"Kde?", "Tady."}},
      {"OK..vzal jsem...", {"OK..vzal jsem..."}},  // dots inside a word end nothing
      {"zdraví 72 procent, palivo 3 procenta.", {"zdraví 72 procent, palivo 3 procenta."}},
      {"bez tečky", {"bez tečky"}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(Sentences(c.text), c.pieces) << c.text;
}

}  // namespace
}  // namespace raketa
