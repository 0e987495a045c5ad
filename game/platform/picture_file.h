#pragma once
// Texture pictures read from BMP and JPEG files.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace brolt {

// The picture as kTextureSize x kTextureSize RGBA texels (see MakeTextureTexels), or nothing with
// the reason in `error`.
std::optional<std::vector<std::uint8_t>> LoadTexturePicture(const std::filesystem::path& file,
                                                            std::string& error);

}  // namespace brolt
