#include "editor/ui/canvas/tileset_loading.h"

#include <QPainter>
#include <cstring>

#include "editor/model/services/dib_rotation.h"

namespace brolt::editor {
namespace {

// Rows of a 24-bit QImage are padded to four bytes like a DIB's, but the padding bytes are Qt's
// own, so each row is copied on its own.
DibPixels ToDibPixels(const QImage& image) {
  DibPixels pixels = MakeDibPixels(image.width(), image.height());
  const std::size_t stride = static_cast<std::size_t>(DIBRowBytes(pixels.Width));
  const std::size_t used = static_cast<std::size_t>(pixels.Width) * 3;
  for (int row = 0; row < pixels.Height; ++row)
    std::memcpy(pixels.Bytes.data() + static_cast<std::size_t>(row) * stride, image.constScanLine(row), used);
  return pixels;
}

QImage FromDibPixels(const DibPixels& pixels) {
  QImage image(pixels.Width, pixels.Height, QImage::Format_RGB888);
  const std::size_t stride = static_cast<std::size_t>(DIBRowBytes(pixels.Width));
  const std::size_t used = static_cast<std::size_t>(pixels.Width) * 3;
  for (int row = 0; row < pixels.Height; ++row)
    std::memcpy(image.scanLine(row), pixels.Bytes.data() + static_cast<std::size_t>(row) * stride, used);
  return image;
}

// The picture with every whole tile square turned one quarter turn clockwise in its place.
QImage TurnEveryTile(const QImage& picture) {
  QImage turned = picture;
  QPainter painter(&turned);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  for (int top = 0; top + kTilePixels <= picture.height(); top += kTilePixels) {
    for (int left = 0; left + kTilePixels <= picture.width(); left += kTilePixels) {
      DibPixels tile = ToDibPixels(picture.copy(left, top, kTilePixels, kTilePixels));
      RotateDIB90(tile, false);
      painter.drawImage(left, top, FromDibPixels(tile));
    }
  }
  return turned;
}

}  // namespace

std::filesystem::path TilesetPictureFile(const Editor& editor) {
  // The graphics folder is a fragment with its own separators, appended to the program folder as it stands.
  return std::filesystem::path(editor.AppPath.string() + editor.prefs.GraphicsPath + "Tileset.bmp");
}

TilesetPictures BuildTilesetPictures(const QImage& drawn) {
  TilesetPictures pictures;
  pictures.imgBuffer[0] = drawn.convertToFormat(QImage::Format_RGB888);
  pictures.imgBuffer[1] = pictures.imgBuffer[0];
  for (std::size_t d = 2; d < pictures.imgBuffer.size(); ++d) pictures.imgBuffer[d] = TurnEveryTile(pictures.imgBuffer[d - 1]);
  return pictures;
}

TilesetPictures LoadTilesetPictures(const std::filesystem::path& file) {
  std::error_code ignored;
  if (!std::filesystem::is_regular_file(file, ignored))
    throw TilesetPictureError("The tileset picture " + file.string() + " is missing.");
  const QImage drawn(QString::fromStdString(file.string()));
  if (drawn.isNull()) throw TilesetPictureError("The tileset picture " + file.string() + " can't be read as a picture.");
  return BuildTilesetPictures(drawn);
}

}  // namespace brolt::editor
