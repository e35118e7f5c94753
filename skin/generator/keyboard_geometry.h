// Where each key of the keyboard picture sits: a 104-key board with a column
// of nine G keys on its left, in key units (one unit is the pitch of a normal
// key), rows from the function-key row (0) down to the bottom row (5.5; the
// function-key row stands half a unit apart). The big Enter is an inverted L
// made of two buttons: its upper part is the second Enter shape (button 1057),
// its lower part the Enter key of the key list.
#pragma once

#include <QString>
#include <array>
#include <span>

#include "model/key_layout.h"

namespace quovex::skin_gen {

struct KeyPlace {
    int code;  // the key's KeyCode (scan code, 0x100 for E0 keys)
    double x, y, w, h;
    QString legend;
    QString shifted;    // printed small above the legend
    QString secondary;  // printed small below (numpad functions)
};

// Column starts, in units from the left edge of the key area.
inline constexpr double kGColumnX = 0.0;
inline constexpr double kGColumnWidth = 1.25;
inline constexpr double kMainX = 1.625;
inline constexpr double kNavX = kMainX + 15.5;
inline constexpr double kPadX = kNavX + 3.5;
inline constexpr double kAreaWidth = kPadX + 4.0;
inline constexpr double kAreaHeight = 6.5;

// The 104 keys of the key list, in no particular order.
std::span<const KeyPlace> KeyPlaces();
const KeyPlace* FindKeyPlace(int code);

// The upper part of the big Enter, the Fn key, and the nine G keys (G1..G9,
// stacked down the G column over the full height of the key area).
KeyPlace SecondEnterPlace();
KeyPlace FnPlace();
// G key j = 0 .. kGKeyCount - 1 of the key layout.
KeyPlace GKeyPlace(int j);

// Printed on the plate above the number pad: the lock lights and the G-key
// bank light, one unit each.
inline constexpr double kLockLightsX = kPadX;

// The flip area of the function-key row: the two handles in the gaps before
// F1 and after F4, and the area they bound (F1 to F4 with both handles).
struct UnitRect {
    double x, y, w, h;
};
inline constexpr UnitRect kFlipHandleLeft = {kMainX + 1.3, 0.0, 0.4, 1.0};
inline constexpr UnitRect kFlipHandleRight = {kMainX + 6.05, 0.0, 0.4, 1.0};
inline constexpr UnitRect kFlipArea = {kMainX + 1.3, 0.0, 5.15, 1.0};

}  // namespace quovex::skin_gen
