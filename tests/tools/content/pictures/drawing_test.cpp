#include <QImage>
#include <QTransform>
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "tests/tools/content/content_files.h"
#include "tools/content/database/tile_catalogue.h"
#include "tools/content/pictures/draw_kit.h"
#include "tools/content/pictures/wall_pieces.h"
#include "tools/content/sounds/synth.h"

namespace brolt::content {
namespace {

TEST(ColourKey, UncoveredPixelsTurnBlackAndCoveredOnesNeverDo) {
  QImage sheet(3, 1, QImage::Format_ARGB32_Premultiplied);
  sheet.setPixel(0, 0, qRgba(0, 0, 0, 0));        // nothing drawn
  sheet.setPixel(1, 0, qRgba(0, 0, 0, 255));      // drawn in black
  sheet.setPixel(2, 0, qRgba(100, 50, 25, 128));  // an edge, half covered
  QImage keyed = ToColourKeyed(sheet);
  EXPECT_EQ(keyed.format(), QImage::Format_RGB888);
  EXPECT_EQ(keyed.pixel(0, 0), qRgb(0, 0, 0));
  EXPECT_NE(keyed.pixel(1, 0), qRgb(0, 0, 0));
  EXPECT_EQ(keyed.pixel(2, 0), qRgb(100, 50, 25));
}

TEST(WallPieces, RoundPiecesAreRoundAndJoinedSidesReachTheFrameEdge) {
  OpenSides single = PieceOpenSides(6);
  EXPECT_NEAR(WallDepth(single, 16, 16, 16), 16, 1e-9);
  EXPECT_LT(WallDepth(single, 16, 1, 1), 0);             // the corners of the frame are outside a ball
  EXPECT_NEAR(WallDepth(single, 16, 16 + 8 * std::sqrt(2.0), 16 + 8 * std::sqrt(2.0)), 0, 1e-9);
  OpenSides edge = PieceOpenSides(2);                    // open above only
  EXPECT_GT(WallDepth(edge, 16, 0.1, 31.9), 0);          // joined on the left, right and below
  EXPECT_LT(WallDepth(edge, 16, 16, -0.1), 0);
  OpenSides straight = PieceOpenSides(5);                // runs top to bottom
  EXPECT_GT(WallDepth(straight, 3, 16, 0.1), 0);
  EXPECT_LT(WallDepth(straight, 3, -0.1, 16), 0);
}

// The game turns inner wall pieces at random, so a turned inner piece must look the same.
TEST(WallPieces, EveryInnerPieceIsUnchangedByAQuarterTurn) {
  testing::NeedApplication();
  struct Sheet {
    const char* file;
    std::vector<int> rows;
  };
  for (const Sheet& sheet : {Sheet{"Tileset.BMP", {1, 2, 3, 4, 5, 6, 7, 8}}, Sheet{"Misc.BMP", {3}}}) {
    QImage image(QString::fromStdString((testing::PackStaging() / sheet.file).string()));
    ASSERT_FALSE(image.isNull());
    for (int row : sheet.rows) {
      QImage inner = image.copy(2 * kFrameSize, (row - 1) * kFrameSize, kFrameSize, kFrameSize)
                         .convertToFormat(QImage::Format_RGB888);
      QImage turned = inner.transformed(QTransform().rotate(90)).convertToFormat(QImage::Format_RGB888);
      int worst = 0;
      for (int y = 0; y < kFrameSize; ++y) {
        for (int x = 0; x < kFrameSize; ++x) {
          QRgb a = inner.pixel(x, y), b = turned.pixel(x, y);
          worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                            std::abs(qBlue(a) - qBlue(b))});
        }
      }
      EXPECT_LE(worst, 2) << sheet.file << " row " << row;
    }
  }
}

TEST(Synth, ALoopingBufferCarriesSoundPastItsEndRoundToTheStart) {
  SampleBuffer loop(10, 1.0, true), once(10, 1.0, false);
  loop.Add(12, 0.5);
  once.Add(12, 0.5);
  EXPECT_DOUBLE_EQ(loop.samples()[2], 0.5);
  EXPECT_DOUBLE_EQ(once.samples()[2], 0.0);
}

TEST(Synth, AWaveFileHoldsItsSamplesAs16BitValuesAfterA44ByteHeader) {
  SampleBuffer buffer(8000, 3.0 / 8000);
  buffer.Add(0, 1.0);
  buffer.Add(1, -1.0);
  buffer.Add(2, 2.0);  // clipped, not wrapped round
  std::string wav = EncodeWav(buffer);
  ASSERT_EQ(wav.size(), 44u + 6u);
  auto sample = [&](int i) {
    return static_cast<std::int16_t>(static_cast<unsigned char>(wav[44 + 2 * i]) |
                                     static_cast<unsigned char>(wav[45 + 2 * i]) << 8);
  };
  EXPECT_EQ(sample(0), 32767);
  EXPECT_EQ(sample(1), -32767);
  EXPECT_EQ(sample(2), 32767);
}

TEST(TileCatalogue, TilesTakeTheirPlaceInThePictureInOrderAndCodesMustBeDistinct) {
  std::vector<TileRow> tiles = ParseTileCatalogue(
      "# a comment\n0 | Empty | 0 | 0 | 0 | 0 | none\n1 | Hero | 1 | 0 | 14 | 0 | 3 1 1\n"
      "9 | Door | 0 | 0 | 6 | 0 | 9 8 7 90 10,20,30\n");
  ASSERT_EQ(tiles.size(), 3u);
  EXPECT_EQ(tiles[2].x, 3);
  EXPECT_EQ(tiles[2].y, 1);
  EXPECT_TRUE(tiles[1].unique);
  EXPECT_EQ(tiles[2].picture.angle, 90);
  EXPECT_EQ(tiles[2].picture.tint, QColor(10, 20, 30));
  EXPECT_THROW(ParseTileCatalogue("1 | A | 0 | 0 | 0 | 0 | none\n1 | B | 0 | 0 | 0 | 0 | none\n"), std::runtime_error);
  EXPECT_THROW(ParseTileCatalogue("1 | A | 0 | 0 | 16 | 0 | none\n"), std::runtime_error);
  EXPECT_THROW(ParseTileCatalogue("1 | A | 0 | 0 | 0 | 0 | 3 9 1\n"), std::runtime_error);
}

}  // namespace
}  // namespace brolt::content
