#include "game/platform/sdl_sound_buffer.h"

#include <SDL2/SDL_mixer.h>

#include <algorithm>
#include <cstring>

#include "game/platform/audio_levels.h"

namespace brolt {

SdlSoundBuffer::SdlSoundBuffer(std::shared_ptr<MixerSession> session, std::vector<std::uint8_t> samples)
    : session_(std::move(session)), samples_(std::move(samples)), channel_(session_->AcquireChannel()) {
  // Registered before any panning, so the panning works on the buffer's samples.
  Mix_RegisterEffect(channel_, &SdlSoundBuffer::Stream, nullptr, this);
}

SdlSoundBuffer::~SdlSoundBuffer() { session_->ReleaseChannel(channel_); }

void SdlSoundBuffer::Stream(int, void* out, int length, void* self) {
  static_cast<SdlSoundBuffer*>(self)->Fill(static_cast<std::uint8_t*>(out), static_cast<std::size_t>(length));
}

void SdlSoundBuffer::Fill(std::uint8_t* out, std::size_t length) {
  std::size_t done = 0;
  {
    std::lock_guard lock(mutex_);
    while (playing_ && done < length) {
      if (position_ >= samples_.size()) {
        position_ = 0;
        if (!looping_ || samples_.empty()) {
          playing_ = false;
          break;
        }
      }
      const std::size_t count = std::min(length - done, samples_.size() - position_);
      std::memcpy(out + done, samples_.data() + position_, count);
      position_ += count;
      done += count;
    }
  }
  std::memset(out + done, 0, length - done);
}

void SdlSoundBuffer::Play(bool looping) {
  std::lock_guard lock(mutex_);
  playing_ = true;
  looping_ = looping;
}

void SdlSoundBuffer::Stop() {
  std::lock_guard lock(mutex_);
  playing_ = false;
}

bool SdlSoundBuffer::IsPlaying() const {
  std::lock_guard lock(mutex_);
  return playing_;
}

std::uint32_t SdlSoundBuffer::Position() const {
  std::lock_guard lock(mutex_);
  return static_cast<std::uint32_t>(position_ < samples_.size() ? position_ : 0);
}

void SdlSoundBuffer::SetPosition(std::uint32_t byte) {
  const std::size_t frame = session_->BytesPerFrame();
  std::lock_guard lock(mutex_);
  position_ = samples_.empty() ? 0 : (byte - byte % frame) % samples_.size();
}

std::uint32_t SdlSoundBuffer::Size() const { return static_cast<std::uint32_t>(samples_.size()); }

std::uint32_t SdlSoundBuffer::BytesPerSecond() const { return session_->BytesPerSecond(); }

std::uint32_t SdlSoundBuffer::BytesPerFrame() const { return session_->BytesPerFrame(); }

void SdlSoundBuffer::SetVolume(int hundredthsDb) {
  volume_ = std::clamp(hundredthsDb, kSilentVolume, kFullVolume);
  Mix_Volume(channel_, MixerVolume(volume_));
}

int SdlSoundBuffer::Volume() const { return volume_; }

void SdlSoundBuffer::SetPan(int hundredthsDb) {
  const MixerPanning levels = PanningLevels(hundredthsDb);
  Mix_SetPanning(channel_, static_cast<Uint8>(levels.left), static_cast<Uint8>(levels.right));
}

}  // namespace brolt
