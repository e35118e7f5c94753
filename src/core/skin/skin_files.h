// The files of the skin folder: one INI per skinned dialog (every control's
// rectangle, the background and mask pictures), the full-dialog state pictures
// each dialog loads, and the lighting panel's small pictures. The skin folder
// lies in the program folder; state pictures are opened relative to the
// program folder with the folder's name as their prefix.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace quovex::skin {

inline constexpr std::string_view kSkinFolderName = "Skins";

enum class SkinDialog { kMain, kComposite, kProfile, kUpdate };

struct SkinDialogInfo {
    SkinDialog dialog;
    std::string_view ini_name;  // in the skin folder
    int template_id;            // the dialog's id, kept for behaviour keyed by it
};

inline constexpr std::array<SkinDialogInfo, 4> kSkinDialogs = {{
    {SkinDialog::kMain, "Main.ini", 102},
    {SkinDialog::kComposite, "Composite.ini", 134},
    {SkinDialog::kProfile, "Profile.ini", 131},
    {SkinDialog::kUpdate, "UpdateDlg.ini", 149},
}};

// The two paths a skinned dialog keeps: its INI file and the folder in which
// the INI's background and mask pictures are looked up.
struct SkinPaths {
    std::filesystem::path ini_path;
    std::filesystem::path image_folder;
};

const SkinDialogInfo& SkinDialogInfoOf(SkinDialog dialog);
SkinPaths SkinPathsOf(const std::filesystem::path& program_folder, SkinDialog dialog);

// "Skins/<file>": how state pictures are named, relative to the program folder.
std::filesystem::path StateImageName(std::string_view file_name);

// The state pictures, by dialog. An image set names five of them for one
// button: normal, over (hovered), down (pressed), disabled and checked.
namespace main_images {
inline constexpr std::string_view kNormal = "main_normal.jpg";
inline constexpr std::string_view kOver = "main_over.jpg";
inline constexpr std::string_view kDown = "main_down.jpg";
inline constexpr std::string_view kDisable = "main_disable.jpg";
inline constexpr std::string_view kArrow = "Arrow.jpg";
inline constexpr std::string_view kColour0 = "main_color0.jpg";  // colour keys view: light off
inline constexpr std::string_view kColour1 = "main_color1.jpg";  // colour keys view: light on
}  // namespace main_images

namespace composite_images {
// One set per page of the key assignment dialog; an empty name means that the
// page's normal picture stands in for that state.
struct PageSet {
    std::string_view normal, over, down, disable;
};
inline constexpr PageSet kKey = {"key_normal.jpg", "key_over.jpg", "key_down.jpg", ""};
inline constexpr PageSet kMacro = {"macro_normal.jpg", "macro_over.jpg", "macro_down.jpg", "macro_disable.jpg"};
inline constexpr PageSet kMacroOnly = {"macro2_normal.jpg", "macro2_over.jpg", "macro2_down.jpg",
                                       "macro2_disable.jpg"};
inline constexpr PageSet kMedia = {"media_normal.jpg", "media_over.jpg", "media_down.jpg", ""};
inline constexpr PageSet kFunction = {"function_normal.jpg", "function_over.jpg", "function_down.jpg", ""};
inline constexpr std::array<PageSet, 5> kAllPages = {kKey, kMacro, kMacroOnly, kMedia, kFunction};
}  // namespace composite_images

namespace profile_images {
inline constexpr std::string_view kNormal = "Profile_normal.jpg";
inline constexpr std::string_view kOver = "Profile_over.jpg";
inline constexpr std::string_view kDown = "Profile_down.jpg";  // also the disabled picture
}  // namespace profile_images

namespace update_images {
inline constexpr std::string_view kNormal = "update_normal.jpg";
inline constexpr std::string_view kOver = "update_over.jpg";  // every state but normal
}  // namespace update_images

// The lighting panel's pictures, loaded from the folder of Main.ini.
namespace panel_images {
inline constexpr std::string_view kLightingOff = "dengup.bmp";
inline constexpr std::string_view kLightingOn = "dengdown.bmp";
// Direction pairs: first and second direction, released and pressed.
struct DirectionPair {
    std::string_view first_up, first_down, second_up, second_down;
};
inline constexpr DirectionPair kLeftRight = {"leftup.bmp", "leftdown.bmp", "rightup.bmp", "rightdown.bmp"};
inline constexpr DirectionPair kUpDown = {"upup.bmp", "updown.bmp", "downup.bmp", "downdown.bmp"};
inline constexpr DirectionPair kSpreadGather = {"kuosan.bmp", "kuosandown.bmp", "julong.bmp", "julongdown.bmp"};
// Swatches red, yellow, green, blue: plain and chosen.
struct Swatch {
    std::string_view plain, chosen;
};
inline constexpr std::array<Swatch, 4> kSwatches = {{
    {"hong.bmp", "hongok.bmp"},
    {"huang.bmp", "huangok.bmp"},
    {"lv.bmp", "lvok.bmp"},
    {"lan.bmp", "lanok.bmp"},
}};
inline constexpr std::string_view kMultiColourOff = "sjsup.bmp";
inline constexpr std::string_view kMultiColourOn = "sjsdown.bmp";
// Tool 0 paints with the paint colour, tool 1 with the base colour.
inline constexpr std::array<std::string_view, 2> kToolUp = {"user1up.bmp", "user2up.bmp"};
inline constexpr std::array<std::string_view, 2> kToolDown = {"user1down.bmp", "user2down.bmp"};
inline constexpr int kProgressFrameCount = 10;
inline constexpr int kSliderPositions = 5;

// "jdt1.bmp" .. "jdt10.bmp" for frame 0..9.
std::string ProgressFrame(int frame);
// "0.bmp" .. "4.bmp": the brightness track at value 0..4.
std::string BrightnessTrack(int value);
// "6.bmp" .. "10.bmp": the speed track at slider position 0..4.
std::string SpeedTrack(int position);
}  // namespace panel_images

}  // namespace quovex::skin
