// What the replay trace makes of cues and screenshots: a `stop` line only
// for a cue that was sounding, every call still kept for the tests; and a
// screenshot's fingerprint the same for the same pixels in every build.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "presentation/render/pixel_hash.h"
#include "presentation/replay/recording_services.h"

namespace raketa::test {
namespace {

struct CueStep {
  long frame;
  bool play;
  Cue cue;
};

struct StopCase {
  const char* what;
  std::vector<CueStep> steps;
  std::vector<std::string> traced;
};

TEST(RecordingSound, TracesOnlyTheStopsOfSoundingCues) {
  // kroky lasts 3.83 s: 95 frames of 40 ms are within it, 96 are not.
  // klik lasts 0.04 s: one frame.  venku and dychani loop.
  const StopCase cases[] = {
      {"an idle cue stopped", {{5, false, Cue::venku}, {6, false, Cue::kroky}}, {}},
      {"a loop stopped long after its start, and again",
       {{1, true, Cue::venku}, {900, false, Cue::venku}, {901, false, Cue::venku}},
       {"1 play venku", "900 stop venku"}},
      {"a loop started again after a stop",
       {{1, true, Cue::dychani}, {2, false, Cue::dychani}, {3, true, Cue::dychani}, {4, false, Cue::dychani}},
       {"1 play dychani", "2 stop dychani", "3 play dychani", "4 stop dychani"}},
      {"a one-shot cue within its length", {{10, true, Cue::kroky}, {105, false, Cue::kroky}},
       {"10 play kroky", "105 stop kroky"}},
      {"a one-shot cue after its end", {{10, true, Cue::kroky}, {106, false, Cue::kroky}}, {"10 play kroky"}},
      {"a click stopped in its own frame and in the next",
       {{7, true, Cue::klik}, {7, false, Cue::klik}, {8, true, Cue::klik}, {9, false, Cue::klik}},
       {"7 play klik", "7 stop klik", "8 play klik"}},
      {"a one-shot played again: its length counts from the last play",
       {{10, true, Cue::kroky}, {100, true, Cue::kroky}, {150, false, Cue::kroky}},
       {"10 play kroky", "100 play kroky", "150 stop kroky"}},
      {"one cue's stop leaves another sounding",
       {{1, true, Cue::venku}, {1, true, Cue::unik_paliva}, {2, false, Cue::venku}, {3, false, Cue::unik_paliva}},
       {"1 play venku", "1 play unik paliva", "2 stop venku", "3 stop unik paliva"}},
  };
  for (const StopCase& c : cases) {
    std::ostringstream out;
    Trace trace(&out);
    RecordingSound sound(trace);
    for (const CueStep& s : c.steps) {
      trace.SetFrame(s.frame);
      s.play ? sound.Play(s.cue) : sound.Stop(s.cue);
    }
    std::vector<std::string> lines;
    std::istringstream in(out.str());
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    EXPECT_EQ(lines, c.traced) << c.what;
    // The calls themselves are all kept: the game's behaviour, idle stops too.
    ASSERT_EQ(sound.calls.size(), c.steps.size()) << c.what;
    for (std::size_t i = 0; i < c.steps.size(); ++i) {
      EXPECT_EQ(sound.calls[i], (RecordingSound::Call{c.steps[i].play, c.steps[i].cue})) << c.what << ", call " << i;
    }
  }
}

TEST(PixelHash, IsFnv1a64InSixteenHexDigits) {
  // The published FNV-1a 64 values of "" and "a", and of "foobar".
  EXPECT_EQ(HashHex(PixelHash(nullptr, 0)), "cbf29ce484222325");
  const std::string a = "a", foobar = "foobar";
  EXPECT_EQ(HashHex(PixelHash(reinterpret_cast<const std::uint8_t*>(a.data()), a.size())), "af63dc4c8601ec8c");
  EXPECT_EQ(HashHex(PixelHash(reinterpret_cast<const std::uint8_t*>(foobar.data()), foobar.size())),
            "85944171f73967e8");
  EXPECT_EQ(HashHex(0x1), "0000000000000001");
}

TEST(PixelHash, OneChangedByteChangesTheHash) {
  std::vector<std::uint8_t> picture(1024 * 768 * 3, 0x20);
  const std::uint64_t before = PixelHash(picture.data(), picture.size());
  picture[1024 * 3 * 700 + 5] ^= 1;
  EXPECT_NE(PixelHash(picture.data(), picture.size()), before);
}

}  // namespace
}  // namespace raketa::test
