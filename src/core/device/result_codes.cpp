#include "device/result_codes.h"

namespace quovex {

const char* ResultMeaning(int result) {
    switch (result) {
        case kResultDone:
            return "done";
        case kResultNoKeyboard:
            return "no keyboard is present, or the wait for its answer failed";
        case kResultRefused:
            return "the HID service library refused the report";
        case kResultNoAnswer:
            return "the keyboard gave no answer with the right command echo after three tries";
        case kResultKeyboardError:
            return "the keyboard reported an error (status 0xFF)";
        case kResultKeyboardBusy:
            return "the keyboard reported that it is busy (status 0xFE)";
        case kResultShortAnswer:
            return "the keyboard's answer was too short for the data asked for";
        case kResultBadProfile:
            return "the on-board profile number is out of range; nothing was sent";
        case kResultBadLength:
            return "the data does not fit the command's report or address range; nothing was sent";
        default:
            return "unknown result";
    }
}

}  // namespace quovex
