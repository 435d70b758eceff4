// The dialog wrapper: what it asks the system's dialogs for, and what the
// caller's arguments hold afterwards, chosen or cancelled.
#include "meter/app/common_dialog.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/memory/memory_common_dialogs.h"

namespace qn::meter {
namespace {

using namespace std::string_literals;

class CommonDialogWrapper : public ::testing::Test {
  protected:
    MemoryCommonDialogs dialogs;
    cCommonDialog dialog{dialogs, [](std::int32_t index) { return 0x010101u * index; }};
};

TEST_F(CommonDialogWrapper, OpenFileAsksWithTheFlagsAndFilterAndReturnsTheChoice) {
    for (const char* separator : {"|", ":"}) {
        OpenFileArgs args;
        args.Filter =
            "Pictures (*.bmp)"s + separator + "*.bmp" + separator + "All" + separator + "*.*";
        args.FilterIndex = 1;
        args.Owner = 42;
        args.flags = 0x20 | 0x40 | 0x800;  // a hook and a template are not passed on
        FileDialogResult answer;
        answer.chosen = true;
        answer.fileName = "C:\\pic.bmp";
        answer.fileTitle = "pic.bmp";
        answer.flags = 0x1004 | 0x1;
        answer.filterIndex = 3;
        dialogs.fileAnswers.push_back(answer);
        ASSERT_TRUE(dialog.VBGetOpenFileName(args)) << separator;
        const FileDialogRequest& asked = dialogs.openRequests.back();
        EXPECT_EQ(asked.filter, "Pictures (*.bmp)\0*.bmp\0All\0*.*"s);
        EXPECT_EQ(asked.flags, 0x1000u | 0x4u | 0x800u);
        EXPECT_EQ(asked.owner, 42u);
        EXPECT_EQ(args.Filename, "C:\\pic.bmp");
        EXPECT_EQ(args.FileTitle, "pic.bmp");
        EXPECT_EQ(args.FilterIndex, 3);
        EXPECT_EQ(args.Filter, "All");
        EXPECT_TRUE(args.ReadOnly);
        EXPECT_EQ(dialog.APIReturn(), 1);
    }
}

TEST_F(CommonDialogWrapper, CancelOrFailureEmptiesTheAnswersAndOnlyAFailureHasACode) {
    for (std::uint32_t error : {0u, 0x3002u}) {
        OpenFileArgs args;
        args.Filename = "offered.bmp";
        args.Filter = "All|*.*";
        args.flags = 4;
        args.Owner = -1;
        FileDialogResult answer;
        answer.extendedError = error;
        dialogs.fileAnswers.push_back(answer);
        EXPECT_FALSE(dialog.VBGetOpenFileName(args));
        EXPECT_EQ(dialogs.openRequests.back().owner, 0u);
        EXPECT_EQ(args.Filename, "");
        EXPECT_EQ(args.Filter, "");
        EXPECT_EQ(args.FilterIndex, -1);
        EXPECT_EQ(args.flags, 0);
        EXPECT_EQ(dialog.APIReturn(), 0);
        EXPECT_EQ(dialog.ExtendedError(), static_cast<std::int32_t>(error));
    }
}

TEST_F(CommonDialogWrapper, ChooseColorKeepsTheCustomColoursAndCancelGivesMinusOne) {
    EXPECT_EQ(dialog.CustomColor(2), 0x020202);
    EXPECT_EQ(dialog.CustomColor(16), -1);
    dialog.SetCustomColor(16, 5);
    dialog.SetCustomColor(0, 0x0000FF);

    std::int32_t colour = 0x123456;
    ColorDialogResult answer;
    answer.chosen = true;
    answer.color = 0x00FF00;
    answer.customColors[15] = 0xABCDEF;
    dialogs.colorAnswers.push_back(answer);
    ASSERT_TRUE(dialog.VBChooseColor(colour, true, false, false, 7));
    const ColorDialogRequest& asked = dialogs.colorRequests.back();
    EXPECT_EQ(asked.color, 0x123456u);
    EXPECT_EQ(asked.flags, 0x1u | 0x100u);
    EXPECT_EQ(asked.customColors[0], 0x0000FFu);
    EXPECT_EQ(asked.customColors[3], 0x030303u);
    EXPECT_EQ(colour, 0x00FF00);
    EXPECT_EQ(dialog.CustomColor(15), 0xABCDEF) << "the user's custom colours stay";

    ASSERT_FALSE(dialog.VBChooseColor(colour, false, true, true));
    EXPECT_EQ(dialogs.colorRequests.back().flags, 0x1u | 0x80u | 0x2u | 0x4u);
    EXPECT_EQ(colour, -1);
    EXPECT_EQ(dialog.APIReturn(), 0);
}

}  // namespace
}  // namespace qn::meter
