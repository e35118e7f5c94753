// What core does to the main window, and what it asks the main window. The
// GUI implements this on its window (reaching its own thread with blocking or
// queued calls as each method says), the command line with a sink that shows
// nothing, tests with a recording sink.
//
// Each method says on which thread core calls it and whether core waits:
//   - "window thread, direct": core runs on the window's thread already (a
//     command handler, or work handed over by ProfileSync); the method runs
//     there and returns when done.
//   - "attach thread, blocking": the presence watch calls it from its own
//     thread and waits until the window has carried it out (the GUI uses
//     Qt::BlockingQueuedConnection). While the context shuts down such a call
//     may still be on its way: the window must keep handling its events until
//     ApplicationContext::WaitForAttachThread reports the thread ended.
//   - "queued": core does not wait; the window carries it out later on its own
//     thread. Calls from the library's notification thread are all queued: that
//     thread delivers the keyboard's answers, so it must never wait for the window.
//
// Methods are grouped by area; add new ones to their area's group.
#pragma once

#include <cstdint>
#include <functional>

#include "profiles/profile_menu.h"

namespace quovex {

// Tray icons (resources of the program).
inline constexpr int kTrayIconNoKeyboard = 128;     // the application icon: no keyboard attached
inline constexpr int kTrayIconKeyboard = 141;       // a keyboard is attached
inline constexpr int kTrayIconKeyboardEvent = 142;  // the keyboard sent event 6161, until 6160

class ViewSink {
public:
    virtual ~ViewSink() = default;

    // ---- Presence: the keyboard came or went ------------------------------

    // UM_PROFILE_SYNC. Attach thread, blocking: run `sync` on the window thread
    // (it rebuilds the working profile from the keyboard and updates the
    // profile buttons and the lighting panel) and return once it has run.
    virtual void ProfileSync(const std::function<void()>& sync) = 0;
    // UM_DEVICE_REMOVED. Attach thread, blocking: close the key assignment
    // dialog, the profile dialog and the About box through their cancel paths,
    // then minimise the main window.
    virtual void DeviceRemoved() = 0;
    // Attach thread, queued: hide the main window.
    virtual void HideMainWindow() = 0;
    // UM_OPEN. Attach thread, queued: show the main window (Open).
    virtual void OpenMainWindow() = 0;
    // Attach thread, queued: show `icon` in the tray and make it the icon that
    // event 6160 brings back (SetTrayState(0, icon)).
    virtual void SetTrayIcon(int icon) = 0;

    // ---- Keyboard events (notification thread, queued) ---------------------

    // UM_BANK_CHANGED: the G-key bank is now `bank` (0 = A, 1 = B).
    virtual void BankChanged(int bank) = 0;
    // Event 1025: the lighting was changed on the keyboard itself.
    virtual void LightingChangedOnKeyboard() = 0;
    // Events 6161 (show icon 142) and 6160 (bring back the icon before it).
    virtual void TrayEvent(uint16_t code) = 0;

    // ---- Key view and Apply (window thread, direct) ------------------------

    // Redraw the key buttons and G-key buttons from profile block `profile`
    // (0..2) of the working profile. Called with the profile lock held, which
    // the window may take again to read the block.
    virtual void RefreshKeyButtons(int profile) = 0;
    // Set the key view back to function-key mode: the view switch's caption
    // and the key colours (the key view flag is already 0).
    virtual void SetKeyViewFunctionMode() = 0;
    // Enable or disable the Apply button (id 1006).
    virtual void SetApplyButtonEnabled(bool enabled) = 0;
    // Show (true) or hide (false) Apply's progress picture.
    virtual void ShowApplyProgress(bool shown) = 0;

    // ---- Profiles (window thread, direct) ----------------------------------

    // Check profile button `profile` (ids 1135..1137) and uncheck the other two.
    virtual void SetProfileButtonChecked(int profile) = 0;
    // Replace the profile menu and the profile-name button's caption and tooltip.
    virtual void ShowProfileMenu(const ProfileMenu& menu) = 0;
    // Whether the key assignment dialog is open (a switch is then refused).
    virtual bool IsKeyAssignmentDialogOpen() = 0;
    // Whether the profile dialog is open, and whether its Apply is enabled.
    virtual bool IsProfileDialogOpen() = 0;
    virtual bool IsProfileDialogModified() = 0;
    // In the open profile dialog: check row `row` (only) and disable its Apply.
    virtual void CheckProfileDialogRow(int row) = 0;
};

// A sink for front ends without a window (the command line): the profile sync
// runs at once on the calling thread, questions about dialogs answer "closed",
// everything else does nothing.
class WindowlessViewSink : public ViewSink {
public:
    void ProfileSync(const std::function<void()>& sync) override { sync(); }
    void DeviceRemoved() override {}
    void HideMainWindow() override {}
    void OpenMainWindow() override {}
    void SetTrayIcon(int) override {}
    void BankChanged(int) override {}
    void LightingChangedOnKeyboard() override {}
    void TrayEvent(uint16_t) override {}
    void RefreshKeyButtons(int) override {}
    void SetKeyViewFunctionMode() override {}
    void SetApplyButtonEnabled(bool) override {}
    void ShowApplyProgress(bool) override {}
    void SetProfileButtonChecked(int) override {}
    void ShowProfileMenu(const ProfileMenu&) override {}
    bool IsKeyAssignmentDialogOpen() override { return false; }
    bool IsProfileDialogOpen() override { return false; }
    bool IsProfileDialogModified() override { return false; }
    void CheckProfileDialogRow(int) override {}
};

}  // namespace quovex
