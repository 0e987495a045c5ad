#include "game/core/interfaces/window_keys.h"

#include <gtest/gtest.h>

#include "support/test_game.h"

namespace brolt {
namespace {

using testing::TestGame;

class WindowKeysTest : public ::testing::Test {
 protected:
  // Whether the key click was queued since the last look.
  bool Clicked() {
    SoundRequest& click = t.game.sounds.Entries[KEYBOARD_INPUT];
    const bool queued = click.Flag;
    ResetSoundRequest(click);
    return queued;
  }
  TestGame t;
};

TEST_F(WindowKeysTest, TheNameTakesFiveLettersDigitsOrSpacesWithAClickForEachChange) {
  t.game.flags.NameEntry = true;
  for (int key : {int{'A'}, int{'7'}, window_key::Space, int{'Z'}, int{'0'}}) {
    Form_KeyDown(t.game, key);
    EXPECT_TRUE(Clicked()) << key;
  }
  EXPECT_EQ(t.game.collection.PlayerName, "A7 Z0");
  Form_KeyDown(t.game, 'Q');  // a sixth character
  EXPECT_FALSE(Clicked());
  EXPECT_EQ(t.game.collection.PlayerName, "A7 Z0");
  for (int i = 0; i < 5; ++i) {
    Form_KeyDown(t.game, window_key::Backspace);
    EXPECT_TRUE(Clicked());
  }
  EXPECT_EQ(t.game.collection.PlayerName, "");
  Form_KeyDown(t.game, window_key::Backspace);
  Form_KeyDown(t.game, 27);  // Escape is no name character
  Form_KeyDown(t.game, 96);  // nor a key-pad digit
  EXPECT_FALSE(Clicked());
  EXPECT_EQ(t.game.collection.PlayerName, "");
}

TEST_F(WindowKeysTest, OutsideTheNameEntryKeysTypeNothingButAnyEndsTheCredits) {
  Form_KeyDown(t.game, 'A');
  EXPECT_EQ(t.game.collection.PlayerName, "");
  EXPECT_FALSE(Clicked());
  EXPECT_FALSE(t.game.flags.QuitRequested);
  t.game.flags.ExitOnKey = true;
  Form_KeyDown(t.game, 0);
  EXPECT_TRUE(t.game.flags.QuitRequested);
}

TEST_F(WindowKeysTest, AnyKeyReleaseEndsThePushAndFreesTheSwitches) {
  t.game.player.PushFrames = 7;
  t.game.player.SwitchLatch = true;
  Form_KeyUp(t.game, 'X');
  EXPECT_EQ(t.game.player.PushFrames, 0);
  EXPECT_FALSE(t.game.player.SwitchLatch);
}

}  // namespace
}  // namespace brolt
