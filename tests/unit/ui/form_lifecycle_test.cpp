#include <gtest/gtest.h>

#include "tests/unit/ui/recording_form.h"
#include "ui/headless/headless_host.h"
#include "ui/headless/user_actions.h"

namespace qn::ui {
namespace {

using headless::HeadlessHost;
using testing::RecordingForm;
using Log = std::vector<std::string>;

class FormLifecycleTest : public ::testing::Test {
  protected:
    HeadlessHost host;
    Application app{host, "Quillon"};
    Log log;
    RecordingForm main{app, "Main", log};
    RecordingForm dialog{app, "Dialog", log};
};

TEST_F(FormLifecycleTest, ShowOfAnUnloadedFormLoadsItFirst) {
    main.Show();
    EXPECT_EQ(log, Log{"Main_Load"});
    EXPECT_TRUE(main.Loaded());
    EXPECT_TRUE(main.Visible());
    EXPECT_EQ(app.Forms(), std::vector<Form*>{&main});
}

TEST_F(FormLifecycleTest, LoadRunsFormLoadOnlyOnce) {
    main.Load();
    main.Load();
    main.Show();
    EXPECT_EQ(log, Log{"Main_Load"});
}

TEST_F(FormLifecycleTest, UnloadRunsQueryUnloadThenUnloadWithCodeMode) {
    main.Show();
    EXPECT_TRUE(main.Unload());
    EXPECT_EQ(log, (Log{"Main_Load", "Main_QueryUnload", "Main_Unload"}));
    EXPECT_EQ(main.unloadModes, std::vector<int>{vbFormCode});
    EXPECT_FALSE(main.Loaded());
    EXPECT_FALSE(main.Visible());
    EXPECT_TRUE(app.Forms().empty());
}

TEST_F(FormLifecycleTest, CancelInQueryUnloadKeepsTheFormWithoutUnloadHandler) {
    main.Show();
    main.cancelQueryUnload = true;
    EXPECT_FALSE(headless::Close(main));
    EXPECT_EQ(log, (Log{"Main_Load", "Main_QueryUnload"}));
    EXPECT_EQ(main.unloadModes, std::vector<int>{vbFormControlMenu});
    EXPECT_TRUE(main.Loaded());
    EXPECT_TRUE(main.Visible());
}

TEST_F(FormLifecycleTest, CancelInUnloadKeepsTheForm) {
    main.Show();
    main.cancelUnload = true;
    EXPECT_FALSE(main.Unload());
    EXPECT_TRUE(main.Loaded());
}

TEST_F(FormLifecycleTest, CloseReportsTheUnloadModeOfItsCause) {
    for (UnloadMode mode : {vbAppWindows, vbAppTaskManager}) {
        main.Show();
        EXPECT_TRUE(headless::Close(main, mode));
    }
    EXPECT_EQ(main.unloadModes, (std::vector<int>{vbAppWindows, vbAppTaskManager}));
}

TEST_F(FormLifecycleTest, AnUnloadedFormLoadsAgain) {
    main.Show();
    main.Unload();
    main.Show();
    EXPECT_EQ(log, (Log{"Main_Load", "Main_QueryUnload", "Main_Unload", "Main_Load"}));
}

TEST_F(FormLifecycleTest, CloseAgainWhileQueryUnloadStillDecidesIsRefused) {
    main.Show();
    main.onQueryUnload = [&] {
        if (main.unloadModes.size() == 1) {
            EXPECT_FALSE(main.Unload(vbFormControlMenu));
        }
    };
    EXPECT_TRUE(main.Unload());
    EXPECT_EQ(main.unloadModes.size(), 1u);
}

TEST_F(FormLifecycleTest, HideKeepsTheFormLoaded) {
    main.Show();
    main.Hide();
    EXPECT_TRUE(main.Loaded());
    EXPECT_FALSE(main.Visible());
}

TEST_F(FormLifecycleTest, ModalShowReturnsOnlyAfterTheFormIsUnloaded) {
    main.Show();
    bool returned = false;
    host.Post([&] {
        EXPECT_FALSE(returned);
        EXPECT_EQ(host.ModalStack(), std::vector<Form*>{&dialog});
        dialog.Unload();
    });
    dialog.Show(ShowMode::Modal, &main);
    returned = true;
    EXPECT_FALSE(dialog.Loaded());
    EXPECT_TRUE(host.ModalStack().empty());
    EXPECT_EQ(log, (Log{"Main_Load", "Dialog_Load", "Dialog_QueryUnload", "Dialog_Unload"}));
}

TEST_F(FormLifecycleTest, ModalShowReturnsWhenTheFormIsHidden) {
    host.Post([&] { dialog.Hide(); });
    dialog.Show(ShowMode::Modal);
    EXPECT_TRUE(dialog.Loaded());
    EXPECT_FALSE(dialog.IsModal());
}

TEST_F(FormLifecycleTest, ModalFormBlocksUserActionsOnOtherForms) {
    CommandButton button{main, "cmd"};
    main.Show();
    host.Post([&] {
        EXPECT_THROW(headless::Click(button), std::logic_error);
        dialog.Hide();
    });
    dialog.Show(ShowMode::Modal);
    EXPECT_NO_THROW(headless::Click(button));
}

TEST_F(FormLifecycleTest, ModalShowWithNothingToEndItFailsInsteadOfHanging) {
    EXPECT_THROW(dialog.Show(ShowMode::Modal), headless::WouldWaitForever);
}

TEST_F(FormLifecycleTest, EndUnloadsEveryFormWithoutHandlersAndEndsWaits) {
    main.Show();
    host.Post([&] { app.End(); });
    dialog.Show(ShowMode::Modal);
    EXPECT_TRUE(app.Ended());
    EXPECT_FALSE(main.Loaded());
    EXPECT_FALSE(dialog.Loaded());
    EXPECT_TRUE(app.Forms().empty());
    EXPECT_EQ(log, (Log{"Main_Load", "Dialog_Load"}));
}

TEST_F(FormLifecycleTest, NoFormLoadsAfterEnd) {
    app.End();
    main.Show();
    EXPECT_FALSE(main.Loaded());
    EXPECT_TRUE(log.empty());
}

TEST_F(FormLifecycleTest, FormLoadThatUnloadsItsFormLeavesItUnshown) {
    main.onLoad = [&] { main.Unload(); };
    main.Show();
    EXPECT_FALSE(main.Loaded());
    EXPECT_FALSE(main.Visible());
}

TEST_F(FormLifecycleTest, RunReturnsWhenTheLastFormUnloads) {
    main.Show();
    dialog.Show();
    host.Post([&] { dialog.Unload(); });
    host.Post([&] { headless::Close(main); });
    EXPECT_EQ(app.Run(), 0);
    EXPECT_TRUE(app.Forms().empty());
}

TEST_F(FormLifecycleTest, SessionEndQuitsTheRun) {
    main.Show();
    host.PostQuit();
    app.Run();
    EXPECT_TRUE(app.Ended());
    EXPECT_FALSE(main.Loaded());
}

}  // namespace
}  // namespace qn::ui
