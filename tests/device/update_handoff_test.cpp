// The firmware update hand-off against the virtual keyboard: the update
// program's path, the report that puts the keyboard into update mode, the
// start of the program and the three messages.
#include "update/update_handoff.h"

#include <gtest/gtest.h>

#include "profiles_app_fixture.h"

namespace quovex {
namespace {

using test_support::AppFixture;
using test_support::WriteText;
using Action = UpdateHandOff::DialogAction;

class UpdateHandOffTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        program_ = folder_ / "updater";
        WriteText(program_, "#!/bin/sh\n");
        saved_folder_ = std::filesystem::current_path();
    }
    void TearDown() override {
        std::filesystem::current_path(saved_folder_);
        AppFixture::TearDown();
    }

    Action RunUpdate() {
        return context_->Update().Update(context_->Commands(), prompter_, context_->Texts(), launcher_);
    }
    void ChooseProgram(std::optional<std::filesystem::path> program) {
        prompter_.QueueFile(std::move(program));
        context_->Update().ChooseUpdateProgram(prompter_, folder_.Path());
    }

    std::filesystem::path program_;
    std::filesystem::path saved_folder_;
};

TEST_F(UpdateHandOffTest, UpdateEntersUpdateModeStartsTheProgramAndForgetsIt) {
    StartedContext();
    ChooseProgram(program_);
    EXPECT_EQ(context_->Update().ProgramPath(), program_);

    EXPECT_EQ(RunUpdate(), Action::kClose);
    ASSERT_TRUE(Control().WaitUntilIdle(kIdle));
    EXPECT_TRUE(Control().InUpdateMode());
    EXPECT_EQ(launcher_.started, std::vector<std::filesystem::path>{program_});
    EXPECT_TRUE(context_->Update().ProgramPath().empty());
    EXPECT_TRUE(prompter_.Keys() == std::vector<std::string>{""}) << "the file choice only";
}

TEST_F(UpdateHandOffTest, NoProgramChosenOrProgramGoneSendsNothing) {
    StartedContext();
    const uint64_t reports = Control().ReportsReceived();
    EXPECT_EQ(RunUpdate(), Action::kKeepOpen);  // nothing chosen yet
    ChooseProgram(folder_ / "gone");
    EXPECT_EQ(RunUpdate(), Action::kKeepOpen);
    ChooseProgram(std::nullopt);  // cancelled: the path becomes empty
    EXPECT_TRUE(context_->Update().ProgramPath().empty());
    EXPECT_EQ(RunUpdate(), Action::kKeepOpen);

    EXPECT_EQ(prompter_.Keys(),
              (std::vector<std::string>{"MAIN_UPDATE_ERROR_TEXT", "", "MAIN_UPDATE_ERROR_TEXT", "",
                                        "MAIN_UPDATE_ERROR_TEXT"}));
    ASSERT_TRUE(Control().WaitUntilIdle(kIdle));
    EXPECT_EQ(Control().ReportsReceived(), reports);
    EXPECT_FALSE(Control().InUpdateMode());
    EXPECT_TRUE(launcher_.started.empty());
}

TEST_F(UpdateHandOffTest, UnsentReportKeepsThePathAndStartsNothing) {
    StartedContext();
    ChooseProgram(program_);
    Control().Detach();
    WaitForPresence();
    EXPECT_EQ(RunUpdate(), Action::kKeepOpen);
    EXPECT_EQ(prompter_.Keys().back(), "MAIN_BOOT_ERROR_TEXT");
    EXPECT_EQ(context_->Update().ProgramPath(), program_);
    EXPECT_TRUE(launcher_.started.empty());
}

TEST_F(UpdateHandOffTest, ProgramThatDoesNotStartIsReportedAndMustBeChosenAgain) {
    StartedContext();
    ChooseProgram(program_);
    launcher_.succeeds = false;
    EXPECT_EQ(RunUpdate(), Action::kKeepOpen);
    EXPECT_EQ(prompter_.Keys().back(), "MAIN_SHELL_ERROR_TEXT");
    EXPECT_TRUE(context_->Update().ProgramPath().empty());
    ASSERT_TRUE(Control().WaitUntilIdle(kIdle));
    EXPECT_TRUE(Control().InUpdateMode()) << "the keyboard is already in update mode";
}

TEST_F(UpdateHandOffTest, ChosenPathOutlivesTheDialogUntilCancelUpdate) {
    StartedContext();
    ChooseProgram(program_);
    // Closing the dialog with Esc runs no command: the context keeps the path.
    EXPECT_EQ(context_->Update().ProgramPath(), program_);
    EXPECT_EQ(context_->Update().CancelUpdate(), Action::kClose);
    EXPECT_TRUE(context_->Update().ProgramPath().empty());
}

TEST_F(UpdateHandOffTest, RelativeNamesResolveAgainstThePackageFolderAfterChoosing) {
    StartedContext();
    ChooseProgram(std::nullopt);
    EXPECT_EQ(std::filesystem::canonical(std::filesystem::current_path()),
              std::filesystem::canonical(folder_.Path()));
    EXPECT_TRUE(std::filesystem::exists("updater"));
}

}  // namespace
}  // namespace quovex
