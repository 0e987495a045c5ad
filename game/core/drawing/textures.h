#pragma once
// The seventeen texture sheets: their picture files in the unpacked pack, and loading them onto the
// render device at start-up and again on a graphics reload.
#include <filesystem>
#include <string>

namespace brolt {

struct Game;
class RenderDevice;

// The file of a texture inside the unpacked pack: its name and ".BMP", or "wall1.jpg" for the level
// backdrop. "" for a number that is not a texture.
std::string TextureFileName(int textureId);

// Loads every texture from the folder in the game's loading order. Each picture loads on its own: a
// missing or unreadable one leaves only its own slot empty. Returns how many loaded.
int LoadTextures(RenderDevice& device, const std::filesystem::path& folder);

// Unpacks the pack into a fresh temporary folder, loads the textures from it, removes the folder and
// lets the music run on. Returns 0. Throws PackFileError when the pack can't be used.
int ReloadGraphics(Game& game, RenderDevice& device);

}  // namespace brolt
