#include "keeper/PictureBox.h"

#include <cmath>

namespace {
const char* const ClassName = "OlandriPictureBox";
constexpr float TwipsPerPixel = 15.0f;

struct Surface {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ oldBitmap = nullptr;
    int width = 0;
    int height = 0;
};

Surface* SurfaceOf(HWND box)
{
    return reinterpret_cast<Surface*>(GetWindowLongPtrA(box, GWLP_USERDATA));
}

LRESULT CALLBACK PictureBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    Surface* surface = SurfaceOf(box);
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(box, &paint);
        if (surface)
            BitBlt(dc, 0, 0, surface->width, surface->height, surface->dc, 0, 0, SRCCOPY);
        EndPaint(box, &paint);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_NCDESTROY:
        if (surface) {
            SelectObject(surface->dc, surface->oldBitmap);
            DeleteObject(surface->bitmap);
            DeleteDC(surface->dc);
            delete surface;
            SetWindowLongPtrA(box, GWLP_USERDATA, 0);
        }
        break;
    }
    return DefWindowProcA(box, message, wParam, lParam);
}

void RegisterPictureBox()
{
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSA wc{};
    wc.lpfnWndProc = PictureBoxProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = ClassName;
    registered = RegisterClassA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

int ToPixel(float twips)
{
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}
}

HWND CreatePictureBox(HWND parent, int id, int left, int top, int width, int height)
{
    RegisterPictureBox();
    RECT outer{0, 0, width, height};
    AdjustWindowRectEx(&outer, WS_CHILD, FALSE, WS_EX_CLIENTEDGE);
    HWND box = CreateWindowExA(WS_EX_CLIENTEDGE, ClassName, "", WS_CHILD | WS_VISIBLE, left, top,
                               outer.right - outer.left, outer.bottom - outer.top, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleA(nullptr), nullptr);
    if (!box)
        return nullptr;
    auto* surface = new Surface;
    HDC screen = GetDC(nullptr);
    surface->dc = CreateCompatibleDC(screen);
    surface->bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    surface->oldBitmap = SelectObject(surface->dc, surface->bitmap);
    surface->width = width;
    surface->height = height;
    PatBlt(surface->dc, 0, 0, width, height, WHITENESS);
    SetWindowLongPtrA(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(surface));
    return box;
}

void SetPicture(HWND box, HBITMAP picture)
{
    Surface* surface = SurfaceOf(box);
    if (!surface || !picture)
        return;
    HDC source = CreateCompatibleDC(surface->dc);
    HGDIOBJ old = SelectObject(source, picture);
    BitBlt(surface->dc, 0, 0, surface->width, surface->height, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
    InvalidateRect(box, nullptr, FALSE);
}

void DrawLineTwips(HWND box, float x1, float y1, float x2, float y2, COLORREF colour)
{
    Surface* surface = SurfaceOf(box);
    if (!surface)
        return;
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ old = SelectObject(surface->dc, pen);
    const int ex = ToPixel(x2), ey = ToPixel(y2);
    MoveToEx(surface->dc, ToPixel(x1), ToPixel(y1), nullptr);
    LineTo(surface->dc, ex, ey);
    SetPixel(surface->dc, ex, ey, colour);   // the end point belongs to the line as well
    SelectObject(surface->dc, old);
    DeleteObject(pen);
    InvalidateRect(box, nullptr, FALSE);
}

COLORREF PicturePixel(HWND box, int x, int y)
{
    Surface* surface = SurfaceOf(box);
    if (!surface || x < 0 || y < 0 || x >= surface->width || y >= surface->height)
        return CLR_INVALID;
    return GetPixel(surface->dc, x, y);
}
