#include "cli.h"

#include <optional>

#include "dot_map.h"
#include "text_dir.h"
#include "word_table.h"
#include "world_check.h"
#include "world_file.h"
#include "world_toml.h"

namespace raketa::worldtool {

namespace {

const char* const kUsage =
    "usage: raketa-world compile world.toml mistnosti.dat\n"
    "       raketa-world decompile file.dat|file.sav [out.toml] [--names world.toml]\n"
    "       raketa-world check world.toml|file.dat [--texts DIR]\n"
    "       raketa-world texts SRC_DIR OUT_DIR\n"
    "       raketa-world map world.toml map.dot\n"
    "       raketa-world words world.toml slova.txt [--dictionary DIR]\n";

// Positional arguments, and the value of one "--option value" pair.
struct Args {
  std::vector<std::string> positional;
  std::optional<std::string> option;
  bool bad = false;
};

Args Split(const std::vector<std::string>& args, const std::string& optionName) {
  Args a;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == optionName && i + 1 < args.size()) {
      a.option = args[++i];
    } else if (args[i].rfind("--", 0) == 0) {
      a.bad = true;
    } else {
      a.positional.push_back(args[i]);
    }
  }
  return a;
}

int Report(const Diagnostics& d, std::ostream& err) {
  for (const std::string& w : d.warnings) err << "warning: " << w << "\n";
  for (const std::string& e : d.errors) err << "error: " << e << "\n";
  return d.Ok() ? 0 : 1;
}

int Compile(const Args& a, std::ostream& err) {
  if (a.bad || a.option || a.positional.size() != 2) return err << kUsage, 2;
  WorldSource src = LoadWorld(a.positional[0]);
  WriteWorldRecord(a.positional[1], src.world);
  return 0;
}

int Decompile(const Args& a, std::ostream& out, std::ostream& err) {
  if (a.bad || a.positional.empty() || a.positional.size() > 2) return err << kUsage, 2;
  WorldSource src = LoadWorld(a.positional[0]);
  if (a.option) src.mapName = LoadWorld(*a.option).mapName;
  std::string text = WriteWorldToml(src);
  if (a.positional.size() == 2) WriteWholeFile(a.positional[1], text);
  else out << text;
  return 0;
}

int Check(const Args& a, std::ostream& out, std::ostream& err) {
  if (a.bad || a.positional.size() != 1) return err << kUsage, 2;
  Diagnostics d = CheckWorld(LoadWorld(a.positional[0]), a.option);
  int code = Report(d, err);
  if (code == 0) out << a.positional[0] << ": the world holds (" << d.warnings.size() << " warnings)\n";
  return code;
}

int Texts(const Args& a, std::ostream& err) {
  if (a.bad || a.option || a.positional.size() != 2) return err << kUsage, 2;
  Diagnostics d;
  ConvertTexts(a.positional[0], a.positional[1], d);
  return Report(d, err);
}

int Map(const Args& a, std::ostream& err) {
  if (a.bad || a.option || a.positional.size() != 2) return err << kUsage, 2;
  WriteWholeFile(a.positional[1], DotMap(LoadWorld(a.positional[0])));
  return 0;
}

// The dictionary of Debian's hunspell-cs, unless another folder is given.
int Words(const Args& a, std::ostream& err) {
  if (a.bad || a.positional.size() != 2) return err << kUsage, 2;
  const Dictionary dictionary(a.option.value_or("/usr/share/hunspell"));
  const std::string text = ReadWholeFile(a.positional[0]);
  WriteWholeFile(a.positional[1], WordTable(text, a.positional[0], LoadWorld(a.positional[0]), dictionary));
  return 0;
}

// An error names the file it is about; a name of megabytes is shown by its
// beginning and its end, where the reason stands.
std::string Cut(const std::string& message) {
  constexpr std::size_t kHead = 200, kTail = 150;
  if (message.size() <= kHead + kTail + 40) return message;
  return message.substr(0, kHead) + "... (" + std::to_string(message.size() - kHead - kTail) + " bytes cut) ..." +
         message.substr(message.size() - kTail);
}

}  // namespace

int RunWorldTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) return err << kUsage, 2;
  const std::string& cmd = args[0];
  try {
    if (cmd == "compile") return Compile(Split(args, ""), err);
    if (cmd == "decompile") return Decompile(Split(args, "--names"), out, err);
    if (cmd == "check") return Check(Split(args, "--texts"), out, err);
    if (cmd == "texts") return Texts(Split(args, ""), err);
    if (cmd == "map") return Map(Split(args, ""), err);
    if (cmd == "words") return Words(Split(args, "--dictionary"), err);
  } catch (const ToolError& e) {
    err << "error: " << Cut(e.what()) << "\n";
    return 1;
  } catch (const std::exception& e) {
    err << "error: " << Cut(e.what()) << "\n";
    return 1;
  }
  err << kUsage;
  return 2;
}

}  // namespace raketa::worldtool
