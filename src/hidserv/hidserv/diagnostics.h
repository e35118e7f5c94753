// The library's messages on standard error, all prefixed "libHidServ: ". Errors
// a user must act on (a device node that cannot be opened) always appear; notes
// for developers (refused calls) only after Debug(1) or with QUOVEX_HIDSERV_DEBUG=1.
#pragma once

#include <string_view>

namespace quovex::hidserv {

enum class DiagnosticLevel { kError = 0, kNote = 1 };

void Diagnose(DiagnosticLevel level, std::string_view message);
// Sets the level up to which messages are shown; returns the previous one.
int SetDiagnosticLevel(int level);

}  // namespace quovex::hidserv
