#include "presentation/render/screen_memory.h"

namespace raketa {

// An array, not a vector: cleared by one memset where a build for size
// filled a vector a pixel at a time.
ScreenMemory::ScreenMemory() : owned_(std::make_unique<std::uint16_t[]>(kPixels)), pixels_(owned_.get()) {}

}  // namespace raketa
