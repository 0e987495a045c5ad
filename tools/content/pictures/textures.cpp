#include "tools/content/pictures/textures.h"

#include <future>
#include <utility>

#include "tools/content/pictures/draw_kit.h"

namespace brolt::content {

std::vector<QImage> TitleQuarters(const QImage& title) {
  std::vector<QImage> quarters;
  int w = title.width() / 2, h = title.height() / 2;
  for (QPoint corner : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)}) {
    QImage quarter = title.copy(QRect(corner, QSize(w, h)))
                         .convertToFormat(QImage::Format_ARGB32_Premultiplied)
                         .scaled(kSheetSize, kSheetSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    quarters.push_back(ToColourKeyed(quarter));
  }
  return quarters;
}

QImage SheetFrame(const QImage& sheet, int column, int row, const QColor& tint) {
  QImage frame = sheet.copy((column - 1) * kFrameSize, (row - 1) * kFrameSize, kFrameSize, kFrameSize)
                     .convertToFormat(QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < frame.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(frame.scanLine(y));
    for (int x = 0; x < frame.width(); ++x) {
      QRgb p = line[x];
      line[x] = qRgba(qRed(p) * tint.red() / 255, qGreen(p) * tint.green() / 255, qBlue(p) * tint.blue() / 255,
                      qAlpha(p));
    }
  }
  return frame;
}

std::vector<GamePicture> DrawGamePictures() {
  // Each sheet is drawn on its own image and depends on nothing else, so they are drawn side by
  // side; the font sheet stays on this thread, where the application's fonts live.
  const std::pair<int, QImage (*)()> drawers[] = {
      {1, DrawTilesetTexture}, {2, DrawMiscTexture},    {3, DrawPlayerTexture},    {4, DrawSpiderTexture},
      {5, DrawExplogeonTexture}, {7, DrawGemsTexture},  {8, DrawBackTexture},      {9, DrawPortalsTexture},
      {10, DrawRocksTexture},  {15, DrawPowerupsTexture}, {16, DrawExplogeon2Texture}};
  std::vector<std::pair<int, std::future<QImage>>> drawing;
  for (const auto& [id, draw] : drawers) drawing.emplace_back(id, std::async(std::launch::async, draw));
  DrawnSheets sheets = {{6, DrawTextTexture()}};
  for (auto& [id, image] : drawing) sheets[id] = image.get();
  const char* names[] = {"Tileset", "Misc", "Player", "Spider", "Explogeon", "Text", "Gems", "Back",
                         "Portals", "Rocks", "T_TL", "T_TR", "T_BL", "T_BR", "Powerups", "Explogeon2"};
  std::vector<QImage> quarters = TitleQuarters(DrawTitlePicture(sheets));
  std::vector<GamePicture> pictures;
  for (int id = 1; id <= 16; ++id) {
    QImage picture = id >= 11 && id <= 14 ? quarters[static_cast<std::size_t>(id - 11)] : ToColourKeyed(sheets.at(id));
    pictures.push_back({id, std::string(names[id - 1]) + ".BMP", picture});
  }
  pictures.push_back({17, "wall1.jpg", DrawLevelBackdrop()});
  return pictures;
}

}  // namespace brolt::content
