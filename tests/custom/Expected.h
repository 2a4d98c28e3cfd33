// What the custom page must do, written down from the documented tables (not taken from the code):
// for every list its items, the value each item stands for, the places its writer fills and the
// extra values that "Default" removes.
#pragma once
#include <string>
#include <vector>

#include "tests/support/RegSnapshot.h"

// How a place stores its value: text everywhere; a number on 95/Me but text on 98; the one binary
// byte of SLOWNET on the adapter key; a number in both variants (SLOWNET on the protocol key).
enum class Form { Sz, Num, Bin, Dword };

// Keys are written with "{A}" for the adapter key and "{P}" for the protocol-instance key.
struct Place {
  std::string key;
  std::string name;
  Form form = Form::Sz;
};

struct ListCase {
  int list;
  std::vector<std::string> items;   // items 1..n as the list shows them
  std::vector<std::string> values;  // the value each item stands for
  std::vector<Place> writes;        // where the writer stores it
  std::vector<Place> unnamed;       // further values "Default" removes (beyond the writes)
  bool perAdapter() const;
};

const std::vector<ListCase>& ListCases9x();
const ListCase& ListCase9x(int list);

struct NTCase {
  int list;
  std::string name;  // under SYSTEM\CurrentControlSet\Services\Tcpip\Parameters
  std::vector<DWORD> numbers;
};
const std::vector<NTCase>& NTCases();

extern const char kTcpipNT[];

struct Slot {
  std::string subkey, driver;
};
// The key of a place for one adapter slot.
std::string KeyOf(const Place& place, const Slot& slot);
// The snapshot entry a write of `value` leaves at a place.
std::string EntryOf(const Place& place, const std::string& value, bool is98);

// The trees the 95/98/Me routines may touch.
RegSnapshot Snapshot9x();
void Clear9x();
// Removes the values the NT lists write; the key's other values stay.
void ClearNT();
