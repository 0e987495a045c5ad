#include "game/core/files/settings_store.h"

#include "game/core/files/definitions.h"
#include "game/core/files/definitions_fixture.h"

namespace brolt {
namespace {

using Values = std::vector<std::optional<std::string>>;
using testing::RawDatabase;

class SettingsStoreTest : public testing::DefinitionsFixture {
 protected:
  void Open(const std::string& settingsRows) {
    CreateDatabase(settingsRows,
                   "insert into KARVELHELP values ('One', 'first page', '1');"
                   "insert into KARVELHELP values ('Two', 'second page', '2,3');");
    OpenDefinitionsDatabase(game);
  }
};

TEST_F(SettingsStoreTest, KeysMatchInAnyLetterCase) {
  AddCollections({"Alpha.lvl", "Beta.clvl"});
  Open("insert into KARVEL values ('GameSpeed', 7);"
       "insert into KARVEL values ('MUSICVOLUME', '40');"
       "insert into KARVEL values ('soundVolume', 65);"
       "insert into KARVEL values ('LevelCollection', 'BETA.CLVL');"
       "insert into KARVEL values ('PackFile', 'Other.pak');"
       "insert into KARVEL values ('ShowBG', 1);"
       "insert into KARVEL values (null, 'skipped');"
       "insert into KARVEL values ('congrats', 'Well {done}');");
  LoadSettings(game);
  EXPECT_EQ(game.settings.GameSpeed, 7);
  EXPECT_EQ(game.settings.MusicVolume, 40);
  EXPECT_EQ(game.settings.SoundVolume, 65);
  EXPECT_EQ(game.settings.PackFile, "Other.pak");
  EXPECT_TRUE(game.settings.ShowBG);
  // The list's spelling, not the row's.
  EXPECT_EQ(game.LevelList.SelectedName(), "Beta.clvl");
  EXPECT_EQ(game.collection.CollectionFile, "Beta.clvl");
}

TEST_F(SettingsStoreTest, LaterDuplicateLoadsAndBothAreSaved) {
  AddCollections({"Alpha.lvl"});
  Open("insert into KARVEL values ('gamespeed', 6);"
       "insert into KARVEL values ('other', 'untouched');"
       "insert into KARVEL values ('gamespeed', 8);");
  LoadSettings(game);
  EXPECT_EQ(game.settings.GameSpeed, 8);
  game.settings.GameSpeed = 9;
  SaveSettings(game);
  EXPECT_EQ(StoredValues("gamespeed"), (Values{"9", "9"}));
  EXPECT_EQ(StoredValues("other"), (Values{"untouched"}));
}

TEST_F(SettingsStoreTest, SavesEverySettingThatHasARowAndAddsNone) {
  AddCollections({"Alpha.lvl", "Beta.lvl"});
  Open("insert into KARVEL values ('gamespeed', 5);"
       "insert into KARVEL values ('musicvolume', 0);"
       "insert into KARVEL values ('soundvolume', 0);"
       "insert into KARVEL values ('levelcollection', 'Alpha.lvl');"
       "insert into KARVEL values ('packfile', 'Brolt.pak');"
       "insert into KARVEL values ('ShowBG', 1);"
       "insert into KARVEL values ('brenwick', 'xx');"
       "insert into KARVEL values (null, 'null key');");
  LoadSettings(game);
  game.settings = {6, 55, 70, "New.pak", false, true};
  game.LevelList.Select("beta.lvl");
  SaveSettings(game);
  EXPECT_EQ(StoredValues("gamespeed"), (Values{"6"}));
  EXPECT_EQ(StoredValues("musicvolume"), (Values{"55"}));
  EXPECT_EQ(StoredValues("soundvolume"), (Values{"70"}));
  EXPECT_EQ(StoredValues("levelcollection"), (Values{"Beta.lvl"}));
  EXPECT_EQ(StoredValues("packfile"), (Values{"New.pak"}));
  EXPECT_EQ(StoredValues("ShowBG"), (Values{"0"}));
  EXPECT_EQ(StoredValues("brenwick"), (Values{"xx"}));
  RawDatabase raw(DatabaseFile());
  EXPECT_EQ(raw.Column("select Value from KARVEL where Variable is null"), (Values{"null key"}));
  EXPECT_EQ(raw.Column("select count(*) from KARVEL"), (Values{"8"}));
  EXPECT_EQ(raw.TypeOf("select Value from KARVEL where Variable = 'gamespeed'"), "integer");

  // A setting without a row stays as it is and is not saved.
  game.settings.ShowBG = true;
  RawDatabase(DatabaseFile()).Execute("delete from KARVEL where Variable = 'ShowBG'");
  LoadSettings(game);
  EXPECT_TRUE(game.settings.ShowBG);
}

TEST_F(SettingsStoreTest, NumbersAreKeptInRangeAndNonNumbersCountAsMissing) {
  AddCollections({"Alpha.lvl"});
  Open("insert into KARVEL values ('gamespeed', 0);"
       "insert into KARVEL values ('musicvolume', 0);"
       "insert into KARVEL values ('soundvolume', 0);");
  struct Case {
    const char *speed, *music, *sound;
    int expectedSpeed, expectedMusic, expectedSound;
  };
  // Each case starts from the values the one before loaded; a value that is no number keeps them.
  for (const Case& c : {Case{"1", "-20", "250", 5, 0, 100}, Case{"40", "' 7.5 '", "8.5", 9, 8, 8},
                        Case{"'fast'", "null", "'12abc'", 9, 8, 8}, Case{"'6'", "'+55'", "95", 6, 55, 95}}) {
    RawDatabase(DatabaseFile())
        .Execute(std::string("update KARVEL set Value = ") + c.speed + " where Variable = 'gamespeed';" +
                 "update KARVEL set Value = " + c.music + " where Variable = 'musicvolume';" +
                 "update KARVEL set Value = " + c.sound + " where Variable = 'soundvolume'");
    LoadSettings(game);
    EXPECT_EQ(game.settings.GameSpeed, c.expectedSpeed) << c.speed;
    EXPECT_EQ(game.settings.MusicVolume, c.expectedMusic) << c.music;
    EXPECT_EQ(game.settings.SoundVolume, c.expectedSound) << c.sound;
  }
}

TEST_F(SettingsStoreTest, BackgroundIsOnOnlyForOne) {
  AddCollections({"Alpha.lvl"});
  Open("insert into KARVEL values ('showbg', 1);");
  for (const char* value : {"0", "-1", "2", "1.4", "'1'", "null", "'on'", "1"}) {
    RawDatabase(DatabaseFile()).Execute(std::string("update KARVEL set Value = ") + value);
    game.settings.ShowBG = false;
    LoadSettings(game);
    EXPECT_EQ(game.settings.ShowBG, std::string(value) == "1" || std::string(value) == "'1'") << value;
  }
}

TEST_F(SettingsStoreTest, UnknownCollectionSelectsTheFirstAndNullTextsAreMissing) {
  AddCollections({"Alpha.lvl", "Beta.lvl"});
  game.LevelList.Select("Beta.lvl");
  game.settings.PackFile = "Brolt.pak";
  Open("insert into KARVEL values ('levelcollection', null);"
       "insert into KARVEL values ('packfile', null);");
  LoadSettings(game);
  EXPECT_EQ(game.LevelList.SelectedName(), "Beta.lvl");
  EXPECT_EQ(game.settings.PackFile, "Brolt.pak");
  // An empty pack name is no name either: the folder itself is no pack.
  game.settings.PackFile = "Other.pak";
  RawDatabase(DatabaseFile()).Execute("update KARVEL set Value = '' where Variable = 'packfile'");
  LoadSettings(game);
  EXPECT_EQ(game.settings.PackFile, "Other.pak");

  RawDatabase(DatabaseFile()).Execute("update KARVEL set Value = 'Gone.lvl' where Variable = 'levelcollection'");
  LoadSettings(game);
  EXPECT_EQ(game.LevelList.SelectedName(), "Alpha.lvl");
  EXPECT_EQ(game.collection.CollectionFile, "Alpha.lvl");
}

TEST_F(SettingsStoreTest, DeveloperSwitchNeedsTheExactCode) {
  AddCollections({"Alpha.lvl"});
  Open("insert into KARVEL values ('brenwick', 'ZQ');");
  ReadDeveloperSwitch(game);
  EXPECT_FALSE(game.settings.DeveloperMode);

  RawDatabase raw(DatabaseFile());
  raw.Execute("update KARVEL set Variable = 'BRENWICK', Value = 'zq'");
  ReadDeveloperSwitch(game);
  EXPECT_TRUE(game.settings.DeveloperMode);

  // Any matching row turns it on; a later one with another value does not turn it off.
  raw.Execute("insert into KARVEL values ('brenwick', 'no');");
  ReadDeveloperSwitch(game);
  EXPECT_TRUE(game.settings.DeveloperMode);

  raw.Execute("update KARVEL set Value = 'zq ' where Value = 'zq'");
  ReadDeveloperSwitch(game);
  EXPECT_FALSE(game.settings.DeveloperMode);
}

TEST_F(SettingsStoreTest, EveryPassLeavesTheHelpTableCurrent) {
  AddCollections({"Alpha.lvl"});
  Open("insert into KARVEL values ('gamespeed', 6);"
       "insert into KARVEL values ('a', 1); insert into KARVEL values ('b', 2);");
  EXPECT_EQ(GetRecordCount(game), 2);
  LoadSettings(game);
  EXPECT_EQ(GetRecordCount(game), 2);
  SaveSettings(game);
  EXPECT_EQ(GetRecordCount(game), 2);
  ReadDeveloperSwitch(game);
  EXPECT_EQ(GetRecordCount(game), 2);
  ReadSettingText(game, "a");
  EXPECT_EQ(GetRecordCount(game), 2);

  // Also when a pass fails.
  RawDatabase(DatabaseFile()).Execute("alter table KARVEL rename to Gone");
  EXPECT_THROW(LoadSettings(game), DatabaseError);
  EXPECT_EQ(GetRecordCount(game), 2);
}

// Another program holding the database: the pass fails with its own reason after one wait, and the
// help table is current again without being read while the lock lasts.
TEST_F(SettingsStoreTest, APassThatAnotherProgramsLockStopsTellsItsOwnReason) {
  struct Case {
    const char* lock;
    const char* expected;
  };
  const Case kCases[] = {
      {"begin immediate", "Can't write table 'KARVEL'"},  // a writer: reading goes on
      {"begin exclusive", "Can't read table 'KARVEL'"},   // a writer committing: nothing can be read
  };
  AddCollections({"Alpha.lvl"});
  Open("insert into KARVEL values ('gamespeed', 6);");
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.lock);
    RawDatabase other(DatabaseFile());
    other.Execute(c.lock);
    try {
      SaveSettings(game);
      ADD_FAILURE() << "the settings were saved under another program's lock";
    } catch (const DatabaseError& error) {
      const std::string message = error.what();
      EXPECT_NE(message.find(c.expected), std::string::npos) << message;
      EXPECT_NE(message.find("database is locked"), std::string::npos) << message;
    }
    EXPECT_EQ(GetRecordCount(game), 2);
    other.Execute("rollback");
  }
}

TEST_F(SettingsStoreTest, OneTextIsTheFirstRowOfItsKeyInAnyCase) {
  AddCollections({"Alpha.lvl"});
  Open("insert into KARVEL values ('CONGRATS', 'Well {done}');"
       "insert into KARVEL values ('congrats', 'later row');"
       "insert into KARVEL values ('empty', null);");
  EXPECT_EQ(ReadSettingText(game, "congrats"), "Well {done}");
  EXPECT_EQ(ReadSettingText(game, "empty"), std::nullopt);
  EXPECT_EQ(ReadSettingText(game, "missing"), std::nullopt);
}

}  // namespace
}  // namespace brolt
