// The asset files' bytes, compiled in by cmake/assets.cmake: one generated
// source per file under assets/, each defining its array and size.
#include <cstddef>

#include "presentation/catalogue.h"

namespace raketa::embedded {
extern const unsigned char picture_pozadi[], picture_kyslik[], picture_dosedka[], picture_odlet[];
extern const std::size_t picture_pozadi_size, picture_kyslik_size, picture_dosedka_size, picture_odlet_size;
extern const unsigned char cue_pozadi[], cue_kroky[], cue_klik[], cue_radek[], cue_ok[], cue_chyba[],
    cue_zavrene[], cue_dopln[], cue_dychani[], cue_venku[], cue_mrtvy[], cue_unik_paliva[], cue_ventil[],
    cue_sirena[], cue_rychle[], cue_logo[];
extern const std::size_t cue_pozadi_size, cue_kroky_size, cue_klik_size, cue_radek_size, cue_ok_size,
    cue_chyba_size, cue_zavrene_size, cue_dopln_size, cue_dychani_size, cue_venku_size, cue_mrtvy_size,
    cue_unik_paliva_size, cue_ventil_size, cue_sirena_size, cue_rychle_size, cue_logo_size;
}  // namespace raketa::embedded

namespace raketa {

EmbeddedBytes EmbeddedPicture(Picture p) {
  using namespace embedded;
  switch (p) {
    case Picture::pozadi: return {picture_pozadi, picture_pozadi_size};
    case Picture::kyslik: return {picture_kyslik, picture_kyslik_size};
    case Picture::dosedka: return {picture_dosedka, picture_dosedka_size};
    case Picture::odlet: return {picture_odlet, picture_odlet_size};
  }
  return {nullptr, 0};
}

EmbeddedBytes EmbeddedCue(Cue c) {
  using namespace embedded;
  switch (c) {
    case Cue::pozadi: return {cue_pozadi, cue_pozadi_size};
    case Cue::kroky: return {cue_kroky, cue_kroky_size};
    case Cue::klik: return {cue_klik, cue_klik_size};
    case Cue::radek: return {cue_radek, cue_radek_size};
    case Cue::ok: return {cue_ok, cue_ok_size};
    case Cue::chyba: return {cue_chyba, cue_chyba_size};
    case Cue::zavrene: return {cue_zavrene, cue_zavrene_size};
    case Cue::dopln: return {cue_dopln, cue_dopln_size};
    case Cue::dychani: return {cue_dychani, cue_dychani_size};
    case Cue::venku: return {cue_venku, cue_venku_size};
    case Cue::mrtvy: return {cue_mrtvy, cue_mrtvy_size};
    case Cue::unik_paliva: return {cue_unik_paliva, cue_unik_paliva_size};
    case Cue::ventil: return {cue_ventil, cue_ventil_size};
    case Cue::sirena: return {cue_sirena, cue_sirena_size};
    case Cue::rychle: return {cue_rychle, cue_rychle_size};
    case Cue::logo: return {cue_logo, cue_logo_size};
  }
  return {nullptr, 0};
}

}  // namespace raketa
