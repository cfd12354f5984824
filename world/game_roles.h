// The rooms and items the program itself gives a meaning to. Any world must
// respect them (raketa-world checks that it does), and the game's code
// names them only through these constants.
#pragma once

namespace raketa {

// --- rooms with a role ---
inline constexpr int kStartRoom = 1;     // every new game starts here; reaching it on the way back wins
inline constexpr int kLeakRoom = 7;      // the fuel leaks here: fumes, the hiss, the gauge to replace
inline constexpr int kValveRoom = 27;    // "zastav ventil", "otevri ventil"
inline constexpr int kCellRoom = 28;     // the cells, exchanged once the cables are repaired
inline constexpr int kShaftRoom = 29;    // its text changes with the cables
inline constexpr int kFillerRoom = 32;   // the fuel filler; its north door opens when tried
inline constexpr int kCableRoom = 33;    // outside: the cables are insulated here; the wind is heard
inline constexpr int kShelterRoom = 34;  // outside, but the vacuum does no harm

// --- the items the use command knows, by their names in the world ---
// UTF-8 here; W() gives the bytes the world record holds.
namespace items {
inline constexpr const char* kOxygen = "kyslík";
inline constexpr const char* kSuit = "skafandr";
inline constexpr const char* kSnack = "tatranka";
inline constexpr const char* kSausage = "špekáček";
inline constexpr const char* kMineralWater = "minerálka";
inline constexpr const char* kBeer = "pivo";
inline constexpr const char* kRoll = "houska";
inline constexpr const char* kPlaster = "náplast";
inline constexpr const char* kBandage = "obvaz";
// Spelt without the accent when carried or on the floor, with it in a fixture.
inline constexpr const char* kPenicillin = "penicilin";
inline constexpr const char* kPenicillinInFixture = "penicilín";
inline constexpr const char* kFuel = "palivo";
inline constexpr const char* kCell = "článek";
inline constexpr const char* kTape = "izolačka";
inline constexpr const char* kGauge = "tlakoměr";
// The use table's rows (commands/use_table.cpp) name them; UseTableItems()
// lists what they name.
}  // namespace items

}  // namespace raketa
