#include "game/presentation/sound/level_music.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "common/numeric.h"
#include "game/core/state/game.h"
#include "game/presentation/sound/music_fades.h"
#include "game/presentation/sound/option_volume.h"
#include "game/presentation/sound/playlist.h"

namespace brolt {
namespace {

constexpr int kSlicesPerSecond = 8;
constexpr int kMostSlices = 8;

// Slices are cut at whole sample frames, so that a jump never lands between the channels of one
// frame.
void CutIntoSlices(AudioState& audio) {
  const SoundBuffer& buffer = *audio.GameMusicBuffer;
  const std::int64_t frameBytes = std::max<std::uint32_t>(buffer.BytesPerFrame(), 1);
  const std::int64_t framesPerSecond = buffer.BytesPerSecond() / frameBytes;
  const std::int64_t sliceFrames =
      std::max<std::int64_t>(RoundHalfEven(static_cast<double>(framesPerSecond) / kSlicesPerSecond), 1);
  const std::int64_t frames = buffer.Size() / frameBytes;
  audio.SegmentBytes = static_cast<std::int32_t>(sliceFrames * frameBytes);
  audio.SegmentCount = static_cast<std::int16_t>(std::clamp<std::int64_t>(frames / sliceFrames, 1, kMostSlices));
}

std::int32_t PickSlice(Game& game) {
  const auto slice = static_cast<std::int32_t>(std::floor(game.random().Rnd() * game.audio.SegmentCount));
  return slice * game.audio.SegmentBytes;
}

// Loads the current playlist entry; false when it cannot be read.
bool LoadTrack(Game& game) {
  AudioState& audio = game.audio;
  game.MusicList.Selected = audio.Playlist[static_cast<std::size_t>(audio.PlaylistPosition)];
  const std::string track = game.MusicList.SelectedName();
  const std::string extension = GetFileExtension(track);
  const std::filesystem::path file = game.paths.MusicPath / track;
  audio.MusicKind = MusicNone;
  if (extension == "mp3") {
    audio.MediaTrack = game.services.audio->LoadMusic(file);
    if (!audio.MediaTrack) return false;
    audio.MediaTrack->SetPosition(0);
    audio.MusicKind = MusicMp3;
  } else if (extension == "mix") {
    auto buffer = game.services.audio->LoadSound(file);
    if (!buffer) return false;
    audio.GameMusicBuffer = std::move(buffer);
    CutIntoSlices(audio);
    audio.SegmentStart = PickSlice(game);
    audio.GameMusicBuffer->SetPosition(static_cast<std::uint32_t>(audio.SegmentStart));
    audio.RepeatsLeft = static_cast<std::int16_t>(PickRepeatCount(game));
    audio.MusicKind = MusicMix;
  }
  return audio.MusicKind != MusicNone;
}

void KeepMixGoing(Game& game) {
  AudioState& audio = game.audio;
  SoundBuffer* buffer = audio.GameMusicBuffer.get();
  if (!buffer || audio.SegmentBytes <= 0) return;
  const std::int64_t cursor = buffer->Position();
  const std::int64_t end = std::int64_t{audio.SegmentStart} + audio.SegmentBytes;
  if (cursor >= audio.SegmentStart && cursor <= end) return;
  if (audio.RepeatsLeft > 0) --audio.RepeatsLeft;
  // How far the cursor has run past the slice, or past the end of the looping buffer. A long frame
  // can carry it farther than a slice; the jump still lands inside the slice.
  const std::int64_t overshoot = (cursor > audio.SegmentStart ? cursor - end : cursor) % audio.SegmentBytes;
  if (audio.RepeatsLeft == 0) {
    audio.SegmentStart = PickSlice(game);
    audio.RepeatsLeft = static_cast<std::int16_t>(PickRepeatCount(game));
  }
  buffer->SetPosition(static_cast<std::uint32_t>(audio.SegmentStart + overshoot));
}

void KeepMp3Going(Game& game) {
  AudioState& audio = game.audio;
  MusicTrack* track = audio.MediaTrack.get();
  if (!track) return;
  auto tenThousandths = [](double seconds) { return RoundHalfEven(seconds * 10000.0); };
  const std::int64_t position = tenThousandths(track->Position());
  const std::int64_t advance = position - audio.LastMediaPosition;
  audio.LastMediaPosition = position;
  // A track whose length the decoder cannot tell reports 0; it is left to loop by itself.
  const std::int64_t duration = tenThousandths(track->Duration());
  if (duration > 0 && position > duration - advance) track->SetPosition(0);
}

}  // namespace

void PlayNextTrack(Game& game) {
  AudioState& audio = game.audio;
  if (audio.Playlist.empty() || !game.services.audio) return;
  if (audio.MediaTrack) audio.MediaTrack->Stop();
  if (audio.GameMusicBuffer) audio.GameMusicBuffer->Stop();
  for (std::size_t tried = 0; tried < audio.Playlist.size() && !LoadTrack(game); ++tried) AdvancePlaylist(game);
  ApplyMusicLevel(game);
  // Brought up by the fade.
  if (audio.GameMusicBuffer) audio.GameMusicBuffer->SetVolume(kFloorVolume);
}

void StartMusicTrack(Game& game) {
  AudioState& audio = game.audio;
  if (audio.MusicKind == MusicMp3 && audio.MediaTrack) audio.MediaTrack->Run();
  if (audio.MusicKind == MusicMix && audio.GameMusicBuffer) audio.GameMusicBuffer->Play(true);
}

int PickRepeatCount(Game& game) { return std::floor(game.random().Rnd() * 2) == 0 ? 2 : 4; }

void UpdateMusic(Game& game) {
  if (game.audio.MusicKind == MusicMix) KeepMixGoing(game);
  if (game.audio.MusicKind == MusicMp3) KeepMp3Going(game);
}

}  // namespace brolt
