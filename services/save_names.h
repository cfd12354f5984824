// Names of saved games.  A save name is the player's own: UTF-8 from the
// dialog to the file system, whatever script it is written in; only what the
// game draws of it goes through code page 1250.
#pragma once

#include <string>
#include <string_view>

namespace raketa {

// Every saved game's name ends so, in any letter case.
inline constexpr std::string_view kSaveSuffix = ".sav";

// The game kept for later (app/autosave.h): its name inside the save folder
// (UTF-8, as save names are).
inline constexpr const char* kKeptGameName = "pokračování.sav";

// The name ends in ".sav", in any letter case.
bool HasSaveSuffix(std::string_view name);

// The name as the player hears it: without ".sav" (in any letter case),
// unless the suffix is all there is.
std::string WithoutSaveSuffix(const std::string& name);

// The name with ".sav" added unless it already ends in ".sav" in any letter
// case ("hra č. 1" becomes "hra č. 1.sav": a dot inside a name is no
// extension).
std::string WithSaveSuffix(const std::string& name);

// The name a save dialog hands the game for what the player chose: with the
// suffix, unless the name as given is a character device (/dev/full, which
// is written in place).  A relative name lies inside `folder`.
std::string SaveDialogName(const std::string& name, const std::string& folder = {});

// A save name as a host path: '\' separates folders as '/' does, and a
// relative name lies inside `folder` (empty for the working directory).
std::string SaveHostPath(const std::string& name, const std::string& folder = {});

// The temporary file a save of `hostPath` is written to before it replaces
// it: hidden, in the same folder, short whatever the target's length, and
// the same for the same target, so that a save finds its own leftover and
// nothing else.
std::string SaveTemporaryPath(const std::string& hostPath);

}  // namespace raketa
