/* Holds a Wine prefix's desktop open for the whole test run. Wine closes the desktop a few seconds
   after its last program ends, and a program that starts while it closes gets no windows. This one
   keeps a hidden window and waits until the prefix's server is stopped. */
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR command, int show) {
    WNDCLASSA wc = {0};
    MSG msg;
    (void)previous;
    (void)command;
    (void)show;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = instance;
    wc.lpszClassName = "WinePrefixKeepalive";
    RegisterClassA(&wc);
    CreateWindowA("WinePrefixKeepalive", "", WS_POPUP, 0, 0, 1, 1, NULL, NULL, instance, NULL);
    while (GetMessageA(&msg, NULL, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}
