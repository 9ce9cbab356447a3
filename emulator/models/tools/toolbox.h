// The host's toolbox: its own tools, other plug-ins' tools and ours, each with a number,
// and the one current tool.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "emulator/models/handle_table.h"
#include "host/ai_application.h"

namespace emulator {

struct Tool {
    AIToolType number = kNoTool;
    std::string name;  // UTF-8
    std::string tip;   // UTF-8
    AIToolType group = kNoTool;
    AIToolType toolset = kNoTool;
    int32_t options = 0;
    // Resource numbers of the owner's icons: its button, and the button under the pointer.
    std::optional<int32_t> icon;
    std::optional<int32_t> rolloverIcon;
    HostPluginRef owner = nullptr;  // null: the host's, or another program's
};

class Toolbox {
  public:
    // The host's selection tool, current, and its Pen tool.
    Toolbox();

    static constexpr const char* kSelectionToolName = "Adobe Selection Tool";
    static constexpr const char* kPenToolName = "Adobe Pen Tool";

    // Adds TOOL with the next number. Throws std::invalid_argument when its name is taken
    // or its group or toolset is neither kNoTool nor a tool's number.
    Tool& Add(Tool tool);

    size_t Count() const { return tools_.Size(); }
    // In the order the tools were added; null past the end.
    Tool* At(size_t index) const { return tools_.At(index); }
    Tool* Named(const std::string& name) const;
    // The first tool PLUGIN owns, or null.
    Tool* OwnedBy(HostPluginRef plugin) const;
    Tool* Find(HostToolHandle tool) const { return tools_.Find(tool); }
    HostToolHandle HandleOf(const Tool& tool) const { return tools_.HandleOf(&tool); }

    // Takes every tool PLUGIN added out of the toolbox; the selection tool becomes current
    // when one of them was.
    void RemoveOwnedBy(HostPluginRef plugin);

    Tool& Current() const { return *current_; }
    void MakeCurrent(Tool& tool) { current_ = &tool; }

  private:
    bool Numbers(AIToolType number) const;

    HandleTable<HostToolHandle, Tool> tools_;
    Tool* current_ = nullptr;
};

}  // namespace emulator
