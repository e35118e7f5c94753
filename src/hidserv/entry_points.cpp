// libHidServ.so's exported interface: the twelve entry points of the HID service
// (C linkage, exactly these names) and the virtual keyboard's control accessor.
// Nothing else leaves the library (exports.map).
//
// Init(0) picks the transport from the environment:
//   QUOVEX_DEVICE=sim     the virtual keyboard; QUOVEX_SIM_STATE names its state
//                         file (loaded now, saved at End and at process exit),
//                         QUOVEX_SIM_TRACE its report trace;
//   otherwise             the real keyboard through hidraw; QUOVEX_HIDSERV_TRACE
//                         names a report trace.
// Init returns 1 when the library runs (also when no keyboard is attached, and
// when it already runs) and 0 when the transport cannot start (hidapi failed).
//
// Results: RequestGetDeviceCount returns the number of keyboards; the other
// calls 1 when done and 0 when refused (wrong check value, an identifier that
// is not one of the keyboard's collections or the wrong one for the call, bad
// lengths, library not initialised) or when the report could not be sent.
// A refused call is noted in the trace and, after Debug(1), on standard error.
//
//   End()                       stops the library's threads, saves the virtual
//                               keyboard's state, ends every request; returns 1
//                               (0 when called from a callback, which it would
//                               have to wait for).
//   Debug(level)                0 shows only errors a user must act on, 1 also
//                               notes on refused calls; returns the previous level.
//   DeleteRequestFromHandle, RequestWrite, RequestStatusGet, RequestStatusSetFeature
//                               not served by this library: refused (0) with a note.
#include <cstdlib>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <type_traits>

#include "hidserv/diagnostics.h"
#include "hidserv/hid_api.h"
#include "hidserv/hid_service.h"
#include "hidserv/hidraw_transport.h"
#include "hidserv/sim_transport.h"
#include "hidserv/transport_thread.h"
#include "quovex/hidserv_abi.h"
#include "quovex/sim_control.h"

#define QUOVEX_HIDSERV_EXPORT extern "C" __attribute__((visibility("default")))

namespace quovex::hidserv {
namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// The library's one instance. Destroyed at process exit, which stops the
// threads and saves the virtual keyboard's state when the program never called End.
class Library {
public:
    ~Library() { service_.Stop(); }

    int Init() {
        std::lock_guard lock(mutex_);
        if (service_.Running()) return 1;

        Transport* transport = ChooseTransport();
        std::string error;
        if (!service_.Start(*transport, &error)) {
            Diagnose(DiagnosticLevel::kError, error);
            return 0;
        }
        sim_chosen_ = transport == sim_.get();
        return 1;
    }

    int End() {
        if (OnTransportThread()) return service_.RefuseUnsupported("End from a callback");
        std::lock_guard lock(mutex_);
        service_.Stop();
        return 1;
    }

    sim::VirtualKeyboardControl* SimControl() {
        std::lock_guard lock(mutex_);
        return sim_chosen_ ? sim_.get() : nullptr;
    }

    HidService& Service() { return service_; }

private:
    Transport* ChooseTransport() {
        const std::string device = Environment("QUOVEX_DEVICE");
        if (device == "sim") {
            if (sim_ == nullptr) sim_ = std::make_unique<SimTransport>();
            sim_->Configure({Environment("QUOVEX_SIM_STATE"), Environment("QUOVEX_SIM_TRACE")});
            return sim_.get();
        }
        if (!device.empty() && device != "hidraw") {
            Diagnose(DiagnosticLevel::kError,
                     "QUOVEX_DEVICE=" + device +
                         " is neither \"sim\" nor \"hidraw\"; using the keyboard through hidraw");
        }
        // Options are fixed per transport object, so a new one takes a changed trace path.
        HidrawOptions options;
        options.trace_path = Environment("QUOVEX_HIDSERV_TRACE");
        hidraw_ = std::make_unique<HidrawTransport>(hidapi_, std::move(options));
        return hidraw_.get();
    }

    std::mutex mutex_;  // Init, End and the choice of transport
    SystemHidApi hidapi_;
    // Transports outlive the service's use of them: declared before it, destroyed after it.
    std::unique_ptr<SimTransport> sim_;
    std::unique_ptr<HidrawTransport> hidraw_;
    bool sim_chosen_ = false;
    HidService service_;
};

Library& TheLibrary() {
    static Library library;
    return library;
}

HidService& Service() {
    return TheLibrary().Service();
}

}  // namespace
}  // namespace quovex::hidserv

using quovex::hidserv::Service;
using quovex::hidserv::TheLibrary;

QUOVEX_HIDSERV_EXPORT int Init(int /*reserved*/) {
    return TheLibrary().Init();
}

QUOVEX_HIDSERV_EXPORT int End(void) {
    return TheLibrary().End();
}

QUOVEX_HIDSERV_EXPORT int Debug(int level) {
    return quovex::hidserv::SetDiagnosticLevel(level);
}

QUOVEX_HIDSERV_EXPORT int RequestGetDeviceCount(const uint8_t* identifier, HidServCallback callback,
                                                uint32_t tag, uint32_t check, uint32_t* unit_out) {
    return Service().RequestGetDeviceCount(identifier, callback, tag, check, unit_out);
}

QUOVEX_HIDSERV_EXPORT int DeleteRequestFromUnitId(uint32_t unit) {
    return Service().DeleteRequestFromUnitId(unit);
}

QUOVEX_HIDSERV_EXPORT int RequestWriteOne(const uint8_t* identifier, HidServCallback callback, uint32_t tag,
                                          const uint8_t* report, uint32_t length, uint32_t check,
                                          uint32_t* unit_out) {
    return Service().RequestWriteOne(identifier, callback, tag, report, length, check, unit_out);
}

QUOVEX_HIDSERV_EXPORT int RequestStatusWrite(const uint8_t* identifier, HidServCallback callback,
                                             uint32_t tag, const uint8_t* data, uint32_t length,
                                             uint32_t check, uint32_t* unit_out) {
    return Service().RequestStatusWrite(identifier, callback, tag, data, length, check, unit_out);
}

QUOVEX_HIDSERV_EXPORT int RequestAsyncRead(const uint8_t* identifier, HidServCallback callback, uint32_t tag,
                                           uint32_t check, uint32_t* unit_out) {
    return Service().RequestAsyncRead(identifier, callback, tag, check, unit_out);
}

QUOVEX_HIDSERV_EXPORT int DeleteRequestFromHandle(void* /*handle*/) {
    return Service().RefuseUnsupported("DeleteRequestFromHandle");
}

QUOVEX_HIDSERV_EXPORT int RequestWrite(const uint8_t*, HidServCallback, uint32_t, const uint8_t*, uint32_t,
                                       uint32_t, uint32_t*) {
    return Service().RefuseUnsupported("RequestWrite");
}

QUOVEX_HIDSERV_EXPORT int RequestStatusGet(const uint8_t*, HidServCallback, uint32_t, uint8_t*, uint32_t,
                                           uint32_t, uint32_t*) {
    return Service().RefuseUnsupported("RequestStatusGet");
}

QUOVEX_HIDSERV_EXPORT int RequestStatusSetFeature(const uint8_t*, HidServCallback, uint32_t, const uint8_t*,
                                                  uint32_t, uint32_t, uint32_t*) {
    return Service().RefuseUnsupported("RequestStatusSetFeature");
}

QUOVEX_HIDSERV_EXPORT quovex::sim::VirtualKeyboardControl* QuovexSimControl(void) {
    return TheLibrary().SimControl();
}

// The entry points keep the types the program resolves them as.
static_assert(std::is_same_v<decltype(&Init), HidServInitFn>);
static_assert(std::is_same_v<decltype(&End), HidServEndFn>);
static_assert(std::is_same_v<decltype(&Debug), HidServDebugFn>);
static_assert(std::is_same_v<decltype(&RequestGetDeviceCount), HidServRequestGetDeviceCountFn>);
static_assert(std::is_same_v<decltype(&DeleteRequestFromUnitId), HidServDeleteRequestFromUnitIdFn>);
static_assert(std::is_same_v<decltype(&RequestWriteOne), HidServRequestWriteOneFn>);
static_assert(std::is_same_v<decltype(&RequestStatusWrite), HidServRequestStatusWriteFn>);
static_assert(std::is_same_v<decltype(&RequestAsyncRead), HidServRequestAsyncReadFn>);
static_assert(std::is_same_v<decltype(&DeleteRequestFromHandle), HidServDeleteRequestFromHandleFn>);
static_assert(std::is_same_v<decltype(&RequestWrite), HidServRequestWriteFn>);
static_assert(std::is_same_v<decltype(&RequestStatusGet), HidServRequestStatusGetFn>);
static_assert(std::is_same_v<decltype(&RequestStatusSetFeature), HidServRequestStatusSetFeatureFn>);
static_assert(std::is_same_v<decltype(&QuovexSimControl), quovex::sim::ControlAccessor>);
