// Review pictures of the lighting panel on the test window, in the modes
// that show the most different controls: the window with the lighting view
// on, after two preview ticks (mode 20 with its painted keys).
#include <QDir>

#include "lighting/lighting_panel_controls.h"
#include "lighting_test_window.h"

namespace quovex::gui::lighting_test {
namespace {

class LightingPanelReviewTest : public LightingPanelFixture, public ::testing::WithParamInterface<int> {};

TEST_P(LightingPanelReviewTest, SavesTheWindowInTheMode) {
    const int mode = GetParam();
    Attach();
    SetLightingView(true);
    ChooseMode(mode);
    window_->show();
    RunEvents(std::chrono::milliseconds(300));
    const QImage picture = window_->Picture();
    ASSERT_FALSE(picture.isNull());
    QDir().mkpath(QStringLiteral(QUOVEX_REVIEW_DIR));
    const QString file = QStringLiteral(QUOVEX_REVIEW_DIR "/lighting_mode_%1.png").arg(mode);
    EXPECT_TRUE(picture.save(file)) << file.toStdString();

    // The panel alone at twice its size, for a close look at its controls.
    const QRect panel(0, 50, 280, 470);
    const QString close_up = QStringLiteral(QUOVEX_REVIEW_DIR "/lighting_panel_mode_%1.png").arg(mode);
    EXPECT_TRUE(picture.copy(panel).scaled(panel.size() * 2).save(close_up)) << close_up.toStdString();
}

TEST_F(LightingPanelFixture, SavesTheColourPaletteOpen) {
    Attach();
    SetLightingView(true);
    ChooseMode(1);
    window_->show();
    auto* button = ControlOf<CColourButton>(lighting_control::kSecondGroupColour);
    ASSERT_NE(button, nullptr);
    button->OpenPopup();
    RunEvents(std::chrono::milliseconds(50));
    QDir().mkpath(QStringLiteral(QUOVEX_REVIEW_DIR));
    const QString file = QStringLiteral(QUOVEX_REVIEW_DIR "/lighting_colour_palette.png");
    const QPixmap popup = button->Popup().grab();
    EXPECT_TRUE(popup.scaled(popup.size() * 2).save(file)) << file.toStdString();
    button->Popup().hide();
}

INSTANTIATE_TEST_SUITE_P(Modes, LightingPanelReviewTest, ::testing::Values(1, 12, 17, 20));

}  // namespace
}  // namespace quovex::gui::lighting_test
