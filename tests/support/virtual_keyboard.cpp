#include "support/virtual_keyboard.h"

#include <dlfcn.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

namespace quovex::testing {
VirtualKeyboard* VirtualKeyboard::Get(std::string* error) {
    static std::string bind_error;
    static VirtualKeyboard* keyboard = [] {
        setenv("QUOVEX_DEVICE", "sim", 1);
        unsetenv("QUOVEX_SIM_STATE");
        unsetenv("QUOVEX_SIM_TRACE");
        const std::filesystem::path folder = QUOVEX_PROGRAM_DIR;
        std::unique_ptr<HidServLibrary> library = HidServLibrary::Load(folder, &bind_error);
        if (library == nullptr) return static_cast<VirtualKeyboard*>(nullptr);

        // The library is loaded already; this only finds its handle again.
        void* handle = dlopen((folder / hidserv::kLibraryFileName).c_str(), RTLD_NOW | RTLD_NOLOAD);
        auto accessor = handle != nullptr
                            ? reinterpret_cast<sim::ControlAccessor>(dlsym(handle, sim::kControlAccessorName))
                            : nullptr;
        sim::VirtualKeyboardControl* control = accessor != nullptr ? accessor() : nullptr;
        if (control == nullptr) {
            bind_error = "libHidServ.so offers no virtual keyboard control (another transport runs?)";
            return static_cast<VirtualKeyboard*>(nullptr);
        }
        return new VirtualKeyboard(std::move(library), control);
    }();
    if (keyboard == nullptr && error != nullptr) *error = bind_error;
    return keyboard;
}

void VirtualKeyboard::Reset() {
    control_->ResetToFactory();
    control_->Attach();
    control_->WaitUntilIdle(std::chrono::seconds(5));
}

}  // namespace quovex::testing
