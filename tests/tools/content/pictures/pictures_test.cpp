#include <QImage>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/tools/content/content_files.h"
#include "tools/content/pictures/draw_kit.h"

namespace brolt::content {
namespace {

using testing::FileBytes;
using testing::PackStaging;

const std::vector<std::string> kSheets = {"Tileset", "Misc",  "Player", "Spider",   "Explogeon", "Text",
                                          "Gems",    "Back",  "Portals", "Powerups", "Rocks",     "Explogeon2"};
const std::vector<std::string> kTitleQuarters = {"T_TL", "T_TR", "T_BL", "T_BR"};

QImage Load(const std::string& name) {
  testing::NeedApplication();
  std::string bytes = FileBytes(PackStaging() / name);
  QImage image;
  image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()));
  return image.convertToFormat(QImage::Format_RGB888);
}

bool IsBlack(const QImage& image, int x, int y) { return image.pixel(x, y) == qRgb(0, 0, 0); }

int BlackPixels(const QImage& image, const QRect& area) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) count += IsBlack(image, x, y);
  return count;
}

QRect FrameRect(int column, int row) {
  return QRect((column - 1) * kFrameSize, (row - 1) * kFrameSize, kFrameSize, kFrameSize);
}

QImage LoadBitmap(const std::string& name) {
  std::string bytes = FileBytes(PackStaging() / (name + ".BMP"));
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  EXPECT_EQ(bytes.size() > 28 ? static_cast<unsigned char>(bytes[28]) : 0, 24);  // bits per pixel
  QImage image = Load(name + ".BMP");
  EXPECT_EQ(image.size(), QSize(256, 256));
  return image;
}

TEST(GamePictures, EverySheetIsA24BitBitmapOf256SquareWithTransparentBlackAroundItsDrawing) {
  for (const std::string& sheet : kSheets) {
    SCOPED_TRACE(sheet);
    QImage image = LoadBitmap(sheet);
    int black = BlackPixels(image, image.rect());
    EXPECT_GT(black, 0) << "nothing is transparent";
    EXPECT_LT(black, 256 * 256) << "nothing is drawn";
  }
}

TEST(GamePictures, TheTitleQuartersAre24BitBitmapsWithoutTransparentHoles) {
  for (const std::string& quarter : kTitleQuarters) {
    SCOPED_TRACE(quarter);
    QImage image = LoadBitmap(quarter);
    EXPECT_EQ(BlackPixels(image, image.rect()), 0);
  }
}

TEST(GamePictures, TheLevelBackdropIsAJpegOf256SquareWithoutTransparentHoles) {
  std::string bytes = FileBytes(PackStaging() / "wall1.jpg");
  ASSERT_GT(bytes.size(), 4u);
  EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xFF);
  EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xD8);
  QImage image = Load("wall1.jpg");
  ASSERT_EQ(image.size(), QSize(256, 256));
  EXPECT_EQ(BlackPixels(image, image.rect()), 0);
}

TEST(GamePictures, TheFramesTheGameDrawsHoldAPictureAndTheEmptyCellStaysInvisible) {
  // The vacated and the empty cell are drawn from column 8 of row 1 of the tileset.
  QImage tileset = Load("Tileset.BMP");
  EXPECT_EQ(BlackPixels(tileset, FrameRect(8, 1)), kFrameSize * kFrameSize);
  struct Frame {
    const char* sheet;
    int column, row;
  };
  const Frame used[] = {
      {"Tileset.BMP", 1, 1},  {"Tileset.BMP", 6, 8},  {"Tileset.BMP", 7, 5},  // walls, grass
      {"Misc.BMP", 8, 1},     {"Misc.BMP", 4, 2},     {"Misc.BMP", 8, 2},     {"Misc.BMP", 6, 3},
      {"Misc.BMP", 8, 4},     {"Misc.BMP", 5, 5},     {"Misc.BMP", 1, 6},     {"Misc.BMP", 4, 7},
      {"Misc.BMP", 8, 8},     {"Player.BMP", 8, 6},   {"Spider.BMP", 8, 7},   {"Explogeon.BMP", 1, 1},
      {"Explogeon.BMP", 1, 5}, {"Explogeon2.BMP", 1, 1}, {"Explogeon2.BMP", 1, 5}, {"Gems.BMP", 8, 8},
      {"Portals.BMP", 8, 1},  {"Portals.BMP", 6, 3},  {"Portals.BMP", 7, 3},  {"Portals.BMP", 1, 6},
      {"Portals.BMP", 1, 7},  {"Portals.BMP", 8, 7},  {"Portals.BMP", 1, 8},  {"Rocks.BMP", 8, 8},
      {"Powerups.BMP", 8, 5}, {"Powerups.BMP", 8, 8}, {"Text.BMP", 6, 8}};
  for (const Frame& frame : used) {
    SCOPED_TRACE(std::string(frame.sheet) + " " + std::to_string(frame.column) + "," + std::to_string(frame.row));
    EXPECT_LT(BlackPixels(Load(frame.sheet), FrameRect(frame.column, frame.row)), kFrameSize * kFrameSize);
  }
}

TEST(GamePictures, TheFontHasAGlyphInEveryCellButTheLastTwo) {
  QImage font = Load("Text.BMP");
  for (int index = 0; index < 64; ++index) {
    QRect cell = FrameRect(index % 8 + 1, index / 8 + 1);
    bool empty = BlackPixels(font, cell) == kFrameSize * kFrameSize;
    EXPECT_EQ(empty, index >= 62) << "glyph cell " << index;
  }
}

}  // namespace
}  // namespace brolt::content
