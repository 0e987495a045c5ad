#pragma once
// Reading the tileset picture and making its turned copies, once at start-up.
#include <QImage>
#include <filesystem>
#include <stdexcept>

#include "editor/model/editor.h"
#include "editor/ui/canvas/tileset_pictures.h"

namespace brolt::editor {

// A tileset picture that is missing or can't be read; the message names the file.
class TilesetPictureError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Where the editor keeps its tileset picture: the graphics folder of the program folder.
std::filesystem::path TilesetPictureFile(const Editor& editor);

// The four orientations of a drawn tileset picture: every whole 32 x 32 square is turned in place,
// each item one quarter turn clockwise further than the one before.
TilesetPictures BuildTilesetPictures(const QImage& drawn);

// Reads the picture and builds its orientations. Throws TilesetPictureError naming the file.
TilesetPictures LoadTilesetPictures(const std::filesystem::path& file);

}  // namespace brolt::editor
