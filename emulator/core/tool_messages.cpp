// What the user does with the toolbox and the mouse: the "AI Tool" messages.
#include "emulator/core/host.h"
#include "host/messages.h"

namespace emulator {

ActionOutcome Host::SelectTool(Tool& tool) {
    Tool& previous = toolbox.Current();
    if (&previous == &tool)
        return ActionOutcome::NothingHappens("the tool \"" + tool.name +
                                             "\" is already current; nothing happens");
    toolbox.MakeCurrent(tool);
    if (previous.owner == plugin.Ref()) SendToolMessage(previous, kSelectorAIDeselectTool, {});
    if (tool.owner == plugin.Ref()) SendToolMessage(tool, kSelectorAISelectTool, {});
    return ActionOutcome::Done();
}

ActionOutcome Host::SendToCurrentTool(const char* selector, HostRealPoint pointer) {
    Tool& tool = toolbox.Current();
    if (tool.owner != plugin.Ref())
        return ActionOutcome::NothingHappens("the current tool \"" + tool.name +
                                             "\" is not the plug-in's: \"" + selector +
                                             "\" reaches nothing");
    SendToolMessage(tool, selector, pointer);
    return ActionOutcome::Done();
}

HostErr Host::SendToolMessage(const Tool& tool, const char* selector, HostRealPoint pointer) {
    RequireLoadedCode();
    AIToolMessage message{};
    message.tool = toolbox.HandleOf(tool);
    message.cursor = pointer;
    message.pressure = 1;
    message.modifiers = keyboard.ToolModifiers();
    return plugin.Send(kCallerAITool, selector, message);
}

}  // namespace emulator
