#include "widgets/clickable_picture.h"

#include <QMouseEvent>
#include <QPainter>

namespace quovex::gui {

ClickablePicture::ClickablePicture(QWidget* parent, int control_id, bool clickable)
    : QWidget(parent), control_id_(control_id), clickable_(clickable) {
    if (clickable_) setCursor(Qt::PointingHandCursor);
    // Pictures that only show something let clicks through to the window below.
    setAttribute(Qt::WA_TransparentForMouseEvents, !clickable_);
}

void ClickablePicture::SetPicture(const QPixmap& picture, const QString& name) {
    picture_ = picture;
    picture_name_ = name;
    update();
}

QSize ClickablePicture::sizeHint() const {
    return picture_.isNull() ? QSize() : picture_.size() / picture_.devicePixelRatio();
}

void ClickablePicture::paintEvent(QPaintEvent* /*event*/) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

void ClickablePicture::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void ClickablePicture::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double-click starts a click of its own.
    mousePressEvent(event);
}

void ClickablePicture::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressed_) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    pressed_ = false;
    event->accept();
    if (rect().contains(event->position().toPoint())) emit Clicked(control_id_);
}

}  // namespace quovex::gui
