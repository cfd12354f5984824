#include "services/plain_file.h"

#include <cstdio>

namespace raketa {

std::optional<std::string> ReadPlainFile(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return std::nullopt;
  std::string text;
  char chunk[4096];
  for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, f)) > 0;) text.append(chunk, n);
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) return std::nullopt;
  return text;
}

bool WritePlainFile(const std::string& path, const std::string& text) {
  const std::string temporary = path + ".new";
  std::FILE* f = std::fopen(temporary.c_str(), "wb");
  if (f == nullptr) return false;
  const bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
  if (std::fclose(f) != 0 || !written || std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

std::vector<std::string> PlainFields(const std::string& text, char sep) {
  std::vector<std::string> fields;
  std::size_t from = 0;
  while (from < text.size()) {
    const std::size_t end = text.find(sep, from);
    if (end == std::string::npos) {
      fields.push_back(text.substr(from));
      break;
    }
    fields.push_back(text.substr(from, end - from));
    from = end + 1;
  }
  return fields;
}

}  // namespace raketa
