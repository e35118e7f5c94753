// The three application icons come from the program's resources in every size.
#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <set>

#include "skin/app_icons.h"

namespace quovex::gui {
namespace {

TEST(AppIconsTest, EachIconHasEverySizeAndTheyDiffer) {
    std::set<QByteArray> looks;
    for (const int id : {128, 141, 142}) {
        SCOPED_TRACE(id);
        const QIcon icon = AppIconById(id);
        ASSERT_FALSE(icon.isNull());
        for (const int size : {16, 32, 256}) {
            const QImage image = icon.pixmap(QSize(size, size)).toImage();
            EXPECT_EQ(image.size(), QSize(size, size));
        }
        const QImage small = icon.pixmap(QSize(32, 32)).toImage().convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(qAlpha(small.pixel(0, 0)), 0) << "transparent corners";
        looks.insert(QByteArray(reinterpret_cast<const char*>(small.constBits()), small.sizeInBytes()));
    }
    EXPECT_EQ(looks.size(), 3u);
    EXPECT_TRUE(AppIconById(140).isNull());
}

}  // namespace
}  // namespace quovex::gui
