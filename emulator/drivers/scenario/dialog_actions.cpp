// What the user does in the panel and in the modal dialog on screen.
#include <stdexcept>

#include "emulator/core/host.h"
#include "emulator/drivers/scenario/host_actions.h"

namespace emulator {
namespace {

// One user's action on a dialog, its arguments read.
using UserAction = std::function<ActionOutcome(DialogManager&, Dialog&)>;
using UserActionReader = UserAction (*)(const ActionArguments&);

Dialog& DialogAt(Host& host, Where where) {
    Dialog* dialog =
        where == Where::kPanel ? host.Dialogs().Panel() : host.Dialogs().ModalOnScreen();
    if (dialog == nullptr)
        throw std::runtime_error(where == Where::kPanel ? "there is no panel"
                                                        : "no dialog is on screen");
    return *dialog;
}

// The action "panel FORM ..." or "dialog FORM ...".
Action On(Where where, const std::string& form, std::vector<Argument> arguments,
          const std::string& summary, UserActionReader read) {
    bool modal = where == Where::kModalDialog;
    return {.name = (modal ? "dialog " : "panel ") + form,
            .arguments = std::move(arguments),
            .summary = summary,
            .compile = [where, read](const ActionArguments& args) -> Effect {
                return [where, act = read(args)](Host& host, ActionContext& context) {
                    // An alert over the dialog takes the input first.
                    const Modals::Window* top = host.ModalWindows().Top();
                    if (where == Where::kModalDialog && top != nullptr && top->kind == "alert") {
                        context.Notice("the alert \"" + top->title +
                                       "\" is over the dialog: answer it first; nothing happens");
                        host.Loop().SkipPaint();
                        return;
                    }
                    ActionOutcome outcome = act(host.Dialogs(), DialogAt(host, where));
                    if (!outcome.done) context.Notice(outcome.notice);
                };
            },
            .underModal = modal,
            .role = modal ? Role::kAnswer : Role::kUser};
}

UserAction ReadClick(const ActionArguments& args) {
    return [id = args.Integer(0)](DialogManager& m, Dialog& d) { return m.Click(d, id); };
}

UserAction ReadType(const ActionArguments& args) {
    return [id = args.Integer(0), text = args.Text(1)](DialogManager& m, Dialog& d) {
        return m.Type(d, id, text);
    };
}

UserAction ReadChoose(const ActionArguments& args) {
    return [id = args.Integer(0), index = args.Integer(1)](DialogManager& m, Dialog& d) {
        return m.Choose(d, id, index);
    };
}

UserAction ReadSlide(const ActionArguments& args) {
    return [id = args.Integer(0), value = args.Single(1)](DialogManager& m, Dialog& d) {
        return m.Slide(d, id, value);
    };
}

UserAction ReadPress(const ActionArguments& args) {
    return [id = args.Integer(0), shift = args.Has(1)](DialogManager& m, Dialog& d) {
        return m.Press(d, id, shift);
    };
}

UserAction ReadFlyoutChoice(const ActionArguments& args) {
    return
        [index = args.Integer(0)](DialogManager& m, Dialog& d) { return m.ChooseMenu(d, index); };
}

UserAction ReadCheck(const ActionArguments& args) {
    return [id = args.Integer(0), on = args.Text(1) == "on"](DialogManager& m, Dialog& d) {
        return m.Check(d, id, on);
    };
}

// The user drags the dialog by its title bar: its place on screen moves, its size stays.
UserAction ReadMove(const ActionArguments& args) {
    return [dh = args.Integer(0), dv = args.Integer(1)](DialogManager&, Dialog& d) {
        d.bounds = {d.bounds.left + dh, d.bounds.top + dv, d.bounds.right + dh,
                    d.bounds.bottom + dv};
        return ActionOutcome::Done();
    };
}

}  // namespace

std::vector<Action> DialogActions() {
    return {
        On(Where::kPanel, "click", {ItemOf(Where::kPanel, Control::kAny)},
           "the user clicks item N of the panel: a push button is pressed and released, a check "
           "box toggles, a radio button turns on, a field takes the caret, any other item "
           "notifies its procedure",
           ReadClick),
        On(Where::kPanel, "type",
           {ItemOf(Where::kPanel, Control::kField), Bare(ArgumentKind::kTypedText, "TEXT")},
           "the user types TEXT in field N and presses Return: the text is read in the field's "
           "unit (decimal comma or point, an optional unit suffix `mm`, `cm`, `in`, `po`, `\"` "
           "or `pt` in any case, spaces around), kept within the field's bounds, and the field "
           "notifies. "
           "Text that is not a number changes nothing and sends nothing",
           ReadType),
        On(Where::kPanel, "choose",
           {ItemOf(Where::kPanel, Control::kPopup), Bare(ArgumentKind::kPopupEntry, "INDEX")},
           "the user picks entry INDEX (from 0) of popup N", ReadChoose),
        On(Where::kPanel, "slide",
           {ItemOf(Where::kPanel, Control::kSlider), Bare(ArgumentKind::kSliderValue, "VALUE")},
           "the user drags slider N to VALUE", ReadSlide),
        On(Where::kPanel, "press",
           {ItemOf(Where::kPanel, Control::kPushButton), Optional(OneOf({"shift"}))},
           "a tracked click on push button N, with SHIFT when asked or while `hold shift` holds "
           "it: its track procedure learns the click and the key, and decides whether it is a "
           "click, which then notifies",
           ReadPress),
        On(Where::kPanel, "menu", {Bare(ArgumentKind::kFlyoutEntry, "INDEX")},
           "the user picks entry INDEX of the panel's flyout menu", ReadFlyoutChoice),
        On(Where::kModalDialog, "click", {ItemOf(Where::kModalDialog, Control::kClickable)},
           "the same as `panel click`, in the modal dialog on screen", ReadClick),
        On(Where::kModalDialog, "type",
           {ItemOf(Where::kModalDialog, Control::kField), Bare(ArgumentKind::kTypedText, "TEXT")},
           "the same as `panel type`, in the modal dialog on screen", ReadType),
        On(Where::kModalDialog, "check",
           {ItemOf(Where::kModalDialog, Control::kCheckBox), OneOf({"on", "off"})},
           "the user sets check box N of the modal dialog on screen (a click when it is not "
           "already so)",
           ReadCheck),
        On(Where::kModalDialog, "move",
           {Bare(ArgumentKind::kPixels, "DX"), Bare(ArgumentKind::kPixels, "DY")},
           "the user drags the modal dialog on screen by DX pixels to the right and DY down: its "
           "bounds, as the dialog suite reads them, move with it",
           ReadMove),
    };
}

}  // namespace emulator
