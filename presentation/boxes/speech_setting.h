// The player's choice of speech, kept between runs in a small settings file
// (SettingsFile of the game's folders: ~/.config/raketa/settings on the
// desktop), a line "speech=on" or "speech=off" among any others the file may
// hold.
#pragma once

#include <optional>
#include <string>

namespace raketa {

// Nothing when the file or its speech line is missing or unreadable, or no
// file is kept (an empty `path`).
std::optional<bool> ReadSpeechSetting(const std::string& path);
// Keeps the file's other lines; false when it could not be written or no
// file is kept.
bool WriteSpeechSetting(const std::string& path, bool on);

}  // namespace raketa
