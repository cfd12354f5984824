#include "world/data.h"

namespace raketa {

void ReadWorld(Game& g, const std::string& path) { g.WorldFile.Read(path, g.World); }

void ReadNewWorld(Game& g, const std::string& path) { g.WorldFile.Read(path, g.World, 1); }

void WriteWorld(Game& g, const std::string& path) { g.WorldFile.Write(path, g.World); }

void CloseWorldFile(Game& g) { g.WorldFile.Close(); }

}  // namespace raketa
