#pragma once
// Pictures and sounds written for the platform tests, into a folder the test gives (a
// testing::TempFolder, which takes them away again).
#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>

#include "support/temp_folder.h"

namespace brolt::test {

// A width x height picture whose pixel (x, y) has the colour 0xRRGGBB that `colour` gives, saved
// as a BMP, or as a JPEG when the file name ends in ".jpg".
inline void WritePicture(const std::filesystem::path& file, int width, int height,
                         const std::function<std::uint32_t(int, int)>& colour) {
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGB888);
  ASSERT_NE(surface, nullptr) << SDL_GetError();
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(surface->pixels) + y * surface->pitch);
    for (int x = 0; x < width; ++x) row[x] = colour(x, y);
  }
  const int result = file.extension() == ".jpg" ? IMG_SaveJPG(surface, file.c_str(), 95)
                                                : SDL_SaveBMP(surface, file.c_str());
  SDL_FreeSurface(surface);
  ASSERT_EQ(result, 0) << SDL_GetError();
}

// A mono 16-bit wave file of a 440 Hz tone.
inline void WriteWave(const std::filesystem::path& file, int samplesPerSecond, double seconds) {
  const auto frames = static_cast<std::uint32_t>(samplesPerSecond * seconds);
  std::ofstream out(file, std::ios::binary);
  auto word = [&](std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
  };
  out << "RIFF";
  word(36 + frames * 2, 4);
  out << "WAVEfmt ";
  word(16, 4);
  word(1, 2);  // PCM
  word(1, 2);  // mono
  word(static_cast<std::uint32_t>(samplesPerSecond), 4);
  word(static_cast<std::uint32_t>(samplesPerSecond * 2), 4);
  word(2, 2);
  word(16, 2);
  out << "data";
  word(frames * 2, 4);
  for (std::uint32_t i = 0; i < frames; ++i) {
    const auto sample = static_cast<std::int16_t>(8000 * std::sin(i * 2 * 3.14159265 * 440 / samplesPerSecond));
    word(static_cast<std::uint16_t>(sample), 2);
  }
}

// Waits, up to ten seconds of the dummy driver's real-time mixing, for `done`.
inline bool Eventually(const std::function<bool()>& done) {
  // Generous, for a machine busy with other builds and tests; it returns as soon as it is done.
  const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!done()) {
    if (std::chrono::steady_clock::now() > limit) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

}  // namespace brolt::test
