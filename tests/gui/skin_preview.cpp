#include "skin_preview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTreeWidget>

#include "app/decimal_text.h"
#include "app/ini_file.h"
#include "app/text_table.h"
#include "lighting/mode_table.h"
#include "model/key_layout.h"
#include "skin/skin_keys.h"
#include "skin/skin_placement.h"

namespace quovex::gui::preview {

namespace {

constexpr QColor kCaptionWhite{0xFF, 0xFF, 0xFF};
constexpr QColor kCaptionGrey{0xE4, 0xE4, 0xE4};
constexpr int kCentred = 0x25, kLeftBottom = 0x28, kLeftCentred = 0x24;

QString Q(const std::string& text) { return QString::fromStdString(text); }

QLabel* StaticText(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("color: #e4e4e4; background: transparent;"));
    return label;
}

QLabel* Picture(QWidget* parent, const std::filesystem::path& file) {
    auto* label = new QLabel(parent);
    label->setPixmap(QPixmap(QString::fromStdString(file.string())));
    return label;
}

QPushButton* ColourButton(QWidget* parent, QColor colour) {
    auto* button = new QPushButton(parent);
    button->setStyleSheet(QStringLiteral("background: %1; border: 1px solid #3a404d; border-radius: 4px;")
                              .arg(colour.name()));
    return button;
}

}  // namespace

SkinPreviewDialog::SkinPreviewDialog(skin::SkinDialog dialog, const std::filesystem::path& program_folder)
    : CBaseDialog(skin::SkinDialogInfoOf(dialog).template_id, nullptr, skin::SkinPathsOf(program_folder, dialog)),
      program_folder_(program_folder) {
    const CIniFile language_file(LanguageFilePath(program_folder));
    language_ = ReadLeadingDecimal(language_file.GetString("LANGUAGE", "language", " "));
}

CPngButton* SkinPreviewDialog::Button(const std::string& key) const {
    const auto found = buttons_.find(key);
    return found == buttons_.end() ? nullptr : found->second;
}

QWidget* SkinPreviewDialog::Control(const std::string& key) const {
    const auto found = controls_.find(key);
    return found == controls_.end() ? nullptr : found->second;
}

const QImage* SkinPreviewDialog::Surface(std::string_view file_name) {
    std::unique_ptr<QImage>& surface = surfaces_[std::string(file_name)];
    if (!surface) {
        surface = std::make_unique<QImage>(
            RenderSkinImage(LoadSkinImage(program_folder_, skin::StateImageName(file_name)), size()));
    }
    return surface.get();
}

CPngButton* SkinPreviewDialog::AddButton(const std::string& key, const SkinImageSet& images, int control_id) {
    auto* button = new CPngButton(this, control_id);
    ReadSkinButton(*button, SkinFile(), skin::kSectionButtons, key, images);
    buttons_[key] = button;
    return button;
}

void SkinPreviewDialog::AddControl(const std::string& key, QWidget* control) {
    ReadSkinRect(*control, SkinFile(), skin::kSectionButtons, key);
    controls_[key] = control;
}

std::string SkinPreviewDialog::Text(std::string_view key) const {
    return ReadText(LanguageFilePath(program_folder_), key);
}

QImage SkinPreviewDialog::Picture() {
    ensurePolished();
    QImage picture(size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    render(&picture);
    if (SkinRegion() && !SkinRegion()->isEmpty()) {
        QPainter painter(&picture);
        painter.setClipRegion(QRegion(rect()) - *SkinRegion());
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(rect(), Qt::transparent);
    }
    return picture;
}

namespace {

void DressCaption(CPngButton* button, const std::string& text, int point_size, const char* face, QColor colour,
                  int flags) {
    button->setText(Q(text));
    button->SetTextStyle(true, point_size, QString::fromLatin1(face), colour, flags);
}

// The lighting panel's stand-in controls, shown for `mode` with the lighting view on.
void BuildLightingPanel(SkinPreviewDialog& dialog, int mode) {
    namespace images = skin::panel_images;
    const std::filesystem::path skins = dialog.ProgramFolder() / "Skins";
    const ModeInfo* info = FindMode(mode);
    const LightingControls shown = LightingControlsForMode(mode);
    const DirectionPair pair = info ? info->directionPair : DirectionPair::kLeftRight;
    const images::DirectionPair& pictures = pair == DirectionPair::kUpDown        ? images::kUpDown
                                            : pair == DirectionPair::kSpreadGather ? images::kSpreadGather
                                                                                   : images::kLeftRight;
    const QColor effect(0x2E, 0xC5, 0xFF);

    for (const skin::PanelControlKey& control : skin::kLightingPanelKeys) {
        const std::string key(control.key);
        QWidget* widget = nullptr;
        bool visible = true;
        switch (control.control_id) {
            case 1167: widget = Picture(&dialog, skins / images::kLightingOn); break;
            case 1146: {
                auto* list = new QComboBox(&dialog);
                for (const int id : skin::kNamedModes) {
                    list->addItem(Q(dialog.SkinFile().ModeName(id, dialog.Language()).value_or("")));
                    if (id == mode) list->setCurrentIndex(list->count() - 1);
                }
                widget = list;
                visible = shown.effectListAndBrightness;
                break;
            }
            case 1178: widget = Picture(&dialog, skins / images::BrightnessTrack(4)); visible = shown.effectListAndBrightness; break;
            case 1172: visible = shown.effectListAndBrightness; break;
            case 1179: widget = Picture(&dialog, skins / images::SpeedTrack(2)); visible = shown.speed; break;
            case 1166: visible = shown.speed; break;
            case 1149: widget = Picture(&dialog, skins / pictures.first_down); visible = shown.direction; break;
            case 1150: widget = Picture(&dialog, skins / pictures.second_up); visible = shown.direction; break;
            case 1148: visible = shown.direction; break;
            case 1152: widget = ColourButton(&dialog, effect); visible = shown.firstColourGroup; break;
            case 1175: widget = Picture(&dialog, skins / images::kMultiColourOff); visible = shown.firstColourGroup; break;
            case 1151: case 1176: visible = shown.firstColourGroup; break;
            case 1155: widget = ColourButton(&dialog, effect); visible = shown.secondColourGroup; break;
            case 1156: widget = Picture(&dialog, skins / images::kMultiColourOn); visible = shown.secondColourGroup; break;
            case 1154: case 1173: visible = shown.secondColourGroup; break;
            case 1194: case 1195: case 1196: case 1197: {
                const int swatch = control.control_id - 1194;
                widget = Picture(&dialog, skins / (swatch == 0 ? images::kSwatches[swatch].chosen
                                                               : images::kSwatches[swatch].plain));
                visible = shown.swatches;
                break;
            }
            case 1198: {
                auto* presets = new QComboBox(&dialog);
                presets->setEditable(true);
                const CIniFile factory(skins / "UserDengColor_3.userd");
                for (int n = 0; n < 10; ++n) presets->addItem(Q(factory.GetString("MODENAME", std::to_string(n), "0")));
                widget = presets;
                visible = shown.userMode;
                break;
            }
            case 1160: widget = ColourButton(&dialog, QColor(0xFF, 0x8C, 0x1A)); visible = shown.userMode; break;
            case 1162: widget = ColourButton(&dialog, QColor(0x30, 0x60, 0xFF)); visible = shown.userMode; break;
            case 1164: widget = Picture(&dialog, skins / images::kToolDown[0]); visible = shown.userMode; break;
            case 1165: widget = Picture(&dialog, skins / images::kToolUp[1]); visible = shown.userMode; break;
            case 1159: case 1161: case 1163: visible = shown.userMode; break;
            case 1207: case 1208: case 1209: {
                static const char* values[] = {"46", "197", "255"};
                widget = new QLineEdit(QString::fromLatin1(values[control.control_id - 1207]), &dialog);
                break;
            }
            case 1210: widget = StaticText(&dialog, QStringLiteral("R:")); break;
            case 1211: widget = StaticText(&dialog, QStringLiteral("G:")); break;
            case 1212: widget = StaticText(&dialog, QStringLiteral("B:")); break;
            case 1177: widget = Picture(&dialog, skins / images::ProgressFrame(3)); break;  // shown for review
            default: break;
        }
        if (!widget) {
            const std::optional<std::string> label =
                control.label_key.empty() ? std::nullopt : dialog.SkinFile().PanelLabel(control.label_key, dialog.Language());
            widget = StaticText(&dialog, Q(label.value_or("")));
        }
        dialog.AddControl(key, widget);
        widget->setVisible(visible && !control.never_shown);
    }
    // The direction controls move with the mode.
    if (info && *info->directionPlaceSuffix) {
        for (const char* key : {"CONTROL_BLFXStatic", "CONTROL_BLFXLStaPic", "CONTROL_BLFXRStaPic"}) {
            ReadSkinPosition(*dialog.Control(key), dialog.SkinFile(), skin::kSectionButtons,
                             std::string(key) + info->directionPlaceSuffix);
        }
    }
}

}  // namespace

std::unique_ptr<SkinPreviewDialog> MainWindow(const std::filesystem::path& program_folder, int lighting_mode) {
    namespace images = skin::main_images;
    auto dialog = std::make_unique<SkinPreviewDialog>(skin::SkinDialog::kMain, program_folder);
    if (!dialog->OnInitDialog()) return dialog;
    const QImage* normal = dialog->Surface(images::kNormal);
    const QImage* over = dialog->Surface(images::kOver);
    const QImage* down = dialog->Surface(images::kDown);
    const QImage* disable = dialog->Surface(images::kDisable);
    const QImage* arrow = dialog->Surface(images::kArrow);
    const auto set_of = [&](skin::MainImageSet set) -> SkinImageSet {
        switch (set) {
            case skin::MainImageSet::kToggle: return {normal, over, down, normal, disable};
            case skin::MainImageSet::kCommand: return {normal, over, down, normal, normal};
            case skin::MainImageSet::kApply: return {normal, over, down, disable, normal};
            case skin::MainImageSet::kLink: return {normal, over, disable, normal, normal};
            case skin::MainImageSet::kIndicator: return {normal, normal, normal, normal, over};
            case skin::MainImageSet::kFlipArea: return {normal, normal, normal, normal, disable};
            case skin::MainImageSet::kStatic: return SkinImageSet::All(normal);
        }
        return SkinImageSet::All(normal);
    };

    for (const skin::MainButtonKey& button : skin::kMainButtonKeys) {
        const std::string key(button.key);
        if (key == "LEFT_ARROW" || key == "RIGHT_ARROW") {
            auto* arrow_button = new CPngButton(dialog.get(), button.control_id);
            const char* frame = key == "LEFT_ARROW" ? "DOWN_ARROW_LEFT1" : "DOWN_ARROW_RIGHT1";
            ReadSkinButtonAt(*arrow_button, dialog->SkinFile(), skin::kSectionButtons, key, skin::kSectionArrowFrames,
                             frame, arrow);
            continue;
        }
        dialog->AddButton(key, set_of(button.images), button.control_id);
    }
    // Template: the flip area is disabled; the version label too.
    dialog->Button("FLIP_0")->setEnabled(false);
    for (int q = 0; q < kLayoutKeyCount; ++q) {
        dialog->AddButton(KeySkinKey(q), set_of(skin::MainImageSet::kToggle), kKeyPositions[q].control_id);
    }
    for (int j = 0; j < kGKeyCount; ++j) {
        dialog->AddButton(GKeySkinKey(j), set_of(skin::MainImageSet::kToggle), kGKeyControlIds[j]);
    }
    dialog->AddButton(std::string(skin::kSecondEnterKey), set_of(skin::MainImageSet::kToggle), kSecondEnterControlId);

    // Captions as the main window dresses them.
    const std::pair<const char*, const char*> captions[] = {
        {"FUNC_PROFILE1", "PROFILE_1"}, {"FUNC_PROFILE2", "PROFILE_2"},   {"FUNC_PROFILE3", "PROFILE_3"},
        {"FUNC_MACRO", "PROFILE_MACRO"}, {"FUNC_DEFAULT", "PROFILE_DEFAULT"}, {"CONTROL_OK", "PROFILE_OK"},
        {"CONTROL_CANCEL", "PROFILE_CANCLE"}, {"CONTROL2_APPLY", "PROFILE_APPLY"}};
    for (const auto& [key, text_key] : captions) {
        DressCaption(dialog->Button(key), dialog->Text(text_key), 9, "Tahoma", kCaptionWhite, kCentred);
    }
    DressCaption(dialog->Button("FUNC_SWITCH"), dialog->Text("MAIN_SWITCH_FUNCTION_TEXT"), 10, "Arial", kCaptionGrey,
                 kCentred);
    DressCaption(dialog->Button("FUNC_PROFILES"), "$Profile0", 10, "Arial", kCaptionGrey, kLeftBottom);
    dialog->Button("FUNC_PROFILES")->SetTextAngle(268, true);
    DressCaption(dialog->Button("PELMAR_VER"), dialog->Text("MAIN_BUTTON_PELMAR_VER"), 8, "Verdana", kCaptionGrey,
                 kLeftCentred);
    dialog->Button("PELMAR_VER")->setEnabled(false);

    // A plausible moment: profile 1 active, 1000 reports per second, nothing to
    // apply, num lock on, a few keys assigned.
    dialog->Button("FUNC_PROFILE1")->SetChecked(true, false);
    dialog->Button("FUNC_REPORT4")->SetChecked(true, false);
    dialog->Button("CONTROL2_APPLY")->setEnabled(false);
    dialog->Button("LOCK_NUM")->SetChecked(true, false);
    for (const char* key : {"KEY_011", "KEY_01E", "KEY_01F", "KEY_020", "FUNC_G1", "FUNC_G9"}) {
        dialog->Button(key)->SetChecked(true, false);
    }
    BuildLightingPanel(*dialog, lighting_mode);
    return dialog;
}

std::unique_ptr<SkinPreviewDialog> KeyAssignment(const std::filesystem::path& program_folder, Page page) {
    namespace images = skin::composite_images;
    auto dialog = std::make_unique<SkinPreviewDialog>(skin::SkinDialog::kComposite, program_folder);
    if (!dialog->OnInitDialog()) return dialog;
    const auto set_of = [&](const images::PageSet& files, bool checked_is_down) -> SkinImageSet {
        const QImage* normal = dialog->Surface(files.normal);
        const QImage* down = dialog->Surface(files.down);
        const QImage* disabled = files.disable.empty() ? normal : dialog->Surface(files.disable);
        return {normal, dialog->Surface(files.over), down, disabled, checked_is_down ? down : normal};
    };
    const bool macro_only = page == Page::kMacroOnly;
    const images::PageSet& page_files = page == Page::kKey         ? images::kKey
                                        : page == Page::kMacro     ? images::kMacro
                                        : page == Page::kMacroOnly ? images::kMacroOnly
                                        : page == Page::kMedia     ? images::kMedia
                                                                   : images::kFunction;
    // The page background first: the page's controls lie over it.
    dialog->AddButton("CONTROL_MASK", set_of(page_files, false), 1033)->SetChecked(true, false);
    const SkinImageSet tabs = set_of(images::kKey, true);
    const SkinImageSet tabs_macro_only = set_of(images::kMacroOnly, true);
    const struct {
        const char* key;
        int id;
        const char* text;
        Page page;
    } tab_list[] = {{"CONTROL_KEY", 1028, "SINGLE_KEY", Page::kKey},
                    {"CONTROL_MACRO", 1029, "MACRO_SETTING", Page::kMacro},
                    {"CONTROL_MEDIA", 1030, "MULTI_MEDIA", Page::kMedia},
                    {"CONTROL_FUNCTION", 1031, "FUNCTION_KEY", Page::kFunction}};
    for (const auto& tab : tab_list) {
        const bool blocked = macro_only && tab.page != Page::kMacro;
        CPngButton* button = dialog->AddButton(tab.key, blocked ? tabs_macro_only : tabs, tab.id);
        if (blocked) {
            button->setEnabled(false);
        } else {
            DressCaption(button, dialog->Text(tab.text), 9, "Tahoma", kCaptionWhite, kCentred);
        }
        button->SetChecked(tab.page == page || (macro_only && tab.page == Page::kMacro), false);
    }
    for (const auto& [key, id] : {std::pair{"CONTROL_TITLE", 1131}, {"CONTROL_OSK", 1132}, {"CONTROL_CLEAR", 1032}}) {
        CPngButton* button = dialog->AddButton(key, macro_only && id == 1032 ? tabs_macro_only : set_of(images::kKey, false), id);
        if (macro_only && id == 1032) button->setEnabled(false);
    }
    DressCaption(dialog->AddButton("CONTROL_OK", set_of(images::kKey, false), 1), dialog->Text("MACRO_OK"), 9, "Tahoma",
                 kCaptionWhite, kCentred);
    DressCaption(dialog->AddButton("CONTROL_CANCEL", set_of(images::kKey, false), 2), dialog->Text("MACRO_CANCLE"), 9,
                 "Tahoma", kCaptionWhite, kCentred);
    // Apply takes the macro page's pictures, the only set of the dialog's first
    // row with a disabled picture (Apply is disabled until something changes).
    dialog->AddButton("CONTROL2_APPLY", set_of(images::kMacro, false), 1015)->setEnabled(false);

    const bool on_macro = page == Page::kMacro || macro_only;
    const SkinImageSet macro_set = set_of(images::kMacro, false);
    std::vector<QWidget*> macro_controls;
    macro_controls.push_back(dialog->AddButton("FUNC_MACRO_ADD", macro_set, 1017));
    macro_controls.push_back(dialog->AddButton("FUNC_MACRO_DELETE", macro_set, 1018));
    const struct {
        const char* key;
        int id;
        const char* text;
        int points;
    } actions[] = {{"FUNC_MACRO_RECORD", 1020, "A_RECORD", 9}, {"FUNC_MACRO_DELETE2", 1021, "A_DELETE", 9},
                   {"FUNC_MACRO_CLEAR", 1022, "A_CLEAR", 9},   {"FUNC_MACRO_UP_TOP", 1023, "A_TOP", 9},
                   {"FUNC_MACRO_UP", 1024, "A_UP", 9},         {"FUNC_MACRO_DOWN", 1025, "A_DOWN", 9},
                   {"FUNC_MACRO_DOWN_BOTTOM", 1026, "A_BOTTOM", 8}};
    for (const auto& action : actions) {
        CPngButton* button = dialog->AddButton(action.key, macro_set, action.id);
        DressCaption(button, dialog->Text(action.text), action.points, "Tahoma", kCaptionWhite, kCentred);
        macro_controls.push_back(button);
    }

    const auto text = [&](const char* key, const char* text_key) {
        QLabel* label = StaticText(dialog.get(), Q(dialog->Text(text_key)));
        dialog->AddControl(key, label);
        return label;
    };
    text("KEY_SETTING", macro_only ? "MACRO_EDIT_TISHI" : "KEY_SETTING_TISHI");
    QLabel* key_prompt = text("TISHI_SINGLE_STATIC", "SINGLE_STATIC");
    QLabel* media_prompt = text("MEDIA_SETTING_TISHI", "MEDIA_EDIT_TISHI");
    QLabel* function_prompt = text("FUNCTION_KEY_SETTING_TISHI", "FUNCTION_TISHI");
    macro_controls.push_back(text("MARCO_NAME_SETTING", "MACRO_NAME_SETTING"));
    macro_controls.push_back(text("FUNC_MACRO_RECORD_DELAY2", "RECORD_DELAY"));
    macro_controls.push_back(text("FUNC_MACRO_CYCLES_PROMPT", "MACRO_CYCLES"));

    auto* key_input = new QLineEdit(QStringLiteral("Caps Lock"), dialog.get());
    key_input->setReadOnly(true);
    dialog->AddControl("FUNC_KEY_INPUT", key_input);
    auto* media = new QListWidget(dialog.get());
    for (const TextKeyInfo& info : TextKeys()) {
        if (info.key.starts_with("MEDIA_")) media->addItem(Q(dialog->Text(info.key)));
    }
    media->setCurrentRow(1);
    dialog->AddControl("FUNC_MEDIA_SELECT", media);
    auto* functions = new QListWidget(dialog.get());
    for (int n = 1; n <= 11; ++n) functions->addItem(Q(dialog->Text("FUNC_KEY_DESC" + std::to_string(n))));
    functions->setCurrentRow(4);
    dialog->AddControl("FUNC_FUNCTION_SELECT", functions);
    auto* macros = new QComboBox(dialog.get());
    macros->setEditable(true);
    macros->addItems({QStringLiteral("Macro1"), QStringLiteral("Macro2")});
    dialog->AddControl("FUNC_MACRO_LIST", macros);
    macro_controls.push_back(macros);
    auto* action_list = new QTreeWidget(dialog.get());
    action_list->setRootIsDecorated(false);
    action_list->setHeaderLabels({Q(dialog->Text("MACRO_KEYS_TISHI")), Q(dialog->Text("MACRO_ACTION_TISHI")),
                                  Q(dialog->Text("MACRO_DELAY_MS"))});
    for (const auto& [column, width] : {std::pair{0, 50}, {1, 50}, {2, 70}}) action_list->setColumnWidth(column, width);
    for (const char* key : {"Ctrl", "C", "Ctrl"}) {
        action_list->addTopLevelItem(new QTreeWidgetItem({QString::fromLatin1(key), QStringLiteral("↓"), QStringLiteral("30")}));
    }
    action_list->addTopLevelItem(new QTreeWidgetItem({QStringLiteral("C"), QStringLiteral("  ↑"), QStringLiteral("50")}));
    dialog->AddControl("FUNC_MACRO_LIST2", action_list);
    macro_controls.push_back(action_list);
    auto* record_delay = new QCheckBox(dialog.get());
    record_delay->setChecked(true);
    dialog->AddControl("FUNC_MACRO_RECORD_DELAY", record_delay);
    macro_controls.push_back(record_delay);
    auto* cycles = new QLineEdit(QStringLiteral("1"), dialog.get());
    dialog->AddControl("FUNC_MACRO_CYCLES", cycles);
    macro_controls.push_back(cycles);

    for (QWidget* control : macro_controls) control->setVisible(on_macro);
    key_prompt->setVisible(page == Page::kKey);
    key_input->setVisible(page == Page::kKey);
    media_prompt->setVisible(page == Page::kMedia);
    media->setVisible(page == Page::kMedia);
    function_prompt->setVisible(page == Page::kFunction);
    functions->setVisible(page == Page::kFunction);
    return dialog;
}

std::unique_ptr<SkinPreviewDialog> ProfileDialog(const std::filesystem::path& program_folder) {
    namespace images = skin::profile_images;
    auto dialog = std::make_unique<SkinPreviewDialog>(skin::SkinDialog::kProfile, program_folder);
    if (!dialog->OnInitDialog()) return dialog;
    const QImage* normal = dialog->Surface(images::kNormal);
    const QImage* down = dialog->Surface(images::kDown);
    const SkinImageSet set{normal, dialog->Surface(images::kOver), down, down, normal};
    for (const skin::DialogControlKey& control : skin::kProfileKeys) {
        if (control.placement == skin::Placement::kButton) dialog->AddButton(std::string(control.key), set, control.control_id);
    }
    dialog->Button("CONTROL2_APPLY")->setEnabled(false);
    auto* list = new QTreeWidget(dialog.get());
    list->setRootIsDecorated(false);
    list->setHeaderLabels({QStringLiteral("激活"), QStringLiteral("名称"), QStringLiteral("路径")});
    for (const auto& [column, width] : {std::pair{0, 60}, {1, 120}, {2, 230}}) list->setColumnWidth(column, width);
    const QString folder = QStringLiteral("/home/user/Documents/Gaming Keyboard/");
    for (int row = 0; row < 3; ++row) {
        auto* item = new QTreeWidgetItem({QString(), QStringLiteral("$Profile0"), folder});
        item->setCheckState(0, row == 0 ? Qt::Checked : Qt::Unchecked);
        list->addTopLevelItem(item);
    }
    dialog->AddControl("PROGRAM_LIST", list);
    return dialog;
}

std::unique_ptr<SkinPreviewDialog> UpdateDialog(const std::filesystem::path& program_folder) {
    namespace images = skin::update_images;
    auto dialog = std::make_unique<SkinPreviewDialog>(skin::SkinDialog::kUpdate, program_folder);
    if (!dialog->OnInitDialog()) return dialog;
    const QImage* normal = dialog->Surface(images::kNormal);
    const QImage* over = dialog->Surface(images::kOver);
    const SkinImageSet set{normal, over, over, over, over};
    for (const skin::DialogControlKey& control : skin::kUpdateKeys) {
        if (control.placement == skin::Placement::kButton) dialog->AddButton(std::string(control.key), set, control.control_id);
    }
    QLabel* path = StaticText(dialog.get(), QString::fromStdString((program_folder / "Package" / "KbUpdate.exe").string()));
    path->setIndent(8);
    dialog->AddControl("CONTROL_UPStatic", path);
    auto* hidden = new QComboBox(dialog.get());
    dialog->AddControl("CONTROL_UPCombox", hidden);
    hidden->hide();
    return dialog;
}

}  // namespace quovex::gui::preview
