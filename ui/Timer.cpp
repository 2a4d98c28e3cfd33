#include "ui/Timer.h"

namespace ui {

Timer::~Timer() { Unbind(); }

void Timer::Bind(HWND window, UINT id, const std::string& name) {
  window_ = window;
  id_ = id;
  name_ = name;
  Apply();
}

void Timer::Unbind() {
  if (window_ && IsWindow(window_)) KillTimer(window_, id_);
  window_ = nullptr;
}

void Timer::SetInterval(int milliseconds) {
  interval_ = milliseconds;
  Apply();
}

void Timer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Apply();
}

void Timer::Tick() {
  if (!enabled_ || !onTimer || running_) return;
  running_ = true;
  onTimer();
  running_ = false;
}

// A timer runs when it is enabled with an interval above 0; setting either restarts the count.
void Timer::Apply() {
  if (!window_) return;
  if (enabled_ && interval_ > 0) SetTimer(window_, id_, UINT(interval_), nullptr);
  else KillTimer(window_, id_);
}

}  // namespace ui
