// Room texts and file errors as the voice says them.
#pragma once

#include <string>

#include "services/spoken_words.h"

namespace raketa {

// A room text file's bytes (code page 1250, CR LF lines) as one paragraph;
// an indented line without its own full stop is a list entry and gets one.
std::string SpokenParagraph(const std::string& cp1250);
// A room text's name: its first sentence when that is short, as "KABINA."
// or "Umývárna." open the texts (code page 1250); empty when there is none.
std::string RoomName(const std::string& paragraph);
// A failed file operation in Czech, naming the file alone (code page 1250).
std::string SpokenIoError(int code, const std::string& path);

}  // namespace raketa
