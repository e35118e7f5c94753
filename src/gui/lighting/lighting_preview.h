// The preview on screen (timer 1052): while it runs, every 50 ms the preview
// engine computes the next frame of the chosen lighting mode and the keyboard
// picture shows it, each key of the frame as a 2-pixel frame of its colour, or
// every key in its plain look. It sends nothing to the keyboard.
//
// The owner runs it only while the main window is on screen and the lighting
// view is on, so that a program waiting in the tray wakes the processor for
// nothing. Main window thread only.
#pragma once

#include <QObject>
#include <QTimer>
#include <memory>

#include "keys/keyboard_picture_view.h"
#include "lighting/lighting_state.h"
#include "lighting/preview_engine.h"

namespace quovex::gui {

class LightingPreview : public QObject {
    Q_OBJECT

public:
    // `state` and `keys` outlive the preview. `random` supplies the hues of
    // the twinkle and ripple modes; null takes the system's random numbers.
    LightingPreview(const LightingState& state, KeyboardPictureView& keys,
                    std::unique_ptr<PreviewRandom> random = nullptr);
    ~LightingPreview() override;

    // Starts the ticks (the first one after 100 ms) or stops them.
    void SetRunning(bool running);
    bool Running() const { return running_; }

    // A mode was chosen: the engine starts its shared ripple state afresh.
    void RestartPreview();
    // Something else drew frames on the keys, so the next plain frame must
    // give them their plain look again.
    void KeysFramedElsewhere() { keys_plain_ = false; }

    // One tick: the next frame drawn on the keyboard picture.
    void Tick();

private:
    void Draw(const PreviewFrame& frame);

    const LightingState& state_;
    KeyboardPictureView& keys_;
    std::unique_ptr<PreviewRandom> random_;
    PreviewEngine engine_;
    QTimer timer_;
    bool running_ = false;
    // The keys were given their plain look by the last frame and nothing has
    // drawn on them since: a plain frame then changes nothing.
    bool keys_plain_ = false;
};

}  // namespace quovex::gui
