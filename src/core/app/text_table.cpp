#include "app/text_table.h"

#include <array>

#include "app/decimal_text.h"
#include "app/unicode.h"

namespace quovex {

namespace {

// The "，" in two texts is the full-width comma U+FF0C, as the language files store it.
constexpr std::string_view kHelloWorld = "Hello world";
constexpr size_t kTrayOpenRoom = 8, kTrayAboutRoom = 9, kTrayExitRoom = 8;

// The start-up table in loading order, then the on-demand keys with a built-in text or a room.
constexpr auto kTextKeys = std::to_array<TextKeyInfo>({
    // Macros
    {"MACRO_ACTION_RECORD_DELAY", "RecordDelay"},
    {"MACRO_NEW_PREFIX", "Macro"},
    {"MACRO_ERR_MAX", "The maximum number of macro: %d   "},
    {"MACRO_DEFAULT_NAME", "Empty Macro"},
    {"MACRO_KEYS_TISHI", "hello world"},
    {"MACRO_ACTION_TISHI", "hello world"},
    {"MACRO_DELAY_MS", "hello world"},
    {"MACRO_ACTION_CLEAR_CONFIRM", "Really need to clear the macro action? "},
    {"MACRO_ACTION_ERR_MODIFY", "You can not edit, use the macro record button. "},
    {"MACRO_ACTION_ERR_DELAY_MAX", "Maximum delay time is: %d(ms) "},
    {"MACRO_ACTION_RECORD", "Record"},
    {"MACRO_ACTION_STOP_RECORD", "Stop Record"},
    {"MACRO_DELETE_CONFIRM_OF_KEYS",
     "Detect some key points to set this macro, \n  really need to remove this macro?  "},
    {"EXTRA_MACRO_TOO_LONG",
     "Macro space exceeds the hardware space.\r\n Please reduce the number of macros or macro action "
     "number，and then download."},
    // Key names
    {"UNKNOWN_KEY", "Unknown Key: %03x"},
    // Multimedia functions, in media-index order
    {"MEDIA_PALYER_1", kHelloWorld},
    {"MEDIA_PALY_PAUSE_2", kHelloWorld},
    {"MEDIA_STOP_PALY_3", kHelloWorld},
    {"MEDIA_PREV_TRACK_4", kHelloWorld},
    {"MEDIA_Next_TRACK_5", kHelloWorld},
    {"MEDIA_V_LOW_6", kHelloWorld},
    {"MEDIA_V_ADD_7", kHelloWorld},
    {"MEDIA_MUTE_8", kHelloWorld},
    {"MEDIA_WWW_HOME_9", kHelloWorld},
    {"MEDIA_WWW_REFRESH_10", kHelloWorld},
    {"MEDIA_WWW_STOP_11", kHelloWorld},
    {"MEDIA_WWW_BACK_12", kHelloWorld},
    {"MEDIA_WWW_FORWARD_13", kHelloWorld},
    {"MEDIA_WWW_FAVORITE_14", kHelloWorld},
    {"MEDIA_WWW_SEARCH_15", kHelloWorld},
    {"MEDIA_MY_PC_16", kHelloWorld},
    {"MEDIA_CALC_17", kHelloWorld},
    {"MEDIA_MAIL_18", kHelloWorld},
    // Shortcut functions, in function-index order
    {"FUNC_KEY_DESC1", "Open"},
    {"FUNC_KEY_DESC2", "New"},
    {"FUNC_KEY_DESC3", "Undo"},
    {"FUNC_KEY_DESC4", "Save"},
    {"FUNC_KEY_DESC5", "Copy"},
    {"FUNC_KEY_DESC6", "Cut"},
    {"FUNC_KEY_DESC7", "Paste"},
    {"FUNC_KEY_DESC8", "Find"},
    {"FUNC_KEY_DESC9", "Select All"},
    {"FUNC_KEY_DESC10", "Zoom-"},
    {"FUNC_KEY_DESC11", "Zoom+"},
    // Key tooltips
    {"KEY_PROMPT_SET", "Keys, Set: "},
    {"KEY_PROMPT_SINGLE", "Key("},
    {"KEY_PROMPT_MACRO", "Macro("},
    {"KEY_PROMPT_MEDIA", "Media("},
    {"KEY_PROMPT_FUNCTION", "Function("},
    // Profiles
    {"DEFAULT_PROFILE_NAME", "<Default Profile>"},
    {"PROFILE_SELECT_PROMPT", "Whether to save the profile settings made?"},
    {"PROFILE_SEELCT_PROMPT2", "When fast switch scene mode, you must first close the editor dialog box."},
    {"PROFILE_FORMAT_ERROR", "wrong file format, revert to the default values: \n  %s"},
    {"PROFILE_NEW", "\\The new contextual  mode"},
    {"PROFILE_TIP", "The current contextual  mode: "},
    {"EXTRA_PROFILE_SPACE_TIGHT", "shortage of hardware space, cancelled the macro name of storage."},
    // Firmware update: these entries only have room for their built-in texts.
    {"MAIN_UPDATE_ERROR_TEXT", "请选择正确的更新文件! ", 12},
    {"MAIN_BOOT_ERROR_TEXT", "无法进入Boot模式! ", 12},
    {"MAIN_SHELL_ERROR_TEXT", "无法执行更新文件! ", 10},
    {"MAIN_UPDATE_BACKUP_OK", "备份成功!", 5},
    {"MAIN_UPDATE_BACKUP_NG", "备份失败,请重新备份!", 11},
    // Main window and tray
    {"KEYBOARD_TRAY_DESC", "Orbel Deck"},
    {"MAIN_CAPTION", "Gaming Keyboard Settings"},
    {"MAIN_HELP_PROMPT", "Help"},
    {"MAIN_MINIMIZE_PROMPT", "Minimize"},
    {"MAIN_MENU_PROMPT", "Menu"},
    {"MAIN_CLOSE_PROMPT", "Close"},
    {"MAIN_BUTTON_PELMAR_VER", ""},
    {"MAIN_PROMPT_DEFAULT", "Do you want to restore the default settings?"},
    {"MAIN_PROMPT_INPORT", "File format error, import failed! "},
    {"MAIN_SWITCH_FUNCTION_TEXT", "Switch to the color keys mode"},
    {"MAIN_SWITCH_COLOR_TEXT", "Switch to the function keys mode"},
    {"MAIN_DEFAULT_MATRIX_PROMPT", "Reads the default keyboard layout failure"},
    {"MAIN_NO_DEVICE_PROMPT", "Device is not detected，the key settings can not be displayed! "},
    // Read on demand: main-window captions, menus, About box.
    {"PROFILE_1", "hello", kTextMaxCharacters, false},
    {"PROFILE_2", "hello", kTextMaxCharacters, false},
    {"PROFILE_3", "hello", kTextMaxCharacters, false},
    {"PROFILE_MACRO", "hello", kTextMaxCharacters, false},
    {"PROFILE_DEFAULT", "hello", kTextMaxCharacters, false},
    {"PROFILE_OK", "hello", kTextMaxCharacters, false},
    {"PROFILE_CANCLE", "hello", kTextMaxCharacters, false},
    {"PROFILE_APPLY", "hello", kTextMaxCharacters, false},
    {"MENU_1", "Import", kTextMaxCharacters, false},
    {"MENU_2", "Export", kTextMaxCharacters, false},
    {"MENU_3", "About", kTextMaxCharacters, false},
    {"MENU_11", "Open(&O)", kTrayOpenRoom, false},
    {"MENU_22", "About(&A)", kTrayAboutRoom, false},
    {"MENU_33", "Exit(&X)", kTrayExitRoom, false},
    {"GUANYU_JIESHAO", "", kTextMaxCharacters, false},
    {"GUANYU_BANQUAN", "", kTextMaxCharacters, false},
});

const TextKeyInfo* FindKey(std::string_view key) {
    for (const TextKeyInfo& info : kTextKeys) {
        if (info.key == key) return &info;
    }
    return nullptr;
}

std::string ReadFromSection(const CIniFile& file, std::string_view section, std::string_view key,
                            size_t room) {
    return CutUtf8(file.GetString(section, key, " ", kTextMaxCharacters), room);
}

}  // namespace

std::span<const TextKeyInfo> TextKeys() {
    return kTextKeys;
}

std::filesystem::path LanguageFilePath(const std::filesystem::path& program_folder) {
    return program_folder / "Skins" / "language.ini";
}

std::string_view ChooseLanguageSection(std::string_view language_value) {
    return ReadLeadingDecimal(language_value) == 1 ? kLanguageSectionEnglish : kLanguageSectionChinese;
}

std::string_view ChooseLanguageSection(const CIniFile& language_file) {
    return ChooseLanguageSection(language_file.GetString("LANGUAGE", "language", " "));
}

std::string ReadText(const std::filesystem::path& language_file, std::string_view key) {
    const CIniFile file(language_file);
    const TextKeyInfo* info = FindKey(key);
    return ReadFromSection(file, ChooseLanguageSection(file), key, info ? info->room : kTextMaxCharacters);
}

TextTable::TextTable() {
    for (const TextKeyInfo& info : kTextKeys) entries_.emplace_back(info.built_in);
}

void TextTable::LoadTextTable(const std::filesystem::path& language_file) {
    const CIniFile file(language_file);
    const std::string_view section = ChooseLanguageSection(file);
    for (size_t i = 0; i < kTextKeys.size(); ++i) {
        if (kTextKeys[i].in_startup_table) {
            entries_[i] = ReadFromSection(file, section, kTextKeys[i].key, kTextKeys[i].room);
        }
    }
}

const std::string& TextTable::Text(std::string_view key) const {
    static const std::string kNoText;
    for (size_t i = 0; i < kTextKeys.size(); ++i) {
        if (kTextKeys[i].key == key) return kTextKeys[i].in_startup_table ? entries_[i] : kNoText;
    }
    return kNoText;
}

}  // namespace quovex
