// The activity chart: its three grid backgrounds and the geometry of the round-trip line.
#pragma once
#include <windows.h>

#include <array>
#include <cstdint>

constexpr int ChartPoints = 90;
using ChartSeries = std::array<int16_t, ChartPoints>;

constexpr int ChartPixelsWide = 360;   // inner surface of the chart box at 96 dots per inch
constexpr int ChartPixelsHigh = 75;
constexpr int ChartTwipsPerPixel = 15;   // the scale the backgrounds are drawn in
constexpr double ChartWidthTwips = 5460;   // outer size, border included
constexpr double ChartHeightTwips = 1185;
constexpr COLORREF ChartGridColour = RGB(0, 128, 255);
constexpr COLORREF ChartMarkColour = RGB(255, 255, 0);
constexpr COLORREF ChartLineColour = RGB(0, 0, 255);

// Background 0, 1 or 2: white, vertical grid lines every 12 pixels starting at x = 10, 6 or 2,
// grid rows 13, 25, 37, 49 and the yellow row 61. A 24-bit bitmap of 360 x 75 pixels.
HBITMAP MakeChartBackground(int index);

struct ChartSegment {
    float x1, y1, x2, y2;   // twips from the inner top left corner
};
using ChartLine = std::array<ChartSegment, ChartPoints - 1>;

// The scale factor: the chart's height over 750, rounded half to even.
int16_t ChartScale(double heightTwips);
// value x scale as a 16-bit number; products beyond the 16-bit range are clamped to it.
int16_t ChartOffset(int16_t value, int16_t scale);
// The 89 segments through the 90 points of the series on a chart of the given outer size.
ChartLine ChartLineOf(const ChartSeries& data, double widthTwips, double heightTwips);
// A round-trip time as the chart stores it: times beyond the 16-bit range are clamped.
int16_t ChartValue(unsigned long roundTripMs);

// Draws the segments in the line colour onto a bitmap whose pixels are twipsPerPixel twips.
void DrawChartLine(HBITMAP surface, const ChartLine& line, int twipsPerPixel);
// A copy of a bitmap, for a surface that is drawn on while the original stays as it is.
HBITMAP CopyPicture(HBITMAP picture);
