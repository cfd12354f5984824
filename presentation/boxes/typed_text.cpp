// Decoding typed UTF-8 into code page 1250.
#include "presentation/boxes/typed_text.h"

#include "services/command_line.h"
#include "services/cp1250.h"

namespace raketa {

std::string TypedCp1250(std::string_view utf8) {
  std::string out;
  std::size_t i = 0;
  while (i < utf8.size()) {
    char32_t cp = 0;
    const std::size_t n = DecodeUtf8(utf8, i, cp);
    i += n == 0 ? 1 : n;  // a broken sequence: skip its first byte
    if (n == 0 || cp < 32 || cp == 127) continue;
    const int c = CodepointToCp1250(cp);
    if (c >= 32) out += static_cast<char>(c);
  }
  return out;
}

void TypeInto(CommandLine& line, std::string_view utf8) {
  for (char c : TypedCp1250(utf8)) line.TypeChar(static_cast<unsigned char>(c));
}

std::string PastedCp1250(std::string_view utf8) {
  std::string text = TypedCp1250(utf8);
  if (text.size() > CommandLine::kMaxLength) text.resize(CommandLine::kMaxLength);
  return text;
}

}  // namespace raketa
