#include "tools/content/content_generator.h"

#include "common/file_io.h"
#include "tools/content/contact_sheet.h"
#include "tools/content/image_files.h"
#include "tools/content/textures.h"

namespace brolt::content {

namespace {
void WriteOutput(const std::filesystem::path& path, const std::string& bytes) {
  std::filesystem::create_directories(path.parent_path());
  ReplaceFileAtomically(path, bytes);
}
}  // namespace

void GenerateContent(const GeneratorOptions& options) {
  std::vector<GamePicture> pictures = DrawGamePictures();
  if (!options.previewFolder.empty()) {
    WriteOutput(options.previewFolder / "contact_sheet.png", EncodePng(ContactSheet(pictures)));
    if (options.texturePanels) {
      WriteOutput(options.previewFolder / "panels" / "title.png", EncodePng(TitleAsShown(pictures)));
      for (const GamePicture& picture : pictures) {
        WriteOutput(options.previewFolder / "panels" / (std::to_string(picture.textureId) + ".png"),
                    EncodePng(ContactPanel(picture, 3)));
      }
    }
  }
}

}  // namespace brolt::content
