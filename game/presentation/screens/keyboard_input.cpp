#include "game/presentation/screens/keyboard_input.h"

#include "common/numeric.h"
#include "game/core/level/level_loading.h"
#include "game/core/state/frame_timing.h"
#include "game/core/state/game.h"
#include "game/simulation/explosions.h"
#include "game/simulation/level_completion.h"

namespace brolt {

namespace {

// The zoom of the start view, which the depth keys move away from and back to.
constexpr float kStartZoom = CameraWords{}.CameraZoom;
constexpr float kZoomPerDepthStep = 0.15f;

bool IsArrowKey(int key) {
  return key == scan::Up || key == scan::Down || key == scan::Left || key == scan::Right;
}

// Rewrites KeyDown and KeyPressed from the keys read; true when any key is held. In play a held key
// reads 1 in every frame; elsewhere it reads 1 when it goes down and again each time its count
// runs out, the count starting at a third of a second and shrinking to a tenth while keys are held.
// A key that went down since the last read is pressed in this frame even when it is up again by
// now (it reads as held for this one frame) or was held already before (released and pressed again).
bool UpdateKeyTables(Game& game, const HeldKeyTable& held) {
  KeyboardState& keys = game.keys;
  const GameFlags& flags = game.flags;
  const double rate = game.timing.FrameRateNow;
  if (keys.RepeatDelay > 1) --keys.RepeatDelay;
  if (rate / 10 > keys.RepeatDelay) keys.RepeatDelay = RoundToInt16(rate / 10);
  const bool playing = !flags.InMenu && !HelpOrOptionsShown(flags);
  bool anyHeld = false;
  for (int key = 0; key < kScanCodes; ++key) {
    const auto k = static_cast<std::size_t>(key);
    std::int32_t& down = keys.KeyDown[k];
    keys.KeyPressed[k] = 0;
    if (!held[k]) {
      down = 0;
      continue;
    }
    anyHeld = true;
    if (down != 0 && (held[k] & KeyWentDown) == 0) {
      if (down == 1) down = keys.RepeatDelay;
      if (down > 1) --down;
    } else {
      keys.KeyPressed[k] = 1;
      if (IsArrowKey(key)) {
        // A new press of the arrow that threw a switch lets the switches turn again.
        if (key == game.player.SwitchLatchKey) game.player.SwitchLatch = false;
        keys.LastArrowKey = key;
      }
      keys.RepeatDelay = RoundToInt16(rate / 3);
      down = 1;
    }
    if (playing) down = 1;
  }
  return anyHeld;
}

// Moves the depth of the bent playfield and the zoom together by one step.
void StepDepth(Game& game, int steps) {
  RenderState& render = game.render;
  render.DepthStep += steps;
  render.LightFactor = static_cast<float>(render.DepthStep) / kDepthSteps;
  game.camera.CameraZoom = kStartZoom - kZoomPerDepthStep * static_cast<float>(render.DepthStep);
}

// Enter finishes the name entry, or restarts a level that can no longer be won (in developer mode
// it fills up the shots and bombs of a level that can).
void HandleEnter(Game& game) {
  GameFlags& flags = game.flags;
  const LevelState& level = game.level;
  std::int32_t& pressed = game.keys.KeyPressed[scan::Enter];
  if (flags.InMenu || flags.NameEntry) {
    if (flags.NameEntry) {
      FinishLevel(game);
      pressed = 0;
    }
  } else if (flags.Dead || level.PortalCount == 0 || level.UnidCount < level.UnidsNeeded) {
    if (game.checkpoint.CheckpointSaved) {
      RestoreCheckpoint(game);
    } else {
      LoadLevel(game, flags.CurrentLevel);
    }
    pressed = 0;
  } else if (game.settings.DeveloperMode) {
    game.player.Shots = 1000;
    game.player.Bombs = 1000;
  }
}

// Escape makes the living Thresher explode unshielded, takes the dead one back to the menu (ending a
// preview), and finishes the name entry. A level without a Thresher, which nothing can win or lose,
// is left as a lost one is: there is no one to explode.
void HandleEscape(Game& game) {
  GameFlags& flags = game.flags;
  game.explosions.ShieldEnabled = false;
  if (!flags.InMenu) game.keys.KeyPressed[scan::Escape] = 0;
  const bool withoutThresher = !flags.InMenu && !game.level.HasThresher;
  if (flags.Dead || withoutThresher) {
    if (!flags.CommandLine.empty()) flags.QuitRequested = true;
    flags.InMenu = true;
    flags.LevelMusic = 0;
    if (flags.NameEntry) FinishLevel(game);
  } else if (!flags.InMenu && !flags.NameEntry) {
    ExplodeAt(game, RoundToInt16(game.level.PlayerX), RoundToInt16(game.level.PlayerY));
  } else if (flags.NameEntry) {
    FinishLevel(game);
  }
}

}  // namespace

void InitKeyboard(Game& game) { game.keys = KeyboardState{}; }

void PollKeyboard(Game& game, const HeldKeyTable& held) {
  GameFlags& flags = game.flags;
  KeyboardState& keys = game.keys;
  const bool anyHeld = UpdateKeyTables(game, held);

  if (anyHeld && flags.ShowingTitle && game.render.TitleFade >= 200) {
    flags.ShowingTitle = false;
    game.render.TitleFade = 200;
    keys.KeyPressed[scan::Enter] = 0;
  }
  if (keys.KeyDown[scan::Delete] != 0 && game.render.DepthStep > 0) StepDepth(game, -1);
  if (keys.KeyDown[scan::Insert] != 0 && game.render.DepthStep < kDepthSteps) StepDepth(game, 1);
  if (keys.KeyPressed[scan::F12] == 1) game.startUp.ShowFps = !game.startUp.ShowFps;
  if (keys.KeyPressed[scan::F11] == 1) game.settings.ShowBG = !game.settings.ShowBG;

  if (flags.ShowingHelp) return;
  // The title's flag outlives the title in preview play, which skips it: only the title itself, in
  // the menus, refuses the help.
  const bool onTitle = flags.InMenu && flags.ShowingTitle;
  if (keys.KeyPressed[scan::F1] == 1 && !onTitle && !flags.ShowingCredits) {
    flags.ShowingHelp = true;
    ResetTickCounters(game.timing, game.clock());
  }
  if (flags.ShowingOptions) return;
  if (keys.KeyPressed[scan::F4] == 1 && !flags.InMenu) {
    flags.ShowingOptions = true;
    ResetTickCounters(game.timing, game.clock());
  }
  if (keys.KeyPressed[scan::Enter] == 1) HandleEnter(game);
  if (keys.KeyPressed[scan::Escape] == 1) HandleEscape(game);
}

}  // namespace brolt
