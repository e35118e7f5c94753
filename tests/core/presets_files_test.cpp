// The preset files and lxkb.ini in the profile folder: seeding them once from
// the factory presets, the exact sections, keys and value formats, defaults for
// whatever is missing or unreadable, and restoring a profile's presets.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "lighting/preset_files.h"
#include "support/temporary_folder.h"

namespace quovex {
namespace {

using test_support::ReadFileText;
using test_support::TemporaryFolder;
using test_support::WriteText;

constexpr const char* kFactory =
    "[PRESENTMODE]\nmode=1\n\n[MODENAME]\n0=Red\n1=Blue\n\n"
    "[Mode0]\ntool=0\njcolor=255,255,255\ncolor=255,0,0\n64=255,0,0,0\n\n"
    "[Mode1]\ntool=1\njcolor=0,0,200\ncolor=10,20,30\n64=0,0,200,1\n110=1,2,3,0\n";

class PresetFilesTest : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directories(skin); }

    std::filesystem::path PresetFile(int n) const { return PresetFilePath(profileFolder, n); }
    std::string Settings() const { return ReadFileText(LightingSettingsPath(profileFolder)); }

    TemporaryFolder temporary;
    std::filesystem::path profileFolder = temporary / "Documents" / "Gaming Keyboard";
    std::filesystem::path skin = temporary / "Skins";
};

TEST_F(PresetFilesTest, SeedingCopiesTheFactoryPresetsToFourFilesOnce) {
    WriteText(FactoryPresetFilePath(skin), kFactory);
    ASSERT_TRUE(SeedColourPresets(profileFolder, skin));
    for (int n = 0; n <= 3; ++n) {
        EXPECT_EQ(PresetFile(n).filename(), "UserDengColor_" + std::to_string(n) + ".userd");
        EXPECT_EQ(ReadFileText(PresetFile(n)), kFactory) << n;
    }
    EXPECT_FALSE(std::filesystem::exists(PresetFile(4)));
    EXPECT_EQ(Settings(), "[KEYCOLOR]\nusermodeCheck=1\n");

    // Seeded once: later starts leave the files as they are.
    WriteText(PresetFile(0), "[PRESENTMODE]\nmode=2\n");
    WriteText(FactoryPresetFilePath(skin), "[PRESENTMODE]\nmode=5\n");
    ASSERT_TRUE(SeedColourPresets(profileFolder, skin));
    EXPECT_EQ(ReadFileText(PresetFile(0)), "[PRESENTMODE]\nmode=2\n");
    EXPECT_EQ(ReadFileText(PresetFile(3)), kFactory);
}

TEST_F(PresetFilesTest, SeedingWithoutTheFactoryFileLeavesEmptyPresetFilesThatReadAsDefaults) {
    ASSERT_TRUE(SeedColourPresets(profileFolder, skin));
    for (int n = 0; n <= 3; ++n) EXPECT_EQ(std::filesystem::file_size(PresetFile(n)), 0u) << n;
    EXPECT_EQ(Settings(), "[KEYCOLOR]\nusermodeCheck=1\n");
    const PresetFiles presets(profileFolder);
    EXPECT_EQ(presets.ReadKeyColour(0, 0, 64), (KeyColour{kRgbRed, true}));
}

TEST_F(PresetFilesTest, SeedingAgainAfterTheMarkerWasLostKeepsTheUsersPresets) {
    WriteText(FactoryPresetFilePath(skin), kFactory);
    std::filesystem::create_directories(profileFolder);
    WriteText(PresetFile(1), "[MODENAME]\n0=Mine\n");
    WriteText(PresetFile(2), "");  // an empty file holds no presets
    WriteText(PresetFile(3), "old pristine copy");
    WriteText(LightingSettingsPath(profileFolder), "[KEYCOLOR]\nDengCheck=1\nusermodeCheck=0\n");

    ASSERT_TRUE(SeedColourPresets(profileFolder, skin));
    EXPECT_EQ(ReadFileText(PresetFile(0)), kFactory);
    EXPECT_EQ(ReadFileText(PresetFile(1)), "[MODENAME]\n0=Mine\n");
    EXPECT_EQ(ReadFileText(PresetFile(2)), kFactory);
    EXPECT_EQ(ReadFileText(PresetFile(3)), kFactory) << "the pristine copy is refreshed";
    EXPECT_EQ(Settings(), "[KEYCOLOR]\nDengCheck=1\nusermodeCheck=1\n");
}

TEST_F(PresetFilesTest, SeedingThatCannotWriteLeavesTheMarkerUnset) {
    WriteText(FactoryPresetFilePath(skin), kFactory);
    std::filesystem::create_directories(profileFolder);
    std::filesystem::create_directories(PresetFile(0));  // a folder in the way of the preset file
    EXPECT_FALSE(SeedColourPresets(profileFolder, skin));
    EXPECT_FALSE(std::filesystem::exists(LightingSettingsPath(profileFolder)));
}

TEST_F(PresetFilesTest, ReadsThePresetFileOfEachProfile) {
    WriteText(FactoryPresetFilePath(skin), kFactory);
    ASSERT_TRUE(SeedColourPresets(profileFolder, skin));
    WriteText(PresetFile(2), "[PRESENTMODE]\nmode=9\n[Mode9]\ntool=1\n[MODENAME]\n9=Nine\n");
    const PresetFiles presets(profileFolder);

    EXPECT_EQ(presets.ReadPresentMode(0), 1);
    EXPECT_EQ(presets.ReadPresetName(0, 1), "Blue");
    EXPECT_EQ(presets.ReadPresetName(0, 5), "0") << "missing names read \"0\"";
    EXPECT_EQ(presets.ReadPresetTools(0, 1), (PresetTools{1, Rgb{0, 0, 200}, Rgb{10, 20, 30}}));
    EXPECT_EQ(presets.ReadKeyColour(0, 1, 64), (KeyColour{Rgb{0, 0, 200}, true}));
    EXPECT_EQ(presets.ReadKeyColour(0, 1, 110), (KeyColour{Rgb{1, 2, 3}, false}));
    EXPECT_EQ(presets.ReadKeyColour(0, 1, 65), kDefaultKeyColour);

    EXPECT_EQ(presets.ReadPresentMode(2), 9);
    EXPECT_EQ(presets.ReadPresetName(2, 9), "Nine");
    EXPECT_EQ(presets.ReadPresetTools(2, 9), (PresetTools{1, kRgbBlack, kRgbBlack}));
}

TEST_F(PresetFilesTest, ADeletedPresetFileReadsDefaultsAndIsNotCreatedByReading) {
    const PresetFiles presets(profileFolder);
    EXPECT_EQ(presets.ReadPresentMode(0), 0);
    EXPECT_EQ(presets.ReadPresetName(0, 3), "0");
    EXPECT_EQ(presets.ReadPresetTools(0, 3), PresetTools{});
    EXPECT_EQ(presets.ReadKeyColour(0, 3, 64), (KeyColour{Rgb{255, 0, 0}, true}));
    EXPECT_FALSE(presets.ReadLightingView());
    EXPECT_FALSE(std::filesystem::exists(profileFolder));
}

TEST_F(PresetFilesTest, NumbersOutOfRangeReadAsTheirDefaults) {
    std::filesystem::create_directories(profileFolder);
    WriteText(PresetFile(0), "[PRESENTMODE]\nmode=12\n[Mode0]\ntool=7\njcolor=1,2,999\n");
    WriteText(PresetFile(1), "[PRESENTMODE]\nmode=-1\n[Mode0]\ntool=-3\n");
    WriteText(PresetFile(2), "[PRESENTMODE]\nmode=nine\n");
    const PresetFiles presets(profileFolder);
    EXPECT_EQ(presets.ReadPresentMode(0), 0);
    EXPECT_EQ(presets.ReadPresentMode(1), 0);
    EXPECT_EQ(presets.ReadPresentMode(2), 0);
    EXPECT_EQ(presets.ReadPresetTools(0, 0), (PresetTools{0, Rgb{1, 2, 0}, kRgbBlack}));
    EXPECT_EQ(presets.ReadPresetTools(1, 0).tool, 0);
    // Profiles and presets outside the files: defaults, and nothing written.
    EXPECT_EQ(presets.ReadKeyColour(3, 0, 64), kDefaultKeyColour);
    EXPECT_EQ(presets.ReadPresetName(0, 10), "0");
}

TEST_F(PresetFilesTest, WritesUseTheExactSectionsKeysAndFormats) {
    std::filesystem::create_directories(profileFolder);
    PresetFiles presets(profileFolder);
    ASSERT_TRUE(presets.WritePresentMode(1, 4));
    ASSERT_TRUE(presets.WritePresetName(1, 4, "Night sky"));
    ASSERT_TRUE(presets.WritePresetTools(1, 4, PresetTools{1, Rgb{1, 2, 3}, Rgb{40, 50, 60}}));
    ASSERT_TRUE(presets.WriteKeyColour(1, 4, 64, {Rgb{7, 8, 9}, false}));
    const SlotColour keys[] = {{110, {kRgbWhite, true}}, {64, {Rgb{1, 2, 3}, true}}};
    ASSERT_TRUE(presets.WriteKeyColours(1, 4, keys));
    ASSERT_TRUE(presets.WriteLightingView(true));

    EXPECT_EQ(ReadFileText(PresetFile(1)),
              "[PRESENTMODE]\nmode=4\n"
              "[MODENAME]\n4=Night sky\n"
              "[Mode4]\ntool=1\njcolor=1,2,3\ncolor=40,50,60\n64=1,2,3,1\n110=255,255,255,1\n");
    EXPECT_EQ(Settings(), "[KEYCOLOR]\nDengCheck=1\n");
    EXPECT_TRUE(presets.ReadLightingView());
    ASSERT_TRUE(presets.WriteLightingView(false));
    EXPECT_FALSE(presets.ReadLightingView());

    EXPECT_FALSE(presets.WritePresentMode(1, 10));
    EXPECT_FALSE(presets.WritePresentMode(3, 0));
    EXPECT_FALSE(presets.WriteKeyColour(-1, 0, 64, kDefaultKeyColour));
    EXPECT_FALSE(std::filesystem::exists(PresetFile(3)));
    for (const auto& entry : std::filesystem::directory_iterator(profileFolder)) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name == "UserDengColor_1.userd" || name == "lxkb.ini") << "left behind: " << name;
    }
}

TEST_F(PresetFilesTest, PresetNamesAreCutTo259Characters) {
    std::filesystem::create_directories(profileFolder);
    PresetFiles presets(profileFolder);
    std::string name;
    for (int i = 0; i < 300; ++i) name += "é";
    ASSERT_TRUE(presets.WritePresetName(0, 0, name));
    const std::string read = presets.ReadPresetName(0, 0);
    EXPECT_EQ(read.size(), 259u * 2) << "259 two-byte characters";
    EXPECT_FALSE(presets.WritePresetName(0, 0, "two\nlines"));
    EXPECT_EQ(presets.ReadPresetName(0, 0), read);
}

TEST_F(PresetFilesTest, RestoringAProfileCopiesThePristinePresets) {
    WriteText(FactoryPresetFilePath(skin), kFactory);
    ASSERT_TRUE(SeedColourPresets(profileFolder, skin));
    PresetFiles presets(profileFolder);
    ASSERT_TRUE(presets.WriteKeyColour(2, 0, 64, {kRgbWhite, false}));
    EXPECT_EQ(presets.ReadKeyColour(2, 0, 64), (KeyColour{kRgbWhite, false}));

    ASSERT_TRUE(presets.RestoreProfilePresets(2));
    EXPECT_EQ(ReadFileText(PresetFile(2)), kFactory);
    EXPECT_EQ(presets.ReadKeyColour(2, 0, 64), (KeyColour{kRgbRed, false}));

    std::filesystem::remove(PresetFile(3));
    ASSERT_TRUE(presets.WritePresetName(2, 0, "Mine"));
    EXPECT_FALSE(presets.RestoreProfilePresets(2)) << "no pristine copy to restore from";
    EXPECT_EQ(presets.ReadPresetName(2, 0), "Mine") << "the profile's presets are kept";
    EXPECT_FALSE(presets.RestoreProfilePresets(3));
}

}  // namespace
}  // namespace quovex
