#pragma once
// The editor's help topics, kept in data/editor_help.txt and written into table EditorHelp.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace brolt::content {

// Every help key the editor opens a topic by, and "about", which fills the about box. Each has
// exactly one visible topic.
inline constexpr std::array<std::string_view, 90> kEditorHelpKeys = {
    "about", "button_cancel", "button_ok", "cannotcopy", "cannotcreatenewfile", "cannotpaste",
    "cannotpreviewlevel", "cannotsave", "clipboard", "collectioncombo", "color_picker", "color_rgb",
    "color_saturation", "color_shader", "color_triangle", "compile_availablelevels", "compile_comments",
    "compile_congrats", "deletelevelfile", "gettingstarted", "help", "level_cannonrate", "level_lightradius",
    "level_randomcolor", "level_timelimit", "level_title", "level_unidaward", "levelrolldown", "levels",
    "lvlmanage0", "lvlmanage1", "lvlmanage2", "lvlmanage3", "lvlmanage4", "lvlmanage5", "lvlmanage6",
    "lvlmanage7", "lvlmanage8", "lvlmanage9", "lvlmanage10", "lvlmanage11", "lvlmanage_copycolfile",
    "lvlmanage_delete", "lvlmanage_new", "lvlmanage_rename", "minimap", "overwrite", "pastemode",
    "preferences", "prefs_bordercolor", "prefs_centeronscreen", "prefs_chooserandomcolor",
    "prefs_formfadein", "prefs_gridcolor1", "prefs_gridcolor2", "prefs_maximizeeditor", "prefs_mutemusic",
    "preview", "saturation", "selectedtile", "selectedtile2", "shortcuts", "statusbar", "thickness",
    "tilecount", "tilecounter", "tip1", "toolbar", "toolbar0", "toolbar1", "toolbar2", "toolbar3",
    "toolbar4", "toolbar5", "toolbar6", "toolbar7", "toolbar8", "toolbar9", "tools", "tools0", "tools1",
    "tools2", "tools3", "tools4", "tools5", "tools6", "useprimarytilefortilecounter", "whatsnew", "xopastemode",
    "zoom",
};

struct HelpTopic {
  std::string key;     // lower case
  std::string header;  // the topic's title, and the name links use
  std::string body;    // lines end in CR LF
};

// Reads the topics. Throws std::runtime_error naming the line of a topic without a key or header,
// text before the first topic, a key not in kEditorHelpKeys, a key or header given twice, a topic
// without text, a link to a header that no topic has, and a key of the list that has no topic.
std::vector<HelpTopic> ParseEditorHelp(const std::string& text);

}  // namespace brolt::content
