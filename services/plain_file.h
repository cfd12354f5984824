// Small text files of the game's own (the word list, the speech setting,
// the dialogs' last folder), read and written with the C library: the web
// page's program is smaller and starts sooner without C++ streams.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace raketa {

// The whole file, or nothing when it cannot be read.
std::optional<std::string> ReadPlainFile(const std::string& path);

// `text` as the file's whole contents, written beside it and renamed over
// it, so that a failed write never leaves half a file.  False when the file
// could not be written.
bool WritePlainFile(const std::string& path, const std::string& text);

// The pieces of the text between `sep`s; a `sep` at the end opens no empty
// last piece, and an empty text has none.
std::vector<std::string> PlainFields(const std::string& text, char sep);

// The text's lines without their line ends ("\n"); a last line without one
// counts too.
inline std::vector<std::string> PlainLines(const std::string& text) { return PlainFields(text, '\n'); }

}  // namespace raketa
