// The pictures and cues embedded in the executable, held against what the
// game does with them: where it draws the pictures, the mixer's formats, the
// typewriter's pace, the loops it stops; decoding, seamless loops, and clear
// errors for damaged files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "services/catalogue.h"
#include "presentation/render/software_surface.h"
#include "support/rig.h"

namespace raketa {
namespace {

std::vector<Picture> AllPictures() {
  std::vector<Picture> all;
  for (int i = 0; i < kPictureCount; ++i) all.push_back(static_cast<Picture>(i));
  return all;
}

std::vector<Cue> AllCues() {
  std::vector<Cue> all;
  for (int i = 0; i < kCueCount; ++i) all.push_back(static_cast<Cue>(i));
  return all;
}

DecodedPicture Decoded(Picture p) {
  EmbeddedBytes b = EmbeddedPicture(p);
  return DecodeJpeg(b.data, b.size, PictureName(p));
}

DecodedCue Decoded(Cue c) {
  EmbeddedBytes b = EmbeddedCue(c);
  return DecodeOgg(b.data, b.size, CueName(c), CueTable(c).bits);
}

std::vector<unsigned char> OggBytes(Cue c) {
  EmbeddedBytes b = EmbeddedCue(c);
  return std::vector<unsigned char>(b.data, b.data + b.size);
}

// Samples of one channel in -1..1; 8-bit samples are unsigned around 128.
std::vector<double> Channel(const DecodedCue& d, int ch) {
  std::vector<double> out;
  const std::size_t frame = static_cast<std::size_t>(d.channels * d.bits / 8);
  for (std::size_t at = static_cast<std::size_t>(ch * d.bits / 8); at + d.bits / 8 <= d.pcm.size(); at += frame) {
    if (d.bits == 16) {
      auto v = static_cast<std::int16_t>(d.pcm[at] | (d.pcm[at + 1] << 8));
      out.push_back(v / 32768.0);
    } else {
      out.push_back((d.pcm[at] - 128) / 128.0);
    }
  }
  return out;
}

double Rms(const std::vector<double>& x, std::size_t from, std::size_t count) {
  double sum = 0;
  for (std::size_t i = from; i < from + count; ++i) sum += x[i] * x[i];
  return std::sqrt(sum / count);
}

// How well the loop's end runs on into its start: a linear predictor is
// fitted on the last stretch before the seam and asked for the first
// samples after it. A click is a sample the predictor cannot foresee.
struct Seam {
  double worst;  // largest prediction error just after the seam
  double usual;  // the predictor's RMS error before it
};

Seam SeamOf(const std::vector<double>& x) {
  constexpr int p = 12;
  const std::size_t n = x.size();
  const std::size_t w = std::min<std::size_t>(4096, n - p - 1);
  auto at = [&](std::size_t i) { return x[i % n]; };  // the loop, repeated
  // Normal equations for x[i] ~ sum a[k] x[i-1-k] over the window.
  double m[p][p + 1] = {};
  for (std::size_t i = n - w; i < n; ++i)
    for (int j = 0; j < p; ++j) {
      for (int k = 0; k < p; ++k) m[j][k] += x[i - 1 - j] * x[i - 1 - k];
      m[j][p] += x[i] * x[i - 1 - j];
    }
  for (int j = 0; j < p; ++j) m[j][j] += 1e-9 + 1e-6 * m[j][j];
  for (int c = 0; c < p; ++c) {
    int pivot = c;
    for (int r = c + 1; r < p; ++r)
      if (std::abs(m[r][c]) > std::abs(m[pivot][c])) pivot = r;
    std::swap(m[c], m[pivot]);
    for (int r = 0; r < p; ++r) {
      if (r == c) continue;
      double f = m[r][c] / m[c][c];
      for (int k = c; k <= p; ++k) m[r][k] -= f * m[c][k];
    }
  }
  double a[p];
  for (int j = 0; j < p; ++j) a[j] = m[j][p] / m[j][j];
  auto error = [&](std::size_t i) {
    double guess = 0;
    for (int k = 0; k < p; ++k) guess += a[k] * at(i - 1 - k);
    return at(i) - guess;
  };
  double sum = 0;
  for (std::size_t i = n - w; i < n; ++i) sum += error(i) * error(i);
  Seam s{0, std::sqrt(sum / w)};
  for (std::size_t i = n; i < n + p; ++i) s.worst = std::max(s.worst, std::abs(error(i)));
  return s;
}

bool Seamless(const std::vector<double>& x, double quantum) {
  Seam s = SeamOf(x);
  return s.worst <= 6.0 * s.usual + 2.0 * quantum;
}

double Luma(std::uint16_t px) {
  double r = ((px >> 11) & 31) / 31.0, g = ((px >> 5) & 63) / 63.0, b = (px & 31) / 31.0;
  return 0.299 * r + 0.587 * g + 0.114 * b;
}

double MeanLuma(const DecodedPicture& d, int x0, int y0, int x1, int y1) {
  double sum = 0;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) sum += Luma(d.rgb565[static_cast<std::size_t>(y) * d.width + x]);
  return sum / ((x1 - x0) * (y1 - y0));
}

double MaxLuma(const DecodedPicture& d, int x0, int y0, int x1, int y1) {
  double best = 0;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) best = std::max(best, Luma(d.rgb565[static_cast<std::size_t>(y) * d.width + x]));
  return best;
}

template <typename F>
std::string ErrorOf(F&& f) {
  try {
    f();
  } catch (const AssetError& e) {
    return e.what();
  }
  return "(no AssetError)";
}

TEST(CatalogueTables, EveryNameLeadsBackToItsOwnEntry) {
  std::set<std::string> names;
  for (Picture p : AllPictures()) {
    const char* name = PictureTable(p).name;
    EXPECT_STREQ(PictureName(p), name);
    EXPECT_EQ(PictureIndexByName(name), static_cast<int>(p)) << name;
    EXPECT_TRUE(names.insert(name).second) << "two pictures named " << name;
  }
  names.clear();
  for (Cue c : AllCues()) {
    const char* name = CueTable(c).name;
    EXPECT_STREQ(CueName(c), name);
    EXPECT_EQ(CueTable(c).looped, CueLooped(c)) << name;
    EXPECT_EQ(CueIndexByName(name), static_cast<int>(c)) << name;
    EXPECT_TRUE(names.insert(name).second) << "two cues named " << name;
  }
  // The trace prints the list's own spelling, blank included.
  EXPECT_STREQ(CueName(Cue::unik_paliva), "unik paliva");
  for (const char* stranger : {"", "Pozadi", "unik_paliva", "pozadi ", "hudba"}) {
    EXPECT_EQ(CueIndexByName(stranger), -1) << stranger;
    EXPECT_EQ(PictureIndexByName(stranger), -1) << stranger;
  }
  // Each list answers only for its own names.
  EXPECT_EQ(CueIndexByName("kyslik"), -1);
  EXPECT_EQ(PictureIndexByName("kroky"), -1);
}

// Where the game draws each picture (the play step, the title and departure
// screens): the backgrounds must cover the whole surface, the oxygen bottle
// must stand in its column of the panel, left free between the key legend's
// two groups (x 520 to 562), and end on the screen.
TEST(EmbeddedPictures, FitWhereTheGameDrawsThem) {
  constexpr int kScreenW = SoftwareSurface::kWidth, kScreenH = SoftwareSurface::kHeight;
  struct Place {
    Picture picture;
    int x, y;
    bool fillsTheScreen;
    int maxRight, maxBottom;
  };
  const Place places[] = {
      {Picture::pozadi, 0, 0, true, kScreenW, kScreenH},
      {Picture::dosedka, 0, 0, true, kScreenW, kScreenH},
      {Picture::odlet, 0, 0, true, kScreenW, kScreenH},
      {Picture::kyslik, 520, 660, false, 562, kScreenH},
  };
  std::set<Picture> placed;
  for (const Place& at : places) {
    SCOPED_TRACE(PictureName(at.picture));
    placed.insert(at.picture);
    DecodedPicture d = Decoded(at.picture);
    EXPECT_NO_THROW(CheckAgainstTable(at.picture, {d.width, d.height}));
    if (at.fillsTheScreen) {
      EXPECT_EQ(d.width, kScreenW);
      EXPECT_EQ(d.height, kScreenH);
    } else {
      EXPECT_GT(d.width, 0);
      EXPECT_GT(d.height, 0);
      EXPECT_LE(at.x + d.width, at.maxRight);
      EXPECT_LE(at.y + d.height, at.maxBottom);
    }
  }
  EXPECT_EQ(placed.size(), static_cast<std::size_t>(kPictureCount)) << "a picture the game draws nowhere";
}

TEST(EmbeddedPictures, AreBaselineJpegsOfRealPictures) {
  for (Picture p : AllPictures()) {
    SCOPED_TRACE(PictureName(p));
    EmbeddedBytes b = EmbeddedPicture(p);
    ASSERT_GT(b.size, 4u);
    // Walk the markers up to the first scan: the frame must be SOF0.
    std::size_t at = 2;
    int frame = -1;
    ASSERT_EQ(b.data[0], 0xFF);
    ASSERT_EQ(b.data[1], 0xD8);
    while (at + 4 <= b.size && b.data[at] == 0xFF && b.data[at + 1] != 0xDA) {
      int marker = b.data[at + 1];
      if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) frame = marker;
      at += 2 + ((b.data[at + 2] << 8) | b.data[at + 3]);
    }
    EXPECT_EQ(frame, 0xC0);

    DecodedPicture d = Decoded(p);
    ASSERT_EQ(d.rgb565.size(), static_cast<std::size_t>(d.width) * d.height);
    // A real picture, not a flat fill.
    EXPECT_GT(MaxLuma(d, 0, 0, d.width, d.height) - MeanLuma(d, 0, 0, d.width, d.height), 0.3);
  }
}

TEST(EmbeddedPictures, LeaveTheGamesTextReadable) {
  DecodedPicture play = Decoded(Picture::pozadi);
  // Narration (upper left) and the room contents lie on calm dark space.
  EXPECT_LT(MeanLuma(play, 10, 5, 620, 330), 0.12);
  EXPECT_LT(MeanLuma(play, 10, 350, 700, 520), 0.12);
  // The printed command help at the top right is there.
  EXPECT_GT(MaxLuma(play, 660, 10, 1024, 330), 0.7);
  // The command line and the inventory part of the panel are dark too.
  EXPECT_LT(MeanLuma(play, 10, 625, 505, 746), 0.2);

  // "Prosim cekej" is written in black and red over the title picture.
  DecodedPicture title = Decoded(Picture::dosedka);
  EXPECT_GT(MeanLuma(title, 390, 25, 620, 60), 0.5);
}

// Every cue as its entry gives it, in a format the mixer converts: 8-bit
// unsigned or 16-bit samples, mono or stereo, at a rate it resamples from.
TEST(EmbeddedCues, MatchTheirEntryInAFormatTheMixerTakes) {
  for (Cue c : AllCues()) {
    SCOPED_TRACE(CueName(c));
    DecodedCue d = Decoded(c);
    EXPECT_NO_THROW(CheckAgainstTable(c, d));
    EXPECT_TRUE(d.bits == 8 || d.bits == 16) << d.bits;
    EXPECT_TRUE(d.channels == 1 || d.channels == 2) << d.channels;
    EXPECT_TRUE(d.rate == 11025 || d.rate == 22050 || d.rate == 44100) << d.rate;
    EXPECT_GT(CueSeconds(d), 0.0);
    // Audible, and short of clipping.
    double peak = 0;
    for (int ch = 0; ch < d.channels; ++ch)
      for (double v : Channel(d, ch)) peak = std::max(peak, std::abs(v));
    EXPECT_GT(peak, 0.3);
    EXPECT_LT(peak, 0.99);
  }
}

TEST(EmbeddedCues, EightBitCuesAreUnsignedAroundTheMiddle) {
  bool any = false;
  for (Cue c : AllCues()) {
    DecodedCue d = Decoded(c);
    if (d.bits != 8) continue;
    any = true;
    double sum = 0;
    for (std::uint8_t b : d.pcm) sum += b;
    EXPECT_NEAR(sum / d.pcm.size(), 128.0, 4.0) << CueName(c);
  }
  EXPECT_TRUE(any) << "no 8-bit cue left to hold the old siren's format";
}

// The narration clicks once for every character it types, one a frame: each
// click must be over before the next, or the typing turns into a buzz.
TEST(EmbeddedCues, TheTypewriterClickIsOverWithinAFrame) {
  EXPECT_LE(CueSeconds(Decoded(Cue::klik)), 0.040 + 0.005);
}

// A looped cue plays until it is stopped, so the game must stop each one
// itself when the room or the state it belongs to is left.
TEST(EmbeddedCues, EveryLoopIsOneTheGameStopsOnItsOwn) {
  test::Rig rig;
  rig.StartPlay();
  rig.sound.calls.clear();
  StopStateCues(rig.g);
  std::set<Cue> stopped;
  for (const RecordingSound::Call& call : rig.sound.calls)
    if (!call.play) stopped.insert(call.cue);
  int loops = 0;
  for (Cue c : AllCues()) {
    if (!CueLooped(c)) continue;
    ++loops;
    EXPECT_EQ(stopped.count(c), 1u) << CueName(c) << " would play on for ever";
  }
  EXPECT_GT(loops, 0);
}

TEST(EmbeddedCues, LoopsRunOnFromTheirEndIntoTheirStart) {
  for (Cue c : AllCues()) {
    if (!CueLooped(c)) continue;
    DecodedCue d = Decoded(c);
    const std::size_t edge = static_cast<std::size_t>(d.rate / 50);  // 20 ms
    for (int ch = 0; ch < d.channels; ++ch) {
      SCOPED_TRACE(std::string(CueName(c)) + " channel " + std::to_string(ch));
      std::vector<double> x = Channel(d, ch);
      const std::size_t n = x.size();
      Seam seam = SeamOf(x);
      EXPECT_TRUE(Seamless(x, d.bits == 8 ? 1.0 / 128 : 1.0 / 32768))
          << "error at the seam " << seam.worst << ", usually " << seam.usual;
      // And the loudness at both ends matches, unless both are silent.
      double head = Rms(x, 0, edge), tail = Rms(x, n - edge, edge);
      if (std::max(head, tail) > 0.003) {
        EXPECT_LT(std::max(head, tail) / std::max(std::min(head, tail), 1e-9), 2.0)
            << "head " << head << " tail " << tail;
      }
    }
  }
}

TEST(EmbeddedCues, SeamCheckHearsALoopCutShort) {
  // The siren cut a little short: its tone no longer meets itself.
  std::vector<double> x = Channel(Decoded(Cue::sirena), 0);
  ASSERT_TRUE(Seamless(x, 1.0 / 128));
  for (std::size_t cut : {x.size() / 3, x.size() / 2 + 5, x.size() - 7}) {
    std::vector<double> shorter(x.begin(), x.begin() + static_cast<std::ptrdiff_t>(cut));
    EXPECT_FALSE(Seamless(shorter, 1.0 / 128)) << "cut at " << cut;
  }
}

TEST(Catalogue, LoadsEverythingAtTheSizeOfItsEntry) {
  Catalogue c = Catalogue::Load();
  for (Picture p : AllPictures()) {
    EXPECT_EQ(c.picture(p).width, PictureTable(p).width) << PictureName(p);
    EXPECT_EQ(c.picture(p).height, PictureTable(p).height) << PictureName(p);
  }
  for (Cue q : AllCues()) {
    SCOPED_TRACE(CueName(q));
    const DecodedCue d = c.cue(q);
    EXPECT_NEAR(CueSeconds(d), CueTable(q).seconds, 0.010);
    // What the headers promised at start-up is what decoding gives.
    EmbeddedBytes b = EmbeddedCue(q);
    const OggCueInfo info = ReadOggInfo(b.data, b.size, CueName(q));
    EXPECT_EQ(info.rate, d.rate);
    EXPECT_EQ(info.channels, d.channels);
    EXPECT_EQ(info.frames * d.channels * d.bits / 8, d.pcm.size());
    // Every call decodes the same samples.
    EXPECT_EQ(c.cue(q).pcm, d.pcm);
  }
}

// A screen's own picture is held only while its screen shows, and comes
// back the same when the screen does; the play screen's pictures stay.
std::string Held(const Catalogue& c) {
  std::string s;
  for (Picture p : AllPictures()) s += c.Holds(p) ? std::string(PictureName(p)) + " " : "";
  return s;
}

TEST(Catalogue, HoldsAScreensPictureOnlyWhileItShows) {
  Catalogue c = Catalogue::Load();
  auto held = [&] { return Held(c); };
  EXPECT_EQ(held(), "pozadi kyslik dosedka ") << "the landing, the first screen, comes decoded";
  EXPECT_EQ(c.picture(Picture::dosedka).rgb565, Decoded(Picture::dosedka).rgb565);
  c.picture(Picture::kyslik);
  EXPECT_EQ(held(), "pozadi kyslik dosedka ") << "the bottle does not cover the screen";
  c.picture(Picture::pozadi);
  EXPECT_EQ(held(), "pozadi kyslik ") << "the play screen covers the landing";
  EXPECT_EQ(c.picture(Picture::odlet).rgb565, Decoded(Picture::odlet).rgb565);
  EXPECT_EQ(held(), "pozadi kyslik odlet ");
  EXPECT_EQ(c.picture(Picture::dosedka).rgb565, Decoded(Picture::dosedka).rgb565) << "a new game lands again";
  EXPECT_EQ(held(), "pozadi kyslik dosedka ") << "one screen picture at a time";
  EXPECT_EQ(c.picture(Picture::pozadi).rgb565, Decoded(Picture::pozadi).rgb565);
}

// The web page's catalogue is checked by the pictures' headers at start-up;
// a picture is decoded when first drawn, or ahead while the intro shows, and
// comes out as the loaded catalogue's does.
TEST(Catalogue, ACheckedOneDecodesWhenDrawnOrAhead) {
  {
    const Catalogue c = Catalogue::Check();
    EXPECT_EQ(Held(c), "") << "nothing is decoded at start-up";
    EXPECT_EQ(c.picture(Picture::kyslik).rgb565, Decoded(Picture::kyslik).rgb565);
    EXPECT_EQ(Held(c), "kyslik ");
    EXPECT_EQ(c.picture(Picture::dosedka).rgb565, Decoded(Picture::dosedka).rgb565);
    EXPECT_EQ(Held(c), "kyslik dosedka ");
  }
  {
    const Catalogue c = Catalogue::Check();
    int decoded = 0;
    while (c.DecodeAhead()) ++decoded;
    EXPECT_EQ(decoded, 3);
    EXPECT_EQ(Held(c), "pozadi kyslik dosedka ") << "as a loaded catalogue holds them";
    for (Picture p : AllPictures()) EXPECT_EQ(c.picture(p).rgb565, Decoded(p).rgb565) << PictureName(p);
    EXPECT_FALSE(c.DecodeAhead());
  }
  {
    // Decoding ahead keeps the screen picture that shows.
    const Catalogue c = Catalogue::Check();
    c.picture(Picture::odlet);
    while (c.DecodeAhead()) {
    }
    EXPECT_EQ(Held(c), "pozadi kyslik odlet ");
  }
  EXPECT_FALSE(Catalogue::Load().DecodeAhead()) << "a loaded catalogue has it all";
  EXPECT_FALSE(Catalogue().DecodeAhead());
}

TEST(Catalogue, AnUnloadedOneHasNoPictures) {
  const Catalogue c;
  for (Picture p : AllPictures()) {
    EXPECT_EQ(c.picture(p).width, 0) << PictureName(p);
    EXPECT_TRUE(c.picture(p).rgb565.empty()) << PictureName(p);
    EXPECT_FALSE(c.Holds(p)) << PictureName(p);
  }
}

TEST(Catalogue, RejectsAssetsThatDoNotMatchTheirEntry) {
  DecodedCue ok = Decoded(Cue::ok);
  const std::size_t frame = 2;
  struct Case {
    const char* what;
    std::function<void(DecodedCue&)> change;
    bool accepted;
  };
  const Case cases[] = {
      {"as shipped", [](DecodedCue&) {}, true},
      {"5 ms short", [&](DecodedCue& d) { d.pcm.erase(d.pcm.end() - 110 * frame, d.pcm.end()); }, true},
      {"20 ms short", [&](DecodedCue& d) { d.pcm.erase(d.pcm.end() - 441 * frame, d.pcm.end()); }, false},
      {"20 ms long", [&](DecodedCue& d) { d.pcm.insert(d.pcm.end(), 441 * frame, 0); }, false},
      {"half the rate", [](DecodedCue& d) { d.rate = 11025; }, false},
      {"8-bit", [](DecodedCue& d) { d.bits = 8; }, false},
      {"stereo", [](DecodedCue& d) { d.channels = 2; }, false},
  };
  for (const Case& c : cases) {
    DecodedCue d = ok;
    c.change(d);
    std::string error = ErrorOf([&] { CheckAgainstTable(Cue::ok, d); });
    if (c.accepted)
      EXPECT_EQ(error, "(no AssetError)") << c.what;
    else
      EXPECT_NE(error.find("'ok'"), std::string::npos) << c.what << ": " << error;
  }
  DecodedPicture small = Decoded(Picture::kyslik);
  std::string error = ErrorOf([&] { CheckAgainstTable(Picture::pozadi, {small.width, small.height}); });
  EXPECT_NE(error.find("'pozadi'"), std::string::npos) << error;
}

// At start-up only the cues' headers are read: they alone must refuse a cue
// of another rate, channel count or length.
TEST(Catalogue, RejectsCueHeadersThatDoNotMatchTheirEntry) {
  EmbeddedBytes b = EmbeddedCue(Cue::ok);
  const OggCueInfo ok = ReadOggInfo(b.data, b.size, "ok");
  struct Case {
    const char* what;
    std::function<void(OggCueInfo&)> change;
    bool accepted;
  };
  const Case cases[] = {
      {"as shipped", [](OggCueInfo&) {}, true},
      {"5 ms short", [](OggCueInfo& i) { i.frames -= 110; }, true},
      {"20 ms short", [](OggCueInfo& i) { i.frames -= 441; }, false},
      {"20 ms long", [](OggCueInfo& i) { i.frames += 441; }, false},
      {"twice the rate", [](OggCueInfo& i) { i.rate = 44100; }, false},
      {"stereo", [](OggCueInfo& i) { i.channels = 2; }, false},
  };
  for (const Case& c : cases) {
    OggCueInfo info = ok;
    c.change(info);
    std::string error = ErrorOf([&] { CheckAgainstTable(Cue::ok, info); });
    if (c.accepted)
      EXPECT_EQ(error, "(no AssetError)") << c.what;
    else
      EXPECT_NE(error.find("'ok'"), std::string::npos) << c.what << ": " << error;
  }
}

TEST(DecodeJpeg, NamesThePictureThatIsDamaged) {
  EmbeddedBytes good = EmbeddedPicture(Picture::kyslik);
  const std::vector<unsigned char> whole(good.data, good.data + good.size);
  // Where the frame header (SOF0) of the good picture starts.
  std::size_t frame = 2;
  while (frame + 4 <= whole.size() && whole[frame + 1] != 0xC0) frame += 2 + ((whole[frame + 2] << 8) | whole[frame + 3]);
  ASSERT_LT(frame + 9, whole.size());
  struct Case {
    const char* what;
    std::function<std::vector<unsigned char>()> bytes;
    const char* says;  // what the message must tell, besides the name
  };
  const Case cases[] = {
      {"empty", [] { return std::vector<unsigned char>{}; }, "no data"},
      {"cut in half", [&] { return std::vector<unsigned char>(whole.begin(), whole.begin() + whole.size() / 2); },
       "cut short"},
      {"cut after the header", [&] { return std::vector<unsigned char>(whole.begin(), whole.begin() + 200); },
       "cut short"},
      // A decoder that fills in what is missing would take these.
      {"without its end marker", [&] { return std::vector<unsigned char>(whole.begin(), whole.end() - 2); },
       "cut short"},
      {"one byte short", [&] { return std::vector<unsigned char>(whole.begin(), whole.end() - 1); }, "cut short"},
      {"a segment longer than the file", [&] { auto v = whole; v[4] = 0xFF; v[5] = 0xF0; return v; }, "cut short"},
      {"no start marker", [&] { auto v = whole; v[1] = 0x00; return v; }, "not a JPEG"},
      {"not a JPEG", [] { return std::vector<unsigned char>(500, 0x42); }, "not a JPEG"},
      {"9000 rows high",
       [&] {
         auto v = whole;
         v[frame + 5] = 9000 >> 8;
         v[frame + 6] = 9000 & 0xFF;
         return v;
       },
       "too large"},
      {"an unknown component count",
       [&] {
         auto v = whole;
         v[frame + 9] = 7;
         return v;
       },
       "JPEG"},
  };
  for (const Case& c : cases) {
    std::vector<unsigned char> bytes = c.bytes();
    // Reading the size alone, as the page does at start-up, refuses it too.
    for (const bool decode : {true, false}) {
      std::string error = ErrorOf([&] {
        if (decode)
          DecodeJpeg(bytes.data(), bytes.size(), "rozbity obrazek");
        else
          ReadJpegSize(bytes.data(), bytes.size(), "rozbity obrazek");
      });
      EXPECT_NE(error.find("rozbity obrazek"), std::string::npos) << c.what << ": " << error;
      EXPECT_NE(error.find(c.says), std::string::npos) << c.what << ": " << error;
    }
  }
  const PictureSize size = ReadJpegSize(whole.data(), whole.size(), "kyslik");
  // The good picture itself decodes, to its recorded size.
  DecodedPicture d = DecodeJpeg(whole.data(), whole.size(), "kyslik");
  EXPECT_EQ(d.width, (whole[frame + 7] << 8) | whole[frame + 8]);
  EXPECT_EQ(d.height, (whole[frame + 5] << 8) | whole[frame + 6]);
  EXPECT_EQ(size.width, d.width);
  EXPECT_EQ(size.height, d.height);
}

// Where the last Ogg page of a stream begins.
std::size_t LastPage(const std::vector<unsigned char>& v) {
  for (std::size_t at = v.size() - 4; at > 0; --at)
    if (std::memcmp(&v[at], "OggS", 4) == 0) return at;
  return 0;
}

// A damaged cue is refused with its name, both when its headers are read at
// start-up and when it is decoded to play.
TEST(DecodeOgg, NamesTheCueThatIsDamaged) {
  const std::vector<unsigned char> whole = OggBytes(Cue::ok);
  ASSERT_EQ(std::memcmp(whole.data(), "OggS", 4), 0);
  // The first page holds the identification header alone: 27 bytes of page
  // header, one lacing value, then 0x01 "vorbis", the version, the channel
  // count and the rate.
  ASSERT_EQ(whole[26], 1);
  ASSERT_EQ(std::memcmp(&whole[28], "\x01vorbis", 7), 0);
  constexpr std::size_t kChannels = 28 + 11, kRate = 28 + 12;
  struct Case {
    const char* what;
    std::function<std::vector<unsigned char>()> bytes;
    const char* says;  // what the message must tell, besides the name
  };
  const Case cases[] = {
      {"empty", [] { return std::vector<unsigned char>{}; }, "no data"},
      {"not Ogg", [] { return std::vector<unsigned char>(500, 0x42); }, "not an Ogg"},
      {"a WAV file", [] { return std::vector<unsigned char>{'R', 'I', 'F', 'F', 36, 0, 0, 0, 'W', 'A', 'V', 'E'}; },
       "not an Ogg"},
      {"cut after the headers", [&] { return std::vector<unsigned char>(whole.begin(), whole.begin() + LastPage(whole)); },
       ""},
      {"cut in half", [&] { return std::vector<unsigned char>(whole.begin(), whole.begin() + whole.size() / 2); }, ""},
      {"one byte short", [&] { return std::vector<unsigned char>(whole.begin(), whole.end() - 1); }, ""},
      {"three channels", [&] { auto v = whole; v[kChannels] = 3; return v; }, ""},
      {"no sample rate", [&] { auto v = whole; std::memset(&v[kRate], 0, 4); return v; }, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::vector<unsigned char> bytes = c.bytes();
    const std::string opening = ErrorOf([&] {
      CheckAgainstTable(Cue::ok, ReadOggInfo(bytes.data(), bytes.size(), "ok"));
    });
    const std::string decoding = ErrorOf([&] {
      CheckAgainstTable(Cue::ok, DecodeOgg(bytes.data(), bytes.size(), "ok", 16));
    });
    for (const std::string& error : {opening, decoding}) {
      EXPECT_NE(error.find("'ok'"), std::string::npos) << error;
      EXPECT_NE(error.find(c.says), std::string::npos) << error;
    }
  }
  // The whole stream passes both.
  EXPECT_NO_THROW(CheckAgainstTable(Cue::ok, ReadOggInfo(whole.data(), whole.size(), "ok")));
  EXPECT_NO_THROW(CheckAgainstTable(Cue::ok, DecodeOgg(whole.data(), whole.size(), "ok", 16)));
}

// One stream decodes to either width, the same sound in both: the 8-bit
// samples are the 16-bit ones rounded to a 256th.
TEST(DecodeOgg, GivesTheWidthItIsAskedFor) {
  const std::vector<unsigned char> ogg = OggBytes(Cue::ok);
  const DecodedCue wide = DecodeOgg(ogg.data(), ogg.size(), "ok", 16);
  const DecodedCue narrow = DecodeOgg(ogg.data(), ogg.size(), "ok", 8);
  EXPECT_EQ(wide.bits, 16);
  EXPECT_EQ(narrow.bits, 8);
  ASSERT_EQ(wide.pcm.size(), 2 * narrow.pcm.size());
  const std::vector<double> a = Channel(wide, 0), b = Channel(narrow, 0);
  double worst = 0;
  for (std::size_t i = 0; i < a.size(); ++i) worst = std::max(worst, std::abs(a[i] - b[i]));
  EXPECT_LE(worst, 0.5 / 128 + 1.0 / 32768);
  EXPECT_GT(Rms(b, 0, b.size()), 0.05);
  EXPECT_NE(ErrorOf([&] { DecodeOgg(ogg.data(), ogg.size(), "ok", 24); }).find("'ok'"), std::string::npos);
}

}  // namespace
}  // namespace raketa
