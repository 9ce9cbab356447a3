#include "emulator/core/event_loop.h"

namespace emulator {

void EventLoop::Post(Event event) {
    {
        std::lock_guard lock(mutex_);
        queue_.push_back(std::move(event));
    }
    posted_.notify_one();
}

void EventLoop::Close() {
    {
        std::lock_guard lock(mutex_);
        closed_ = true;
    }
    posted_.notify_all();
}

std::optional<Event> EventLoop::Take() {
    std::unique_lock lock(mutex_);
    posted_.wait(lock, [&] { return closed_ || !queue_.empty(); });
    if (queue_.empty()) return std::nullopt;
    Event event = std::move(queue_.front());
    queue_.pop_front();
    return event;
}

bool EventLoop::RunUntil(const std::function<bool()>& done) {
    while (!failure_) {
        if (done()) return true;
        std::optional<Event> event = Take();
        if (!event) return false;
        try {
            skipPaint_ = false;
            event->run();
            if (event->paints && !skipPaint_)
                for (const auto& idle : idle_) idle();
        } catch (const InputError& error) {
            failure_ = error;
        } catch (const std::exception& error) {
            failure_ = InputError(event->line, error.what());
        }
    }
    return false;
}

}  // namespace emulator
