#include "skin/skin_placement.h"

#include <algorithm>

namespace quovex::gui {

void PlaceControl(QWidget& control, const skin::SkinRect& rect) {
    control.setGeometry(rect.x, rect.y, std::max(0, rect.w), std::max(0, rect.h));
}

void ReadSkinButton(CPngButton& button, const skin::SkinLayoutFile& ini, std::string_view section,
                    std::string_view key, const SkinImageSet& images) {
    const skin::SkinRect rect = ini.Rect(section, key);
    PlaceControl(button, rect);
    button.SetSkin(rect.x, rect.y, images, true);
    if (rect.MarksAbsentButton()) button.setEnabled(false);
}

void ReadSkinRect(QWidget& control, const skin::SkinLayoutFile& ini, std::string_view section, std::string_view key) {
    PlaceControl(control, ini.Rect(section, key));
}

void ReadSkinButtonAt(CPngButton& button, const skin::SkinLayoutFile& ini, std::string_view section,
                      std::string_view key, std::string_view offset_section, std::string_view offset_key,
                      const QImage* image) {
    PlaceControl(button, ini.Rect(section, key));
    const skin::SkinRect offset = ini.Rect(offset_section, offset_key);
    button.SetSkin(offset.x, offset.y, SkinImageSet::All(image), true);
}

void ReadSkinPosition(QWidget& control, const skin::SkinLayoutFile& ini, std::string_view section,
                      std::string_view key) {
    const skin::SkinRect rect = ini.Rect(section, key);
    control.move(rect.x, rect.y);
    control.update();
}

}  // namespace quovex::gui
