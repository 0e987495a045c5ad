#include "game/platform/picture_file.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>

#include "game/platform/texture_image.h"

namespace brolt {

std::optional<std::vector<std::uint8_t>> LoadTexturePicture(const std::filesystem::path& file,
                                                            std::string& error) {
  SDL_Surface* picture = IMG_Load(file.c_str());
  if (!picture) {
    error = IMG_GetError();
    return std::nullopt;
  }
  // RGBA32 is the byte order red, green, blue, alpha on every machine.
  SDL_Surface* rgba = SDL_ConvertSurfaceFormat(picture, SDL_PIXELFORMAT_RGBA32, 0);
  SDL_FreeSurface(picture);
  if (!rgba) {
    error = SDL_GetError();
    return std::nullopt;
  }
  std::optional<std::vector<std::uint8_t>> texels;
  if (rgba->w > 0 && rgba->h > 0 && SDL_LockSurface(rgba) == 0) {
    texels = MakeTextureTexels(static_cast<const std::uint8_t*>(rgba->pixels), rgba->w, rgba->h,
                               rgba->pitch);
    SDL_UnlockSurface(rgba);
  } else {
    error = "the picture has no pixels";
  }
  SDL_FreeSurface(rgba);
  return texels;
}

}  // namespace brolt
