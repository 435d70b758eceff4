#include "throughput/logging.h"

#include <gtest/gtest.h>

#include "platform/memory/memory_file_system.h"
#include "platform/memory/memory_local_time.h"

namespace qn {
namespace {

constexpr const char* kLog = "C:\\Program Files\\Dapplet\\DappletLog.txt";

class LoggingTest : public ::testing::Test {
  protected:
    void SetUp() override { files.AddDirectory("C:\\Program Files\\Dapplet"); }
    std::string Log() const { return files.ReadAll(kLog).value_or("<no file>"); }

    MemoryFileSystem files;
    MemoryLocalTime clock;
};

TEST_F(LoggingTest, NothingIsWrittenOrCreatedWhileLoggingIsOff) {
    mLogging log(files, clock);
    log.OpenLog(kLog);
    log.WriteLog("frmMain_Load");
    EXPECT_FALSE(files.FileExists(kLog));
}

TEST_F(LoggingTest, LinesCarryTheTimeAndAppendAcrossRuns) {
    {
        mLogging first(files, clock);
        first.Enabled = true;
        first.OpenLog(kLog);
        EXPECT_EQ(Log(), "") << "opening creates the file";
        first.WriteLog("frmMain_Load");
    }
    clock.now = "12/8/2026 1:05:00 AM";
    mLogging second(files, clock);
    second.Enabled = true;
    second.WriteLog("before the file is open");
    second.OpenLog(kLog);
    second.WriteLog("End");
    EXPECT_EQ(Log(),
              "12/7/2026 11:26:17 PM: frmMain_Load\r\n"
              "12/8/2026 1:05:00 AM: End\r\n");
}

}  // namespace
}  // namespace qn
