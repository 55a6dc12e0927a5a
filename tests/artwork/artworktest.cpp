#include "diagram/artwork.h"

#include "diagram/color.h"

#include <QSet>
#include <functional>
#include <gtest/gtest.h>

namespace kelvane::artwork {
namespace {

bool hasDetail(const QImage& image) {
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != first) {
                return true;
            }
        }
    }
    return false;
}

QImage iconImage(const QIcon& icon) {
    return icon.pixmap(16, 16).toImage();
}

struct SurfaceCase {
    const char* name;
    std::function<const QImage&()> picture;
    QSize size;
};

class SurfacePictures : public ::testing::TestWithParam<SurfaceCase> {};

TEST_P(SurfacePictures, AreOpaqueDrawingsOfTheirSize) {
    const QImage& image = GetParam().picture();
    EXPECT_EQ(image.size(), GetParam().size);
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_TRUE(hasDetail(image));
}

INSTANTIATE_TEST_SUITE_P(Artwork, SurfacePictures,
                         ::testing::Values(SurfaceCase{"img1", img1, {16, 16}},
                                           SurfaceCase{"img2", img2, {16, 16}},
                                           SurfaceCase{"module", modulePicture, {17, 16}},
                                           SurfaceCase{"procedure", procedurePicture, {16, 16}},
                                           SurfaceCase{"function", functionPicture, {16, 16}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ObjectIcons, AreOpaqueDistinctDrawings) {
    QSet<QByteArray> seen;
    for (int index = 0; index < ObjectIconCount; ++index) {
        SCOPED_TRACE(index);
        const QImage& image = objectIcon(index);
        ASSERT_EQ(image.size(), QSize(16, 16));
        EXPECT_EQ(image.format(), QImage::Format_RGB32);
        EXPECT_TRUE(hasDetail(image));
        const QByteArray pixels(reinterpret_cast<const char*>(image.constBits()),
                                static_cast<int>(image.sizeInBytes()));
        EXPECT_FALSE(seen.contains(pixels)) << "same picture as an earlier index";
        seen.insert(pixels);
    }
}

TEST(ObjectIcons, LieOnTheCreamBackground) {
    // The corner pixel of a picture that leaves its margin free shows the surface colour.
    EXPECT_EQ(QColor(objectIcon(44).pixel(15, 15)), fromBgr(bgr::Background));
}

struct ListCase {
    const char* name;
    std::function<QIcon(int)> list;
    int first;
    int count;
};

class IconLists : public ::testing::TestWithParam<ListCase> {};

TEST_P(IconLists, HoldAPictureAtEveryIndex) {
    for (int index = GetParam().first; index < GetParam().first + GetParam().count; ++index) {
        SCOPED_TRACE(index);
        const QIcon icon = GetParam().list(index);
        ASSERT_FALSE(icon.isNull());
        const QImage image = iconImage(icon);
        EXPECT_EQ(image.size(), QSize(16, 16));
        EXPECT_TRUE(image.hasAlphaChannel());
        EXPECT_TRUE(hasDetail(image));
    }
}

TEST_P(IconLists, AreNullOutsideTheirRange) {
    EXPECT_TRUE(GetParam().list(GetParam().first - 1).isNull());
    EXPECT_TRUE(GetParam().list(GetParam().first + GetParam().count).isNull());
}

INSTANTIATE_TEST_SUITE_P(Artwork, IconLists,
                         ::testing::Values(ListCase{"ImageList1", imageList1, 0, ImageList1Count},
                                           ListCase{"ImageList3", imageList3, 0, ImageList3Count},
                                           ListCase{"history", historyButtonIcon, 1, 5}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ImageList3, ShowsTheClassPicturesOfTheToolbar) {
    struct Case {
        int button;
        int object;
    };
    // Both ends of each bar and a class whose toolbar place differs from its picture index.
    for (const Case c : {Case{0, 0}, Case{1, 1}, Case{2, 2}, Case{7, 20}, Case{18, 39},
                         Case{19, 41}, Case{27, 66}, Case{32, 84}, Case{34, 87}}) {
        SCOPED_TRACE(c.button);
        EXPECT_EQ(iconImage(imageList3(c.button)), iconImage(imageList1(c.object)));
    }
}

TEST(ObjectIcons, OutsideTheRangeAreEmpty) {
#ifdef NDEBUG
    EXPECT_TRUE(objectIcon(-1).isNull());
    EXPECT_TRUE(objectIcon(ObjectIconCount).isNull());
#else
    GTEST_SKIP() << "debug builds assert on an index outside 0..93";
#endif
}

TEST(ProgramIcon, ReadsAtEveryDesktopSize) {
    const QIcon icon = programIcon();
    for (const int side : {16, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(side);
        const QImage image = icon.pixmap(side, side).toImage();
        EXPECT_EQ(image.size(), QSize(side, side));
        EXPECT_TRUE(hasDetail(image));
    }
}

TEST(CopyButton, HasAPicture) {
    EXPECT_TRUE(hasDetail(iconImage(copyButtonIcon())));
}

} // namespace
} // namespace kelvane::artwork
