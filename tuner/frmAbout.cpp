#include "tuner/frmAbout.h"
#include "tuner/Images.h"
#include "tuner/Launcher.h"

const char kMakerWebAddress[] = "http://www.quorvane.com/";
const char kSupportAddress[] = "support@quorvane.com";
const char kSalesAddress[] = "sales@quorvane.com";

namespace {

ui::FormArgs AboutArgs() {
  ui::FormArgs args;
  args.caption = "About Brenvik";
  args.width = 6000;
  args.height = 4260;
  args.border = ui::BorderStyle::FixedDialog;
  args.minButton = false;
  return args;
}

}  // namespace

frmAbout::frmAbout() : ui::Form(AboutArgs()) {}

void frmAbout::CreateControls() {
  AddControls({
      {&Frame1, "Frame1", -1, "", nullptr, 120, 60, 5760, 1260},
      {&Picture1, "Picture1", -1, "", &Frame1, 180, 210, 960, 960},
      {&Label1, "Label1", -1, "Brenvik for", &Frame1, 1380, 390, 4200, 255, {}, ui::Bold},
      {&Label2, "Label2", -1, "Windows 95/98/Me/NT/2000/XP", &Frame1, 1380, 690, 4200, 255},
      {&Frame2, "Frame2", -1, "", nullptr, 120, 1380, 5760, 1320},
      {&Label3, "Label3", -1, "Brenvik is a product of Quorvane Software.", &Frame2, 180, 240,
       5400, 255},
      {&Label6, "Label6", -1, "Copyright (C) Quorvane Software. All rights reserved.", &Frame2,
       180, 540, 5400, 255},
      {&Label7, "Label7", -1, "This program is provided as is, without warranty of any kind.",
       &Frame2, 180, 780, 5400, 255},
      {&Label8, "Label8", -1, "Take a backup of your settings before you change them.", &Frame2,
       180, 1020, 5400, 255},
      {&Label9, "Label9", -1, "Web URL :", nullptr, 240, 2820, 1800, 255},
      {&Label10, "Label10", -1, "Technical Support :", nullptr, 240, 3120, 1800, 255},
      {&Label11, "Label11", -1, "Sales Support:", nullptr, 240, 3420, 1800, 255},
      {&Label12, "Label12", -1, kMakerWebAddress, nullptr, 2160, 2820, 3600, 255,
       On(&frmAbout::Label12_Click)},
      {&Label13, "Label13", -1, kSupportAddress, nullptr, 2160, 3120, 3600, 255,
       On(&frmAbout::Label13_Click)},
      {&Label14, "Label14", -1, kSalesAddress, nullptr, 2160, 3420, 3600, 255,
       On(&frmAbout::Label14_Click)},
      {&Picture2, "Picture2", -1, "", nullptr, 5280, 2820, 480, 480, {}, ui::Hidden},
      {&Command1, "Command1", -1, "OK", nullptr, 4620, 3780, 1215, 375,
       On(&frmAbout::Command1_Click), ui::Default | ui::Cancel},
  });
  Picture1.SetPicture(LogoBitmap());
  ui::Label* links[] = {&Label12, &Label13, &Label14};
  for (ui::Label* link : links) link->SetForeColor(RGB(0, 0, 255));
  Label12.onMouseMove = [this](int b, int s, int x, int y) { Label12_MouseMove(b, s, x, y); };
  Label13.onMouseMove = [this](int b, int s, int x, int y) { Label13_MouseMove(b, s, x, y); };
  Label14.onMouseMove = [this](int b, int s, int x, int y) { Label14_MouseMove(b, s, x, y); };
}

void frmAbout::Command1_Click() { Unload(); }

void frmAbout::Label12_Click() {
  ShellOpen(nullptr, "Open", kMakerWebAddress, "", "", SW_SHOWNORMAL);
}

void frmAbout::Label13_Click() {
  ShellOpen(hwnd(), "open", std::string("mailto:") + kSupportAddress, nullptr, nullptr, SW_SHOW);
}

void frmAbout::Label14_Click() {
  ShellOpen(hwnd(), "open", std::string("mailto:") + kSalesAddress, nullptr, nullptr, SW_SHOW);
}

// The link cursor is what Picture2 holds.
void frmAbout::Label12_MouseMove(int, int, int, int) {
  Label12.SetMousePointer(ui::Pointer::Custom, LinkCursor());
}

void frmAbout::Label13_MouseMove(int, int, int, int) {
  Label13.SetMousePointer(ui::Pointer::Custom, LinkCursor());
}

void frmAbout::Label14_MouseMove(int, int, int, int) {
  Label14.SetMousePointer(ui::Pointer::Custom, LinkCursor());
}
