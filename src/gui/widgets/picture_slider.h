// CPictureSlider: a horizontal slider whose whole face is one picture, the
// track with its knob as the skin draws it for the current position. The user
// clicks or drags along it to choose one of its positions (0..4 unless set
// otherwise); while the mouse button is down every new position is reported
// at once with PositionPosted, the stand-in for the picture slider's private
// message to its window. With the focus, the arrow keys, Home and End move it
// and report the same way.
//
// Its owner sets the position and the picture; neither reports anything, so
// the owner never hears back what it set. Without a picture the slider draws
// a plain track and knob, so that it stays usable when a skin picture is lost.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace quovex::gui {

class CPictureSlider : public QWidget {
    Q_OBJECT

public:
    // The private message a picture slider posted to its window, with the
    // control id and the position; PositionPosted carries the same.
    static constexpr int kPositionMessage = 0x28D1;

    CPictureSlider(QWidget* parent, int control_id);

    int ControlId() const { return control_id_; }

    void SetRange(int lowest, int highest);
    int Lowest() const { return lowest_; }
    int Highest() const { return highest_; }

    // Shows `position` (brought into the range); reports nothing.
    void SetPosition(int position);
    int Position() const { return position_; }

    void SetTrackPicture(const QPixmap& picture);
    const QPixmap& TrackPicture() const { return track_; }

    // The position nearest to x (widget coordinates). The knob's centre runs
    // from half the slider's height inside the left edge to the same inside
    // the right edge, as the skin draws it.
    int PositionAt(int x) const;

    QSize sizeHint() const override;

signals:
    void PositionPosted(int control_id, int position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Takes a position chosen by the user: shows it and reports it when it is new.
    void Choose(int position);
    int KnobMargin() const;

    int control_id_;
    int lowest_ = 0;
    int highest_ = 4;
    int position_ = 0;
    bool dragging_ = false;
    QPixmap track_;
};

}  // namespace quovex::gui
