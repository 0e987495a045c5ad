#include "game/platform/mixer_session.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <algorithm>

namespace brolt {
namespace {

// The samples of every buffer are converted to this format when they are loaded, so the streams
// copy them to the mixer unchanged.
constexpr int kFrequency = 44100;
constexpr int kChannels = 2;
constexpr std::uint32_t kBytesPerFrame = 2 * kChannels;
constexpr int kChunkFrames = 1024;
constexpr int kFirstChannelCount = 64;

}  // namespace

std::shared_ptr<MixerSession> MixerSession::Open(std::string& error) {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    error = SDL_GetError();
    return nullptr;
  }
  if (Mix_OpenAudioDevice(kFrequency, AUDIO_S16SYS, kChannels, kChunkFrames, nullptr, 0) != 0) {
    error = Mix_GetError();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return nullptr;
  }
  // Without the mp3 decoder only the music fails to load; the effects still play.
  Mix_Init(MIX_INIT_MP3);
  return std::shared_ptr<MixerSession>(new MixerSession(kBytesPerFrame, kBytesPerFrame * kFrequency));
}

MixerSession::MixerSession(std::uint32_t bytesPerFrame, std::uint32_t bytesPerSecond)
    : bytesPerFrame_(bytesPerFrame),
      bytesPerSecond_(bytesPerSecond),
      silenceSamples_(kChunkFrames * bytesPerFrame, 0) {
  silence_ = Mix_QuickLoad_RAW(silenceSamples_.data(), static_cast<Uint32>(silenceSamples_.size()));
  channelInUse_.assign(static_cast<std::size_t>(Mix_AllocateChannels(kFirstChannelCount)), false);
}

MixerSession::~MixerSession() {
  Mix_HaltChannel(-1);
  Mix_HaltMusic();
  Mix_FreeChunk(silence_);
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

int MixerSession::AcquireChannel() {
  auto free = std::find(channelInUse_.begin(), channelInUse_.end(), false);
  if (free == channelInUse_.end()) {
    const auto count = channelInUse_.size();
    channelInUse_.resize(static_cast<std::size_t>(Mix_AllocateChannels(static_cast<int>(count * 2))), false);
    free = channelInUse_.begin() + static_cast<std::ptrdiff_t>(count);
  }
  *free = true;
  const auto channel = static_cast<int>(free - channelInUse_.begin());
  Mix_Volume(channel, MIX_MAX_VOLUME);
  Mix_PlayChannel(channel, silence_, -1);
  return channel;
}

void MixerSession::ReleaseChannel(int channel) {
  // Halting also removes the channel's stream and panning, and waits for a mix in progress.
  Mix_HaltChannel(channel);
  channelInUse_[static_cast<std::size_t>(channel)] = false;
}

}  // namespace brolt
