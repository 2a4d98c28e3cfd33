// olandri: the keeper's window does all of its set-up when it loads.
#include "keeper/frmGetIp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    ui::InitCommonControls();
    ui::SetQuitWhenLastFormUnloads(true);
    frmGetIp& form = GetIpForm();
    form.Load();
    if (!form.StartsHidden())
        form.Show();
    return ui::RunMessageLoop();
}
