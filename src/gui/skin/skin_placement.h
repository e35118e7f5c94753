// Placing controls from a skin file's rectangles.
//
// A button takes its rectangle and copies its pictures from the state
// surfaces at the same place; a button whose rectangle starts at (1, 1) - a
// missing key among them - is disabled. Other controls only take their place.
#pragma once

#include <QWidget>
#include <string_view>

#include "skin/png_button.h"
#include "skin/skin_image.h"
#include "skin/skin_layout.h"
#include "skin/skin_rect.h"

namespace quovex::gui {

// Moves and sizes `control` to `rect` (a negative size counts as 0).
void PlaceControl(QWidget& control, const skin::SkinRect& rect);

// ReadSkinButton: places the button, gives it `images` with the image offset
// (x, y) and disables it when x = y = 1.
void ReadSkinButton(CPngButton& button, const skin::SkinLayoutFile& ini, std::string_view section,
                    std::string_view key, const SkinImageSet& images);
// ReadSkinRect: position and size only; a missing key leaves the control 1 x 1 at (1, 1), enabled.
void ReadSkinRect(QWidget& control, const skin::SkinLayoutFile& ini, std::string_view section, std::string_view key);
// ReadSkinButtonAt: places the button from one key and takes its image offset
// from another (only x and y of that value count), with `image` in all five states.
void ReadSkinButtonAt(CPngButton& button, const skin::SkinLayoutFile& ini, std::string_view section,
                      std::string_view key, std::string_view offset_section, std::string_view offset_key,
                      const QImage* image);
// ReadSkinPosition: moves the control to the rectangle's x, y and keeps its size.
void ReadSkinPosition(QWidget& control, const skin::SkinLayoutFile& ini, std::string_view section,
                      std::string_view key);

}  // namespace quovex::gui
