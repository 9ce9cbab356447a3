// The toolbox: the plug-in adds its tool, finds tools' numbers, sets its rollover icon and
// selects a tool.
#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/lookup.h"
#include "emulator/core/suites/needs.h"
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
    return Found(host, host.Tools().Find(handle), function, "unknown tool");
}

// Only the plug-in's own tools: the others belong to the host or to other programs.
Tool* FindOwnTool(Host& host, HostToolHandle handle, const char* function) {
    Tool* tool = FindTool(host, handle, function);
    if (tool == nullptr) return nullptr;
    return Found(host, tool->owner == host.Plugin().Ref() ? tool : nullptr, function,
                 "a tool of another plug-in");
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
        Needs(NonNull(name, tool), Valid(data != nullptr && data->title != nullptr),
              OwnPlugin(plugin)),
        [&](Host& host) {
            Tool added;
            added.name = Cp1252ToUtf8(name);
            added.tip = Cp1252ToUtf8(data->tooltip == nullptr ? "" : data->tooltip);
            added.group = data->sameGroupAs;
            added.toolset = data->sameToolsetAs;
            added.options = options;
            added.icon = IconResource(host, data->icon);
            added.owner = plugin;
            *tool = host.Tools().HandleOf(host.Tools().Add(std::move(added)));
        });
}

HostErr HOST_API GetToolNumberFromName(const char* name, AIToolType* number) {
    return Serve(
        kSuite, "GetToolNumberFromName", [&] { return Arguments().Add("name", name); },
        Needs(NonNull(name, number)),
        [&](Host& host) -> HostErr {
            const Tool* tool = host.Tools().Named(Cp1252ToUtf8(name));
            if (tool == nullptr) return kHostErrNotFound;
            *number = tool->number;
            return kHostNoError;
        });
}

HostErr HOST_API GetToolNumberFromHandle(HostToolHandle tool, AIToolType* number) {
    return Serve(
        kSuite, "GetToolNumberFromHandle", [&] { return Arguments().Add("tool", tool); },
        Needs(NonNull(number), Resolve(FindTool, tool)),
        [&](Host&, const Tool& found) { *number = found.number; });
}

HostErr HOST_API SetToolRolloverIcon(HostToolHandle tool, HostIconRef icon) {
    return Serve(
        kSuite, "SetToolRolloverIcon",
        [&] { return Arguments().Add("tool", tool).Add("icon", icon); },
        Needs(Resolve(FindOwnTool, tool), NonNull(icon)),
        [&](Host& host, Tool& found) { found.rolloverIcon = IconResource(host, icon); });
}

HostErr HOST_API SetSelectedTool(HostToolHandle tool) {
    return Serve(
        kSuite, "SetSelectedTool", [&] { return Arguments().Add("tool", tool); },
        Needs(Resolve(FindTool, tool)), [&](Host& host, Tool& found) { host.SelectTool(found); });
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
