// The default skin the build generates: every key the program reads is in its
// INI files, every picture exists and decodes at the size its control has, the
// controls of the keyboard picture and the window's buttons do not overlap,
// and the language file holds every text in both languages.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRect>
#include <QRegularExpression>
#include <QString>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/ini_file.h"
#include "app/text_table.h"
#include "app/unicode.h"
#include "model/key_layout.h"
#include "skin/skin_files.h"
#include "skin/skin_keys.h"
#include "skin/skin_layout.h"

namespace quovex::skin {
namespace {

const std::filesystem::path kProgram = QUOVEX_PROGRAM_DIR;
const std::filesystem::path kSkins = kProgram / "Skins";
constexpr std::string_view kAbsent = "<absent>";

QString Path(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

QRect ToQRect(const SkinRect& rect) { return QRect(rect.x, rect.y, rect.w, rect.h); }

QImage Decode(const std::filesystem::path& path) {
    QImageReader reader(Path(path));
    return reader.read();
}

// Every key the main window places: buttons, the keyboard picture's keys, the panel.
std::vector<std::string> MainButtonKeys() {
    std::vector<std::string> keys;
    for (const MainButtonKey& button : kMainButtonKeys) keys.emplace_back(button.key);
    for (int q = 0; q < kLayoutKeyCount; ++q) keys.push_back(KeySkinKey(q));
    for (int j = 0; j < kGKeyCount; ++j) keys.push_back(GKeySkinKey(j));
    keys.emplace_back(kSecondEnterKey);
    return keys;
}

TEST(GeneratedSkinTest, EveryIniHoldsEveryKeyItsDialogReads) {
    struct Expectation {
        SkinDialog dialog;
        std::vector<std::pair<std::string, std::string>> keys;  // section, key
    };
    std::vector<Expectation> expectations(4);
    expectations[0].dialog = SkinDialog::kMain;
    auto& main_keys = expectations[0].keys;
    for (const char* key : {"Main", "Mask", "Link"}) main_keys.emplace_back(kSectionScreen, key);
    for (const std::string& key : MainButtonKeys()) main_keys.emplace_back(kSectionButtons, key);
    for (const PanelControlKey& control : kLightingPanelKeys) main_keys.emplace_back(kSectionButtons, control.key);
    for (const std::string_view key : kDirectionVariantKeys) main_keys.emplace_back(kSectionButtons, key);
    for (const std::string_view prefix : kArrowFramePrefixes) {
        for (const int frame : kArrowFrameNumbers) main_keys.emplace_back(kSectionArrowFrames, ArrowFrameKey(prefix, frame));
    }
    for (const std::string_view key : kLabelKeys) {
        main_keys.emplace_back(kSectionLabelsLanguage0, key);
        main_keys.emplace_back(kSectionLabelsLanguage1, key);
    }
    for (const int mode : kNamedModes) {
        main_keys.emplace_back(kSectionModeNamesLanguage0, std::to_string(mode));
        main_keys.emplace_back(kSectionModeNamesLanguage1, std::to_string(mode));
    }
    const struct {
        SkinDialog dialog;
        std::span<const DialogControlKey> keys;
    } dialogs[] = {{SkinDialog::kComposite, kCompositeKeys},
                   {SkinDialog::kProfile, kProfileKeys},
                   {SkinDialog::kUpdate, kUpdateKeys}};
    for (size_t i = 0; i < std::size(dialogs); ++i) {
        expectations[i + 1].dialog = dialogs[i].dialog;
        for (const char* key : {"Main", "Mask"}) expectations[i + 1].keys.emplace_back(kSectionScreen, key);
        for (const DialogControlKey& control : dialogs[i].keys) {
            expectations[i + 1].keys.emplace_back(kSectionButtons, control.key);
        }
    }

    for (const Expectation& expectation : expectations) {
        const CIniFile ini(SkinPathsOf(kProgram, expectation.dialog).ini_path);
        SCOPED_TRACE(ini.Path().string());
        ASSERT_TRUE(std::filesystem::exists(ini.Path()));
        for (const auto& [section, key] : expectation.keys) {
            const std::string value = ini.GetString(section, key, kAbsent);
            EXPECT_NE(value, kAbsent) << "[" << section << "] " << key;
            EXPECT_FALSE(value.empty()) << "[" << section << "] " << key;
            if (section == kSectionButtons || section == kSectionArrowFrames) {
                const SkinRect rect = ParseSkinRect(value);
                EXPECT_EQ(value, std::to_string(rect.x) + "," + std::to_string(rect.y) + "," + std::to_string(rect.w) +
                                     "," + std::to_string(rect.h))
                    << key << ": four numbers";
                EXPECT_FALSE(rect.MarksAbsentButton()) << key;
                EXPECT_GT(rect.w, 0) << key;
                EXPECT_GT(rect.h, 0) << key;
            }
        }
    }
}

TEST(GeneratedSkinTest, KeysAreFoundRegardlessOfCase) {
    const SkinLayoutFile ini(SkinPathsOf(kProgram, SkinDialog::kMain).ini_path);
    EXPECT_EQ(ini.Rect("buttoninfo", "control_ok"), ini.ButtonRect("CONTROL_OK"));
    EXPECT_FALSE(ini.Rect("buttoninfo", "control_ok").MarksAbsentButton());
}

TEST(GeneratedSkinTest, EveryPictureExistsAndDecodesAtItsSize) {
    const QSize main_size = Decode(kSkins / "main_normal.jpg").size();
    ASSERT_FALSE(main_size.isEmpty());
    for (const std::string_view name : {main_images::kNormal, main_images::kOver, main_images::kDown,
                                        main_images::kDisable, main_images::kArrow, main_images::kColour0,
                                        main_images::kColour1}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(Decode(kSkins / name).size(), main_size);
    }
    const struct {
        SkinDialog dialog;
        std::vector<std::string_view> pictures;
    } dialogs[] = {
        {SkinDialog::kComposite, {}},
        {SkinDialog::kProfile, {profile_images::kNormal, profile_images::kOver, profile_images::kDown}},
        {SkinDialog::kUpdate, {update_images::kNormal, update_images::kOver}},
    };
    for (const auto& dialog : dialogs) {
        std::vector<std::string_view> pictures = dialog.pictures;
        if (dialog.dialog == SkinDialog::kComposite) {
            for (const composite_images::PageSet& set : composite_images::kAllPages) {
                for (const std::string_view name : {set.normal, set.over, set.down, set.disable}) {
                    if (!name.empty()) pictures.push_back(name);
                }
            }
        }
        const SkinLayoutFile ini(SkinPathsOf(kProgram, dialog.dialog).ini_path);
        SCOPED_TRACE(ini.Path().string());
        const QImage background = Decode(kSkins / ini.Background());
        const QImage mask = Decode(kSkins / ini.Mask());
        ASSERT_FALSE(background.isNull());
        EXPECT_EQ(mask.size(), background.size());
        for (const std::string_view name : pictures) {
            SCOPED_TRACE(name);
            EXPECT_EQ(Decode(kSkins / name).size(), background.size());
        }
    }

    // The lighting panel's pictures have the size of the control that shows them.
    const SkinLayoutFile main(SkinPathsOf(kProgram, SkinDialog::kMain).ini_path);
    const auto expect_size = [&](std::string_view file, std::string_view key) {
        SCOPED_TRACE(file);
        const QImage image = Decode(kSkins / file);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), ToQRect(main.ButtonRect(key)).size()) << key;
    };
    namespace panel = panel_images;
    expect_size(panel::kLightingOff, "CONTROL_DengStaPic");
    expect_size(panel::kLightingOn, "CONTROL_DengStaPic");
    for (const panel::DirectionPair& pair : {panel::kLeftRight, panel::kUpDown, panel::kSpreadGather}) {
        for (const std::string_view file : {pair.first_up, pair.first_down}) expect_size(file, "CONTROL_BLFXLStaPic");
        for (const std::string_view file : {pair.second_up, pair.second_down}) expect_size(file, "CONTROL_BLFXRStaPic");
    }
    const char* swatch_keys[] = {"CONTROL_HONGPIC", "CONTROL_HUANGPIC", "CONTROL_LVPIC", "CONTROL_LANPIC"};
    for (size_t i = 0; i < panel::kSwatches.size(); ++i) {
        expect_size(panel::kSwatches[i].plain, swatch_keys[i]);
        expect_size(panel::kSwatches[i].chosen, swatch_keys[i]);
    }
    for (const char* key : {"CONTROL_FYSJSStaPic", "CONTROL_HXsjsStaPic"}) {
        expect_size(panel::kMultiColourOff, key);
        expect_size(panel::kMultiColourOn, key);
    }
    for (int tool = 0; tool < 2; ++tool) {
        const std::string key = "CONTROL_USERgjStaPic" + std::to_string(tool + 1);
        expect_size(panel::kToolUp[tool], key);
        expect_size(panel::kToolDown[tool], key);
    }
    for (int frame = 0; frame < panel::kProgressFrameCount; ++frame) {
        expect_size(panel::ProgressFrame(frame), "CONTROL_JDTStatic");
    }
    for (int position = 0; position < panel::kSliderPositions; ++position) {
        expect_size(panel::BrightnessTrack(position), "CONTROL_LightSlider");
        expect_size(panel::SpeedTrack(position), "CONTROL_SpeedSlider");
    }
    EXPECT_TRUE(std::filesystem::exists(kSkins / "UserDengColor_3.userd")) << "factory colour presets";
    EXPECT_GT(std::filesystem::file_size(kProgram / "Help" / "index.html"), 1000u);
}

TEST(GeneratedSkinTest, StatePicturesDifferWhereTheButtonsAre) {
    // A key, a command button and Apply look different in every state picture.
    const SkinLayoutFile ini(SkinPathsOf(kProgram, SkinDialog::kMain).ini_path);
    std::map<std::string_view, QImage> pictures;
    for (const std::string_view name : {main_images::kNormal, main_images::kOver, main_images::kDown,
                                        main_images::kDisable, main_images::kColour0, main_images::kColour1}) {
        pictures[name] = Decode(kSkins / name);
    }
    for (const std::string& key : {KeySkinKey(0), std::string("CONTROL2_APPLY"), std::string("FUNC_PROFILE1")}) {
        SCOPED_TRACE(key);
        const QRect rect = ToQRect(ini.ButtonRect(key));
        std::set<QByteArray> looks;
        for (const auto& [name, picture] : pictures) {
            if (key != KeySkinKey(0) && (name == main_images::kColour0 || name == main_images::kColour1)) continue;
            const QImage part = picture.copy(rect);
            looks.insert(QByteArray(reinterpret_cast<const char*>(part.constBits()), part.sizeInBytes()));
        }
        EXPECT_EQ(looks.size(), key == KeySkinKey(0) ? 6u : 4u) << "each state picture shows its own look";
    }
}

TEST(GeneratedSkinTest, TheKeyboardsButtonsDoNotOverlap) {
    const SkinLayoutFile ini(SkinPathsOf(kProgram, SkinDialog::kMain).ini_path);
    const QSize window = Decode(kSkins / ini.Background()).size();
    std::vector<std::pair<std::string, QRect>> buttons;
    for (const std::string& key : MainButtonKeys()) {
        // The flip area lies under F1 to F4 and its two handles; the arrows sit on the handles.
        if (key == "FLIP_0" || key == "LEFT_ARROW" || key == "RIGHT_ARROW") continue;
        buttons.emplace_back(key, ToQRect(ini.ButtonRect(key)));
    }
    for (size_t i = 0; i < buttons.size(); ++i) {
        EXPECT_TRUE(QRect(QPoint(0, 0), window).contains(buttons[i].second)) << buttons[i].first;
        for (size_t j = i + 1; j < buttons.size(); ++j) {
            EXPECT_FALSE(buttons[i].second.intersects(buttons[j].second)) << buttons[i].first << " and " << buttons[j].first;
        }
    }
    const QRect flip_area = ToQRect(ini.ButtonRect("FLIP_0"));
    for (const char* key : {"FLIP_1", "FLIP_2", "KEY_03B", "KEY_03C", "KEY_03D", "KEY_03E"}) {
        EXPECT_TRUE(flip_area.contains(ToQRect(ini.ButtonRect(key)))) << key;
    }
    EXPECT_TRUE(ToQRect(ini.ButtonRect("FLIP_1")).contains(ToQRect(ini.ButtonRect("LEFT_ARROW"))));
    EXPECT_TRUE(ToQRect(ini.ButtonRect("FLIP_2")).contains(ToQRect(ini.ButtonRect("RIGHT_ARROW"))));

    // Each arrow frame fits in Arrow.jpg and is the arrow button's size.
    for (const std::string_view prefix : kArrowFramePrefixes) {
        for (const int frame : kArrowFrameNumbers) {
            const QRect sprite = ToQRect(ini.Rect(kSectionArrowFrames, ArrowFrameKey(prefix, frame)));
            EXPECT_TRUE(QRect(QPoint(0, 0), window).contains(sprite.translated(-1, -1)));
            EXPECT_EQ(sprite.size(), ToQRect(ini.ButtonRect("LEFT_ARROW")).size());
        }
    }
}

TEST(GeneratedSkinTest, TheColourWheelSitsWhereColoursArePicked) {
    const QImage background = Decode(kSkins / "main_normal.jpg");
    const QPoint centre(140, 144);
    const auto hue_at = [&](QPoint p) { return background.pixelColor(p).hsvHue(); };
    EXPECT_GT(background.pixelColor(centre).lightness(), 230) << "white in the middle";
    // Saturated colours towards the rim, and different hues around it.
    const QPoint right = centre + QPoint(60, 0), up = centre + QPoint(0, -60), left = centre + QPoint(-60, 0);
    for (const QPoint p : {right, up, left}) EXPECT_GT(background.pixelColor(p).hsvSaturation(), 200);
    EXPECT_NE(hue_at(right) / 30, hue_at(up) / 30);
    EXPECT_NE(hue_at(up) / 30, hue_at(left) / 30);
}

// "%d", "%03x", "%s"... in the order they appear.
QStringList Conversions(const QString& text) {
    QStringList found;
    static const QRegularExpression conversion(QStringLiteral("%[-+ #0]*[0-9]*[diouxXsc%]"));
    for (const QRegularExpressionMatch& match : conversion.globalMatch(text)) found << match.captured();
    return found;
}

TEST(GeneratedSkinTest, LanguageFileHasEveryTextInBothLanguages) {
    const std::filesystem::path language_file = LanguageFilePath(kProgram);
    const CIniFile ini(language_file);
    EXPECT_EQ(ini.GetString("LANGUAGE", "language", kAbsent), "1");

    std::vector<std::pair<std::string_view, std::string_view>> keys;  // key, built-in text
    for (const TextKeyInfo& info : TextKeys()) keys.emplace_back(info.key, info.built_in);
    // The key assignment dialog reads these when it opens.
    for (const char* key :
         {"COMPOSITE_PROMPT_CLEAR", "COMPOSITE_PROMPT_OSK", "MACRO_CYCLES", "RECORD_DELAY", "SINGLE_KEY", "MACRO_SETTING",
          "MULTI_MEDIA", "FUNCTION_KEY", "A_TOP", "A_UP", "A_DOWN", "A_BOTTOM", "A_RECORD", "A_DELETE", "A_CLEAR",
          "MACRO_OK", "MACRO_CANCLE", "SINGLE_STATIC", "MACRO_NAME_SETTING", "KEY_SETTING_TISHI", "MACRO_EDIT_TISHI",
          "MEDIA_EDIT_TISHI", "FUNCTION_TISHI"}) {
        keys.emplace_back(key, "");
    }
    for (const std::string_view section : {kLanguageSectionChinese, kLanguageSectionEnglish}) {
        for (const auto& [key, built_in] : keys) {
            SCOPED_TRACE(std::string(section) + " " + std::string(key));
            const std::string text = ini.GetString(section, key, kAbsent);
            ASSERT_NE(text, kAbsent);
            EXPECT_FALSE(text.empty());
            EXPECT_EQ(Conversions(QString::fromStdString(text)), Conversions(QString::fromUtf8(built_in.data(), built_in.size())));
            for (const TextKeyInfo& info : TextKeys()) {
                if (info.key == key) {
                    EXPECT_LE(Utf8CharacterCount(text), info.room) << "fits its entry";
                }
            }
        }
    }
    // The record delay text names a settings value: the same in both languages.
    EXPECT_EQ(ini.GetString(kLanguageSectionChinese, "MACRO_ACTION_RECORD_DELAY", ""),
              ini.GetString(kLanguageSectionEnglish, "MACRO_ACTION_RECORD_DELAY", ""));
    // Texts that are joined to others keep their blanks through the INI reader.
    EXPECT_EQ(ini.GetString(kLanguageSectionEnglish, "PROFILE_TIP", ""), "Active profile: ");
    EXPECT_EQ(ReadText(language_file, "MENU_11"), "Open(&O)");
}

}  // namespace
}  // namespace quovex::skin
