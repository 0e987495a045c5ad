#pragma once
// The default content of the program folder, generated from nothing but this program and the
// readable data under tools/content/data: pictures, sounds, music, the pack, the definitions
// database, the level collections and the editor's tileset picture.
#include <filesystem>

namespace brolt::content {

struct GeneratorOptions {
  std::filesystem::path dataFolder;     // tools/content/data
  std::filesystem::path distFolder;     // the program folder to fill
  std::filesystem::path previewFolder;  // where the contact sheet goes; empty for none
  std::filesystem::path packStagingFolder;  // the pack's entries as loose files; empty for none
  bool texturePanels = false;           // also one enlarged panel per texture, for a close look
};

// Writes everything; throws std::runtime_error (or FileError) naming what failed.
void GenerateContent(const GeneratorOptions& options);

}  // namespace brolt::content
