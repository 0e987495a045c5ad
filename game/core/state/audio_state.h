#pragma once
// The game's sound objects and the music playlist. The effects play from the frame's sound queue;
// of the two musics the flag LevelMusic (game_flags.h) says which one the per-frame fade brings up.
// The credits screen lowers MenuMusicBuffer and MediaTrack itself.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "game/core/interfaces/audio_device.h"
#include "game/core/state/sound_queue.h"

namespace brolt {

// What kind of track the level music is.
enum MusicKindId : std::int16_t { MusicNone = 0, MusicMp3 = 1, MusicMix = 2 };

struct AudioState {
  // "Direct Sound Failed" when the game started without a sound device; start-up shows it once and
  // the game goes on silently.
  std::string Failure;

  // Index = SoundId; nullptr for entry 0 and for every effect that could not be loaded.
  std::array<std::unique_ptr<SoundBuffer>, kSoundCount + 1> SoundBuffers;

  // "menu.mus", looping in the menus; nullptr when it is missing.
  std::unique_ptr<SoundBuffer> MenuMusicBuffer;
  // The current mix track; a second copy of "menu.mus" until the first mix track is loaded.
  std::unique_ptr<SoundBuffer> GameMusicBuffer;
  // The current mp3 track (its control, volume and position in one object).
  std::unique_ptr<MusicTrack> MediaTrack;
  MusicKindId MusicKind = MusicNone;

  // Indices into MusicList in play order; TrackCount is the last index, -1 for an empty folder.
  std::int16_t TrackCount = -1;
  std::vector<std::int16_t> Playlist;
  std::int16_t PlaylistPosition = 0;

  // A mix track plays as slices of an eighth of a second, each repeated RepeatsLeft times. Slices
  // are whole sample frames; a track shorter than eight slices has fewer.
  std::int32_t SegmentBytes = 0;
  std::int16_t SegmentCount = 0;
  std::int32_t SegmentStart = 0;
  std::int16_t RepeatsLeft = 0;

  // The mp3 position of the previous frame, in ten-thousandths of a second.
  std::int64_t LastMediaPosition = 0;
};

}  // namespace brolt
