// One number that changes whenever anything in a folder changes: a file
// added, removed, renamed, grown or shrunk, or written again.  The page
// looks at the save folder's after the game may have saved, to know when
// to keep it in the browser's storage.
#pragma once

#include <cstdint>
#include <string>

namespace raketa {

std::uint64_t FolderSignature(const std::string& folder);

}  // namespace raketa
