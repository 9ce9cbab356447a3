// The toolbox: the plug-in adds its tool, finds tools' numbers, sets its rollover icon and
// selects a tool.
#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/serve.h"
#include "host/ai_application.h"

namespace emulator {
namespace {

constexpr const char* kSuite = kAIToolSuite;

// The resource number of ICON, or nothing for a null icon.
std::optional<int32_t> IconResource(Host& host, HostIconRef icon) {
    if (icon == nullptr) return std::nullopt;
    const Icon* found = host.Icons().Find(icon);
    if (found == nullptr) throw std::invalid_argument("unknown icon");
    return found->resourceId;
}

Tool* FindTool(Host& host, HostToolHandle handle, const char* function) {
    Tool* tool = host.Tools().Find(handle);
    if (tool == nullptr) host.Misuse(std::string(function) + ": unknown tool");
    return tool;
}

HostErr HOST_API AddTool(HostPluginRef plugin, const char* name, const AIAddToolData* data,
                         int32_t options, HostToolHandle* tool) {
    return Serve(
        kSuite, "AddTool",
        [&] {
            Arguments arguments;
            arguments.Add("name", name).Add("options", options);
            if (data != nullptr)
                arguments.Add("title", data->title)
                    .Add("tooltip", data->tooltip)
                    .Add("icon", data->icon)
                    .Add("sameGroupAs", data->sameGroupAs)
                    .Add("sameToolsetAs", data->sameToolsetAs);
            return arguments;
        },
        [&](Host& host) -> HostErr {
            if (name == nullptr || data == nullptr || data->title == nullptr || tool == nullptr)
                return kHostErrBadParameter;
            if (plugin != host.Plugin().Ref()) {
                host.Misuse("AddTool with a foreign plug-in reference");
                return kHostErrBadHandle;
            }
            Tool added;
            added.name = Cp1252ToUtf8(name);
            added.tip = Cp1252ToUtf8(data->tooltip == nullptr ? "" : data->tooltip);
            added.group = data->sameGroupAs;
            added.toolset = data->sameToolsetAs;
            added.options = options;
            added.icon = IconResource(host, data->icon);
            added.owner = plugin;
            *tool = host.Tools().HandleOf(host.Tools().Add(std::move(added)));
            return kHostNoError;
        });
}

HostErr HOST_API GetToolNumberFromName(const char* name, AIToolType* number) {
    return Serve(
        kSuite, "GetToolNumberFromName", [&] { return Arguments().Add("name", name); },
        [&](Host& host) -> HostErr {
            if (name == nullptr || number == nullptr) return kHostErrBadParameter;
            const Tool* tool = host.Tools().Named(Cp1252ToUtf8(name));
            if (tool == nullptr) return kHostErrNotFound;
            *number = tool->number;
            return kHostNoError;
        });
}

HostErr HOST_API GetToolNumberFromHandle(HostToolHandle tool, AIToolType* number) {
    return Serve(
        kSuite, "GetToolNumberFromHandle", [&] { return Arguments().Add("tool", tool); },
        [&](Host& host) -> HostErr {
            if (number == nullptr) return kHostErrBadParameter;
            const Tool* found = FindTool(host, tool, "GetToolNumberFromHandle");
            if (found == nullptr) return kHostErrBadHandle;
            *number = found->number;
            return kHostNoError;
        });
}

HostErr HOST_API SetToolRolloverIcon(HostToolHandle tool, HostIconRef icon) {
    return Serve(
        kSuite, "SetToolRolloverIcon",
        [&] { return Arguments().Add("tool", tool).Add("icon", icon); },
        [&](Host& host) -> HostErr {
            Tool* found = FindTool(host, tool, "SetToolRolloverIcon");
            if (found == nullptr) return kHostErrBadHandle;
            if (found->owner != host.Plugin().Ref()) {
                host.Misuse("SetToolRolloverIcon: a tool of another plug-in");
                return kHostErrBadHandle;
            }
            if (icon == nullptr) return kHostErrBadParameter;
            found->rolloverIcon = IconResource(host, icon);
            return kHostNoError;
        });
}

HostErr HOST_API SetSelectedTool(HostToolHandle tool) {
    return Serve(
        kSuite, "SetSelectedTool", [&] { return Arguments().Add("tool", tool); },
        [&](Host& host) -> HostErr {
            Tool* found = FindTool(host, tool, "SetSelectedTool");
            if (found == nullptr) return kHostErrBadHandle;
            host.SelectTool(*found);
            return kHostNoError;
        });
}

const AIToolSuite10 gTable = {.AddTool = AddTool,
                              .GetToolNumberFromName = GetToolNumberFromName,
                              .GetToolNumberFromHandle = GetToolNumberFromHandle,
                              .SetToolRolloverIcon = SetToolRolloverIcon,
                              .SetSelectedTool = SetSelectedTool};

}  // namespace

const void* AiToolSuiteTable() {
    return &gTable;
}

}  // namespace emulator
