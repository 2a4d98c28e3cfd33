#include "keeper/TrayIcon.h"

#include "keeper/Dib.h"
#include "keeper/KeeperArt.h"

#include <cstring>
#include <map>

const char* const TrayTipText = "Tray Notification Demo";

namespace {
BOOL CallShell(DWORD command, NOTIFYICONDATAA* record, int)
{
    return Shell_NotifyIconA(command, record);
}

TrayCallProc CurrentCall = CallShell;

// A 32-bit top-down DIB section of the picture, transparent pixels black, and its AND mask.
HICON IconOf(const KeeperArt::Picture& picture, int size)
{
    using namespace KeeperArt;
    void* memory = nullptr;
    HBITMAP colour = MakeTopDownDib(size, size, 32, &memory);
    if (!colour)
        return nullptr;
    const int maskStride = ((size + 15) / 16) * 2;
    unsigned char maskBits[64 * 8] = {};
    if (size > 64 || maskStride * size > static_cast<int>(sizeof maskBits)) {
        DeleteObject(colour);
        return nullptr;
    }
    auto* pixels = static_cast<DWORD*>(memory);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const uint8_t index = picture[(y * Size / size) * Size + x * Size / size];
            if (index == Clear) {
                pixels[y * size + x] = 0;
                maskBits[y * maskStride + x / 8] |= 0x80 >> (x % 8);
            } else {
                const Rgb c = Palette[index];
                pixels[y * size + x] = (c.r << 16) | (c.g << 8) | c.b;
            }
        }
    HBITMAP mask = CreateBitmap(size, size, 1, 1, maskBits);
    ICONINFO icon{TRUE, 0, 0, mask, colour};
    HICON result = CreateIconIndirect(&icon);
    DeleteObject(mask);
    DeleteObject(colour);
    return result;
}

// The animation asks for the same few images ten times a second: each becomes an icon once.
HICON CachedIcon(HIMAGELIST images, int image)
{
    static HIMAGELIST cachedList = nullptr;
    static std::map<int, HICON> cache;
    if (images != cachedList) {
        for (auto& entry : cache)
            DestroyIcon(entry.second);
        cache.clear();
        cachedList = images;
    }
    HICON& icon = cache[image];
    if (!icon)
        icon = ImageList_GetIcon(images, image - 1, ILD_NORMAL);
    return icon;
}

void SendImage(HWND window, HIMAGELIST images, int image, DWORD command, UINT flags)
{
    NOTIFYICONDATAA record = TrayRecord(window, flags, CachedIcon(images, image));
    CurrentCall(command, &record, image);
}
}

HIMAGELIST MakeTrayImages()
{
    using namespace KeeperArt;
    HIMAGELIST images = ImageList_Create(Size, Size, ILC_COLOR8 | ILC_MASK, TrayImageCount, 0);
    if (!images)
        return nullptr;
    for (int n = 1; n <= TrayImageCount; ++n) {
        HICON icon = IconOf(TrayImage(n), Size);
        ImageList_AddIcon(images, icon);
        if (icon)
            DestroyIcon(icon);
    }
    return images;
}

HICON MakeProgramIcon(int size)
{
    return IconOf(KeeperArt::ProgramIcon(), size);
}

NOTIFYICONDATAA TrayRecord(HWND window, UINT flags, HICON icon)
{
    NOTIFYICONDATAA record;
    std::memset(&record, 0, sizeof record);
    record.cbSize = TrayRecordSize;
    record.hWnd = window;
    record.uID = TrayIconId;
    record.uFlags = flags;
    if (flags & NIF_ICON)
        record.hIcon = icon;
    if (flags & NIF_MESSAGE)
        record.uCallbackMessage = TrayCallbackMessage;
    if (flags & NIF_TIP) {
        std::memset(record.szTip, ' ', 64);
        const size_t length = strnlen(TrayTipText, sizeof record.szTip - 1);
        std::memcpy(record.szTip, TrayTipText, length);
        record.szTip[length] = '\0';
    }
    return record;
}

void TrayAdd(HWND window, HIMAGELIST images, int image)
{
    SendImage(window, images, image, NIM_ADD, NIF_MESSAGE | NIF_ICON | NIF_TIP);
}

void TraySetImage(HWND window, HIMAGELIST images, int image)
{
    SendImage(window, images, image, NIM_MODIFY, NIF_ICON);
}

void TrayRemove(HWND window)
{
    NOTIFYICONDATAA record = TrayRecord(window, 0, nullptr);
    CurrentCall(NIM_DELETE, &record, 0);
}

TrayCallProc SetTrayCallProc(TrayCallProc proc)
{
    TrayCallProc old = CurrentCall;
    CurrentCall = proc ? proc : CallShell;
    return old;
}
