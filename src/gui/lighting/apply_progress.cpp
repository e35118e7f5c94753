#include "lighting/apply_progress.h"

#include "lighting/lighting_panel_controls.h"
#include "lighting/lighting_timers.h"

namespace quovex::gui {

ApplyProgress::ApplyProgress(ClickablePicture& picture, const PanelPictures& pictures)
    : picture_(picture), pictures_(pictures) {
    timer_.setObjectName(QStringLiteral("Timer%1").arg(lighting_timer::kApplyProgressId));
    timer_.setInterval(lighting_timer::kApplyProgressInterval);
    connect(&timer_, &QTimer::timeout, this, &ApplyProgress::Tick);
    ShowFrame(0);
    picture_.hide();
}

void ApplyProgress::Show(bool shown) {
    if (shown) {
        ShowFrame(0);
        picture_.show();
        picture_.raise();
        timer_.start();
    } else {
        timer_.stop();
        picture_.hide();
    }
}

void ApplyProgress::Tick() {
    ShowFrame((frame_ + 1) % lighting_picture::kProgressFrames);
}

void ApplyProgress::ShowFrame(int frame) {
    frame_ = frame;
    const std::string name = lighting_picture::ProgressFrame(frame);
    picture_.SetPicture(pictures_.Get(name), QString::fromStdString(name));
}

}  // namespace quovex::gui
