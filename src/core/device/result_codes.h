// Result codes of every keyboard operation. Operations return an int; callers
// decide what to show. Values are those the rest of the program compares against.
#pragma once

namespace quovex {

inline constexpr int kResultDone = 1;              // done; for reads the destination holds the data
inline constexpr int kResultNoKeyboard = 0;        // no keyboard present, or the wait failed
inline constexpr int kResultRefused = -1;          // the service library refused the report
inline constexpr int kResultNoAnswer = -2;         // no answer with the right echo after three tries
inline constexpr int kResultKeyboardError = -102;  // the keyboard answered with status 0xFF
inline constexpr int kResultKeyboardBusy = -103;   // the keyboard answered with status 0xFE
inline constexpr int kResultShortAnswer =
    -104;  // the answer was too short for its status or the data asked for
inline constexpr int kResultBadProfile = -201;  // key-map profile number not 0, 1 or 2; nothing sent
inline constexpr int kResultBadLength =
    -202;  // data too long for one report, or past the address range; nothing sent

// A one-line English explanation of a result code, for logs and the command line.
const char* ResultMeaning(int result);

}  // namespace quovex
