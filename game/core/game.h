#pragma once
// The whole state of one running game: one member per module, owned here and passed by reference,
// so that a test can build a fresh game with its own random source, clock and presentation doubles.
#include "common/random.h"
#include "game/core/audio_state.h"
#include "game/core/camera.h"
#include "game/core/checkpoint_state.h"
#include "game/core/definitions.h"
#include "game/core/device_state.h"
#include "game/core/explosion_state.h"
#include "game/core/file_list.h"
#include "game/core/frame_timing.h"
#include "game/core/game_flags.h"
#include "game/core/game_paths.h"
#include "game/core/game_settings.h"
#include "game/core/gravity_state.h"
#include "game/core/keyboard_state.h"
#include "game/core/level_collection.h"
#include "game/core/level_state.h"
#include "game/core/light_state.h"
#include "game/core/menu_state.h"
#include "game/core/motion_state.h"
#include "game/core/object_defs.h"
#include "game/core/overlay_state.h"
#include "game/core/player_messages.h"
#include "game/core/player_state.h"
#include "game/core/render_state.h"
#include "game/core/sound_queue.h"
#include "game/core/start_up_state.h"

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
