#include "editor/model/about_text.h"

#include <gtest/gtest.h>

#include "common/test_database.h"
#include "support/temp_folder.h"

namespace brolt::editor {
namespace {

TEST(AboutTextTest, TakesOnlyTheTopicKeyedExactlyAbout) {
  struct Case {
    const char* rows;
    const char* text;
  };
  for (const Case& c : {Case{"('About', 'Capital'), ('about', 'Small'), ('about', 'Second')", "Small"},
                        Case{"('About', 'Capital'), ('about ', 'Spaced')", kAboutDesignText},
                        Case{"('index', 'Index')", kAboutDesignText}}) {
    testing::TempFolder folder;
    {
      testing::RawDatabase raw(folder / "Define.qdm");
      raw.Execute("CREATE TABLE EditorHelp (HelpIndex, Body)");
      raw.Execute(std::string("INSERT INTO EditorHelp VALUES ") + c.rows);
    }
    Database database(folder / "Define.qdm");
    EXPECT_EQ(ReadAboutText(&database), c.text) << c.rows;
  }
}

TEST(AboutTextTest, WithoutAHelpTableTheDesignTextStays) {
  testing::TempFolder folder;
  testing::RawDatabase(folder / "Define.qdm").Execute("CREATE TABLE Other (x)");
  Database database(folder / "Define.qdm");
  EXPECT_EQ(ReadAboutText(&database), kAboutDesignText);
  EXPECT_EQ(ReadAboutText(nullptr), kAboutDesignText);
}

}  // namespace
}  // namespace brolt::editor
