#include "bench/bench_world.h"

#include <stdlib.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace raketa::bench {

namespace {

// A name of exactly the capacity, numbered so that no two are alike.
template <int N>
void FullName(ShortString<N>& s, const char* stem, int a, int b) {
  std::string name = std::string(stem) + " " + std::to_string(a) + "-" + std::to_string(b) + " ";
  name.resize(N, 'x');
  s.assign(name);
}

void Write(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!f) throw std::runtime_error("cannot write " + path.string());
}

std::string Text(int room) {
  std::string text;
  for (int row = 0; row < kTextRows; ++row) {
    std::string line = "Mistnost " + std::to_string(room) + ", radek " + std::to_string(row + 1) + ": ";
    while (line.size() < static_cast<std::size_t>(kTextColumns)) line += "sterbina v trupu ";
    line.resize(kTextColumns);
    text += line + "\r\n";
  }
  return text;
}

}  // namespace

TWorld BenchWorld() {
  TWorld w;
  std::memset(static_cast<void*>(&w), 0, sizeof w);
  w.CurrentRoom = 1;
  w.Health = 100;
  w.Nourishment = 100;
  w.CellCharge = 90;
  w.Fuel = 50;
  w.SuitOxygen = 100;
  w.MinutesLeft = 60;
  // The suit and the closed valve keep every meter up for a long replay.
  w.SuitWorn = 1;
  w.ValveClosed = 1;
  for (int k = 0; k < kInventorySlots; ++k) FullName(w.Inventory[k].Name, "nesene", 0, k + 1);
  for (int n = 1; n <= kRoomCount; ++n) {
    TRoom& room = w.Room(n);
    room.FirstVisit = n <= 3 ? 1 : 0;
    if (n < kRoomCount) room.Exits[North] = TExit{{}, 1, static_cast<std::uint8_t>(n + 1)};
    if (n > 1) room.Exits[South] = TExit{{}, 1, static_cast<std::uint8_t>(n - 1)};
    for (int i = 0; i < kRoomItemSlots; ++i) {
      FullName(room.Items[i].Name, "predmet", n, i + 1);
      FullName(room.Items[i].AltName, "jinak", n, i + 1);
    }
    for (int f = 0; f < kFixtures; ++f) {
      TFixture& fx = room.Fixtures[f];
      FullName(fx.Name, "skrin", n, f + 1);
      fx.Opened = 1;
      for (int j = 0; j < kFixtureItemSlots; ++j) FullName(fx.Items[j].Name, "obsah", n, 10 * f + j);
    }
  }
  return w;
}

void InstallBenchWorld(const std::string& dir) {
  const std::filesystem::path root(dir);
  std::filesystem::create_directories(root / "texty");
  TWorld w = BenchWorld();
  Write(root / "mistnosti.dat", std::string(reinterpret_cast<const char*>(&w), sizeof w));
  Write(root / "texty" / "m0.dat", Text(0));
  for (int n = 1; n <= kRoomCount; ++n) {
    for (const char* variant : {"", "x"}) {
      for (const char* ext : {".dat", ".zpt"}) {
        Write(root / "texty" / ("m" + std::to_string(n) + variant + ext), Text(n));
      }
    }
  }
}

TempDir::TempDir() {
  std::string tmpl = (std::filesystem::temp_directory_path() / "raketa-bench-XXXXXX").string();
  std::vector<char> buf(tmpl.begin(), tmpl.end());
  buf.push_back('\0');
  if (::mkdtemp(buf.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = buf.data();
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

}  // namespace raketa::bench
