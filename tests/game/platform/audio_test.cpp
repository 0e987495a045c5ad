#include <SDL2/SDL_mixer.h>
#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>

#include "game/platform/audio_levels.h"
#include "game/platform/sdl_audio_device.h"
#include "support/scoped_variable.h"
#include "test_files.h"

namespace brolt {
namespace {

using test::Eventually;

TEST(AudioLevelsTest, DecibelsBecomeMixerVolumes) {
  EXPECT_EQ(MixerVolume(0), 128);
  EXPECT_EQ(MixerVolume(-600), 64);
  // -50 dB is below the mixer's quietest step, yet DirectSound still plays it.
  EXPECT_EQ(MixerVolume(-5000), 1);
  EXPECT_EQ(MixerVolume(-10000), 0);
  EXPECT_EQ(MixerVolume(300), 128);
  EXPECT_EQ(MixerVolume(-20000), 0);
}

TEST(AudioLevelsTest, PanLowersTheOppositeChannel) {
  EXPECT_EQ(PanningLevels(0).left, 255);
  EXPECT_EQ(PanningLevels(0).right, 255);
  // A negative pan places the sound to the left: the right channel is lowered.
  EXPECT_EQ(PanningLevels(-600).left, 255);
  EXPECT_EQ(PanningLevels(-600).right, 128);
  EXPECT_EQ(PanningLevels(600).left, 128);
  EXPECT_EQ(PanningLevels(600).right, 255);
  EXPECT_EQ(PanningLevels(-5000).right, 1);
  EXPECT_EQ(PanningLevels(5000).left, 1);
  EXPECT_EQ(PanningLevels(-10000).right, 0);
  EXPECT_EQ(PanningLevels(20000).left, 0);
}

class AudioDeviceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wave_ = folder_ / "tone.wav";
    // A quarter of a second at a rate that the device converts.
    test::WriteWave(wave_, 22050, 0.25);
  }

  testing::TempFolder folder_;
  std::filesystem::path wave_;
};

TEST_F(AudioDeviceTest, WaveLoadsInTheDeviceFormatAndPlaysOnceToItsEnd) {
  AudioStart audio = OpenAudio();
  ASSERT_TRUE(audio.error.empty()) << audio.error;
  auto sound = audio.device->LoadSound(wave_);
  ASSERT_NE(sound, nullptr);
  EXPECT_EQ(sound->BytesPerSecond(), 44100u * 4);
  EXPECT_NEAR(sound->Size(), 44100 * 4 / 4, 64);

  sound->Play(false);
  EXPECT_TRUE(Eventually([&] { return sound->Position() > 0; }));
  EXPECT_TRUE(Eventually([&] { return !sound->IsPlaying(); }));
  // Played to its end, the buffer is back at its start for the next play.
  EXPECT_EQ(sound->Position(), 0u);
}

TEST_F(AudioDeviceTest, LoopingBufferGoesOnUntilStoppedAndKeepsItsPlace) {
  AudioStart audio = OpenAudio();
  auto sound = audio.device->LoadSound(wave_);
  ASSERT_NE(sound, nullptr);
  sound->Play(true);
  std::this_thread::sleep_for(std::chrono::milliseconds(400));
  EXPECT_TRUE(sound->IsPlaying());
  sound->Stop();
  const std::uint32_t stoppedAt = sound->Position();
  std::this_thread::sleep_for(std::chrono::milliseconds(60));
  EXPECT_FALSE(sound->IsPlaying());
  EXPECT_EQ(sound->Position(), stoppedAt);
}

// The loudest left and right samples of each mix that reached the device's output, kept
// per mix so that a reading never races the audio thread writing the next one.
struct MixLoudness {
  std::atomic<int> left{0};
  std::atomic<int> right{0};
};
constexpr int kMixHistory = 64;
MixLoudness mixLoudness[kMixHistory];
std::atomic<int> mixes{0};

void MeasureOutput(void*, Uint8* stream, int length) {
  const int index = mixes.load();
  const auto* samples = reinterpret_cast<const std::int16_t*>(stream);
  int left = 0;
  int right = 0;
  for (int i = 0; i + 1 < length / 2; i += 2) {
    left = std::max<int>(left, std::abs(samples[i]));
    right = std::max<int>(right, std::abs(samples[i + 1]));
  }
  mixLoudness[index % kMixHistory].left = left;
  mixLoudness[index % kMixHistory].right = right;
  mixes.store(index + 1);
}

TEST_F(AudioDeviceTest, SamplesReachTheOutputWithVolumeAndPan) {
  AudioStart audio = OpenAudio();
  auto sound = audio.device->LoadSound(wave_);
  ASSERT_NE(sound, nullptr);
  Mix_SetPostMix(&MeasureOutput, nullptr);
  int loudestLeft = 0;
  int loudestRight = 0;
  // Skips the mixes that may have begun before a change, then takes the loudest samples of
  // the next few.
  auto measure = [&] {
    const int start = mixes + 2;
    EXPECT_TRUE(Eventually([&] { return mixes >= start + 4; }));
    loudestLeft = 0;
    loudestRight = 0;
    for (int index = start; index < start + 4; ++index) {
      loudestLeft = std::max<int>(loudestLeft, mixLoudness[index % kMixHistory].left);
      loudestRight = std::max<int>(loudestRight, mixLoudness[index % kMixHistory].right);
    }
  };
  sound->Play(true);
  measure();
  EXPECT_GT(loudestLeft, 7000);
  EXPECT_GT(loudestRight, 7000);

  sound->SetPan(kPanLimit);  // fully right
  measure();
  EXPECT_EQ(loudestLeft, 0);
  EXPECT_GT(loudestRight, 7000);

  sound->SetPan(0);
  sound->SetVolume(-600);
  measure();
  EXPECT_NEAR(loudestLeft, 4000, 300);

  sound->Stop();
  measure();
  EXPECT_EQ(loudestLeft, 0);
  Mix_SetPostMix(nullptr, nullptr);
}

TEST_F(AudioDeviceTest, PositionIsAWholeFrameWithinTheSamples) {
  AudioStart audio = OpenAudio();
  auto sound = audio.device->LoadSound(wave_);
  ASSERT_NE(sound, nullptr);
  sound->SetPosition(4003);
  EXPECT_EQ(sound->Position(), 4000u);
  sound->SetPosition(sound->Size() + 8);
  EXPECT_EQ(sound->Position(), 8u);
}

TEST_F(AudioDeviceTest, VolumeIsKeptWithinTheDirectSoundRange) {
  AudioStart audio = OpenAudio();
  auto sound = audio.device->LoadSound(wave_);
  ASSERT_NE(sound, nullptr);
  EXPECT_EQ(sound->Volume(), 0);
  sound->SetVolume(-2500);
  EXPECT_EQ(sound->Volume(), -2500);
  // The credits fade lowers the menu music step by step past the bottom.
  sound->SetVolume(-10150);
  EXPECT_EQ(sound->Volume(), -10000);
  // Silenced, the buffer still plays on, as a muted music buffer keeps its place in the music.
  sound->Play(true);
  EXPECT_TRUE(Eventually([&] { return sound->Position() > 0; }));
}

TEST_F(AudioDeviceTest, MusicTrackRunsAndResumesWhereItStopped) {
  AudioStart audio = OpenAudio();
  auto track = audio.device->LoadMusic(wave_);
  ASSERT_NE(track, nullptr);
  EXPECT_NEAR(track->Duration(), 0.25, 0.01);
  track->SetPosition(0.1);
  track->Run();
  EXPECT_TRUE(Eventually([&] { return track->Position() > 0.12; }));
  track->Stop();
  const double stoppedAt = track->Position();
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(track->Position(), stoppedAt);
}

TEST_F(AudioDeviceTest, MusicVolumeReachesThePlayingTrackOnly) {
  AudioStart audio = OpenAudio();
  auto playing = audio.device->LoadMusic(wave_);
  auto waiting = audio.device->LoadMusic(wave_);
  ASSERT_NE(playing, nullptr);
  ASSERT_NE(waiting, nullptr);
  playing->Run();
  // The options' music volume is set while the track plays and must be heard at once.
  playing->SetVolume(-600);
  EXPECT_EQ(Mix_VolumeMusic(-1), MixerVolume(-600));
  // Another loaded track doesn't own the mixer's music, so its volume waits for its own Run.
  waiting->SetVolume(-10000);
  EXPECT_EQ(Mix_VolumeMusic(-1), MixerVolume(-600));
  EXPECT_EQ(waiting->Volume(), -10000);
  waiting->Run();
  EXPECT_EQ(Mix_VolumeMusic(-1), 0);
}

// Resident memory of this process, in kilobytes.
long ResidentKilobytes() {
  std::ifstream statm("/proc/self/statm");
  long size = 0, resident = 0;
  statm >> size >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Each change of level music loads a track; the mixer's copy of it must go once the samples are taken.
TEST_F(AudioDeviceTest, LoadingATrackAgainAndAgainHoldsNoMoreMemory) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the address sanitizer holds freed memory back, so the process's size can't tell";
#endif
  AudioStart audio = OpenAudio();
  const auto track = folder_ / "track.wav";
  test::WriteWave(track, 22050, 2.0);  // about 350 KB once converted for the device
  audio.device->LoadSound(track);
  const long before = ResidentKilobytes();
  for (int load = 0; load < 100; ++load) ASSERT_NE(audio.device->LoadSound(track), nullptr);
  EXPECT_LT(ResidentKilobytes() - before, 10 * 1024);
}

TEST_F(AudioDeviceTest, UnreadableFilesLoadNothing) {
  AudioStart audio = OpenAudio();
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(audio.device->LoadSound(folder_ / "missing.wav"), nullptr);
  EXPECT_EQ(audio.device->LoadMusic(folder_ / "missing.mp3"), nullptr);
  // The player's only clue to a silent level is the file named on standard error.
  const std::string told = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(told.find("Could not load the sound " + (folder_ / "missing.wav").string() + ": "), std::string::npos)
      << told;
  EXPECT_NE(told.find("Could not load the music " + (folder_ / "missing.mp3").string() + ": "), std::string::npos)
      << told;
}

TEST_F(AudioDeviceTest, ADroppedBufferGivesItsChannelBack) {
  AudioStart audio = OpenAudio();
  ASSERT_TRUE(audio.error.empty()) << audio.error;
  const int channels = Mix_AllocateChannels(-1);
  // Each ".mix" track of a long playlist loads a buffer of its own and drops the one before.
  for (int track = 0; track < channels * 3; ++track) {
    auto buffer = audio.device->LoadSound(wave_);
    ASSERT_NE(buffer, nullptr);
    buffer->Play(false);
  }
  EXPECT_EQ(Mix_AllocateChannels(-1), channels);
}

TEST_F(AudioDeviceTest, WithoutAnAudioDeviceTheGameIsSilent) {
  AudioStart audio = [] {
    const testing::ScopedVariable driver("SDL_AUDIODRIVER", "no-such-driver");
    return OpenAudio();
  }();
  EXPECT_FALSE(audio.error.empty());
  ASSERT_NE(audio.device, nullptr);
  EXPECT_NE(dynamic_cast<SilentAudioDevice*>(audio.device.get()), nullptr);
  EXPECT_EQ(audio.device->LoadSound(wave_), nullptr);
}

}  // namespace
}  // namespace brolt
