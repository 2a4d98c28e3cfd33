// The about box: the product, the Windows versions it serves, the maker's notices and three links
// that open the maker's web site and two mail addresses.
#pragma once
#include "ui/UI.h"

extern const char kMakerWebAddress[];
extern const char kSupportAddress[];
extern const char kSalesAddress[];

class frmAbout : public ui::Form {
 public:
  frmAbout();

  void Command1_Click();
  void Label12_Click();
  void Label13_Click();
  void Label14_Click();
  void Label12_MouseMove(int button, int shift, int x, int y);
  void Label13_MouseMove(int button, int shift, int x, int y);
  void Label14_MouseMove(int button, int shift, int x, int y);

  ui::Frame Frame1, Frame2;
  ui::PictureBox Picture1, Picture2;
  ui::Label Label1, Label2, Label3, Label6, Label7, Label8;
  ui::Label Label9, Label10, Label11, Label12, Label13, Label14;
  ui::Button Command1;

 protected:
  void CreateControls() override;
};
