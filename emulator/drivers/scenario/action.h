// One action a driver can ask of the host (a scenario line, later a page request): the
// words that name it, how its arguments are read, and what it does to the host.
#pragma once

#include <functional>
#include <string>
#include <vector>

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

// What an action is to a driver that makes up runs (the validator's user): when it plays it.
enum class Role {
    kUser,       // what the user does in the application's windows
    kGesture,    // the mouse with its button down, until the button goes up
    kAnswer,     // the user answers the modal window on screen
    kLifecycle,  // the application starts, stops, unloads or reloads the plug-in, or shows
                 // its About box
    kSetUp,      // what an earlier session or another plug-in left: normally before start
    kScripted,   // only a written scenario: what a driver asks of the run itself, or a test
                 // of the host's own bookkeeping
};

// Every member has an initializer, so that an action names only the members it sets.
struct Action {
    std::string name{};                 // the words that name it: "start", or "panel click"
    std::vector<Argument> arguments{};  // what follows the name
    std::string summary{};              // what happens, in one line
    // Reads the arguments; throws SyntaxError for one that cannot be read.
    std::function<Effect(const ActionArguments&)> compile{};
    // Whether it reaches its target while a modal window is open: answering that window,
    // the keys, and what sets the run up. Every other action then does nothing, with a
    // notice, as a desktop application's windows under a modal one answer nothing.
    bool underModal = false;
    Role role = Role::kUser;
    // Whether HOST is in the state a run does it in, for a driver that makes up runs; none:
    // whenever its arguments find what they name.
    bool (*when)(const Host& host) = nullptr;

    // The whole syntax: "panel click N".
    std::string Usage() const { return UsageOf(name, arguments); }
};

}  // namespace emulator
