#include "lighting_test_window.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPainter>

#include "device/state_block.h"
#include "lighting/key_colour_table.h"
#include "lighting/lighting_block.h"
#include "lighting/lighting_panel_controls.h"
#include "model/key_layout.h"
#include "skin/skin_image.h"
#include "skin/skin_keys.h"
#include "skin/skin_placement.h"
#include "widgets/clickable_picture.h"

namespace quovex::gui::lighting_test {

using namespace std::chrono_literals;

void RecordingKeyboardPicture::ResetKeyButtons() {
    ++resets;
    frames.clear();
    for (const auto& [id, button] : buttons) {
        button->SetFrameColour(QColor(), false);
        button->SetChecked(false, true);
    }
}

void RecordingKeyboardPicture::SetKeyFrameColour(int controlId, Rgb colour, bool on) {
    ++frame_calls;
    if (on) {
        frames[controlId] = colour;
    } else {
        frames.erase(controlId);
    }
    // The second Enter shows what Enter shows.
    for (const int id : {controlId, controlId == kEnterControlId ? kSecondEnterControlId : 0}) {
        const auto button = buttons.find(id);
        if (button != buttons.end()) button->second->SetFrameColour(QColor(colour.red, colour.green, colour.blue), on);
    }
}

TestMainWindow::TestMainWindow(const std::filesystem::path& program_folder)
    : CBaseDialog(skin::SkinDialogInfoOf(skin::SkinDialog::kMain).template_id, nullptr,
                  skin::SkinPathsOf(program_folder, skin::SkinDialog::kMain)),
      program_folder_(program_folder) {}

bool TestMainWindow::Dress(RecordingKeyboardPicture& keys) {
    if (!OnInitDialog()) return false;
    const auto surface = [&](std::string_view name) {
        surfaces_.push_back(
            std::make_unique<QImage>(RenderSkinImage(LoadSkinImage(program_folder_, skin::StateImageName(name)), size())));
        return surfaces_.back().get();
    };
    const QImage* normal = surface(skin::main_images::kNormal);
    const SkinImageSet images{normal, surface(skin::main_images::kOver), surface(skin::main_images::kDown), normal,
                              surface(skin::main_images::kDisable)};
    const auto add = [&](const std::string& key, int id) {
        auto* button = new CPngButton(this, id);
        ReadSkinButton(*button, SkinFile(), skin::kSectionButtons, key, images);
        keys.buttons[id] = button;
    };
    for (int q = 0; q < kLayoutKeyCount; ++q) add(KeySkinKey(q), kKeyPositions[q].control_id);
    for (int j = 0; j < kGKeyCount; ++j) add(GKeySkinKey(j), kGKeyControlIds[j]);
    add(std::string(skin::kSecondEnterKey), kSecondEnterControlId);
    add("KEY_FN", kFnControlId);
    return true;
}

QImage TestMainWindow::Picture() {
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

void LightingPanelFixture::SetUp() {
    std::string error;
    keyboard_ = testing::VirtualKeyboard::Get(&error);
    ASSERT_NE(keyboard_, nullptr) << error;
    keyboard_->Reset();

    roots_.home = folder_ / "home";
    roots_.documents = folder_ / "home" / "Documents";
    roots_.program_folder = QUOVEX_PROGRAM_DIR;
    std::filesystem::create_directories(roots_.documents);
    ContextOptions options;
    options.link_timing = DeviceLinkTiming{std::chrono::milliseconds(250), std::chrono::milliseconds(1)};
    app_ = std::make_unique<ApplicationContext>(std::make_unique<HidServLibrary>(keyboard_->Library().EntryPoints()),
                                                MakeApplicationPaths(roots_), TextTable{},
                                                FrontEnd{sink_, prompter_, launcher_, log_}, options);
    app_->Link().OpenChannels();

    window_ = std::make_unique<TestMainWindow>(roots_.program_folder);
    ASSERT_TRUE(window_->Dress(keys_)) << window_->SkinError().toStdString();
    panel_ = std::make_unique<LightingPanelWidgets>(*window_, *app_, keys_);
    panel_->Initialise();
    app_->SetLightingHooks(panel_->Hooks());
}

void LightingPanelFixture::TearDown() {
    panel_.reset();
    window_.reset();
    app_.reset();
    if (keyboard_ != nullptr) {
        Control().DetachAfterReports(std::nullopt);
        Control().WaitUntilIdle(kIdle);
    }
}

void LightingPanelFixture::SetModeList(std::vector<uint8_t> modes) {
    modes.resize(kStateModeListSlots, 0);
    ASSERT_TRUE(Control().WriteMemory(sim::Memory::kState, kStateModeListOffset, modes));
}

void LightingPanelFixture::SetLightingBytes(int profile, size_t offset, std::vector<uint8_t> bytes) {
    ASSERT_TRUE(Control().WriteMemory(sim::Memory::kLighting, profile * kLightingBlockSize + offset, bytes));
}

std::vector<uint8_t> LightingPanelFixture::LightingBlockOnKeyboard(int profile) {
    WaitForKeyboard();
    const auto memory = Control().ReadMemory(sim::Memory::kLighting);
    const auto begin = memory.begin() + profile * static_cast<std::ptrdiff_t>(kLightingBlockSize);
    return {begin, begin + kLightingBlockSize};
}

Rgb LightingPanelFixture::KeyColourOnKeyboard(int profile, int slot) {
    WaitForKeyboard();
    const auto memory = Control().ReadMemory(sim::Memory::kKeyColours);
    const size_t at = KeyColourAddress(profile, slot);
    return Rgb{memory[at], memory[at + 1], memory[at + 2]};
}

void LightingPanelFixture::Attach(int profile) {
    app_->Keyboard().SetCachedProfile(profile);
    panel_->Hooks().ReloadAfterProfileSync(profile);
    WaitForKeyboard();
}

void LightingPanelFixture::ChooseMode(int mode) {
    auto* list = ControlOf<QComboBox>(lighting_control::kEffectList);
    ASSERT_NE(list, nullptr);
    const int index = list->findData(mode);
    ASSERT_GE(index, 0) << "mode " << mode << " is not in the effect list";
    list->setCurrentIndex(index);
    WaitForKeyboard();
}

void LightingPanelFixture::SetLightingView(bool on) {
    if (panel_->Lighting().state.lightingView == on) return;
    auto* view_switch = ControlOf<ClickablePicture>(lighting_control::kViewSwitch);
    ASSERT_NE(view_switch, nullptr);
    emit view_switch->Clicked(view_switch->ControlId());
    WaitForKeyboard();
    ASSERT_EQ(panel_->Lighting().state.lightingView, on);
}

void LightingPanelFixture::RunEvents(std::chrono::milliseconds duration) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < duration.count()) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

void LightingPanelFixture::WaitForKeyboard() {
    ASSERT_TRUE(Control().WaitUntilIdle(kIdle));
}

bool LightingPanelFixture::Shows(int controlId) {
    QWidget* control = panel_->Control(controlId);
    return control != nullptr && control->isVisibleTo(window_.get());
}

}  // namespace quovex::gui::lighting_test
