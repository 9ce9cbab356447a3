// The keyboard and the mouse as the user holds them: the modifier keys down, the button
// between a press and its release, and where the pointer was last.
#pragma once

#include <optional>

#include "emulator/models/tools/keyboard.h"
#include "host/types.h"

namespace emulator {

class UserInput {
  public:
    Keyboard& Keys() { return keyboard_; }
    const Keyboard& Keys() const { return keyboard_; }

    bool ButtonDown() const { return buttonDown_; }
    void SetButtonDown(bool down) { buttonDown_ = down; }

    // In artwork points; none before the pointer first moves over the document.
    const std::optional<HostRealPoint>& Pointer() const { return pointer_; }
    void MoveTo(HostRealPoint point) { pointer_ = point; }

  private:
    Keyboard keyboard_;
    bool buttonDown_ = false;
    std::optional<HostRealPoint> pointer_;
};

}  // namespace emulator
