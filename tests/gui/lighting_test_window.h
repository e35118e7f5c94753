// A small stand-in for the main window in the lighting panel's tests: a
// skinned dialog dressed from the generated Main.ini, its key buttons placed
// from the skin behind a recording keyboard picture, an application context
// on the virtual keyboard (channels open, no presence thread), and the
// lighting panel under test.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <chrono>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/application_context.h"
#include "keys/keyboard_picture_view.h"
#include "lighting/lighting_panel_widgets.h"
#include "skin/base_dialog.h"
#include "skin/png_button.h"
#include "support/recording_prompter.h"
#include "support/temporary_folder.h"
#include "support/virtual_keyboard.h"
#include "widgets/clickable_picture.h"
#include "widgets/colour_button.h"
#include "widgets/integer_edit.h"
#include "widgets/picture_slider.h"

namespace quovex::gui::lighting_test {

// Records what the panel and the preview do to the key buttons, and shows it
// on the real key buttons of the test window.
class RecordingKeyboardPicture : public KeyboardPictureView {
public:
    void ResetKeyButtons() override;
    void RedrawKeyAssignments() override { ++redraws; }
    void SetKeyFrameColour(int controlId, Rgb colour, bool on) override;
    void SetKeyLight(int controlId, const KeyLightLook& look) override { lights[controlId] = look; }
    void SetKeyViewCaption(std::string_view text) override { caption = std::string(text); }
    void EnableApply() override { ++apply_enabled; }

    std::map<int, CPngButton*> buttons;  // the window's key buttons by control id
    std::map<int, Rgb> frames;           // the frames on now
    int frame_calls = 0;
    int resets = 0;
    int redraws = 0;
    int apply_enabled = 0;
    std::map<int, KeyLightLook> lights;
    std::string caption;
};

class TestMainWindow : public CBaseDialog {
public:
    explicit TestMainWindow(const std::filesystem::path& program_folder);
    // Applies the skin and places the key buttons; false when the skin failed.
    bool Dress(RecordingKeyboardPicture& keys);
    // The window as the screen shows it.
    QImage Picture();

private:
    std::filesystem::path program_folder_;
    std::vector<std::unique_ptr<QImage>> surfaces_;
};

// What the context tells the window; nothing in these tests waits for it.
class QuietLauncher : public ProgramLauncher {
public:
    bool StartProgram(const std::filesystem::path&) override { return false; }
};
class QuietLog : public LogSink {
public:
    void WriteLine(std::string_view line) override { lines.emplace_back(line); }
    std::vector<std::string> lines;
};

class LightingPanelFixture : public ::testing::Test {
protected:
    static constexpr auto kIdle = std::chrono::seconds(5);  // only reached when something is broken

    void SetUp() override;
    void TearDown() override;

    sim::VirtualKeyboardControl& Control() { return keyboard_->Control(); }
    // The keyboard's mode list, slot by slot (the rest empty).
    void SetModeList(std::vector<uint8_t> modes);
    void SetLightingBytes(int profile, size_t offset, std::vector<uint8_t> bytes);
    std::vector<uint8_t> LightingBlockOnKeyboard(int profile);
    Rgb KeyColourOnKeyboard(int profile, int slot);
    // The attach's last step: the lighting read with presets and shown.
    void Attach(int profile = 0);
    // Chooses `mode` in the effect list as the user does.
    void ChooseMode(int mode);
    // Turns the lighting view on or off with its switch picture, as the user does.
    void SetLightingView(bool on);
    // Lets the window's timers run for `duration`.
    static void RunEvents(std::chrono::milliseconds duration);
    // Waits until the keyboard has handled everything sent so far.
    void WaitForKeyboard();

    template <typename Widget>
    Widget* ControlOf(int controlId) {
        return qobject_cast<Widget*>(panel_->Control(controlId));
    }
    // Shown within the window (the window itself may be hidden).
    bool Shows(int controlId);

    testing::VirtualKeyboard* keyboard_ = nullptr;
    test_support::TemporaryFolder folder_;
    UserRoots roots_;
    WindowlessViewSink sink_;
    test_support::RecordingPrompter prompter_;
    QuietLauncher launcher_;
    QuietLog log_;
    std::unique_ptr<ApplicationContext> app_;
    RecordingKeyboardPicture keys_;
    std::unique_ptr<TestMainWindow> window_;
    std::unique_ptr<LightingPanelWidgets> panel_;
};

}  // namespace quovex::gui::lighting_test
