// CBaseDialog and the placers, on small skin folders made for each case.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include "skin/base_dialog.h"
#include "skin/png_button.h"
#include "skin/skin_placement.h"

namespace quovex::gui {
namespace {

class SkinFolder {
public:
    SkinFolder() { EXPECT_TRUE(folder_.isValid()); }
    std::filesystem::path Path() const { return folder_.path().toStdString(); }
    skin::SkinPaths Paths() const { return {Path() / "Test.ini", Path()}; }

    void Ini(const char* text) {
        QFile file(QString::fromStdString((Path() / "Test.ini").string()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    void Picture(const char* name, const QImage& image) {
        ASSERT_TRUE(image.save(QString::fromStdString((Path() / name).string())));
    }

private:
    QTemporaryDir folder_;
};

QImage Filled(int w, int h, QColor colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A background with a white border: the border is cut away, the rest stays.
QImage Framed(int w, int h) {
    QImage image = Filled(w, h, Qt::white);
    for (int y = 2; y < h - 2; ++y) {
        for (int x = 2; x < w - 2; ++x) image.setPixelColor(x, y, QColor(30, 40, 50));
    }
    return image;
}

TEST(CBaseDialogTest, TakesTheBackgroundsSizeAndTheMasksShape) {
    SkinFolder skin;
    skin.Ini("[SCREEN]\nMain=back.bmp\nMask=mask.bmp\n");
    skin.Picture("back.bmp", Filled(60, 30, Qt::red));
    skin.Picture("mask.bmp", Framed(60, 30));
    CBaseDialog dialog(131, nullptr, skin.Paths());
    ASSERT_TRUE(dialog.OnInitDialog()) << dialog.SkinError().toStdString();
    EXPECT_EQ(dialog.size(), QSize(60, 30));
    ASSERT_TRUE(dialog.SkinRegion().has_value());
    EXPECT_EQ(dialog.SkinRegion()->boundingRect(), QRect(2, 2, 56, 26));
    EXPECT_EQ(dialog.mask(), *dialog.SkinRegion());
    EXPECT_FALSE(dialog.SkinBusy());
    EXPECT_TRUE(dialog.windowFlags() & Qt::FramelessWindowHint);

    // The background is what the dialog paints.
    QImage shown(dialog.size(), QImage::Format_RGB32);
    dialog.render(&shown);
    EXPECT_EQ(shown.pixelColor(30, 15), QColor(Qt::red));

    dialog.accept();
    EXPECT_TRUE(dialog.BackgroundImage().isNull()) << "OK lets the pictures go";
    EXPECT_TRUE(dialog.MaskImage().isNull());
}

TEST(CBaseDialogTest, WithoutMaskTheBackgroundShapesTheDialog) {
    SkinFolder skin;
    skin.Ini("[screen]\nmain=back.bmp\n");  // names are found regardless of case
    skin.Picture("back.bmp", Framed(40, 20));
    CBaseDialog dialog(149, nullptr, skin.Paths());
    ASSERT_TRUE(dialog.OnInitDialog()) << dialog.SkinError().toStdString();
    ASSERT_TRUE(dialog.SkinRegion().has_value());
    EXPECT_EQ(dialog.SkinRegion()->boundingRect(), QRect(2, 2, 36, 16));
}

TEST(CBaseDialogTest, AnAllWhiteMaskLeavesTheDialogRectangular) {
    SkinFolder skin;
    skin.Ini("[SCREEN]\nMain=back.bmp\nMask=white.bmp\n");
    skin.Picture("back.bmp", Filled(40, 20, Qt::blue));
    skin.Picture("white.bmp", Filled(40, 20, Qt::white));
    CBaseDialog dialog(149, nullptr, skin.Paths());
    ASSERT_TRUE(dialog.OnInitDialog());
    ASSERT_TRUE(dialog.SkinRegion().has_value());
    EXPECT_TRUE(dialog.SkinRegion()->isEmpty()) << "the region itself is empty";
    EXPECT_TRUE(dialog.mask().isEmpty()) << "but the dialog is not cut to nothing";
}

TEST(CBaseDialogTest, MissingOrBrokenPicturesAreReportedAndNothingIsShown) {
    const struct {
        const char* ini;
        const char* error_part;
    } cases[] = {
        {"[SCREEN]\nMask=mask.bmp\n", "\"Main\" is empty"},
        {"", "\"Main\" is empty"},  // no file at all reads as every key missing
        {"[SCREEN]\nMain=nothing.jpg\n", "nothing.jpg"},
        {"[SCREEN]\nMain=back.bmp\nMask=broken.bmp\n", "broken.bmp"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ini);
        SkinFolder skin;
        if (*c.ini) skin.Ini(c.ini);
        skin.Picture("back.bmp", Filled(10, 10, Qt::blue));
        QFile broken(QString::fromStdString((skin.Path() / "broken.bmp").string()));
        ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
        broken.write("BM but not a bitmap");
        broken.close();
        CBaseDialog dialog(131, nullptr, skin.Paths());
        EXPECT_FALSE(dialog.OnInitDialog());
        EXPECT_TRUE(dialog.SkinError().contains(QString::fromUtf8(c.error_part))) << dialog.SkinError().toStdString();
        EXPECT_TRUE(dialog.BackgroundImage().isNull());
    }
}

TEST(CBaseDialogTest, DraggingTheBackgroundMovesTheWindow) {
    SkinFolder skin;
    skin.Ini("[SCREEN]\nMain=back.bmp\n");
    skin.Picture("back.bmp", Filled(80, 40, Qt::darkGray));
    CBaseDialog dialog(131, nullptr, skin.Paths());
    ASSERT_TRUE(dialog.OnInitDialog());
    dialog.move(100, 100);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const QPoint start = dialog.pos();
    QTest::mousePress(&dialog, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QMouseEvent move(QEvent::MouseMove, QPointF(40, 30), dialog.mapToGlobal(QPointF(40, 30)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &move);
    QTest::mouseRelease(&dialog, Qt::LeftButton, Qt::NoModifier, QPoint(40, 30));
    EXPECT_EQ(dialog.pos(), start + QPoint(30, 20));
}

class PlacementTest : public testing::Test {
protected:
    void SetUp() override {
        skin.Ini("[BUTTONINFO]\n"
                 "PLACED=12,30,80,24,old\n"
                 "ABSENT_SIZED=1,1,80,24\n"
                 "NEGATIVE=5,6,-3,9\n"
                 "ARROW=40,50,10,12\n"
                 "[BUTTONINFO2]\n"
                 "ARROW_FRAME1=200,100,99,99\n");
        ini.emplace(skin.Paths().ini_path);
    }
    SkinFolder skin;
    std::optional<skin::SkinLayoutFile> ini;
    QWidget window;
    QImage surface = Filled(300, 200, Qt::green);
};

TEST_F(PlacementTest, ButtonsAreDisabledWhenTheirRectangleStartsAtOneOne) {
    const struct {
        const char* key;
        QRect geometry;
        bool enabled;
    } cases[] = {
        {"PLACED", QRect(12, 30, 80, 24), true},
        {"ABSENT_SIZED", QRect(1, 1, 80, 24), false},
        {"MISSING", QRect(1, 1, 1, 1), false},
        {"NEGATIVE", QRect(5, 6, 0, 9), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        CPngButton button(&window);
        ReadSkinButton(button, *ini, "BUTTONINFO", c.key, SkinImageSet::All(&surface));
        EXPECT_EQ(button.geometry(), c.geometry);
        EXPECT_EQ(button.isEnabled(), c.enabled);
        EXPECT_EQ(button.SkinOffset(), c.geometry.topLeft());
        EXPECT_EQ(button.Images(), SkinImageSet::All(&surface));
    }
}

TEST_F(PlacementTest, OtherControlsTakeTheirPlaceOnly) {
    QLabel label(&window);
    ReadSkinRect(label, *ini, "BUTTONINFO", "MISSING");
    EXPECT_EQ(label.geometry(), QRect(1, 1, 1, 1));
    EXPECT_TRUE(label.isEnabled()) << "a missing control stays enabled";
    ReadSkinRect(label, *ini, "BUTTONINFO", "PLACED");
    EXPECT_EQ(label.geometry(), QRect(12, 30, 80, 24));

    label.resize(33, 17);
    ReadSkinPosition(label, *ini, "BUTTONINFO", "ARROW");
    EXPECT_EQ(label.geometry(), QRect(40, 50, 33, 17)) << "moved, size kept";
}

TEST_F(PlacementTest, AButtonCanTakeItsPictureFromAnotherPlace) {
    CPngButton arrow(&window);
    ReadSkinButtonAt(arrow, *ini, "BUTTONINFO", "ARROW", "BUTTONINFO2", "ARROW_FRAME1", &surface);
    EXPECT_EQ(arrow.geometry(), QRect(40, 50, 10, 12));
    EXPECT_EQ(arrow.SkinOffset(), QPoint(200, 100)) << "only x and y of the second value count";
    EXPECT_EQ(arrow.Images(), SkinImageSet::All(&surface));
}

}  // namespace
}  // namespace quovex::gui
