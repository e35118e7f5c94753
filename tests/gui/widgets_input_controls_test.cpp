// The integer edit box (what it takes and what it refuses) and the clickable
// picture (what counts as a click).
#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include "widgets/clickable_picture.h"
#include "widgets/integer_edit.h"

namespace quovex::gui {
namespace {

TEST(CIntegerEditTest, ReadsDigitsOnly) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"0", 0}, {"255", 255}, {"300", 300}, {" 12 ", 12}, {"007", 7},
        {"", std::nullopt}, {"-1", std::nullopt}, {"+1", std::nullopt}, {"1a", std::nullopt}, {"1.5", std::nullopt},
        {"٣", std::nullopt},  // a digit of another script is not one of the box's digits
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(CIntegerEdit::ParseInteger(QString::fromUtf8(text)), value) << text;
    }
}

TEST(CIntegerEditTest, ReportsNumbersAndRefusesTheRestKeepingItsValue) {
    CIntegerEdit box(nullptr, 1207, 3);
    box.SetValue(40);
    QSignalSpy edited(&box, &CIntegerEdit::ValueEdited);
    QSignalSpy refused(&box, &CIntegerEdit::InputRefused);

    box.selectAll();
    QTest::keyClicks(&box, "12");
    ASSERT_EQ(edited.count(), 2);
    EXPECT_EQ(edited.at(1).at(0).toInt(), 1207);
    EXPECT_EQ(edited.at(1).at(1).toInt(), 12);
    EXPECT_EQ(box.Value(), 12);

    QTest::keyClicks(&box, "x");
    EXPECT_EQ(refused.count(), 1);
    EXPECT_EQ(box.text(), "12");
    EXPECT_EQ(box.Value(), 12);
    EXPECT_EQ(edited.count(), 2);

    QTest::keyClicks(&box, "3456");
    EXPECT_EQ(box.text(), "123") << "three digits at most";

    // An empty box is not finished: nothing is reported, and leaving it shows the value again.
    box.selectAll();
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(box.text(), "");
    EXPECT_EQ(refused.count(), 1);
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(box.text(), "123");
    EXPECT_EQ(box.Value(), 123);
}

void Click(QWidget& widget, QEvent::Type type, QPoint point) {
    QMouseEvent event(type, point, widget.mapToGlobal(point), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

TEST(ClickablePictureTest, ADoubleClickIsTwoClicksAndAReleaseOutsideIsNone) {
    ClickablePicture picture(nullptr, 1167, true);
    picture.resize(48, 24);
    QSignalSpy clicked(&picture, &ClickablePicture::Clicked);
    const QPoint inside(10, 10);
    Click(picture, QEvent::MouseButtonPress, inside);
    Click(picture, QEvent::MouseButtonRelease, inside);
    Click(picture, QEvent::MouseButtonDblClick, inside);
    Click(picture, QEvent::MouseButtonRelease, inside);
    EXPECT_EQ(clicked.count(), 2);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 1167);

    Click(picture, QEvent::MouseButtonPress, inside);
    Click(picture, QEvent::MouseButtonRelease, QPoint(100, 10));
    EXPECT_EQ(clicked.count(), 2);

    ClickablePicture progress(nullptr, 1177, false);
    EXPECT_TRUE(progress.testAttribute(Qt::WA_TransparentForMouseEvents)) << "a picture that only shows lets clicks through";
}

}  // namespace
}  // namespace quovex::gui
