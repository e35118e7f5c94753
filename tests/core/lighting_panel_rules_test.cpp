// The lighting panel's rules as data: which controls each mode shows, where the
// direction controls go and which pictures they show, the slider tracks, the
// colour wheel's circle, and the labels and mode names read from the main skin file.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "lighting/lighting_panel_controls.h"
#include "lighting/lighting_panel_input.h"
#include "lighting/lighting_skin_texts.h"
#include "support/temporary_folder.h"

namespace quovex {
namespace {

namespace lc = lighting_control;
using test_support::TemporaryFolder;
using test_support::WriteText;

// The ids shown for a mode, by the control table and the mode table together.
std::set<int> ShownIds(int modeId) {
    std::set<int> ids;
    const LightingControls controls = LightingControlsForMode(modeId);
    for (const PanelControl& control : LightingPanelControls()) {
        if (IsShown(control.shownFor, controls)) ids.insert(control.id);
    }
    return ids;
}

TEST(LightingPanelRulesTest, EachModeShowsItsControls) {
    const std::set<int> base = {lc::kEffectList, lc::kBrightnessLabel, lc::kBrightnessSlider};
    const std::set<int> speed = {lc::kSpeedLabel, lc::kSpeedSlider};
    const std::set<int> direction = {lc::kDirectionLabel, lc::kDirectionFirst, lc::kDirectionSecond};
    const std::set<int> first = {1151, 1152, 1175, 1176};
    const std::set<int> second = {1154, 1155, 1173, 1156};
    const std::set<int> swatches = {1194, 1195, 1196, 1197};
    const std::set<int> userMode = {1159, 1160, 1161, 1162, 1163, 1164, 1165, 1198};
    const auto join = [](std::initializer_list<std::set<int>> groups) {
        std::set<int> all;
        for (const auto& group : groups) all.insert(group.begin(), group.end());
        return all;
    };
    const struct {
        int mode;
        std::set<int> shown;
    } cases[] = {
        {1, join({base, speed, direction, second})},
        {2, join({base, speed, direction, second})},
        {3, join({base, speed, direction, second})},
        {4, join({base, speed})},
        {5, join({base, speed, second})},
        {6, join({base, first})},
        {7, join({base, speed, second})},
        {8, join({base, speed, second})},
        {9, join({base, speed, second})},
        {10, join({base, speed})},
        {11, join({base, speed})},
        {12, join({base, speed, direction})},
        {13, join({base, speed, second})},
        {14, join({base, speed, second})},
        {15, join({base, speed, second})},
        {16, join({base, first})},
        {17, join({base, swatches})},
        {18, join({base, direction})},
        {20, join({base, userMode})},
        {19, {}},
        {0, {}},
        {-1, {}},
        {21, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("mode " + std::to_string(c.mode));
        EXPECT_EQ(ShownIds(c.mode), c.shown);
    }
}

TEST(LightingPanelRulesTest, ReportRateRgbBoxesAndViewSwitchAreNotGovernedByTheMode) {
    const std::set<int> notByMode = {1147, 1168, 1169, 1170, 1204, 1207, 1208,
                                     1209, 1210, 1211, 1212, 1167, 1171, 1177};
    std::set<int> ids;
    std::set<int> hidden;
    for (const PanelControl& control : LightingPanelControls()) {
        EXPECT_TRUE(ids.insert(control.id).second) << "id listed twice: " << control.id;
        if (control.shownFor == ShownFor::kNotByMode) {
            EXPECT_TRUE(notByMode.contains(control.id)) << control.id;
        }
        if (control.shownFor == ShownFor::kNever) hidden.insert(control.id);
    }
    for (int id : notByMode) EXPECT_TRUE(ids.contains(id)) << id;
    EXPECT_EQ(hidden.size(), 16u) << "1180..1193, 1157 and 1158 stay hidden";
}

TEST(LightingPanelRulesTest, DirectionControlsMoveAndShowThePairOfTheMode) {
    const struct {
        int mode;
        const char* suffix;
        const char* firstPressed;
        const char* secondReleased;
    } cases[] = {
        {1, "2", "leftdown.bmp", "rightup.bmp"}, {3, "2", "leftdown.bmp", "rightup.bmp"},
        {12, "3", "updown.bmp", "downup.bmp"},   {18, "", "kuosandown.bmp", "julong.bmp"},
        {5, "", "leftdown.bmp", "rightup.bmp"},  {19, "", "leftdown.bmp", "rightup.bmp"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("mode " + std::to_string(c.mode));
        const DirectionPlacement place = DirectionPlacementForMode(c.mode);
        EXPECT_EQ(place.label, std::string("CONTROL_BLFXStatic") + c.suffix);
        EXPECT_EQ(place.first, std::string("CONTROL_BLFXLStaPic") + c.suffix);
        EXPECT_EQ(place.second, std::string("CONTROL_BLFXRStaPic") + c.suffix);
        const auto& pictures = DirectionPicturesForMode(c.mode);
        EXPECT_EQ(pictures.firstPressed, c.firstPressed);
        EXPECT_EQ(pictures.secondReleased, c.secondReleased);
    }
}

TEST(LightingPanelRulesTest, SliderTracksAndProgressFramesAreNamedByNumber) {
    EXPECT_EQ(lighting_picture::BrightnessTrack(0), "0.bmp");
    EXPECT_EQ(lighting_picture::BrightnessTrack(4), "4.bmp");
    EXPECT_EQ(lighting_picture::SpeedTrack(0), "6.bmp");
    EXPECT_EQ(lighting_picture::SpeedTrack(4), "10.bmp");
    EXPECT_EQ(lighting_picture::ProgressFrame(0), "jdt1.bmp");
    EXPECT_EQ(lighting_picture::ProgressFrame(9), "jdt10.bmp");
}

TEST(LightingPanelRulesTest, ColourWheelIsTheCircleOfRadius63Around140And144) {
    const struct {
        int x, y;
        bool inside;
    } cases[] = {
        {140, 144, true},  {203, 144, true},  {140, 81, true}, {77, 144, true},  // centre and the rim
        {204, 144, false}, {140, 208, false}, {0, 0, false},                     // just outside, far away
        {184, 188, true},  {185, 189, false},  // 44^2 + 44^2 = 3872; 45^2 x 2 = 4050
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsInsideColourWheel(c.x, c.y), c.inside) << c.x << "," << c.y;
    }
}

TEST(LightingPanelRulesTest, ModeNamesAndLabelsComeFromTheSectionOfTheLanguage) {
    TemporaryFolder folder;
    WriteText(folder / "Main.ini",
              "[Mode]\n1=波浪\n[Mode1]\n1=Wave\n12=Rows\n"
              "[Control_Name]\nDeng=灯\nColor=颜色\n[Control_Name1]\nDeng=Light view\nColor=Colour\nDC=\n");
    const CIniFile skin(folder / "Main.ini");

    EXPECT_EQ(ModeDisplayName(skin, 0, 1), "波浪");
    EXPECT_EQ(ModeDisplayName(skin, 1, 1), "Wave");
    EXPECT_EQ(ModeDisplayName(skin, 1, 12), "Rows");
    EXPECT_EQ(ModeDisplayName(skin, 1, 5), "1") << "a missing name shows the default";
    EXPECT_EQ(ModeDisplayName(skin, 2, 1), "波浪") << "other languages use the first language's names";

    const auto english = ReadPanelLabels(skin, 1);
    ASSERT_TRUE(english.has_value());
    const auto text = [&](int id) {
        for (const PanelLabel& label : *english) {
            if (label.controlId == id) return label.text;
        }
        return std::string("<none>");
    };
    EXPECT_EQ(text(lc::kViewSwitchLabel), "Light view");
    EXPECT_EQ(text(lc::kFirstGroupLabel), "Colour");
    EXPECT_EQ(text(lc::kSecondGroupLabel), "Colour");
    EXPECT_EQ(text(lc::kPaintColourLabel), "Colour") << "\"Color\" feeds three labels";
    EXPECT_EQ(text(lc::kFirstGroupMultiColourLabel), "");
    EXPECT_EQ(text(lc::kToolLabel), "") << "missing keys give empty labels";
    EXPECT_EQ(text(lc::kEffectList), "<none>") << "the effect list has no label";
    EXPECT_EQ(english->size(), 12u);
    EXPECT_FALSE(ReadPanelLabels(skin, 2).has_value()) << "any other language leaves the labels";

    WriteText(folder / "language.ini", "[LANGUAGE]\nlanguage= 1x\n");
    EXPECT_EQ(LanguageNumber(CIniFile(folder / "language.ini")), 1);
    EXPECT_EQ(LanguageNumber(CIniFile(folder / "missing.ini")), 0);
}

}  // namespace
}  // namespace quovex
