// The recorded walkthrough (data/walkthrough.txt), one command a line, as
// the walkthrough players type it.
#pragma once

#include <string>
#include <vector>

namespace raketa::test {

std::vector<std::string> WalkthroughLines();

}  // namespace raketa::test
