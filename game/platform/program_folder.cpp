#include "game/platform/program_folder.h"

#include <SDL2/SDL.h>

#include <system_error>

namespace brolt {

std::filesystem::path ProgramFolder() {
  if (char* base = SDL_GetBasePath()) {
    std::filesystem::path folder(base);
    SDL_free(base);
    return folder.parent_path();  // SDL ends the folder with a separator
  }
  std::error_code error;
  const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) return executable.parent_path();
  return std::filesystem::current_path();
}

}  // namespace brolt
