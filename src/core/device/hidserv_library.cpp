#include "device/hidserv_library.h"

#include <dlfcn.h>

#include <string>

namespace quovex {
namespace {

template <typename Function>
bool Resolve(void* handle, const char* name, Function& slot) {
    void* symbol = dlsym(handle, name);
    if (symbol == nullptr) return false;
    slot = reinterpret_cast<Function>(symbol);
    return true;
}

}  // namespace

std::unique_ptr<HidServLibrary> HidServLibrary::Load(const std::filesystem::path& folder,
                                                     std::string* error) {
    const std::filesystem::path file = folder / hidserv::kLibraryFileName;
    auto fail = [&](const std::string& message) -> std::unique_ptr<HidServLibrary> {
        if (error != nullptr) *error = message;
        return nullptr;
    };

    // RTLD_NOW: an unresolved symbol inside the library shows up here, not in
    // the middle of a keyboard command. The handle is never closed: the
    // library's threads may call back until the process ends.
    void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* error_text = dlerror();
        std::string reason = error_text != nullptr ? error_text : "unknown reason";
        // The loader's text usually starts with the file name, which the line already says.
        if (const std::string prefix = file.string() + ": "; reason.starts_with(prefix)) {
            reason.erase(0, prefix.size());
        }
        return fail("cannot load the HID service library " + file.string() + ": " + reason);
    }

    // All twelve must resolve, even the six the program never calls, so that a
    // library built against another contract is refused at start, not half used.
    HidServEntryPoints table;
    const char* missing = nullptr;
    auto need = [&](const char* name, auto& slot) {
        if (missing == nullptr && !Resolve(handle, name, slot)) missing = name;
    };
    need("Init", table.Init);
    need("RequestGetDeviceCount", table.RequestGetDeviceCount);
    need("DeleteRequestFromUnitId", table.DeleteRequestFromUnitId);
    need("RequestWriteOne", table.RequestWriteOne);
    need("RequestStatusWrite", table.RequestStatusWrite);
    need("RequestAsyncRead", table.RequestAsyncRead);
    need("Debug", table.Debug);
    need("End", table.End);
    need("DeleteRequestFromHandle", table.DeleteRequestFromHandle);
    need("RequestWrite", table.RequestWrite);
    need("RequestStatusGet", table.RequestStatusGet);
    need("RequestStatusSetFeature", table.RequestStatusSetFeature);
    if (missing != nullptr) {
        return fail("the HID service library " + file.string() + " has no entry point " + missing);
    }

    const int started = table.Init(0);
    if (started <= 0) {
        return fail("the HID service library " + file.string() + " failed to start (Init returned " +
                    std::to_string(started) + ")");
    }
    return std::make_unique<HidServLibrary>(table);
}

}  // namespace quovex
