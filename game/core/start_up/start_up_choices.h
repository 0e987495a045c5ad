#pragma once
// The decisions of start-up that depend only on the command line, the answers and the random
// source, kept apart from the platform so that they can be tested.
#include <cstdint>
#include <optional>
#include <string>

namespace brolt {

class Random;

struct CommandLineRequest {
  // The collection to preview, or "" for a normal start (also after a pack path).
  std::string collection;
  // The file name of a pack offered as the new default, without its folder.
  std::optional<std::string> offeredPack;
};

// A command line whose last four characters before the final one are ".pak" (in any case) names a
// pack: the shell's closing quote follows the path. Its file name after the last folder separator
// is offered; a pack path without a separator offers nothing. Any other command line of five or
// more characters, and every shorter one, names a collection to preview.
CommandLineRequest ReadCommandLine(const std::string& commandLine);

// The game runs in a window in developer mode, with any command line, or when the player said No
// to full screen.
bool ChooseWindowed(bool developerMode, const std::string& commandLine, bool fullScreenAnswer);

// A green, blue or light tone for the backdrops: RGB with red in the low byte.
std::uint32_t ChooseMenuColour(Random& random);

// The text of the question that offers a pack as the new default.
std::string PackOfferQuestion(const std::string& packFile);

}  // namespace brolt
