#include "cues.h"
#include "synth.h"

namespace assets {

const std::vector<CueRecipe>& CueRecipes() {
  static const std::vector<CueRecipe> list = {
      {"pozadi", MakePozadi},   {"kroky", MakeKroky},   {"klik", MakeKlik},
      {"radek", MakeRadek},     {"ok", MakeOk},         {"chyba", MakeChyba},
      {"zavrene", MakeZavrene}, {"dopln", MakeDopln},   {"dychani", MakeDychani},
      {"venku", MakeVenku},     {"mrtvy", MakeMrtvy},   {"unik_paliva", MakeUnikPaliva},
      {"ventil", MakeVentil},   {"sirena", MakeSirena}, {"rychle", MakeRychle},
      {"logo", MakeLogo},
  };
  return list;
}

Sound Blank(double seconds, int channels, int rate, int bits) {
  Sound s;
  s.rate = rate;
  s.bits = bits;
  s.channels.assign(channels, Samples(Frames(seconds, rate), 0.f));
  return s;
}

}  // namespace assets
