#include "lighting/panel_controls.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <algorithm>

#include "lighting/lighting_panel_controls.h"
#include "lighting/preset_files.h"
#include "skin/skin_keys.h"
#include "skin/skin_palette.h"
#include "skin/skin_placement.h"
#include "widgets/field_combo_box.h"

namespace quovex::gui {

namespace {

namespace lc = lighting_control;

enum class ControlKind {
    kLabel,
    kPicture,           // shows a state, takes no clicks (the progress picture)
    kClickablePicture,  // the view switch, direction, multi-colour, swatch and tool pictures
    kEffectList,
    kPresetList,
    kSlider,
    kColourButton,
    kRgbBox,
    kReportRateButton,
    kNeverShown,
};

template <size_t N>
bool OneOf(const std::array<int, N>& ids, int id) {
    return std::ranges::find(ids, id) != ids.end();
}

ControlKind KindOf(const PanelControl& control) {
    const int id = control.id;
    if (control.shownFor == ShownFor::kNever) return ControlKind::kNeverShown;
    if (id == lc::kProgress) return ControlKind::kPicture;
    if (id == lc::kViewSwitch || id == lc::kDirectionFirst || id == lc::kDirectionSecond ||
        id == lc::kFirstGroupMultiColour || id == lc::kSecondGroupMultiColour || OneOf(lc::kSwatches, id) ||
        OneOf(lc::kTools, id)) {
        return ControlKind::kClickablePicture;
    }
    if (id == lc::kEffectList) return ControlKind::kEffectList;
    if (id == lc::kPresetList) return ControlKind::kPresetList;
    if (id == lc::kBrightnessSlider || id == lc::kSpeedSlider) return ControlKind::kSlider;
    if (id == lc::kFirstGroupColour || id == lc::kSecondGroupColour || id == lc::kPaintColour ||
        id == lc::kBaseColour) {
        return ControlKind::kColourButton;
    }
    if (OneOf(lc::kRgbBoxes, id)) return ControlKind::kRgbBox;
    if (OneOf(lc::kReportRateButtons, id)) return ControlKind::kReportRateButton;
    return ControlKind::kLabel;
}

// The skin key of a control that the panel's table lists without one (the
// controls that are kept hidden).
std::string_view SkinKeyOf(const PanelControl& control) {
    if (!control.positionKey.empty()) return control.positionKey;
    for (const skin::PanelControlKey& key : skin::kLightingPanelKeys) {
        if (key.control_id == control.id) return key.key;
    }
    return {};
}

// The fixed captions of the RGB boxes' labels.
QString RgbLabelText(int control_id) {
    static constexpr std::array<const char*, 3> kTexts = {"R:", "G:", "B:"};
    const auto found = std::ranges::find(lc::kRgbLabels, control_id);
    return found == lc::kRgbLabels.end() ? QString()
                                         : QString::fromLatin1(kTexts[static_cast<size_t>(found - lc::kRgbLabels.begin())]);
}

// Edit boxes as dark fields with a thin edge that lights up in the accent
// colour under the mouse and with the focus, as the lists draw themselves.
QString EditBoxStyleSheet() {
    const QPalette palette = SkinPalette();
    const auto colour = [&](QPalette::ColorRole role) { return palette.color(role).name(); };
    return QStringLiteral(
               "QLineEdit { background: %1; color: %2; border: 1px solid %3; border-radius: 4px; padding: 1px 4px;"
               " selection-background-color: %4; selection-color: %5; }"
               "QLineEdit:hover, QLineEdit:focus { border-color: %6; }")
        .arg(colour(QPalette::Base), colour(QPalette::Text), colour(QPalette::Light), colour(QPalette::Highlight),
             colour(QPalette::HighlightedText), colour(QPalette::Link));
}

QComboBox* MakeList(QWidget& window, int control_id, bool editable) {
    auto* list = new CFieldComboBox(&window, control_id, editable);
    list->setPalette(SkinPalette());
    list->view()->setPalette(SkinPalette());
    list->setMaxVisibleItems(kPresetsPerProfile * 2);
    if (editable) {
        // Typing renames the selected entry; it never adds one or completes to another.
        list->setInsertPolicy(QComboBox::NoInsert);
        list->setCompleter(nullptr);
        list->lineEdit()->setMaxLength(static_cast<int>(kPresetNameMaxCharacters));
    }
    return list;
}

}  // namespace

PanelControls::PanelControls(QWidget& window, const skin::SkinLayoutFile& skin) : window_(window), skin_(skin) {}

void PanelControls::Place(QWidget& control, int control_id, std::string_view position_key) {
    ReadSkinRect(control, skin_, skin::kSectionButtons, position_key);
    controls_[control_id] = &control;
}

void PanelControls::Create(const SkinImageSet& report_rate_images) {
    for (const PanelControl& control : LightingPanelControls()) {
        const int id = control.id;
        const std::string_view key = SkinKeyOf(control);
        switch (KindOf(control)) {
            case ControlKind::kPicture:
            case ControlKind::kClickablePicture: {
                auto* picture = new ClickablePicture(&window_, id, KindOf(control) == ControlKind::kClickablePicture);
                pictures_.push_back(picture);
                Place(*picture, id, key);
                break;
            }
            case ControlKind::kEffectList:
                effect_list_ = MakeList(window_, id, false);
                Place(*effect_list_, id, key);
                break;
            case ControlKind::kPresetList:
                preset_list_ = MakeList(window_, id, true);
                Place(*preset_list_, id, key);
                break;
            case ControlKind::kSlider: {
                auto* slider = new CPictureSlider(&window_, id);
                slider->SetRange(0, lc::kHighestSliderPosition);
                sliders_.push_back(slider);
                Place(*slider, id, key);
                break;
            }
            case ControlKind::kColourButton: {
                auto* button = new CColourButton(&window_, id);
                button->setPalette(SkinPalette());
                button->Popup().setPalette(SkinPalette());
                colour_buttons_.push_back(button);
                Place(*button, id, key);
                break;
            }
            case ControlKind::kRgbBox: {
                auto* box = new CIntegerEdit(&window_, id, kRgbBoxDigits);
                box->setPalette(SkinPalette());
                box->setStyleSheet(EditBoxStyleSheet());
                rgb_boxes_.push_back(box);
                Place(*box, id, key);
                break;
            }
            case ControlKind::kReportRateButton: {
                auto* button = new CPngButton(&window_, id);
                ReadSkinButton(*button, skin_, skin::kSectionButtons, key, report_rate_images);
                report_rate_buttons_.push_back(button);
                controls_[id] = button;
                break;
            }
            case ControlKind::kLabel: {
                auto* label = new QLabel(RgbLabelText(id), &window_);
                label->setPalette(SkinPalette());
                label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
                Place(*label, id, key);
                break;
            }
            case ControlKind::kNeverShown: {
                auto* hidden = new QWidget(&window_);
                Place(*hidden, id, key);
                hidden->hide();
                break;
            }
        }
    }
}

QWidget* PanelControls::Control(int control_id) const {
    const auto found = controls_.find(control_id);
    return found == controls_.end() ? nullptr : found->second;
}

template <typename Widget>
Widget* PanelControls::Find(int control_id) const {
    return qobject_cast<Widget*>(Control(control_id));
}

ClickablePicture* PanelControls::Picture(int control_id) const { return Find<ClickablePicture>(control_id); }
CPictureSlider* PanelControls::Slider(int control_id) const { return Find<CPictureSlider>(control_id); }
CColourButton* PanelControls::ColourButton(int control_id) const { return Find<CColourButton>(control_id); }
CIntegerEdit* PanelControls::RgbBox(int control_id) const { return Find<CIntegerEdit>(control_id); }
CPngButton* PanelControls::ReportRateButton(int control_id) const { return Find<CPngButton>(control_id); }
QLabel* PanelControls::Label(int control_id) const { return Find<QLabel>(control_id); }

void PanelControls::SetLabels(const std::vector<PanelLabel>& labels) {
    for (const PanelLabel& label : labels) {
        if (QLabel* control = Label(label.controlId)) control->setText(QString::fromStdString(label.text));
    }
}

void PanelControls::MoveTo(int control_id, std::string_view position_key) {
    if (QWidget* control = Control(control_id)) {
        ReadSkinPosition(*control, skin_, skin::kSectionButtons, position_key);
    }
}

}  // namespace quovex::gui
