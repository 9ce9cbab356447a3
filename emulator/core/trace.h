// The record of every suite call the plug-in makes and every message the host sends it:
// written to a file on request and offered to listeners (tests hook into host calls and
// read the records sent through it).
//
// The file shows the calls in the order they start, each indented by how deeply it is
// nested in messages and other calls. A call that makes no call of its own takes one line,
// "Suite.Function(arguments) -> answer"; one that does has its answer on a line of its
// own after the calls it made, "-> answer (Suite.Function)".
#pragma once

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "host/messages.h"
#include "host/types.h"

namespace emulator {

struct SuiteCallRecord {
    std::string suite;
    std::string function;
    std::string arguments;          // "name=value, ..." as traced
    HostErr result = kHostNoError;  // the host's handling: 0, or the error it answered
    std::string answer;             // what the function answered the plug-in, as traced
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

    // Starts writing the calls to PATH. False when the file cannot be opened.
    bool OpenFile(const std::string& path);
    bool Enabled() const { return file_.is_open() || !listeners_.empty(); }

    // Called when every suite call ends, in the order they end.
    void AddListener(Listener listener) { listeners_.push_back(std::move(listener)); }
    // Called before every message, in order.
    void AddMessageListener(MessageListener listener) {
        messageListeners_.push_back(std::move(listener));
    }

    // A suite call starts: its suite, function and arguments are written now, so that the
    // calls it makes follow it.
    void Begin(const SuiteCallRecord& call);
    // The call begun last ends with its result and answer: the file gets its answer, then
    // the listeners hear of the whole call.
    void End(const SuiteCallRecord& call);
    // A message about to be sent: a "# message CALLER / SELECTOR" line, then the listeners.
    void Message(const MessageRecord& message);
    // A message has returned: a "# CALLER / SELECTOR returned RESULT" line.
    void Returned(const char* caller, const char* selector, HostErr result);
    // A free-form line: misuse found, say.
    void Note(const std::string& line);

  private:
    // Starts a line at the current depth, ending first a call's line still waiting for
    // its answer.
    void StartLine();

    std::ofstream file_;
    int depth_ = 0;          // messages and suite calls under way
    bool awaiting_ = false;  // the last line written is a call's, without its answer yet
    std::vector<Listener> listeners_;
    std::vector<MessageListener> messageListeners_;
};

}  // namespace emulator
