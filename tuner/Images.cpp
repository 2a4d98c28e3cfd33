#include "tuner/Images.h"
#include "ui/Control.h"

namespace {

constexpr int kSize = 24;
const COLORREF kMask = RGB(255, 0, 255);

class Pen {
 public:
  Pen(HDC dc, COLORREF line, COLORREF fill, int width = 1)
      : dc_(dc), pen_(CreatePen(PS_SOLID, width, line)), brush_(CreateSolidBrush(fill)) {
    oldPen_ = SelectObject(dc, pen_);
    oldBrush_ = SelectObject(dc, brush_);
  }
  ~Pen() {
    SelectObject(dc_, oldPen_);
    SelectObject(dc_, oldBrush_);
    DeleteObject(pen_);
    DeleteObject(brush_);
  }

 private:
  HDC dc_;
  HPEN pen_;
  HBRUSH brush_;
  HGDIOBJ oldPen_, oldBrush_;
};

void Line(HDC dc, int x1, int y1, int x2, int y2, COLORREF color, int width = 1) {
  Pen pen(dc, color, color, width);
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
}

void Arrow(HDC dc, int x, int y, bool up, COLORREF color) {
  Pen pen(dc, RGB(0, 70, 0), color);
  int d = up ? -1 : 1;
  POINT head[] = {{x - 5, y}, {x + 5, y}, {x, y + 6 * d}};
  Rectangle(dc, x - 2, up ? y : y - 6, x + 3, up ? y + 6 : y + 1);
  Polygon(dc, head, 3);
}

// A speed gauge: the program's own sign, on the first button and in the logo.
void Gauge(HDC dc, int left, int top, int size) {
  int r = size / 2, cx = left + r, cy = top + r;
  {
    Pen pen(dc, RGB(0, 40, 110), RGB(30, 90, 200), size > 32 ? 3 : 1);
    Ellipse(dc, left, top, left + size, top + size);
  }
  for (int tick = 0; tick < 5; ++tick) {
    static const double kCos[] = {-0.87, -0.5, 0.0, 0.5, 0.87};
    static const double kSin[] = {-0.5, -0.87, -1.0, -0.87, -0.5};
    int inner = r * 6 / 10, outer = r * 8 / 10;
    Line(dc, cx + int(kCos[tick] * inner), cy + int(kSin[tick] * inner),
         cx + int(kCos[tick] * outer), cy + int(kSin[tick] * outer), RGB(255, 255, 255),
         size > 32 ? 3 : 1);
  }
  Line(dc, cx, cy, cx + r * 6 / 10, cy - r * 5 / 10, RGB(230, 30, 30), size > 32 ? 4 : 2);
  Pen hub(dc, RGB(60, 60, 60), RGB(220, 220, 220));
  Ellipse(dc, cx - size / 10, cy - size / 10, cx + size / 10 + 1, cy + size / 10 + 1);
}

void Sliders(HDC dc) {
  const int knobs[] = {7, 15, 10};
  for (int i = 0; i < 3; ++i) {
    int x = 5 + i * 7;
    Line(dc, x, 3, x, 21, RGB(90, 90, 90), 2);
    Pen pen(dc, RGB(0, 60, 0), RGB(60, 180, 60));
    Rectangle(dc, x - 3, knobs[i] - 2, x + 4, knobs[i] + 3);
  }
}

void Monitor(HDC dc, int left, int top) {
  {
    Pen frame(dc, RGB(60, 60, 60), RGB(200, 200, 200));
    Rectangle(dc, left, top, left + 11, top + 8);
  }
  Pen screen(dc, RGB(0, 60, 140), RGB(80, 160, 240));
  Rectangle(dc, left + 2, top + 2, left + 9, top + 6);
}

void Keeper(HDC dc) {
  Monitor(dc, 7, 1);
  Monitor(dc, 7, 14);
  Line(dc, 4, 5, 4, 18, RGB(210, 30, 30), 2);
  Line(dc, 20, 18, 20, 5, RGB(0, 190, 210), 2);
  Line(dc, 2, 16, 4, 19, RGB(210, 30, 30), 2);
  Line(dc, 6, 16, 4, 19, RGB(210, 30, 30), 2);
  Line(dc, 18, 7, 20, 4, RGB(0, 190, 210), 2);
  Line(dc, 22, 7, 20, 4, RGB(0, 190, 210), 2);
}

void Disk(HDC dc) {
  {
    Pen body(dc, RGB(10, 20, 60), RGB(40, 60, 140));
    Rectangle(dc, 2, 2, 19, 19);
  }
  {
    Pen shutter(dc, RGB(90, 90, 90), RGB(200, 200, 210));
    Rectangle(dc, 6, 2, 15, 8);
  }
  Pen label(dc, RGB(150, 150, 150), RGB(255, 255, 255));
  Rectangle(dc, 5, 11, 16, 19);
}

void Backup(HDC dc) {
  Disk(dc);
  Arrow(dc, 18, 15, false, RGB(40, 200, 40));
}

void Restore(HDC dc) {
  Disk(dc);
  Arrow(dc, 18, 17, true, RGB(240, 170, 20));
}

void Launcher(HDC dc) {
  {
    Pen window(dc, RGB(60, 60, 60), RGB(255, 255, 255));
    Rectangle(dc, 2, 3, 20, 19);
  }
  {
    Pen title(dc, RGB(0, 40, 120), RGB(20, 70, 180));
    Rectangle(dc, 2, 3, 20, 7);
  }
  Line(dc, 8, 16, 20, 9, RGB(230, 120, 0), 2);
  Line(dc, 15, 9, 20, 9, RGB(230, 120, 0), 2);
  Line(dc, 20, 9, 19, 14, RGB(230, 120, 0), 2);
}

void Help(HDC dc) {
  {
    Pen ball(dc, RGB(0, 40, 120), RGB(30, 90, 210));
    Ellipse(dc, 2, 2, 22, 22);
  }
  HGDIOBJ old = SelectObject(dc, ui::BoldFont());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 255, 255));
  RECT box{2, 2, 22, 22};
  DrawTextA(dc, "?", 1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, old);
}

void AutoImage(HDC dc) { Gauge(dc, 1, 1, 22); }

using Painter = void (*)(HDC);
const Painter kPainters[] = {AutoImage, Sliders, Keeper, Backup, Restore, Launcher, Help};

HBITMAP Paint(int width, int height, COLORREF ground, void (*paint)(HDC, void*), void* context) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(dc, bitmap);
  HBRUSH brush = CreateSolidBrush(ground);
  RECT all{0, 0, width, height};
  FillRect(dc, &all, brush);
  DeleteObject(brush);
  paint(dc, context);
  SelectObject(dc, old);
  DeleteDC(dc);
  return bitmap;
}

// A 32 x 32 pointing hand; X is black, o white, the rest shows the screen.
const char* const kHand[] = {
    "     XX          ", "    XooX         ", "    XooX         ", "    XooX         ",
    "    XooX         ", "    XooXXX       ", "    XooXooXXX    ", "    XooXooXooXX  ",
    "XX  XooXooXooXoX ", "XooXXooooooooXooX", "XoooXoooooooooooX", " XooXoooooooooooX",
    "  XoXoooooooooooX", "  XooooooooooooX ", "   XoooooooooooX ", "   XooooooooooX  ",
    "    XoooooooooX  ", "    XoooooooooX  ", "     XooooooooX  ", "     XXXXXXXXXX  ",
};

}  // namespace

HIMAGELIST ToolbarImages() {
  HIMAGELIST images = ImageList_Create(kSize, kSize, ILC_COLOR24 | ILC_MASK, 7, 0);
  for (Painter painter : kPainters) {
    HBITMAP bitmap = Paint(kSize, kSize, kMask,
                           [](HDC dc, void* context) { reinterpret_cast<Painter>(context)(dc); },
                           reinterpret_cast<void*>(painter));
    ImageList_AddMasked(images, bitmap, kMask);
    DeleteObject(bitmap);
  }
  return images;
}

HBITMAP LogoBitmap() {
  return Paint(64, 64, GetSysColor(COLOR_BTNFACE), [](HDC dc, void*) { Gauge(dc, 2, 2, 60); },
               nullptr);
}

HCURSOR LinkCursor() {
  static HCURSOR cursor = [] {
    BYTE andMask[32 * 4], xorMask[32 * 4];
    FillMemory(andMask, sizeof andMask, 0xFF);
    ZeroMemory(xorMask, sizeof xorMask);
    for (int row = 0; row < int(sizeof kHand / sizeof kHand[0]); ++row) {
      for (int column = 0; kHand[row][column]; ++column) {
        char pixel = kHand[row][column];
        if (pixel == ' ') continue;
        BYTE bit = BYTE(0x80 >> (column % 8));
        andMask[row * 4 + column / 8] &= BYTE(~bit);
        if (pixel == 'o') xorMask[row * 4 + column / 8] |= bit;
      }
    }
    return CreateCursor(GetModuleHandleA(nullptr), 5, 0, 32, 32, andMask, xorMask);
  }();
  return cursor;
}

HICON ProgramIcon() { return LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1)); }
