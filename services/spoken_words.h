// The game's texts as a Czech voice should read them.  What the screen
// shows stays as it is; only the voice gets these forms.
#pragma once

#include <string>

namespace raketa {

// One line of words (UTF-8 in and out): "72 %" as "72 procent", runs of
// dots as pauses, "OK" as "okej", "ESC" as "escape", words in capitals in
// small letters, command words typed without accents with them ("vychod"
// as "východ"), a file's path as its name alone, and a saved game without
// its ".sav".
std::string SpokenForm(const std::string& utf8);
// "1 procento", "3 procenta", "72 procent"; the same for minutes.
std::string Percent(long n);
std::string Minutes(long n);
// A meter's value said as the panel draws it (services/meters.h), with
// its noun: "72 procent", "4000000000 procent", "nekonečno procent".
std::string MeterPercent(float value);
std::string MeterMinutes(float value);

}  // namespace raketa
