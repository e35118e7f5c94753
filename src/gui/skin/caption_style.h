// How a skinned button draws its caption over its picture: font, colour,
// text format and an optional angle, as the dialogs set them.
#pragma once

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>

namespace quovex::gui {

// Text format flags, with the values the dialogs' caption styles give.
namespace text_format {
inline constexpr int kLeft = 0x00;
inline constexpr int kCentre = 0x01;
inline constexpr int kRight = 0x02;
inline constexpr int kTop = 0x00;
inline constexpr int kVCentre = 0x04;
inline constexpr int kBottom = 0x08;
inline constexpr int kWordBreak = 0x10;
inline constexpr int kSingleLine = 0x20;
// 37: centred horizontally and vertically on one line.
inline constexpr int kDefault = kCentre | kVCentre | kSingleLine;
}  // namespace text_format

struct CaptionStyle {
    bool has_caption = false;
    int point_size = 8;
    QString face_name = QStringLiteral("Tahoma");
    QColor colour = Qt::black;
    int format_flags = text_format::kDefault;
    // Added to the left, right, top and bottom edges of the text rectangle.
    int margin_left = 0, margin_right = 0, margin_top = 0, margin_bottom = 0;
    int escapement = 0;  // tenths of a degree, counter-clockwise
    bool angled = false;
};

// Weights of the caption font: bold-black for angled captions, normal otherwise.
inline constexpr int kAngledWeight = 956;
inline constexpr int kNormalWeight = 400;

// The caption font's pixel height for a point size at `dots_per_inch`
// (rounded as a multiply-divide rounds).
int CaptionPixelSize(int point_size, int dots_per_inch);

// The text rectangle of an angled caption: the client rectangle with the
// margins added, then moved so that text `text_size` wide and high (measured
// unrotated) rising at the escapement's angle comes out centred. With
// escapement 0 the left edge moves right by half the room the text leaves.
QRect AngledCaptionRect(const QRect& text_rect, const QSize& text_size, int escapement);

}  // namespace quovex::gui
