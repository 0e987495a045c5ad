#pragma once
// The menus' state that level completion also writes: the launch animation of the level list.
#include <array>
#include <cstdint>
#include <string>

namespace brolt {

// One line of a menu page; an empty caption means no item.
struct MenuItem {
  std::string Caption;
  // Screen position of the caption; X 0 centres it.
  float X = 0.0f;
  float Y = 0.0f;
};

constexpr int kMenuPageItems = 11;
constexpr int kMenuPageCount = 11;
// The page of the sound volume, music volume and game speed, shared by the title menu and the
// options of play.
constexpr int kOptionsPage = 2;

struct MenuPage {
  std::array<MenuItem, kMenuPageItems> Items{};
  // The highlighted item.
  std::int16_t Selected = 0;
  bool Active = false;
};

struct MenuState {
  // The level whose title the level list animates, 0 for none (LevelListHighlight of the rules).
  std::int16_t LaunchLevel = 0;
  // 0 while the chosen level is launched, 1 while the finished level returns to the list.
  std::int16_t LaunchPhase = 0;
  // 0..5, taken off the animated title's size (LevelListFade of the rules).
  std::int32_t LaunchShrink = 0;
  // Red, green and blue of the animated title, always equal.
  std::int16_t MenuLevelColour = 0;
  // The list moves its selection on by one level once (LevelListStepNext of the rules).
  bool AdvanceAfterFinish = false;

  // Page 0 the main page, 1 the level list, 2 the options, 3 the collection list; the others stay
  // empty. The options of play show and move the options page too.
  std::array<MenuPage, kMenuPageCount> MenuPages{};
};

}  // namespace brolt
