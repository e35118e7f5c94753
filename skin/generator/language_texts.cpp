#include "language_texts.h"

#include <vector>

#include "ini_text.h"

namespace quovex::skin_gen {

namespace {

QString U(const char* text) { return QString::fromUtf8(text); }

// Values are single lines: the INI format keeps no line breaks. Texts with %d,
// %03x or %s keep exactly the conversion of their built-in text. The update
// texts and the tray menu's entries have room for only as many characters as
// their built-in texts, and stay within it.
std::vector<LanguageText> Build(const QString& version) {
    return {
        // Macros.
        {"MACRO_ACTION_RECORD_DELAY", U("RecordDelay"), U("RecordDelay")},  // also a settings value's name
        {"MACRO_NEW_PREFIX", U("宏"), U("Macro")},
        {"MACRO_ERR_MAX", U("宏的数量最多为 %d 个。"), U("You can have at most %d macros.")},
        {"MACRO_DEFAULT_NAME", U("空宏"), U("Empty macro")},
        {"MACRO_KEYS_TISHI", U("按键"), U("Key")},
        {"MACRO_ACTION_TISHI", U("动作"), U("Action")},
        {"MACRO_DELAY_MS", U("延时(毫秒)"), U("Delay (ms)")},
        {"MACRO_ACTION_CLEAR_CONFIRM", U("确定要清除此宏的全部动作吗？"), U("Remove all actions of this macro?")},
        {"MACRO_ACTION_ERR_MODIFY", U("此列不能编辑，请使用录制按钮添加动作。"),
         U("This column cannot be edited. Use the Record button to add actions.")},
        {"MACRO_ACTION_ERR_DELAY_MAX", U("延时最长为 %d 毫秒。"), U("The longest delay is %d ms.")},
        {"MACRO_ACTION_RECORD", U("录制"), U("Record")},
        {"MACRO_ACTION_STOP_RECORD", U("停止录制"), U("Stop")},
        {"MACRO_DELETE_CONFIRM_OF_KEYS", U("有按键正在使用此宏，仍要删除吗？"),
         U("Some keys use this macro. Delete it anyway?")},
        {"EXTRA_MACRO_TOO_LONG", U("宏超出了键盘的存储空间，请减少宏或宏动作的数量后再应用。"),
         U("The macros do not fit into the keyboard's memory. Remove some macros or actions, then apply again.")},
        // Key names.
        {"UNKNOWN_KEY", U("未知按键：%03x"), U("Unknown key: %03x")},
        // Multimedia functions, in media-index order.
        {"MEDIA_PALYER_1", U("媒体播放器"), U("Media player")},
        {"MEDIA_PALY_PAUSE_2", U("播放/暂停"), U("Play/Pause")},
        {"MEDIA_STOP_PALY_3", U("停止"), U("Stop")},
        {"MEDIA_PREV_TRACK_4", U("上一曲"), U("Previous track")},
        {"MEDIA_Next_TRACK_5", U("下一曲"), U("Next track")},
        {"MEDIA_V_LOW_6", U("音量减"), U("Volume down")},
        {"MEDIA_V_ADD_7", U("音量加"), U("Volume up")},
        {"MEDIA_MUTE_8", U("静音"), U("Mute")},
        {"MEDIA_WWW_HOME_9", U("浏览器主页"), U("Browser home")},
        {"MEDIA_WWW_REFRESH_10", U("浏览器刷新"), U("Browser refresh")},
        {"MEDIA_WWW_STOP_11", U("浏览器停止"), U("Browser stop")},
        {"MEDIA_WWW_BACK_12", U("浏览器后退"), U("Browser back")},
        {"MEDIA_WWW_FORWARD_13", U("浏览器前进"), U("Browser forward")},
        {"MEDIA_WWW_FAVORITE_14", U("浏览器收藏夹"), U("Browser favorites")},
        {"MEDIA_WWW_SEARCH_15", U("浏览器搜索"), U("Browser search")},
        {"MEDIA_MY_PC_16", U("我的电脑"), U("My computer")},
        {"MEDIA_CALC_17", U("计算器"), U("Calculator")},
        {"MEDIA_MAIL_18", U("电子邮件"), U("Email")},
        // Shortcut functions, in function-index order.
        {"FUNC_KEY_DESC1", U("打开"), U("Open")},
        {"FUNC_KEY_DESC2", U("新建"), U("New")},
        {"FUNC_KEY_DESC3", U("撤销"), U("Undo")},
        {"FUNC_KEY_DESC4", U("保存"), U("Save")},
        {"FUNC_KEY_DESC5", U("复制"), U("Copy")},
        {"FUNC_KEY_DESC6", U("剪切"), U("Cut")},
        {"FUNC_KEY_DESC7", U("粘贴"), U("Paste")},
        {"FUNC_KEY_DESC8", U("查找"), U("Find")},
        {"FUNC_KEY_DESC9", U("全选"), U("Select all")},
        {"FUNC_KEY_DESC10", U("缩小"), U("Zoom out")},
        {"FUNC_KEY_DESC11", U("放大"), U("Zoom in")},
        // Key tooltips: the key's name comes first, directly followed by these.
        {"KEY_PROMPT_SET", U("，设置为："), U(", set to: ")},
        {"KEY_PROMPT_SINGLE", U("按键("), U("Key(")},
        {"KEY_PROMPT_MACRO", U("宏("), U("Macro(")},
        {"KEY_PROMPT_MEDIA", U("多媒体("), U("Media(")},
        {"KEY_PROMPT_FUNCTION", U("快捷功能("), U("Shortcut(")},
        // Profiles. PROFILE_NEW is joined to the profile folder, so it starts with a separator.
        {"DEFAULT_PROFILE_NAME", U("<默认情景模式>"), U("<Default profile>")},
        {"PROFILE_SELECT_PROMPT", U("是否保存对当前情景模式所做的更改？"), U("Save the changes made to this profile?")},
        {"PROFILE_SEELCT_PROMPT2", U("切换情景模式前，请先关闭按键设置窗口。"),
         U("Close the key assignment window before switching profiles.")},
        {"PROFILE_FORMAT_ERROR", U("文件格式错误，已恢复为默认设置：%s"),
         U("The file has a wrong format; the default settings were restored: %s")},
        {"PROFILE_NEW", U("\\新情景模式"), U("\\New profile")},
        {"PROFILE_TIP", U("当前情景模式："), U("Active profile: ")},
        {"EXTRA_PROFILE_SPACE_TIGHT", U("键盘存储空间不足，未保存宏名称。"),
         U("The keyboard's memory is nearly full, so the macro names were not stored.")},
        // Firmware update (short: the entries have little room).
        {"MAIN_UPDATE_ERROR_TEXT", U("请选择正确的更新文件! "), U("Choose file.")},
        {"MAIN_BOOT_ERROR_TEXT", U("无法进入Boot模式! "), U("Boot failed.")},
        {"MAIN_SHELL_ERROR_TEXT", U("无法执行更新文件! "), U("Run failed")},
        {"MAIN_UPDATE_BACKUP_OK", U("备份成功!"), U("Saved")},
        {"MAIN_UPDATE_BACKUP_NG", U("备份失败,请重新备份!"), U("Save failed")},
        // Main window and tray.
        {"KEYBOARD_TRAY_DESC", U("Orbel Deck"), U("Orbel Deck")},
        {"MAIN_CAPTION", U("游戏键盘设置"), U("Gaming Keyboard Settings")},
        {"MAIN_HELP_PROMPT", U("帮助"), U("Help")},
        {"MAIN_MINIMIZE_PROMPT", U("最小化"), U("Minimize")},
        {"MAIN_MENU_PROMPT", U("菜单"), U("Menu")},
        {"MAIN_CLOSE_PROMPT", U("关闭"), U("Close")},
        {"MAIN_BUTTON_PELMAR_VER", U("版本 ") + version, U("Version ") + version},
        {"MAIN_PROMPT_DEFAULT", U("是否恢复默认设置？"), U("Restore the default settings?")},
        {"MAIN_PROMPT_INPORT", U("文件格式错误，导入失败！"), U("The file has a wrong format; nothing was imported.")},
        {"MAIN_SWITCH_FUNCTION_TEXT", U("切换到按键灯光模式"), U("Switch to key lights view")},
        {"MAIN_SWITCH_COLOR_TEXT", U("切换到按键功能模式"), U("Switch to key functions view")},
        {"MAIN_DEFAULT_MATRIX_PROMPT", U("读取键盘默认布局失败。"), U("Could not read the keyboard's default layout.")},
        {"MAIN_NO_DEVICE_PROMPT", U("未检测到设备，无法显示按键设置！"),
         U("No keyboard found. Connect the keyboard to see and change its keys.")},
        // Main window captions.
        {"PROFILE_1", U("情景模式 1"), U("Profile 1")},
        {"PROFILE_2", U("情景模式 2"), U("Profile 2")},
        {"PROFILE_3", U("情景模式 3"), U("Profile 3")},
        {"PROFILE_MACRO", U("宏编辑"), U("Macros")},
        {"PROFILE_DEFAULT", U("恢复默认"), U("Default")},
        {"PROFILE_OK", U("确定"), U("OK")},
        {"PROFILE_CANCLE", U("取消"), U("Cancel")},
        {"PROFILE_APPLY", U("应用"), U("Apply")},
        // Menus: the main window's menu button, then the tray menu (8, 9 and 8 characters of room).
        {"MENU_1", U("导入"), U("Import")},
        {"MENU_2", U("导出"), U("Export")},
        {"MENU_3", U("关于"), U("About")},
        {"MENU_11", U("打开(&O)"), U("Open(&O)")},
        {"MENU_22", U("关于(&A)"), U("About(&A)")},
        {"MENU_33", U("退出(&X)"), U("Exit(&X)")},
        // About box.
        {"GUANYU_JIESHAO", U("Quovex：Orbel Deck 游戏键盘设置程序"),
         U("Quovex: settings for the Orbel Deck gaming keyboard")},
        {"GUANYU_BANQUAN", U("© Quovex 开发者"), U("© The Quovex developers")},
        // Key assignment dialog.
        {"COMPOSITE_PROMPT_CLEAR", U("恢复按键的默认功能"), U("Restore the key's default function")},
        {"COMPOSITE_PROMPT_OSK", U("打开屏幕键盘"), U("Open the on-screen keyboard")},
        {"MACRO_CYCLES", U("循环次数"), U("Repeat count")},
        {"RECORD_DELAY", U("录制延时"), U("Record delays")},
        {"SINGLE_KEY", U("单键"), U("Key")},
        {"MACRO_SETTING", U("宏"), U("Macro")},
        {"MULTI_MEDIA", U("多媒体"), U("Multimedia")},
        {"FUNCTION_KEY", U("快捷功能"), U("Shortcut")},
        {"A_TOP", U("移到顶部"), U("To top")},
        {"A_UP", U("上移"), U("Up")},
        {"A_DOWN", U("下移"), U("Down")},
        {"A_BOTTOM", U("移到底部"), U("To bottom")},
        {"A_RECORD", U("录制"), U("Record")},
        {"A_DELETE", U("删除"), U("Delete")},
        {"A_CLEAR", U("清空"), U("Clear")},
        {"MACRO_OK", U("确定"), U("OK")},
        {"MACRO_CANCLE", U("取消"), U("Cancel")},
        {"SINGLE_STATIC", U("请按下此键要发送的按键："), U("Press the key this key should send:")},
        {"MACRO_NAME_SETTING", U("宏名称："), U("Macro:")},
        {"KEY_SETTING_TISHI", U("选择此按键的功能。"), U("Choose what this key does.")},
        {"MACRO_EDIT_TISHI", U("编辑宏及其动作。"), U("Edit the macros and their actions.")},
        {"MEDIA_EDIT_TISHI", U("选择多媒体功能："), U("Choose a multimedia function:")},
        {"FUNCTION_TISHI", U("选择快捷功能："), U("Choose a shortcut function:")},
    };
}

}  // namespace

std::span<const LanguageText> LanguageTexts(const QString& version) {
    static std::vector<LanguageText> texts;
    texts = Build(version);
    return texts;
}

void GenerateLanguageFile(OutputFolder& out, const QString& version) {
    IniText ini;
    ini.Comment(QStringLiteral("Texts of Quovex. [LANGUAGE] language: 1 for English (ENGINSH), any other value for "
                               "Chinese (CHINESE)."));
    ini.Section("LANGUAGE");
    ini.Value("language", QStringLiteral("1"));
    const std::span<const LanguageText> texts = LanguageTexts(version);
    ini.Section("CHINESE");
    for (const LanguageText& text : texts) ini.Value(text.key, text.chinese);
    ini.Section("ENGINSH");
    for (const LanguageText& text : texts) ini.Value(text.key, text.english);
    out.Text(QStringLiteral("language.ini"), ini.Text());
}

}  // namespace quovex::skin_gen
