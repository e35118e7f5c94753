// Rectangle values of the skin files, and where the dialogs' INI files lie.
#include <gtest/gtest.h>

#include <string>

#include "skin/skin_files.h"
#include "skin/skin_rect.h"

namespace quovex::skin {
namespace {

struct RectCase {
    const char* value;
    SkinRect expected;
};

TEST(SkinRectTest, ScansFourNumbersAndKeepsOneForWhatDoesNotScan) {
    const RectCase cases[] = {
        {"12,30,80,24", {12, 30, 80, 24}},
        {"12,30,80,24,old", {12, 30, 80, 24}},  // anything after the fourth number is ignored
        {"1,1,1,1,x", {1, 1, 1, 1}},            // the value a missing key reads as
        {" 12, +30,  -5,24", {12, 30, -5, 24}},  // blanks and signs before each number, as %d takes them
        {"12,30", {12, 30, 1, 1}},              // the numbers that did scan are used
        {"12 ,30,80,24", {12, 1, 1, 1}},        // the comma must follow the number directly
        {"12,abc,80,24", {12, 1, 1, 1}},        // a malformed number stops the scan
        {"", {1, 1, 1, 1}},
        {"x", {1, 1, 1, 1}},
        {"99999999999,30,80,24", {1, 1, 1, 1}},  // out of the int range: not scanned
        {"12,30,80,2147483648", {12, 30, 80, 1}},
        {"-2147483648,0,0,0", {-2147483648, 0, 0, 0}},
    };
    for (const RectCase& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(ParseSkinRect(c.value), c.expected);
    }
}

TEST(SkinRectTest, ReadsAtMost259Characters) {
    // The cut at 259 characters leaves blanks and the first number only.
    const std::string value = std::string(255, ' ') + "1234,30,80,24";
    EXPECT_EQ(ParseSkinRect(value), (SkinRect{1234, 1, 1, 1}));
    EXPECT_EQ(ParseSkinRect(std::string(259, ' ') + "5,5,5,5"), (SkinRect{1, 1, 1, 1}));
}

TEST(SkinRectTest, OnlyXAndYOfOneMarkAnAbsentButton) {
    EXPECT_TRUE(ParseSkinRect(kMissingRectValue).MarksAbsentButton());
    EXPECT_TRUE(ParseSkinRect("1,1,80,24").MarksAbsentButton());
    EXPECT_FALSE(ParseSkinRect("1,2,80,24").MarksAbsentButton());
    EXPECT_FALSE(ParseSkinRect("2,1,80,24").MarksAbsentButton());
}

TEST(SkinFilesTest, EachDialogKeepsItsIniAndTheSkinFolder) {
    const std::filesystem::path program = "/opt/quovex";
    const struct {
        SkinDialog dialog;
        const char* ini;
    } cases[] = {{SkinDialog::kMain, "Main.ini"},
                 {SkinDialog::kComposite, "Composite.ini"},
                 {SkinDialog::kProfile, "Profile.ini"},
                 {SkinDialog::kUpdate, "UpdateDlg.ini"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ini);
        const SkinPaths paths = SkinPathsOf(program, c.dialog);
        EXPECT_EQ(paths.ini_path, program / "Skins" / c.ini);
        EXPECT_EQ(paths.image_folder, program / "Skins");
    }
    EXPECT_EQ(StateImageName("main_normal.jpg"), std::filesystem::path("Skins/main_normal.jpg"));
    EXPECT_EQ(panel_images::ProgressFrame(0), "jdt1.bmp");
    EXPECT_EQ(panel_images::ProgressFrame(9), "jdt10.bmp");
    EXPECT_EQ(panel_images::BrightnessTrack(4), "4.bmp");
    EXPECT_EQ(panel_images::SpeedTrack(0), "6.bmp");
    EXPECT_EQ(panel_images::SpeedTrack(4), "10.bmp");
}

}  // namespace
}  // namespace quovex::skin
