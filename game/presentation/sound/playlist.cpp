#include "game/presentation/sound/playlist.h"

#include <cmath>
#include <numeric>

#include "common/numeric.h"
#include "game/core/state/game.h"

namespace brolt {
namespace {

constexpr int kShufflePasses = 101;

}  // namespace

void InitPlaylist(Game& game) {
  game.MusicList.Open(game.paths.MusicPath, {".mix", ".mp3"});
  AudioState& audio = game.audio;
  audio.TrackCount = static_cast<std::int16_t>(static_cast<int>(game.MusicList.Names.size()) - 1);
  audio.Playlist.assign(game.MusicList.Names.size(), 0);
  audio.PlaylistPosition = 0;
  ShufflePlaylist(game);
}

void ShufflePlaylist(Game& game) {
  std::vector<std::int16_t>& playlist = game.audio.Playlist;
  std::iota(playlist.begin(), playlist.end(), std::int16_t{0});
  const int trackCount = game.audio.TrackCount;
  for (int pass = 0; pass < kShufflePasses; ++pass) {
    for (std::size_t i = 0; i < playlist.size(); ++i) {
      const auto j = static_cast<std::size_t>(std::floor(game.random().Rnd() * trackCount));
      std::swap(playlist[i], playlist[j]);
    }
  }
}

void AdvancePlaylist(Game& game) {
  AudioState& audio = game.audio;
  ++audio.PlaylistPosition;
  if (audio.PlaylistPosition > audio.TrackCount) audio.PlaylistPosition = 0;
}

std::string GetFileExtension(const std::string& fileName) {
  return ToLowerAscii(fileName.size() > 3 ? fileName.substr(fileName.size() - 3) : fileName);
}

}  // namespace brolt
