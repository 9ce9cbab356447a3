#include "emulator/host/trace.h"

namespace host {

bool Trace::OpenFile(const std::string& path) {
    file_.open(path, std::ios::out | std::ios::trunc);
    return file_.is_open();
}

void Trace::Record(const SuiteCallRecord& call) {
    if (file_.is_open())
        file_ << call.suite << '.' << call.function << '(' << call.arguments << ") -> "
              << call.result << '\n';
    for (const Listener& listener : listeners_) listener(call);
}

void Trace::Message(const MessageRecord& message) {
    if (file_.is_open())
        file_ << "# message " << message.caller << " / " << message.selector << '\n';
    for (const MessageListener& listener : messageListeners_) listener(message);
}

void Trace::Returned(const char* caller, const char* selector, HostErr result) {
    if (file_.is_open())
        file_ << "# " << caller << " / " << selector << " returned " << result << '\n';
}

void Trace::Note(const std::string& line) {
    if (file_.is_open()) file_ << "# " << line << '\n';
}

}  // namespace host
