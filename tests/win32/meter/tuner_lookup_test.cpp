#include <windows.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "meter/app/tuner_presence.h"
#include "platform/win32/win32_services.h"

namespace qn::meter::win32 {
namespace {

class TunerLookup : public ::testing::Test {
  protected:
    void SetUp() override {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "qn_meter_lookup_" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(folder_.c_str(), nullptr);
        folder_ += "\\";
    }
    void TearDown() override {
        DeleteFileA((folder_ + created_).c_str());
        RemoveDirectoryA(folder_.c_str());
    }
    void CreateFileNamed(const std::string& name) {
        created_ = name;
        HANDLE file = CreateFileA((folder_ + name).c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        CloseHandle(file);
    }

    bool Installed() const { return TunerInstalledIn(*files_, folder_); }

    std::unique_ptr<FileSystem> files_ = qn::win32::MakeWin32FileSystem();
    std::string folder_;
    std::string created_;
};

TEST_F(TunerLookup, FindsTheTunerSpeltExactly) {
    CreateFileNamed("quillon.exe");
    EXPECT_TRUE(Installed());
}

TEST_F(TunerLookup, OtherSpellingDoesNotCount) {
    CreateFileNamed("Quillon.EXE");
    EXPECT_FALSE(Installed());
}

TEST_F(TunerLookup, EmptyFolderHasNoTuner) {
    EXPECT_FALSE(Installed());
}

}  // namespace
}  // namespace qn::meter::win32
