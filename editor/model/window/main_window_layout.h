#pragma once
// Where the main window's panels go for a client area of a given size: the canvas viewport takes
// what the minimap column and the two bars leave, the minimap, tool panel and tile palette stand in
// a column at the right edge, the status fields fill the status bar from the right, and the level
// labels stretch to the tool bar's right end. Every frame stands 2 pixels outside its panel.
#include <array>
#include <optional>

namespace brolt::editor {

struct LayoutRect {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool operator==(const LayoutRect&) const = default;
};

// The designed sizes that every layout keeps.
constexpr int kToolBarHeight = 31;     // panBar(0)
constexpr int kStatusBarHeight = 22;   // panBar(1)
constexpr int kMiniLevelSide = 156;
constexpr int kToolPanelHeight = 111;  // panCmdTools
constexpr int kLevelBackLeft = 4;
constexpr int kFirstToolsBackTop = 320;  // the tile palette panel's designed top
constexpr int kToolsScrollTop = 2;       // ScrTools inside panToolsBack
constexpr std::array<int, 4> kStatusFieldWidths{0, 70, 70, 90};
constexpr int kLevelLabelsFrameLeft = 558;  // ShpMisc(5)
constexpr int kLevelNumberWidth = 50;       // txtLevelNum
constexpr int kDropDownWidth = 14;          // cmdDropDown

// A control the layout could not size (the window too small for it) is left out: it keeps the
// place it had, and the next layout tries again.
using LaidOut = std::optional<LayoutRect>;

struct MainWindowLayout {
  LaidOut MiniLevel;
  LaidOut LevelBack;
  LaidOut CmdTools;    // panCmdTools
  LaidOut ToolsBack;   // panToolsBack
  // ShpMisc(0) to (3): around LevelBack, MiniLevel, panCmdTools and panToolsBack.
  std::array<LaidOut, 4> Frames;
  std::optional<int> ToolsFrameHeight;   // panToolsFrame
  std::optional<int> ToolsScrollHeight;  // ScrTools
  // StatusText(0) to (3) in the status bar; only Left and Width are laid out.
  std::array<LaidOut, 4> StatusFields;
  // In the tool bar, only Left and Width are laid out.
  LaidOut LevelLabelsFrame;  // ShpMisc(5)
  LaidOut LevelTitle;        // txtLevel
  LaidOut LevelNumber;       // txtLevelNum
  LaidOut DropDown;          // cmdDropDown
};

// The level roll-down as it drops, as wide as the load dialog's level list: its right edge 3 pixels
// right of the level labels' right end and its top 4 above the title's (`title` and the number's
// width as the layout left them), its height the window's divided by 1.2.
LayoutRect LevelRollDownArea(const LayoutRect& title, int numberWidth, int windowHeight);

// The layout of a client area `width` x `height`. The tile palette panel's height is computed from
// the top it had before (`toolsBackTop`, kFirstToolsBackTop the first time), so the first layout
// makes it a few pixels taller than every later one.
MainWindowLayout LayOutMainWindow(int width, int height, int toolsBackTop);

}  // namespace brolt::editor
