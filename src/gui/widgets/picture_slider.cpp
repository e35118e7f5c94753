#include "widgets/picture_slider.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace quovex::gui {

CPictureSlider::CPictureSlider(QWidget* parent, int control_id) : QWidget(parent), control_id_(control_id) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void CPictureSlider::SetRange(int lowest, int highest) {
    lowest_ = std::min(lowest, highest);
    highest_ = std::max(lowest, highest);
    position_ = std::clamp(position_, lowest_, highest_);
    update();
}

void CPictureSlider::SetPosition(int position) {
    position_ = std::clamp(position, lowest_, highest_);
    update();
}

void CPictureSlider::SetTrackPicture(const QPixmap& picture) {
    track_ = picture;
    update();
}

int CPictureSlider::KnobMargin() const {
    return std::min(height() / 2, width() / 2);
}

int CPictureSlider::PositionAt(int x) const {
    const int steps = highest_ - lowest_;
    const int left = KnobMargin();
    const int travel = width() - 2 * left;
    if (steps == 0 || travel <= 0) return lowest_;
    const double step = std::round(static_cast<double>(x - left) * steps / travel);
    return std::clamp(lowest_ + static_cast<int>(step), lowest_, highest_);
}

QSize CPictureSlider::sizeHint() const {
    return track_.isNull() ? QSize(156, 20) : track_.size() / track_.devicePixelRatio();
}

void CPictureSlider::Choose(int position) {
    position = std::clamp(position, lowest_, highest_);
    if (position == position_) return;
    position_ = position;
    update();
    emit PositionPosted(control_id_, position_);
}

void CPictureSlider::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (!track_.isNull()) {
        painter.drawPixmap(0, 0, track_);
        return;
    }
    // No picture: a plain track and knob in the window's colours.
    painter.setRenderHint(QPainter::Antialiasing);
    const int margin = KnobMargin();
    const double y = height() / 2.0;
    const int steps = std::max(1, highest_ - lowest_);
    const double knob_x = margin + static_cast<double>(width() - 2 * margin) * (position_ - lowest_) / steps;
    painter.setPen(QPen(palette().color(QPalette::Mid), 4.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(margin, y), QPointF(width() - margin, y));
    painter.setPen(QPen(palette().color(QPalette::Link), 4.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(margin, y), QPointF(knob_x, y));
    painter.setPen(QPen(palette().color(QPalette::Link), 2.0));
    painter.setBrush(palette().color(QPalette::BrightText));
    const double radius = std::max(2.0, height() / 2.0 - 3.0);
    painter.drawEllipse(QPointF(knob_x, y), radius, radius);
}

void CPictureSlider::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    dragging_ = true;
    Choose(PositionAt(qRound(event->position().x())));
}

void CPictureSlider::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    Choose(PositionAt(qRound(event->position().x())));
}

void CPictureSlider::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) dragging_ = false;
    QWidget::mouseReleaseEvent(event);
}

void CPictureSlider::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Down:
            Choose(position_ - 1);
            break;
        case Qt::Key_Right:
        case Qt::Key_Up:
            Choose(position_ + 1);
            break;
        case Qt::Key_Home:
            Choose(lowest_);
            break;
        case Qt::Key_End:
            Choose(highest_);
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    event->accept();
}

}  // namespace quovex::gui
