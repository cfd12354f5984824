#include "commands/word_forms.h"

#include <mutex>

#include "services/cp1250.h"
#include "services/plain_file.h"
#include "world/files.h"

namespace raketa {

namespace {

// The words between blanks (spaces, tabs and the like).
std::vector<std::string> Blanked(const std::string& text) {
  constexpr const char* kBlanks = " \t\n\v\f\r";
  std::vector<std::string> out;
  for (std::size_t from = text.find_first_not_of(kBlanks); from != std::string::npos;) {
    const std::size_t end = text.find_first_of(kBlanks, from);
    out.push_back(text.substr(from, end == std::string::npos ? std::string::npos : end - from));
    from = end == std::string::npos ? end : text.find_first_not_of(kBlanks, end);
  }
  return out;
}

NounForms Noun(const std::vector<std::string>& f, std::size_t at) {
  NounForms n;
  n.name = f[at];
  n.accusative = f.size() > at + 1 && !f[at + 1].empty() ? f[at + 1] : n.name;
  if (f.size() > at + 2) n.forms = Blanked(f[at + 2]);
  if (f.size() > at + 3) n.adjectives = Blanked(f[at + 3]);
  n.forms.insert(n.forms.begin(), n.name);
  n.declined = true;
  return n;
}

// A missing or unreadable slova.txt leaves only the world's own names.
std::string WordFile(GameFiles& files, const std::string& host) {
  try {
    const std::vector<unsigned char> bytes = files.ReadWhole(host, ShownPath(host));
    return std::string(bytes.begin(), bytes.end());
  } catch (const IoError&) {
    return {};
  }
}

void ReadFile(WordTable& table, GameFiles& files, const std::string& host) {
  for (std::string line : PlainLines(WordFile(files, host))) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> f = PlainFields(line, '\t');
    if (f[0] == "thing" && f.size() >= 2) {
      table.things.push_back(Noun(f, 1));
    } else if (f[0] == "room" && f.size() >= 3) {
      NounForms n = Noun(f, 2);
      n.room = std::atoi(f[1].c_str());
      if (n.room >= 1 && n.room <= kRoomCount) table.rooms.push_back(std::move(n));
    } else if (f[0] == "target" && f.size() >= 3) {
      table.targets.emplace_back(f[1], f[2]);
    }
  }
}

// The file's table, read once and kept while the file stays the same: a
// refused command line and an inventory answer each ask for it, and a
// world or data folder swapped for another, or a file written anew, gives
// another version.
WordTable FileTable(GameFiles& files) {
  static std::mutex guard;
  static std::string keptVersion;
  static WordTable kept;
  static bool read = false;
  const std::string host = HostPath("slova.txt", files.Folders().data);
  const std::string version = files.Version(host);
  std::lock_guard<std::mutex> lock(guard);
  if (!read || version != keptVersion) {
    kept = {};
    if (!version.empty()) ReadFile(kept, files, host);
    keptVersion = version;
    read = true;
  }
  return kept;
}

void AddName(WordTable& table, std::string_view cp1250) {
  if (cp1250.empty()) return;
  const std::string name = Cp1250ToUtf8(cp1250);
  if (table.Thing(name) != nullptr) return;
  NounForms n;
  n.name = n.accusative = name;
  n.forms = {name};
  table.things.push_back(std::move(n));
}

}  // namespace

const NounForms* WordTable::Thing(const std::string& name) const {
  for (const NounForms& n : things) {
    if (n.name == name) return &n;
  }
  return nullptr;
}

std::string PlainLetters(const std::string& utf8) {
  static const std::u32string kAccented = U"áäčďéěíĺľňóôŕřšťúůýž";
  static const std::u32string kPlain = U"aacdeeillnoorrstuuyz";
  std::string out;
  char32_t cp = 0;
  for (std::size_t i = 0; i < utf8.size();) {
    std::size_t n = DecodeUtf8(utf8, i, cp);
    if (n == 0) return utf8;
    std::size_t at = kAccented.find(cp);
    AppendUtf8(out, at == std::u32string::npos ? cp : kPlain[at]);
    i += n;
  }
  return out;
}

WordTable LoadWordTable(GameFiles& files, const TWorld& world) {
  WordTable table = FileTable(files);
  for (const TItem& item : world.Inventory) AddName(table, item.Name.view());
  for (const TRoom& room : world.Rooms) {
    for (const TItem& item : room.Items) AddName(table, item.Name.view());
    for (const TFixture& f : room.Fixtures) {
      AddName(table, f.Name.view());
      for (const TItem& item : f.Items) AddName(table, item.Name.view());
    }
  }
  return table;
}

}  // namespace raketa
