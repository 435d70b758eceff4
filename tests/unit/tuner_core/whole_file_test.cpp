// A replaced file holds its old contents or all of its new ones, whatever
// goes wrong on the way.
#include "tuner/core/whole_file.h"

#include <gtest/gtest.h>

#include "platform/memory/memory_file_system.h"

namespace qn {
namespace {

TEST(WholeFile, AFailedReplacementLeavesTheOldFileAndNoStagingCopy) {
    MemoryFileSystem files;
    files.AddDirectory("C:\\etc");
    files.Write("C:\\etc\\hosts", "old contents");
    files.SetCapacity(20);
    EXPECT_FALSE(WriteWhole(files, "C:\\etc\\hosts", "new contents, longer"));
    EXPECT_EQ(files.ReadAll("C:\\etc\\hosts"), "old contents");
    EXPECT_EQ(files.List("C:\\etc").size(), 1u);
    files.SetCapacity(std::nullopt);
    EXPECT_TRUE(CopyWhole(files, "C:\\etc\\hosts", "C:\\etc\\copy"));
    EXPECT_EQ(files.ReadAll("C:\\etc\\copy"), "old contents");
    EXPECT_FALSE(CopyWhole(files, "C:\\etc\\missing", "C:\\etc\\copy"));
    EXPECT_EQ(files.ReadAll("C:\\etc\\copy"), "old contents");
}

}  // namespace
}  // namespace qn
