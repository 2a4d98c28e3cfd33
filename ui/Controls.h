// The intrinsic controls: buttons, labels, frames, option buttons, check boxes, lists, text boxes
// and picture boxes.
#pragma once
#include "ui/Container.h"
#include "ui/Control.h"
#include <functional>
#include <string>

namespace ui {

class Button : public Control {
 public:
  void Create(const CreateArgs& args) override;
  void OnCommand(int code) override;
  bool DefaultLook() const;
  void SetDefaultLook(bool look);  // the heavy border of the button that Enter presses
};

// A static text; it raises onClick and onMouseMove and may carry its own mouse pointer.
class Label : public Control {
 public:
  void Create(const CreateArgs& args) override;
  void OnCommand(int code) override;
};

// A group box that holds controls of its own; hiding it hides them.
class Frame : public Control, public Container {
 public:
  void Create(const CreateArgs& args) override;
  void SetBold(bool bold) override;
  void SetCaption(const std::string& text) override;

 protected:
  void OnPaint(HDC dc, const RECT& client) override;
};

// Option buttons that share a parent form one group.
class OptionButton : public Control {
 public:
  void Create(const CreateArgs& args) override;
  void OnCommand(int code) override;
  bool Value() const;
  void SetValue(bool value);
};

class CheckBox : public Control {
 public:
  void Create(const CreateArgs& args) override;
  void OnCommand(int code) override;
  int Value() const;  // 0 unchecked, 1 checked
  void SetValue(int value);
};

// A drop-down list without typing. ListIndex -1 means no choice.
class ComboBox : public Control {
 public:
  void Create(const CreateArgs& args) override;
  void OnCommand(int code) override;
  std::string Caption() const override;  // the text of the chosen item, empty without a choice
  void AddItem(const std::string& text, int index = -1);
  void RemoveItem(int index);
  void Clear();
  int ListCount() const;
  std::string List(int index) const;
  int ListIndex() const;
  void SetListIndex(int index);
};

class ListBox : public Control {
 public:
  void Create(const CreateArgs& args) override;
  void OnCommand(int code) override;
  std::string Caption() const override;  // the text of the current item
  void AddItem(const std::string& text);
  void RemoveItem(int index);
  void Clear();
  int ListCount() const;
  std::string List(int index) const;
  int ListIndex() const;  // the current item, -1 when there is none
  void SetListIndex(int index);
  bool Selected(int index) const;
  void SetSelected(int index, bool selected);

 private:
  bool multi_ = false;
};

class TextBox : public Control {
 public:
  void Create(const CreateArgs& args) override;
  void OnCommand(int code) override;
  std::function<void()> onChange;
};

// A plain surface: shows a bitmap when it has one and lets its owner paint on it.
class PictureBox : public Control, public Container {
 public:
  void Create(const CreateArgs& args) override;
  void SetPicture(HBITMAP bitmap);  // the box takes ownership
  HBITMAP Picture() const { return picture_; }
  void Refresh();
  ~PictureBox() override;

  std::function<void(HDC dc, const RECT& client)> onPaint;

 protected:
  void OnPaint(HDC dc, const RECT& client) override;

 private:
  HBITMAP picture_ = nullptr;
  bool stretch_ = false;
};

}  // namespace ui
