// What the host's file calls can answer, in the game's terms: each errno has
// the runtime's standard code where one fits, otherwise a code of its own,
// and every code has a message a player can act on.
#pragma once

#include <string>

namespace raketa {

namespace io {
// Codes above this one stand for an errno that no standard code covers.
constexpr int HostErrorBase = 1000;
}  // namespace io

struct HostErrorEntry {
  int err;              // errno
  int code;             // the IoError code it is reported with
  const char* message;  // for codes of its own; null for a standard code
};

// The table, for the tests and for IoMessage.
const HostErrorEntry* HostErrorTable(int& count);

// The IoError code for an errno (an errno outside the table still gets a
// code and a message that names it).
int CodeFromErrno(int err);
// The message of a code from HostErrorBase up; empty below it.
std::string HostErrorMessage(int code);

}  // namespace raketa
