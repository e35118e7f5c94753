// The settings store of section "PROFILES": the flip view, the record delay
// and the profile dialog's list, as they land in the file.
#include "app/settings_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/temporary_folder.h"

namespace quovex {
namespace {

using test_support::ReadFileText;
using test_support::TemporaryFolder;
using test_support::WriteText;

class SettingsStoreTest : public ::testing::Test {
protected:
    TemporaryFolder folder_;
    std::filesystem::path file_ = folder_ / "config" / "Quovex_Orvane" / "Quovex.ini";
    SettingsStore store_{file_};
};

TEST_F(SettingsStoreTest, ZeroOrOneValuesStoreZeroForAnyOtherNumber) {
    struct Case {
        int value;
        int stored;
    };
    for (const Case c : {Case{5, 0}, Case{1, 1}, Case{0, 0}, Case{-1, 0}, Case{2, 0}}) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(store_.WriteFlip(c.value), c.stored);
        EXPECT_EQ(store_.ReadValue("Flip", ""), std::to_string(c.stored));
        EXPECT_EQ(store_.ReadFlip(), c.stored);
        EXPECT_EQ(store_.WriteRecordDelay("RecordDelay", c.value), c.stored);
        EXPECT_EQ(store_.ReadRecordDelay("RecordDelay"), c.stored);
    }
    EXPECT_NE(ReadFileText(file_).find("[PROFILES]"), std::string::npos);
}

TEST_F(SettingsStoreTest, AbsentValuesReadAsZeroAndStoredTextsAsDecimals) {
    EXPECT_EQ(store_.ReadFlip(), 0);
    EXPECT_EQ(store_.ReadRecordDelay("RecordDelay"), 0);
    std::filesystem::create_directories(file_.parent_path());
    WriteText(file_, "[profiles]\nflip=1x\nAufnahmeVerzoegerung= 1\n");
    EXPECT_EQ(store_.ReadFlip(), 1);
    EXPECT_EQ(store_.ReadRecordDelay("AufnahmeVerzoegerung"), 1) << "the name follows the language file";
    EXPECT_EQ(store_.ReadRecordDelay("RecordDelay"), 0);
}

TEST_F(SettingsStoreTest, ProfileListRowsAndCount) {
    EXPECT_TRUE(store_.WriteProfileListCount(0));
    EXPECT_EQ(store_.ReadValue("PROFILE00", ""), "0");
    EXPECT_EQ(store_.ReadValue("PROFILE01", "absent"), "absent");

    for (int row = 0; row < 3; ++row)
        EXPECT_TRUE(
            store_.WriteProfileListEntry(row, "/docs/Gaming Keyboard/p" + std::to_string(row) + ".qvx"));
    EXPECT_TRUE(store_.WriteProfileListCount(3));
    EXPECT_EQ(store_.ReadValue("PROFILE01", ""), "/docs/Gaming Keyboard/p0.qvx");
    EXPECT_EQ(store_.ReadValue("PROFILE03", ""), "/docs/Gaming Keyboard/p2.qvx");

    // A shorter list leaves the rows beyond it in place.
    EXPECT_TRUE(store_.WriteProfileListCount(1));
    EXPECT_EQ(store_.ReadValue("PROFILE00", ""), "1");
    EXPECT_EQ(store_.ReadValue("PROFILE03", ""), "/docs/Gaming Keyboard/p2.qvx");

    EXPECT_TRUE(store_.WriteProfileListEntry(99, "x.qvx"));
    EXPECT_EQ(store_.ReadValue("PROFILE100", ""), "x.qvx");
    EXPECT_FALSE(store_.WriteProfileListEntry(-1, "x.qvx"));
    EXPECT_FALSE(store_.WriteProfileListCount(-2));
}

TEST_F(SettingsStoreTest, FolderIsMadeUserOnlyAndAnUnwritablePlaceFails) {
    EXPECT_TRUE(store_.WriteProfileListCount(0));
    struct stat status {};
    ASSERT_EQ(::stat(file_.parent_path().c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700u);

    WriteText(folder_ / "blocked", "a file where the folder should be");
    SettingsStore blocked(folder_ / "blocked" / "Quovex_Orvane" / "Quovex.ini");
    EXPECT_FALSE(blocked.WriteProfileListCount(3));
    EXPECT_EQ(blocked.WriteFlip(1), 1) << "the number that was to be stored";
    EXPECT_EQ(blocked.ReadFlip(), 0);
}

}  // namespace
}  // namespace quovex
