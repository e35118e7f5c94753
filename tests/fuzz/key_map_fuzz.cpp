// Key maps read from the keyboard: any 378 bytes, against any default map,
// decode into a profile block that encodes again.
#include <algorithm>
#include <cstdlib>

#include "keys/key_map.h"
#include "model/assign_type.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace quovex;
    KeyMap key_map{};
    KeyMap default_map = kBuiltInDefaultKeyMap;
    std::copy_n(data, std::min(size, kKeyMapBytes), key_map.begin());
    if (size > kKeyMapBytes)
        std::copy_n(data + kKeyMapBytes, std::min(size - kKeyMapBytes, kKeyMapBytes), default_map.begin());

    const ProfileBlock block = DecodeKeyMap(key_map, default_map);
    const ProfileBlock unassigned = DefaultProfileBlock();
    for (int slot = 0; slot < kEntriesPerProfileBlock; ++slot) {
        Check(block[slot].type <= ASSIGN_FUNCTION);
        if (slot >= 256) Check(block[slot] == unassigned[slot]);
    }
    const KeyMap encoded = EncodeKeyMap(block, {}, default_map);
    // Positions whose default names no key are sent as their default.
    for (int position = 0; position < kKeyMapPositions; ++position) {
        if (KeyCodeFromRecord(RecordAt(default_map, position)) == kNoKey) {
            Check(RecordAt(encoded, position) == RecordAt(default_map, position));
        }
    }
    return 0;
}
