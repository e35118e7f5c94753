// Starting the update program detached with posix_spawn.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <thread>

#include "support/temporary_folder.h"
#include "update/program_launcher.h"

namespace quovex {
namespace {

using test_support::TemporaryFolder;
using test_support::WriteText;

TEST(UpdateLauncherTest, StartsAnExecutableAndRefusesWhatCannotRun) {
    TemporaryFolder folder;
    const auto marker = folder / "started";
    const auto program = folder / "updater";
    WriteText(program, "#!/bin/sh\ntouch '" + marker.string() + "'\n");
    ::chmod(program.c_str(), 0755);
    const auto not_executable = folder / "readme.txt";
    WriteText(not_executable, "not a program");

    SpawnedProgramLauncher launcher;
    EXPECT_TRUE(launcher.StartProgram(program));
    for (int i = 0; i < 400 && !std::filesystem::exists(marker); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_TRUE(std::filesystem::exists(marker));

    EXPECT_FALSE(launcher.StartProgram(not_executable));
    EXPECT_FALSE(launcher.StartProgram(folder / "missing"));
}

}  // namespace
}  // namespace quovex
