#pragma once
// A test game ready to draw the level: the light tables built and the view placed as start-up
// leaves them, the screen layer's text and icons recorded, and helpers that read back where a
// recorded world quad lies.
#include "game/core/interfaces/render_device.h"
#include "game/core/level/lighting.h"
#include "game/core/view/view_setup.h"
#include "support/recording_drawing.h"
#include "support/test_game.h"

namespace brolt::testing {

class DrawingGame : public TestGame {
 public:
  DrawingGame() {
    BuildLightTable(game);
    InitCamera(game);
    DefaultColours(game);
    game.services.drawing = &screen;
  }

  // The read-outs drawn over the level.
  RecordingDrawing screen;
};

// The centre of a quad: its corners lie symmetrically round it whatever its turn.
inline float CentreX(const Quad& quad) { return (quad[0].x + quad[1].x + quad[2].x + quad[3].x) / 4; }
inline float CentreY(const Quad& quad) { return (quad[0].y + quad[1].y + quad[2].y + quad[3].y) / 4; }

}  // namespace brolt::testing
