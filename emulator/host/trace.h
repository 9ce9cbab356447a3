// The record of every suite call the plug-in makes and every message the host sends it:
// written to a file on request and offered to listeners (tests hook into host calls and
// read the records sent through it).
#pragma once

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "host/messages.h"
#include "host/types.h"

namespace host {

struct SuiteCallRecord {
    std::string suite;
    std::string function;
    std::string arguments;  // "name=value, ..." as traced
    HostErr result = kHostNoError;
};

// A message about to be sent to the plug-in. RECORD is valid during the listener's call.
struct MessageRecord {
    const char* caller;
    const char* selector;
    const SPMessageData* record;
};

class Trace {
  public:
    using Listener = std::function<void(const SuiteCallRecord&)>;
    using MessageListener = std::function<void(const MessageRecord&)>;

    // Starts writing one line per call to PATH. False when the file cannot be opened.
    bool OpenFile(const std::string& path);
    bool Enabled() const { return file_.is_open() || !listeners_.empty(); }

    // Called after every suite call, in order.
    void AddListener(Listener listener) { listeners_.push_back(std::move(listener)); }
    // Called before every message, in order.
    void AddMessageListener(MessageListener listener) {
        messageListeners_.push_back(std::move(listener));
    }

    void Record(const SuiteCallRecord& call);
    // A message about to be sent: a "# message CALLER / SELECTOR" line, then the listeners.
    void Message(const MessageRecord& message);
    // A free-form line: what messages returned, misuse found.
    // A message has returned: a "# CALLER / SELECTOR returned RESULT" line.
    void Returned(const char* caller, const char* selector, HostErr result);
    void Note(const std::string& line);

  private:
    std::ofstream file_;
    std::vector<Listener> listeners_;
    std::vector<MessageListener> messageListeners_;
};

}  // namespace host
