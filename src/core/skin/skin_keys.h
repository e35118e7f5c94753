// The sections and keys of the skin INI files, and which control each key
// places. Every dialog reads its controls' rectangles from these keys; the
// skin generator writes one value for each of them, and a test reads them all
// back from the generated files.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace quovex::skin {

// Sections and the keys of [SCREEN].
inline constexpr std::string_view kSectionScreen = "SCREEN";
inline constexpr std::string_view kSectionButtons = "BUTTONINFO";
inline constexpr std::string_view kSectionArrowFrames = "BUTTONINFO2";  // Main.ini only
inline constexpr std::string_view kSectionLabelsLanguage0 = "Control_Name";
inline constexpr std::string_view kSectionLabelsLanguage1 = "Control_Name1";
inline constexpr std::string_view kSectionModeNamesLanguage0 = "Mode";
inline constexpr std::string_view kSectionModeNamesLanguage1 = "Mode1";
inline constexpr std::string_view kKeyBackground = "Main";
inline constexpr std::string_view kKeyMask = "Mask";
inline constexpr std::string_view kKeyLink = "Link";  // Main.ini only

// How a control is placed from its rectangle.
enum class Placement {
    kButton,    // position, size, image offset; x = y = 1 disables it
    kRect,      // position and size only
    kPosition,  // position only, the control keeps its size
};

// The picture set a main-window button takes from the main window's state
// pictures (normal, over, down, disable), listed as its five states.
enum class MainImageSet {
    kToggle,     // normal, over, down, normal, disable: profile, report-rate, key buttons and the like
    kCommand,    // normal, over, down, normal, normal
    kApply,      // normal, over, down, disable, normal
    kLink,       // normal, over, disable, normal, normal
    kIndicator,  // normal in the first four states, over when checked (lit)
    kFlipArea,   // normal in the first four states, disable when checked
    kStatic,     // normal in all five
};

struct MainButtonKey {
    std::string_view key;
    int control_id;  // 0: the window chooses the id (none is fixed for this control)
    MainImageSet images;
};

// The main window's buttons placed from [BUTTONINFO], besides the key buttons
// of the keyboard picture (KEY_%03X, FUNC_G%d, the second Enter).
inline constexpr auto kMainButtonKeys = std::to_array<MainButtonKey>({
    {"PELMAR_LINK", 1121, MainImageSet::kLink},
    {"FUNC_PROFILES", 1005, MainImageSet::kCommand},
    {"FUNC_MACRO", 1007, MainImageSet::kCommand},
    {"CONTROL_OK", 1, MainImageSet::kCommand},
    {"CONTROL_CANCEL", 2, MainImageSet::kCommand},
    {"CONTROL_HELP", 1122, MainImageSet::kCommand},
    {"CONTROL_CLOSE", 1124, MainImageSet::kCommand},
    {"CONTROL_MINIMIZE", 1123, MainImageSet::kCommand},
    {"CONTROL_MENU", 1139, MainImageSet::kCommand},
    {"CONTROL2_APPLY", 1006, MainImageSet::kApply},
    {"LOCK_CAPS", 0, MainImageSet::kIndicator},
    {"LOCK_NUM", 0, MainImageSet::kIndicator},
    {"LOCK_SCROLL", 0, MainImageSet::kIndicator},
    {"LOCK_AB", 0, MainImageSet::kIndicator},
    {"FLIP_0", 1129, MainImageSet::kFlipArea},
    {"FLIP_1", 1130, MainImageSet::kToggle},
    {"FLIP_2", 1131, MainImageSet::kToggle},
    {"PELMAR_VER", 0, MainImageSet::kStatic},
    {"FUNC_PROFILE1", 1135, MainImageSet::kToggle},
    {"FUNC_PROFILE2", 1136, MainImageSet::kToggle},
    {"FUNC_PROFILE3", 1137, MainImageSet::kToggle},
    {"FUNC_DEFAULT", 1138, MainImageSet::kToggle},
    {"FUNC_SWITCH", 0, MainImageSet::kToggle},
    {"FUNC_REPORT1", 1147, MainImageSet::kToggle},
    {"FUNC_REPORT2", 1168, MainImageSet::kToggle},
    {"FUNC_REPORT3", 1169, MainImageSet::kToggle},
    {"FUNC_REPORT4", 1170, MainImageSet::kToggle},
    {"KEY_FN", 1174, MainImageSet::kToggle},
    // The two arrows take their picture from Arrow.jpg at an offset read from
    // [BUTTONINFO2] (ReadSkinButtonAt), in all five states.
    {"LEFT_ARROW", 1132, MainImageSet::kStatic},
    {"RIGHT_ARROW", 1133, MainImageSet::kStatic},
});

// The second, larger Enter shape of the keyboard picture (button 1057). It
// behaves like Enter; its place is kept under this key.
inline constexpr std::string_view kSecondEnterKey = "KEY_ENTER2";

// [BUTTONINFO2]: image offsets in Arrow.jpg of the arrows' frames, keys made
// by "%s%d" from a prefix and the frame number. The UP prefixes are used while
// the flip view is on, the DOWN prefixes while it is off.
inline constexpr std::array<std::string_view, 4> kArrowFramePrefixes = {
    "UP_ARROW_LEFT", "DOWN_ARROW_LEFT", "UP_ARROW_RIGHT", "DOWN_ARROW_RIGHT"};
inline constexpr std::array<int, 2> kArrowFrameNumbers = {1, 2};
std::string ArrowFrameKey(std::string_view prefix, int frame);

struct PanelControlKey {
    int control_id;
    std::string_view key;
    std::string_view label_key;  // key in [Control_Name]/[Control_Name1]; empty when it has no label
    bool never_shown = false;    // placed and kept hidden
};

// The lighting panel of the main window: 53 controls placed with their
// rectangles, 15 of them placed and kept hidden.
inline constexpr std::array<PanelControlKey, 53> kLightingPanelKeys = {{
    {1171, "CONTROL_DengStatic", "Deng"},
    {1167, "CONTROL_DengStaPic", ""},
    {1146, "CONTROL_XGcombox", ""},
    {1172, "CONTROL_LightStatic", "Light"},
    {1178, "CONTROL_LightSlider", ""},
    {1166, "CONTROL_SpeedStatic", "Speed"},
    {1179, "CONTROL_SpeedSlider", ""},
    {1148, "CONTROL_BLFXStatic", "FX"},
    {1149, "CONTROL_BLFXLStaPic", ""},
    {1150, "CONTROL_BLFXRStaPic", ""},
    {1151, "CONTROL_FYYSStatic", "Color"},
    {1152, "CONTROL_FYYSButton", ""},
    {1175, "CONTROL_FYSJSStaPic", ""},
    {1176, "CONTROL_FYSJSStatic", "DC"},
    {1154, "CONTROL_HXysStatic", "Color"},
    {1155, "CONTROL_HXysButton", ""},
    {1156, "CONTROL_HXsjsStaPic", ""},
    {1173, "CONTROL_HXsjsStatic", "DC"},
    {1194, "CONTROL_HONGPIC", ""},
    {1195, "CONTROL_HUANGPIC", ""},
    {1196, "CONTROL_LVPIC", ""},
    {1197, "CONTROL_LANPIC", ""},
    {1198, "CONTROL_umCombo", ""},
    {1159, "CONTROL_USERysStatic", "Color"},
    {1160, "CONTROL_USERysButton", ""},
    {1161, "CONTROL_USERjsStatic", "JColor"},
    {1162, "CONTROL_USERjsButton", ""},
    {1163, "CONTROL_USERgjStatic", "Tool"},
    {1164, "CONTROL_USERgjStaPic1", ""},
    {1165, "CONTROL_USERgjStaPic2", ""},
    {1207, "m_edit_rgbr", ""},
    {1208, "m_edit_rgbg", ""},
    {1209, "m_edit_rgbb", ""},
    {1210, "m_rgbr_static", ""},
    {1211, "m_rgbg_static", ""},
    {1212, "m_rgbb_static", ""},
    {1204, "CONTROL_UsbStatic", "Usb"},
    {1177, "CONTROL_JDTStatic", ""},
    // Stone-throw and ribbon colours, trigger kind, static-mode colour: placed, never shown.
    {1180, "CONTROL_FYCFStatic", "", true},
    {1181, "CONTROL_FYdjcfStatic", "", true},
    {1182, "CONTROL_FYggcfStatc", "", true},
    {1183, "CONTROL_FYdjcfStaPic", "", true},
    {1184, "CONTROL_FYggcfStaPic", "", true},
    {1185, "CONTROL_TSysStatic", "", true},
    {1186, "CONTROL_TSysButton", "", true},
    {1187, "CONTROL_TSsjsStatic", "", true},
    {1188, "CONTROL_TSsjsStaPic", "", true},
    {1189, "CONTROL_CDysStatic", "", true},
    {1190, "CONTROL_CDysButton", "", true},
    {1191, "CONTROL_CDsjsStatic", "", true},
    {1192, "CONTROL_CDsjsStaPic", "", true},
    {1157, "CONTROL_JTysStatic", "", true},
    {1158, "CONTROL_JTysButton", "", true},
}};

// The direction controls move by mode: the keys above for most modes, these
// for modes 1 to 3 (ending in 2) and mode 12 (ending in 3). Position only.
inline constexpr std::array<std::string_view, 6> kDirectionVariantKeys = {
    "CONTROL_BLFXStatic2", "CONTROL_BLFXLStaPic2", "CONTROL_BLFXRStaPic2",
    "CONTROL_BLFXStatic3", "CONTROL_BLFXLStaPic3", "CONTROL_BLFXRStaPic3"};

// Label keys of [Control_Name] (language 0) and [Control_Name1] (language 1).
inline constexpr std::array<std::string_view, 9> kLabelKeys = {"Usb",  "Deng", "Light", "Speed", "Color",
                                                               "JColor", "Tool", "FX",    "DC"};

// Lighting modes named in [Mode] (language 0) and [Mode1] (language 1), key = the id in decimal.
inline constexpr std::array<int, 19> kNamedModes = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 20};

struct DialogControlKey {
    int control_id;
    std::string_view key;
    Placement placement;
};

// The key assignment dialog (Composite.ini).
inline constexpr auto kCompositeKeys = std::to_array<DialogControlKey>({
    {1033, "CONTROL_MASK", Placement::kButton},
    {1131, "CONTROL_TITLE", Placement::kButton},
    {1132, "CONTROL_OSK", Placement::kButton},
    {1032, "CONTROL_CLEAR", Placement::kButton},
    {1030, "CONTROL_MEDIA", Placement::kButton},
    {1029, "CONTROL_MACRO", Placement::kButton},
    {1028, "CONTROL_KEY", Placement::kButton},
    {1031, "CONTROL_FUNCTION", Placement::kButton},
    {1, "CONTROL_OK", Placement::kButton},
    {2, "CONTROL_CANCEL", Placement::kButton},
    {1018, "FUNC_MACRO_DELETE", Placement::kButton},
    {1017, "FUNC_MACRO_ADD", Placement::kButton},
    {1023, "FUNC_MACRO_UP_TOP", Placement::kButton},
    {1024, "FUNC_MACRO_UP", Placement::kButton},
    {1025, "FUNC_MACRO_DOWN", Placement::kButton},
    {1026, "FUNC_MACRO_DOWN_BOTTOM", Placement::kButton},
    {1021, "FUNC_MACRO_DELETE2", Placement::kButton},
    {1022, "FUNC_MACRO_CLEAR", Placement::kButton},
    {1020, "FUNC_MACRO_RECORD", Placement::kButton},
    {1027, "FUNC_MACRO_RECORD_DELAY", Placement::kRect},
    {1019, "FUNC_MACRO_LIST2", Placement::kRect},
    {1125, "FUNC_MACRO_CYCLES", Placement::kRect},
    {1130, "FUNC_MACRO_CYCLES_PROMPT", Placement::kRect},
    {1201, "TISHI_SINGLE_STATIC", Placement::kRect},
    {1200, "MARCO_NAME_SETTING", Placement::kRect},
    {1199, "KEY_SETTING", Placement::kRect},
    {1202, "MEDIA_SETTING_TISHI", Placement::kRect},
    {1203, "FUNCTION_KEY_SETTING_TISHI", Placement::kRect},
    {1133, "FUNC_MACRO_RECORD_DELAY2", Placement::kRect},
    {1127, "FUNC_KEY_INPUT", Placement::kRect},
    {1128, "FUNC_MEDIA_SELECT", Placement::kRect},
    {1126, "FUNC_MACRO_LIST", Placement::kRect},
    {1129, "FUNC_FUNCTION_SELECT", Placement::kRect},
    // The dialog's Apply button: its place is kept under the key the other
    // dialogs use for Apply, with the key page's pictures.
    {1015, "CONTROL2_APPLY", Placement::kButton},
});

// The profile dialog (Profile.ini).
inline constexpr std::array<DialogControlKey, 7> kProfileKeys = {{
    {1, "CONTROL_OK", Placement::kButton},
    {2, "CONTROL_CANCEL", Placement::kButton},
    {1010, "FUNC_ADD", Placement::kButton},
    {1008, "FUNC_LOAD", Placement::kButton},
    {1011, "FUNC_DELETE", Placement::kButton},
    {1012, "CONTROL2_APPLY", Placement::kButton},
    {1007, "PROGRAM_LIST", Placement::kRect},
}};

// The firmware update dialog (UpdateDlg.ini).
inline constexpr std::array<DialogControlKey, 6> kUpdateKeys = {{
    {1179, "CONTROL_UPStatic", Placement::kRect},
    {1178, "CONTROL_UPCombox", Placement::kRect},
    {1180, "CONTROL_CUPButton", Placement::kButton},
    {1147, "CONTROL_UPButton", Placement::kButton},
    {1181, "CONTROL_OPENButton", Placement::kButton},
    {1182, "CONTROL_BACKUPButton", Placement::kButton},
}};

}  // namespace quovex::skin
