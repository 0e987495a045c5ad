#pragma once
// The editor's preferences: rows of table Settings, read once at start-up and written back at exit.
// Boolean rows are stored inverted: -1 means off, 0 means on.
#include <cstdint>
#include <string>

namespace brolt::editor {

// The main window's placement as the preferences restore and store it.
struct WindowPlacement {
  int Left = 0;
  int Top = 0;
  int Width = 632;
  int Height = 532;
  int WindowState = 0;  // 0 normal, 1 minimised, 2 maximised
};

struct Preferences {
  std::string TilesetImageFile;
  std::string GraphicsPath = "/Graphics/";
  std::string SoundPath;
  std::string MusicPath;
  std::string LevelsPath = "/Levels/";
  bool OverwriteTiles = false;
  std::string LevelFile;
  std::int16_t FadeInSpeed = 15;
  std::int16_t UndoMax = 20;
  std::string GridDark = "0,0,0";
  std::string GridLight = "0,0,0";
  std::string BorderColor = "0,0,0";
  bool RandomBorderColors = false;
  std::int16_t ZoomPreference = 20;
  float TileSize = 20;
  std::int32_t RecordLength = 10101;
  std::string FormCaption = "Brolt Editor";
  std::string LevelTitle = "Untitled";
  std::string DefaultLevelTitle = "Untitled";
  bool CenterWindow = false;
  std::int16_t MiniWidth = 150;
  std::int16_t CurrentTool = 1;
  std::string StatusBarText;
  std::int16_t LightRadiusDefault = 5;
  bool ShowGrid = true;
  std::int16_t CannonRateDefault = 0;
  bool MuteMusic = false;
  bool UsePrimaryForCounter = false;
  WindowPlacement Window;
};

}  // namespace brolt::editor
