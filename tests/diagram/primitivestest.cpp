#include "diagram/primitives.h"

#include "diagram/color.h"
#include "diagram/delsimstr.h"
#include "diagram/diagramstate.h"
#include "diagram/surface.h"
#include "tests/diagram/pixels.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

using test::bgrAt;
using test::blackBox;
using test::textOfWidth;

class PrimitivesTest : public ::testing::Test {
protected:
    void SetUp() override { draw.BeginDiagram(); }
    Surface surface;
    DiagramState state;
    Primitives draw{surface, state};
};

TEST(DelsimstrTest, RemovesOneCharacter) {
    const struct {
        QString in;
        QString out;
    } cases[] = {{QString(), QString()},
                 {QStringLiteral("Ресурсы"), QStringLiteral("Ресурс")},
                 {QStringLiteral("a"), QString()},
                 {QStringLiteral("a\U0001F600"), QStringLiteral("a")},
                 {QStringLiteral("\U0001F600"), QString()}};
    for (const auto& c : cases)
        EXPECT_EQ(Delsimstr(c.in), c.out) << c.in.toStdString();
}

TEST_F(PrimitivesTest, BeginDiagramResetsStateAndClearsTheSurface) {
    EXPECT_EQ(state.CurX, 20);
    EXPECT_EQ(state.CurY, 20);
    EXPECT_EQ(state.BoxWidth, 250);
    EXPECT_EQ(state.BoxHeight, 20);
    EXPECT_EQ(state.GapX, 8);
    EXPECT_EQ(state.GapY, 8);
    EXPECT_EQ(bgrAt(surface, 0, 0), bgr::Background);
    EXPECT_EQ(bgrAt(surface, 2999, 2999), bgr::Background);
    EXPECT_EQ(surface.penColor(), bgr::Pen);
}

TEST_F(PrimitivesTest, HeaderWidthRuleSwitchesAtTheBoxWidth) {
    const struct {
        int textWidth;
        int captionWidth;
    } cases[] = {{240, 250}, {249, 250}, {250, 280}, {260, 290}};
    for (const auto& c : cases) {
        const QString caption = textOfWidth(surface, c.textWidth);
        ASSERT_EQ(surface.textWidth(caption), c.textWidth);
        draw.HeaderWidthRule(caption);
        EXPECT_EQ(state.CaptionWidth, c.captionWidth) << c.textWidth;
    }
}

TEST_F(PrimitivesTest, FitCaptionEntersAtThirtyAndStopsAtThirtyFive) {
    for (const int width : {150, 220, 221, 300}) {
        const QString caption = textOfWidth(surface, width);
        ASSERT_FALSE(caption.isEmpty()) << width;
        state.BoxText = caption;
        draw.FitCaption();
        if (width <= 220) {
            EXPECT_EQ(state.BoxText, caption);
            continue;
        }
        ASSERT_TRUE(state.BoxText.endsWith(QStringLiteral("..."))) << width;
        const QString kept = state.BoxText.chopped(3);
        EXPECT_TRUE(caption.startsWith(kept));
        EXPECT_LE(surface.textWidth(kept) + 35, 250);
        EXPECT_GT(surface.textWidth(caption.left(kept.size() + 1)) + 35, 250);
    }
}

// Header box at (20, 20), 250 wide: back frame to (269, 39), front box (18, 18)-(267, 37),
// band lines 19..36 from x 38 to 266, separator at x 37.
TEST_F(PrimitivesTest, HeaderBoxGeometry) {
    state.CaptionWidth = 250;
    draw.DrawHeaderBox(palette::Shape17, 2, QString(), -1, state.Image5, bgr::HeaderBand);
    const struct {
        int x;
        int y;
        std::uint32_t expected;
    } cases[] = {{269, 30, bgr::Pen},        {270, 30, bgr::Background},  {100, 39, bgr::Pen},
                 {100, 40, bgr::Background}, {18, 30, bgr::Pen},          {100, 18, bgr::Pen},
                 {267, 30, bgr::Pen},        {268, 30, palette::Shape17}, {100, 19, bgr::BandTop},
                 {100, 36, bgr::HeaderBand}, {266, 36, bgr::HeaderBand},  {100, 37, bgr::Pen},
                 {37, 25, bgr::Pen},         {37, 17, bgr::Background},   {17, 30, bgr::Background},
                 {100, 38, palette::Shape17}};
    for (const auto& c : cases)
        EXPECT_EQ(bgrAt(surface, c.x, c.y), c.expected) << c.x << "," << c.y;
}

TEST_F(PrimitivesTest, ChildBoxGeometryAndFittedCaption) {
    state.CurX = 40;
    state.CurY = 50;
    state.BoxText = textOfWidth(surface, 300);
    draw.DrawChildBox(-1);
    const struct {
        int x;
        int y;
        std::uint32_t expected;
    } cases[] = {{289, 60, bgr::Pen},       {290, 60, bgr::Background}, {288, 60, bgr::Shadow},
                 {100, 69, bgr::Pen},       {100, 70, bgr::Background}, {100, 68, bgr::Shadow},
                 {100, 48, bgr::Pen},       {100, 67, bgr::Pen},        {287, 60, bgr::Pen},
                 {58, 60, bgr::Pen},        {58, 47, bgr::Background},  {59, 49, bgr::BandTop},
                 {286, 66, bgr::ChildBand}, {37, 60, bgr::Background}};
    for (const auto& c : cases)
        EXPECT_EQ(bgrAt(surface, c.x, c.y), c.expected) << c.x << "," << c.y;
    EXPECT_TRUE(state.BoxText.endsWith(QStringLiteral("...")));
    // An index outside 0..93 shows the plain background square in the icon cell.
    EXPECT_EQ(bgrAt(surface, 40, 50), bgr::Background);
    EXPECT_EQ(bgrAt(surface, 55, 65), bgr::Background);
}

TEST_F(PrimitivesTest, CountBadgeTextOffsets) {
    const struct {
        int count;
        int offset;
    } cases[] = {{0, 8},  {7, 8},   {9, 8},   {10, 5},    {42, 5},
                 {99, 5}, {100, 1}, {999, 1}, {1000, -1}, {-1, -1}};
    state.CurX = 40;
    state.CurY = 50;
    const QRect badge(290, 48, 25, 22);
    for (const auto& c : cases) {
        draw.BeginDiagram();
        state.CurX = 40;
        state.CurY = 50;
        draw.DrawCountBadge(c.count, bgr::ChildBand);
        EXPECT_EQ(state.CountText, QString::number(c.count));
        EXPECT_EQ(bgrAt(surface, 314, 60), bgr::Pen) << c.count;
        const auto drawn = blackBox(surface, badge);
        if (c.offset < 0) {
            EXPECT_FALSE(drawn) << c.count;
            continue;
        }
        Surface reference;
        reference.setBrushColor(bgr::Background);
        reference.fillRect(0, 0, 400, 100);
        reference.textOut(290 + c.offset, 52, QString::number(c.count));
        ASSERT_TRUE(drawn) << c.count;
        EXPECT_EQ(*drawn, *blackBox(reference, badge)) << c.count;
    }
}

} // namespace
} // namespace kelvane
