// What the generator ships for the editor: the tile catalogue's rows, the preferences, the empty
// recent list and a help topic for every key the editor asks for.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "common/numeric.h"
#include "tests/tools/content/content_files.h"
#include "tools/content/help/editor_help.h"

namespace brolt::content {
namespace {

using testing::DefinitionsRows;

TEST(EditorContent, TilesetRowsFollowTheCatalogueRules) {
  const std::set<int> turning = {2, 3, 4, 5, 6, 7, 8, 34, 40, 44};
  const auto rows = DefinitionsRows("SELECT Type, \"Desc\", \"Unique\", Rotate, X, Y, Mini FROM Tileset");
  ASSERT_FALSE(rows.empty());
  for (const auto& row : rows) {
    SCOPED_TRACE(row[0] + " " + row[1]);
    const int code = std::stoi(row[0]);
    EXPECT_FALSE(row[1].empty());
    EXPECT_LE(row[1].size(), 27u);
    EXPECT_EQ(row[2], code == 1 ? "-1" : "0") << "only the Thresher is unique";
    EXPECT_EQ(row[3], turning.contains(code) ? "-1" : "0");
    for (int field : {4, 5}) EXPECT_TRUE(std::stoi(row[field]) >= 1 && std::stoi(row[field]) <= 8);
    EXPECT_TRUE(std::stoi(row[6]) >= 0 && std::stoi(row[6]) <= 15);
    if (code == 23) EXPECT_NE(row[1], "Explosive") << "the tile count names code 25 so";
  }
}

TEST(EditorContent, EveryPreferenceHasOneRowWithAValueThatWorks) {
  std::map<std::string, std::string> settings;
  for (const auto& row : DefinitionsRows("SELECT Variable, Value FROM Settings")) {
    EXPECT_TRUE(settings.emplace(row[0], row[1]).second) << "two rows for " << row[0];
  }
  const std::map<std::string, std::string> expected = {
      {"graphicspath", "/Graphics/"},
      {"levelspath", "/Levels/"},
      {"len", "10101"},
      {"undomax", "20"},
      {"tilewidth", "20"},
      {"fadeinspeed", "15"},
      {"miniwidth", "150"},
      {"levelname", "Untitled"},
      {"default levelname", "Untitled"},
      {"formcaption", "Brolt Editor"},
      {"windoww", "632"},
      {"windowh", "532"},
      {"windowstate", "0"},
      {"centerwindow", "0"},
      {"tool", "1"},
  };
  for (const auto& [key, value] : expected) EXPECT_EQ(settings[key], value) << key;
  for (const char* key : {"tilesetimagefile", "soundpath", "musicpath", "levelfile", "statusbar", "overwritetiles",
                          "showgrid", "mutemusic", "useprimaryfortilecounter", "lightraddef", "cannonrate",
                          "bordercolor", "gridlight", "griddark", "rndbordercolor", "windowx", "windowy"}) {
    EXPECT_TRUE(settings.contains(key)) << key;
  }
  for (const char* key :
       {"overwritetiles", "showgrid", "mutemusic", "useprimaryfortilecounter", "rndbordercolor", "centerwindow"}) {
    EXPECT_TRUE(settings[key] == "0" || settings[key] == "-1") << key;
  }
  const int lightRadius = std::stoi(settings["lightraddef"]);
  EXPECT_TRUE((lightRadius >= 3 && lightRadius <= 15) || lightRadius == 20 || lightRadius == 25);
  const int cannonRate = std::stoi(settings["cannonrate"]);
  EXPECT_TRUE(cannonRate >= 0 && cannonRate <= 9) << "one of the preferences dialog's short rates";
  EXPECT_TRUE(settings["levelfile"].ends_with(".lvl"));
  EXPECT_TRUE(std::filesystem::exists(testing::DistFolder() / "Levels" / settings["levelfile"]));
}

TEST(EditorContent, TheRecentListStartsEmpty) {
  EXPECT_TRUE(DefinitionsRows("SELECT \"Index\", File, Level, Title FROM Recent").empty());
}

TEST(EditorContent, EveryHelpKeyHasExactlyOneVisibleTopic) {
  std::map<std::string, int> visible;
  std::set<std::string> headers;
  for (const auto& row : DefinitionsRows("SELECT HelpIndex, Hide, Header, Body FROM EditorHelp")) {
    SCOPED_TRACE(row[0]);
    EXPECT_EQ(row[0], ToLowerAscii(row[0]));
    if (row[1] == "0") ++visible[row[0]];
    EXPECT_TRUE(headers.insert(row[2]).second) << "two topics called " << row[2];
    EXPECT_GE(row[3].size(), 40u) << "a topic says something useful";
  }
  for (std::string_view key : kEditorHelpKeys) EXPECT_EQ(visible[std::string(key)], 1) << key;
  EXPECT_EQ(visible.size(), kEditorHelpKeys.size());
}

TEST(ParseEditorHelp, JoinsParagraphsAndRefusesWhatTheHelpWindowCouldNotShow) {
  // One topic per key, "about" first as the key list has it.
  std::string complete;
  for (std::string_view key : kEditorHelpKeys)
    complete += "@ " + std::string(key) + " | Topic " + std::string(key) + "\nText.\n";
  const std::string withoutAbout = complete.substr(complete.find("@ button_cancel"));
  const std::vector<HelpTopic> topics = ParseEditorHelp(
      "# a comment\n@ about | About\nOne line\nand its end.\n\nSecond paragraph.\n- an item\n- <Topic help>\n\n" +
      withoutAbout);
  EXPECT_EQ(topics.front().body, "One line and its end.\r\n\r\nSecond paragraph.\r\n- an item\r\n- <Topic help>");

  struct Case {
    const char* name;
    std::string text;
  };
  const Case refused[] = {
      {"a key of its own", complete + "@ unknown | Unknown\nText.\n"},
      {"a key twice", complete + "@ about | About again\nText.\n"},
      {"a header twice", "@ about | Topic zoom\nText.\n" + withoutAbout},
      {"a topic without text", "@ about | About\n" + withoutAbout},
      {"a link to no topic", "@ about | About\nSee <Nowhere>.\n" + withoutAbout},
      {"a key without a topic", withoutAbout},
      {"text before the first topic", "stray\n" + complete},
  };
  for (const Case& c : refused) EXPECT_THROW(ParseEditorHelp(c.text), std::runtime_error) << c.name;
}

}  // namespace
}  // namespace brolt::content
