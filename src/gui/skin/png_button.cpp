#include "skin/png_button.h"

#include <QCursor>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace quovex::gui {

namespace {

Qt::Alignment AlignmentOf(int flags) {
    Qt::Alignment alignment;
    if (flags & text_format::kCentre) {
        alignment |= Qt::AlignHCenter;
    } else if (flags & text_format::kRight) {
        alignment |= Qt::AlignRight;
    } else {
        alignment |= Qt::AlignLeft;
    }
    if (flags & text_format::kVCentre) {
        alignment |= Qt::AlignVCenter;
    } else if (flags & text_format::kBottom) {
        alignment |= Qt::AlignBottom;
    } else {
        alignment |= Qt::AlignTop;
    }
    return alignment;
}

// Where an unrotated text cell of `size` sits in `rect` under `flags`.
QPoint CellTopLeft(const QRect& rect, const QSize& size, int flags) {
    int x = rect.left(), y = rect.top();
    if (flags & text_format::kCentre) {
        x = rect.left() + (rect.width() - size.width()) / 2;
    } else if (flags & text_format::kRight) {
        x = rect.left() + rect.width() - size.width();
    }
    if (flags & text_format::kVCentre) {
        y = rect.top() + (rect.height() - size.height()) / 2;
    } else if (flags & text_format::kBottom) {
        y = rect.top() + rect.height() - size.height();
    }
    return QPoint(x, y);
}

}  // namespace

CPngButton::CPngButton(QWidget* parent, int control_id) : QAbstractButton(parent), control_id_(control_id) {
    setFocusPolicy(Qt::NoFocus);
    tooltip_timer_.setSingleShot(true);
    tooltip_timer_.setInterval(kTooltipDelayMs);
    connect(&tooltip_timer_, &QTimer::timeout, this, &CPngButton::ShowTooltipNow);
}

CPngButton::~CPngButton() = default;

void CPngButton::ClearMouseState() {
    hovered_ = false;
    setDown(false);
}

void CPngButton::SetSkin(int x, int y, const SkinImageSet& images, bool redraw) {
    offset_ = QPoint(x, y);
    images_ = images;
    ClearMouseState();
    DrawButton(redraw);
}

void CPngButton::SetSkinImages(const SkinImageSet& images, bool redraw) {
    images_ = images;
    ClearMouseState();
    DrawButton(redraw);
}

void CPngButton::SetSkinOffset(int x, int y, bool redraw) {
    offset_ = QPoint(x, y);
    DrawButton(redraw);
}

void CPngButton::SetSkinPair(const QImage* off, const QImage* on, const QObject* owner, int state, bool redraw) {
    pair_off_ = off;
    pair_on_ = on;
    pair_owner_ = owner;
    pair_state_ = state;
    ClearMouseState();
    DrawButton(redraw);
}

void CPngButton::SetChecked(bool checked, bool redraw) {
    checked_ = checked;
    if (redraw) DrawButton(true);
}

void CPngButton::SetFrameColour(const QColor& colour, bool on) {
    frame_colour_ = colour;
    frame_on_ = on;
    DrawButton(false);
}

void CPngButton::SetTextStyle(bool has_caption, int point_size, const QString& face_name, const QColor& colour,
                              int format_flags) {
    caption_.has_caption = has_caption;
    caption_.point_size = point_size;
    caption_.face_name = face_name;
    caption_.colour = colour;
    caption_.format_flags = format_flags;
    update();
}

void CPngButton::SetTextMargins(int left, int right, int top, int bottom) {
    caption_.margin_left = left;
    caption_.margin_right = right;
    caption_.margin_top = top;
    caption_.margin_bottom = bottom;
    update();
}

void CPngButton::SetTextAngle(int escapement, bool angled) {
    caption_.escapement = escapement;
    caption_.angled = angled;
    update();
}

void CPngButton::SetDrawCallback(DrawCallback callback) { draw_callback_ = std::move(callback); }

void CPngButton::SetTooltip(const QString& text, bool activate) {
    if (text.isEmpty()) return;
    tooltip_text_ = text;
    tooltip_active_ = activate;
    if (!activate) {
        tooltip_timer_.stop();
        if (QToolTip::isVisible() && QToolTip::text() == text) QToolTip::hideText();
    }
}

void CPngButton::DrawButton(bool redraw) {
    if (redraw && isVisible()) {
        repaint();
    } else {
        update();
    }
}

const QImage* CPngButton::SourceImage() const {
    if (!isEnabled()) return images_.disabled;
    if (pair_owner_) return pair_state_ != 0 ? pair_on_ : pair_off_;
    if (isDown()) return images_.down;
    if (hovered_) return images_.over;
    if (checked_) return images_.checked;
    return images_.normal;
}

QFont CPngButton::CaptionFont() const {
    QFont font(caption_.face_name);
    font.setPixelSize(std::max(1, CaptionPixelSize(caption_.point_size, logicalDpiY())));
    font.setWeight(static_cast<QFont::Weight>(caption_.angled ? kAngledWeight : kNormalWeight));
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QRect CPngButton::CaptionRect() const {
    QRect rect = this->rect();
    rect.setLeft(rect.left() + caption_.margin_left);
    rect.setRight(rect.right() + caption_.margin_right);
    rect.setTop(rect.top() + caption_.margin_top);
    rect.setBottom(rect.bottom() + caption_.margin_bottom);
    if (!caption_.angled) return rect;
    const QFontMetrics metrics(CaptionFont());
    const QString caption = text().left(260);
    return AngledCaptionRect(rect, QSize(metrics.horizontalAdvance(caption), metrics.height()), caption_.escapement);
}

void CPngButton::DrawCaptionText(QPainter& painter) {
    const QString caption = text().left(260);
    const QFont font = CaptionFont();
    const QRect rect = CaptionRect();
    painter.save();
    painter.setFont(font);
    painter.setPen(caption_.colour);
    if (caption_.escapement == 0) {
        int flags = static_cast<int>(AlignmentOf(caption_.format_flags));
        flags |= (caption_.format_flags & text_format::kSingleLine) ? Qt::TextSingleLine : 0;
        flags |= (caption_.format_flags & text_format::kWordBreak) ? Qt::TextWordWrap : 0;
        painter.drawText(rect, flags, caption);
    } else {
        // The font's escapement turns the text about the top-left corner of its
        // cell, counter-clockwise; the cell is placed as if unrotated.
        const QFontMetrics metrics(font);
        const QSize cell(metrics.horizontalAdvance(caption), metrics.height());
        painter.translate(CellTopLeft(rect, cell, caption_.format_flags));
        painter.rotate(-caption_.escapement / 10.0);
        painter.drawText(QPoint(0, metrics.ascent()), caption);
    }
    painter.restore();
}

void CPngButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QImage* source = SourceImage();
    if (source) {
        // The button shows the part of the surface under it: the surface's
        // pixel (offset - 1) is the button's pixel (0, 0).
        const QRect wanted(offset_ - QPoint(1, 1), size());
        const QRect available = wanted.intersected(source->rect());
        if (!available.isEmpty()) painter.drawImage(available.topLeft() - wanted.topLeft(), *source, available);
    }
    if (frame_on_) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        QPen pen(frame_colour_, kFrameWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        // The frame runs from (1, 1) to (width - 1, height - 1).
        painter.drawRect(QRectF(1, 1, width() - 2, height() - 2));
    }
    last_drawn_ = source;
    if (caption_.has_caption) DrawCaptionText(painter);
    painter.end();
    if (draw_callback_) draw_callback_(*this, source != nullptr && source == images_.normal);
}

void CPngButton::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    // Every hover starts the tooltip afresh.
    if (!tooltip_text_.isEmpty()) {
        SetTooltip(tooltip_text_, true);
        tooltip_timer_.start();
    }
    QAbstractButton::enterEvent(event);
}

void CPngButton::leaveEvent(QEvent* event) {
    hovered_ = false;
    tooltip_timer_.stop();
    update();
    QAbstractButton::leaveEvent(event);
}

void CPngButton::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second click of a double-click is a click of its own. Platforms
    // deliver its press before the double-click event; where none came, the
    // double-click is taken as the press.
    if (event->button() == Qt::LeftButton && !isDown()) {
        mousePressEvent(event);
        return;
    }
    event->accept();
}

void CPngButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) update();
    QAbstractButton::changeEvent(event);
}

void CPngButton::ShowTooltipNow() {
    if (!hovered_ || !tooltip_active_ || tooltip_text_.isEmpty()) return;
    QToolTip::showText(QCursor::pos(), tooltip_text_, this, rect(), kTooltipShowMs);
}

QSize CPngButton::sizeHint() const { return size().isValid() ? size() : QSize(1, 1); }

}  // namespace quovex::gui
