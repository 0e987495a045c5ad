#include "game/presentation/screens/congrats_screen.h"

#include <gtest/gtest.h>

#include "common/level_record.h"
#include "game/core/files/definitions.h"
#include "game/core/files/help_pages.h"
#include "game/presentation/text/screen_colours.h"
#include "screen_fixture.h"

namespace brolt {
namespace {

class CongratsScreenTest : public testing::ScreenFixture {
 protected:
  CongratsScreenTest() {
    game.flags.InMenu = true;
    game.flags.GameEnd = true;
  }

  void Open(const std::string& settingsRows) {
    CreateDatabase(settingsRows, "insert into KARVELHELP values ('Moving', 'Use the arrows', '1');"
                                 "insert into KARVELHELP values ('Rocks', 'They fall', '20');");
    OpenDefinitionsDatabase(game);
  }

  // A compiled one-level collection whose tag record holds `endText`.
  void Collection(const std::string& endText) {
    LevelRecord level = testing::PlainLevel();
    level.compiledMarker = "ZQ";
    SelectCollection("set.clvl", {EncodeLevelRecord(level), EncodeTagRecord("intro", endText)});
  }

  void Frame() {
    drawing.Clear();
    calls.clear();
    DrawCongratsScreen(game);
    ReleaseKeys();
  }

  // The texts drawn at height y.
  std::vector<std::string> TextsAt(std::int16_t y) const {
    std::vector<std::string> texts;
    for (const testing::TextCall& call : drawing.texts)
      if (call.y == y) texts.push_back(call.text);
    return texts;
  }
};

TEST_F(CongratsScreenTest, TheCollectionsEndTextComesFirst) {
  Open("insert into KARVEL values ('congrats', 'All levels done');");
  Collection("The end of the set");
  Frame();
  EXPECT_EQ(calls, (testing::CallLog{"DrawFadeOverlay(100,100)"}));
  EXPECT_EQ(TextsAt(150), (std::vector<std::string>{"The end of the set"}));
  EXPECT_TRUE(TextsAt(200).empty());
  EXPECT_EQ(Drawn("thank you")->colour, kPaleYellowText);
  EXPECT_EQ(Drawn("for playing brenwick brolt")->y, 50);
  // The invitation names the game and no address.
  const std::vector<std::string> invitation = TextsAt(455);
  ASSERT_EQ(invitation.size(), 2u);
  EXPECT_NE(invitation[1].find("Brenwick Brolt"), std::string::npos);
  EXPECT_EQ(invitation[0].find("www"), std::string::npos);
  EXPECT_EQ(invitation[0].find("http"), std::string::npos);
}

TEST_F(CongratsScreenTest, WithoutAnEndTextTheGamesOwnTextShows) {
  Open("insert into KARVEL values ('congrats', 'All levels done');");
  Collection("");
  Frame();
  EXPECT_EQ(TextsAt(200), (std::vector<std::string>{"All levels done"}));
}

TEST_F(CongratsScreenTest, WithoutACongratsRowTheTextIsEmpty) {
  Open("insert into KARVEL values ('gamespeed', 6);");
  Collection("");
  Frame();
  for (const std::string& text : TextsAt(200)) EXPECT_EQ(text, "");
  EXPECT_TRUE(Shows("thank you"));
}

TEST_F(CongratsScreenTest, TheRowIsReadOnceEachTimeTheScreenOpens) {
  Open("insert into KARVEL values ('congrats', 'First words');");
  Collection("");
  Frame();
  testing::RawDatabase(DatabaseFile()).Execute("update KARVEL set Value = 'Second words'");
  Frame();
  EXPECT_EQ(TextsAt(200), (std::vector<std::string>{"First words"}));

  Press(scan::Escape);
  Frame();
  EXPECT_FALSE(game.flags.GameEnd);
  game.flags.GameEnd = true;
  Frame();
  EXPECT_EQ(TextsAt(200), (std::vector<std::string>{"Second words"}));
}

TEST_F(CongratsScreenTest, TheHelpPagesWorkAfterwards) {
  Open("insert into KARVEL values ('congrats', 'All levels done');");
  Collection("");
  Frame();
  game.timing.GetReadyCount = 1;
  Press(scan::Escape);
  Frame();
  EXPECT_EQ(game.timing.GetReadyCount, 0);
  EXPECT_EQ(GetRecordCount(game), 2);
  game.definitions.DefineRecordset->SetPosition(1);
  EXPECT_EQ(GetHelpHeader(game), "Rocks");
}

}  // namespace
}  // namespace brolt
