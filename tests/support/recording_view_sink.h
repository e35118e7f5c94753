// A view sink for tests: records every call the core makes to the main
// window (name and number) and answers the questions about open dialogs from
// settable flags. The profile sync runs at once on the calling thread, as
// there is no window thread to hand it to. Safe to call from any thread.
#pragma once

#include <algorithm>
#include <atomic>
#include <iterator>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "app/view_sink.h"

namespace quovex::test_support {

class RecordingViewSink : public ViewSink {
public:
    struct Call {
        std::string name;
        int value = 0;
        bool operator==(const Call&) const = default;
    };

    void ProfileSync(const std::function<void()>& sync) override {
        Record("ProfileSync");
        sync();
    }
    void DeviceRemoved() override { Record("DeviceRemoved"); }
    void HideMainWindow() override { Record("HideMainWindow"); }
    void OpenMainWindow() override { Record("OpenMainWindow"); }
    void SetTrayIcon(int icon) override { Record("SetTrayIcon", icon); }
    void BankChanged(int bank) override { Record("BankChanged", bank); }
    void LightingChangedOnKeyboard() override { Record("LightingChangedOnKeyboard"); }
    void TrayEvent(uint16_t code) override { Record("TrayEvent", code); }
    void RefreshKeyButtons(int profile) override { Record("RefreshKeyButtons", profile); }
    void SetKeyViewFunctionMode() override { Record("SetKeyViewFunctionMode"); }
    void SetApplyButtonEnabled(bool enabled) override { Record("SetApplyButtonEnabled", enabled ? 1 : 0); }
    void ShowApplyProgress(bool shown) override { Record("ShowApplyProgress", shown ? 1 : 0); }
    void SetProfileButtonChecked(int profile) override { Record("SetProfileButtonChecked", profile); }
    void ShowProfileMenu(const ProfileMenu& menu) override {
        std::lock_guard lock(mutex_);
        calls_.push_back({"ShowProfileMenu", menu.checked_position});
        menu_ = menu;
    }
    bool IsKeyAssignmentDialogOpen() override { return assignment_dialog_open.load(); }
    bool IsProfileDialogOpen() override { return profile_dialog_open.load(); }
    bool IsProfileDialogModified() override { return profile_dialog_modified.load(); }
    void CheckProfileDialogRow(int row) override { Record("CheckProfileDialogRow", row); }

    // What the window's dialogs look like to the core.
    std::atomic<bool> assignment_dialog_open{false};
    std::atomic<bool> profile_dialog_open{false};
    std::atomic<bool> profile_dialog_modified{false};

    std::vector<Call> Calls() const {
        std::lock_guard lock(mutex_);
        return calls_;
    }
    // The calls of one name, in order.
    std::vector<Call> CallsOf(const std::string& name) const {
        std::lock_guard lock(mutex_);
        std::vector<Call> found;
        std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(found),
                     [&](const Call& call) { return call.name == name; });
        return found;
    }
    size_t Count(const std::string& name) const { return CallsOf(name).size(); }
    std::optional<ProfileMenu> LastMenu() const {
        std::lock_guard lock(mutex_);
        return menu_;
    }
    void Clear() {
        std::lock_guard lock(mutex_);
        calls_.clear();
        menu_.reset();
    }

private:
    void Record(const char* name, int value = 0) {
        std::lock_guard lock(mutex_);
        calls_.push_back({name, value});
    }

    mutable std::mutex mutex_;
    std::vector<Call> calls_;
    std::optional<ProfileMenu> menu_;
};

}  // namespace quovex::test_support
