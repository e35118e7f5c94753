#include <fcntl.h>
#include <hidapi.h>
#include <unistd.h>

#include <cerrno>

#include "hidserv/hid_api.h"

namespace quovex::hidserv {
namespace {

hid_device* Native(HidApi::Device* device) {
    return reinterpret_cast<hid_device*>(device);
}

}  // namespace

bool SystemHidApi::Init() {
    return hid_init() == 0;
}

void SystemHidApi::Exit() {
    hid_exit();
}

std::vector<HidCollectionInfo> SystemHidApi::Enumerate(uint16_t vendor_id, uint16_t product_id) {
    std::vector<HidCollectionInfo> found;
    hid_device_info* list = hid_enumerate(vendor_id, product_id);
    for (const hid_device_info* info = list; info != nullptr; info = info->next) {
        found.push_back(
            {info->path != nullptr ? info->path : "", info->usage_page, info->usage, info->interface_number});
    }
    hid_free_enumeration(list);
    return found;
}

HidApi::Device* SystemHidApi::Open(const std::string& path, int* error_number) {
    hid_device* device = hid_open_path(path.c_str());
    if (device != nullptr) return reinterpret_cast<Device*>(device);
    // hidapi keeps errno to itself; opening the node the same way tells why it failed.
    const int fd = open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (error_number != nullptr) *error_number = fd < 0 ? errno : EIO;
    if (fd >= 0) close(fd);
    return nullptr;
}

void SystemHidApi::Close(Device* device) {
    hid_close(Native(device));
}

int SystemHidApi::Read(Device* device, uint8_t* buffer, size_t capacity, std::chrono::milliseconds timeout) {
    return hid_read_timeout(Native(device), buffer, capacity, static_cast<int>(timeout.count()));
}

int SystemHidApi::Write(Device* device, const uint8_t* data, size_t length) {
    return hid_write(Native(device), data, length);
}

}  // namespace quovex::hidserv
