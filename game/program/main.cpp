#include <string>

#include "game/program/game_program.h"

int main(int argc, char** argv) {
  // The game takes its command line whole, as one text.
  std::string commandLine;
  for (int i = 1; i < argc; ++i) commandLine += (i > 1 ? " " : "") + std::string(argv[i]);
  return brolt::RunGame(commandLine);
}
