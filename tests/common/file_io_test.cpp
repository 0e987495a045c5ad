#include "common/file_io.h"

#include <gtest/gtest.h>

#include "support/killed_writer.h"
#include "support/temp_folder.h"

namespace brolt {
namespace {

TEST(ReplaceFileAtomically, AWriterKilledAtAnyStepLeavesTheOldBytesUntilTheRenameAndTheNewOnesAfter) {
  for (ReplaceStep step : testing::kEveryReplaceStep) {
    SCOPED_TRACE(static_cast<int>(step));
    testing::TempFolder folder;
    const auto target = folder / "a.lvl";
    ReplaceFileAtomically(target, "old bytes");
    ASSERT_TRUE(testing::RunKilledAt(step, [&] { ReplaceFileAtomically(target, "the new bytes"); }));
    EXPECT_EQ(ReadWholeFile(target), step == ReplaceStep::Renamed ? "the new bytes" : "old bytes");
  }
}

}  // namespace
}  // namespace brolt
