#include "skin/caption_style.h"

#include <cmath>

namespace quovex::gui {

int CaptionPixelSize(int point_size, int dots_per_inch) {
    const long long product = static_cast<long long>(point_size) * dots_per_inch;
    return static_cast<int>((product + (product >= 0 ? 36 : -36)) / 72);
}

QRect AngledCaptionRect(const QRect& text_rect, const QSize& text_size, int escapement) {
    const double angle = escapement / 10.0 * 3.1415927 / 180.0;
    const int cx = text_size.width(), cy = text_size.height();
    const int rotated_width = static_cast<int>(cx * std::cos(angle));
    const int rotated_height = static_cast<int>(cx * std::sin(angle));
    QRect rect = text_rect;
    const int width = rect.width(), height = rect.height();
    if (rotated_width < width) {
        rect.setLeft(rect.left() + (width - rotated_width) / 2 - static_cast<int>(cy * std::sin(angle) * 0.5));
    }
    if (rotated_height < height) {
        // QRect's bottom() is inclusive; move the exclusive bottom edge.
        const int bottom_edge = rect.top() + height;
        const int moved = bottom_edge - ((height - rotated_height) / 2) - static_cast<int>(cy * std::cos(angle) * -0.5);
        rect.setBottom(moved - 1);
    }
    return rect;
}

}  // namespace quovex::gui
