#include "game/core/files/help_pages.h"

#include "game/core/files/definitions.h"
#include "game/core/files/definitions_fixture.h"

namespace brolt {
namespace {

class HelpPagesTest : public testing::DefinitionsFixture {};

TEST_F(HelpPagesTest, OpensOnTheFirstPageAndReadsNullsAsEmpty) {
  CreateDatabase("insert into KARVEL values ('gamespeed', 5);",
                 "insert into KARVELHELP values ('Rocks', 'They {fall}', '20,21');"
                 "insert into KARVELHELP values (null, null, null);");
  OpenDefinitionsDatabase(game);
  EXPECT_EQ(GetRecordCount(game), 2);
  EXPECT_EQ(GetHelpHeader(game), "Rocks");
  EXPECT_EQ(GetHelpBody(game), "They {fall}");
  EXPECT_EQ(GetHelpIcons(game), "20,21");
  game.definitions.DefineRecordset->SetPosition(1);
  EXPECT_EQ(GetHelpHeader(game), "");
  EXPECT_EQ(GetHelpBody(game), "");
  EXPECT_EQ(GetHelpIcons(game), "");
}

TEST_F(HelpPagesTest, EmptyHelpTableGivesNoPages) {
  CreateDatabase("");
  OpenDefinitionsDatabase(game);
  EXPECT_EQ(GetRecordCount(game), 0);
  EXPECT_EQ(GetHelpHeader(game), "");
  EXPECT_EQ(GetHelpBody(game), "");
}

TEST_F(HelpPagesTest, UnusableDatabaseIsReportedByName) {
  auto expectReported = [&] {
    try {
      OpenDefinitionsDatabase(game);
      FAIL() << "opened an unusable database";
    } catch (const DatabaseError& error) {
      EXPECT_NE(std::string(error.what()).find(DatabaseFile().string()), std::string::npos) << error.what();
    }
  };
  expectReported();
  // The file exists now but has no help table.
  testing::RawDatabase(DatabaseFile()).Execute("create table KARVEL (Variable, Value)");
  expectReported();
}

TEST(CommaListTest, CountsItems) {
  EXPECT_EQ(CountCommaItems(""), 0);
  EXPECT_EQ(CountCommaItems("7"), 1);
  EXPECT_EQ(CountCommaItems("2,3,4"), 3);
  EXPECT_EQ(CountCommaItems("2,3,"), 2);
  EXPECT_EQ(CountCommaItems(","), 1);
  EXPECT_EQ(CountCommaItems("2,,3"), 3);
}

TEST(CommaListTest, ReadsTheNumberOfAnItem) {
  EXPECT_EQ(GetCommaItem("2,3,", 2), 3);
  EXPECT_EQ(GetCommaItem("2,3,", 5), 0);
  EXPECT_EQ(GetCommaItem("12", 1), 12);
  EXPECT_EQ(GetCommaItem("12,x,5", 2), 0);
  EXPECT_EQ(GetCommaItem("12,x,5", 3), 5);
  EXPECT_EQ(GetCommaItem(" 4 , 5", 1), 4);
  EXPECT_EQ(GetCommaItem("1 2,-3", 1), 12);
  EXPECT_EQ(GetCommaItem("1 2,-3", 2), -3);
  EXPECT_EQ(GetCommaItem("2.5,3.5", 1), 2);
  EXPECT_EQ(GetCommaItem("2.5,3.5", 2), 4);
  EXPECT_EQ(GetCommaItem("2,,3", 2), 0);
  EXPECT_EQ(GetCommaItem("2,,3", 3), 3);
  EXPECT_EQ(GetCommaItem("", 1), 0);
}

}  // namespace
}  // namespace brolt
