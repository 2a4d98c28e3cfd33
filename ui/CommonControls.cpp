#include "ui/CommonControls.h"
#include "ui/App.h"
#include "ui/Twips.h"

namespace ui {
namespace {

int TextWidth(HWND window, const std::string& text) {
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, NormalFont());
  SIZE size{};
  GetTextExtentPoint32A(dc, text.c_str(), int(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return size.cx + 12;
}

WPARAM BevelType(Bevel bevel) {
  switch (bevel) {
    case Bevel::None: return SBT_NOBORDERS;
    case Bevel::Raised: return SBT_POPOUT;
    default: return 0;
  }
}

}  // namespace

void StatusBar::Create(const CreateArgs& args) {
  InitCommonControls();
  CreateArgs plain = args;
  plain.caption.clear();
  CreateWindowFor(STATUSCLASSNAMEA, CCS_BOTTOM, 0, plain);
  panels_.assign(1, Panel());
  panels_[0].autoSize = AutoSize::Spring;
  Layout();
}

const Panel& StatusBar::GetPanel(int number) const { return panels_.at(number - 1); }

void StatusBar::AddPanel(int number, const Panel& panel) {
  if (number < 1 || number > PanelCount() + 1) number = PanelCount() + 1;
  panels_.insert(panels_.begin() + (number - 1), panel);
  Layout();
}

void StatusBar::RemovePanel(int number) {
  if (number < 1 || number > PanelCount()) return;
  panels_.erase(panels_.begin() + (number - 1));
  Layout();
}

std::string StatusBar::PanelText(int number) const {
  return number >= 1 && number <= PanelCount() ? panels_[number - 1].text : std::string();
}

void StatusBar::SetPanelText(int number, const std::string& text) {
  if (number < 1 || number > PanelCount()) return;
  panels_[number - 1].text = text;
  if (panels_[number - 1].autoSize == AutoSize::Contents) Layout();
  else if (hwnd_)
    SendMessageA(hwnd_, SB_SETTEXTA, WPARAM(number - 1) | BevelType(panels_[number - 1].bevel),
                 LPARAM(text.c_str()));
}

void StatusBar::SetPanelWidth(int number, int twips) {
  if (number < 1 || number > PanelCount()) return;
  panels_[number - 1].width = twips;
  Layout();
}

void StatusBar::SetPanelAutoSize(int number, AutoSize mode) {
  if (number < 1 || number > PanelCount()) return;
  panels_[number - 1].autoSize = mode;
  Layout();
}

void StatusBar::SetPanelBevel(int number, Bevel bevel) {
  if (number < 1 || number > PanelCount()) return;
  panels_[number - 1].bevel = bevel;
  Layout();
}

// Fixed panels keep their width; spring panels share what is left of the bar.
void StatusBar::Layout() {
  if (!hwnd_ || panels_.empty()) return;
  RECT client;
  GetClientRect(hwnd_, &client);
  std::vector<int> widths;
  int used = 0, springs = 0;
  for (const Panel& panel : panels_) {
    int width = 0;
    if (panel.autoSize == AutoSize::Spring) ++springs;
    else if (panel.autoSize == AutoSize::Contents) width = TextWidth(hwnd_, panel.text);
    else width = ToPixelsX(panel.width);
    widths.push_back(width);
    used += width;
  }
  int share = springs ? (client.right - used) / springs : 0;
  if (share < 0) share = 0;
  std::vector<int> edges;
  int edge = 0;
  for (size_t i = 0; i < panels_.size(); ++i) {
    edge += panels_[i].autoSize == AutoSize::Spring ? share : widths[i];
    edges.push_back(edge);
  }
  SendMessageA(hwnd_, SB_SETPARTS, edges.size(), LPARAM(edges.data()));
  for (size_t i = 0; i < panels_.size(); ++i)
    SendMessageA(hwnd_, SB_SETTEXTA, WPARAM(i) | BevelType(panels_[i].bevel),
                 LPARAM(panels_[i].text.c_str()));
}

void ProgressBar::Create(const CreateArgs& args) {
  InitCommonControls();
  CreateArgs plain = args;
  plain.caption.clear();
  CreateWindowFor(PROGRESS_CLASSA, 0, 0, plain);
  min_ = 0;
  max_ = 100;
  if (hwnd_) SendMessageA(hwnd_, PBM_SETRANGE32, min_, max_);
}

void ProgressBar::SetMin(int value) {
  min_ = value;
  if (hwnd_) SendMessageA(hwnd_, PBM_SETRANGE32, min_, max_);
}

void ProgressBar::SetMax(int value) {
  max_ = value;
  if (hwnd_) SendMessageA(hwnd_, PBM_SETRANGE32, min_, max_);
}

int ProgressBar::Value() const { return hwnd_ ? int(SendMessageA(hwnd_, PBM_GETPOS, 0, 0)) : 0; }

void ProgressBar::SetValue(int value) {
  if (hwnd_) SendMessageA(hwnd_, PBM_SETPOS, value, 0);
}

void ProgressBar::ShowOverPanel(StatusBar& status, int part) {
  RECT panel{};
  SendMessageA(status.hwnd(), SB_GETRECT, WPARAM(part), LPARAM(&panel));
  int top = panel.top * TwipsPerPixelY();
  int left = panel.left * TwipsPerPixelX();
  int height = panel.bottom * TwipsPerPixelY() - top;
  int width = panel.right * TwipsPerPixelX() - left;
  SetParent(hwnd_, status.hwnd());
  Move(left, top, width, height);
  SetVisible(true);
  SetValue(0);
}

void ProgressBar::ReturnTo(HWND owner) {
  SetParent(hwnd_, owner);
  SetVisible(false);
}

void Toolbar::Create(const CreateArgs& args) {
  InitCommonControls();
  CreateArgs plain = args;
  plain.caption.clear();
  CreateWindowFor(TOOLBARCLASSNAMEA, TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP, 0, plain);
  buttons_.clear();
  if (!hwnd_) return;
  SendMessageA(hwnd_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  // The tool tips' notifications come through the toolbar's parent; mark them as the toolbar's.
  if (HWND tips = HWND(SendMessageA(hwnd_, TB_GETTOOLTIPS, 0, 0))) SetPropA(tips, "ui.control", this);
}

void Toolbar::Detach() {
  Control::Detach();
  if (images_) ImageList_Destroy(images_);
  images_ = nullptr;
}

void Toolbar::SetImageList(HIMAGELIST images) {
  if (!hwnd_) {
    ImageList_Destroy(images);
    return;
  }
  HIMAGELIST old = HIMAGELIST(SendMessageA(hwnd_, TB_SETIMAGELIST, 0, LPARAM(images)));
  if (old && old != images) ImageList_Destroy(old);
  images_ = images;
  Layout();
}

void Toolbar::AddButtons(const ToolbarButton* buttons, int count) {
  if (!hwnd_) return;
  for (int i = 0; i < count; ++i) {
    TBBUTTON button{};
    bool separator = buttons[i].image == 0;
    button.iBitmap = separator ? 0 : buttons[i].image - 1;
    button.idCommand = ButtonCount() + 1;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = separator ? BTNS_SEP : BTNS_BUTTON;
    button.iString = -1;
    buttons_.push_back(buttons[i]);
    SendMessageA(hwnd_, TB_ADDBUTTONSA, 1, LPARAM(&button));
  }
  Layout();
}

RECT Toolbar::ButtonPlace(int number) const {
  RECT place{};
  if (hwnd_) SendMessageA(hwnd_, TB_GETITEMRECT, number - 1, LPARAM(&place));
  return RECT{ToTwipsX(place.left), ToTwipsY(place.top), ToTwipsX(place.right),
              ToTwipsY(place.bottom)};
}

void Toolbar::SetEnabled(bool enabled) {
  Control::SetEnabled(enabled);
  for (int number = 1; hwnd_ && number <= ButtonCount(); ++number)
    if (GetButton(number).image) SendMessageA(hwnd_, TB_ENABLEBUTTON, number, MAKELONG(enabled, 0));
}

void Toolbar::Layout() {
  if (hwnd_) SendMessageA(hwnd_, TB_AUTOSIZE, 0, 0);
}

void Toolbar::OnCommandFrom(WPARAM wParam) {
  int number = LOWORD(wParam);
  if (number >= 1 && number <= ButtonCount() && onButtonClick) onButtonClick(number);
}

LRESULT Toolbar::OnNotify(NMHDR* header) {
  int number = int(header->idFrom);
  if (number < 1 || number > ButtonCount()) return 0;
  const char* tip = GetButton(number).toolTip;
  switch (header->code) {
    case TTN_GETDISPINFOA:
      reinterpret_cast<NMTTDISPINFOA*>(header)->lpszText = const_cast<char*>(tip);
      break;
    case TTN_GETDISPINFOW: {
      static wchar_t wide[80];
      MultiByteToWideChar(CP_ACP, 0, tip, -1, wide, 80);
      reinterpret_cast<NMTTDISPINFOW*>(header)->lpszText = wide;
      break;
    }
  }
  return 0;
}

void TabStrip::Create(const CreateArgs& args) {
  InitCommonControls();
  CreateArgs plain = args;
  plain.caption.clear();
  CreateWindowFor(WC_TABCONTROLA, TCS_TABS | WS_TABSTOP, 0, plain);
}

void TabStrip::AddTab(const std::string& caption) {
  if (!hwnd_) return;
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<char*>(caption.c_str());
  SendMessageA(hwnd_, TCM_INSERTITEMA, TabCount(), LPARAM(&item));
}

int TabStrip::TabCount() const { return hwnd_ ? int(SendMessageA(hwnd_, TCM_GETITEMCOUNT, 0, 0)) : 0; }

std::string TabStrip::TabCaption(int number) const {
  char text[128] = "";
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  if (hwnd_) SendMessageA(hwnd_, TCM_GETITEMA, number - 1, LPARAM(&item));
  return item.pszText ? item.pszText : "";
}

int TabStrip::SelectedItem() const {
  return hwnd_ ? int(SendMessageA(hwnd_, TCM_GETCURSEL, 0, 0)) + 1 : 0;
}

void TabStrip::SetSelectedItem(int number) {
  if (hwnd_) SendMessageA(hwnd_, TCM_SETCURSEL, number - 1, 0);
}

void TabStrip::ShowThrough(const Control& page) {
  if (!hwnd_ || !page.hwnd()) return;
  RECT strip, hole;
  GetWindowRect(hwnd_, &strip);
  GetWindowRect(page.hwnd(), &hole);
  OffsetRect(&hole, -strip.left, -strip.top);
  HRGN region = CreateRectRgn(0, 0, strip.right - strip.left, strip.bottom - strip.top);
  HRGN pageArea = CreateRectRgn(hole.left, hole.top, hole.right, hole.bottom);
  CombineRgn(region, region, pageArea, RGN_DIFF);
  DeleteObject(pageArea);
  if (!SetWindowRgn(hwnd_, region, TRUE)) DeleteObject(region);  // a region set is the system's
}

LRESULT TabStrip::OnNotify(NMHDR* header) {
  if (header->code == TCN_SELCHANGE && onClick) onClick();
  return 0;
}

}  // namespace ui
