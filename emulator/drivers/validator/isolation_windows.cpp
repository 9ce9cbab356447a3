// Windows cannot fork: the work runs on a thread of this process. A crash there ends the
// validator; a hang ends the validation with an error, since a thread cannot be stopped.
#include "emulator/drivers/validator/isolation.h"

#include <future>
#include <stdexcept>
#include <thread>

namespace emulator {

std::optional<BrokenInvariant> RunIsolated(
    const std::function<std::optional<BrokenInvariant>()>& work, const std::string&,
    std::chrono::milliseconds limit) {
    std::packaged_task<std::optional<BrokenInvariant>()> task(work);
    std::future<std::optional<BrokenInvariant>> answer = task.get_future();
    // Left to run if it hangs: the error below ends the validation, and the process with it.
    std::thread(std::move(task)).detach();
    if (answer.wait_for(limit) == std::future_status::ready) return answer.get();
    throw std::runtime_error(std::string(kHang) + ": " + HangDetail(limit) +
                             ", and a thread cannot be stopped");
}

}  // namespace emulator
