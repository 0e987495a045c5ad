#pragma once
// The open SDL_mixer device. The audio device and every buffer and track made from it share it, so
// the mixer closes only after the last of them is gone.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct Mix_Chunk;

namespace brolt {

class MixerSession {
 public:
  // nullptr with the reason in `error` when no audio device opens.
  static std::shared_ptr<MixerSession> Open(std::string& error);
  ~MixerSession();
  MixerSession(const MixerSession&) = delete;
  MixerSession& operator=(const MixerSession&) = delete;

  // A mixer channel for one buffer alone. It plays silence in a loop until released; the buffer's
  // stream replaces that silence with its own samples.
  int AcquireChannel();
  void ReleaseChannel(int channel);

  std::uint32_t BytesPerFrame() const { return bytesPerFrame_; }
  std::uint32_t BytesPerSecond() const { return bytesPerSecond_; }

  // The music stream plays one track at a time; this is the track that last started it.
  const void* musicOwner = nullptr;

 private:
  MixerSession(std::uint32_t bytesPerFrame, std::uint32_t bytesPerSecond);

  std::uint32_t bytesPerFrame_;
  std::uint32_t bytesPerSecond_;
  std::vector<std::uint8_t> silenceSamples_;
  Mix_Chunk* silence_ = nullptr;
  std::vector<bool> channelInUse_;
};

}  // namespace brolt
