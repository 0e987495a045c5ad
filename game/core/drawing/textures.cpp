#include "game/core/drawing/textures.h"

#include <array>

#include "common/temporary_folder.h"
#include "game/core/drawing/texture_id.h"
#include "game/core/files/pack_file.h"
#include "game/core/interfaces/presentation_services.h"
#include "game/core/interfaces/render_device.h"
#include "game/core/state/game.h"

namespace brolt {

namespace {
constexpr std::array<const char*, 16> kTextureNames = {
    "Tileset", "Misc", "Player", "Spider", "Explogeon", "Text", "Gems", "Back",
    "Portals", "Rocks", "T_TL", "T_TR", "T_BL", "T_BR", "Powerups", "Explogeon2"};
constexpr std::array<int, 17> kLoadingOrder = {1, 2, 3, 4, 5, 16, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 17};
}  // namespace

std::string TextureFileName(int textureId) {
  if (textureId == TexBackground) return "wall1.jpg";
  if (textureId < TexTileset || textureId > TexExplogeon2) return {};
  return std::string(kTextureNames[static_cast<std::size_t>(textureId - 1)]) + ".BMP";
}

int LoadTextures(RenderDevice& device, const std::filesystem::path& folder) {
  int loaded = 0;
  for (int id : kLoadingOrder)
    if (device.LoadTexture(id, folder / TextureFileName(id))) ++loaded;
  return loaded;
}

int ReloadGraphics(Game& game, RenderDevice& device) {
  {
    TemporaryFolder unpacked;
    UnpackPackFile(game.paths.ProgramFolder / game.settings.PackFile, unpacked.Path());
    LoadTextures(device, unpacked.Path());
  }
  if (game.services.music) game.services.music->ResumeMusic();
  return 0;
}

}  // namespace brolt
