#pragma once
// Where the colour picker reads its pixels: a point of the colour triangle or of the two bars, kept
// inside the painted part of its picture, and the saturation level a height on the saturation bar
// stands for. Coordinates are pixels from the picture's top left corner.
namespace brolt::editor {

struct PickPoint {
  int x = 0;
  int y = 0;
  bool operator==(const PickPoint&) const = default;
};

// The pointer's position on a triangle picture of width x height, moved two pixels inside the
// picture and, when it lies beside the triangle, sideways onto the nearest edge of its row, so that
// the pixel read is never the black background.
PickPoint SnapToColorTriangle(double x, double y, int width, int height);

// The pointer's position on the shader bar, kept off its edges.
PickPoint ClampShaderPick(int x, int y, int width, int height);

// The pointer's position on the saturation bar, kept inside it.
PickPoint ClampSaturationPick(int x, int y, int width, int height);

// The saturation level, 255 at the top of a bar `height` pixels high down to near 0 at its foot.
int SaturationAtHeight(double y, int height);

// Where on that bar the marker of a saturation level stands: the height whose level it is.
int SaturationMarkerHeight(int saturation, int height);

}  // namespace brolt::editor
