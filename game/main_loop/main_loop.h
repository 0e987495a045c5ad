#pragma once
// The game's one loop: each pass is one frame of the screen the game-state flags choose.
namespace brolt {

struct Game;

// What a frame needs of the window and the device around it.
class FrameHost {
 public:
  virtual ~FrameHost() = default;
  // Lets the window's pending events in; its key handlers run here.
  virtual void ProcessWindowMessages() = 0;
  // Sets the frame's camera and starts it on black.
  virtual void BeginScene() = 0;
  // Shows the finished frame.
  virtual void EndScene() = 0;
};

// Before the first frame: the title and menus, or level 1 of the preview collection at once.
void StartMainLoop(Game& game);

// The test hook that skips the title and the menus: `level` of the chosen collection starts as the
// level list starts it.
void StartLevelAtOnce(Game& game, int level);

// One frame: window events, keyboard, timing, the screen of the current state, the level clock,
// the music and the frame's sounds. Returns false when the game is to quit after this frame.
bool RunFrame(Game& game, FrameHost& host);

}  // namespace brolt
