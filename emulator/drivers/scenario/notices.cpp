#include "emulator/drivers/scenario/notices.h"

namespace emulator {

void Notices::Add(const std::string& file, int line, const std::string& message) {
    lines_.push_back(file + ":" + std::to_string(line) + ": " + message);
    out_ << lines_.back() << std::endl;
}

}  // namespace emulator
