// The program's binding to libHidServ.so: the library is opened by name from the
// program folder and its twelve entry points are resolved by name.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "quovex/hidserv_abi.h"

namespace quovex {

// The twelve entry points. Tests fill this table with fakes to drive the link
// without the library.
struct HidServEntryPoints {
    HidServInitFn Init = nullptr;
    HidServRequestGetDeviceCountFn RequestGetDeviceCount = nullptr;
    HidServDeleteRequestFromUnitIdFn DeleteRequestFromUnitId = nullptr;
    HidServRequestWriteOneFn RequestWriteOne = nullptr;
    HidServRequestStatusWriteFn RequestStatusWrite = nullptr;
    HidServRequestAsyncReadFn RequestAsyncRead = nullptr;
    HidServDebugFn Debug = nullptr;
    HidServEndFn End = nullptr;
    HidServDeleteRequestFromHandleFn DeleteRequestFromHandle = nullptr;
    HidServRequestWriteFn RequestWrite = nullptr;
    HidServRequestStatusGetFn RequestStatusGet = nullptr;
    HidServRequestStatusSetFeatureFn RequestStatusSetFeature = nullptr;
};

class HidServLibrary {
public:
    // Opens folder/libHidServ.so, resolves all twelve entry points and calls
    // Init(0). On failure returns null and sets `error` to one line that says
    // what is missing and where it was looked for. The library stays loaded for
    // the life of the process, as its threads may still call back.
    static std::unique_ptr<HidServLibrary> Load(const std::filesystem::path& folder, std::string* error);

    // Wraps an already resolved table (tests).
    explicit HidServLibrary(const HidServEntryPoints& entry_points) : entry_points_(entry_points) {}

    const HidServEntryPoints& EntryPoints() const { return entry_points_; }

private:
    HidServEntryPoints entry_points_;
};

}  // namespace quovex
