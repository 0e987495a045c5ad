#include "game/presentation/screens/help_screen.h"

#include <gtest/gtest.h>

#include "game/core/files/definitions.h"
#include "game/presentation/text/screen_colours.h"
#include "screen_fixture.h"

namespace brolt {
namespace {

class HelpScreenTest : public testing::ScreenFixture {
 protected:
  void OpenPages(const std::string& helpRows) {
    CreateDatabase("insert into KARVEL values ('gamespeed', 6);", helpRows);
    OpenDefinitionsDatabase(game);
    game.flags.ShowingHelp = true;
  }
  void OpenThreePages() {
    OpenPages("insert into KARVELHELP values ('Moving', 'Use the {arrows}', '1');"
              "insert into KARVELHELP values ('Rocks', 'They fall', '20,21');"
              "insert into KARVELHELP values ('Exits', 'Leave here', '9');");
  }

  void Frame() {
    drawing.Clear();
    calls.clear();
    DrawHelpScreen(game);
    ReleaseKeys();
  }
  void FrameWith(int key) {
    Press(key);
    Frame();
  }

  std::string Page() const {
    for (const testing::TextCall& call : drawing.texts)
      if (call.text.rfind("page ", 0) == 0) return call.text;
    return "";
  }
};

TEST_F(HelpScreenTest, ShowsThePageOverTheMenuBackdrop) {
  OpenThreePages();
  Frame();
  EXPECT_EQ(calls, (testing::CallLog{"DrawMenuBackground"}));
  EXPECT_EQ(Drawn("paused")->colour, kOrangeText);
  EXPECT_EQ(Page(), "page 1 of 3");
  const testing::TextCall& header = *Drawn("Moving");
  EXPECT_EQ(std::make_tuple(header.y, header.size, header.colour), std::make_tuple(160, 12, kOrangeText));
  EXPECT_EQ(Drawn("Use the       ")->y, 200);  // the body's normal layer
  ASSERT_EQ(drawing.quads.size(), 1u);  // the picture of the Thresher
  EXPECT_EQ(drawing.quads[0].y, 110.0f);

  game.flags.InMenu = true;
  Frame();
  EXPECT_TRUE(Shows("help"));
  EXPECT_FALSE(Shows("paused"));
}

TEST_F(HelpScreenTest, UpAndDownTurnThePagesWithinTheTable) {
  OpenThreePages();
  FrameWith(scan::Up);
  EXPECT_EQ(Page(), "page 1 of 3");
  EXPECT_FALSE(Moved());
  FrameWith(scan::Down);
  EXPECT_TRUE(Moved());
  Frame();
  EXPECT_EQ(Page(), "page 2 of 3");
  EXPECT_TRUE(Shows("Rocks"));
  EXPECT_EQ(drawing.quads.size(), 2u);
  FrameWith(scan::Down);
  EXPECT_TRUE(Moved());
  FrameWith(scan::Down);
  EXPECT_FALSE(Moved());
  Frame();
  EXPECT_EQ(Page(), "page 3 of 3");
  EXPECT_TRUE(Shows("Exits"));

  // A key held past its first frame waits for its repeat.
  game.keys.KeyDown[scan::Up] = 4;
  Frame();
  EXPECT_EQ(Page(), "page 3 of 3");
}

TEST_F(HelpScreenTest, EscapeLeavesAndThePageIsKeptForTheNextVisit) {
  OpenThreePages();
  FrameWith(scan::Down);
  game.timing.GetReadyCount = 1;
  FrameWith(scan::Escape);
  EXPECT_FALSE(game.flags.ShowingHelp);
  EXPECT_EQ(game.timing.GetReadyCount, 0);  // the tick counters start again
  game.flags.ShowingHelp = true;
  Frame();
  EXPECT_EQ(Page(), "page 2 of 3");
}

TEST_F(HelpScreenTest, AnEmptyTableShowsOnlyTheTitlePageLineAndHints) {
  OpenPages("");
  FrameWith(scan::Down);
  EXPECT_FALSE(Moved());
  EXPECT_TRUE(drawing.quads.empty());
  // The hints are markup: each line is drawn as its normal and its highlight layer.
  EXPECT_EQ(Texts(), (std::vector<std::string>{"paused", "page 0 of 0", "Use    and      to flip pages",
                                               "    UP     DOWN              ", "Press        to go back",
                                               "      escape           "}));
}

}  // namespace
}  // namespace brolt
