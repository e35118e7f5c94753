#include "app/presence_watch.h"

#include "device/result_codes.h"
#include "device/state_block.h"

namespace quovex {

PresenceWatch::PresenceWatch(PresenceServices services) : services_(std::move(services)) {}

PresenceWatch::~PresenceWatch() {
    RequestStop();
    if (thread_.joinable()) thread_.join();
}

void PresenceWatch::StartAttachThread(uint32_t value) {
    std::lock_guard lock(mutex_);
    if (stopping_) return;
    pending_.push_back(value);
    if (!thread_.joinable()) thread_ = std::thread([this] { Run(); });
    changed_.notify_all();
}

void PresenceWatch::ReadyChanged() {
    std::lock_guard lock(mutex_);
    changed_.notify_all();
}

void PresenceWatch::RequestStop() {
    std::lock_guard lock(mutex_);
    stopping_ = true;
    pending_.clear();
    changed_.notify_all();
}

bool PresenceWatch::WaitUntilStopped(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, timeout, [this] { return ended_ || !thread_.joinable(); });
}

bool PresenceWatch::WaitUntilIdle(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, timeout, [this] { return ended_ || (pending_.empty() && !busy_); });
}

bool PresenceWatch::Stopping() const {
    std::lock_guard lock(mutex_);
    return stopping_;
}

void PresenceWatch::Run() {
    for (;;) {
        uint32_t value = 0;
        {
            std::unique_lock lock(mutex_);
            changed_.wait(lock, [this] { return stopping_ || !pending_.empty(); });
            if (stopping_) break;
            value = pending_.front();
            pending_.pop_front();
            busy_ = true;
        }
        AttachThread(value);
        std::lock_guard lock(mutex_);
        busy_ = false;
        changed_.notify_all();
    }
    std::lock_guard lock(mutex_);
    busy_ = false;
    ended_ = true;
    changed_.notify_all();
}

void PresenceWatch::AttachThread(uint32_t value) {
    if (value == presence_.load()) return;  // nothing changed
    if (value != 0) {
        Attach();
    } else {
        Detach();
    }
    if (!WaitUntilReady()) return;
    services_.view.SetTrayIcon(value != 0 ? kTrayIconKeyboard : kTrayIconNoKeyboard);
    presence_.store(value);
    // Only the first keyboard found after a start without "/Start" opens the window.
    if (!services_.flags.no_auto_open.exchange(true) && value != 0) services_.view.OpenMainWindow();
}

void PresenceWatch::Attach() {
    KeyMapBytes default_map{};
    if (services_.commands.ReadDefaultKeyMap(default_map) == kResultDone) {
        services_.keyboard.SetDefaultKeyMap(default_map);
    } else {
        ShowTextMessage(services_.prompter, services_.texts, "MAIN_DEFAULT_MATRIX_PROMPT");
    }
    StateBlock state{};
    if (services_.commands.ReadState(state) == kResultDone)
        services_.keyboard.SetMacroMemorySize(static_cast<int>(MacroMemorySizeOf(state)));
    if (Stopping()) return;
    services_.view.ProfileSync(services_.profile_sync);
}

void PresenceWatch::Detach() {
    services_.keyboard.SetCachedProfile(kProfileUnknown);
    if (Stopping()) return;
    services_.view.DeviceRemoved();
    services_.view.HideMainWindow();
}

bool PresenceWatch::WaitUntilReady() {
    std::unique_lock lock(mutex_);
    while (!stopping_ && !services_.flags.ready.load()) changed_.wait_for(lock, services_.ready_poll);
    return !stopping_;
}

}  // namespace quovex
