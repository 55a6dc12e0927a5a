#include "diagram/surface.h"

#include "diagram/color.h"
#include "diagram/gradient.h"
#include "tests/diagram/pixels.h"

#include <gtest/gtest.h>
#include <set>

namespace kelvane {
namespace {

using test::bgrAt;

constexpr std::uint32_t Brush = 0x00FF00;
constexpr std::uint32_t Pen = 0x0000FF;
constexpr std::uint32_t Paper = bgr::Background;

class SurfaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        surface.setBrushColor(Paper);
        surface.fillRect(0, 0, Surface::Size, Surface::Size);
        surface.setBrushColor(Brush);
        surface.setPenColor(Pen);
    }
    Surface surface;
};

struct PixelCase {
    int x;
    int y;
    std::uint32_t expected;
};

TEST_F(SurfaceTest, FillRectExcludesRightAndBottom) {
    surface.fillRect(10, 10, 20, 15);
    for (const PixelCase& c :
         {PixelCase{10, 10, Brush}, PixelCase{19, 14, Brush}, PixelCase{20, 10, Paper},
          PixelCase{10, 15, Paper}, PixelCase{9, 12, Paper}})
        EXPECT_EQ(bgrAt(surface, c.x, c.y), c.expected) << c.x << "," << c.y;
}

TEST_F(SurfaceTest, FillRectIsClippedToTheSurface) {
    surface.fillRect(-5, 2995, 3100, 3100);
    EXPECT_EQ(bgrAt(surface, 0, 2999), Brush);
    EXPECT_EQ(bgrAt(surface, 2999, 2995), Brush);
    EXPECT_EQ(bgrAt(surface, 2999, 2994), Paper);
}

TEST_F(SurfaceTest, RoundRectOutlinesItsFilledArea) {
    surface.roundRect(100, 100, 150, 120, 2, 2);
    for (const PixelCase& c :
         {PixelCase{100, 100, Pen}, PixelCase{149, 100, Pen}, PixelCase{100, 119, Pen},
          PixelCase{149, 119, Pen}, PixelCase{125, 100, Pen}, PixelCase{149, 110, Pen},
          PixelCase{125, 119, Pen}, PixelCase{101, 101, Brush}, PixelCase{148, 118, Brush},
          PixelCase{150, 110, Paper}, PixelCase{125, 120, Paper}, PixelCase{99, 110, Paper}})
        EXPECT_EQ(bgrAt(surface, c.x, c.y), c.expected) << c.x << "," << c.y;
}

TEST_F(SurfaceTest, RoundRectCornerFourCutsTheCornerPixel) {
    surface.roundRect(100, 100, 150, 120, 4, 4);
    for (const PixelCase& c :
         {PixelCase{100, 100, Paper}, PixelCase{149, 119, Paper}, PixelCase{101, 100, Pen},
          PixelCase{100, 101, Pen}, PixelCase{101, 101, Brush}, PixelCase{148, 119, Pen}})
        EXPECT_EQ(bgrAt(surface, c.x, c.y), c.expected) << c.x << "," << c.y;
}

struct LineCase {
    int x1, y1, x2, y2;
    PixelCase drawn;
    PixelCase excluded;
};

TEST_F(SurfaceTest, LineToLeavesOutItsEndPoint) {
    for (const LineCase& c : {LineCase{5, 5, 5, 10, {5, 9, Pen}, {5, 10, Paper}},
                              LineCase{5, 20, 5, 15, {5, 16, Pen}, {5, 15, Paper}},
                              LineCase{10, 30, 20, 30, {19, 30, Pen}, {20, 30, Paper}},
                              LineCase{40, 40, 30, 40, {31, 40, Pen}, {30, 40, Paper}},
                              LineCase{50, 50, 60, 60, {50, 50, Pen}, {60, 60, Paper}}}) {
        surface.moveTo(c.x1, c.y1);
        surface.lineTo(c.x2, c.y2);
        EXPECT_EQ(bgrAt(surface, c.drawn.x, c.drawn.y), Pen) << c.x1 << "," << c.y1;
        EXPECT_EQ(bgrAt(surface, c.excluded.x, c.excluded.y), Paper) << c.x1 << "," << c.y1;
    }
}

TEST_F(SurfaceTest, TextIsTransparentAndNotAntialiased) {
    surface.setBrushColor(Brush);
    surface.fillRect(0, 0, 200, 20);
    surface.textOut(2, 2, QStringLiteral("Справочники Qy"));
    std::set<std::uint32_t> colours;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 200; ++x)
            colours.insert(bgrAt(surface, x, y));
    EXPECT_EQ(colours, (std::set<std::uint32_t>{0, Brush}));
}

TEST_F(SurfaceTest, TextWidthGrowsWithTheTextAndIsZeroForNothing) {
    EXPECT_EQ(surface.textWidth(QString()), 0);
    EXPECT_GT(surface.textWidth(QStringLiteral("Документы")), surface.textWidth("Док"));
    EXPECT_EQ(surface.font().pixelSize(), 11);
}

TEST_F(SurfaceTest, CopyBlockIsOpaqueAndClipped) {
    QImage slot = Surface::makeSlot();
    Surface::fillSlot(slot, 0x123456);
    surface.copyBlock(2990, 10, slot);
    EXPECT_EQ(bgrAt(surface, 2990, 10), 0x123456u);
    EXPECT_EQ(bgrAt(surface, 2999, 25), 0x123456u);
    EXPECT_EQ(bgrAt(surface, 2999, 26), Paper);
    EXPECT_EQ(bgrAt(surface, 2989, 10), Paper);
}

TEST_F(SurfaceTest, PutPictureOfNothingKeepsTheSlot) {
    QImage slot = Surface::makeSlot();
    Surface::fillSlot(slot, 0x123456);
    Surface::putPicture(slot, QImage());
    EXPECT_EQ(toBgr(QColor(slot.pixel(15, 15))), 0x123456u);
}

// A header band from 0xF4F4F4 to 0xFFFF80 over 18 lines.
TEST_F(SurfaceTest, GradientRunsTheRedByteDownInTruncatedSteps) {
    drawGradient(surface, {10, 19, 50, 37}, false, {bgr::BandTop, bgr::HeaderBand});
    const int reds[] = {244, 237, 230, 223, 216, 209, 203, 196, 189,
                        182, 175, 168, 162, 155, 148, 141, 134, 128};
    for (int line = 0; line < 18; ++line)
        EXPECT_EQ(qRed(surface.image().pixel(30, 19 + line)), reds[line]) << line;
    EXPECT_EQ(bgrAt(surface, 10, 19), bgr::BandTop);
    EXPECT_EQ(bgrAt(surface, 49, 36), bgr::HeaderBand);
    EXPECT_EQ(bgrAt(surface, 50, 30), Paper);
    EXPECT_EQ(bgrAt(surface, 30, 37), Paper);
    EXPECT_EQ(surface.penColor(), Pen);
}

struct BandCase {
    int lines;
    int sharedLine;
};

TEST_F(SurfaceTest, GradientBandsMeetOnTheRoundedStep) {
    const std::uint32_t middle = 0x808080;
    const std::uint32_t bottom = 0x000000;
    for (const BandCase& c : {BandCase{21, 10}, BandCase{23, 12}, BandCase{4, 2}}) {
        drawGradient(surface, {0, 100, 10, 100 + c.lines}, false, {0xFFFFFF, middle, bottom});
        EXPECT_EQ(bgrAt(surface, 5, 100 + c.sharedLine), middle) << c.lines;
        EXPECT_NE(bgrAt(surface, 5, 100 + c.sharedLine - 1), middle) << c.lines;
        EXPECT_EQ(bgrAt(surface, 5, 100 + c.lines - 1), bottom) << c.lines;
    }
}

TEST_F(SurfaceTest, GradientLeftToRightAndWithTooFewColours) {
    drawGradient(surface, {0, 0, 10, 5}, true, {0xFFFFFF, 0x000000});
    EXPECT_EQ(bgrAt(surface, 0, 4), 0xFFFFFFu);
    EXPECT_EQ(bgrAt(surface, 9, 0), 0u);
    EXPECT_EQ(bgrAt(surface, 5, 5), Paper);
    drawGradient(surface, {100, 0, 110, 5}, false, {0x000000});
    EXPECT_EQ(bgrAt(surface, 100, 0), Paper);
}

} // namespace
} // namespace kelvane
