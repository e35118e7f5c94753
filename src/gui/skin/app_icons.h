// The application's icons, drawn by the skin generator at build time and kept
// in the program's resources: the application icon (no keyboard attached), the
// keyboard-attached icon and the keyboard-event icon of the tray.
#pragma once

#include <QIcon>

namespace quovex::gui {

// Keyed by the icons' resource ids.
enum class AppIconKind {
    kNoKeyboard = 128,        // the application icon; the tray while no keyboard is attached
    kKeyboardAttached = 141,  // a keyboard is attached
    kKeyboardEvent = 142,     // the keyboard has reported an event
};

// Every size the resources hold (16 to 256 pixels); a null icon for an id
// that is none of the three.
QIcon AppIcon(AppIconKind kind);
QIcon AppIconById(int resource_id);

}  // namespace quovex::gui
