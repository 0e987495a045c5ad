#include "game/core/start_up/start_up_choices.h"

#include <gtest/gtest.h>

#include "support/fixed_random.h"
#include "support/test_game.h"

namespace brolt {
namespace {

TEST(StartUpCommandLine, ACollectionNameStartsAPreview) {
  EXPECT_EQ(ReadCommandLine("previewplay.tmp").collection, "previewplay.tmp");
  EXPECT_FALSE(ReadCommandLine("previewplay.tmp").offeredPack);
  EXPECT_EQ(ReadCommandLine("").collection, "");
  EXPECT_EQ(ReadCommandLine("a.b").collection, "a.b");  // too short to hold a pack name
}

TEST(StartUpCommandLine, AQuotedPackPathOffersItsFileName) {
  CommandLineRequest request = ReadCommandLine("\"C:\\Games\\Brolt\\Shiny.PAK\"");
  EXPECT_EQ(request.collection, "");
  ASSERT_TRUE(request.offeredPack);
  EXPECT_EQ(*request.offeredPack, "Shiny.PAK");
  EXPECT_EQ(*ReadCommandLine("\"/home/me/brolt/new.pak\"").offeredPack, "new.pak");
}

TEST(StartUpCommandLine, APackPathWithoutAFolderOffersNothingButIsNoPreview) {
  CommandLineRequest request = ReadCommandLine("\"new.pak\"");
  EXPECT_EQ(request.collection, "");
  EXPECT_FALSE(request.offeredPack);
}

TEST(StartUpCommandLine, APackPathWithoutTheClosingQuoteIsACollectionName) {
  CommandLineRequest request = ReadCommandLine("/games/new.pak");
  EXPECT_EQ(request.collection, "/games/new.pak");
  EXPECT_FALSE(request.offeredPack);
}

TEST(StartUpChoices, AnyReasonForAWindowGivesOne) {
  EXPECT_FALSE(ChooseWindowed(false, "", true));
  EXPECT_TRUE(ChooseWindowed(true, "", true));
  EXPECT_TRUE(ChooseWindowed(false, "x.pak\"", true));
  EXPECT_TRUE(ChooseWindowed(false, "", false));
}

TEST(StartUpChoices, MenuColourPartsStayInTheirTonesRanges) {
  testing::TestRandom random(3);
  for (int i = 0; i < 2000; ++i) {
    const std::uint32_t colour = ChooseMenuColour(random);
    const int red = colour & 0xFF, green = (colour >> 8) & 0xFF, blue = (colour >> 16) & 0xFF;
    ASSERT_GE(red, 50);
    ASSERT_LE(red, 200);
    ASSERT_GE(green, 50);
    ASSERT_LE(green, 250);
    ASSERT_GE(blue, 50);
    ASSERT_LE(blue, 250);
  }
  testing::TestRandom light;
  light.Script({0.9, 1.0 - 1e-12, 0.0, 1.0 - 1e-12});  // the light tone: blue 250, green 150, red 200
  EXPECT_EQ(ChooseMenuColour(light), 200u | (150u << 8) | (250u << 16));
}

}  // namespace
}  // namespace brolt
