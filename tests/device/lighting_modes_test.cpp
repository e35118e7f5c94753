// Lighting modes and parameters against the virtual keyboard: what a load
// reads, the bytes and access groups each change writes, and the lighting
// profile's block as the only one touched.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "lighting/lighting_operations.h"
#include "lighting/lighting_panel_controls.h"
#include "lighting_keyboard_fixture.h"

namespace quovex::lighting_test {
namespace {

namespace lc = lighting_control;
using Lines = std::vector<std::string>;

class LightingModesTest : public LightingKeyboardTest {};

TEST_F(LightingModesTest, LoadReadsTheModeListAndThreeBlocksAndDecodesTheLightingProfile) {
    SetModeList({1, 12, 20});
    SetLightingBytes(2, 0, {12, 2, 3, 0xFF, 0, 10, 20, 30});
    SetLightingBytes(2, 17, {2, 0, 1});
    test_support::WriteText(LightingSettingsPath(profileFolder),
                            "[KEYCOLOR]\nDengCheck=1\nusermodeCheck=1\n");
    ASSERT_TRUE(SetLightingProfileIndex(*lighting, 2));

    ASSERT_EQ(LoadLighting(*lighting), 0);
    EXPECT_EQ(Sent(), (Lines{"read state", "begin", "read lighting 0", "read lighting 42", "read lighting 84",
                             "end"}));
    const LightingState& state = lighting->state;
    EXPECT_EQ(state.modeList[1], 12);
    EXPECT_EQ(state.modeList[3], 0);
    EXPECT_EQ(state.currentMode, 12);
    EXPECT_EQ(state.brightness, 2);
    EXPECT_EQ(state.speed, 3);
    EXPECT_EQ(state.direction, 255);
    EXPECT_FALSE(state.multiColour);
    EXPECT_EQ(state.effectColour, (Rgb{10, 20, 30}));
    EXPECT_EQ(state.swatch, 2);
    EXPECT_TRUE(state.triggerGrid);
    EXPECT_EQ(state.reportRate, 3) << "the factory report-rate byte FF reads as index 3";
    EXPECT_TRUE(state.lightingView);
    EXPECT_EQ(std::memcmp(&state.blocks[0], LightingBlockOnKeyboard(0).data(), kLightingBlockSize), 0);
    EXPECT_TRUE(view.EffectList().empty()) << "the effect list is built by the refresh";
}

TEST_F(LightingModesTest, AnUnreadableStateBlockEmptiesTheListsAndKeepsTheOtherSettings) {
    LoadAndShow();
    lighting->state.brightness = 2;
    Control().Detach();
    Control().WaitUntilIdle(kIdle);

    EXPECT_EQ(LoadLighting(*lighting), -1);
    EXPECT_TRUE(view.EffectList().empty());
    EXPECT_EQ(lighting->state.effectMap.Size(), 0u);
    EXPECT_EQ(lighting->state.modeList, ModeList{});
    EXPECT_EQ(lighting->state.brightness, 2);
    EXPECT_EQ(lighting->state.currentMode, 1);
}

TEST_F(LightingModesTest, ABlockThatCannotBeReadKeepsItsLastCopy) {
    ASSERT_TRUE(SetLightingProfileIndex(*lighting, 1));
    ASSERT_EQ(LoadLighting(*lighting), 0);
    SetLightingBytes(0, 0, {5});
    SetLightingBytes(1, 0, {6, 1});
    Control().DetachAfterReports(3);  // the state, the begin and block 0 get through

    ASSERT_EQ(LoadLighting(*lighting), 0);
    EXPECT_EQ(lighting->state.blocks[0].mode, 5);
    EXPECT_EQ(lighting->state.blocks[1].mode, 1) << "not zeroed by the failed read";
    EXPECT_EQ(lighting->state.currentMode, 1);
    EXPECT_EQ(lighting->state.brightness, 4);
}

// Choosing each kind of mode, with multi-colour off before, at profile index 2.
TEST_F(LightingModesTest, ChoosingAModeWritesWhatTheModeTableSays) {
    SetModeList({1, 4, 10, 20, 19, 12});
    const struct {
        int mode;
        Lines sent;
        bool multiColourAfter;
    } cases[] = {
        {1, {"begin", "lighting 84: 01", "lighting 88: 00", "end"}, false},
        {4, {"begin", "lighting 84: 04", "end"}, false},
        {12, {"begin", "lighting 84: 0C", "end"}, false},
        {10, {"begin", "lighting 88: 01", "end", "begin", "lighting 84: 0A", "end"}, true},
        {20, {"begin", "lighting 84: 14", "end"}, false},
        {19, {}, false},
    };
    LoadAndShow(2);
    for (const auto& c : cases) {
        SCOPED_TRACE("mode " + std::to_string(c.mode));
        lighting->state.multiColour = false;
        view.ClearCalls();
        const int restarts = view.PreviewRestarts();
        SelectLightingMode(*lighting, ListIndexOf(c.mode));
        EXPECT_EQ(Sent(), c.sent);
        EXPECT_EQ(lighting->state.currentMode, c.mode);
        EXPECT_EQ(lighting->state.multiColour, c.multiColourAfter);
        EXPECT_EQ(view.Calls().front(), "reset keys") << "the keys get their plain look first";
        EXPECT_EQ(view.PreviewRestarts(), restarts + 1);
        EXPECT_EQ(view.FrameCalls(), c.mode == 20 ? 114 : 0) << "mode 20 paints every key from the table";
    }
    EXPECT_EQ(LightingBlockOnKeyboard(2)[0], 20) << "mode 19 wrote nothing";
}

TEST_F(LightingModesTest, Mode10EndsWithMultiColourOnWhateverItWasBefore) {
    LoadAndShow();
    lighting->state.multiColour = true;
    SelectLightingMode(*lighting, ListIndexOf(10));
    EXPECT_EQ(Sent(), (Lines{"begin", "lighting 4: 01", "end", "begin", "lighting 0: 0A", "end"}));
    EXPECT_EQ(view.Picture(lc::kFirstGroupMultiColour), "sjsdown.bmp");
    EXPECT_EQ(view.Picture(lc::kSecondGroupMultiColour), "sjsdown.bmp");
}

TEST_F(LightingModesTest, Mode19HidesEveryLightingControlAndAnIndexOutsideTheListWritesNothing) {
    SetModeList({1, 19});
    LoadAndShow();
    lighting->state.lightingView = true;
    SelectLightingMode(*lighting, 1);
    EXPECT_EQ(Sent(), Lines{});
    for (const PanelControl& control : LightingPanelControls()) {
        if (control.shownFor == ShownFor::kNotByMode) continue;
        EXPECT_EQ(view.Visible(control.id), false) << control.id;
    }
    SelectLightingMode(*lighting, 7);
    EXPECT_EQ(Sent(), Lines{});
    EXPECT_EQ(lighting->state.currentMode, -1);
}

TEST_F(LightingModesTest, SlidersWriteOnlyAChangedValue) {
    LoadAndShow();  // factory block: brightness 4, speed 1 (slider position 3)
    ASSERT_EQ(view.SliderOf(lc::kSpeedSlider).position, 3);

    SetSpeedPosition(*lighting, 3);
    SetBrightnessPosition(*lighting, 4);
    EXPECT_EQ(Sent(), Lines{}) << "the position the slider already shows";
    EXPECT_EQ(view.SliderOf(lc::kSpeedSlider).track, "9.bmp");
    EXPECT_EQ(view.SliderOf(lc::kBrightnessSlider).track, "4.bmp");

    SetSpeedPosition(*lighting, 1);
    EXPECT_EQ(Sent(), (Lines{"begin", "lighting 2: 03", "end"})) << "position 1 is speed 3";
    EXPECT_EQ(lighting->state.speed, 3);
    EXPECT_EQ(view.SliderOf(lc::kSpeedSlider).track, "7.bmp");

    SetBrightnessPosition(*lighting, 0);
    EXPECT_EQ(Sent(), (Lines{"begin", "lighting 1: 00", "end"}));
    EXPECT_EQ(view.SliderOf(lc::kBrightnessSlider).track, "0.bmp");

    SetBrightnessPosition(*lighting, 5);
    SetSpeedPosition(*lighting, -1);
    EXPECT_EQ(Sent(), Lines{});
    EXPECT_EQ(LightingBlockOnKeyboard(0)[1], 0);
    EXPECT_EQ(LightingBlockOnKeyboard(0)[2], 3);
}

TEST_F(LightingModesTest, EachSettingWritesItsBytesInOneGroupAndShowsIt) {
    LoadAndShow();
    const struct {
        const char* name;
        std::function<void()> change;
        Lines sent;
        std::function<void()> check;
    } cases[] = {
        {"first direction",
         [&] { SetDirection(*lighting, DirectionChoice::kFirst); },
         {"begin", "lighting 3: FF", "end"},
         [&] {
             EXPECT_EQ(lighting->state.direction, 255);
             EXPECT_EQ(view.Picture(lc::kDirectionFirst), "leftdown.bmp");
             EXPECT_EQ(view.Picture(lc::kDirectionSecond), "rightup.bmp");
         }},
        {"second direction",
         [&] { SetDirection(*lighting, DirectionChoice::kSecond); },
         {"begin", "lighting 3: 00", "end"},
         [&] {
             EXPECT_EQ(lighting->state.direction, 0);
             EXPECT_EQ(view.Picture(lc::kDirectionFirst), "leftup.bmp");
             EXPECT_EQ(view.Picture(lc::kDirectionSecond), "rightdown.bmp");
         }},
        {"effect colour",
         [&] {
             ApplyEffectColour(*lighting, Rgb{1, 2, 3});
         },
         {"begin", "lighting 4: 00", "lighting 5: 01 02 03", "end"},
         [&] {
             EXPECT_FALSE(lighting->state.multiColour);
             EXPECT_EQ(view.Colour(lc::kFirstGroupColour), (Rgb{1, 2, 3}));
             EXPECT_EQ(view.Colour(lc::kSecondGroupColour), (Rgb{1, 2, 3}));
             EXPECT_EQ(view.Picture(lc::kSecondGroupMultiColour), "sjsup.bmp");
         }},
        {"multi-colour on",
         [&] { ToggleMultiColour(*lighting); },
         {"begin", "lighting 4: 01", "end"},
         [&] { EXPECT_EQ(view.Picture(lc::kFirstGroupMultiColour), "sjsdown.bmp"); }},
        {"multi-colour off",
         [&] { ToggleMultiColour(*lighting); },
         {"begin", "lighting 4: 00", "end"},
         [&] { EXPECT_EQ(view.Picture(lc::kFirstGroupMultiColour), "sjsup.bmp"); }},
        {"swatch",
         [&] { SelectSwatch(*lighting, 2); },
         {"begin", "lighting 17: 02", "end"},
         [&] {
             EXPECT_EQ(view.Picture(1194), "hong.bmp");
             EXPECT_EQ(view.Picture(1196), "lvok.bmp");
         }},
        {"swatch out of range",
         [&] { SelectSwatch(*lighting, 4); },
         {},
         [&] { EXPECT_EQ(lighting->state.swatch, 2); }},
        {"report rate",
         [&] { SetReportRate(*lighting, 1); },
         {"begin", "lighting 15: 01", "end"},
         [&] {
             EXPECT_EQ(view.Checked(1168), true);
             EXPECT_EQ(view.Checked(1170), false);
         }},
        {"report rate out of range", [&] { SetReportRate(*lighting, 4); }, {}, [&] {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.change();
        EXPECT_EQ(Sent(), c.sent);
        c.check();
    }
    const auto block = LightingBlockOnKeyboard(0);
    EXPECT_EQ((std::vector<uint8_t>(block.begin() + 3, block.begin() + 8)),
              (std::vector<uint8_t>{0, 0, 1, 2, 3}));
    EXPECT_EQ(block[15], 1);
    EXPECT_EQ(block[17], 2);
}

TEST_F(LightingModesTest, ASwatchAbove3ShowsRedAndBecomes0AtTheRefreshWithoutAWrite) {
    SetLightingBytes(0, 17, {7});
    LoadAndShow();
    EXPECT_EQ(lighting->state.swatch, 0);
    EXPECT_EQ(view.Picture(1194), "hongok.bmp");
    EXPECT_EQ(view.Picture(1195), "huang.bmp");
    EXPECT_EQ(LightingBlockOnKeyboard(0)[17], 7);
}

TEST_F(LightingModesTest, ProfileIndex2ReadsAndWritesAddresses84To125Only) {
    const auto profiles0And1 = [&] {
        const auto memory = Control().ReadMemory(Memory::kLighting);
        return std::vector<uint8_t>(memory.begin(), memory.begin() + 84);
    };
    const auto before = profiles0And1();
    LoadAndShow(2);
    lighting->state.lightingView = true;
    SelectLightingMode(*lighting, ListIndexOf(5));
    SetBrightnessPosition(*lighting, 1);
    SetSpeedPosition(*lighting, 0);
    SetDirection(*lighting, DirectionChoice::kFirst);
    ApplyEffectColour(*lighting, kRgbWhite);
    ToggleMultiColour(*lighting);
    SelectSwatch(*lighting, 3);
    SetReportRate(*lighting, 0);
    RestoreLightingDefaults(*lighting);

    size_t lightingWrites = 0;
    for (const SentReport& report : SentReports()) {
        if (report.code != CMD_WRITE_LIGHTING) continue;
        ++lightingWrites;
        EXPECT_GE(report.address, 84);
        EXPECT_LE(report.address + report.data.size(), 126u) << report.address;
    }
    EXPECT_EQ(lightingWrites, 13u);
    EXPECT_EQ(profiles0And1(), before);
}

TEST_F(LightingModesTest, RestoringTheDefaultsWritesThe35ByteBlockAndShowsIt) {
    SetLightingBytes(1, 0, {7, 1, 4, 0xFF, 0, 1, 2, 3});
    SetLightingBytes(1, 35, {0xAA, 0xBB});
    LoadAndShow(1);
    lighting->state.lightingView = true;
    view.ClearCalls();

    RestoreLightingDefaults(*lighting);
    const Lines sent = Sent();
    ASSERT_GE(sent.size(), 4u);
    EXPECT_EQ((Lines(sent.begin(), sent.begin() + 4)),
              (Lines{"begin", "lighting 42: 01", "lighting 46: 00", "end"}))
        << "mode 1 is chosen first";
    EXPECT_EQ(
        (Lines(sent.end() - 3, sent.end())),
        (Lines{"begin",
               "lighting 42: 01 04 01 00 FF FF 00 00 08 FF FF FF FF 00 00 FF FF 00 00 00 00 FF FF 00 00 FF "
               "FF FF 00 00 FF FF FF 00 00",
               "end"}));
    EXPECT_EQ(view.EffectSelection(), ListIndexOf(1));

    const auto block = LightingBlockOnKeyboard(1);
    EXPECT_EQ(block[35], 0xAA) << "bytes 35..41 are never written";
    EXPECT_EQ(block[36], 0xBB);
    const LightingState& state = lighting->state;
    EXPECT_EQ(state.effectColour, kRgbRed);
    EXPECT_TRUE(state.multiColour);
    EXPECT_EQ(state.speed, 1);
    EXPECT_EQ(state.direction, 0);
    EXPECT_EQ(state.reportRate, 3);
    EXPECT_EQ(view.SliderOf(lc::kBrightnessSlider).position, 4);
    EXPECT_EQ(view.SliderOf(lc::kBrightnessSlider).track, "4.bmp");
    EXPECT_EQ(view.SliderOf(lc::kSpeedSlider).position, 3) << "the panel shows the speed the keyboard holds";
    EXPECT_EQ(view.SliderOf(lc::kSpeedSlider).track, "9.bmp");
    EXPECT_EQ(view.Colour(lc::kSecondGroupColour), kRgbRed);
    EXPECT_EQ(view.Picture(lc::kSecondGroupMultiColour), "sjsdown.bmp");
    EXPECT_EQ(view.Checked(1170), true);
}

TEST_F(LightingModesTest, AModeListWithGapsAndRepeatsGivesAnEffectListWithoutGaps) {
    SetModeList({0, 5, 0, 0, 12, 5, 20});
    lighting->state.lightingView = true;
    LoadAndShow();
    EXPECT_EQ(view.EffectList(),
              (std::vector<EffectListItem>{{"Breathe", 5}, {"Rows", 12}, {"Breathe", 5}, {"Keys", 20}}));
    EXPECT_EQ(ListIndexOf(5), 0) << "the first entry of a repeated mode";
    EXPECT_EQ(ListIndexOf(20), 3);

    SelectLightingMode(*lighting, 1);
    EXPECT_EQ(Sent(), (Lines{"begin", "lighting 0: 0C", "end"}));
    EXPECT_EQ(view.Place(lc::kDirectionFirst), "CONTROL_BLFXLStaPic3");
    EXPECT_EQ(view.Picture(lc::kDirectionFirst), "upup.bmp") << "direction 0 presses the second picture";
    EXPECT_EQ(view.Picture(lc::kDirectionSecond), "downdown.bmp");

    SelectLightingMode(*lighting, 2);
    EXPECT_EQ(Sent(), (Lines{"begin", "lighting 0: 05", "lighting 4: 01", "end"}));
    EXPECT_EQ(view.Place(lc::kDirectionLabel), "CONTROL_BLFXStatic");

    RefreshLightingPanel(*lighting);
    EXPECT_EQ(view.EffectSelection(), 0) << "the refresh selects the first entry of mode 5";
}

}  // namespace
}  // namespace quovex::lighting_test
