// The words of the natural reading: verbs by what they ask for, the lines
// that stand whole, and the little words around the nouns.  Every word is
// written without accents, as it is compared (PlainLetters), so "vezmi" and
// "vézmi" alike and "polož" as "poloz".
#pragma once

#include <initializer_list>
#include <string_view>

namespace raketa::reading {

enum class Verb {
  None, Go, Take, Drop, Use, Eat, Drink, Heal, Wear, TakeOff, Examine, Look, Open, Close, Turn, Repair, Replace, Pour,
};

struct VerbWord {
  std::string_view word;
  Verb verb;
};

inline constexpr VerbWord kVerbs[] = {
    {"jdi", Verb::Go},          {"jdu", Verb::Go},          {"jit", Verb::Go},           {"bez", Verb::Go},
    {"bezte", Verb::Go},        {"jed", Verb::Go},          {"pokracuj", Verb::Go},      {"vyraz", Verb::Go},
    {"dojdi", Verb::Go},        {"zajdi", Verb::Go},        {"vejdi", Verb::Go},         {"vstup", Verb::Go},
    {"projdi", Verb::Go},       {"prejdi", Verb::Go},       {"utec", Verb::Go},          {"popojdi", Verb::Go},
    {"chod", Verb::Go},         {"presun", Verb::Go},       {"vrat", Verb::Go},          {"vylez", Verb::Go},        {"odejdi", Verb::Go},       {"vyjdi", Verb::Go},       {"odejit", Verb::Go},
    {"vezmi", Verb::Take},      {"vem", Verb::Take},        {"seber", Verb::Take},       {"ber", Verb::Take},
    {"vzit", Verb::Take},       {"zvedni", Verb::Take},     {"sebrat", Verb::Take},      {"vezmu", Verb::Take},
    {"uchop", Verb::Take},      {"popadni", Verb::Take},    {"vytahni", Verb::Take},     {"vyndej", Verb::Take},
    {"poloz", Verb::Drop},      {"odloz", Verb::Drop},      {"zahod", Verb::Drop},       {"nech", Verb::Drop},
    {"vyhod", Verb::Drop},      {"odhod", Verb::Drop},      {"polozit", Verb::Drop},     {"odlozit", Verb::Drop},
    {"pouzij", Verb::Use},      {"uzij", Verb::Use},        {"aplikuj", Verb::Use},      {"pouzit", Verb::Use},
    {"spotrebuj", Verb::Use},   {"nalep", Verb::Use},       {"prilep", Verb::Use},       {"obvaz", Verb::Heal},   {"snez", Verb::Eat},        {"jez", Verb::Eat},          {"snist", Verb::Eat},
    {"najez", Verb::Eat},       {"pojez", Verb::Eat},       {"sni", Verb::Eat},          {"zakousni", Verb::Eat},
    {"najist", Verb::Eat},      {"vypij", Verb::Drink},     {"pij", Verb::Drink},        {"napij", Verb::Drink},
    {"vypit", Verb::Drink},     {"napit", Verb::Drink},     {"osetri", Verb::Heal},      {"vylec", Verb::Heal},
    {"zavaz", Verb::Heal},      {"oblec", Verb::Wear},      {"oblekni", Verb::Wear},     {"nasad", Verb::Wear},
    {"navlec", Verb::Wear},     {"oblect", Verb::Wear},     {"obleknout", Verb::Wear},   {"sundej", Verb::TakeOff},
    {"sundat", Verb::TakeOff},  {"svlec", Verb::TakeOff},   {"svlekni", Verb::TakeOff},  {"svleknout", Verb::TakeOff},
    {"vysvlec", Verb::TakeOff}, {"prohledej", Verb::Examine}, {"prohledat", Verb::Examine}, {"prozkoumej", Verb::Examine},
    {"prohledni", Verb::Examine}, {"hledej", Verb::Examine}, {"zkoumej", Verb::Examine}, {"zkontroluj", Verb::Examine},
    {"podivej", Verb::Examine}, {"koukni", Verb::Examine},  {"mrkni", Verb::Examine},    {"prohlizej", Verb::Examine},
    {"prozkoumat", Verb::Examine}, {"rozhledni", Verb::Look}, {"rozhlizej", Verb::Look}, {"otevri", Verb::Open},
    {"otevrit", Verb::Open},    {"odemkni", Verb::Open},    {"pust", Verb::Open},        {"povol", Verb::Open},
    {"uvolni", Verb::Open},     {"zavri", Verb::Close},     {"zavrit", Verb::Close},     {"zastav", Verb::Close},
    {"uzavri", Verb::Close},    {"utahni", Verb::Close},    {"zatahni", Verb::Close},    {"otoc", Verb::Turn},
    {"zatoc", Verb::Turn},      {"toc", Verb::Turn},        {"oprav", Verb::Repair},     {"opravit", Verb::Repair},
    {"zaizoluj", Verb::Repair}, {"izoluj", Verb::Repair},   {"spoj", Verb::Repair},      {"slep", Verb::Repair},
    {"zalep", Verb::Repair},    {"obmotej", Verb::Repair},  {"zaizolovat", Verb::Repair}, {"vymen", Verb::Replace},
    {"vymenit", Verb::Replace}, {"namontuj", Verb::Replace}, {"nainstaluj", Verb::Replace}, {"vloz", Verb::Replace},
    {"zapoj", Verb::Replace},   {"instaluj", Verb::Replace}, {"nalij", Verb::Pour},      {"dolij", Verb::Pour},
    {"dopln", Verb::Pour},      {"natankuj", Verb::Pour},   {"nacerpej", Verb::Pour},    {"nalit", Verb::Pour},
    {"doplnit", Verb::Pour},    {"tankuj", Verb::Pour},     {"napln", Verb::Pour},       {"prelij", Verb::Pour},      {"vylij", Verb::Pour},      {"nabij", Verb::Replace},    {"dej", Verb::Use},
};

// Lines that stand whole, after the little words are gone.
inline constexpr std::string_view kHelpLines[] = {
    "help", "prikazy", "co mam delat", "co delat", "napoveda", "pomoc", "?", "jak hrat", "navod", "co muzu delat",
    "jak se hraje", "co ted", "nevim",
};
inline constexpr std::string_view kInventoryLines[] = {
    "co mam", "co mam u", "co nesu", "co mam pri", "inventar", "i", "batoh", "veci", "co drzim", "moje veci",
    "co mam v batohu", "co neses", "inventory", "co mam s",
};
inline constexpr std::string_view kLookLines[] = {
    "rozhledni", "podivej", "podivej kolem", "rozhlizej", "kde jsem", "popis", "koukni kolem", "rozhledni kolem",
    "podivej kolem sebe", "rozhledni kolem sebe", "kde to jsem", "koukni", "mistnost", "popis mistnost", "look", "l", "kolem",
};

// Lines about the game itself, answered with the key that does it.
struct KeyLine {
  std::string_view line;
  std::string_view answer;  // UTF-8
};
inline constexpr KeyLine kKeyLines[] = {
    {"uloz", "Hru uložíš klávesou F3, rychle klávesou F6."},
    {"uloz hru", "Hru uložíš klávesou F3, rychle klávesou F6."},
    {"nahraj", "Hru nahraješ klávesou F2, rychle klávesou F7."},
    {"nahraj hru", "Hru nahraješ klávesou F2, rychle klávesou F7."},
    {"pauza", "Pauzu zapneš klávesou F4, vypneš klávesou Esc."},
    {"konec", "Hru ukončíš klávesou F10."},
    {"ukonci hru", "Hru ukončíš klávesou F10."},
    {"nova hra", "Novou hru začneš klávesou F1."},
    {"stav", "Stav ti řekne klávesa F9, řeč zapne klávesa F8."},
};

// Words that change nothing in a command ("vezmi si", "obleč se", "nech tu").
inline constexpr std::string_view kFillers[] = {
    "si", "se", "prosim", "ted", "tu", "tady", "tam", "rychle", "znovu", "zase", "hned", "ho", "ji", "sebe", "sobe", "ten",
    "tenhle", "tuhle", "tuto", "tento", "toho", "pak", "ale", "jeste", "opatrne",
};

// Words that stand for the room around the player ("prohledej to tu").
inline constexpr std::string_view kHereWords[] = {
    "to", "mistnost", "mistnosti", "okoli", "vse", "vsechno", "kolem", "prostor", "vsude", "celou", "cele",
};

// Prepositions that start a further part of a command.
inline constexpr std::string_view kPrepositions[] = {"z", "ze", "na", "do", "k", "ke", "od", "pro", "v", "ve", "po", "u", "pod", "za"};

// The four direction words of the handlers and the ways players say them.
struct DirectionWord {
  std::string_view word;
  std::string_view meant;
};
inline constexpr DirectionWord kDirections[] = {
    {"s", "sever"},        {"sever", "sever"},     {"severu", "sever"},   {"severne", "sever"},
    {"j", "jih"},          {"jih", "jih"},         {"jihu", "jih"},       {"jizne", "jih"},    
    {"v", "vychod"},       {"vychod", "vychod"},   {"vychodu", "vychod"}, {"vychodne", "vychod"},
    {"z", "zapad"},        {"zapad", "zapad"},     {"zapadu", "zapad"},   {"zapadne", "zapad"}, 
};

inline bool OneOf(std::string_view w, std::initializer_list<std::string_view> list) {
  for (std::string_view x : list) {
    if (w == x) return true;
  }
  return false;
}

}  // namespace raketa::reading
