// What a device context draws, read back from an image in memory: the pixels each shape and
// text alignment covers, which every backend must draw alike, and the image as PNG.

#include "gui_test.h"

#include <functional>
#include <string>

namespace {

class DrawingTest : public GuiTest {};

constexpr COLORREF kWhite = RGB(255, 255, 255);

bool IsDark(COLORREF c)
{
    return GetRValue(c) < 96 && GetGValue(c) < 96 && GetBValue(c) < 96;
}

// The smallest rectangle holding every dark pixel of image (right and bottom excluded); empty
// (all zero) when there is none.
RECT DarkBounds(const CImage& image)
{
    RECT bounds{0, 0, 0, 0};
    bool any = false;
    for (int y = 0; y < image.GetHeight(); ++y) {
        for (int x = 0; x < image.GetWidth(); ++x) {
            if (!IsDark(image.GetPixel(x, y))) continue;
            bounds = any ? RECT{std::min<LONG>(bounds.left, x), std::min<LONG>(bounds.top, y),
                                std::max<LONG>(bounds.right, x + 1), std::max<LONG>(bounds.bottom, y + 1)}
                         : RECT{x, y, x + 1, y + 1};
            any = true;
        }
    }
    return bounds;
}

// A 200 x 100 white image that draw has drawn on.
void DrawOn(CImage& image, const std::function<void(CDC&)>& draw)
{
    ASSERT_TRUE(image.Create(200, 100, 24));
    CDC dc;
    ASSERT_TRUE(dc.Attach(image.GetDC()));
    draw(dc);
    dc.Detach();
    image.ReleaseDC();
}

TEST_F(DrawingTest, RectanglesLinesAndEllipsesCoverThePixelsTheirCoordinatesName)
{
    CImage image;
    DrawOn(image, [](CDC& dc) {
        const RECT block{2, 3, 6, 5};
        dc.FillSolidRect(&block, RGB(200, 0, 0));
        const POINT line[] = {{10, 10}, {20, 10}};
        dc.Polyline(line, 2);   // the default pen: black, one pixel
        CPen none(PS_NULL, 1, 0);
        CBrush blue(RGB(0, 0, 255));
        dc.SelectObject(&none);
        dc.SelectObject(&blue);
        dc.Ellipse(30, 30, 40, 40);
    });
    EXPECT_EQ(image.GetPixel(2, 3), RGB(200, 0, 0));
    EXPECT_EQ(image.GetPixel(5, 4), RGB(200, 0, 0));
    for (const POINT outside : {POINT{6, 4}, POINT{5, 5}, POINT{1, 3}, POINT{2, 2}})
        EXPECT_EQ(image.GetPixel(outside.x, outside.y), kWhite) << outside.x << "," << outside.y;

    EXPECT_TRUE(IsDark(image.GetPixel(15, 10)));
    EXPECT_EQ(image.GetPixel(15, 8), kWhite);
    EXPECT_EQ(image.GetPixel(15, 12), kWhite);

    EXPECT_EQ(image.GetPixel(35, 35), RGB(0, 0, 255));
    for (const POINT outside : {POINT{30, 30}, POINT{40, 35}, POINT{35, 40}, POINT{29, 35}})
        EXPECT_EQ(image.GetPixel(outside.x, outside.y), kWhite) << outside.x << "," << outside.y;
}

TEST_F(DrawingTest, TextLiesWhereItsAlignmentPutsItsPoint)
{
    struct Case {
        UINT align;
        bool leftOfX, rightOfX, aboveY, belowY;   // where dark pixels may lie
    };
    const Case cases[] = {
        {TA_LEFT | TA_TOP, false, true, false, true},
        {TA_RIGHT | TA_BASELINE, true, false, true, false},
        {TA_CENTER | TA_BOTTOM, true, true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.align);
        CImage image;
        DrawOn(image, [&](CDC& dc) {
            LOGFONT description{};
            description.lfHeight = -20;
            description.lfPitchAndFamily = FF_SWISS;
            CFont font;
            ASSERT_TRUE(font.CreateFontIndirect(&description));
            dc.SelectObject(&font);
            dc.SetTextAlign(c.align);
            dc.TextOut(100, 50, "WHW");   // no descender: nothing below the baseline
        });
        const RECT ink = DarkBounds(image);
        ASSERT_GT(ink.right - ink.left, 20);
        EXPECT_LE(ink.bottom - ink.top, 20);   // within one em
        EXPECT_EQ(ink.left < 99, c.leftOfX);
        EXPECT_EQ(ink.right > 101, c.rightOfX);
        EXPECT_EQ(ink.top < 49, c.aboveY);
        EXPECT_EQ(ink.bottom > 51, c.belowY);
        if (c.leftOfX && c.rightOfX) {
            EXPECT_NEAR((ink.left + ink.right) / 2.0, 100.0, 3.0);
        }
    }
}

TEST_F(DrawingTest, AnImageIsWrittenAsPngOnlyWithNoContextOpen)
{
    CImage image;
    std::string png;
    EXPECT_FALSE(image.SavePng(png));   // no image yet
    EXPECT_FALSE(image.Create(0, 10, 24));
    EXPECT_FALSE(image.Create(10, 10, 32));
    ASSERT_TRUE(image.Create(3, 2, 24));
    EXPECT_FALSE(image.Create(3, 2, 24));   // it has one
    ASSERT_NE(image.GetDC(), nullptr);
    EXPECT_FALSE(image.SavePng(png));
    image.ReleaseDC();
    ASSERT_TRUE(image.SavePng(png));
    EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
}

// Rows of an image whose width is no multiple of four keep their pixels apart, and its PNG says
// its size and 8-bit RGB.
TEST_F(DrawingTest, PixelsOfOddWidthsStayInTheirRowsAndThePngHeaderTellsTheSize)
{
    CImage image;
    ASSERT_TRUE(image.Create(3, 2, 24));
    CDC dc;
    ASSERT_TRUE(dc.Attach(image.GetDC()));
    const RECT corner{2, 1, 3, 2};
    dc.FillSolidRect(&corner, RGB(10, 20, 30));
    dc.Detach();
    image.ReleaseDC();
    EXPECT_EQ(image.GetPixel(2, 1), RGB(10, 20, 30));
    for (const POINT other : {POINT{0, 1}, POINT{1, 1}, POINT{2, 0}, POINT{0, 0}})
        EXPECT_EQ(image.GetPixel(other.x, other.y), kWhite) << other.x << "," << other.y;

    std::string png;
    ASSERT_TRUE(image.SavePng(png));
    ASSERT_GE(png.size(), 26u);
    // The IHDR chunk: width and height (big-endian), bit depth, colour type 2 (RGB).
    EXPECT_EQ(png.substr(12, 4), "IHDR");
    EXPECT_EQ(png.substr(16, 8), std::string("\0\0\0\3\0\0\0\2", 8));
    EXPECT_EQ(png[24], 8);
    EXPECT_EQ(png[25], 2);
}

}  // namespace
