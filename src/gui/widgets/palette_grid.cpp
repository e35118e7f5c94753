#include "widgets/palette_grid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace quovex::gui {

PaletteGrid::PaletteGrid(QWidget* parent, std::span<const QColor> colours, int columns)
    : QWidget(parent), colours_(colours), columns_(std::max(1, columns)) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void PaletteGrid::SetCurrentColour(const QColor& colour) {
    const auto found = std::ranges::find_if(colours_, [&](const QColor& entry) { return entry.rgb() == colour.rgb(); });
    marked_ = found == colours_.end() ? -1 : static_cast<int>(found - colours_.begin());
    // The keys start from the current colour.
    hot_ = marked_;
    update();
}

QRect PaletteGrid::SwatchRect(int index) const {
    const int row = index / columns_;
    const int column = index % columns_;
    return QRect(kSpacing + column * (kSwatchSize + kSpacing), kSpacing + row * (kSwatchSize + kSpacing), kSwatchSize,
                 kSwatchSize);
}

QSize PaletteGrid::sizeHint() const {
    const int rows = (Count() + columns_ - 1) / columns_;
    return QSize(kSpacing + columns_ * (kSwatchSize + kSpacing), kSpacing + rows * (kSwatchSize + kSpacing));
}

int PaletteGrid::IndexAt(const QPoint& point) const {
    for (int index = 0; index < Count(); ++index) {
        if (SwatchRect(index).adjusted(-kSpacing / 2, -kSpacing / 2, kSpacing / 2, kSpacing / 2).contains(point)) {
            return index;
        }
    }
    return -1;
}

void PaletteGrid::SetHot(int index) {
    if (index == hot_) return;
    hot_ = index;
    update();
}

void PaletteGrid::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor edge = palette().color(QPalette::Light);
    const QColor accent = palette().color(QPalette::Link);
    for (int index = 0; index < Count(); ++index) {
        const QRectF swatch = QRectF(SwatchRect(index)).adjusted(0.5, 0.5, -0.5, -0.5);
        painter.setPen(QPen(edge, 1.0));
        painter.setBrush(ColourAt(index));
        painter.drawRoundedRect(swatch, 3, 3);
        if (index == marked_) {
            // The current colour: a dot in the contrasting ink.
            painter.setPen(Qt::NoPen);
            painter.setBrush(ColourAt(index).lightness() > 140 ? QColor(0x10, 0x12, 0x16) : QColor(Qt::white));
            painter.drawEllipse(swatch.center(), 2.5, 2.5);
        }
        if (index == hot_) {
            painter.setPen(QPen(accent, 2.0));
            painter.setBrush(Qt::NoBrush);
            painter.drawRoundedRect(swatch.adjusted(-1.5, -1.5, 1.5, 1.5), 4, 4);
        }
    }
}

void PaletteGrid::mouseMoveEvent(QMouseEvent* event) {
    SetHot(IndexAt(event->position().toPoint()));
}

void PaletteGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const int index = IndexAt(event->position().toPoint());
    if (index >= 0) emit Chosen(index);
}

void PaletteGrid::leaveEvent(QEvent* /*event*/) {
    if (!hasFocus()) SetHot(-1);
}

void PaletteGrid::focusInEvent(QFocusEvent* event) {
    if (hot_ < 0) SetHot(marked_ >= 0 ? marked_ : 0);
    QWidget::focusInEvent(event);
}

void PaletteGrid::keyPressEvent(QKeyEvent* event) {
    const int current = std::max(hot_, 0);
    int next = current;
    switch (event->key()) {
        case Qt::Key_Left:
            next = current - 1;
            break;
        case Qt::Key_Right:
            next = current + 1;
            break;
        case Qt::Key_Up:
            next = current - columns_;
            break;
        case Qt::Key_Down:
            next = current + columns_;
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (hot_ >= 0) emit Chosen(hot_);
            return;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    if (next >= 0 && next < Count()) SetHot(next);
    event->accept();
}

}  // namespace quovex::gui
