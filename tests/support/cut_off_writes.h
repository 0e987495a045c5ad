#pragma once
// A folder that a program writes in, as its start finds it after a crash: beside a person's own hidden
// files, the leftover of a write killed between its temporary file and its rename, and a write still
// running that a slow disk holds at a step before its rename. Both writes' temporary files are dated
// two hours back, so that only their names and the running writer's lock tell the start what it may
// remove.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "common/file_io.h"
#include "common/temporary_file_name.h"
#include "support/killed_writer.h"

namespace brolt::testing {

class FolderAfterACrash {
 public:
  // The person's files are dated two hours back as well when `personsFilesOld`.
  FolderAfterACrash(const std::filesystem::path& folder, bool personsFilesOld, ReplaceStep runningHeldAt)
      : folder_(folder) {
    std::filesystem::create_directories(folder);
    for (const char* name : {".Tutorial.clvl.backup", ".notes.txt.ab12cd", ".profile.old123", ".Define.qdm.before"})
      std::ofstream(persons_.emplace_back(folder / name)) << "a person's own";
    // A link and a folder named as the writer names its files: only their kind keeps them.
    persons_.push_back(folder / TemporaryFileName("Tutorial.clvl"));
    std::filesystem::create_symlink("Tutorial.clvl", persons_.back());
    persons_.push_back(folder / TemporaryFileName("Saves"));
    std::filesystem::create_directory(persons_.back());
    if (personsFilesOld) std::for_each(persons_.begin(), persons_.end(), DateBack);

    std::set<std::filesystem::path> before = Entries();
    EXPECT_TRUE(RunKilledAt(ReplaceStep::Flushed, [&] { ReplaceFileAtomically(folder / "Cut.lvl", "cut off"); }));
    leftover_ = NewEntry(before);
    before = Entries();
    running_.emplace(runningHeldAt, [&] { ReplaceFileAtomically(RunningTarget(), "still running"); });
    EXPECT_TRUE(running_->Stopped());
    runningTemporary_ = NewEntry(before);
    DateBack(leftover_);
    DateBack(runningTemporary_);
  }

  // After the start: the person's files and the running write's temporary file are there, the
  // leftover is not, and the running write, let go, puts its bytes in place.
  void ExpectOnlyTheLeftoverRemoved() {
    for (const std::filesystem::path& kept : persons_) EXPECT_TRUE(Exists(kept)) << kept;
    EXPECT_FALSE(Exists(leftover_)) << leftover_;
    EXPECT_TRUE(Exists(runningTemporary_)) << runningTemporary_;
    EXPECT_TRUE(running_->Finish());
    EXPECT_EQ(ReadWholeFile(RunningTarget()), "still running");
    EXPECT_FALSE(Exists(runningTemporary_)) << runningTemporary_;
  }

 private:
  static void DateBack(const std::filesystem::path& path) {
    const timespec twoHoursAgo{::time(nullptr) - 2 * 60 * 60, 0};
    const timespec times[2] = {twoHoursAgo, twoHoursAgo};
    EXPECT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << path;
  }

  static bool Exists(const std::filesystem::path& path) { return std::filesystem::exists(std::filesystem::symlink_status(path)); }

  std::set<std::filesystem::path> Entries() const {
    std::set<std::filesystem::path> entries;
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) entries.insert(entry.path());
    return entries;
  }

  // The one entry that a write added since `before`.
  std::filesystem::path NewEntry(const std::set<std::filesystem::path>& before) const {
    std::vector<std::filesystem::path> added;
    for (const std::filesystem::path& entry : Entries())
      if (!before.contains(entry)) added.push_back(entry);
    EXPECT_EQ(added.size(), 1u);
    return added.empty() ? folder_ / "nothing" : added.front();
  }

  std::filesystem::path RunningTarget() const { return folder_ / "Running.lvl"; }

  std::filesystem::path folder_;
  std::vector<std::filesystem::path> persons_;
  std::filesystem::path leftover_;
  std::optional<StoppedWriter> running_;
  std::filesystem::path runningTemporary_;
};

}  // namespace brolt::testing
