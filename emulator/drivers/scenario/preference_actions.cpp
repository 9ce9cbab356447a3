// The preference store, as an earlier session left it.
#include "emulator/core/host.h"
#include "emulator/drivers/scenario/host_actions.h"

namespace emulator {
namespace {

// The prefix named by the first word: "-" names the host's own keys.
std::string Prefix(const ActionArguments& args) {
    return args.Text(0) == "-" ? std::string() : args.HostReadableText(0);
}

Effect CompilePref(const ActionArguments& args) {
    return [prefix = Prefix(args), key = args.HostReadableText(1), value = args.Preference(2)](
               Host& host, ActionContext&) { host.Preferences().Put(prefix, key, value); };
}

Effect CompilePrefRemove(const ActionArguments& args) {
    return [prefix = Prefix(args), key = args.HostReadableText(1)](Host& host, ActionContext&) {
        host.Preferences().Remove(prefix, key);
    };
}

// Where a preference is kept: under a plug-in's prefix, or the host's own, and its key.
std::vector<Argument> Place() {
    return {Bare(ArgumentKind::kPreferencePrefix, "PREFIX"),
            Bare(ArgumentKind::kPreferenceKey, "KEY")};
}

std::vector<Argument> PlaceAndValue() {
    std::vector<Argument> arguments = Place();
    arguments.push_back(TypedValue({"bool", "int", "real", "string"}));
    return arguments;
}

}  // namespace

std::vector<Action> PreferenceActions() {
    return {
        {.name = "pref",
         .arguments = PlaceAndValue(),
         .summary =
             "stores a preference as if an earlier session had left it: `-` for PREFIX is the "
             "host's own keys (no prefix); VALUE is `true` or `false` for `bool`, a 32-bit whole "
             "number for `int`, a finite number (`.` as decimal separator) for `real`, any text "
             "for `string`. A set-up action, normally before `start`; it replaces what the "
             "`--prefs` file held under that key",
         .compile = CompilePref,
         .underModal = true,
         .role = Role::kSetUp},
        {.name = "pref-remove",
         .arguments = Place(),
         .summary =
             "removes a preference, as if no session had left it: `-` for PREFIX is the host's own "
             "keys, whose defaults a fresh host holds (the smart guides' colour). A set-up action, "
             "normally before `start`",
         .compile = CompilePrefRemove,
         .underModal = true,
         .role = Role::kSetUp},
    };
}

}  // namespace emulator
