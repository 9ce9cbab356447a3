// The toolbox, the keyboard's modifier keys and the mouse over the artwork.
#include <optional>
#include <stdexcept>

#include "emulator/core/host.h"
#include "emulator/drivers/scenario/host_actions.h"
#include "host/messages.h"

namespace emulator {
namespace {

void Report(const ActionOutcome& outcome, ActionContext& context) {
    if (!outcome.done) context.Notice(outcome.notice);
}

// The plug-in has been sent nothing yet: what it finds then, another plug-in left.
bool BeforeStart(const Host& host) {
    return !host.Started() && host.Plugin().Calls().empty();
}

Effect CompileToolInstalled(const ActionArguments& args) {
    return [name = args.HostReadableText(0)](Host& host, ActionContext&) {
        if (!BeforeStart(host)) throw std::runtime_error("tool-installed must come before start");
        Tool tool;
        tool.name = name;
        tool.tip = name;
        try {
            host.Tools().Add(std::move(tool));
        } catch (const std::invalid_argument& refused) {
            throw std::runtime_error(refused.what());
        }
    };
}

Effect CompileSelectTool(const ActionArguments& args) {
    std::optional<std::string> name;
    if (args.Has(0)) name = args.Text(0);
    return [name](Host& host, ActionContext& context) {
        Tool* tool = name ? host.Tools().Named(*name) : host.Tools().OwnedBy(host.Plugin().Ref());
        if (tool == nullptr)
            throw std::runtime_error(name ? "no tool is named \"" + *name + "\""
                                          : std::string("the plug-in has added no tool"));
        Report(host.SelectTool(*tool), context);
    };
}

Effect CompileOptions(const ActionArguments&) {
    return [](Host& host, ActionContext& context) {
        Report(host.SendToCurrentTool(kSelectorAIEditToolOptions, {}), context);
    };
}

// hold KEY or release KEY.
Action KeyAction(const std::string& name, const std::string& summary, bool down) {
    return {name,
            {OneOf({NameOf(ModifierKey::kAlt), NameOf(ModifierKey::kShift)})},
            summary,
            [down](const ActionArguments& args) -> Effect {
                return [down, pressed = ModifierKeyNamed(args.Text(0)).value()](Host& host,
                                                                                ActionContext&) {
                    if (down)
                        host.Input().Keys().Hold(pressed);
                    else
                        host.Input().Keys().Release(pressed);
                };
            },
            true};
}

Effect CompilePressKey(const ActionArguments& args) {
    return [key = CommandKeyNamed(args.Text(0)).value()](Host& host, ActionContext& context) {
        Report(host.PressKey(key), context);
    };
}

// What a mouse action needs of the button before it, and leaves after it.
enum class Button { kUp, kDown, kAny };

struct MouseStep {
    const char* selector;
    Button needed;  // the button's state the step requires
    Button after;   // its state after the step (kAny: unchanged)
};

// Refuses ACTION before any message is sent when one of its STEPS would find the button in
// the wrong state.
void RequireButton(bool buttonDown, const std::vector<MouseStep>& steps,
                   const std::string& action) {
    for (const MouseStep& step : steps) {
        if (step.needed == Button::kDown && !buttonDown)
            throw std::runtime_error(action + " comes only between down and up");
        if (step.needed == Button::kUp && buttonDown)
            throw std::runtime_error(action + " cannot come while the button is down: up first");
        if (step.after != Button::kAny) buttonDown = step.after == Button::kDown;
    }
}

constexpr MouseStep kMove{kSelectorAITrackToolCursor, Button::kAny, Button::kAny};
constexpr MouseStep kDown{kSelectorAIToolMouseDown, Button::kUp, Button::kDown};
constexpr MouseStep kDrag{kSelectorAIToolMouseDrag, Button::kDown, Button::kAny};
constexpr MouseStep kUp{kSelectorAIToolMouseUp, Button::kDown, Button::kUp};

// An action of the mouse at X Y: each step's message to the current tool, in order. A run
// plays the steps that need the button down only while it is, as a gesture.
Action MouseAction(const std::string& name, const std::string& summary,
                   std::vector<MouseStep> steps) {
    bool gesture = steps.front().needed == Button::kDown;
    return {.name = name,
            .arguments = {Bare(ArgumentKind::kPoint, "X Y")},
            .summary = summary,
            .compile = [name, steps](const ActionArguments& args) -> Effect {
                HostRealPoint point = args.Point(0);
                return [name, steps, point](Host& host, ActionContext& context) {
                    RequireButton(host.Input().ButtonDown(), steps, name);
                    host.Input().MoveTo(point);
                    // The button moves whether or not a tool hears it; one notice tells
                    // that the whole action reached nothing.
                    ActionOutcome outcome = ActionOutcome::Done();
                    for (const MouseStep& step : steps) {
                        if (step.after != Button::kAny)
                            host.Input().SetButtonDown(step.after == Button::kDown);
                        ActionOutcome sent = host.SendToCurrentTool(step.selector, point);
                        if (outcome.done) outcome = sent;
                    }
                    Report(outcome, context);
                };
            },
            .role = gesture ? Role::kGesture : Role::kUser};
}

}  // namespace

std::vector<Action> ToolActions() {
    return {
        {.name = "tool-installed",
         .arguments = {Quoted(ArgumentKind::kToolTitle, "NAME")},
         .summary =
             "before start: the toolbox holds a tool named NAME, as another plug-in would have "
             "added it, after the host's own (\"Adobe Selection Tool\", current, and \"Adobe "
             "Pen Tool\")",
         .compile = CompileToolInstalled,
         .underModal = true,
         .role = Role::kSetUp,
         .when = BeforeStart},
        {"select-tool",
         {Optional(Quoted(ArgumentKind::kToolTitle, "NAME"))},
         "the user clicks the button of the tool named NAME, or without NAME the plug-in's "
         "tool: the tool that was current receives \"AI Tool\"/\"AI Deselect\" and the new one "
         "\"AI Tool\"/\"AI Select\", each only when it is the plug-in's",
         CompileSelectTool},
        {"options",
         {},
         "the user presses Return: the current tool receives \"AI Tool\"/\"AI Edit Options\"",
         CompileOptions},
        KeyAction("hold",
                  "the user holds the key down until `release`: GetAsyncKeyState reports it, "
                  "the tool messages carry it among their modifiers and a tracked button's "
                  "procedure finds SHIFT held",
                  true),
        KeyAction("release", "the user lets the key go", false),
        {"key",
         {OneOf({NameOf(CommandKey::kDelete), NameOf(CommandKey::kBackspace),
                 NameOf(CommandKey::kEscape)})},
         "the user presses the key and lets it go: Delete or Backspace deletes the art the "
         "host's selection tool selected, Escape drops the selection, whatever tool is in hand",
         CompilePressKey},
        MouseAction("move",
                    "the pointer moves to the artwork point (X, Y), vertical axis up: the current "
                    "tool receives \"AI Tool\"/\"AI Track Cursor\"",
                    {kMove}),
        MouseAction("down",
                    "the button goes down at (X, Y): \"AI Tool\"/\"AI Mouse Down\". The host's "
                    "selection tool selects the topmost art within 3 pixels of (X, Y) (the "
                    "object of its layer's top-level group that holds it), or drops the "
                    "selection over nothing",
                    {kDown}),
        MouseAction("drag",
                    "with the button down, the pointer moves to (X, Y): \"AI Tool\"/\"AI Mouse "
                    "Drag\"; refused outside `down` ... `up`. The host's selection tool moves "
                    "the art it pressed on with the pointer",
                    {kDrag}),
        MouseAction("up", "the button goes up at (X, Y): \"AI Tool\"/\"AI Mouse Up\"", {kUp}),
        MouseAction("click", "`move`, `down` and `up` at (X, Y)", {kMove, kDown, kUp}),
    };
}

}  // namespace emulator
