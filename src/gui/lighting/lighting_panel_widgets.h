// The lighting panel of the main window as widgets: every control of the
// panel placed from the main skin file, the panel's pictures, the picture
// sliders, the colour buttons with their palette popup, the RGB boxes, the
// colour wheel pick, the report-rate buttons, the progress picture (timer
// 1050), the reload after a lighting change on the keyboard (timer 1051) and
// the preview (timer 1052). It owns the lighting operations' context and the
// key view, implements the panel view that those operations talk to, and
// hands everything that concerns the key buttons to the keyboard picture.
//
// The main window creates one after its key buttons exist and calls it as the
// comments below say. Main window thread only. In particular:
//   - Hooks() goes to ApplicationContext::SetLightingHooks before Start(); on
//     close the hooks are taken back (SetLightingHooks({})) before the panel
//     is destroyed, and the panel is destroyed before the window.
//   - The report-rate buttons ("FUNC_REPORT1".."FUNC_REPORT4", ids 1147,
//     1168..1170) are the panel's: the main window does not place them.
//   - Key, second Enter, Fn and G-key clicks go to KeyButtonClicked first.
//   - View sink: SetKeyViewFunctionMode -> ResetKeyView; BankChanged ->
//     SetGKeyBank; RefreshKeyButtons -> RefreshKeyView after the redraw;
//     ShowApplyProgress and LightingChangedOnKeyboard to their namesakes.
//   - KeyboardPictureView::EnableApply goes through the profile services'
//     SetApplyEnabled(true), so that the flag and the button stay in step.
#pragma once

#include <QObject>
#include <memory>

#include "app/application_context.h"
#include "app/lighting_hooks.h"
#include "keys/keyboard_picture_view.h"
#include "lighting/key_view.h"
#include "lighting/lighting_context.h"

class QWidget;
class QImage;

namespace quovex::gui {

class LightingPanelWidgets : public QObject {
    Q_OBJECT

public:
    // `window`: the main window, parent of every panel control; `keys`: its
    // keyboard picture. Both, and `app`, outlive the panel.
    LightingPanelWidgets(QWidget& window, ApplicationContext& app, KeyboardPictureView& keys);
    ~LightingPanelWidgets() override;

    // Start-up, in the main window's initialisation: seeds the user's colour
    // presets (once per user), loads the panel's pictures, places every
    // control, sets up sliders, labels, colour buttons and the hidden progress
    // picture, and shows the panel as it stands before the keyboard is read:
    // the lighting view switch as lxkb.ini says, the mode's controls hidden.
    void Initialise();

    // The work that the profile and presence operations hand to lighting
    // (seeding the presets, a profile button's lighting, the reload after an
    // attach); the main window gives them to ApplicationContext::SetLightingHooks.
    LightingHooks Hooks();

    // A key, second Enter, Fn or G-key button was clicked. True when the
    // lighting took the click (painted the key, or toggled its light in the
    // colour keys view); false when the main window should go on and open the
    // key assignment dialog.
    bool KeyButtonClicked(int controlId);

    // The key view switch button ("FUNC_SWITCH").
    void KeyViewSwitchClicked();
    // The key view after a profile switch: back to the function keys view.
    void ResetKeyView();
    // The key buttons show their light flags again (colour keys view), after
    // the main window redrew them or the working profile changed.
    void RefreshKeyView();
    // UM_BANK_CHANGED: the G-key bank is now `bank` (0 = A, 1 = B). The G-key
    // buttons of the colour keys view show the flags of that bank.
    void SetGKeyBank(int bank);
    // Restore defaults (button 1138) after the user said Yes: the lighting part.
    void RestoreDefaults();
    // The main window's Apply shows and hides the progress picture (timer 1050).
    void ShowApplyProgress(bool shown);
    // Event 1025 (queued to the window thread): start timer 1051.
    void LightingChangedOnKeyboard();
    // The main window was shown or hidden: the preview timer runs only while
    // the window is visible and the lighting view is on. The panel also
    // follows the window's own show, hide and minimise events.
    void SetWindowVisible(bool visible);
    // A left click on the main window's background at window position (x, y):
    // the colour wheel pick. The background picture is `background`.
    void BackgroundPressed(int x, int y, const QImage& background);

    // The panel control of an id of the panel's table (report-rate buttons
    // included), or null.
    QWidget* Control(int controlId) const;
    // Whether timer 1052 is running.
    bool PreviewRunning() const;

    LightingContext& Lighting();
    KeyView& Keys();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace quovex::gui
