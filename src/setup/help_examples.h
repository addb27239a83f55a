#pragma once

#include <vector>

#include "setup/how_to_play.h"

namespace tallowen {

// The positions of the help's pictures, by the section that shows them.
std::vector<HelpExample> aimExamples();
std::vector<HelpExample> growJumpExamples();
std::vector<HelpExample> conversionExamples();
std::vector<HelpExample> holeExamples();
std::vector<HelpExample> noMoveExamples();

}  // namespace tallowen
