// Modal windows on screen: alerts and modal dialogs. Each runs a nested event loop
// until it is answered; one still open when the driver has nothing more to say is closed
// and reported.
#pragma once

#include <string>
#include <vector>

#include "emulator/core/event_loop.h"

namespace emulator {

class Modals {
  public:
    explicit Modals(EventLoop& loop) : loop_(loop) {}

    struct Window {
        std::string kind;   // "alert", "dialog"
        std::string title;  // the alert's text or the dialog's title, UTF-8
        bool closed = false;
    };

    // Shows a modal window and runs the nested loop until it is closed. False when it had
    // to be closed because the input ended or failed first.
    bool RunModal(const std::string& kind, const std::string& title);

    // The window on top, or null.
    Window* Top() { return stack_.empty() ? nullptr : stack_.back(); }
    const Window* Top() const { return stack_.empty() ? nullptr : stack_.back(); }
    void CloseTop();

    // Windows the input left open, in the order they were closed for it.
    const std::vector<Window>& Abandoned() const { return abandoned_; }

  private:
    EventLoop& loop_;
    std::vector<Window*> stack_;
    std::vector<Window> abandoned_;
};

}  // namespace emulator
