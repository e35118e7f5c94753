// Apply's progress picture (control 1177, timer 1050): hidden except while
// Apply works; meanwhile it runs through its ten frames, one every 50 ms,
// starting again after the tenth. Main window thread only.
#pragma once

#include <QObject>
#include <QTimer>

#include "lighting/panel_pictures.h"
#include "widgets/clickable_picture.h"

namespace quovex::gui {

class ApplyProgress : public QObject {
    Q_OBJECT

public:
    // Shows the first frame, hidden. Both arguments outlive the progress.
    ApplyProgress(ClickablePicture& picture, const PanelPictures& pictures);

    // Shown: from the first frame on; hidden: the frames stop.
    void Show(bool shown);
    bool Shown() const { return timer_.isActive(); }
    // 0..9: the frame shown now.
    int Frame() const { return frame_; }

    // One tick: the next frame.
    void Tick();

private:
    void ShowFrame(int frame);

    ClickablePicture& picture_;
    const PanelPictures& pictures_;
    QTimer timer_;
    int frame_ = 0;
};

}  // namespace quovex::gui
