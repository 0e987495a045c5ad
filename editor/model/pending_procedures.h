#pragma once
// Procedures of the start-up and of undo whose owners are building them now, under their final
// names and signatures. Each body here is empty, or as small as its callers need, and is completed
// later by its owner; the entry goes when the owner's work lands.
#include <cstdint>

#include "editor/model/editor.h"

namespace brolt::editor {

// The tile catalogue from table Tileset, the turned tileset pictures and the tile palette.
void LoadTileDefinitions(Editor& editor);

// The view: zoom in pixels per cell, the view origin (clamped to at least 0), the grid lines.
void SetZoom(Editor& editor, int zoom);
void ScrollTo(Editor& editor, std::int16_t& x, std::int16_t& y);
void DrawGrid(Editor& editor);

// The tools: the current tool with the primary or secondary tile, and the saturation in percent.
void SelectTool(Editor& editor, int tool, int tile, bool secondary);
void SetSaturation(Editor& editor, int percent);

// Places every selection marker on its cell at the current zoom.
void DrawSelectionBoxes(Editor& editor);

// Puts the state of an undo slot on the map and redraws what changed, with the minimap, the
// selection marks and the tile counter.
void RedrawChangedCells(Editor& editor, int slot);

// The main window's border and grid colours.
void PaintBorders(Editor& editor);

// The help topics' recordset, kept open for the whole run.
void OpenHelpRecordset(Editor& editor);

// The File menu's recent levels, and the level labels of the main window.
void RefreshRecentMenu(Editor& editor);
void UpdateLevelCaption(Editor& editor);

// Deletes the collection files whose first record is empty, and lists the collections of the
// levels folder, leading the designer to make one when there is none.
void PurgeEmptyCollectionFiles(Editor& editor);
void ListCollectionFiles(Editor& editor, bool quiet, bool showHelp);

}  // namespace brolt::editor
