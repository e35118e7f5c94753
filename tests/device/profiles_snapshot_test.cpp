// The keyboard snapshot and the resync against the virtual keyboard: the
// profile file built from the keyboard's key maps and macro memory, and the
// working profile rebuilt from it, or from defaults when the keyboard cannot
// be read.
#include <gtest/gtest.h>

#include <cstring>

#include "model/assign_type.h"
#include "profiles/keyboard_snapshot.h"
#include "profiles/resync.h"
#include "profiles_app_fixture.h"

namespace quovex {
namespace {

using test_support::AppFixture;
using test_support::ReadBytes;
using test_support::TestMacro;
using test_support::WriteBytes;

ImageHeader HeaderOf(const std::vector<uint8_t>& file) {
    ImageHeader header{};
    std::memcpy(&header, file.data(), sizeof header);
    return header;
}

// Key map position 8 holds Esc (02 02 29) in the default map; key slot 0x01.
constexpr int kEscPosition = 8;
constexpr int kEscSlot = 0x01;

class ProfilesSnapshotTest : public AppFixture {};

TEST_F(ProfilesSnapshotTest, FiveMacrosGiveTheImagePlusFiveRecordsAndNoStrings) {
    SetKeyboardState(0, 64);
    SetKeyboardMacros({TestMacro(1, u"Fire", 4), TestMacro(2, u"Build", 2), TestMacro(3, u"Jump", 6),
                       TestMacro(4, u"Duck", 2), TestMacro(5, u"Run", 8)});
    const uint8_t play_third_macro[] = {0x05, 0x01, 0x02};
    ASSERT_TRUE(
        Control().WriteMemory(sim::Memory::kKeyMaps, kKeyMapSize + 3 * kEscPosition, play_third_macro));
    StartedContext();
    const auto path = folder_ / "snapshot";

    ASSERT_EQ(SnapshotKeyboardToFile(Services(), path), 1);
    const auto file = ReadBytes(path);
    ASSERT_EQ(file.size(), 115392u);
    EXPECT_EQ(HeaderOf(file).macro_count, 5);
    EXPECT_EQ(HeaderOf(file).string_bytes, 0u);
    EXPECT_EQ(HeaderOf(file).total_size, 115392u);

    const auto contents = ParseImageBytes(file);
    ASSERT_TRUE(contents);
    EXPECT_EQ(MacroName(contents->macros[4]), u"Run");
    EXPECT_EQ(contents->macros[2].action_count, 6);
    EXPECT_EQ(contents->image->entries[EntryIndex(1, kEscSlot)], (KeyEntry{ASSIGN_MACRO, 0, 3, 0, 0}));
    EXPECT_EQ(contents->image->entries[EntryIndex(2, 256)].aux, 0x0301) << "G-key identifiers in every block";
    EXPECT_EQ(contents->image->entries[EntryIndex(3, 256)], KeyEntry{}) << "the fourth block stays zero";
}

TEST_F(ProfilesSnapshotTest, MacroMemoryWithoutTheMagicWordGivesNoMacros) {
    const uint8_t no_magic[] = {0x00, 0x00, 0x40, 0x00, 0x03, 0x00};
    ASSERT_TRUE(Control().WriteMemory(sim::Memory::kMacros, 0, no_magic));
    StartedContext();
    ASSERT_EQ(SnapshotKeyboardToFile(Services(), folder_ / "snapshot"), 1);
    const auto file = ReadBytes(folder_ / "snapshot");
    EXPECT_EQ(file.size(), 32832u);
    EXPECT_EQ(HeaderOf(file).macro_count, 0);
}

TEST_F(ProfilesSnapshotTest, FailedReadOrUnreadableMacroMemoryLeavesTheFileAsItWas) {
    StartedContext();
    const auto path = folder_ / "snapshot";
    const std::vector<uint8_t> old_file = {1, 2, 3};
    WriteBytes(path, old_file);

    Control().SetFaults({.error = 3});  // the first key map read fails
    EXPECT_EQ(SnapshotKeyboardToFile(Services(), path), 0);
    EXPECT_EQ(ReadBytes(path), old_file);

    // A header that claims 101 macros cannot be read as a macro memory.
    const uint8_t too_many[] = {0xAA, 0x55, 0x40, 0x00, 101, 0x00};
    ASSERT_TRUE(Control().WriteMemory(sim::Memory::kMacros, 0, too_many));
    EXPECT_EQ(SnapshotKeyboardToFile(Services(), path), 0);
    EXPECT_EQ(ReadBytes(path), old_file);
    EXPECT_FALSE(log_.Lines().empty());
}

TEST_F(ProfilesSnapshotTest, ResyncWithTheKeyboardLoadsItsSnapshot) {
    SetKeyboardState(2, 64);
    StartedContext();
    EditKey(2, 0x1E, 0x30);
    SetKeyboardMacros({TestMacro(1, u"Fire", 4)});
    view_.Clear();

    EXPECT_EQ(ResyncFromKeyboard(Services(), false), 1);
    EXPECT_EQ(WorkingBytes(), ReadBytes(WorkingFile()));
    {
        auto lock = context_->Working().Lock();
        EXPECT_EQ(context_->Working().Macros().size(), 1u);
        EXPECT_EQ(context_->Working().Entry(EntryIndex(2, 0x1E)).type, ASSIGN_DEFAULT) << "the edit is gone";
    }
    EXPECT_EQ(view_.CallsOf("RefreshKeyButtons"),
              (std::vector<test_support::RecordingViewSink::Call>{{"RefreshKeyButtons", 2}}));
    EXPECT_FALSE(context_->Flags().apply_enabled.load());
}

TEST_F(ProfilesSnapshotTest, ResyncWithoutKeyboardInstallsDefaultsAndLeavesTheWorkingFile) {
    SetKeyboardMacros({TestMacro(1, u"Fire", 4)});
    StartedContext();
    const auto working_file = ReadBytes(WorkingFile());
    ASSERT_GT(working_file.size(), 32832u);
    Control().Detach();
    WaitForPresence();
    view_.Clear();

    EXPECT_EQ(ResyncFromKeyboard(Services(), true), 1);
    EXPECT_EQ(ReadBytes(WorkingFile()), working_file);
    const auto default_image = MakeDefaultImage(0);
    const auto bytes = WorkingBytes();
    ASSERT_EQ(bytes.size(), 32832u);
    EXPECT_EQ(std::memcmp(bytes.data(), default_image.get(), bytes.size()), 0);
    EXPECT_EQ(view_.Count("RefreshKeyButtons"), 0u) << "no profile block to show";
    EXPECT_EQ(view_.Count("SetApplyButtonEnabled"), 0u) << "keep_apply leaves the Apply button";
}

}  // namespace
}  // namespace quovex
