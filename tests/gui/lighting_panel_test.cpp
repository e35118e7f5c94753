// The lighting panel on the test window against the virtual keyboard: which
// controls each mode shows, the lighting view switch, the direction controls'
// places, the profile buttons' lighting step, and what the user's input on
// the panel writes to the keyboard.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <set>

#include "app/ini_file.h"
#include "lighting/lighting_block.h"
#include "lighting/lighting_panel_controls.h"
#include "lighting/preset_files.h"
#include "lighting_test_window.h"
#include "model/key_layout.h"
#include "skin/skin_keys.h"
#include "widgets/palette_grid.h"

namespace quovex::gui::lighting_test {
namespace {

namespace lc = lighting_control;
using Bytes = std::vector<uint8_t>;

constexpr int kKeyA = 1058, kSlotA = 64;

// Bytes `offset` .. `offset + count - 1` of a block.
Bytes Slice(const Bytes& block, size_t offset, size_t count) {
    return Bytes(block.begin() + static_cast<std::ptrdiff_t>(offset),
                 block.begin() + static_cast<std::ptrdiff_t>(offset + count));
}

class LightingPanelTest : public LightingPanelFixture {
protected:
    // The factory keyboard's lighting, with a mode 19 added to the list and the view on.
    void AttachWithViewOn(int mode) {
        SetModeList({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20});
        Attach();
        SetLightingView(true);
        ChooseMode(mode);
    }
    // Chooses palette entry `index` in the popup of colour button `id`.
    void ChoosePaletteColour(int id, int index) {
        auto* button = ControlOf<CColourButton>(id);
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
        ASSERT_TRUE(button->Popup().isVisible());
        PaletteGrid& grid = button->Popup().Grid();
        QTest::mouseClick(&grid, Qt::LeftButton, {}, grid.SwatchRect(index).center());
        EXPECT_FALSE(button->Popup().isVisible());
        WaitForKeyboard();
    }
    QPoint SkinPosition(std::string_view key) {
        const skin::SkinRect rect =
            skin::SkinLayoutFile(app_->Paths().main_skin.ini_path).Rect(skin::kSectionButtons, key);
        return QPoint(rect.x, rect.y);
    }
    QString PictureOf(int id) { return ControlOf<ClickablePicture>(id)->PictureName(); }
    CIntegerEdit* RgbBox(size_t i) { return ControlOf<CIntegerEdit>(lc::kRgbBoxes[i]); }
};

TEST_F(LightingPanelTest, EachModeShowsItsControlsWhileTheViewIsOn) {
    const std::vector<int> by_mode = {lc::kEffectList,       lc::kBrightnessSlider, lc::kSpeedSlider,
                                      lc::kDirectionFirst,   lc::kFirstGroupColour, lc::kSecondGroupColour,
                                      lc::kSwatches[0],      lc::kPresetList,       lc::kPaintColour};
    const std::vector<int> always = {lc::kViewSwitch, lc::kReportRateButtons[0], lc::kRgbBoxes[0], lc::kReportRateLabel};
    const struct {
        int mode;
        std::set<int> shown;
    } cases[] = {
        {1, {lc::kEffectList, lc::kBrightnessSlider, lc::kSpeedSlider, lc::kDirectionFirst, lc::kSecondGroupColour}},
        {6, {lc::kEffectList, lc::kBrightnessSlider, lc::kFirstGroupColour}},
        {12, {lc::kEffectList, lc::kBrightnessSlider, lc::kSpeedSlider, lc::kDirectionFirst}},
        {17, {lc::kEffectList, lc::kBrightnessSlider, lc::kSwatches[0]}},
        {18, {lc::kEffectList, lc::kBrightnessSlider, lc::kDirectionFirst}},
        {20, {lc::kEffectList, lc::kBrightnessSlider, lc::kPresetList, lc::kPaintColour}},
        {19, {}},  // not handled: even the effect list goes
    };
    AttachWithViewOn(1);
    for (const auto& c : cases) {
        SCOPED_TRACE("mode " + std::to_string(c.mode));
        ChooseMode(c.mode);
        for (const int id : by_mode) EXPECT_EQ(Shows(id), c.shown.contains(id)) << "control " << id;
        for (const int id : always) EXPECT_TRUE(Shows(id)) << "control " << id;
    }
}

TEST_F(LightingPanelTest, TurningTheViewOffHidesTheModesControlsAndGivesTheKeysBackTheirLook) {
    AttachWithViewOn(1);
    EXPECT_EQ(PictureOf(lc::kViewSwitch), "dengdown.bmp");
    const int resets = keys_.resets;

    SetLightingView(false);
    for (const int id : {lc::kEffectList, lc::kBrightnessSlider, lc::kSpeedSlider, lc::kDirectionFirst,
                         lc::kSecondGroupColour, lc::kSecondGroupMultiColour}) {
        EXPECT_FALSE(Shows(id)) << "control " << id;
    }
    for (const int id : {lc::kViewSwitch, lc::kViewSwitchLabel, lc::kReportRateButtons[3], lc::kRgbBoxes[2]}) {
        EXPECT_TRUE(Shows(id)) << "control " << id;
    }
    EXPECT_EQ(PictureOf(lc::kViewSwitch), "dengup.bmp");
    EXPECT_GT(keys_.resets, resets);
    EXPECT_EQ(keys_.redraws, 1) << "the key buttons show their assignments again";
    EXPECT_EQ(CIniFile(LightingSettingsPath(app_->Paths().profile_folder)).GetString("KEYCOLOR", "DengCheck", ""), "0");
}

TEST_F(LightingPanelTest, DirectionControlsMoveWithTheModeAndShowItsPair) {
    SetLightingBytes(0, lighting_field::kDirection, {0xFF});
    AttachWithViewOn(12);
    for (const auto& [id, key] : {std::pair{lc::kDirectionLabel, "CONTROL_BLFXStatic3"},
                                  {lc::kDirectionFirst, "CONTROL_BLFXLStaPic3"},
                                  {lc::kDirectionSecond, "CONTROL_BLFXRStaPic3"}}) {
        EXPECT_EQ(panel_->Control(id)->pos(), SkinPosition(key)) << key;
    }
    EXPECT_EQ(PictureOf(lc::kDirectionFirst), "updown.bmp");
    EXPECT_EQ(PictureOf(lc::kDirectionSecond), "downup.bmp");

    ChooseMode(1);
    for (const auto& [id, key] : {std::pair{lc::kDirectionLabel, "CONTROL_BLFXStatic2"},
                                  {lc::kDirectionFirst, "CONTROL_BLFXLStaPic2"},
                                  {lc::kDirectionSecond, "CONTROL_BLFXRStaPic2"}}) {
        EXPECT_EQ(panel_->Control(id)->pos(), SkinPosition(key)) << key;
    }
    EXPECT_EQ(PictureOf(lc::kDirectionFirst), "leftdown.bmp");
    EXPECT_EQ(PictureOf(lc::kDirectionSecond), "rightup.bmp");

    // The second picture chooses the second direction on the keyboard.
    auto* second = ControlOf<ClickablePicture>(lc::kDirectionSecond);
    QTest::mouseClick(second, Qt::LeftButton);
    EXPECT_EQ(LightingBlockOnKeyboard(0)[lighting_field::kDirection], 0x00);
    EXPECT_EQ(PictureOf(lc::kDirectionSecond), "rightdown.bmp");
}

TEST_F(LightingPanelTest, AProfileButtonsLightingStepTurnsTheViewOff) {
    SetLightingBytes(1, 0, {12});
    AttachWithViewOn(1);
    window_->show();
    ASSERT_TRUE(panel_->PreviewRunning());

    panel_->Hooks().TakeLightingProfile(1);
    EXPECT_FALSE(panel_->Lighting().state.lightingView);
    EXPECT_EQ(panel_->Lighting().state.profileIndex, 1);
    EXPECT_EQ(panel_->Lighting().state.currentMode, 12) << "profile 1's block is shown";
    EXPECT_EQ(PictureOf(lc::kViewSwitch), "dengup.bmp");
    EXPECT_FALSE(Shows(lc::kEffectList));
    EXPECT_FALSE(panel_->PreviewRunning());
}

TEST_F(LightingPanelTest, TypingIntoTheRgbBoxes) {
    AttachWithViewOn(1);
    CIntegerEdit* red = RgbBox(0);
    red->selectAll();
    QTest::keyClicks(red, "300");
    EXPECT_EQ(red->text(), "255");
    EXPECT_EQ(Slice(LightingBlockOnKeyboard(0), lighting_field::kMultiColour, 4), (Bytes{0x00, 0xFF, 0x00, 0x00}));
    EXPECT_EQ(ControlOf<CColourButton>(lc::kSecondGroupColour)->Colour(), QColor(255, 0, 0));

    // A non-number is refused: the box keeps its value and nothing is sent.
    const uint64_t reports = Control().ReportsReceived();
    CIntegerEdit* green = RgbBox(1);
    green->selectAll();
    QTest::keyClicks(green, "x");
    EXPECT_EQ(green->text(), "0");
    EXPECT_EQ(green->Value(), 0);
    WaitForKeyboard();
    EXPECT_EQ(Control().ReportsReceived(), reports);

    // In a mode that takes no colour the boxes only show the values.
    ChooseMode(12);
    const Bytes before = LightingBlockOnKeyboard(0);
    CIntegerEdit* blue = RgbBox(2);
    blue->selectAll();
    QTest::keyClicks(blue, "77");
    EXPECT_EQ(blue->text(), "77");
    EXPECT_EQ(LightingBlockOnKeyboard(0), before);
}

TEST_F(LightingPanelTest, AClickOnTheWheelPutsItsColourIntoTheBoxes) {
    AttachWithViewOn(1);
    const QImage& background = window_->BackgroundImage();
    const QPoint inside(150, 120);
    const QColor pixel = background.pixelColor(inside);
    panel_->BackgroundPressed(inside.x(), inside.y(), background);
    EXPECT_EQ(RgbBox(0)->Value(), pixel.red());
    EXPECT_EQ(RgbBox(1)->Value(), pixel.green());
    EXPECT_EQ(RgbBox(2)->Value(), pixel.blue());
    EXPECT_EQ(Slice(LightingBlockOnKeyboard(0), lighting_field::kEffectColour, 3),
              (Bytes{static_cast<uint8_t>(pixel.red()), static_cast<uint8_t>(pixel.green()),
                     static_cast<uint8_t>(pixel.blue())}));

    // Outside the wheel nothing changes; with the view off the boxes change but nothing is sent.
    panel_->BackgroundPressed(400, 300, background);
    EXPECT_EQ(RgbBox(0)->Value(), pixel.red());
    SetLightingView(false);
    const Bytes before = LightingBlockOnKeyboard(0);
    const QPoint other(110, 150);
    panel_->BackgroundPressed(other.x(), other.y(), background);
    EXPECT_EQ(RgbBox(1)->Value(), background.pixelColor(other).green());
    EXPECT_EQ(LightingBlockOnKeyboard(0), before);
}

TEST_F(LightingPanelTest, SlidersWriteTheirByteWhenMoved) {
    SetLightingBytes(0, lighting_field::kBrightness, {4, 1});  // brightness 4, speed 1 (position 3)
    AttachWithViewOn(1);
    CPictureSlider* speed = ControlOf<CPictureSlider>(lc::kSpeedSlider);
    ASSERT_EQ(speed->Position(), 3);
    const auto x_of = [](const CPictureSlider& slider, int position) {
        const int margin = slider.height() / 2;
        return margin + (slider.width() - 2 * margin) * position / slider.Highest();
    };
    QTest::mousePress(speed, Qt::LeftButton, {}, QPoint(x_of(*speed, 1), speed->height() / 2));
    QTest::mouseRelease(speed, Qt::LeftButton, {}, QPoint(x_of(*speed, 1), speed->height() / 2));
    EXPECT_EQ(LightingBlockOnKeyboard(0)[lighting_field::kSpeed], 3);

    CPictureSlider* brightness = ControlOf<CPictureSlider>(lc::kBrightnessSlider);
    QTest::mousePress(brightness, Qt::LeftButton, {}, QPoint(x_of(*brightness, 2), brightness->height() / 2));
    QTest::mouseRelease(brightness, Qt::LeftButton, {}, QPoint(x_of(*brightness, 2), brightness->height() / 2));
    EXPECT_EQ(LightingBlockOnKeyboard(0)[lighting_field::kBrightness], 2);
    EXPECT_EQ(brightness->Position(), 2);
    EXPECT_EQ(brightness->TrackPicture().toImage(),
              QPixmap(QString::fromStdString((app_->Paths().main_skin.image_folder / "2.bmp").string())).toImage());
}

TEST_F(LightingPanelTest, AColourChosenWritesItsBytes) {
    AttachWithViewOn(1);
    ChoosePaletteColour(lc::kSecondGroupColour, 12);  // a vivid hue of the palette
    const QColor chosen = ColourPalettePopup::PaletteColours()[12];
    EXPECT_EQ(Slice(LightingBlockOnKeyboard(0), lighting_field::kMultiColour, 4),
              (Bytes{0x00, static_cast<uint8_t>(chosen.red()), static_cast<uint8_t>(chosen.green()),
                     static_cast<uint8_t>(chosen.blue())}));
    EXPECT_EQ(ControlOf<CColourButton>(lc::kFirstGroupColour)->Colour(), chosen) << "both groups show it";
    EXPECT_EQ(PictureOf(lc::kSecondGroupMultiColour), "sjsup.bmp");

    // The "other" button asks for any colour; cancelling it changes nothing.
    auto* button = ControlOf<CColourButton>(lc::kSecondGroupColour);
    std::optional<QColor> answer = QColor(1, 2, 3);
    button->Popup().SetOtherColourChooser([&](const QColor&, QWidget*) { return answer; });
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::mouseClick(&button->Popup().OtherButton(), Qt::LeftButton);
    EXPECT_EQ(Slice(LightingBlockOnKeyboard(0), lighting_field::kEffectColour, 3), (Bytes{1, 2, 3}));
    answer.reset();
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::mouseClick(&button->Popup().OtherButton(), Qt::LeftButton);
    EXPECT_EQ(button->Colour(), QColor(1, 2, 3));
}

TEST_F(LightingPanelTest, ReportRateButtonsWriteTheIndexAndShowItPressed) {
    Attach();
    auto* second = ControlOf<CPngButton>(lc::kReportRateButtons[1]);
    ASSERT_NE(second, nullptr);
    QTest::mouseClick(second, Qt::LeftButton);
    EXPECT_EQ(LightingBlockOnKeyboard(0)[lighting_field::kReportRate], 1);
    for (size_t i = 0; i < lc::kReportRateButtons.size(); ++i) {
        EXPECT_EQ(ControlOf<CPngButton>(lc::kReportRateButtons[i])->Checked(), i == 1) << i;
    }
}

TEST_F(LightingPanelTest, KeyClicksPaintInMode20AndOtherwiseGoToTheKeyView) {
    AttachWithViewOn(20);
    ASSERT_TRUE(Shows(lc::kTools[0]));
    QTest::mouseClick(ControlOf<ClickablePicture>(lc::kTools[0]), Qt::LeftButton);
    EXPECT_EQ(PictureOf(lc::kTools[0]), "user1down.bmp");
    ChoosePaletteColour(lc::kPaintColour, 25);
    const QColor paint = ColourPalettePopup::PaletteColours()[25];
    const Rgb expected{static_cast<uint8_t>(paint.red()), static_cast<uint8_t>(paint.green()),
                       static_cast<uint8_t>(paint.blue())};

    EXPECT_TRUE(panel_->KeyButtonClicked(kKeyA));
    EXPECT_EQ(KeyColourOnKeyboard(0, kSlotA), expected);
    EXPECT_EQ(keys_.frames[kKeyA], expected);

    // In another mode the click changes nothing.
    ChooseMode(1);
    const Rgb before = KeyColourOnKeyboard(0, kSlotA);
    EXPECT_TRUE(panel_->KeyButtonClicked(kKeyA));
    EXPECT_EQ(KeyColourOnKeyboard(0, kSlotA), before);

    // With the view off a key opens its assignment, or toggles its light in the colour keys view.
    SetLightingView(false);
    EXPECT_FALSE(panel_->KeyButtonClicked(kKeyA));
    EXPECT_TRUE(panel_->KeyButtonClicked(kFnControlId)) << "Fn has no assignment";
    panel_->KeyViewSwitchClicked();
    EXPECT_EQ(app_->Flags().key_view.load(), 1);
    EXPECT_EQ(keys_.caption, app_->Texts().Text("MAIN_SWITCH_COLOR_TEXT"));
    const int apply = keys_.apply_enabled;
    EXPECT_TRUE(panel_->KeyButtonClicked(kKeyA));
    EXPECT_TRUE(keys_.lights[kKeyA].lit);
    EXPECT_EQ(keys_.apply_enabled, apply + 1);
    panel_->ResetKeyView();
    EXPECT_EQ(app_->Flags().key_view.load(), 0);
    EXPECT_FALSE(keys_.lights[kKeyA].pairShown);
}

TEST_F(LightingPanelTest, ThePresetListChoosesAndRenamesPresets) {
    AttachWithViewOn(20);
    auto* presets = ControlOf<QComboBox>(lc::kPresetList);
    ASSERT_EQ(presets->count(), kPresetsPerProfile);
    const PresetFiles files(app_->Paths().profile_folder);

    presets->setCurrentIndex(3);
    WaitForKeyboard();
    EXPECT_EQ(files.ReadPresentMode(0), 3);
    EXPECT_EQ(panel_->Lighting().keyColours.presetIndex, 3);

    QLineEdit* edit = presets->lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, "Ab");
    EXPECT_EQ(files.ReadPresetName(0, 3), "Ab") << "every keystroke renames";
    EXPECT_EQ(presets->itemText(3), "Ab");
    EXPECT_EQ(presets->count(), kPresetsPerProfile) << "typing adds no entry";
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(presets->count(), kPresetsPerProfile);
    EXPECT_EQ(presets->currentIndex(), 3);
}

TEST_F(LightingPanelTest, ALightingChangeOnTheKeyboardIsShownAfterTimer1051) {
    AttachWithViewOn(1);
    SetLightingBytes(0, 0, {12});
    panel_->LightingChangedOnKeyboard();
    EXPECT_EQ(panel_->Lighting().state.currentMode, 1) << "not before the timer";
    auto* list = ControlOf<QComboBox>(lc::kEffectList);
    for (int wait = 0; wait < 100 && list->currentData().toInt() != 12; ++wait) RunEvents(std::chrono::milliseconds(20));
    EXPECT_EQ(list->currentData().toInt(), 12);
    EXPECT_EQ(panel_->Control(lc::kDirectionFirst)->pos(), SkinPosition("CONTROL_BLFXLStaPic3"));
}

TEST_F(LightingPanelTest, RestoreDefaultsWritesTheDefaultBlockOnlyWhileTheViewIsOn) {
    SetLightingBytes(0, 0, {12, 2, 3});
    Attach();
    panel_->RestoreDefaults();
    EXPECT_EQ(Slice(LightingBlockOnKeyboard(0), 0, 3), (Bytes{12, 2, 3})) << "view off: lighting untouched";

    SetLightingView(true);
    panel_->RestoreDefaults();
    const Bytes block = LightingBlockOnKeyboard(0);
    EXPECT_EQ(Bytes(block.begin(), block.begin() + static_cast<std::ptrdiff_t>(kDefaultLightingBlock.size())),
              Bytes(kDefaultLightingBlock.begin(), kDefaultLightingBlock.end()));
    EXPECT_EQ(ControlOf<QComboBox>(lc::kEffectList)->currentData().toInt(), 1);
    EXPECT_EQ(ControlOf<CPictureSlider>(lc::kBrightnessSlider)->Position(), 4);
}

}  // namespace
}  // namespace quovex::gui::lighting_test
