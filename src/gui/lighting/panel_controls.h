// The lighting panel's controls on the main window, made from the panel's
// control table and placed from the main skin file: static texts, pictures
// (clickable or not), the effect list and the editable preset list, the two
// picture sliders, the colour buttons, the RGB boxes and the report-rate
// buttons, plus the controls that are placed and always kept hidden. Every
// control is a child of the window and is found by its control id.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <array>
#include <map>
#include <string_view>
#include <vector>

#include "lighting/lighting_skin_texts.h"
#include "skin/png_button.h"
#include "skin/skin_layout.h"
#include "widgets/clickable_picture.h"
#include "widgets/colour_button.h"
#include "widgets/integer_edit.h"
#include "widgets/picture_slider.h"

namespace quovex::gui {

class PanelControls {
public:
    // The RGB boxes take numbers of up to three digits (300 becomes 255 later).
    static constexpr int kRgbBoxDigits = 3;

    PanelControls(QWidget& window, const skin::SkinLayoutFile& skin);

    // Makes and places every control (PlaceLightingPanel). The report-rate
    // buttons take `report_rate_images` with their skin offsets.
    void Create(const SkinImageSet& report_rate_images);

    // The control of an id of the panel's table, or null.
    QWidget* Control(int control_id) const;
    ClickablePicture* Picture(int control_id) const;
    CPictureSlider* Slider(int control_id) const;
    CColourButton* ColourButton(int control_id) const;
    CIntegerEdit* RgbBox(int control_id) const;
    CPngButton* ReportRateButton(int control_id) const;
    QLabel* Label(int control_id) const;
    QComboBox& EffectList() const { return *effect_list_; }
    QComboBox& PresetList() const { return *preset_list_; }

    const std::vector<ClickablePicture*>& Pictures() const { return pictures_; }
    const std::vector<CPictureSlider*>& Sliders() const { return sliders_; }
    const std::vector<CColourButton*>& ColourButtons() const { return colour_buttons_; }
    const std::vector<CIntegerEdit*>& RgbBoxes() const { return rgb_boxes_; }
    const std::vector<CPngButton*>& ReportRateButtons() const { return report_rate_buttons_; }

    // Each label of the list shows its text (SetPanelLabels).
    void SetLabels(const std::vector<PanelLabel>& labels);

    // Moves a control to the position of `position_key`, keeping its size.
    void MoveTo(int control_id, std::string_view position_key);

private:
    template <typename Widget>
    Widget* Find(int control_id) const;
    void Place(QWidget& control, int control_id, std::string_view position_key);

    QWidget& window_;
    const skin::SkinLayoutFile& skin_;
    std::map<int, QWidget*> controls_;
    QComboBox* effect_list_ = nullptr;
    QComboBox* preset_list_ = nullptr;
    std::vector<ClickablePicture*> pictures_;
    std::vector<CPictureSlider*> sliders_;
    std::vector<CColourButton*> colour_buttons_;
    std::vector<CIntegerEdit*> rgb_boxes_;
    std::vector<CPngButton*> report_rate_buttons_;
};

}  // namespace quovex::gui
