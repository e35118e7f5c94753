// Per-key colours and presets against the virtual keyboard: the eight key
// colour reports, painting with each tool, the base colour fill, choosing,
// renaming and restoring presets, and a deleted preset file.
#include <gtest/gtest.h>

#include "lighting/key_colour_operations.h"
#include "lighting/lighting_operations.h"
#include "lighting/lighting_panel_controls.h"
#include "lighting_keyboard_fixture.h"

namespace quovex::lighting_test {
namespace {

namespace lc = lighting_control;
using Lines = std::vector<std::string>;
using test_support::ReadFileText;

const Lines kEightKeyColourReports(int profile) {
    Lines lines = {"begin"};
    for (int k = 0; k < 8; ++k)
        lines.push_back("key colours " + std::to_string(profile * 512 + 54 * k) + " x54");
    lines.push_back("end");
    return lines;
}

class LightingKeyColoursTest : public LightingKeyboardTest {
protected:
    // Loads profile 1 with the lighting view on and mode 20 chosen; preset 1 is selected.
    void ChoosePerKeyColours() {
        test_support::WriteText(LightingSettingsPath(profileFolder),
                                "[KEYCOLOR]\nDengCheck=1\nusermodeCheck=1\n");
        LoadAndShow(1);
        SelectLightingMode(*lighting, ListIndexOf(kPerKeyColourModeId));
        Sent();
        view.ClearCalls();
    }
    std::string PresetFileText(int profile) { return ReadFileText(PresetFilePath(profileFolder, profile)); }
    KeyColour KeyInFile(int profile, int preset, int slot) {
        return PresetFiles(profileFolder).ReadKeyColour(profile, preset, slot);
    }
};

TEST_F(LightingKeyColoursTest, LoadingWithPresetsSendsTheSelectedPresetInsideTheLoadGroup) {
    ASSERT_TRUE(SetLightingProfileIndex(*lighting, 2));
    ASSERT_EQ(LoadLightingWithPresets(*lighting), 0);

    Lines expected = {"read state", "begin"};
    for (const std::string& line : kEightKeyColourReports(2)) expected.push_back(line);
    for (const char* read : {"read lighting 0", "read lighting 42", "read lighting 84", "end"})
        expected.push_back(read);
    EXPECT_EQ(Sent(), expected);
    EXPECT_EQ(view.PresetList(),
              (std::vector<std::string>{"Red", "Blue", "0", "0", "0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(lighting->keyColours.presetIndex, 1);
    EXPECT_EQ(lighting->keyColours.tools, (PresetTools{1, kPresetBase, kPresetPaint}));

    const auto memory = Control().ReadMemory(Memory::kKeyColours);
    EXPECT_EQ(KeyColourOnKeyboard(2, kSlotA), kPresetBase);
    EXPECT_EQ(KeyColourOnKeyboard(2, kSlotS), (Rgb{1, 2, 3}));
    EXPECT_EQ(KeyColourOnKeyboard(2, kSlotFn), (Rgb{4, 5, 6}));
    EXPECT_EQ(KeyColourOnKeyboard(2, 0), kRgbRed) << "Esc reads the default";
    EXPECT_EQ(KeyColourOnKeyboard(2, 125), kRgbBlack) << "the G keys' slot is not in the preset";
    for (size_t at = 1024 + 126 * 3; at < 1024 + 144 * 3; ++at)
        EXPECT_EQ(memory[at], 0) << "slot 126..143 carry zero";
    EXPECT_EQ(KeyColourOnKeyboard(0, kSlotA), KeyColourOnKeyboard(1, kSlotA)) << "other profiles untouched";
}

TEST_F(LightingKeyColoursTest, WithoutMode20TheLoadLeavesThePresetsAlone) {
    SetModeList({1, 2, 3});
    ASSERT_EQ(LoadLightingWithPresets(*lighting), 0);
    EXPECT_EQ(Sent(), (Lines{"read state", "begin", "read lighting 0", "read lighting 42", "read lighting 84",
                             "end"}));
    EXPECT_TRUE(view.PresetList().empty());
}

TEST_F(LightingKeyColoursTest, ADeletedPresetFileMakesEveryKeyRedFollowingTheBaseColour) {
    std::filesystem::remove(PresetFilePath(profileFolder, 0));
    LoadAndShow(0);
    EXPECT_EQ(view.PresetList(), std::vector<std::string>(10, "0"));
    for (const ColourButton& button : kColourButtons) {
        if (button.lightSlot == kGKeyLightSlot) continue;
        EXPECT_EQ(KeyColourOnKeyboard(0, button.lightSlot), kRgbRed) << button.controlId;
    }
    EXPECT_EQ(lighting->keyColours.tools, PresetTools{});
    EXPECT_TRUE(lighting->keyColours.baseFlags[0][0]);
    EXPECT_FALSE(std::filesystem::exists(PresetFilePath(profileFolder, 0))) << "reading creates no file";
}

TEST_F(LightingKeyColoursTest, PaintingWithEachToolWritesOneKeyAndDecidesWhetherItFollowsTheBaseColour) {
    ChoosePerKeyColours();

    // Tool 1 (the preset's): the base colour, and S now follows it.
    PaintKey(*lighting, kKeyS);
    EXPECT_EQ(Sent(), (Lines{"begin", "key colours " + std::to_string(512 + kSlotS * 3) + " x3", "end"}));
    EXPECT_EQ(KeyColourOnKeyboard(1, kSlotS), kPresetBase);
    EXPECT_EQ(view.Frame(kKeyS), kPresetBase);
    EXPECT_EQ(KeyInFile(1, 1, kSlotS), (KeyColour{kPresetBase, true}));

    // Tool 0: the paint colour, and A no longer follows the base colour.
    SelectTool(*lighting, kToolPaintColour);
    EXPECT_EQ(view.Picture(lc::kTools[0]), "user1down.bmp");
    EXPECT_EQ(view.Picture(lc::kTools[1]), "user2up.bmp");
    PaintKey(*lighting, kKeyA);
    EXPECT_EQ(Sent(), (Lines{"begin", "key colours " + std::to_string(512 + kSlotA * 3) + " x3", "end"}));
    EXPECT_EQ(KeyColourOnKeyboard(1, kSlotA), kPresetPaint);
    EXPECT_EQ(KeyInFile(1, 1, kSlotA), (KeyColour{kPresetPaint, false}));
    PaintKey(*lighting, kKeyFn);
    EXPECT_EQ(KeyColourOnKeyboard(1, kSlotFn), kPresetPaint);
    PaintKey(*lighting, 1057);
    EXPECT_EQ(KeyColourOnKeyboard(1, 76), kPresetPaint) << "the second Enter paints Enter";
    Sent();

    const Rgb green{0, 255, 0};
    SetBaseColour(*lighting, green);
    EXPECT_EQ(KeyColourOnKeyboard(1, kSlotS), green) << "painted with tool 1";
    EXPECT_EQ(KeyColourOnKeyboard(1, kSlotA), kPresetPaint) << "painted with tool 0";
    EXPECT_EQ(KeyInFile(1, 1, kSlotA), (KeyColour{kPresetPaint, false}));
    EXPECT_EQ(PresetFiles(profileFolder).ReadPresetTools(1, 1), (PresetTools{0, green, kPresetPaint}));
}

TEST_F(LightingKeyColoursTest, AKeyClickWhileAnotherModeIsSelectedChangesNothing) {
    ChoosePerKeyColours();
    SelectLightingMode(*lighting, ListIndexOf(1));
    Sent();
    const std::string before = PresetFileText(1);
    PaintKey(*lighting, kKeyA);
    EXPECT_EQ(Sent(), Lines{});
    EXPECT_EQ(PresetFileText(1), before);
    EXPECT_EQ(KeyColourOnKeyboard(1, kSlotA), kPresetBase);
}

TEST_F(LightingKeyColoursTest, TheBaseColourRecoloursItsFollowersEverywhereAndTheSameColourDoesNothing) {
    ChoosePerKeyColours();
    const Rgb orange{255, 128, 0};
    SetBaseColour(*lighting, orange);

    EXPECT_EQ(Sent(), kEightKeyColourReports(1));
    EXPECT_EQ(KeyColourOnKeyboard(1, kSlotA), orange);
    EXPECT_EQ(KeyColourOnKeyboard(1, 0), orange) << "Esc follows by default";
    EXPECT_EQ(KeyColourOnKeyboard(1, kSlotS), (Rgb{1, 2, 3}));
    EXPECT_EQ(KeyColourOnKeyboard(1, kSlotFn), (Rgb{4, 5, 6}));
    EXPECT_EQ(view.Frame(kKeyA), orange);
    EXPECT_EQ(view.Frame(kKeyS), (Rgb{1, 2, 3}));
    EXPECT_EQ(view.FrameCalls(), 103) << "the 104 keys but S";
    EXPECT_EQ(KeyInFile(1, 1, 0), (KeyColour{orange, true}));
    EXPECT_EQ(KeyInFile(1, 1, kSlotS), (KeyColour{Rgb{1, 2, 3}, false}));
    EXPECT_EQ(KeyInFile(0, 1, 0), kDefaultKeyColour) << "other profiles' files untouched";

    const std::string file = PresetFileText(1);
    view.ClearCalls();
    SetBaseColour(*lighting, orange);
    EXPECT_EQ(Sent(), Lines{});
    EXPECT_EQ(PresetFileText(1), file);
    EXPECT_EQ(view.FrameCalls(), 0);
}

TEST_F(LightingKeyColoursTest, ChoosingAPresetStoresItAndShowsItsKeysAndTools) {
    ChoosePerKeyColours();
    SelectPreset(*lighting, 0);
    EXPECT_EQ(Sent(), kEightKeyColourReports(1));
    EXPECT_EQ(PresetFiles(profileFolder).ReadPresentMode(1), 0);
    EXPECT_EQ(KeyColourOnKeyboard(1, kSlotS), kRgbRed);
    EXPECT_EQ(view.PresetSelection(), 0);
    EXPECT_EQ(view.Colour(lc::kBaseColour), kRgbWhite);
    EXPECT_EQ(view.Colour(lc::kPaintColour), kRgbRed);
    EXPECT_EQ(view.Picture(lc::kTools[0]), "user1down.bmp");
    EXPECT_EQ(view.Frame(kKeyS), kRgbRed);
    EXPECT_EQ(view.Frame(1000), kRgbBlack) << "G keys show slot 125";

    SelectPreset(*lighting, 10);
    EXPECT_EQ(Sent(), Lines{});
}

TEST_F(LightingKeyColoursTest, TypingRenamesTheSelectedPresetWithEveryKeystroke) {
    ChoosePerKeyColours();
    for (const char* text : {"N", "Ni", "Night"}) RenamePreset(*lighting, text);
    EXPECT_EQ(view.PresetList()[1], "Night");
    EXPECT_EQ(PresetFiles(profileFolder).ReadPresetName(1, 1), "Night");
    EXPECT_EQ(std::count(view.Calls().begin(), view.Calls().end(), "rename preset 1"), 3);
    EXPECT_EQ(PresetFiles(profileFolder).ReadPresetName(0, 1), "Blue");
}

TEST_F(LightingKeyColoursTest, RestoringTheDefaultsBringsBackTheFactoryPresetsOfTheProfile) {
    ChoosePerKeyColours();
    SelectPreset(*lighting, 0);
    RenamePreset(*lighting, "Mine");
    SetBaseColour(*lighting, Rgb{9, 9, 9});
    Sent();

    RestoreLightingDefaults(*lighting);
    EXPECT_EQ(PresetFileText(1), kFactoryPresets);
    EXPECT_EQ(view.PresetList()[0], "Red");
    EXPECT_EQ(lighting->keyColours.presetIndex, 1);
    EXPECT_EQ(view.PresetSelection(), 1);
    EXPECT_EQ(KeyColourOnKeyboard(1, kSlotS), (Rgb{1, 2, 3}));
    const Lines sent = Sent();
    const Lines keyColours = kEightKeyColourReports(1);
    EXPECT_NE(std::search(sent.begin(), sent.end(), keyColours.begin(), keyColours.end()), sent.end());
    EXPECT_EQ(PresetFileText(0), kFactoryPresets) << "other profiles keep their presets";
}

}  // namespace
}  // namespace quovex::lighting_test
