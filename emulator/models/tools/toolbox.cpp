#include "emulator/models/tools/toolbox.h"

#include <memory>
#include <stdexcept>

namespace emulator {

Toolbox::Toolbox() {
    Tool selection;
    selection.name = kSelectionToolName;
    selection.tip = "Selection Tool";
    current_ = &Add(std::move(selection));
    Tool pen;
    pen.name = kPenToolName;
    pen.tip = "Pen Tool";
    Add(std::move(pen));
}

bool Toolbox::Numbers(AIToolType number) const {
    for (size_t i = 0; i < Count(); ++i)
        if (At(i)->number == number) return true;
    return false;
}

Tool& Toolbox::Add(Tool tool) {
    if (Named(tool.name) != nullptr)
        throw std::invalid_argument("a tool is already named \"" + tool.name + "\"");
    for (AIToolType place : {tool.group, tool.toolset})
        if (place != kNoTool && !Numbers(place))
            throw std::invalid_argument("no tool has the number " + std::to_string(place));
    tool.number = static_cast<AIToolType>(Count());
    auto owned = std::make_unique<Tool>(std::move(tool));
    Tool& added = *owned;
    tools_.Add(std::move(owned));
    return added;
}

void Toolbox::RemoveOwnedBy(HostPluginRef plugin) {
    if (current_->owner == plugin) current_ = Named(kSelectionToolName);
    tools_.RemoveIf([plugin](const Tool& tool) { return tool.owner == plugin; });
}

Tool* Toolbox::Named(const std::string& name) const {
    for (size_t i = 0; i < Count(); ++i)
        if (At(i)->name == name) return At(i);
    return nullptr;
}

Tool* Toolbox::OwnedBy(HostPluginRef plugin) const {
    for (size_t i = 0; i < Count(); ++i)
        if (At(i)->owner == plugin) return At(i);
    return nullptr;
}

}  // namespace emulator
