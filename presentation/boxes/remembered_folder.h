// The folder the file dialogs last ended in, kept between runs in a small
// file of the game's state folder.
#pragma once

#include <string>

namespace raketa {

// The folder remembered in `stateFolder`; empty when there is none, when
// `stateFolder` is empty, or when the folder is gone.
std::string RecallFolder(const std::string& stateFolder);
// Keeps `folder` for the next run.  Quietly does nothing when it cannot:
// forgetting a folder costs the player a few key presses, no more.
void RememberFolder(const std::string& stateFolder, const std::string& folder);

}  // namespace raketa
