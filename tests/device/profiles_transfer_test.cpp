// Export, import and backup of the working profile against the virtual
// keyboard: what reaches the file, the working profile, the working file and
// the keyboard, and the messages, for good, damaged and cut-short files.
#include <gtest/gtest.h>

#include <cstring>

#include "keys/key_map.h"
#include "model/assign_type.h"
#include "profiles/profile_transfer.h"
#include "profiles_app_fixture.h"

namespace quovex {
namespace {

using test_support::AppFixture;
using test_support::ReadBytes;
using test_support::TestMacro;
using test_support::WriteBytes;

class ProfilesTransferTest : public AppFixture {
protected:
    // Macros, assignments in every profile, a program path (type 3) and a text block (type 6).
    void FillWorkingProfile() {
        auto lock = context_->Working().Lock();
        WorkingProfile& working = context_->Working();
        working.Macros() = {TestMacro(3, u"Fire", 6), TestMacro(1, u"Build", 2)};
        working.Entry(EntryIndex(0, 0x1E)) = KeyEntry{ASSIGN_MACRO, 1, 3, 0, 0};
        working.Entry(EntryIndex(1, 0x10)) = KeyEntry{ASSIGN_PROGRAM, 0, 0, 0, 0};
        working.Strings().Set(EntryIndex(1, 0x10), u"/usr/bin/calculator");
        working.Entry(EntryIndex(2, 0x11)) = KeyEntry{ASSIGN_TEXT, 0, 0, 0, 0};
        working.Strings().Set(EntryIndex(2, 0x11), u"Hello, Welt ✓");
        working.Entry(EntryIndex(0, 7)) = KeyEntry{ASSIGN_KEY, 0, 0x30, 0, 0};
        working.Entry(EntryIndex(2, 0x3B)) = KeyEntry{ASSIGN_MEDIA, 0, 7, 1, 0};
    }

    std::vector<uint8_t> EncodedKeyMap(int profile) {
        auto lock = context_->Working().Lock();
        const KeyMap map = EncodeKeyMap(context_->Working().Block(profile), context_->Working().Macros(),
                                        context_->Keyboard().DefaultKeyMap());
        return {map.begin(), map.end()};
    }

    // Everything an import may change.
    struct Everything {
        std::vector<uint8_t> working, working_file, key_maps, macros;
        bool operator==(const Everything&) const = default;
    };
    Everything Now() {
        return {WorkingBytes(), ReadBytes(WorkingFile()), Control().ReadMemory(sim::Memory::kKeyMaps),
                Control().ReadMemory(sim::Memory::kMacros)};
    }
};

TEST_F(ProfilesTransferTest, ExportRightAfterStartWithoutKeyboardIsTheDefaultImage) {
    Control().Detach();
    StartedContext();
    prompter_.QueueFile(folder_ / "export.qvx");
    ExportProfile(Services());
    const auto file = ReadBytes(folder_ / "export.qvx");
    ASSERT_EQ(file.size(), 32832u);
    EXPECT_EQ(std::memcmp(file.data(), MakeDefaultImage(0).get(), file.size()), 0);
    EXPECT_EQ(prompter_.Prompts().size(), 1u) << "the file choice only, no message";
}

TEST_F(ProfilesTransferTest, ImportOfAnExportReproducesTheWorkingProfileAndWritesAllThreeProfiles) {
    SetKeyboardState(1, 64);
    StartedContext();
    FillWorkingProfile();
    const auto path = folder_ / "profile.qvx";
    ASSERT_EQ(ExportProfileTo(Services(), path), 1);
    const auto exported = WorkingBytes();
    {
        auto lock = context_->Working().Lock();
        CreateDefaultImage(context_->Working(), 0);
    }
    Services().SetApplyEnabled(true);

    prompter_.QueueFile(path);
    ImportProfile(Services());
    EXPECT_EQ(WorkingBytes(), exported);
    EXPECT_EQ(ReadBytes(path), exported);
    EXPECT_EQ(ReadBytes(WorkingFile()), exported) << "the working file holds the import";
    {
        auto lock = context_->Working().Lock();
        const StringTable& strings = context_->Working().Strings();
        ASSERT_NE(strings.Get(EntryIndex(1, 0x10)), nullptr);
        EXPECT_EQ(*strings.Get(EntryIndex(1, 0x10)), u"/usr/bin/calculator");
        ASSERT_NE(strings.Get(EntryIndex(2, 0x11)), nullptr);
        EXPECT_EQ(*strings.Get(EntryIndex(2, 0x11)), u"Hello, Welt ✓");
    }
    for (int profile = 0; profile < 3; ++profile)
        EXPECT_EQ(KeyMapOnKeyboard(profile), EncodedKeyMap(profile)) << "profile " << profile;
    EXPECT_FALSE(context_->Flags().apply_enabled.load());
    EXPECT_EQ(prompter_.Keys(), std::vector<std::string>{""}) << "the file choice only";
}

TEST_F(ProfilesTransferTest, ImportOfAFileDeclaringTooManyMacrosFailsWithBothMessages) {
    StartedContext();
    auto image = MakeDefaultImage(0);
    BuildImageHeader(*image, 101, 0, 0);
    const auto path = folder_ / "many.qvx";
    WriteBytes(path, std::span(reinterpret_cast<const uint8_t*>(image.get()), sizeof *image));
    const Everything before = Now();

    EXPECT_FALSE(ImportProfileFrom(Services(), path));
    EXPECT_EQ(prompter_.Keys(), (std::vector<std::string>{"PROFILE_FORMAT_ERROR", "MAIN_PROMPT_INPORT"}));
    EXPECT_NE(prompter_.Prompts()[0].text.find(path.string()), std::string::npos);
    EXPECT_EQ(Now(), before);
}

TEST_F(ProfilesTransferTest, ImportOfACutShortFileChangesNothing) {
    SetKeyboardState(0, 64);
    StartedContext();
    FillWorkingProfile();
    const auto path = folder_ / "short.qvx";
    ASSERT_EQ(ExportProfileTo(Services(), path), 1);
    auto bytes = ReadBytes(path);
    bytes.resize(32832 + 16512 + 100);  // the header still announces two macros and the strings
    WriteBytes(path, bytes);
    {
        auto lock = context_->Working().Lock();
        CreateDefaultImage(context_->Working(), 0);
    }
    Services().SetApplyEnabled(true);
    const Everything before = Now();
    const uint64_t reports = Control().ReportsReceived();

    EXPECT_FALSE(ImportProfileFrom(Services(), path));
    EXPECT_EQ(prompter_.Keys(), std::vector<std::string>{"MAIN_PROMPT_INPORT"});
    EXPECT_EQ(Now(), before);
    EXPECT_EQ(Control().ReportsReceived(), reports) << "nothing was sent to the keyboard";
    EXPECT_TRUE(context_->Flags().apply_enabled.load());
    EXPECT_FALSE(log_.Lines().empty());
}

TEST_F(ProfilesTransferTest, ImportWithoutAWorkingFileWritesTheKeyboardButCreatesNoFile) {
    StartedContext();
    FillWorkingProfile();
    const auto path = folder_ / "profile.qvx";
    ASSERT_EQ(ExportProfileTo(Services(), path), 1);
    std::filesystem::remove(WorkingFile());

    EXPECT_TRUE(ImportProfileFrom(Services(), path));
    EXPECT_FALSE(std::filesystem::exists(WorkingFile()));
    EXPECT_EQ(KeyMapOnKeyboard(2), EncodedKeyMap(2));
}

TEST_F(ProfilesTransferTest, BackupSaysWhetherTheFileWasWritten) {
    StartedContext();
    prompter_.QueueFile(folder_ / "backup.qvx");
    prompter_.QueueFile(folder_ / "no such folder" / "backup.qvx");
    prompter_.QueueFile(std::nullopt);
    BackupProfile(Services());
    BackupProfile(Services());
    BackupProfile(Services());  // cancelled: nothing
    EXPECT_EQ(ReadBytes(folder_ / "backup.qvx"), WorkingBytes());
    EXPECT_EQ(prompter_.Keys(),
              (std::vector<std::string>{"", "MAIN_UPDATE_BACKUP_OK", "", "MAIN_UPDATE_BACKUP_NG", ""}));
}

}  // namespace
}  // namespace quovex
