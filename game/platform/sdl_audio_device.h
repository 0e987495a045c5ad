#pragma once
// The game's audio device over SDL2_mixer, or the silent device when no audio device opens.
#include <memory>
#include <string>

#include "game/core/interfaces/audio_device.h"
#include "game/platform/mixer_session.h"

namespace brolt {

struct AudioStart {
  // Never nullptr: the silent device when no audio device opens.
  std::unique_ptr<AudioDevice> device;
  // Why no audio device opened; empty when one did.
  std::string error;
};

AudioStart OpenAudio();

class SdlAudioDevice final : public AudioDevice {
 public:
  explicit SdlAudioDevice(std::shared_ptr<MixerSession> session) : session_(std::move(session)) {}

  std::unique_ptr<SoundBuffer> LoadSound(const std::filesystem::path& waveFile) override;
  std::unique_ptr<MusicTrack> LoadMusic(const std::filesystem::path& file) override;

 private:
  std::shared_ptr<MixerSession> session_;
};

}  // namespace brolt
