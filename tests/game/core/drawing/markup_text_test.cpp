#include "game/core/drawing/markup_text.h"

#include <gtest/gtest.h>

#include "game/core/state/game.h"
#include "support/recording_drawing.h"

namespace brolt {
namespace {

constexpr std::uint32_t kNormal = 0x112233, kHighlight = 0x445566;

class MarkupTextTest : public ::testing::Test {
 protected:
  MarkupTextTest() { game.services.drawing = &drawing; }

  // The lines drawn as (y, colour, text).
  std::vector<std::tuple<int, std::uint32_t, std::string>> Drawn() const {
    std::vector<std::tuple<int, std::uint32_t, std::string>> lines;
    for (const auto& call : drawing.texts) lines.emplace_back(call.y, call.colour, call.text);
    return lines;
  }

  Game game;
  testing::RecordingDrawing drawing;
};

// The two layers of a line have the same length, so both centre to the same x.
TEST_F(MarkupTextTest, DrawsBothLayersCentredInTheirColours) {
  DrawMarkupText(game, "  Use {UP} and {DOWN} to flip pages  ", 450, kNormal, kHighlight);
  ASSERT_EQ(drawing.texts.size(), 2u);
  EXPECT_EQ(drawing.texts[0].text, "Use    and      to flip pages");
  EXPECT_EQ(drawing.texts[0].colour, kNormal);
  EXPECT_EQ(drawing.texts[1].text, "    UP     DOWN              ");
  EXPECT_EQ(drawing.texts[1].colour, kHighlight);
  for (const auto& call : drawing.texts) {
    EXPECT_EQ(call.x, 0);
    EXPECT_EQ(call.y, 450);
    EXPECT_EQ(call.size, 10);
    EXPECT_EQ(call.angle + call.wave + call.sizeWave, 0);
  }
}

TEST_F(MarkupTextTest, WrapsAtWordsAndBreaksOnlyWordsLongerThanALine) {
  std::string sixty(60, 'a');
  DrawMarkupText(game, sixty, 100, kNormal, kHighlight);
  EXPECT_EQ(Drawn(), (decltype(Drawn()){{100, kNormal, sixty}}));

  drawing.Clear();
  DrawMarkupText(game, sixty + "b", 100, kNormal, kHighlight);
  EXPECT_EQ(Drawn(), (decltype(Drawn()){{100, kNormal, sixty}, {115, kNormal, "b"}}));

  drawing.Clear();
  std::string hellos;
  for (int i = 0; i < 12; ++i) hellos += (i ? " hello" : "hello");
  DrawMarkupText(game, hellos, 0, kNormal, kHighlight);
  EXPECT_EQ(Drawn(), (decltype(Drawn()){{0, kNormal, hellos.substr(0, 59)}, {15, kNormal, "hello hello"}}));
}

TEST_F(MarkupTextTest, DrawsNoMoreLinesThanTheLengthAllows) {
  std::vector<std::string> words;
  std::string text;
  for (char c = 'a'; c < 'f'; ++c) {
    words.emplace_back(40, c);
    text += (text.empty() ? "" : " ") + words.back();
  }
  DrawMarkupText(game, text, 0, kNormal, kHighlight);
  // 205 characters allow four lines; the fifth word is left out.
  EXPECT_EQ(Drawn(), (decltype(Drawn()){{0, kNormal, words[0]}, {15, kNormal, words[1]},
                                          {30, kNormal, words[2]}, {45, kNormal, words[3]}}));
}

TEST_F(MarkupTextTest, OpenBraceHighlightsFollowingLinesUntilClosed) {
  std::string word(9, 'w');
  std::string text;
  for (int i = 1; i <= 18; ++i) {
    std::string w = i == 6 ? "{" + word.substr(1) : i == 13 ? word.substr(1) + "}" : word;
    text += (i > 1 ? " " : "") + w;
  }
  DrawMarkupText(game, text, 0, kNormal, kHighlight);
  std::string fiveWords = word + " " + word + " " + word + " " + word + " " + word;
  std::string sixWords = fiveWords + " " + word;
  std::string blanks(8, ' ');
  EXPECT_EQ(Drawn(), (decltype(Drawn()){
                         {0, kNormal, fiveWords + " " + blanks},
                         {0, kHighlight, std::string(50, ' ') + word.substr(1)},
                         {15, kNormal, std::string(59, ' ')},
                         {15, kHighlight, sixWords},
                         {30, kNormal, blanks + " " + fiveWords},
                         {30, kHighlight, word.substr(1) + std::string(50, ' ')},
                     }));
}

TEST_F(MarkupTextTest, EveryTextStartsOutsideBraces) {
  DrawMarkupText(game, "left {open", 0, kNormal, kHighlight);
  drawing.Clear();
  DrawMarkupText(game, "plain", 0, kNormal, kHighlight);
  EXPECT_EQ(Drawn(), (decltype(Drawn()){{0, kNormal, "plain"}}));
}

}  // namespace
}  // namespace brolt
