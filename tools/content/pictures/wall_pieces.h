#pragma once
// The six pieces of a plain wall, drawn in the orientation that the wall shaping turns from
// (angle 0): column 1 corner (open above and to the left), 2 edge (open above), 3 inner, 4 end
// (joined on the right), 5 straight (running top to bottom), 6 single. The game turns the pieces by
// quarter turns, and the inner piece at random, so every material is periodic over one frame and
// unchanged by a quarter turn about the frame's centre: turned pieces still meet without a seam.
#include <QImage>
#include <cstdint>

#include "tools/content/pictures/draw_kit.h"

namespace brolt::content {

constexpr int kWallPieces = 6;

struct OpenSides {
  bool top = false, left = false, right = false, bottom = false;
};

// The open sides of piece 1..6 at angle 0.
OpenSides PieceOpenSides(int piece);

// How deep (x, y) lies inside the wall piece, measured from its exposed outline; negative outside.
// Where two open sides meet, the outline is rounded with `radius`.
double WallDepth(const OpenSides& open, double radius, double x, double y);

// The surface of a wall: its colour at a point of the frame, before the piece's shading.
using WallMaterial = std::function<Rgba(double x, double y)>;

struct WallStyle {
  bool round = false;  // round walls are shaded as tubes and balls; square ones get a bevel
  WallMaterial material;
};

// Draws the six pieces into columns 1..6 of `row`.
void DrawWallPieces(QImage& sheet, int row, const WallStyle& style);

// Averages a frame pattern over the four quarter turns about the frame's centre.
double QuarterTurnAverage(const std::function<double(double, double)>& pattern, double x, double y);

// Distance from (x, y) to the nearest of a set of points that repeats every frame and is unchanged
// by quarter turns (four turned copies of `count` random points); the second nearest in `second`.
double CellDistance(double x, double y, int count, std::uint32_t seed, double* second = nullptr,
                    int* nearest = nullptr);

}  // namespace brolt::content
