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
#include <array>
#include <bitset>
#include <memory>

#include "keys/keyboard_picture_view.h"
#include "lighting/lighting_state.h"
#include "lighting/preview_engine.h"
#include "lighting/preview_tables.h"

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
    // Something else drew on the keys: the next frame draws every key again.
    void KeysDrawnElsewhere() { ForgetDrawnKeys(); }

    // One tick: the next frame drawn on the keyboard picture.
    void Tick();

    // A frame draws every key again after this many ticks even when its
    // colour did not change, so that the picture heals within a second
    // whatever else drew on it.
    static constexpr int kFullDrawTicks = 20;

private:
    void Draw(const PreviewFrame& frame);
    void ForgetDrawnKeys();

    const LightingState& state_;
    KeyboardPictureView& keys_;
    std::unique_ptr<PreviewRandom> random_;
    PreviewEngine engine_;
    QTimer timer_;
    bool running_ = false;
    // What the keys show since the preview last drew them, so that a frame
    // only draws the keys whose colour changed: the keys' plain look, or the
    // frame colour of each key of the key order list that has one.
    bool keys_plain_ = false;
    std::array<Rgb, preview::kOrderedKeys> drawn_colours_{};
    std::bitset<preview::kOrderedKeys> drawn_;
    int ticks_since_full_draw_ = 0;
};

}  // namespace quovex::gui
