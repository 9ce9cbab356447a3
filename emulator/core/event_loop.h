// The user-interface thread's event queue. Scenarios (and any other driver) only post
// events; every call into the plug-in happens while an event runs. A modal window opened
// by the plug-in runs a nested loop on the same queue until it closes, as a desktop
// message loop does.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace emulator {

// A fault of the driver's input (a scenario line that cannot be carried out). It stops
// every loop; it never crosses into the plug-in.
class InputError : public std::runtime_error {
  public:
    InputError(int line, const std::string& message) : std::runtime_error(message), line_(line) {}
    int Line() const { return line_; }

  private:
    int line_;
};

struct Event {
    int line = 0;  // where the event comes from, for error messages
    std::function<void()> run;
    // False for a driver's look at the screen: it changes nothing, so the host does not
    // paint after it (a paint sends the plug-in messages, which a scenario would not).
    bool paints = true;
};

class EventLoop {
  public:
    // The loop belongs to the thread that makes it: the user-interface thread, the only one
    // that may run its events and call into the host.
    EventLoop() : thread_(std::this_thread::get_id()) {}
    bool OnItsThread() const { return std::this_thread::get_id() == thread_; }

    // Safe from any thread.
    void Post(Event event);
    // No event will be posted any more: loops that find the queue empty give up.
    void Close();

    // Runs events until DONE is true. False when the queue ran dry (closed and empty) or
    // a fatal input error stopped every loop before that.
    bool RunUntil(const std::function<bool()>& done);
    // Runs every event until the queue is closed and empty.
    void Run() {
        RunUntil([] { return false; });
    }

    // IDLE runs after every event, after those added before it, as a desktop loop paints
    // when it is idle (the host draws; a validator then looks at what was drawn).
    void AddIdle(std::function<void()> idle) { idle_.push_back(std::move(idle)); }
    // From the event running: it changed nothing after all (the host refused a driver's
    // action that a scenario would have stopped at), so the host does not paint after it.
    void SkipPaint() { skipPaint_ = true; }

    // The error that stopped the loops, if any.
    const std::optional<InputError>& Failure() const { return failure_; }

  private:
    std::optional<Event> Take();

    const std::thread::id thread_;
    std::mutex mutex_;
    std::condition_variable posted_;
    std::deque<Event> queue_;
    bool closed_ = false;
    std::optional<InputError> failure_;
    std::vector<std::function<void()>> idle_;
    bool skipPaint_ = false;
};

}  // namespace emulator
