#include "world_file.h"

#include <cstring>
#include <fstream>
#include <iterator>

#include "world_toml.h"

namespace raketa::worldtool {

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw ToolError(path + ": cannot be opened");
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteWholeFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) throw ToolError(path + ": cannot be written");
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw ToolError(path + ": writing failed");
}

TWorld ReadWorldRecord(const std::string& path) {
  // One byte more than a record says whether there is more; a device such
  // as /dev/zero is never read to its (missing) end.
  std::ifstream in(path, std::ios::binary);
  if (!in) throw ToolError(path + ": cannot be opened");
  std::string bytes(kWorldSize + 1, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  if (bytes.size() < kWorldSize) {
    throw ToolError(path + ": " + std::to_string(bytes.size()) + " bytes, a world record takes " +
                    std::to_string(kWorldSize));
  }
  TWorld w;
  std::memcpy(&w, bytes.data(), kWorldSize);
  return w;
}

void WriteWorldRecord(const std::string& path, const TWorld& world) {
  WriteWholeFile(path, std::string(reinterpret_cast<const char*>(&world), kWorldSize));
}

namespace {
bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}
}  // namespace

WorldSource LoadWorld(const std::string& path) {
  if (EndsWith(path, ".toml")) return ReadWorldToml(ReadWholeFile(path), path);
  WorldSource src;
  src.world = ReadWorldRecord(path);
  return src;
}

}  // namespace raketa::worldtool
