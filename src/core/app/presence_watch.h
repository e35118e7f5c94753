// The presence watch: what the program does when the number of keyboards
// changes. Each new count (the one found at start, then every one the library
// reports) is handed to the attach thread, which compares it with the last
// count handled and carries out the attach or detach work: reading the
// keyboard's default key map and state block, having the window rebuild the
// profiles, switching the tray icon, and opening or hiding the window.
//
// The counts are handled one at a time, in the order they arrived, so that a
// quick unplug and plug-in can never be handled out of order and leave the
// presence value wrong. The attach thread never touches the working profile:
// the profile sync runs on the window's thread through the view sink.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

#include "app/main_window_flags.h"
#include "app/prompter.h"
#include "app/text_table.h"
#include "app/view_sink.h"
#include "device/command_set.h"
#include "model/keyboard_context.h"

namespace quovex {

struct PresenceServices {
    CommandSet& commands;
    KeyboardContext& keyboard;
    MainWindowFlags& flags;
    ViewSink& view;
    // Called from the attach thread: the default-map message waits for its OK.
    Prompter& prompter;
    const TextTable& texts;
    // The window's handling of UM_PROFILE_SYNC, run on the window thread
    // through ViewSink::ProfileSync.
    std::function<void()> profile_sync;
    // How often the attach thread looks at the ready flag while it waits.
    std::chrono::milliseconds ready_poll{50};
};

class PresenceWatch {
public:
    explicit PresenceWatch(PresenceServices services);
    ~PresenceWatch();  // stops and joins the attach thread
    PresenceWatch(const PresenceWatch&) = delete;
    PresenceWatch& operator=(const PresenceWatch&) = delete;

    // Hands `value` (the number of keyboards present) to the attach thread and
    // returns at once. Ignored once stopping.
    void StartAttachThread(uint32_t value);

    // The number of keyboards last handled: 0 = absent.
    uint32_t Presence() const { return presence_.load(); }

    // Wakes an attach thread that waits for the ready flag.
    void ReadyChanged();

    // Stopping: counts not yet handled are dropped, a wait for the ready flag
    // ends, and the attach thread ends after the step it is in (a blocking
    // view call it is in must still return). RequestStop returns at once;
    // WaitUntilStopped is true once the thread has ended (or never started).
    void RequestStop();
    bool WaitUntilStopped(std::chrono::milliseconds timeout);

    // True once every count handed over so far has been handled.
    bool WaitUntilIdle(std::chrono::milliseconds timeout);

private:
    void Run();
    // The attach or detach work for one count.
    void AttachThread(uint32_t value);
    void Attach();
    void Detach();
    bool WaitUntilReady();  // false when stopping
    bool Stopping() const;

    PresenceServices services_;
    std::atomic<uint32_t> presence_{0};

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<uint32_t> pending_;  // counts not yet handled, oldest first
    bool busy_ = false;             // a count is being handled
    bool stopping_ = false;
    bool ended_ = false;
    std::thread thread_;  // started with the first count
};

}  // namespace quovex
