// What the user does with the toolbox and the mouse: the "AI Tool" messages.
#include "emulator/core/host.h"
#include "host/messages.h"

namespace emulator {

ActionOutcome Host::SelectTool(Tool& tool) {
    Tool& previous = toolbox_.Current();
    if (&previous == &tool)
        return ActionOutcome::NothingHappens("the tool \"" + tool.name +
                                             "\" is already current; nothing happens");
    toolbox_.MakeCurrent(tool);
    // A gesture of the selection tool ends with it: a drag the next tool hears moves nothing.
    selectionTool_.Release();
    if (previous.owner == plugin_.Ref()) SendToolMessage(previous, kSelectorAIDeselectTool, {});
    if (tool.owner == plugin_.Ref()) SendToolMessage(tool, kSelectorAISelectTool, {});
    return ActionOutcome::Done();
}

ActionOutcome Host::SendToCurrentTool(const char* selector, HostRealPoint pointer) {
    Tool& tool = toolbox_.Current();
    if (&tool == toolbox_.Named(Toolbox::kSelectionToolName) && tool.owner == nullptr)
        return UseSelectionTool(selector, pointer);
    if (tool.owner != plugin_.Ref())
        return ActionOutcome::NothingHappens("the current tool \"" + tool.name +
                                             "\" is not the plug-in's: \"" + selector +
                                             "\" reaches nothing");
    SendToolMessage(tool, selector, pointer);
    return ActionOutcome::Done();
}

HostErr Host::SendToolMessage(const Tool& tool, const char* selector, HostRealPoint pointer) {
    RequireLoadedCode();
    AIToolMessage message{};
    message.tool = toolbox_.HandleOf(tool);
    message.cursor = pointer;
    message.pressure = 1;
    message.modifiers = input_.Keys().ToolModifiers();
    return plugin_.Send(kCallerAITool, selector, message);
}

}  // namespace emulator
