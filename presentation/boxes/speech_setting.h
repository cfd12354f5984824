// The player's choice of speech, kept between runs in a small settings file:
// $XDG_CONFIG_HOME/raketa/settings (~/.config/raketa/settings), a line
// "speech=on" or "speech=off" among any others the file may hold.
#pragma once

#include <optional>
#include <string>

namespace raketa {

// Empty when neither XDG_CONFIG_HOME nor HOME says where settings live.
std::string SettingsPath();
// Nothing when the file or its speech line is missing or unreadable.
std::optional<bool> ReadSpeechSetting();
// Keeps the file's other lines; false when it could not be written.
bool WriteSpeechSetting(bool on);

}  // namespace raketa
