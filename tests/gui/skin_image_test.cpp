// Skin pictures, their state surfaces and the window shape from a mask.
#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "skin/mask_region.h"
#include "skin/skin_image.h"

namespace quovex::gui {
namespace {

QImage Filled(int w, int h, QColor colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

TEST(RenderSkinImageTest, SurfaceIsTheClientAreaPlusAHundredEachWay) {
    const QImage big = Filled(900, 500, Qt::red);
    const QImage surface = RenderSkinImage(SkinImage(big), QSize(600, 300));
    EXPECT_EQ(surface.size(), QSize(700, 400));
    // A larger picture is cut at the right and bottom, never scaled.
    EXPECT_EQ(surface.pixelColor(699, 399), QColor(Qt::red));

    const QImage small = Filled(100, 50, Qt::green);
    const QImage partly = RenderSkinImage(SkinImage(small), QSize(600, 300));
    EXPECT_EQ(partly.pixelColor(99, 49), QColor(Qt::green));
    EXPECT_EQ(partly.pixelColor(100, 49), QColor(Qt::black)) << "outside the picture the surface stays black";
    EXPECT_EQ(partly.pixelColor(99, 50), QColor(Qt::black));
}

TEST(LoadSkinImageTest, AMissingOrUndecodablePictureGivesABlackSurface) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::filesystem::path program = folder.path().toStdString();
    std::filesystem::create_directory(program / "Skins");
    {
        QFile broken(QString::fromStdString((program / "Skins" / "broken.jpg").string()));
        ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
        broken.write("not a picture");
    }
    ASSERT_TRUE(Filled(20, 10, Qt::blue).save(QString::fromStdString((program / "Skins" / "good.bmp").string())));

    for (const char* name : {"Skins/missing.jpg", "Skins/broken.jpg"}) {
        SCOPED_TRACE(name);
        const SkinImage image = LoadSkinImage(program, name);
        EXPECT_FALSE(image.IsDecoded());
        const QImage surface = RenderSkinImage(image, QSize(10, 10));
        EXPECT_EQ(surface.size(), QSize(110, 110));
        EXPECT_EQ(surface.pixelColor(5, 5), QColor(Qt::black));
    }
    const SkinImage good = LoadSkinImage(program, "Skins/good.bmp");
    ASSERT_TRUE(good.IsDecoded());
    EXPECT_EQ(RenderSkinImage(good, QSize(10, 10)).pixelColor(19, 9), QColor(Qt::blue));
}

TEST(RegionFromMaskTest, PureWhiteGivesAnEmptyRegion) {
    const std::optional<QRegion> region = RegionFromMask(Filled(40, 30, Qt::white));
    ASSERT_TRUE(region.has_value());
    EXPECT_TRUE(region->isEmpty());
    EXPECT_EQ(region->rectCount(), 0);
}

TEST(RegionFromMaskTest, ARowOfThreeRunsGivesThreeRectanglesOnePixelHigh) {
    QImage mask = Filled(12, 5, Qt::white);
    for (const int x : {1, 2, 5, 8, 9, 10}) mask.setPixelColor(x, 3, Qt::black);
    const std::optional<QRegion> region = RegionFromMask(mask);
    ASSERT_TRUE(region.has_value());
    ASSERT_EQ(region->rectCount(), 3);
    const QRect expected[] = {QRect(1, 3, 2, 1), QRect(5, 3, 1, 1), QRect(8, 3, 3, 1)};
    int i = 0;
    for (const QRect& rect : *region) EXPECT_EQ(rect, expected[i++]);
}

TEST(RegionFromMaskTest, ShapesWithManyBatchesKeepEveryPixel) {
    // A checkerboard of 120 x 100 has 6000 runs: three batches of 2000.
    QImage mask = Filled(120, 100, Qt::white);
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = (y % 2); x < mask.width(); x += 2) mask.setPixelColor(x, y, QColor(0x20, 0x20, 0x20));
    }
    const std::optional<QRegion> region = RegionFromMask(mask);
    ASSERT_TRUE(region.has_value());
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            ASSERT_EQ(region->contains(QPoint(x, y)), (x + y) % 2 == 0) << x << "," << y;
        }
    }
}

TEST(RegionFromMaskTest, NoPictureGivesNoRegion) { EXPECT_FALSE(RegionFromMask(QImage()).has_value()); }

}  // namespace
}  // namespace quovex::gui
