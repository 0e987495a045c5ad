#include "editor/model/message_box.h"

#include <gtest/gtest.h>

#include <string>

#include "editor/support/scripted_dialogs.h"
#include "editor/model/editor.h"
#include "editor/model/error_report.h"

namespace brolt::editor {
namespace {

TEST(ButtonLayoutFor, EachSetKeepsItsPlacesAnswersAndKeys) {
  const struct {
    ButtonSet set;
    std::array<std::string, 3> captions;
    int enter;
    int close;
  } cases[] = {
      {ButtonSet::OK, {"", "OK", ""}, 1, 1},
      {ButtonSet::YesNo, {"", "Yes", "No"}, 1, 2},
      {ButtonSet::OKCancel, {"", "OK", "Cancel"}, 1, 2},
      {ButtonSet::YesNoCancel, {"Yes", "No", "Cancel"}, 0, 2},
  };
  for (const auto& c : cases) {
    const ButtonLayout layout = ButtonLayoutFor(c.set);
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(layout.captions[i], c.captions[i]) << c.captions[1] << i;
    EXPECT_EQ(layout.defaultButton, c.enter) << c.captions[1];
    EXPECT_EQ(CloseAnswer(c.set), c.close) << c.captions[1];
  }
}

class IconDialogs : public testing::ScriptedDialogs {
 public:
  std::vector<bool> icon;
  void ShowErrorIcon(bool visible) override { icon.push_back(visible); }
};

TEST(ShowErrorMessage, ReportsWithTheErrorPictureAndOneOkButton) {
  Editor editor;
  IconDialogs dialogs;
  editor.ui.dialogs = &dialogs;
  ShowErrorMessage(editor, 76, "Path not found", "The collection was not renamed.");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "ERROR:  Path not found. The collection was not renamed.");
  EXPECT_EQ(dialogs.messages[0].buttons, ButtonSet::OK);
  EXPECT_EQ(dialogs.messages[0].helpKey, "");
  EXPECT_EQ(dialogs.icon, (std::vector<bool>{true, false}));

  ShowErrorMessage(editor, std::runtime_error("disk full"), "Nothing was written.");
  EXPECT_EQ(dialogs.LastMessage(), "ERROR:  disk full. Nothing was written.");
}

TEST(ShowErrorMessage, PassesOverNoErrorAndErrorFourFiftyThree) {
  Editor editor;
  IconDialogs dialogs;
  editor.ui.dialogs = &dialogs;
  for (int number : {0, 453}) ShowErrorMessage(editor, number, "x", "y");
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_TRUE(dialogs.icon.empty());
}

}  // namespace
}  // namespace brolt::editor
