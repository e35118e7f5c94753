// The picture slider: where a point falls, what a drag and the keys report.
#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include "widgets/picture_slider.h"

namespace quovex::gui {
namespace {

// Sends a mouse event with the left button held, as a drag does.
void Mouse(QWidget& widget, QEvent::Type type, int x) {
    const QPointF point(x, widget.height() / 2.0);
    QMouseEvent event(type, point, widget.mapToGlobal(point), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

std::vector<int> Positions(const QSignalSpy& spy) {
    std::vector<int> positions;
    for (const QList<QVariant>& call : spy) {
        EXPECT_EQ(call.at(0).toInt(), 1178);
        positions.push_back(call.at(1).toInt());
    }
    return positions;
}

TEST(CPictureSliderTest, APointGivesTheNearestKnobPosition) {
    CPictureSlider slider(nullptr, 1178);
    slider.resize(156, 20);  // the knob runs from x = 10 to x = 146, 34 pixels a step
    const std::pair<int, int> cases[] = {{-20, 0}, {0, 0}, {10, 0}, {26, 0}, {28, 1}, {44, 1}, {78, 2},
                                         {112, 3}, {129, 4}, {146, 4}, {155, 4}, {400, 4}};
    for (const auto& [x, position] : cases) EXPECT_EQ(slider.PositionAt(x), position) << "x = " << x;
}

TEST(CPictureSliderTest, ADragReportsEachNewPositionWhileTheButtonIsDown) {
    CPictureSlider slider(nullptr, 1178);
    slider.resize(156, 20);
    slider.SetPosition(2);
    QSignalSpy spy(&slider, &CPictureSlider::PositionPosted);

    Mouse(slider, QEvent::MouseButtonPress, 78);  // where the knob is: nothing new
    Mouse(slider, QEvent::MouseMove, 100);        // nearer position 3
    Mouse(slider, QEvent::MouseMove, 112);
    Mouse(slider, QEvent::MouseMove, 146);
    Mouse(slider, QEvent::MouseMove, 10);
    Mouse(slider, QEvent::MouseButtonRelease, 10);
    Mouse(slider, QEvent::MouseMove, 146);  // the button is up: no report
    EXPECT_EQ(Positions(spy), (std::vector<int>{3, 4, 0}));
    EXPECT_EQ(slider.Position(), 0);
}

TEST(CPictureSliderTest, KeysMoveItWithinItsRangeAndTheOwnersSettingsReportNothing) {
    CPictureSlider slider(nullptr, 1178);
    slider.resize(156, 20);
    QSignalSpy spy(&slider, &CPictureSlider::PositionPosted);
    slider.SetPosition(9);
    EXPECT_EQ(slider.Position(), 4) << "brought into the range";
    slider.SetTrackPicture(QPixmap(156, 20));
    EXPECT_TRUE(spy.isEmpty());

    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Left, Qt::Key_Left, Qt::Key_Home, Qt::Key_Left, Qt::Key_End}) {
        QTest::keyClick(&slider, key);
    }
    EXPECT_EQ(Positions(spy), (std::vector<int>{3, 2, 0, 4})) << "the ends hold; no report for no move";
}

}  // namespace
}  // namespace quovex::gui
