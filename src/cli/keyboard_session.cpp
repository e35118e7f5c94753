#include "cli/keyboard_session.h"

namespace quovex::cli {

KeyboardSession::KeyboardSession(std::unique_ptr<HidServLibrary> library, DeviceLinkTiming timing)
    : library_(std::move(library)), link_(*library_, timing), commands_(link_) {
    link_.OpenChannels();
}

std::unique_ptr<KeyboardSession> OpenKeyboardSession(const std::filesystem::path& program_folder,
                                                     std::string* error) {
    if (program_folder.empty()) {
        *error = "cannot find the program folder, where libHidServ.so lies (/proc/self/exe is unreadable)";
        return nullptr;
    }
    std::unique_ptr<HidServLibrary> library = HidServLibrary::Load(program_folder, error);
    if (library == nullptr) return nullptr;
    return std::make_unique<KeyboardSession>(std::move(library));
}

}  // namespace quovex::cli
