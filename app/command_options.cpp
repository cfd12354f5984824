#include "app/command_options.h"

namespace raketa {

CommandOptions ParseCommandLine(const std::vector<std::string>& args) {
  CommandOptions o;
  for (std::size_t i = 0; i < args.size() && o.error.empty(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string& into, const char* what) {
      if (i + 1 >= args.size() || args[i + 1].empty()) {
        o.error = a + " potřebuje " + what;
        return;
      }
      into = args[++i];
    };
    if (a == "--help" || a == "-h") {
      o.help = true;
    } else if (a == "--version") {
      o.version = true;
    } else if (a == "--window") {
      o.windowed = true;
    } else if (a == "--speak") {
      o.speak = true;
    } else if (a == "--replay") {
      value(o.replay, "soubor se skriptem");
    } else if (a == "--data") {
      value(o.data, "složku s daty");
    } else {
      o.error = "neznámá volba " + a;
    }
  }
  return o;
}

std::string Usage() {
  return "Použití: raketa [--window] [--speak] [--data SLOŽKA] [--replay SKRIPT]\n"
         "        raketa --help | --version\n"
         "Na hraně srázu: textová hra o raketě na okraji útesu.\n"
         "\n"
         "  --window         hra v okně 1024 x 768 místo celé obrazovky\n"
         "  --speak          hra mluví česky (F8 řeč zapne a vypne, F9 řekne stav)\n"
         "  --data SLOŽKA    data hry (mistnosti.dat, texty/) z této složky\n"
         "  --replay SKRIPT  hra bez okna podle skriptu, záznam na výstup\n"
         "  --help           tato nápověda\n"
         "  --version        verze hry\n"
         "\n"
         "Data se hledají v $RAKETA_DATA, v pracovní složce (obsahuje-li\n"
         "mistnosti.dat; pak tam zůstávají i uložené hry), v ../share/raketa\n"
         "vedle programu a ve složce instalace.  Uložené hry jsou jinak\n"
         "v $XDG_DATA_HOME/raketa (~/.local/share/raketa).  Více v man raketa.\n";
}

}  // namespace raketa
