// Binding libHidServ.so: what a missing or broken library reports.
#include <gtest/gtest.h>

#include <filesystem>

#include "device/hidserv_library.h"

namespace quovex {
namespace {

TEST(LibraryBindingTest, FailuresSayWhatIsMissingAndWhere) {
    const std::filesystem::path broken = QUOVEX_BROKEN_HIDSERV_DIR;
    const std::filesystem::path empty = ::testing::TempDir() + "/no-hidserv-here";
    std::filesystem::create_directories(empty);
    const struct {
        std::filesystem::path folder;
        std::string says;
    } cases[] = {
        {empty, "cannot load the HID service library " + (empty / "libHidServ.so").string() + ": "},
        {broken / "missing_entry_point", "the HID service library " +
                                             (broken / "missing_entry_point" / "libHidServ.so").string() +
                                             " has no entry point RequestStatusSetFeature"},
        {broken / "init_fails", "the HID service library " +
                                    (broken / "init_fails" / "libHidServ.so").string() +
                                    " failed to start (Init returned 0)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder);
        std::string error;
        EXPECT_EQ(HidServLibrary::Load(c.folder, &error), nullptr);
        EXPECT_EQ(error.substr(0, c.says.size()), c.says);
        EXPECT_EQ(error.find('\n'), std::string::npos) << "the error is one line";
    }
}

}  // namespace
}  // namespace quovex
