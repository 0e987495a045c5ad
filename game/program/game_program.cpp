#include "game/program/game_program.h"

#include <ctime>
#include <iostream>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "common/database.h"
#include "common/file_io.h"
#include "common/random.h"
#include "common/stale_temporary_files.h"
#include "common/temporary_folder.h"
#include "game/core/drawing/textures.h"
#include "game/core/files/level_collection.h"
#include "game/core/files/pack_file.h"
#include "game/core/files/settings_store.h"
#include "game/core/interfaces/player_messages.h"
#include "game/core/level/level_loading.h"
#include "game/core/level/lighting.h"
#include "game/core/level/object_defs.h"
#include "game/core/start_up/start_up_choices.h"
#include "game/core/state/game.h"
#include "game/core/view/view_setup.h"
#include "game/main_loop/main_loop.h"
#include "game/main_loop/test_hooks.h"
#include "game/platform/gl_render_device.h"
#include "game/platform/instance_lock.h"
#include "game/platform/message_box.h"
#include "game/platform/program_folder.h"
#include "game/platform/sdl_audio_device.h"
#include "game/platform/sdl_clock.h"
#include "game/platform/window_events.h"
#include "game/presentation/screens/game_screens.h"
#include "game/presentation/sound/game_music.h"
#include "game/presentation/text/screen_drawing.h"
#include "game/program/sdl_frame_host.h"

namespace brolt {

namespace {

constexpr const char* kGameTitle = "Brenwick Brolt";

// The platform's message boxes, or standard error and the test's answers in a test run.
class Dialogs : public PlayerMessages {
 public:
  Dialogs(bool quiet, std::vector<bool> answers) : quiet_(quiet), answers_(std::move(answers)) {}
  // What the rules tell the player while he plays: a warning under the game's title.
  void Tell(const std::string& text) override { Tell(kGameTitle, text, MessageIcon::Warning); }
  void Tell(const std::string& title, const std::string& text, MessageIcon icon = MessageIcon::None) const {
    if (quiet_) std::cerr << title << ": " << text << "\n";
    else ShowMessage(title, text, icon);
  }
  bool Ask(const std::string& title, const std::string& text) {
    if (quiet_) {
      const bool yes = nextAnswer_ < answers_.size() && answers_[nextAnswer_];
      ++nextAnswer_;
      std::cerr << title << ": " << text << (yes ? " (Yes)\n" : " (No)\n");
      return yes;
    }
    return AskYesNo(title, text);
  }

 private:
  bool quiet_;
  std::vector<bool> answers_;
  std::size_t nextAnswer_ = 0;
};

std::uint64_t SeedFromClock() { return static_cast<std::uint64_t>(std::time(nullptr)) ^ SdlClock().PerformanceCounter(); }

void DrawBackdropLooks(Game& game, SeededRandom& random, const TestHooks& hooks) {
  random.Seed(hooks.seed.value_or(SeedFromClock()));
  for (float& angle : game.startUp.BackdropAngles) angle = static_cast<float>(random.Rnd() * 360.0);
}

void PrintRunSummary(const Game& game, std::int64_t frames) {
  std::cout << "brolt: frames=" << frames << " level=" << game.flags.CurrentLevel << " dead=" << (game.flags.Dead ? 1 : 0)
            << " unids_needed=" << game.level.UnidsNeeded << " clock=" << game.timing.ClockText << std::endl;
}

// The start-up writes the settings it read back (a value kept within its range, the pack). A
// database that can be read but not written (a read-only folder, a full disk, another program's
// lock) only keeps them from being stored, so the player is told and plays on with them.
void SaveSettingsAtStart(Game& game, Dialogs& dialogs) {
  try {
    SaveSettings(game);
  } catch (const DatabaseError& error) {
    dialogs.Tell(std::string("The settings can't be saved: ") + error.what());
  }
}

// Saves the settings as the game ends. Settings that can't be saved are told once the window is
// gone, so that the message shows also after full screen.
void QuitGame(Game& game, GlRenderDevice& device, Dialogs& dialogs) {
  std::string lost;
  try {
    SaveSettings(game);
  } catch (const std::exception& error) {
    lost = error.what();
  }
  ShowMouseCursor(true);
  device.Context().HideWindow();
  if (!lost.empty()) dialogs.Tell("The settings were not saved: " + lost);
}

// Starts the game and plays it until the player quits. A start-up step that fails for want of a
// file (the database, the collections, the pack) throws, and the caller reports it.
int StartAndPlay(const std::string& commandLine, const TestHooks& hooks, Dialogs& dialogs) {
  const bool fullScreenAnswer = dialogs.Ask(kGameTitle, "Run in Fullscreen?");

  Game game;
  SeededRandom random;
  SdlClock realClock;
  std::optional<FixedFrameClock> fixedClock;
  if (hooks.fixedFrameMs) fixedClock.emplace(*hooks.fixedFrameMs);
  game.services.random = &random;
  game.services.clock = fixedClock ? static_cast<Clock*>(&*fixedClock) : &realClock;
  game.services.messages = &dialogs;

  game.paths.ProgramFolder = ProgramFolder();
  InstanceLock lock(game.paths.ProgramFolder);
  if (lock.HeldElsewhere()) return 0;

  OpenDefinitionsDatabase(game);
  game.paths.LevelsPath = game.paths.ProgramFolder / "Levels";
  game.paths.MusicPath = game.paths.ProgramFolder / "Music";
  // The game writes whole files only into the collections in Levels; nothing of ours writes a file
  // atomically into the program folder at run time.
  RemoveStaleTemporaryFiles(game.paths.LevelsPath);
  game.LevelList.Open(game.paths.LevelsPath, {".lvl", ".clvl"});
  game.MusicList.Open(game.paths.MusicPath, {});
  if (game.LevelList.Names.empty()) {
    dialogs.Tell(kGameTitle, "No level collections were found. Please re-install Brenwick Brolt.", MessageIcon::Warning);
    return 1;
  }

  game.settings.GameSpeed = 5;
  LoadSettings(game);
  const CommandLineRequest request = ReadCommandLine(commandLine);
  game.flags.CommandLine = request.collection;
  if (!request.collection.empty() && !CanPlayCollection(game, request.collection)) {
    dialogs.Tell(kGameTitle, "The level collection '" + request.collection + "' can't be read.", MessageIcon::Warning);
    return 1;
  }
  // A pack offered on the command line becomes the default only once it has unpacked.
  std::string packFile = game.settings.PackFile;
  if (request.offeredPack && dialogs.Ask("Dara Vizuruzu", PackOfferQuestion(*request.offeredPack)))
    packFile = *request.offeredPack;

  ReadDeveloperSwitch(game);
  game.startUp.Windowed = ChooseWindowed(game.settings.DeveloperMode, commandLine, fullScreenAnswer);
  game.startUp.ShowFps = false;
  BuildLightTable(game);
  InitCamera(game);

  GraphicsStart graphics =
      OpenGraphics(kGameTitle, game.startUp.Windowed ? WindowMode::Windowed : WindowMode::FullScreen);
  if (!graphics.device) {
    dialogs.Tell(kGameTitle, "Could not initialize the graphics (OpenGL 3.3): " + graphics.error, MessageIcon::Error);
    return 1;
  }
  if (graphics.software)
    dialogs.Tell(kGameTitle, "Error initializing 3D hardware.  Will attempt to use software rendering.  Will be slow.");
  GlRenderDevice& device = *graphics.device;
  // Full screen that the window system refused plays on in a window, with the pointer. The pointer
  // is hidden only now: starting the video shows it again.
  game.startUp.Windowed = !device.Context().FullScreen();
  if (!game.startUp.Windowed) ShowMouseCursor(false);
  DefaultColours(game);
  DrawBackdropLooks(game, random, hooks);

  SdlFrameHost host(game, device, hooks, fixedClock ? &*fixedClock : nullptr);
  ScreenDrawing drawing(game, device);
  GameScreens screens(game, device, host.Held());
  GameMusic music(game);
  game.services.drawing = &drawing;
  game.services.screens = &screens;
  game.services.music = &music;

  AudioStart audio = OpenAudio();
  game.services.audio = audio.error.empty() ? audio.device.get() : nullptr;
  {
    TemporaryFolder unpacked;
    UnpackGamePack(game, packFile, unpacked.Path());
    game.paths.TexturePath = unpacked.Path();
    game.paths.SoundPath = unpacked.Path();
    LoadTextures(device, unpacked.Path());
    music.InitAudio();
    screens.InitKeyboard();
  }
  if (!game.audio.Failure.empty()) dialogs.Tell(kGameTitle, game.audio.Failure);
  SaveSettingsAtStart(game, dialogs);

  random.Seed(hooks.seed.value_or(SeedFromClock()));
  game.startUp.MenuColour = ChooseMenuColour(random);
  BuildObjectDefs(game);
  screens.InitRenderDefaults();

  try {
    StartMainLoop(game);
    if (hooks.startLevel && game.flags.CommandLine.empty()) StartLevelAtOnce(game, *hooks.startLevel);
    bool running = true;
    while (running) {
      running = RunFrame(game, host);
      if (host.Closed()) running = false;
      if (hooks.quitAfterFrames && host.Frames() >= *hooks.quitAfterFrames) running = false;
    }
  } catch (const std::exception& error) {
    QuitGame(game, device, dialogs);
    dialogs.Tell(kGameTitle, std::string("The game stopped: ") + error.what(), MessageIcon::Error);
    return 1;
  }
  QuitGame(game, device, dialogs);
  if (hooks.AnySet()) PrintRunSummary(game, host.Frames());
  return 0;
}

}  // namespace

int RunGame(const std::string& commandLine) {
  TestHooks hooks;
  try {
    hooks = ReadTestHooks();
  } catch (const std::exception& error) {
    std::cerr << "brolt: " << error.what() << "\n";
    return 2;
  }
  Dialogs dialogs(hooks.noDialogs, hooks.answers);
  try {
    return StartAndPlay(commandLine, hooks, dialogs);
  } catch (const std::exception& error) {
    dialogs.Tell(kGameTitle, error.what(), MessageIcon::Error);
    return 1;
  }
}

}  // namespace brolt
