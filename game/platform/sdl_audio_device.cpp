#include "game/platform/sdl_audio_device.h"

#include <SDL2/SDL_mixer.h>

#include <iostream>

#include "game/platform/sdl_music_track.h"
#include "game/platform/sdl_sound_buffer.h"

namespace brolt {
namespace {

void ReportUnreadable(const char* what, const std::filesystem::path& file) {
  std::cerr << "Could not load the " << what << ' ' << file.string() << ": " << Mix_GetError() << '\n';
}

Mix_Chunk* LoadWave(const std::filesystem::path& file) {
  // Opened here so that a missing file is reported as such rather than as an empty stream.
  SDL_RWops* stream = SDL_RWFromFile(file.c_str(), "rb");
  return stream ? Mix_LoadWAV_RW(stream, 1) : nullptr;
}

}  // namespace

AudioStart OpenAudio() {
  AudioStart start;
  if (auto session = MixerSession::Open(start.error)) {
    start.device = std::make_unique<SdlAudioDevice>(std::move(session));
  } else {
    start.device = std::make_unique<SilentAudioDevice>();
  }
  return start;
}

std::unique_ptr<SoundBuffer> SdlAudioDevice::LoadSound(const std::filesystem::path& waveFile) {
  // The mixer reads the file's own format and converts the samples to the device's.
  Mix_Chunk* chunk = LoadWave(waveFile);
  if (!chunk) {
    ReportUnreadable("sound", waveFile);
    return nullptr;
  }
  std::vector<std::uint8_t> samples(chunk->abuf, chunk->abuf + chunk->alen);
  Mix_FreeChunk(chunk);
  return std::make_unique<SdlSoundBuffer>(session_, std::move(samples));
}

std::unique_ptr<MusicTrack> SdlAudioDevice::LoadMusic(const std::filesystem::path& file) {
  Mix_Music* music = Mix_LoadMUS(file.c_str());
  if (!music) {
    ReportUnreadable("music", file);
    return nullptr;
  }
  return std::make_unique<SdlMusicTrack>(session_, music);
}

}  // namespace brolt
