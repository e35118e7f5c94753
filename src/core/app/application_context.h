// The application context: the one object that owns the core's long-lived
// pieces (the HID service library binding, the device link and command set,
// what is known of the keyboard, the working profile and its write copy, the
// paths, the settings store, the text table, the firmware update hand-off,
// the presence watch) and holds the process-wide flags the threads share. The
// GUI and the command line each make one; it is a thin owner, and the
// operations themselves live in their own files and take ProfileServices.
//
// Life: construct, set the lighting hooks, Start (opens the channels and
// hands the keyboards found to the presence watch), FinishInitialisation once
// the window is ready; at the end BeginShutdown, WaitForAttachThread (the
// window keeps handling its events meanwhile, so a blocking view call of the
// attach thread can finish), then destroy. The view sink, prompter, launcher
// and log must outlive the context.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>

#include "app/application_paths.h"
#include "app/lighting_hooks.h"
#include "app/log_sink.h"
#include "app/main_window_flags.h"
#include "app/presence_watch.h"
#include "app/prompter.h"
#include "app/settings_store.h"
#include "app/text_table.h"
#include "app/view_sink.h"
#include "device/command_set.h"
#include "device/device_events.h"
#include "device/device_link.h"
#include "device/hidserv_library.h"
#include "model/keyboard_context.h"
#include "model/working_profile.h"
#include "profiles/profile_services.h"
#include "update/program_launcher.h"
#include "update/update_handoff.h"

namespace quovex {

// What the front end (GUI, command line, tests) gives the core.
struct FrontEnd {
    ViewSink& view;
    Prompter& prompter;
    ProgramLauncher& launcher;
    LogSink& log;
};

struct ContextOptions {
    // "/Start": the window is not opened by itself when the keyboard is found.
    bool start_hidden = false;
    DeviceLinkTiming link_timing{};
    // How often the attach thread looks at the ready flag.
    std::chrono::milliseconds ready_poll{50};
};

class ApplicationContext final : public DeviceEventObserver {
public:
    ApplicationContext(std::unique_ptr<HidServLibrary> library, ApplicationPaths paths, TextTable texts,
                       FrontEnd front_end, ContextOptions options = {});
    ~ApplicationContext() override;
    ApplicationContext(const ApplicationContext&) = delete;
    ApplicationContext& operator=(const ApplicationContext&) = delete;

    // Set before Start; the lighting code connects its work here.
    void SetLightingHooks(LightingHooks hooks) { lighting_ = std::move(hooks); }

    // The device part of the window's initialisation, on the window thread:
    // the current profile unknown, Apply disabled, the channels opened, the
    // keyboards counted and the count handed to the presence watch; with no
    // keyboard, a keyboard plugged in later never opens the window by itself.
    void Start();

    // The window has finished its initialisation (UM_INIT): the profile menu is
    // built and the ready flag set, so the attach thread may go on.
    void FinishInitialisation();

    // Shutting down: no count is handled any more and a waiting attach thread
    // ends. WaitForAttachThread is true once it has ended.
    void BeginShutdown();
    bool WaitForAttachThread(std::chrono::milliseconds timeout);
    // True once every count handed to the presence watch has been handled.
    bool WaitForPresenceIdle(std::chrono::milliseconds timeout);

    // The number of keyboards last handled by the attach thread (0 = absent).
    uint32_t Presence() const { return presence_.Presence(); }

    ProfileServices& Profiles() { return profiles_; }
    UpdateHandOff& Update() { return update_; }
    CommandSet& Commands() { return commands_; }
    DeviceLink& Link() { return *link_; }
    KeyboardContext& Keyboard() { return keyboard_; }
    WorkingProfile& Working() { return working_; }
    WriteCopy& WorkingWriteCopy() { return write_copy_; }
    const ApplicationPaths& Paths() const { return paths_; }
    const TextTable& Texts() const { return texts_; }
    SettingsStore& Settings() { return settings_; }
    MainWindowFlags& Flags() { return flags_; }
    Prompter& UserPrompter() { return front_end_.prompter; }
    ProgramLauncher& Launcher() { return front_end_.launcher; }
    LogSink& Log() { return front_end_.log; }

    // DeviceEventObserver, on the library's notification thread: a new count
    // goes to the presence watch, every event to the view sink (queued).
    void OnBankChanged(int bank) override;
    void OnLightingChanged() override;
    void OnTrayEvent(uint16_t code) override;
    void OnDeviceCountChanged(uint32_t count) override;

private:
    std::unique_ptr<HidServLibrary> library_;
    std::unique_ptr<DeviceLink> link_;
    CommandSet commands_;
    KeyboardContext keyboard_;
    WorkingProfile working_;
    WriteCopy write_copy_;
    ApplicationPaths paths_;
    TextTable texts_;
    SettingsStore settings_;
    MainWindowFlags flags_;
    FrontEnd front_end_;
    LightingHooks lighting_;
    ProfileServices profiles_;
    UpdateHandOff update_;
    // Held while a count is handed over, so that the count taken at start and
    // the counts the library reports reach the presence watch in order.
    std::mutex count_mutex_;
    PresenceWatch presence_;  // last: its thread ends before anything it uses goes
};

}  // namespace quovex
