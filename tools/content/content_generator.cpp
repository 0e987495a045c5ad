#include "tools/content/content_generator.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "common/collection_file.h"
#include "common/file_io.h"
#include "common/numeric.h"
#include "tools/content/pictures/contact_sheet.h"
#include "tools/content/database/definitions_database.h"
#include "tools/content/help/editor_help.h"
#include "tools/content/pictures/editor_tileset.h"
#include "tools/content/pictures/image_files.h"
#include "tools/content/levels/level_maps.h"
#include "tools/content/levels/level_preview.h"
#include "tools/content/sounds/music_tracks.h"
#include "tools/content/pack_step.h"
#include "tools/content/sounds/sound_effects.h"
#include "tools/content/pictures/splash_picture.h"
#include "tools/content/pictures/tool_icons.h"
#include "tools/content/pictures/textures.h"

namespace brolt::content {

namespace {

constexpr int kBackdropJpegQuality = 92;

void WriteOutput(const std::filesystem::path& path, const std::string& bytes) {
  std::filesystem::create_directories(path.parent_path());
  ReplaceFileAtomically(path, bytes);
}

std::string ReadData(const std::filesystem::path& path) {
  std::optional<std::string> text = ReadWholeFile(path);
  if (!text) throw std::runtime_error("missing data file " + path.string());
  return *text;
}

std::vector<NamedFile> PictureFiles(const std::vector<GamePicture>& pictures) {
  std::vector<NamedFile> files;
  for (const GamePicture& picture : pictures) {
    bool jpeg = picture.fileName.ends_with(".jpg");
    files.push_back({picture.fileName, jpeg ? EncodeJpeg(picture.picture, kBackdropJpegQuality)
                                            : EncodeBmp(picture.picture)});
  }
  return files;
}

std::vector<CollectionFile> WriteLevels(const GeneratorOptions& options) {
  std::filesystem::path levels = options.dataFolder / "levels";
  Legend legend = ParseLegend(ReadData(levels / "legend.txt"));
  std::vector<std::filesystem::path> folders;
  for (const auto& entry : std::filesystem::directory_iterator(levels)) {
    if (entry.is_directory()) folders.push_back(entry.path());
  }
  std::sort(folders.begin(), folders.end());
  std::vector<CollectionFile> collections;
  for (const auto& folder : folders) {
    CollectionFile collection = BuildCollection(folder.string(), legend);
    std::filesystem::path file = options.distFolder / "Levels" / collection.fileName;
    std::filesystem::create_directories(file.parent_path());
    WriteCollection(file, collection.records);
    collections.push_back(std::move(collection));
  }
  return collections;
}

void WriteLevelPreviews(const std::filesystem::path& folder, const std::vector<CollectionFile>& collections,
                        const std::vector<TileRow>& tiles, const std::vector<GamePicture>& pictures) {
  for (const CollectionFile& collection : collections) {
    for (std::size_t i = 0; i < collection.records.size(); ++i) {
      LevelRecord level = DecodeLevelRecord(collection.records[i]);
      if (TrimSpaces(level.title).empty()) continue;  // the tag record
      std::string name = collection.fileName + "_" + std::to_string(i + 1) + ".png";
      WriteOutput(folder / "levels" / name, EncodePng(DrawLevelPreview(level, tiles, pictures)));
    }
  }
}

}  // namespace

void GenerateContent(const GeneratorOptions& options) {
  std::vector<GamePicture> pictures = DrawGamePictures();
  std::vector<NamedFile> packEntries = PictureFiles(pictures);
  for (NamedFile& effect : SynthesiseEffects()) packEntries.push_back(std::move(effect));

  for (const NamedFile& track : ComposeMusic()) WriteOutput(options.distFolder / "Music" / track.name, track.bytes);

  std::vector<TileRow> tiles = ParseTileCatalogue(ReadData(options.dataFolder / "tiles.txt"));
  WriteOutput(options.distFolder / "Graphics" / "Tileset.bmp", EncodeBmp(DrawEditorTileset(tiles, pictures)));
  WriteOutput(options.distFolder / "Graphics" / "Splash.jpg", EncodeJpeg(DrawSplashPicture(), kBackdropJpegQuality));
  for (const NamedFile& icon : DrawToolIcons()) WriteOutput(options.distFolder / "Graphics" / "Icons" / icon.name, icon.bytes);
  WriteDefinitionsDatabase(options.distFolder / "Define.qdm", ReadData(options.dataFolder / "define.sql"), tiles,
                           ParseEditorHelp(ReadData(options.dataFolder / "editor_help.txt")));

  std::vector<CollectionFile> collections = WriteLevels(options);

  if (!options.previewFolder.empty()) {
    WriteOutput(options.previewFolder / "contact_sheet.png", EncodePng(ContactSheet(pictures)));
    if (options.texturePanels) {
      WriteOutput(options.previewFolder / "panels" / "title.png", EncodePng(TitleAsShown(pictures)));
      for (const GamePicture& picture : pictures) {
        WriteOutput(options.previewFolder / "panels" / (std::to_string(picture.textureId) + ".png"),
                    EncodePng(ContactPanel(picture, 3)));
      }
      WriteLevelPreviews(options.previewFolder, collections, tiles, pictures);
    }
  }

  if (!WritePack(options.distFolder / "Brolt.pak", packEntries, options.packStagingFolder)) {
    std::fprintf(stderr, "brolt_content: Brolt.pak not written yet: the pack writer is not linked\n");
  }
}

}  // namespace brolt::content
