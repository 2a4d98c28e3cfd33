#include "keeper/Chart.h"
#include "keeper/Dib.h"

#include <cmath>
#include <limits>

namespace {
constexpr int GridSpacing = 12;
constexpr int GridStarts[3] = {10, 6, 2};
constexpr int GridTop = 2;
constexpr int GridBottom = 72;
constexpr int GridRows[] = {13, 25, 37, 49};
constexpr int MarkRow = 61;

int16_t Clamp16(long long value)
{
    if (value > std::numeric_limits<int16_t>::max())
        return std::numeric_limits<int16_t>::max();
    if (value < std::numeric_limits<int16_t>::min())
        return std::numeric_limits<int16_t>::min();
    return static_cast<int16_t>(value);
}

void PutPixel(unsigned char* bits, int stride, int x, int y, COLORREF colour)
{
    unsigned char* p = bits + y * stride + x * 3;   // rows top-down, bytes blue, green, red
    p[0] = GetBValue(colour);
    p[1] = GetGValue(colour);
    p[2] = GetRValue(colour);
}
}

HBITMAP MakeChartBackground(int index)
{
    void* memory = nullptr;
    HBITMAP bitmap = MakeTopDownDib(ChartPixelsWide, ChartPixelsHigh, 24, &memory);
    if (!bitmap)
        return nullptr;
    auto* bits = static_cast<unsigned char*>(memory);
    const int stride = (ChartPixelsWide * 3 + 3) & ~3;
    for (int y = 0; y < ChartPixelsHigh; ++y)
        for (int x = 0; x < ChartPixelsWide; ++x)
            PutPixel(bits, stride, x, y, RGB(255, 255, 255));
    for (int x = GridStarts[index % 3]; x < ChartPixelsWide; x += GridSpacing)
        for (int y = GridTop; y <= GridBottom; ++y)
            PutPixel(bits, stride, x, y, ChartGridColour);
    for (int row : GridRows)
        for (int x = 0; x < ChartPixelsWide; ++x)
            PutPixel(bits, stride, x, row, ChartGridColour);
    for (int x = 0; x < ChartPixelsWide; ++x)
        PutPixel(bits, stride, x, MarkRow, ChartMarkColour);
    GdiFlush();
    return bitmap;
}

int16_t ChartScale(double heightTwips)
{
    return Clamp16(std::llrint(heightTwips / 750.0));   // the default rounding mode is half to even
}

int16_t ChartOffset(int16_t value, int16_t scale)
{
    return Clamp16(static_cast<long long>(value) * scale);
}

ChartLine ChartLineOf(const ChartSeries& data, double widthTwips, double heightTwips)
{
    const double xStep = widthTwips / ChartPoints;
    const int16_t k = ChartScale(heightTwips);
    ChartLine line{};
    for (int l = 0; l < ChartPoints - 1; ++l) {
        line[l].x1 = static_cast<float>(xStep * l);
        line[l].y1 = static_cast<float>(heightTwips - ChartOffset(data[l], k));
        line[l].x2 = static_cast<float>(xStep * (l + 1));
        line[l].y2 = static_cast<float>(heightTwips - ChartOffset(data[l + 1], k));
    }
    return line;
}

int16_t ChartValue(unsigned long roundTripMs)
{
    return Clamp16(static_cast<long long>(roundTripMs));
}

void DrawChartLine(HBITMAP surface, const ChartLine& line, int twipsPerPixel)
{
    if (!surface || twipsPerPixel <= 0)
        return;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ oldBitmap = SelectObject(dc, surface);
    HPEN pen = CreatePen(PS_SOLID, 1, ChartLineColour);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    const auto pixel = [twipsPerPixel](float twips) {
        return static_cast<int>(std::lround(twips / twipsPerPixel));
    };
    for (const ChartSegment& s : line) {
        MoveToEx(dc, pixel(s.x1), pixel(s.y1), nullptr);
        LineTo(dc, pixel(s.x2), pixel(s.y2));
        SetPixel(dc, pixel(s.x2), pixel(s.y2), ChartLineColour);   // LineTo leaves the end out
    }
    SelectObject(dc, oldPen);
    DeleteObject(pen);
    SelectObject(dc, oldBitmap);
    DeleteDC(dc);
}

HBITMAP CopyPicture(HBITMAP picture)
{
    if (!picture)
        return nullptr;
    return static_cast<HBITMAP>(CopyImage(picture, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}
