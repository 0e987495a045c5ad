#include "game/platform/program_folder.h"

#include <SDL2/SDL.h>

namespace brolt {

std::filesystem::path ProgramFolder() {
  // SDL reads the running program's own path from /proc; where it can't, nothing else here could.
  if (char* base = SDL_GetBasePath()) {
    std::filesystem::path folder(base);
    SDL_free(base);
    return folder.parent_path();  // SDL ends the folder with a separator
  }
  return std::filesystem::current_path();
}

}  // namespace brolt
