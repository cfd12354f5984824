// World files that are broken or merely unusual, one table for every test
// that loads them: the record file itself, and the player's loads.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "world/world_record.h"

namespace raketa::test {

// Where a part of the record lies in the file.
std::size_t RoomAt(int n);
std::size_t ExitAt(int room, Direction d);
std::size_t FixtureAt(int room, int f);

void Put(std::string& s, std::size_t offset, unsigned char v);
void PutFloat(std::string& s, std::size_t offset, float v);

struct FileCase {
  std::string name;
  std::string file;
  int code;  // 0: loads; otherwise the I/O error that refuses it
  // The current room byte: a new game puts the player in room 1 whatever
  // the world file says, so there the file loads.
  bool currentRoom = false;
};

// Made from the sound record `good`: files of the wrong size, string lengths
// at and over their capacity, room numbers out of range, meters that are not
// numbers.
std::vector<FileCase> BrokenFiles(const std::string& good);

}  // namespace raketa::test
