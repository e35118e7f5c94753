// Profile files from outside: the file check and the loader must read only
// inside the file and never leave the working profile broken; whatever loads
// must save and load again to the same contents.
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "model/assign_type.h"
#include "model/profile_file.h"

namespace {

class SilentPrompter : public quovex::Prompter {
public:
    void ShowMessage(std::string_view, const std::string&) override {}
    bool AskYesNo(std::string_view, const std::string&) override { return false; }
    std::optional<std::filesystem::path> ChooseFile(const quovex::FileChoice&) override {
        return std::nullopt;
    }
};

std::filesystem::path ScratchFile() {
    const std::filesystem::path shm = "/dev/shm";
    const auto folder = std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path();
    return folder / ("quovex-fuzz-profile-" + std::to_string(::getpid()));
}

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace quovex;
    static const std::filesystem::path path = ScratchFile();
    static SilentPrompter prompter;
    static const TextTable texts;
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    const int validation = ValidateImageFile(path, prompter, texts);
    Check(validation == kImageValid || validation == kImageInvalid);

    WorkingProfile working;
    working.Macros().resize(1);
    if (LoadImageFile(working, path) == 0) {
        Check(working.Macros().size() == 1);  // the old contents stay
        return 0;
    }
    Check(working.Macros().size() <= kMaxMacros);
    const auto saved = SerializeWorkingProfile(working);
    Check(CheckImageHeader(working.Image().header) == ImageHeaderFault::kNone);
    const auto reloaded = ParseImageBytes(saved);
    Check(reloaded.has_value());
    Check(reloaded->macros.size() == working.Macros().size());
    Check(std::memcmp(reloaded->image.get(), &working.Image(), kImageSize) == 0);
    for (int i = 0; i < kKeyEntryCount; ++i) {
        const std::u16string* before = working.Strings().Get(i);
        const std::u16string* after = reloaded->strings.Get(i);
        if (before && UsesString(working.Entry(i).type)) Check(after && *after == *before);
    }
    return 0;
}
