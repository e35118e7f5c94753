#include "keyboard_geometry.h"

#include <vector>

namespace quovex::skin_gen {

namespace {

constexpr double kF = 0.0, kR1 = 1.5, kR2 = 2.5, kR3 = 3.5, kR4 = 4.5, kR5 = 5.5;
constexpr double M = kMainX, N = kNavX, P = kPadX;

KeyPlace K(int code, double x, double y, double w, const char* legend, const char* shifted = "",
           const char* secondary = "", double h = 1.0) {
    return KeyPlace{code, x, y, w, h, QString::fromUtf8(legend), QString::fromUtf8(shifted),
                    QString::fromUtf8(secondary)};
}

std::vector<KeyPlace> BuildPlaces() {
    std::vector<KeyPlace> keys = {
        // Function-key row.
        K(0x001, M + 0, kF, 1, "Esc"),
        K(0x03B, M + 2, kF, 1, "F1"), K(0x03C, M + 3, kF, 1, "F2"), K(0x03D, M + 4, kF, 1, "F3"),
        K(0x03E, M + 5, kF, 1, "F4"),
        K(0x03F, M + 6.5, kF, 1, "F5"), K(0x040, M + 7.5, kF, 1, "F6"), K(0x041, M + 8.5, kF, 1, "F7"),
        K(0x042, M + 9.5, kF, 1, "F8"),
        K(0x043, M + 11, kF, 1, "F9"), K(0x044, M + 12, kF, 1, "F10"), K(0x057, M + 13, kF, 1, "F11"),
        K(0x058, M + 14, kF, 1, "F12"),
        K(0x137, N + 0, kF, 1, "PrtSc"), K(0x046, N + 1, kF, 1, "ScrLk"), K(0x045, N + 2, kF, 1, "Pause"),
        // Number row.
        K(0x029, M + 0, kR1, 1, "`", "~"),
        K(0x002, M + 1, kR1, 1, "1", "!"), K(0x003, M + 2, kR1, 1, "2", "@"), K(0x004, M + 3, kR1, 1, "3", "#"),
        K(0x005, M + 4, kR1, 1, "4", "$"), K(0x006, M + 5, kR1, 1, "5", "%"), K(0x007, M + 6, kR1, 1, "6", "^"),
        K(0x008, M + 7, kR1, 1, "7", "&"), K(0x009, M + 8, kR1, 1, "8", "*"), K(0x00A, M + 9, kR1, 1, "9", "("),
        K(0x00B, M + 10, kR1, 1, "0", ")"), K(0x00C, M + 11, kR1, 1, "-", "_"), K(0x00D, M + 12, kR1, 1, "=", "+"),
        K(0x00E, M + 13, kR1, 2, "Backspace"),
        K(0x152, N + 0, kR1, 1, "Ins"), K(0x147, N + 1, kR1, 1, "Home"), K(0x149, N + 2, kR1, 1, "PgUp"),
        K(0x145, P + 0, kR1, 1, "Num", "", "Lock"), K(0x135, P + 1, kR1, 1, "/"), K(0x037, P + 2, kR1, 1, "*"),
        K(0x04A, P + 3, kR1, 1, "-"),
        // Top letter row; the big Enter's upper part follows "]".
        K(0x00F, M + 0, kR2, 1.5, "Tab"),
        K(0x010, M + 1.5, kR2, 1, "Q"), K(0x011, M + 2.5, kR2, 1, "W"), K(0x012, M + 3.5, kR2, 1, "E"),
        K(0x013, M + 4.5, kR2, 1, "R"), K(0x014, M + 5.5, kR2, 1, "T"), K(0x015, M + 6.5, kR2, 1, "Y"),
        K(0x016, M + 7.5, kR2, 1, "U"), K(0x017, M + 8.5, kR2, 1, "I"), K(0x018, M + 9.5, kR2, 1, "O"),
        K(0x019, M + 10.5, kR2, 1, "P"), K(0x01A, M + 11.5, kR2, 1, "[", "{"), K(0x01B, M + 12.5, kR2, 1, "]", "}"),
        K(0x153, N + 0, kR2, 1, "Del"), K(0x14F, N + 1, kR2, 1, "End"), K(0x151, N + 2, kR2, 1, "PgDn"),
        K(0x047, P + 0, kR2, 1, "7", "", "Home"), K(0x048, P + 1, kR2, 1, "8", "", "↑"),
        K(0x049, P + 2, kR2, 1, "9", "", "PgUp"), K(0x04E, P + 3, kR2, 1, "+", "", "", 2.0),
        // Home row: the backslash sits left of the big Enter's lower part.
        K(0x03A, M + 0, kR3, 1.75, "Caps Lock"),
        K(0x01E, M + 1.75, kR3, 1, "A"), K(0x01F, M + 2.75, kR3, 1, "S"), K(0x020, M + 3.75, kR3, 1, "D"),
        K(0x021, M + 4.75, kR3, 1, "F"), K(0x022, M + 5.75, kR3, 1, "G"), K(0x023, M + 6.75, kR3, 1, "H"),
        K(0x024, M + 7.75, kR3, 1, "J"), K(0x025, M + 8.75, kR3, 1, "K"), K(0x026, M + 9.75, kR3, 1, "L"),
        K(0x027, M + 10.75, kR3, 1, ";", ":"), K(0x028, M + 11.75, kR3, 1, "'", "\""),
        K(0x02B, M + 12.75, kR3, 1, "\\", "|"),
        K(0x01C, M + 13.75, kR3, 1.25, ""),
        K(0x04B, P + 0, kR3, 1, "4", "", "←"), K(0x04C, P + 1, kR3, 1, "5"), K(0x04D, P + 2, kR3, 1, "6", "", "→"),
        // Bottom letter row.
        K(0x02A, M + 0, kR4, 2.25, "Shift"),
        K(0x02C, M + 2.25, kR4, 1, "Z"), K(0x02D, M + 3.25, kR4, 1, "X"), K(0x02E, M + 4.25, kR4, 1, "C"),
        K(0x02F, M + 5.25, kR4, 1, "V"), K(0x030, M + 6.25, kR4, 1, "B"), K(0x031, M + 7.25, kR4, 1, "N"),
        K(0x032, M + 8.25, kR4, 1, "M"), K(0x033, M + 9.25, kR4, 1, ",", "<"), K(0x034, M + 10.25, kR4, 1, ".", ">"),
        K(0x035, M + 11.25, kR4, 1, "/", "?"), K(0x036, M + 12.25, kR4, 2.75, "Shift"),
        K(0x148, N + 1, kR4, 1, "↑"),
        K(0x04F, P + 0, kR4, 1, "1", "", "End"), K(0x050, P + 1, kR4, 1, "2", "", "↓"),
        K(0x051, P + 2, kR4, 1, "3", "", "PgDn"), K(0x11C, P + 3, kR4, 1, "Enter", "", "", 2.0),
        // Bottom row: Fn takes the place between the right Alt and the menu key.
        K(0x01D, M + 0, kR5, 1.25, "Ctrl"), K(0x15B, M + 1.25, kR5, 1.25, "Win"), K(0x038, M + 2.5, kR5, 1.25, "Alt"),
        K(0x039, M + 3.75, kR5, 6.25, ""),
        K(0x138, M + 10, kR5, 1, "Alt"), K(0x15D, M + 12, kR5, 1, "App"), K(0x15C, M + 13, kR5, 1, "Win"),
        K(0x11D, M + 14, kR5, 1, "Ctrl"),
        K(0x14B, N + 0, kR5, 1, "←"), K(0x150, N + 1, kR5, 1, "↓"), K(0x14D, N + 2, kR5, 1, "→"),
        K(0x052, P + 0, kR5, 2, "0", "", "Ins"), K(0x053, P + 2, kR5, 1, ".", "", "Del"),
    };
    return keys;
}

const std::vector<KeyPlace>& Places() {
    static const std::vector<KeyPlace> places = BuildPlaces();
    return places;
}

}  // namespace

std::span<const KeyPlace> KeyPlaces() { return Places(); }

const KeyPlace* FindKeyPlace(int code) {
    for (const KeyPlace& place : Places()) {
        if (place.code == code) return &place;
    }
    return nullptr;
}

KeyPlace SecondEnterPlace() { return K(0x01C, M + 13.5, kR2, 1.5, "Enter"); }

KeyPlace FnPlace() { return K(0, M + 11, kR5, 1, "Fn"); }

KeyPlace GKeyPlace(int j) {
    const double pitch = kAreaHeight / kGKeyCount;
    KeyPlace place = K(0, kGColumnX, j * pitch, kGColumnWidth, "");
    place.h = pitch;
    place.legend = QStringLiteral("G%1").arg(j + 1);
    return place;
}

}  // namespace quovex::skin_gen
