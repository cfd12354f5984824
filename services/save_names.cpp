// Save names, their host paths and the temporary file beside them.
#include "services/save_names.h"

#include <sys/stat.h>

#include <cstdint>
#include <cstdio>

namespace raketa {

bool HasSaveSuffix(std::string_view name) {
  if (name.size() < kSaveSuffix.size()) return false;
  const std::string_view tail = name.substr(name.size() - kSaveSuffix.size());
  for (std::size_t i = 0; i < tail.size(); ++i) {
    char c = tail[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != kSaveSuffix[i]) return false;
  }
  return true;
}

std::string WithoutSaveSuffix(const std::string& name) {
  if (name.size() <= kSaveSuffix.size() || !HasSaveSuffix(name)) return name;
  return name.substr(0, name.size() - kSaveSuffix.size());
}

std::string WithSaveSuffix(const std::string& name) {
  return HasSaveSuffix(name) ? name : name + std::string(kSaveSuffix);
}

std::string SaveDialogName(const std::string& name, const std::string& folder) {
  struct stat st {};
  if (::stat(SaveHostPath(name, folder).c_str(), &st) == 0 && S_ISCHR(st.st_mode)) return name;
  return WithSaveSuffix(name);
}

std::string SaveHostPath(const std::string& name, const std::string& folder) {
  std::string p = name;
  for (char& c : p) {
    if (c == '\\') c = '/';
  }
  if (p.empty() || p.front() == '/' || folder.empty()) return p;
  return folder.back() == '/' ? folder + p : folder + "/" + p;
}

std::string SaveTemporaryPath(const std::string& hostPath) {
  const auto slash = hostPath.find_last_of('/');
  const std::string dir = slash == std::string::npos ? "" : hostPath.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? hostPath : hostPath.substr(slash + 1);
  // FNV-1a of the file name: short, and different targets in one folder
  // practically never share it.
  std::uint64_t h = 14695981039346656037ull;
  for (unsigned char c : name) {
    h ^= c;
    h *= 1099511628211ull;
  }
  char tag[17];
  std::snprintf(tag, sizeof tag, "%016llx", static_cast<unsigned long long>(h));
  return dir + ".raketa-save-" + tag + ".tmp";
}

}  // namespace raketa
