#include "game/presentation/screens/level_complete_screen.h"

#include <gtest/gtest.h>

#include "common/level_record.h"
#include "game/core/interfaces/window_keys.h"
#include "game/presentation/text/screen_colours.h"
#include "screen_fixture.h"

namespace brolt {
namespace {

class LevelCompleteScreenTest : public testing::ScreenFixture {
 protected:
  LevelCompleteScreenTest() {
    game.flags.NameEntry = true;
    game.flags.CurrentLevel = 1;
  }

  // A one-level collection whose level holds `bestTime`, compiled or not.
  void Collection(bool compiled, const std::string& bestTime) {
    LevelRecord level = testing::PlainLevel();
    level.bestTime = bestTime;
    level.openState = '2';
    level.compiledMarker = compiled ? "ZQ" : "";
    SelectCollection(compiled ? "done.clvl" : "done.lvl",
                     {EncodeLevelRecord(level), compiled ? EncodeTagRecord("intro", "end") : ""});
  }

  // The level's own time, as the clock stopped it.
  void Time(int seconds, int milliseconds, const std::string& text) {
    game.timing.LevelSeconds = static_cast<std::int16_t>(seconds);
    game.timing.LevelMs = milliseconds;
    game.timing.ClockText = text;
  }

  void Frame() {
    drawing.Clear();
    DrawLevelCompleteScreen(game);
  }

  bool AsksForTheName() const { return Shows("new time") && Shows("enter your name"); }
  bool JustCompletes() const { return Shows("Level Complete") && Shows("Press Enter") && !Shows("new time"); }
};

TEST_F(LevelCompleteScreenTest, OnlyABetterTimeOfACompiledCollectionIsANewBest) {
  Collection(true, "00:07.56 ");
  Time(7, 550, "00:07.55");
  Frame();
  EXPECT_TRUE(AsksForTheName());
  EXPECT_TRUE(IsNewBestTime(game));

  Time(7, 560, "00:07.56");  // a tie
  Frame();
  EXPECT_TRUE(JustCompletes());
  EXPECT_EQ(Drawn("00:07.56")->y, 150);

  Collection(true, "00:00:00 ");  // no time stored yet
  Frame();
  EXPECT_TRUE(AsksForTheName());

  Collection(false, "00:00:00 ");
  Time(1, 0, "00:01.00");
  Frame();
  EXPECT_TRUE(JustCompletes());
  EXPECT_FALSE(IsNewBestTime(game));
}

TEST_F(LevelCompleteScreenTest, TheTypedNameShowsInItsFrameUpToFiveCharacters) {
  Collection(true, "00:00:00 ");
  for (int key : {int{'B'}, int{'R'}, int{'X'}, window_key::Backspace, int{'O'}, int{'L'}, int{'T'}, int{'Z'}})
    Form_KeyDown(game, key);
  Frame();
  ASSERT_TRUE(Shows("BROLT"));
  const testing::TextCall& name = *Drawn("BROLT");
  EXPECT_EQ(std::make_tuple(name.y, name.size, name.wave, name.colour),
            std::make_tuple(300, 20, 3, Rgb(205, 255, 205)));
  // Dashes above, beside and below the name.
  EXPECT_EQ(Drawn("-     -")->y, 300);
  const std::vector<std::string> texts = Texts();
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "-------"), 2);
}

TEST_F(LevelCompleteScreenTest, TheLightClosesInWhileTheScreenShows) {
  Collection(false, "00:00:00 ");
  game.level.LightRadiusTarget = 126;
  Frame();
  EXPECT_EQ(game.level.LightRadiusTarget, 5);
}

}  // namespace
}  // namespace brolt
