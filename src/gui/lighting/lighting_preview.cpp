#include "lighting/lighting_preview.h"

#include <QRandomGenerator>

#include "lighting/lighting_timers.h"
#include "lighting/preview_tables.h"

namespace quovex::gui {

namespace {

class SystemPreviewRandom final : public PreviewRandom {
public:
    uint8_t NextHue() override { return static_cast<uint8_t>(QRandomGenerator::global()->bounded(255)); }
};

}  // namespace

LightingPreview::LightingPreview(const LightingState& state, KeyboardPictureView& keys,
                                 std::unique_ptr<PreviewRandom> random)
    : state_(state),
      keys_(keys),
      random_(random ? std::move(random) : std::make_unique<SystemPreviewRandom>()),
      engine_(*random_) {
    timer_.setObjectName(QStringLiteral("Timer%1").arg(lighting_timer::kPreviewId));
    timer_.setSingleShot(true);
    // The timer fires 20 times a second; a coarse timer lets the system group its wake-ups.
    timer_.setTimerType(Qt::CoarseTimer);
    connect(&timer_, &QTimer::timeout, this, &LightingPreview::Tick);
}

LightingPreview::~LightingPreview() = default;

void LightingPreview::SetRunning(bool running) {
    if (running == running_) return;
    running_ = running;
    if (running_) {
        ForgetDrawnKeys();
        timer_.start(lighting_timer::kPreviewFirstTick);
    } else {
        timer_.stop();
    }
}

void LightingPreview::RestartPreview() {
    engine_.RestartPreview();
    ForgetDrawnKeys();
}

void LightingPreview::ForgetDrawnKeys() {
    keys_plain_ = false;
    drawn_.reset();
    ticks_since_full_draw_ = 0;
}

void LightingPreview::Tick() {
    timer_.stop();
    Draw(engine_.PreviewTick(state_));
    if (running_) timer_.start(lighting_timer::kPreviewInterval);
}

void LightingPreview::Draw(const PreviewFrame& frame) {
    if (++ticks_since_full_draw_ >= kFullDrawTicks) ForgetDrawnKeys();
    switch (frame.look) {
        case PreviewLook::kUnchanged:
            return;
        case PreviewLook::kPlain:
            if (keys_plain_) return;
            keys_.ResetKeyButtons();
            keys_plain_ = true;
            drawn_.reset();
            return;
        case PreviewLook::kFramed:
            keys_plain_ = false;
            for (size_t i = 0; i < preview::kKeyOrder.size(); ++i) {
                const preview::OrderedKey& key = preview::kKeyOrder[i];
                if (!frame.drawn.test(key.keyIndex)) continue;
                const Rgb colour = frame.colours[key.keyIndex];
                if (drawn_.test(i) && drawn_colours_[i] == colour) continue;
                keys_.SetKeyFrameColour(key.controlId, colour, true);
                drawn_colours_[i] = colour;
                drawn_.set(i);
            }
            return;
    }
}

}  // namespace quovex::gui
