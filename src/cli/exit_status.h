// quovexctl's exit statuses, the same for every command.
#pragma once

namespace quovex::cli {

inline constexpr int kExitDone = 0;
inline constexpr int kExitKeyboardFailed = 1;  // the keyboard refused or did not answer
inline constexpr int kExitUsage = 2;           // the command line is wrong
inline constexpr int kExitFileProblem = 3;     // a file could not be read or written
inline constexpr int kExitStartupFailed = 4;   // the HID service library is missing or did not start

}  // namespace quovex::cli
