#pragma once
// The seventeen pictures the game loads, in the order of their texture numbers 1..17. Each sheet
// is 256 x 256 pixels of 8 x 8 frames of 32 x 32 (the title quarters and the two backdrops are one
// picture each). Level colours tint the walls, grass, unids, rocks and push blocks, so those are
// drawn in light neutral tones and let the tint give the hue.
#include <QImage>
#include <map>
#include <string>
#include <vector>

namespace brolt::content {

QImage DrawTilesetTexture();     // 1  walls 10-17, grass, the vacated cell
QImage DrawMiscTexture();        // 2  armored unid, gates, rock generator, hatcher, bomb, explosive, slider, cannon
QImage DrawPlayerTexture();      // 3  the Thresher
QImage DrawSpiderTexture();      // 4  crawlers and gnats
QImage DrawExplogeonTexture();   // 5  shots and blasts
QImage DrawTextTexture();        // 6  the font
QImage DrawGemsTexture();        // 7  the unid
QImage DrawBackTexture();        // 8  the menu backdrop
QImage DrawPortalsTexture();     // 9  force floor, key blocks and holes, switches, exit portal, door
QImage DrawRocksTexture();       // 10 the rock
QImage DrawPowerupsTexture();    // 15 power-ups and the push block
QImage DrawExplogeon2Texture();  // 16 the unid blast and the blast of an explosive rock
QImage DrawLevelBackdrop();      // 17 wall1.jpg

// The drawn sheets by texture number (before colour keying), for pictures made from them.
using DrawnSheets = std::map<int, QImage>;

// One frame of a drawn sheet, optionally multiplied by a tint as the game's lighting would.
QImage SheetFrame(const QImage& sheet, int column, int row, const QColor& tint = QColor(255, 255, 255));

// The title picture as the player sees it (640 x 480), and its four quarters (11..14) as drawn
// onto 256 x 256 textures.
QImage DrawTitlePicture(const DrawnSheets& sheets);
std::vector<QImage> TitleQuarters(const QImage& title);

struct GamePicture {
  int textureId = 0;
  std::string fileName;  // as the pack holds it
  QImage picture;        // as written: colour-keyed 24-bit, or the JPEG's source
};

// All seventeen pictures, drawn; in texture-number order.
std::vector<GamePicture> DrawGamePictures();

}  // namespace brolt::content
