// What the program knows of the attached keyboard, shared between the GUI
// thread and the attach thread: the default key map (the base of every key map
// written and read), the size of the keyboard's macro memory, and the cached
// current on-board profile. Passed to the operations that need it.
#pragma once

#include <atomic>
#include <mutex>

#include "keys/key_map.h"

namespace quovex {

inline constexpr int kProfileUnknown = -1;

class KeyboardContext {
public:
    // Starts with the built-in default key map, no macro memory and an unknown profile.
    KeyboardContext() = default;

    // Replaced by the keyboard's own map on every attach.
    KeyMap DefaultKeyMap() const {
        std::lock_guard lock(mutex_);
        return default_key_map_;
    }
    void SetDefaultKeyMap(const KeyMap& map) {
        std::lock_guard lock(mutex_);
        default_key_map_ = map;
    }

    // In bytes: byte 11 of the state block x 128, taken on every attach.
    int MacroMemorySize() const { return macro_memory_size_.load(); }
    void SetMacroMemorySize(int bytes) { macro_memory_size_.store(bytes); }

    // 0..2, or kProfileUnknown (set on detach, re-read by GetCurrentProfile).
    int CachedProfile() const { return cached_profile_.load(); }
    void SetCachedProfile(int profile) { cached_profile_.store(profile); }

private:
    mutable std::mutex mutex_;
    KeyMap default_key_map_ = kBuiltInDefaultKeyMap;
    std::atomic<int> macro_memory_size_{0};
    std::atomic<int> cached_profile_{kProfileUnknown};
};

}  // namespace quovex
