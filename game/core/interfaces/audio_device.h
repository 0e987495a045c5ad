#pragma once
// The sound device of the game: wave buffers that play once or loop from a position of their own,
// and one streamed music track at a time. Volumes and pans are in hundredths of a decibel.
#include <cstdint>
#include <filesystem>
#include <memory>

namespace brolt {

// Volume: 0 is full level, -10000 silence; the game uses 0 down to -5000.
// Pan: 0 centred; a positive pan lowers the left channel by that much, a negative one the right.
constexpr int kFullVolume = 0;
constexpr int kSilentVolume = -10000;
constexpr int kPanLimit = 10000;

// The samples of one wave file, converted to the device's format.
class SoundBuffer {
 public:
  virtual ~SoundBuffer() = default;
  // Plays from the current position. A buffer that is already playing goes on from where it is.
  // A buffer that plays once stops at its end and goes back to its start; a looping one starts
  // over at the end until it is stopped.
  virtual void Play(bool looping) = 0;
  // Stops where it is; Play goes on from there.
  virtual void Stop() = 0;
  virtual bool IsPlaying() const = 0;
  // The next byte to be mixed, counted from the start of the samples. SetPosition rounds down to a
  // whole sample frame and wraps positions beyond the end to the start.
  virtual std::uint32_t Position() const = 0;
  virtual void SetPosition(std::uint32_t byte) = 0;
  // The samples' length and rate in bytes (mix tracks are cut into segments by their byte rate),
  // and the bytes of one sample frame (one sample of every channel).
  virtual std::uint32_t Size() const = 0;
  virtual std::uint32_t BytesPerSecond() const = 0;
  virtual std::uint32_t BytesPerFrame() const = 0;
  virtual void SetVolume(int hundredthsDb) = 0;
  virtual int Volume() const = 0;
  virtual void SetPan(int hundredthsDb) = 0;
};

// A compressed music track (mp3), played through the device's one music stream.
class MusicTrack {
 public:
  virtual ~MusicTrack() = default;
  // Starts the track, or goes on after Stop, from its position; it starts over when it ends.
  virtual void Run() = 0;
  virtual void Stop() = 0;
  // In seconds.
  virtual double Position() const = 0;
  virtual void SetPosition(double seconds) = 0;
  virtual double Duration() const = 0;
  virtual void SetVolume(int hundredthsDb) = 0;
  virtual int Volume() const = 0;
};

class AudioDevice {
 public:
  virtual ~AudioDevice() = default;
  // nullptr when the file cannot be read (named on standard error) or the device is silent.
  virtual std::unique_ptr<SoundBuffer> LoadSound(const std::filesystem::path& waveFile) = 0;
  virtual std::unique_ptr<MusicTrack> LoadMusic(const std::filesystem::path& file) = 0;
};

// The device of a game without sound: it loads nothing, so nothing plays.
class SilentAudioDevice final : public AudioDevice {
 public:
  std::unique_ptr<SoundBuffer> LoadSound(const std::filesystem::path&) override { return nullptr; }
  std::unique_ptr<MusicTrack> LoadMusic(const std::filesystem::path&) override { return nullptr; }
};

}  // namespace brolt
