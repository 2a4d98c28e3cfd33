// "&Apply" of the custom page without the window: the choices of the 35 lists go into the
// registry in the way of the running Windows family.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "tuner/CustomLists.h"
#include "tuner/Optimize.h"  // AdapterSlot, shared with the automatic optimization

// The selected index of every list Combo1..Combo35, by list number; -1 means no choice.
class CustomChoices {
 public:
  CustomChoices() { selected_.fill(-1); }
  int operator[](int list) const { return selected_[list - 1]; }
  int& operator[](int list) { return selected_[list - 1]; }

 private:
  std::array<int, kCustomListCount> selected_;
};

void ApplyCustomSettings95Me(const CustomChoices& choices, const std::vector<AdapterSlot>& slots);
void ApplyCustomSettings98(const CustomChoices& choices, const std::vector<AdapterSlot>& slots);
void ApplyCustomSettingsNT(const CustomChoices& choices);

// Which of the three routines serves a family; Windows Me goes with 95.
enum class ApplyFamily { None, NT, Win95Me, Win98 };
ApplyFamily ApplyFamilyOf(const COpSysInfo& info);

