// The main window's layout: its size, the keyboard picture's place and scale,
// and the rectangle of every control of Main.ini. Left: the colour wheel and
// the lighting panel; right: profiles, the keyboard picture, the key-view
// switch and the window's commands.
#pragma once

#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QSize>
#include <string>
#include <vector>

#include "keyboard_geometry.h"

namespace quovex::skin_gen::main_layout {

inline constexpr QSize kWindowSize{1260, 520};
inline constexpr int kWindowRadius = 12;
inline constexpr int kTitleBarHeight = 48;

// The colour wheel drawn into the background: the program picks colours from
// the screen inside this circle.
inline constexpr QPoint kWheelCentre{140, 144};
inline constexpr int kWheelRadius = 63;

inline constexpr QRect kWheelCard{12, 56, 256, 196};
inline constexpr QRect kLightingCard{12, 260, 256, 248};
inline constexpr int kLightingDividerY = 464;
inline constexpr QRect kKeyboardCase{304, 124, 944, 273};
inline constexpr int kBottomDividerY = 462;

// The key area inside the case, and the pitch of one key unit in pixels.
inline constexpr QPoint kKeyOrigin{320, 140};
inline constexpr double kUnit = 37.0;
// Space between neighbouring key caps, split over both sides.
inline constexpr int kCapInset = 2;

// A unit rectangle of the key area in window pixels (grid edges, no inset).
QRectF UnitsToPixels(double x, double y, double w, double h);
// The cap rectangle of a key place (the grid cell inset on every side).
QRect CapRect(const KeyPlace& place);
QRect CapRect(const UnitRect& rect);

// The big Enter: the outline of the whole L and the two button rectangles
// (upper part: second Enter shape; lower part: Enter). The two rectangles
// meet without overlapping.
QPolygonF BigEnterOutline();
QRect SecondEnterRect();
QRect EnterRect();

struct NamedRect {
    std::string key;
    QRect rect;
};

// Every [BUTTONINFO] value of Main.ini but the key buttons, in file order.
const std::vector<NamedRect>& ControlRects();
QRect ControlRect(const std::string& key);  // throws when the key has no place

// [BUTTONINFO2]: where each arrow frame lies in Arrow.jpg.
const std::vector<NamedRect>& ArrowFrames();

// The report-rate buttons' labels, for indexes 0 to 3.
inline constexpr const char* kReportRateLabels[4] = {"125", "250", "500", "1000"};

}  // namespace quovex::skin_gen::main_layout
