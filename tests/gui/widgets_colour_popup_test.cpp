// The colour button and its palette popup: the palette's shape, a choice from
// the grid or from the "other" dialog, and closing without a choice.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <set>

#include "widgets/colour_button.h"
#include "widgets/palette_grid.h"

namespace quovex::gui {
namespace {

TEST(ColourPalettePopupTest, FiftyDifferentColoursInRowsOfTen) {
    const auto colours = ColourPalettePopup::PaletteColours();
    ASSERT_EQ(colours.size(), 50u);
    std::set<QRgb> distinct;
    for (const QColor& colour : colours) distinct.insert(colour.rgb());
    EXPECT_EQ(distinct.size(), colours.size());
    EXPECT_EQ(colours[0], QColor(Qt::white));
    EXPECT_EQ(colours[9], QColor(Qt::black));
    EXPECT_EQ(colours[10], QColor(Qt::red));

    ColourPalettePopup popup(nullptr);
    const PaletteGrid& grid = popup.Grid();
    EXPECT_EQ(grid.SwatchRect(9).top(), grid.SwatchRect(0).top());
    EXPECT_GT(grid.SwatchRect(10).top(), grid.SwatchRect(9).top()) << "the eleventh starts a new row";
    EXPECT_EQ(grid.SwatchRect(10).left(), grid.SwatchRect(0).left());
}

class CColourButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(200, 100);
        button = new CColourButton(&window, 1155);
        button->setGeometry(10, 10, 40, 24);
        window.show();
    }
    void OpenPopup() {
        QTest::mouseClick(button, Qt::LeftButton);
        ASSERT_TRUE(button->Popup().isVisible());
    }

    QWidget window;
    CColourButton* button = nullptr;
};

TEST_F(CColourButtonTest, AColourFromTheGridIsTakenAtOnceAndReported) {
    button->SetColour(QColor(255, 0, 0));
    QSignalSpy spy(button, &CColourButton::ColourChosen);
    OpenPopup();
    PaletteGrid& grid = button->Popup().Grid();
    EXPECT_EQ(grid.MarkedIndex(), 10) << "the button's colour is marked";

    QTest::mouseClick(&grid, Qt::LeftButton, {}, grid.SwatchRect(23).center());
    EXPECT_FALSE(button->Popup().isVisible());
    EXPECT_EQ(button->Colour(), ColourPalettePopup::PaletteColours()[23]);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 1155);
    EXPECT_EQ(spy.at(0).at(1).value<QColor>(), ColourPalettePopup::PaletteColours()[23]);

    // The keys choose too: from the marked swatch one to the right, then Enter.
    OpenPopup();
    QTest::keyClick(&grid, Qt::Key_Right);
    QTest::keyClick(&grid, Qt::Key_Return);
    EXPECT_EQ(button->Colour(), ColourPalettePopup::PaletteColours()[24]);
    EXPECT_EQ(spy.count(), 2);
}

TEST_F(CColourButtonTest, TheOtherButtonAsksForAnyColourAndACancelChangesNothing) {
    button->SetColour(QColor(10, 20, 30));
    QSignalSpy spy(button, &CColourButton::ColourChosen);
    std::optional<QColor> answer;
    QColor asked_with;
    button->Popup().SetOtherText(QStringLiteral("Other..."));
    button->Popup().SetOtherColourChooser([&](const QColor& initial, QWidget*) {
        asked_with = initial;
        return answer;
    });

    OpenPopup();
    QTest::mouseClick(&button->Popup().OtherButton(), Qt::LeftButton);
    EXPECT_EQ(asked_with, QColor(10, 20, 30));
    EXPECT_FALSE(button->Popup().isVisible());
    EXPECT_EQ(spy.count(), 0);
    EXPECT_EQ(button->Colour(), QColor(10, 20, 30));

    answer = QColor(200, 100, 50);
    OpenPopup();
    QTest::mouseClick(&button->Popup().OtherButton(), Qt::LeftButton);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(button->Colour(), QColor(200, 100, 50));

    // Escape closes the popup without a choice; setting the colour reports nothing.
    OpenPopup();
    QTest::keyClick(&button->Popup().Grid(), Qt::Key_Escape);
    button->SetColour(QColor(1, 1, 1));
    EXPECT_EQ(spy.count(), 1);
}

}  // namespace
}  // namespace quovex::gui
