#pragma once
// The whole state of one running game: one member per module, owned here and passed by reference,
// so that a test can build a fresh game with its own random source, clock and presentation doubles.
#include "common/random.h"
#include "game/core/files/definitions.h"
#include "game/core/files/file_list.h"
#include "game/core/files/level_collection.h"
#include "game/core/interfaces/player_messages.h"
#include "game/core/level/object_defs.h"
#include "game/core/start_up/game_paths.h"
#include "game/core/start_up/start_up_state.h"
#include "game/core/state/audio_state.h"
#include "game/core/state/checkpoint_state.h"
#include "game/core/state/device_state.h"
#include "game/core/state/explosion_state.h"
#include "game/core/state/frame_timing.h"
#include "game/core/state/game_flags.h"
#include "game/core/state/game_settings.h"
#include "game/core/state/gravity_state.h"
#include "game/core/state/keyboard_state.h"
#include "game/core/state/level_state.h"
#include "game/core/state/light_state.h"
#include "game/core/state/menu_state.h"
#include "game/core/state/motion_state.h"
#include "game/core/state/overlay_state.h"
#include "game/core/state/player_state.h"
#include "game/core/state/render_state.h"
#include "game/core/state/sound_queue.h"
#include "game/core/view/camera.h"

namespace brolt {

class Clock;
class Drawing;
class Screens;
class Music;

// The outside world of the rules: supplied by the program, or by a test.
struct GameServices {
  Random* random = nullptr;
  Clock* clock = nullptr;
  Drawing* drawing = nullptr;
  Screens* screens = nullptr;
  Music* music = nullptr;
  // The sound device, or nullptr when none opened.
  AudioDevice* audio = nullptr;
  // Where a failure that play survives is told to the player; the program sets its message boxes.
  PlayerMessages* messages = &StandardErrorMessages();
};

struct Game {
  GameServices services;

  GamePaths paths;
  StartUpState startUp;
  GameSettings settings;
  DefinitionsState definitions;
  GameFlags flags;
  FrameTiming timing;
  CollectionState collection;
  FileList LevelList;
  FileList MusicList;
  KeyboardState keys;
  SoundQueue sounds;
  AudioState audio;
  ObjectDefTable ObjectDefs;
  LevelState level;
  PlayerState player;
  CheckpointState checkpoint;
  ExplosionState explosions;
  GravityState gravity;
  CameraWords camera;
  MotionState motion;
  DeviceState devices;
  LightState light;
  MenuState menu;
  RenderState render;
  OverlayState overlay;

  Random& random() { return *services.random; }
  Clock& clock() { return *services.clock; }
};

}  // namespace brolt
