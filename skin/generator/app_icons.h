// The application's three icons (no keyboard, keyboard attached, keyboard
// event) as PNG files in several sizes, compiled into the program's resources.
// Files are named "<kind>_<size>.png"; the GUI's resource list names the same.
#pragma once

#include <QImage>
#include <array>

#include "output_folder.h"

namespace quovex::skin_gen {

enum class AppIcon { kNoKeyboard, kKeyboardAttached, kKeyboardEvent };
inline constexpr std::array<const char*, 3> kAppIconNames = {"no_keyboard", "keyboard_attached", "keyboard_event"};
inline constexpr std::array<int, 7> kAppIconSizes = {16, 22, 24, 32, 48, 64, 256};

QImage DrawAppIcon(AppIcon icon, int size);
void GenerateAppIcons(OutputFolder& out);

}  // namespace quovex::skin_gen
