#include "widgets/colour_button.h"

#include <QPainter>

namespace quovex::gui {

namespace {

constexpr qreal kCornerRadius = 4.0;

// "255, 0, 0": the colour's red, green and blue, as the RGB boxes show them.
QString ColourText(const QColor& colour) {
    return QStringLiteral("%1, %2, %3").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

}  // namespace

CColourButton::CColourButton(QWidget* parent, int control_id)
    : QAbstractButton(parent), control_id_(control_id), popup_(this) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setToolTip(ColourText(colour_));
    connect(this, &QAbstractButton::clicked, this, &CColourButton::OpenPopup);
    connect(&popup_, &ColourPalettePopup::ColourChosen, this, &CColourButton::TakeChosenColour);
}

void CColourButton::SetColour(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    if (rgb == colour_) return;
    colour_ = rgb;
    setToolTip(ColourText(colour_));
    update();
}

void CColourButton::OpenPopup() {
    popup_.Open(mapToGlobal(QPoint(0, height() + 2)), colour_);
}

void CColourButton::TakeChosenColour(const QColor& colour) {
    SetColour(colour);
    emit ColourChosen(control_id_, colour_);
}

QSize CColourButton::sizeHint() const { return QSize(40, 24); }

void CColourButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(rect()).adjusted(1, 1, -1, -1);
    const bool active = hovered_ || hasFocus() || isDown() || popup_.isVisible();
    const QColor edge = active ? palette().color(QPalette::Link) : palette().color(QPalette::Light);
    // A dark ring inside the edge keeps light colours apart from the edge.
    painter.setPen(QPen(edge, 1.5));
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawRoundedRect(face, kCornerRadius, kCornerRadius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(isDown() ? colour_.darker(115) : colour_);
    painter.drawRoundedRect(face.adjusted(2.5, 2.5, -2.5, -2.5), kCornerRadius - 1.5, kCornerRadius - 1.5);
}

void CColourButton::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void CColourButton::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

}  // namespace quovex::gui
