// The map of a world as a Graphviz graph (render with `dot -Tpng`): rooms laid
// out on the grid their exits span from room 1, doors as edges (one line for
// a door both ways, an arrow for a way back that does not exist, the key's
// name on a locked one), outside rooms in blue, the fumes of room 7 in red,
// and under every room what lies in it.
#pragma once

#include <string>

#include "world_source.h"

namespace raketa::worldtool {

std::string DotMap(const WorldSource& src);

}  // namespace raketa::worldtool
