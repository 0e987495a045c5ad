#include "game/core/files/pack_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/file_io.h"
#include "common/pack_format.h"
#include "game/core/state/game.h"

namespace brolt {

namespace {

using Unpacked = std::vector<std::pair<std::filesystem::path, std::string>>;

// The pack's files with their checked paths, or nothing when the pack can't be used.
std::optional<Unpacked> ReadPack(const std::filesystem::path& packPath) {
  try {
    std::optional<std::string> bytes = ReadWholeFile(packPath);
    if (!bytes) return std::nullopt;
    Unpacked files;
    for (PackEntry& entry : DecodePack(*bytes)) {
      std::filesystem::path path = PackEntryPath(entry);
      files.emplace_back(std::move(path), std::move(entry.Data));
    }
    if (files.empty()) return std::nullopt;
    return files;
  } catch (const FileError&) {
    return std::nullopt;
  } catch (const PackFormatError&) {
    return std::nullopt;
  }
}

void WriteUnpackedFile(const std::filesystem::path& path, const std::string& data) {
  std::error_code error;
  std::filesystem::create_directories(path.parent_path(), error);
  if (error) throw FileError("Can't create the folder '" + path.parent_path().string() + "': " + error.message());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(data.data(), static_cast<std::streamsize>(data.size()));
  out.close();
  if (!out) throw FileError("Can't write '" + path.string() + "': " + std::strerror(errno));
}

}  // namespace

PackFileError::PackFileError(const std::filesystem::path& packPath)
    : std::runtime_error("Can't find '" + packPath.string() + "', use another pack file") {}

void UnpackPackFile(const std::filesystem::path& packPath, const std::filesystem::path& destFolder) {
  std::optional<Unpacked> files = ReadPack(packPath);
  if (!files) throw PackFileError(packPath);
  for (const auto& [path, data] : *files) WriteUnpackedFile(destFolder / path, data);
}

void UnpackGamePack(Game& game, const std::string& packFile, const std::filesystem::path& destFolder) {
  UnpackPackFile(game.paths.ProgramFolder / packFile, destFolder);
  game.settings.PackFile = packFile;
}

}  // namespace brolt
