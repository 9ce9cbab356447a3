#include "emulator/core/trace.h"

#include "emulator/common/safe_file.h"

namespace emulator {

bool Trace::OpenFile(const std::string& path) {
    // Binary: on Windows a text stream would end every line with "\r\n".
    file_.open(FilePath(path), std::ios::out | std::ios::trunc | std::ios::binary);
    return file_.is_open();
}

void Trace::StartLine() {
    if (awaiting_) file_ << '\n';
    awaiting_ = false;
    file_ << std::string(2 * static_cast<size_t>(depth_), ' ');
}

void Trace::Begin(const SuiteCallRecord& call) {
    if (file_.is_open()) {
        StartLine();
        file_ << call.suite << '.' << call.function << '(' << call.arguments << ')';
        awaiting_ = true;
    }
    ++depth_;
}

void Trace::End(const SuiteCallRecord& call) {
    --depth_;
    if (file_.is_open()) {
        if (awaiting_) {
            file_ << " -> " << call.answer << '\n';
        } else {
            StartLine();
            file_ << "-> " << call.answer << " (" << call.suite << '.' << call.function << ")\n";
        }
        awaiting_ = false;
    }
    for (const Listener& listener : listeners_) listener(call);
}

void Trace::Message(const MessageRecord& message) {
    if (file_.is_open()) {
        StartLine();
        file_ << "# message " << message.caller << " / " << message.selector << '\n';
    }
    ++depth_;
    for (const MessageListener& listener : messageListeners_) listener(message);
}

void Trace::Returned(const char* caller, const char* selector, HostErr result) {
    --depth_;
    if (file_.is_open()) {
        StartLine();
        file_ << "# " << caller << " / " << selector << " returned " << result << '\n';
    }
}

void Trace::Note(const std::string& line) {
    if (!file_.is_open()) return;
    StartLine();
    file_ << "# " << line << '\n';
}

}  // namespace emulator
