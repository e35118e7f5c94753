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
        keys_plain_ = false;
        timer_.start(lighting_timer::kPreviewFirstTick);
    } else {
        timer_.stop();
    }
}

void LightingPreview::RestartPreview() {
    engine_.RestartPreview();
    keys_plain_ = false;
}

void LightingPreview::Tick() {
    timer_.stop();
    Draw(engine_.PreviewTick(state_));
    if (running_) timer_.start(lighting_timer::kPreviewInterval);
}

void LightingPreview::Draw(const PreviewFrame& frame) {
    switch (frame.look) {
        case PreviewLook::kUnchanged:
            return;
        case PreviewLook::kPlain:
            if (keys_plain_) return;
            keys_.ResetKeyButtons();
            keys_plain_ = true;
            return;
        case PreviewLook::kFramed:
            for (const preview::OrderedKey& key : preview::kKeyOrder) {
                if (frame.drawn.test(key.keyIndex)) keys_.SetKeyFrameColour(key.controlId, frame.colours[key.keyIndex], true);
            }
            keys_plain_ = false;
            return;
    }
}

}  // namespace quovex::gui
