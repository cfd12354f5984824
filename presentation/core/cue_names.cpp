#include "presentation/cues.h"
#include "presentation/pictures.h"

namespace raketa {

namespace {
constexpr const char* kCueNames[kCueCount] = {
    "pozadi", "kroky", "klik",        "radek",  "ok",     "chyba",  "zavrene", "dopln",
    "dychani", "venku", "mrtvy", "unik paliva", "ventil", "sirena", "rychle",  "logo",
};
constexpr const char* kPictureNames[kPictureCount] = {"pozadi", "kyslik", "dosedka", "odlet"};
}  // namespace

const char* CueName(Cue c) { return kCueNames[static_cast<int>(c)]; }

bool CueLooped(Cue c) {
  switch (c) {
    case Cue::pozadi:
    case Cue::dychani:
    case Cue::venku:
    case Cue::unik_paliva:
    case Cue::sirena:
      return true;
    default:
      return false;
  }
}

const char* PictureName(Picture p) { return kPictureNames[static_cast<int>(p)]; }

}  // namespace raketa
