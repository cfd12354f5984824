// The picture kept on a window or canvas: only changed rows go out, and a
// modal box's picture stands in for the game's until the box closes.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "presentation/render/kept_picture.h"
#include "services/command_line.h"

namespace raketa {
namespace {

constexpr int kW = ScreenImage::kWidth;
constexpr int kH = ScreenImage::kHeight;

FontSet& Fonts() {
  static std::unique_ptr<FontSet> fonts = FontSet::Open();
  return *fonts;
}

struct Shown {
  RowRange rows;
  bool all;
  std::vector<std::uint32_t> picture;  // the whole picture as it was then
  std::uint32_t At(int x, int y) const { return picture[static_cast<std::size_t>(y) * kW + x]; }
};

class RecordingSink : public PictureSink {
 public:
  void Show(const std::uint16_t* rgb565, RowRange rows) override {
    shown.push_back({rows, false, Copy(rgb565)});
  }
  void ShowAll(const std::uint16_t* rgb565) override { shown.push_back({{0, kH}, true, Copy(rgb565)}); }
  static std::vector<std::uint32_t> Copy(const std::uint16_t* rgb565) {
    std::vector<std::uint32_t> xrgb(static_cast<std::size_t>(kW) * kH);
    ToXrgb8888(rgb565, xrgb.data(), RowRange{0, kH});
    return xrgb;
  }
  std::vector<Shown> shown;
};

class KeptPictureTest : public ::testing::Test {
 protected:
  KeptPictureTest() { surface.OnPresent = [this] { picture.NotePresent(); }; }

  void PaintRows(int top, int bottom, std::uint32_t bgr) {
    surface.SetBrushStyle(BrushStyle::Solid);
    surface.SetBrushColour(bgr);
    surface.Rectangle(0, top, kW, bottom);
    surface.Present();
  }

  Catalogue catalogue;
  SoftwareSurface surface{catalogue, Fonts()};
  CommandLine line;
  RecordingSink sink;
  KeptPicture picture{sink, surface, line, Fonts()};
};

TEST_F(KeptPictureTest, OnlyTheRowsAPresentChangedGoOut) {
  picture.Refresh();  // the first picture goes out whole
  sink.shown.clear();

  PaintRows(100, 120, 0x0000FF);
  ASSERT_TRUE(picture.Refresh());
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].rows, (RowRange{100, 120}));
  EXPECT_FALSE(sink.shown[0].all);
  EXPECT_EQ(sink.shown[0].At(kW / 2, 110) & 0xF80000u, 0xF80000u);  // red

  EXPECT_FALSE(picture.Refresh()) << "nothing changed since";
  EXPECT_EQ(sink.shown.size(), 1u);
}

TEST_F(KeptPictureTest, ABoxStandsInForTheGameUntilItCloses) {
  picture.Refresh();
  const std::vector<std::uint16_t> box(static_cast<std::size_t>(kW) * kH, ToRgb565(0x00FF00));
  picture.ShowModal(box);
  ASSERT_FALSE(sink.shown.empty());
  EXPECT_EQ(sink.shown.back().rows, (RowRange{0, kH}));
  EXPECT_EQ(sink.shown.back().At(kW / 2, 5) & 0x00FC00u, 0x00FC00u);  // green
  sink.shown.clear();

  // The game presents behind the box: nothing of it shows, and the box is
  // what a second box would be drawn over.
  PaintRows(0, 10, 0xFF0000);
  EXPECT_FALSE(picture.Refresh());
  EXPECT_TRUE(sink.shown.empty());
  EXPECT_EQ(picture.Snapshot(), box);

  // A lost window brings back the box, not the game.
  picture.Redraw();
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_TRUE(sink.shown[0].all);
  EXPECT_EQ(sink.shown[0].At(kW / 2, 5) & 0x00FC00u, 0x00FC00u);

  // Closed: the game's picture, with what it presented meanwhile.
  picture.EndModal();
  ASSERT_EQ(sink.shown.size(), 2u);
  EXPECT_TRUE(sink.shown[1].all);
  EXPECT_EQ(sink.shown[1].At(kW / 2, 5) & 0x0000F8u, 0x0000F8u);  // blue
  EXPECT_EQ(picture.Snapshot()[5 * kW + kW / 2], ToRgb565(0xFF0000));
}

// The page hands in its own black memory for the three pictures: each goes
// where it belongs.
TEST(KeptPictureMemory, PicturesLiveInTheMemoryHandedIn) {
  std::vector<std::uint16_t> back(ScreenMemory::kPixels), presented(ScreenMemory::kPixels), shown(ScreenMemory::kPixels);
  Catalogue catalogue;
  SoftwareSurface surface{catalogue, Fonts(), ScreenMemory(back.data()), ScreenMemory(presented.data())};
  CommandLine line;
  class PointerSink : public PictureSink {
   public:
    void Show(const std::uint16_t* rgb565, RowRange) override { last = rgb565; }
    void ShowAll(const std::uint16_t* rgb565) override { last = rgb565; }
    const std::uint16_t* last = nullptr;
  } sink;
  KeptPicture picture{sink, surface, line, Fonts(), ScreenMemory(shown.data())};
  surface.OnPresent = [&] { picture.NotePresent(); };

  surface.SetBrushStyle(BrushStyle::Solid);
  surface.SetBrushColour(0x0000FF);
  surface.Rectangle(0, 10, kW, 20);
  const std::uint16_t red = ToRgb565(0x0000FF);
  EXPECT_EQ(back[15 * kW + kW / 2], red);
  EXPECT_EQ(presented[15 * kW + kW / 2], 0);  // not presented yet
  surface.Present();
  EXPECT_EQ(presented[15 * kW + kW / 2], red);
  ASSERT_TRUE(picture.Refresh());
  EXPECT_EQ(sink.last, shown.data());
  EXPECT_EQ(shown[15 * kW + kW / 2], red);
  EXPECT_EQ(shown[25 * kW + kW / 2], 0);
}

}  // namespace
}  // namespace raketa
