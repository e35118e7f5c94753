// A process killed while it saves a large working file leaves the old file
// whole: the save writes a temporary file beside it and renames it over the
// old one only once it is complete.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include "model/profile_file.h"
#include "support/temporary_folder.h"

namespace quovex {
namespace {

using test_support::ReadBytes;
using test_support::TemporaryFolder;

// 100 macros of 2000 actions each: a working file of 1.68 MB. `variant`
// makes two versions that differ all through the file.
void FillLargeProfile(WorkingProfile& working, uint16_t variant) {
    auto lock = working.Lock();
    working.Macros().resize(100);
    for (uint16_t i = 0; i < 100; ++i) {
        MacroRecord& macro = working.Macros()[i];
        macro.id = static_cast<uint16_t>(i + 1);
        macro.repeat_count = static_cast<uint8_t>(variant);
        macro.action_count = kMaxMacroActions;
        for (MacroAction& action : macro.actions)
            action = {variant * 10u, static_cast<KeyCode>(0x10 + variant), 0};
    }
    working.Image().entries[0x1E].type = variant;
}

// The names of the save's temporary files left in `folder`, removed as they are counted.
int RemoveLeftoverTemporaryFiles(const std::filesystem::path& folder) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().filename().string().find(".tmp-") != std::string::npos) {
            std::filesystem::remove(entry.path());
            ++count;
        }
    }
    return count;
}

TEST(ProfilesAtomicSaveTest, KillDuringSaveLeavesTheOldFileWhole) {
    TemporaryFolder folder;
    const auto path = folder / "$Profile0";
    WorkingProfile old_version, new_version;
    FillLargeProfile(old_version, 1);
    FillLargeProfile(new_version, 2);
    const auto old_bytes = SerializeWorkingProfile(old_version);
    const auto new_bytes = SerializeWorkingProfile(new_version);
    ASSERT_EQ(old_bytes.size(), 32832u + 100u * 16512u);
    ASSERT_EQ(SaveWorkingProfile(old_version, path), 1);

    std::mt19937 random(7);
    int killed_mid_save = 0;
    for (int attempt = 0; attempt < 40 && killed_mid_save < 3; ++attempt) {
        // The core tests run no other thread, so the child may go on after fork.
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;) {
                SaveWorkingProfile(new_version, path);
                SaveWorkingProfile(old_version, path);
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2 + random() % 30));
        ::kill(child, SIGKILL);
        ASSERT_EQ(::waitpid(child, nullptr, 0), child);

        if (RemoveLeftoverTemporaryFiles(folder.Path()) > 0) ++killed_mid_save;
        const auto on_disk = ReadBytes(path);
        ASSERT_TRUE(on_disk == old_bytes || on_disk == new_bytes)
            << "attempt " << attempt << ": a file of " << on_disk.size() << " bytes that is neither version";
    }
    EXPECT_GT(killed_mid_save, 0) << "no kill landed inside a save";
}

}  // namespace
}  // namespace quovex
