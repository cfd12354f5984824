#include "app/comfort_keys.h"

namespace raketa {

void RememberSentLine(Game& g) {
  if (!g.ClearInputOnKey) g.History.Remember(g.Line());
}

namespace {
void ShowRecalled(Game& g, const std::string* line) {
  if (line == nullptr) return;
  g.CommandInput().SetFontColour(colour::Aqua);
  g.Answer(*line);
  g.ClearInputOnKey = false;
}
}  // namespace

void RecallKeys(Game& g) {
  if (g.services.keys.KeyPressed(vk::Up)) ShowRecalled(g, g.History.Older());
  if (g.services.keys.KeyPressed(vk::Down)) ShowRecalled(g, g.History.Newer());
}

bool HurryKey(Game& g) { return g.services.keys.KeyPressed(vk::Tab); }

void DropComfortKeys(Game& g) {
  for (int key : {vk::Tab, vk::Up, vk::Down}) g.services.keys.KeyPressed(key);
}

}  // namespace raketa
