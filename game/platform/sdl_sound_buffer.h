#pragma once
// A sound buffer on a mixer channel of its own. The channel loops silence; the buffer's stream
// writes its samples over it from a play position that the game can read and move at any time.
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "game/core/interfaces/audio_device.h"
#include "game/platform/mixer_session.h"

namespace brolt {

class SdlSoundBuffer final : public SoundBuffer {
 public:
  // samples: in the session's format.
  SdlSoundBuffer(std::shared_ptr<MixerSession> session, std::vector<std::uint8_t> samples);
  ~SdlSoundBuffer() override;
  SdlSoundBuffer(const SdlSoundBuffer&) = delete;
  SdlSoundBuffer& operator=(const SdlSoundBuffer&) = delete;

  void Play(bool looping) override;
  void Stop() override;
  bool IsPlaying() const override;
  std::uint32_t Position() const override;
  void SetPosition(std::uint32_t byte) override;
  std::uint32_t Size() const override;
  std::uint32_t BytesPerSecond() const override;
  std::uint32_t BytesPerFrame() const override;
  void SetVolume(int hundredthsDb) override;
  int Volume() const override;
  void SetPan(int hundredthsDb) override;

 private:
  // Runs on the mixing thread.
  static void Stream(int channel, void* out, int length, void* self);
  void Fill(std::uint8_t* out, std::size_t length);

  std::shared_ptr<MixerSession> session_;
  const std::vector<std::uint8_t> samples_;
  int channel_;
  int volume_ = kFullVolume;

  // Shared with the mixing thread.
  mutable std::mutex mutex_;
  std::size_t position_ = 0;
  bool playing_ = false;
  bool looping_ = false;
};

}  // namespace brolt
