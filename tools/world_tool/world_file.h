// The world on disk: the game's binary record (mistnosti.dat, *.sav) and the
// readable TOML form, told apart by the file name.
#pragma once

#include <string>

#include "world_source.h"

namespace raketa::worldtool {

// Reads the first record of a binary world file, as the game does: a shorter
// file is refused, bytes after the record are ignored.
TWorld ReadWorldRecord(const std::string& path);
void WriteWorldRecord(const std::string& path, const TWorld& world);

// A ".toml" file is read as the readable form, anything else as a record.
WorldSource LoadWorld(const std::string& path);

std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& bytes);

}  // namespace raketa::worldtool
