#include "common/database.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "common/temporary_folder.h"
#include "common/test_database.h"

namespace brolt {
namespace {

using testing::RawDatabase;

class DatabaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RawDatabase raw(file);
    // Row ids out of insertion order: the table's own order is the row id.
    raw.Execute(
        "create table Recent (\"Index\" integer, File text, Level integer, Title text);"
        "insert into Recent (rowid, \"Index\", File, Level, Title) values (20, 2, 'b.lvl', 7, null);"
        "insert into Recent (rowid, \"Index\", File, Level, Title) values (10, 1, 'a.lvl', 3, 'First');"
        "insert into Recent (rowid, \"Index\", File, Level, Title) values (30, 3, 'c.lvl', 1.5, 'Third');"
        "create table Empty (Variable text, Value text);");
  }

  TemporaryFolder folder;
  std::filesystem::path file = folder.Path() / kDefinitionsFileName;
};

TEST_F(DatabaseTest, RefusesMissingOrForeignFilesNamingThem) {
  std::filesystem::path missing = folder.Path() / "missing.qdm";
  try {
    Database database(missing);
    FAIL() << "opened a missing file";
  } catch (const DatabaseError& error) {
    EXPECT_NE(std::string(error.what()).find(missing.string()), std::string::npos) << error.what();
  }
  EXPECT_FALSE(std::filesystem::exists(missing));

  std::filesystem::path text = folder.Path() / "text.qdm";
  std::ofstream(text) << "this is not a database, only some text that is long enough to look at";
  EXPECT_THROW(Database database(text), DatabaseError);
}

TEST_F(DatabaseTest, ReadsRowsInTableOrderWithNullsAndAnyFieldCase) {
  Database database(file);
  RowSet rows(database, "recent");
  ASSERT_EQ(rows.Count(), 3);
  // Counted row sets stand on their last row.
  EXPECT_EQ(rows.Position(), 2);
  EXPECT_EQ(rows.Field("File"), "c.lvl");
  EXPECT_EQ(rows.Field("level"), "1.5");

  ASSERT_TRUE(rows.SetPosition(0));
  EXPECT_EQ(rows.Field("FILE"), "a.lvl");
  EXPECT_EQ(rows.Field("Index"), "1");
  ASSERT_TRUE(rows.SetPosition(1));
  EXPECT_EQ(rows.Field("Title"), std::nullopt);
  EXPECT_EQ(rows.Field("Level"), "7");

  EXPECT_FALSE(rows.SetPosition(3));
  EXPECT_EQ(rows.Position(), -1);
  EXPECT_EQ(rows.Field("File"), std::nullopt);
  EXPECT_THROW(rows.Field("Nonsense"), DatabaseError);
}

TEST_F(DatabaseTest, EmptyTableHasNoCurrentRowAndMissingTableNamesTheFile) {
  Database database(file);
  RowSet empty(database, "Empty");
  EXPECT_EQ(empty.Count(), 0);
  EXPECT_EQ(empty.Position(), -1);
  EXPECT_EQ(empty.Field("Value"), std::nullopt);
  EXPECT_THROW(empty.UpdateField("Value", std::string("x")), DatabaseError);
  try {
    RowSet rows(database, "Tileset");
    FAIL() << "opened a missing table";
  } catch (const DatabaseError& error) {
    EXPECT_NE(std::string(error.what()).find(file.string()), std::string::npos) << error.what();
  }
}

TEST_F(DatabaseTest, UpdatesReachTheFileAndTheSet) {
  {
    Database database(file);
    RowSet rows(database, "Recent");
    rows.SetPosition(0);
    rows.UpdateField("title", std::string("Renamed"));
    rows.UpdateField("Level", std::int64_t{42});
    rows.SetPosition(2);
    rows.UpdateField("Title", std::nullopt);
    EXPECT_EQ(rows.Field("Title"), std::nullopt);
    rows.SetPosition(0);
    EXPECT_EQ(rows.Field("Title"), "Renamed");
    EXPECT_EQ(rows.Field("Level"), "42");
  }
  RawDatabase raw(file);
  EXPECT_EQ(raw.Column("select Title from Recent order by rowid"),
            (std::vector<std::optional<std::string>>{"Renamed", std::nullopt, std::nullopt}));
  EXPECT_EQ(raw.TypeOf("select Level from Recent where rowid = 10"), "integer");
  EXPECT_EQ(raw.Column("select count(*) from Recent").at(0), "3");
}

TEST_F(DatabaseTest, AddedRowsTakeTheirFieldsAndDeletedRowsLeaveTheFileAndTheSet) {
  {
    Database database(file);
    RowSet rows(database, "Recent");
    rows.AddRow({{"index", "0"}, {"File", "d.lvl"}, {"Level", "4"}, {"Title", std::nullopt}});
    EXPECT_EQ(rows.Count(), 4);
    EXPECT_EQ(rows.Position(), 3);
    EXPECT_EQ(rows.Field("File"), "d.lvl");
    EXPECT_EQ(rows.Field("Title"), std::nullopt);
    rows.UpdateField("Title", std::string("Fourth"));  // the new row can be rewritten at once

    ASSERT_TRUE(rows.SetPosition(0));
    rows.DeleteRow();
    EXPECT_EQ(rows.Position(), -1);
    EXPECT_EQ(rows.Count(), 3);
    EXPECT_THROW(rows.DeleteRow(), DatabaseError);
    ASSERT_TRUE(rows.SetPosition(0));
    EXPECT_EQ(rows.Field("File"), "b.lvl");
    EXPECT_THROW(rows.AddRow({{"Nonsense", "x"}}), DatabaseError);
    EXPECT_EQ(rows.Count(), 3);
  }
  RawDatabase raw(file);
  EXPECT_EQ(raw.Column("select File from Recent order by rowid"),
            (std::vector<std::optional<std::string>>{"b.lvl", "c.lvl", "d.lvl"}));
  EXPECT_EQ(raw.TypeOf("select Level from Recent where File = 'd.lvl'"), "integer");
  EXPECT_EQ(raw.Column("select Title from Recent where File = 'd.lvl'").at(0), "Fourth");
}

TEST_F(DatabaseTest, UpdateOfARowDeletedMeanwhileFails) {
  Database database(file);
  RowSet rows(database, "Recent");
  RawDatabase(file).Execute("delete from Recent where rowid = 30");
  EXPECT_THROW(rows.UpdateField("Title", std::string("gone")), DatabaseError);
}

TEST_F(DatabaseTest, WaitsForAnotherProgramsWrite) {
  Database database(file);
  RowSet rows(database, "Recent");
  RawDatabase other(file);
  other.Execute("begin immediate; update Recent set Level = 5 where rowid = 10;");
  std::thread finisher([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    other.Execute("commit");
  });
  EXPECT_NO_THROW(rows.UpdateField("Title", std::string("after the lock")));
  finisher.join();
  EXPECT_EQ(RawDatabase(file).Column("select Title from Recent where rowid = 30").at(0), "after the lock");
}

}  // namespace
}  // namespace brolt
