#include "keeper/KeeperArt.h"

namespace KeeperArt {

const std::array<Rgb, ColourCount> Palette = {{
    {255, 0, 255},   // Clear (the transparent key)
    {0, 0, 0},       // Black
    {128, 128, 128}, // DarkGray
    {192, 192, 192}, // Gray
    {255, 255, 255}, // White
    {0, 128, 128},   // Screen
    {0, 0, 255},     // Blue
    {255, 0, 0},     // Red
    {0, 255, 255},   // Cyan
}};

namespace {
constexpr int UpperTop = 1;
constexpr int LowerTop = 19;
constexpr int RightColumn = 27;   // centre of the arrow up the right-hand side
constexpr int LeftColumn = 4;     // centre of the arrow down the left-hand side
constexpr int LowEnd = 27;        // arrows run between these rows
constexpr int HighEnd = 3;
constexpr int HeadRows = 4;

void Fill(Picture& p, int left, int top, int right, int bottom, uint8_t colour)
{
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            if (x >= 0 && x < Size && y >= 0 && y < Size)
                p[y * Size + x] = colour;
}

// A monitor on a stand over a flat base, 14 pixels wide and 12 high.
void Computer(Picture& p, int top)
{
    Fill(p, 10, top, 21, top + 8, Black);
    Fill(p, 11, top + 1, 20, top + 7, Gray);
    Fill(p, 12, top + 2, 19, top + 6, Screen);
    Fill(p, 13, top + 3, 14, top + 3, White);
    Fill(p, 14, top + 9, 17, top + 9, DarkGray);
    Fill(p, 9, top + 10, 22, top + 11, Black);
    Fill(p, 10, top + 10, 21, top + 10, Gray);
}

// An arrow in one column from row tail to row tip; its head (4 rows) points at tip.
void Arrow(Picture& p, int column, int tail, int tip, uint8_t colour)
{
    const int step = tip < tail ? 1 : -1;   // from the tip back towards the tail
    for (int row = 0; row < HeadRows; ++row) {
        const int y = tip + row * step;
        Fill(p, column - row, y, column + row, y, colour);
    }
    const int shaftStart = tip + HeadRows * step;
    if ((tail - shaftStart) * step >= 0)
        Fill(p, column - 1, step > 0 ? shaftStart : tail, column + 1, step > 0 ? tail : shaftStart,
             colour);
}

Picture Computers()
{
    Picture p{};
    Computer(p, UpperTop);
    Computer(p, LowerTop);
    return p;
}

// Phase 1 to 4: the arrow grows from its start to its full length; 5 to 7: its tail follows
// until only the head is left. Rows are measured from the start end.
void Travel(Picture& p, int phase, int column, int start, int end, uint8_t colour)
{
    const int length = end - start;   // negative when the arrow goes up
    const int sign = length < 0 ? -1 : 1;
    const int full = length * sign;
    int tip = full, tail = 0;
    if (phase <= 4)
        tip = full * phase / 4;
    else
        tail = (full - HeadRows + 1) * (phase - 4) / 3;
    if (tip < HeadRows - 1)
        tip = HeadRows - 1;
    Arrow(p, column, start + tail * sign, start + tip * sign, colour);
}
}

Picture TrayImage(int n)
{
    Picture p = Computers();
    if (n >= 1 && n <= 7)
        Travel(p, n, RightColumn, LowEnd, HighEnd, Blue);
    else if (n >= 9 && n <= 15)
        Travel(p, n - 8, LeftColumn, HighEnd, LowEnd, Red);
    return p;
}

Picture ProgramIcon()
{
    Picture p = Computers();
    Arrow(p, LeftColumn, HighEnd, LowEnd, Red);
    Arrow(p, RightColumn, LowEnd, HighEnd, Cyan);
    return p;
}

}
