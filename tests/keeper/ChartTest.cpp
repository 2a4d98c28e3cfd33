// The chart's backgrounds and the geometry and pixels of the round-trip line.
#include "KeeperFixture.h"

#include "keeper/Chart.h"

#include <cstdlib>

namespace {
COLORREF PixelOf(HBITMAP bitmap, int x, int y)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const COLORREF colour = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteDC(dc);
    return colour;
}

bool IsVerticalLine(int index, int x)
{
    const int start[] = {10, 6, 2};
    return x >= start[index] && (x - start[index]) % 12 == 0;
}

// How many pixels of the line colour lie in the rectangle.
int BluePixels(HBITMAP bitmap, int left, int top, int right, int bottom)
{
    int count = 0;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            count += PixelOf(bitmap, x, y) == ChartLineColour;
    return count;
}
}

TEST(ChartBackground, PixelsOfAllThree)
{
    for (int index = 0; index < 3; ++index) {
        SCOPED_TRACE(index);
        HBITMAP background = MakeChartBackground(index);
        ASSERT_TRUE(background);
        BITMAP info;
        GetObject(background, sizeof info, &info);
        EXPECT_EQ(ChartPixelsWide, info.bmWidth);
        EXPECT_EQ(ChartPixelsHigh, info.bmHeight);
        EXPECT_EQ(24, info.bmBitsPixel);
        int vertical = 0;
        for (int x = 0; x < ChartPixelsWide; ++x)
            vertical += IsVerticalLine(index, x);
        EXPECT_EQ(30, vertical);
        for (int y = 0; y < ChartPixelsHigh; ++y)
            for (int x = 0; x < ChartPixelsWide; ++x) {
                COLORREF expected = RGB(255, 255, 255);
                if (IsVerticalLine(index, x) && y >= 2 && y <= 72)
                    expected = RGB(0, 128, 255);
                if (y == 13 || y == 25 || y == 37 || y == 49)
                    expected = RGB(0, 128, 255);
                if (y == 61)
                    expected = RGB(255, 255, 0);
                ASSERT_EQ(expected, PixelOf(background, x, y)) << x << "," << y;
            }
        DeleteObject(background);
    }
}

TEST(ChartGeometry, PointsOfTheDesignSize)
{
    EXPECT_EQ(2, ChartScale(1185));   // 1.58 rounds to 2
    EXPECT_EQ(2, ChartScale(1875));   // 2.5: halves go to the even neighbour
    EXPECT_EQ(4, ChartScale(2625));   // 3.5

    ChartSeries data{};
    data[89] = 100;
    const ChartLine line = ChartLineOf(data, ChartWidthTwips, ChartHeightTwips);
    const float xStep = static_cast<float>(5460.0 / 90);
    EXPECT_FLOAT_EQ(88 * xStep, line[88].x1);
    EXPECT_FLOAT_EQ(1185, line[88].y1);   // 0 ms: 60 twips below the inner surface
    EXPECT_FLOAT_EQ(89 * xStep, line[88].x2);
    EXPECT_FLOAT_EQ(1185 - 200, line[88].y2);
    EXPECT_FLOAT_EQ(0, line[0].x1);
    for (int l = 0; l < 88; ++l)
        EXPECT_FLOAT_EQ(1185, line[l].y2) << l;
}

TEST(ChartGeometry, ProductsBeyondSixteenBitsAreClamped)
{
    struct Case {
        int16_t value, scale, offset;
    } cases[] = {
        {100, 2, 200},     {16383, 2, 32766},  {16384, 2, 32767},
        {32767, 2, 32767}, {-20000, 2, -32768}, {0, 2, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.offset, ChartOffset(c.value, c.scale)) << c.value;
    EXPECT_EQ(32767, ChartValue(70000));
    EXPECT_EQ(32767, ChartValue(0xFFFFFFFFul));
    EXPECT_EQ(499, ChartValue(499));
}

class ChartOnWindow : public KeeperWindow {
protected:
    void SetUp() override
    {
        KeeperWindow::SetUp();
        Start();
    }
    HBITMAP Surface() { return form.ChartPict.Picture(); }
};

TEST_F(ChartOnWindow, SurfaceIsTheDesignSize)
{
    EXPECT_EQ(5460, form.ChartPict.Width());
    EXPECT_EQ(1185, form.ChartPict.Height());
    RECT inner;
    GetClientRect(form.ChartPict.hwnd(), &inner);
    EXPECT_EQ(ChartPixelsWide, inner.right);
    EXPECT_EQ(ChartPixelsHigh, inner.bottom);
}

TEST_F(ChartOnWindow, AllZeroShowsOnlyTheBackground)
{
    form.cmdResetActivity_Click();
    EXPECT_EQ(0, BluePixels(Surface(), 0, 0, ChartPixelsWide - 1, ChartPixelsHigh - 1));
    EXPECT_EQ(RGB(0, 128, 255), PixelOf(Surface(), 10, 40));   // background 0
}

TEST_F(ChartOnWindow, OnePingAfterResetRisesAtTheRightEdge)
{
    form.cmdResetActivity_Click();
    form.ChartData[89] = 100;
    form.DrawChart();
    // The point (89 x xStep, 1185 - 200) twips is pixel (360, 66): the line ends at the edge.
    EXPECT_GT(BluePixels(Surface(), 359, 66, 359, 70), 0);
    EXPECT_GT(BluePixels(Surface(), 356, 71, 358, 74), 0);
    EXPECT_EQ(0, BluePixels(Surface(), 0, 0, 354, ChartPixelsHigh - 1));
    EXPECT_EQ(0, BluePixels(Surface(), 0, 0, ChartPixelsWide - 1, 64));
}

TEST_F(ChartOnWindow, FailedPingDipsBelowTheEdgeAndComesBack)
{
    form.cmdResetActivity_Click();
    for (int i = 0; i < ChartPoints; ++i)
        form.ChartData[i] = 20;   // 20 ms: 40 twips above the outer edge, row 76, not visible
    form.ChartData[40] = 35;      // row 74: the last visible row
    form.ChartData[44] = 35;
    form.ChartData[42] = 0;
    form.DrawChart();
    const int x40 = static_cast<int>(40 * 5460.0 / 90 / 15 + 0.5);
    const int x44 = static_cast<int>(44 * 5460.0 / 90 / 15 + 0.5);
    EXPECT_EQ(ChartLineColour, PixelOf(Surface(), x40, 74));
    EXPECT_EQ(ChartLineColour, PixelOf(Surface(), x44, 74));
    EXPECT_EQ(0, BluePixels(Surface(), 0, 0, ChartPixelsWide - 1, 72));
}

TEST_F(ChartOnWindow, HugeValuesDrawWithoutWrapping)
{
    form.cmdResetActivity_Click();
    form.ChartData.fill(32767);   // far above the top edge, never wrapped below it
    form.DrawChart();
    EXPECT_EQ(0, BluePixels(Surface(), 0, 0, ChartPixelsWide - 1, ChartPixelsHigh - 1));
}

TEST_F(ChartOnWindow, CyclesAdvanceTheBackground)
{
    form.txtDomain.SetText("no-such-host.invalid");
    const int expected[] = {1, 2, 0};
    const int firstLine[] = {10, 6, 2};
    for (int cycle = 0; cycle < 3; ++cycle) {
        form.PingOnce();
        EXPECT_EQ(expected[cycle], form.ActivityIndex);
        const int x = firstLine[expected[cycle]];
        EXPECT_EQ(RGB(0, 128, 255), PixelOf(Surface(), x, 40)) << cycle;
        EXPECT_EQ(RGB(255, 255, 255), PixelOf(Surface(), x + 4, 40)) << cycle;
    }
    // Reset and cancel show the current background without advancing it.
    form.cmdResetActivity_Click();
    EXPECT_EQ(0, form.ActivityIndex);
    form.Command1_Click();
    EXPECT_EQ(0, form.ActivityIndex);
    EXPECT_EQ(RGB(0, 128, 255), PixelOf(Surface(), 10, 40));
}

TEST_F(ChartOnWindow, ResetClearsSeriesAndStatus)
{
    form.ChartData[89] = 50;
    form.StatusBar1.SetPanelText(1, "Ping Result for x :50 ms");
    form.cmdResetActivity_Click();
    EXPECT_EQ(ChartSeries{}, form.ChartData);
    EXPECT_EQ("", form.StatusBar1.PanelText(1));
}

// chart-density.sh runs this at 120 and 144 dots per inch, naming the density in CHART_DPI.
TEST_F(ChartOnWindow, AtLargeFontsTheLineLiesOverTheGridAsAt96)
{
    const char* dpi = std::getenv("CHART_DPI");
    if (!dpi)
        GTEST_SKIP() << "runs only at the density that CHART_DPI names";
    ASSERT_EQ(1440 / std::atoi(dpi), ui::TwipsPerPixelX());
    form.cmdResetActivity_Click();
    form.ChartData[89] = 100;
    form.DrawChart();
    EXPECT_GT(BluePixels(Surface(), 359, 66, 359, 70), 0);
    EXPECT_EQ(0, BluePixels(Surface(), 0, 0, 354, ChartPixelsHigh - 1));
    EXPECT_EQ(0, BluePixels(Surface(), 0, 0, ChartPixelsWide - 1, 64));

    // What the box shows: the whole picture over the whole box, the line's end at its right edge.
    RECT inner;
    GetClientRect(form.ChartPict.hwnd(), &inner);
    ASSERT_GT(inner.right, ChartPixelsWide);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP shown = CreateCompatibleBitmap(screen, inner.right, inner.bottom);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, shown);
    SendMessageA(form.ChartPict.hwnd(), WM_PRINTCLIENT, WPARAM(dc), PRF_CLIENT);
    SelectObject(dc, old);
    DeleteDC(dc);
    const int right = inner.right - 1, bottom = inner.bottom - 1;
    EXPECT_GT(BluePixels(shown, right - 1, 0, right, bottom), 0);
    EXPECT_EQ(RGB(255, 255, 255), PixelOf(shown, right, bottom));
    int yellow = 0;
    for (int y = 61 * inner.bottom / 75 - 1; y <= 62 * inner.bottom / 75; ++y)
        yellow += PixelOf(shown, right, y) == RGB(255, 255, 0);
    EXPECT_GT(yellow, 0);
    DeleteObject(shown);
}
