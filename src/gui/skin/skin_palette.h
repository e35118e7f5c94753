// The colours plain controls take inside skinned dialogs (lists, edit boxes,
// drop-downs, check boxes), so that they sit well on the default skin's dark
// pictures: dark fields, light text, the skin's accent for selections.
#pragma once

#include <QPalette>

namespace quovex::gui {

QPalette SkinPalette();

}  // namespace quovex::gui
