// The record of every suite call the plug-in makes: written to a file on request and
// offered to listeners (tests hook into host calls through it).
#pragma once

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "host/types.h"

namespace host {

struct SuiteCallRecord {
    std::string suite;
    std::string function;
    std::string arguments;  // "name=value, ..." as traced
    HostErr result = kHostNoError;
};

class Trace {
  public:
    using Listener = std::function<void(const SuiteCallRecord&)>;

    // Starts writing one line per call to PATH. False when the file cannot be opened.
    bool OpenFile(const std::string& path);
    bool Enabled() const { return file_.is_open() || !listeners_.empty(); }

    // Called after every suite call, in order.
    void AddListener(Listener listener) { listeners_.push_back(std::move(listener)); }

    void Record(const SuiteCallRecord& call);
    // A free-form line: messages sent to the plug-in, misuse found.
    void Note(const std::string& line);

  private:
    std::ofstream file_;
    std::vector<Listener> listeners_;
};

}  // namespace host
