#pragma once
// The game program: start-up, the main loop and shut-down.
#include <string>

namespace brolt {

// Runs the game with its command line (empty, a collection to preview, or a quoted pack path) and
// returns the process's exit status.
int RunGame(const std::string& commandLine);

}  // namespace brolt
