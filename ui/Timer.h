// A timer that belongs to a form: Interval in milliseconds, Enabled, and a tick handler.
#pragma once
#include <windows.h>
#include <functional>
#include <string>

namespace ui {

class Timer {
 public:
  Timer() = default;
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;
  ~Timer();

  void Bind(HWND window, UINT id, const std::string& name);
  void Unbind();
  const std::string& Name() const { return name_; }
  UINT Id() const { return id_; }

  int Interval() const { return interval_; }
  void SetInterval(int milliseconds);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  std::function<void()> onTimer;
  // Runs onTimer when the timer is enabled. A tick that comes while the handler still runs, from a
  // message box's loop say, is dropped: a handler never runs inside itself.
  void Tick();

 private:
  void Apply();
  HWND window_ = nullptr;
  UINT id_ = 0;
  std::string name_;
  int interval_ = 0;
  bool enabled_ = false;
  bool running_ = false;
};

}  // namespace ui
