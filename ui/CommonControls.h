// The common controls the forms use: status bar with panels, progress bar, toolbar with an image
// list and tool tips, tab strip.
#pragma once
#include "ui/Control.h"
#include <commctrl.h>
#include <functional>
#include <string>
#include <vector>

namespace ui {

enum class AutoSize { None = 0, Spring = 1, Contents = 2 };
enum class Bevel { None = 0, Inset = 1, Raised = 2 };

struct Panel {
  std::string text;
  int width = 1440;  // twips
  AutoSize autoSize = AutoSize::None;
  Bevel bevel = Bevel::Inset;
};

// Panels are numbered from 1, as users of the status bar count them.
class StatusBar : public Control {
 public:
  void Create(const CreateArgs& args) override;
  int PanelCount() const { return int(panels_.size()); }
  const Panel& GetPanel(int number) const;
  void AddPanel(int number, const Panel& panel = Panel());  // panels from number on move up
  void RemovePanel(int number);
  std::string PanelText(int number) const;
  void SetPanelText(int number, const std::string& text);
  void SetPanelWidth(int number, int twips);
  void SetPanelAutoSize(int number, AutoSize mode);
  void SetPanelBevel(int number, Bevel bevel);
  void Layout();  // after the parent's size changed

 private:
  std::vector<Panel> panels_{Panel()};
};

class ProgressBar : public Control {
 public:
  void Create(const CreateArgs& args) override;
  int Min() const { return min_; }
  int Max() const { return max_; }
  void SetMin(int value);
  void SetMax(int value);
  int Value() const;
  void SetValue(int value);
  // Lifts the bar into the status bar, exactly over one part (counted from 0, as SB_GETRECT
  // counts them), shown and at 0; ReturnTo gives it back to its window, hidden.
  void ShowOverPanel(StatusBar& status, int part);
  void ReturnTo(HWND owner);

 private:
  int min_ = 0, max_ = 100;
};

struct ToolbarButton {
  int image = 0;            // 1-based image of the image list; 0 for a separator
  const char* toolTip = "";
  const char* description = "";  // the button's tag
};

// Buttons are numbered from 1, separators included. Mouse positions and button places are in
// twips, relative to the toolbar.
class Toolbar : public Control {
 public:
  void Create(const CreateArgs& args) override;
  void Detach() override;
  void SetImageList(HIMAGELIST images);  // the toolbar takes ownership
  void AddButtons(const ToolbarButton* buttons, int count);
  int ButtonCount() const { return int(buttons_.size()); }
  const ToolbarButton& GetButton(int number) const { return buttons_.at(number - 1); }
  RECT ButtonPlace(int number) const;  // left, top, right, bottom in twips
  void SetEnabled(bool enabled) override;
  void Layout();

  std::function<void(int number)> onButtonClick;

  void OnCommandFrom(WPARAM wParam) override;
  LRESULT OnNotify(NMHDR* header) override;

 private:
  std::vector<ToolbarButton> buttons_;
  HIMAGELIST images_ = nullptr;
};

// Tabs are numbered from 1.
class TabStrip : public Control {
 public:
  void Create(const CreateArgs& args) override;
  void AddTab(const std::string& caption);
  int TabCount() const;
  std::string TabCaption(int number) const;
  int SelectedItem() const;
  void SetSelectedItem(int number);
  // The pages that the tabs switch lie in the strip's body but come after it in tab order, that
  // is below it: the strip leaves the place of the page out of itself, so that the page shows.
  void ShowThrough(const Control& page);
  LRESULT OnNotify(NMHDR* header) override;
};

}  // namespace ui
