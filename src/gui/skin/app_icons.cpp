#include "skin/app_icons.h"

#include <array>

namespace quovex::gui {

namespace {
// The resource names and sizes the skin generator draws.
constexpr std::array<int, 7> kSizes = {16, 22, 24, 32, 48, 64, 256};

const char* NameOf(AppIconKind kind) {
    switch (kind) {
        case AppIconKind::kNoKeyboard: return "no_keyboard";
        case AppIconKind::kKeyboardAttached: return "keyboard_attached";
        case AppIconKind::kKeyboardEvent: return "keyboard_event";
    }
    return nullptr;
}
}  // namespace

QIcon AppIcon(AppIconKind kind) {
    const char* name = NameOf(kind);
    if (!name) return {};
    QIcon icon;
    for (const int size : kSizes) {
        icon.addFile(QStringLiteral(":/icons/%1_%2.png").arg(QLatin1String(name)).arg(size), QSize(size, size));
    }
    return icon;
}

QIcon AppIconById(int resource_id) {
    switch (resource_id) {
        case 128: return AppIcon(AppIconKind::kNoKeyboard);
        case 141: return AppIcon(AppIconKind::kKeyboardAttached);
        case 142: return AppIcon(AppIconKind::kKeyboardEvent);
        default: return {};
    }
}

}  // namespace quovex::gui
