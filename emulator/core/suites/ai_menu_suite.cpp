// Menus: the plug-in adds items and submenus to the host's groups, reads the groups, and
// changes the text and marks of its own items.
#include "emulator/core/suites/catalogue.h"
#include "emulator/core/suites/lookup.h"
#include "emulator/core/suites/serve.h"
#include "host/ai_application.h"

namespace emulator {
namespace {

constexpr const char* kSuite = kAIMenuSuite;

HostErr HOST_API AddMenuItem(HostPluginRef plugin, const char* name, const char* groupName,
                             const char* text, int32_t options, HostMenuItemHandle* item) {
    return Serve(
        kSuite, "AddMenuItem",
        [&] {
            return Arguments()
                .Add("name", name)
                .Add("groupName", groupName)
                .Add("text", text)
                .Add("options", options);
        },
        [&](Host& host) -> HostErr {
            if (groupName == nullptr || text == nullptr || item == nullptr)
                return kHostErrBadParameter;
            if (plugin != host.Plugin().Ref()) {
                host.Misuse("AddMenuItem with a foreign plug-in reference");
                return kHostErrBadHandle;
            }
            MenuGroup* group = host.MenuBar().GroupNamed(Cp1252ToUtf8(groupName));
            if (group == nullptr) return kHostErrNotFound;
            MenuItem added{Cp1252ToUtf8(name == nullptr ? "" : name), Cp1252ToUtf8(text), plugin};
            *item = host.MenuBar().HandleOf(host.MenuBar().AddItem(*group, std::move(added)));
            return kHostNoError;
        });
}

HostErr HOST_API AddMenuGroupAsSubMenu(const char* groupName, int32_t options,
                                       HostMenuItemHandle parentItem, HostMenuGroupHandle* group) {
    return Serve(
        kSuite, "AddMenuGroupAsSubMenu",
        [&] {
            return Arguments()
                .Add("groupName", groupName)
                .Add("options", options)
                .Add("parentItem", parentItem);
        },
        [&](Host& host) -> HostErr {
            if (groupName == nullptr || group == nullptr) return kHostErrBadParameter;
            MenuItem* parent = FindOwnMenuItem(host, parentItem, "AddMenuGroupAsSubMenu");
            if (parent == nullptr) return kHostErrBadHandle;
            MenuGroup* made = host.MenuBar().AddGroup(Cp1252ToUtf8(groupName), parent);
            if (made == nullptr) return kHostErrBadParameter;
            *group = host.MenuBar().HandleOf(*made);
            return kHostNoError;
        });
}

HostErr HOST_API CountMenuGroups(int32_t* count) {
    return Serve(
        kSuite, "CountMenuGroups", [] { return Arguments(); },
        [&](Host& host) -> HostErr {
            if (count == nullptr) return kHostErrBadParameter;
            *count = static_cast<int32_t>(host.MenuBar().GroupCount());
            return kHostNoError;
        });
}

HostErr HOST_API GetNthMenuGroup(int32_t index, HostMenuGroupHandle* group) {
    return Serve(
        kSuite, "GetNthMenuGroup", [&] { return Arguments().Add("index", index); },
        [&](Host& host) -> HostErr {
            if (group == nullptr || index < 0) return kHostErrBadParameter;
            MenuGroup* found = host.MenuBar().GroupAt(static_cast<size_t>(index));
            if (found == nullptr) return kHostErrBadParameter;
            *group = host.MenuBar().HandleOf(*found);
            return kHostNoError;
        });
}

HostErr HOST_API GetMenuGroupName(HostMenuGroupHandle group, char* buffer, uint32_t size) {
    return Serve(
        kSuite, "GetMenuGroupName", [&] { return Arguments().Add("group", group); },
        [&](Host& host) -> HostErr {
            const MenuGroup* found = FindMenuGroup(host, group, "GetMenuGroupName");
            if (found == nullptr) return kHostErrBadHandle;
            return CopyOut(found->name, buffer, size);
        });
}

HostErr HOST_API SetItemText(HostMenuItemHandle item, const char* text) {
    return Serve(
        kSuite, "SetItemText", [&] { return Arguments().Add("item", item).Add("text", text); },
        [&](Host& host) -> HostErr {
            if (text == nullptr) return kHostErrBadParameter;
            MenuItem* found = FindOwnMenuItem(host, item, "SetItemText");
            if (found == nullptr) return kHostErrBadHandle;
            found->text = Cp1252ToUtf8(text);
            return kHostNoError;
        });
}

HostErr HOST_API GetItemText(HostMenuItemHandle item, char* buffer, uint32_t size) {
    return Serve(
        kSuite, "GetItemText", [&] { return Arguments().Add("item", item); },
        [&](Host& host) -> HostErr {
            const MenuItem* found = FindOwnMenuItem(host, item, "GetItemText");
            if (found == nullptr) return kHostErrBadHandle;
            return CopyOut(found->text, buffer, size);
        });
}

HostErr HOST_API EnableItem(HostMenuItemHandle item, HostBool32 enabled) {
    return Serve(
        kSuite, "EnableItem", [&] { return Arguments().Add("item", item).Add("enabled", enabled); },
        [&](Host& host) -> HostErr {
            MenuItem* found = FindOwnMenuItem(host, item, "EnableItem");
            if (found == nullptr) return kHostErrBadHandle;
            found->enabled = enabled != 0;
            return kHostNoError;
        });
}

HostErr HOST_API CheckItem(HostMenuItemHandle item, HostBool32 checked) {
    return Serve(
        kSuite, "CheckItem", [&] { return Arguments().Add("item", item).Add("checked", checked); },
        [&](Host& host) -> HostErr {
            MenuItem* found = FindOwnMenuItem(host, item, "CheckItem");
            if (found == nullptr) return kHostErrBadHandle;
            found->checked = checked != 0;
            return kHostNoError;
        });
}

const AIMenuSuite9 gTable = {.AddMenuItem = AddMenuItem,
                             .AddMenuGroupAsSubMenu = AddMenuGroupAsSubMenu,
                             .CountMenuGroups = CountMenuGroups,
                             .GetNthMenuGroup = GetNthMenuGroup,
                             .GetMenuGroupName = GetMenuGroupName,
                             .SetItemText = SetItemText,
                             .GetItemText = GetItemText,
                             .EnableItem = EnableItem,
                             .CheckItem = CheckItem};

}  // namespace

const void* AiMenuSuiteTable() {
    return &gTable;
}

}  // namespace emulator
