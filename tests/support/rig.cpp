#include "support/rig.h"

#include <fstream>
#include <sstream>

#include "services/game_seat.h"

namespace raketa::test {

Rig::Rig() : HeadlessServices(display) { SeatGame(services, runner, false); }

void Rig::Type(const std::string& utf8) {
  for (char c : Utf8ToCp1250(utf8)) edit.TypeChar(static_cast<unsigned char>(c));
}

void Rig::PressEnter() {
  edit.Enter();
  keys.Press(vk::Enter);
  keys.Release(vk::Enter);
}

void Rig::PressKey(int vkCode) {
  keys.Press(vkCode);
  keys.Release(vkCode);
}

void Rig::Frame(int count) {
  for (int i = 0; i < count; ++i) {
    runner.Frame();
    for (int t = 0; t < 4; ++t) runner.PanelTick();
  }
}

void Rig::Command(const std::string& utf8) {
  Type(utf8);
  PressEnter();
  Frame();
}

void Rig::StartPlay(int room) {
  w.CurrentRoom = static_cast<std::uint8_t>(room);
  w.Health = 100;
  w.Nourishment = 100;
  w.CellCharge = 50;
  w.Fuel = 50;
  w.SuitOxygen = 100;
  w.MinutesLeft = 60;
  g.IntroScreen = g.LandingScreen = g.DepartureScreen = g.Paused = g.GameOver = false;
  g.TripPhase = Phase::Outbound;
  g.SoundOn = true;
  g.NarrationPending = false;
  g.InputCooldown = 0;
  g.QuickFileCooldown = 0;
  g.StepCountdown = 0;
  g.CommandHandled = false;
  g.ClearInputOnKey = false;
  edit.SetTop(715);
  edit.SetLeft(20);
}

std::string Rig::LineUtf8() const { return Cp1250ToUtf8(edit.GetText()); }

std::vector<std::string> Rig::DrawnTexts() const {
  std::vector<std::string> out;
  for (const DrawOp& op : display.ops) {
    if (op.kind == DrawOp::Text) out.push_back(Cp1250ToUtf8(op.text));
  }
  return out;
}

std::vector<Cue> Rig::Played() const {
  std::vector<Cue> out;
  for (const auto& c : sound.calls) {
    if (c.play) out.push_back(c.cue);
  }
  return out;
}

void Rig::ClearLogs() {
  display.ops.clear();
  sound.calls.clear();
  app.errors.clear();
}

void SetItem(TItem& item, const std::string& name, const std::string& alt) {
  SetName(item.Name, name);
  SetName(item.AltName, alt);
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  f << bytes;
}

std::string ReadFile(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::stringstream ss;
  ss << f.rdbuf();
  return ss.str();
}

}  // namespace raketa::test
