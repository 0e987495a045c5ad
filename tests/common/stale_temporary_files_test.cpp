#include "common/stale_temporary_files.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <set>
#include <system_error>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include "common/file_io.h"
#include "common/temporary_file_name.h"
#include "support/killed_writer.h"
#include "support/temp_folder.h"

namespace brolt {
namespace {

namespace fs = std::filesystem;

void Age(const fs::path& path, std::chrono::seconds age) {
  fs::last_write_time(path, fs::file_time_type::clock::now() - age);
}

std::vector<std::string> Names(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  return names;
}

TEST(RemoveStaleTemporaryFiles, RemovesOnlyTheWritersOwnOldTemporaryFiles) {
  enum Kind { File, Folder, Link };
  struct Case {
    const char* name;
    Kind kind;
    std::chrono::seconds age;
    bool removed;
  };
  using std::chrono::seconds;
  for (const Case& c : std::vector<Case>{
           {".Tutorial.lvl.brolt-writing-a1B2c3", File, seconds(61), true},
           {".Define.qdm.brolt-writing-000000", File, seconds(3600), true},
           {".Tutorial.lvl.brolt-writing-a1B2c3", File, seconds(30), false},  // a write may still be filling it
           {".Tutorial.lvl.brolt-writing-a1B2c", File, seconds(3600), false},
           {".Tutorial.lvl.brolt-writing-a1B2c3d", File, seconds(3600), false},
           {".Tutorial.lvl.brolt-writing-a1-2c3", File, seconds(3600), false},
           {"Tutorial.lvl.brolt-writing-a1B2c3", File, seconds(3600), false},
           {".hidden", File, seconds(3600), false},
           {"Tutorial.lvl", File, seconds(3600), false},
           {".Levels.brolt-writing-a1B2c3", Folder, seconds(3600), false},
           {".Tutorial.lvl.brolt-writing-a1B2c3", Link, seconds(3600), false},
           // An older build's naming can't be told from a person's file.
           {".Tutorial.lvl.a1B2c3", File, seconds(3600), false},
           {".Tutorial.clvl.backup", File, seconds(3600), false},
       }) {
    SCOPED_TRACE(c.name);
    testing::TempFolder folder;
    const fs::path path = folder / c.name;
    const fs::path linked = folder / "linked.lvl";
    if (c.kind == Folder) {
      fs::create_directory(path);
    } else {
      ReplaceFileAtomically(c.kind == Link ? linked : path, "bytes");
      if (c.kind == Link) fs::create_symlink(linked, path);
    }
    Age(c.kind == Link ? linked : path, c.age);
    RemoveStaleTemporaryFiles(folder.path());
    EXPECT_EQ(fs::exists(fs::symlink_status(path)), !c.removed);
    if (c.kind == Link) {
      EXPECT_TRUE(fs::exists(linked));
    }
  }
}

TEST(RemoveStaleTemporaryFiles, TakesWhatAWriterKilledAtAnyStepLeftOnceItIsOld) {
  for (ReplaceStep step : testing::kEveryReplaceStep) {
    SCOPED_TRACE(static_cast<int>(step));
    testing::TempFolder folder;
    const fs::path target = folder / "a.lvl";
    ReplaceFileAtomically(target, "old bytes");
    ASSERT_TRUE(testing::RunKilledAt(step, [&] { ReplaceFileAtomically(target, "the new bytes"); }));
    RemoveStaleTemporaryFiles(folder.path());
    EXPECT_EQ(Names(folder.path()).size(), step == ReplaceStep::Renamed ? 1u : 2u);  // fresh: kept
    for (const std::string& name : Names(folder.path())) Age(folder / name, std::chrono::seconds(61));
    RemoveStaleTemporaryFiles(folder.path());
    EXPECT_EQ(Names(folder.path()), std::vector<std::string>{"a.lvl"});
  }
}

// Every name the writer draws is one the sweep knows for its own, however its letters fall.
TEST(TemporaryFileName, EveryDrawnNameIsKnownAsTheWritersAndTheDrawsDiffer) {
  std::set<std::string> drawn;
  for (int draw = 0; draw < 2000; ++draw) {
    const std::string name = TemporaryFileName("Set.lvl");
    ASSERT_TRUE(IsTemporaryFileName(name)) << name;
    drawn.insert(name);
  }
  EXPECT_GT(drawn.size(), 1990U);
}

constexpr int kNoOtherUser = 2;

// Sweeps `folder` in a process of its own, as a user without root's right to read any folder, and
// tells how the sweep ended: 0 when it returned, 1 when it threw, kNoOtherUser when root could not
// become another user (a user namespace that maps only root).
int SweptByAnotherUser(const fs::path& folder) {
  constexpr uid_t kNobody = 65534;
  const pid_t child = ::fork();
  if (child == 0) {
    if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) ::_exit(kNoOtherUser);
    try {
      RemoveStaleTemporaryFiles(folder);
      ::_exit(0);
    } catch (...) {
      ::_exit(1);
    }
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// However the folder can't be listed, the sweep returns. Root reads a folder of mode 000, so the
// sweep runs as another user.
TEST(RemoveStaleTemporaryFiles, AFolderThatCantBeReadIsPassedOver) {
  testing::TempFolder folder;
  fs::permissions(folder.path(), fs::perms::others_exec, fs::perm_options::add);
  ReplaceFileAtomically(folder / "a.lvl", "bytes");
  fs::create_directory(folder / "locked");
  fs::permissions(folder / "locked", fs::perms::none);
  // A user who is not root can't enter the locked folder to remove it, so it is opened again first.
  struct Unlock {
    fs::path path;
    ~Unlock() {
      std::error_code ignored;
      fs::permissions(path, fs::perms::owner_all, ignored);
    }
  } const unlock{folder / "locked"};
  for (const fs::path& unreadable : {folder / "missing", folder / "a.lvl", folder / "locked"}) {
    const int ended = SweptByAnotherUser(unreadable);
    if (ended == kNoOtherUser) GTEST_SKIP() << "root here can't become another user, and root reads any folder";
    EXPECT_EQ(ended, 0) << unreadable;
  }
}

}  // namespace
}  // namespace brolt
