#include "ui/Controls.h"
#include "ui/Twips.h"
#include <vector>

namespace ui {
namespace {

DWORD TabStop(const CreateArgs& args) { return (args.flags & NoTabStop) ? 0 : WS_TABSTOP; }

std::string ItemText(HWND window, UINT lengthMessage, UINT textMessage, int index) {
  LRESULT length = SendMessageA(window, lengthMessage, index, 0);
  if (length < 0) return {};
  std::string text(size_t(length) + 1, '\0');
  SendMessageA(window, textMessage, index, LPARAM(&text[0]));
  text.resize(size_t(length));
  return text;
}

}  // namespace

void Button::Create(const CreateArgs& args) {
  DWORD kind = (args.flags & Default) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  CreateWindowFor("BUTTON", kind | TabStop(args), 0, args);
}

bool Button::DefaultLook() const {
  return hwnd_ && (GetWindowLongA(hwnd_, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

void Button::SetDefaultLook(bool look) {
  if (hwnd_ && look != DefaultLook())
    SendMessageA(hwnd_, BM_SETSTYLE, look ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void Button::OnCommand(int code) {
  if (code == BN_CLICKED && onClick) onClick();
}

void Label::Create(const CreateArgs& args) {
  DWORD align = (args.flags & Centered) ? SS_CENTER : SS_LEFT;
  CreateWindowFor("STATIC", align | SS_NOTIFY | SS_NOPREFIX, 0, args);
}

void Label::OnCommand(int code) {
  if (code == STN_CLICKED && onClick) onClick();
}

void Frame::Create(const CreateArgs& args) {
  CreateWindowFor(Container::WindowClass(), WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, args,
                  static_cast<Container*>(this));
}

void Frame::SetBold(bool bold) {
  Control::SetBold(bold);
  if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

void Frame::SetCaption(const std::string& text) {
  Control::SetCaption(text);
  if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

void Frame::OnPaint(HDC dc, const RECT& client) {
  HGDIOBJ oldFont = SelectObject(dc, bold_ ? BoldFont() : NormalFont());
  TEXTMETRICA metrics;
  GetTextMetricsA(dc, &metrics);
  RECT border = client;
  border.top += metrics.tmHeight / 2;
  DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);
  std::string caption = Caption();
  if (!caption.empty()) {
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    SetTextColor(dc, GetSysColor(IsWindowEnabled(hwnd_) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    SetBkMode(dc, OPAQUE);
    TextOutA(dc, 8, 0, caption.c_str(), int(caption.size()));
  }
  SelectObject(dc, oldFont);
}

void OptionButton::Create(const CreateArgs& args) {
  CreateWindowFor("BUTTON", BS_AUTORADIOBUTTON | TabStop(args), 0, args);
}

void OptionButton::OnCommand(int code) {
  if (code == BN_CLICKED) {
    SetValue(true);
    if (onClick) onClick();
  }
}

bool OptionButton::Value() const {
  return hwnd_ && SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// Option buttons of one parent exclude each other, whoever sets them.
void OptionButton::SetValue(bool value) {
  if (!hwnd_) return;
  if (value) {
    for (HWND sibling = GetWindow(GetParent(hwnd_), GW_CHILD); sibling;
         sibling = GetWindow(sibling, GW_HWNDNEXT)) {
      if (sibling != hwnd_ && dynamic_cast<OptionButton*>(Control::FromHwnd(sibling)))
        SendMessageA(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
    }
  }
  SendMessageA(hwnd_, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CheckBox::Create(const CreateArgs& args) {
  CreateWindowFor("BUTTON", BS_AUTOCHECKBOX | TabStop(args), 0, args);
}

void CheckBox::OnCommand(int code) {
  if (code == BN_CLICKED && onClick) onClick();
}

int CheckBox::Value() const {
  return hwnd_ && SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void CheckBox::SetValue(int value) {
  if (hwnd_) SendMessageA(hwnd_, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
}

// The height of a combo box's window includes its drop-down list.
void ComboBox::Create(const CreateArgs& args) {
  CreateArgs withList = args;
  withList.height = args.height + 3000;
  withList.caption.clear();
  CreateWindowFor("COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | TabStop(args), 0, withList);
}

void ComboBox::OnCommand(int code) {
  if (code == CBN_SELCHANGE && onClick) onClick();
}

std::string ComboBox::Caption() const { return List(ListIndex()); }

void ComboBox::AddItem(const std::string& text, int index) {
  if (hwnd_) SendMessageA(hwnd_, CB_INSERTSTRING, WPARAM(index), LPARAM(text.c_str()));
}

void ComboBox::RemoveItem(int index) {
  if (hwnd_) SendMessageA(hwnd_, CB_DELETESTRING, index, 0);
}

void ComboBox::Clear() {
  if (hwnd_) SendMessageA(hwnd_, CB_RESETCONTENT, 0, 0);
}

int ComboBox::ListCount() const { return hwnd_ ? int(SendMessageA(hwnd_, CB_GETCOUNT, 0, 0)) : 0; }

std::string ComboBox::List(int index) const {
  if (!hwnd_ || index < 0) return {};
  return ItemText(hwnd_, CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
}

int ComboBox::ListIndex() const { return hwnd_ ? int(SendMessageA(hwnd_, CB_GETCURSEL, 0, 0)) : -1; }

void ComboBox::SetListIndex(int index) {
  if (hwnd_) SendMessageA(hwnd_, CB_SETCURSEL, WPARAM(index), 0);
}

void ListBox::Create(const CreateArgs& args) {
  multi_ = (args.flags & MultiSelect) != 0;
  CreateArgs plain = args;
  plain.caption.clear();
  CreateWindowFor("LISTBOX",
                  LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | TabStop(args) |
                      (multi_ ? LBS_EXTENDEDSEL : 0),
                  WS_EX_CLIENTEDGE, plain);
}

void ListBox::OnCommand(int code) {
  if (code == LBN_SELCHANGE && onClick) onClick();
}

std::string ListBox::Caption() const { return List(ListIndex()); }

void ListBox::AddItem(const std::string& text) {
  if (hwnd_) SendMessageA(hwnd_, LB_ADDSTRING, 0, LPARAM(text.c_str()));
}

void ListBox::RemoveItem(int index) {
  if (hwnd_) SendMessageA(hwnd_, LB_DELETESTRING, index, 0);
}

void ListBox::Clear() {
  if (hwnd_) SendMessageA(hwnd_, LB_RESETCONTENT, 0, 0);
}

int ListBox::ListCount() const { return hwnd_ ? int(SendMessageA(hwnd_, LB_GETCOUNT, 0, 0)) : 0; }

std::string ListBox::List(int index) const {
  if (!hwnd_ || index < 0) return {};
  return ItemText(hwnd_, LB_GETTEXTLEN, LB_GETTEXT, index);
}

int ListBox::ListIndex() const {
  if (!hwnd_) return -1;
  if (!multi_) return int(SendMessageA(hwnd_, LB_GETCURSEL, 0, 0));
  if (SendMessageA(hwnd_, LB_GETSELCOUNT, 0, 0) <= 0) return -1;
  return int(SendMessageA(hwnd_, LB_GETCARETINDEX, 0, 0));
}

void ListBox::SetListIndex(int index) {
  if (!hwnd_) return;
  if (multi_) {
    SendMessageA(hwnd_, LB_SETSEL, FALSE, -1);
    if (index >= 0) SendMessageA(hwnd_, LB_SETSEL, TRUE, index);
    SendMessageA(hwnd_, LB_SETCARETINDEX, index, FALSE);
  } else {
    SendMessageA(hwnd_, LB_SETCURSEL, WPARAM(index), 0);
  }
}

bool ListBox::Selected(int index) const {
  return hwnd_ && SendMessageA(hwnd_, LB_GETSEL, index, 0) > 0;
}

void ListBox::SetSelected(int index, bool selected) {
  if (!hwnd_) return;
  if (multi_) SendMessageA(hwnd_, LB_SETSEL, selected, index);
  else SendMessageA(hwnd_, LB_SETCURSEL, selected ? index : -1, 0);
}

void TextBox::Create(const CreateArgs& args) {
  CreateWindowFor("EDIT", ES_AUTOHSCROLL | TabStop(args), WS_EX_CLIENTEDGE, args);
}

void TextBox::OnCommand(int code) {
  if (code == EN_CHANGE && onChange) onChange();
}

void PictureBox::Create(const CreateArgs& args) {
  stretch_ = (args.flags & Stretch) != 0;
  CreateWindowFor(Container::WindowClass(), WS_CLIPCHILDREN,
                  (args.flags & Border3D) ? WS_EX_CLIENTEDGE : 0, args,
                  static_cast<Container*>(this));
}

PictureBox::~PictureBox() {
  if (picture_) DeleteObject(picture_);
}

void PictureBox::SetPicture(HBITMAP bitmap) {
  if (picture_ && picture_ != bitmap) DeleteObject(picture_);
  picture_ = bitmap;
  Refresh();
}

void PictureBox::Refresh() {
  if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

void PictureBox::OnPaint(HDC dc, const RECT& client) {
  if (picture_) {
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, picture_);
    BITMAP info;
    GetObject(picture_, sizeof info, &info);
    if (stretch_ && (client.right != info.bmWidth || client.bottom != info.bmHeight)) {
      SetStretchBltMode(dc, COLORONCOLOR);
      StretchBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, info.bmWidth,
                 info.bmHeight, SRCCOPY);
    } else {
      BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
    }
    SelectObject(memory, old);
    DeleteDC(memory);
  }
  if (onPaint) onPaint(dc, client);
}

}  // namespace ui
