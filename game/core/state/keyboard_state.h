#pragma once
// The two key tables that the keyboard poll rewrites once per frame, by scan code, and the raw
// table of held keys it reads them from.
#include <array>
#include <cstdint>

namespace brolt {

namespace scan {
constexpr int Escape = 1;
constexpr int Backspace = 14;
constexpr int Enter = 28;
constexpr int LeftCtrl = 29;
constexpr int LeftShift = 42;
constexpr int Space = 57;
constexpr int F1 = 59;
constexpr int F4 = 62;
constexpr int F11 = 87;
constexpr int F12 = 88;
constexpr int Home = 199;
constexpr int Up = 200;
constexpr int PageUp = 201;
constexpr int Left = 203;
constexpr int Right = 205;
constexpr int End = 207;
constexpr int Down = 208;
constexpr int PageDown = 209;
constexpr int Insert = 210;
constexpr int Delete = 211;
}  // namespace scan

constexpr int kScanCodes = 256;

// What the platform read of each key this frame, by scan code: 0 for a key that is up and did not
// go down since the last read. KeyHeld marks a key held now; KeyWentDown a key that went down since
// the last read, so that a key pressed and released between two reads still counts as pressed once.
using HeldKeyTable = std::array<std::uint8_t, kScanCodes>;
constexpr std::uint8_t KeyHeld = 1;
constexpr std::uint8_t KeyWentDown = 2;

struct KeyboardState {
  // Not 0 while the key is down (in the menus: in the frame it went down and at the repeat interval).
  std::array<std::int32_t, kScanCodes> KeyDown{};
  // 1 only in the frame the key went down; a consumer may clear an entry to swallow the key.
  std::array<std::int32_t, kScanCodes> KeyPressed{};
  // The arrow key that went down last (a scan code), for resolving diagonals.
  std::int32_t LastArrowKey = 0;
  // Frames a held menu key waits before it acts again; shared by all keys, reloaded by every new
  // press and shrinking toward a tenth of a second while keys are held.
  std::int16_t RepeatDelay = 0;
};

}  // namespace brolt
