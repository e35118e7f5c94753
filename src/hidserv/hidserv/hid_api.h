// The few hidapi calls the hidraw transport makes, behind an interface so that
// tests can drive the transport with a fake device list and fake reads.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quovex::hidserv {

// One top-level collection of an attached device, as hidapi enumerates it.
// Collections of one interface share a device node (path).
struct HidCollectionInfo {
    std::string path;
    uint16_t usage_page = 0;
    uint16_t usage = 0;
    int interface_number = -1;
};

class HidApi {
public:
    struct Device;  // opaque handle of an open device node

    virtual ~HidApi() = default;

    virtual bool Init() = 0;
    virtual void Exit() = 0;
    virtual std::vector<HidCollectionInfo> Enumerate(uint16_t vendor_id, uint16_t product_id) = 0;
    // Null on failure, with the errno of the failed open in *error_number (EACCES
    // or EPERM when the user may not open the node).
    virtual Device* Open(const std::string& path, int* error_number) = 0;
    virtual void Close(Device* device) = 0;
    // One input report: its length, 0 when none came within `timeout`, -1 when
    // the device is gone or failed. A report id, when the device uses them, is byte 0.
    virtual int Read(Device* device, uint8_t* buffer, size_t capacity, std::chrono::milliseconds timeout) = 0;
    // One output report, byte 0 the report id: bytes written, or -1.
    virtual int Write(Device* device, const uint8_t* data, size_t length) = 0;
};

// hidapi's hidraw backend.
class SystemHidApi final : public HidApi {
public:
    bool Init() override;
    void Exit() override;
    std::vector<HidCollectionInfo> Enumerate(uint16_t vendor_id, uint16_t product_id) override;
    Device* Open(const std::string& path, int* error_number) override;
    void Close(Device* device) override;
    int Read(Device* device, uint8_t* buffer, size_t capacity, std::chrono::milliseconds timeout) override;
    int Write(Device* device, const uint8_t* data, size_t length) override;
};

}  // namespace quovex::hidserv
