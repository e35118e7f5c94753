// Reading a skin INI file: [SCREEN] pictures and link, rectangles, labels and
// mode names by language, and a missing file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "skin/skin_keys.h"
#include "skin/skin_layout.h"

namespace quovex::skin {
namespace {

class SkinLayoutFileTest : public testing::Test {
protected:
    void Write(const char* text) { std::ofstream(path_, std::ios::binary) << text; }
    std::filesystem::path path_ = std::filesystem::path(testing::TempDir()) / "skin_layout_test.ini";
    void TearDown() override { std::filesystem::remove(path_); }
};

TEST_F(SkinLayoutFileTest, ScreenPicturesAndLink) {
    Write("[SCREEN]\nMain=back.jpg\nMask=shape.bmp\nLink=https://example.org/kb\n");
    const SkinLayoutFile ini(path_);
    EXPECT_EQ(ini.Background(), "back.jpg");
    EXPECT_EQ(ini.Mask(), "shape.bmp");
    EXPECT_EQ(ini.Link(), "https://example.org/kb");

    Write("[screen]\nmain=back.jpg\n");
    EXPECT_EQ(ini.Mask(), "back.jpg") << "without Mask the background shapes the dialog";
    EXPECT_EQ(ini.Link(), kDefaultLinkAddress);
}

TEST_F(SkinLayoutFileTest, AMissingFileReadsAsEveryKeyMissing) {
    const SkinLayoutFile ini(path_);
    EXPECT_EQ(ini.Background(), "");
    EXPECT_EQ(ini.Mask(), "");
    EXPECT_EQ(ini.ButtonRect("CONTROL_OK"), (SkinRect{1, 1, 1, 1}));
    EXPECT_TRUE(ini.ButtonRect("CONTROL_OK").MarksAbsentButton());
    EXPECT_EQ(ini.ModeName(5, 1), std::optional<std::string>("1"));
    EXPECT_EQ(ini.PanelLabel("Deng", 0), std::optional<std::string>(""));
}

TEST_F(SkinLayoutFileTest, RectanglesAreFoundRegardlessOfCase) {
    Write("[ButtonInfo]\ncontrol_ok=940,472,100,36\nODD=12,30,80,24,old\n[BUTTONINFO2]\nUP_ARROW_LEFT1=16,16,10,12\n");
    const SkinLayoutFile ini(path_);
    EXPECT_EQ(ini.ButtonRect("CONTROL_OK"), (SkinRect{940, 472, 100, 36}));
    EXPECT_EQ(ini.Rect("buttoninfo", "Control_Ok"), (SkinRect{940, 472, 100, 36}));
    EXPECT_EQ(ini.ButtonRect("odd"), (SkinRect{12, 30, 80, 24}));
    EXPECT_EQ(ini.Rect(kSectionArrowFrames, ArrowFrameKey("UP_ARROW_LEFT", 1)), (SkinRect{16, 16, 10, 12}));
}

TEST_F(SkinLayoutFileTest, LabelsAndModeNamesFollowTheLanguageNumber) {
    Write("[Control_Name]\nDeng=灯光效果\n[Control_Name1]\nDeng=Lighting\n[Mode]\n1=波浪\n[Mode1]\n1=Wave\n");
    const SkinLayoutFile ini(path_);
    EXPECT_EQ(ini.PanelLabel("Deng", 0), std::optional<std::string>("灯光效果"));
    EXPECT_EQ(ini.PanelLabel("Deng", 1), std::optional<std::string>("Lighting"));
    EXPECT_EQ(ini.PanelLabel("Deng", 2), std::nullopt) << "any other language sets no label";
    EXPECT_EQ(ini.PanelLabel("Speed", 1), std::optional<std::string>("")) << "a missing key gives an empty caption";
    EXPECT_EQ(ini.ModeName(1, 0), std::optional<std::string>("波浪"));
    EXPECT_EQ(ini.ModeName(1, 1), std::optional<std::string>("Wave"));
    EXPECT_EQ(ini.ModeName(2, 1), std::optional<std::string>("1"));
    EXPECT_EQ(ini.ModeName(1, -1), std::nullopt);
}

}  // namespace
}  // namespace quovex::skin
