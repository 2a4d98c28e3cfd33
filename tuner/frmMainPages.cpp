// The seven pages of the main window and their controls, as tables. Places are in twips: the
// pages relative to the window, everything else relative to the frame that holds it.
#include "tuner/frmMain.h"

namespace {

constexpr int kPageLeft = 120, kPageTop = 660, kPageWidth = 9600, kPageHeight = 4680;
constexpr int kButtonTop = 4140, kButtonWidth = 1215, kButtonHeight = 375;
constexpr int kBackLeft = 5760, kNextLeft = 7020, kHelpLeft = 8280;
constexpr int kTextLeft = 240, kTextWidth = 9120, kTextHeight = 255;
// Page 0's texts lie in frames of 9360, and keep clear of their right border as of the left.
constexpr int kFramedTextWidth = 9360 - 2 * kTextLeft;

const char* const kConnectionTypes[] = {"Dial-up Modem",
                                        "Lan, Cable Modem, xDSL, ISDN, T1, or faster",
                                        "Cable/DSL running PPPoE or PPTP", "Satellite",
                                        "Windows Defaults"};

const char* const kPageCaptions[7] = {"Automatic Optimization", "Custom Optimization",
                                      "Automatic Optimization", "Automatic Optimization",
                                      "4", "5", "System Settings Launcher"};

const char* const kTabCaptions[4] = {"       Genaral       ", "       TCP/IP       ",
                                     "        NWLink        ", "      NetBEUI      "};
const char* const kCustomCaptions[4] = {"General", "TCP/IP", "NWlink", "NetBeui"};

}  // namespace

void frmMain::CreatePages() {
  for (int page = 0; page < 7; ++page) {
    AddControls({{&Frame1[page], "Frame1", page, kPageCaptions[page], nullptr, kPageLeft,
                  kPageTop, kPageWidth, kPageHeight, {}, page == 0 ? 0u : ui::Hidden}});
    Frame1[page].onMouseMove = [this, page](int button, int shift, int x, int y) {
      Frame1_MouseMove(page, button, shift, x, y);
    };
  }
  ui::Frame* page0 = &Frame1[0];
  ui::Frame* page2 = &Frame1[2];
  ui::Frame* page3 = &Frame1[3];
  ui::Frame* page6 = &Frame1[6];

  AddControls({
      {&Frame8, "Frame8", -1, "", page0, 120, 240, 9360, 1800},
      {&Label1, "Label1", -1, "Select Adapter", &Frame8, 240, 390, 1695, kTextHeight},
      {&cmbAdapter, "cmbAdapter", -1, "", &Frame8, 2040, 330, 5055, 315},
      {&Label38, "Label38", -1,
       "A network adapter is a hardware device that connects yor computer to a network. Select "
       "the adapter you",
       &Frame8, kTextLeft, 900, kFramedTextWidth, kTextHeight},
      {&Label39, "Label39", -1,
       "want to optimize from the list. To make optimization only for the default adapter in your "
       "computer, choose",
       &Frame8, kTextLeft, 1155, kFramedTextWidth, kTextHeight},
      {&Label40, "Label40", -1, "\"Default Adapter\".", &Frame8, kTextLeft, 1410, kFramedTextWidth,
       kTextHeight},
      {&Frame2, "Frame2", -1, "", page0, 120, 2160, 9360, 1800},
      {&Label2, "Label2", -1, "Connection Type", &Frame2, 240, 390, 1695, kTextHeight},
      {&cmbConnection, "cmbConnection", -1, "", &Frame2, 2040, 330, 5055, 315},
      {&Label42, "Label42", -1,
       "To get the maximum performance, choose the correct connection type from the list. "
       "Choosing wrong",
       &Frame2, kTextLeft, 900, kFramedTextWidth, kTextHeight},
      {&Label41, "Label41", -1,
       "optimization type can make your connection even slower. It is possible to turn back your "
       "default values by",
       &Frame2, kTextLeft, 1155, kFramedTextWidth, kTextHeight},
      {&Label43, "Label43", -1, "choosing \"Windows Defaults\".", &Frame2, kTextLeft, 1410,
       kFramedTextWidth, kTextHeight},
      {&Command8, "Command8", -1, "< &Back", page0, kBackLeft, kButtonTop, kButtonWidth,
       kButtonHeight, {}, ui::Disabled},
      {&Command7, "Command7", -1, "&Next >", page0, kNextLeft, kButtonTop, kButtonWidth,
       kButtonHeight, On(&frmMain::Command7_Click)},
      {&Command3, "Command3", -1, "&Help", page0, kHelpLeft, kButtonTop, kButtonWidth,
       kButtonHeight, On(&frmMain::Command3_Click)},
  });
  for (const char* type : kConnectionTypes) cmbConnection.AddItem(type);

  ui::Frame* page1 = &Frame1[1];
  AddControls({{&TabStrip1, "TabStrip1", -1, "", page1, 120, 300, 9360, 3720,
                On(&frmMain::TabStrip1_Click)}});
  for (const char* caption : kTabCaptions) TabStrip1.AddTab(caption);
  for (int tab = 0; tab < 4; ++tab)
    AddControls({{&frmCustom[tab], "frmCustom", tab, kCustomCaptions[tab], page1, 240, 720, 9120,
                  3180, {}, tab == 0 ? 0u : ui::Hidden}});
  TabStrip1.ShowThrough(frmCustom[0]);
  AddControls({
      {&Command4, "Command4", -1, "&Apply", page1, kNextLeft, kButtonTop, kButtonWidth,
       kButtonHeight, On(&frmMain::Command4_Click)},
      {&Command5, "Command5", -1, "&Help", page1, kHelpLeft, kButtonTop, kButtonWidth,
       kButtonHeight, On(&frmMain::Command5_Click)},
  });

  AddControls({
      {&Option8, "Option8", -1, "Automatic Configuration #1", page2, 600, 420, 3600, 300},
      {&Option9, "Option9", -1, "Automatic Configuration #2", page2, 600, 780, 3600, 300},
      {&Option10, "Option10", -1, "Automatic Configuration #3", page2, 600, 1140, 3600, 300},
      {&Option11, "Option11", -1, "Automatic Configuration #4", page2, 600, 1500, 3600, 300},
      {&Option12, "Option12", -1, "Automatic Configuration #5", page2, 600, 1860, 3600, 300},
      {&Label44, "Label44", -1,
       "Select a configuration option. Alternative configurations are possible for your adapter "
       "and connection type. ",
       page2, kTextLeft, 2520, kTextWidth, kTextHeight},
      {&Label45, "Label45", -1,
       "These configurations are tested in various systems. Different configuration option can "
       "give the maximum",
       page2, kTextLeft, 2775, kTextWidth, kTextHeight},
      {&Label47, "Label47", -1,
       "performance on different systems. To find the best configuration for your system, run "
       "Brenvik several",
       page2, kTextLeft, 3030, kTextWidth, kTextHeight},
      {&Label46, "Label46", -1, "times and try different configuration each time.", page2,
       kTextLeft, 3285, kTextWidth, kTextHeight},
      {&Command11, "Command11", -1, "< &Back", page2, kBackLeft, kButtonTop, kButtonWidth,
       kButtonHeight, On(&frmMain::Command11_Click)},
      {&Command10, "Command10", -1, "&Next >", page2, kNextLeft, kButtonTop, kButtonWidth,
       kButtonHeight, On(&frmMain::Command10_Click)},
      {&Command9, "Command9", -1, "&Help", page2, kHelpLeft, kButtonTop, kButtonWidth,
       kButtonHeight, On(&frmMain::Command9_Click)},
  });

  AddControls({
      {&Label50, "Label50", -1, "Selected Adapter", page3, 480, 420, 2160, kTextHeight},
      {&Label53, "Label53", -1, "", page3, 2760, 420, 6600, kTextHeight},
      {&Label51, "Label51", -1, "Connection Type", page3, 480, 780, 2160, kTextHeight},
      {&Label54, "Label54", -1, "", page3, 2760, 780, 6600, kTextHeight},
      {&Label52, "Label52", -1, "Configuration Option", page3, 480, 1140, 2160, kTextHeight},
      {&Label55, "Label55", -1, "", page3, 2760, 1140, 6600, kTextHeight},
      {&Label48, "Label48", -1,
       "Brenvik is ready to optimize your settings. Before optimizing your system, it is "
       "recommended to take a",
       page3, kTextLeft, 1620, kTextWidth, kTextHeight},
      {&Label49, "Label49", -1, "backup of your current configuration.", page3, kTextLeft, 1875,
       kTextWidth, kTextHeight},
      {&ProgressBar1, "ProgressBar1", -1, "", page3, kTextLeft, 2280, kTextWidth, 255, {},
       ui::Hidden},
      {&Frame3, "Frame3", -1, "", page3, 120, 2640, 9360, 1320, {}, ui::Hidden},
      {&Label56, "Label56", -1,
       "Please restart your computer for the settings to be active. You can always turn back to "
       "original settings by",
       &Frame3, kTextLeft - 120, 300, kTextWidth, kTextHeight},
      {&Label57, "Label57", -1, "restoring from the backup files.", &Frame3, kTextLeft - 120, 555,
       kTextWidth, kTextHeight},
      {&Command13, "Command13", -1, "Restart", &Frame3, 7980, 840, kButtonWidth, kButtonHeight,
       On(&frmMain::Command13_Click)},
      {&Command12, "Command12", -1, "< &Back", page3, kBackLeft, kButtonTop, kButtonWidth,
       kButtonHeight, On(&frmMain::Command12_Click)},
      {&Command1, "Command1", -1, "&Optimize", page3, kNextLeft, kButtonTop, kButtonWidth,
       kButtonHeight, On(&frmMain::Command1_Click)},
      {&Command14, "Command14", -1, "&Help", page3, kHelpLeft, kButtonTop, kButtonWidth,
       kButtonHeight, On(&frmMain::Command14_Click)},
  });

  AddControls({
      {&Option1, "Option1", -1, "Network Settings", page6, 600, 480, 2760, 300},
      {&Option5, "Option5", -1, "IP Configuration", page6, 3480, 480, 2760, 300},
      {&Option6, "Option6", -1, "Default Browser", page6, 6360, 480, 2760, 300},
      {&Option3, "Option3", -1, "Modem Settings", page6, 600, 960, 2760, 300},
      {&Option7, "Option7", -1, "Default Mail Program", page6, 3480, 960, 2760, 300},
      {&Option4, "Option4", -1, "Internet Settings", page6, 6360, 960, 2760, 300},
      {&Label58, "Label58", -1,
       "This screen enables you to launch internet related applets in Windows control panel. "
       "Also you can run default",
       page6, kTextLeft, 1680, kTextWidth, kTextHeight},
      {&Label59, "Label59", -1,
       "browser and default mail program here. See Help file for details.", page6, kTextLeft,
       1935, kTextWidth, kTextHeight},
      {&Command2, "Command2", -1, "&Launch", page6, kNextLeft, kButtonTop, kButtonWidth,
       kButtonHeight, On(&frmMain::Command2_Click)},
      {&Command6, "Command6", -1, "&Help", page6, kHelpLeft, kButtonTop, kButtonWidth,
       kButtonHeight, On(&frmMain::Command6_Click)},
  });
  Option1.SetValue(true);
}
