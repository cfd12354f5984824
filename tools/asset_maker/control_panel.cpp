// The framed control panel along the bottom of the play screen. The game
// prints the inventory in its left part, the meter numbers in the black
// display strip and the alarm line along its top; the panel itself carries
// the meter icons with their names and the function-key legend.
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "noise.h"
#include "services/meters.h"
#include "services/screen_layout.h"
#include "pozadi_parts.h"
#include "text.h"

namespace assets {

namespace {

using namespace raketa::screen;

const Rgb kFrameLight = Hex(0x7d93a8), kFrameDark = Hex(0x2a3440), kLabel = Hex(0xa9bccc);

void PanelBody(Canvas& c) {
  c.Paint({0, kPanelTop, kWidth, kHeight}, [](float, float) { return 1.f; }, [](float x, float y) {
    // Brushed dark metal.
    float grain = Fractal(x * 0.004f, y * 0.35f, 41, 3);
    Rgb base = Mix(Hex(0x18212c), Hex(0x0e141b), (y - kPanelTop) / 172.f);
    return base * (0.9f + 0.2f * grain);
  });
  // Frame: a light bevel on top and left, dark on the right and bottom.
  for (int i = 0; i < 3; ++i) {
    Rgb top = Mix(kFrameLight, kFrameDark, i / 3.f);
    for (int x = i; x < kWidth - i; ++x) c.Blend(x, kPanelTop + i, top, 1.f);
    for (int y = kPanelTop + i; y < kHeight - i; ++y) {
      c.Blend(i, y, top, 1.f);
      c.Blend(kWidth - 1 - i, y, Mix(kFrameDark, Hex(0x05080b), i / 3.f), 1.f);
    }
    for (int x = i; x < kWidth - i; ++x) c.Blend(x, kHeight - 1 - i, Mix(kFrameDark, Hex(0x05080b), i / 3.f), 1.f);
  }
  // Rivets in the corners.
  for (Point p : {Point{9, kPanelTop + 9}, Point{1014, kPanelTop + 9}}) {
    c.Fill(Around(p.x, p.y, 4, 4), Circle(p.x, p.y, 3.f), [p](float x, float y) {
      float k = std::clamp(0.5f - ((x - p.x) + (y - p.y)) / 6.f, 0.f, 1.f);
      return Mix(Hex(0x2c3946), Hex(0xb6c4d2), k);
    });
  }
}

// The bezel the game's black meter strip sits in, like a display window.
void MeterBezel(Canvas& c) {
  const float x0 = kMeterStripLeft - 5, y0 = kMeterStripTop - 5, x1 = kMeterStripRight + 5, y1 = kMeterStripBottom + 5;
  Sdf outer = RoundRect(x0, y0, x1, y1, 4.f);
  c.Fill({static_cast<int>(x0) - 2, static_cast<int>(y0) - 2, static_cast<int>(x1) + 2, static_cast<int>(y1) + 2},
         outer, [=](float, float y) { return Mix(Hex(0x0b0f14), Hex(0x56687a), (y - y0) / (y1 - y0)); });
  c.Fill({kMeterStripLeft - 2, kMeterStripTop - 2, kMeterStripRight + 2, kMeterStripBottom + 2},
         RoundRect(kMeterStripLeft - 1, kMeterStripTop - 1, kMeterStripRight + 1, kMeterStripBottom + 1, 2.f),
         Hex(0x000000));
}

// "Raketa" over the rocket's two meters (cells and fuel), with a rule to
// each side; the player's own two (health and nourishment) stand apart.
void GroupHeading(Canvas& c) {
  Font f(12, true);
  const std::string word = "Raketa";
  int left = kCellsX - 2, right = kHealthX - 14;
  int w = f.Width(word);
  int x = (left + right - w) / 2, y = kMeterStripTop - 5 - 17;
  DrawText(c, f, word, x, y, Hex(0xd9c47a));
  float ry = y + 9.f;
  for (auto [a, b] : {std::pair{left, x - 6}, std::pair{x + w + 6, right}}) {
    c.Fill({a - 2, static_cast<int>(ry) - 3, b + 2, static_cast<int>(ry) + 4}, Capsule(a, ry, b, ry, 0.6f),
           Hex(0x8f8250));
  }
  for (int end : {left, right})
    c.Fill({end - 2, static_cast<int>(ry) - 1, end + 2, static_cast<int>(ry) + 8},
           Capsule(end, ry, end, ry + 5.f, 0.6f), Hex(0x8f8250));
}

void MeterIcons(Canvas& c) {
  Font f(12);
  const float top = kMeterStripBottom + 10;
  BatteryIcon(c, kCellsX, top + 6, 46, 24);
  FuelTankIcon(c, kFuelX, top, 40, 36);
  HeartIcon(c, kHealthX, top + 1, 36, 34);
  EnergyBallIcon(c, kFoodX + 2, top + 1, 34);
  const int label_y = static_cast<int>(top) + 39;
  for (const raketa::MeterLook& m : raketa::kMeters) {
    if (m.label != nullptr) DrawText(c, f, m.label, m.x, label_y, kLabel);
  }
}

struct KeyHelp {
  const char* key;
  const char* action;
};

// The legend runs along the very bottom, under the command line and below
// the oxygen bottle, in two groups that leave the bottle's column free.
void KeyLegend(Canvas& c) {
  const std::vector<KeyHelp> game = {
      {"F1", "nová hra"}, {"F2", "nahrát hru"}, {"F3", "uložit hru"}, {"F4", "pauza"}, {"F5", "zvuk"}};
  const std::vector<KeyHelp> more = {{"F6", "rychlé uložení"}, {"F7", "rychlé nahrání"}, {"F8", "hlas"},
                                     {"F9", "stav nahlas"}, {"F10", "konec"}};
  Font key(11, true), text(12);
  const int y = 751, cap_h = 14;
  auto group = [&](const std::vector<KeyHelp>& items, int left, int right) {
    std::vector<int> widths;
    int total = 0;
    for (const KeyHelp& k : items) {
      widths.push_back(key.Width(k.key) + 10 + 5 + text.Width(k.action));
      total += widths.back();
    }
    int gap = (right - left - total) / static_cast<int>(items.size() - 1);
    if (gap < 10) throw std::runtime_error("function-key legend does not fit");
    int x = left;
    for (std::size_t i = 0; i < items.size(); ++i) {
      int kw = key.Width(items[i].key) + 10;
      Sdf cap = RoundRect(x, y, x + kw, y + cap_h, 3.f);
      c.Fill({x - 2, y - 2, x + kw + 2, y + cap_h + 2}, cap, [=](float, float yy) {
        return Mix(Hex(0xd8dee6), Hex(0x8d98a6), (yy - y) / cap_h);
      });
      DrawText(c, key, items[i].key, x + 5, y + (cap_h - key.LineHeight()) / 2, Hex(0x101820));
      DrawText(c, text, items[i].action, x + kw + 5, y + (cap_h - text.LineHeight()) / 2, Hex(0xc8d4de));
      x += widths[i] + gap;
    }
  };
  group(game, 14, kBottleX - 14);
  group(more, kBottleX + kBottleW + 12, 1010);
}

}  // namespace

void ControlPanel(Canvas& c) {
  PanelBody(c);
  MeterBezel(c);
  GroupHeading(c);
  MeterIcons(c);
  KeyLegend(c);
}

}  // namespace assets
