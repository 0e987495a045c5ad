#pragma once
// An AudioDevice double for tests of the sound and music logic: every buffer and track records what
// the game sets on it, and a buffer's play position moves only when the test plays samples.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "game/core/interfaces/audio_device.h"

namespace brolt::testing {

struct WaveFormat {
  std::uint32_t size = 4000;
  std::uint32_t bytesPerSecond = 176400;
  std::uint32_t bytesPerFrame = 4;
};

// Takes play positions as DirectSound does, to the byte: a jump to the middle of a sample frame is
// kept, so that a test can see it.
class RecordingSoundBuffer : public SoundBuffer {
 public:
  explicit RecordingSoundBuffer(WaveFormat format, std::vector<std::uint8_t> samples = {})
      : format(format), samples(std::move(samples)) {}

  void Play(bool loop) override {
    playing = true;
    looping = loop;
    ++plays;
  }
  void Stop() override { playing = false; }
  bool IsPlaying() const override { return playing; }
  std::uint32_t Position() const override { return position; }
  void SetPosition(std::uint32_t byte) override {
    positionsSet.push_back(byte);
    position = format.size ? byte % format.size : 0;
  }
  std::uint32_t Size() const override { return format.size; }
  std::uint32_t BytesPerSecond() const override { return format.bytesPerSecond; }
  std::uint32_t BytesPerFrame() const override { return format.bytesPerFrame; }
  void SetVolume(int hundredthsDb) override { volume = std::clamp(hundredthsDb, kSilentVolume, kFullVolume); }
  int Volume() const override { return volume; }
  void SetPan(int hundredthsDb) override { pan = hundredthsDb; }

  // Mixes `bytes` more of a playing buffer, keeping the bytes played when the buffer has samples.
  void Advance(std::uint32_t bytes) {
    for (std::uint32_t i = 0; i < bytes && playing; ++i) {
      if (!samples.empty()) played.push_back(samples[position]);
      if (++position == format.size) {
        position = 0;
        playing = looping;
      }
    }
  }

  WaveFormat format;
  std::vector<std::uint8_t> samples;
  std::vector<std::uint8_t> played;
  std::vector<std::uint32_t> positionsSet;
  std::uint32_t position = 0;
  int volume = kFullVolume;
  int pan = 0;
  bool playing = false;
  bool looping = false;
  int plays = 0;
};

class RecordingMusicTrack : public MusicTrack {
 public:
  void Run() override {
    running = true;
    ++runs;
  }
  void Stop() override { running = false; }
  double Position() const override { return position; }
  void SetPosition(double seconds) override {
    position = seconds;
    ++positionsSet;
  }
  double Duration() const override { return duration; }
  void SetVolume(int hundredthsDb) override { volume = std::clamp(hundredthsDb, kSilentVolume, kFullVolume); }
  int Volume() const override { return volume; }

  bool running = false;
  int runs = 0;
  int positionsSet = 0;
  double position = 0;
  double duration = 60;
  int volume = kFullVolume;
};

// Loads every file name except the unreadable ones, in the format given for its name or the default.
class RecordingAudioDevice : public AudioDevice {
 public:
  std::unique_ptr<SoundBuffer> LoadSound(const std::filesystem::path& file) override {
    loaded.push_back(file);
    const std::string name = file.filename().string();
    if (unreadable.count(name)) return nullptr;
    auto format = formats.find(name);
    auto samples = pcm.find(name);
    return std::make_unique<RecordingSoundBuffer>(format != formats.end() ? format->second : WaveFormat{},
                                                  samples != pcm.end() ? samples->second : std::vector<std::uint8_t>{});
  }
  std::unique_ptr<MusicTrack> LoadMusic(const std::filesystem::path& file) override {
    loaded.push_back(file);
    if (unreadable.count(file.filename().string())) return nullptr;
    return std::make_unique<RecordingMusicTrack>();
  }

  std::set<std::string> unreadable;
  std::map<std::string, WaveFormat> formats;
  std::map<std::string, std::vector<std::uint8_t>> pcm;
  std::vector<std::filesystem::path> loaded;
};

// The recording object behind one of the game's buffers or tracks.
inline RecordingSoundBuffer& Recorded(const std::unique_ptr<SoundBuffer>& buffer) {
  return dynamic_cast<RecordingSoundBuffer&>(*buffer);
}
inline RecordingMusicTrack& Recorded(const std::unique_ptr<MusicTrack>& track) {
  return dynamic_cast<RecordingMusicTrack&>(*track);
}

}  // namespace brolt::testing
