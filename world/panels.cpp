// The inventory panel near the bottom and the room contents panel in the
// middle of the screen: pictures of the world, which they leave as it is.
#include "world/data.h"
#include "services/screen_layout.h"

namespace raketa {

namespace {
constexpr int kPanelFontSize = 12;

Canvas& PanelCanvas(Game& g) {
  Canvas& canvas = g.services.display.GetCanvas();
  canvas.SetBrushStyle(BrushStyle::Clear);
  canvas.SetFontSize(kPanelFontSize);
  return canvas;
}

// The panels' columns are 130 pixels apart; a name longer than its column
// is cut and ends in an ellipsis, so that its neighbour stays readable.
constexpr int kColumnWidth = 124;

std::string FitColumn(Canvas& canvas, std::string text) {
  if (canvas.TextWidth(text) <= kColumnWidth) return text;
  static const std::string kEllipsis = "\x85";  // "…" in code page 1250
  while (!text.empty() && canvas.TextWidth(text + kEllipsis) > kColumnWidth) text.pop_back();
  return text + kEllipsis;
}
}  // namespace

void DrawInventoryPanel(Game& g) {
  Canvas& canvas = PanelCanvas(g);
  canvas.SetFontColour(colour::Yellow);
  canvas.TextOut(10, 630, W("Sebou neseš..:"));
  for (int k = 1; k <= kInventorySlots; ++k) {
    canvas.TextOut(10 + (k - 1) * 130, 660, FitColumn(canvas, std::to_string(k) + ") " + g.World.Slot(k).Name.str() + " "));
  }
  g.services.display.ReleaseCanvas();
}

void DrawRoomContentsPanel(Game& g) {
  Canvas& canvas = PanelCanvas(g);
  g.Cue(Cue::ok);
  canvas.SetFontColour(colour::Green);
  canvas.TextOut(10, screen::kRoomPanelTop, W("V místnosti se nachází:"));
  const TRoom& room = g.World.Current();
  for (int f = 0; f < kFixtures; ++f) {
    const TFixture& fx = room.Fixtures[f];
    int y = 380 + f * 30;
    canvas.SetFontColour(colour::Red);
    canvas.TextOut(10, y, FitColumn(canvas, fx.Name.str()));
    if (fx.Opened != 0) {
      canvas.SetFontColour(colour::NearWhite);
      for (int j = 0; j < kFixtureItemSlots; ++j) {
        canvas.TextOut(140 + j * 130, y, FitColumn(canvas, fx.Items[j].Name.str()));
      }
    }
  }
  canvas.SetFontColour(colour::Green);
  for (int i = 0; i < kRoomItemSlots; ++i) {
    canvas.TextOut(10 + (i % 5) * 130, i < 5 ? 500 : 520, FitColumn(canvas, room.Items[i].Name.str()));
  }
  g.services.display.ReleaseCanvas();
  SayRoomContents(g);
}

}  // namespace raketa
