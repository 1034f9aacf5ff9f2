// Starts this test executable again in one of its helper modes, holding
// something (a hotkey, a file) until released.
#pragma once

#include <windows.h>

#include <string>

namespace testing_support {

class Holder {
 public:
  // Starts "this.exe ARGUMENT" and waits until it holds what it was told to.
  explicit Holder(const std::wstring& argument);
  ~Holder();  // lets go and waits for the helper to end
  Holder(const Holder&) = delete;
  Holder& operator=(const Holder&) = delete;
  bool Holding() const { return holding_; }

 private:
  HANDLE held_;
  HANDLE release_;
  PROCESS_INFORMATION process_{};
  bool holding_ = false;
};

}  // namespace testing_support
