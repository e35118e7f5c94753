// CPngButton: which picture it shows, the part of the surface it copies, its
// frame and caption, clicks and tooltips.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <QWidget>

#include "skin/png_button.h"

namespace quovex::gui {
namespace {

// A surface whose every pixel tells where it lies.
QImage CoordinateSurface(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 16 + (y / 256)));
    }
    return image;
}

QImage Filled(QColor colour) {
    QImage image(300, 200, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QImage Render(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);  // no window background
    return image;
}

class PngButtonTest : public testing::Test {
protected:
    PngButtonTest() {
        window.resize(300, 200);
        button = new CPngButton(&window, 1006);
        button->setGeometry(10, 20, 50, 16);
        button->SetSkin(10, 20, {&normal, &over, &down, &disabled, &checked}, false);
    }

    QImage normal = Filled(Qt::white), over = Filled(Qt::red), down = Filled(Qt::green),
           disabled = Filled(Qt::gray), checked = Filled(Qt::blue), pair_off = Filled(Qt::cyan),
           pair_on = Filled(Qt::yellow);
    QWidget window;
    CPngButton* button = nullptr;
};

TEST_F(PngButtonTest, ChoosesItsPictureByTheFirstStateThatHolds) {
    const struct {
        const char* state;
        bool enabled, paired, pressed, hovered, is_checked;
        int pair_state;
        const QImage* expected;
    } cases[] = {
        {"normal", true, false, false, false, false, 0, &normal},
        {"checked", true, false, false, false, true, 0, &checked},
        {"hovered over checked", true, false, false, true, true, 0, &over},
        {"pressed over hovered", true, false, true, true, true, 0, &down},
        {"pair off over pressed and hovered", true, true, true, true, true, 0, &pair_off},
        {"pair on", true, true, true, true, false, 1, &pair_on},
        {"disabled and checked", false, false, false, false, true, 0, &disabled},
        {"disabled over the pair", false, true, false, false, false, 1, &disabled},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        button->setEnabled(c.enabled);
        button->SetSkinPair(&pair_off, &pair_on, c.paired ? &window : nullptr, c.pair_state, false);
        button->SetChecked(c.is_checked, false);
        if (c.hovered) {
            QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(11, 21));
            QApplication::sendEvent(button, &enter);
        }
        button->setDown(c.pressed);
        EXPECT_EQ(button->SourceImage(), c.expected);
        const QImage shown = Render(*button);
        EXPECT_EQ(shown.pixelColor(25, 8), c.expected->pixelColor(0, 0));
        EXPECT_EQ(button->LastDrawnImage(), c.expected);
        // Setting the skin forgets hover and press.
        button->SetSkinImages({&normal, &over, &down, &disabled, &checked}, false);
        EXPECT_FALSE(button->Hovered());
        EXPECT_FALSE(button->isDown());
    }
}

TEST_F(PngButtonTest, CopiesTheAreaUnderItFromOnePixelUpAndLeft) {
    const QImage surface = CoordinateSurface(400, 300);
    button->SetSkin(10, 20, SkinImageSet::All(&surface), false);
    EXPECT_EQ(Render(*button), surface.copy(9, 19, 50, 16).convertToFormat(QImage::Format_RGB32));

    // An offset other than the button's place (an arrow taking its frame from a sprite sheet).
    button->SetSkinOffset(201, 101, false);
    EXPECT_EQ(Render(*button), surface.copy(200, 100, 50, 16));
}

TEST_F(PngButtonTest, AreaBeyondTheSurfaceIsLeftUndrawn) {
    const QImage surface = CoordinateSurface(40, 30);
    button->SetSkin(21, 21, SkinImageSet::All(&surface), false);
    const QImage shown = Render(*button);
    EXPECT_EQ(shown.pixel(0, 0), surface.pixel(20, 20));
    EXPECT_EQ(shown.pixel(19, 9), surface.pixel(39, 29));
    EXPECT_EQ(shown.pixelColor(20, 10), QColor(Qt::magenta));
}

TEST_F(PngButtonTest, FrameOfTwoPixelsReplacesTheEdgeOfThePicture) {
    button->SetFrameColour(QColor(255, 128, 0), true);
    const QImage shown = Render(*button);
    const QColor frame(255, 128, 0);
    EXPECT_EQ(shown.pixelColor(0, 0), frame);
    EXPECT_EQ(shown.pixelColor(1, 1), frame);
    EXPECT_EQ(shown.pixelColor(49, 15), frame);
    EXPECT_EQ(shown.pixelColor(25, 0), frame);
    EXPECT_EQ(shown.pixelColor(25, 8), QColor(Qt::white)) << "inside the frame";
    button->SetFrameColour(Qt::black, false);
    EXPECT_EQ(Render(*button).pixelColor(0, 0), QColor(Qt::white));
}

TEST_F(PngButtonTest, DrawCallbackTellsWhetherTheNormalPictureWasDrawn) {
    std::vector<bool> calls;
    button->SetDrawCallback([&](CPngButton& drawn, bool normal_drawn) {
        EXPECT_EQ(&drawn, button);
        calls.push_back(normal_drawn);
    });
    Render(*button);
    button->SetChecked(true, false);
    Render(*button);
    EXPECT_EQ(calls, (std::vector<bool>{true, false}));
}

TEST_F(PngButtonTest, DoubleClickCountsAsTwoClicks) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicks(button, &QAbstractButton::clicked);
    const QPointF at(5, 5), global = button->mapToGlobal(QPoint(5, 5));
    // What a platform delivers: press, release, press, double-click, release.
    const QEvent::Type sequence[] = {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonPress,
                                     QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease};
    for (const QEvent::Type type : sequence) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, global, Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(button, &event);
    }
    EXPECT_EQ(clicks.count(), 2);

    // A platform that sends the double-click in place of the second press.
    clicks.clear();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                                    QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, global, Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(button, &event);
    }
    EXPECT_EQ(clicks.count(), 2);
}

TEST_F(PngButtonTest, EmptyTooltipTextLeavesTheTooltipAsItIs) {
    button->SetTooltip(QStringLiteral("Help"), true);
    button->SetTooltip(QString(), false);
    EXPECT_EQ(button->TooltipText(), QStringLiteral("Help"));
    EXPECT_TRUE(button->TooltipActive());
    button->SetTooltip(QStringLiteral("Close"), false);
    EXPECT_EQ(button->TooltipText(), QStringLiteral("Close"));
    EXPECT_FALSE(button->TooltipActive());
}

TEST_F(PngButtonTest, TooltipAppearsTwoSecondsAfterTheMouseComesToRest) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    button->SetTooltip(QStringLiteral("Minimize"), false);
    QTest::mouseMove(button, QPoint(5, 5));
    EXPECT_TRUE(button->Hovered());
    EXPECT_TRUE(button->TooltipActive()) << "every hover activates the tooltip again";
    QTest::qWait(CPngButton::kTooltipDelayMs / 2);
    EXPECT_FALSE(QToolTip::isVisible());
    QTest::qWait(CPngButton::kTooltipDelayMs / 2 + 300);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Minimize"));
    QToolTip::hideText();
}

TEST_F(PngButtonTest, AngledCaptionAtEscapementZeroIsCentredByItsWidthAndBlack) {
    button->setGeometry(0, 0, 200, 40);
    button->SetSkin(1, 1, SkinImageSet::All(&normal), false);
    button->setText(QStringLiteral("Profile"));
    button->SetTextStyle(true, 10, QStringLiteral("DejaVu Sans"), Qt::black, text_format::kSingleLine | 0x08);
    button->SetTextAngle(0, true);
    EXPECT_EQ(button->CaptionFont().weight(), kAngledWeight);

    const int text_width = QFontMetrics(button->CaptionFont()).horizontalAdvance(QStringLiteral("Profile"));
    EXPECT_EQ(button->CaptionRect().left(), (200 - text_width) / 2);

    // The ink lies in the middle: as much room on the left as on the right.
    const QImage shown = Render(*button);
    int left = shown.width(), right = -1;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (qGray(shown.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    ASSERT_GE(right, left);
    EXPECT_NEAR(left, shown.width() - 1 - right, 3);
}

TEST(AngledCaptionRectTest, MovesTheRectangleSoRisingTextIsCentred) {
    // 268 tenths of a degree: cos = 0.8926, sin = 0.4509. Text 100 x 16 in 196 x 60:
    // wr = 89, hr = 45; left += (196 - 89) / 2 - int(16 * 0.4509 * 0.5) = 53 - 3;
    // bottom edge 60 - (60 - 45) / 2 - int(16 * 0.8926 * -0.5) = 60 - 7 + 7.
    const QRect moved = AngledCaptionRect(QRect(0, 0, 196, 60), QSize(100, 16), 268);
    EXPECT_EQ(moved.left(), 50);
    EXPECT_EQ(moved.top(), 0);
    EXPECT_EQ(moved.bottom() + 1, 60);
    // Text wider than the rectangle leaves the left edge where it is.
    EXPECT_EQ(AngledCaptionRect(QRect(0, 0, 50, 60), QSize(100, 16), 268).left(), 0);
    EXPECT_EQ(CaptionPixelSize(9, 96), 12);
    EXPECT_EQ(CaptionPixelSize(10, 96), 13);
}

}  // namespace
}  // namespace quovex::gui
