#pragma once
// The menus' state: the pages of the title menu with their items, the launch animation of the level
// list (which level completion also writes), what the collection list has read of the collections,
// and the turning of the menu backdrop.
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace brolt {

constexpr int kMenuPageCount = 11;
constexpr int kMenuItemCount = 11;

// The pages that have a use; the others stay empty and inactive.
enum MenuPageId : int { MainPage = 0, LevelListPage = 1, OptionsPage = 2, CollectionListPage = 3 };

struct MenuItem {
  // "" for no item.
  std::string Caption;
  // Always 0: the caption is centred.
  float X = 0.0f;
  // The caption's height on the screen.
  float Y = 0.0f;
};

struct MenuPage {
  std::array<MenuItem, kMenuItemCount> Items{};
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

  std::array<MenuPage, kMenuPageCount> MenuPages{};
  // Every level of the list can be started (Tab and F9 held while choosing "play").
  bool AllLevelsOpen = false;
  // What Escape from the collection list restores: the collection highlighted when the list
  // opened, with its current level and level count.
  int SavedCollectionIndex = 0;
  std::int16_t SavedCurrentLevel = 1;
  std::int32_t SavedLevelCount = 0;

  // Whether each collection is compiled, and the highlighted one's description, as read since the
  // collection list last moved; read again after every move, never every frame.
  std::map<std::string, bool> CompiledCollections;
  std::optional<std::string> CollectionDescription;

  // The slow sway of the backdrop's texture span, in degrees (BackdropWobble of the backdrop).
  float BackdropWobble = 0.0f;
};

}  // namespace brolt
