// The lighting panel's timers on the test window: Apply's progress picture
// (1050) and the preview (1052), which draws only while the window is on
// screen and the lighting view is on.
#include <set>

#include "lighting/lighting_panel_controls.h"
#include "lighting/preview_tables.h"
#include "lighting_test_window.h"

namespace quovex::gui::lighting_test {
namespace {

using namespace std::chrono_literals;
namespace lc = lighting_control;

class LightingTimersTest : public LightingPanelFixture {
protected:
    // Frames drawn on the keys during `duration`.
    int FramesDrawnDuring(std::chrono::milliseconds duration) {
        const int before = keys_.frame_calls;
        RunEvents(duration);
        return keys_.frame_calls - before;
    }
};

TEST_F(LightingTimersTest, ApplyProgressRunsThroughItsTenFramesAndIsHiddenAfter) {
    auto* progress = ControlOf<ClickablePicture>(lc::kProgress);
    ASSERT_NE(progress, nullptr);
    window_->show();
    EXPECT_FALSE(progress->isVisible());
    EXPECT_EQ(progress->PictureName(), "jdt1.bmp");

    panel_->ShowApplyProgress(true);
    EXPECT_TRUE(progress->isVisible());
    std::vector<QString> shown = {progress->PictureName()};
    for (int wait = 0; wait < 400 && shown.size() < 11; ++wait) {
        RunEvents(5ms);
        if (progress->PictureName() != shown.back()) shown.push_back(progress->PictureName());
    }
    const std::vector<QString> expected = {"jdt1.bmp", "jdt2.bmp", "jdt3.bmp", "jdt4.bmp", "jdt5.bmp",  "jdt6.bmp",
                                           "jdt7.bmp", "jdt8.bmp", "jdt9.bmp", "jdt10.bmp", "jdt1.bmp"};
    EXPECT_EQ(shown, expected) << "ten frames, then from the first again";
    EXPECT_FALSE(progress->Picture().isNull());

    panel_->ShowApplyProgress(false);
    EXPECT_FALSE(progress->isVisible());
    const QString last = progress->PictureName();
    RunEvents(150ms);
    EXPECT_EQ(progress->PictureName(), last) << "no frames while hidden";
}

TEST_F(LightingTimersTest, ThePreviewDrawsTheKeysOnlyWhileTheWindowIsShownAndTheViewIsOn) {
    Attach();
    SetLightingView(true);
    ChooseMode(4);  // every key the same wheel colour, moving on each tick

    // The window starts hidden, as the program does in the tray.
    EXPECT_FALSE(panel_->PreviewRunning());
    EXPECT_EQ(FramesDrawnDuring(200ms), 0);

    window_->show();
    EXPECT_TRUE(panel_->PreviewRunning());
    RunEvents(300ms);
    ASSERT_EQ(keys_.frames.size(), static_cast<size_t>(preview::kOrderedKeys)) << "every key of the preview has its frame";
    const Rgb first = keys_.frames.at(1022);
    RunEvents(200ms);
    EXPECT_NE(keys_.frames.at(1022), first) << "the colour moves on";

    window_->hide();
    EXPECT_FALSE(panel_->PreviewRunning());
    EXPECT_EQ(FramesDrawnDuring(200ms), 0);

    window_->show();
    EXPECT_GT(FramesDrawnDuring(300ms), 0);
    window_->showMinimized();
    EXPECT_FALSE(panel_->PreviewRunning()) << "a minimised window shows nothing either";
    window_->showNormal();
    EXPECT_TRUE(panel_->PreviewRunning());

    SetLightingView(false);
    EXPECT_FALSE(panel_->PreviewRunning());
    EXPECT_TRUE(keys_.frames.empty()) << "the keys are back to their plain look";
    EXPECT_EQ(FramesDrawnDuring(200ms), 0);
}

TEST_F(LightingTimersTest, APlainModeResetsTheKeysOnceAndMode20LeavesThePaintedKeys) {
    Attach();
    SetLightingView(true);
    ChooseMode(1);
    window_->show();
    RunEvents(200ms);
    ASSERT_FALSE(keys_.frames.empty());

    ChooseMode(7);  // shown without frames
    const int resets = keys_.resets;
    RunEvents(300ms);
    EXPECT_TRUE(keys_.frames.empty());
    EXPECT_LE(keys_.resets - resets, 1) << "a plain picture is not drawn again and again";

    ChooseMode(20);
    const std::map<int, Rgb> painted = keys_.frames;
    ASSERT_FALSE(painted.empty()) << "mode 20 paints the keys from the key colour table";
    EXPECT_EQ(FramesDrawnDuring(200ms), 0);
    EXPECT_EQ(keys_.frames, painted);
}

TEST_F(LightingTimersTest, AnUnchangedKeyIsNotDrawnAgainButThePictureHealsWithinASecond) {
    Attach();
    SetLightingView(true);
    ChooseMode(6);  // a fixed picture: every frame the same
    window_->show();
    RunEvents(300ms);
    ASSERT_EQ(keys_.frames.size(), static_cast<size_t>(preview::kOrderedKeys));
    EXPECT_LE(FramesDrawnDuring(500ms), preview::kOrderedKeys) << "at most the once-a-second full draw";

    // Something else takes the frames away: the preview draws them again.
    keys_.ResetKeyButtons();
    for (int wait = 0; wait < 100 && keys_.frames.size() < static_cast<size_t>(preview::kOrderedKeys); ++wait) {
        RunEvents(20ms);
    }
    EXPECT_EQ(keys_.frames.size(), static_cast<size_t>(preview::kOrderedKeys));
}

}  // namespace
}  // namespace quovex::gui::lighting_test
