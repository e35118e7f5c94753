// The profile dialog's list against the virtual keyboard: its first rows and
// its Apply, which records the list, switches to the checked row's profile
// and reads the keyboard again.
#include <gtest/gtest.h>

#include "profiles/profile_list.h"
#include "profiles_app_fixture.h"

namespace quovex {
namespace {

using test_support::AppFixture;

int KeyboardProfile(sim::VirtualKeyboardControl& control) {
    return control.ReadMemory(sim::Memory::kState)[kStateCurrentProfileOffset];
}

class ProfilesListTest : public AppFixture {};

TEST_F(ProfilesListTest, FirstRowsNameTheWorkingFileAndCheckTheCurrentProfile) {
    SetKeyboardState(1, 64);
    StartedContext();
    const std::string folder = context_->Paths().profile_folder.string() + "/";
    EXPECT_EQ(InitialProfileList(Services()), (std::vector<ProfileListRow>{
                                                  {"$Profile0", folder, false},
                                                  {"$Profile0", folder, true},
                                                  {"$Profile0", folder, false},
                                              }));
}

TEST_F(ProfilesListTest, ApplySwitchesToTheCheckedRowAndRecordsTheList) {
    SetKeyboardState(0, 64);
    StartedContext();
    auto rows = InitialProfileList(Services());
    rows[0].checked = false;
    rows[2].checked = true;
    Services().SetApplyEnabled(true);

    ApplyProfileList(Services(), rows);
    EXPECT_EQ(KeyboardProfile(Control()), 2);
    EXPECT_EQ(view_.LastMenu()->checked_position, 4);
    EXPECT_FALSE(context_->Flags().apply_enabled.load());
    SettingsStore& settings = context_->Settings();
    EXPECT_EQ(settings.ReadValue("PROFILE00", ""), "3");
    const std::string working = WorkingFile().string() + ".qvx";
    for (const char* name : {"PROFILE01", "PROFILE02", "PROFILE03"})
        EXPECT_EQ(settings.ReadValue(name, ""), working);
}

TEST_F(ProfilesListTest, CheckedRowBeyondTheThirdSendsNothingAndIsLogged) {
    SetKeyboardState(1, 64);
    StartedContext();
    auto rows = InitialProfileList(Services());
    rows[1].checked = false;
    ApplyProfileList(Services(), rows);  // no row checked: the baseline of what Apply sends
    uint64_t reports = Control().ReportsReceived();
    ApplyProfileList(Services(), rows);
    const uint64_t reports_without_check = Control().ReportsReceived() - reports;
    ASSERT_TRUE(log_.Lines().empty());

    rows.push_back({"added", folder_.Path().string() + "/", true});
    reports = Control().ReportsReceived();
    ApplyProfileList(Services(), rows);
    EXPECT_EQ(Control().ReportsReceived() - reports, reports_without_check);
    EXPECT_EQ(KeyboardProfile(Control()), 1);
    ASSERT_EQ(log_.Lines().size(), 1u);
    EXPECT_NE(log_.Lines()[0].find("row 4"), std::string::npos) << log_.Lines()[0];
    EXPECT_EQ(context_->Settings().ReadValue("PROFILE04", ""), folder_.Path().string() + "/added.qvx");
}

}  // namespace
}  // namespace quovex
