#include "lighting/lighting_panel_widgets.h"

#include <QEvent>
#include <QImage>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <array>

#include "lighting/apply_progress.h"
#include "lighting/key_colour_operations.h"
#include "lighting/lighting_load.h"
#include "lighting/lighting_operations.h"
#include "lighting/lighting_panel.h"
#include "lighting/lighting_panel_controls.h"
#include "lighting/lighting_panel_input.h"
#include "lighting/lighting_preview.h"
#include "lighting/lighting_skin_texts.h"
#include "lighting/lighting_timers.h"
#include "lighting/panel_controls.h"
#include "lighting/panel_pictures.h"
#include "lighting/panel_view.h"
#include "lighting/preset_files.h"
#include "model/profile_image.h"
#include "profiles/profile_switch.h"
#include "skin/skin_files.h"
#include "skin/skin_image.h"

namespace quovex::gui {

namespace {

namespace lc = lighting_control;

// The texts the colour popup and the RGB boxes show by themselves, in the
// program's two languages (0 Chinese, 1 English).
struct WidgetTexts {
    QString other_colour;
    QString integer_refused;
};
WidgetTexts WidgetTextsFor(int language) {
    if (language == 0) return {QStringLiteral("其他..."), QStringLiteral("请输入一个整数。")};
    return {QStringLiteral("Other..."), QStringLiteral("Please enter an integer.")};
}

Rgb ToRgb(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return Rgb{static_cast<uint8_t>(rgb.red()), static_cast<uint8_t>(rgb.green()), static_cast<uint8_t>(rgb.blue())};
}

}  // namespace

struct LightingPanelWidgets::Impl {
    Impl(QWidget& window, ApplicationContext& app, KeyboardPictureView& keys)
        : window(window),
          app(app),
          keys(keys),
          skin_file(app.Paths().main_skin.ini_path),
          controls(window, skin_file),
          view(controls, pictures, keys),
          lighting(app.Commands(), view, app.Paths().profile_folder, app.Paths().main_skin.image_folder),
          key_view(view, app.Working(), app.Texts()),
          preview(lighting.state, keys) {
        view.SetPreview(&preview);
        reload_timer.setObjectName(QStringLiteral("Timer%1").arg(lighting_timer::kLightingReloadId));
        reload_timer.setSingleShot(true);
    }

    int CurrentProfile() const { return app.Keyboard().CachedProfile(); }

    // The profile switch that turning the lighting view on starts with: the
    // keyboard's current on-board profile once more (refused while the key
    // assignment dialog is open).
    bool ReapplyCurrentProfile() {
        ProfileServices& services = app.Profiles();
        return SwitchProfile(services, services.CurrentProfile()) == 1;
    }

    void UpdatePreview() { preview.SetRunning(window_shown && lighting.state.lightingView); }

    void SeedPresets() {
        if (!SeedColourPresets(app.Paths().profile_folder, app.Paths().main_skin.image_folder)) {
            app.Log().WriteLine("the colour presets could not be written to " + app.Paths().profile_folder.string());
        }
    }

    void LoadPictures() {
        pictures.Load(app.Paths().main_skin.image_folder);
        for (const std::string& name : pictures.Missing()) {
            app.Log().WriteLine("lighting panel picture missing or unreadable: " + name);
        }
    }

    // The report-rate buttons draw from their own copy of the main window's
    // state pictures, so that the panel depends on no surface of the window.
    SkinImageSet RenderReportRateImages() {
        const std::filesystem::path& program_folder = app.Paths().program_folder;
        const std::array<std::string_view, 4> names = {skin::main_images::kNormal, skin::main_images::kOver,
                                                       skin::main_images::kDown, skin::main_images::kDisable};
        for (size_t i = 0; i < names.size(); ++i) {
            state_surfaces[i] =
                RenderSkinImage(LoadSkinImage(program_folder, skin::StateImageName(names[i])), window.size());
        }
        const QImage* normal = &state_surfaces[0];
        return {normal, &state_surfaces[1], &state_surfaces[2], normal, &state_surfaces[3]};
    }

    // InitLightingPanel: sliders, labels, colour buttons, progress picture.
    void InitialiseControls() {
        const int language = LanguageNumber(lighting.languageFile);
        for (CPictureSlider* slider : controls.Sliders()) slider->SetRange(0, lc::kHighestSliderPosition);
        view.SetSliderTrack(lc::kBrightnessSlider, lighting_picture::BrightnessTrack(lc::kHighestSliderPosition));
        view.SetSliderTrack(lc::kSpeedSlider, lighting_picture::SpeedTrack(lc::kHighestSliderPosition / 2));
        if (const auto labels = ReadPanelLabels(lighting.mainSkin, language)) controls.SetLabels(*labels);

        const WidgetTexts texts = WidgetTextsFor(language);
        for (CColourButton* button : controls.ColourButtons()) button->Popup().SetOtherText(texts.other_colour);
        for (CIntegerEdit* box : controls.RgbBoxes()) box->SetRefusalText(texts.integer_refused);
        progress = std::make_unique<ApplyProgress>(*controls.Picture(lc::kProgress), pictures);
    }

    void ConnectControls(LightingPanelWidgets& owner) {
        for (ClickablePicture* picture : controls.Pictures()) {
            if (!picture->IsClickable()) continue;
            QObject::connect(picture, &ClickablePicture::Clicked, &owner, [this](int id) { ControlClicked(id); });
        }
        for (CPngButton* button : controls.ReportRateButtons()) {
            const int id = button->ControlId();
            QObject::connect(button, &QAbstractButton::clicked, &owner, [this, id] { ControlClicked(id); });
        }
        for (CPictureSlider* slider : controls.Sliders()) {
            QObject::connect(slider, &CPictureSlider::PositionPosted, &owner,
                             [this](int id, int position) { LightingSliderMoved(lighting, id, position); });
        }
        for (CColourButton* button : controls.ColourButtons()) {
            QObject::connect(button, &CColourButton::ColourChosen, &owner, [this](int id, const QColor& colour) {
                LightingColourChosen(lighting, id, ToRgb(colour));
            });
        }
        for (CIntegerEdit* box : controls.RgbBoxes()) {
            QObject::connect(box, &CIntegerEdit::ValueEdited, &owner, [this](int, int) { RgbBoxesEdited(); });
        }
        QObject::connect(&controls.EffectList(), &QComboBox::currentIndexChanged, &owner,
                         [this](int index) { SelectLightingMode(lighting, index); });
        QObject::connect(&controls.PresetList(), &QComboBox::currentIndexChanged, &owner,
                         [this](int index) { SelectPreset(lighting, index); });
        QObject::connect(controls.PresetList().lineEdit(), &QLineEdit::textEdited, &owner,
                         [this](const QString& text) { RenamePreset(lighting, text.toStdString()); });
        QObject::connect(&reload_timer, &QTimer::timeout, &owner, [this] { ReloadAfterKeyboardChange(); });
    }

    void ControlClicked(int control_id) {
        LightingControlClicked(lighting, control_id, [this] { return ReapplyCurrentProfile(); });
        UpdatePreview();
    }

    void RgbBoxesEdited() {
        std::array<int, 3> values{};
        const std::vector<CIntegerEdit*>& boxes = controls.RgbBoxes();
        for (size_t i = 0; i < values.size() && i < boxes.size(); ++i) values[i] = boxes[i]->Value();
        RgbBoxChanged(lighting, values);
    }

    // Timer 1051.
    void ReloadAfterKeyboardChange() {
        LoadLighting(lighting);
        RefreshLightingPanel(lighting);
        UpdatePreview();
    }

    QWidget& window;
    ApplicationContext& app;
    KeyboardPictureView& keys;
    skin::SkinLayoutFile skin_file;
    PanelPictures pictures;
    PanelControls controls;
    PanelView view;
    LightingContext lighting;
    KeyView key_view;
    LightingPreview preview;
    std::unique_ptr<ApplyProgress> progress;
    std::array<QImage, 4> state_surfaces;
    QTimer reload_timer;
    QPointer<QWidget> watched_window;  // set once the panel follows the window's show and hide
    bool window_shown = false;
    int bank = 0;
};

LightingPanelWidgets::LightingPanelWidgets(QWidget& window, ApplicationContext& app, KeyboardPictureView& keys)
    : impl_(std::make_unique<Impl>(window, app, keys)) {}

LightingPanelWidgets::~LightingPanelWidgets() {
    if (impl_->watched_window) impl_->watched_window->removeEventFilter(this);
}

void LightingPanelWidgets::Initialise() {
    Impl& impl = *impl_;
    impl.SeedPresets();
    impl.LoadPictures();
    impl.controls.Create(impl.RenderReportRateImages());
    impl.InitialiseControls();
    impl.ConnectControls(*this);

    // Before the keyboard is read the panel shows no mode: the switch as the
    // user left it, the mode's controls hidden.
    impl.lighting.state.lightingView = impl.lighting.presets.ReadLightingView();
    RefreshLightingPanel(impl.lighting);

    impl.window_shown = impl.window.isVisible() && !impl.window.isMinimized();
    impl.window.installEventFilter(this);
    impl.watched_window = &impl.window;
    impl.UpdatePreview();
}

LightingHooks LightingPanelWidgets::Hooks() {
    Impl* impl = impl_.get();
    LightingHooks hooks;
    hooks.seed_colour_presets = [impl] { impl->SeedPresets(); };
    hooks.take_lighting_profile = [impl](int profile) {
        TakeLightingProfile(impl->lighting, profile);
        impl->UpdatePreview();
    };
    hooks.reload_after_profile_sync = [impl](int profile) {
        if (IsOnBoardProfile(profile)) SetLightingProfileIndex(impl->lighting, profile);
        LoadLightingWithPresets(impl->lighting);
        RefreshLightingPanel(impl->lighting);
        impl->UpdatePreview();
    };
    return hooks;
}

bool LightingPanelWidgets::KeyButtonClicked(int controlId) {
    Impl& impl = *impl_;
    const KeyClickResult result =
        LightingKeyButtonClicked(impl.lighting, impl.key_view, controlId, impl.CurrentProfile(), impl.bank);
    return result != KeyClickResult::kOpenAssignment;
}

void LightingPanelWidgets::KeyViewSwitchClicked() {
    Impl& impl = *impl_;
    impl.key_view.ToggleKeyView(impl.CurrentProfile(), impl.bank);
    impl.app.Flags().key_view.store(impl.key_view.ColourKeysView() ? 1 : 0);
}

void LightingPanelWidgets::ResetKeyView() {
    Impl& impl = *impl_;
    impl.key_view.ResetKeyView(impl.CurrentProfile(), impl.bank);
    impl.app.Flags().key_view.store(0);
}

void LightingPanelWidgets::RefreshKeyView() {
    Impl& impl = *impl_;
    impl.key_view.RefreshKeyView(impl.CurrentProfile(), impl.bank);
}

void LightingPanelWidgets::SetGKeyBank(int bank) {
    Impl& impl = *impl_;
    if (bank != 0 && bank != 1) return;
    impl.bank = bank;
    if (impl.key_view.ColourKeysView()) impl.key_view.RefreshKeyView(impl.CurrentProfile(), impl.bank);
}

void LightingPanelWidgets::RestoreDefaults() {
    Impl& impl = *impl_;
    if (impl.lighting.state.lightingView) RestoreLightingDefaults(impl.lighting);
}

void LightingPanelWidgets::ShowApplyProgress(bool shown) {
    if (impl_->progress) impl_->progress->Show(shown);
}

void LightingPanelWidgets::LightingChangedOnKeyboard() {
    impl_->reload_timer.start(lighting_timer::kLightingReloadDelay);
}

void LightingPanelWidgets::SetWindowVisible(bool visible) {
    impl_->window_shown = visible;
    impl_->UpdatePreview();
}

void LightingPanelWidgets::BackgroundPressed(int x, int y, const QImage& background) {
    PickWheelColour(impl_->lighting, x, y, [&] {
        // The wheel is part of the background picture: its pixel is what the screen shows there.
        return background.valid(x, y) ? ToRgb(background.pixelColor(x, y)) : Rgb{};
    });
}

QWidget* LightingPanelWidgets::Control(int controlId) const { return impl_->controls.Control(controlId); }

bool LightingPanelWidgets::PreviewRunning() const { return impl_->preview.Running(); }

LightingContext& LightingPanelWidgets::Lighting() { return impl_->lighting; }

KeyView& LightingPanelWidgets::Keys() { return impl_->key_view; }

bool LightingPanelWidgets::eventFilter(QObject* watched, QEvent* event) {
    Impl& impl = *impl_;
    if (watched == &impl.window) {
        switch (event->type()) {
            case QEvent::Show:
            case QEvent::Hide:
            case QEvent::WindowStateChange:
                SetWindowVisible(impl.window.isVisible() && !impl.window.isMinimized());
                break;
            default:
                break;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace quovex::gui
