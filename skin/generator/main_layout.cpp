#include "main_layout.h"

#include <cmath>
#include <stdexcept>

namespace quovex::skin_gen::main_layout {

namespace {

int Px(double units) { return static_cast<int>(std::lround(units * kUnit)); }

QRect Inset(int left, int top, int right, int bottom) {
    return QRect(QPoint(left + kCapInset, top + kCapInset), QPoint(right - kCapInset - 1, bottom - kCapInset - 1));
}

QRect CapOf(double x, double y, double w, double h) {
    return Inset(kKeyOrigin.x() + Px(x), kKeyOrigin.y() + Px(y), kKeyOrigin.x() + Px(x + w),
                 kKeyOrigin.y() + Px(y + h));
}

std::vector<NamedRect> BuildControlRects() {
    // The lighting panel's rows (left column), 32 pixels apart.
    constexpr int kRowDeng = 270, kRowA = 302, kRowB = 334, kRowC = 366, kRowD = 398, kRowE = 430, kRowReport = 474;
    constexpr int kLeft = 24, kValueX = 100;

    std::vector<NamedRect> rects = {
        // Title bar.
        {"PELMAR_LINK", {16, 10, 156, 28}},
        {"CONTROL_MENU", {1100, 10, 34, 28}},
        {"CONTROL_HELP", {1138, 10, 34, 28}},
        {"CONTROL_MINIMIZE", {1176, 10, 34, 28}},
        {"CONTROL_CLOSE", {1214, 10, 34, 28}},
        // Profile row.
        {"FUNC_PROFILES", {304, 56, 196, 60}},
        {"FUNC_PROFILE1", {516, 69, 108, 34}},
        {"FUNC_PROFILE2", {628, 69, 108, 34}},
        {"FUNC_PROFILE3", {740, 69, 108, 34}},
        // Under the keyboard: key view switch, macro editor, default keys.
        {"FUNC_SWITCH", {304, 410, 280, 36}},
        {"FUNC_MACRO", {1040, 410, 100, 36}},
        {"FUNC_DEFAULT", {1148, 410, 100, 36}},
        // Bottom bar.
        {"PELMAR_VER", {304, 481, 360, 18}},
        {"CONTROL_OK", {940, 472, 100, 36}},
        {"CONTROL_CANCEL", {1044, 472, 100, 36}},
        {"CONTROL2_APPLY", {1148, 472, 100, 36}},
        // Lock and bank lights on the plate above the number pad.
        {"LOCK_NUM", CapOf(kLockLightsX + 0, 0, 1, 1)},
        {"LOCK_CAPS", CapOf(kLockLightsX + 1, 0, 1, 1)},
        {"LOCK_SCROLL", CapOf(kLockLightsX + 2, 0, 1, 1)},
        {"LOCK_AB", CapOf(kLockLightsX + 3, 0, 1, 1)},
        // Flip area of the function-key row and its two handles with their arrows.
        {"FLIP_0", CapRect(kFlipArea)},
        {"FLIP_1", CapRect(kFlipHandleLeft)},
        {"FLIP_2", CapRect(kFlipHandleRight)},
        // Report rate.
        {"FUNC_REPORT1", {110, kRowReport, 34, 24}},
        {"FUNC_REPORT2", {147, kRowReport, 34, 24}},
        {"FUNC_REPORT3", {184, kRowReport, 34, 24}},
        {"FUNC_REPORT4", {221, kRowReport, 34, 24}},

        // Lighting panel: switch and effect list.
        {"CONTROL_DengStatic", {kLeft, kRowDeng, 150, 24}},
        {"CONTROL_DengStaPic", {208, kRowDeng, 48, 24}},
        {"CONTROL_XGcombox", {kLeft, kRowA, 232, 24}},
        // Brightness and speed.
        {"CONTROL_LightStatic", {kLeft, kRowB, 72, 24}},
        {"CONTROL_LightSlider", {kValueX, kRowB + 2, 156, 20}},
        {"CONTROL_SpeedStatic", {kLeft, kRowC, 72, 24}},
        {"CONTROL_SpeedSlider", {kValueX, kRowC + 2, 156, 20}},
        // Direction: under brightness when the mode has no speed (mode 18).
        {"CONTROL_BLFXStatic", {kLeft, kRowC, 72, 24}},
        {"CONTROL_BLFXLStaPic", {kValueX, kRowC, 40, 24}},
        {"CONTROL_BLFXRStaPic", {kValueX + 48, kRowC, 40, 24}},
        // First colour group (modes without speed), second (modes with speed).
        {"CONTROL_FYYSStatic", {kLeft, kRowC, 56, 24}},
        {"CONTROL_FYYSButton", {84, kRowC, 40, 24}},
        {"CONTROL_FYSJSStaPic", {136, kRowC + 1, 32, 22}},
        {"CONTROL_FYSJSStatic", {172, kRowC, 84, 24}},
        {"CONTROL_HXysStatic", {kLeft, kRowD, 56, 24}},
        {"CONTROL_HXysButton", {84, kRowD, 40, 24}},
        {"CONTROL_HXsjsStaPic", {136, kRowD + 1, 32, 22}},
        {"CONTROL_HXsjsStatic", {172, kRowD, 84, 24}},
        // Swatches (mode 17).
        {"CONTROL_HONGPIC", {kLeft, kRowC, 48, 24}},
        {"CONTROL_HUANGPIC", {85, kRowC, 48, 24}},
        {"CONTROL_LVPIC", {146, kRowC, 48, 24}},
        {"CONTROL_LANPIC", {207, kRowC, 48, 24}},
        // User mode (mode 20): presets, paint and base colours, tools.
        {"CONTROL_umCombo", {kLeft, kRowC, 232, 24}},
        {"CONTROL_USERysStatic", {kLeft, kRowD, 56, 24}},
        {"CONTROL_USERysButton", {84, kRowD, 40, 24}},
        {"CONTROL_USERjsStatic", {136, kRowD, 76, 24}},
        {"CONTROL_USERjsButton", {216, kRowD, 40, 24}},
        {"CONTROL_USERgjStatic", {kLeft, kRowE, 72, 24}},
        {"CONTROL_USERgjStaPic1", {kValueX, kRowE, 40, 24}},
        {"CONTROL_USERgjStaPic2", {kValueX + 48, kRowE, 40, 24}},
        // Red, green and blue boxes under the wheel.
        {"m_rgbr_static", {24, 218, 16, 24}},
        {"m_edit_rgbr", {42, 218, 54, 24}},
        {"m_rgbg_static", {104, 218, 16, 24}},
        {"m_edit_rgbg", {122, 218, 54, 24}},
        {"m_rgbb_static", {184, 218, 16, 24}},
        {"m_edit_rgbb", {202, 218, 54, 24}},
        {"CONTROL_UsbStatic", {kLeft, kRowReport, 84, 24}},
        // The Apply progress, beside the window's commands.
        {"CONTROL_JDTStatic", {826, 486, 100, 8}},
        // Placed and never shown: trigger kind, stone-throw, ribbon and static colours.
        {"CONTROL_FYCFStatic", {kLeft, kRowD, 72, 24}},
        {"CONTROL_FYdjcfStaPic", {kValueX, kRowD + 3, 18, 18}},
        {"CONTROL_FYdjcfStatic", {kValueX + 20, kRowD, 56, 24}},
        {"CONTROL_FYggcfStaPic", {180, kRowD + 3, 18, 18}},
        {"CONTROL_FYggcfStatc", {200, kRowD, 56, 24}},
        {"CONTROL_TSysStatic", {kLeft, kRowE, 56, 24}},
        {"CONTROL_TSysButton", {84, kRowE, 40, 24}},
        {"CONTROL_TSsjsStaPic", {136, kRowE + 1, 32, 22}},
        {"CONTROL_TSsjsStatic", {172, kRowE, 84, 24}},
        {"CONTROL_CDysStatic", {kLeft, kRowE, 56, 24}},
        {"CONTROL_CDysButton", {84, kRowE, 40, 24}},
        {"CONTROL_CDsjsStaPic", {136, kRowE + 1, 32, 22}},
        {"CONTROL_CDsjsStatic", {172, kRowE, 84, 24}},
        {"CONTROL_JTysStatic", {kLeft, kRowC, 56, 24}},
        {"CONTROL_JTysButton", {84, kRowC, 40, 24}},
        // Direction with speed: under the second colour group (modes 1 to 3),
        // or under speed (mode 12). Only their positions are read.
        {"CONTROL_BLFXStatic2", {kLeft, kRowE, 72, 24}},
        {"CONTROL_BLFXLStaPic2", {kValueX, kRowE, 40, 24}},
        {"CONTROL_BLFXRStaPic2", {kValueX + 48, kRowE, 40, 24}},
        {"CONTROL_BLFXStatic3", {kLeft, kRowD, 72, 24}},
        {"CONTROL_BLFXLStaPic3", {kValueX, kRowD, 40, 24}},
        {"CONTROL_BLFXRStaPic3", {kValueX + 48, kRowD, 40, 24}},
    };
    // The arrows sit in the middle of the flip handles.
    for (const auto& [key, handle] : {std::pair{"LEFT_ARROW", kFlipHandleLeft}, {"RIGHT_ARROW", kFlipHandleRight}}) {
        const QRect handle_rect = CapRect(handle);
        const QSize size(10, 12);
        rects.push_back({key, QRect(handle_rect.center() - QPoint(size.width() / 2 - 1, size.height() / 2 - 1), size)});
    }
    return rects;
}

std::vector<NamedRect> BuildArrowFrames() {
    // Sprites on an 8-pixel grid so that no JPEG block mixes two of them.
    const char* order[] = {"UP_ARROW_LEFT",  "DOWN_ARROW_LEFT",  "UP_ARROW_RIGHT", "DOWN_ARROW_RIGHT"};
    std::vector<NamedRect> frames;
    const QSize size = ControlRect("LEFT_ARROW").size();
    for (int prefix = 0; prefix < 4; ++prefix) {
        for (int frame = 1; frame <= 2; ++frame) {
            const int index = prefix * 2 + frame - 1;
            frames.push_back({std::string(order[prefix]) + std::to_string(frame), QRect(QPoint(16 + 32 * index, 16), size)});
        }
    }
    return frames;
}

}  // namespace

QRectF UnitsToPixels(double x, double y, double w, double h) {
    return QRectF(QPointF(kKeyOrigin.x() + Px(x), kKeyOrigin.y() + Px(y)),
                  QPointF(kKeyOrigin.x() + Px(x + w), kKeyOrigin.y() + Px(y + h)));
}

QRect CapRect(const KeyPlace& place) { return CapOf(place.x, place.y, place.w, place.h); }
QRect CapRect(const UnitRect& rect) { return CapOf(rect.x, rect.y, rect.w, rect.h); }

QPolygonF BigEnterOutline() {
    const KeyPlace upper = SecondEnterPlace();
    const KeyPlace* lower = FindKeyPlace(0x01C);
    const double left_top = kKeyOrigin.x() + Px(upper.x) + kCapInset;
    const double left_bottom = kKeyOrigin.x() + Px(lower->x) + kCapInset;
    const double right = kKeyOrigin.x() + Px(upper.x + upper.w) - kCapInset;
    const double top = kKeyOrigin.y() + Px(upper.y) + kCapInset;
    const double step = kKeyOrigin.y() + Px(lower->y) + kCapInset;
    const double bottom = kKeyOrigin.y() + Px(lower->y + lower->h) - kCapInset;
    return QPolygonF({QPointF(left_top, top), QPointF(right, top), QPointF(right, bottom), QPointF(left_bottom, bottom),
                      QPointF(left_bottom, step), QPointF(left_top, step)});
}

QRect SecondEnterRect() {
    const QRectF outline = BigEnterOutline().boundingRect();
    const KeyPlace* lower = FindKeyPlace(0x01C);
    const int split = kKeyOrigin.y() + Px(lower->y) + kCapInset;
    const QPolygonF l = BigEnterOutline();
    return QRect(QPoint(static_cast<int>(l[0].x()), static_cast<int>(outline.top())),
                 QPoint(static_cast<int>(outline.right()) - 1, split - 1));
}

QRect EnterRect() {
    const QPolygonF l = BigEnterOutline();
    const KeyPlace* lower = FindKeyPlace(0x01C);
    const int split = kKeyOrigin.y() + Px(lower->y) + kCapInset;
    return QRect(QPoint(static_cast<int>(l[3].x()), split), QPoint(static_cast<int>(l[2].x()) - 1, static_cast<int>(l[2].y()) - 1));
}

const std::vector<NamedRect>& ControlRects() {
    static const std::vector<NamedRect> rects = BuildControlRects();
    return rects;
}

QRect ControlRect(const std::string& key) {
    for (const NamedRect& named : ControlRects()) {
        if (named.key == key) return named.rect;
    }
    throw std::out_of_range("no place for " + key);
}

const std::vector<NamedRect>& ArrowFrames() {
    static const std::vector<NamedRect> frames = BuildArrowFrames();
    return frames;
}

}  // namespace quovex::skin_gen::main_layout
