// Decoding typed UTF-8 into code page 1250.
#include "presentation/live/typed_text.h"

#include "world/cp1250.h"

namespace raketa {

std::string TypedCp1250(std::string_view utf8) {
  std::string out;
  std::size_t i = 0;
  while (i < utf8.size()) {
    const unsigned char lead = static_cast<unsigned char>(utf8[i]);
    int extra = lead < 0x80 ? 0 : (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2 : (lead >> 3) == 0x1E ? 3 : -1;
    if (extra < 0 || utf8.size() - i <= static_cast<std::size_t>(extra)) {
      ++i;  // a broken sequence: skip its byte
      continue;
    }
    char32_t cp = extra == 0 ? lead : lead & (0x3F >> extra);
    bool ok = true;
    for (int k = 1; k <= extra; ++k) {
      const unsigned char c = static_cast<unsigned char>(utf8[i + k]);
      if ((c & 0xC0) != 0x80) ok = false;
      cp = (cp << 6) | (c & 0x3F);
    }
    i += ok ? extra + 1 : 1;
    if (!ok || cp < 32 || cp == 127) continue;
    const int c = CodepointToCp1250(cp);
    if (c >= 32) out += static_cast<char>(c);
  }
  return out;
}

}  // namespace raketa
