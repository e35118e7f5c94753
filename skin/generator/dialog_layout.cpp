#include "dialog_layout.h"

#include <stdexcept>

namespace quovex::skin_gen {

QRect DialogLayout::Rect(const std::string& key) const {
    for (const DialogRect& named : rects) {
        if (named.key == key) return named.rect;
    }
    throw std::out_of_range("no place for " + key);
}

const DialogLayout& CompositeLayout() {
    static const DialogLayout layout{
        {600, 440},
        {
            // Title bar.
            {"CONTROL_TITLE", {12, 8, 240, 32}},
            {"CONTROL_CLEAR", {508, 9, 36, 30}},
            {"CONTROL_OSK", {552, 9, 36, 30}},
            {"KEY_SETTING", {16, 54, 568, 20}},
            // Tabs.
            {"CONTROL_KEY", {16, 80, 136, 34}},
            {"CONTROL_MACRO", {160, 80, 136, 34}},
            {"CONTROL_MEDIA", {304, 80, 136, 34}},
            {"CONTROL_FUNCTION", {448, 80, 136, 34}},
            // The page area.
            {"CONTROL_MASK", {16, 122, 568, 256}},
            // Key page.
            {"TISHI_SINGLE_STATIC", {32, 138, 536, 20}},
            {"FUNC_KEY_INPUT", {32, 164, 536, 34}},
            // Macro page.
            {"MARCO_NAME_SETTING", {32, 134, 110, 24}},
            {"FUNC_MACRO_LIST", {146, 134, 340, 24}},
            {"FUNC_MACRO_ADD", {494, 134, 34, 24}},
            {"FUNC_MACRO_DELETE", {534, 134, 34, 24}},
            {"FUNC_MACRO_LIST2", {32, 168, 290, 196}},
            {"FUNC_MACRO_RECORD", {334, 168, 112, 24}},
            {"FUNC_MACRO_DELETE2", {334, 196, 112, 24}},
            {"FUNC_MACRO_CLEAR", {334, 224, 112, 24}},
            {"FUNC_MACRO_UP_TOP", {334, 252, 112, 24}},
            {"FUNC_MACRO_UP", {334, 280, 112, 24}},
            {"FUNC_MACRO_DOWN", {334, 308, 112, 24}},
            {"FUNC_MACRO_DOWN_BOTTOM", {334, 336, 112, 24}},
            {"FUNC_MACRO_RECORD_DELAY", {458, 171, 18, 18}},
            {"FUNC_MACRO_RECORD_DELAY2", {480, 168, 88, 24}},
            {"FUNC_MACRO_CYCLES_PROMPT", {458, 204, 110, 20}},
            {"FUNC_MACRO_CYCLES", {458, 228, 110, 26}},
            // Multimedia and function pages.
            {"MEDIA_SETTING_TISHI", {32, 138, 536, 20}},
            {"FUNC_MEDIA_SELECT", {32, 164, 536, 200}},
            {"FUNCTION_KEY_SETTING_TISHI", {32, 138, 536, 20}},
            {"FUNC_FUNCTION_SELECT", {32, 164, 536, 200}},
            // Commands.
            {"CONTROL2_APPLY", {276, 392, 100, 34}},
            {"CONTROL_OK", {380, 392, 100, 34}},
            {"CONTROL_CANCEL", {484, 392, 100, 34}},
        },
    };
    return layout;
}

const DialogLayout& ProfileLayout() {
    static const DialogLayout layout{
        {470, 380},
        {
            {"PROGRAM_LIST", {16, 56, 438, 210}},
            {"FUNC_ADD", {16, 278, 104, 32}},
            {"FUNC_LOAD", {126, 278, 104, 32}},
            {"FUNC_DELETE", {236, 278, 104, 32}},
            {"CONTROL_OK", {130, 332, 104, 34}},
            {"CONTROL_CANCEL", {240, 332, 104, 34}},
            {"CONTROL2_APPLY", {350, 332, 104, 34}},
        },
    };
    return layout;
}

const DialogLayout& UpdateLayout() {
    static const DialogLayout layout{
        {460, 252},
        {
            {"CONTROL_UPStatic", {16, 60, 428, 44}},
            // Placed, never shown.
            {"CONTROL_UPCombox", {16, 60, 428, 24}},
            {"CONTROL_OPENButton", {16, 116, 140, 34}},
            {"CONTROL_BACKUPButton", {166, 116, 140, 34}},
            {"CONTROL_UPButton", {236, 204, 100, 34}},
            {"CONTROL_CUPButton", {344, 204, 100, 34}},
        },
    };
    return layout;
}

}  // namespace quovex::skin_gen
