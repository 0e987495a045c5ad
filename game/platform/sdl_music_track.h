#pragma once
// A music track on SDL_mixer's one music stream.
#include <memory>

#include "game/core/interfaces/audio_device.h"
#include "game/platform/mixer_session.h"

typedef struct _Mix_Music Mix_Music;

namespace brolt {

class SdlMusicTrack final : public MusicTrack {
 public:
  SdlMusicTrack(std::shared_ptr<MixerSession> session, Mix_Music* music);
  ~SdlMusicTrack() override;
  SdlMusicTrack(const SdlMusicTrack&) = delete;
  SdlMusicTrack& operator=(const SdlMusicTrack&) = delete;

  void Run() override;
  void Stop() override;
  double Position() const override;
  void SetPosition(double seconds) override;
  double Duration() const override;
  void SetVolume(int hundredthsDb) override;
  int Volume() const override;

 private:
  // True while this track holds the music stream and the stream plays.
  bool IsSounding() const;

  std::shared_ptr<MixerSession> session_;
  Mix_Music* music_;
  int volume_ = kFullVolume;
  // Where the track goes on from while it is not sounding.
  double position_ = 0;
};

}  // namespace brolt
