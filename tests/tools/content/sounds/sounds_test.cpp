#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/tools/content/content_files.h"
#include "tools/content/sounds/music_tracks.h"

namespace brolt::content {
namespace {

using testing::DistFolder;
using testing::FileBytes;
using testing::PackStaging;

const std::vector<std::string> kEffects = {
    "ARANEAE_CRAWL", "ARANEAE_DIE", "BOMB_EXPLODE",  "DOOR_OPEN",     "EXIT_EXPLODE",  "EXIT_LEVEL",
    "EXIT_OPEN",     "GAME_OVER",   "GNAT_DIE",      "GNAT_FLY",      "GRASS_COLLECT", "KEYBOARD_INPUT",
    "MENU_MOVE",     "MENU_NA",     "MENU_SELECT",   "PORTAL_ZOOM",   "POWERUP_COLLECT", "ROCK_GENERATOR",
    "ROCK_HIT",      "ROCK_PUSH",   "ROCK_ROLL",     "THRESHER_SHOOT", "TIME_TICKING", "UNID_COLLECT",
    "UNID_CRACK",    "UNID_EXPLODE", "UNID_HIT",     "UNID_ROLL"};

std::uint32_t Word(const std::string& bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  return value;
}

struct Wave {
  std::uint32_t rate = 0, byteRate = 0;
  std::uint16_t format = 0, channels = 0, blockAlign = 0, bits = 0;
  std::vector<int> samples;
};

// Reads a RIFF/WAVE file chunk by chunk, as a strict reader would; fails the test on a bad header.
Wave ParseWave(const std::string& bytes) {
  Wave wave;
  EXPECT_GE(bytes.size(), 44u);
  if (bytes.size() < 44) return wave;
  EXPECT_EQ(bytes.substr(0, 4), "RIFF");
  EXPECT_EQ(Word(bytes, 4, 4), bytes.size() - 8);
  EXPECT_EQ(bytes.substr(8, 4), "WAVE");
  std::size_t at = 12;
  bool sawFormat = false, sawData = false;
  while (at + 8 <= bytes.size()) {
    std::string id = bytes.substr(at, 4);
    std::uint32_t size = Word(bytes, at + 4, 4);
    EXPECT_LE(at + 8 + size, bytes.size()) << id << " runs past the end";
    if (id == "fmt ") {
      sawFormat = true;
      wave.format = static_cast<std::uint16_t>(Word(bytes, at + 8, 2));
      wave.channels = static_cast<std::uint16_t>(Word(bytes, at + 10, 2));
      wave.rate = Word(bytes, at + 12, 4);
      wave.byteRate = Word(bytes, at + 16, 4);
      wave.blockAlign = static_cast<std::uint16_t>(Word(bytes, at + 20, 2));
      wave.bits = static_cast<std::uint16_t>(Word(bytes, at + 22, 2));
    } else if (id == "data") {
      sawData = true;
      for (std::size_t i = 0; i + 1 < size; i += 2) {
        wave.samples.push_back(static_cast<std::int16_t>(Word(bytes, at + 8 + i, 2)));
      }
    }
    at += 8 + size + (size & 1);
  }
  EXPECT_TRUE(sawFormat && sawData);
  EXPECT_EQ(wave.format, 1);  // PCM
  EXPECT_EQ(wave.channels, 1);
  EXPECT_EQ(wave.bits, 16);
  EXPECT_EQ(wave.blockAlign, 2);
  EXPECT_EQ(wave.byteRate, wave.rate * 2);
  return wave;
}

int Loudest(const std::vector<int>& samples) {
  int loudest = 0;
  for (int s : samples) loudest = std::max(loudest, std::abs(s));
  return loudest;
}

TEST(GameSounds, EveryEffectIsAShortAudible16BitPcmWave) {
  for (const std::string& name : kEffects) {
    SCOPED_TRACE(name);
    Wave wave = ParseWave(FileBytes(PackStaging() / (name + ".wav")));
    double seconds = static_cast<double>(wave.samples.size()) / std::max<std::uint32_t>(wave.rate, 1);
    EXPECT_GT(seconds, 0.02);
    EXPECT_LT(seconds, 2.0);
    EXPECT_GT(Loudest(wave.samples), 3000);
    EXPECT_LT(Loudest(wave.samples), 32767) << "clipped";
  }
}

TEST(GameMusic, TheMenuMusicLoopsWithoutAJumpAtItsSeam) {
  Wave wave = ParseWave(FileBytes(DistFolder() / "Music" / "menu.mus"));
  ASSERT_GT(wave.samples.size(), static_cast<std::size_t>(wave.rate) * 8);
  EXPECT_GT(Loudest(wave.samples), 10000);
  // The step from the last sample back to the first is no larger than steps inside the music.
  int largestStep = 0;
  for (std::size_t i = 1; i < wave.samples.size(); ++i) {
    largestStep = std::max(largestStep, std::abs(wave.samples[i] - wave.samples[i - 1]));
  }
  int seam = std::abs(wave.samples.front() - wave.samples.back());
  EXPECT_LE(seam, largestStep / 4);
}

TEST(GameMusic, EveryMixTrackIsCutIntoWholeSegmentsThatStartAndEndQuietly) {
  int tracks = 0;
  for (const auto& entry : std::filesystem::directory_iterator(DistFolder() / "Music")) {
    if (entry.path().extension() != ".mix") continue;
    ++tracks;
    SCOPED_TRACE(entry.path().filename().string());
    Wave wave = ParseWave(FileBytes(entry.path()));
    int segmentBytes = MixSegmentBytes(static_cast<int>(wave.rate));
    // The game plays segments of a whole eighth of the byte rate; they must hold whole samples.
    EXPECT_EQ(static_cast<int>(std::lround(wave.byteRate / 8.0)), segmentBytes);
    EXPECT_EQ(segmentBytes % wave.blockAlign, 0);
    std::size_t segmentSamples = static_cast<std::size_t>(segmentBytes / 2);
    ASSERT_GE(wave.samples.size(), 8 * segmentSamples);
    EXPECT_EQ(wave.samples.size() % segmentSamples, 0u);
    for (std::size_t segment = 0; segment < 8; ++segment) {
      std::size_t first = segment * segmentSamples, last = first + segmentSamples - 1;
      EXPECT_LT(std::abs(wave.samples[first]), 1500) << "segment " << segment << " starts with a click";
      EXPECT_LT(std::abs(wave.samples[last]), 1500) << "segment " << segment << " ends with a click";
      std::vector<int> inside(wave.samples.begin() + static_cast<long>(first), wave.samples.begin() + static_cast<long>(last));
      EXPECT_GT(Loudest(inside), 2000) << "segment " << segment << " is silent";
    }
  }
  EXPECT_GE(tracks, 2);
}

}  // namespace
}  // namespace brolt::content
