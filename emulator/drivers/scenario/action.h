// One action a driver can ask of the host (a scenario line, later a page request): the
// words that name it, how its arguments are read, and what it does to the host.
#pragma once

#include <functional>
#include <string>

#include "emulator/drivers/scenario/action_arguments.h"

namespace emulator {

class Host;

// What an action needs from the driver that plays it.
class ActionContext {
  public:
    virtual ~ActionContext() = default;
    // The action was carried out by doing nothing, as a real interface would; MESSAGE says
    // why. The run goes on.
    virtual void Notice(const std::string& message) = 0;
    // Keeps the host's state as it is now under NAME.
    virtual void Snapshot(const std::string& name) = 0;
};

// What an action does once its words are read. Throws std::runtime_error when the host
// cannot do it in the state it is in.
using Effect = std::function<void(Host&, ActionContext&)>;

struct Action {
    std::string name;     // the words that name it: "start", or "panel click"
    std::string usage;    // the whole syntax: "panel click N"
    std::string summary;  // what happens, in one line
    // Reads the words after the name; throws SyntaxError (UsageError for a form that does
    // not fit the usage).
    std::function<Effect(const ActionArguments&)> compile;
    // Whether it reaches its target while a modal window is open: answering that window,
    // the keys, and what sets the run up. Every other action then does nothing, with a
    // notice, as a desktop application's windows under a modal one answer nothing.
    bool underModal = false;
};

}  // namespace emulator
