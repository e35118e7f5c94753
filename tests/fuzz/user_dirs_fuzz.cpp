// user-dirs.dirs files are the user's (or any program's) text: whatever they
// hold, the documents folder read from them is absolute or none at all.
#include <cstdlib>
#include <string_view>

#include "app/user_folders.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::filesystem::path folder = quovex::DocumentsFolderFromUserDirs(text, "/home/fuzz");
    if (!folder.empty() && !folder.is_absolute()) std::abort();
    return 0;
}
