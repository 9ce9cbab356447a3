#include "emulator/core/modals.h"

namespace emulator {

bool Modals::RunModal(const std::string& kind, const std::string& title) {
    Window window{kind, title};
    stack_.push_back(&window);
    bool answered = loop_.RunUntil([&] { return window.closed; });
    stack_.pop_back();
    if (!answered && !loop_.Failure()) abandoned_.push_back(window);
    return answered;
}

void Modals::CloseTop() {
    if (!stack_.empty()) stack_.back()->closed = true;
}

}  // namespace emulator
