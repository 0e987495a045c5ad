#include <gtest/gtest.h>
#include <unistd.h>

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/tools/content/content_files.h"
#include "tools/content/database/definitions_database.h"
#include "tools/content/database/tile_catalogue.h"
#include "tools/content/help/markup_text.h"

namespace brolt::content {
namespace {

using testing::DistFolder;

using testing::DefinitionsRows;

TEST(DefinitionsDatabase, TheGameSettingsHoldEveryKeyTheGameReadsWithSensibleValues) {
  std::map<std::string, std::string> settings;
  for (const auto& row : DefinitionsRows("SELECT Variable, Value FROM KARVEL")) settings[row[0]] = row[1];
  for (const char* key : {"gamespeed", "musicvolume", "soundvolume", "levelcollection", "packfile", "ShowBG", "congrats"}) {
    EXPECT_TRUE(settings.count(key)) << key;
  }
  EXPECT_FALSE(settings.count("brenwick")) << "the developer switch must not ship";
  int speed = std::stoi(settings["gamespeed"]);
  EXPECT_TRUE(speed >= 5 && speed <= 9);
  for (const char* volume : {"musicvolume", "soundvolume"}) {
    int level = std::stoi(settings[volume]);
    EXPECT_TRUE(level >= 0 && level <= 100 && level % 5 == 0) << volume;
  }
  EXPECT_TRUE(std::filesystem::exists(DistFolder() / "Levels" / settings["levelcollection"]));
  EXPECT_EQ(settings["packfile"], "Brolt.pak");
  EXPECT_TRUE(MarkupFits(settings["congrats"], kCongratsLines));
  EXPECT_TRUE(IsDrawableText(settings["congrats"]));
}

TEST(DefinitionsDatabase, EveryHelpPageFitsItsScreenAndShowsDefinedObjects) {
  const std::set<int> defined = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 20,
                                 21, 22, 23, 24, 25, 29, 30, 34, 39, 40, 44, 45, 50, 51, 52, 53, 54, 55, 56,
                                 57, 58, 59, 60, 61, 62, 63, 64, 70, 71, 72, 73, 74, 95, 96, 97, 98, 99};
  auto pages = DefinitionsRows("SELECT HEADER, BODY, ICONS FROM KARVELHELP");
  ASSERT_GE(pages.size(), 8u);
  for (const auto& page : pages) {
    SCOPED_TRACE(page[0]);
    EXPECT_TRUE(IsDrawableText(page[0]) && IsDrawableText(page[1]));
    EXPECT_TRUE(MarkupFits(page[1], kHelpBodyLines));
    std::stringstream icons(page[2]);
    std::string item;
    int count = 0;
    while (std::getline(icons, item, ',')) {
      ++count;
      EXPECT_TRUE(defined.count(std::stoi(item))) << "icon " << item;
    }
    EXPECT_GE(count, 1);
    EXPECT_LE(count, 12) << "more pictures than the row has room for";
  }
}

TEST(DefinitionsDatabase, TheTileCatalogueMatchesItsDataAndThePicture) {
  std::vector<TileRow> tiles =
      ParseTileCatalogue(testing::FileBytes(testing::ContentData() / "tiles.txt"));
  auto rows = DefinitionsRows("SELECT Type, \"Desc\", \"Unique\", Rotate, X, Y, Mini, Explosive FROM Tileset");
  ASSERT_EQ(rows.size(), tiles.size());
  std::set<std::pair<int, int>> places;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(std::stoi(rows[i][0]), tiles[i].code);
    EXPECT_EQ(rows[i][1], tiles[i].description);
    int x = std::stoi(rows[i][4]), y = std::stoi(rows[i][5]);
    EXPECT_TRUE(x >= 1 && x <= 8 && y >= 1 && y <= 8);
    EXPECT_TRUE(places.insert({x, y}).second) << "two tiles share a picture";
    EXPECT_TRUE(rows[i][2] == "0" || rows[i][2] == "-1");
  }
  auto unique = DefinitionsRows("SELECT Type FROM Tileset WHERE \"Unique\" = -1");
  ASSERT_EQ(unique.size(), 1u);
  EXPECT_EQ(unique[0][0], "1");  // only the Thresher
}

TEST(DefinitionsDatabase, AHelpPageThatCannotBeShownStopsTheWriteAndLeavesNothingBehind) {
  std::filesystem::path file = std::filesystem::temp_directory_path() / ("brolt_define_" + std::to_string(::getpid()));
  const std::string tables =
      "CREATE TABLE KARVEL (Variable TEXT, Value);"
      "INSERT INTO KARVEL VALUES ('congrats', 'Well done.');"
      "CREATE TABLE KARVELHELP (HEADER TEXT, BODY TEXT, ICONS TEXT);"
      "CREATE TABLE Tileset (Type, \"Desc\", \"Unique\", Rotate, X, Y, Mini, Explosive);"
      "CREATE TABLE EditorHelp (Header, Body, Hide, HelpIndex);";
  const std::string tooLong = std::string(20, ' ') + [] {
    std::string words;
    for (int i = 0; i < 300; ++i) words += "word ";
    return words;
  }();
  for (const std::string& body : {std::string("semi;colons have no glyph"), tooLong}) {
    std::string script = tables + "INSERT INTO KARVELHELP VALUES ('Page', '" + body + "', '1');";
    EXPECT_THROW(WriteDefinitionsDatabase(file, script, {}, {}), std::runtime_error);
    EXPECT_FALSE(std::filesystem::exists(file));
    std::filesystem::path work = file;
    work += ".new";
    EXPECT_FALSE(std::filesystem::exists(work));
  }
  WriteDefinitionsDatabase(file, tables + "INSERT INTO KARVELHELP VALUES ('Page', 'Fine.', '1');", {}, {});
  EXPECT_TRUE(std::filesystem::exists(file));
  std::filesystem::remove(file);
}

TEST(MarkupText, LinesBreakAtSixtyCharactersAndLongWordsAreCut) {
  EXPECT_EQ(WrapMarkupText(std::string(60, 'A')).front(), std::string(60, 'A'));
  std::vector<std::string> cut = WrapMarkupText(std::string(61, 'A'));
  ASSERT_GE(cut.size(), 2u);
  EXPECT_EQ(cut[0], std::string(60, 'A'));
  EXPECT_EQ(cut[1], "A");
  std::vector<std::string> words = WrapMarkupText("Use {UP} and {DOWN} to flip pages");
  EXPECT_EQ(words.front(), "Use {UP} and {DOWN} to flip pages");
}

TEST(MarkupText, ATextFitsOnlyWhenEveryCharacterIsDrawnWithinItsLines) {
  std::string sentence = "The quick brown Thresher digs under the lazy rock. ";
  std::string text;
  for (int i = 0; i < 4; ++i) text += sentence;
  EXPECT_TRUE(MarkupFits(text, 15));
  EXPECT_FALSE(MarkupFits(text, 2));
  // Words of 31 letters go one to a line, half wasted: more lines than the drawing allows.
  std::string crowded;
  for (int i = 0; i < 6; ++i) crowded += std::string(31, 'W') + " ";
  EXPECT_FALSE(MarkupFits(crowded, 50));
}

TEST(MarkupText, OnlyTheFontsCharactersAreDrawable) {
  EXPECT_TRUE(IsDrawableText("Press {F1} for help: 100% (really)!"));
  EXPECT_FALSE(IsDrawableText("a_b"));
  EXPECT_FALSE(IsDrawableText("semi;colon"));
  EXPECT_FALSE(IsDrawableText("\"quoted\""));
}

}  // namespace
}  // namespace brolt::content
