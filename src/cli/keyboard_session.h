// What a command that talks to the keyboard works with: the bound HID service
// library, the device link with its channels open, and the command set.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "device/command_set.h"
#include "device/device_link.h"
#include "device/hidserv_library.h"

namespace quovex::cli {

class KeyboardSession {
public:
    // Opens the channels on `library`.
    explicit KeyboardSession(std::unique_ptr<HidServLibrary> library, DeviceLinkTiming timing = {});

    DeviceLink& Link() { return link_; }
    CommandSet& Commands() { return commands_; }

private:
    std::unique_ptr<HidServLibrary> library_;
    DeviceLink link_;
    CommandSet commands_;
};

// Binds libHidServ.so from `program_folder`; on failure returns null and sets
// `error` to one line that says what is missing and where it was looked for.
std::unique_ptr<KeyboardSession> OpenKeyboardSession(const std::filesystem::path& program_folder,
                                                     std::string* error);

}  // namespace quovex::cli
