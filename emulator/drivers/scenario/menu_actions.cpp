// The host's menus: groups other plug-ins made, and the user's choice of an item.
#include <optional>
#include <stdexcept>

#include "emulator/core/host.h"
#include "emulator/drivers/scenario/host_actions.h"

namespace emulator {
namespace {

Effect CompileMenuGroup(const ActionArguments& args) {
    struct Parent {
        std::string group;
        std::string itemText;
    };
    std::optional<Parent> parent;
    if (args.Has(1)) parent = Parent{args.Text(2), args.Text(3)};
    return [name = args.HostReadableText(0), parent](Host& host, ActionContext&) {
        Menus& menus = host.MenuBar();
        if (menus.GroupNamed(name) != nullptr)
            throw std::runtime_error("a menu group is already named \"" + name + "\"");
        MenuItem* parentItem = nullptr;
        if (parent) {
            MenuGroup* group = menus.GroupNamed(parent->group);
            if (group == nullptr)
                throw std::runtime_error("no menu group is named \"" + parent->group + "\"");
            MenuItem item;
            item.text = parent->itemText;  // owned by no plug-in of ours
            parentItem = &menus.AddItem(*group, std::move(item));
        }
        menus.AddGroup(name, parentItem);
    };
}

Effect CompileMenuChoice(const ActionArguments& args) {
    return [text = args.Text(0)](Host& host, ActionContext& context) {
        const MenuItem* item = host.MenuBar().FirstItemReading(text);
        if (item == nullptr) throw std::runtime_error("no menu item reads \"" + text + "\"");
        // A real interface does nothing either: the item is greyed, or its submenu opens.
        ActionOutcome outcome = host.ChooseMenuItem(*item);
        if (!outcome.done) context.Notice(outcome.notice);
    };
}

}  // namespace

std::vector<Action> MenuActions() {
    return {
        {.name = "menu-group",
         .arguments = {Quoted(ArgumentKind::kMenuGroup, "NAME"), Optional(OneOf({"under"})),
                       WithPrevious(Quoted(ArgumentKind::kMenuGroup, "PARENT_GROUP")),
                       WithPrevious(Quoted(ArgumentKind::kMenuItemText, "ITEM TEXT"))},
         .summary =
             "adds a menu group as another plug-in would have made it, after all others. With "
             "`under`, the group is a submenu: an item reading ITEM TEXT, owned by no plug-in of "
             "ours, is added at the end of PARENT_GROUP and opens the new group",
         .compile = CompileMenuGroup,
         .underModal = true,
         .role = Role::kSetUp},
        {"menu",
         {Quoted(ArgumentKind::kMenuItemText, "TEXT")},
         "the user chooses the first item reading TEXT (groups in the order they were made, "
         "then items in order): its plug-in receives \"AI Menu\"/\"AI Go\" with the item in the "
         "record",
         CompileMenuChoice},
    };
}

}  // namespace emulator
